// The software and peripheral WMI sources on fixture trees, and the live printer source.

#include "fixturetree.h"
#include "platform/linux_services.h"
#include "platform/linux_tpm.h"
#include "platform/linuxprovider.h"
#include "platform/linuxsources.h"
#include "platform/sysroot.h"
#include "platform/wmischema.h"
#include "showvariant.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <dlfcn.h>
#include <unistd.h>

using namespace plat;
using wmi::Object;

namespace {

// Through the provider, so that each class must reach its own source.
QVector<Object> objectsOf(const QString &tree, const QString &cls)
{
    QVector<Object> out;
    LinuxProvider(SysRoot(fixtureTree(tree)))
        .instances(wmi::classSchema(cls)->nameSpace, cls, &out);
    return out;
}

// The process list of a tree holding only the given files.
QVector<Object> processesOf(const QList<QPair<QString, QByteArray>> &files)
{
    QTemporaryDir dir;
    for (const auto &file : files) {
        QFile f(dir.filePath(file.first));
        if (!QDir().mkpath(QFileInfo(f).path()) || !f.open(QIODevice::WriteOnly))
            return {};
        f.write(file.second);
    }
    return sources::processes(SysRoot(dir.path()));
}

QString pageBytes(qint64 pages)
{
    return QString::number(pages * ::sysconf(_SC_PAGESIZE));
}

} // namespace

class TestLinuxSourcesSw : public QObject
{
    Q_OBJECT

private slots:
    void order_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QStringList>("expected");
        // 4242 has a folder but no stat: it ended while the list was read.
        QTest::newRow("processes") << "Win32_Process"
                                   << "ProcessId" << QStringList({ "1", "2", "1234", "1300" });
        // By name; no template (getty@), no alias (sshd, dbus-org.bluez), cups once.
        QTest::newRow("services") << "Win32_Service"
                                  << "Name"
                                  << QStringList({ "apt-daily.service", "bluetooth.service",
                                                   "cups.service", "local-backup.service",
                                                   "minimal.service", "plymouth-halt.service",
                                                   "ssh.service", "systemd-journald.service",
                                                   "x11-common.service" });
    }

    void order()
    {
        QFETCH(QString, cls);
        QFETCH(QString, property);
        QFETCH(QStringList, expected);
        QStringList got;
        for (const Object &o : objectsOf("desktop", cls))
            got.append(show(o.value(property)));
        QCOMPARE(got, expected);
    }

    void properties_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QString>("cls");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("expected"); // Property=value; "#=n": n objects

        const auto row
            = [](const char *tree, const char *cls, int index, const QStringList &values) {
                  QTest::addRow("%s %s[%d]", tree, cls, index)
                      << QString::fromLatin1(tree) << QString::fromLatin1(cls) << index << values;
              };
        // A bound HDA card: codec maker, runtime power management.
        const char *snd = "Win32_SoundDevice";
        row("desktop", snd, 0,
            { "#=2", "ConfigManagerUserConfig=FALSE",
              "DeviceID=PCI\\VEN_8086&DEV_A348\\0000:00:1f.3",
              "Manufacturer=Realtek Semiconductor Co., Ltd.", "PowerManagementSupported=TRUE",
              "Status=OK" });
        row("vm", snd, 0, { "#=0" });
        // An audio function without a driver.
        row("desktop", snd, 1,
            { "Caption=CA0132 Sound Core3D [Sound Blaster Recon3D / Z-Series / Sound BlasterX AE-5 "
              "Plus]",
              "DeviceID=PCI\\VEN_1102&DEV_0012\\0000:05:00.0", "Manufacturer=Creative Labs",
              "PowerManagementSupported=FALSE" });

        const char *net = "Win32_NetworkAdapterConfiguration";
        row("desktop", net, 0,
            { "#=2", "Caption=[00000005] br0", "ServiceName=bridge", "DHCPEnabled=FALSE",
              "IPEnabled=FALSE", "MACAddress=52:54:00:AA:BB:CC", "DHCPServer=NULL" });
        row("desktop", net, 1,
            { "Caption=[00000002] Ethernet Connection (7) I219-V",
              "Description=Ethernet Connection (7) I219-V", "DHCPEnabled=TRUE",
              "DHCPServer=192.168.1.1", "ServiceName=e1000e", "IPEnabled=TRUE", "SettingID=enp3s0",
              "InterfaceIndex=2", "MACAddress=A8:1B:2C:3D:4E:5F", "DNSHostName=desktop-01",
              "TcpNumConnections=NULL", "DatabasePath=/etc" });
        // ifupdown configures eth0 statically.
        row("vm", net, 0, { "#=3", "DHCPEnabled=FALSE" });
        row("vm", net, 1, { "ServiceName=NULL" });
        row("vm", net, 2, { "SettingID=ifb1" });
        // No driver link: the device's uevent names the driver, not the kind ("wlan").
        row("arm64", net, 0, { "ServiceName=brcmfmac" });

        const char *kbd = "Win32_Keyboard";
        row("desktop", kbd, 0,
            { "#=2", "Description=Logitech USB Keyboard", "DeviceID=USB\\VID_046D&PID_C31C",
              "Status=OK" });
        row("desktop", kbd, 1,
            { "Caption=AT Translated Set 2 keyboard", "DeviceID=ACPI\\PNP0303" });

        const char *prn = "Win32_Printer";
        row("desktop", prn, 0,
            { "#=3", "AveragePagesPerMinute=0", "PrintJobDataType=NULL", "PrintProcessor=NULL" });

        // No running service manager: nothing is known of the run time.
        const char *svc = "Win32_Service";
        row("desktop", svc, 0,
            { "Caption=Daily apt download activities",
              "PathName=/usr/lib/apt/apt.systemd.daily update", "ServiceType=oneshot",
              "StartMode=Manual", "State=NULL", "Status=NULL", "ProcessId=NULL", "WaitHint=NULL",
              "ExitCode=NULL", "ErrorControl=NULL" });
        row("desktop", svc, 1,
            { "StartMode=Auto", "ServiceType=dbus" }); // enabled through its alias
        row("desktop", svc, 2, { "Caption=cups.service", "StartMode=Disabled", "PathName=NULL" });
        row("desktop", svc, 3, { "PathName=/usr/local/bin/backup --daemon", "StartMode=Auto" });
        row("desktop", svc, 4, { "ServiceType=oneshot", "PathName=NULL" });
        row("desktop", svc, 5,
            { "PathName=/sbin/plymouthd --mode=shutdown", "ServiceType=simple" });
        row("desktop", svc, 6,
            { "PathName=/usr/sbin/sshd -D $SSHD_OPTS", "ServiceType=notify", "StartMode=Auto" });
        row("desktop", svc, 7, { "StartMode=Manual" }); // static
        row("desktop", svc, 8, { "StartMode=Disabled" });
        row("vm", svc, 0, { "#=2", "PathName=/usr/sbin/cron -f $EXTRA_OPTS", "StartMode=Manual" });
        row("vm", svc, 1, { "StartMode=Auto" });

        const char *prc = "Win32_Process";
        row("desktop", prc, 0,
            { "Name=systemd", "WorkingSetSize=" + pageBytes(3200), "HandleCount=4",
              "PeakPageFileUsage=13100", "Priority=8", "SessionId=1", "ThreadCount=1",
              "VirtualSize=171245568", "ExecutablePath=/usr/lib/systemd/systemd" });
        // A kernel thread: no executable, no memory peak, no readable descriptors.
        row("desktop", prc, 1,
            { "Name=kthreadd", "ExecutablePath=NULL", "PeakPageFileUsage=NULL", "HandleCount=NULL",
              "WorkingSetSize=0" });
        // A name with ") " inside the parentheses, and a deleted executable.
        row("desktop", prc, 2,
            { "Name=firefox-esr", "ExecutablePath=/usr/lib/firefox-esr/firefox-esr",
              "WorkingSetSize=" + pageBytes(786432), "VirtualSize=3221225472", "SessionId=1200",
              "ThreadCount=27", "PeakPageFileUsage=3300000" });
        // Another user's process: the name comes from its command line.
        row("desktop", prc, 3, { "Name=python3", "Priority=4", "ExecutablePath=NULL" });
    }

    void properties()
    {
        QFETCH(QString, tree);
        QFETCH(QString, cls);
        QFETCH(int, index);
        QFETCH(QStringList, expected);
        const QVector<Object> objects = objectsOf(tree, cls);
        for (const QString &pair : expected) {
            const QString property = pair.section(QLatin1Char('='), 0, 0);
            if (property == QLatin1String("#")) {
                QCOMPARE("#=" + QString::number(objects.size()), pair);
                continue;
            }
            QVERIFY(index < objects.size());
            QVERIFY2(objects.at(index).contains(property), qPrintable(property));
            QCOMPARE(property + QLatin1Char('=') + show(objects.at(index).value(property)), pair);
        }
    }

    // Live queues from libcups: an instance is no printer of its own; the list is released.
    void printersFromCups()
    {
        void *cups = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        QVERIFY(cups);
        const auto *freed = static_cast<const int *>(::dlsym(cups, "vnFakeCupsFreed"));
        if (!freed)
            QSKIP("the real libcups came first");
        const int before = *freed;
        QStringList got;
        for (const Object &printer : sources::printers(SysRoot()))
            for (const char *property : { "Caption", "Default", "DriverName", "Status" })
                got << show(printer.value(QLatin1String(property)));
        QCOMPARE(got,
                 QStringList({ "Laser", "FALSE", "Generic PCL Laser", "Degraded", "Photo", "TRUE",
                               "NULL", "NULL" }));
        QCOMPARE(*freed, before + 1);
        ::dlclose(cups);
    }

    void tpmResponse_data()
    {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("firmware");

        const auto build
            = [](quint32 rc, const QVector<QPair<quint32, quint32>> &pairs, int cut = 0) {
                  QByteArray r(19 + 8 * pairs.size(), '\0');
                  auto *p = reinterpret_cast<uchar *>(r.data());
                  qToBigEndian<quint16>(0x8001, p);
                  qToBigEndian<quint32>(quint32(r.size()), p + 2);
                  qToBigEndian<quint32>(rc, p + 6);
                  qToBigEndian<quint32>(6, p + 11);
                  qToBigEndian<quint32>(quint32(pairs.size()), p + 15);
                  for (int i = 0; i < pairs.size(); ++i) {
                      qToBigEndian<quint32>(pairs.at(i).first, p + 19 + 8 * i);
                      qToBigEndian<quint32>(pairs.at(i).second, p + 23 + 8 * i);
                  }
                  return r.left(r.size() - cut);
              };
        QTest::newRow("full") << build(
            0,
            { { 0x100, 0x322E3000 }, { 0x102, 159 }, { 0x10B, 0x00070002 }, { 0x10C, 0x00010000 } })
                              << true << QString("2.0, 0, 1.59") << QString("7.2.1.0");
        QTest::newRow("revision 1.03")
            << build(0, { { 0x102, 103 } }) << true << QString("2.0, 0, 1.03") << QString();
        QTest::newRow("error code")
            << build(0x101, { { 0x102, 159 } }) << false << QString() << QString();
        QTest::newRow("truncated")
            << build(0, { { 0x102, 159 }, { 0x10B, 1 } }, 4) << false << QString() << QString();
        QTest::newRow("empty") << QByteArray() << false << QString() << QString();
    }

    void tpmResponse()
    {
        QFETCH(QByteArray, response);
        QFETCH(bool, ok);
        QFETCH(QString, version);
        QFETCH(QString, firmware);
        QHash<quint32, quint32> props;
        QCOMPARE(tpm::parseProperties(response, &props), ok);
        QCOMPARE(tpm::specVersion(props), version);
        QCOMPARE(tpm::firmwareVersion(props), firmware);
    }

    void tpmCommandBytes()
    {
        // TPM2_GetCapability, no sessions: TPM_CAP_TPM_PROPERTIES from TPM_PT_FIXED, 64 properties.
        QCOMPARE(tpm::fixedPropertiesCommand().toHex(),
                 QByteArray("8001000000160000017a000000060000010000000040"));
    }

    // Linux scheduling on the 0-31 scale, as the Windows priority classes place it; the name and
    // path of a process whose exe link is unreadable. No status file: still listed.
    void processFromStat_data()
    {
        // stat fields 18 (priority), 19 (nice) and 41 (policy; "" for a kernel that writes none)
        QTest::addColumn<QByteArray>("fields"); // comm|prio|nice|policy|cmdline
        QTest::addColumn<QStringList>("expected");
        const struct
        {
            const char *name, *fields, *priority;
        } rows[] = {
            { "nice -15 high", "irq|5|-15|0|", "13" },
            { "nice -14 above", "irq|6|-14|0|", "10" },
            { "nice -5 above", "irq|15|-5|0|", "10" },
            { "nice -4 normal", "irq|16|-4|0|", "8" },
            { "nice 4 normal", "irq|24|4|3|", "8" },
            { "nice 5 below", "irq|25|5|0|", "6" },
            { "nice 14 below", "irq|34|14|5|", "6" },
            { "nice 15 idle", "irq|35|15|0|", "4" },
            { "fifo 99", "irq|-100|0|1|", "24" },
            { "real-time, no policy field", "irq|-51|0||", "24" },
            { "nice 20: out of range", "irq|40|20|0|", "NULL" },
            { "nice -21: out of range", "irq|0|-21|0|", "NULL" },
            { "garbage", "irq|x|x|0|", "NULL" },
        };
        for (const auto &r : rows)
            QTest::newRow(r.name) << QByteArray(r.fields)
                                  << QStringList { QStringLiteral("Priority=") + r.priority };
        // The kernel names its threads in full; no cut to 15 characters.
        QTest::newRow("kernel thread")
            << QByteArray("kworker/R-rcu_gp|20|0|0|")
            << QStringList { "Name=kworker/R-rcu_gp", "ExecutablePath=NULL", "ThreadCount=3" };
        // The command line names an existing program file.
        QTest::newRow("program from command line")
            << QByteArray("tool|20|0|0|/usr/bin/tool\0-v", 28)
            << QStringList { "Name=tool", "ExecutablePath=/usr/bin/tool" };
        QTest::newRow("command line naming no file")
            << QByteArray("sshd|20|0|0|/sshd: alex\0", 24)
            << QStringList { "Name=sshd: alex", "ExecutablePath=NULL" };
    }

    void processFromStat()
    {
        QFETCH(QByteArray, fields);
        QFETCH(QStringList, expected);
        const QList<QByteArray> f = fields.split('|');
        // Fields 1, 2, 3-17, 18, 19, 20-40, 41.
        const QVector<Object> rows = processesOf(
            { { "usr/bin/tool", QByteArray() },
              { "proc/9/cmdline", f.at(4) },
              { "proc/9/stat",
                "9 (" + f.at(0) + ") S 2 0 0 0 -1 2129984 0 0 0 0 0 0 0 0 " + f.at(1) + ' '
                    + f.at(2)
                    + " 3 0 30 0 0 18446744073709551615 0 0 0 0 0 0 0 2147483647 0 0 0 0 17 0 50 "
                    + f.at(3) + "\n" } });
        QCOMPARE(rows.size(), 1);
        for (const QString &pair : expected) {
            const QString property = pair.section(QLatin1Char('='), 0, 0);
            QCOMPARE(property + QLatin1Char('=') + show(rows.at(0).value(property)), pair);
        }
    }
};

QTEST_GUILESS_MAIN(TestLinuxSourcesSw)
#include "tst_linuxsources_sw.moc"
