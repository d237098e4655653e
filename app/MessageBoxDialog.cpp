#include "MessageBoxDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

#include <memory>

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
    case MsgButtons::YesNoLater:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoNoToAllLater:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::NoToAll;
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
    case MsgButtons::YesNoLater:
    case MsgButtons::YesNoNoToAllLater:
        return QMessageBox::Yes;
    }
    return QMessageBox::Ok;
}

bool mayGoUnanswered(MsgButtons buttons)
{
    return buttons == MsgButtons::YesNoLater || buttons == MsgButtons::YesNoNoToAllLater;
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
    case QMessageBox::NoToAll:
        return MsgAnswer::NoToAll;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        break;
    }
    // Closed some other way: the answer that changes the least.
    if (buttons == MsgButtons::OK)
        return MsgAnswer::OK;
    if (mayGoUnanswered(buttons))
        return MsgAnswer::Cancel;
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
}

// Esc and the close box leave the question for another time, instead of pressing the one
// No button (or nothing at all, with two).
class UnansweredMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Cancel))
            done(QMessageBox::Cancel);
        else
            QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        event->accept();
        done(QMessageBox::Cancel);
    }
};
} // namespace

MsgAnswer ShowMessageBoxDialog(const MessageRequest& request)
{
    const QMessageBox::Icon icon = dialogIcon(request.icon);
    const QString text = MessageTextForDisplay(request.text);
    const QMessageBox::StandardButtons buttons = dialogButtons(request.buttons);
    QWidget* const owner = QApplication::activeWindow();
    std::unique_ptr<QMessageBox> shown;
    if (mayGoUnanswered(request.buttons))
        shown = std::make_unique<UnansweredMessageBox>(icon, request.caption, text, buttons, owner);
    else
        shown = std::make_unique<QMessageBox>(icon, request.caption, text, buttons, owner);
    QMessageBox& box = *shown;
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(firstButton(request.buttons));
    return answerOf(box.exec(), request.buttons);
}

void InstallMessageBoxDialogs()
{
    SetMessageHandler(ShowMessageBoxDialog);
}
