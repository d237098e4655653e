#include "ClipboardExport.h"

#include "MessageBox.h"

#include <QClipboard>
#include <QGuiApplication>

void CopyToClipboard(const QString& fragment)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    clipboard->setText(fragment, QClipboard::Clipboard);
    ShowMessage(QStringLiteral("The description has been copied to the clipboard."), MsgIcon::Information,
                MsgButtons::OK);
}
