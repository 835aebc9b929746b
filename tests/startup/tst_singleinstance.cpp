#include "app/settings.h"
#include "app/startup/processentry.h"
#include "app/startup/singleinstance.h"

#include <QLabel>
#include <QLocalSocket>
#include <QProcess>
#include <QtTest>

#include "mainwindow/verdimonnuvo.h"
#include "tests/support/appidentity.h"

#include <chrono>
#include <future>
#include <memory>
#include <unistd.h>

namespace {

// One helper process and the lines it printed.
class Helper
{
public:
    explicit Helper(const QStringList &arguments = {}, const QString &answer = QString())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("VN_HELPER_ANSWER", answer);
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(VN_INSTANCE_HELPER), arguments);
    }
    ~Helper()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(3000);
        }
    }

    bool waitForLine(const QString &line, int timeoutMs = 10000)
    {
        const QDeadlineTimer deadline(timeoutMs);
        while (!lines().contains(line)) {
            if (deadline.hasExpired() || process.state() == QProcess::NotRunning)
                return false;
            process.waitForReadyRead(100);
        }
        return true;
    }
    QStringList lines()
    {
        buffer += process.readAllStandardOutput();
        return QString::fromUtf8(buffer).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    bool quit()
    {
        process.write("quit\n");
        return process.waitForFinished(10000) && process.exitCode() == 0;
    }
    // The exit code, or -1 when the helper did not end by itself.
    int finish()
    {
        const bool ended = process.waitForFinished(15000);
        return ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QProcess process;

private:
    QByteArray buffer;
};

// The question comes with the warning icon (kind 2).
const QString question = QStringLiteral("ASKED 2 Do you want to open another instance?");

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setTitleSettings(true, 3); }

    void runningWindowTitle_data()
    {
        QTest::addColumn<bool>("fullInfo");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("title");
        const QString full = QStringLiteral("Verdimon Nuvo [%1 | Build 4.1.3.742 | x64]");
        QTest::newRow("release") << true << 3 << full.arg("Release");
        QTest::newRow("development") << true << 0 << full.arg("Development");
        QTest::newRow("short title") << false << 2 << "Verdimon Nuvo";
    }
    void runningWindowTitle()
    {
        QFETCH(bool, fullInfo);
        QFETCH(int, channel);
        QFETCH(QString, title);
        setTitleSettings(fullInfo, channel);
        QCOMPARE(ProcessEntry::runningWindowTitle(), title);
        // The second start finds the running window by this title: the window must build the same.
        VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
        QCOMPARE(window.windowTitle(), title);
    }

    void keyIsScopedToTheUser()
    {
        const QString key = SingleInstance::userScopedKey("Verdimon Nuvo");
        QVERIFY(key.startsWith("Verdimon Nuvo "));
        QVERIFY(key.contains(QString::number(getuid())));
        QVERIFY(SingleInstance::socketPath("Verdimon Nuvo")
                    .startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR")));
    }

    // Later starts are asked: they give way and raise the first, or run beside it.
    void laterStartsAsk()
    {
        Helper first;
        QVERIFY(first.waitForLine("LISTENING"));
        QVERIFY(first.lines().contains("FIRST"));
        QVERIFY(!first.lines().contains(question));
        const QStringList gaveWay { question, "GIVE-WAY" };
        for (const QStringList &arguments :
             { QStringList(), QStringList { "-restart", "extra" } }) {
            Helper second(arguments, "no");
            QCOMPARE(second.finish(), 0);
            QCOMPARE(second.lines(), gaveWay);
        }
        QVERIFY(first.waitForLine("RAISED 1"));

        Helper beside({}, "yes");
        QVERIFY(beside.waitForLine("SECOND"));
        QCOMPARE(beside.lines().first(), question);
        QVERIFY(!beside.lines().contains("LISTENING"));
        QVERIFY(beside.quit());

        // A window whose title differs (here: the short one) is not raised.
        setTitleSettings(false, 3);
        Helper untitled({}, "no");
        QCOMPARE(untitled.finish(), 0);
        QCOMPARE(untitled.lines(), gaveWay);
        QVERIFY(first.waitForLine("RAISED 0"));
        QVERIFY(first.quit());
    }

    void restartRunsWithoutAskingAndTakesOver()
    {
        auto first = std::make_unique<Helper>();
        QVERIFY(first->waitForLine("LISTENING"));
        Helper restarted({ "-restart" }, "no");
        QVERIFY(restarted.waitForLine("RESTART"));
        QVERIFY(!restarted.lines().contains(question));

        // Once its predecessor has gone, the restarted instance is the one later starts find.
        QVERIFY(first->quit());
        first.reset();
        QVERIFY(restarted.waitForLine("TOOK-OVER", 15000));
        Helper later({}, "no");
        QCOMPARE(later.finish(), 0);
        QCOMPARE(later.lines(), (QStringList { question, "GIVE-WAY" }));
        QVERIFY(restarted.waitForLine("RAISED 1"));
        QVERIFY(restarted.quit());
    }

    void staleSegmentOfAKilledInstanceIsReaped()
    {
        for (int run = 0; run < 3; ++run) {
            Helper next({}, "no");
            QVERIFY(next.waitForLine("LISTENING"));
            QCOMPARE(next.lines().first(), "FIRST");
            next.process.kill(); // SIGKILL: nothing is cleaned up
            QVERIFY(next.process.waitForFinished(5000));
        }
    }

    // Every ask is answered and its connection released: a session asked many times (a user
    // starting the program again and again) keeps no socket per ask.
    void answeredAsksLeaveNothingBehind()
    {
        const QString name = QStringLiteral("Verdimon Nuvo asks %1").arg(getpid());
        SingleInstance instance(name);
        QVERIFY(instance.listen());
        QLabel window("main window");
        window.setWindowTitle(name);
        window.show();
        int answered = 0;
        connect(&instance, &SingleInstance::raiseRequested, this,
                [&answered](const QString &, bool raised) { answered += raised ? 1 : 0; });
        const int asks = 5;
        for (int ask = 0; ask < asks; ++ask) {
            // The asking side blocks, as a later start does, while this loop answers.
            auto raised = std::async(std::launch::async, [name] {
                return SingleInstance::raiseRunningInstance(name, name, 5000);
            });
            QTRY_VERIFY(raised.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
            QVERIFY(raised.get());
        }
        QCOMPARE(answered, asks);
        QTRY_COMPARE(instance.findChildren<QLocalSocket *>().size(), 0);
    }

private:
    static void setTitleSettings(bool fullInfo, int channel)
    {
        Settings::setSettingsValue("AppSettings", "ShowFullInfo", fullInfo);
        Settings::setSettingsValue("Updates", "UpdatesChannel", channel);
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
