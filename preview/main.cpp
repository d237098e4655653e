#include "Form2.h"
#include "OwnerPlacement.h"
#include "PreviewEngine.h"
#include "PreviewProtocol.h"

#include <QApplication>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {
// The editor writes the whole page and closes our standard input.
QByteArray readStandardInput()
{
    QByteArray page;
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n > 0)
            page.append(buffer, n);
        else if (n == 0 || errno != EINTR)
            break;
    }
    return page;
}

// False when nobody listens any more: the editor has gone.
bool report(const QByteArray& line)
{
    const size_t written = std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    return std::fflush(stdout) == 0 && written == static_cast<size_t>(line.size());
}
} // namespace

// The preview helper: shows one page, given on standard input, in the preview window,
// and ends when the window is closed. It is the only program that holds the web engine,
// so the editor starts quickly and stays small.
int main(int argc, char* argv[])
{
    const QByteArray page = readStandardInput();
    PreviewEngine::Prepare();
    QApplication app(argc, argv);
    const PreviewProtocol::OwnerWindow owner = PreviewProtocol::ParseHelperArguments(app.arguments());

    Form2 form;

    // The editor waits for "ready" and then hears from us every second; silence means
    // that we hang, and the editor ends us.
    QTimer heartbeat;
    heartbeat.setInterval(PreviewProtocol::HeartbeatIntervalMs);
    // A preview whose editor has gone would stay on screen with nothing to return to.
    QObject::connect(&heartbeat, &QTimer::timeout, &form, [&form] {
        if (!report(PreviewProtocol::AliveLine()))
            form.reject();
    });
    QObject::connect(&form, &Form2::pageLoaded, [&heartbeat] {
        report(PreviewProtocol::ReadyLine());
        heartbeat.start();
    });

    // A renderer that dies leaves an empty window behind: close it and let the editor
    // tell the user.
    bool rendererFailed = false;
    QObject::connect(form.browser()->page(), &QWebEnginePage::renderProcessTerminated, &form,
                     [&](QWebEnginePage::RenderProcessTerminationStatus status) {
                         if (status == QWebEnginePage::NormalTerminationStatus)
                             return;
                         rendererFailed = true;
                         form.reject();
                     });

    form.showPage(page);
    // Only now: the browser's first page gives the window a new native window.
    PlaceOnOwner(&form, owner);
    // Runs once exec() has shown the window: from now on a close is the user's.
    QTimer::singleShot(0, &form, [] { report(PreviewProtocol::ShownLine()); });
    form.exec();
    return rendererFailed ? 3 : 0;
}
