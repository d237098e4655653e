#include "CommandLine.h"

#include "ExpandToLongPath.h"

namespace {
QString trimBlanks(const QString& text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}
} // namespace

QString CommandLineText(const QStringList& arguments)
{
    return arguments.mid(1).join(QLatin1Char(' '));
}

QString CommandLineFileFromText(const QString& text)
{
    if (text.isEmpty())
        return {};
    QString file;
    if (text.front() == QLatin1Char('"')) {
        // A lone quote names nothing.
        if (text.size() < 2)
            return {};
        file = text.mid(1, text.size() - 2);
    } else {
        file = trimBlanks(text);
    }
    // An empty name would make the look-up answer with whatever it finds first.
    if (file.isEmpty())
        return {};
    return ExpandToLongPath(file);
}
