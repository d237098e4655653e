#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Acts on the next modal window of type T as soon as it is up (its exec() has started),
// as a person would after it appears. Used before the call that opens the window.
template <typename T>
void WhenModalShows(std::function<void(T*)> act, int timeoutMs = 10000)
{
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, waited, timeoutMs] {
        *waited += 10;
        T* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (window && window->isVisible()) {
            timer->deleteLater();
            timer->stop();
            act(window);
        } else if (*waited > timeoutMs) {
            timer->deleteLater();
            timer->stop();
        }
    });
    timer->start(10);
}
