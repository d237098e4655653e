#include "MessageBox.h"

#include "AppInfo.h"

#include <cstdio>

namespace {
MessageHandler& installedHandler()
{
    static MessageHandler handler;
    return handler;
}

// With nobody to ask, take the answer that changes the least.
MsgAnswer quietAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OK:
        return MsgAnswer::OK;
    case MsgButtons::OKCancel:
    case MsgButtons::YesNoCancel:
    case MsgButtons::YesNoLater:
    case MsgButtons::YesNoNoToAllLater:
        return MsgAnswer::Cancel;
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    }
    return MsgAnswer::Cancel;
}
} // namespace

QString MessageTextForDisplay(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

MsgAnswer ShowMessage(const QString& text, MsgIcon icon, MsgButtons buttons, const QString& caption)
{
    return ShowMessage(MessageRequest{text, icon, buttons, caption});
}

MsgAnswer ShowMessage(MessageRequest request)
{
    if (request.caption.isEmpty())
        request.caption = AppInfo::Title();
    if (const auto& handler = installedHandler())
        return handler(request);
    const QByteArray line = MessageTextForDisplay(request.text).toUtf8();
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
    return quietAnswer(request.buttons);
}

MessageHandler SetMessageHandler(MessageHandler handler)
{
    MessageHandler previous = std::move(installedHandler());
    installedHandler() = std::move(handler);
    return previous;
}
