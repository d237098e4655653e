#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// The encodings of description files: the Western Windows code page that every existing
// file uses, and UTF-8 for texts that code page cannot hold.

// Windows-1252 as Windows decodes it: the five unassigned bytes (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become the C1 controls of the same value, so every byte has a character.
QString DecodeWindows1252(QByteArrayView bytes);
// The Windows-1252 bytes of text, or nothing when a character has no byte there.
std::optional<QByteArray> EncodeWindows1252(QStringView text);

// Well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF) that has at
// least one multi-byte sequence: plain ASCII does not count.
bool IsMultiByteUtf8(QByteArrayView bytes);

// A file's bytes as text: UTF-8 when IsMultiByteUtf8, else Windows-1252.
QString DecodeFileText(QByteArrayView bytes);
// Text as file bytes: Windows-1252 when it holds every character and reads back as the
// same text, else UTF-8 without a byte-order mark.
QByteArray EncodeFileText(QStringView text);
