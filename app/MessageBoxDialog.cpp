#include "MessageBoxDialog.h"

#include "PanelAccessible.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>

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

namespace {
// text with its long part shortened in the middle to the width a message box gives a line on
// screen: a path of any length leaves the buttons in sight.
QString fitted(const MessageRequest& request, const QWidget* owner)
{
    QString text = MessageTextForDisplay(request.text);
    const qsizetype at = request.longPart.isEmpty() ? -1 : text.indexOf(request.longPart);
    if (at < 0)
        return text;
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->availableGeometry().width() : 800;
    const int width = std::max(200, std::min(screenWidth - 480, 1000) * 4 / 5);
    const QString shortened =
        QFontMetrics(QApplication::font("QMessageBox")).elidedText(request.longPart, Qt::ElideMiddle, width);
    return text.replace(at, request.longPart.size(), shortened);
}
} // namespace

MsgAnswer ShowMessageBoxDialog(const MessageRequest& request)
{
    const QMessageBox::Icon icon = dialogIcon(request.icon);
    QWidget* const active = QApplication::activeWindow();
    const QString text = fitted(request, active);
    const QMessageBox::StandardButtons buttons = dialogButtons(request.buttons);
    QWidget* const owner = active;
    std::unique_ptr<QMessageBox> shown;
    if (mayGoUnanswered(request.buttons))
        shown = std::make_unique<UnansweredMessageBox>(icon, request.caption, text, buttons, owner);
    else
        shown = std::make_unique<QMessageBox>(icon, request.caption, text, buttons, owner);
    QMessageBox& box = *shown;
    box.setTextFormat(Qt::PlainText);
    if (text != MessageTextForDisplay(request.text))
        box.setDetailedText(request.longPart);
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
