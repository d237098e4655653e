#include "CommandLine.h"
#include "ExpandToLongPath.h"
#include "TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {
// Runs with the current directory in folder, and puts the old one back afterwards.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const QString& folder) : m_previous(QDir::currentPath()) { QDir::setCurrent(folder); }
    ~CurrentDirectory() { QDir::setCurrent(m_previous); }

private:
    QString m_previous;
};

class LongPathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The temporary folder itself may sit behind a link; compare against its real path.
        root = QDir(temp.path()).canonicalPath();
        QDir(root).mkpath(QStringLiteral("My Books/Garden"));
        temp.write(QStringLiteral("My Books/Garden/Garden Basics.qvn"), "x");
    }

    TempFolder temp;
    QString root;
};
} // namespace

TEST(CommandLineText, JoinsTheArgumentsAfterTheProgramNameWithSingleBlanks)
{
    EXPECT_EQ(CommandLineText({QStringLiteral("quorvane")}), QString());
    EXPECT_EQ(CommandLineText({QStringLiteral("quorvane"), QStringLiteral("/home/ann/My"), QStringLiteral("Book.qvn")}),
              QStringLiteral("/home/ann/My Book.qvn"));
    EXPECT_EQ(CommandLineText({QStringLiteral("quorvane"), QStringLiteral("a  b")}), QStringLiteral("a  b"));
}

TEST_F(LongPathTest, QuotedPathLosesFirstAndLastCharacterAndIsNotTrimmed)
{
    const QString file = root + QStringLiteral("/My Books/Garden/Garden Basics.qvn");
    EXPECT_EQ(CommandLineFileFromText(QLatin1Char('"') + file + QLatin1Char('"')), file);
    // The last character goes whatever it is.
    EXPECT_EQ(CommandLineFileFromText(QLatin1Char('"') + file + QLatin1Char('x')), file);
    // Blanks inside the quotes stay: the name with a trailing blank does not exist.
    EXPECT_EQ(CommandLineFileFromText(QLatin1Char('"') + file + QStringLiteral(" \"")), file + QLatin1Char(' '));
}

TEST_F(LongPathTest, UnquotedPathIsTrimmedOfBlanks)
{
    const QString file = root + QStringLiteral("/My Books/Garden/Garden Basics.qvn");
    EXPECT_EQ(CommandLineFileFromText(QStringLiteral("  ") + file + QStringLiteral("   ")), file);
}

TEST(CommandLineFile, NothingGivenNamesNoFile)
{
    EXPECT_EQ(CommandLineFileFromText(QString()), QString());
    EXPECT_EQ(CommandLineFileFromText(QStringLiteral("   ")), QString());
    EXPECT_EQ(CommandLineFileFromText(QStringLiteral("\"")), QString());
    EXPECT_EQ(CommandLineFileFromText(QStringLiteral("\"\"")), QString());
}

TEST_F(LongPathTest, EveryComponentGetsTheNameStoredOnDisk)
{
    const QString typed = root + QStringLiteral("/my books/GARDEN/garden basics.QVN");
    EXPECT_EQ(ExpandToLongPath(typed), root + QStringLiteral("/My Books/Garden/Garden Basics.qvn"));
    EXPECT_EQ(CommandLineFileFromText(typed), root + QStringLiteral("/My Books/Garden/Garden Basics.qvn"));
}

TEST_F(LongPathTest, ExactNameWinsOverNamesThatDifferOnlyInCase)
{
    QDir(root).mkpath(QStringLiteral("Notes"));
    QDir(root).mkpath(QStringLiteral("notes"));
    EXPECT_EQ(ExpandToLongPath(root + QStringLiteral("/notes")), root + QStringLiteral("/notes"));
    EXPECT_EQ(ExpandToLongPath(root + QStringLiteral("/Notes")), root + QStringLiteral("/Notes"));
    // Two candidates and neither exact: the name stays as typed.
    EXPECT_EQ(ExpandToLongPath(root + QStringLiteral("/NOTES/a.qvn")), root + QStringLiteral("/NOTES/a.qvn"));
}

TEST_F(LongPathTest, MissingComponentKeepsItsNameAndSoDoesEverythingAfterIt)
{
    EXPECT_EQ(ExpandToLongPath(root + QStringLiteral("/my books/Gone/garden basics.qvn")),
              root + QStringLiteral("/My Books/Gone/garden basics.qvn"));
    EXPECT_EQ(ExpandToLongPath(root + QStringLiteral("/MY BOOKS/garden/Missing.qvn")),
              root + QStringLiteral("/My Books/Garden/Missing.qvn"));
}

TEST_F(LongPathTest, RelativePathResolvesAgainstTheCurrentDirectory)
{
    CurrentDirectory here(root + QStringLiteral("/My Books"));
    EXPECT_EQ(ExpandToLongPath(QStringLiteral("garden/garden basics.qvn")),
              root + QStringLiteral("/My Books/Garden/Garden Basics.qvn"));
    EXPECT_EQ(CommandLineFileFromText(QStringLiteral(" Garden/Garden Basics.qvn ")),
              root + QStringLiteral("/My Books/Garden/Garden Basics.qvn"));
    EXPECT_EQ(ExpandToLongPath(QStringLiteral("./Garden/../Garden/Garden Basics.qvn")),
              root + QStringLiteral("/My Books/Garden/Garden Basics.qvn"));
    EXPECT_EQ(ExpandToLongPath(QStringLiteral("new.qvn")), root + QStringLiteral("/My Books/new.qvn"));
}

TEST_F(LongPathTest, HiddenEntriesAreFoundToo)
{
    QDir(root).mkpath(QStringLiteral(".Drafts"));
    EXPECT_EQ(ExpandToLongPath(root + QStringLiteral("/.drafts")), root + QStringLiteral("/.Drafts"));
}

TEST(ExpandToLongPath, RootAndEmpty)
{
    EXPECT_EQ(ExpandToLongPath(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(ExpandToLongPath(QString()), QString());
}
