#include "ClipboardExport.h"
#include "ClipboardReader.h"
#include "MessageBox.h"
#include "ScriptedMessages.h"

#include <gtest/gtest.h>

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
        const ClipboardRead read = ReadClipboardFromOutside();
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
    EXPECT_EQ(ReadClipboardFromOutside().bytes, QByteArrayLiteral("<BR><BR>"));
    CopyToClipboard(QString());
    EXPECT_EQ(ReadClipboardFromOutside().bytes, QByteArray());
    EXPECT_EQ(messages.shown().size(), 2u);
}
