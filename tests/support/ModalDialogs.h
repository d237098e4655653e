#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Acts on the next modal window of type T once it is up (its exec() has started), as a
// person would after it appears; gives up after timeoutMs. Call it before the call that
// opens the window and keep the result: the watch ends with it, so a watch whose window
// never came cannot catch a later test's window.
template <typename T>
[[nodiscard]] std::unique_ptr<QTimer> OnNextModal(std::function<void(T*)> act, int timeoutMs = 10000)
{
    auto timer = std::make_unique<QTimer>();
    QTimer* watch = timer.get();
    auto waited = std::make_shared<int>(0);
    QObject::connect(watch, &QTimer::timeout, watch, [watch, act, waited, timeoutMs] {
        *waited += 10;
        T* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (window && window->isVisible()) {
            watch->stop();
            act(window);
        } else if (*waited > timeoutMs) {
            watch->stop();
        }
    });
    watch->start(10);
    return timer;
}
