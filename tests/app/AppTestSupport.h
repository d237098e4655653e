#pragma once

#include "DocumentState.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

// Every test starts as a first run: no settings file, a fresh document state. (Done on
// construction, before the windows of a derived fixture register their boxes.)
class FirstRunTest : public ::testing::Test {
protected:
    FirstRunTest()
    {
        QFile::remove(settingsFile());
        ResetDocumentState();
    }
    ~FirstRunTest() override { ResetDocumentState(); }

    static QString settingsFile()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               QStringLiteral("/Quorvane/Quorvane.conf");
    }
    static QString setting(const QString& key) { return SettingsStore::read(key, QStringLiteral("<none>")); }
};

// Nine CR LF lines of a description file: the marker with the title, then the sections.
inline QByteArray DescriptionFileBytes(const QString& title, const QStringList& sections = {})
{
    QByteArray bytes = "[[[QVN FILE]]]" + title.toLatin1() + "\r\n";
    for (int i = 0; i < 8; ++i)
        bytes += (i < sections.size() ? sections[i].toLatin1() : QByteArray()) + "\r\n";
    return bytes;
}

// Acts on the next modal window of type T once it is up, as a person would; gives up
// after timeoutMs. Call it before the call that opens the window, and keep the result:
// the watch ends with it.
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
