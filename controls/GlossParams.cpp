#include "GlossParams.h"

#include "ButtonTypes.h"
#include "ColorMath.h"

#include <algorithm>

std::optional<GlossParams> GlossParamsFor(int style, int width, int height, int r)
{
    // Mixed on purpose: some edges truncate, some round halves to even, some go through doubles.
    const auto half = [](int value) { return RoundHalfEven(value / 2.0); };
    GlossParams p;
    p.GlossBasePercent = 0;
    p.GlossRight = width + 2 * r;
    p.GlowCentreX = half(width);
    p.GlowCentreY = height;
    p.GlowStepPercent = 130;
    switch (style) {
    case StyleCapsuleGloss:
        p.GlossPercentPerRadius = 50;
        p.GlossLeft = r / 2;
        p.GlossTop = 1;
        p.GlossCorner = r / 2;
        p.GlossBottom = RoundHalfEven(1.1 * r);
        p.GlowWidthPercent = 300;
        p.GlowHeightPercent = 60;
        p.GlowStepPercent = 120;
        break;
    case StyleRoundedGloss:
        if (height == 0)
            return std::nullopt;
        p.GlossPercentPerRadius = 70;
        p.GlossLeft = r / 3;
        p.GlossTop = 0;
        p.GlossCorner = 10;
        p.GlossBottom = 12;
        p.GlowWidthPercent = 200;
        p.GlowHeightPercent = std::min(100 - 700 / height, 80);
        break;
    case StyleCapsuleShine:
        p.GlossPercentPerRadius = 70;
        p.GlossLeft = r / 3 - 1;
        p.GlossTop = 0;
        p.GlossCorner = r / 2;
        p.GlossBottom = r;
        p.GlowWidthPercent = 200;
        p.GlowHeightPercent = 70;
        break;
    case StyleBubble:
        p.GlossPercentPerRadius = 40;
        p.GlossLeft = -1 - r / 2;
        p.GlossTop = -r;
        p.GlossCorner = r;
        p.GlossBottom = r + 1;
        p.GlowWidthPercent = 60;
        p.GlowHeightPercent = 60;
        break;
    case StyleCentreGlow:
        // The only gloss that stops short of the right edge, with its glow in the middle.
        p.GlossPercentPerRadius = 50;
        p.GlossLeft = half(r);
        p.GlossTop = 2;
        p.GlossCorner = half(r);
        p.GlossBottom = r + 1;
        p.GlossRight = width - r;
        p.GlowWidthPercent = 60;
        p.GlowHeightPercent = 60;
        p.GlowCentreY = half(height);
        p.GlowStepPercent = 100;
        break;
    default:
        return std::nullopt;
    }
    return p;
}
