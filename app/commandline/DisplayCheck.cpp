#include "DisplayCheck.h"

#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {
// The context's strings are the source's own constants and outlive the check.
struct Held {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

QList<Held>* held = nullptr;
QtMessageHandler passOn = nullptr;

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        held->append({type, context.file, context.line, context.function, context.category, text});
        return;
    }
    QString all;
    for (const Held& message : *held)
        all += message.text + QLatin1Char('\n');
    all += text;
    const QByteArray line = DisplayCheck::FailureLine(all);
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
    std::fflush(stderr);
    // The platform would abort next; a missing display is an ordinary failure.
    std::_Exit(1);
}
} // namespace

DisplayCheck::DisplayCheck()
{
    held = new QList<Held>;
    m_previous = qInstallMessageHandler(holdOrFail);
    passOn = m_previous;
}

DisplayCheck::~DisplayCheck()
{
    qInstallMessageHandler(m_previous);
    QList<Held>* messages = held;
    held = nullptr;
    for (const Held& message : *messages) {
        const QMessageLogContext context(message.file, message.line, message.function, message.category);
        if (passOn)
            passOn(message.type, context, message.text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
    }
    delete messages;
}

QByteArray DisplayCheck::FailureLine(const QString& platformMessages)
{
    const QByteArray display = qgetenv("DISPLAY");
    QString reason;
    if (platformMessages.contains(QLatin1String("could not connect to display"), Qt::CaseInsensitive))
        reason = display.isEmpty() ? QStringLiteral("no display (DISPLAY is not set)")
                                   : QStringLiteral("cannot connect to the display %1").arg(QString::fromLocal8Bit(display));
    else
        reason = QStringLiteral("no display or window system could be used");
    return ("quorvane: cannot open the editor's window: " + reason + QLatin1Char('\n')).toLocal8Bit();
}
