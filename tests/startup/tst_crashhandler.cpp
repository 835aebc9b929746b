#include "app/startup/crashhandler.h"
#include "app/startup/processentry.h"
#include "platform/fakes/fakeplatform.h"
#include "tests/support/appidentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

QString dumpFolder()
{
    return qEnvironmentVariable("XDG_DATA_HOME")
        + QStringLiteral("/Dravonel/Verdimon Nuvo/CrashDumps");
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray("(missing)");
}

} // namespace

class TestCrashHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(CrashHandler::crashDumpFolder(), dumpFolder()); }

    // Only "--crash-feedback" right after the program's name marks the run after a fault.
    void feedbackRunArguments()
    {
        const QVector<std::tuple<QStringList, bool, QString>> table {
            { { "prog" }, false, QString() },
            { { "prog", "-restart" }, false, QString() },
            { { "prog", "--crash-feedback", "/x/a.dmp" }, true, "/x/a.dmp" },
            { { "prog", "--crash-feedback", "" }, true, QString() },
            { { "prog", "x", "--crash-feedback" }, false, QString() },
        };
        for (const auto &[arguments, feedbackRun, report] : table) {
            QString found;
            QCOMPARE(CrashHandler::isFeedbackRun(arguments, &found), feedbackRun);
            QCOMPARE(found, report);
        }
    }

    void faultEndsWithCodeThreeAndReport_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("answer");
        QTest::newRow("raised, feedback") << "raise" << QString("yes");
        QTest::newRow("null write on a thread, no feedback") << "fault-thread" << QString("no");
        QTest::newRow("null write on a thread blocking signals")
            << "fault-masked-thread" << QString("no");
    }
    void faultEndsWithCodeThreeAndReport()
    {
        QFETCH(QString, mode);
        QFETCH(QString, answer);
        QDir(dumpFolder()).removeRecursively();
        qint64 pid = 0;
        QCOMPARE(runHelper(mode, answer, &pid), 3);

        // One report, written by the handler itself.
        const QStringList reports = QDir(dumpFolder()).entryList({ "*.dmp" }, QDir::Files);
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports.first().startsWith("Verdimon_Nuvo_"));
        const QString report = QDir(dumpFolder()).filePath(reports.first());
        const QByteArray text = contentOf(report);
        QVERIFY(text.startsWith("Verdimon Nuvo 4.1.3.742 crash report\n"));
        QVERIFY(text.contains("Signal: 11 (SIGSEGV)\n"));
        QVERIFY(text.contains(QStringLiteral("Process: %1\n").arg(pid).toUtf8()));
        QVERIFY(text.contains("Backtrace:\n"));

        // The fresh copy can be told to quit, whatever the faulting thread blocked.
        QCOMPARE(contentOf(markers->filePath("sigterm")), QByteArray("unblocked"));
        // The fresh copy asked; on "yes" the form got the report and the program restarted.
        QCOMPARE(contentOf(markers->filePath("asked")),
                 QByteArray("Error|Unexpected error has occurred! Do you want to submit the "
                            "feedback?"));
        const QString feedback = markers->filePath("feedback");
        const QString restarted = markers->filePath("restarted");
        if (answer == QLatin1String("yes")) {
            QCOMPARE(contentOf(feedback), report.toUtf8());
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(restarted), 10000);
            QCOMPARE(contentOf(restarted), QByteArray(VN_CRASH_HELPER " -restart"));
        } else {
            QTest::qWait(500);
            QVERIFY(!QFile::exists(feedback));
            QVERIFY(!QFile::exists(restarted));
        }
    }

    void restartApplicationEndsTheLoopAndStartsAnew()
    {
        QCOMPARE(runHelper("restart-app"), 0);
        const QString restarted = markers->filePath("restarted");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(restarted), 10000);
        QCOMPARE(contentOf(restarted), QByteArray(VN_CRASH_HELPER " -restart"));
    }

    // A quit signal starts the quit steps; while they run, a second one of any of the three ends
    // the program at once, as if no handler had been installed (a session logging out, or
    // Ctrl+C pressed again, must not wait on a slow quit).
    void secondQuitSignalEndsAtOnce_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("SIGTERM, then SIGHUP") << int(SIGTERM) << int(SIGHUP);
        QTest::newRow("SIGINT, then SIGHUP") << int(SIGINT) << int(SIGHUP);
        QTest::newRow("SIGHUP, then SIGINT") << int(SIGHUP) << int(SIGINT);
    }
    void secondQuitSignalEndsAtOnce()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        markers = std::make_unique<QTemporaryDir>();
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("VN_HELPER_MARKERS", markers->path());
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QStringLiteral(VN_CRASH_HELPER), { "quit-signals" });
        QVERIFY(child.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(markers->filePath("ready")), 20000);
        QCOMPARE(::kill(pid_t(child.processId()), first), 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(markers->filePath("quitting")), 20000);
        QCOMPARE(::kill(pid_t(child.processId()), second), 0);
        // Well before the quit steps' minute is out.
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(child.exitCode(), second);
    }

    void crashDumpRegistration()
    {
        plat::FakePlatform fakes;
        plat::ScopedPlatform scoped(fakes.platform());
        const QString fileName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        const QString key = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\"
                                           "Windows Error Reporting\\LocalDumps\\")
            + fileName;

        QVERIFY(!ProcessEntry::crashDumpKeyExists(fileName));
        ProcessEntry::registerCrashDumps("/dumps/one");
        QVERIFY(ProcessEntry::crashDumpKeyExists(fileName));
        QVERIFY(!ProcessEntry::crashDumpKeyExists(fileName.toUpper()));
        auto entry = plat::registry()->open(key);
        QCOMPARE(entry->value("DumpFolder").toString(), "/dumps/one");

        // Registered once: later starts leave the values as they stand.
        ProcessEntry::registerCrashDumps("/dumps/two");
        QCOMPARE(plat::registry()->open(key)->value("DumpFolder").toString(), "/dumps/one");
    }

private:
    // Runs the helper in the given mode to its end; its markers go to a fresh folder.
    int runHelper(const QString &mode, const QString &answer = QString(), qint64 *pid = nullptr)
    {
        markers = std::make_unique<QTemporaryDir>();
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("VN_HELPER_ANSWER", answer);
        environment.insert("VN_HELPER_MARKERS", markers->path());
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QStringLiteral(VN_CRASH_HELPER), { mode });
        if (!child.waitForStarted(10000))
            return -1;
        if (pid)
            *pid = child.processId();
        if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::NormalExit)
            return -2;
        return child.exitCode();
    }

    std::unique_ptr<QTemporaryDir> markers;
};

QTEST_GUILESS_MAIN(TestCrashHandler)
#include "tst_crashhandler.moc"
