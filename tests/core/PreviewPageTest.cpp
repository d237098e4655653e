#include "PreviewPage.h"

#include <gtest/gtest.h>

// The heads as they must reach the browser, written out in full.
const QString KindleHead = QStringLiteral(
    "<HTML><HEAD><style type=\"text/css\">body {height: 100%; vertical-align: baseline; line-height: 1.416;"
    "font-size: 75%; color: #000; background: #fff; font-family: Verdana, \"Helvetica Neue\", Helvetica, "
    "sans-serif;}h2{ font-family: Verdana, Helvetica, sans-serif; font-weight: bold; color: #E47911; "
    "font-size: 12pt; line-height:1.167; margin:0.476em 0;}</style></HEAD><BODY topmargin=\"20\" "
    "leftmargin=\"40\">");
const QString CreateSpaceHead = QStringLiteral(
    "<HTML><HEAD><style> body         { font-family: Arial; font-size: 14.5px } </style></HEAD>"
    "<BODY topmargin=\"20\" leftmargin=\"40\">");

TEST(PreviewPage, IsTheHeadWithDoubleQuotesTheFragmentAsTypedAndTheTail)
{
    ASSERT_EQ(KindleHead.size(), 400);  // the lengths the heads were written with
    ASSERT_EQ(CreateSpaceHead.size(), 127);
    // The author's apostrophes and quotes are not the head's: they stay as typed.
    const QString fragment = QStringLiteral("It's <i>ours</i> &amp; \u00e9t\u00e9 \u2014 'q' \"d\"\r\nnext");
    EXPECT_EQ(BuildPreviewPage(PreviewTarget::Kindle, fragment), KindleHead + fragment + "</BODY></HTML>");
    EXPECT_EQ(BuildPreviewPage(PreviewTarget::CreateSpace, fragment), CreateSpaceHead + fragment + "</BODY></HTML>");
}
