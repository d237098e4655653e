#pragma once

#include <QString>

#include <optional>

// The release serial: a decimal number the publisher raises with every version text, so
// that an older text, however well signed, cannot be offered again.

// The serial a number field holds: plain decimal digits without a leading zero (or "0"),
// at most 18 of them. Nothing otherwise.
std::optional<qint64> ReleaseSerial(const QString& number);

// The highest serial accepted so far is kept beside the cached version text.
QString AcceptedSerialFile(const QString& cacheFile);
// Nothing when none was accepted yet (or the file is not one of ours).
std::optional<qint64> ReadAcceptedSerial(const QString& cacheFile);
