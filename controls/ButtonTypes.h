#pragma once

#include <cstdint>

// Colours as the button stores them: 0x00BBGGRR for a plain colour, or a system-colour
// reference with the high bit set (translated by GetRGB).
using OleColor = std::uint32_t;

// The visual state passed to a repaint. Any other value is accepted and paints no face.
enum ButtonState : int {
    StateNormal = 0,
    StatePressed = 1,
    StateFocused = 2,
    StateHover = 3,
    StateChecked = 4,
};

// Values of the Style property; other values paint no face and keep the full rectangle.
enum ButtonStyle : int {
    StyleStandard = 0,
    StyleToolbar = 1,
    StyleCapsuleGloss = 2,
    StyleRoundedGloss = 3,
    StyleCapsuleShine = 4,
    StyleBubble = 5,
    StyleCrescent = 6,
    StyleCentreGlow = 7,
};

// Values of the PictureAlignment property: where the picture sits relative to the caption.
enum PictureAlignmentValue : int {
    PictureAbove = 0,
    PictureBelow = 1,
    PictureLeft = 2,
    PictureRight = 3,
};
