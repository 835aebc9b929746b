// The Updates page's check against the stand-in: the question for every channel, the up-to-date
// box, a failed request, and the insider offer shown, switched off and taken up.

#include "app/config.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "httpsstandin.h"
#include "mainwindow/verdimonnuvo.h"
#include "net/insidernotification.h"
#include "net/updates.h"
#include "platform/fakes/fakeplatform.h"
#include "widgets/switch.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void questionForEveryChannel_data();
    void questionForEveryChannel();
    void upToDate_data();
    void upToDate();
    void failedRequestEndsTheCheck();
    void insiderOfferSwitchedOff();
    void insiderOfferTakenUp();

private:
    void useChannel(int channel)
    {
        Settings::setSettingsValue("Updates", "UpdatesChannel", channel);
        window->updatesChannelComboBox->setCurrentIndex(channel);
    }
    InsiderNotification *openOffer() const
    {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *offer = qobject_cast<InsiderNotification *>(top))
                return offer;
        }
        return nullptr;
    }

    HttpsStandIn server;
    std::unique_ptr<plat::FakePlatform> fakes;
    std::unique_ptr<plat::ScopedPlatform> scopedPlatform;
    std::unique_ptr<VerdimonNuvo> window;
    QStringList messages;
};

void TestUpdateCheck::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
    QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
    QVERIFY2(server.start(QStringLiteral("latest")), qPrintable(server.errorText()));
    server.applyEnvironment();
    QVERIFY(Config::installTestCertificateAuthority());
    Settings::setSettingsValue("AppSettings", "AppLanguage", 1);
    Settings::setSettingsValue("Updates", "InstallUpdatesAutomatically", false);
    fakes = std::make_unique<plat::FakePlatform>();
    scopedPlatform = std::make_unique<plat::ScopedPlatform>(fakes->platform());
    window = std::make_unique<VerdimonNuvo>(VerdimonNuvo::StartupActions::Skip);
    MsgDialog::setTestResponder([this](MsgDialog *dialog) {
        messages << dialog->windowTitle() + QLatin1Char('|') + dialog->textLabel()->text();
        return int(QDialogButtonBox::No);
    });
}

void TestUpdateCheck::init()
{
    messages.clear();
    server.clearRequests();
    useChannel(3);
    window->insiderNotificationEnabled = false;
}

void TestUpdateCheck::cleanupTestCase()
{
    MsgDialog::setTestResponder({});
    window.reset();
    scopedPlatform.reset();
}

void TestUpdateCheck::questionForEveryChannel_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("description");
    const QString tail = "build: 4.1.3.1000 is available, would you like to download it?";
    // Development needs an account with development access; without one it reads Insider's.
    QTest::newRow("development") << 0 << "New Verdimon Nuvo Development " + tail
                                 << "insider/en.update.insider.json";
    QTest::newRow("insider") << 1 << "New Verdimon Nuvo Insider " + tail
                             << "insider/en.update.insider.json";
    QTest::newRow("beta") << 2 << "New Verdimon Nuvo Beta " + tail << "beta/en.update.beta.json";
    QTest::newRow("release") << 3 << "New Verdimon Nuvo " + tail
                             << "release/en.update.release.json";
}

void TestUpdateCheck::questionForEveryChannel()
{
    QFETCH(int, channel);
    QFETCH(QString, question);
    QFETCH(QString, description);
    server.applyEnvironment(QStringLiteral("update"));
    useChannel(channel);
    window->checkForAppUpdates();
    QVERIFY(!window->checkUpdatesBtn->isEnabled());
    QCOMPARE(window->latestBuildLabel->text(), QStringLiteral("Checking..."));
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 20000);
    QCOMPARE(messages.first(), "Updates|" + question);
    QCOMPARE(server.requestedPaths(), QStringList { "/update/apps/verdimon_nuvo/" + description });
    QCOMPARE(window->latestBuildLabel->text(), QStringLiteral("4.1.3.1000"));
    QVERIFY(!window->lastCheckLabel->text().isEmpty());
    QVERIFY(window->checkUpdatesBtn->isEnabled());
    server.applyEnvironment();
}

void TestUpdateCheck::upToDate_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("release") << 3 << false << QStringList { "Updates|Verdimon Nuvo is up to date" };
    QTest::newRow("beta") << 2 << false
                          << QStringList { "Updates|Verdimon Nuvo Beta is up to date" };
    QTest::newRow("silent start-up check") << 3 << true << QStringList();
}

void TestUpdateCheck::upToDate()
{
    QFETCH(int, channel);
    QFETCH(bool, silent);
    QFETCH(QStringList, expected);
    useChannel(channel);
    window->silentUpdateCheck = silent;
    window->checkForAppUpdates();
    QTRY_COMPARE_WITH_TIMEOUT(window->latestBuildLabel->text(), QStringLiteral("4.1.3.742"), 20000);
    QCOMPARE(messages, expected);
    QVERIFY(!window->silentUpdateCheck);
}

void TestUpdateCheck::failedRequestEndsTheCheck()
{
    // No description at all: no answer, yet the page may not stay "Checking...".
    server.applyEnvironment(QStringLiteral("missing"));
    window->checkForAppUpdates();
    QCOMPARE(window->lastCheckLabel->text(), QStringLiteral("Checking..."));
    QTRY_COMPARE_WITH_TIMEOUT(window->lastCheckLabel->text(), QStringLiteral("Not checked"), 20000);
    QCOMPARE(window->latestBuildLabel->text(), QStringLiteral("Not checked"));
    QVERIFY(window->checkUpdatesBtn->isEnabled());
    QVERIFY(messages.isEmpty());
    server.applyEnvironment();
}

void TestUpdateCheck::insiderOfferSwitchedOff()
{
    server.applyEnvironment(QStringLiteral("update"));
    window->insiderNotificationEnabled = true;
    window->silentUpdateCheck = true;
    window->setLatestVersion(QStringLiteral("4.1.3.742"));
    QTRY_VERIFY_WITH_TIMEOUT(openOffer(), 20000);
    QCOMPARE(server.requestedPaths(),
             QStringList { "/update/apps/verdimon_nuvo/insider/en.update.insider.json" });
    QCOMPARE(openOffer()->buildNumber(), QStringLiteral("4.1.3.1000"));

    openOffer()->findChild<Switch *>()->click(); // "Do not show this again"
    QVERIFY(!window->insiderNotificationEnabled);
    QVERIFY(!window->insiderNotificationSwitch->isChecked());
    QVERIFY(!Settings::boolValue("Updates", "GetInsiderBuildsNotification", true));
    delete openOffer();

    server.clearRequests();
    window->silentUpdateCheck = true;
    window->setLatestVersion(QStringLiteral("4.1.3.742"));
    QTest::qWait(500);
    QVERIFY(server.requestedPaths().isEmpty());
    QVERIFY(!openOffer());
    server.applyEnvironment();
}

void TestUpdateCheck::insiderOfferTakenUp()
{
    window->setIPUpdateAvailable("4.1.3.1000", "Insider", "\nnotes", false,
                                 server.baseUrl() + "/setups/script");
    InsiderNotification *offer = openOffer();
    QVERIFY(offer);
    window->showFullInfoSwitch->setChecked(true);
    offer->findChild<QPushButton *>("insiderBtn")->click(); // Install
    QCOMPARE(window->updatesChannelComboBox->currentIndex(), 1);
    QCOMPARE(window->aboutChannelLabel->text(), QStringLiteral("Insider"));
    QVERIFY(window->windowTitle().contains(QLatin1String("Insider")));
    Updates *updates = window->findChild<Updates *>();
    QVERIFY(updates && updates->isVisible());
    QCOMPARE(updates->windowModality(), Qt::ApplicationModal);
    QVERIFY(updates->findChild<QTextBrowser *>()->toPlainText().startsWith(
        QLatin1String("Build: 4.1.3.1000\nChannel: Insider")));
    delete updates;
}

QTEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
