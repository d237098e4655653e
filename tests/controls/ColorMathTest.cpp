#include "ColorMath.h"
#include "ControlsTestSupport.h"

#include <QApplication>
#include <QPalette>

#include <gtest/gtest.h>

TEST(ColorMath, RgbPutsRedInTheLowByte)
{
    EXPECT_EQ(RgbColor(255, 0, 0), 0x0000FFu);
    EXPECT_EQ(RgbColor(0, 0, 255), 0xFF0000u);
    EXPECT_EQ(RgbColor(80, 153, 233), 0xE99950u);
}

TEST(ColorMath, BlendTruncatesTowardZeroFromEitherEnd)
{
    int percentage = 50;
    EXPECT_EQ(Rgb(BlendColors(RgbColor(0, 0, 0), RgbColor(255, 255, 255), percentage)), "127,127,127");
    percentage = 50;
    EXPECT_EQ(Rgb(BlendColors(RgbColor(255, 255, 255), RgbColor(0, 0, 0), percentage)), "128,128,128");
    percentage = 0;
    EXPECT_EQ(BlendColors(0x123456, 0xABCDEF, percentage), 0x123456u);
    percentage = 100;
    EXPECT_EQ(BlendColors(0x123456, 0xABCDEF, percentage), 0xABCDEFu);
    // Each channel on its own: red 10 → 20 by 33 gives 10 + 330 \ 100 = 13; blue 200 → 100 gives 200 − 33 = 167.
    percentage = 33;
    EXPECT_EQ(Rgb(BlendColors(RgbColor(10, 50, 200), RgbColor(20, 50, 100), percentage)), "13,50,167");
}

TEST(ColorMath, BlendClampsThePercentageAndWritesItBack)
{
    int percentage = 150;
    EXPECT_EQ(BlendColors(RgbColor(1, 2, 3), RgbColor(200, 100, 50), percentage), RgbColor(200, 100, 50));
    EXPECT_EQ(percentage, 100);
    percentage = -20;
    EXPECT_EQ(BlendColors(RgbColor(1, 2, 3), RgbColor(200, 100, 50), percentage), RgbColor(1, 2, 3));
    EXPECT_EQ(percentage, 0);
}

TEST(ColorMath, GetRGBSplitsPlainAndSystemColoursAndReadsBlackForTheRest)
{
    int r = -1, g = -1, b = -1;
    GetRGB(r, g, b, 0x00336699);
    EXPECT_EQ(r, 0x99);
    EXPECT_EQ(g, 0x66);
    EXPECT_EQ(b, 0x33);

    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Active, QPalette::Window, QColor(12, 34, 56));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(7, 8, 9));
    QApplication::setPalette(palette);
    GetRGB(r, g, b, 0x8000000F); // button face
    EXPECT_EQ((std::array{r, g, b}), (std::array{12, 34, 56}));
    GetRGB(r, g, b, 0x8000000D); // highlight
    EXPECT_EQ((std::array{r, g, b}), (std::array{7, 8, 9}));
    // Blending translates too.
    int percentage = 100;
    EXPECT_EQ(BlendColors(0, 0x8000000F, percentage), RgbColor(12, 34, 56));
    QApplication::setPalette(saved);

    for (OleColor untranslatable : {0x80000019u, 0x80000040u, 0x01000005u, 0x40FFFFFFu, 0xFFFFFFFFu}) {
        GetRGB(r, g, b, untranslatable);
        EXPECT_EQ((std::array{r, g, b}), (std::array{0, 0, 0})) << std::hex << untranslatable;
    }
}

TEST(ColorMath, WordsKeepTheirSign)
{
    EXPECT_EQ(HighWord(static_cast<std::int32_t>(0xFFFF0000u)), -1);
    EXPECT_EQ(HighWord(static_cast<std::int32_t>(0xFFFF1234u)), -1);
    EXPECT_EQ(HighWord(0x7FFF0000), 32767);
    EXPECT_EQ(HighWord(static_cast<std::int32_t>(0x80000000u)), -32768);
    EXPECT_EQ(HighWord(0x00050003), 5);
    EXPECT_EQ(LowWord(0x1234FFFF), -1);
    EXPECT_EQ(LowWord(static_cast<std::int32_t>(0xFFFFFFFFu)), -1);
    EXPECT_EQ(LowWord(0x00017FFF), 32767);
    EXPECT_EQ(LowWord(0x00008000), -32768);
    EXPECT_EQ(LowWord(0x00050003), 3);
}

TEST(ColorMath, RoundingTakesHalvesToEvenAndClampOrdersItsTests)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(0.4999), 0);
    EXPECT_EQ(RoundHalfEven(245.5), 246);
    EXPECT_EQ(RoundHalfEven(-1.6), -2);
    EXPECT_EQ(Clamp(250, -100, 100), 100);
    EXPECT_EQ(Clamp(-101, -100, 100), -100);
    EXPECT_EQ(Clamp(7, -100, 100), 7);
    // A high bound below the low one: the low test comes first.
    EXPECT_EQ(Clamp(0, 1, 0), 1);
    EXPECT_EQ(Clamp(5, 1, 0), 0);
}
