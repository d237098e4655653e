#pragma once

#include <QByteArray>
#include <QCryptographicHash>

#include <openssl/evp.h>
#include <openssl/pem.h>

// An Ed25519 key pair of the test's own, made fresh for each run.
class TestSigningKey {
public:
    TestSigningKey() : m_key(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519")) {}
    ~TestSigningKey() { EVP_PKEY_free(m_key); }
    TestSigningKey(const TestSigningKey&) = delete;
    TestSigningKey& operator=(const TestSigningKey&) = delete;

    // The raw 32-byte public key.
    QByteArray publicKey() const
    {
        QByteArray raw(32, '\0');
        size_t size = raw.size();
        EVP_PKEY_get_raw_public_key(m_key, reinterpret_cast<unsigned char*>(raw.data()), &size);
        return raw;
    }

    // The raw 64-byte detached signature of the data.
    QByteArray sign(const QByteArray& data) const
    {
        QByteArray signature(64, '\0');
        size_t size = signature.size();
        EVP_MD_CTX* context = EVP_MD_CTX_new();
        EVP_DigestSignInit(context, nullptr, nullptr, nullptr, m_key);
        EVP_DigestSign(context, reinterpret_cast<unsigned char*>(signature.data()), &size,
                       reinterpret_cast<const unsigned char*>(data.constData()), data.size());
        EVP_MD_CTX_free(context);
        return signature;
    }

    // An installer's signature for one release: over "qvninstaller:<version>:<serial>:<sha-256 hex>".
    QByteArray signInstaller(const QByteArray& installer, const QByteArray& version, const QByteArray& serial) const
    {
        return sign("qvninstaller:" + version + ':' + serial + ':' +
                    QCryptographicHash::hash(installer, QCryptographicHash::Sha256).toHex());
    }

    // The private key as a PEM file's text, for the publisher's tools.
    QByteArray privateKeyPem() const
    {
        BIO* memory = BIO_new(BIO_s_mem());
        PEM_write_bio_PrivateKey(memory, m_key, nullptr, nullptr, 0, nullptr, nullptr);
        char* data = nullptr;
        const long size = BIO_get_mem_data(memory, &data);
        QByteArray pem(data, size);
        BIO_free(memory);
        return pem;
    }

private:
    EVP_PKEY* m_key;
};
