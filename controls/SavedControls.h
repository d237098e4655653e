#pragma once

#include "PropertyBag.h"

#include <QList>
#include <QString>

// The saved properties of a window's controls as text, so that a window can keep them in a
// resource file and read them when it loads:
//
//   [cmdNew]
//   Font = Font("Verdana", 8.25)
//   Caption = "Start a new book description"
//   Picture = Picture(":/icons/new.png")
//   Style = 1
//   ColorButtonUp = 0x00E99950
//   Checked = False
//
// Values: True/False, decimal whole numbers, 0x hexadecimal colours, "strings" (a doubled
// quote stands for one), Font("family", points[, Bold][, Italic][, Underline][, Strikeout]),
// Picture("image file or resource") and PictureData("base64 PNG"). Blank lines and lines
// starting with # are skipped. Keys keep their order.
struct SavedControl {
    QString name;
    PropertyBag properties;

    bool operator==(const SavedControl& other) const = default;
};

QString FormatSavedControls(const QList<SavedControl>& controls);

// Fills controls from the text; on a malformed line or a picture that cannot be read, returns
// false with the line number and the problem in error.
bool ParseSavedControls(const QString& text, QList<SavedControl>& controls, QString* error = nullptr);

// The properties saved for one control, or an empty bag when it has none.
PropertyBag SavedPropertiesOf(const QList<SavedControl>& controls, const QString& name);
