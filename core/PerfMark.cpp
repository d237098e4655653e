#include "PerfMark.h"

#include <QByteArray>
#include <QEvent>
#include <QObject>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace {
const char* setting()
{
    static const char* const value = std::getenv("QUORVANE_PERFMARK");
    return value;
}

class FirstPaint : public QObject {
public:
    FirstPaint(QObject* window, const char* name) : QObject(window), m_name(name) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            PerfMark::mark(m_name.constData());
            deleteLater();
        }
        return false;
    }

private:
    QByteArray m_name;
};
} // namespace

bool PerfMark::enabled()
{
    return setting() != nullptr;
}

void PerfMark::mark(const char* name)
{
    if (!enabled())
        return;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "PERFMARK %s %lld\n", name, static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stderr);
}

void PerfMark::markFirstPaint(QObject* window, const char* name)
{
    if (enabled())
        new FirstPaint(window, name);
}

void PerfMark::firstPaintDone()
{
    mark("first_paint_done");
    if (enabled() && std::strcmp(setting(), "exit-at-paint") == 0) {
        std::fflush(nullptr);
        _exit(0);
    }
}
