#include "app/applog.h"
#include "app/atomicfile.h"
#include "app/filedialogs.h"
#include "app/settings.h"
#include "diskfaults.h"
#include "feedbacktesting.h"
#include "ftpstandin.h"
#include "httpsstandin.h"
#include "net/logdialog.h"
#include "platform/fakes/fakelauncher.h"

#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <sys/statvfs.h>

namespace {

// Leaves the disk no room for another file or folder, as a full disk whose last block is gone
// (a tmpfs makes folders without blocks: it runs out of file entries instead).
bool takeLastEntries(const SmallDisk &disk)
{
    const QByteArray path = QFile::encodeName(disk.path());
    struct statvfs usage = {};
    if (::statvfs(path.constData(), &usage) != 0)
        return false;
    const QByteArray options
        = "nr_inodes=" + QByteArray::number(qulonglong(usage.f_files - usage.f_ffree));
    return ::mount("tmpfs", path.constData(), "tmpfs", MS_REMOUNT, options.constData()) == 0;
}

} // namespace

class TestLogDialog : public QObject
{
    Q_OBJECT

    QStringList messages;
    Log *dialog = nullptr;
    FtpStandIn ftp;

    QPushButton *button(const QString &text) const
    {
        for (QPushButton *candidate : dialog->findChildren<QPushButton *>()) {
            if (candidate->text() == text)
                return candidate;
        }
        qFatal("no button %s", qPrintable(text));
    }

    // The enabled buttons, in their order.
    QString buttons() const
    {
        QStringList enabled;
        for (QPushButton *candidate : dialog->findChildren<QPushButton *>()) {
            if (candidate->isEnabled())
                enabled << candidate->text();
        }
        return enabled.join(QLatin1Char(' '));
    }

private slots:
    void initTestCase()
    {
        noteMessages(&messages);
        QVERIFY2(ftp.start(), qPrintable(ftp.errorText()));
    }

    void init()
    {
        QSettings().clear();
        messages.clear();
        logView()->clear();
        appendToLog(QStringLiteral("2026-01-02 03:04:05: log button clicked"));
        appendToLog(QStringLiteral("запись"));
        ftp.applyEnvironment();
        setWebPort(ftp.port()); // the FTP stand-in answers the reachability test
    }

    void cleanup()
    {
        delete dialog;
        dialog = nullptr;
        FileDialogs::setTestResponder(nullptr);
        QDir(logFolderPath()).removeRecursively();
    }

    void initialButtons_data()
    {
        QTest::addColumn<bool>("text");
        QTest::addColumn<bool>("savedFile");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("nothing") << false << false << "Close";
        QTest::newRow("saved file only") << false << true << "Save Save as Clear Close";
        QTest::newRow("text only") << true << false << "Save Save as Clear Close";
        QTest::newRow("both") << true << true << "Save Save as Open Clear Delete Send Close";
    }
    void initialButtons()
    {
        QFETCH(bool, text);
        QFETCH(bool, savedFile);
        QFETCH(QString, enabled);
        if (!text)
            logView()->clear();
        if (savedFile) {
            QFile file(QDir(logFolderPath()).filePath("saved.txt"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            Settings::setSettingsValue("AppSettings", "LogPath", file.fileName());
        }
        dialog = new Log;
        QCOMPARE(buttons(), enabled);
    }

    void saveOpenDeleteClear()
    {
        auto launcher = std::make_shared<plat::FakeLauncher>();
        plat::ScopedLauncher scoped(launcher);
        for (int i = 0; i < logViewLines; ++i) // the first lines leave the view and the log
            appendToLog(QStringLiteral("line %1").arg(i));
        dialog = new Log;
        const QString path = dialog->defaultLogFilePath();
        QVERIFY(path.startsWith(logFolderPath() + "/Verdimon_Nuvo_Log_"));

        button("Save")->click(); // the setting it stores: send()
        QCOMPARE(messages,
                 QStringList { "Log|Log file was successfully saved!\nLog path: " + path + "|1" });
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), logView()->toPlainText().toUtf8());
        QCOMPARE(buttons(), QString("Save Save as Open Clear Delete Send Close"));

        button("Open")->click();
        QCOMPARE(launcher->calls().size(), 1);
        QCOMPARE(launcher->calls()[0].file, path);
        QCOMPARE(launcher->calls()[0].verb, QString("open")); // opened, never run

        button("Delete")->click();
        QVERIFY(!QFile::exists(path));
        QVERIFY(logPathSetting().isEmpty());
        QCOMPARE(messages.last(), QString("Log|Log file was successfully deleted!|1"));
        QCOMPARE(buttons(), QString("Save Save as Clear Close"));

        button("Clear")->click();
        QVERIFY(logView()->document()->isEmpty());
        QCOMPARE(buttons(), QString("Close"));
        QCOMPARE(messages.size(), 2);
        // A line logged after the Clear can be saved and cleared again.
        appendToLog(QStringLiteral("after clear"));
        QCOMPARE(buttons(), QString("Save Save as Clear Close"));
        button("Save")->click();
        QCOMPARE(messages.size(), 3);
        QCOMPARE(buttons(), QString("Save Save as Open Clear Delete Send Close"));
    }

    // Save and Save as on a full disk: the system's reason, the earlier file and the setting as
    // they were, nothing left; with room, every character in UTF-8. A disk too full for the log
    // folder itself names its reason too.
    void saveOnSmallDisk_data()
    {
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<bool>("full");
        QTest::addColumn<bool>("folderMade");
        QTest::newRow("Save, disk full") << false << true << true;
        QTest::newRow("Save as, disk full") << true << true << true;
        QTest::newRow("Save, room") << false << false << true;
        QTest::newRow("Save, disk full before the log folder") << false << true << false;
    }
    void saveOnSmallDisk()
    {
        QFETCH(bool, saveAs);
        QFETCH(bool, full);
        QFETCH(bool, folderMade);
        VN_SMALL_DISK(disk);
        QVERIFY(folderMade || takeLastEntries(disk));
        const QByteArray home = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(disk.path()));
        dialog = new Log;
        qputenv("XDG_DATA_HOME", home);
        appendToLog(QStringLiteral("José 中文 Łódź"));
        const QString target = saveAs ? disk.filePath("mine.txt") : dialog->defaultLogFilePath();
        QVERIFY(!folderMade
                || (AtomicFile::writeFile(target, "earlier", nullptr) && (!full || disk.fill(0))));
        FileDialogs::setTestResponder([&](const QString &) { return QStringList { target }; });
        button(saveAs ? "Save as" : "Save")->click();
        const QString name = QFileInfo(target).fileName();
        QCOMPARE(messages.value(0),
                 full ? "Error|" + name + " file could not be saved!\nNo space left on device|3"
                      : "Log|Log file was successfully saved!\nLog path: " + target + "|1");
        QCOMPARE(logPathSetting(), full ? QString() : target);
        if (!folderMade) {
            QVERIFY(!QFileInfo::exists(QFileInfo(target).absolutePath()));
            return;
        }
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), full ? QByteArray("earlier") : logText().toUtf8());
        QCOMPARE(
            filesIn(QFileInfo(target).absolutePath()).filter(QRegularExpression("^(?!filler$)")),
            QStringList { name });
    }

    void saveAsCancelled()
    {
        dialog = new Log;
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath("mine.txt");
        FileDialogs::setTestResponder([&](const QString &) { return QStringList { target }; });
        button("Save as")->click();
        QVERIFY(QFile::exists(target));
        QVERIFY(logPathSetting().isEmpty());
        FileDialogs::setTestResponder([](const QString &) { return QStringList(); });
        button("Save as")->click();
        QCOMPARE(messages.size(), 1);
        // The cancelled choice replaced the earlier one: nothing is left to send.
        button("Send")->click();
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 2, 10000);
        QCOMPARE(messages.last(), QString("Error|Log file is not exists!|3"));
    }

    void send_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("online");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("enabled");
        const QString failed = "Error|Failed to send the log file!";
        const QString all = "Save Save as Open Clear Delete Send Close";
        const QString sent = "Log|Log file was successfully sent!";
        QTest::newRow("arrives") << "normal" << true << sent << "Save Save as Clear Close";
        // The server keeps the log and refuses SIZE to an account that may only upload.
        QTest::newRow("upload-only account")
            << "upload-only" << true << sent << "Save Save as Clear Close";
        QTest::newRow("refused") << "wrong-password" << true << failed << all;
        QTest::newRow("acknowledged unread") << "ack-unread" << true << failed << all;
        QTest::newRow("offline") << "normal" << false
                                 << "Error|Network connection is not available! Check your "
                                    "network and try again."
                                 << "Save Save as Clear Send Close";
    }
    void send()
    {
        QFETCH(QString, mode);
        QFETCH(bool, online);
        QFETCH(QString, answer);
        QFETCH(QString, enabled);
        const bool arrives = answer.endsWith("successfully sent!");
        QVERIFY2(ftp.start(mode), qPrintable(ftp.errorText()));
        ftp.clear();
        ftp.applyEnvironment();
        setWebPort(online ? ftp.port() : HttpsStandIn::closedPort());
        dialog = new Log;
        button("Save")->click();
        const QString path = logPathSetting();
        messages.clear();
        button("Send")->click();
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 15000);
        QVERIFY2(messages[0].startsWith(answer), qPrintable(messages[0]));
        QCOMPARE(buttons(), enabled);
        const QString remote
            = "public_html/apps/verdimon_nuvo/telemetry/log/" + QFileInfo(path).fileName();
        // A server that acknowledged what it never read holds an empty file; the log stays.
        QCOMPARE(ftp.receivedFile(remote).isEmpty(), !arrives);
        // Saved logs go only with a send that arrived.
        QCOMPARE(QFile::exists(path), !arrives);
        QCOMPARE(logPathSetting().isEmpty(), arrives);
        if (arrives) {
            QVERIFY(!QFileInfo::exists(QFileInfo(path).absolutePath()));
            QVERIFY(ftp.receivedFile(remote).endsWith(QString("\nзапись").toUtf8()));
            // The sent file's object is gone for good: a later Send finds no saved log.
            dialog->logSaved();
            button("Send")->click();
            QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 2, 10000);
            QCOMPARE(messages.last(), QString("Error|Log file is not exists!|3"));
        } else if (online) {
            // A stray completion notice after a failed send releases no log: Delete still
            // answers for it (the notice removed the file).
            dialog->uploadFinished();
            button("Delete")->click();
            QCOMPARE(messages.last(), QString("Error|Log file is not exists!|3"));
        }
        QVERIFY2(ftp.start(), qPrintable(ftp.errorText()));
    }

    // A failed send names what the server did; the saved log stays and can be sent again.
    void sendNamesTheFault_data()
    {
        QTest::addColumn<QString>("mode"); // "stopped": nothing listens on the FTP port
        QTest::addColumn<QString>("reason");
        QTest::newRow("server gone") << "stopped"
                                     << "The server refused the connection.";
        QTest::newRow("server hangs up") << "drop"
                                         << "The server closed the connection.";
        QTest::newRow("server floods its greeting")
            << "greeting-flood"
            << "The server's reply is larger than 64 KB and was refused.";
    }
    void sendNamesTheFault()
    {
        QFETCH(QString, mode);
        QFETCH(QString, reason);
        QVERIFY2(mode == "stopped" || ftp.start(mode), qPrintable(ftp.errorText()));
        ftp.clear();
        ftp.applyEnvironment();
        setWebPort(ftp.port()); // the network is there, whatever the FTP server does
        if (mode == "stopped")
            qputenv("VN_FTP_PORT", QByteArray::number(HttpsStandIn::closedPort()));
        dialog = new Log;
        button("Save")->click();
        const QString path = logPathSetting();
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray content = saved.readAll();
        saved.close();
        messages.clear();
        button("Send")->click();
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 15000);
        QCOMPARE(messages[0],
                 QString("Error|Failed to send the log file!\n%1: %2|3")
                     .arg(QFileInfo(path).fileName(), reason));
        QCOMPARE(buttons(), QString("Save Save as Open Clear Delete Send Close"));
        QCOMPARE(logPathSetting(), path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), content);
        QVERIFY2(ftp.start(), qPrintable(ftp.errorText()));
    }

    void viewOutlivesDialog()
    {
        QTextBrowser *view = logView();
        dialog = new Log;
        QCOMPARE(view->parentWidget(), dialog);
        delete dialog;
        dialog = nullptr;
        appendToLog(QStringLiteral("after"));
        QCOMPARE(logView(), view);
        QVERIFY(view->toPlainText().endsWith("after"));
    }
};

QTEST_MAIN(TestLogDialog)
#include "tst_logdialog.moc"
