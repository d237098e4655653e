#include "MessageBox.h"
#include "RuntimeError.h"
#include "ScriptedMessages.h"

#include <gtest/gtest.h>

TEST(MessageBox, CaptionDefaultsToTitleAndAnswersComeFromTheHandler)
{
    ScriptedMessages script;
    script.answer(MsgAnswer::No);
    EXPECT_EQ(ShowMessage("Save?", MsgIcon::Exclamation, MsgButtons::YesNoCancel), MsgAnswer::No);
    EXPECT_EQ(ShowMessage("Oops", MsgIcon::Exclamation, MsgButtons::OK, "Error saving file"), MsgAnswer::OK);
    ASSERT_EQ(script.shown().size(), 2u);
    EXPECT_EQ(script.shown()[0].caption, "Quorvane");
    EXPECT_EQ(script.shown()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(script.shown()[1].caption, "Error saving file");
}

TEST(MessageBox, WithoutHandlerAQuestionTakesTheAnswerThatChangesNothing)
{
    EXPECT_EQ(ShowMessage("q", MsgIcon::Exclamation, MsgButtons::YesNoCancel), MsgAnswer::Cancel);
    EXPECT_EQ(ShowMessage("q", MsgIcon::Exclamation, MsgButtons::YesNo), MsgAnswer::No);
    EXPECT_EQ(ShowMessage("note"), MsgAnswer::OK);
}

TEST(MessageBox, EachLineBreakFormIsOneLineOnScreen)
{
    EXPECT_EQ(MessageTextForDisplay("a\r\nb\rc\nd"), "a\nb\nc\nd");
    EXPECT_EQ(MessageTextForDisplay("a\r\n\r\nb"), "a\n\nb");
}

TEST(RuntimeError, StandardNumbersCarryTheirClassicDescriptions)
{
    EXPECT_EQ(RuntimeError::standard(53).description(), "File not found");
    EXPECT_EQ(RuntimeError::standard(62).description(), "Input past end of file");
    EXPECT_EQ(RuntimeError::standard(61).description(), "Disk full");
    EXPECT_EQ(RuntimeError::standard(70).description(), "Permission denied");
    EXPECT_EQ(RuntimeError::standard(75).description(), "Path/File access error");
    EXPECT_EQ(RuntimeError::standard(76).description(), "Path not found");
    EXPECT_EQ(RuntimeError::standard(57).description(), "Device I/O error");
    const RuntimeError e(32755, "User selected cancel.", "quorvane.cFileDialog");
    EXPECT_EQ(e.number(), 32755);
    EXPECT_EQ(e.source(), "quorvane.cFileDialog");
}
