#include "PreviewEngine.h"

#include "EngineNotices.h"

#include <QLoggingCategory>
#include <QWebEngineUrlScheme>

#include <unistd.h>

namespace PreviewEngine {
namespace {
void setUnlessSet(const char* name, const QByteArray& value)
{
    if (!qEnvironmentVariableIsSet(name))
        qputenv(name, value);
}

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
    const bool asRoot = geteuid() == 0;
    if (asRoot)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    // A static page needs no GPU. Drawing it in software throughout, with no GL context
    // at all, shows it in about half the time, takes less memory and works where there
    // is no GL, such as on a virtual or remote X server. What the user set stays.
    setUnlessSet("QT_XCB_GL_INTEGRATION", QByteArrayLiteral("none"));
    setUnlessSet("QT_QUICK_BACKEND", QByteArrayLiteral("software"));
    appendChromiumFlags(QByteArrayLiteral("--disable-gpu"));
    // The engine lists its set-up on every start when it runs without GL; that would
    // end up on the editor's terminal for each preview.
    if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    EngineNotices::Quieten(asRoot);
    // On Linux the engine keeps its page from screen readers unless told otherwise. Told so,
    // it builds the page's accessible tree only while the desktop asks for accessibility
    // (Qt's own switch, AT-SPI's "IsEnabled"), so nobody else pays for it.
    setUnlessSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", QByteArrayLiteral("1"));

    QWebEngineUrlScheme scheme(PageScheme());
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // The page can reach nothing else, and nothing else may link to it.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme
                    | QWebEngineUrlScheme::NoAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

} // namespace PreviewEngine
