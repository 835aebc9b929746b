#include "ftpstandin.h"
#include "httpsstandin.h"
#include "net/networkmanager.h"
#include "signallog.h"

#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <functional>

class TestFtpUploads : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        registerFtpDataMetaTypes();
        useMode(QStringLiteral("normal"));
    }

    void upload_data()
    {
        QTest::addColumn<QString>("serverMode");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("outcome");
        // '#' and '?' would cut the remote name if the URL were built as text.
        const char *rows[][4] = {
            { "arrives", "normal", "Data_#1?é.txt", "dataUploaded" },
            { "refused folder", "refuse-folder", "r.txt", "uploadFailed r.txt" },
            { "wrong password", "wrong-password", "r.txt", "uploadFailed r.txt" },
            { "dropped mid-transfer", "drop", "r.txt", "noNetworkAvailable" },
            { "no server", "", "r.txt", "noNetworkAvailable" },
            { "unopenable file", "normal", "-missing.txt", "uploadFailed missing.txt" },
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[1] << QString::fromUtf8(row[2]) << row[3];
    }

    void upload()
    {
        QFETCH(QString, serverMode);
        QFETCH(QString, fileName);
        QFETCH(QString, outcome);
        useMode(serverMode.isEmpty() ? mode : serverMode);
        if (serverMode.isEmpty())
            qputenv("VN_FTP_PORT", QByteArray::number(HttpsStandIn::closedPort()));
        const QByteArray content = QByteArray("hardware report\n").repeated(40000);
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
        const QStringList names = run([data](NetworkManager *manager) {
            QMetaObject::invokeMethod(manager, "uploadToFtp", Qt::AutoConnection,
                                      Q_ARG(QVector<FtpData>, QVector<FtpData> { data }));
        });
        QCOMPARE(names, QStringList({ outcome, "finished" }));
        for (const QString &reason : qAsConst(reasons))
            QVERIFY2(!reason.isEmpty() && !reason.contains("Vq7Lm2Xr9Tb4Nc8K"), qPrintable(reason));
        const QString remote = "public_html/apps/verdimon_nuvo/telemetry/data/" + fileName;
        if (outcome == "dataUploaded") {
            QCOMPARE(server.receivedFiles(), QStringList { remote });
            QCOMPARE(server.receivedFile(remote), content);
            QVERIFY(!QFile::exists(folder.path())); // removeFolder
        } else {
            QCOMPARE(QFile::exists(data.filePath), !unopenable); // a failure keeps the local data
            if (unopenable)
                QVERIFY(server.commands().isEmpty());
        }
    }

    void multipleUploads_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QStringList>("files"); // a leading '-': never written
        QTest::addColumn<QString>("remoteFolder");
        QTest::addColumn<QStringList>("signalNames");
        const QString feedback = "public_html/apps/verdimon_nuvo/telemetry/feedback/files/";
        const QString installers
            = "public_html/apps/installers/online/ostrel/telemetry/feedback/files/";
        const QStringList three { "a.png", "b.jpg", "c.dmp" };
        QTest::newRow("attachments")
            << "Verdimon Nuvo" << three << feedback << QStringList { "finished" };
        QTest::newRow("installers path")
            << "Ostrel" << three << installers << QStringList { "finished" };
        QTest::newRow("one unreadable")
            << "Verdimon Nuvo" << QStringList { "a.png", "-m.png" } << feedback
            << QStringList { "uploadFailed m.png", "finished" };
        QTest::newRow("none") << "" << QStringList() << "" << QStringList { "finished" };
    }

    void multipleUploads()
    {
        QFETCH(QString, product);
        QFETCH(QStringList, files);
        QFETCH(QString, remoteFolder);
        QFETCH(QStringList, signalNames);
        useMode("normal");
        QStringList paths;
        for (const QString &name : files) {
            QFile file(local.filePath(QString(name).remove('-')));
            if (!name.startsWith('-') && file.open(QIODevice::WriteOnly))
                file.write(name.toUtf8());
            paths << file.fileName();
        }
        const QStringList names = run([&](NetworkManager *manager) {
            QMetaObject::invokeMethod(manager, "multipleUploadsToFTP", Qt::AutoConnection,
                                      Q_ARG(QString, product), Q_ARG(QString, "feedback/files"),
                                      Q_ARG(QStringList, paths));
        });
        QCOMPARE(names, signalNames);
        const QStringList sent = files.filter(QRegularExpression("^[^-]"));
        QCOMPARE(server.receivedFiles().size(), sent.size());
        for (const QString &name : sent)
            QCOMPARE(server.receivedFile(remoteFolder + name), name.toUtf8());
    }

private:
    // Runs one operation on its own thread; the outcome signals in order ("uploadFailed <file>").
    QStringList run(const std::function<void(NetworkManager *)> &queue)
    {
        QPointer<QThread> thread = new QThread;
        auto *manager = new NetworkManager;
        manager->setStallTimeout(1500);
        manager->moveToThread(thread);
        log = std::make_unique<SignalLog>(manager);
        connect(manager, &NetworkManager::finished, thread, &QThread::quit);
        connect(manager, &NetworkManager::finished, manager, &QObject::deleteLater);
        connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        queue(manager);
        thread->start(QThread::InheritPriority);
        reasons.clear();
        if (!QTest::qWaitFor([&thread] { return thread.isNull(); }, 30000))
            return log->names() << "(thread still running)";
        QStringList names = log->names();
        for (const QVariantList &failure : log->arguments("uploadFailed")) {
            names[names.indexOf("uploadFailed")] = "uploadFailed " + failure.value(0).toString();
            reasons << failure.value(1).toString();
        }
        return names;
    }

    void useMode(const QString &wantedMode)
    {
        if (wantedMode != mode) {
            mode = wantedMode;
            QVERIFY2(server.start(mode), qPrintable(server.errorText()));
        }
        server.clear();
        server.applyEnvironment();
    }

    FtpStandIn server;
    QTemporaryDir local;
    QString mode;
    QStringList reasons;
    std::unique_ptr<SignalLog> log;
};

QTEST_GUILESS_MAIN(TestFtpUploads)
#include "tst_ftpuploads.moc"
