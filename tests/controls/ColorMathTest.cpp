#include "ColorMath.h"
#include "ControlsTestSupport.h"

#include <QApplication>
#include <QPalette>

#include <gtest/gtest.h>

TEST(ColorMath, BlendTruncatesTowardZeroAndClampsThePercentageItWritesBack)
{
    // From, to, percentage, the blend, the percentage written back. Red 10 → 20 by 33 gives
    // 10 + 330 \ 100 = 13; blue 200 → 100 gives 200 − 33 = 167.
    const std::tuple<OleColor, OleColor, int, const char*, int> cases[] = {
        {RgbColor(0, 0, 0), RgbColor(255, 255, 255), 50, "127,127,127", 50},
        {RgbColor(255, 255, 255), RgbColor(0, 0, 0), 50, "128,128,128", 50},
        {RgbColor(10, 50, 200), RgbColor(20, 50, 100), 33, "13,50,167", 33},
        {RgbColor(1, 2, 3), RgbColor(200, 100, 50), 150, "200,100,50", 100},
        {RgbColor(1, 2, 3), RgbColor(200, 100, 50), -20, "1,2,3", 0},
    };
    for (auto [from, to, percentage, blend, writtenBack] : cases) {
        const int asked = percentage;
        EXPECT_EQ(Rgb(BlendColors(from, to, percentage)), blend) << asked;
        EXPECT_EQ(percentage, writtenBack) << asked;
    }
}

// Rgb() splits with GetRGB.
TEST(ColorMath, GetRGBSplitsPlainAndSystemColoursAndReadsBlackForTheRest)
{
    EXPECT_EQ(Rgb(0x00336699), "153,102,51");
    EXPECT_EQ(RgbColor(80, 153, 233), 0xE99950u);
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Active, QPalette::Window, QColor(12, 34, 56));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(7, 8, 9));
    QApplication::setPalette(palette);
    EXPECT_EQ(Rgb(0x8000000F), "12,34,56"); // button face
    EXPECT_EQ(Rgb(0x8000000D), "7,8,9");    // highlight
    int percentage = 100;
    EXPECT_EQ(BlendColors(0, 0x8000000F, percentage), RgbColor(12, 34, 56));
    QApplication::setPalette(saved);
    for (OleColor untranslatable : {0x80000019u, 0x80000040u, 0x01000005u, 0x40FFFFFFu, 0xFFFFFFFFu})
        EXPECT_EQ(Rgb(untranslatable), "0,0,0") << std::hex << untranslatable;
}

TEST(ColorMath, WordsKeepTheirSignAndHalvesRoundToEven)
{
    const std::pair<std::uint32_t, std::array<int, 2>> words[] = {
        {0xFFFF0000u, {-1, 0}},         {0xFFFF1234u, {-1, 0x1234}}, {0x7FFF8000u, {32767, -32768}},
        {0x80007FFFu, {-32768, 32767}}, {0x1234FFFFu, {0x1234, -1}}, {0x00050003u, {5, 3}},
    };
    for (const auto& [value, expected] : words) {
        const auto signedValue = static_cast<std::int32_t>(value);
        EXPECT_EQ((std::array<int, 2>{HighWord(signedValue), LowWord(signedValue)}), expected) << std::hex << value;
    }
    for (auto [value, expected] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.4999, 0}, {245.5, 246}, {-1.6, -2}})
        EXPECT_EQ(RoundHalfEven(value), expected) << value;
}
