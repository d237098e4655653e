#include "FoldedPage.h"

#include <QUrl>

namespace {
const QString RangeOption = QStringLiteral("--fold-fragment=");
const QString ChosenOption = QStringLiteral("--fold-chosen=");
const QString MarkOption = QStringLiteral("--fold-mark=");

// The marker sits in the page's flow, so lines above it keep their places; its shadow
// reaches down over the rest of the column, which clips it.
const char ColumnStyle[] =
    "<style>.qvn-column{position:relative;overflow:hidden;width:%1px;font-size:%2px}"
    ".qvn-more{position:relative;display:block;margin:0;padding:1px 0 4px;border-top:1px dashed #E47911;"
    "font:normal normal 13px/1.416 Verdana,Helvetica,sans-serif;color:#0066C0;text-decoration:none}"
    ".qvn-more::after{content:\"\";position:absolute;top:100%;left:-2000px;width:6000px;height:100000px;"
    "background:rgba(255,255,255,0.62);pointer-events:none}</style>";

QString attributeText(QString text)
{
    return text.toHtmlEscaped();
}
} // namespace

QStringList FoldArguments(const FoldMarks& marks)
{
    QStringList arguments{RangeOption + QStringLiteral("%1,%2").arg(marks.fragmentStart).arg(marks.fragmentEnd),
                          ChosenOption + QString::number(marks.chosen)};
    for (int i = 0; i < FoldProfileCount; ++i)
        arguments << MarkOption + QStringLiteral("%1,%2,").arg(i).arg(marks.at[static_cast<size_t>(i)]) +
                         QString::fromLatin1(QUrl::toPercentEncoding(marks.above[static_cast<size_t>(i)]));
    return arguments;
}

FoldMarks ParseFoldArguments(const QStringList& arguments)
{
    FoldMarks marks;
    marks.at.fill(-1);
    for (const QString& argument : arguments) {
        if (argument.startsWith(RangeOption)) {
            const QStringList parts = argument.mid(RangeOption.size()).split(u',');
            bool ok1 = false, ok2 = false;
            if (parts.size() == 2) {
                marks.fragmentStart = parts[0].toLongLong(&ok1);
                marks.fragmentEnd = parts[1].toLongLong(&ok2);
            }
            if (!ok1 || !ok2)
                marks.fragmentStart = marks.fragmentEnd = -1;
        } else if (argument.startsWith(ChosenOption)) {
            const int chosen = argument.mid(ChosenOption.size()).toInt();
            marks.chosen = chosen >= 0 && chosen < FoldProfileCount ? chosen : 0;
        } else if (argument.startsWith(MarkOption)) {
            const QStringList parts = argument.mid(MarkOption.size()).split(u',');
            bool ok = false;
            const int index = parts.size() == 3 ? parts[0].toInt(&ok) : -1;
            if (!ok || index < 0 || index >= FoldProfileCount)
                continue;
            marks.at[static_cast<size_t>(index)] = parts[1].toLongLong();
            marks.above[static_cast<size_t>(index)] = QUrl::fromPercentEncoding(parts[2].toLatin1());
        }
    }
    return marks;
}

QString FoldedPreviewPage(const QString& page, const FoldMarks& marks, int profile)
{
    const FoldProfile& kind = FoldProfileAt(profile);
    if (!marks.isValid() || marks.fragmentEnd > page.size() || !kind.folds())
        return page;
    const QStringView fragment = QStringView(page).mid(marks.fragmentStart, marks.fragmentEnd - marks.fragmentStart);
    const qsizetype at = marks.at[static_cast<size_t>(profile)];
    QString out = page.left(marks.fragmentStart);
    out += QString::fromLatin1(ColumnStyle).arg(kind.columnPx).arg(kind.typePx);
    out += QStringLiteral("<div class=\"qvn-column\">");
    if (at >= 0 && at <= fragment.size()) {
        const QString told = QStringLiteral("Above the fold on the %1: %2.")
                                 .arg(QLatin1String(kind.phrase), marks.above[static_cast<size_t>(profile)]);
        out += fragment.left(at);
        out += QStringLiteral("<div class=\"qvn-more\" role=\"heading\" aria-level=\"2\" title=\"%1\">Read more</div>")
                   .arg(attributeText(told));
        out += fragment.mid(at);
    } else {
        out += fragment;
    }
    out += QStringLiteral("</div>");
    out += QStringView(page).mid(marks.fragmentEnd);
    return out;
}
