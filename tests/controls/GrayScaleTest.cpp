#include "ControlsTestSupport.h"
#include "mdlGrayScale.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
constexpr OleColor kBack = RgbColor(30, 60, 90);

// Grays the picture at (x, y) of a cleared 20 × 20 surface and checks every pixel against
// gray(x, y), a gray level or −1 for the background; returns the surface.
PixelSurface ExpectGrayed(const ButtonPicture& picture, int x, int y, const std::function<int(int, int)>& gray)
{
    PixelSurface s = Cleared(20, 20, kBack);
    EXPECT_TRUE(mdlGrayScale::DrawGrayed(s, picture, x, y, -1, -1));
    for (int py = 0; py < 20; ++py)
        for (int px = 0; px < 20; ++px) {
            const int level = gray(px, py);
            EXPECT_EQ(Rgb(s.Pixel(px, py)), Rgb(level < 0 ? kBack : RgbColor(level, level, level))) << px << "," << py;
        }
    return s;
}
} // namespace

TEST(GrayScale, RowsArePaddedToFourBytesAndStoredBottomUp)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(1, 2, 3)); // top line
    image.setPixel(1, 0, qRgb(4, 5, 6));
    image.setPixel(0, 1, qRgb(7, 8, 9)); // bottom line
    image.setPixel(1, 1, qRgb(10, 11, 12));
    // The bottom line first, each pixel blue, green, red, each row padded from 6 to 8 bytes with zeros.
    EXPECT_EQ(ReadBitmapBits(image).bits, QByteArray("\x09\x08\x07\x0C\x0B\x0A\0\0\x03\x02\x01\x06\x05\x04\0\0", 16));
}

// 5 pixels of 3 bytes fill 15 of a row's 16 bytes; the 16th is padding and stays as it was.
TEST(GrayScale, EveryPixelOfAFivePixelRowIsGrayedAndItsPaddingKept)
{
    DibBuffer buffer = DibBuffer::Allocate(5, 3, char(0xEE));
    QByteArray expected = buffer.bits;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 5; ++column) {
            const int blue = 10 + row, green = 20 + column, red = 40 + 50 * column;
            const char pixel[] = {char(blue), char(green), char(red)};
            buffer.bits.replace(row * 16 + column * 3, 3, QByteArray(pixel, 3));
            expected.replace(row * 16 + column * 3, 3, QByteArray(3, char((blue + green + red) / 3)));
        }
    mdlGrayScale::GrayPixels(buffer);
    EXPECT_EQ(buffer.bits.toHex(' '), expected.toHex(' '));
    EXPECT_EQ(buffer.bits.left(3), QByteArray(3, 23)); // blue 10, green 20, red 40 → 70 \ 3
}

TEST(GrayScale, GrayedBitmapIsCopiedOpaqueAndStretched)
{
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, qRgb(40 + 40 * x, 20 + 10 * y, 10));
    const auto bitmap = ButtonPicture::FromImage(image, ButtonPicture::Kind::Bitmap);
    const PixelSurface s = ExpectGrayed(bitmap, 2, 1, [](int x, int y) {
        return x >= 2 && x < 7 && y >= 1 && y < 4 ? (40 + 40 * (x - 2) + 20 + 10 * (y - 1) + 10) / 3 : -1;
    });
    EXPECT_EQ(Rgb(s.Pixel(2, 1)), "23,23,23");

    image = QImage(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(30, 30, 30));
    image.setPixel(1, 0, qRgb(90, 90, 90));
    PixelSurface stretched = Cleared(6, 3, kBack);
    EXPECT_TRUE(mdlGrayScale::DrawGrayed(stretched, ButtonPicture::FromImage(image, ButtonPicture::Kind::Bitmap), 0, 0, 4, 2));
    EXPECT_EQ(MapOf(stretched, {{'.', kBack}, {'a', RgbColor(30, 30, 30)}, {'b', RgbColor(90, 90, 90)}}),
              "aabb..\naabb..\n......\n");
    EXPECT_FALSE(mdlGrayScale::DrawGrayed(stretched, ButtonPicture(), 0, 0, -1, -1));
}

// 16 × 16 at (3, 2): opaque but for a transparent first column, every opaque pixel a different
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
        return x >= 4 && x < 19 && y >= 2 && y < 18 ? ((x - 3) * 15 + (y - 2) * 15 + 200) / 3 : -1;
    });
    EXPECT_EQ(Rgb(s.Pixel(18, 2)), "141,141,141");  // (225 + 0 + 200) \ 3
    EXPECT_EQ(Rgb(s.Pixel(18, 17)), "216,216,216"); // (225 + 225 + 200) \ 3
}
