#pragma once

#include "ButtonTypes.h"

#include <QColor>

#include <cstdint>

// The button's colour and number arithmetic: plain functions so that every painter and
// test can use them without a widget.

// r + 256·g + 65536·b; each channel is taken modulo 256.
constexpr OleColor RgbColor(int red, int green, int blue)
{
    return static_cast<OleColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// Nearest integer, halves to the even neighbour (2.5 → 2, 3.5 → 4).
int RoundHalfEven(double value);

// value below low gives low, else above high gives high, else value.
constexpr int Clamp(int value, int low, int high)
{
    if (value < low)
        return low;
    if (value > high)
        return high;
    return value;
}

// The high 16 bits with the sign kept; the low 16 bits read as a signed number.
constexpr std::int16_t HighWord(std::int32_t value)
{
    return static_cast<std::int16_t>(value >> 16);
}
constexpr std::int16_t LowWord(std::int32_t value)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
}

// Translates an OLE colour to a plain 0x00BBGGRR value: system colours come from the
// application's palette; a value that cannot be translated is black.
OleColor TranslateColor(OleColor colour);

// Splits a colour (after translation) into its channels.
void GetRGB(int& red, int& green, int& blue, OleColor colour);

// colour1 moved toward colour2 by percentage (clamped to 0..100; the clamped value is
// written back), each channel truncating toward zero.
OleColor BlendColors(OleColor colour1, OleColor colour2, int& percentage);

// Conversions to and from Qt's colour types (system colours translated first).
QRgb ToQRgb(OleColor colour);
OleColor FromQColor(const QColor& colour);
