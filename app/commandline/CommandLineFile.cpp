#include "CommandLineFile.h"

#include "DescriptionFileFormat.h"
#include "OneLineText.h"
#include "RuntimeError.h"
#include "WholeFile.h"

namespace {
void printProblem(std::FILE* err, const QString& path, const QString& reason)
{
    const QByteArray line = (QStringLiteral("quorvane: ") + OneLineText(path) + QStringLiteral(": ") + reason + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), err);
    std::fflush(err);
}
} // namespace

std::optional<Description> ReadCommandLineDescription(const QString& path, std::FILE* err)
{
    const WholeFile::ReadResult file = WholeFile::read(path, DescriptionFileFormat::MaxFileBytes);
    if (file.tooLarge) {
        printProblem(err, path, QStringLiteral("larger than ") + DescriptionFileFormat::MaxFileBytesText() +
                                    QStringLiteral(", the largest description file that can be opened"));
        return std::nullopt;
    }
    if (file.errorNumber != 0) {
        printProblem(err, path, StandardErrorDescription(file.errorNumber));
        return std::nullopt;
    }
    DescriptionFileFormat::Content content = DescriptionFileFormat::parse(file.bytes);
    if (!content.recognised) {
        printProblem(err, path, file.bytes.isEmpty() ? QStringLiteral("the file is empty")
                                                     : QStringLiteral("not a Quorvane description file"));
        return std::nullopt;
    }
    if (content.linesRead < DescriptionFileFormat::LineCount)
        printProblem(err, path, QStringLiteral("the file ends early; its missing sections are empty"));
    return std::move(content.description);
}
