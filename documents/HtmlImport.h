#pragma once

#include "Description.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Bringing a description in from HTML: the store's description field, a fragment this
// program made, or a description copied from a product page or a word processor.
namespace HtmlImport {

struct Result {
    Description description;  // the title is the page's title element, if it has one
    QStringList dropped;      // markup dropped with its text kept: "<span>", "class", "comments"
    bool exact = false;       // one of the program's own fragments, read back exactly
    bool kindle = false;      // exact: the Kindle fragment, else the print one
};

// The description an HTML text holds. Nothing when its elements nest deeper than the
// program reads (MaxHtmlNesting).
std::optional<Result> fromText(QStringView html);

// A file's bytes as HTML text: UTF-8 or UTF-16 with their byte-order marks, UTF-8, else
// Windows-1252. Nothing when the bytes are not text at all (a NUL byte).
std::optional<QString> textOfBytes(QByteArrayView bytes);

// Whether a path names an HTML file by its extension (.html or .htm, any letter case).
bool isHtmlPath(const QString& path);

// The title a description brought in from path gets when the page names none.
QString titleFromPath(const QString& path);

// One line naming what was dropped, for standard error and the message after an import.
QString droppedLine(const QStringList& dropped);

} // namespace HtmlImport
