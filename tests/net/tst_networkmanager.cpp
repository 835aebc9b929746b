// NetworkManager against the loopback stand-ins: update checks, setup downloads (a cancel is run
// through the Updates window in tst_updatewindows) and FTP uploads; hostile web replies are in
// tst_hostilereplies.

#include "app/atomicfile.h"
#include "appidentity.h"
#include "diskfaults.h"
#include "ftpstandin.h"
#include "net/ftptransfer.h"
#include "networkfixture.h"
#include "silentlistener.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QTcpServer>

class TestNetworkManager : public QObject, private NetworkFixture
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        registerFtpDataMetaTypes();
        QVERIFY2(startServer(), qPrintable(server.errorText()));
        useMode(QStringLiteral("normal"));
    }

    void cleanup()
    {
        Settings::setSettingsValue(QStringLiteral("AppSettings"), QStringLiteral("AppLanguage"), 1);
        Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), 3);
        Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("Delivery"), 0);
        server.applyEnvironment();
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
        QTest::addColumn<QString>("file"); // below /apps/verdimon_nuvo/
        QTest::newRow("development, auto English")
            << QVariant(0) << 0 << false << "insider/en.update.insider.json";
        QTest::newRow("beta, Russian") << QVariant(2) << 2 << false << "beta/ru.update.beta.json";
        QTest::newRow("release, Ukrainian")
            << QVariant(3) << 3 << false << "release/ua.update.release.json";
        QTest::newRow("unknown channel and language")
            << QVariant(9) << 7 << false << "release/update.release.json";
        QTest::newRow("insider check ignores the channel")
            << QVariant(2) << 3 << true << "insider/ua.update.insider.json";
        // Development without the development right is served from the Insider folder.
        QTest::newRow("unreadable channel reads as development")
            << QVariant("beta please") << 1 << false << "insider/en.update.insider.json";
    }

    void descriptionFileNames()
    {
        QFETCH(QVariant, channel);
        QFETCH(int, language);
        QFETCH(bool, insider);
        QFETCH(QString, file);

        server.applyEnvironment();
        Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"),
                                   channel);
        Settings::setSettingsValue(QStringLiteral("AppSettings"), QStringLiteral("AppLanguage"),
                                   language);
        const QStringList names = runCheck(insider);
        QCOMPARE(server.requestedPaths(), QStringList { "/apps/verdimon_nuvo/" + file });
        // Only an unknown language leaves the name without its language part.
        QCOMPARE(names.contains(QStringLiteral("localeError")),
                 file.section(QLatin1Char('/'), 1).startsWith(QLatin1String("update.")));
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
        QTest::newRow("host unreachable")
            << "unreachable" << QStringList { "noNetConnection", "finished" } << "";
    }

    void checkResults()
    {
        QFETCH(QString, mode);
        QFETCH(QStringList, signalNames);
        QFETCH(QString, build);

        server.applyEnvironment(mode);
        if (mode == QLatin1String("unreachable"))
            qputenv("VN_WEB_PORT", QByteArray::number(HttpsStandIn::closedPort()));
        QCOMPARE(runCheck(), signalNames);
        QCOMPARE(server.requestedPaths().isEmpty(), mode == QLatin1String("unreachable"));
        // The offered or the running build; none without a description.
        const QList<QVariantList> reported
            = log->arguments("updateAvailable(5)") + log->arguments("latestVersion(1)");
        QCOMPARE(reported.value(0).value(0).toString(), build);
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

    void figures_data()
    {
        QTest::addColumn<qint64>("received");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("elapsedMs");
        QTest::addColumn<QString>("shown"); // speed, "received/total unit", percentage, remaining

        const qint64 KiB = 1024, MiB = 1048576, GiB = 1073741824;
        const std::tuple<const char *, qint64, qint64, qint64, QString> rows[] = {
            { "1024 KB stays in KB", 512 * KiB, 1024 * KiB, 1000,
              "512.0 KB/s, 512/1024 KB, 50%, 00:00:01" },
            { "1025 KB turns to MB", 1025 * KiB, 1025 * KiB, 1000,
              "1.0 MB/s, 1/1 MB, 100%, unknown" },
            { "5.5 MB counted in whole MB", 5 * MiB, 5 * MiB + 512 * KiB, 2000,
              "2.5 MB/s, 5/5 MB, 100%, 00:00:00" },
            { "1024 bytes/s is 1 KB/s", 2048, 10240, 2000, "1.0 KB/s, 2/10 KB, 20%, 00:00:08" },
            { "slow start in bytes/s", 100, 10240, 1000, "100.0 bytes/s, 0/10 KB, 0%, unknown" },
            { "no size: percentage kept", 3 * MiB, -1, 1000, "3.0 MB/s, 3/0 MB, 7%, unknown" },
            { "below one KB: bytes decide", 300, 600, 1000, "300.0 bytes/s, 0/0 KB, 50%, unknown" },
            { "beyond 2 GiB", 3 * GiB, 4 * GiB, 30000, "102.4 MB/s, 3072/4096 MB, 75%, 00:00:10" },
        };
        for (const auto &[name, received, total, elapsedMs, shown] : rows)
            QTest::newRow(name) << received << total << elapsedMs << shown;
    }

    void figures()
    {
        QFETCH(qint64, received);
        QFETCH(qint64, total);
        QFETCH(qint64, elapsedMs);

        const NetworkManager::DownloadFigures figures
            = NetworkManager::downloadFigures(received, total, elapsedMs, 7);
        QVERIFY(figures.valid);
        QTEST(QStringLiteral("%1 %2, %3/%4 %5, %6%, %7")
                  .arg(figures.speed, 0, 'f', 1)
                  .arg(figures.speedUnit)
                  .arg(figures.received)
                  .arg(figures.total)
                  .arg(figures.sizeUnit)
                  .arg(figures.percentage)
                  .arg(figures.remaining),
              "shown");
        QCOMPARE(figures.elapsed,
                 QStringLiteral("00:00:%1").arg(elapsedMs / 1000, 2, 10, QChar('0')));
        // Nothing to report before the first byte or without elapsed time.
        QVERIFY(!NetworkManager::downloadFigures(0, total, elapsedMs, 7).valid);
        QVERIFY(!NetworkManager::downloadFigures(received, total, 0, 7).valid);
    }

    void setupFileNames()
    {
        // Unknown channels count as release.
        const QStringList kinds { "Dev.", "Insider.", "Beta.", "", "" };
        for (int channel : { 0, 1, 2, 3, 9 })
            QCOMPARE(NetworkManager::setupFilePath(QStringLiteral("/dl"), channel),
                     "/dl/Verdimon.Nuvo." + kinds.value(qMin(channel, 4)) + "Setup.x64.exe");
    }

    void outcomes_data()
    {
        QTest::addColumn<QString>("path"); // below the stand-in's base URL, or a whole URL
        QTest::addColumn<QStringList>("signalNames");
        QTest::addColumn<int>("statusCode");
        QTest::addColumn<int>("error");
        using E = QNetworkReply::NetworkError;
        const std::tuple<const char *, QString, QStringList, int, E> rows[] = {
            { "setup of 2 MB", "/setups/size/2097152", installed, -1, E(0) },
            { "three redirects", "/setups/redirect/3/size/5000", installed, -1, E(0) },
            { "four redirects", "/setups/redirect/4/size/5000", aborted, 302,
              QNetworkReply::TooManyRedirectsError },
            { "not found", "/setups/missing", aborted, 404, QNetworkReply::ContentNotFoundError },
            { "redirect to http", "/setups/insecure", aborted, 302,
              QNetworkReply::InsecureRedirectError },
            // Nobody cancels: the transfer time-out ends the download as a failure with its
            // reason (the fixture's 2 s).
            { "stalled server", "/setups/stall/100000", failed, -1, E(0) },
            { "no content length", "/setups/nolength/5000", failed, -1, E(0) },
            { "plain http address", "http://127.0.0.1:1/setups/size/10", failed, -1, E(0) },
            { "no address", "", failed, -1, E(0) },
        };
        for (const auto &[name, path, signalNames, statusCode, error] : rows)
            QTest::newRow(name) << path << signalNames << statusCode << int(error);
    }

    void outcomes()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, signalNames);
        QFETCH(int, statusCode);
        QFETCH(int, error);

        const QString url = path.startsWith(QLatin1Char('/')) ? server.baseUrl() + path : path;
        QCOMPARE(download(url, dir.path()), signalNames);
        const QVariantList aborted = log->arguments(QStringLiteral("updateAborted(2)")).value(0);
        QCOMPARE(aborted.value(0, -1).toInt(), statusCode);
        QCOMPARE(aborted.value(1, 0).toInt(), error);
        if (path.contains(QLatin1String("/stall/")))
            QCOMPARE(log->arguments(QStringLiteral("updateFailed")).value(0).value(0).toString(),
                     QStringLiteral("The server did not respond for 2 seconds."));
        if (signalNames != installed) {
            QVERIFY(!QFile::exists(setupPath()));
            return;
        }
        QCOMPARE(log->arguments(QStringLiteral("installUpdate")).value(0),
                 QVariantList({ setupPath(), QStringList { "/verysilent" } }));
        QCOMPARE(QFileInfo(setupPath()).size(), path.section('/', -1).toLongLong());
        QFile file(setupPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        for (int i = 0; i < data.size(); i += 997)
            QCOMPARE(quint8(data.at(i)), quint8(i % 251));
    }

    void throttledProgress()
    {
        // About 200 KB at 100 KB/s: a couple of seconds of reports.
        QCOMPARE(download(server.baseUrl() + QStringLiteral("/setups/size/204800?rate=102400"),
                          dir.path()),
                 installed);
        // speed, unit, total, received, percentage, size unit, elapsed, remaining; the figures'
        // forms are checked in figures().
        const QList<QVariantList> reports = log->arguments(QStringLiteral("downloadProgressData"));
        QVERIFY2(reports.size() >= 5, qPrintable(QString::number(reports.size())));
        int previous = -1;
        for (const QVariantList &r : reports) {
            QCOMPARE(r.at(2).toInt(), 200);
            QVERIFY(r.at(4).toInt() >= previous);
            previous = r.at(4).toInt();
        }
        const QVariantList &middle = reports.at(reports.size() / 2);
        QVERIFY2(middle.at(0).toDouble() > 30 && middle.at(0).toDouble() < 400
                     && middle.at(1).toString() == QLatin1String("KB/s"),
                 qPrintable(middle.at(0).toString()));
        QVERIFY(middle.at(6).toString().contains(QRegularExpression("^00:00:0\\d$")));
        QCOMPARE(reports.last().at(4).toInt(), 100);
    }

    void unwritableFolderIsReported()
    {
        QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        server.clearRequests();
        QCOMPARE(
            download(server.baseUrl() + QStringLiteral("/setups/size/1000"), blocker.fileName()),
            failed);
        const QVariantList failure = log->arguments(QStringLiteral("updateFailed")).value(0);
        QVERIFY(failure.value(0).toString().contains(QLatin1String("not-a-folder")));
        QVERIFY(server.requests().isEmpty()); // nothing downloaded in vain
    }

    // A disk that fills: the system's reason, nothing for the installer, the setup downloaded
    // before intact and no part left; with room, the whole setup.
    void downloadOnSmallDisk_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("left"); // free bytes; -1: no filling
        QTest::addColumn<QStringList>("signalNames");
        QTest::newRow("fills in the last buffered write") << "/setups/size/40000" << 8192 << failed;
        QTest::newRow("full from the start") << "/setups/size/300000" << 0 << failed;
        QTest::newRow("not found") << "/setups/missing" << -1 << aborted;
        QTest::newRow("room") << "/setups/size/300000" << -1 << installed;
    }
    void downloadOnSmallDisk()
    {
        QFETCH(QString, path);
        QFETCH(int, left);
        QFETCH(QStringList, signalNames);
        VN_SMALL_DISK(disk, 512 * 1024);
        const QString setup = NetworkManager::setupFilePath(disk.path(), 3);
        QVERIFY(AtomicFile::writeFile(setup, "earlier", nullptr) && (left < 0 || disk.fill(left)));
        QCOMPARE(download(server.baseUrl() + path, disk.path()), signalNames);
        QCOMPARE(log->arguments(QStringLiteral("updateFailed")).value(0).value(0).toString(),
                 signalNames == failed
                     ? "The setup file cannot be written: " + setup + " (No space left on device)"
                     : QString());
        QCOMPARE(QFileInfo(setup).size(), signalNames == installed ? 300000 : 7);
        QCOMPARE(filesIn(disk.path()).filter(QRegularExpression("^(?!filler$)")),
                 QStringList { QFileInfo(setup).fileName() });
    }

    void upload_data()
    {
        QTest::addColumn<QString>("serverMode");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("reason");
        const int large = 640000; // more than the sockets buffer: the sender meets the fault
        const int small = 1000; // sent whole before the server acts
        const int report = 300000; // a report of 300 KB
        const QString partial = "The server holds %1 of the file's 1000 bytes.";
        const QString failed = "uploadFailed r.txt";
        const QString closed = "The server closed the connection.";
        const QString silent = "The server did not respond for 2 seconds.";
        const QString flooded = "The server's reply is larger than 64 KB and was refused.";
        const QString sent = "dataUploaded";
        const std::tuple<const char *, QString, QString, int, QString, QString> rows[] = {
            // '#' and '?' would cut the remote name if the URL were built as text.
            { "arrives", "normal", "Data_#1?é.txt", large, sent, "" },
            { "HELP refused", "help-502", "r.txt", large, sent, "" },
            // A refused SIZE leaves the acknowledgement to decide.
            { "upload-only account", "upload-only", "r.txt", report, sent, "" },
            { "upload-only account, small file", "upload-only", "r.txt", small, sent, "" },
            { "SIZE not implemented", "no-size", "r.txt", small, sent, "" },
            { "acknowledged, SIZE refused", "ack-missing", "r.txt", report, sent, "" },
            { "refused folder", "refuse-folder", "r.txt", small, failed,
              "The server refused the file (reply 550)." },
            { "wrong password", "wrong-password", "r.txt", small, failed,
              "The server refused the login." },
            // A size told that is not the file's outweighs the acknowledgement.
            { "short transfer acknowledged", "ack-short", "r.txt", small, failed,
              partial.arg(100) },
            { "acknowledged unread", "ack-unread", "r.txt", small, failed, partial.arg(0) },
            { "dropped mid-transfer", "drop", "r.txt", large, failed, closed },
            { "dropped before acknowledging", "drop", "r.txt", small, failed, closed },
            // Listening no further than the bound: no login, the reason names the flood.
            { "greeting flood", "greeting-flood", "r.txt", small, failed, flooded },
            { "endless greeting line", "greeting-endless-line", "r.txt", small, failed, flooded },
            // The reason states the stall time-out waited (2 s).
            { "stalled mid-transfer", "stall", "r.txt", large, failed, silent },
            { "no acknowledgement", "stall", "r.txt", small, failed, silent },
            // Quitting ends the upload before the stall time-out would.
            { "quit mid-transfer", "stall", "r.txt", large, failed, "The upload was cancelled." },
            { "no server", "", "r.txt", small, failed, "The server refused the connection." },
            { "unopenable file", "normal", "-missing.txt", small, "uploadFailed missing.txt",
              "The file could not be opened: No such file or directory" },
            { "command in the name", "normal", "a.png\r\nDELE victim.txt", small,
              "uploadFailed a.png\r\nDELE victim.txt",
              "The file name contains control characters; it was not sent." },
        };
        for (const auto &[name, mode, file, size, outcome, reason] : rows)
            QTest::newRow(name) << mode << file << size << outcome << reason;
    }

    void upload()
    {
        QFETCH(QString, serverMode);
        QFETCH(QString, fileName);
        QFETCH(int, size);
        QFETCH(QString, outcome);
        QFETCH(QString, reason);
        useMode(serverMode.isEmpty() ? ftpMode : serverMode);
        if (serverMode.isEmpty())
            qputenv("VN_FTP_PORT", QByteArray::number(HttpsStandIn::closedPort()));
        const QString remoteFolder = "public_html/apps/verdimon_nuvo/telemetry/data/";
        ftp.place(remoteFolder + "victim.txt", "keep");
        const QByteArray content
            = QByteArray("hardware report\n").repeated(size / 16 + 1).left(size);
        QTemporaryDir folder(local.filePath("DataXXXXXX"));
        const bool unopenable = fileName.startsWith('-');
        if (unopenable) {
            fileName.remove(0, 1);
        } else {
            QFile file(folder.filePath(fileName));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const FtpData data {
            folder.path(), folder.filePath(fileName), "Verdimon Nuvo", "data", false, true, false
        };
        QElapsedTimer timer;
        timer.start();
        const QStringList names = runUpload(
            [data](NetworkManager *manager) {
                QMetaObject::invokeMethod(manager, "uploadToFtp", Qt::AutoConnection,
                                          Q_ARG(QVector<FtpData>, QVector<FtpData> { data }));
            },
            reason.contains("cancelled") ? 500 : 0);
        // Bounded by the 2 s stall time-out (polled once a second), whatever the server does; a
        // reason that states the time waited tells it as it was.
        QVERIFY2(timer.elapsed() < 4500, qPrintable(QString::number(timer.elapsed())));
        const QRegularExpressionMatch stated
            = QRegularExpression(" for (\\d+) seconds").match(reason);
        if (stated.hasMatch())
            QVERIFY2(timer.elapsed() >= stated.captured(1).toInt() * 1000,
                     qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(names, QStringList({ outcome, "finished" }));
        QCOMPARE(reasons, reason.isEmpty() ? QStringList() : QStringList { reason });
        QCOMPARE(ftp.receivedFile(remoteFolder + "victim.txt"), QByteArray("keep"));
        QVERIFY(!ftp.commands().join('\n').contains("DELE"));
        const QString remote = remoteFolder + fileName;
        if (outcome == "dataUploaded") {
            // The stand-in throws that data away, which no client can tell from an upload-only
            // account.
            if (serverMode != "ack-missing")
                QCOMPARE(ftp.receivedFile(remote), content);
            QVERIFY(!QFile::exists(folder.path())); // removeFolder, once the whole file arrived
        } else if (unopenable || reason.contains("control characters")
                   || reason.contains("larger than")) {
            QVERIFY(ftp.commands().isEmpty());
        } else {
            // A failure keeps the local data as it was.
            QFile file(data.filePath);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), content);
        }
    }

    // A server that never completes the connection, or never greets: the upload ends at the time
    // its reason states (connect or stall time-out, or the overall deadline), whichever is first;
    // never before it, whatever libcurl's clock rounds, and within a loaded machine's slack after.
    void transferTimeouts_data()
    {
        QTest::addColumn<bool>("connects");
        QTest::addColumn<int>("connectMs");
        QTest::addColumn<int>("stallMs");
        QTest::addColumn<int>("deadlineMs");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("waitedMs");
        const QString silent = "The server did not respond for %1 seconds.";
        QTest::newRow("no handshake") << false << 2000 << 5000 << 60000 << silent.arg(2) << 2000;
        QTest::newRow("no handshake, stall first")
            << false << 5000 << 1200 << 60000 << silent.arg(2) << 2000;
        QTest::newRow("no greeting") << true << 5000 << 2000 << 60000 << silent.arg(2) << 2000;
        QTest::newRow("no greeting, connect time-out first")
            << true << 2000 << 5000 << 60000 << silent.arg(2) << 2000;
        QTest::newRow("no greeting by the deadline")
            << true << 5000 << 5000 << 2000 << "The upload did not end within 2 seconds." << 2000;
    }
    void transferTimeouts()
    {
        QFETCH(bool, connects);
        QFETCH(int, connectMs);
        QFETCH(int, stallMs);
        QFETCH(int, deadlineMs);
        QFETCH(QString, reason);
        QFETCH(int, waitedMs);
        SilentListener dropping;
        QTcpServer mute; // completes the handshake, then says nothing
        QVERIFY(dropping.port() != 0 && mute.listen(QHostAddress::LocalHost));
        FtpTransfer transfer("127.0.0.1", connects ? mute.serverPort() : dropping.port(), "user",
                             "secret");
        FtpTransfer::Limits limits;
        limits.connectTimeoutMs = connectMs;
        limits.stallTimeoutMs = stallMs;
        limits.deadlineMs = deadlineMs;
        transfer.setLimits(limits);
        QFile file(local.filePath("timeouts.txt"));
        QVERIFY(file.open(QIODevice::ReadWrite) && file.write("kept") == 4 && file.seek(0));
        QElapsedTimer timer;
        timer.start();
        const FtpTransfer::Result result = transfer.upload(&file, "/public_html/apps/t.txt");
        const qint64 elapsed = timer.elapsed();
        QCOMPARE(result.reason, reason);
        QCOMPARE(int(result.outcome), int(FtpTransfer::Outcome::Broken));
        QVERIFY2(elapsed >= waitedMs && elapsed < waitedMs + 2500,
                 qPrintable(QString::number(elapsed)));
    }

    // A server silent on both connections is given up once the stall time its reason states
    // has passed, and not much later; no later file is tried then, so several files keep the
    // user waiting no longer than one.
    void silentServerGivenUpAtStatedTime_data()
    {
        QTest::addColumn<bool>("records"); // uploadToFtp with records, else multipleUploadsToFTP
        QTest::addColumn<int>("files");
        QTest::addColumn<int>("size");
        QTest::newRow("upload, no acknowledgement") << true << 1 << 1000;
        QTest::newRow("upload, stalled mid-transfer") << true << 1 << 640000;
        QTest::newRow("three records") << true << 3 << 1000;
        QTest::newRow("three attachments") << false << 3 << 1000;
    }
    void silentServerGivenUpAtStatedTime()
    {
        QFETCH(bool, records);
        QFETCH(int, files);
        QFETCH(int, size);
        useMode("stall");
        QTemporaryDir folder(local.filePath("SilentXXXXXX"));
        QStringList paths;
        QVector<FtpData> data;
        for (int i = 0; i < files; ++i) {
            QFile file(folder.filePath(QStringLiteral("s%1.txt").arg(i)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(size, 's')) == size);
            paths << file.fileName();
            data << FtpData { folder.path(), file.fileName(), "Verdimon Nuvo", "data", false, true,
                              false };
        }
        QElapsedTimer timer;
        timer.start();
        const QStringList names = runUpload(
            [&](NetworkManager *manager) {
                if (records) {
                    QMetaObject::invokeMethod(manager, "uploadToFtp", Qt::AutoConnection,
                                              Q_ARG(QVector<FtpData>, data));
                } else {
                    QMetaObject::invokeMethod(manager, "multipleUploadsToFTP", Qt::AutoConnection,
                                              Q_ARG(QString, "Verdimon Nuvo"),
                                              Q_ARG(QString, "feedback/files"),
                                              Q_ARG(QStringList, paths));
                }
            },
            0, 3000);
        const qint64 elapsed = timer.elapsed();
        QCOMPARE(names, QStringList({ "uploadFailed s0.txt", "finished" }));
        QCOMPARE(reasons, QStringList { "The server did not respond for 3 seconds." });
        QVERIFY2(elapsed >= 3000 && elapsed < 3000 + 2500, qPrintable(QString::number(elapsed)));
        QCOMPARE(ftp.commands().filter(QRegularExpression("^STOR ")).size(), 1);
        for (const QString &path : qAsConst(paths))
            QVERIFY(QFile::exists(path));
    }

    void multipleUploads_data()
    {
        QTest::addColumn<QString>("serverMode"); // empty: nothing listens on the port
        QTest::addColumn<QString>("product");
        QTest::addColumn<QStringList>("files"); // a leading '-': never written
        QTest::addColumn<QString>("remoteFolder");
        QTest::addColumn<QStringList>("signalNames");
        const QString feedback = "public_html/apps/verdimon_nuvo/telemetry/feedback/files/";
        const QString installers
            = "public_html/apps/installers/online/ostrel/telemetry/feedback/files/";
        QTest::newRow("installers path") << "normal"
                                         << "Ostrel" << QStringList { "a.png", "b.jpg", "c.dmp" }
                                         << installers << QStringList { "finished" };
        // A file that fails on its own does not stop the others.
        QTest::newRow("one unreadable")
            << "normal"
            << "Verdimon Nuvo" << QStringList { "-m.png", "a.png" } << feedback
            << QStringList { "uploadFailed m.png", "finished" };
        QTest::newRow("command in a name")
            << "normal"
            << "Verdimon Nuvo" << QStringList { "b.png\r\nDELE a.png", "a.png" } << feedback
            << QStringList { "uploadFailed b.png\r\nDELE a.png", "finished" };
        QTest::newRow("refused folder")
            << "refuse-folder"
            << "Verdimon Nuvo" << QStringList { "a.png", "b.png" } << feedback
            << QStringList { "uploadFailed a.png", "uploadFailed b.png", "finished" };
        // A refused connection would be refused again: the others are not tried.
        QTest::newRow("server gone")
            << ""
            << "Verdimon Nuvo" << QStringList { "a.png", "b.png" } << feedback
            << QStringList { "uploadFailed a.png", "finished" };
        QTest::newRow("none") << "normal"
                              << "" << QStringList() << "" << QStringList { "finished" };
    }

    void multipleUploads()
    {
        QFETCH(QString, serverMode);
        QFETCH(QString, product);
        QFETCH(QStringList, files);
        QFETCH(QString, remoteFolder);
        QFETCH(QStringList, signalNames);
        useMode(serverMode.isEmpty() ? ftpMode : serverMode);
        if (serverMode.isEmpty())
            qputenv("VN_FTP_PORT", QByteArray::number(HttpsStandIn::closedPort()));
        QStringList paths;
        for (const QString &name : files) {
            QFile file(local.filePath(QString(name).remove('-')));
            if (!name.startsWith('-') && file.open(QIODevice::WriteOnly))
                file.write(name.toUtf8());
            paths << file.fileName();
        }
        const QStringList names = runUpload([&](NetworkManager *manager) {
            QMetaObject::invokeMethod(manager, "multipleUploadsToFTP", Qt::AutoConnection,
                                      Q_ARG(QString, product), Q_ARG(QString, "feedback/files"),
                                      Q_ARG(QStringList, paths));
        });
        QCOMPARE(names, signalNames);
        const QStringList sent = serverMode == "normal"
            ? files.filter(QRegularExpression("^[^-][^\r]*$"))
            : QStringList();
        QCOMPARE(ftp.receivedFiles().size(), sent.size());
        for (const QString &name : sent)
            QCOMPARE(ftp.receivedFile(remoteFolder + name), name.toUtf8());
    }

private:
    QStringList runCheck(bool insiderUpdate = false)
    {
        return runOnThread([insiderUpdate](NetworkManager *manager) {
            QMetaObject::invokeMethod(manager, "checkForApplicationUpdates", Qt::AutoConnection,
                                      Q_ARG(bool, insiderUpdate));
        });
    }

    // The outcome signals of one upload, in order ("uploadFailed <file>").
    QStringList runUpload(const std::function<void(NetworkManager *)> &queue, int quitAfterMs = 0,
                          int stallMs = 2000)
    {
        QStringList names = runOnThread(queue, stallMs, quitAfterMs);
        reasons.clear();
        for (const QVariantList &failure : log->arguments("uploadFailed")) {
            names[names.indexOf("uploadFailed")] = "uploadFailed " + failure.value(0).toString();
            reasons << failure.value(1).toString();
        }
        return names;
    }

    void useMode(const QString &wantedMode)
    {
        if (wantedMode != ftpMode) {
            ftpMode = wantedMode;
            QVERIFY2(ftp.start(ftpMode), qPrintable(ftp.errorText()));
        }
        ftp.clear();
        ftp.applyEnvironment();
    }

    FtpStandIn ftp;
    QString ftpMode;
    QTemporaryDir local;
    QStringList reasons;
};

QTEST_MAIN(TestNetworkManager)
#include "tst_networkmanager.moc"
