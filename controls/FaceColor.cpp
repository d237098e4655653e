#include "FaceColor.h"

std::optional<OleColor> FaceColorForState(ButtonState state, OleColor up, OleColor hover, OleColor down)
{
    switch (state) {
    case StateNormal:
    case StateFocused:
        return up;
    case StateHover:
        return hover;
    case StatePressed:
    case StateChecked:
        return down;
    default:
        return std::nullopt;
    }
}
