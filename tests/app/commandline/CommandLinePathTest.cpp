#include "CommandLine.h"
#include "ExpandToLongPath.h"
#include "OneLineText.h"
#include "TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(CommandLineText, JoinsTheArgumentsAfterTheProgramNameWithSingleBlanks)
{
    EXPECT_EQ(CommandLineText({"quorvane"}), QString());
    EXPECT_EQ(CommandLineText({"quorvane", "/home/ann/My", "Book.qvn"}), QStringLiteral("/home/ann/My Book.qvn"));
    EXPECT_EQ(CommandLineText({"quorvane", "a  b"}), QStringLiteral("a  b"));
}

TEST(OneLineText, EscapesControlCharactersAndSeparatorsOnly)
{
    EXPECT_EQ(OneLineText(QStringLiteral("/home/ann/caf\u00e9 \\ ~.qvn")), QStringLiteral("/home/ann/caf\u00e9 \\ ~.qvn"));
    EXPECT_EQ(OneLineText(QStringLiteral("a\nb\rc\td")), QStringLiteral("a\\nb\\rc\\td"));
    EXPECT_EQ(OneLineText(QString::fromUtf16(u"\u001f \u007f~\u009f\u00a0\u2028\u2029\u202a")),
              QString::fromUtf16(u"\\x1f \\x7f~\\x9f\u00a0\\u2028\\u2029\\u202a"));
    EXPECT_EQ(OneLineText(QString(QChar(0))), QStringLiteral("\\x00"));
}

// The invisible characters that reorder or hide text: escaped for a terminal, references in
// a page; the controls a page cannot carry are left out of it and counted.
TEST(OneLineText, FormatCharactersAreEscapedForTheTerminalAndReferencedInThePage)
{
    const char32_t format[] = {0x202a, 0x202b, 0x202c, 0x202d, 0x202e, 0x2066, 0x2067, 0x2068, 0x2069, 0x200e,
                               0x200f, 0x061c, 0x200b, 0x200c, 0x200d, 0x2060, 0x2061, 0x2062, 0x2063, 0x2064,
                               0xfeff, 0x180e, 0x00ad, 0xfff9, 0xe0001, 0xe0041};
    for (const char32_t c : format) {
        SCOPED_TRACE(testing::Message() << std::hex << uint(c));
        // (fromUcs4 would take a leading byte-order mark for one.)
        const QString text = QStringLiteral("a") + (c > 0xffff ? QString::fromUcs4(&c, 1) : QString(QChar(char16_t(c)))) + u'b';
        const QString hex = QString::number(uint(c), 16);
        const QString escape = c > 0xffff ? QStringLiteral("\\U000") + hex
                               : c > 0xff ? QStringLiteral("\\u") + hex.rightJustified(4, u'0') : QStringLiteral("\\x") + hex;
        EXPECT_EQ(OneLineText(text), u'a' + escape + u'b');
        EXPECT_EQ(TerminalSafeHtml(text), QStringLiteral("a&#x") + hex.toUpper() + QStringLiteral(";b"));
    }
    qsizetype leftOut = -1;
    EXPECT_EQ(TerminalSafeHtml(QString::fromUtf16(u"<B>\u0080a\u009c\u009f\u0001\u007f\tb\r\n</B>") + QChar(0), &leftOut),
              QStringLiteral("<B>a\tb\r\n</B>"));
    EXPECT_EQ(leftOut, 6);
}

// Real folders in a temporary place; "@" in a case stands for that folder's real path.
TEST(CommandLinePath, FileFromTextAndLongPathOnRealFolders)
{
    TempFolder temp;
    const QString root = QDir(temp.path()).canonicalPath();  // the temporary folder may sit behind a link
    for (const char* folder : {"My Books/Garden", "Notes", "notes", ".Drafts"})
        QDir(root).mkpath(QString::fromLatin1(folder));
    temp.write(QStringLiteral("My Books/Garden/Garden Basics.qvn"), "x");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(root + QStringLiteral("/My Books"));

    struct Case {
        bool fromText;  // CommandLineFileFromText, else ExpandToLongPath
        const char* given;
        const char* expected;
    };
    const Case cases[] = {
        // Quoted: first and last character go, whatever they are, and nothing is trimmed.
        {true, "\"@/My Books/Garden/Garden Basics.qvn\"", "@/My Books/Garden/Garden Basics.qvn"},
        {true, "\"@/My Books/Garden/Garden Basics.qvnx", "@/My Books/Garden/Garden Basics.qvn"},
        {true, "\"@/My Books/Garden/Garden Basics.qvn \"", "@/My Books/Garden/Garden Basics.qvn "},
        {true, "  @/My Books/Garden/Garden Basics.qvn   ", "@/My Books/Garden/Garden Basics.qvn"},
        {true, "", ""}, {true, "   ", ""}, {true, "\"", ""}, {true, "\"\"", ""},
        {true, "@/my books/GARDEN/garden basics.QVN", "@/My Books/Garden/Garden Basics.qvn"},
        {true, " Garden/Garden Basics.qvn ", "@/My Books/Garden/Garden Basics.qvn"},
        {false, "@/my books/GARDEN/garden basics.QVN", "@/My Books/Garden/Garden Basics.qvn"},
        // The exact name wins over names that differ only in case; two others and the name stays.
        {false, "@/notes", "@/notes"}, {false, "@/Notes", "@/Notes"}, {false, "@/NOTES/a.qvn", "@/NOTES/a.qvn"},
        // A missing component keeps its name, and so does everything after it.
        {false, "@/my books/Gone/garden basics.qvn", "@/My Books/Gone/garden basics.qvn"},
        {false, "@/MY BOOKS/garden/Missing.qvn", "@/My Books/Garden/Missing.qvn"},
        {false, "garden/garden basics.qvn", "@/My Books/Garden/Garden Basics.qvn"},
        {false, "./Garden/../Garden/Garden Basics.qvn", "@/My Books/Garden/Garden Basics.qvn"},
        {false, "new.qvn", "@/My Books/new.qvn"},
        {false, "@/.drafts", "@/.Drafts"},
        {false, "/", "/"}, {false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        const QString given = QString::fromLatin1(c.given).replace(QLatin1Char('@'), root);
        EXPECT_EQ(c.fromText ? CommandLineFileFromText(given) : ExpandToLongPath(given),
                  QString::fromLatin1(c.expected).replace(QLatin1Char('@'), root));
    }
    QDir::setCurrent(previous);
}
