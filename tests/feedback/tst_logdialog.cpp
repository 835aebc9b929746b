#include "app/applog.h"
#include "app/filedialogs.h"
#include "app/settings.h"
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

class TestLogDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void initialButtons_data();
    void initialButtons();
    void saveOpenDeleteClear();
    void saveAsCancelled();
    void sendWithoutNetwork();
    void send_data();
    void send();
    void viewOutlivesDialog();

private:
    QString buttons() const;
    QPushButton *button(const QString &text) const;

    QStringList messages;
    Log *dialog = nullptr;
    FtpStandIn ftp;
};

void TestLogDialog::initTestCase()
{
    prepareApplication(&messages);
    QVERIFY2(ftp.start(), qPrintable(ftp.errorText()));
    ftp.applyEnvironment();
}

void TestLogDialog::init()
{
    QSettings().clear();
    messages.clear();
    logView()->setPlainText(QStringLiteral("2026-01-02 03:04:05: log button clicked\nзапись"));
    setWebPort(ftp.port());
}

void TestLogDialog::cleanup()
{
    delete dialog;
    dialog = nullptr;
    FileDialogs::setTestResponder(nullptr);
    QDir(logFolderPath()).removeRecursively();
}

QPushButton *TestLogDialog::button(const QString &text) const
{
    for (QPushButton *candidate : dialog->findChildren<QPushButton *>()) {
        if (candidate->text() == text)
            return candidate;
    }
    qFatal("no button %s", qPrintable(text));
}

// The enabled buttons, in their order.
QString TestLogDialog::buttons() const
{
    QStringList enabled;
    for (QPushButton *candidate : dialog->findChildren<QPushButton *>()) {
        if (candidate->isEnabled())
            enabled << candidate->text();
    }
    return enabled.join(QLatin1Char(' '));
}

void TestLogDialog::initialButtons_data()
{
    QTest::addColumn<bool>("text");
    QTest::addColumn<bool>("savedFile");
    QTest::addColumn<QString>("enabled");
    QTest::newRow("nothing") << false << false << "Close";
    QTest::newRow("saved file only") << false << true << "Save Save as Clear Close";
    QTest::newRow("text only") << true << false << "Save Save as Clear Close";
    QTest::newRow("both") << true << true << "Save Save as Open Clear Delete Send Close";
}

void TestLogDialog::initialButtons()
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

void TestLogDialog::saveOpenDeleteClear()
{
    auto launcher = std::make_shared<plat::FakeLauncher>();
    plat::ScopedLauncher scoped(launcher);
    dialog = new Log;
    const QString path = dialog->defaultLogFilePath();
    QVERIFY(path.startsWith(logFolderPath() + "/Verdimon_Nuvo_Log_"));

    button("Save")->click();
    QCOMPARE(messages, QStringList { "Log|Log file was successfully saved!\nLog path: " + path });
    QCOMPARE(logPathSetting(), path);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(),
             QTextCodec::codecForName("windows-1251")->fromUnicode(logView()->toPlainText()));
    QCOMPARE(buttons(), QString("Save Save as Open Clear Delete Send Close"));

    button("Open")->click();
    QCOMPARE(launcher->calls().size(), 1);
    QCOMPARE(launcher->calls()[0].file, path);

    messages.clear();
    button("Delete")->click();
    QVERIFY(!QFile::exists(path));
    QVERIFY(logPathSetting().isEmpty());
    QCOMPARE(messages, QStringList { "Log|Log file was successfully deleted!" });
    QCOMPARE(buttons(), QString("Save Save as Clear Close"));

    // The file object of the Save is still known: its file is gone.
    messages.clear();
    dialog->setVisible(false);
    button("Clear")->click();
    QVERIFY(logView()->document()->isEmpty());
    QCOMPARE(buttons(), QString("Close"));
    QVERIFY(messages.isEmpty());
}

void TestLogDialog::saveAsCancelled()
{
    dialog = new Log;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("mine.txt");
    FileDialogs::setTestResponder([&](const QString &) { return QStringList { target }; });
    button("Save as")->click();
    QVERIFY(QFile::exists(target));
    QVERIFY(logPathSetting().isEmpty());
    messages.clear();
    FileDialogs::setTestResponder([](const QString &) { return QStringList(); });
    button("Save as")->click();
    QVERIFY(messages.isEmpty());
    // The cancelled choice replaced the earlier one: nothing is left to send.
    button("Send")->click();
    QCOMPARE(messages, QStringList { "Error|Log file is not exists!" });
}

void TestLogDialog::sendWithoutNetwork()
{
    dialog = new Log;
    button("Save")->click();
    messages.clear();
    setWebPort(HttpsStandIn::closedPort());
    button("Send")->click();
    QCOMPARE(messages,
             QStringList { "Error|Network connection is not available! Check your "
                           "network and try again." });
    QCOMPARE(buttons(), QString("Save Save as Clear Send Close"));
    QVERIFY(QFile::exists(logPathSetting()));
}

void TestLogDialog::send_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("kept");
    QTest::newRow("arrives") << "normal"
                             << "Log|Log file was successfully sent!" << false;
    QTest::newRow("refused") << "wrong-password"
                             << "Error|Failed to send the log file!" << true;
}

void TestLogDialog::send()
{
    QFETCH(QString, mode);
    QFETCH(QString, answer);
    QFETCH(bool, kept);
    QVERIFY2(ftp.start(mode), qPrintable(ftp.errorText()));
    ftp.clear();
    ftp.applyEnvironment();
    setWebPort(ftp.port());
    dialog = new Log;
    button("Save")->click();
    const QString path = logPathSetting();
    messages.clear();
    button("Send")->click();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 15000);
    QVERIFY2(messages[0].startsWith(answer), qPrintable(messages[0]));
    QCOMPARE(QFile::exists(path), kept);
    QCOMPARE(logPathSetting().isEmpty(), !kept);
    const QString remote
        = "public_html/apps/verdimon_nuvo/telemetry/log/" + QFileInfo(path).fileName();
    QCOMPARE(ftp.receivedFiles().contains(remote), !kept);
    if (!kept) {
        QVERIFY(!QFileInfo::exists(QFileInfo(path).absolutePath()));
        QVERIFY(ftp.receivedFile(remote).endsWith(
            QTextCodec::codecForName("windows-1251")->fromUnicode("\nзапись")));
        QCOMPARE(buttons(), QString("Save Save as Clear Close"));
    } else {
        QCOMPARE(buttons(), QString("Save Save as Open Clear Delete Send Close"));
    }
}

void TestLogDialog::viewOutlivesDialog()
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

QTEST_MAIN(TestLogDialog)
#include "tst_logdialog.moc"
