#include "app/appenums.h"
#include "app/config.h"
#include "app/settings.h"
#include "httpsstandin.h"
#include "net/networkmanager.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QThread>
#include <QtTest>

namespace {

// What one update check reported, in order.
struct CheckResult
{
    QStringList signalNames;
    QString build;
    QString channel;
    QString info;
    QString url;
    bool autoUpdate = false;
    QJsonParseError::ParseError parseError = QJsonParseError::NoError;
    bool threadEnded = false;
};

} // namespace

class TestNetworkManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void untrustedAuthorityIsRefused();
    void versionComparison_data();
    void versionComparison();
    void descriptionEntryUsesFirstSortedKey();
    void joinedUpdateInfo_data();
    void joinedUpdateInfo();
    void deliveryUrl_data();
    void deliveryUrl();
    void descriptionFileNames_data();
    void descriptionFileNames();
    void insiderCheckIgnoresChannel();
    void checkResults_data();
    void checkResults();
    void deliveryOfUpdateUrl_data();
    void deliveryOfUpdateUrl();
    void noNetworkEndsTheThread();
    void unreadableChannelSettingReadsAsDevelopment();
    void validateUpdateUrlIgnoresVersion();

private:
    CheckResult runCheck(bool insiderUpdate = false);

    HttpsStandIn server;
};

void TestNetworkManager::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
    QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
    qRegisterMetaType<QJsonParseError>("QJsonParseError");
    QVERIFY2(server.start(QStringLiteral("latest")), qPrintable(server.errorText()));
}

void TestNetworkManager::cleanup()
{
    Settings::setSettingsValue(QStringLiteral("AppSettings"), QStringLiteral("AppLanguage"), 1);
    Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), 3);
    Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("Delivery"), 0);
    server.clearRequests();
}

CheckResult TestNetworkManager::runCheck(bool insiderUpdate)
{
    auto result = std::make_shared<CheckResult>();
    QObject receiver;
    auto *thread = new QThread;
    auto *manager = new NetworkManager;
    manager->moveToThread(thread);

    auto note = [result](const char *name) {
        result->signalNames << QString::fromLatin1(name);
    };
    connect(manager, qOverload<>(&NetworkManager::updateAvailable), &receiver,
            [note]() { note("updateAvailable()"); });
    connect(manager,
            qOverload<QString, QString, QString, QString>(&NetworkManager::updateAvailable),
            &receiver, [note](QString, QString, QString, QString) { note("updateAvailable(4)"); });
    connect(
        manager,
        qOverload<QString, QString, QString, bool, QString>(&NetworkManager::updateAvailable),
        &receiver,
        [note, result](QString build, QString channel, QString info, bool autoUpdate, QString url) {
            note("updateAvailable(5)");
            result->build = build;
            result->channel = channel;
            result->info = info;
            result->autoUpdate = autoUpdate;
            result->url = url;
        });
    connect(manager, qOverload<>(&NetworkManager::latestVersion), &receiver,
            [note]() { note("latestVersion()"); });
    connect(manager, qOverload<QString>(&NetworkManager::latestVersion), &receiver,
            [note, result](QString build) {
                note("latestVersion(1)");
                result->build = build;
            });
    connect(manager, &NetworkManager::changelogInfo, &receiver,
            [note, result](QString, QString channel, QString info) {
                note("changelogInfo");
                result->channel = channel;
                result->info = info;
            });
    connect(manager, &NetworkManager::jsonReaderError, &receiver,
            [note, result](QJsonParseError error) {
                note("jsonReaderError");
                result->parseError = error.error;
            });
    connect(manager, &NetworkManager::noNetConnection, &receiver,
            [note]() { note("noNetConnection"); });
    connect(manager, &NetworkManager::localeError, &receiver, [note]() { note("localeError"); });
    connect(manager, &NetworkManager::finished, &receiver, [note]() { note("finished"); });
    connect(manager, &NetworkManager::finished, thread, &QThread::quit);
    connect(manager, &NetworkManager::finished, manager, &QObject::deleteLater);
    connect(thread, &QThread::finished, &receiver, [result]() { result->threadEnded = true; });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);

    QMetaObject::invokeMethod(manager, "checkForApplicationUpdates", Qt::AutoConnection,
                              Q_ARG(bool, insiderUpdate));
    thread->start(QThread::InheritPriority);
    if (!QTest::qWaitFor([result]() { return result->threadEnded; }, 20000)) {
        result->signalNames << QStringLiteral("<timeout>");
        thread->quit();
        thread->wait(5000);
    }
    QCoreApplication::processEvents();
    return *result;
}

void TestNetworkManager::untrustedAuthorityIsRefused()
{
    // Runs before the test authority is trusted: the handshake fails and the request is
    // aborted, never completed.
    server.applyEnvironment(QStringLiteral("update"));
    qunsetenv("VN_TEST_CA_FILE");
    const CheckResult result = runCheck();
    QCOMPARE(result.signalNames, QStringList { QStringLiteral("finished") });
    QVERIFY(result.threadEnded);

    server.applyEnvironment();
    QVERIFY(Config::installTestCertificateAuthority());
}

void TestNetworkManager::versionComparison_data()
{
    QTest::addColumn<QString>("candidate");
    QTest::addColumn<bool>("newer");
    QTest::newRow("more digits in the last part") << "4.1.3.1000" << true;
    QTest::newRow("fewer digits in the last part") << "4.1.3.8" << false;
    QTest::newRow("same build") << "4.1.3.742" << false;
    QTest::newRow("next minor") << "4.1.4" << true;
    QTest::newRow("next major with two digits") << "10.0" << true;
    QTest::newRow("shorter and older") << "4.1" << false;
    QTest::newRow("extra part") << "4.1.3.742.1" << true;
    QTest::newRow("surrounding blanks") << " 4.1.3.743 " << true;
    QTest::newRow("previous build") << "4.1.3.741" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("no number") << "latest" << false;
    QTest::newRow("trailing text") << "4.1.4-beta" << false;
}

void TestNetworkManager::versionComparison()
{
    QFETCH(QString, candidate);
    QFETCH(bool, newer);
    QCOMPARE(NetworkManager::isNewerVersion(candidate, QStringLiteral("4.1.3.742")), newer);
}

void TestNetworkManager::descriptionEntryUsesFirstSortedKey()
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

void TestNetworkManager::joinedUpdateInfo_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QString>("info");
    QTest::newRow("two lines") << QByteArray(R"({"updateinfo": ["a", "b"]})") << "\na\nb";
    QTest::newRow("not a text") << QByteArray(R"({"updateinfo": ["a", 5]})") << "\na\n";
    QTest::newRow("empty array") << QByteArray(R"({"updateinfo": []})") << "";
    QTest::newRow("missing") << QByteArray(R"({"version": "1"})") << "";
    QTest::newRow("not an array") << QByteArray(R"({"updateinfo": "a"})") << "";
}

void TestNetworkManager::joinedUpdateInfo()
{
    QFETCH(QByteArray, entry);
    QFETCH(QString, info);
    QCOMPARE(NetworkManager::joinedUpdateInfo(QJsonDocument::fromJson(entry).object()), info);
}

void TestNetworkManager::deliveryUrl_data()
{
    QTest::addColumn<int>("delivery");
    QTest::addColumn<QString>("url");
    QTest::newRow("vendor server") << 0 << "s";
    QTest::newRow("OneDrive") << 1 << "o";
    QTest::newRow("Dropbox") << 2 << "";
    QTest::newRow("unknown") << 7 << "s";
}

void TestNetworkManager::deliveryUrl()
{
    QFETCH(int, delivery);
    QFETCH(QString, url);
    const QJsonObject entry
        = QJsonDocument::fromJson(R"({"update_url_x64": "s", "update_onedrive_url_x64": "o"})")
              .object();
    QCOMPARE(NetworkManager::deliveryUrl(entry, delivery), url);
}

void TestNetworkManager::descriptionFileNames_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("localeError");

    const struct
    {
        int channel;
        const char *folder;
    } channels[]
        = { { 0, "insider" }, { 1, "insider" }, { 2, "beta" }, { 3, "release" }, { 9, "release" } };
    const struct
    {
        int language;
        const char *prefix;
    } languages[] = { { 0, "en." }, { 1, "en." }, { 2, "ru." }, { 3, "ua." }, { 7, "" } };
    for (const auto &c : channels) {
        for (const auto &l : languages) {
            const QString path = QStringLiteral("/apps/verdimon_nuvo/%1/%2update.%1.json")
                                     .arg(QLatin1String(c.folder), QLatin1String(l.prefix));
            QTest::addRow("channel %d, language %d", c.channel, l.language)
                << c.channel << l.language << path << (l.language == 7);
        }
    }
}

void TestNetworkManager::descriptionFileNames()
{
    QFETCH(int, channel);
    QFETCH(int, language);
    QFETCH(QString, path);
    QFETCH(bool, localeError);

    server.applyEnvironment();
    Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"),
                               channel);
    Settings::setSettingsValue(QStringLiteral("AppSettings"), QStringLiteral("AppLanguage"),
                               language);
    const CheckResult result = runCheck();
    QCOMPARE(server.requestedPaths(), QStringList { path });
    QCOMPARE(result.signalNames.contains(QStringLiteral("localeError")), localeError);
    QCOMPARE(result.signalNames.last(), QStringLiteral("finished"));
    QCOMPARE(result.signalNames.count(QStringLiteral("latestVersion()")), 1);
}

void TestNetworkManager::insiderCheckIgnoresChannel()
{
    server.applyEnvironment();
    Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), 2);
    Settings::setSettingsValue(QStringLiteral("AppSettings"), QStringLiteral("AppLanguage"), 3);
    runCheck(true);
    QCOMPARE(server.requestedPaths(),
             QStringList { QStringLiteral("/apps/verdimon_nuvo/insider/ua.update.insider.json") });
}

void TestNetworkManager::checkResults_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("signalNames");
    QTest::addColumn<QString>("build");

    const QStringList update { "updateAvailable()", "updateAvailable(4)", "updateAvailable(5)",
                               "changelogInfo", "finished" };
    const QStringList latest { "latestVersion()", "latestVersion(1)", "changelogInfo", "finished" };
    QTest::newRow("newer build") << "update" << update << "4.1.3.1000";
    QTest::newRow("running build") << "latest" << latest << "4.1.3.742";
    QTest::newRow("older build that sorts later as text") << "older" << latest << "4.1.3.8";
    QTest::newRow("unreadable description")
        << "badjson" << QStringList { "jsonReaderError", "finished" } << "";
    QTest::newRow("empty description") << "emptyobj" << QStringList { "finished" } << "";
    QTest::newRow("missing description") << "missing" << QStringList { "finished" } << "";
}

void TestNetworkManager::checkResults()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, signalNames);
    QFETCH(QString, build);

    server.applyEnvironment(mode);
    const CheckResult result = runCheck();
    QCOMPARE(result.signalNames, signalNames);
    QVERIFY(result.threadEnded);
    QCOMPARE(result.build, build);
    if (!build.isEmpty()) {
        QCOMPARE(result.channel, QStringLiteral("Release"));
        QCOMPARE(result.info,
                 QStringLiteral("\nBuild %1\nDescription file en.update.release.json\n- self-check "
                                "on start-up")
                     .arg(build));
    }
    if (mode == QLatin1String("badjson"))
        QVERIFY(result.parseError != QJsonParseError::NoError);
}

void TestNetworkManager::deliveryOfUpdateUrl_data()
{
    QTest::addColumn<int>("delivery");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("vendor server") << 0 << "";
    QTest::newRow("OneDrive") << 1 << "?delivery=onedrive";
    QTest::newRow("Dropbox") << 2 << "?delivery=dropbox";
}

void TestNetworkManager::deliveryOfUpdateUrl()
{
    QFETCH(int, delivery);
    QFETCH(QString, suffix);
    server.applyEnvironment(QStringLiteral("update"));
    Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("Delivery"), delivery);
    Settings::setSettingsValue(QStringLiteral("Updates"),
                               QStringLiteral("InstallUpdatesAutomatically"), false);
    const CheckResult result = runCheck();
    QCOMPARE(result.url,
             server.baseUrl()
                 + QStringLiteral("/apps/verdimon_nuvo/release/Verdimon.Nuvo.Setup.x64.exe")
                 + suffix);
    QCOMPARE(result.autoUpdate, false);
    Settings::setSettingsValue(QStringLiteral("Updates"),
                               QStringLiteral("InstallUpdatesAutomatically"), true);
}

void TestNetworkManager::noNetworkEndsTheThread()
{
    const quint16 closed = HttpsStandIn::closedPort();
    qputenv("VN_WEB_HOST", "127.0.0.1");
    qputenv("VN_WEB_PORT", QByteArray::number(closed));
    qputenv("VN_WEB_BASE_URL", QStringLiteral("https://127.0.0.1:%1").arg(closed).toUtf8());
    const CheckResult result = runCheck();
    QCOMPARE(result.signalNames,
             (QStringList { QStringLiteral("noNetConnection"), QStringLiteral("finished") }));
    QVERIFY(result.threadEnded);
    QVERIFY(server.requestedPaths().isEmpty());
}

void TestNetworkManager::unreadableChannelSettingReadsAsDevelopment()
{
    server.applyEnvironment();
    Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"),
                               QStringLiteral("beta please"));
    runCheck();
    // Development without the development right is served from the Insider folder.
    QCOMPARE(server.requestedPaths(),
             QStringList { QStringLiteral("/apps/verdimon_nuvo/insider/en.update.insider.json") });
}

void TestNetworkManager::validateUpdateUrlIgnoresVersion()
{
    server.applyEnvironment(QStringLiteral("older"));
    NetworkManager manager;
    QSignalSpy validated(&manager, &NetworkManager::urlValidated);
    QSignalSpy finished(&manager, &NetworkManager::finished);
    manager.validateUpdateUrl();
    QVERIFY(validated.wait(15000));
    QCOMPARE(validated.at(0).at(0).toString(),
             server.baseUrl()
                 + QStringLiteral("/apps/verdimon_nuvo/release/Verdimon.Nuvo.Setup.x64.exe"));
    QTest::qWait(100);
    QCOMPARE(finished.count(), 0);
}

QTEST_GUILESS_MAIN(TestNetworkManager)
#include "tst_networkmanager.moc"
