#include "app/config.h"

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QtTest>

// Each case sets the variables it needs and clears them after.
class TestConfig : public QObject
{
    Q_OBJECT
private slots:
    // The test script exports the stand-ins' addresses; every case starts from none.
    void init() { cleanup(); }

    void cleanup()
    {
        for (const char *name : { "VN_WEB_HOST", "VN_WEB_PORT", "VN_WEB_BASE_URL", "VN_FTP_HOST",
                                  "VN_FTP_PORT", "VN_DB_HOST", "VN_DB_PORT", "VN_TEST_CA_FILE" })
            qunsetenv(name);
    }

    void defaultsAndOverrides()
    {
        QCOMPARE(Config::webHost(), QString("www.verdimon.example"));
        QCOMPARE(Config::webPort(), quint16(443));
        QCOMPARE(Config::webBaseUrl(), QString("https://www.verdimon.example"));
        QVERIFY(Config::ftpHost().endsWith(".example"));
        QCOMPARE(Config::ftpPort(), quint16(21));
        QVERIFY(Config::dbHost().endsWith(".example"));
        QCOMPARE(Config::dbPort(), quint16(3306));
        qputenv("VN_FTP_HOST", "127.0.0.1");
        qputenv("VN_FTP_PORT", "2121");
        qputenv("VN_DB_HOST", "::1");
        qputenv("VN_DB_PORT", "13306");
        QCOMPARE(Config::ftpHost(), QString("127.0.0.1"));
        QCOMPARE(Config::ftpPort(), quint16(2121));
        QCOMPARE(Config::dbHost(), QString("::1"));
        QCOMPARE(Config::dbPort(), quint16(13306));
    }

    // A port that is no port keeps the default; an explicit base address wins, without its
    // closing slash.
    void webOverrides()
    {
        const std::tuple<QByteArray, QByteArray, QByteArray, quint16, QString> table[] = {
            { "127.0.0.1", "8443", "", 8443, "https://127.0.0.1:8443" },
            { "localhost", "9443", "https://localhost:9443/api/", 9443,
              "https://localhost:9443/api" },
            { "localhost", "70000", "", 443, "https://localhost" },
            { "localhost", "https", "", 443, "https://localhost" },
        };
        for (const auto &[host, port, base, expectedPort, expectedBase] : table) {
            cleanup();
            qputenv("VN_WEB_HOST", host);
            qputenv("VN_WEB_PORT", port);
            if (!base.isEmpty())
                qputenv("VN_WEB_BASE_URL", base);
            QCOMPARE(Config::webHost(), QString::fromLatin1(host));
            QCOMPARE(Config::webPort(), expectedPort);
            QCOMPARE(Config::webBaseUrl(), expectedBase);
        }
    }

    void testAuthority()
    {
        qputenv("VN_TEST_CA_FILE", "/nonexistent/ca.pem");
        QVERIFY(!Config::installTestCertificateAuthority());

        const QString file = QStringLiteral(VN_SOURCE_DIR) + "/tests/app/data/testca.pem";
        qputenv("VN_TEST_CA_FILE", file.toLocal8Bit());
        const QList<QSslCertificate> wanted = QSslCertificate::fromPath(file);
        QCOMPARE(wanted.size(), 1);
        QVERIFY(Config::installTestCertificateAuthority());
        QVERIFY(
            QSslConfiguration::defaultConfiguration().caCertificates().contains(wanted.first()));
        // A second call adds nothing more.
        const int count = QSslConfiguration::defaultConfiguration().caCertificates().size();
        QVERIFY(Config::installTestCertificateAuthority());
        QCOMPARE(QSslConfiguration::defaultConfiguration().caCertificates().size(), count);
    }
};

QTEST_GUILESS_MAIN(TestConfig)
#include "tst_config.moc"
