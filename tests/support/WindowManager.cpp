#include "WindowManager.h"

#include "Xdotool.h"

#include <QTest>

WindowManager::WindowManager()
{
    m_process.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    m_up = m_process.waitForStarted(10000) && QTest::qWaitFor([] {
        return runProgram(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
            .contains(QStringLiteral("window id"));
    }, 10000);
    // It names itself before it has taken over the screen: a window shown at once could
    // stay unframed.
    if (m_up)
        QTest::qWait(1000);
}

WindowManager::~WindowManager()
{
    m_process.terminate();
    m_process.waitForFinished(10000);
}
