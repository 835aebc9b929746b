#include "app/cipher.h"

#include <QtTest>

// Known cipher texts below were worked out by hand from the cipher's definition (CRC-16 of
// ISO 3309, XOR chain over the key bytes, least significant first), not taken from this code.
class TestCipher : public QObject
{
    Q_OBJECT
private slots:
    // leadByte -1: a mode only read here (compression with checksum, SHA-1 integrity).
    void knownForms_data()
    {
        QTest::addColumn<quint64>("key");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<int>("leadByte");
        QTest::addColumn<QString>("cipher");
        const quint64 login = credentialsCipherKey;
        const quint64 dev = devBuildCipherKey;
        QTest::newRow("one letter") << login << QString("a") << 0x00 << QString("AwJr4UsQ");
        QTest::newRow("dev marker") << dev << QString("yes") << 0x5a << QString("AwJyncJ7i+M=");
        QTest::newRow("cyrillic") << login << QString("пароль") << 0xff
                                  << QString("AwKUO9A6Z3BRzyT8H/Wsuqc=");
        QTest::newRow("no") << dev << QString("no") << 0x00 << QString("AwIoLHvVLw==");
        QTest::newRow("compressed, checksum") << login << QString(100, QLatin1Char('a')) << -1
                                              << QString("AwN631dtj0i9ijt4afco735LZ0ry");
        QTest::newRow("sha1") << login << QString("secret") << -1
                              << QString("AwRJpBDQKU3CQDHRw4ykyR8fTiBCfWvfKwcec1o=");
    }
    void knownForms()
    {
        QFETCH(quint64, key);
        QFETCH(QString, plain);
        QFETCH(int, leadByte);
        QFETCH(QString, cipher);
        StringCipher c(key);
        if (leadByte >= 0) {
            const QByteArray produced = c.encryptToByteArray(plain.toUtf8(), quint8(leadByte));
            QCOMPARE(QString::fromLatin1(produced.toBase64()), cipher);
            QCOMPARE(c.lastErrorCode(), int(StringCipher::ErrorNoError));
        }
        const QByteArray out = c.decryptToByteArray(QByteArray::fromBase64(cipher.toLatin1()));
        QCOMPARE(QString::fromUtf8(out), plain);
        QCOMPARE(c.lastErrorCode(), int(StringCipher::ErrorNoError));
        QCOMPARE(decryptString(key, cipher), plain);
    }

    void failures_data()
    {
        QTest::addColumn<quint64>("key");
        QTest::addColumn<QString>("cipher");
        QTest::addColumn<int>("error");
        const quint64 login = credentialsCipherKey;
        const std::tuple<const char *, quint64, const char *, int> rows[] = {
            { "bad checksum", login, "AwJrYz58", StringCipher::ErrorIntegrityFailed },
            { "wrong key", devBuildCipherKey, "AwJr4UsQ", StringCipher::ErrorIntegrityFailed },
            { "wrong version", login, "AgIBAgM=", StringCipher::ErrorUnknownVersion },
            { "too short", login, "AwI=", StringCipher::ErrorNoError },
            { "not base64 text", login, "no", StringCipher::ErrorNoError },
        };
        for (const auto &[tag, key, cipher, error] : rows)
            QTest::newRow(tag) << key << QString(cipher) << error;
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

    void compressionOnlyWhereItPays()
    {
        const QByteArray small
            = QByteArray::fromBase64(encryptString(credentialsCipherKey, "x").toLatin1());
        QCOMPARE(small.size(), 2 + 1 + 2 + 1);
        QCOMPARE(small.left(2), QByteArray("\x03\x02")); // version 3, not compressed
        const QByteArray large = QByteArray::fromBase64(
            encryptString(credentialsCipherKey, QString(500, QLatin1Char('z'))).toLatin1());
        QCOMPARE(int(large.at(1)), 0x03);
        QVERIFY(large.size() < 100);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::newRow("empty") << QString();
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

    // Compressed bodies whose size header lies must not inflate unbounded.
    void inflateStopsAtTheLimit_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("checksum");
        QTest::addColumn<int>("plainSize"); // 0: refused
        QTest::newRow("1 GiB header")
            << QByteArray::fromHex("40000000") + QByteArray(8, '\0') << true << 0;
        QByteArray oneMiB = qCompress(QByteArray(1 << 20, 'a'));
        QByteArray bomb = qCompress(QByteArray(8 << 20, 'a'));
        oneMiB.replace(0, 4, QByteArray::fromHex("00000100"));
        bomb.replace(0, 4, QByteArray::fromHex("00000100"));
        QTest::newRow("1 MiB") << oneMiB << false << (1 << 20);
        // Found by fuzzing: a small size header and no checksum let a bomb inflate unbounded.
        QTest::newRow("8 MiB behind a 256-byte header") << bomb << false << 0;
    }
    void inflateStopsAtTheLimit()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, checksum);
        const quint16 sum = qChecksum(body.constData(), uint(body.size()));
        if (checksum)
            body.prepend(QByteArray(1, char(sum >> 8)) + char(sum & 0xFF));
        body.prepend('\0'); // the leading random byte
        const quint64 key = credentialsCipherKey;
        char previous = 0;
        for (int i = 0; i < body.size(); ++i) {
            body[i] = char(body.at(i) ^ char((key >> (8 * (i % 8))) & 0xFF) ^ previous);
            previous = body.at(i);
        }
        StringCipher c(key);
        // Flags: compressed, with or without the integrity value.
        const QByteArray flags = QByteArray("\x03", 1) + char(checksum ? 0x03 : 0x01);
        QTEST(c.decryptToByteArray(flags + body).size(), "plainSize");
    }
};

QTEST_GUILESS_MAIN(TestCipher)
#include "tst_cipher.moc"
