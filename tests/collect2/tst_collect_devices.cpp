// Optical, sound, network, peripheral, motherboard and TPM collectors on chosen WMI objects: rows,
// their order and value rules (frame, cancel flags and fixture machines: tests/collect).

#include "../collect/collectorlog.h"
#include "../collect/collectortesting.h"

#include "../collect/fakemachine.h"

#include <QtTest>

using namespace wmi;

namespace {

QVector<Field> opticalDrive(const QString &caption)
{
    return { { "Caption", bstr(caption), "# " + caption + "|Caption=" + caption },
             { "Availability", i4(3), "Availability=Running/Full Power" },
             { "Manufacturer", bstr("HL-DT-ST"), "Manufacturer=HL-DT-ST" },
             { "MediaLoaded", boolean(true), "Disk in the drive=True" },
             { "Description", bstr("CD-ROM Drive"), "Description=CD-ROM Drive" },
             { "DeviceID", bstr("SCSI\\CDROM\\1:0:0:0"), "Device ID=SCSI\\CDROM\\1:0:0:0" },
             { "Drive", bstr("/dev/sr0"), "Drive letter=/dev/sr0" },
             { "MediaType", bstr("DVD Writer"), "Media type=DVD Writer" },
             { "MfrAssignedRevisionLevel", bstr("1.00"), "Firmware revision level=1.00" },
             { "SCSILogicalUnit", i4(0), "SCSI logical unit number=0" },
             { "TransferRate", null(), "" }, // see optical()
             { "SCSIBus", i4(0), "SCSI bus=0" },
             { "SCSIPort", i4(1), "SCSI port=1" },
             { "Status", bstr("OK"), "Status=OK" } };
}

} // namespace

class TestCollectDevices : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakeMachine> m;

    // The rows of one object per class, in that order, with the end signals after them.
    void checkRows(Collector collector, const QVector<std::pair<QString, QVector<Field>>> &objects)
    {
        QStringList rows;
        for (const auto &object : objects) {
            m->fake->add(object.first, objectOf(object.second));
            rows += rowsOf(object.second);
        }
        Worker worker;
        CollectorLog log(&worker);
        QCOMPARE(runCollector(worker, collector), 0);
        QCOMPARE(log.rows(), rows);
        QCOMPARE(log.names().mid(rows.size()), QStringList({ "loadMainData", "finished" }));
    }

private slots:
    void init() { m = std::make_unique<FakeMachine>(); }
    void cleanup()
    {
        m.reset();
        qunsetenv("SystemRoot");
    }

    void optical_data()
    {
        QTest::addColumn<QVariant>("rate"); // a double, or nothing for a null value
        QTest::addColumn<QString>("text");
        QTest::newRow("8467.2") << QVariant(8467.2) << "8467.2 KB/s (8.27 MB/s)";
        QTest::newRow("no disc") << QVariant(-1.0) << "Disk is not in the drive";
        QTest::newRow("1024 exactly") << QVariant(1024.0) << "1024 KB/s (1.00 MB/s)";
        QTest::newRow("below 1024") << QVariant(700.5) << "700.5 KB/s";
        QTest::newRow("null") << QVariant() << "Unknown";
    }

    void optical()
    {
        QFETCH(QVariant, rate);
        QFETCH(QString, text);
        QVector<Field> drive = opticalDrive("DVD");
        drive[10] = { "TransferRate", rate.isValid() ? r8(rate.toDouble()) : null(),
                      "Transfer rate=" + text };
        checkRows(Collector::Optical, { { "Win32_CDROMDrive", drive } });
    }

    void soundRows()
    {
        checkRows(
            Collector::Sound,
            { { "Win32_SoundDevice",
                { { "Caption", bstr("  HDA Intel PCH  "), "# HDA Intel PCH|Caption=HDA Intel PCH" },
                  { "ConfigManagerErrorCode", i4(28),
                    "Config. manager error code=The drivers for this device are not installed" },
                  { "ConfigManagerUserConfig", boolean(false), "User configuration=False" },
                  { "DeviceID", bstr("PCI\\VEN_8086"), "Device ID=PCI\\VEN_8086" },
                  { "Manufacturer", null(), "Manufacturer=Unknown" },
                  { "PowerManagementSupported", boolean(true), "Power management supported=True" },
                  { "Status", bstr("Error"), "Status=Error" },
                  { "StatusInfo", i4(4), "Status info=Disabled" } } } });
    }

    void networkRows()
    {
        qputenv("SystemRoot", "C:\\Windows");
        const QString caption = "[00000004] Virtio network device";
        checkRows(
            Collector::Network,
            { { "Win32_NetworkAdapterConfiguration",
                { { "Caption", bstr(caption), "# " + caption + "|Caption=" + caption },
                  { "Description", bstr("Virtio"), "Description=Virtio" },
                  { "DHCPEnabled", boolean(false), "DHCP enabled=False" },
                  { "ServiceName", bstr("virtio_net"),
                    "Service name of the network adapter=virtio_net" },
                  { "IPEnabled", boolean(true), "TCP/IP enabled=True" },
                  { "SettingID", bstr("eth0"), "ID=eth0" },
                  { "InterfaceIndex", i4(4), "Interface index=4" },
                  { "DHCPServer", null(), "DHCP server=Unknown" },
                  { "MACAddress", bstr("02:FC:00:00:00:01"), "MAC address=02:FC:00:00:00:01" },
                  { "DNSHostName", bstr("vm"), "DNS hostname=vm" },
                  { "TcpNumConnections", null(), "TCP connections=Unknown" },
                  { "DatabasePath", bstr("%SystemRoot%\\etc"),
                    "Database path=C:\\Windows\\etc" } } } });
    }

    // Keyboards come before printers.
    void peripheralRows()
    {
        const QString usb = QStringLiteral("USB\\VID_046D&PID_C31C");
        checkRows(Collector::Peripheral,
                  { { "Win32_Keyboard",
                      { { "Caption", bstr("Keyboard A"), "# Keyboard A|Caption=Keyboard A" },
                        { "Description", bstr("Keyboard A"), "Description=Keyboard A" },
                        { "Status", bstr("OK"), "Status=OK" },
                        { "DeviceID", bstr(usb), "Device ID=" + usb },
                        { "Layout", bstr("us,ru"), "Layout=us,ru" } } },
                    { "Win32_Printer",
                      { { "Caption", bstr("Lab"), "# Lab|Caption=Lab" },
                        { "AveragePagesPerMinute", i4(12), "Average pages per minute=12" },
                        { "Default", boolean(true), "Default=True" },
                        { "DriverName", bstr("Generic PCL"), "Driver name=Generic PCL" },
                        { "PrintJobDataType", null(), "Data type=Unknown" },
                        { "PortName", bstr("ipp://printer.local/ipp"),
                          "Port name=ipp://printer.local/ipp" },
                        { "Status", bstr("OK"), "Printer status=OK" },
                        { "WorkOffline", boolean(false), "Work offline=False" },
                        { "PrintProcessor", null(), "Print processor=Unknown" } } } });
    }

    // On UEFI, Secure Boot counts as supported when its variable exists, whatever its value.
    // Legacy firmware: see the fixture machines' rows.
    void motherboard_data()
    {
        QTest::addColumn<QByteArray>("secureBoot"); // empty: no variable
        QTest::addColumn<QString>("support");
        QTest::newRow("Secure Boot off") << QByteArray(1, '\0') << "Supported";
        QTest::newRow("no variable") << QByteArray() << "Not supported";
    }

    void motherboard()
    {
        QFETCH(QByteArray, secureBoot);
        QFETCH(QString, support);
        m->platform.firmware->uefi = true;
        if (!secureBoot.isEmpty())
            m->platform.firmware->setVariable("SecureBoot",
                                              "{8be4df61-93ca-11d2-aa0d-00e098032b8c}", secureBoot);
        const QString maker = QStringLiteral("American Megatrends Inc.");
        checkRows(
            Collector::Motherboard,
            { { "Win32_BaseBoard",
                { { "Manufacturer", bstr("ASUSTeK COMPUTER INC."),
                    "Manufacturer=ASUSTeK COMPUTER INC." },
                  { "Product", bstr("PRIME B560M-A"), "Product=PRIME B560M-A" },
                  { "HostingBoard", boolean(true), "Hosting board=True" },
                  { "Status", bstr("OK"), "Status=OK" },
                  { "HotSwappable", boolean(false), "Hot swappable=False" },
                  { "PoweredOn", boolean(true), "Powered on=True" },
                  { "Removable", null(), "Removable=Unknown" },
                  { "RequiresDaughterBoard", boolean(false), "Requires daughter board=False" },
                  { "SerialNumber", null(), "Serial number=Unknown" },
                  { QString(), null(), "BIOS mode=UEFI" },
                  { QString(), null(), "Secure boot=" + support } } },
              { "Win32_BIOS",
                { { "Caption", bstr("1601"), "BIOS version=1601" },
                  { "CurrentLanguage", null(), "BIOS current language=Unknown" },
                  { "Status", bstr("OK"), "BIOS status=OK" },
                  { "Manufacturer", bstr(maker), "BIOS manufacturer=" + maker },
                  { "SerialNumber", bstr("   "), "BIOS serial number=Unknown" },
                  { "ReleaseDate", bstr("not a date"), "BIOS release date=Unknown" } } } });
    }

    void motherboardReleaseDate()
    {
        m->fake->add("Win32_BaseBoard", { { "Manufacturer", bstr("Maker") } });
        m->fake->add("Win32_BIOS", { { "ReleaseDate", bstr("20210305070409.000000+000") } });
        Worker worker;
        CollectorLog log(&worker);
        worker.appMotherboardWMIData();
        const QString row = log.rows().last();
        // The date is shown in local time, day first.
        QVERIFY2(
            row.contains(QRegularExpression("^BIOS release date=\\d\\d-03-2021 \\d\\d:\\d\\d:09$")),
            qPrintable(row));
    }

    void tpmRows()
    {
        const QVector<Field> fields {
            { "IsActivated_InitialValue", boolean(true), "Is activated=True" },
            { "SpecVersion", bstr("2.0, 0, 1.59"), "Specification version=2.0, 0, 1.59" },
            { "ManufacturerVersion", bstr("7.2.3.1"), "Manufacturer version=7.2.3.1" },
            { "IsEnabled_InitialValue", boolean(true), "Is enabled=True" },
        };
        m->fake->add("Win32_Tpm", objectOf(fields));
        m->fake->add("Win32_Tpm", { { "IsActivated_InitialValue", boolean(false) } }); // not shown
        Worker worker;
        CollectorLog log(&worker);
        worker.getTpmWMIData();
        QCOMPARE(log.rows(), rowsOf(fields));
        QCOMPARE(log.names().mid(4), QStringList({ "loadMainData", "finished" }));
        QCOMPARE(m->fake->liveObjects(), 0);
    }
};

QTEST_MAIN(TestCollectDevices)
#include "tst_collect_devices.moc"
