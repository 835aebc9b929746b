// Installed packages, autostart entries, kernel modules and the uninstall session wait.

#include "fixturetree.h"
#include "platform/desktopentry.h"
#include "platform/driversource.h"
#include "platform/packagedb.h"
#include "platform/processtree.h"
#include "platform/processtree_linux.h"
#include "platform/registry.h"
#include "platform/sysroot.h"
#include "tests/support/appidentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtTest>

using namespace plat;

namespace {

const QString kHkcuRun = QString::fromLatin1(kRunKeyPaths[0]);
const QString kHklmRun = QString::fromLatin1(kRunKeyPaths[1]);
const QString kWowRun = QString::fromLatin1(kRunKeyPaths[2]);
const QString kHklmUninstall = QString::fromLatin1(kUninstallKeyPaths[1]);

QString userAutostart()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart";
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestListsSw : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // run-isolated.sh gives every run its own scratch folders; never write into a real home.
        QVERIFY(qEnvironmentVariableIsSet("VN_TEST_SCRATCH"));
    }

    void init()
    {
        // Fresh user autostart folder with the fixture's user entries, fresh settings.
        QDir(userAutostart()).removeRecursively();
        QDir().mkpath(userAutostart());
        const QDir from(fixtureTree("desktop") + "/home/user/.config/autostart");
        for (const QString &f : from.entryList(QDir::Files))
            QVERIFY(QFile::copy(from.filePath(f), userAutostart() + QLatin1Char('/') + f));
        QSettings().clear();
        qunsetenv("XDG_CONFIG_DIRS");
        qputenv("XDG_CURRENT_DESKTOP", "KDE");
    }

    // Each stanza stands on its own (the fixture's: see the package list); the last one needs
    // no closing blank line.
    void dpkgStatus()
    {
        const QVector<packages::Package> two = packages::parseDpkgStatus(
            "Package: a\nStatus: install ok installed\nVersion: 1\nMaintainer: Ann <a@x.org>\n\n"
            "Package: b\nStatus: install ok installed");
        QCOMPARE(two.size(), 2);
        QCOMPARE(two.at(0).publisher, "Ann");
        QCOMPARE(two.at(1).version, QString());
        QCOMPARE(two.at(1).publisher, QString());
    }

    void packageValues_data()
    {
        QTest::addColumn<QString>("subkey");
        QTest::addColumn<QStringList>("expected"); // Value=data; a list joined by '|'
        QTest::newRow("dpkg") << "dpkg:vim-common"
                              << QStringList(
                                     { "DisplayVersion=2:9.0.1378-2",
                                       "Publisher=Debian Vim Maintainers", "DisplayIcon=gvim",
                                       "UninstallString=pkexec apt-get remove -y vim-common",
                                       "UninstallCommand=pkexec|apt-get|remove|-y|vim-common",
                                       "InstallSource=dpkg", "InstallLocation=none" });
        QTest::newRow("case-insensitive") << "DPKG:VIM-COMMON" << QStringList { "displayname=Vim" };
        QTest::newRow("no desktop file, manual")
            << "dpkg:openssh-server"
            << QStringList({ "DisplayName=openssh-server", "AutoInstalled=0" });
        QTest::newRow("automatic") << "dpkg:libc6" << QStringList { "AutoInstalled=1" };
        QTest::newRow("maintainer without mail")
            << "dpkg:pinned-tool" << QStringList { "Publisher=Team Without Mail" };
        QTest::newRow("flatpak") << "flatpak:org.gnome.Maps"
                                 << QStringList({ "DisplayName=Maps", "DisplayVersion=45.1",
                                                  "Publisher=The GNOME Project",
                                                  "InstallLocation=/var/lib/flatpak/app/"
                                                  "org.gnome.Maps/current/active/files",
                                                  "UninstallCommand=flatpak|uninstall|-y|--system|"
                                                  "app/org.gnome.Maps/x86_64/stable" });
        QTest::newRow("snap") << "snap:hello"
                              << QStringList({ "DisplayIcon=/snap/hello/42/meta/gui/hello.png",
                                               "Publisher=none" });
    }

    void packageValues()
    {
        QFETCH(QString, subkey);
        QFETCH(QStringList, expected);
        // Through the machine's whole registry, the key path spelled another way.
        const auto registry = makeLinuxRegistry(SysRoot(fixtureTree("desktop")));
        const auto key = registry->open(
            "hkey_local_machine/Software/Microsoft/Windows/CurrentVersion/Uninstall/" + subkey);
        QVERIFY(key->exists());
        for (const QString &pair : expected) {
            const QString name = pair.section(QLatin1Char('='), 0, 0);
            const QVariant value = key->value(name, "none");
            const QString data = value.type() == QVariant::StringList
                ? value.toStringList().join(QLatin1Char('|'))
                : value.toString();
            QCOMPARE(name + QLatin1Char('=') + data, pair);
        }
    }

    void packageScopesAndRemoval()
    {
        const auto registry = makePackageRegistry(SysRoot(fixtureTree("desktop")));
        const auto machine = registry->open(kHklmUninstall);
        QCOMPARE(machine->childGroups(),
                 QStringList({ "dpkg:libc6", "dpkg:openssh-server", "dpkg:pinned-tool",
                               "dpkg:vim-common", "dpkg:vim-gtk3", "flatpak:org.gnome.Maps",
                               "snap:hello" }));
        // The key names itself by its registry path, never by a file.
        QCOMPARE(machine->fileName(), kHklmUninstall);
        for (const char *scope : { kUninstallKeyPaths[0], kUninstallKeyPaths[2] })
            QVERIFY(registry->open(QString::fromLatin1(scope))->childGroups().isEmpty());
        QVERIFY(!machine->child("dpkg:oldtool")->exists());
        QVERIFY(!machine->child("flatpak:org.example.Broken")->exists());
        QVERIFY(machine->childKeys().isEmpty());
        // Only the values an entry has are listed (dpkg spreads files, so no install folder).
        QCOMPARE(machine->child("dpkg:vim-common")->childKeys(),
                 QStringList({ "DisplayName", "DisplayVersion", "Publisher", "DisplayIcon",
                               "UninstallString", "UninstallCommand", "InstallSource",
                               "AutoInstalled" }));
        QVERIFY(!machine->setValue("x", 1));

        // Removal hides the entry for this user (settings); the package database is untouched.
        QVERIFY(!machine->remove("dpkg:no-such-package"));
        QVERIFY(machine->remove("dpkg:libc6"));
        QVERIFY(!machine->childGroups().contains("dpkg:libc6"));
        QVERIFY(!registry->open(kHklmUninstall + "\\dpkg:libc6")->exists());
        QVERIFY(
            readAll(fixtureTree("desktop") + "/var/lib/dpkg/status").contains("Package: libc6\n"));
        const auto fresh = makePackageRegistry(SysRoot(fixtureTree("desktop")));
        QCOMPARE(fresh->open(kHklmUninstall)->childGroups().size(), 6);
        // A value of an entry cannot be removed.
        QVERIFY(!registry->open(kHklmUninstall + "\\dpkg:vim-common")->remove("DisplayName"));
    }

    void userFlatpak()
    {
        const QString app = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
            + "/flatpak/app/org.example.Notes";
        QVERIFY(QDir().mkpath(app + "/x86_64/beta/abc/files"));
        QVERIFY(QFile::link("abc", app + "/x86_64/beta/active"));
        QVERIFY(QFile::link("x86_64/beta", app + "/current"));
        QFile meta(app + "/x86_64/beta/abc/metadata");
        QVERIFY(meta.open(QIODevice::WriteOnly));
        meta.write("[Application]\nname=org.example.Notes\n");
        meta.close();

        const auto registry = makePackageRegistry(SysRoot(fixtureTree("vm")));
        const auto user = registry->open(QString::fromLatin1(kUninstallKeyPaths[0]));
        QCOMPARE(user->childGroups(), QStringList { "flatpak:org.example.Notes" });
        QCOMPARE(user->child("flatpak:org.example.Notes")->value("UninstallCommand"),
                 QVariant(QStringList({ "flatpak", "uninstall", "-y", "--user",
                                        "app/org.example.Notes/x86_64/beta" })));
        QCOMPARE(registry->open(kHklmUninstall)->childGroups(), QStringList { "dpkg:adduser" });
    }

    void desktopEntry_data()
    {
        QTest::addColumn<QByteArray>("exec");
        QTest::addColumn<QString>("command");
        QTest::newRow("codes inside") << QByteArray("app %u --x %i %c %k") << "app --x";
        QTest::newRow("percent") << QByteArray("app --rate=50%%") << "app --rate=50%";
    }

    void desktopEntry()
    {
        QFETCH(QByteArray, exec);
        QFETCH(QString, command);
        const DesktopEntry e
            = DesktopEntry::parse("[Desktop Entry]\nExec=" + exec + "\n[Other]\nExec=wrong\n");
        QCOMPARE(e.command(), command);
    }

    void autostartLists_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QStringList>("system");
        QTest::newRow("KDE") << "KDE"
                             << QStringList({ "at-spi-dbus-bus", "org.example.Tray.Helper" });
        QTest::newRow("GNOME") << "GNOME"
                               << QStringList({ "at-spi-dbus-bus", "gnome-only", "not-in-kde",
                                                "org.example.Tray.Helper" });
        QTest::newRow("none") << ""
                              << QStringList({ "at-spi-dbus-bus", "not-in-kde",
                                               "org.example.Tray.Helper" });
    }

    void autostartLists()
    {
        QFETCH(QString, desktop);
        QFETCH(QStringList, system);
        qputenv("XDG_CURRENT_DESKTOP", desktop.toUtf8());
        const auto registry = makeAutostartRegistry(SysRoot(fixtureTree("desktop")));
        // Hidden entries, the user's override of geoclue and README.txt never show.
        QCOMPARE(registry->open(kHkcuRun)->childKeys(),
                 QStringList({ "geoclue-demo-agent", "myapp", "org.example.Tray" }));
        QCOMPARE(registry->open(kHklmRun)->childKeys(), system);
        QVERIFY(registry->open(kWowRun)->childKeys().isEmpty());
        QCOMPARE(registry->open(kHklmRun)->fileName(), kHklmRun);
    }

    void autostartRemoval()
    {
        const auto registry = makeAutostartRegistry(SysRoot(fixtureTree("desktop")));
        const auto user = registry->open(kHkcuRun);
        const auto system = registry->open(kHklmRun);

        // The name up to a dot names no other file; each entry keeps its exact file.
        QVERIFY(!system->value("org").isValid());
        QVERIFY(!system->value("org.example.Tray").isValid());
        QVERIFY(!system->remove("org.example.Tray"));
        QVERIFY(!QFile::exists(userAutostart() + "/org.example.Tray.Helper.desktop"));
        const QString helper
            = fixtureTree("desktop") + "/etc/xdg/autostart/org.example.Tray.Helper.desktop";
        QCOMPARE(system->child("org.example.Tray.Helper")->value("Path").toString(), helper);
        QCOMPARE(registry->open(kHklmRun + "\\org.example.Tray.Helper")->fileName(), helper);

        // An empty name never removes the key's entries.
        QVERIFY(!user->remove(QString()));
        QVERIFY(!system->remove(QString()));
        QCOMPARE(user->childKeys().size(), 3);

        // A user entry: its file goes.
        QVERIFY(user->remove("myapp"));
        QVERIFY(!QFile::exists(userAutostart() + "/myapp.desktop"));

        // A system entry: a user override with Hidden=true; /etc stays as it is.
        const QString sysFile
            = fixtureTree("desktop") + "/etc/xdg/autostart/at-spi-dbus-bus.desktop";
        const QByteArray before = readAll(sysFile);
        QVERIFY(system->remove("at-spi-dbus-bus"));
        QCOMPARE(readAll(sysFile), before);
        QVERIFY(readAll(userAutostart() + "/at-spi-dbus-bus.desktop").contains("\nHidden=true\n"));

        // A user file that overrides a system entry: deleting it would bring the system one back.
        QVERIFY(user->remove("geoclue-demo-agent"));
        QVERIFY(readAll(userAutostart() + "/geoclue-demo-agent.desktop").contains("Hidden=true"));

        // Neither removed entry shows on either side any more.
        QCOMPARE(user->childKeys(), QStringList { "org.example.Tray" });
        QCOMPARE(system->childKeys(), QStringList { "org.example.Tray.Helper" });
        QVERIFY(!user->remove("myapp")); // already gone
        QVERIFY(!system->setValue("new", "/usr/bin/new"));
    }

    void autostartOwnValue()
    {
        const auto registry = makeAutostartRegistry(SysRoot(fixtureTree("desktop")));
        const auto own = registry->open(kWowRun);
        const QString name = "Verdimon Nuvo";
        QVERIFY(own->setValue(name, "/usr/bin/verdimon-nuvo --rate=50%"));
        const QString file = userAutostart() + "/Verdimon Nuvo.desktop";
        QVERIFY(QFile::exists(file));
        QVERIFY(readAll(file).contains("Exec=/usr/bin/verdimon-nuvo --rate=50%%\n"));
        QCOMPARE(registry->open(kWowRun)->childKeys(), QStringList { name });
        QCOMPARE(own->value(name).toString(), "/usr/bin/verdimon-nuvo --rate=50%");
        // Listed once only: not again among the user's own entries.
        QVERIFY(!registry->open(kHkcuRun)->childKeys().contains(name));
        QVERIFY(!own->setValue("../escape", "x"));
        QVERIFY(!own->setValue(QString(), "x"));
        QVERIFY(!own->setValue("two\nlines", "x"));
        QVERIFY(!own->setValue("injected", "x\nHidden=true"));
    }

    void modules_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QStringList>("rows"); // name|description|type|state
        QTest::newRow("desktop")
            << "desktop"
            << QStringList({
                   "ahci|Unknown|1|4",
                   "amdgpu|Unknown|1|4", // the fixture's file is no real module
                   "crc32c_generic|CRC32c (Castagnoli) calculations wrapper for lib/crc32c|1|4",
                   "e1000e|Intel(R) PRO/1000 Network Driver|1|4",
                   "ext4|Unknown|2|4", // compressed beyond reading here, or damaged
                   "fresh_mod|Unknown|1|2",
                   "kernel|Unknown|1|4",
                   "nvidia|Unknown|1|4",
                   "nvme|Unknown|1|4",
                   "old_mod|Unknown|1|3",
                   "snd_hda_intel|Unknown|1|4", // damaged .modinfo: no garbage
                   "vt|Unknown|1|4",
                   "xhci_hcd|Unknown|1|4",
               });
        QTest::newRow("vm: built-in only")
            << "vm"
            << QStringList({ "8250|Unknown|1|4", "tcp_cubic|Unknown|1|4", "virtio_pci|Unknown|1|4",
                             "vxlan|Unknown|1|4" });
    }

    void modules()
    {
        QFETCH(QString, tree);
        QFETCH(QStringList, rows);
        QVector<DriverEntry> entries;
        QVERIFY(makeLinuxDriverSource(SysRoot(fixtureTree(tree)))->enumerate(&entries));
        QStringList got;
        for (const DriverEntry &e : entries)
            got.append(QString("%1|%2|%3|%4")
                           .arg(e.name, e.displayName)
                           .arg(e.serviceType)
                           .arg(e.currentState));
        QCOMPARE(got, rows);
    }

    void moduleConfig()
    {
        const auto source = makeLinuxDriverSource(SysRoot(fixtureTree("desktop")));
        const QString dir = "/lib/modules/6.8.0-45-generic/";
        QString path;
        QVERIFY(source->queryConfig("e1000e", &path));
        QCOMPARE(path, dir + "kernel/drivers/net/ethernet/intel/e1000e/e1000e.ko");
        QVERIFY(source->queryConfig("snd-hda-intel", &path)); // file names use '-'
        QCOMPARE(path, dir + "kernel/sound/pci/hda/snd-hda-intel.ko");
        QVERIFY(source->queryConfig("vt", &path));
        QCOMPARE(path, "/sys/module/vt");
        // Loaded, file unknown: the sysfs folder still carries its version.
        QVERIFY(source->queryConfig("fresh_mod", &path));
        QCOMPARE(path, "/sys/module/fresh_mod");
        QVERIFY(!source->queryConfig("no_such_module", &path));
    }

    void fixtureSessions()
    {
        const auto tree = makeLinuxProcessTree(SysRoot(fixtureTree("desktop")));
        QCOMPARE(tree->children(1200), QVector<qint64>({ 1234, 1300 }));
        QCOMPARE(tree->sessionMembers(1200), QVector<qint64>({ 1234, 1300 }));
        QCOMPARE(tree->children(0), QVector<qint64>({ 1, 2 }));
        QVERIFY(tree->sessionMembers(1).isEmpty()); // the leader itself is not a member
    }

    void guardRefusesPackageTools_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("refused");
        QTest::newRow("path") << "/usr/bin/dpkg" << QStringList { "-r" } << true;
        QTest::newRow("sudo apt") << "sudo" << QStringList { "apt", "remove" } << true;
        QTest::newRow("shell") << "/bin/sh" << QStringList { "-c", "true" } << false;
        QTest::newRow("similar name") << "/usr/bin/snapper" << QStringList {} << false;
    }

    void guardRefusesPackageTools()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(bool, refused);
        QCOMPARE(refusedUnderTest(program, arguments), refused);
        const QByteArray saved = qgetenv("VN_TEST_SCRATCH");
        qunsetenv("VN_TEST_SCRATCH");
        QVERIFY(!refusedUnderTest(program, arguments));
        qputenv("VN_TEST_SCRATCH", saved);
    }
};

QTEST_GUILESS_MAIN(TestListsSw)
#include "tst_lists_sw.moc"
