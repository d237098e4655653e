#pragma once

#include "Twips.h"

class QAbstractButton;
class QWidget;

enum class PicturePlacement { AboveCaption, LeftOfCaption };

// One command button of a window, as the window declares it.
struct ButtonDeclaration {
    const char* name;      // object name, as in "cmdNew"
    const char* caption;
    TwipRect rect;
    const char* toolTip;   // empty: none
    const char* picture;   // resource path of the icon
    PicturePlacement placement;
    int pictureSize;       // icon edge in pixels
};

// The one place where the command buttons of the main window and the start dialog are
// made, so that their look can change here alone.
QAbstractButton* CreateCommandButton(QWidget* parent, const ButtonDeclaration& declaration);
