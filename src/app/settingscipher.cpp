#include "app/settingscipher.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QtEndian>

namespace {

constexpr char version = 0x03;
constexpr char flagCompressed = 0x01;
constexpr char flagChecksum = 0x02;
constexpr char flagHash = 0x04;
constexpr int checksumSize = 2;
constexpr int hashSize = 20;

QByteArray sha1(const QByteArray& data) {
    return QCryptographicHash::hash(data, QCryptographicHash::Sha1);
}

} // namespace

// The global generator is seeded by the system once for the whole process, so there is nothing to seed here.
SettingsCipher::SettingsCipher() = default;

SettingsCipher::SettingsCipher(quint64 key) : m_key(key) {
    splitKey();
}

void SettingsCipher::setKey(quint64 key) {
    m_key = key;
    splitKey();
}

void SettingsCipher::splitKey() {
    m_keyParts.clear();
    for (int i = 0; i < 8; ++i)
        m_keyParts.append(char((m_key >> (8 * i)) & 0xFF));
}

QByteArray SettingsCipher::encryptToBytes(const QByteArray& plain) {
    if (m_keyParts.isEmpty()) {
        qWarning("No key set.");
        m_lastError = CipherNoKey;
        return {};
    }

    char flags = 0;
    QByteArray payload = plain;
    if (m_compressionMode == CompressAlways) {
        payload = qCompress(plain, 9);
        flags |= flagCompressed;
    } else if (m_compressionMode == CompressAuto) {
        const QByteArray compressed = qCompress(plain, 9);
        if (compressed.size() < plain.size()) {
            payload = compressed;
            flags |= flagCompressed;
        }
    }

    QByteArray integrity;
    if (m_integrityMode == IntegrityChecksum) {
        flags |= flagChecksum;
        const quint16 sum = qChecksum(QByteArrayView(payload));
        integrity.resize(checksumSize);
        qToBigEndian(sum, integrity.data());
    } else if (m_integrityMode == IntegrityHash) {
        flags |= flagHash;
        integrity = sha1(payload);
    }

    QByteArray body;
    body.reserve(1 + integrity.size() + payload.size());
    body.append(char(QRandomGenerator::global()->generate() & 0xFF));
    body.append(integrity);
    body.append(payload);

    char previous = 0;
    for (int i = 0; i < body.size(); ++i) {
        const char c = char(body.at(i) ^ m_keyParts.at(i % 8) ^ previous);
        body[i] = c;
        previous = c;
    }

    QByteArray result;
    result.reserve(2 + body.size());
    result.append(version);
    result.append(flags);
    result.append(body);
    m_lastError = CipherOk;
    return result;
}

QByteArray SettingsCipher::encryptToBytes(const QString& plain) {
    return encryptToBytes(plain.toUtf8());
}

QString SettingsCipher::encryptToText(const QString& plain) {
    return encryptToText(plain.toUtf8());
}

QString SettingsCipher::encryptToText(const QByteArray& plain) {
    return QString::fromLatin1(encryptToBytes(plain).toBase64());
}

QByteArray SettingsCipher::decryptToBytes(const QByteArray& cipher) {
    if (m_keyParts.isEmpty()) {
        qWarning("No key set.");
        m_lastError = CipherNoKey;
        return {};
    }
    if (cipher.isEmpty() || cipher.at(0) != version) {
        m_lastError = CipherBadVersion;
        qWarning("Invalid version or not a cyphertext.");
        return {};
    }

    const char flags = cipher.size() > 1 ? cipher.at(1) : char(0);
    QByteArray body = cipher.size() > 2 ? cipher.mid(2) : QByteArray();

    char previous = 0;
    for (int i = 0; i < body.size(); ++i) {
        const char c = body.at(i);
        body[i] = char(c ^ m_keyParts.at(i % 8) ^ previous);
        previous = c;
    }

    QByteArray rest = body.mid(1); // the random byte only varies the chain

    if (flags & flagChecksum) {
        if (rest.size() < checksumSize) {
            m_lastError = CipherIntegrityFailed;
            return {};
        }
        const quint16 stored = qFromBigEndian<quint16>(rest.constData());
        rest.remove(0, checksumSize);
        if (stored != qChecksum(QByteArrayView(rest))) {
            m_lastError = CipherIntegrityFailed;
            return {};
        }
    } else if (flags & flagHash) {
        if (rest.size() < hashSize) {
            m_lastError = CipherIntegrityFailed;
            return {};
        }
        const QByteArray stored = rest.left(hashSize);
        rest.remove(0, hashSize);
        if (stored != sha1(rest)) {
            m_lastError = CipherIntegrityFailed;
            return {};
        }
    }

    if (flags & flagCompressed) {
        // A compressed payload that does not expand is damaged, whatever the integrity field said: calling it
        // a success would hand an empty value back as if it had been stored so.
        const bool storedEmpty = rest.size() >= 4 && qFromBigEndian<quint32>(rest.constData()) == 0;
        rest = qUncompress(rest);
        if (rest.isEmpty() && !storedEmpty) {
            m_lastError = CipherIntegrityFailed;
            return {};
        }
    }

    m_lastError = CipherOk;
    return rest;
}

QByteArray SettingsCipher::decryptToBytes(const QString& cipherText) {
    // Characters outside the Base64 alphabet are skipped by the decoder.
    return decryptToBytes(QByteArray::fromBase64(cipherText.toLatin1()));
}

QString SettingsCipher::decryptToText(const QString& cipherText) {
    return QString::fromUtf8(decryptToBytes(cipherText));
}

QString SettingsCipher::decryptToText(const QByteArray& cipher) {
    return QString::fromUtf8(decryptToBytes(cipher));
}
