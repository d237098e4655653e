#include "EngineNotices.h"

namespace EngineNotices {
namespace {
QtMessageHandler passOn = nullptr;
bool sandboxOffByUs = false;

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (IsExpected(type, message, sandboxOffByUs))
        return;
    if (passOn)
        passOn(type, context, message);
}
} // namespace

bool IsExpected(QtMsgType type, const QString& message, bool sandboxDisabledByUs)
{
    if (type != QtInfoMsg && type != QtWarningMsg && type != QtDebugMsg)
        return false;
    // Without GL the window system says so, and the engine then finds no GPU back end.
    static const char* const notices[] = {
        "QXcbIntegration: Cannot create platform OpenGL context",
        "No suitable graphics backend found",
    };
    for (const char* notice : notices)
        if (message.startsWith(QLatin1String(notice)))
            return true;
    return sandboxDisabledByUs && message == QLatin1String("Sandboxing disabled by user.");
}

void Quieten(bool sandboxDisabledByUs)
{
    sandboxOffByUs = sandboxDisabledByUs;
    passOn = qInstallMessageHandler(filter);
}

} // namespace EngineNotices
