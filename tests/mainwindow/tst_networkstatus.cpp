// The network status of the Application settings page against the HTTPS stand-in of the vendor's
// web service: answering, answering "::1", failing and never answering.

#include "app/config.h"
#include "app/settings.h"
#include "mainwindow/verdimonnuvo.h"
#include "net/networkmanager.h"
#include "platform/fakes/fakeplatform.h"

#include "httpsstandin.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TstNetworkStatus : public QObject
{
    Q_OBJECT

    HttpsStandIn standIn;
    plat::FakePlatform fakes;
    std::unique_ptr<plat::ScopedPlatform> scoped;

private slots:
    void initTestCase()
    {
        QVERIFY2(standIn.start(), qPrintable(standIn.errorText()));
        standIn.applyEnvironment();
        QVERIFY(Config::installTestCertificateAuthority());
        scoped = std::make_unique<plat::ScopedPlatform>(fakes.platform());
    }

    void check_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("style");
        QTest::newRow("answer") << "answer" << 0 << "Connected"
                                << "127.0.0.1"
                                << "color: #008000;";
        QTest::newRow("gray") << "answer" << 1 << "Connected"
                              << "127.0.0.1"
                              << "color: #79B220;";
        QTest::newRow("::1") << "loopback6" << 2 << "Connected"
                             << "127.0.0.1"
                             << "color: #008000;";
        QTest::newRow("fail") << "fail" << 0 << "Not connected"
                              << "Unknown"
                              << "color: #FF0000;";
        QTest::newRow("empty") << "empty" << 0 << "Not connected"
                               << "Unknown"
                               << "color: #FF0000;";
        // The service never answers: the request gives up and the button comes back.
        QTest::newRow("stall") << "stall" << 0 << "Not connected"
                               << "Unknown"
                               << "color: #FF0000;";
    }

    void check()
    {
        QFETCH(QString, mode);
        QFETCH(int, theme);
        standIn.applyEnvironment(mode);
        Settings::setSettingsValue(QStringLiteral("AppSettings"), QStringLiteral("AppTheme"),
                                   theme);
        VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);

        window.checkNetwork();
        QVERIFY(!window.checkConnectionBtn->isEnabled());
        QCOMPARE(window.networkStatusValueLabel->text(), QStringLiteral("Checking..."));
        QCOMPARE(window.ipValueLabel->styleSheet(), QStringLiteral("font-weight: normal;"));

        QTRY_VERIFY_WITH_TIMEOUT(window.checkConnectionBtn->isEnabled(),
                                 NetworkManager::transferTimeoutMs + 10000);
        QTEST(window.networkStatusValueLabel->text(), "status");
        QTEST(window.networkStatusValueLabel->styleSheet(), "style");
        QTEST(window.ipValueLabel->text(), "address");
        QTEST(window.ipValueLabel->styleSheet(), "style");
    }
};

QTEST_MAIN(TstNetworkStatus)
#include "tst_networkstatus.moc"
