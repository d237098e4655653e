#include "ControlsTestSupport.h"
#include "mdlGrayScale.h"

#include <gtest/gtest.h>

namespace {
constexpr OleColor kBack = RgbColor(30, 60, 90);

unsigned char Byte(const DibBuffer& buffer, int offset)
{
    return static_cast<unsigned char>(buffer.bits[offset]);
}
} // namespace

TEST(GrayScale, RowsArePaddedToFourBytesAndStoredBottomUp)
{
    EXPECT_EQ(DibBuffer::StrideFor(1), 4);
    EXPECT_EQ(DibBuffer::StrideFor(3), 12);
    EXPECT_EQ(DibBuffer::StrideFor(5), 16);
    EXPECT_EQ(DibBuffer::StrideFor(16), 48);

    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(1, 2, 3)); // top left
    image.setPixel(1, 0, qRgb(4, 5, 6));
    image.setPixel(0, 1, qRgb(7, 8, 9)); // bottom left
    image.setPixel(1, 1, qRgb(10, 11, 12));
    const DibBuffer buffer = ReadBitmapBits(image);
    ASSERT_EQ(buffer.bits.size(), 16);
    // First row in memory is the bottom line: blue, green, red.
    EXPECT_EQ(Byte(buffer, 0), 9);
    EXPECT_EQ(Byte(buffer, 1), 8);
    EXPECT_EQ(Byte(buffer, 2), 7);
    EXPECT_EQ(Byte(buffer, 8), 3);
    EXPECT_EQ(Byte(buffer, 11), 6); // the top line's second pixel: blue, green, red
    EXPECT_EQ(Byte(buffer, 13), 4);
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
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 5; ++column) {
            const int expected = (10 + row + 20 + column + 40 + 50 * column) / 3;
            for (int channel = 0; channel < 3; ++channel)
                EXPECT_EQ(Byte(buffer, row * 16 + column * 3 + channel), expected) << row << "," << column;
        }
        EXPECT_EQ(Byte(buffer, row * 16 + 15), 0xEE) << "padding of row " << row;
    }
    // Blue 10, green 20, red 40 → 70 \ 3 = 23.
    EXPECT_EQ(Byte(buffer, 0), 23);
}

TEST(GrayScale, GrayedBitmapIsCopiedOpaque)
{
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, qRgb(40 + 40 * x, 20 + 10 * y, 10));
    const ButtonPicture bitmap = ButtonPicture::FromImage(image, ButtonPicture::Kind::Bitmap);

    PixelSurface surface(10, 6);
    surface.SetBackColor(kBack);
    surface.Clear();
    EXPECT_TRUE(mdlGrayScale::DrawGrayed(surface, bitmap, 2, 1, -1, -1));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x < 7 && y >= 1 && y < 4;
            const int gray = inside ? (40 + 40 * (x - 2) + 20 + 10 * (y - 1) + 10) / 3 : 0;
            EXPECT_EQ(Rgb(surface.Pixel(x, y)), inside ? Rgb(RgbColor(gray, gray, gray)) : Rgb(kBack)) << x << "," << y;
        }
    EXPECT_EQ(Rgb(surface.Pixel(2, 1)), "23,23,23");
}

TEST(GrayScale, GrayedIconGoesThroughItsMask)
{
    // 16 × 16: opaque except a transparent first column; every opaque pixel a different colour.
    QImage image(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, x == 0 ? qRgba(255, 255, 255, 0) : qRgba(x * 15, y * 15, 200, 255));
    const ButtonPicture icon = ButtonPicture::FromImage(image, ButtonPicture::Kind::Icon);
    EXPECT_EQ(icon.widthPixels(), 16);

    PixelSurface surface(20, 20);
    surface.SetBackColor(kBack);
    surface.Clear();
    EXPECT_TRUE(mdlGrayScale::DrawGrayed(surface, icon, 3, 2, -1, -1));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int gray = (x * 15 + y * 15 + 200) / 3;
            const OleColor expected = x == 0 ? kBack : RgbColor(gray, gray, gray);
            EXPECT_EQ(Rgb(surface.Pixel(3 + x, 2 + y)), Rgb(expected)) << x << "," << y;
        }
    // The last pixel of the bottom-up buffer is the top line's last pixel.
    EXPECT_EQ(Rgb(surface.Pixel(18, 2)), "141,141,141"); // (225 + 0 + 200) \ 3
    EXPECT_EQ(Rgb(surface.Pixel(18, 17)), "216,216,216"); // (225 + 225 + 200) \ 3
    EXPECT_EQ(surface.Pixel(19, 2), kBack);
    EXPECT_EQ(surface.Pixel(3, 18), kBack);
}

TEST(GrayScale, StretchesToTheRequestedSize)
{
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(30, 30, 30));
    image.setPixel(1, 0, qRgb(90, 90, 90));
    const ButtonPicture bitmap = ButtonPicture::FromImage(image, ButtonPicture::Kind::Bitmap);
    PixelSurface surface(6, 3);
    surface.SetBackColor(kBack);
    surface.Clear();
    EXPECT_TRUE(mdlGrayScale::DrawGrayed(surface, bitmap, 0, 0, 4, 2));
    EXPECT_EQ(Rgb(surface.Pixel(1, 1)), "30,30,30");
    EXPECT_EQ(Rgb(surface.Pixel(2, 0)), "90,90,90");
    EXPECT_EQ(Rgb(surface.Pixel(3, 1)), "90,90,90");
    EXPECT_EQ(surface.Pixel(4, 0), kBack);
    EXPECT_EQ(surface.Pixel(0, 2), kBack);
    EXPECT_FALSE(mdlGrayScale::DrawGrayed(surface, ButtonPicture(), 0, 0, -1, -1));
}
