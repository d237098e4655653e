#include "FoldedPage.h"
#include "Form2.h"
#include "OwnerPlacement.h"
#include "PageWaiter.h"
#include "PreviewEngine.h"
#include "PreviewProtocol.h"
#include "ScreenFit.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cstdio>
#include <unistd.h>

namespace {
// False when nobody listens any more: the editor has gone.
bool report(const QByteArray& line)
{
    const size_t written = std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    return std::fflush(stdout) == 0 && written == static_cast<size_t>(line.size());
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
} // namespace

// The preview helper: starts its engine and a hidden preview window as soon as the
// pointer nears a preview button, waits for one page on standard input, shows it and
// ends when the window is closed. It is the only program that holds the web engine,
// so the editor starts quickly and stays small.
int main(int argc, char* argv[])
{
    const QStringList arguments = argumentsOf(argc, argv);
    const int editorVersion = PreviewProtocol::ParseVersion(arguments);
    // Our hello tells the editor our version, so both sides can tell the user.
    report(PreviewProtocol::HelloLine());
    if (editorVersion != PreviewProtocol::Version) {
        std::fprintf(stderr, "%s\n", qPrintable(PreviewProtocol::HelperRefusal(editorVersion)));
        return PreviewProtocol::RefusedExitCode;
    }

    PreviewEngine::Prepare();
    QApplication app(argc, argv);
    KeepWindowsOnScreen();
    Form2 form;

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

    // Warm: the engine and the hidden window are ready before the page has come.
    PageWaiter waiter(STDIN_FILENO, PreviewProtocol::ParseIdleMs(arguments));
    QObject::connect(&form, &Form2::warmedUp, [] { report(PreviewProtocol::WarmLine()); });
    // A page that came with the click needs no warm-up first: that would only delay it.
    waiter.poll();
    if (waiter.isFinished())
        report(PreviewProtocol::WarmLine());
    else
        form.warmUp();
    switch (waiter.wait()) {
    case PageWaiter::Result::Page:
        break;
    case PageWaiter::Result::Malformed:
        std::fprintf(stderr, "%s\n", qPrintable(PreviewProtocol::HelperRefusal(0)));
        return PreviewProtocol::RefusedExitCode;
    default:
        // Not wanted after all, or the editor has gone: nothing was shown.
        return 0;
    }
    if (rendererFailed)
        return 3;
    if (form.isWarmingUp()) {
        QEventLoop warming;
        QObject::connect(&form, &Form2::warmedUp, &warming, &QEventLoop::quit);
        warming.exec();
    }

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

    form.setFoldMarks(ParseFoldArguments(waiter.arguments()));
    form.showPage(waiter.page());
    // Only now: the browser's first page gives the window a new native window.
    PlaceOnOwner(&form, waiter.owner());
    // Runs once exec() has shown the window: from now on a close is the user's.
    QTimer::singleShot(0, &form, [] { report(PreviewProtocol::ShownLine()); });
    form.exec();
    return rendererFailed ? 3 : 0;
}
