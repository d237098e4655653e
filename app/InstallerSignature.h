#pragma once

#include <QByteArray>

// Ed25519 detached signatures: a raw 32-byte public key and a raw 64-byte signature.
// True only when the signature is well formed and matches the data under that key.
bool VerifyEd25519Signature(const QByteArray& publicKey, const QByteArray& data, const QByteArray& signature);
