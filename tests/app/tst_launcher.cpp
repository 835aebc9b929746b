#include "app/systemfunctions.h"
#include "platform/fakes/fakelauncher.h"
#include "platform/launcher.h"
#include "platformtree.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// A launcher whose outside world is scripted: nothing is ever started.
struct Scripted
{
    QList<QStringList> started; // each start's program and arguments
    QMap<QString, QString> handlers; // mime type -> desktop file
    QMap<QString, QString> executables; // name -> path
    bool startSucceeds = true;

    std::shared_ptr<plat::DesktopLauncher> make()
    {
        return std::make_shared<plat::DesktopLauncher>(
            [this](const QString &program, const QStringList &arguments) {
                started.append(QStringList { program } + arguments);
                return startSucceeds;
            },
            [this](const QString &mime) { return handlers.value(mime); },
            [this](const QString &name) { return executables.value(name); });
    }
};

} // namespace

class TestLauncher : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(writeTreeFile(m_dir.filePath("notes.txt"), "plain text\n"));
        QVERIFY(writeTreeFile(m_dir.filePath("tool.sh"), "#!/bin/sh\nexit 0\n", true));
    }

    void launchFunctionsUseTheLauncher()
    {
        auto fake = std::make_shared<plat::FakeLauncher>();
        fake->setResultFor("ms-settings:display", 31);
        plat::ScopedLauncher scope(fake);
        QCOMPARE(launchShellCommand(true, "gparted"), qint64(42));
        QCOMPARE(launchShellCommand(false, "ms-settings:display"), qint64(31));
        QCOMPARE(launchShellCommandWithParameters("ping", "-c 4 127.0.0.1"), qint64(42));
        QStringList calls;
        for (const auto &call : fake->calls())
            calls << call.verb + "|" + call.file + "|" + call.parameters;
        QCOMPARE(
            calls,
            QStringList({ "runas|gparted|", "|ms-settings:display|", "|ping|-c 4 127.0.0.1" }));
    }

    void targets_data()
    {
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("parameters");
        QTest::addColumn<int>("world"); // 1: desktop handlers, 2: xdg-open and pkexec
        QTest::addColumn<qint64>("result");
        QTest::addColumn<QStringList>("started"); // program and arguments; empty: nothing
        // "@" stands for the test's folder; the started words are separated by '|'.
        using Row = std::tuple<const char *, const char *, const char *, const char *, int, qint64,
                               const char *>;
        const Row rows[] = {
            { "missing file", "", "@/absent.txt", "", 3, 2, "" },
            { "missing folder", "", "@/nowhere/absent.txt", "", 3, 3, "" },
            { "drive path", "", "C:\\Windows\\system32\\mmc.exe", "", 3, 3, "" },
            { "empty", "", "", "", 3, 2, "" },
            { "unknown program", "", "cleanmgr.exe", "", 3, 2, "" },
            { "uri without handler", "", "ms-settings:display", "", 3, 31, "" },
            { "uri with handler", "", "https://www.verdimon.example/", "", 3, 42,
              "/usr/bin/xdg-open|https://www.verdimon.example/" },
            { "uri, no opener", "", "https://www.verdimon.example/", "", 1, 31, "" },
            { "folder", "", "@", "", 3, 42, "/usr/bin/xdg-open|@" },
            { "document", "", "@/notes.txt", "", 3, 42, "/usr/bin/xdg-open|@/notes.txt" },
            { "document as file url", "", "file://@/notes.txt", "", 3, 42,
              "/usr/bin/xdg-open|@/notes.txt" },
            { "quoted document", "", "\"@/notes.txt\"", "", 3, 42,
              "/usr/bin/xdg-open|@/notes.txt" },
            { "document without handler", "", "@/notes.txt", "", 2, 31, "" },
            { "program with parameters", "", "@/tool.sh", "-a \"b c\"", 2, 42, "@/tool.sh|-a|b c" },
            { "program from PATH", "", "ping", "-c 4 ::1", 2, 42, "/usr/bin/ping|-c|4|::1" },
            { "elevated program", "runas", "@/tool.sh", "", 2, 42, "/usr/bin/pkexec|@/tool.sh" },
            { "elevated without pkexec", "runas", "@/tool.sh", "", 0, 5, "" },
        };
        const auto inFolder = [this](const char *text) {
            return QString(text).replace(QLatin1Char('@'), m_dir.path());
        };
        for (const auto &[tag, verb, file, parameters, world, result, started] : rows)
            QTest::newRow(tag) << QString(verb) << inFolder(file) << QString(parameters) << world
                               << result << inFolder(started).split('|', Qt::SkipEmptyParts);
    }
    void targets()
    {
        QFETCH(QString, verb);
        QFETCH(QString, file);
        QFETCH(QString, parameters);
        QFETCH(int, world);
        QFETCH(QStringList, started);
        Scripted scripted;
        if (world & 1) {
            scripted.handlers.insert("x-scheme-handler/https", "browser.desktop");
            scripted.handlers.insert("inode/directory", "files.desktop");
            scripted.handlers.insert("text/plain", "editor.desktop");
        }
        scripted.executables.insert("ping", "/usr/bin/ping");
        if (world & 2) {
            scripted.executables.insert("xdg-open", "/usr/bin/xdg-open");
            scripted.executables.insert("pkexec", "/usr/bin/pkexec");
        }
        QTEST(scripted.make()->execute(verb, file, parameters), "result");
        QCOMPARE(scripted.started,
                 started.isEmpty() ? QList<QStringList>() : QList<QStringList> { started });
    }

    // Opening hands a file to the handler of its type, whatever its execute bit: a script named
    // like a picture goes to the image viewer and never runs.
    void openNeverRuns()
    {
        QTemporaryDir dir;
        const QByteArray png = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452");
        QVERIFY(
            writeTreeFile(dir.filePath("screenshot.png"), "#!/bin/sh\ntouch \"$0.ran\"\n", true));
        QVERIFY(writeTreeFile(dir.filePath("real.png"), png, true));
        QVERIFY(writeTreeFile(dir.filePath("tool.sh"), "#!/bin/sh\ntouch \"$0.ran\"\n", true));
        Scripted world;
        world.executables.insert("xdg-open", "/usr/bin/xdg-open");
        world.handlers.insert("image/png", "viewer.desktop");
        world.handlers.insert("inode/directory", "files.desktop");
        const auto launcher = world.make();
        for (const char *name : { "screenshot.png", "real.png", "" })
            QCOMPARE(launcher->open(dir.filePath(name)), qint64(42));
        QCOMPARE(launcher->open(dir.filePath("tool.sh")), qint64(31)); // no handler for scripts
        QCOMPARE(launcher->open(dir.filePath("gone.png")), qint64(2));
        QCOMPARE(world.started,
                 (QList<QStringList> { { "/usr/bin/xdg-open", dir.filePath("screenshot.png") },
                                       { "/usr/bin/xdg-open", dir.filePath("real.png") },
                                       { "/usr/bin/xdg-open", dir.path() } }));
        QVERIFY(QDir(dir.path()).entryList({ "*.ran" }).isEmpty());
    }

    void programsWithArgumentLists()
    {
        Scripted world;
        world.executables.insert("dpkg", "/usr/bin/dpkg");
        world.executables.insert("pkexec", "/usr/bin/pkexec");
        const auto launcher = world.make();
        const QString tool = m_dir.filePath("tool.sh");
        // Arguments are passed as they are: no splitting, no shell.
        QCOMPARE(launcher->executeProgram(QString(), tool, { "/verysilent", "a \"b\" c" }),
                 qint64(42));
        QCOMPARE(launcher->executeProgram("runas", "dpkg", { "--install", "/x y.deb" }),
                 qint64(42));
        QCOMPARE(launcher->executeProgram(QString(), m_dir.filePath("notes.txt"), {}), qint64(5));
        QCOMPARE(launcher->executeProgram(QString(), m_dir.filePath("absent"), {}), qint64(2));
        QCOMPARE(launcher->executeProgram(QString(), "apt-nowhere", {}), qint64(2));
        QCOMPARE(world.started,
                 (QList<QStringList> {
                     { tool, "/verysilent", "a \"b\" c" },
                     { "/usr/bin/pkexec", "/usr/bin/dpkg", "--install", "/x y.deb" } }));
    }

    void failuresAreReported()
    {
        Scripted world;
        world.startSucceeds = false;
        world.handlers.insert("text/plain", "editor.desktop");
        world.executables.insert("xdg-open", "/usr/bin/xdg-open");
        const auto launcher = world.make();
        QVERIFY(launcher->execute(QString(), m_dir.filePath("notes.txt"), QString()) <= 32);
        QVERIFY(launcher->execute(QString(), m_dir.filePath("tool.sh"), QString()) <= 32);
        // The real launcher, with this machine's programs and handlers.
        plat::DesktopLauncher real;
        QCOMPARE(real.execute("runas", "vn-no-such-program-here", QString()), qint64(2));
        QCOMPARE(real.execute(QString(), "vn-test-scheme-nobody-handles:x", QString()), qint64(31));
    }

    // The default handler is what "xdg-mime query default" prints; here a script of the test's
    // own stands first on the PATH.
    void defaultHandlerAsksXdgMime_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("handler");
        QTest::newRow("answers") << QByteArray("[ \"$1 $2 $3\" = \"query default text/html\" ] "
                                               "&& echo ' browser.desktop '")
                                 << "browser.desktop";
        QTest::newRow("fails") << QByteArray("echo browser.desktop; exit 1") << "";
    }

    void defaultHandlerAsksXdgMime()
    {
        QFETCH(QByteArray, script);
        QTemporaryDir bin;
        QVERIFY(writeTreeFile(bin.filePath(QStringLiteral("xdg-mime")),
                              "#!/bin/sh\n" + script + "\n", true));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        const QString found = plat::DesktopLauncher::defaultHandler(QStringLiteral("text/html"));
        qputenv("PATH", path);
        QTEST(found, "handler");
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestLauncher)
#include "tst_launcher.moc"
