#include "app/config.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "app/startup/mainwindowfactory.h"
#include "app/startup/managestartup.h"
#include "app/startup/splash.h"
#include "httpsstandin.h"
#include "net/updates.h"
#include "platform/fakes/fakeplatform.h"
#include "platformtree.h"
#include "tests/support/appidentity.h"
#include "widgets/appqlabel.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

void setSetting(const char *group, const char *key, const QVariant &value)
{
    Settings::setSettingsValue(QString::fromLatin1(group), QString::fromLatin1(key), value);
}

template<class T> QList<T *> topLevel()
{
    QList<T *> found;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *widget = qobject_cast<T *>(top))
            found << widget;
    return found;
}

const char *const windowKeys[]
    = { "AddToTray", "CloseToTray", "MinimizeToTray", "ShowWindowWhenInTray", "AlwaysOnTop" };

} // namespace

class TestManageStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(server.start("latest"), qPrintable(server.errorText()));
        server.applyEnvironment();
        QVERIFY(Config::installTestCertificateAuthority());
        scopedPlatform = std::make_unique<plat::ScopedPlatform>(fakes.platform());
    }

    void init()
    {
        events.clear();
        windows.clear();
        MainWindowFactory::setMaker([this]() {
            auto *window = new QWidget;
            windows << window;
            events << "window";
            return window;
        });
        MsgDialog::setTestResponder([this](MsgDialog *dialog) {
            events << dialog->windowTitle() + QLatin1Char('|') + dialog->textLabel()->text();
            // Answers that arrive while the box is open must not open a second window.
            QTest::qWait(300);
            events << "closed";
            return int(QDialogButtonBox::Ok);
        });
        setSetting("AppSettings", "ShowSplash", false);
        setSetting("Updates", "CheckForUpdatesWhenAppStarts", true);
        server.clearRequests();
        fakes.serviceControl->states.insert("Winmgmt", plat::ServiceControl::Running);
        fakes.serviceControl->log.clear();
    }

    void cleanup()
    {
        MsgDialog::setTestResponder({});
        MainWindowFactory::setMaker({});
        qDeleteAll(windows);
        windows.clear();
        qDeleteAll(topLevel<Splash>());
        for (const char *key : windowKeys)
            setSetting("AppSettings", key, false);
        setSetting("Updates", "DeleteInstaller", false);
    }

    void updateCheckPaths_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("message");
        QTest::newRow("latest version") << "latest" << QString();
        QTest::newRow("unreadable description")
            << "badjson" << QString("Error|Failed to check for the updates! Error code: %1");
        QTest::newRow("no network") << QString()
                                    << QString("Error|No network connection has been "
                                               "found! Check for update has been "
                                               "skipped!");
    }
    void updateCheckPaths()
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
            QJsonDocument::fromJson("{\"verdimon_nuvo\": {\"version\": \"4.1.", &error);
            QVERIFY(error.error != QJsonParseError::NoError);
            message = message.arg(int(error.error));
        }

        ManageStartup startup;
        QVERIFY(windows.isEmpty()); // nothing before the check has answered
        QTRY_VERIFY_WITH_TIMEOUT(startup.firstWindowOpened(), 20000);
        QTest::qWait(500); // anything late would open a second window now

        QStringList expected;
        if (!message.isEmpty())
            expected << message << "closed";
        expected << "window";
        QCOMPARE(events, expected);
        QCOMPARE(windows.size(), 1);
        QVERIFY(windows.first()->isVisible());
        server.applyEnvironment();
    }

    void offeredUpdateComesBeforeTheWindow()
    {
        // A manual offer downloads nothing until asked; the first window waits for the offer.
        setSetting("Updates", "InstallUpdatesAutomatically", false);
        server.applyEnvironment("update");
        ManageStartup startup;
        QTRY_VERIFY_WITH_TIMEOUT(
            topLevel<Updates>().size() == 1 && topLevel<Updates>().first()->isVisible(), 20000);
        QVERIFY(windows.isEmpty());
        QVERIFY(topLevel<Updates>().first()->close());
        QVERIFY(startup.firstWindowOpened());
        QCOMPARE(events, QStringList { "window" });
        setSetting("Updates", "InstallUpdatesAutomatically", true);
        server.applyEnvironment();
    }

    // Without the check the window opens at once; shown unless it is to live in the tray only.
    void windowWithoutCheck_data()
    {
        QTest::addColumn<QStringList>("settings"); // set to true, the rest false
        QTest::addColumn<bool>("trayAvailable");
        QTest::addColumn<bool>("visible");
        QTest::newRow("no tray") << QStringList() << true << true;
        QTest::newRow("tray only") << QStringList { "AddToTray" } << true << false;
        QTest::newRow("tray, show anyway")
            << QStringList { "AddToTray", "ShowWindowWhenInTray" } << true << true;
        QTest::newRow("tray, close to tray")
            << QStringList { "AddToTray", "CloseToTray" } << true << true;
        QTest::newRow("tray, minimise to tray")
            << QStringList { "AddToTray", "MinimizeToTray" } << true << true;
        // A desktop without a tray could never bring the window back: it is shown.
        QTest::newRow("tray only, desktop without tray")
            << QStringList { "AddToTray" } << false << true;
        QTest::newRow("always on top") << QStringList { "AlwaysOnTop" } << true << true;
    }
    void windowWithoutCheck()
    {
        QFETCH(QStringList, settings);
        QFETCH(bool, trayAvailable);
        setSetting("Updates", "CheckForUpdatesWhenAppStarts", false);
        for (const char *key : windowKeys)
            setSetting("AppSettings", key, settings.contains(QLatin1String(key)));
        ManageStartup::setTrayProbe([trayAvailable]() { return trayAvailable; });
        ManageStartup startup;
        ManageStartup::setTrayProbe({});
        QCOMPARE(events, QStringList { "window" });
        QTEST(windows.first()->isVisible(), "visible");
        QCOMPARE(windows.first()->windowFlags().testFlag(Qt::WindowStaysOnTopHint),
                 settings.contains("AlwaysOnTop"));
        QTest::qWait(100);
        QVERIFY(server.requestedPaths().isEmpty());
        QCOMPARE(windows.size(), 1);
    }

    void splashComesFirstEvenForTray()
    {
        setSetting("Updates", "CheckForUpdatesWhenAppStarts", false);
        setSetting("AppSettings", "ShowSplash", true);
        setSetting("AppSettings", "AddToTray", true);
        ManageStartup startup;
        QVERIFY(windows.isEmpty());
        QCOMPARE(topLevel<Splash>().size(), 1);
        QVERIFY(topLevel<Splash>().first()->isVisible());
        startup.manageWindow(); // a second request opens nothing
        QCOMPARE(topLevel<Splash>().size(), 1);
    }

    void deleteInstallerAtStart()
    {
        QCOMPARE(::oldInstallerPath(0, "/dl"), QString("/dl/Verdimon.Nuvo.Dev.Setup.x64.exe"));
        QCOMPARE(::oldInstallerPath(1, "/dl"), QString("/dl/Verdimon.Nuvo.Insider.Setup.x64.exe"));
        QCOMPARE(::oldInstallerPath(5, "/dl"), QString("/dl/Verdimon.Nuvo..Setup.x64.exe"));
        QTemporaryDir downloads;
        const QString beta = downloads.filePath("Verdimon.Nuvo.Beta.Setup.x64.exe");
        const QString release = downloads.filePath("Verdimon.Nuvo.Setup.x64.exe");
        QVERIFY(writeTreeFile(beta, {}) && writeTreeFile(release, {}));
        setSetting("Updates", "CheckForUpdatesWhenAppStarts", false);
        setSetting("Updates", "DeleteInstaller", true);
        setSetting("Updates", "DownloadPath", downloads.path());
        for (int channel : { 2, 3 }) {
            setSetting("Updates", "UpdatesChannel", channel);
            ManageStartup startup;
            QCOMPARE(QFile::exists(beta), false);
            QCOMPARE(QFile::exists(release), channel == 2);
        }
    }

    void wmiService_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QStringList>("failing"); // the service operations that fail
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("message");
        const int paused = plat::ServiceControl::Paused;
        const int stopped = plat::ServiceControl::Stopped;
        const QStringList resume { "resume:Winmgmt" };
        const QStringList startThenAuto { "start:Winmgmt", "auto:Winmgmt" };
        const QString none;
        QTest::newRow("running") << int(plat::ServiceControl::Running) << QStringList()
                                 << QStringList() << none;
        QTest::newRow("paused") << paused << QStringList() << resume << none;
        QTest::newRow("paused, resume fails") << paused << QStringList { "resume" } << resume
                                              << QString("Error|Failed to resume the WMI service!");
        QTest::newRow("stopped") << stopped << QStringList() << QStringList { "start:Winmgmt" }
                                 << none;
        QTest::newRow("stopped, start fails")
            << stopped << QStringList { "start" } << startThenAuto << none;
        QTest::newRow("stopped, nothing works")
            << stopped << QStringList { "start", "auto" } << startThenAuto
            << QString("Error|Failed to start the WMI service!");
    }
    void wmiService()
    {
        QFETCH(int, state);
        QFETCH(QStringList, failing);
        QFETCH(QString, message);
        auto &service = *fakes.serviceControl;
        service.states.insert("Winmgmt", plat::ServiceControl::State(state));
        service.resumeOk = !failing.contains("resume");
        service.startOk = !failing.contains("start");
        service.autoStartOk = !failing.contains("auto");
        startWmiService();
        QTEST(service.log, "calls");
        const QStringList expected { message, "closed" };
        QCOMPARE(events, message.isEmpty() ? QStringList() : expected);
        service.resumeOk = service.startOk = service.autoStartOk = true;
    }

private:
    HttpsStandIn server;
    plat::FakePlatform fakes;
    std::unique_ptr<plat::ScopedPlatform> scopedPlatform;
    // Messages and windows in the order they appeared.
    QStringList events;
    QList<QWidget *> windows;
};

QTEST_MAIN(TestManageStartup)
#include "tst_managestartup.moc"
