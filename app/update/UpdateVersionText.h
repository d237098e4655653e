#pragma once

#include <QString>

#include <optional>

// The short text that names the latest release:
//   qvnlatestversion:<version>:<serial>:<notes, which may hold colons>
// "[\n]" in the notes marks a paragraph break.
struct UpdateOffer {
    QString LatestVersion;
    qint64 Serial = 0;  // the release serial, which the publisher raises with every text
    QString UpdateNotes;
};

// The version, serial and notes of the text, or nothing when it names no release (no
// marker, no colon after the version or after the serial, or a serial that is not one).
std::optional<UpdateOffer> ReadVersionText(const QString& versionText);

// This program's version as the text carries it: major, full stop, minor ("1.4").
QString OwnVersionText();

// Any difference from our own version is an update, also an older or differently written one.
bool OffersUpdate(const UpdateOffer& offer);

// What the notes box shows: the notes with each paragraph mark as an empty line, then an
// empty line and the instruction.
QString UpdateNotesBoxText(QString notes);
