// The software lists: services, processes, installed applications and their uninstall, drivers
// and start-up entries, on fakes; the Linux sources' values are pinned by tests/platform_sw.

#include "../collect/collectorlog.h"
#include "../collect/collectortesting.h"

#include "appidentity.h"
#include "collect/lazyicon.h"
#include "fixturetree.h"
#include "platformtree.h"

#include "../collect/fakemachine.h"
#include "platform/platform.h"

#include <QtTest>

using namespace wmi;

namespace {

const QString kHkcuUninstall
    = "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const QString kHklmUninstall
    = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const QString kWowUninstall = QStringLiteral(
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
const QString kHkcuRun = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const QString kHklmRun = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const QString kWowRun = QStringLiteral(
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run");

Object service(const QString &name, const VARIANT &state)
{
    return { { "Caption", bstr("Secure Shell server") },
             { "PathName", bstr("\"/usr/sbin/sshd\" -D") },
             { "Name", bstr(name) },
             { "ProcessId", i4(812) },
             { "ServiceType", bstr("notify") },
             { "State", state },
             { "Status", bstr("OK") },
             { "ErrorControl", null() },
             { "StartMode", bstr("Auto") },
             { "WaitHint", i4(0) },
             { "ExitCode", i4(0) } };
}

// One line per software record, fields joined by " | ", icon source first.
QString describeRecord(const QVariant &v)
{
    QStringList f;
    if (v.canConvert<Service>()) {
        const Service s = v.value<Service>();
        f << LazyIcon::source(s.icon) << s.serviceName << s.path << s.fileName << s.processId
          << s.type << s.state << s.status << s.errorControl << s.startMode << s.waitHint
          << s.exitCode;
    } else if (v.canConvert<Process>()) {
        const Process p = v.value<Process>();
        f << LazyIcon::source(p.icon) << p.processName << p.processId << p.workingSetSize
          << p.handleCount << p.peakPageFileUsage << p.priority << p.sessionId << p.threadCount
          << p.virtualSize << p.path;
    } else if (v.canConvert<Application>()) {
        const Application a = v.value<Application>();
        f << LazyIcon::source(a.icon) << a.name << a.version << a.developer << a.installPath
          << a.uninstallPath << a.registryKey << a.registrySubkey;
    } else if (v.canConvert<Driver>()) {
        const Driver d = v.value<Driver>();
        f << LazyIcon::source(d.icon) << d.name << d.version << d.description << d.type
          << d.fileName << d.state << d.path;
    } else if (v.canConvert<Startup>()) {
        const Startup s = v.value<Startup>();
        f << LazyIcon::source(s.icon) << s.name << s.startupPath << s.command << s.location;
        if (!s.displayName.isEmpty())
            f << s.displayName;
    }
    return f.join(" | ");
}

QStringList records(const CollectorLog &log, const QString &name)
{
    QStringList out;
    for (const CollectorLog::Entry &e : log.all(name))
        out << describeRecord(e.args.value(0));
    return out;
}

// Name, path, command and location of every start-up entry.
QStringList startupRows(const CollectorLog &log)
{
    QStringList rows = records(log, "startupInfo");
    for (QString &row : rows)
        row = row.section(" | ", 1);
    return rows;
}

QString userAutostart()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart";
}

} // namespace

class TestCollectLists : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakeMachine> m;

    // Runs an uninstall and lets the event loop turn until the run has ended one way or another.
    void uninstall(Worker &worker, const QString &command, quint64 rowId)
    {
        QSignalSpy finished(&worker, &Worker::finished);
        QSignalSpy aborted(&worker, &Worker::collectorAborted);
        worker.productUninstall(command, rowId);
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() + aborted.count() > 0, 10000);
    }

private slots:
    void initTestCase()
    {
        // Scratch folders of their own: nothing here may touch a real home.
        QVERIFY(qEnvironmentVariableIsSet("VN_TEST_SCRATCH"));
    }

    void init()
    {
        m = std::make_unique<FakeMachine>();
        QDir(userAutostart()).removeRecursively();
        qunsetenv("XDG_CONFIG_DIRS");
        qputenv("XDG_CURRENT_DESKTOP", "KDE");
    }

    void cleanup()
    {
        m.reset();
        for (const char *v : { "SystemRoot", "ProgramFiles", "windir", "appdata", "programdata" })
            qunsetenv(v);
    }

    void services_data()
    {
        QTest::addColumn<QVariant>("state"); // text, or nothing for a null value
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("shown");
        QTest::newRow("running") << QVariant("Running") << "on"
                                 << "Running";
        QTest::newRow("lower case is not running") << QVariant("running") << "off"
                                                   << "running";
        QTest::newRow("state unreadable") << QVariant() << "off"
                                          << "Unknown";
    }

    void services()
    {
        QFETCH(QVariant, state);
        QFETCH(QString, icon);
        QFETCH(QString, shown);
        // The service's own name is taken as read, blanks and all.
        m->fake->add("Win32_Service",
                     service(" ssh.service ", state.isValid() ? bstr(state.toString()) : null()));
        Worker worker;
        CollectorLog log(&worker);
        QCOMPARE(worker.servicesWMIData(), 0);
        QCOMPARE(records(log, "appServicesData"),
                 QStringList { QString("file::Icon/services_%1.png | Secure Shell server | "
                                       "/usr/sbin/sshd -D |  ssh.service  | 812 | notify | %2 | OK "
                                       "| Unknown | Auto | 0 milliseconds | 0")
                                   .arg(icon, shown) });
        QCOMPARE(log.names().mid(1), QStringList({ "loadMainData", "finished" }));
    }

    void processes_data()
    {
        QTest::addColumn<QVariant>("workingSet"); // text, or nothing for a null value
        QTest::addColumn<QVariant>("path");
        QTest::addColumn<QString>("expected");
        const QString bash = "type:/usr/bin/bash|:/Icon/processes_icon.png | bash | 77 | %1 | 4 "
                             "| 5400 | 20 | 77 | 1 | 8708 | /usr/bin/bash";
        QTest::newRow("3 GiB") << QVariant("3221225472") << QVariant("/usr/bin/bash")
                               << bash.arg(3145728);
        QTest::newRow("not a number")
            << QVariant("n/a") << QVariant("/usr/bin/bash") << bash.arg(0);
        QTest::newRow("system process")
            << QVariant() << QVariant()
            << "file::/Icon/processes_icon.png | bash | 77 | Unknown | 4 | 5400 | 20 | 77 | 1 | "
               "8708 | Unknown";
        QTest::newRow("empty path")
            << QVariant("4096") << QVariant("")
            << "file::/Icon/processes_icon.png | bash | 77 | 4 | 4 | 5400 | 20 | 77 | 1 | 8708 | ";
    }

    void processes()
    {
        QFETCH(QVariant, workingSet);
        QFETCH(QVariant, path);
        QFETCH(QString, expected);
        m->fake->add(
            "Win32_Process",
            { { "Name", bstr("bash") },
              { "ProcessId", i4(77) },
              { "WorkingSetSize", workingSet.isValid() ? bstr(workingSet.toString()) : null() },
              { "HandleCount", i4(4) },
              { "PeakPageFileUsage", i4(5400) },
              { "Priority", i4(20) },
              { "SessionId", i4(77) },
              { "ThreadCount", i4(1) },
              { "VirtualSize", bstr("8917504") },
              { "ExecutablePath", path.isValid() ? bstr(path.toString()) : null() } });
        Worker worker;
        CollectorLog log(&worker);
        QCOMPARE(worker.processesWMIData(), 0);
        QCOMPARE(records(log, "appProcessesData"), QStringList { expected });
    }

    void applications()
    {
        qputenv("ProgramFiles", "C:\\Program Files");
        auto &reg = *m->platform.registry;
        reg.setValue(kHkcuUninstall + "\\notes", "DisplayName", "Notes");
        reg.setValue(kHkcuUninstall + "\\notes", "DisplayVersion", "1.2");
        reg.setValue(kHkcuUninstall + "\\notes", "Publisher", "Example Ltd");
        reg.setValue(kHkcuUninstall + "\\notes", "InstallLocation", "/home/u/.local/notes");
        reg.setValue(kHkcuUninstall + "\\notes", "DisplayIcon", "accessories-text-editor");
        reg.setValue(kHkcuUninstall + "\\notes", "UninstallString",
                     "\"%ProgramFiles%\\Notes\\uninst.exe\" /S");
        reg.setValue(kHklmUninstall + "\\src-only", "DisplayName", "Source only");
        reg.setValue(kHklmUninstall + "\\src-only", "InstallSource", "\"/srv/setup\"");
        reg.setValue(kHklmUninstall + "\\bare", "DisplayName", "Bare");
        // Trailing blanks: the shown name is tidied, the entry is still its own.
        reg.setValue(kHklmUninstall + "\\padded", "DisplayName", "Padded  ");
        reg.setValue(kHklmUninstall + "\\padded", "UninstallString", "/opt/padded/remove");
        // A dependency is not listed.
        reg.setValue(kHklmUninstall + "\\lib", "DisplayName", "Shared");
        reg.setValue(kHklmUninstall + "\\lib", "AutoInstalled", 1);
        reg.setValue(kHklmUninstall + "\\lib", "UninstallString", "remove-lib");
        reg.setValue(kHklmUninstall + "\\nameless", "UninstallString", "remove-nameless");
        // Two entries of one name: each keeps its own command and location.
        reg.setValue(kHklmUninstall + "\\tool", "DisplayName", "Tool");
        reg.setValue(kHklmUninstall + "\\tool", "UninstallString", "remove-tool-64");
        reg.setValue(kWowUninstall + "\\tool32", "DisplayName", "Tool");
        reg.setValue(kWowUninstall + "\\tool32", "UninstallString", "remove-tool-32");

        Worker worker;
        CollectorLog log(&worker);
        QCOMPARE(worker.programsData(), 0);
        const QString fallback = "|:/Icon/default_apps_icon.png";
        const QStringList expected {
            "theme:accessories-text-editor" + fallback
                + " | Notes | 1.2 | Example Ltd | /home/u/.local/notes | C:\\Program "
                  "Files\\Notes\\uninst.exe /S | "
                + kHkcuUninstall + " | notes",
            "theme:" + fallback + " | Bare | Unknown | Unknown | Unknown | Unknown | "
                + kHklmUninstall + " | bare",
            "theme:" + fallback + " | Padded | Unknown | Unknown | Unknown | /opt/padded/remove | "
                + kHklmUninstall + " | padded",
            "theme:" + fallback + " | Source only | Unknown | Unknown | Unknown | /srv/setup | "
                + kHklmUninstall + " | src-only",
            "theme:" + fallback + " | Tool | Unknown | Unknown | Unknown | remove-tool-32 | "
                + kWowUninstall + " | tool32",
            "theme:" + fallback + " | Tool | Unknown | Unknown | Unknown | remove-tool-64 | "
                + kHklmUninstall + " | tool",
        };
        QStringList got = records(log, "appsData");
        QCOMPARE(got.size(), expected.size());
        // Keys list their subkeys in their own order; compare per key in the walk's key order.
        QCOMPARE(got.first(), expected.first());
        QStringList rest = got.mid(1);
        std::sort(rest.begin(), rest.end());
        QCOMPARE(rest, expected.mid(1));
        QCOMPARE(log.all("appDataReady").value(0).args.value(0).toInt(), 6);
        QCOMPARE(log.names().mid(6), QStringList({ "appDataReady", "loadMainData", "finished" }));
    }

    void uninstallWaitsForTheSession()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString helperDone = dir.filePath("helper-done");
        const QString lateDone = dir.filePath("late-done");
        // The uninstaller hands its work to a helper and exits at once; the helper starts a
        // second helper just before it ends. Both are orphans by then.
        const QString script = dir.filePath("uninstall.sh");
        QVERIFY(writeTreeFile(script,
                              "#!/bin/sh\n( sleep 0.3; ( sleep 0.3; touch '" + lateDone.toUtf8()
                                  + "' ) & touch '" + helperDone.toUtf8() + "' ) &\nexit 0\n",
                              true));
        const QString command = "/bin/sh \"" + script + "\" --quiet";
        plat::ScopedPlatform live(plat::makeLinuxPlatform(plat::SysRoot()));
        Worker worker;
        CollectorLog log(&worker);
        QStringList doneWhenEnded;
        connect(&worker, &Worker::isUninstalling, &worker, [&](bool running, quint64) {
            if (!running)
                doneWhenEnded << QString::number(QFile::exists(helperDone))
                              << QString::number(QFile::exists(lateDone));
        });
        uninstall(worker, command, 42);
        QCOMPARE(log.names(), QStringList({ "isUninstalling", "isUninstalling", "finished" }));
        QCOMPARE(log.entries().at(0).args, QVariantList({ true, quint64(42) }));
        QCOMPARE(log.entries().at(1).args, QVariantList({ false, quint64(42) }));
        QCOMPARE(doneWhenEnded, QStringList({ "1", "1" }));
    }

    // An uninstaller that cannot start is offered to be taken off the list. The window queues
    // the request by name, with values only; the answer names the row again.
    void uninstallCannotStart_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("no command") << "Unknown";
        QTest::newRow("empty") << "  ";
        QTest::newRow("no such program") << "/nonexistent/remove";
    }

    void uninstallCannotStart()
    {
        QFETCH(QString, command);
        QThread thread;
        auto *worker = new Worker;
        worker->moveToThread(&thread);
        // Answers reach this thread queued, as they reach the window.
        QStringList answers;
        connect(worker, &Worker::processFailed, this,
                [&answers](quint64 row) { answers << QString::number(row, 16); });
        connect(worker, &Worker::collectorAborted, this, [&answers]() { answers << "aborted"; });
        connect(worker, &Worker::isUninstalling, this, [&answers]() { answers << "running"; });
        connect(worker, &Worker::finished, this, [&answers]() { answers << "finished"; });
        thread.start();
        QVERIFY(QMetaObject::invokeMethod(worker, "productUninstall", Qt::QueuedConnection,
                                          Q_ARG(QString, command),
                                          Q_ARG(quint64, quint64(0x1234567890ULL))));
        QTRY_COMPARE_WITH_TIMEOUT(answers, QStringList({ "1234567890", "aborted" }), 10000);
        QMetaObject::invokeMethod(worker, "deleteLater", Qt::QueuedConnection);
        thread.quit();
        QVERIFY(thread.wait(5000));
        QCoreApplication::processEvents(); // nothing else was on its way
        QCOMPARE(answers, QStringList({ "1234567890", "aborted" }));
    }

    // A removal that ran and failed says why, once its session has ended; only an uninstaller
    // that could not start is offered to be taken off the list.
    void uninstallerFailures_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("name"); // of the uninstaller
        QTest::addColumn<QString>("reason");
        QTest::newRow("crashed") << QByteArray("kill -SEGV $$") << "My Tool/crash.sh"
                                 << "The uninstaller crashed.";
        QTest::newRow("authentication dismissed")
            << QByteArray("exit 126") << "pkexec"
            << "The request for administrator rights was cancelled or refused.";
        QTest::newRow("not authorized")
            << QByteArray("exit 127") << "pkexec"
            << "Administrator rights could not be obtained (not authorized, or no "
               "authentication agent is running).";
        QTest::newRow("exit 127 of another tool") << QByteArray("exit 127") << "remove.sh"
                                                  << "The uninstaller ended with exit code 127.";
    }
    void uninstallerFailures()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(name); // a program path with a blank is one word
        QVERIFY(writeTreeFile(path, "#!/bin/sh\n" + script + "\n", true));
        plat::ScopedPlatform live(plat::makeLinuxPlatform(plat::SysRoot()));
        // The guard would stop a program named pkexec; this one is a script at a known path.
        const auto restore = qScopeGuard(
            [saved = qgetenv("VN_TEST_SCRATCH")] { qputenv("VN_TEST_SCRATCH", saved); });
        qunsetenv("VN_TEST_SCRATCH");
        Worker worker;
        CollectorLog log(&worker);
        uninstall(worker, path, 9);
        QCOMPARE(log.names(),
                 QStringList(
                     { "isUninstalling", "failedToRemoveProduct", "isUninstalling", "finished" }));
        QCOMPARE(log.all("failedToRemoveProduct").value(0).args.value(0).toString(),
                 "Failed to remove the program!\n" + reason);
    }

    void uninstallRefusesPackageToolsUnderTest()
    {
        // A stand-in named like the package tool: if the guard failed it would leave a mark.
        QTemporaryDir dir;
        const QString marker = dir.filePath("ran");
        const QString tool = dir.filePath("dpkg");
        QVERIFY(writeTreeFile(tool, "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n", true));
        plat::ScopedPlatform live(plat::makeLinuxPlatform(plat::SysRoot()));
        Worker worker;
        CollectorLog log(&worker);
        uninstall(worker, "\"" + tool + "\" --remove vim", 3);
        QVERIFY(!QFile::exists(marker));
        QCOMPARE(log.names().last(), "finished");
    }

    void drivers()
    {
        qputenv("SystemRoot", "C:\\Windows");
        auto &src = *m->platform.driverSource;
        // A null path: no binary path at all; an empty one: an empty path.
        const auto add = [&](const QString &name, quint32 type, quint32 state, const char *path) {
            plat::DriverEntry e;
            e.name = name;
            e.displayName = name + " driver";
            e.serviceType = type;
            e.currentState = state;
            src.drivers << e;
            if (path)
                src.binaryPaths.insert(name, *path ? QString(path) : QString());
        };
        add("acpi", 1, 4, "\\SystemRoot\\System32\\drivers\\ACPI.sys");
        add("disk", 1, 1, "System32\\drivers\\disk.sys");
        add("tool", 2, 2, "\\??\\D:\\Tools\\tool.sys");
        add("ext4", 2, 4, "/lib/modules/6.1.0/kernel/fs/ext4/ext4.ko");
        add("vt", 1, 3, "/sys/module/vt");
        add("recognizer", 8, 5, "/lib/modules/6.1.0/kernel/fs/fat/fat.ko");
        add("closed", 1, 6, nullptr);
        add("nofile", 1, 7, "");
        add("odd", 1, 9, "/lib/modules/6.1.0/extra/odd.ko");
        auto &versions = *m->platform.fileVersion;
        versions.versions.insert("C:\\Windows\\System32\\drivers\\ACPI.sys", { 10, 0, 19041, 1 });
        versions.versions.insert("C:\\Windows/System32\\drivers\\disk.sys", { 10, 0, 1, 2 });
        versions.versions.insert("D:\\Tools\\tool.sys", { 1, 2, 3, 4 });
        versions.texts.insert("/lib/modules/6.1.0/kernel/fs/ext4/ext4.ko", "6.1.0");
        versions.texts.insert("/sys/module/vt", "  ");

        Worker worker;
        CollectorLog log(&worker);
        worker.getSystemDrivers();
        QStringList expected {
            "acpi | 10.0.19041.1 | acpi driver | Kernel | ACPI.sys | Running | "
            "C:\\Windows\\System32\\drivers\\ACPI.sys",
            "disk | 10.0.1.2 | disk driver | Kernel | disk.sys | Stopped | "
            "C:\\Windows/System32\\drivers\\disk.sys",
            "tool | 1.2.3.4 | tool driver | File System | tool.sys | Start pending | "
            "D:\\Tools\\tool.sys",
            "ext4 | 6.1.0 | ext4 driver | File System | ext4.ko | Running | "
            "/lib/modules/6.1.0/kernel/fs/ext4/ext4.ko",
            "vt | Unknown | vt driver | Kernel | vt | Stop pending | /sys/module/vt",
            "recognizer | Unknown | recognizer driver | Unknown | fat.ko | Continue pending | "
            "/lib/modules/6.1.0/kernel/fs/fat/fat.ko",
            "closed | Unknown | closed driver | Kernel | Unknown | Pause pending | Unknown",
            "nofile | Unknown | nofile driver | Kernel | Unknown | Paused | Unknown",
            "odd | Unknown | odd driver | Kernel | odd.ko | Unknown | "
            "/lib/modules/6.1.0/extra/odd.ko",
        };
        for (QString &row : expected)
            row.prepend("file::/Icon/drivers_icon.png | ");
        QCOMPARE(records(log, "driverInfo"), expected);
        QCOMPARE(log.names().mid(9), QStringList({ "loadMainData", "finished" }));
    }

    void driversWithoutManager()
    {
        m->platform.driverSource->managerAvailable = false;
        Worker worker;
        CollectorLog log(&worker);
        worker.getSystemDrivers();
        QCOMPARE(log.names(), QStringList({ "loadMainData", "finished" }));
    }

    // A list stops after the record whose signal sets its cancel flag, as the window does.
    void listCancel_data()
    {
        QTest::addColumn<QByteArray>("run");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QByteArray>("cancel");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("applications") << QByteArray("programsData") << QByteArray("appsData")
                                      << QByteArray("setCancelAppsDetection")
                                      << QStringList({ "appsData", "appDataReady", "finished" });
        QTest::newRow("drivers") << QByteArray("getSystemDrivers") << QByteArray("driverInfo")
                                 << QByteArray("setCancelDriversDetection")
                                 << QStringList({ "driverInfo", "finished" });
        QTest::newRow("start-up") << QByteArray("getStartupApp") << QByteArray("startupInfo")
                                  << QByteArray("setCancelStartupDetection")
                                  << QStringList({ "startupInfo", "startupDetectionCompleted",
                                                   "finished" });
    }

    void listCancel()
    {
        QFETCH(QByteArray, run);
        QFETCH(QByteArray, record);
        QFETCH(QByteArray, cancel);
        QFETCH(QStringList, expected);
        auto &reg = *m->platform.registry;
        for (int i = 0; i < 3; ++i) {
            const QString name = QStringLiteral("p%1").arg(i);
            reg.setValue(kHklmUninstall + QLatin1Char('\\') + name, "DisplayName", name);
            reg.setValue(i < 2 ? kHkcuRun : kHklmRun, name, name);
            plat::DriverEntry e;
            e.name = name;
            m->platform.driverSource->drivers << e;
        }
        Worker worker;
        CollectorLog log(&worker);
        QVERIFY(connectByName(worker, record, cancel));
        QVERIFY(QMetaObject::invokeMethod(&worker, run.constData()));
        QCOMPARE(log.names(), expected);
        for (const CollectorLog::Entry &e : log.all("appDataReady"))
            QCOMPARE(e.args.at(0).toInt(), 1);
    }

    void startupFromAutostart()
    {
        QVERIFY(QDir().mkpath(userAutostart()));
        const QString from = fixtureTree("desktop") + "/home/user/.config/autostart";
        for (const QString &f : QDir(from).entryList(QDir::Files))
            QVERIFY(
                QFile::copy(from + QLatin1Char('/') + f, userAutostart() + QLatin1Char('/') + f));
        plat::ScopedPlatform machine(
            plat::makeLinuxPlatform(plat::SysRoot(fixtureTree("desktop"))));
        Worker worker;
        CollectorLog log(&worker);
        worker.getStartupApp();
        const QString fb = "|:/Icon/default_startup_icon.png | ";
        // Each entry is located by the folder it lives in, not by a registry key.
        const QString user = userAutostart();
        const QString system = fixtureTree("desktop") + "/etc/xdg/autostart";
        const QStringList rows = records(log, "startupInfo");
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows.at(2),
                 "type:/usr/bin/tray" + fb + "org.example.Tray | Registry\\HKCU | /usr/bin/tray | "
                     + user + " | Tray");
        // The whole name, never cut at a dot: it names exactly its own file.
        QCOMPARE(rows.at(4),
                 "theme:tray-helper" + fb
                     + "org.example.Tray.Helper | Registry\\HKLM (x86) | "
                       "/usr/bin/tray-helper --background | "
                     + system + " | Tray helper");
        QCOMPARE(log.names().mid(5),
                 QStringList({ "startupDetectionCompleted", "loadMainData", "finished" }));
    }

    // Run values, then the start-up folder: folder items are named by the text before their
    // first dot, and each keeps its own file.
    void startupRunValuesAndFolders()
    {
        qputenv("windir", "C:\\Windows");
        auto &reg = *m->platform.registry;
        reg.setValue(kHkcuRun, "Tray", "\"C:\\Program Files\\Tray\\tray.exe\" --hidden");
        reg.setValue(kHklmRun, "Cleaner", "%windir%\\system32\\cleaner.exe /auto");
        reg.setValue(kWowRun, "Updater", "updater");
        QTemporaryDir appdata;
        qputenv("appdata", appdata.path().toUtf8());
        const QString folder = appdata.path() + "/Microsoft/Windows/Start Menu/Programs/Startup";
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile(folder + "/Backup.Tool.lnk").open(QIODevice::WriteOnly));
        QVERIFY(QFile::link("/bin/true", folder + "/backup.lnk"));
        QVERIFY(QFile(folder + "/.hidden.lnk").open(QIODevice::WriteOnly));
        Worker worker;
        CollectorLog log(&worker);
        worker.getStartupApp();
        QCOMPARE(
            startupRows(log),
            QStringList({ "Tray | Registry\\HKCU | C:\\Program Files\\Tray\\tray.exe --hidden | "
                              + kHkcuRun,
                          "Cleaner | Registry\\HKLM (x86) | "
                          "C:\\Windows\\system32\\cleaner.exe /auto | "
                              + kHklmRun,
                          "Updater | Registry\\HKLM (x64) | updater | " + kWowRun,
                          "backup | " + folder + " | /bin/true | " + folder + "/backup.lnk",
                          "Backup | " + folder + " |  | " + folder + "/Backup.Tool.lnk" }));
        QCOMPARE(log.names().mid(5),
                 QStringList({ "startupDetectionCompleted", "loadMainData", "finished" }));
    }

    // The icons of the records load nothing until they are drawn; then a named icon that does
    // not exist gives the program's own image, and the resource paths of the lists resolve.
    void iconsLoadOnUse_data()
    {
        QTest::addColumn<QIcon>("icon");
        QTest::addColumn<QString>("source");
        const QString apps = ":/Icon/default_apps_icon.png";
        QTest::newRow("missing theme icon")
            << LazyIcon::fromThemeOrPath("no-such-icon-anywhere", apps)
            << "theme:no-such-icon-anywhere|" + apps;
        QTest::newRow("empty name")
            << LazyIcon::fromThemeOrPath(QString(), apps) << "theme:|" + apps;
        QTest::newRow("missing image file")
            << LazyIcon::fromThemeOrPath("/nonexistent/icon.png", apps)
            << "theme:/nonexistent/icon.png|" + apps;
        QTest::newRow("service resource without slash")
            << LazyIcon::fromFile(":Icon/services_on.png") << "file::Icon/services_on.png";
        QTest::newRow("file type") << LazyIcon::forFile("/bin/sh", apps) << "type:/bin/sh|" + apps;
        QTest::newRow("no file") << LazyIcon::forFile(QString(), apps) << "type:|" + apps;
    }

    void iconsLoadOnUse()
    {
        QFETCH(QIcon, icon);
        QFETCH(QString, source);
        QVERIFY(!icon.isNull());
        QCOMPARE(LazyIcon::source(icon), source);
        const QIcon copy = icon; // copies share the look-up
        QCOMPARE(LazyIcon::source(copy), source);
        QVERIFY(!copy.pixmap(24, 24).isNull());
        QVERIFY(LazyIcon::source(QIcon()).isEmpty());
    }
};

QTEST_MAIN(TestCollectLists)
#include "tst_collect_lists.moc"
