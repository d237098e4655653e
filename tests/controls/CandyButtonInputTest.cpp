// The button's reactions to real Qt events: hover, press, release, Enter, focus, drag-out.
#include "CandyButton.h"
#include "CandyButtonAccessible.h"
#include "ControlsTestSupport.h"
#include "MouseTracking.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {
constexpr int kWidth = 60;
constexpr int kHeight = 23;

PropertyBag Saved(int style, bool enabled = true, bool checked = false, const QString& caption = QString())
{
    PropertyBag bag;
    for (const auto& [key, value] : {std::pair<const char*, QVariant>{"Enabled", enabled}, {"Font", CrispFont()},
                                     {"Caption", caption}, {"Style", style}, {"Checked", checked}})
        bag.WriteProperty(QLatin1String(key), value);
    return bag;
}

// Everything the button raises, in order, as "MouseDown(1,0,5,5)" and "Click".
struct Events : QStringList {
    explicit Events(CandyButton& b)
    {
        const auto four = [this](const char* name) {
            return [this, name](short button, short shift, float x, float y) {
                append(QStringLiteral("%1(%2,%3,%4,%5)").arg(QLatin1String(name)).arg(button).arg(shift).arg(x).arg(y));
            };
        };
        const auto bare = [this](const char* name) { return [this, name] { append(QLatin1String(name)); }; };
        QObject::connect(&b, &CandyButton::MouseDown, four("MouseDown"));
        QObject::connect(&b, &CandyButton::MouseUp, four("MouseUp"));
        QObject::connect(&b, &CandyButton::MouseMove, four("MouseMove"));
        QObject::connect(&b, &CandyButton::Click, bare("Click"));
        QObject::connect(&b, &CandyButton::DblClick, bare("DblClick"));
        QObject::connect(&b, &CandyButton::MouseEnter, bare("MouseEnter"));
        QObject::connect(&b, &CandyButton::MouseLeave, bare("MouseLeave"));
    }
    QStringList Moveless() const
    {
        QStringList kept = *this;
        kept.removeIf([](const QString& e) { return e.startsWith(QLatin1String("MouseMove")); });
        return kept;
    }
};

// A button loaded from saved properties at run time, on a shown host.
struct Rig {
    QWidget host;
    CandyButton& button = *new CandyButton(&host);
    std::map<ButtonState, QImage> faces;
    Events events{button};

    explicit Rig(const PropertyBag& bag)
    {
        host.setPalette(QPalette(QColor(200, 100, 50)));
        button.setGeometry(10, 10, kWidth, kHeight);
        button.ReadProperties(bag);
        host.resize(100, 50);
        host.show();
        // Each face this button can show, painted by a twin that gets no input.
        CandyButton twin(&host);
        twin.setGeometry(button.geometry());
        twin.ReadProperties(bag, false);
        twin.SetChecked(false);
        twin.RebuildShape();
        for (ButtonState state : {StateNormal, StatePressed, StateFocused, StateHover}) {
            twin.Redraw(state);
            faces[state] = twin.Surface().Image().copy();
        }
        twin.SetChecked(true);
        faces[StateChecked] = twin.Surface().Image().copy();
        events.clear();
    }

    // The face on the button now, by name (the first that matches: Style 1 looks the same
    // normal and focused); "other" when it is none of them.
    std::string Face() const
    {
        static const std::map<ButtonState, std::string> names = {
            {StateNormal, "normal"}, {StatePressed, "pressed"}, {StateFocused, "focused"},
            {StateHover, "hover"},   {StateChecked, "checked"}};
        for (const auto& [state, image] : faces)
            if (image == button.Surface().Image())
                return names.at(state);
        return "other";
    }

    void Send(QEvent&& event) { QApplication::sendEvent(&button, &event); }
    void Mouse(QEvent::Type type, QPointF at, Qt::MouseButton which, Qt::MouseButtons held,
               Qt::KeyboardModifiers mods = {})
    {
        Send(QMouseEvent(type, at, button.mapToGlobal(at), which, held, mods));
    }
    void Move(QPointF at, Qt::MouseButtons held = {}, Qt::KeyboardModifiers mods = {})
    {
        Mouse(QEvent::MouseMove, at, Qt::NoButton, held, mods);
    }
    void Press(QPointF at) { Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void Release(QPointF at) { Mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
    void Key(QEvent::Type type, int key, bool repeat = false) { Send(QKeyEvent(type, key, Qt::NoModifier, {}, repeat)); }
    void Focus(QEvent::Type type) { Send(QFocusEvent(type, Qt::TabFocusReason)); }
    // The pointer leaves the window: Qt's leave, then whatever notification it posted.
    void Leave()
    {
        Send(QEvent(QEvent::Leave));
        QCoreApplication::sendPostedEvents(&button);
    }
};
} // namespace

// Column 0 and row 0 are not inside; one pixel further in is. Only the first move in enters.
TEST(CandyButtonInput, EntryNeedsAPixelPastTheFirstColumnAndRow)
{
    Rig rig(Saved(StyleStandard));
    ASSERT_NE(rig.button.Hook(), nullptr) << "reading saved properties at run time installs the hook";
    rig.Move({0, 5});
    rig.Move({5, 0});
    EXPECT_FALSE(rig.button.IsHovering());
    EXPECT_EQ(rig.Face(), "normal");
    rig.Move({1, 1});
    rig.Move({2, 2});
    EXPECT_TRUE(rig.button.IsHovering());
    EXPECT_EQ(rig.events, QStringList({"MouseMove(0,0,0,5)", "MouseMove(0,0,5,0)", "MouseMove(0,0,1,1)", "MouseEnter",
                                   "MouseMove(0,0,2,2)"}))
        << "MouseMove comes from the window's own processing, before the hook's entry test";
    EXPECT_EQ(rig.Face(), "hover");
    rig.Leave();
    EXPECT_FALSE(rig.button.IsHovering());
    EXPECT_EQ(rig.events.last(), "MouseLeave");
    EXPECT_EQ(rig.Face(), "normal");
    rig.Leave();
    EXPECT_EQ(rig.events.count(QStringLiteral("MouseLeave")), 1) << "one notification per entry";
}

// Leaving and coming straight back, before the old notification's watcher is gone, asks for
// a new one: the next leave is heard too.
TEST(CandyButtonInput, LeavingAndReenteringAtOnceHearsTheNextLeave)
{
    Rig rig(Saved(StyleStandard));
    rig.Move({5, 5});
    rig.Leave();
    rig.Move({6, 6});
    EXPECT_TRUE(rig.button.IsHovering());
    EXPECT_EQ(rig.Face(), "hover");
    rig.Leave();
    EXPECT_FALSE(rig.button.IsHovering());
    EXPECT_EQ(rig.Face(), "normal");
    EXPECT_EQ(rig.events.Moveless(), QStringList({"MouseEnter", "MouseLeave", "MouseEnter", "MouseLeave"}));
}

// The host sees the new face when MouseUp reaches it, from the mouse and from Enter.
TEST(CandyButtonInput, FaceIsRepaintedBeforeMouseUp)
{
    Rig rig(Saved(StyleStandard));
    std::vector<std::string> faces;
    QObject::connect(&rig.button, &CandyButton::MouseUp, [&] { faces.push_back(rig.Face()); });
    rig.Move({5, 5});
    rig.Press({5, 5});
    rig.Release({5, 5});
    rig.Leave();
    rig.Key(QEvent::KeyPress, Qt::Key_Return);
    rig.Key(QEvent::KeyRelease, Qt::Key_Return);
    EXPECT_EQ(faces, (std::vector<std::string>{"hover", "focused"}));
}

// Exactly the left button held keeps the pointer out; the left button with Shift does not.
TEST(CandyButtonInput, LeftButtonAloneDoesNotEnter)
{
    Rig rig(Saved(StyleStandard));
    rig.Move({5, 5}, Qt::LeftButton);
    EXPECT_FALSE(rig.button.IsHovering());
    rig.Move({6, 5}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(rig.button.IsHovering());
    EXPECT_EQ(rig.events, QStringList({"MouseMove(1,0,5,5)", "MouseMove(1,1,6,5)", "MouseEnter"}));
}

// Enter presses and clicks a focused, enabled button; a disabled button raises nothing and
// keeps its face.
TEST(CandyButtonInput, EnterKeyAndDisabledButton)
{
    Rig rig(Saved(StyleStandard));
    rig.Focus(QEvent::FocusIn);
    EXPECT_TRUE(rig.button.HasFocus());
    EXPECT_EQ(rig.Face(), "focused");
    rig.Key(QEvent::KeyPress, Qt::Key_Return);
    EXPECT_EQ(rig.Face(), "pressed");
    rig.Key(QEvent::KeyRelease, Qt::Key_Return);
    EXPECT_EQ(rig.events, QStringList({"MouseDown(1,0,0,0)", "MouseUp(1,0,0,0)", "Click"}));
    EXPECT_EQ(rig.Face(), "focused");

    // Held down, Enter repeats its press; one click when it is let go.
    rig.events.clear();
    rig.Key(QEvent::KeyPress, Qt::Key_Enter);
    rig.Key(QEvent::KeyRelease, Qt::Key_Enter, true);
    rig.Key(QEvent::KeyPress, Qt::Key_Enter, true);
    rig.Key(QEvent::KeyRelease, Qt::Key_Enter);
    EXPECT_EQ(rig.events, QStringList({"MouseDown(1,0,0,0)", "MouseDown(1,0,0,0)", "MouseUp(1,0,0,0)", "Click"}));

    Rig off(Saved(StyleStandard, false));
    EXPECT_EQ(off.button.focusPolicy(), Qt::NoFocus) << "Tab passes a disabled button by";
    off.Focus(QEvent::FocusIn);
    EXPECT_TRUE(off.button.HasFocus()) << "the flag changes even when disabled";
    const QImage before = off.button.Surface().Image().copy();
    off.Key(QEvent::KeyPress, Qt::Key_Return);
    off.Key(QEvent::KeyRelease, Qt::Key_Return);
    off.Press({5, 5});
    off.Release({5, 5});
    off.Focus(QEvent::FocusOut);
    EXPECT_FALSE(off.button.HasFocus());
    EXPECT_TRUE(off.events.isEmpty());
    EXPECT_EQ(off.button.Surface().Image(), before);
    off.Move({5, 5});
    EXPECT_EQ(off.events, QStringList({"MouseEnter"})) << "entering is handled regardless";
}

// Space is pressed and let go as Enter is, with the same faces and events.
TEST(CandyButtonInput, SpacePressesAsEnterDoes)
{
    Rig rig(Saved(StyleStandard));
    rig.Focus(QEvent::FocusIn);
    rig.Key(QEvent::KeyPress, Qt::Key_Space);
    EXPECT_EQ(rig.Face(), "pressed");
    EXPECT_EQ(rig.events, QStringList({"MouseDown(1,0,0,0)"}));
    rig.Key(QEvent::KeyRelease, Qt::Key_Space, true);
    rig.Key(QEvent::KeyPress, Qt::Key_Space, true);
    rig.Key(QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(rig.events, QStringList({"MouseDown(1,0,0,0)", "MouseDown(1,0,0,0)", "MouseUp(1,0,0,0)", "Click"}));
    EXPECT_EQ(rig.Face(), "focused");
}

// A key completes a click only after its own press reached the focused button: the release
// of an Enter that closed a dialog above the button does nothing, nor do the repeats of a
// key held down since then, nor a press from before the focus came or before it went.
TEST(CandyButtonInput, AKeyReleaseWithoutItsOwnPressDoesNothing)
{
    for (const int key : {Qt::Key_Return, Qt::Key_Space}) {
        Rig rig(Saved(StyleStandard));
        rig.Focus(QEvent::FocusOut);
        rig.Key(QEvent::KeyPress, key);
        rig.Focus(QEvent::FocusIn);
        rig.Key(QEvent::KeyPress, key, true);
        rig.Key(QEvent::KeyRelease, key);
        EXPECT_TRUE(rig.events.isEmpty()) << key;
        EXPECT_EQ(rig.Face(), "focused");

        rig.Key(QEvent::KeyPress, key);
        rig.Focus(QEvent::FocusOut);
        rig.Focus(QEvent::FocusIn);
        rig.Key(QEvent::KeyRelease, key);
        EXPECT_EQ(rig.events, QStringList({"MouseDown(1,0,0,0)"})) << key;

        // The other key's release leaves the press waiting for its own.
        rig.events.clear();
        const int other = key == Qt::Key_Space ? Qt::Key_Return : Qt::Key_Space;
        rig.Key(QEvent::KeyPress, key);
        rig.Key(QEvent::KeyRelease, other);
        EXPECT_EQ(rig.events, QStringList({"MouseDown(1,0,0,0)"})) << key;
        rig.Key(QEvent::KeyRelease, key);
        EXPECT_EQ(rig.events, QStringList({"MouseDown(1,0,0,0)", "MouseUp(1,0,0,0)", "Click"})) << key;
        rig.Key(QEvent::KeyRelease, key);
        EXPECT_EQ(rig.events.count(QStringLiteral("Click")), 1) << "a second release clicks no more";
    }
}

// Dragging out with the left button held shows the normal face at once without MouseLeave;
// the leave notification that follows still raises it.
TEST(CandyButtonInput, DragOutThenLeave)
{
    Rig rig(Saved(StyleStandard));
    rig.Move({5, 5});
    rig.Press({5, 5});
    EXPECT_EQ(rig.Face(), "pressed");
    rig.Move({-3, 5}, Qt::LeftButton);
    EXPECT_EQ(rig.Face(), "normal");
    EXPECT_FALSE(rig.button.IsHovering());
    EXPECT_FALSE(rig.events.contains(QStringLiteral("MouseLeave")));
    rig.Release({-3, 5});
    EXPECT_EQ(rig.Face(), "focused") << "released outside: the pressed button has the focus";
    EXPECT_FALSE(rig.events.contains(QStringLiteral("Click"))) << "released off the button";
    rig.Leave();
    EXPECT_EQ(rig.events.Moveless(),
              QStringList({"MouseEnter", "MouseDown(1,0,5,5)", "MouseUp(1,0,-3,5)", "MouseLeave"}));
    EXPECT_EQ(rig.Face(), "focused");
}

// A click completes on release over the button; the second press of a double click raises
// DblClick with the pressed face and no second Click.
TEST(CandyButtonInput, ClickAndDoubleClick)
{
    Rig rig(Saved(StyleStandard));
    rig.Move({5, 5});
    rig.Press({5, 5});
    rig.Release({6, 6});
    EXPECT_EQ(rig.Face(), "hover");
    rig.Mouse(QEvent::MouseButtonDblClick, {6, 6}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(rig.Face(), "pressed");
    rig.Release({6, 6});
    EXPECT_EQ(rig.events.Moveless(),
              QStringList({"MouseEnter", "MouseDown(1,0,5,5)", "MouseUp(1,0,6,6)", "Click", "DblClick",
                           "MouseUp(1,0,6,6)"}));
    rig.Mouse(QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(rig.events.last(), "MouseDown(2,2,5,5)");
}

// The checked face survives press, release, hover, leave and focus changes.
TEST(CandyButtonInput, CheckedFaceStays)
{
    Rig rig(Saved(StyleToolbar, true, true));
    ASSERT_NE(rig.faces[StateChecked], rig.faces[StateNormal]);
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"loaded", [] {}},
        {"move", [&] { rig.Move({5, 5}); }},
        {"press", [&] { rig.Press({5, 5}); }},
        {"release", [&] { rig.Release({5, 5}); }},
        {"focus in", [&] { rig.Focus(QEvent::FocusIn); }},
        {"leave", [&] { rig.Leave(); }},
        {"focus out", [&] { rig.Focus(QEvent::FocusOut); }}};
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        step();
        EXPECT_EQ(rig.Face(), "checked");
    }
    rig.button.SetChecked(false);
    EXPECT_EQ(rig.Face(), "normal");
}

// Without a leave notification service the button never hovers, but clicks still work.
TEST(CandyButtonInput, NoTrackingServiceNeverHovers)
{
    MouseTracking::SetExportLookup([](const char*, const char*) { return false; });
    Rig rig(Saved(StyleStandard));
    MouseTracking::SetExportLookup({});
    EXPECT_FALSE(rig.button.HoverTrackingEnabled());
    EXPECT_EQ(rig.button.Hook(), nullptr);
    rig.Move({5, 5});
    rig.Leave();
    EXPECT_FALSE(rig.button.IsHovering());
    rig.Press({5, 5});
    rig.Release({5, 5});
    EXPECT_EQ(rig.events.Moveless(),
              QStringList({"MouseDown(1,0,5,5)", "MouseUp(1,0,5,5)", "Click"}));

    // Only the common-controls service: it is used instead.
    MouseTracking::SetExportLookup([](const char* module, const char*) { return QByteArray(module) == "Comctl32"; });
    Rig fallback(Saved(StyleStandard));
    MouseTracking::SetExportLookup({});
    EXPECT_TRUE(fallback.button.HoverTrackingEnabled());
    EXPECT_FALSE(fallback.button.UseUser32Tracking());
    fallback.Move({5, 5});
    EXPECT_TRUE(fallback.button.IsHovering());
}

// Assistive tools see a push button named by its caption and can press it.
TEST(CandyButtonInput, Accessible)
{
    Rig rig(Saved(StyleToolbar, true, false, QStringLiteral("&Save && Go")));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&rig.button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Save & Go"));
    ASSERT_NE(accessible->actionInterface(), nullptr);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(rig.events, QStringList({"MouseDown(1,0,0,0)", "MouseUp(1,0,0,0)", "Click"}));
    EXPECT_EQ(AccessibleCaption(QStringLiteral("Save As...")), QStringLiteral("Save As..."));
}

// A shaped style whose outline has no pixel at all shows nothing, not its whole rectangle.
TEST(CandyButtonOutline, EmptyOutlineShowsNothing)
{
    QWidget host;
    host.setPalette(QPalette(QColor(200, 100, 50)));
    host.setAutoFillBackground(true);
    host.resize(30, 30);
    auto* button = new CandyButton(&host);
    button->setGeometry(5, 5, 1, 20);
    button->SetBackColor(RgbColor(10, 20, 30));
    button->ReadProperties(Saved(StyleCapsuleGloss));
    host.show();
    button->RebuildShape();
    ASSERT_TRUE(button->WindowShape().has_value());
    EXPECT_EQ(button->WindowShape()->Count(), 0);
    EXPECT_FALSE(button->mask().isEmpty()) << "an empty mask would show the whole rectangle";
    EXPECT_TRUE(button->mask().intersected(button->rect()).isEmpty());
    const QImage shown = host.grab().toImage();
    for (int y = 5; y < 25; ++y)
        EXPECT_EQ(QColor(shown.pixel(5, y)), QColor(200, 100, 50)) << y;
}
