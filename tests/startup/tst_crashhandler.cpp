#include "app/startup/crashhandler.h"
#include "app/startup/processentry.h"
#include "platform/fakes/fakeplatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestCrashHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dumpFolderLocation();
    void feedbackRunArguments_data();
    void feedbackRunArguments();
    void faultEndsWithCodeThreeAndReport_data();
    void faultEndsWithCodeThreeAndReport();
    void restartApplicationEndsTheLoopAndStartsAnew();
    void crashDumpRegistration();

private:
    QString dumpFolder() const;
};

void TestCrashHandler::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
    QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
}

QString TestCrashHandler::dumpFolder() const
{
    return qEnvironmentVariable("XDG_DATA_HOME")
        + QStringLiteral("/Dravonel/Verdimon Nuvo/CrashDumps");
}

void TestCrashHandler::dumpFolderLocation()
{
    QCOMPARE(CrashHandler::crashDumpFolder(), dumpFolder());
}

void TestCrashHandler::feedbackRunArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("feedbackRun");
    QTest::addColumn<QString>("report");
    QTest::newRow("plain start") << QStringList { "prog" } << false << "";
    QTest::newRow("restart") << QStringList { "prog", "-restart" } << false << "";
    QTest::newRow("after a fault")
        << QStringList { "prog", "--crash-feedback", "/x/a.dmp" } << true << "/x/a.dmp";
    QTest::newRow("no report") << QStringList { "prog", "--crash-feedback", "" } << true << "";
    QTest::newRow("not first") << QStringList { "prog", "x", "--crash-feedback" } << false << "";
}

void TestCrashHandler::feedbackRunArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, feedbackRun);
    QFETCH(QString, report);
    QString found;
    QCOMPARE(CrashHandler::isFeedbackRun(arguments, &found), feedbackRun);
    QCOMPARE(found, report);
}

void TestCrashHandler::faultEndsWithCodeThreeAndReport_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("answer");
    QTest::newRow("raised, feedback") << "raise"
                                      << "yes";
    QTest::newRow("raised, no feedback") << "raise"
                                         << "no";
    QTest::newRow("null write, feedback") << "fault"
                                          << "yes";
    QTest::newRow("null write on a thread, no feedback") << "fault-thread"
                                                         << "no";
}

void TestCrashHandler::faultEndsWithCodeThreeAndReport()
{
    QFETCH(QString, mode);
    QFETCH(QString, answer);

    QTemporaryDir markers;
    QVERIFY(markers.isValid());
    QDir(dumpFolder()).removeRecursively();

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VN_HELPER_ANSWER"), answer);
    environment.insert(QStringLiteral("VN_HELPER_MARKERS"), markers.path());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QStringLiteral(VN_CRASH_HELPER), { mode });
    QVERIFY(child.waitForStarted(10000));
    const qint64 pid = child.processId();
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 3);

    // One report, written by the handler itself.
    const QStringList reports
        = QDir(dumpFolder()).entryList({ QStringLiteral("*.dmp") }, QDir::Files);
    QCOMPARE(reports.size(), 1);
    QVERIFY(reports.first().startsWith(QStringLiteral("Verdimon_Nuvo_")));
    QFile report(QDir(dumpFolder()).filePath(reports.first()));
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QByteArray text = report.readAll();
    QVERIFY(text.startsWith("Verdimon Nuvo 4.1.3.742 crash report\n"));
    QVERIFY(text.contains("Signal: 11 (SIGSEGV)\n"));
    QVERIFY(text.contains(QStringLiteral("Process: %1\n").arg(pid).toUtf8()));
    QVERIFY(text.contains("Backtrace:\n"));

    // The fresh copy asked the question.
    QFile asked(markers.filePath(QStringLiteral("asked")));
    QVERIFY(asked.open(QIODevice::ReadOnly));
    QCOMPARE(
        asked.readAll(),
        QByteArray("Error|Unexpected error has occurred! Do you want to submit the feedback?\n"));

    const QString feedback = markers.filePath(QStringLiteral("feedback"));
    const QString restarted = markers.filePath(QStringLiteral("restarted"));
    if (answer == QLatin1String("yes")) {
        // The feedback form ran with the report attached.
        QFile feedbackMarker(feedback);
        QVERIFY(feedbackMarker.open(QIODevice::ReadOnly));
        QCOMPARE(feedbackMarker.readAll().trimmed(), report.fileName().toUtf8());
        // The restart is detached: wait for its marker.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(restarted), 10000);
        QFile restartMarker(restarted);
        QVERIFY(restartMarker.open(QIODevice::ReadOnly));
        QCOMPARE(restartMarker.readAll().trimmed(), QByteArray(VN_CRASH_HELPER " -restart"));
    } else {
        QTest::qWait(500);
        QVERIFY(!QFile::exists(feedback));
        QVERIFY(!QFile::exists(restarted));
    }
}

void TestCrashHandler::restartApplicationEndsTheLoopAndStartsAnew()
{
    QTemporaryDir markers;
    QVERIFY(markers.isValid());
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VN_HELPER_MARKERS"), markers.path());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QStringLiteral(VN_CRASH_HELPER), { QStringLiteral("restart-app") });
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    const QString restarted = markers.filePath(QStringLiteral("restarted"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(restarted), 10000);
    QFile marker(restarted);
    QVERIFY(marker.open(QIODevice::ReadOnly));
    QCOMPARE(marker.readAll().trimmed(), QByteArray(VN_CRASH_HELPER " -restart"));
}

void TestCrashHandler::crashDumpRegistration()
{
    plat::FakePlatform fakes;
    plat::ScopedPlatform scoped(fakes.platform());
    const QString key = QStringLiteral(
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\Windows Error Reporting\\LocalDumps");
    const QString fileName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();

    QVERIFY(!ProcessEntry::crashDumpKeyExists(fileName));
    ProcessEntry::registerCrashDumps(QStringLiteral("/dumps/one"));
    QVERIFY(ProcessEntry::crashDumpKeyExists(fileName));
    QVERIFY(!ProcessEntry::crashDumpKeyExists(fileName.toUpper()));
    auto entry = plat::registry()->open(key + QLatin1Char('\\') + fileName);
    QCOMPARE(entry->value(QStringLiteral("DumpFolder")).toString(), QStringLiteral("/dumps/one"));
    QCOMPARE(entry->value(QStringLiteral("DumpCount")).toInt(), 10);
    QCOMPARE(entry->value(QStringLiteral("DumpType")).toInt(), 1);

    // Registered once: later starts leave the values as they stand.
    ProcessEntry::registerCrashDumps(QStringLiteral("/dumps/two"));
    QCOMPARE(plat::registry()
                 ->open(key + QLatin1Char('\\') + fileName)
                 ->value(QStringLiteral("DumpFolder"))
                 .toString(),
             QStringLiteral("/dumps/one"));
}

QTEST_GUILESS_MAIN(TestCrashHandler)
#include "tst_crashhandler.moc"
