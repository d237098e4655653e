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

TEST(Gallery, ShapedStylesAreTransparentOutsideTheirOutlineAndTheRestIsOpaque)
{
    TempFolder folder;
    const QStringList out{QStringLiteral("--out"), folder.file(QStringLiteral("button.png"))};
    ASSERT_EQ(RunGallery(QStringLiteral("--style 2 --state 0 --size 40x20 --background 336699"), out), 0);
    const QImage capsule(folder.file(QStringLiteral("button.png")));
    ASSERT_EQ(capsule.size(), QSize(40, 20));
    for (auto [x, y] : {std::pair{0, 0}, {7, 1}, {33, 1}})
        EXPECT_EQ(qAlpha(capsule.pixel(x, y)), 0) << x << "," << y;
    EXPECT_EQ(capsule.pixel(8, 1), qRgb(0x33, 0x66, 0x99));
    EXPECT_EQ(capsule.pixel(20, 10), qRgb(0x33, 0x66, 0x99));

    const QString toolbar = QStringLiteral("--style 1 --state hover --size 60x23 --caption &Open --align left");
    ASSERT_EQ(RunGallery(toolbar + QStringLiteral(" --background F0F0F0"), out), 0);
    const QImage hover(folder.file(QStringLiteral("button.png")));
    ASSERT_EQ(hover.size(), QSize(60, 23));
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(qAlpha(hover.pixel(x, y)), 255) << x << "," << y;
    EXPECT_EQ(hover.pixel(0, 0), qRgb(240, 240, 240));
    EXPECT_EQ(hover.pixel(30, 0), qRgb(206, 206, 195)); // the hover frame's edge
    ASSERT_EQ(RunGallery(toolbar + QStringLiteral(" --checked"), out), 0);
    EXPECT_EQ(QImage(folder.file(QStringLiteral("button.png"))).pixel(30, 0), qRgb(122, 152, 175)); // checked edge
}

TEST(Gallery, WritesTheContactSheetAndRefusesBadArguments)
{
    TempFolder folder;
    ASSERT_EQ(RunGallery(QStringLiteral("--sheet"), {folder.file(QStringLiteral("sheet.png"))}), 0);
    const QImage sheet(folder.file(QStringLiteral("sheet.png")));
    EXPECT_GT(sheet.width(), 1000);
    EXPECT_GT(sheet.height(), 800);
    const QStringList out{QStringLiteral("--out"), folder.file(QStringLiteral("bad.png"))};
    for (const char* bad : {"--style 1 --state 0 --size 60by23", "--style x --state 0 --size 60x23",
                            "--style 1 --state 0 --size 60x23 --background nope"})
        EXPECT_EQ(RunGallery(QString::fromUtf8(bad), out), 2) << bad;
    EXPECT_EQ(RunGallery(QStringLiteral("--style 1 --state 0 --size 60x23"), {}), 2) << "no --out";
}
