#include "ClipboardExport.h"

#include "ListingReport.h"
#include "MessageBox.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {
// A message box taller than the screen hides its OK button.
constexpr qsizetype MaxFindingLines = 20;
} // namespace

QString CopyMessage(const QStringList& findings)
{
    QString message = QStringLiteral("The description has been copied to the clipboard.");
    if (!findings.isEmpty())
        message += QStringLiteral("\r\n\r\n") + FirstLines(findings, MaxFindingLines).join(QStringLiteral("\r\n"));
    return message;
}

void CopyToClipboard(const QString& fragment, const QStringList& findings)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    clipboard->setText(fragment, QClipboard::Clipboard);
    ShowMessage(CopyMessage(findings), findings.isEmpty() ? MsgIcon::Information : MsgIcon::Exclamation,
                MsgButtons::OK);
}
