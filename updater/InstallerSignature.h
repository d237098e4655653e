#pragma once

#include <QByteArray>
#include <QString>

// Ed25519 detached signatures: a raw 32-byte public key and a raw 64-byte signature.
// True only when the signature is well formed and matches the data under that key.
bool VerifyEd25519Signature(const QByteArray& publicKey, const QByteArray& data, const QByteArray& signature);

// What the publisher signs for an installer, so that it counts only for the release on offer:
//   qvninstaller:<version>:<serial>:<lowercase hex SHA-256 of the installer>
QByteArray InstallerSigningText(const QString& version, qint64 serial, const QByteArray& sha256);

// The SHA-256 of a file, read in pieces; empty when it cannot be read.
QByteArray FileSha256(const QString& path);
