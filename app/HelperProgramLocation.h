#pragma once

#include <QString>
#include <QStringList>

// Where the editor looks for one of its helper programs, in order: beside itself, then in the
// helper folder of an installation.
QStringList HelperProgramPlaces(const QString& programDir, const QString& fileName);

// The first of those places that holds an executable file; empty when none does.
QString FindHelperProgram(const QString& programDir, const QString& fileName);

// Where the editor looks for its preview helper, in order: beside itself, as in a build
// folder, then in the helper folder of an installation (<bin>/../libexec/quorvane).
QStringList PreviewHelperPlaces(const QString& programDir);

// The first of those places that holds an executable file; empty when none does.
QString FindPreviewHelper(const QString& programDir);

// Tells the user that the helper is in none of the places, and names them.
QString PreviewHelperMissingMessage(const QStringList& places);
