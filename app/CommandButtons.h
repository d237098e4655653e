#pragma once

#include "SavedControls.h"
#include "Twips.h"

class CandyButton;
class QWidget;

enum class PicturePlacement { AboveCaption, LeftOfCaption };

// One command button of a window, as the window declares it: where it sits and its tooltip.
// Its look comes from the window's saved controls; caption, picture and placement stand in
// only for a button the saved controls lack.
struct ButtonDeclaration {
    const char* name;      // object name, as in "cmdNew"
    const char* caption;
    TwipRect rect;
    const char* toolTip;   // empty: none
    const char* picture;   // resource path of the icon
    PicturePlacement placement;
    int pictureSize;       // icon edge in pixels
};

// The saved properties of a window's controls, from its resource (":/forms/frmMain.controls").
QList<SavedControl> ReadSavedControls(const QString& resource);

// The one place where the command buttons of the main window and the start dialog are
// made: a CandyButton placed and loaded from the window's saved properties.
CandyButton* CreateCommandButton(QWidget* parent, const ButtonDeclaration& declaration,
                                 const QList<SavedControl>& savedControls);
