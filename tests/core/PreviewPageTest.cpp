#include "PreviewPage.h"

#include <gtest/gtest.h>

namespace {
// The pages as they must reach the browser, written out in full.
const QString KindleHeadExpected = QStringLiteral(
    "<HTML><HEAD><style type=\"text/css\">body {height: 100%; vertical-align: baseline; line-height: 1.416;"
    "font-size: 75%; color: #000; background: #fff; font-family: Verdana, \"Helvetica Neue\", Helvetica, "
    "sans-serif;}h2{ font-family: Verdana, Helvetica, sans-serif; font-weight: bold; color: #E47911; "
    "font-size: 12pt; line-height:1.167; margin:0.476em 0;}</style></HEAD><BODY topmargin=\"20\" "
    "leftmargin=\"40\">");
const QString CreateSpaceHeadExpected = QStringLiteral(
    "<HTML><HEAD><style> body         { font-family: Arial; font-size: 14.5px } </style></HEAD>"
    "<BODY topmargin=\"20\" leftmargin=\"40\">");
} // namespace

TEST(PreviewPage, HeadsKeepTheirWrittenLengthAndQuotes)
{
    const QString kindle = PreviewPageHeadAsWritten(PreviewTarget::Kindle);
    const QString createSpace = PreviewPageHeadAsWritten(PreviewTarget::CreateSpace);
    EXPECT_EQ(kindle.size(), 400);
    EXPECT_EQ(createSpace.size(), 127);
    EXPECT_EQ(kindle.count(QLatin1Char('\'')), 8);
    EXPECT_EQ(createSpace.count(QLatin1Char('\'')), 4);
    EXPECT_EQ(kindle.count(QLatin1Char('"')), 0);
}

TEST(PreviewPage, HeadsUseDoubleQuotesOnly)
{
    EXPECT_EQ(PreviewPageHead(PreviewTarget::Kindle), KindleHeadExpected);
    EXPECT_EQ(PreviewPageHead(PreviewTarget::CreateSpace), CreateSpaceHeadExpected);
}

TEST(PreviewPage, PageIsHeadFragmentTailByteForByte)
{
    const QString fragment = QStringLiteral("<H2>My Book</H2><BR>Line one<BR>Line two<BR><BR>Buy now<BR><BR>");
    EXPECT_EQ(BuildPreviewPage(PreviewTarget::Kindle, fragment).toUtf8(),
              (KindleHeadExpected + fragment + QStringLiteral("</BODY></HTML>")).toUtf8());
    EXPECT_EQ(BuildPreviewPage(PreviewTarget::CreateSpace, fragment).toUtf8(),
              (CreateSpaceHeadExpected + fragment + QStringLiteral("</BODY></HTML>")).toUtf8());
}

TEST(PreviewPage, FragmentPassesUnchanged)
{
    // Only the head's quotes are turned: an apostrophe the author typed stays one.
    const QString fragment = QStringLiteral("It's <i>ours</i> &amp; \u00e9t\u00e9 \u2014 'quoted'\r\nnext");
    const QString page = BuildPreviewPage(PreviewTarget::CreateSpace, fragment);
    EXPECT_EQ(page.mid(CreateSpaceHeadExpected.size(), fragment.size()), fragment);
    EXPECT_TRUE(page.endsWith(fragment + QStringLiteral("</BODY></HTML>")));
}

TEST(PreviewPage, EmptyFragmentGivesHeadAndTail)
{
    EXPECT_EQ(BuildPreviewPage(PreviewTarget::Kindle, QString()), KindleHeadExpected + QStringLiteral("</BODY></HTML>"));
    EXPECT_EQ(PreviewPageTail(), QStringLiteral("</BODY></HTML>"));
}
