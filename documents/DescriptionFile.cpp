#include "DescriptionFile.h"

#include "DescriptionFileFormat.h"
#include "DescriptionView.h"
#include "DocumentState.h"
#include "MessageBox.h"
#include "QuotedTexts.h"
#include "RuntimeError.h"
#include "SettingsStore.h"
#include "WholeFile.h"

#include <QLocale>

namespace {

const QString NotRecognisedMessage = QStringLiteral("The specified file is not recognised as a supported type.");
const QString OpeningCaption = QStringLiteral("Error opening file");
const QString SavingCaption = QStringLiteral("Error saving file");

void showFileError(int number, const QString& caption)
{
    ShowMessage((QString::fromLatin1(QuotedTexts::UnexpectedError) + QStringLiteral("\r\n(Error %1 : %2)"))
                    .arg(number)
                    .arg(StandardErrorDescription(number)),
                MsgIcon::Exclamation, MsgButtons::OK, caption);
}

// "64 MB (67,108,864 bytes)", the same whatever the user's locale, as the other messages are.
QString limitText()
{
    return DescriptionFileFormat::MaxFileBytesText();
}

// A load reports its first failure and carries on with the next step; later failures
// of the same load are silent.
class FirstFailure {
public:
    void report(int number)
    {
        if (number == 0 || m_reported)
            return;
        m_reported = true;
        showFileError(number, OpeningCaption);
    }

private:
    bool m_reported = false;
};

} // namespace

void WriteDescriptionFile(QString& path)
{
    path = DescriptionFileFormat::withExtension(path);
    DescriptionView* boxes = Document().Boxes;
    Q_ASSERT(boxes);
    const QByteArray bytes = DescriptionFileFormat::format(boxes ? ReadDescription(*boxes) : Description{});
    if (WholeFile::exceedsLimit(bytes.size(), DescriptionFileFormat::MaxFileBytes)) {
        ShowMessage(QStringLiteral("The description is too large to save: its file would be larger than %1, "
                                   "the largest description file allowed.\r\n%2 has not been changed.")
                        .arg(limitText(), path),
                    MsgIcon::Exclamation, MsgButtons::OK, SavingCaption);
        return;
    }
    if (const int error = WholeFile::save(path, bytes)) {
        showFileError(error, SavingCaption);
        return;
    }
    RememberRecentFile(path);
    Document().DocumentDirty = false;
    NotifyStoredOrReplaced();
    if (Document().Saved)
        Document().Saved();
}

std::optional<Description> ReadDescriptionFile(const QString& path)
{
    FirstFailure failures;
    const WholeFile::ReadResult file = WholeFile::read(path, DescriptionFileFormat::MaxFileBytes);
    if (file.tooLarge) {
        ShowMessage(QStringLiteral("%1 is larger than %2, the largest description file that can be opened.")
                        .arg(path, limitText()),
                    MsgIcon::Exclamation, MsgButtons::OK, OpeningCaption);
        return std::nullopt;
    }
    failures.report(file.errorNumber);

    DescriptionFileFormat::Content content = DescriptionFileFormat::parse(file.bytes);
    if (content.linesRead == 0)
        failures.report(ErrorNumber::InputPastEndOfFile);
    if (!content.recognised) {
        ShowMessage(NotRecognisedMessage, MsgIcon::Exclamation, MsgButtons::OK);
        return std::nullopt;
    }
    if (content.linesRead < DescriptionFileFormat::LineCount)
        failures.report(ErrorNumber::InputPastEndOfFile);
    return std::move(content.description);
}

void LoadDescriptionFile(const QString& path)
{
    if (path.isEmpty())
        return;
    const std::optional<Description> description = ReadDescriptionFile(path);
    if (!description)
        return;

    DescriptionView* boxes = Document().Boxes;
    Q_ASSERT(boxes);
    Document().CurrentBookTitle = description->BookTitle;
    if (boxes) {
        // The title box first, then the sections in order, as the file has them.
        boxes->setBoxText(BookTitleBox, description->BookTitle);
        for (int i = 0; i < SectionCount; ++i)
            boxes->setBoxText(i, description->Sections[static_cast<size_t>(i)]);
    }
    RememberRecentFile(path);
    Document().DocumentDirty = false;
    NotifyStoredOrReplaced();
}

void RememberRecentFile(const QString& path)
{
    DocumentState& document = Document();
    const qsizetype separator = path.lastIndexOf(QLatin1Char('/'));
    document.CurrentFileName = path.mid(separator + 1);
    if (separator >= 0)
        document.CurrentFolder = path.left(separator);
    // A setting that cannot be stored costs only the recent-file offer of the next start.
    SettingsStore::write(SettingKey::CurrentDir, document.CurrentFolder);
    SettingsStore::write(SettingKey::RecentFile, document.CurrentFileName);
}
