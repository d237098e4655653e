#include "PreviewPage.h"
#include "PreviewProtocol.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QByteArray helperPath()
{
    return qgetenv("QUORVANE_BIN_DIR") + "/quorvane-preview";
}

// Reads from fd until the text arrives or the time is up.
bool waitFor(int fd, const QByteArray& wanted, int timeoutMs)
{
    QByteArray seen;
    QElapsedTimer timer;
    timer.start();
    while (!seen.contains(wanted) && timer.elapsed() < timeoutMs) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 100) <= 0)
            continue;
        char buffer[256];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            return false;
        seen.append(buffer, n);
    }
    return seen.contains(wanted);
}

// Waits for the child to end; its wait status, or -1 when it is still running.
int waitForExit(pid_t pid, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return status;
        usleep(50 * 1000);
    }
    return -1;
}
} // namespace

TEST(PreviewHelper, EndsWhenTheEditorStopsListening)
{
    int toHelper[2];
    int fromHelper[2];
    ASSERT_EQ(pipe(toHelper), 0);
    ASSERT_EQ(pipe(fromHelper), 0);
    const QByteArray program = helperPath();
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        dup2(toHelper[0], STDIN_FILENO);
        dup2(fromHelper[1], STDOUT_FILENO);
        close(toHelper[0]);
        close(toHelper[1]);
        close(fromHelper[0]);
        close(fromHelper[1]);
        execl(program.constData(), program.constData(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(toHelper[0]);
    close(fromHelper[1]);

    const QByteArray page = BuildPreviewPage(PreviewTarget::Kindle, QStringLiteral("<H2>Left alone</H2>")).toUtf8();
    ASSERT_EQ(write(toHelper[1], page.constData(), static_cast<size_t>(page.size())), page.size());
    close(toHelper[1]);
    const bool ready = waitFor(fromHelper[0], PreviewProtocol::ReadyLine(), 30000);
    EXPECT_TRUE(ready);

    // The editor goes away: nobody reads the helper's signs of life any more.
    close(fromHelper[0]);
    const int status = waitForExit(pid, 10000);
    if (status == -1) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    EXPECT_NE(status, -1) << "the helper kept its window open";
}
