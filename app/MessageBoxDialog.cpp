#include "MessageBoxDialog.h"

#include "PanelAccessible.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>

namespace {
QMessageBox::Icon dialogIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons dialogButtons(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OK:
        return QMessageBox::Ok;
    case MsgButtons::OKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

// The first button is the default one.
QMessageBox::StandardButton firstButton(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OK:
    case MsgButtons::OKCancel:
        return QMessageBox::Ok;
    case MsgButtons::YesNoCancel:
    case MsgButtons::YesNo:
        return QMessageBox::Yes;
    }
    return QMessageBox::Ok;
}

QString signName(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical:
        return QStringLiteral("Error");
    case MsgIcon::Question:
        return QStringLiteral("Question");
    case MsgIcon::Exclamation:
        return QStringLiteral("Warning");
    case MsgIcon::Information:
        return QStringLiteral("Information");
    case MsgIcon::None:
        break;
    }
    return {};
}

MsgAnswer answerOf(int button, MsgButtons buttons)
{
    switch (button) {
    case QMessageBox::Ok:
        return MsgAnswer::OK;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        break;
    }
    // Closed some other way: the answer that changes the least.
    if (buttons == MsgButtons::OK)
        return MsgAnswer::OK;
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
}
} // namespace

MsgAnswer ShowMessageBoxDialog(const MessageRequest& request)
{
    QMessageBox box(dialogIcon(request.icon), request.caption, MessageTextForDisplay(request.text),
                    dialogButtons(request.buttons), QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (request.icon == MsgIcon::Information) {
        // The style's own sign is only enlarged on a screen that scales by two; ours has a drawing for it.
        QIcon sign(QStringLiteral(":/icons/information.png"));
        sign.addFile(QStringLiteral(":/icons/information@2x.png"));
        const int extent = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
        box.setIconPixmap(sign.pixmap(QSize(extent, extent), box.devicePixelRatio()));
    }
    box.setDefaultButton(firstButton(request.buttons));
    // For a screen reader: the sign says what kind of message this is, and the row of buttons
    // is no unnamed panel that seems to hold the focus beside the focused button.
    if (auto* sign = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        sign->setAccessibleName(signName(request.icon));
    if (auto* row = box.findChild<QDialogButtonBox*>())
        PanelAccessible::Show(row, QStringLiteral("Answers"));
    return answerOf(box.exec(), request.buttons);
}

void InstallMessageBoxDialogs()
{
    SetMessageHandler(ShowMessageBoxDialog);
}
