#pragma once

#include <QString>

#include <functional>

// A program that the system's package manager installed is updated by the package manager;
// our own installer must never overwrite its files.

// Whether dpkg lists the file as part of an installed package (dpkg-query -S), also under
// its other name on a merged /usr (/usr/bin/x and /bin/x). False when dpkg cannot say.
bool DpkgOwnsFile(const QString& file);

// The question the update check asks: DpkgOwnsFile unless a test set another answer.
bool OwnedByPackage(const QString& file);
// Replaces the question (an empty function: back to dpkg).
void SetPackageOwnerQuery(std::function<bool(const QString& file)> query);
