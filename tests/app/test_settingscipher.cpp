#include "testsupport.h"

#include "app/settingscipher.h"
#include "app/settingskeys.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QtEndian>

// The cipher's format checked from the outside: cipher texts built here byte by byte must decipher, and what
// the program writes must have the layout the settings of earlier installations have.
class TestSettingsCipher : public QObject {
    Q_OBJECT

private:
    // CRC-16 of ISO 3309 (HDLC), computed bit by bit.
    static quint16 crc16(const QByteArray& data) {
        quint16 crc = 0xFFFF;
        for (const char byte : data) {
            crc ^= quint8(byte);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 1) ? quint16((crc >> 1) ^ 0x8408) : quint16(crc >> 1);
        }
        return quint16(~crc);
    }

    // A cipher text of the program's format, assembled by hand.
    static QByteArray handMade(quint64 key, char flags, char random, const QByteArray& integrity,
                               const QByteArray& payload) {
        QByteArray body = QByteArray(1, random) + integrity + payload;
        char previous = 0;
        for (int i = 0; i < body.size(); ++i) {
            const char keyPart = char((key >> (8 * (i % 8))) & 0xFF);
            previous = char(body.at(i) ^ keyPart ^ previous);
            body[i] = previous;
        }
        return QByteArray(1, 0x03) + QByteArray(1, flags) + body;
    }

    static QByteArray bigEndian(quint16 value) {
        QByteArray field(2, 0);
        qToBigEndian(value, field.data());
        return field;
    }

private slots:
    void checksumIsTheIso3309One() { QCOMPARE(crc16("123456789"), quint16(0x906E)); }

    void handMadeCipherTextsDecipher() {
        const QString path = QStringLiteral("D:/Cabinet dentaire/Année 2017/data.mdb");
        const QByteArray plain = path.toUtf8();

        const QByteArray withChecksum =
            handMade(settingskeys::cipherKey, 0x02, char(0xA7), bigEndian(crc16(plain)), plain);
        SettingsCipher cipher(settingskeys::cipherKey);
        QCOMPARE(cipher.decryptToText(QString::fromLatin1(withChecksum.toBase64())), path);
        QCOMPARE(cipher.lastError(), SettingsCipher::CipherOk);

        const QByteArray compressed = qCompress(plain, 9);
        const QByteArray digest = QCryptographicHash::hash(compressed, QCryptographicHash::Sha1);
        const QByteArray withHash = handMade(settingskeys::cipherKey, 0x05, 0x11, digest, compressed);
        QCOMPARE(cipher.decryptToBytes(withHash), plain);
        QCOMPARE(cipher.lastError(), SettingsCipher::CipherOk);

        const QByteArray bare = handMade(settingskeys::cipherKey, 0x00, 0x42, {}, plain);
        QCOMPARE(cipher.decryptToBytes(bare), plain);

        // Both integrity bits set: only the checksum is looked at.
        const QByteArray both = handMade(settingskeys::cipherKey, 0x06, 0x01, bigEndian(crc16(plain)), plain);
        QCOMPARE(cipher.decryptToBytes(both), plain);
    }

    void writtenValuesHaveTheStoredLayout() {
        SettingsCipher cipher(settingskeys::cipherKey);
        const QByteArray empty = cipher.encryptToBytes(QByteArray());
        QCOMPARE(empty.size(), 5);
        QCOMPARE(empty.at(0), char(0x03));
        QCOMPARE(empty.at(1), char(0x02));
        QCOMPARE(cipher.decryptToBytes(empty), QByteArray());
        QCOMPARE(cipher.lastError(), SettingsCipher::CipherOk);

        // Undo the chain by hand: the checksum field is the big-endian CRC of the value.
        const QByteArray letter = cipher.encryptToBytes(QStringLiteral("s"));
        QCOMPARE(letter.size(), 6);
        QCOMPARE(letter.at(1), char(0x02));
        QByteArray body = letter.mid(2);
        char previous = 0;
        for (int i = 0; i < body.size(); ++i) {
            const char c = body.at(i);
            body[i] = char(c ^ char((settingskeys::cipherKey >> (8 * i)) & 0xFF) ^ previous);
            previous = c;
        }
        QCOMPARE(body.mid(1, 2), bigEndian(crc16("s")));
        QCOMPARE(body.mid(3), QByteArray("s"));

        // The printable form is plain Base64 of 4 * ceil((5 + k) / 3) characters.
        const QString text = cipher.encryptToText(QStringLiteral("c"));
        QCOMPARE(text.size(), 8);
        QCOMPARE(QByteArray::fromBase64(text.toLatin1()).at(1), char(0x02));

        // A long repetitive value is worth compressing, and says so.
        const QString longPath = QStringLiteral("C:/").repeated(40) + QStringLiteral("data.mdb");
        const QByteArray packed = cipher.encryptToBytes(longPath);
        QCOMPARE(packed.at(1), char(0x03));
        QVERIFY(packed.size() < longPath.size());
        QCOMPARE(cipher.decryptToText(packed), longPath);
    }

    void everyModeRoundTrips() {
        const QByteArray values[] = {QByteArray(), QByteArray("s"),
                                     QStringLiteral("/srv/Cabinet é/données.mdb").toUtf8(), QByteArray(300, 'x'),
                                     QByteArray("\0\x01\xff", 3)};
        for (int compression = 0; compression < 3; ++compression) {
            for (int integrity = 0; integrity < 3; ++integrity) {
                SettingsCipher cipher(settingskeys::cipherKey);
                cipher.setCompressionMode(SettingsCipher::CompressionMode(compression));
                cipher.setIntegrityProtectionMode(SettingsCipher::IntegrityProtectionMode(integrity));
                for (const QByteArray& value : values) {
                    const QByteArray sealed = cipher.encryptToBytes(value);
                    QCOMPARE(bool(sealed.at(1) & 0x01),
                             compression == SettingsCipher::CompressAlways ||
                                 (compression == SettingsCipher::CompressAuto && value.size() > 100));
                    QCOMPARE(bool(sealed.at(1) & 0x02), integrity == SettingsCipher::IntegrityChecksum);
                    QCOMPARE(bool(sealed.at(1) & 0x04), integrity == SettingsCipher::IntegrityHash);
                    SettingsCipher reader(settingskeys::cipherKey);
                    QCOMPARE(reader.decryptToBytes(sealed), value);
                    QCOMPARE(reader.lastError(), SettingsCipher::CipherOk);
                }
            }
        }
    }

    void encryptionsOfOneValueVary() {
        SettingsCipher cipher(settingskeys::cipherKey);
        QSet<QString> seen;
        for (int i = 0; i < 32; ++i) {
            const QString text = cipher.encryptToText(QStringLiteral("database/data.mdb"));
            QCOMPARE(cipher.decryptToText(text), QStringLiteral("database/data.mdb"));
            seen.insert(text);
        }
        QVERIFY(seen.size() > 1);
    }

    void damagedCipherTextsFail() {
        SettingsCipher cipher(settingskeys::cipherKey);
        for (const auto mode : {SettingsCipher::IntegrityChecksum, SettingsCipher::IntegrityHash}) {
            cipher.setIntegrityProtectionMode(mode);
            const QByteArray sealed = cipher.encryptToBytes(QStringLiteral("C:/Program Files/Kelvora/data.mdb"));
            for (int i = 2; i < sealed.size(); ++i) {
                for (const char delta : {char(0x01), char(0xFF)}) {
                    QByteArray damaged = sealed;
                    damaged[i] = char(damaged.at(i) ^ delta);
                    QCOMPARE(cipher.decryptToBytes(damaged), QByteArray());
                    QCOMPARE(cipher.lastError(), SettingsCipher::CipherIntegrityFailed);
                }
            }
        }

        // Flags promising a checksum with no room for it.
        QCOMPARE(cipher.decryptToBytes(handMade(settingskeys::cipherKey, 0x02, 0x33, {}, QByteArray(1, 'x'))),
                 QByteArray());
        QCOMPARE(cipher.lastError(), SettingsCipher::CipherIntegrityFailed);
        QCOMPARE(cipher.decryptToBytes(handMade(settingskeys::cipherKey, 0x04, 0x33, {}, QByteArray(19, 'x'))),
                 QByteArray());
        QCOMPARE(cipher.lastError(), SettingsCipher::CipherIntegrityFailed);

        // A "compressed" payload that does not expand is reported, not handed back as an empty value.
        const QByteArray garbage("\x00\x00\x00\x10not a zlib stream", 21);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("qUncompress"));
        QCOMPARE(
            cipher.decryptToBytes(handMade(settingskeys::cipherKey, 0x03, 0x33, bigEndian(crc16(garbage)), garbage)),
            QByteArray());
        QCOMPARE(cipher.lastError(), SettingsCipher::CipherIntegrityFailed);

        // Another key fails the integrity test and nothing worse happens.
        SettingsCipher other(0x1122334455667788ULL);
        QCOMPARE(other.decryptToBytes(cipher.encryptToBytes(QStringLiteral("database/data.mdb"))), QByteArray());
        QCOMPARE(other.lastError(), SettingsCipher::CipherIntegrityFailed);
    }

    void oddInputs() {
        SettingsCipher cipher(settingskeys::cipherKey);
        QCOMPARE(cipher.decryptToBytes(QByteArray(1, 0x03)), QByteArray());
        QCOMPARE(cipher.lastError(), SettingsCipher::CipherOk);

        QTest::ignoreMessage(QtWarningMsg, "Invalid version or not a cyphertext.");
        QCOMPARE(cipher.decryptToBytes(QString()), QByteArray());
        QCOMPARE(cipher.lastError(), SettingsCipher::CipherBadVersion);

        QTest::ignoreMessage(QtWarningMsg, "Invalid version or not a cyphertext.");
        QCOMPARE(cipher.decryptToText(QStringLiteral("C:/plain/path/data.mdb")), QString());
        QCOMPARE(cipher.lastError(), SettingsCipher::CipherBadVersion);

        // Characters outside the Base64 alphabet (line breaks, blanks) are skipped.
        const QString text = cipher.encryptToText(QStringLiteral("/home/cabinet/data.mdb"));
        QString spread = text;
        spread.insert(4, QStringLiteral("\n ")).insert(10, QStringLiteral("\t"));
        QCOMPARE(cipher.decryptToText(spread), QStringLiteral("/home/cabinet/data.mdb"));
        QCOMPARE(cipher.lastError(), SettingsCipher::CipherOk);
    }

    void withoutKey() {
        SettingsCipher cipher;
        QVERIFY(!cipher.hasKey());
        QTest::ignoreMessage(QtWarningMsg, "No key set.");
        QCOMPARE(cipher.encryptToText(QStringLiteral("s")), QString());
        QCOMPARE(cipher.lastError(), SettingsCipher::CipherNoKey);
        QTest::ignoreMessage(QtWarningMsg, "No key set.");
        QCOMPARE(cipher.decryptToBytes(QByteArray(1, 0x03)), QByteArray());
        QCOMPARE(cipher.lastError(), SettingsCipher::CipherNoKey);

        // The instance stays usable once it has a key.
        cipher.setKey(settingskeys::cipherKey);
        const QString text = cipher.encryptToText(QStringLiteral("s"));
        QCOMPARE(cipher.lastError(), SettingsCipher::CipherOk);
        QCOMPARE(SettingsCipher(settingskeys::cipherKey).decryptToText(text), QStringLiteral("s"));
    }
};

KELVORA_TEST(TestSettingsCipher)
#include "test_settingscipher.moc"
