#include "ftpstandin.h"
#include "httpsstandin.h"
#include "net/networkmanager.h"

#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <functional>

namespace {

const QString dataFolder = QStringLiteral("public_html/apps/verdimon_nuvo/telemetry/data/");

// The outcome signals of one run, in order, and the failure reasons.
struct Outcome
{
    QStringList signalNames;
    QStringList reasons;
};

} // namespace

class TestFtpUploads : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void uploadArrivesAndRemovesFolder();
    void failedUploadKeepsLocalFiles_data();
    void failedUploadKeepsLocalFiles();
    void unopenableFileSendsNothing();
    void multipleUploads_data();
    void multipleUploads();

private:
    Outcome run(const std::function<void(NetworkManager *)> &queue);
    Outcome upload(const QString &mode, const QString &fileName);
    void useMode(const QString &wantedMode);

    FtpStandIn server;
    QTemporaryDir local;
    QString mode;
};

void TestFtpUploads::initTestCase()
{
    registerFtpDataMetaTypes();
    QVERIFY2(server.start(), qPrintable(server.errorText()));
    mode = QStringLiteral("normal");
}

void TestFtpUploads::init()
{
    server.clear();
    useMode(QStringLiteral("normal"));
}

Outcome TestFtpUploads::run(const std::function<void(NetworkManager *)> &queue)
{
    Outcome outcome;
    auto *thread = new QThread;
    auto *manager = new NetworkManager;
    manager->setStallTimeout(1500);
    manager->moveToThread(thread);
    QObject receiver;
    connect(manager, &NetworkManager::dataUploaded, &receiver,
            [&]() { outcome.signalNames << QStringLiteral("dataUploaded"); });
    connect(manager, &NetworkManager::noNetworkAvailable, &receiver,
            [&]() { outcome.signalNames << QStringLiteral("noNetworkAvailable"); });
    connect(manager, &NetworkManager::uploadFailed, &receiver,
            [&](const QString &fileName, const QString &reason) {
                outcome.signalNames << QStringLiteral("uploadFailed ") + fileName;
                outcome.reasons << reason;
            });
    connect(manager, &NetworkManager::finished, &receiver,
            [&]() { outcome.signalNames << QStringLiteral("finished"); });
    connect(manager, &NetworkManager::finished, thread, &QThread::quit);
    connect(manager, &NetworkManager::finished, manager, &QObject::deleteLater);
    QSignalSpy ended(thread, &QThread::finished);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    queue(manager);
    thread->start(QThread::InheritPriority);
    const bool threadEnded = ended.wait(30000);
    QCoreApplication::processEvents(); // the queued result signals
    if (!threadEnded)
        outcome.signalNames << QStringLiteral("(thread still running)");
    return outcome;
}

void TestFtpUploads::useMode(const QString &wantedMode)
{
    if (wantedMode != mode) {
        mode = wantedMode;
        QVERIFY2(server.start(mode), qPrintable(server.errorText()));
    }
    server.applyEnvironment();
}

Outcome TestFtpUploads::upload(const QString &wantedMode, const QString &fileName)
{
    useMode(wantedMode);
    const QString folder = local.filePath(QStringLiteral("Data"));
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + fileName);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray("hardware report\n").repeated(40000));
    file.close();
    const FtpData data { folder,
                         file.fileName(),
                         QStringLiteral("Verdimon Nuvo"),
                         QStringLiteral("data"),
                         false,
                         true,
                         false };
    return run([data](NetworkManager *manager) {
        QMetaObject::invokeMethod(manager, "uploadToFtp", Qt::AutoConnection,
                                  Q_ARG(QVector<FtpData>, QVector<FtpData> { data }));
    });
}

void TestFtpUploads::uploadArrivesAndRemovesFolder()
{
    // '#' and '?' would cut the remote name if the URL were built as text.
    const QString name = QStringLiteral("Verdimon_Nuvo_Data_#1?é.txt");
    const Outcome outcome = upload(QStringLiteral("normal"), name);
    QCOMPARE(outcome.signalNames, QStringList({ "dataUploaded", "finished" }));
    QCOMPARE(server.receivedFiles(), QStringList { dataFolder + name });
    QCOMPARE(server.receivedFile(dataFolder + name),
             QByteArray("hardware report\n").repeated(40000));
    QVERIFY(!QDir(local.filePath(QStringLiteral("Data"))).exists());
}

void TestFtpUploads::failedUploadKeepsLocalFiles_data()
{
    QTest::addColumn<QString>("serverMode");
    QTest::addColumn<bool>("serverDown");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("refused folder") << "refuse-folder" << false << "uploadFailed report.txt";
    QTest::newRow("wrong password") << "wrong-password" << false << "uploadFailed report.txt";
    QTest::newRow("dropped mid-transfer") << "drop" << false << "noNetworkAvailable";
    QTest::newRow("no server") << "normal" << true << "noNetworkAvailable";
}

void TestFtpUploads::failedUploadKeepsLocalFiles()
{
    QFETCH(QString, serverMode);
    QFETCH(bool, serverDown);
    QFETCH(QString, outcome);
    if (serverDown) {
        qputenv("VN_FTP_PORT", QByteArray::number(HttpsStandIn::closedPort()));
    }
    const Outcome result = serverDown ? run([](NetworkManager *manager) {
        const FtpData data { QString(),
                             QStringLiteral(VN_SOURCE_DIR "/README.md"),
                             QStringLiteral("Verdimon Nuvo"),
                             QStringLiteral("data"),
                             false,
                             false,
                             false };
        QMetaObject::invokeMethod(manager, "uploadToFtp", Qt::AutoConnection,
                                  Q_ARG(QVector<FtpData>, QVector<FtpData> { data }));
    })
                                      : upload(serverMode, QStringLiteral("report.txt"));
    QCOMPARE(result.signalNames, QStringList({ outcome, "finished" }));
    for (const QString &reason : result.reasons) {
        QVERIFY(!reason.isEmpty());
        QVERIFY2(!reason.contains(QLatin1String("Vq7Lm2Xr9Tb4Nc8K")), qPrintable(reason));
    }
    if (!serverDown)
        QVERIFY(QFile::exists(local.filePath(QStringLiteral("Data/report.txt"))));
}

void TestFtpUploads::unopenableFileSendsNothing()
{
    const Outcome outcome = run([this](NetworkManager *manager) {
        const FtpData data { local.path(),
                             local.filePath(QStringLiteral("missing.txt")),
                             QStringLiteral("Verdimon Nuvo"),
                             QStringLiteral("log"),
                             false,
                             true,
                             false };
        QMetaObject::invokeMethod(manager, "uploadToFtp", Qt::AutoConnection,
                                  Q_ARG(QVector<FtpData>, QVector<FtpData> { data }));
    });
    QCOMPARE(outcome.signalNames, QStringList({ "uploadFailed missing.txt", "finished" }));
    QVERIFY(server.commands().isEmpty());
    QVERIFY(QDir(local.path()).exists());
}

void TestFtpUploads::multipleUploads_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("remoteFolder");
    QTest::addColumn<QStringList>("signalNames");
    const QStringList three { "a.png", "b.jpg", "c.dmp" };
    QTest::newRow("feedback attachments")
        << "Verdimon Nuvo" << three << "public_html/apps/verdimon_nuvo/telemetry/feedback/files/"
        << QStringList { "finished" };
    QTest::newRow("installers path")
        << "Ostrel" << three
        << "public_html/apps/installers/online/ostrel/telemetry/feedback/files/"
        << QStringList { "finished" };
    QTest::newRow("one unreadable") << "Verdimon Nuvo" << QStringList { "a.png", "-missing.png" }
                                    << "public_html/apps/verdimon_nuvo/telemetry/feedback/files/"
                                    << QStringList { "uploadFailed missing.png", "finished" };
    QTest::newRow("none") << "Verdimon Nuvo" << QStringList() << QString()
                          << QStringList { "finished" };
}

void TestFtpUploads::multipleUploads()
{
    QFETCH(QString, product);
    QFETCH(QStringList, files);
    QFETCH(QString, remoteFolder);
    QFETCH(QStringList, signalNames);
    QStringList paths;
    QStringList expected;
    for (const QString &name : files) {
        // A leading '-' names a file that is never written.
        QFile file(local.filePath(name.startsWith(QLatin1Char('-')) ? name.mid(1) : name));
        if (!name.startsWith(QLatin1Char('-'))) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(name.toUtf8());
            expected << remoteFolder + name;
        }
        paths << file.fileName();
    }
    const Outcome outcome = run([&](NetworkManager *manager) {
        QMetaObject::invokeMethod(manager, "multipleUploadsToFTP", Qt::AutoConnection,
                                  Q_ARG(QString, product), Q_ARG(QString, "feedback/files"),
                                  Q_ARG(QStringList, paths));
    });
    QCOMPARE(outcome.signalNames, signalNames);
    QCOMPARE(server.receivedFiles(), expected);
    for (const QString &remote : expected)
        QCOMPARE(server.receivedFile(remote), remote.section(QLatin1Char('/'), -1).toUtf8());
}

QTEST_GUILESS_MAIN(TestFtpUploads)
#include "tst_ftpuploads.moc"
