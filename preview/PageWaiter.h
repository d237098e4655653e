#pragma once

#include "PreviewCommandReader.h"

#include <QObject>
#include <QTimer>

class QSocketNotifier;

// A warm helper's wait for its page on standard input. It gives up when the input ends
// (the editor has gone, or sent us away for good), when the editor says something we do
// not understand, and after idleMs with the pointer and focus away from the buttons.
class PageWaiter : public QObject {
    Q_OBJECT
public:
    enum class Result { Page, InputEnded, IdleTimeOut, Malformed };

    explicit PageWaiter(int fd, int idleMs, QObject* parent = nullptr);

    // Reads what has arrived so far, without waiting.
    void poll() { readSome(); }
    bool isFinished() const { return m_finished; }
    // Runs the event loop until a result is known.
    Result wait();

    const QByteArray& page() const { return m_reader.page(); }
    const PreviewProtocol::OwnerWindow& owner() const { return m_reader.owner(); }
    const QStringList& arguments() const { return m_reader.arguments(); }

signals:
    void finished();

private:
    void readSome();
    void finish(Result result);

    int m_fd;
    PreviewCommandReader m_reader;
    QSocketNotifier* m_notifier;
    QTimer m_idle;
    Result m_result = Result::InputEnded;
    bool m_finished = false;
};
