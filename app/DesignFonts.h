#pragma once

// The windows ask for the fonts of their design by name (Verdana, Tahoma, Segoe UI). Where
// one is not installed, it is mapped once, at start-up, to one installed family of close
// measure, so that every window is laid out with the font that then draws it, and no font
// is searched for through the system's fallbacks at the first paint.
void SubstituteDesignFonts();
