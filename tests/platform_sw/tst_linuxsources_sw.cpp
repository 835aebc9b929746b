// The software and peripheral WMI sources on fixture trees, and a smoke run on this machine.

#include "fixturetree.h"
#include "platform/linux_services.h"
#include "platform/linux_tpm.h"
#include "platform/linuxprovider.h"
#include "platform/linuxsources.h"
#include "platform/sysroot.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <dlfcn.h>
#include <unistd.h>

using namespace plat;
using wmi::Object;
using wmi::VARIANT;

namespace {

// A value as one comparable text: NULL, a number, TRUE/FALSE or the text itself.
QString show(const VARIANT &v)
{
    switch (v.vt) {
    case wmi::VT_NULL:
        return QStringLiteral("NULL");
    case wmi::VT_EMPTY:
        return QStringLiteral("EMPTY");
    case wmi::VT_I4:
        return QString::number(v.lVal);
    case wmi::VT_BOOL:
        return v.boolVal ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case wmi::VT_BSTR:
        return v.bstrVal;
    default:
        return QStringLiteral("VT%1").arg(v.vt);
    }
}

using Source = QVector<Object> (*)(const SysRoot &);

Source sourceOf(const QString &cls)
{
    static const QHash<QString, Source> map {
        { QStringLiteral("Win32_SoundDevice"), &sources::soundDevices },
        { QStringLiteral("Win32_NetworkAdapterConfiguration"), &sources::networkAdapters },
        { QStringLiteral("Win32_Keyboard"), &sources::keyboards },
        { QStringLiteral("Win32_Printer"), &sources::printers },
        { QStringLiteral("Win32_Service"), &sources::services },
        { QStringLiteral("Win32_Process"), &sources::processes },
        { QStringLiteral("Win32_Tpm"), &sources::tpms },
    };
    return map.value(cls);
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
    void counts_data();
    void counts();
    void properties_data();
    void properties();
    void schemaTypes_data();
    void schemaTypes();
    void printersFromCups();
    void processOrderSkipsVanished();
    void processPriority_data();
    void processPriority();
    void processNames_data();
    void processNames();
    void serviceNamesSkipTemplatesAndAliases();
    void tpmResponse_data();
    void tpmResponse();
    void tpmCommandBytes();
};

void TestLinuxSourcesSw::counts_data()
{
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("cls");
    QTest::addColumn<int>("count");
    QTest::newRow("desktop sound") << "desktop"
                                   << "Win32_SoundDevice" << 2;
    QTest::newRow("desktop network") << "desktop"
                                     << "Win32_NetworkAdapterConfiguration" << 2;
    QTest::newRow("desktop keyboards") << "desktop"
                                       << "Win32_Keyboard" << 2;
    QTest::newRow("desktop printers") << "desktop"
                                      << "Win32_Printer" << 3;
    QTest::newRow("desktop services") << "desktop"
                                      << "Win32_Service" << 9;
    QTest::newRow("desktop processes") << "desktop"
                                       << "Win32_Process" << 4;
    QTest::newRow("desktop tpm 2.0") << "desktop"
                                     << "Win32_Tpm" << 1;
    QTest::newRow("tpm 1.2") << "tpm12"
                             << "Win32_Tpm" << 1;
    QTest::newRow("vm sound") << "vm"
                              << "Win32_SoundDevice" << 0;
    QTest::newRow("vm network") << "vm"
                                << "Win32_NetworkAdapterConfiguration" << 3;
    QTest::newRow("vm keyboards") << "vm"
                                  << "Win32_Keyboard" << 0;
    QTest::newRow("vm printers") << "vm"
                                 << "Win32_Printer" << 0;
    QTest::newRow("vm services") << "vm"
                                 << "Win32_Service" << 2;
    QTest::newRow("vm no tpm") << "vm"
                               << "Win32_Tpm" << 0;
}

void TestLinuxSourcesSw::counts()
{
    QFETCH(QString, tree);
    QFETCH(QString, cls);
    QFETCH(int, count);
    QCOMPARE(sourceOf(cls)(SysRoot(fixtureTree(tree))).size(), count);
}

void TestLinuxSourcesSw::properties_data()
{
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("cls");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("expected");

    const auto row
        = [](const char *tree, const char *cls, int index, const char *prop, const QString &value) {
              QTest::addRow("%s %s[%d].%s", tree, cls, index, prop)
                  << QString::fromLatin1(tree) << QString::fromLatin1(cls) << index
                  << QString::fromLatin1(prop) << value;
          };
    // A bound HDA card: long name, codec maker, runtime power management.
    const char *snd = "Win32_SoundDevice";
    row("desktop", snd, 0, "Caption", QStringLiteral("HDA Intel PCH at 0xa1230000 irq 145"));
    row("desktop", snd, 0, "ConfigManagerErrorCode", QStringLiteral("0"));
    row("desktop", snd, 0, "ConfigManagerUserConfig", QStringLiteral("FALSE"));
    row("desktop", snd, 0, "DeviceID", QStringLiteral("PCI\\VEN_8086&DEV_A348\\0000:00:1f.3"));
    row("desktop", snd, 0, "Manufacturer", QStringLiteral("Realtek Semiconductor Co., Ltd."));
    row("desktop", snd, 0, "PowerManagementSupported", QStringLiteral("TRUE"));
    row("desktop", snd, 0, "Status", QStringLiteral("OK"));
    row("desktop", snd, 0, "StatusInfo", QStringLiteral("3"));
    // An audio function without a driver.
    row("desktop", snd, 1, "Caption",
        QStringLiteral(
            "CA0132 Sound Core3D [Sound Blaster Recon3D / Z-Series / Sound BlasterX AE-5 Plus]"));
    row("desktop", snd, 1, "ConfigManagerErrorCode", QStringLiteral("28"));
    row("desktop", snd, 1, "DeviceID", QStringLiteral("PCI\\VEN_1102&DEV_0012\\0000:05:00.0"));
    row("desktop", snd, 1, "Manufacturer", QStringLiteral("Creative Labs"));
    row("desktop", snd, 1, "PowerManagementSupported", QStringLiteral("FALSE"));
    row("desktop", snd, 1, "Status", QStringLiteral("Error"));
    row("desktop", snd, 1, "StatusInfo", QStringLiteral("4"));

    const char *net = "Win32_NetworkAdapterConfiguration";
    row("desktop", net, 0, "Caption", QStringLiteral("[00000005] br0"));
    row("desktop", net, 0, "ServiceName", QStringLiteral("bridge"));
    row("desktop", net, 0, "DHCPEnabled", QStringLiteral("FALSE"));
    row("desktop", net, 0, "IPEnabled", QStringLiteral("FALSE"));
    row("desktop", net, 0, "MACAddress", QStringLiteral("52:54:00:AA:BB:CC"));
    row("desktop", net, 0, "DHCPServer", QStringLiteral("NULL"));
    row("desktop", net, 1, "Caption", QStringLiteral("[00000002] Ethernet Connection (7) I219-V"));
    row("desktop", net, 1, "Description", QStringLiteral("Ethernet Connection (7) I219-V"));
    row("desktop", net, 1, "DHCPEnabled", QStringLiteral("TRUE"));
    row("desktop", net, 1, "DHCPServer", QStringLiteral("192.168.1.1"));
    row("desktop", net, 1, "ServiceName", QStringLiteral("e1000e"));
    row("desktop", net, 1, "IPEnabled", QStringLiteral("TRUE"));
    row("desktop", net, 1, "SettingID", QStringLiteral("enp3s0"));
    row("desktop", net, 1, "InterfaceIndex", QStringLiteral("2"));
    row("desktop", net, 1, "MACAddress", QStringLiteral("A8:1B:2C:3D:4E:5F"));
    row("desktop", net, 1, "DNSHostName", QStringLiteral("desktop-01"));
    row("desktop", net, 1, "TcpNumConnections", QStringLiteral("NULL"));
    row("desktop", net, 1, "DatabasePath", QStringLiteral("/etc"));
    // virtio: the name comes from the PCI function above the virtio device, the service from the
    // virtio driver; ifupdown configures eth0 statically.
    row("vm", net, 0, "Caption", QStringLiteral("[00000004] Virtio 1.0 network device"));
    row("vm", net, 0, "ServiceName", QStringLiteral("virtio_net"));
    row("vm", net, 0, "DHCPEnabled", QStringLiteral("FALSE"));
    row("vm", net, 0, "MACAddress", QStringLiteral("02:FC:00:00:00:01"));
    row("vm", net, 1, "Caption", QStringLiteral("[00000002] ifb0"));
    row("vm", net, 1, "ServiceName", QStringLiteral("NULL"));
    // No driver link: the device's uevent names the driver, not the kind ("wlan").
    row("arm64", net, 0, "ServiceName", QStringLiteral("brcmfmac"));
    row("vm", net, 2, "SettingID", QStringLiteral("ifb1"));

    const char *kbd = "Win32_Keyboard";
    row("desktop", kbd, 0, "Description", QStringLiteral("Logitech USB Keyboard"));
    row("desktop", kbd, 0, "DeviceID", QStringLiteral("USB\\VID_046D&PID_C31C"));
    row("desktop", kbd, 0, "Layout", QStringLiteral("us,ru"));
    row("desktop", kbd, 0, "Status", QStringLiteral("OK"));
    row("desktop", kbd, 1, "Caption", QStringLiteral("AT Translated Set 2 keyboard"));
    row("desktop", kbd, 1, "DeviceID", QStringLiteral("ACPI\\PNP0303"));

    const char *prn = "Win32_Printer";
    row("desktop", prn, 0, "Caption", QStringLiteral("Office_Laser"));
    row("desktop", prn, 0, "AveragePagesPerMinute", QStringLiteral("0"));
    row("desktop", prn, 0, "Default", QStringLiteral("TRUE"));
    row("desktop", prn, 0, "DriverName",
        QStringLiteral("HP LaserJet 4250 Postscript (recommended)"));
    row("desktop", prn, 0, "PortName", QStringLiteral("socket://192.0.2.10:9100"));
    row("desktop", prn, 0, "Status", QStringLiteral("OK"));
    row("desktop", prn, 0, "WorkOffline", QStringLiteral("FALSE"));
    row("desktop", prn, 0, "PrintJobDataType", QStringLiteral("NULL"));
    row("desktop", prn, 0, "PrintProcessor", QStringLiteral("NULL"));
    row("desktop", prn, 1, "Default", QStringLiteral("FALSE"));
    row("desktop", prn, 1, "Status", QStringLiteral("Error"));
    row("desktop", prn, 1, "WorkOffline", QStringLiteral("TRUE"));
    row("desktop", prn, 2, "Status", QStringLiteral("Degraded"));

    // Services in name order: apt-daily, bluetooth, cups, local-backup, minimal, plymouth-halt,
    // ssh, systemd-journald, x11-common.
    const char *svc = "Win32_Service";
    row("desktop", svc, 0, "Name", QStringLiteral("apt-daily.service"));
    row("desktop", svc, 0, "Caption", QStringLiteral("Daily apt download activities"));
    row("desktop", svc, 0, "PathName", QStringLiteral("/usr/lib/apt/apt.systemd.daily update"));
    row("desktop", svc, 0, "ServiceType", QStringLiteral("oneshot"));
    row("desktop", svc, 0, "StartMode", QStringLiteral("Manual"));
    // No running service manager: nothing is known of the run time.
    row("desktop", svc, 0, "State", QStringLiteral("NULL"));
    row("desktop", svc, 0, "Status", QStringLiteral("NULL"));
    row("desktop", svc, 0, "ProcessId", QStringLiteral("NULL"));
    row("desktop", svc, 0, "WaitHint", QStringLiteral("NULL"));
    row("desktop", svc, 0, "ExitCode", QStringLiteral("NULL"));
    row("desktop", svc, 0, "ErrorControl", QStringLiteral("NULL"));
    row("desktop", svc, 1, "StartMode", QStringLiteral("Auto")); // enabled through its alias
    row("desktop", svc, 1, "ServiceType", QStringLiteral("dbus"));
    row("desktop", svc, 2, "Name", QStringLiteral("cups.service"));
    row("desktop", svc, 2, "Caption", QStringLiteral("cups.service"));
    row("desktop", svc, 2, "StartMode", QStringLiteral("Disabled")); // masked in /etc
    row("desktop", svc, 2, "PathName", QStringLiteral("NULL"));
    row("desktop", svc, 3, "PathName", QStringLiteral("/usr/local/bin/backup --daemon"));
    row("desktop", svc, 3, "StartMode", QStringLiteral("Auto"));
    row("desktop", svc, 4, "ServiceType", QStringLiteral("oneshot"));
    row("desktop", svc, 4, "PathName", QStringLiteral("NULL"));
    row("desktop", svc, 5, "PathName", QStringLiteral("/sbin/plymouthd --mode=shutdown"));
    row("desktop", svc, 5, "ServiceType", QStringLiteral("simple"));
    row("desktop", svc, 6, "Caption", QStringLiteral("OpenBSD Secure Shell server"));
    row("desktop", svc, 6, "PathName", QStringLiteral("/usr/sbin/sshd -D $SSHD_OPTS"));
    row("desktop", svc, 6, "StartMode", QStringLiteral("Auto"));
    row("desktop", svc, 7, "StartMode", QStringLiteral("Manual")); // static
    row("desktop", svc, 8, "StartMode", QStringLiteral("Disabled"));
    row("vm", svc, 0, "PathName", QStringLiteral("/usr/sbin/cron -f $EXTRA_OPTS"));
    row("vm", svc, 0, "StartMode", QStringLiteral("Manual"));
    row("vm", svc, 1, "StartMode", QStringLiteral("Auto"));

    const char *prc = "Win32_Process";
    row("desktop", prc, 0, "Name", QStringLiteral("systemd"));
    row("desktop", prc, 0, "ProcessId", QStringLiteral("1"));
    row("desktop", prc, 0, "WorkingSetSize", pageBytes(3200));
    row("desktop", prc, 0, "HandleCount", QStringLiteral("4"));
    row("desktop", prc, 0, "PeakPageFileUsage", QStringLiteral("13100"));
    row("desktop", prc, 0, "Priority", QStringLiteral("8"));
    row("desktop", prc, 0, "SessionId", QStringLiteral("1"));
    row("desktop", prc, 0, "ThreadCount", QStringLiteral("1"));
    row("desktop", prc, 0, "VirtualSize", QStringLiteral("171245568"));
    row("desktop", prc, 0, "ExecutablePath", QStringLiteral("/usr/lib/systemd/systemd"));
    // A kernel thread: no executable, no memory peak, no readable descriptors.
    row("desktop", prc, 1, "Name", QStringLiteral("kthreadd"));
    row("desktop", prc, 1, "ExecutablePath", QStringLiteral("NULL"));
    row("desktop", prc, 1, "PeakPageFileUsage", QStringLiteral("NULL"));
    row("desktop", prc, 1, "HandleCount", QStringLiteral("NULL"));
    row("desktop", prc, 1, "WorkingSetSize", QStringLiteral("0"));
    // A name with ") " inside the parentheses, and a deleted executable.
    row("desktop", prc, 2, "Name", QStringLiteral("firefox-esr"));
    row("desktop", prc, 2, "ExecutablePath", QStringLiteral("/usr/lib/firefox-esr/firefox-esr"));
    row("desktop", prc, 2, "WorkingSetSize", pageBytes(786432));
    row("desktop", prc, 2, "VirtualSize", QStringLiteral("3221225472"));
    row("desktop", prc, 2, "SessionId", QStringLiteral("1200"));
    row("desktop", prc, 2, "ThreadCount", QStringLiteral("27"));
    row("desktop", prc, 2, "PeakPageFileUsage", QStringLiteral("3300000"));
    // Another user's process: the name comes from its command line.
    row("desktop", prc, 3, "Name", QStringLiteral("python3"));
    row("desktop", prc, 3, "Priority", QStringLiteral("4"));
    row("desktop", prc, 3, "ExecutablePath", QStringLiteral("NULL"));

    const char *tpm = "Win32_Tpm";
    row("desktop", tpm, 0, "IsActivated_InitialValue", QStringLiteral("TRUE"));
    row("desktop", tpm, 0, "IsEnabled_InitialValue", QStringLiteral("TRUE"));
    row("desktop", tpm, 0, "SpecVersion", QStringLiteral("2.0"));
    row("desktop", tpm, 0, "ManufacturerVersion", QStringLiteral("NULL"));
    row("tpm12", tpm, 0, "IsActivated_InitialValue", QStringLiteral("FALSE"));
    row("tpm12", tpm, 0, "IsEnabled_InitialValue", QStringLiteral("TRUE"));
    row("tpm12", tpm, 0, "SpecVersion", QStringLiteral("1.2"));
    row("tpm12", tpm, 0, "ManufacturerVersion", QStringLiteral("6.40"));
}

void TestLinuxSourcesSw::properties()
{
    QFETCH(QString, tree);
    QFETCH(QString, cls);
    QFETCH(int, index);
    QFETCH(QString, property);
    QFETCH(QString, expected);
    const QVector<Object> objects = sourceOf(cls)(SysRoot(fixtureTree(tree)));
    QVERIFY(index < objects.size());
    QVERIFY2(objects.at(index).contains(property), qPrintable(property));
    QCOMPARE(show(objects.at(index).value(property)), expected);
}

namespace {
QStringList g_warnings;
void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtWarningMsg)
        g_warnings.append(text);
}
} // namespace

void TestLinuxSourcesSw::schemaTypes_data()
{
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("ns");
    QTest::addColumn<QString>("cls");
    const QString cimv2 = QStringLiteral("ROOT\\CIMV2");
    for (const char *tree : { "desktop", "vm", "tpm12" }) {
        for (const char *cls :
             { "Win32_SoundDevice", "Win32_NetworkAdapterConfiguration", "Win32_Keyboard",
               "Win32_Printer", "Win32_Service", "Win32_Process" })
            QTest::addRow("%s %s", tree, cls) << tree << cimv2 << cls;
        QTest::addRow("%s Win32_Tpm", tree) << tree << "ROOT\\CIMV2\\Security\\MicrosoftTpm"
                                            << "Win32_Tpm";
    }
}

// Through the COM-shaped facade: every value a source gives has the class's declared type.
void TestLinuxSourcesSw::schemaTypes()
{
    QFETCH(QString, tree);
    QFETCH(QString, ns);
    QFETCH(QString, cls);
    wmi::ScopedProvider use(std::make_shared<LinuxProvider>(SysRoot(fixtureTree(tree))));
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    QVERIFY(wmi::SUCCEEDED(wmi::CoInitializeEx(nullptr, wmi::COINIT_MULTITHREADED)));
    wmi::IWbemLocator *locator = nullptr;
    wmi::IWbemServices *services = nullptr;
    wmi::IEnumWbemClassObject *items = nullptr;
    QCOMPARE(wmi::CoCreateWbemLocator(&locator), wmi::S_OK);
    QCOMPARE(locator->ConnectServer(ns, QString(), QString(), QString(), 0, QString(), nullptr,
                                    &services),
             wmi::S_OK);
    QCOMPARE(services->ExecQuery(QStringLiteral("WQL"), QStringLiteral("SELECT * FROM ") + cls,
                                 wmi::WBEM_FLAG_FORWARD_ONLY | wmi::WBEM_FLAG_RETURN_IMMEDIATELY,
                                 nullptr, &items),
             wmi::S_OK);
    int count = 0;
    for (;;) {
        wmi::IWbemClassObject *object = nullptr;
        wmi::ULONG returned = 0;
        items->Next(wmi::WBEM_INFINITE, 1, &object, &returned);
        if (returned == 0)
            break;
        ++count;
        object->Release();
    }
    items->Release();
    services->Release();
    locator->Release();
    wmi::CoUninitialize();
    qInstallMessageHandler(previous);
    QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(QLatin1Char('\n'))));
    QCOMPARE(count, sourceOf(cls)(SysRoot(fixtureTree(tree))).size());
}

// The live machine's queues come from libcups (here the stand-in): an instance of a queue is
// no printer of its own, the default flag is the destination's own, and the list is released.
void TestLinuxSourcesSw::printersFromCups()
{
    void *cups = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    QVERIFY(cups);
    const auto *lists = static_cast<const int *>(::dlsym(cups, "vnFakeCupsLists"));
    const auto *freed = static_cast<const int *>(::dlsym(cups, "vnFakeCupsFreed"));
    if (!lists || !freed)
        QSKIP("the real libcups came first");
    const int before = *freed;
    const QVector<Object> printers = sources::printers(SysRoot());
    QCOMPARE(printers.size(), 2);
    QCOMPARE(printers.at(0).value(QStringLiteral("Caption")).bstrVal, QStringLiteral("Laser"));
    QVERIFY(!printers.at(0).value(QStringLiteral("Default")).boolVal);
    QCOMPARE(printers.at(0).value(QStringLiteral("DriverName")).bstrVal,
             QStringLiteral("Generic PCL Laser"));
    QCOMPARE(printers.at(0).value(QStringLiteral("Status")).bstrVal, QStringLiteral("Degraded"));
    QCOMPARE(printers.at(1).value(QStringLiteral("Caption")).bstrVal, QStringLiteral("Photo"));
    QVERIFY(printers.at(1).value(QStringLiteral("Default")).boolVal);
    QCOMPARE(int(printers.at(1).value(QStringLiteral("DriverName")).vt), int(wmi::VT_NULL));
    QCOMPARE(*freed, before + 1);
    ::dlclose(cups);
}

void TestLinuxSourcesSw::processOrderSkipsVanished()
{
    QStringList pids;
    for (const Object &o : sources::processes(SysRoot(fixtureTree("desktop"))))
        pids.append(show(o.value(QStringLiteral("ProcessId"))));
    // 4242 has a folder but no stat: it ended while the list was read.
    QCOMPARE(pids, QStringList({ "1", "2", "1234", "1300" }));
}

void TestLinuxSourcesSw::serviceNamesSkipTemplatesAndAliases()
{
    QStringList names;
    for (const Object &o : services::fromUnitFiles(SysRoot(fixtureTree("desktop"))))
        names.append(o.value(QStringLiteral("Name")).bstrVal);
    QVERIFY(!names.contains(QStringLiteral("getty@.service")));
    QVERIFY(!names.contains(QStringLiteral("getty@tty1.service")));
    QVERIFY(!names.contains(QStringLiteral("sshd.service")));
    QVERIFY(!names.contains(QStringLiteral("dbus-org.bluez.service")));
    QCOMPARE(names.count(QStringLiteral("cups.service")), 1);
}

void TestLinuxSourcesSw::tpmResponse_data()
{
    QTest::addColumn<QByteArray>("response");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("firmware");

    const auto build = [](quint32 rc, const QVector<QPair<quint32, quint32>> &pairs, int cut = 0) {
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
        0, { { 0x100, 0x322E3000 }, { 0x102, 159 }, { 0x10B, 0x00070002 }, { 0x10C, 0x00010000 } })
                          << true << "2.0, 0, 1.59"
                          << "7.2.1.0";
    QTest::newRow("revision 1.03") << build(0, { { 0x102, 103 } }) << true << "2.0, 0, 1.03"
                                   << "";
    QTest::newRow("error code") << build(0x101, { { 0x102, 159 } }) << false << ""
                                << "";
    QTest::newRow("truncated") << build(0, { { 0x102, 159 }, { 0x10B, 1 } }, 4) << false << ""
                               << "";
    QTest::newRow("empty") << QByteArray() << false << ""
                           << "";
}

void TestLinuxSourcesSw::tpmResponse()
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

void TestLinuxSourcesSw::tpmCommandBytes()
{
    // TPM2_GetCapability, no sessions: TPM_CAP_TPM_PROPERTIES from TPM_PT_FIXED, 64 properties.
    QCOMPARE(tpm::fixedPropertiesCommand().toHex(),
             QByteArray("8001000000160000017a000000060000010000000040"));
}

void TestLinuxSourcesSw::processPriority_data()
{
    // stat fields 18 (priority), 19 (nice) and 41 (policy; "" for a kernel that writes none)
    QTest::addColumn<QByteArray>("prio");
    QTest::addColumn<QByteArray>("nice");
    QTest::addColumn<QByteArray>("policy");
    QTest::addColumn<QString>("priority");
    const struct
    {
        const char *name, *prio, *nice, *policy, *priority;
    } rows[] = {
        { "nice -20 high", "0", "-20", "0", "13" },
        { "nice -15 high", "5", "-15", "0", "13" },
        { "nice -14 above", "6", "-14", "0", "10" },
        { "nice -5 above", "15", "-5", "0", "10" },
        { "nice -4 normal", "16", "-4", "0", "8" },
        { "nice 0 normal", "20", "0", "0", "8" },
        { "nice 4 normal", "24", "4", "3", "8" },
        { "nice 5 below", "25", "5", "0", "6" },
        { "nice 14 below", "34", "14", "5", "6" },
        { "nice 15 idle", "35", "15", "0", "4" },
        { "nice 19 idle", "39", "19", "5", "4" },
        { "fifo 99", "-100", "0", "1", "24" },
        { "round robin 1", "-2", "0", "2", "24" },
        { "deadline", "-101", "0", "6", "24" },
        { "real-time, no policy field", "-51", "0", "", "24" },
        { "nice out of range", "20", "40", "0", "NULL" },
        { "garbage", "x", "x", "0", "NULL" },
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << QByteArray(r.prio) << QByteArray(r.nice) << QByteArray(r.policy)
                              << QString::fromLatin1(r.priority);
}

// Linux scheduling on the 0-31 scale, as the Windows priority classes place it.
void TestLinuxSourcesSw::processPriority()
{
    QFETCH(QByteArray, prio);
    QFETCH(QByteArray, nice);
    QFETCH(QByteArray, policy);
    QFETCH(QString, priority);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("proc/77")));
    QFile stat(dir.path() + QStringLiteral("/proc/77/stat"));
    QVERIFY(stat.open(QIODevice::WriteOnly));
    // Fields 3-17, 18, 19, 20-40, 41.
    stat.write("77 (irq/9-acpi) S 2 0 0 0 -1 2129984 0 0 0 0 0 0 0 0 " + prio + ' ' + nice
               + " 1 0 30 0 0 18446744073709551615 0 0 0 0 0 0 0 2147483647 0 0 0 0 17 0 50 "
               + policy + "\n");
    stat.close();
    const QVector<wmi::Object> rows = plat::sources::processes(plat::SysRoot(dir.path()));
    QCOMPARE(rows.size(), 1); // listed without a status file
    QCOMPARE(show(rows.at(0).value(QStringLiteral("Priority"))), priority);
}

void TestLinuxSourcesSw::processNames_data()
{
    QTest::addColumn<QByteArray>("comm");
    QTest::addColumn<QByteArray>("cmdline");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    // The kernel names its threads in full; no cut to 15 characters.
    QTest::newRow("kernel thread")
        << QByteArray("kworker/R-rcu_gp") << QByteArray() << "kworker/R-rcu_gp"
        << "NULL";
    // Unreadable exe link: the command line names an existing program file.
    QTest::newRow("program from command line")
        << QByteArray("tool") << QByteArray("/usr/bin/tool\0-v") << "tool"
        << "/usr/bin/tool";
    QTest::newRow("command line naming no file")
        << QByteArray("sshd") << QByteArray("/sshd: alex\0") << "sshd: alex"
        << "NULL";
}

void TestLinuxSourcesSw::processNames()
{
    QFETCH(QByteArray, comm);
    QFETCH(QByteArray, cmdline);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("proc/9")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("usr/bin")));
    const auto write = [&dir](const QString &file, const QByteArray &data) {
        QFile f(dir.path() + file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    };
    write(QStringLiteral("/usr/bin/tool"), "");
    write(QStringLiteral("/proc/9/cmdline"), cmdline);
    // No status file: still listed, threads from stat.
    write(QStringLiteral("/proc/9/stat"),
          "9 (" + comm
              + ") S 2 0 0 0 -1 0 0 0 0 0 0 0 0 0 20 0 3 0 "
                "30 0 0\n");
    const QVector<wmi::Object> rows = plat::sources::processes(plat::SysRoot(dir.path()));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(show(rows.at(0).value(QStringLiteral("Name"))), name);
    QCOMPARE(show(rows.at(0).value(QStringLiteral("ExecutablePath"))), path);
    QCOMPARE(show(rows.at(0).value(QStringLiteral("ThreadCount"))), QStringLiteral("3"));
}

QTEST_GUILESS_MAIN(TestLinuxSourcesSw)
#include "tst_linuxsources_sw.moc"
