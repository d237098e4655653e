// quorvane --import, run as a shell would run the built program, without any display.
#include "ProgramRunTest.h"

namespace {
class ImportCommandTest : public ProgramRunTest {
protected:
    ImportCommandTest() { m_timeoutMs = 60000; }
};
} // namespace

TEST_F(ImportCommandTest, WritesANewDescriptionAndNeverReplacesOne)
{
    // The program's own Kindle fragment, as an editor saved it with a line end of its own.
    const QString kindle = m_files.write("Garden Basics.html",
                                         "<H2>Grow More</H2><BR>Easy.<BR>Really.<BR><BR><ul><li>Soil</li><li>Seeds</li>"
                                         "</ul>Buy now<BR><BR>\n");
    const QString made = m_files.file("garden");
    expectRun({"--import", kindle, made}, 0, "", "");
    EXPECT_EQ(TempFolder::read(made + ".qvn"), "[[[QVN FILE]]]Garden Basics\r\nGrow More\r\n\r\nEasy.<BR>Really.\r\n\r\n"
                                               "Soil<BR>Seeds\r\n\r\nBuy now\r\n\r\n");

    // Another page: what it dropped is one line, the title comes from the page.
    const QString page = m_files.write("page.htm", "<title>My &amp; Book</title><div class=x><p>One <span>two</span></p></div>");
    expectRun({"--import", page, m_files.file("page.qvn")}, 0, "",
              errorLine(page, "dropped what the store does not take, keeping its text: <div>, <span>, class"));
    EXPECT_EQ(TempFolder::read(m_files.file("page.qvn")), "[[[QVN FILE]]]My & Book\r\n\r\n\r\nOne two\r\n\r\n\r\n\r\n\r\n\r\n");

    // An existing name, ".qvn" or not, stays as it was; so does a dangling link.
    expectRun({"--import", page, made}, 2, "", errorLine(made + ".qvn", "already exists; --import writes only a new file, choose another name"));
    EXPECT_TRUE(TempFolder::read(made + ".qvn").startsWith("[[[QVN FILE]]]Garden"));
    QFile::link(m_files.file("nowhere"), m_files.file("link.qvn"));
    expectRun({"--import", page, m_files.file("link.qvn")}, 2, "",
              errorLine(m_files.file("link.qvn"), "already exists; --import writes only a new file, choose another name"));

    // What cannot be read writes nothing.
    const QString binary = m_files.write("binary.html", QByteArray("<p>a\0b", 6));
    const QString deep = m_files.write("deep.html", QByteArray("<i>").repeated(257));
    const std::pair<QString, const char*> unreadable[] = {{m_files.file("missing.html"), "File not found"},
                                                          {binary, "not a text file"},
                                                          {deep, "its elements are nested more than 256 deep"}};
    for (const auto& [input, reason] : unreadable) {
        expectRun({"--import", input, m_files.file("out.qvn")}, 1, "", errorLine(input, reason));
        EXPECT_FALSE(QFile::exists(m_files.file("out.qvn")));
    }
    EXPECT_EQ(quorvane({"--import", page, ""}).exitCode, 2);
}
