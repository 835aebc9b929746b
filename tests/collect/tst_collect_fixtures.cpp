// The collectors on the fixture machines, through the real Linux sources of the platform layer.

#include "collectorchecks.h"
#include "fixturetree.h"

#include "collect/worker.h"
#include "platform/fakes/fakeplatform.h"
#include "platform/linuxprovider.h"
#include "platform/platform.h"

#include <QDir>
#include <QtTest>

class TestCollectFixtures : public QObject
{
    Q_OBJECT

    std::unique_ptr<wmi::ScopedProvider> m_provider;
    std::unique_ptr<plat::ScopedPlatform> m_platform;

    bool use(const QString &machine)
    {
        const QString root = fixtureTree(machine);
        if (!QDir(root).exists())
            return false;
        const plat::SysRoot sysRoot(root);
        m_provider
            = std::make_unique<wmi::ScopedProvider>(std::make_shared<plat::LinuxProvider>(sysRoot));
        m_platform = std::make_unique<plat::ScopedPlatform>(plat::makeLinuxPlatform(sysRoot));
        return true;
    }

private slots:
    void initTestCase() { registerRecordTypes(); }
    void cleanup()
    {
        m_platform.reset();
        m_provider.reset();
    }

    void shape_data()
    {
        QTest::addColumn<QString>("machine");
        QTest::addColumn<Collector>("collector");
        for (const char *machine : { "desktop", "vm" }) {
            for (Collector c : { Collector::OS, Collector::CPU, Collector::GPU, Collector::RAM,
                                 Collector::Storage })
                QTest::addRow("%s %s", machine, qPrintable(collectorName(c))) << machine << c;
        }
        for (const char *machine : { "arm64", "armv7", "ppc64", "s390x", "laptop" })
            QTest::addRow("%s CPU", machine) << machine << Collector::CPU;
    }

    void shape()
    {
        QFETCH(QString, machine);
        QFETCH(Collector, collector);
        if (!use(machine))
            QSKIP("fixture machine not present");
        Worker worker;
        SignalLog log(&worker);
        QCOMPARE(runCollector(worker, collector), 0);
        QCOMPARE(CollectorChecks::shapeProblem(log, collector), QString());
        // Always one operating-system object, so the Main page's OS line has its rows.
        if (collector == Collector::OS)
            QCOMPARE(log.count("hardwareData"), 24);
        // Always one memory array, so "Total capacity" is always there.
        if (collector == Collector::RAM)
            QCOMPARE(log.records("ramTotalData").last().secondaryLabel, QString("Total capacity"));
    }

    void rows_data()
    {
        QTest::addColumn<QString>("machine");
        QTest::addColumn<Collector>("collector");
        QTest::addColumn<QStringList>("expected"); // rows that must appear, in this order
        QTest::newRow("desktop OS")
            << "desktop" << Collector::OS
            << QStringList { "Name=Ubuntu 24.04.1 LTS", "Locale=en-US (English - United States)",
                             "Max process memory size=16384 MB (16 GB)" };
        QTest::newRow("desktop CPU")
            << "desktop" << Collector::CPU
            << QStringList {
                   "# AMD Ryzen 7 5800X 8-Core Processor|Name=AMD Ryzen 7 5800X 8-Core Processor",
                   "Max frequency=4850 MHz (4.85 GHz)",
                   "L3 cache=32768 KB (32 MB)",
                   "Architecture=x64-based processor",
                   "Current voltage=12-volt",
                   "Processor type=Central Processor",
                   "Current status=CPU Enabled"
               };
        QTest::newRow("desktop GPU")
            << "desktop" << Collector::GPU
            << QStringList { "Manufacturer=Intel Corporation", "Manufacturer=NVIDIA",
                             "Memory=4096 MB (4 GB)", "Video architecture=VGA" };
        QTest::newRow("desktop RAM")
            << "desktop" << Collector::RAM
            << QStringList { "Slots=4", "Total capacity=49152 MB (48 GB)",
                             "# Slot #1 Kingston|Manufacturer=Kingston",
                             "Capacity=16384 MB (16 GB)",
                             "# Slot #2 G Skill Intl|Manufacturer=G Skill Intl" };
        QTest::newRow("desktop Storage")
            << "desktop" << Collector::Storage
            << QStringList { "Device ID=/dev/nvme0n1",
                             "Size=953869 MB (931 GB)",
                             "Device ID=/dev/sda",
                             "Interface Type=USB",
                             "# Disk #0, Partition #0|Name=Disk #0, Partition #0",
                             "Starting offset of the partition=1024 KB (1 MB)" };
        QTest::newRow("vm OS") << "vm" << Collector::OS
                               << QStringList {
                                      "Name=Debian GNU/Linux 12 (bookworm)",
                                      "Max process memory size=134217727 MB (131072 GB)"
                                  };
        QTest::newRow("vm CPU")
            << "vm" << Collector::CPU
            << QStringList { "# Intel(R) Xeon(R) Processor|Name=Intel(R) Xeon(R) Processor",
                             "L3 cache=491520 KB (480 MB)", "Revision=42753" };
        // Other architectures: what no source gives reads "Unknown", never a stand-in figure.
        QTest::newRow("arm64 CPU") << "arm64" << Collector::CPU
                                   << QStringList { "# ARM Cortex-A72|Name=ARM Cortex-A72",
                                                    "Max frequency=1800 MHz (1.80 GHz)",
                                                    "L3 cache=Unknown", "Load=Unknown" };
        QTest::newRow("ppc64 CPU")
            << "ppc64" << Collector::CPU
            << QStringList { "Max frequency=Unknown", "L2 cache=Unknown", "Manufacturer=Unknown",
                             "Current frequency=2750 MHz (2.75 GHz)" };
        QTest::newRow("s390x CPU")
            << "s390x" << Collector::CPU
            << QStringList { "# IBM/S390 8561|Name=IBM/S390 8561", "L2 cache=262144 KB (256 MB)" };
        QTest::newRow("laptop CPU") << "laptop" << Collector::CPU
                                    << QStringList { "Max frequency=4700 MHz (4.70 GHz)",
                                                     "Architecture=x64-based processor",
                                                     "Current frequency=1398 MHz (1.40 GHz)" };
        QTest::newRow("laptop GPU")
            << "laptop" << Collector::GPU << QStringList { "Memory=Unknown" };
        QTest::newRow("vm Storage")
            << "vm" << Collector::Storage
            << QStringList { "Device ID=/dev/vda", "Size=262144 MB (256 GB)" };
        // Devices, firmware and TPM; "@name" is a signal that must be there.
        QTest::newRow("CD drive with and without a disc")
            << "desktop" << Collector::Optical
            << QStringList({ "# HL-DT-ST DVDRAM GH24NSD1|Caption=HL-DT-ST DVDRAM GH24NSD1",
                             "Disk in the drive=True", "Media type=DVD Writer",
                             "Transfer rate=8467.2 KB/s (8.27 MB/s)",
                             "# ASUS SDRW-08D2S-U|Caption=ASUS SDRW-08D2S-U",
                             "Disk in the drive=False", "Drive letter=/dev/sr1",
                             "Transfer rate=Disk is not in the drive" });
        QTest::newRow("no optical drive")
            << "vm" << Collector::Optical << QStringList { "@hardwareDataNotAvailable" };
        QTest::newRow("CUPS printers")
            << "desktop" << Collector::Peripheral
            << QStringList({ "# Logitech USB Keyboard|Caption=Logitech USB Keyboard",
                             "Layout=us,ru", "# Office_Laser|Caption=Office_Laser", "Default=True",
                             "Driver name=HP LaserJet 4250 Postscript (recommended)",
                             "Port name=socket://192.0.2.10:9100", "Printer status=OK",
                             "Work offline=False", "# Label_Writer|Caption=Label_Writer",
                             "Default=False", "Printer status=Error", "Work offline=True",
                             "# Paused_Queue|Caption=Paused_Queue", "Printer status=Degraded" });
        QTest::newRow("no peripherals") << "vm" << Collector::Peripheral << QStringList();
        QTest::newRow("TPM 2.0") << "desktop" << Collector::Tpm
                                 << QStringList({ "Is activated=True", "Specification version=2.0",
                                                  "Manufacturer version=Unknown",
                                                  "Is enabled=True" });
        QTest::newRow("TPM 1.2") << "tpm12" << Collector::Tpm
                                 << QStringList({ "Is activated=False", "Specification version=1.2",
                                                  "Manufacturer version=6.40", "Is enabled=True" });
        QTest::newRow("no TPM") << "vm" << Collector::Tpm << QStringList { "@noTPMAvailable" };
        QTest::newRow("UEFI board")
            << "desktop" << Collector::Motherboard
            << QStringList({ "Manufacturer=ASUSTeK COMPUTER INC.",
                             "Product=ROG STRIX B550-F GAMING", "Serial number=210587212400123",
                             "BIOS mode=UEFI", "Secure boot=Supported", "BIOS version=4201",
                             "BIOS manufacturer=American Megatrends Inc." });
        QTest::newRow("board without DMI")
            << "vm" << Collector::Motherboard
            << QStringList({ "Manufacturer=Unknown", "Product=Unknown", "Hosting board=Unknown",
                             "Status=Unknown", "Hot swappable=Unknown", "Powered on=Unknown",
                             "Removable=Unknown", "Requires daughter board=Unknown",
                             "Serial number=Unknown", "BIOS mode=Legacy",
                             "Secure boot=Not supported", "BIOS version=Unknown",
                             "BIOS current language=Unknown", "BIOS status=Unknown",
                             "BIOS manufacturer=Unknown", "BIOS serial number=Unknown",
                             "BIOS release date=Unknown" });
        QTest::newRow("sound card and a device without driver")
            << "desktop" << Collector::Sound
            << QStringList({ "# HDA Intel PCH at 0xa1230000 irq 145|Caption=HDA Intel PCH at "
                             "0xa1230000 irq 145",
                             "Config. manager error code=This device is working properly",
                             "Status info=Enabled",
                             "Config. manager error code=The drivers for this device are not "
                             "installed",
                             "Status=Error", "Status info=Disabled" });
        QTest::newRow("virtio network")
            << "vm" << Collector::Network
            << QStringList({ "# [00000004] Virtio 1.0 network device|Caption=[00000004] Virtio "
                             "1.0 network device",
                             "Service name of the network adapter=virtio_net", "ID=eth0",
                             "Interface index=4", "MAC address=02:FC:00:00:00:01",
                             "Database path=/etc", "# [00000002] ifb0|Caption=[00000002] ifb0" });
    }

    void rows()
    {
        QFETCH(QString, machine);
        QFETCH(Collector, collector);
        QFETCH(QStringList, expected);
        if (!use(machine))
            QSKIP("fixture machine not present");
        Worker worker;
        SignalLog log(&worker);
        QCOMPARE(runCollector(worker, collector), 0);
        QCOMPARE(log.names().last(), QString("finished"));
        const QStringList rows = log.rows();
        int from = 0;
        for (const QString &row : expected) {
            if (row.startsWith(QLatin1Char('@'))) {
                QVERIFY2(log.contains(row.mid(1)), qPrintable(row));
                continue;
            }
            const int at = rows.indexOf(row, from);
            if (at < 0)
                QFAIL(qPrintable(QStringLiteral("missing or out of order: ") + row));
            from = at + 1;
        }
        if (expected.filter(QRegularExpression("^[^@]")).isEmpty())
            QVERIFY(rows.isEmpty());
    }

    void storageOffersEveryDriveForSmart()
    {
        if (!use("desktop"))
            QSKIP("fixture machine not present");
        Worker worker;
        SignalLog log(&worker);
        worker.appStorageWMIData();
        QStringList offered;
        for (const SignalLog::Entry &e : log.all("smartDriveInfo"))
            offered << e.args.at(0).value<SmartStorage>().driveIndex;
        QCOMPARE(offered, (QStringList { "0", "1", "2" }));
        QCOMPARE(log.all("storageTotalDrivesData").at(0).args.at(0).toString(), QString("3"));
    }

    void nvidiaAdapterTakesItsCudaDevice()
    {
        if (!use("desktop"))
            QSKIP("fixture machine not present");
        // The real sources with a compute runtime that knows two devices; the adapter at
        // 0000:01:00.0 must take the memory of the device at that address.
        auto cuda = std::make_shared<plat::FakeCuda>();
        cuda->devices = { { 25769803776ull, "0000:01:00.0" }, { 8589934592ull, "0000:02:00.0" } };
        auto platform = std::make_shared<plat::Platform>(*plat::platform());
        platform->cuda = cuda;
        plat::ScopedPlatform useCuda(platform);
        Worker worker;
        SignalLog log(&worker);
        worker.appGPUWMIData();
        const QStringList rows = log.rows();
        const int nvidia = rows.indexOf("Manufacturer=NVIDIA");
        QVERIFY(nvidia > 0);
        const int heading = rows.lastIndexOf(QRegularExpression("^# .*"), nvidia);
        QCOMPARE(rows.value(heading + 1), QString("Memory=24576 MB (24 GB)"));
    }
};

QTEST_GUILESS_MAIN(TestCollectFixtures)
#include "tst_collect_fixtures.moc"
