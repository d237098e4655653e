#include "PreviewWarmer.h"

#include "CandyButton.h"
#include "PreviewLauncher.h"
#include "PreviewProtocol.h"

#include <QEvent>
#include <QWidget>

PreviewWarmer::PreviewWarmer(QObject* parent)
    : QObject(parent), m_helperPath(PreviewLauncher::DefaultHelperPath()), m_idleMs(PreviewProtocol::DefaultIdleMs)
{
}

PreviewWarmer::~PreviewWarmer()
{
    if (!m_helper)
        return;
    m_helper->disconnect(this);
    // The end of its input sends it away; it ends on its own and takes its engine along.
    m_helper->closeWriteChannel();
    if (!m_helper->waitForFinished(3000))
        m_helper->kill();
    m_helper->waitForFinished(3000);
}

std::unique_ptr<QProcess> PreviewWarmer::StartHelper(const QString& path, int idleMs)
{
    auto helper = std::make_unique<QProcess>();
    helper->setProgram(path);
    helper->setArguments(PreviewProtocol::HelperArguments(idleMs));
    helper->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper->start();
    return helper;
}

void PreviewWarmer::watch(CandyButton* button)
{
    m_buttons << button;
    button->installEventFilter(this);
    connect(button, &CandyButton::MouseEnter, this, [this, button] { pointerEntered(button); });
    connect(button, &CandyButton::MouseLeave, this, [this, button] { pointerLeft(button); });
    connect(button, &QObject::destroyed, this, [this](QObject* gone) { m_hovered.remove(gone); });
}

void PreviewWarmer::pointerEntered(QObject* button)
{
    m_hovered.insert(button);
    update();
}

void PreviewWarmer::pointerLeft(QObject* button)
{
    m_hovered.remove(button);
    update();
}

bool PreviewWarmer::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update();
    return false;
}

bool PreviewWarmer::isNear() const
{
    if (!m_hovered.isEmpty())
        return true;
    for (const QPointer<QWidget>& button : m_buttons)
        if (button && button->hasFocus())
            return true;
    return false;
}

std::unique_ptr<QProcess> PreviewWarmer::take()
{
    if (!m_helper)
        return nullptr;
    m_helper->disconnect(this);
    std::unique_ptr<QProcess> helper = std::move(m_helper);
    if (helper->state() == QProcess::NotRunning)
        return nullptr;
    return helper;
}

void PreviewWarmer::setPaused(bool paused)
{
    m_paused = paused;
    update();
}

void PreviewWarmer::update()
{
    if (m_paused)
        return;
    const bool near = isNear();
    if (near && !m_helper) {
        m_helper = StartHelper(m_helperPath, m_idleMs);
        m_helperNear = true;
        // Gone by itself (idle, or killed): the next approach starts another.
        connect(m_helper.get(), &QProcess::finished, this, &PreviewWarmer::dropHelper);
        connect(m_helper.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                dropHelper();
        });
        emit helperStarted();
        return;
    }
    if (m_helper && near != m_helperNear) {
        m_helperNear = near;
        m_helper->write(near ? PreviewProtocol::NearLine() : PreviewProtocol::AwayLine());
    }
}

void PreviewWarmer::dropHelper()
{
    if (!m_helper)
        return;
    m_helper->disconnect(this);
    // Inside its own signal: delete it once that has returned.
    m_helper.release()->deleteLater();
}
