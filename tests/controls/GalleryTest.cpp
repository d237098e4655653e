#include "TempFolder.h"

#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

namespace {
QString Gallery()
{
    return qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/candybutton-gallery");
}

int RunGallery(const QStringList& arguments)
{
    QProcess process;
    process.start(Gallery(), arguments);
    if (!process.waitForFinished(60000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
} // namespace

TEST(Gallery, ShapedStylesAreTransparentOutsideTheirOutline)
{
    TempFolder folder;
    const QString out = folder.path() + QStringLiteral("/capsule.png");
    ASSERT_EQ(RunGallery({"--style", "2", "--state", "0", "--size", "40x20", "--background", "336699", "--out", out}), 0);
    const QImage image(out);
    ASSERT_EQ(image.size(), QSize(40, 20));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(7, 1)), 0);
    EXPECT_EQ(qAlpha(image.pixel(33, 1)), 0);
    EXPECT_EQ(image.pixel(8, 1), qRgb(0x33, 0x66, 0x99));
    EXPECT_EQ(image.pixel(20, 10), qRgb(0x33, 0x66, 0x99));
}

TEST(Gallery, RectangularStylesAreOpaqueWithTheHostOutline)
{
    TempFolder folder;
    const QString out = folder.path() + QStringLiteral("/toolbar.png");
    ASSERT_EQ(RunGallery({"--style", "1", "--state", "hover", "--size", "60x23", "--caption", "&Open", "--align", "left",
                   "--background", "F0F0F0", "--out", out}),
              0);
    const QImage image(out);
    ASSERT_EQ(image.size(), QSize(60, 23));
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << x << "," << y;
    EXPECT_EQ(image.pixel(0, 0), qRgb(240, 240, 240));
    EXPECT_EQ(image.pixel(30, 0), qRgb(206, 206, 195)); // the hover frame's edge

    const QString checked = folder.path() + QStringLiteral("/checked.png");
    ASSERT_EQ(RunGallery({"--style", "1", "--state", "0", "--size", "60x23", "--checked", "--out", checked}), 0);
    EXPECT_EQ(QImage(checked).pixel(1, 10), qRgb(255, 255, 255));
    EXPECT_EQ(QImage(checked).pixel(30, 0), qRgb(122, 152, 175)); // the checked frame's edge
}

TEST(Gallery, WritesTheContactSheetAndRefusesBadArguments)
{
    TempFolder folder;
    const QString sheet = folder.path() + QStringLiteral("/sheet.png");
    ASSERT_EQ(RunGallery({"--sheet", sheet}), 0);
    const QImage image(sheet);
    EXPECT_GT(image.width(), 1000);
    EXPECT_GT(image.height(), 800);

    EXPECT_EQ(RunGallery({"--style", "1", "--state", "0", "--size", "60by23", "--out", sheet}), 2);
    EXPECT_EQ(RunGallery({"--style", "x", "--state", "0", "--size", "60x23", "--out", sheet}), 2);
    EXPECT_EQ(RunGallery({"--style", "1", "--state", "0", "--size", "60x23"}), 2);
    EXPECT_EQ(RunGallery({"--style", "1", "--state", "0", "--size", "60x23", "--background", "nope", "--out", sheet}), 2);
}
