#include "app/config.h"
#include "app/settings.h"
#include "httpsstandin.h"
#include "net/networkmanager.h"
#include "signallog.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QThread>
#include <QtTest>

class TestNetworkManager : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
        QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
        qRegisterMetaType<QJsonParseError>("QJsonParseError");
        QVERIFY2(server.start(QStringLiteral("latest")), qPrintable(server.errorText()));
    }

    void cleanup()
    {
        Settings::setSettingsValue(QStringLiteral("AppSettings"), QStringLiteral("AppLanguage"), 1);
        Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), 3);
        Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("Delivery"), 0);
        server.clearRequests();
    }

    void untrustedAuthorityIsRefused()
    {
        // Runs before the test authority is trusted: the handshake fails and the request is
        // aborted, never completed.
        server.applyEnvironment(QStringLiteral("update"));
        qunsetenv("VN_TEST_CA_FILE");
        QCOMPARE(runCheck(), QStringList { QStringLiteral("finished") });

        server.applyEnvironment();
        QVERIFY(Config::installTestCertificateAuthority());
    }

    void versionComparison_data()
    {
        QTest::addColumn<QString>("candidate");
        QTest::addColumn<bool>("newer");
        QTest::newRow("more digits in the last part") << "4.1.3.1000" << true;
        QTest::newRow("same build") << "4.1.3.742" << false;
        QTest::newRow("next major with two digits") << "10.0" << true;
        QTest::newRow("shorter and older") << "4.1" << false;
        QTest::newRow("extra part") << "4.1.3.742.1" << true;
        QTest::newRow("surrounding blanks") << " 4.1.3.743 " << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("no number") << "latest" << false;
        QTest::newRow("trailing text") << "4.1.4-beta" << false;
    }

    void versionComparison()
    {
        QFETCH(QString, candidate);
        QFETCH(bool, newer);
        QCOMPARE(NetworkManager::isNewerVersion(candidate, QStringLiteral("4.1.3.742")), newer);
    }

    void descriptionEntryUsesFirstSortedKey()
    {
        const QJsonObject document
            = QJsonDocument::fromJson(R"({"zeta": {"version": "9"}, "alpha": {"version": "1"}})")
                  .object();
        QCOMPARE(NetworkManager::descriptionEntry(document).value("version").toString(),
                 QStringLiteral("1"));
        QVERIFY(NetworkManager::descriptionEntry(QJsonObject()).isEmpty());
        QVERIFY(NetworkManager::descriptionEntry(QJsonDocument::fromJson(R"({"a": 5})").object())
                    .isEmpty());
    }

    void joinedUpdateInfo_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("info");
        QTest::newRow("two lines") << QByteArray(R"({"updateinfo": ["a", "b"]})") << "\na\nb";
        QTest::newRow("not a text") << QByteArray(R"({"updateinfo": ["a", 5]})") << "\na\n";
        QTest::newRow("empty array") << QByteArray(R"({"updateinfo": []})") << "";
        QTest::newRow("missing") << QByteArray(R"({"version": "1"})") << "";
        QTest::newRow("not an array") << QByteArray(R"({"updateinfo": "a"})") << "";
    }

    void joinedUpdateInfo()
    {
        QFETCH(QByteArray, entry);
        QFETCH(QString, info);
        QCOMPARE(NetworkManager::joinedUpdateInfo(QJsonDocument::fromJson(entry).object()), info);
    }

    void descriptionFileNames_data()
    {
        QTest::addColumn<QVariant>("channel");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("insider");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("localeError");

        // channel, its folder, language, its prefix
        const struct
        {
            int channel;
            const char *folder;
            int language;
            const char *prefix;
        } rows[] = { { 0, "insider", 0, "en." },
                     { 1, "insider", 1, "en." },
                     { 2, "beta", 2, "ru." },
                     { 3, "release", 3, "ua." },
                     { 9, "release", 7, "" } };
        for (const auto &r : rows) {
            const QString path = QStringLiteral("/apps/verdimon_nuvo/%1/%2update.%1.json")
                                     .arg(QLatin1String(r.folder), QLatin1String(r.prefix));
            QTest::addRow("channel %d, language %d", r.channel, r.language)
                << QVariant(r.channel) << r.language << false << path << (r.language == 7);
        }
        QTest::newRow("insider check ignores the channel")
            << QVariant(2) << 3 << true << "/apps/verdimon_nuvo/insider/ua.update.insider.json"
            << false;
        // Development without the development right is served from the Insider folder.
        QTest::newRow("unreadable channel reads as development")
            << QVariant("beta please") << 1 << false
            << "/apps/verdimon_nuvo/insider/en.update.insider.json" << false;
    }

    void descriptionFileNames()
    {
        QFETCH(QVariant, channel);
        QFETCH(int, language);
        QFETCH(bool, insider);
        QFETCH(QString, path);
        QFETCH(bool, localeError);

        server.applyEnvironment();
        Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"),
                                   channel);
        Settings::setSettingsValue(QStringLiteral("AppSettings"), QStringLiteral("AppLanguage"),
                                   language);
        const QStringList names = runCheck(insider);
        QCOMPARE(server.requestedPaths(), QStringList { path });
        QCOMPARE(names.contains(QStringLiteral("localeError")), localeError);
        QCOMPARE(names.last(), QStringLiteral("finished"));
        QCOMPARE(names.count(QStringLiteral("latestVersion()")), 1);
    }

    void checkResults_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("signalNames");
        QTest::addColumn<QString>("build");

        const QStringList update { "updateAvailable()", "updateAvailable(4)", "updateAvailable(5)",
                                   "changelogInfo", "finished" };
        const QStringList latest { "latestVersion()", "latestVersion(1)", "changelogInfo",
                                   "finished" };
        QTest::newRow("newer build") << "update" << update << "4.1.3.1000";
        QTest::newRow("running build") << "latest" << latest << "4.1.3.742";
        QTest::newRow("older build that sorts later as text") << "older" << latest << "4.1.3.8";
        QTest::newRow("unreadable description")
            << "badjson" << QStringList { "jsonReaderError", "finished" } << "";
        QTest::newRow("empty description") << "emptyobj" << QStringList { "finished" } << "";
        QTest::newRow("missing description") << "missing" << QStringList { "finished" } << "";
    }

    void checkResults()
    {
        QFETCH(QString, mode);
        QFETCH(QStringList, signalNames);
        QFETCH(QString, build);

        server.applyEnvironment(mode);
        QCOMPARE(runCheck(), signalNames);
        if (!build.isEmpty()) {
            const QString reported = signalNames.first().startsWith("update")
                ? QStringLiteral("updateAvailable(5)")
                : QStringLiteral("latestVersion(1)");
            QCOMPARE(log->arguments(reported).value(0).value(0).toString(), build);
            const QVariantList changelog = log->arguments(QStringLiteral("changelogInfo")).value(0);
            QCOMPARE(changelog.value(1).toString(), QStringLiteral("Release"));
            QCOMPARE(
                changelog.value(2).toString(),
                QStringLiteral("\nBuild %1\nDescription file en.update.release.json\n- self-check "
                               "on start-up")
                    .arg(build));
        }
        if (mode == QLatin1String("badjson"))
            QVERIFY(log->arguments(QStringLiteral("jsonReaderError"))
                        .value(0)
                        .value(0)
                        .value<QJsonParseError>()
                        .error
                    != QJsonParseError::NoError);
    }

    void deliveryOfUpdateUrl_data()
    {
        QTest::addColumn<int>("delivery");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("vendor server") << 0 << "";
        QTest::newRow("OneDrive") << 1 << "?delivery=onedrive";
        QTest::newRow("Dropbox") << 2 << "?delivery=dropbox";
        QTest::newRow("unknown") << 7 << "";
    }

    void deliveryOfUpdateUrl()
    {
        QFETCH(int, delivery);
        QFETCH(QString, suffix);
        server.applyEnvironment(QStringLiteral("update"));
        Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("Delivery"), delivery);
        Settings::setSettingsValue(QStringLiteral("Updates"),
                                   QStringLiteral("InstallUpdatesAutomatically"), false);
        runCheck();
        const QVariantList offer = log->arguments(QStringLiteral("updateAvailable(5)")).value(0);
        QCOMPARE(offer.value(4).toString(),
                 server.baseUrl()
                     + QStringLiteral("/apps/verdimon_nuvo/release/Verdimon.Nuvo.Setup.x64.exe")
                     + suffix);
        QCOMPARE(offer.value(3), QVariant(false));
        Settings::setSettingsValue(QStringLiteral("Updates"),
                                   QStringLiteral("InstallUpdatesAutomatically"), true);
    }

    void noNetworkEndsTheThread()
    {
        const quint16 closed = HttpsStandIn::closedPort();
        qputenv("VN_WEB_HOST", "127.0.0.1");
        qputenv("VN_WEB_PORT", QByteArray::number(closed));
        qputenv("VN_WEB_BASE_URL", QStringLiteral("https://127.0.0.1:%1").arg(closed).toUtf8());
        QCOMPARE(runCheck(),
                 (QStringList { QStringLiteral("noNetConnection"), QStringLiteral("finished") }));
        QVERIFY(server.requestedPaths().isEmpty());
    }

    void validateUpdateUrlIgnoresVersion()
    {
        server.applyEnvironment(QStringLiteral("older"));
        NetworkManager manager;
        SignalLog signals_(&manager);
        manager.validateUpdateUrl();
        QVERIFY(signals_.waitFor(QStringLiteral("urlValidated")));
        QTest::qWait(100);
        QCOMPARE(signals_.names(), QStringList { QStringLiteral("urlValidated") });
        QCOMPARE(signals_.arguments(QStringLiteral("urlValidated")).value(0).value(0).toString(),
                 server.baseUrl()
                     + QStringLiteral("/apps/verdimon_nuvo/release/Verdimon.Nuvo.Setup.x64.exe"));
    }

private:
    // Runs one update check on its own thread, as the window does; the signals it sent, in order,
    // end with "<timeout>" when the thread did not end.
    QStringList runCheck(bool insiderUpdate = false)
    {
        QPointer<QThread> thread = new QThread;
        auto *manager = new NetworkManager;
        manager->moveToThread(thread);
        log = std::make_unique<SignalLog>(manager);
        connect(manager, &NetworkManager::finished, thread, &QThread::quit);
        connect(manager, &NetworkManager::finished, manager, &QObject::deleteLater);
        connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        QMetaObject::invokeMethod(manager, "checkForApplicationUpdates", Qt::AutoConnection,
                                  Q_ARG(bool, insiderUpdate));
        thread->start(QThread::InheritPriority);
        if (QTest::qWaitFor([&thread] { return thread.isNull(); }, 20000))
            return log->names();
        thread->quit();
        thread->wait(5000);
        return log->names() << QStringLiteral("<timeout>");
    }

    HttpsStandIn server;
    std::unique_ptr<SignalLog> log;
};

QTEST_GUILESS_MAIN(TestNetworkManager)
#include "tst_networkmanager.moc"
