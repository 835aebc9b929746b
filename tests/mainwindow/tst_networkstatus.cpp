// The network status against the HTTPS stand-in: answering, answering "::1", failing, stalling.

#include "app/config.h"
#include "app/settings.h"
#include "httpsstandin.h"
#include "mainwindow/verdimonnuvo.h"
#include "net/networkmanager.h"
#include "platform/fakes/fakeplatform.h"

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
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("style");
        const char *green = "color: #008000;", *red = "color: #FF0000;";
        QTest::newRow("answer") << "answer" << 0 << "127.0.0.1" << green;
        QTest::newRow("gray") << "answer" << 1 << "127.0.0.1"
                              << "color: #79B220;";
        QTest::newRow("::1") << "loopback6" << 2 << "127.0.0.1" << green;
        QTest::newRow("fail") << "fail" << 0 << "Unknown" << red;
        // The service never answers: the request gives up and the button comes back.
        QTest::newRow("stall") << "stall" << 0 << "Unknown" << red;
    }

    void check()
    {
        QFETCH(QString, mode);
        QFETCH(int, theme);
        QFETCH(QString, address);
        standIn.applyEnvironment(mode);
        Settings::setSettingsValue("AppSettings", "AppTheme", theme);
        VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
        window.checkNetwork();
        QVERIFY(!window.checkConnectionBtn->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(window.checkConnectionBtn->isEnabled(),
                                 NetworkManager::transferTimeoutMs + 10000);
        QCOMPARE(window.networkStatusValueLabel->text(),
                 address == "Unknown" ? "Not connected" : "Connected");
        QCOMPARE(window.ipValueLabel->text(), address);
        QTEST(window.networkStatusValueLabel->styleSheet(), "style");
        QTEST(window.ipValueLabel->styleSheet(), "style");
    }
};

QTEST_MAIN(TstNetworkStatus)
#include "tst_networkstatus.moc"
