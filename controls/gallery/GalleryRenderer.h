#pragma once

#include "ButtonPicture.h"
#include "ButtonTypes.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

// One button to render: the gallery's command line, as values.
struct RenderRequest {
    int style = 0;
    int state = 0;
    QSize size{204, 23};
    QString caption;
    ButtonPicture picture;
    int pictureAlignment = 0;
    bool disabled = false;
    bool checked = false;
    // Both the host's background (the outline of Styles 0 and 1) and the button's own.
    QColor background{255, 255, 255};
    // Hover highlights, for the contact sheet.
    bool captionHighLite = false;
    bool iconHighLite = false;
    // Applied in this order after the saved properties: a colour scheme, then ColorButtonUp,
    // ColorButtonHover, ColorButtonDown and ColorBright, then BorderBrightness.
    std::optional<int> scheme;
    std::optional<std::array<OleColor, 4>> colors;
    std::optional<int> borderBrightness;
};

// Renders the request with a real CandyButton on a host of the background colour. Pixels
// outside the window outline of a shaped style are transparent; all others opaque.
QImage RenderButton(const RenderRequest& request);
