#pragma once

#include <optional>

class QWidget;

// The main window's remembered position ("WindowLeft", "WindowTop", in twips).
class WindowPosition {
public:
    // The saved coordinate if it keeps the window whole on the screen along that axis:
    // from 0 up to the screen's extent minus the window's (all in twips).
    static std::optional<int> applied(std::optional<int> saved, int screenExtent, int windowExtent);

    // Moves the window to the stored position, each coordinate on its own; a coordinate
    // that is missing, not a number or off the screen is left to the system. Positions are
    // the frame's: before the first show only the client size is known, so the check runs
    // again against the frame's size once the window has one.
    static void restore(QWidget* window);

    // Stores the window's position, unless it is minimised.
    static void save(const QWidget* window);
};
