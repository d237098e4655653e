#include "InstallerSignature.h"

#include <QCryptographicHash>
#include <QFile>

#include <openssl/evp.h>

#include <memory>

namespace {
constexpr qsizetype PublicKeySize = 32;
constexpr qsizetype SignatureSize = 64;

struct KeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct ContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
} // namespace

bool VerifyEd25519Signature(const QByteArray& publicKey, const QByteArray& data, const QByteArray& signature)
{
    if (publicKey.size() != PublicKeySize || signature.size() != SignatureSize)
        return false;
    const std::unique_ptr<EVP_PKEY, KeyFree> key(EVP_PKEY_new_raw_public_key(
        EVP_PKEY_ED25519, nullptr, reinterpret_cast<const unsigned char*>(publicKey.constData()), PublicKeySize));
    const std::unique_ptr<EVP_MD_CTX, ContextFree> context(EVP_MD_CTX_new());
    if (!key || !context || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return false;
    return EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char*>(signature.constData()),
                            SignatureSize, reinterpret_cast<const unsigned char*>(data.constData()),
                            static_cast<size_t>(data.size())) == 1;
}

QByteArray InstallerSigningText(const QString& version, qint64 serial, const QByteArray& sha256)
{
    return "qvninstaller:" + version.toUtf8() + ':' + QByteArray::number(serial) + ':' + sha256.toHex();
}

QByteArray FileSha256(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result();
}
