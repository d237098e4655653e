#include "MouseTracking.h"

#include "WindowMessages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <cstring>

namespace MouseTracking {

namespace {
const QString kWatcherName = QStringLiteral("LeaveWatcher");

ExportLookup& Lookup()
{
    static ExportLookup lookup;
    return lookup;
}

// Watches one window until it has posted its leave notification, then goes away.
class LeaveWatcher : public QObject {
public:
    explicit LeaveWatcher(QWidget* window) : QObject(window), m_window(window)
    {
        setObjectName(kWatcherName);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Leave) {
            m_window->removeEventFilter(this);
            setObjectName(QString()); // a new request may come before this one is gone
            QCoreApplication::postEvent(m_window, new QEvent(WindowMessages::MouseLeaveEventType()));
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
};
} // namespace

bool ModuleExports(const char* module, const char* function)
{
    if (Lookup())
        return Lookup()(module, function);
    return (std::strcmp(module, "User32") == 0 && std::strcmp(function, "TrackMouseEvent") == 0) ||
           (std::strcmp(module, "Comctl32") == 0 && std::strcmp(function, "_TrackMouseEvent") == 0);
}

void SetExportLookup(ExportLookup lookup)
{
    Lookup() = std::move(lookup);
}

void RequestLeaveNotification(QWidget* window)
{
    if (!window || window->findChild<QObject*>(kWatcherName, Qt::FindDirectChildrenOnly))
        return;
    new LeaveWatcher(window);
}

} // namespace MouseTracking
