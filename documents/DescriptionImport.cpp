#include "DescriptionImport.h"

#include "DescriptionFileFormat.h"
#include "DescriptionView.h"
#include "DocumentState.h"
#include "HtmlBlocks.h"
#include "HtmlImport.h"
#include "MessageBox.h"
#include "QuotedTexts.h"
#include "RuntimeError.h"
#include "WholeFile.h"

namespace {
const QString OpeningCaption = QStringLiteral("Error opening file");

void refuse(const QString& text)
{
    ShowMessage(text, MsgIcon::Exclamation, MsgButtons::OK, OpeningCaption);
}
} // namespace

QString OpenDialogFilter(const QString& descriptionFilter)
{
    return descriptionFilter + QStringLiteral("|Description HTML (*.html *.htm)|*.html;*.htm");
}

void ImportDescriptionFile(const QString& path)
{
    const WholeFile::ReadResult file = WholeFile::read(path, DescriptionFileFormat::MaxFileBytes);
    if (file.tooLarge)
        return refuse(QStringLiteral("%1 is larger than %2, the largest file that can be opened.")
                          .arg(path, DescriptionFileFormat::MaxFileBytesText()));
    if (file.errorNumber != 0)
        return refuse((QString::fromLatin1(QuotedTexts::UnexpectedError) + QStringLiteral("\r\n(Error %1 : %2)"))
                          .arg(file.errorNumber)
                          .arg(StandardErrorDescription(file.errorNumber)));
    const std::optional<QString> html = HtmlImport::textOfBytes(file.bytes);
    if (!html)
        return refuse(QStringLiteral("%1 is not a text file; only HTML descriptions can be opened this way.").arg(path));
    std::optional<HtmlImport::Result> imported = HtmlImport::fromText(*html);
    if (!imported)
        return refuse(QStringLiteral("%1 cannot be opened: its elements are nested more than %2 deep.")
                          .arg(path)
                          .arg(MaxHtmlNesting));
    Description& d = imported->description;
    if (d.BookTitle.isEmpty())
        d.BookTitle = HtmlImport::titleFromPath(path);

    DocumentState& document = Document();
    document.CurrentBookTitle = d.BookTitle;
    // Unnamed: the HTML stays as it is, and Save asks where the description goes.
    document.CurrentFileName.clear();
    if (DescriptionView* boxes = document.Boxes)
        WriteDescription(*boxes, d);
    document.DocumentDirty = true;
    NotifyStoredOrReplaced();
    if (!imported->dropped.isEmpty()) {
        QString line = HtmlImport::droppedLine(imported->dropped);
        line[0] = line[0].toUpper();
        ShowMessage(line + u'.', MsgIcon::Information, MsgButtons::OK);
    }
}
