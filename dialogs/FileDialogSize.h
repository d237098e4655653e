#pragma once

#include <QRect>
#include <QSize>
#include <QString>

// The size of the Open and Save dialogs: large enough at first for the columns of the
// file list, then as the user last left it, kept in the settings as whole pixels under
// "FileDialogWidth" and "FileDialogHeight".
namespace FileDialogSize {

inline constexpr QSize First{880, 560};
// Below this the list's columns cannot show; a stored size is never made smaller.
inline constexpr QSize Least{560, 360};

// The size to open at on a screen with the given free area: the stored one, or First
// when none is stored or it is not a number; either kept within Least and the screen.
QSize ToOpenAt(const QRect& screenArea);
// The size from stored texts, as ToOpenAt applies it.
QSize FromTexts(const QString& width, const QString& height, const QRect& screenArea);

void Remember(QSize size);

} // namespace FileDialogSize
