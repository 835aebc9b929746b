#include "app/config.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "app/startup/mainwindowfactory.h"
#include "app/startup/managestartup.h"
#include "app/startup/splash.h"
#include "httpsstandin.h"
#include "net/updates.h"
#include "platform/fakes/fakeplatform.h"
#include "widgets/appqlabel.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestManageStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void updateCheckPaths_data();
    void updateCheckPaths();
    void offeredUpdateComesBeforeTheWindow();
    void noCheckOpensTheWindowAtOnce();
    void trayRule_data();
    void trayRule();
    void splashComesFirstEvenForTray();
    void alwaysOnTop();
    void oldInstallerPath_data();
    void oldInstallerPath();
    void deleteInstallerAtStart();
    void wmiService_data();
    void wmiService();

private:
    void setSetting(const char *group, const char *key, const QVariant &value)
    {
        Settings::setSettingsValue(QString::fromLatin1(group), QString::fromLatin1(key), value);
    }

    HttpsStandIn server;
    plat::FakePlatform fakes;
    std::unique_ptr<plat::ScopedPlatform> scopedPlatform;
    // Messages and windows in the order they appeared.
    QStringList events;
    QList<QWidget *> windows;
};

void TestManageStartup::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
    QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
    QVERIFY2(server.start(QStringLiteral("latest")), qPrintable(server.errorText()));
    server.applyEnvironment();
    QVERIFY(Config::installTestCertificateAuthority());
    fakes.serviceControl->states.insert(QStringLiteral("Winmgmt"), plat::ServiceControl::Running);
    scopedPlatform = std::make_unique<plat::ScopedPlatform>(fakes.platform());
}

void TestManageStartup::init()
{
    events.clear();
    windows.clear();
    MainWindowFactory::setMaker([this]() {
        auto *window = new QWidget;
        windows << window;
        events << QStringLiteral("window");
        return window;
    });
    MsgDialog::setTestResponder([this](MsgDialog *dialog) {
        events << dialog->windowTitle() + QLatin1Char('|') + dialog->textLabel()->text();
        // Keep the box "open" for a while: answers that arrive meanwhile must not open a
        // second window.
        QTest::qWait(300);
        events << QStringLiteral("closed");
        return int(QDialogButtonBox::Ok);
    });
    setSetting("AppSettings", "ShowSplash", false);
    setSetting("Updates", "CheckForUpdatesWhenAppStarts", true);
    server.clearRequests();
}

void TestManageStartup::cleanup()
{
    MsgDialog::setTestResponder({});
    MainWindowFactory::setMaker({});
    qDeleteAll(windows);
    windows.clear();
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (qobject_cast<Splash *>(top))
            delete top;
    }
    for (const char *key :
         { "AddToTray", "CloseToTray", "MinimizeToTray", "ShowWindowWhenInTray", "AlwaysOnTop" })
        setSetting("AppSettings", key, false);
    setSetting("Updates", "DeleteInstaller", false);
    fakes.serviceControl->states.insert(QStringLiteral("Winmgmt"), plat::ServiceControl::Running);
    fakes.serviceControl->log.clear();
}

void TestManageStartup::updateCheckPaths_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("message");

    QTest::newRow("latest version") << "latest"
                                    << "";
    QTest::newRow("older build described") << "older"
                                           << "";
    QTest::newRow("unreadable description")
        << "badjson"
        << "Error|Failed to check for the updates! Error code: %1";
    QTest::newRow("missing description") << "missing"
                                         << "";
    QTest::newRow("empty description") << "emptyobj"
                                       << "";
    QTest::newRow("no network")
        << ""
        << "Error|No network connection has been found! Check for update has been skipped!";
}

void TestManageStartup::updateCheckPaths()
{
    QFETCH(QString, mode);
    QFETCH(QString, message);

    if (mode.isEmpty()) {
        const quint16 closed = HttpsStandIn::closedPort();
        qputenv("VN_WEB_PORT", QByteArray::number(closed));
        qputenv("VN_WEB_BASE_URL", QStringLiteral("https://127.0.0.1:%1").arg(closed).toUtf8());
    } else {
        server.applyEnvironment(mode);
    }
    if (message.contains(QLatin1String("%1"))) {
        QJsonParseError error;
        QJsonDocument::fromJson(R"({"verdimon_nuvo": {"version": "4.1.)", &error);
        QVERIFY(error.error != QJsonParseError::NoError);
        message = message.arg(int(error.error));
    }

    ManageStartup startup;
    QVERIFY(windows.isEmpty()); // nothing before the check has answered
    QTRY_VERIFY_WITH_TIMEOUT(startup.firstWindowOpened(), 20000);
    QTest::qWait(500); // anything late would open a second window now

    QStringList expected;
    if (!message.isEmpty())
        expected << message << QStringLiteral("closed");
    expected << QStringLiteral("window");
    QCOMPARE(events, expected);
    QCOMPARE(windows.size(), 1);
    QVERIFY(windows.first()->isVisible());
    server.applyEnvironment();
}

void TestManageStartup::offeredUpdateComesBeforeTheWindow()
{
    // A manual offer downloads nothing until asked; the first window waits for the offer.
    setSetting("Updates", "InstallUpdatesAutomatically", false);
    server.applyEnvironment(QStringLiteral("update"));
    ManageStartup startup;
    auto offer = []() -> Updates * {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *updates = qobject_cast<Updates *>(top))
                return updates;
        }
        return nullptr;
    };
    QTRY_VERIFY_WITH_TIMEOUT(offer() && offer()->isVisible(), 20000);
    QVERIFY(windows.isEmpty());
    QVERIFY(offer()->close());
    QVERIFY(startup.firstWindowOpened());
    QCOMPARE(events, QStringList { QStringLiteral("window") });
    setSetting("Updates", "InstallUpdatesAutomatically", true);
    server.applyEnvironment();
}

void TestManageStartup::noCheckOpensTheWindowAtOnce()
{
    setSetting("Updates", "CheckForUpdatesWhenAppStarts", false);
    ManageStartup startup;
    QCOMPARE(events, QStringList { QStringLiteral("window") });
    QTest::qWait(300);
    QVERIFY(server.requestedPaths().isEmpty());
    QCOMPARE(windows.size(), 1);
}

void TestManageStartup::trayRule_data()
{
    QTest::addColumn<bool>("showWhenInTray");
    QTest::addColumn<bool>("addToTray");
    QTest::addColumn<bool>("closeToTray");
    QTest::addColumn<bool>("minimizeToTray");
    QTest::addColumn<bool>("trayAvailable");
    QTest::addColumn<bool>("visible");
    QTest::newRow("no tray") << false << false << false << false << true << true;
    QTest::newRow("tray only") << false << true << false << false << true << false;
    QTest::newRow("tray, show anyway") << true << true << false << false << true << true;
    QTest::newRow("tray, close to tray") << false << true << true << false << true << true;
    QTest::newRow("tray, minimise to tray") << false << true << false << true << true << true;
    QTest::newRow("show without tray") << true << false << false << false << true << true;
    // A desktop without a tray could never bring the window back: it is shown.
    QTest::newRow("tray only, desktop without tray")
        << false << true << false << false << false << true;
    QTest::newRow("no tray wanted, desktop without tray")
        << false << false << false << false << false << true;
}

void TestManageStartup::trayRule()
{
    QFETCH(bool, showWhenInTray);
    QFETCH(bool, addToTray);
    QFETCH(bool, closeToTray);
    QFETCH(bool, minimizeToTray);
    QFETCH(bool, trayAvailable);
    QFETCH(bool, visible);
    setSetting("Updates", "CheckForUpdatesWhenAppStarts", false);
    setSetting("AppSettings", "ShowWindowWhenInTray", showWhenInTray);
    setSetting("AppSettings", "AddToTray", addToTray);
    setSetting("AppSettings", "CloseToTray", closeToTray);
    setSetting("AppSettings", "MinimizeToTray", minimizeToTray);
    ManageStartup::setTrayProbe([trayAvailable]() { return trayAvailable; });
    ManageStartup startup;
    ManageStartup::setTrayProbe({});
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows.first()->isVisible(), visible);
}

void TestManageStartup::splashComesFirstEvenForTray()
{
    setSetting("Updates", "CheckForUpdatesWhenAppStarts", false);
    setSetting("AppSettings", "ShowSplash", true);
    setSetting("AppSettings", "AddToTray", true);
    ManageStartup startup;
    QVERIFY(windows.isEmpty());
    Splash *splash = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *candidate = qobject_cast<Splash *>(top))
            splash = candidate;
    }
    QVERIFY(splash);
    QVERIFY(splash->isVisible());
    startup.manageWindow(); // a second request opens nothing
    int splashes = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        splashes += qobject_cast<Splash *>(top) ? 1 : 0;
    QCOMPARE(splashes, 1);
}

void TestManageStartup::alwaysOnTop()
{
    setSetting("Updates", "CheckForUpdatesWhenAppStarts", false);
    setSetting("AppSettings", "AlwaysOnTop", true);
    ManageStartup startup;
    QCOMPARE(windows.size(), 1);
    QVERIFY(windows.first()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestManageStartup::oldInstallerPath_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("development") << 0 << "Verdimon.Nuvo.Dev.Setup.x64.exe";
    QTest::newRow("insider") << 1 << "Verdimon.Nuvo.Insider.Setup.x64.exe";
    QTest::newRow("beta") << 2 << "Verdimon.Nuvo.Beta.Setup.x64.exe";
    QTest::newRow("release") << 3 << "Verdimon.Nuvo.Setup.x64.exe";
    QTest::newRow("unknown") << 5 << "Verdimon.Nuvo..Setup.x64.exe";
}

void TestManageStartup::oldInstallerPath()
{
    QFETCH(int, channel);
    QFETCH(QString, fileName);
    QCOMPARE(::oldInstallerPath(channel, QStringLiteral("/dl")), QStringLiteral("/dl/") + fileName);
}

void TestManageStartup::deleteInstallerAtStart()
{
    QTemporaryDir downloads;
    QVERIFY(downloads.isValid());
    const QString beta = downloads.filePath(QStringLiteral("Verdimon.Nuvo.Beta.Setup.x64.exe"));
    const QString release = downloads.filePath(QStringLiteral("Verdimon.Nuvo.Setup.x64.exe"));
    for (const QString &path : { beta, release }) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    setSetting("Updates", "CheckForUpdatesWhenAppStarts", false);
    setSetting("Updates", "DeleteInstaller", true);
    setSetting("Updates", "UpdatesChannel", 2);
    setSetting("Updates", "DownloadPath", downloads.path());
    ManageStartup startup;
    QVERIFY(!QFile::exists(beta));
    QVERIFY(QFile::exists(release));
    setSetting("Updates", "UpdatesChannel", 3);
}

void TestManageStartup::wmiService_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("resumeOk");
    QTest::addColumn<bool>("startOk");
    QTest::addColumn<bool>("autoStartOk");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("message");

    const int paused = plat::ServiceControl::Paused;
    const int stopped = plat::ServiceControl::Stopped;
    const int running = plat::ServiceControl::Running;
    QTest::newRow("running") << running << true << true << true << QStringList() << "";
    QTest::newRow("paused") << paused << true << true << true << QStringList { "resume:Winmgmt" }
                            << "";
    QTest::newRow("paused, resume fails")
        << paused << false << true << true << QStringList { "resume:Winmgmt" }
        << "Error|Failed to resume the WMI service!";
    QTest::newRow("stopped") << stopped << true << true << true << QStringList { "start:Winmgmt" }
                             << "";
    QTest::newRow("stopped, start fails") << stopped << true << false << true
                                          << QStringList { "start:Winmgmt", "auto:Winmgmt" } << "";
    QTest::newRow("stopped, nothing works")
        << stopped << true << false << false << QStringList { "start:Winmgmt", "auto:Winmgmt" }
        << "Error|Failed to start the WMI service!";
}

void TestManageStartup::wmiService()
{
    QFETCH(int, state);
    QFETCH(bool, resumeOk);
    QFETCH(bool, startOk);
    QFETCH(bool, autoStartOk);
    QFETCH(QStringList, calls);
    QFETCH(QString, message);
    auto &service = *fakes.serviceControl;
    service.states.insert(QStringLiteral("Winmgmt"), plat::ServiceControl::State(state));
    service.resumeOk = resumeOk;
    service.startOk = startOk;
    service.autoStartOk = autoStartOk;
    startWmiService();
    QCOMPARE(service.log, calls);
    const QStringList expected
        = message.isEmpty() ? QStringList() : QStringList { message, QStringLiteral("closed") };
    QCOMPARE(events, expected);
    service.resumeOk = service.startOk = service.autoStartOk = true;
}

QTEST_MAIN(TestManageStartup)
#include "tst_managestartup.moc"
