#include "ControlsTestSupport.h"
#include "mdlGrayScale.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
constexpr OleColor kBack = RgbColor(30, 60, 90);

OleColor Gray(int level)
{
    return RgbColor(level, level, level);
}

// Grays the picture onto a cleared 20 × 20 surface and checks every pixel against the expected one.
PixelSurface ExpectGrayed(const ButtonPicture& picture, int x, int y, const std::function<OleColor(int, int)>& expected)
{
    PixelSurface s = Cleared(20, 20, kBack);
    EXPECT_TRUE(mdlGrayScale::DrawGrayed(s, picture, x, y, -1, -1));
    for (int py = 0; py < 20; ++py)
        for (int px = 0; px < 20; ++px)
            EXPECT_EQ(Rgb(s.Pixel(px, py)), Rgb(expected(px, py))) << px << "," << py;
    return s;
}
} // namespace

TEST(GrayScale, RowsArePaddedToFourBytesAndStoredBottomUp)
{
    EXPECT_EQ((std::array{DibBuffer::StrideFor(1), DibBuffer::StrideFor(3), DibBuffer::StrideFor(5),
                          DibBuffer::StrideFor(16)}),
              (std::array{4, 12, 16, 48}));
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(1, 2, 3)); // top line
    image.setPixel(1, 0, qRgb(4, 5, 6));
    image.setPixel(0, 1, qRgb(7, 8, 9)); // bottom line
    image.setPixel(1, 1, qRgb(10, 11, 12));
    // The bottom line first, each pixel blue, green, red, each row padded from 6 to 8 bytes with zeros.
    EXPECT_EQ(ReadBitmapBits(image).bits, QByteArray("\x09\x08\x07\x0C\x0B\x0A\0\0\x03\x02\x01\x06\x05\x04\0\0", 16));
}

TEST(GrayScale, EveryPixelOfAFivePixelRowIsGrayedAndItsPaddingKept)
{
    // 5 pixels of 3 bytes fill 15 of the row's 16 bytes; the 16th is padding.
    DibBuffer buffer = DibBuffer::Allocate(5, 3, char(0xEE));
    auto* bytes = reinterpret_cast<unsigned char*>(buffer.bits.data());
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 5; ++column) {
            unsigned char* pixel = bytes + row * 16 + column * 3;
            pixel[0] = static_cast<unsigned char>(10 + row);         // blue
            pixel[1] = static_cast<unsigned char>(20 + column);      // green
            pixel[2] = static_cast<unsigned char>(40 + 50 * column); // red
        }
    mdlGrayScale::GrayPixels(buffer);
    EXPECT_EQ(bytes[0], 23); // blue 10, green 20, red 40 → 70 \ 3
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 5; ++column)
            for (int channel = 0; channel < 3; ++channel)
                EXPECT_EQ(bytes[row * 16 + column * 3 + channel], (10 + row + 20 + column + 40 + 50 * column) / 3)
                    << row << "," << column;
        EXPECT_EQ(bytes[row * 16 + 15], 0xEE) << "padding of row " << row;
    }
}

TEST(GrayScale, GrayedBitmapIsCopiedOpaqueAndStretched)
{
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, qRgb(40 + 40 * x, 20 + 10 * y, 10));
    const PixelSurface s = ExpectGrayed(ButtonPicture::FromImage(image, ButtonPicture::Kind::Bitmap), 2, 1, [](int x, int y) {
        const bool inside = x >= 2 && x < 7 && y >= 1 && y < 4;
        return inside ? Gray((40 + 40 * (x - 2) + 20 + 10 * (y - 1) + 10) / 3) : kBack;
    });
    EXPECT_EQ(Rgb(s.Pixel(2, 1)), "23,23,23");

    QImage pair(2, 1, QImage::Format_RGB32);
    pair.setPixel(0, 0, qRgb(30, 30, 30));
    pair.setPixel(1, 0, qRgb(90, 90, 90));
    PixelSurface stretched = Cleared(6, 3, kBack);
    EXPECT_TRUE(
        mdlGrayScale::DrawGrayed(stretched, ButtonPicture::FromImage(pair, ButtonPicture::Kind::Bitmap), 0, 0, 4, 2));
    EXPECT_EQ(MapOf(stretched, {{'.', kBack}, {'a', Gray(30)}, {'b', Gray(90)}}), "aabb..\naabb..\n......\n");
    EXPECT_FALSE(mdlGrayScale::DrawGrayed(stretched, ButtonPicture(), 0, 0, -1, -1));
}

// 16 × 16 at (3, 2): opaque except a transparent first column, every opaque pixel a different
// colour; the last pixel of the bottom-up buffer, the top line's last, is grayed too.
TEST(GrayScale, GrayedIconGoesThroughItsMask)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, x == 0 ? qRgba(255, 255, 255, 0) : qRgba(x * 15, y * 15, 200, 255));
    const ButtonPicture icon = ButtonPicture::FromImage(image, ButtonPicture::Kind::Icon);
    EXPECT_EQ(icon.widthPixels(), 16);
    const PixelSurface s = ExpectGrayed(icon, 3, 2, [](int x, int y) {
        const bool inside = x >= 4 && x < 19 && y >= 2 && y < 18;
        return inside ? Gray(((x - 3) * 15 + (y - 2) * 15 + 200) / 3) : kBack;
    });
    EXPECT_EQ(Rgb(s.Pixel(18, 2)), "141,141,141");  // (225 + 0 + 200) \ 3
    EXPECT_EQ(Rgb(s.Pixel(18, 17)), "216,216,216"); // (225 + 225 + 200) \ 3
}
