#include "AppTestSupport.h"
#include "ClipboardReader.h"
#include "HtmlGenerators.h"
#include "MainWindowLayout.h"
#include "ScriptedMessages.h"
#include "frmMain.h"

#include <QAbstractButton>

namespace L = MainWindowLayout;

namespace {
class MainWindowExport : public FirstRunTest {
protected:
    // Characters from beyond ASCII and beyond 16 bits, a line break in a single-line box
    // (as a file can bring it), markup and an ampersand as typed, blanks around a section.
    void fillExample()
    {
        DescriptionBoxes& boxes = window.boxes();
        boxes.setBoxText(BookTitleBox, QStringLiteral("Ignored Title"));
        boxes.setBoxText(Headline, QStringLiteral("My Book \u2014 \u00e9t\u00e9 \u4e66 \U0001F4D6"));
        boxes.setBoxText(Subheadline, QStringLiteral("Sub\r\nline & <i>x</i>"));
        boxes.setBoxText(OpeningRemarks, QStringLiteral("Line one\r\nLine two"));
        boxes.setBoxText(BenefitsHeadline, QStringLiteral("   "));
        boxes.setBoxText(MainBenefits, QStringLiteral("Fast\r\nEasy \u20ac"));
        boxes.setBoxText(ClosingRemarks, QStringLiteral("  spaced  "));
        boxes.setBoxText(KindleCallToAction, QStringLiteral("Buy now"));
        boxes.setBoxText(CreateSpaceCallToAction, QStringLiteral("Order the paperback"));
    }

    // Clicks the button and returns what another program then reads from the clipboard.
    QByteArray copyWith(L::MainButton which)
    {
        window.button(which)->click();
        const ClipboardRead read = ReadClipboardFromOutside();
        EXPECT_TRUE(read.ok);
        return read.bytes;
    }

    frmMain window;
    ScriptedMessages messages;
};
} // namespace

TEST_F(MainWindowExport, CopyButtonsPutTheGeneratorsTextOnTheClipboard)
{
    window.show();
    fillExample();
    const Description before = ReadDescription(window.boxes());
    Document().DocumentDirty = false;

    const QByteArray kindle = copyWith(L::CopyKindleButton);
    EXPECT_EQ(kindle, QStringLiteral("<H2>My Book \u2014 \u00e9t\u00e9 \u4e66 \U0001F4D6</H2><BR>"
                                     "<B>Sub\r\nline & <i>x</i></B><BR><BR>Line one<BR>Line two<BR><BR>"
                                     "<ul><li>Fast</li><li>Easy \u20ac</li></ul>  spaced  <BR><BR>Buy now<BR><BR>")
                          .toUtf8());
    EXPECT_EQ(kindle, GenerateKindleHTML(before).toUtf8());

    const QByteArray createSpace = copyWith(L::CopyCreatespaceButton);
    EXPECT_EQ(createSpace, QStringLiteral("<B>My Book \u2014 \u00e9t\u00e9 \u4e66 \U0001F4D6</B><BR><BR>"
                                          "Sub\r\nline & <i>x</i><BR><BR>Line one<BR>Line two<BR><BR>"
                                          "<ul><li>Fast</li><li>Easy \u20ac</li></ul>  spaced  <BR><BR>"
                                          "Order the paperback")
                               .toUtf8());
    EXPECT_EQ(createSpace, GenerateCreatespaceHTML(before).toUtf8());

    ASSERT_EQ(messages.shown().size(), 2u);
    for (const MessageRequest& shown : messages.shown()) {
        EXPECT_EQ(shown.text, QStringLiteral("The description has been copied to the clipboard."));
        EXPECT_EQ(shown.icon, MsgIcon::Information);
        EXPECT_EQ(shown.buttons, MsgButtons::OK);
        EXPECT_EQ(shown.caption, QStringLiteral("Quorvane"));
    }
    // Copying changes nothing in the document.
    EXPECT_EQ(ReadDescription(window.boxes()), before);
    EXPECT_FALSE(Document().DocumentDirty);
}

TEST_F(MainWindowExport, EmptyDescriptionCopiesWhatTheGeneratorsGive)
{
    window.show();
    EXPECT_EQ(copyWith(L::CopyKindleButton), QByteArrayLiteral("<BR><BR>"));
    // The empty fragment replaces what was there.
    EXPECT_EQ(copyWith(L::CopyCreatespaceButton), QByteArray());
    EXPECT_EQ(messages.shown().size(), 2u);
}
