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
              QString::fromUtf16(u"\\x1f \\x7f~\\x9f\u00a0\\u2028\\u2029\u202a"));
    EXPECT_EQ(OneLineText(QString(QChar(0))), QStringLiteral("\\x00"));
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
