// Under a window manager (Xvfb and openbox, where installed), a window moved by the user comes
// back at the same place after Exit and a new start, and after the restart a font change offers;
// also when it was in the tray as the program ended, and a window maximised as the program ended
// goes back to its own place when un-maximised. Skipped where no X server or window manager can be
// started.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

struct HelperLine
{
    QString kind;
    QStringList fields;
    qint64 pid = 0;
};

} // namespace

class TstRestartPosition : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QProcess xServer;
    QProcess windowManager;
    QProcessEnvironment environment;
    QList<qint64> helpers; // every helper process seen, ended at the end

    QString reports() const { return dir.filePath("reports"); }
    QString commands() const { return dir.filePath("commands"); }

    QList<HelperLine> lines() const
    {
        QFile file(reports());
        QList<HelperLine> found;
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return found;
        for (const QString &text : QString::fromUtf8(file.readAll()).split('\n')) {
            QStringList fields = text.split(' ', Qt::SkipEmptyParts);
            if (fields.size() < 2)
                continue;
            HelperLine line;
            line.kind = fields.takeFirst();
            line.pid = fields.takeLast().toLongLong();
            line.fields = fields;
            found << line;
        }
        return found;
    }

    // The line of a kind from a helper other than `notFrom`, waited for.
    HelperLine waitFor(const QString &kind, qint64 from = 0, qint64 notFrom = 0, int after = 0)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 20000) {
            const QList<HelperLine> all = lines();
            for (int at = after; at < all.size(); ++at) {
                const HelperLine &line = all.at(at);
                if (line.kind == kind && (from == 0 || line.pid == from) && line.pid != notFrom) {
                    if (!helpers.contains(line.pid))
                        helpers << line.pid;
                    return line;
                }
            }
            QTest::qWait(50);
        }
        return {};
    }

    // One command at a time: the helper takes the last one before the next is written.
    void command(const QByteArray &text)
    {
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(commands()), 20000);
        QFile file(commands() + ".new");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        QVERIFY(QFile::rename(commands() + ".new", commands()));
    }

    static bool ended(QProcess &process)
    {
        return process.state() == QProcess::NotRunning || process.waitForFinished(20000);
    }

    static bool alive(qint64 pid) { return pid > 0 && ::kill(pid_t(pid), 0) == 0; }

    static void waitEnded(qint64 pid) { QTRY_VERIFY_WITH_TIMEOUT(!alive(pid), 20000); }

    // Starts the helper as the user starts the program; its window's first place.
    HelperLine startHelper(QProcess &process, bool tray = false)
    {
        const int before = lines().size();
        QProcessEnvironment helperEnvironment = environment;
        if (tray)
            helperEnvironment.insert("VN_HELPER_TRAY", "1");
        process.setProcessEnvironment(helperEnvironment);
        process.setProgram(QStringLiteral(VN_RESTART_HELPER));
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start();
        process.waitForStarted();
        return waitFor("ready", process.processId(), 0, before);
    }

    // Asks the window manager, as a user's click would, to do something to the helper's window.
    void manage(const HelperLine &ready, const QStringList &arguments)
    {
        const QString id = QStringLiteral("0x%1").arg(ready.fields.value(0).toULongLong(), 0, 16);
        QProcess wmctrl;
        wmctrl.setProcessEnvironment(environment);
        wmctrl.start(QStringLiteral("wmctrl"), QStringList { "-i", "-r", id } + arguments);
        wmctrl.waitForFinished(5000);
    }

    // The window's place, frame and state ("shown", "maximised", "hidden") as it reports them.
    QStringList report(const HelperLine &ready)
    {
        const int before = lines().size();
        command("report");
        return waitFor("place", ready.pid, 0, before).fields;
    }

    // The report once the window is in the given state and has settled there.
    QStringList reportWhen(const HelperLine &ready, const QString &state)
    {
        QElapsedTimer clock;
        clock.start();
        while (report(ready).value(2) != state && clock.elapsed() < 20000)
            QTest::qWait(100);
        QTest::qWait(500);
        return report(ready);
    }

    // Moves the window as a user does, through the window manager; where it is then: its own
    // area's top-left corner "x,y" and its frame "x,y,width,height".
    QStringList moveWindow(const HelperLine &ready, int x, int y)
    {
        manage(ready, { "-e", QStringLiteral("0,%1,%2,-1,-1").arg(x).arg(y) });
        QTest::qWait(500);
        return report(ready);
    }

    QString store() const { return dir.filePath("home/.config/Dravonel/Verdimon Nuvo.conf"); }

    // A setting as the program would find it stored at its next start.
    void setStored(const QString &key, const QVariant &value)
    {
        QSettings settings(store(), QSettings::IniFormat);
        settings.setValue(key, value);
        settings.sync();
        QCOMPARE(settings.status(), QSettings::NoError);
    }

private slots:
    void initTestCase()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        const QString wmctrl = QStandardPaths::findExecutable(QStringLiteral("wmctrl"));
        if (xvfb.isEmpty() || openbox.isEmpty() || wmctrl.isEmpty())
            QSKIP("Xvfb, openbox or wmctrl is not installed");
        QVERIFY(dir.isValid());

        // The server names its display on the descriptor it is given.
        int pipeEnds[2];
        QVERIFY(::pipe(pipeEnds) == 0);
        xServer.start(xvfb,
                      { "-displayfd", QString::number(pipeEnds[1]), "-screen", "0", "1600x1000x24",
                        "-nolisten", "tcp" });
        ::close(pipeEnds[1]);
        QByteArray display;
        char c;
        while (::read(pipeEnds[0], &c, 1) == 1 && c != '\n')
            display += c;
        ::close(pipeEnds[0]);
        if (!xServer.waitForStarted(5000) || display.isEmpty())
            QSKIP("no X server could be started");

        environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", ":" + QString::fromLatin1(display));
        environment.insert("QT_QPA_PLATFORM", "xcb");
        // As the program itself chooses at start: no GLX, whose Mesa driver unlocks a mutex it
        // never locked (ThreadSanitizer stops the helper on it).
        environment.insert("QT_XCB_GL_INTEGRATION", "none");
        environment.insert("HOME", dir.filePath("home"));
        environment.insert("XDG_CONFIG_HOME", dir.filePath("home/.config"));
        environment.insert("VN_HELPER_REPORTS", reports());
        environment.insert("VN_HELPER_COMMANDS", commands());
        QDir().mkpath(dir.filePath("home/.config"));

        windowManager.setProcessEnvironment(environment);
        windowManager.start(openbox, {});
        if (!windowManager.waitForStarted(5000))
            QSKIP("no window manager could be started");
        // The manager is up once it answers for itself.
        QElapsedTimer clock;
        clock.start();
        bool managed = false;
        while (!managed && clock.elapsed() < 10000) {
            QProcess probe;
            probe.setProcessEnvironment(environment);
            probe.start(wmctrl, { "-m" });
            managed = probe.waitForFinished(2000) && probe.exitCode() == 0;
            if (!managed)
                QTest::qWait(100);
        }
        if (!managed)
            QSKIP("the window manager did not come up");
    }

    void cleanupTestCase()
    {
        for (qint64 pid : qAsConst(helpers))
            if (alive(pid))
                ::kill(pid_t(pid), SIGKILL);
        windowManager.kill();
        windowManager.waitForFinished(3000);
        xServer.kill();
        xServer.waitForFinished(3000);
    }

    void init() { QFile::remove(store()); }

    void placeKept_data()
    {
        QTest::addColumn<bool>("fontRestart");
        QTest::addColumn<QPoint>("to");
        // The window is some 1390 px wide: at x 236 it reaches past the screen's right edge and
        // is drawn back in, no lower and no higher than it was.
        QTest::newRow("Exit") << false << QPoint(137, 181);
        QTest::newRow("Exit, at the right edge") << false << QPoint(236, 143);
        QTest::newRow("font restart") << true << QPoint(61, 97);
        QTest::newRow("font restart, at the right edge") << true << QPoint(241, 97);
    }
    void placeKept()
    {
        QFETCH(bool, fontRestart);
        QFETCH(QPoint, to);
        QProcess first;
        const HelperLine ready = startHelper(first);
        QVERIFY(ready.pid);
        const QStringList moved = moveWindow(ready, to.x(), to.y());
        QVERIFY(!moved.isEmpty());
        const QStringList place = moved.at(0).split(',');
        const QStringList frame = moved.at(1).split(',');
        QCOMPARE(frame.size(), 4);
        HelperLine again;
        QProcess second;
        if (fontRestart) {
            const int before = lines().size();
            command("font");
            again = waitFor("ready", 0, ready.pid, before);
            QVERIFY(again.pid);
            QVERIFY(ended(first));
        } else {
            command("exit");
            QVERIFY(ended(first));
            again = startHelper(second);
            QVERIFY(again.pid);
        }
        // Where the window belongs: where it was, drawn back onto the 1600-wide screen as far as
        // its frame (wider after a larger font) needs.
        const QStringList newFrame = again.fields.value(2).split(',');
        QCOMPARE(newFrame.size(), 4);
        const int leftBorder = place.at(0).toInt() - frame.at(0).toInt();
        const QString expected
            = QStringLiteral("%1,%2")
                  .arg(qMin(place.at(0).toInt(), 1600 - newFrame.at(2).toInt() + leftBorder))
                  .arg(place.at(1));
        QCOMPARE(again.fields.value(1), expected);
        command("exit");
        waitEnded(again.pid);
    }

    // Moved (or not), then minimised into the tray, then ended from there: the window comes back
    // where the user left it, not where it was at the start nor a title bar lower.
    void placeKeptFromTheTray_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QString>("ending");
        QTest::newRow("moved, tray Exit") << QPoint(113, 151) << "exit";
        QTest::newRow("moved, SIGTERM") << QPoint(113, 151) << "SIGTERM";
        QTest::newRow("not moved, SIGTERM") << QPoint(-1, -1) << "SIGTERM";
    }
    void placeKeptFromTheTray()
    {
        QFETCH(QPoint, to);
        QFETCH(QString, ending);
        setStored("AppSettings/MinimizeToTray", true);
        QProcess first;
        const HelperLine ready = startHelper(first, true);
        QVERIFY(ready.pid);
        const QStringList moved = to.x() >= 0 ? moveWindow(ready, to.x(), to.y()) : report(ready);
        QCOMPARE(moved.value(2), QStringLiteral("shown"));
        command("minimise");
        QCOMPARE(reportWhen(ready, "hidden").value(2), QStringLiteral("hidden"));
        if (ending == "SIGTERM")
            QCOMPARE(::kill(pid_t(ready.pid), SIGTERM), 0);
        else
            command("exit");
        QVERIFY(ended(first));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);

        QProcess second;
        const HelperLine again = startHelper(second);
        QVERIFY(again.pid);
        QCOMPARE(again.fields.value(1), moved.value(0));
        QCOMPARE(again.fields.value(2), moved.value(1));
        command("exit");
        waitEnded(again.pid);
    }

    // Maximised when the program ended, maximised at the next start, and un-maximised there it
    // takes the very place it had before it was maximised (the first row: the place the window
    // was given at its first start).
    void maximisedThenRestored_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::newRow("not moved") << QPoint(-1, -1);
        QTest::newRow("moved") << QPoint(97, 121);
        QTest::newRow("at the right edge") << QPoint(236, 143);
    }
    void maximisedThenRestored()
    {
        QFETCH(QPoint, to);
        QProcess first;
        const HelperLine ready = startHelper(first);
        QVERIFY(ready.pid);
        const QStringList moved = to.x() >= 0 ? moveWindow(ready, to.x(), to.y()) : report(ready);
        QCOMPARE(moved.value(2), QStringLiteral("shown"));
        manage(ready, { "-b", "add,maximized_vert,maximized_horz" });
        QCOMPARE(reportWhen(ready, "maximised").value(2), QStringLiteral("maximised"));
        command("exit");
        QVERIFY(ended(first));

        QProcess second;
        const HelperLine again = startHelper(second);
        QVERIFY(again.pid);
        QCOMPARE(reportWhen(again, "maximised").value(2), QStringLiteral("maximised"));
        manage(again, { "-b", "remove,maximized_vert,maximized_horz" });
        const QStringList restored = reportWhen(again, "shown");
        // Where it was; one reaching past the screen's right edge drawn back by its frame, as
        // after any restart.
        const QStringList place = moved.value(0).split(',');
        const QStringList frame = moved.value(1).split(',');
        QCOMPARE(frame.size(), 4);
        const int leftBorder = place.at(0).toInt() - frame.at(0).toInt();
        const int x = qMin(place.at(0).toInt(), 1600 - frame.at(2).toInt() + leftBorder);
        QCOMPARE(restored.value(0), QStringLiteral("%1,%2").arg(x).arg(place.at(1)));
        QCOMPARE(restored.value(1),
                 QStringLiteral("%1,%2,%3,%4")
                     .arg(x - leftBorder)
                     .arg(frame.at(1), frame.at(2), frame.at(3)));
        command("exit");
        waitEnded(again.pid);
    }
};

QTEST_MAIN(TstRestartPosition)
#include "tst_restartposition.moc"
