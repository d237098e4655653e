#include "ImportCommand.h"

#include "DescriptionFileFormat.h"
#include "HtmlBlocks.h"
#include "HtmlImport.h"
#include "OneLineText.h"
#include "RuntimeError.h"
#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {

constexpr int ExitWritten = 0;
constexpr int ExitFailed = 1;
constexpr int ExitExists = 2;

void printProblem(std::FILE* err, const QString& path, const QString& reason)
{
    const QByteArray line = (QStringLiteral("quorvane: ") + OneLineText(path) + QStringLiteral(": ") + reason + u'\n').toLocal8Bit();
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), err);
    std::fflush(err);
}

// A name that is there in any form, a dangling link included, is not new.
bool taken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

int refuseExisting(std::FILE* err, const QString& path)
{
    printProblem(err, path, QStringLiteral("already exists; --import writes only a new file, choose another name"));
    return ExitExists;
}

} // namespace

int RunImportCommand(const QString& htmlPath, const QString& newPath, std::FILE* err)
{
    const QString target = DescriptionFileFormat::withExtension(newPath);
    // Before reading anything: a name already in use is the caller's mistake, however good FILE is.
    if (taken(target))
        return refuseExisting(err, target);

    const WholeFile::ReadResult file = WholeFile::read(htmlPath, DescriptionFileFormat::MaxFileBytes);
    if (file.tooLarge) {
        printProblem(err, htmlPath, QStringLiteral("larger than ") + DescriptionFileFormat::MaxFileBytesText() +
                                        QStringLiteral(", the largest file that can be imported"));
        return ExitFailed;
    }
    if (file.errorNumber != 0) {
        printProblem(err, htmlPath, StandardErrorDescription(file.errorNumber));
        return ExitFailed;
    }
    const std::optional<QString> html = HtmlImport::textOfBytes(file.bytes);
    if (!html) {
        printProblem(err, htmlPath, QStringLiteral("not a text file"));
        return ExitFailed;
    }
    std::optional<HtmlImport::Result> imported = HtmlImport::fromText(*html);
    if (!imported) {
        printProblem(err, htmlPath, QStringLiteral("its elements are nested more than %1 deep").arg(MaxHtmlNesting));
        return ExitFailed;
    }
    if (imported->description.BookTitle.isEmpty())
        imported->description.BookTitle = HtmlImport::titleFromPath(htmlPath);
    if (!imported->dropped.isEmpty())
        printProblem(err, htmlPath, HtmlImport::droppedLine(imported->dropped));

    // Created, never replaced: a file that appeared since the test above stays as it is.
    QFile out(target);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (taken(target))
            return refuseExisting(err, target);
        printProblem(err, target, StandardErrorDescription(WholeFile::errorNumber(errno ? errno : EACCES, WholeFile::Step::Open, target)));
        return ExitFailed;
    }
    const QByteArray bytes = DescriptionFileFormat::format(imported->description);
    errno = 0;
    if (out.write(bytes) != bytes.size() || !out.flush()) {
        const int error = errno ? errno : EIO;
        out.close();
        out.remove();
        printProblem(err, target, StandardErrorDescription(WholeFile::errorNumber(error, WholeFile::Step::Transfer, target)));
        return ExitFailed;
    }
    out.close();
    return ExitWritten;
}
