#include "MessageBox.h"
#include "RuntimeError.h"

#include <gtest/gtest.h>

TEST(MessageBox, WithoutHandlerAQuestionTakesTheAnswerThatChangesNothing)
{
    EXPECT_EQ(ShowMessage("q", MsgIcon::Exclamation, MsgButtons::YesNoCancel), MsgAnswer::Cancel);
    EXPECT_EQ(ShowMessage("q", MsgIcon::Exclamation, MsgButtons::YesNo), MsgAnswer::No);
    EXPECT_EQ(ShowMessage("note"), MsgAnswer::OK);
}

TEST(MessageBox, EachLineBreakFormIsOneLineOnScreen)
{
    EXPECT_EQ(MessageTextForDisplay("a\r\nb\rc\nd\r\n\r\ne"), "a\nb\nc\nd\n\ne");
}

// The others show in the file tests' messages.
TEST(RuntimeError, StandardNumbersCarryTheirClassicDescriptions)
{
    EXPECT_EQ(RuntimeError::standard(57).description(), "Device I/O error");
    EXPECT_EQ(RuntimeError::standard(70).description(), "Permission denied");
}
