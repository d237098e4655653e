#include "TempFolder.h"

#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

namespace {
// The gallery's exit code for the arguments (words separated by spaces, then more), or −1.
int RunGallery(const QString& arguments, const QStringList& more)
{
    QProcess process;
    process.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/candybutton-gallery"),
                  arguments.split(QLatin1Char(' ')) + more);
    if (!process.waitForFinished(60000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
} // namespace

// A shaped button is saved transparent outside its outline; the sheet is written; bad arguments fail.
TEST(Gallery, WritesButtonsAndTheContactSheetAndRefusesBadArguments)
{
    TempFolder folder;
    const QStringList out{QStringLiteral("--out"), folder.file(QStringLiteral("button.png"))};
    ASSERT_EQ(RunGallery(QStringLiteral("--style 2 --state 0 --size 40x20 --border-brightness 100"), out), 0);
    const QImage capsule(folder.file(QStringLiteral("button.png")));
    ASSERT_EQ(capsule.size(), QSize(40, 20));
    for (auto [x, y] : {std::pair{0, 0}, {7, 1}, {33, 1}})
        EXPECT_EQ(qAlpha(capsule.pixel(x, y)), 0) << x << "," << y;
    EXPECT_EQ(capsule.pixel(8, 1), qRgb(255, 255, 255)) << "a white border ring";

    // Pressed takes the third colour: the ring at brightness 0 is the face colour itself.
    ASSERT_EQ(RunGallery(QStringLiteral("--style 2 --state 1 --size 40x20 --colors 102030,405060,708090,A0B0C0"), out),
              0);
    EXPECT_EQ(QImage(folder.file(QStringLiteral("button.png"))).pixel(8, 1), qRgb(0x70, 0x80, 0x90));
    // Scheme 3: Hover is 0xA00000, blue 160.
    ASSERT_EQ(RunGallery(QStringLiteral("--style 2 --state 3 --size 40x20 --scheme 3"), out), 0);
    EXPECT_EQ(QImage(folder.file(QStringLiteral("button.png"))).pixel(8, 1), qRgb(0, 0, 160));
    // The crescent leaves its last column to the background.
    ASSERT_EQ(RunGallery(QStringLiteral("--style 6 --state 0 --size 40x20 --background 336699"), out), 0);
    EXPECT_EQ(QImage(folder.file(QStringLiteral("button.png"))).pixel(39, 10), qRgb(0x33, 0x66, 0x99));
    ASSERT_EQ(RunGallery(QStringLiteral("--sheet"), {folder.file(QStringLiteral("sheet.png"))}), 0);
    EXPECT_GT(QImage(folder.file(QStringLiteral("sheet.png"))).width(), 1000);
    for (const char* bad : {"--style 1 --state 0 --size 60by23", "--style x --state 0 --size 60x23",
                            "--style 1 --state 0 --size 60x23 --background nope",
                            "--style 2 --state 0 --size 60x23 --colors 102030,405060,708090",
                            "--style 2 --state 0 --size 60x23 --border-brightness 101",
                            "--style 2 --state 0 --size 60x23 --scheme blue"})
        EXPECT_EQ(RunGallery(QString::fromUtf8(bad), out), 2) << bad;
    EXPECT_EQ(RunGallery(QStringLiteral("--style 1 --state 0 --size 60x23"), {}), 2) << "no --out";
}
