#pragma once

#include <QImage>
#include <QString>

// Reads an image file or resource in the format its name gives ("png" for "name.png"), so
// that no image format plugin is loaded to guess it; a file whose name does not match its
// contents is then read by its contents, as any reader would. Null when neither reads it.
QImage ReadImageFile(const QString& path);
