#pragma once

#include <optional>

class QWidget;

// The main window's remembered position ("WindowLeft", "WindowTop", in twips): the top left
// corner of its frame, restored as the frame's, so that a window closed where it was opened
// opens there again.
class WindowPosition {
public:
    // The saved coordinate if it keeps the window whole on the screen along that axis:
    // from 0 up to the screen's extent minus the window's (all in twips).
    static std::optional<int> applied(std::optional<int> saved, int screenExtent, int windowExtent);

    // Moves the window to the stored position (RestoredWindowPosition); a coordinate that is
    // missing, not a number or off the screens is left to the system. Before the first show
    // only the client size is known, so the check runs again against the frame once the
    // window has one, and the frame is put where it belongs should the window manager have
    // placed the client area there instead.
    static void restore(QWidget* window);

    // Stores the window's position, unless it is minimised.
    static void save(const QWidget* window);

    // Whether the platform lets a program place its windows and tell where they are
    // (Wayland does neither): where it does not, nothing is stored or restored.
    static bool platformKeepsPositions();
};
