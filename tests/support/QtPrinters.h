#pragma once
// Readable failures: GoogleTest otherwise prints Qt's strings as rows of bytes.
// Every test target includes this header first (see CMakeLists.txt), so each
// comparison of Qt strings finds these printers.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <iosfwd>

QT_BEGIN_NAMESPACE
void PrintTo(const QString& text, std::ostream* out);
void PrintTo(const QStringList& texts, std::ostream* out);
void PrintTo(const QByteArray& bytes, std::ostream* out);
QT_END_NAMESPACE
