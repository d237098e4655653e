#pragma once

#include <QByteArray>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

// Reads the clipboard the way another program would (xclip). Our own event loop keeps
// running meanwhile: when this process owns the clipboard, it has to answer.
struct ClipboardRead {
    bool ok = false;
    QByteArray bytes;
};

inline ClipboardRead ReadClipboardFromOutside()
{
    QProcess xclip;
    QEventLoop loop;
    QObject::connect(&xclip, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&xclip, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(15000, &loop, &QEventLoop::quit);
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
    loop.exec();
    ClipboardRead read;
    read.ok = xclip.state() == QProcess::NotRunning && xclip.exitStatus() == QProcess::NormalExit
              && xclip.exitCode() == 0;
    read.bytes = xclip.readAllStandardOutput();
    if (xclip.state() != QProcess::NotRunning) {
        xclip.kill();
        xclip.waitForFinished();
    }
    return read;
}
