#pragma once

#include <QString>

#include <optional>

// The fields of the text that names the latest release:
//   qvnlatestversion:<version>:<serial>:<notes, which may hold colons>
struct VersionTextFields {
    QString version;
    QString number;  // the release serial as written
    QString notes;
};

// Splits the text: one line break at its very end (as editors save it) is dropped, every
// marker with its colon is removed, and the first two colons end the version and the
// number. Nothing when the marker or either colon is missing.
std::optional<VersionTextFields> SplitVersionText(QString text);
