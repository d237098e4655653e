#include "PreviewEngine.h"

#include <QCoreApplication>
#include <QWebEngineUrlScheme>

#include <unistd.h>

namespace PreviewEngine {
namespace {
void appendChromiumFlags(const QByteArray& flags)
{
    QByteArray all = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!all.isEmpty())
        all += ' ';
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", all + flags);
}
} // namespace

QByteArray PageScheme()
{
    return QByteArrayLiteral("quorvane-page");
}

void Prepare()
{
    // The engine's sandbox refuses to start for root (CI runs us as root), and without
    // this the preview would not open at all. Only then do we go without it.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    // A static page needs no GPU. Software compositing starts faster, uses less memory
    // and also works where there is no GPU at all, such as on a virtual X server.
    appendChromiumFlags(QByteArrayLiteral("--disable-gpu"));

    // Widgets and the engine share one GL context; it must be asked for this early.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    QWebEngineUrlScheme scheme(PageScheme());
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // The page can reach nothing else, and nothing else may link to it.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme
                    | QWebEngineUrlScheme::NoAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

} // namespace PreviewEngine
