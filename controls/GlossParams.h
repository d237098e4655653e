#pragma once

#include <cstdint>
#include <optional>

// The twelve numbers that make one gloss look out of the shared gloss painter.
struct GlossParams {
    std::int32_t GlossBasePercent = 0;
    std::int32_t GlossPercentPerRadius = 0;
    std::int32_t GlossLeft = 0;
    std::int32_t GlossTop = 0;
    std::int32_t GlossCorner = 0;
    std::int32_t GlossBottom = 0;
    std::int32_t GlossRight = 0;
    std::int32_t GlowWidthPercent = 0;
    std::int32_t GlowHeightPercent = 0;
    std::int32_t GlowCentreX = 0;
    std::int32_t GlowCentreY = 0;
    std::int32_t GlowStepPercent = 0;

    bool operator==(const GlossParams& other) const = default;
};

// The record of a gloss style (2, 3, 4, 5 or 7) on a width × height surface with corner
// radius r. None for the other styles, and for Style 3 at height 0, whose glow height
// would divide by zero.
std::optional<GlossParams> GlossParamsFor(int style, int width, int height, int r);
