#include "app/cipher.h"

#include <QtTest>

// Known cipher texts below were worked out by hand from the cipher's definition (CRC-16 of
// ISO 3309, XOR chain over the key bytes, least significant first), not taken from this code.
class TestCipher : public QObject
{
    Q_OBJECT
private slots:
    void checksumIsIso3309() { QCOMPARE(qChecksum("123456789", 9), quint16(0x906E)); }

    void knownForms_data()
    {
        QTest::addColumn<quint64>("key");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<int>("leadByte");
        QTest::addColumn<QString>("cipher");
        QTest::newRow("one letter")
            << credentialsCipherKey << QStringLiteral("a") << 0x00 << QStringLiteral("AwJr4UsQ");
        QTest::newRow("dev marker")
            << devBuildCipherKey << QStringLiteral("yes") << 0x5a << QStringLiteral("AwJyncJ7i+M=");
        QTest::newRow("cyrillic") << credentialsCipherKey << QStringLiteral("пароль") << 0xff
                                  << QStringLiteral("AwKUO9A6Z3BRzyT8H/Wsuqc=");
        QTest::newRow("no") << devBuildCipherKey << QStringLiteral("no") << 0x00
                            << QStringLiteral("AwIoLHvVLw==");
    }
    void knownForms()
    {
        QFETCH(quint64, key);
        QFETCH(QString, plain);
        QFETCH(int, leadByte);
        QFETCH(QString, cipher);

        StringCipher c(key);
        const QByteArray produced = c.encryptToByteArray(plain.toUtf8(), quint8(leadByte));
        QCOMPARE(QString::fromLatin1(produced.toBase64()), cipher);
        QCOMPARE(c.lastErrorCode(), int(StringCipher::ErrorNoError));
        QCOMPARE(decryptString(key, cipher), plain);
    }

    void decryptsOtherModes_data()
    {
        QTest::addColumn<QString>("cipher");
        QTest::addColumn<QString>("plain");
        QTest::newRow("compressed, checksum")
            << QStringLiteral("AwN631dtj0i9ijt4afco735LZ0ry") << QString(100, QLatin1Char('a'));
        QTest::newRow("sha1") << QStringLiteral("AwRJpBDQKU3CQDHRw4ykyR8fTiBCfWvfKwcec1o=")
                              << QStringLiteral("secret");
    }
    void decryptsOtherModes()
    {
        QFETCH(QString, cipher);
        QFETCH(QString, plain);
        StringCipher c(credentialsCipherKey);
        const QByteArray out = c.decryptToByteArray(QByteArray::fromBase64(cipher.toLatin1()));
        QCOMPARE(QString::fromUtf8(out), plain);
        QCOMPARE(c.lastErrorCode(), int(StringCipher::ErrorNoError));
    }

    void failures_data()
    {
        QTest::addColumn<quint64>("key");
        QTest::addColumn<QString>("cipher");
        QTest::addColumn<int>("error");
        QTest::newRow("bad checksum") << credentialsCipherKey << QStringLiteral("AwJrYz58")
                                      << int(StringCipher::ErrorIntegrityFailed);
        QTest::newRow("wrong key") << devBuildCipherKey << QStringLiteral("AwJr4UsQ")
                                   << int(StringCipher::ErrorIntegrityFailed);
        QTest::newRow("wrong version") << credentialsCipherKey << QStringLiteral("AgIBAgM=")
                                       << int(StringCipher::ErrorUnknownVersion);
        QTest::newRow("too short")
            << credentialsCipherKey << QStringLiteral("AwI=") << int(StringCipher::ErrorNoError);
        QTest::newRow("not base64 text")
            << credentialsCipherKey << QStringLiteral("no") << int(StringCipher::ErrorNoError);
    }
    void failures()
    {
        QFETCH(quint64, key);
        QFETCH(QString, cipher);
        QFETCH(int, error);
        if (error == StringCipher::ErrorUnknownVersion)
            QTest::ignoreMessage(QtWarningMsg, "Invalid version or not a cyphertext.");
        StringCipher c(key);
        QVERIFY(c.decryptToByteArray(QByteArray::fromBase64(cipher.toLatin1())).isEmpty());
        QCOMPARE(c.lastErrorCode(), error);
        if (error == StringCipher::ErrorUnknownVersion)
            QTest::ignoreMessage(QtWarningMsg, "Invalid version or not a cyphertext.");
        QCOMPARE(decryptString(key, cipher), QString());
    }

    void noKeySet()
    {
        StringCipher c;
        QTest::ignoreMessage(QtWarningMsg, "No key set.");
        QVERIFY(c.encryptToByteArray("x", 0).isEmpty());
        QCOMPARE(c.lastErrorCode(), int(StringCipher::ErrorNoKeySet));
    }

    void shortTextIsNotCompressed()
    {
        const QByteArray raw
            = QByteArray::fromBase64(encryptString(credentialsCipherKey, "x").toLatin1());
        QCOMPARE(raw.size(), 2 + 1 + 2 + 1);
        QCOMPARE(int(raw.at(0)), 3);
        QCOMPARE(int(raw.at(1)), 0x02);
    }

    void longRepetitiveTextIsCompressed()
    {
        const QByteArray raw = QByteArray::fromBase64(
            encryptString(credentialsCipherKey, QString(500, QLatin1Char('z'))).toLatin1());
        QCOMPARE(int(raw.at(1)), 0x03);
        QVERIFY(raw.size() < 100);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::newRow("empty") << QString();
        QTest::newRow("ascii") << QStringLiteral("user@example.org");
        QTest::newRow("ukrainian") << QStringLiteral("Ґанок їжака");
        QTest::newRow("cjk and emoji") << QStringLiteral("中文 \U0001F600");
        QTest::newRow("long") << QString(3000, QLatin1Char('q')) + QStringLiteral("end");
    }
    void roundTrip()
    {
        QFETCH(QString, plain);
        for (quint64 key : { credentialsCipherKey, devBuildCipherKey }) {
            const QString cipher = encryptString(key, plain);
            QVERIFY(!cipher.isEmpty());
            QCOMPARE(decryptString(key, cipher), plain);
        }
    }

    void forgedSizeHeaderIsRefused()
    {
        // A compressed body whose size header claims 1 GiB must not be inflated.
        QByteArray payload = QByteArray::fromHex("40000000") + QByteArray(8, '\0');
        const quint16 sum = qChecksum(payload.constData(), uint(payload.size()));
        QByteArray body;
        body.append('\0');
        body.append(char(sum >> 8));
        body.append(char(sum & 0xFF));
        body.append(payload);
        const quint64 key = credentialsCipherKey;
        char previous = 0;
        for (int i = 0; i < body.size(); ++i) {
            body[i] = char(body.at(i) ^ char((key >> (8 * (i % 8))) & 0xFF) ^ previous);
            previous = body.at(i);
        }
        StringCipher c(key);
        QVERIFY(c.decryptToByteArray(QByteArray("\x03\x03", 2) + body).isEmpty());
    }

    void inflateStopsAtTheLimit_data()
    {
        QTest::addColumn<int>("plainSize");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("1 MiB") << (1 << 20) << true;
        // Found by fuzzing: a small size header and no checksum let a bomb inflate unbounded.
        QTest::newRow("8 MiB behind a 256-byte header") << (8 << 20) << false;
    }
    void inflateStopsAtTheLimit()
    {
        QFETCH(int, plainSize);
        QFETCH(bool, accepted);
        QByteArray body = qCompress(QByteArray(plainSize, 'a'));
        body.replace(0, 4, QByteArray::fromHex("00000100"));
        body.prepend('\0'); // the leading random byte
        const quint64 key = credentialsCipherKey;
        char previous = 0;
        for (int i = 0; i < body.size(); ++i) {
            body[i] = char(body.at(i) ^ char((key >> (8 * (i % 8))) & 0xFF) ^ previous);
            previous = body.at(i);
        }
        StringCipher c(key);
        // Flags: compressed, no integrity value.
        const QByteArray plain = c.decryptToByteArray(QByteArray("\x03\x01", 2) + body);
        QCOMPARE(plain.size(), accepted ? plainSize : 0);
    }
};

QTEST_GUILESS_MAIN(TestCipher)
#include "tst_cipher.moc"
