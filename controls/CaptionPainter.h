#pragma once

#include "ButtonPicture.h"
#include "ButtonTypes.h"
#include "PixelSurface.h"

#include <QString>

class QPainter;

// Places and draws the caption and the picture over a painted face, for every style alike.

struct CaptionLayout {
    int iconX = 0;
    int iconY = 0;
    int captionX = 0;
    int captionY = 0;
};

// The positions for a picture alignment on a W × H surface, before the pressed offset.
CaptionLayout LayOutIconAndCaption(int pictureAlignment, int width, int height, int iconWidth, int iconHeight,
                                   int captionWidth, int captionHeight, int cornerRadius);

// What DrawIconWCaption reads besides the surface (its font and text colour).
struct CaptionInputs {
    QString caption;
    const ButtonPicture* picture = nullptr;
    int pictureAlignment = PictureAbove;
    bool enabled = true;
    bool iconHighLite = false;
    OleColor iconHighLiteColor = 0;
    bool captionHighLite = false;
    OleColor captionHighLiteColor = 0;
    int cornerRadius = 0;
};

// Width and height in pixels of a caption in the surface's font; both 0 when empty.
QSize MeasureCaption(const PixelSurface& surface, const QString& caption);

// Draws the caption with its access-key rule (an ampersand underlines the next character and is
// not drawn; two draw one) in the surface's text colour at (x, y), background left showing.
void DrawPrefixedText(PixelSurface& surface, int x, int y, const QString& text);

// Lays out and draws caption and picture for a state: one pixel further right and down while
// pressed; highlight colours on hover; gray when disabled. The surface's text colour is the
// same afterwards.
void DrawCaptionAndPicture(PixelSurface& surface, const CaptionInputs& inputs, ButtonState state);

// The same caption and picture painted over a face that a scaling screen shows enlarged: at
// the painter's own resolution, so the text is sharp and the picture comes from its larger
// drawing where it has one. Places and colours them as DrawCaptionAndPicture does.
void PaintCaptionAndPictureScaled(QPainter& painter, const PixelSurface& surface, const CaptionInputs& inputs,
                                  ButtonState state);
