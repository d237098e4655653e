#pragma once

#include <QString>
#include <QStringView>

// A text run of HTML with its character references decoded where a box can hold the
// character: "&eacute;" and "&#233;" become "é", "&nbsp;" a no-break space, "&amp;" an
// ampersand. What the store would read as markup stays a reference ("&lt;b>", "&amp;amp;"), and
// so does a control character, which no box keeps; a reference the program does not know
// stays as it stands.
QString DecodeHtmlText(QStringView text);
