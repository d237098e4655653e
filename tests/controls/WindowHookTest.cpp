// The message hook: before and after delivery, the lists and their failures, and removal
// while a message is being processed.
#include "ScriptedMessages.h"
#include "WindowHook.h"
#include "WindowMessages.h"
#include "WindowSubclasser.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {
using namespace WindowMessages;

// A window that notes its own processing of mouse moves.
struct Window : QWidget {
    QStringList* log = nullptr;
    std::function<void()> onMove;
    void mouseMoveEvent(QMouseEvent*) override
    {
        log->append(QStringLiteral("own"));
        if (onMove)
            onMove();
    }
};

struct Recorder : HookCallback {
    QStringList log;
    std::function<void(bool before)> action;
    void WindowProc(bool before, bool&, std::intptr_t&, QWidget*, int message, std::uintptr_t wParam,
                    std::intptr_t lParam) override
    {
        log.append(QStringLiteral("%1 %2 %3 %4,%5")
                       .arg(before ? QStringLiteral("before") : QStringLiteral("after"))
                       .arg(message)
                       .arg(wParam)
                       .arg(LowWord(lParam))
                       .arg(HighWord(lParam)));
        if (action)
            action(before);
    }
    static int LowWord(std::intptr_t v) { return static_cast<std::int16_t>(v & 0xFFFF); }
    static int HighWord(std::intptr_t v) { return static_cast<std::int16_t>((v >> 16) & 0xFFFF); }
};

void MoveTo(QWidget& window, QPoint at, Qt::MouseButtons held = {}, Qt::KeyboardModifiers modifiers = {})
{
    QMouseEvent event(QEvent::MouseMove, at, window.mapToGlobal(at), Qt::NoButton, held, modifiers);
    QApplication::sendEvent(&window, &event);
}
} // namespace

// Listed messages reach the callback before and after the window's own processing, with the
// key-state and position words packed as the platform packs them.
TEST(WindowHook, BeforeAndAfterTheWindowsOwnProcessing)
{
    Recorder recorder;
    Window window;
    window.log = &recorder.log;
    window.setMouseTracking(true);
    WindowSubclasser subclasser(&recorder);
    ASSERT_TRUE(subclasser.Subclass(&window));
    subclasser.AddMessage(&window, WM_MOUSEMOVE, WindowHook::Before);
    subclasser.AddMessage(&window, WM_MOUSEMOVE, WindowHook::After);
    MoveTo(window, {-2, 7}, Qt::LeftButton | Qt::MiddleButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(recorder.log, QStringList({"before 512 29 -2,7", "own", "after 512 29 -2,7"}));

    recorder.log.clear();
    subclasser.Terminate();
    MoveTo(window, {1, 1});
    EXPECT_EQ(recorder.log, QStringList({"own"})) << "a removed hook lets messages straight through";
}

// At most 32 messages a list; a listed message added again changes nothing; a message that is
// not listed cannot be deleted. Each failure goes to a warning with the routine in its caption.
TEST(WindowHook, ListLimitsAndFailures)
{
    ScriptedMessages messages;
    Recorder recorder;
    QWidget window;
    WindowSubclasser subclasser(&recorder);

    subclasser.AddMessage(&window, WM_PAINT, WindowHook::Before);
    ASSERT_TRUE(subclasser.Subclass(&window));
    EXPECT_FALSE(subclasser.Subclass(&window));
    EXPECT_FALSE(subclasser.Subclass(nullptr));
    QWidget other;
    subclasser.AddMessage(&other, WM_PAINT, WindowHook::Before);

    WindowHook* hook = subclasser.HookOf(&window);
    for (int message = 1; message <= WindowHook::MSG_ENTRIES; ++message)
        subclasser.AddMessage(&window, message, WindowHook::After);
    subclasser.AddMessage(&window, 7, WindowHook::After);
    EXPECT_EQ(messages.shown().size(), 4u) << "adding a listed message does nothing";
    subclasser.AddMessage(&window, 999, WindowHook::After);
    EXPECT_FALSE(hook->IsListed(999, WindowHook::After));
    EXPECT_TRUE(hook->IsListed(32, WindowHook::After));
    subclasser.DeleteMessage(&window, 7, WindowHook::After);
    subclasser.DeleteMessage(&window, 7, WindowHook::After);
    EXPECT_FALSE(hook->IsListed(7, WindowHook::After));
    subclasser.AddMessage(&window, WindowHook::ALL_MESSAGES, WindowHook::Before);
    EXPECT_TRUE(hook->IsListed(WM_MOUSELEAVE, WindowHook::Before));
    EXPECT_TRUE(subclasser.UnSubclass(&window));
    EXPECT_FALSE(subclasser.UnSubclass(&window));

    const std::vector<QString> expected = {
        "Error in CandyButton.zMap_hWnd|Subclassing hasn't been started.",
        "Error in CandyButton.sc_Subclass|Window handle is already subclassed.",
        "Error in CandyButton.sc_Subclass|Invalid window handle.",
        "Error in CandyButton.zMap_hWnd|Window handle isn't subclassed.",
        "Error in CandyButton.zAddMsg|Message table overflow. Either increase the value of Const MSG_ENTRIES or use "
        "ALL_MESSAGES instead of specific message values.",
        "Error in CandyButton.zDelMsg|Message &H7 not found in table.",
        "Error in CandyButton.sc_UnSubclass|Window handle isn't subclassed.",
    };
    std::vector<QString> shown;
    for (const MessageRequest& request : messages.shown()) {
        shown.push_back(request.caption + QLatin1Char('|') + request.text);
        EXPECT_EQ(request.icon, MsgIcon::Exclamation);
    }
    EXPECT_EQ(shown, expected);

    WindowSubclasser noCallback(nullptr);
    EXPECT_FALSE(noCallback.Subclass(&window));
    EXPECT_EQ(messages.shown().back().text, QStringLiteral("Callback method not found."));
}

// A removal requested while messages are being processed, even from a nested call, takes
// effect when the outermost call has returned; the window's own processing always runs.
TEST(WindowHook, RemovalDuringProcessingWaitsForTheOutermostCall)
{
    Recorder recorder;
    Window window;
    window.log = &recorder.log;
    window.setMouseTracking(true);
    WindowSubclasser subclasser(&recorder);
    ASSERT_TRUE(subclasser.Subclass(&window));
    subclasser.AddMessage(&window, WM_MOUSEMOVE, WindowHook::Before);
    subclasser.AddMessage(&window, WM_MOUSEMOVE, WindowHook::After);
    QPointer<WindowHook> hook = subclasser.HookOf(&window);

    int depthInside = -1;
    bool nested = false;
    window.onMove = [&] {
        if (nested)
            return;
        nested = true;
        MoveTo(window, {3, 3}); // a message sent while one is processed
        depthInside = hook->Depth();
        subclasser.UnSubclass(&window);
    };
    MoveTo(window, {1, 1});
    EXPECT_EQ(depthInside, 1) << "the nested call has returned, the outer one has not";
    EXPECT_EQ(recorder.log,
              QStringList({"before 512 0 1,1", "own", "before 512 0 3,3", "own", "after 512 0 3,3"}))
        << "after removal the outer call skips its after-callback but finishes the own processing";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(hook.isNull()) << "released once the outermost call returned";
    window.onMove = {};
    recorder.log.clear();
    MoveTo(window, {4, 4});
    EXPECT_EQ(recorder.log, QStringList({"own"}));
}
