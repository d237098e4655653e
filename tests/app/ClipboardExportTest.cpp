#include "ClipboardExport.h"
#include "MessageBox.h"
#include "ScriptedMessages.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
// Reads the clipboard the way another program would. Our own event loop must keep
// running meanwhile, since this process owns the clipboard and has to answer.
struct ClipboardRead {
    bool ok = false;
    QByteArray bytes;
};

ClipboardRead readClipboardFromOutside()
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
} // namespace

TEST(ClipboardExport, OutsideProgramReadsTheFragmentByteForByte)
{
    ScriptedMessages messages;
    const QString fragments[] = {
        QStringLiteral("<H2>My Book</H2><BR>Line one<BR>Line two<BR><BR><ul><li>Fast</li><li>Easy</li></ul>"
                       "Buy now<BR><BR>"),
        // Non-ASCII, a line break passed through from a single-line section, markup as typed.
        QStringLiteral("<B>\u00c9t\u00e9 \u2014 \u201cdr\u00f4le\u201d \u4e66 \U0001F4D6</B><BR><BR>one\r\ntwo & <i>x</i>"),
        QStringLiteral("  leading and trailing spaces  "),
    };
    for (const QString& fragment : fragments) {
        messages.clear();
        CopyToClipboard(fragment);
        const ClipboardRead read = readClipboardFromOutside();
        EXPECT_TRUE(read.ok);
        EXPECT_EQ(read.bytes, fragment.toUtf8());

        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text, QStringLiteral("The description has been copied to the clipboard."));
        EXPECT_EQ(messages.shown()[0].icon, MsgIcon::Information);
        EXPECT_EQ(messages.shown()[0].buttons, MsgButtons::OK);
        EXPECT_EQ(messages.shown()[0].caption, QStringLiteral("Quorvane"));
    }
}

TEST(ClipboardExport, EmptyFragmentReplacesWhatWasThere)
{
    ScriptedMessages messages;
    CopyToClipboard(QStringLiteral("<BR><BR>"));
    EXPECT_EQ(readClipboardFromOutside().bytes, QByteArrayLiteral("<BR><BR>"));
    CopyToClipboard(QString());
    EXPECT_EQ(readClipboardFromOutside().bytes, QByteArray());
    EXPECT_EQ(messages.shown().size(), 2u);
}
