// The copy buttons, the clipboard read back by another program (xclip).
#include "AppTestSupport.h"
#include "HtmlGenerators.h"
#include "MainWindowLayout.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QWindow>

namespace L = MainWindowLayout;

namespace {
class MainWindowExport : public FirstRunTest {
protected:
    // Clicks the button and returns what xclip then reads.
    QByteArray copyWith(L::MainButton which)
    {
        ClickButton(window.button(which));
        QProcess xclip;
        QEventLoop loop; // this process owns the clipboard and has to answer meanwhile
        QObject::connect(&xclip, &QProcess::finished, &loop, &QEventLoop::quit);
        QObject::connect(&xclip, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        QTimer::singleShot(15000, &loop, &QEventLoop::quit);
        xclip.start(QStringLiteral("xclip"), {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
        loop.exec();
        EXPECT_TRUE(xclip.state() == QProcess::NotRunning && xclip.exitCode() == 0);
        return xclip.readAllStandardOutput();
    }

    frmMain window;
    ScriptedMessages messages;
};
} // namespace

TEST_F(MainWindowExport, CopyButtonsPutTheGeneratorsTextOnTheClipboard)
{
    window.show();
    // Empty fragments replace what was there.
    EXPECT_EQ(copyWith(L::CopyKindleButton), QByteArrayLiteral("<BR><BR>"));
    EXPECT_EQ(copyWith(L::CopyCreatespaceButton), QByteArray());

    // Characters from beyond ASCII and beyond 16 bits, a line break in a single-line box
    // (as a file can bring it), markup and an ampersand as typed, blanks around a section.
    const char16_t* const texts[BoxCount] = {u"My Book \u2014 \u00e9t\u00e9 \u4e66 \U0001F4D6", u"Sub\r\nline & <i>x</i>",
        u"Line one\r\nLine two", u"   ", u"Fast\r\nEasy \u20ac", u"  spaced  ", u"Buy now", u"Order the paperback",
        u"Ignored Title"};
    for (int box = 0; box < BoxCount; ++box)
        window.boxes().setBoxText(box, QString::fromUtf16(texts[box]));
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

    ASSERT_EQ(messages.shown().size(), 4u);
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

// The load waits for the window to be on screen: a large file never keeps it blank.
TEST_F(MainWindowExport, TheCommandLineFileLoadsOnlyOnceTheWindowIsOnScreen)
{
    TempFolder temp;
    Document().CommandLineFile = temp.write(QStringLiteral("Book.qvn"), DescriptionFileBytes(QStringLiteral("Book"), {"Grow"}));
    bool onScreen = false;
    QObject::connect(&window.boxes(), &DescriptionBoxes::changed, [&] { onScreen = window.windowHandle()->isExposed(); });
    ASSERT_TRUE(window.Load());
    EXPECT_TRUE(onScreen);
}
