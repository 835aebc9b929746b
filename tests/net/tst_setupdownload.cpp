// Downloading a setup from the loopback stand-in: outcomes, progress figures, time-out. A cancel
// is run through the Updates window (tst_updatewindows).

#include "app/config.h"
#include "app/settings.h"
#include "httpsstandin.h"
#include "net/networkmanager.h"
#include "signallog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestSetupDownload : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
        QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
        qRegisterMetaType<QNetworkReply::NetworkError>();
        QVERIFY2(server.start(), qPrintable(server.errorText()));
        server.applyEnvironment();
        QVERIFY(Config::installTestCertificateAuthority());
        Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), 3);
    }

    void figures_data()
    {
        QTest::addColumn<qint64>("received");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("elapsedMs");
        QTest::addColumn<QString>("speed"); // one decimal and unit
        QTest::addColumn<QString>("sizes"); // "received/total unit"
        QTest::addColumn<int>("percentage");
        QTest::addColumn<QString>("remaining");

        QTest::newRow("1024 KB stays in KB")
            << qint64(512 * 1024) << qint64(1024 * 1024) << qint64(1000) << "512.0 KB/s"
            << "512/1024 KB" << 50 << "00:00:01";
        QTest::newRow("1025 KB turns to MB")
            << qint64(1025 * 1024) << qint64(1025 * 1024) << qint64(1000) << "1.0 MB/s"
            << "1/1 MB" << 100 << "unknown";
        QTest::newRow("5.5 MB counted in whole MB")
            << qint64(5 * 1048576) << qint64(5 * 1048576 + 524288) << qint64(2000) << "2.5 MB/s"
            << "5/5 MB" << 100 << "00:00:00";
        QTest::newRow("1024 bytes/s is 1 KB/s")
            << qint64(2048) << qint64(10240) << qint64(2000) << "1.0 KB/s"
            << "2/10 KB" << 20 << "00:00:08";
        QTest::newRow("slow start in bytes/s")
            << qint64(100) << qint64(10240) << qint64(1000) << "100.0 bytes/s"
            << "0/10 KB" << 0 << "unknown";
        QTest::newRow("no size: percentage kept")
            << qint64(3 * 1048576) << qint64(-1) << qint64(1000) << "3.0 MB/s"
            << "3/0 MB" << 7 << "unknown";
        QTest::newRow("below one KB: bytes decide")
            << qint64(300) << qint64(600) << qint64(1000) << "300.0 bytes/s"
            << "0/0 KB" << 50 << "unknown";
        QTest::newRow("beyond 2 GiB")
            << qint64(3) * 1073741824 << qint64(4) * 1073741824 << qint64(30000) << "102.4 MB/s"
            << "3072/4096 MB" << 75 << "00:00:10";
    }

    void figures()
    {
        QFETCH(qint64, received);
        QFETCH(qint64, total);
        QFETCH(qint64, elapsedMs);
        QFETCH(QString, speed);
        QFETCH(QString, sizes);
        QFETCH(int, percentage);
        QFETCH(QString, remaining);

        const NetworkManager::DownloadFigures figures
            = NetworkManager::downloadFigures(received, total, elapsedMs, 7);
        QVERIFY(figures.valid);
        QCOMPARE(QStringLiteral("%1 %2").arg(figures.speed, 0, 'f', 1).arg(figures.speedUnit),
                 speed);
        QCOMPARE(QStringLiteral("%1/%2 %3")
                     .arg(figures.received)
                     .arg(figures.total)
                     .arg(figures.sizeUnit),
                 sizes);
        QCOMPARE(figures.percentage, percentage);
        QCOMPARE(figures.remaining, remaining);
        QCOMPARE(figures.elapsed,
                 QStringLiteral("00:00:%1").arg(elapsedMs / 1000, 2, 10, QChar('0')));
        // Nothing to report before the first byte or without elapsed time.
        QVERIFY(!NetworkManager::downloadFigures(0, total, elapsedMs, 7).valid);
        QVERIFY(!NetworkManager::downloadFigures(received, total, 0, 7).valid);
    }

    void setupFileNames_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("name");
        QTest::newRow("development") << 0 << "Verdimon.Nuvo.Dev.Setup.x64.exe";
        QTest::newRow("insider") << 1 << "Verdimon.Nuvo.Insider.Setup.x64.exe";
        QTest::newRow("beta") << 2 << "Verdimon.Nuvo.Beta.Setup.x64.exe";
        QTest::newRow("release") << 3 << "Verdimon.Nuvo.Setup.x64.exe";
        QTest::newRow("unknown counts as release") << 9 << "Verdimon.Nuvo.Setup.x64.exe";
    }

    void setupFileNames()
    {
        QFETCH(int, channel);
        QFETCH(QString, name);
        QCOMPARE(NetworkManager::setupFilePath(QStringLiteral("/dl"), channel), "/dl/" + name);
    }

    void outcomes_data()
    {
        QTest::addColumn<QString>("path"); // below the stand-in's base URL, or a whole URL
        QTest::addColumn<QStringList>("signalNames");
        QTest::addColumn<int>("statusCode");
        QTest::addColumn<int>("error");
        QTest::addColumn<qint64>("fileSize"); // -1: no file left

        QTest::newRow("setup below one KB")
            << "/setups/size/700" << installed << -1 << 0 << qint64(700);
        QTest::newRow("setup of 2 MB")
            << "/setups/size/2097152" << installed << -1 << 0 << qint64(2097152);
        QTest::newRow("three redirects")
            << "/setups/redirect/3/size/5000" << installed << -1 << 0 << qint64(5000);
        QTest::newRow("four redirects") << "/setups/redirect/4/size/5000" << aborted << 302
                                        << int(QNetworkReply::TooManyRedirectsError) << qint64(-1);
        QTest::newRow("not found") << "/setups/missing" << aborted << 404
                                   << int(QNetworkReply::ContentNotFoundError) << qint64(-1);
        QTest::newRow("redirect to http")
            << "/setups/insecure" << aborted << 302 << int(QNetworkReply::InsecureRedirectError)
            << qint64(-1);
        QTest::newRow("no content length")
            << "/setups/nolength/5000" << failed << -1 << 0 << qint64(-1);
        QTest::newRow("plain http address")
            << "http://127.0.0.1:1/setups/size/10" << failed << -1 << 0 << qint64(-1);
        QTest::newRow("no address") << "" << failed << -1 << 0 << qint64(-1);
    }

    void outcomes()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, signalNames);
        QFETCH(int, statusCode);
        QFETCH(int, error);
        QFETCH(qint64, fileSize);

        const QString url = path.startsWith(QLatin1Char('/')) ? server.baseUrl() + path : path;
        QCOMPARE(run(url, dir.path()), signalNames);
        const QVariantList aborted = log->arguments(QStringLiteral("updateAborted(2)")).value(0);
        QCOMPARE(aborted.value(0, -1).toInt(), statusCode);
        QCOMPARE(aborted.value(1, 0).toInt(), error);
        if (fileSize < 0) {
            QVERIFY(!QFile::exists(setupPath()));
            return;
        }
        QCOMPARE(log->arguments(QStringLiteral("installUpdate")).value(0),
                 QVariantList({ setupPath(), QStringList { "/verysilent" } }));
        QCOMPARE(QFileInfo(setupPath()).size(), fileSize);
        QFile file(setupPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        for (int i = 0; i < data.size(); i += 997)
            QCOMPARE(quint8(data.at(i)), quint8(i % 251));
        QVERIFY(server.requests().last().contains(QLatin1String("GET /setups/")));
    }

    void throttledProgress()
    {
        // About 200 KB at 100 KB/s: a couple of seconds of reports.
        QCOMPARE(
            run(server.baseUrl() + QStringLiteral("/setups/size/204800?rate=102400"), dir.path()),
            installed);
        // speed, unit, total, received, percentage, size unit, elapsed, remaining
        const QList<QVariantList> reports = log->arguments(QStringLiteral("downloadProgressData"));
        QVERIFY2(reports.size() >= 5, qPrintable(QString::number(reports.size())));
        int previous = -1;
        for (const QVariantList &r : reports) {
            QCOMPARE(r.at(2).toInt(), 200);
            QCOMPARE(r.at(5).toString(), QStringLiteral("KB"));
            QVERIFY(r.at(4).toInt() >= previous);
            QCOMPARE(r.at(4).toInt(), r.at(3).toInt() * 100 / 200);
            previous = r.at(4).toInt();
        }
        const QVariantList &middle = reports.at(reports.size() / 2);
        QCOMPARE(middle.at(1).toString(), QStringLiteral("KB/s"));
        QVERIFY2(middle.at(0).toDouble() > 30 && middle.at(0).toDouble() < 400,
                 qPrintable(middle.at(0).toString()));
        const QRegularExpression seconds(QStringLiteral("^00:00:0\\d$"));
        QVERIFY(seconds.match(middle.at(6).toString()).hasMatch());
        QVERIFY(middle.at(7).toString() == QStringLiteral("unknown")
                || seconds.match(middle.at(7).toString()).hasMatch());
        QCOMPARE(reports.last().at(4).toInt(), 100);
    }

    void stalledServerTimesOut()
    {
        // Nobody cancels: the transfer time-out ends the download as a failure with its status.
        QCOMPARE(run(server.baseUrl() + QStringLiteral("/setups/stall/100000"), dir.path()),
                 aborted);
        QCOMPARE(log->arguments(QStringLiteral("updateAborted(2)")).value(0),
                 QVariantList({ 200, QVariant::fromValue(QNetworkReply::OperationCanceledError) }));
        QVERIFY(!QFile::exists(setupPath()));
    }

    void unwritableFolderIsReported()
    {
        QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        server.clearRequests();
        QCOMPARE(run(server.baseUrl() + QStringLiteral("/setups/size/1000"), blocker.fileName()),
                 failed);
        const QVariantList failure = log->arguments(QStringLiteral("updateFailed")).value(0);
        QVERIFY(failure.value(0).toString().contains(QLatin1String("not-a-folder")));
        QVERIFY(server.requests().isEmpty()); // nothing downloaded in vain
    }

private:
    // Runs one download into `folder`; the signals in order, without the progress reports.
    QStringList run(const QString &url, const QString &folder)
    {
        QFile::remove(setupPath());
        Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("DownloadPath"),
                                   folder);
        NetworkManager manager;
        log = std::make_unique<SignalLog>(&manager);
        manager.downloadUpdate(url);
        if (!log->waitFor(QStringLiteral("finished"), NetworkManager::transferTimeoutMs + 20000))
            return log->names() << QStringLiteral("<timeout>");
        return log->names().filter(QRegularExpression(QStringLiteral("^(?!downloadProgressData)")));
    }

    QString setupPath() const { return NetworkManager::setupFilePath(dir.path(), 3); }

    HttpsStandIn server;
    QTemporaryDir dir;
    std::unique_ptr<SignalLog> log;
    const QStringList started { "updateStarted", "updatesPaths" };
    const QStringList installed
        = started + QStringList { "updateDownloadedSuccessfully", "installUpdate", "finished" };
    const QStringList aborted = started + QStringList { "updateAborted(2)", "finished" };
    const QStringList failed = started + QStringList { "updateFailed", "finished" };
};

QTEST_GUILESS_MAIN(TestSetupDownload)
#include "tst_setupdownload.moc"
