#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// A light reversible scrambler for the values the program keeps in its settings store (the database
// location, the backup folder): chained XOR with a fixed key, optional compression, an integrity field,
// Base64 for the printable form. It keeps the values from standing in plain text; it is no security primitive.
class SettingsCipher {
public:
    enum CompressionMode { CompressAuto = 0, CompressAlways = 1, CompressNever = 2 };
    enum IntegrityProtectionMode { IntegrityNone = 0, IntegrityChecksum = 1, IntegrityHash = 2 };
    enum Error { CipherOk = 0, CipherNoKey = 1, CipherBadVersion = 2, CipherIntegrityFailed = 3 };

    SettingsCipher();
    explicit SettingsCipher(quint64 key);

    void setKey(quint64 key);
    bool hasKey() const { return !m_keyParts.isEmpty(); }

    void setCompressionMode(CompressionMode mode) { m_compressionMode = mode; }
    CompressionMode compressionMode() const { return m_compressionMode; }
    void setIntegrityProtectionMode(IntegrityProtectionMode mode) { m_integrityMode = mode; }
    IntegrityProtectionMode integrityProtectionMode() const { return m_integrityMode; }
    Error lastError() const { return m_lastError; }

    QByteArray encryptToBytes(const QByteArray& plain);
    QByteArray encryptToBytes(const QString& plain);
    QString encryptToText(const QString& plain);
    QString encryptToText(const QByteArray& plain);

    QByteArray decryptToBytes(const QByteArray& cipher);
    QByteArray decryptToBytes(const QString& cipherText);
    QString decryptToText(const QString& cipherText);
    QString decryptToText(const QByteArray& cipher);

private:
    void splitKey();

    quint64 m_key = 0;
    QVector<char> m_keyParts;
    CompressionMode m_compressionMode = CompressAuto;
    IntegrityProtectionMode m_integrityMode = IntegrityChecksum;
    Error m_lastError = CipherOk;
};
