// The update check, the insider offer and the network status against the HTTPS stand-in.

#include "app/applog.h"
#include "app/config.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "appidentity.h"
#include "httpsstandin.h"
#include "mainwindow/verdimonnuvo.h"
#include "net/insidernotification.h"
#include "net/networkmanager.h"
#include "net/updates.h"
#include "widgets/switch.h"
#include "windowfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

class TestUpdateCheck : public QObject, private WindowFixture
{
    Q_OBJECT

    HttpsStandIn server;
    QStringList messages;
    QList<int> icons;
    int answer = QDialogButtonBox::No;

    void useChannel(int channel)
    {
        Settings::setSettingsValue("Updates", "UpdatesChannel", channel);
        window->updatesChannelComboBox->setCurrentIndex(channel);
    }

    static InsiderNotification *openOffer()
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *offer = qobject_cast<InsiderNotification *>(top))
                return offer;
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(server.start(QStringLiteral("latest")), qPrintable(server.errorText()));
        server.applyEnvironment();
        QVERIFY(Config::installTestCertificateAuthority());
        Settings::setSettingsValue("AppSettings", "AppLanguage", 1);
        Settings::setSettingsValue("Updates", "InstallUpdatesAutomatically", false);
        startWindow(VerdimonNuvo::StartupActions::Skip);
        MsgDialog::setTestResponder([this](MsgDialog *dialog) {
            messages << dialog->windowTitle() + QLatin1Char('|') + dialog->textLabel()->text();
            icons << dialog->iconKind();
            return answer;
        });
    }

    void init()
    {
        messages.clear();
        icons.clear();
        answer = QDialogButtonBox::No;
        server.clearRequests();
        server.applyEnvironment();
        useChannel(3);
        window->insiderNotificationEnabled = false;
    }

    void cleanupTestCase() { stopWindow(); }

    // Updates switched on again and nothing left checking (after the prompt's tests).
    void cleanup()
    {
        window->disableUpdatesSwitch->setChecked(false);
        window->saveUpdatesOptions(false);
        window->updatesDisabled = false;
        window->silentUpdateCheck = false;
        QTRY_VERIFY_WITH_TIMEOUT(window->checkUpdatesBtn->isEnabled(), 20000);
    }

    void check_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("channel");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("build");
        QTest::addColumn<QStringList>("expected");
        const QString question = "Updates|New Verdimon Nuvo %1build: 4.1.3.1000 is available, "
                                 "would you like to download it?";
        const QString insider = "insider/en.update.insider.json";
        const QString release = "release/en.update.release.json";
        // Development needs an account with development access; without one it reads Insider's.
        const char *const names[] = { "Development", "Insider", "Beta", "Release" };
        for (const auto &[channel, file] : { std::pair<int, QString>(0, insider),
                                             { 1, insider },
                                             { 2, "beta/en.update.beta.json" },
                                             { 3, release } }) {
            const QString name = channel == 3 ? QString() : names[channel] + QString(' ');
            QTest::newRow(names[channel]) << "update" << channel << false << file << "4.1.3.1000"
                                          << QStringList(question.arg(name));
        }
        QTest::newRow("up to date") << "latest" << 3 << false << release << "4.1.3.742"
                                    << QStringList("Updates|Verdimon Nuvo is up to date");
        QTest::newRow("beta up to date")
            << "latest" << 2 << false << "beta/en.update.beta.json"
            << "4.1.3.742" << QStringList("Updates|Verdimon Nuvo Beta is up to date");
        QTest::newRow("silent start-up check")
            << "latest" << 3 << true << release << "4.1.3.742" << QStringList();
        // No description at all: no answer, yet the page may not stay "Checking...".
        QTest::newRow("failed") << "missing" << 3 << false << release << "Not checked"
                                << QStringList();
        // Only a 2xx reply within its bounds is a description.
        QTest::newRow("redirect carrying a description")
            << "redirect" << 3 << false << release << "Not checked" << QStringList();
        QTest::newRow("error page")
            << "status500true" << 3 << false << release << "Not checked" << QStringList();
        QTest::newRow("endless description")
            << "endless" << 3 << false << release << "Not checked" << QStringList();
        // The build is shown as the server wrote it, markup and all, never rendered.
        QTest::newRow("markup") << "markup" << 3 << false << release
                                << "4.1.3.742<a href=\"file:///etc/passwd\">passwd</a><img "
                                   "src=\"file:///usr/share/pixmaps/x.png\"><b>"
                                << QStringList("Updates|Verdimon Nuvo is up to date");
    }

    void check()
    {
        QFETCH(QString, mode);
        QFETCH(int, channel);
        QFETCH(bool, silent);
        QFETCH(QString, description);
        server.applyEnvironment(mode);
        useChannel(channel);
        window->silentUpdateCheck = silent;
        const int logBefore = logText().size();
        window->checkForAppUpdates();
        QVERIFY(!window->checkUpdatesBtn->isEnabled());
        QCOMPARE(window->latestBuildLabel->text(), QStringLiteral("Checking..."));
        QTRY_VERIFY_WITH_TIMEOUT(window->lastCheckLabel->text() != "Checking...", 20000);
        QTEST(messages, "expected");
        QCOMPARE(server.requestedPaths(),
                 QStringList("/" + mode + "/apps/verdimon_nuvo/" + description));
        QTEST(window->latestBuildLabel->text(), "build");
        QFETCH(QString, build);
        QCOMPARE(window->lastCheckLabel->text() == "Not checked", build == "Not checked");
        QCOMPARE(window->latestBuildLabel->textFormat(), Qt::PlainText);
        QCOMPARE(logText().mid(logBefore).contains(
                     "The server's reply is larger than 1 MB and was refused."),
                 mode == "endless");
        QVERIFY(window->checkUpdatesBtn->isEnabled());
        QVERIFY(!window->silentUpdateCheck);
    }

    // A check that fails: its box, the page back to "Not checked" after an earlier answer, the
    // button back, and the silent start-up flag cleared only by a missing network, so that after
    // an unreadable description the next up-to-date answer still shows no box.
    void failedCheck_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("silentAfter");
        const QString noNetwork
            = "Error|Network connection is not available! Check your network and try again.";
        // The stand-in's broken description ends inside a string.
        const QString unreadable = "Error|Failed to check for the updates! Error code: "
            + QString::number(QJsonParseError::UnterminatedString);
        QTest::newRow("no network") << "" << false << noNetwork << false;
        QTest::newRow("no network, start-up check") << "" << true << noNetwork << false;
        QTest::newRow("unreadable") << "badjson" << false << unreadable << false;
        QTest::newRow("unreadable, start-up check") << "badjson" << true << unreadable << true;
    }
    void failedCheck()
    {
        QFETCH(QString, mode);
        QFETCH(bool, silent);
        QFETCH(bool, silentAfter);
        if (mode.isEmpty()) // nothing answers at the service's address
            qputenv("VN_WEB_PORT", QByteArray::number(HttpsStandIn::closedPort()));
        else
            server.applyEnvironment(mode);
        window->showUpdateCheckResult(QStringLiteral("4.1.3.742")); // an earlier answer
        window->silentUpdateCheck = silent;
        window->checkForAppUpdates();
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 20000);
        QTEST(messages.first(), "expected");
        QCOMPARE(icons, QList<int> { 3 });
        QCOMPARE(window->latestBuildLabel->text(), QStringLiteral("Not checked"));
        QCOMPARE(window->lastCheckLabel->text(), QStringLiteral("Not checked"));
        QVERIFY(window->checkUpdatesBtn->isEnabled());
        QCOMPARE(window->silentUpdateCheck, silentAfter);
        QCOMPARE(server.requestedPaths().size(), mode.isEmpty() ? 0 : 1);

        // The next check finds the program up to date: a box unless the flag stayed set.
        messages.clear();
        server.applyEnvironment(QStringLiteral("latest"));
        window->checkForAppUpdates();
        QTRY_COMPARE_WITH_TIMEOUT(window->latestBuildLabel->text(), QString("4.1.3.742"), 20000);
        QCOMPARE(messages.isEmpty(), silentAfter);
        QVERIFY(!window->silentUpdateCheck);
    }

    // "Updates are disabled. Do you want to enable it?", asked when a check is asked for with the
    // switch on, or when an answer arrives after the switch was turned off by hand: Yes enables
    // updates (stored, the switch off, its five options usable) and checks at once; No leaves
    // updates disabled and the page on "Not checked".
    void updatesDisabledPrompt_data()
    {
        QTest::addColumn<bool>("answered");
        QTest::addColumn<bool>("yes");
        QTest::newRow("asked, Yes") << false << true;
        QTest::newRow("asked, No") << false << false;
        QTest::newRow("answered, Yes") << true << true;
        QTest::newRow("answered, No") << true << false;
    }
    void updatesDisabledPrompt()
    {
        QFETCH(bool, answered);
        QFETCH(bool, yes);
        const QList<Switch *> options { window->installAutomaticallySwitch,
                                        window->checkOnStartSwitch,
                                        window->insiderNotificationSwitch,
                                        window->deleteInstallerSwitch,
                                        window->installSilentlySwitch };
        window->disableUpdatesSwitch->click(); // as the user disables updates
        QVERIFY(window->disableUpdatesSwitch->isChecked());
        QVERIFY(Settings::boolValue("Updates", "DisableUpdates", false));
        for (Switch *option : options)
            QVERIFY(!option->isEnabled());
        if (answered) {
            // Started with updates disabled, switched on again by hand: the flag stays.
            window->updatesDisabled = true;
            window->disableUpdatesSwitch->setChecked(false);
        }
        window->showUpdateCheckResult(QStringLiteral("4.1.3.742")); // an earlier answer
        server.applyEnvironment(QStringLiteral("latest"));
        answer = yes ? QDialogButtonBox::Yes : QDialogButtonBox::No;

        if (answered)
            window->setLatestVersion(QStringLiteral("4.1.3.742"));
        else
            window->checkForAppUpdates();
        const QString prompt = "Updates|Updates are disabled. Do you want to enable it?";
        if (yes) {
            QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 2, 20000);
            QCOMPARE(messages, QStringList({ prompt, "Updates|Verdimon Nuvo is up to date" }));
            QCOMPARE(icons.first(), 2);
            QVERIFY(!Settings::boolValue("Updates", "DisableUpdates", true));
            QVERIFY(!window->updatesDisabled);
            QVERIFY(!window->disableUpdatesSwitch->isChecked());
            for (Switch *option : options)
                QVERIFY(option->isEnabled());
            QCOMPARE(server.requestedPaths(),
                     QStringList("/latest/apps/verdimon_nuvo/release/en.update.release.json"));
            QCOMPARE(window->latestBuildLabel->text(), QStringLiteral("4.1.3.742"));
            QVERIFY(window->lastCheckLabel->text() != QLatin1String("Not checked"));
            QVERIFY(window->checkUpdatesBtn->isEnabled());
            return;
        }
        QTest::qWait(300);
        QCOMPARE(messages, QStringList(prompt));
        QCOMPARE(icons, QList<int> { 2 });
        QVERIFY(Settings::boolValue("Updates", "DisableUpdates", false));
        QCOMPARE(window->updatesDisabled, answered);
        QCOMPARE(window->disableUpdatesSwitch->isChecked(), !answered);
        for (Switch *option : options)
            QVERIFY(!option->isEnabled());
        QVERIFY(server.requestedPaths().isEmpty());
        QCOMPARE(window->latestBuildLabel->text(), QStringLiteral("Not checked"));
        QCOMPARE(window->lastCheckLabel->text(), QStringLiteral("Not checked"));
        QVERIFY(window->checkUpdatesBtn->isEnabled());
    }

    // The last answered check stays on the page through language changes, its time written in
    // the language the program shows.
    void checkSurvivesLanguageChange()
    {
        window->silentUpdateCheck = true;
        window->checkForAppUpdates();
        QTRY_COMPARE_WITH_TIMEOUT(window->latestBuildLabel->text(), QString("4.1.3.742"), 20000);
        const QString english = "^[A-Z][a-z]+day, \\d{2}:\\d{2} (AM|PM)$";
        const std::pair<int, QString> languages[]
            = { { 2, "^[\\x{0400}-\\x{04FF}]+, \\d{2}:\\d{2}$" }, { 1, english } };
        for (const auto &language : languages) {
            Settings::setSettingsValue("AppSettings", "AppLanguage", language.first);
            window->retranslateUi();
            QCOMPARE(window->latestBuildLabel->text(), QString("4.1.3.742"));
            QVERIFY2(window->lastCheckLabel->text().contains(QRegularExpression(language.second)),
                     qPrintable(window->lastCheckLabel->text()));
        }
    }

    void insiderOfferSwitchedOff()
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
    }

    void insiderOfferTakenUp()
    {
        window->setIPUpdateAvailable("4.1.3.1000", "Insider", "\nnotes", false,
                                     server.baseUrl() + "/setups/script");
        InsiderNotification *offer = openOffer();
        QVERIFY(offer);
        offer->findChild<QPushButton *>("insiderBtn")->click(); // Install
        QCOMPARE(window->updatesChannelComboBox->currentIndex(), 1);
        Updates *updates = window->findChild<Updates *>();
        QVERIFY(updates && updates->isVisible());
        QCOMPARE(updates->windowModality(), Qt::ApplicationModal);
        QVERIFY(updates->findChild<QTextBrowser *>()->toPlainText().startsWith(
            QLatin1String("Build: 4.1.3.1000\nChannel: Insider")));
        delete updates;
    }

    void networkStatus_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("status");
        const char *green = "color: #008000;", *red = "color: #FF0000;";
        QTest::newRow("answer") << "answer" << 0 << "127.0.0.1" << green << "Connected";
        QTest::newRow("gray") << "answer" << 1 << "127.0.0.1"
                              << "color: #79B220;"
                              << "Connected";
        QTest::newRow("::1") << "loopback6" << 2 << "127.0.0.1" << green << "Connected";
        QTest::newRow("fail") << "fail" << 0 << "Unknown" << red << "Not connected";
        // The service never answers: the request gives up and the button comes back.
        QTest::newRow("stall") << "stall" << 0 << "Unknown" << red << "Not connected";
        // The host answered, but not with an address.
        QTest::newRow("HTML page") << "markup" << 0 << "Unknown" << red << "Connected";
        QTest::newRow("error page") << "status500true" << 0 << "Unknown" << red << "Connected";
        QTest::newRow("endless") << "endless" << 0 << "Unknown" << red << "Connected";
    }

    void networkStatus()
    {
        QFETCH(QString, mode);
        QFETCH(int, theme);
        QFETCH(QString, address);
        const QString green = theme == 1 ? "color: #79B220;" : "color: #008000;";
        server.applyEnvironment(mode);
        Settings::setSettingsValue("AppSettings", "AppTheme", theme);
        VerdimonNuvo other(VerdimonNuvo::StartupActions::Skip);
        if (mode == QLatin1String("stall"))
            other.networkWaitMs = 1500; // the silent service's row needs no half minute
        other.checkNetwork();
        QVERIFY(!other.checkConnectionBtn->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(other.checkConnectionBtn->isEnabled(), 10000);
        QTEST(other.networkStatusValueLabel->text(), "status");
        QCOMPARE(other.ipValueLabel->text(), address);
        QCOMPARE(other.networkStatusValueLabel->styleSheet(),
                 other.networkStatusValueLabel->text() == "Connected" ? green : "color: #FF0000;");
        QTEST(other.ipValueLabel->styleSheet(), "style");

        // Checked again, both values wait in the neutral style, not in the last answer's colour.
        other.checkNetwork();
        for (const QLabel *value : { other.networkStatusValueLabel, other.ipValueLabel }) {
            QCOMPARE(value->text(), QStringLiteral("Checking..."));
            QCOMPARE(value->styleSheet(), QStringLiteral("font-weight: normal;"));
        }
        QTRY_VERIFY_WITH_TIMEOUT(other.checkConnectionBtn->isEnabled(), 10000);
        QTEST(other.ipValueLabel->styleSheet(), "style");
    }
};

QTEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
