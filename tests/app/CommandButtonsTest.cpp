// The windows' command buttons: saved properties, place, tooltip and focus.
#include "AppTestSupport.h"
#include "CommandButtons.h"
#include "frmMain.h"
#include "frmOnLoad.h"

#include <QAccessible>
#include <QPushButton>

#include <array>

namespace L = MainWindowLayout;

namespace {
struct Expected {
    const char* name;
    const char* caption;
    int alignment;
    QSize size;
    const char* toolTip;
};

// Everything but the caption, alignment and size is the same for every button.
void ExpectProgramButton(const CandyButton* button, const Expected& e)
{
    SCOPED_TRACE(e.name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->objectName(), QString::fromLatin1(e.name));
    EXPECT_EQ(button->Caption(), QString::fromLatin1(e.caption));
    EXPECT_EQ(button->PictureAlignment(), e.alignment);
    EXPECT_EQ(button->size(), e.size);
    EXPECT_EQ(button->toolTip(), QString::fromLatin1(e.toolTip));
    EXPECT_EQ(button->Style(), StyleToolbar);
    EXPECT_EQ(button->ColorScheme(), 0);
    EXPECT_EQ(button->BorderBrightness(), 0);
    // Up, down, hover, bright; then the highlight colours and the caption's.
    EXPECT_EQ((std::array{button->ColorButtonUp(), button->ColorButtonDown(), button->ColorButtonHover(), button->ColorBright()}),
              (std::array<OleColor, 4>{0xE99950u, 0xE99950u, 0xFFC090u, 0xFFEDB0u}));
    EXPECT_EQ((std::array{button->IconHighLiteColor(), button->CaptionHighLiteColor(), button->ForeColor()}),
              (std::array<OleColor, 3>{}));
    EXPECT_TRUE(button->Enabled());
    EXPECT_FALSE(button->Checked() || button->DisplayHand() || button->IconHighLite() || button->CaptionHighLite());
    EXPECT_EQ(button->Font().family(), QStringLiteral("Verdana"));
    EXPECT_DOUBLE_EQ(button->Font().pointSizeF(), 8.25);
    EXPECT_FALSE(button->Font().bold() || button->Font().italic());
    EXPECT_EQ(button->Picture().kind(), ButtonPicture::Kind::Icon);
    EXPECT_LE(button->Picture().heightPixels(), e.size.height() - 4);
    EXPECT_NE(button->Hook(), nullptr) << "loaded at run time: hover tracking is on";
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(const_cast<CandyButton*>(button));
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromLatin1(e.caption));
}
} // namespace

TEST_F(FirstRunTest, MainWindowButtonsCarryTheirSavedProperties)
{
    const Expected expected[L::MainButtonCount] = {
        {"cmdNew", "New", 0, {63, 51}, "Create a new description file (Ctrl+N)"},
        {"cmdOpen", "Open", 0, {63, 51}, "Open an existing description file (Ctrl+O)"},
        {"cmdSave", "Save", 0, {63, 51}, "Save the current description file (Ctrl+S)"},
        {"cmdSaveAs", "Save As...", 0, {63, 51}, "Save the current description file with a new name (Ctrl+Shift+S)"},
        {"cmdCopyKindleHTML", "Copy Kindle Description", 2, {204, 23},
         "Copy the Kindle description code to the clipboard"},
        {"cmdCopyCreatespaceHTML", "Copy Createspace Description", 2, {204, 23},
         "Copy the Createspace description code to the clipboard"},
        {"cmdPreviewKindle", "Preview Kindle Description", 2, {219, 23},
         "Preview how the Kindle description will look on Amazon's site"},
        {"cmdPreviewCreatespace", "Preview Createspace Description", 2, {219, 23},
         "Preview how the Createspace description will look on Amazon's site"},
        {"cmdHelp", "Help", 2, {202, 23}, "Get help on using Quorvane"},
        {"CandyButton2", "About Quorvane", 2, {202, 23}, "Show information about Quorvane"},
        {"CandyButton3", "Close", 0, {63, 51}, "Close Quorvane"},
    };
    frmMain window;
    for (int i = 0; i < L::MainButtonCount; ++i)
        ExpectProgramButton(window.button(static_cast<L::MainButton>(i)), expected[i]);
    EXPECT_EQ(window.findChildren<CandyButton*>().size(), L::MainButtonCount);
}

// Cancel stays a standard push button below the three big ones, inside the dialog.
TEST_F(FirstRunTest, StartDialogButtonsAndLayout)
{
    frmMain window;
    frmOnLoad dialog(&window);
    const std::pair<const CandyButton*, Expected> buttons[] = {
        {dialog.cmdNew(), {"cmdNew", "Start a new book description", 2, {460, 41}, ""}},
        {dialog.cmdOpen(), {"cmdOpen", "Open a book description I created earlier", 2, {460, 41}, ""}},
        {dialog.cmdOpenRecent(), {"cmdOpenRecent", "Open the last book description I worked on", 2, {460, 41}, ""}},
    };
    const QRect client = dialog.rect();
    QRect previous;
    for (const auto& [b, expected] : buttons) {
        ExpectProgramButton(b, expected);
        EXPECT_TRUE(client.contains(b->geometry())) << b->objectName().toStdString();
        EXPECT_GT(b->geometry().left(), 0);
        EXPECT_LT(b->geometry().right(), client.right());
        if (previous.isValid())
            EXPECT_GT(b->geometry().top(), previous.bottom()) << "stacked without overlap";
        previous = b->geometry();
    }
    const QRect cancel = dialog.cmdCancel()->geometry();
    EXPECT_TRUE(client.contains(cancel));
    EXPECT_GT(cancel.top(), previous.bottom());
    EXPECT_EQ(cancel.right(), previous.right()) << "Cancel lines up with the buttons' right edge";
    for (const QWidget* child : dialog.findChildren<QWidget*>())
        EXPECT_TRUE(client.contains(child->geometry())) << child->objectName().toStdString();
}

// A button reached by Tab shows a focus cue over its face.
TEST_F(FirstRunTest, TabReachesTheButtonsAndShowsTheFocus)
{
    frmMain window;
    frmOnLoad dialog(&window);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    dialog.cmdNew()->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(dialog.cmdNew()->hasFocus());
    const QImage unfocused = dialog.cmdOpen()->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(dialog.cmdOpen()->hasFocus());
    EXPECT_TRUE(dialog.cmdOpen()->HasFocus());
    EXPECT_FALSE(dialog.cmdNew()->HasFocus());
    EXPECT_NE(dialog.cmdOpen()->grab().toImage(), unfocused) << "the focus shows";
    EXPECT_EQ(dialog.cmdOpen()->Surface().Image(), unfocused.convertToFormat(dialog.cmdOpen()->Surface().Image().format()))
        << "the cue lies over the face; the face itself is the design's";
}

// The start dialog opens before anything was clicked: its first button shows the focus at
// once. Opened after a click, it shows the focus from the first Tab on.
TEST_F(FirstRunTest, TheStartDialogShowsTheFocusUnlessOpenedByAClick)
{
    frmMain window;
    const auto firstButton = [&](bool& cue) {
        frmOnLoad dialog(&window);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.cmdNew()->hasFocus(); }, 3000));
        const QImage shown = dialog.cmdNew()->grab().toImage();
        cue = shown != dialog.cmdNew()->Surface().Image().convertToFormat(shown.format());
    };
    bool atStart = false, afterClick = true;
    firstButton(atStart);
    window.show();
    QTest::mouseClick(&window, Qt::LeftButton);
    firstButton(afterClick);
    EXPECT_TRUE(atStart);
    EXPECT_FALSE(afterClick);
}

// Each window's saved controls are exactly what its buttons save: key for key, in order.
TEST(SavedControlsResources, AreWhatTheButtonsWouldSave)
{
    for (const char* resource : {":/forms/frmMain.controls", ":/forms/frmOnLoad.controls"}) {
        const QList<SavedControl> controls = ReadSavedControls(QString::fromLatin1(resource));
        ASSERT_EQ(controls.size(), QByteArray(resource).contains("Main") ? 11 : 3) << resource;
        for (const SavedControl& control : controls) {
            SCOPED_TRACE(control.name.toStdString());
            QWidget host;
            auto* button = new CandyButton(&host);
            button->ReadProperties(control.properties);
            PropertyBag written;
            button->WriteProperties(written);
            EXPECT_EQ(written.Keys(), control.properties.Keys());
            EXPECT_TRUE(written == control.properties);
        }
    }
}
