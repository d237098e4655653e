#pragma once

#include "ButtonTypes.h"

#include <optional>

// The colour a gloss or crescent face takes in a state: Up when idle or focused, Hover when
// hovered, Down when pressed or checked; none for any other state value (no face at all).
std::optional<OleColor> FaceColorForState(ButtonState state, OleColor up, OleColor hover, OleColor down);
