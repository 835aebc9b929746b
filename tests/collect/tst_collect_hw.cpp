// The OS, CPU, GPU, RAM and Storage collectors' rows for chosen WMI objects: order, formats,
// "Unknown" rules and the outside sources (CUDA, screen, installed memory).

#include "collectorlog.h"
#include "collectortesting.h"
#include "fakemachine.h"

#include "collect/worker.h"

#include <QtTest>

using namespace wmi;

Q_DECLARE_METATYPE(wmi::VARIANT)

namespace {

// The first "label=value" row of a label.
QString rowOf(const QStringList &rows, const QString &label)
{
    return rows.filter(QRegularExpression("^" + QRegularExpression::escape(label) + "=")).value(0);
}

} // namespace

class TestCollectHw : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakeMachine> m;

    // The "label=value" rows of one run of a collector on one object of a class.
    QStringList run(Collector collector, const QString &cls, const Object &object)
    {
        m->fake->add(cls, object);
        Worker worker;
        CollectorLog log(&worker);
        runCollector(worker, collector);
        return log.rows();
    }

private slots:
    void init()
    {
        m = std::make_unique<FakeMachine>();
        m->platform.memoryInfo->installed = 16777216;
    }
    void cleanup()
    {
        const auto fake = m->fake;
        m.reset();
        QCOMPARE(fake->liveObjects(), 0);
        QCOMPARE(fake->comDepth(), 0);
    }

    void osRows()
    {
        const QString boot = "20210305070409.000000+000";
        QDateTime bootTime;
        QVERIFY(wmiDateToLocal(boot, &bootTime));
        const QVector<Field> fields {
            { "Caption", bstr("  Debian GNU/Linux 12  "), "Name=Debian GNU/Linux 12" },
            { "BuildNumber", bstr("6.1.0"), "Build=6.1.0" },
            { "CSName", bstr("host"), "Computer name=host" },
            { "Name", bstr("Debian|/|/dev/sda1"), "Partition name=Debian|/|/dev/sda1" },
            { "OSArchitecture", bstr("64-bit"), "Architecture=64-bit" },
            { "SerialNumber", bstr("abc"), "Product ID=abc" },
            { "Status", bstr("OK"), "Status=OK" },
            { "Manufacturer", null(), "Manufacturer=Unknown" },
            { "SystemDrive", bstr("/"), "System drive=/" },
            { "SystemDirectory", bstr("/usr/bin"), "System directory=/usr/bin" },
            { "NumberOfProcesses", i4(139), "Number of processes=139" },
            { "RegisteredUser", bstr("   "), "Registered user=Unknown" },
            { "WindowsDirectory", bstr("/usr"), "Operating system directory=/usr" },
            { "Primary", boolean(true), "Primary=True" },
            { "LastBootUpTime", bstr(boot),
              "Last boot up time=" + Worker::formatWmiDateTime(bootTime) },
            { "Locale", bstr("0409"), "Locale=en-US (English - United States)" },
            { "InstallDate", null(), "Install date=Unknown" },
            { "BootDevice", bstr("/dev/sda1"), "Boot device=/dev/sda1" },
            { "CountryCode", bstr("1"), "Country code=1" },
            { "NumberOfUsers", i4(2), "Number of users=2" },
            { "SystemDevice", bstr("/dev/sda2"), "System device=/dev/sda2" },
            { "MaxProcessMemorySize", bstr("137438953344"),
              "Max process memory size=134217727 MB (131072 GB)" },
            { "EncryptionLevel", i4(256), "Encryption level=256-EncryptionBit" },
            { "BuildType", bstr("#1 SMP"), "Kernel type=#1 SMP" },
        };
        QCOMPARE(run(Collector::OS, "Win32_OperatingSystem", objectOf(fields)), rowsOf(fields));
    }

    void osAllNull()
    {
        const QStringList rows = run(Collector::OS, "Win32_OperatingSystem", {});
        QCOMPARE(rows.size(), 24);
        for (const QString &row : rows)
            QVERIFY2(row.endsWith("=Unknown"), qPrintable(row));
    }

    void cpuRows()
    {
        const QString name = "Intel(R) Xeon(R) Processor";
        const QVector<Field> fields {
            { "Name", bstr(name), "# " + name + "|Name=" + name },
            { "NumberOfLogicalProcessors", i4(8), "Number of logical processors=8" },
            { "MaxClockSpeed", i4(3600), "Max frequency=3600 MHz (3.60 GHz)" },
            { "SocketDesignation", null(), "Socket=Unknown" },
            { "Status", bstr("OK"), "Status=OK" },
            { "L2CacheSize", i4(16384), "L2 cache=16384 KB (16 MB)" },
            { "L3CacheSize", i4(491520), "L3 cache=491520 KB (480 MB)" },
            { "AddressWidth", i4(64), "Architecture=x64-based processor" },
            { "Manufacturer", bstr("GenuineIntel"), "Manufacturer=GenuineIntel" },
            { "CurrentClockSpeed", i4(2600), "Current frequency=2600 MHz (2.60 GHz)" },
            { "Description", bstr("Intel64 Family 6"), "Family=Intel64 Family 6" },
            { "NumberOfCores", i4(8), "Cores=8" },
            { "ThreadCount", i4(8), "Thread count=8" },
            { "Revision", i4(42753), "Revision=42753" },
            { "DeviceID", bstr("CPU0"), "Device ID=CPU0" },
            { "CurrentVoltage", i4(12), "Current voltage=12-volt" },
            { "Role", bstr("CPU"), "Role=CPU" },
            { "ProcessorType", i4(3), "Processor type=Central Processor" },
            { "LoadPercentage", i4(7), "Load=7%" },
            { "Level", i4(6), "Level=6" },
            { "PartNumber", null(), "Part number=Unknown" },
            { "Version", null(), "Version=Unknown" },
            { "CpuStatus", i4(1), "Current status=CPU Enabled" },
        };
        QCOMPARE(run(Collector::CPU, "Win32_Processor", objectOf(fields)), rowsOf(fields));
    }

    // One property of one object, and the row it gives.
    void values_data()
    {
        QTest::addColumn<Collector>("collector");
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("property");
        QTest::addColumn<VARIANT>("value");
        QTest::addColumn<QString>("expected");
        const QString os = "Win32_OperatingSystem";
        const Collector c = Collector::OS;
        QTest::newRow("locale not hex") << c << os << "Locale" << bstr("zz") << "Locale=Unknown";
        QTest::newRow("memory below 1 GB") << c << os << "MaxProcessMemorySize" << bstr("524288")
                                           << "Max process memory size=512 MB";
        QTest::newRow("memory rounded up GB")
            << c << os << "MaxProcessMemorySize" << bstr("1048577")
            << "Max process memory size=1024 MB (2 GB)";
        QTest::newRow("primary false") << c << os << "Primary" << boolean(false) << "Primary=False";
        QTest::newRow("bad date") << c << os << "InstallDate" << bstr("garbage")
                                  << "Install date=Unknown";
        QTest::newRow("empty text") << c << os << "Caption" << bstr("") << "Name=Unknown";
        // A value of the wrong type reads as missing.
        QTest::newRow("text for a number")
            << c << os << "NumberOfProcesses" << bstr("12") << "Number of processes=Unknown";
        QTest::newRow("number for a text") << c << os << "Caption" << i4(5) << "Name=Unknown";

        const QString cpu = "Win32_Processor";
        const Collector p = Collector::CPU;
        QTest::newRow("999 MHz") << p << cpu << "MaxClockSpeed" << i4(999)
                                 << "Max frequency=999 MHz";
        QTest::newRow("1000 MHz") << p << cpu << "MaxClockSpeed" << i4(1000)
                                  << "Max frequency=1000 MHz (1.00 GHz)";
        QTest::newRow("frequency null")
            << p << cpu << "CurrentClockSpeed" << null() << "Current frequency=Unknown";
        QTest::newRow("cache 1023") << p << cpu << "L2CacheSize" << i4(1023) << "L2 cache=1023 KB";
        QTest::newRow("cache 1024")
            << p << cpu << "L2CacheSize" << i4(1024) << "L2 cache=1024 KB (1 MB)";
        QTest::newRow("load null") << p << cpu << "LoadPercentage" << null() << "Load=Unknown";
        QTest::newRow("type 0") << p << cpu << "ProcessorType" << i4(0) << "Processor type=Unknown";
        QTest::newRow("width 32") << p << cpu << "AddressWidth" << i4(32)
                                  << "Architecture=x32-based processor";
        QTest::newRow("voltage null")
            << p << cpu << "CurrentVoltage" << null() << "Current voltage=Unknown";

        const QString gpu = "Win32_VideoController";
        const Collector g = Collector::GPU;
        QTest::newRow("architecture 2")
            << g << gpu << "VideoArchitecture" << i4(2) << "Video architecture=Unknown";
        QTest::newRow("bad driver date")
            << g << gpu << "DriverDate" << bstr("garbage") << "Driver install date=Unknown";
        QTest::newRow("refresh null")
            << g << gpu << "CurrentRefreshRate" << null() << "Monitor frequency=Unknown";

        const QString ram = "Win32_PhysicalMemory";
        const Collector r = Collector::RAM;
        QTest::newRow("1 GB") << r << ram << "Capacity" << bstr("1073741824")
                              << "Capacity=1024 MB (1 GB)";
        QTest::newRow("1.5 GB truncated")
            << r << ram << "Capacity" << bstr("1610612736") << "Capacity=1536 MB (1 GB)";
        QTest::newRow("not a number") << r << ram << "Capacity" << bstr("lots") << "Capacity=0 MB";

        const QString part = "Win32_DiskPartition";
        const Collector s = Collector::Storage;
        const QString offset = "Starting offset of the partition=";
        QTest::newRow("offset 31 KB")
            << s << part << "StartingOffset" << bstr("32256") << offset + "31 KB";
        QTest::newRow("offset 16000 MB") << s << part << "StartingOffset" << bstr("16777216000")
                                         << offset + "16384000 KB (16000 MB)";
    }

    void values()
    {
        QFETCH(Collector, collector);
        QFETCH(QString, cls);
        QFETCH(QString, property);
        QFETCH(VARIANT, value);
        QFETCH(QString, expected);
        m->fake->setSchemaCheck(false);
        const QStringList rows = run(collector, cls, { { property, value } });
        QCOMPARE(rowOf(rows, expected.section(QLatin1Char('='), 0, 0)), expected);
    }

    void gpuRows()
    {
        const QString date = "20230115000000.000000+000";
        QDateTime driverDate;
        QVERIFY(wmiDateToLocal(date, &driverDate));
        const QString pnp = "PCI\\VEN_1002&DEV_73BF\\0000:03:00.0";
        const QVector<Field> fields {
            { "Caption", bstr("Radeon"), "# Radeon|Name=Radeon" },
            { "AdapterRAM", i4(1073741824), "Memory=1024 MB (1 GB)" },
            { "DriverVersion", bstr("6.1.0"), "Driver version=6.1.0" },
            { "DriverDate", bstr(date),
              "Driver install date=" + Worker::formatWmiDate(driverDate) },
            { QString(), null(), "Resolution=1920 x 1080 pixels" },
            { "CurrentBitsPerPixel", i4(32), "Monitor BPP=32 bits" },
            { "AdapterCompatibility", bstr("AMD"), "Manufacturer=AMD" },
            { "AdapterDACType", null(), "DAC type=Unknown" },
            { "Status", bstr("OK"), "Status=OK" },
            { "CurrentRefreshRate", i4(60), "Monitor frequency=60 Hz" },
            { QString(), null(), "Monitor width=1920 pixels" },
            { QString(), null(), "Monitor height=1080 pixels" },
            { "MaxRefreshRate", i4(144), "Max refresh rate=144 Hz" },
            { "MinRefreshRate", i4(48), "Min refresh rate=48 Hz" },
            { "PNPDeviceID", bstr(pnp), "PNP Device ID=" + pnp },
            { "InstalledDisplayDrivers", bstr("amdgpu"), "Display drivers=amdgpu" },
            { "VideoArchitecture", i4(5), "Video architecture=VGA" },
        };
        QCOMPARE(run(Collector::GPU, "Win32_VideoController", objectOf(fields)), rowsOf(fields));
    }

    // AdapterRAM as an unsigned count, or for an NVIDIA adapter the size of its CUDA device: the
    // one at its own address, whatever the devices' order; one without a device does not reuse
    // the size found before it.
    void gpuMemory_data()
    {
        QTest::addColumn<QStringList>("adapters"); // vendor|AdapterRAM (empty: null)|PCI address
        QTest::addColumn<QStringList>("devices"); // CUDA device: bytes@PCI address
        QTest::addColumn<QStringList>("expected");
        using L = QStringList;
        const L cuda8 { "8589934592@0000:01:00.0" };
        QTest::newRow("unsigned") << L { "Intel Corporation|4293918720|" } << L()
                                  << L { "4095 MB (4 GB)" };
        QTest::newRow("fraction") << L { "Intel Corporation|1572864|" } << L() << L { "1.5 MB" };
        QTest::newRow("null") << L { "Intel Corporation||" } << L() << L { "Unknown" };
        QTest::newRow("NVIDIA CUDA")
            << L { "NVIDIA|1073741824|" } << cuda8 << L { "8192 MB (8 GB)" };
        QTest::newRow("NVIDIA rounds up")
            << L { "NVIDIA||" } << L { "8589934593@0000:01:00.0" } << L { "8193 MB (9 GB)" };
        QTest::newRow("NVIDIA without CUDA") << L { "NVIDIA|536870912|" } << L() << L { "512 MB" };
        QTest::newRow("Nvidia is another vendor")
            << L { "Nvidia|536870912|" } << cuda8 << L { "512 MB" };
        const L two { "NVIDIA|536870912|0000:01:00.0", "NVIDIA|536870912|0000:02:00.0" };
        QTest::newRow("second has no size")
            << two << (cuda8 + L { "0@0000:02:00.0" }) << L { "8192 MB (8 GB)", "512 MB" };
        QTest::newRow("devices in another order")
            << two << (L { "25769803776@0000:02:00.0" } + cuda8)
            << L { "8192 MB (8 GB)", "24576 MB (24 GB)" };
    }

    void gpuMemory()
    {
        QFETCH(QStringList, adapters);
        QFETCH(QStringList, devices);
        QFETCH(QStringList, expected);
        for (const QString &d : devices)
            m->platform.cuda->devices.push_back(
                { d.section('@', 0, 0).toULongLong(), d.section('@', 1) });
        for (const QString &a : adapters) {
            const QString ram = a.section('|', 1, 1);
            Object adapter { { "AdapterCompatibility", bstr(a.section('|', 0, 0)) },
                             { "AdapterRAM", ram.isEmpty() ? null() : i4(qint32(ram.toUInt())) } };
            if (!a.section('|', 2).isEmpty())
                adapter.insert("PNPDeviceID", bstr("PCI\\VEN_10DE&DEV_2684\\" + a.section('|', 2)));
            m->fake->add("Win32_VideoController", adapter);
        }
        Worker worker;
        CollectorLog log(&worker);
        worker.appGPUWMIData();
        QCOMPARE(log.rows().filter(QRegularExpression("^Memory=")).replaceInStrings("Memory=", ""),
                 expected);
    }

    void gpuUnknownScreen()
    {
        m->platform.screenInfo->screenSize = QSize();
        const QStringList rows = run(Collector::GPU, "Win32_VideoController", {});
        for (const QString label : { "Resolution", "Monitor width", "Monitor height" })
            QCOMPARE(rowOf(rows, label), label + "=Unknown");
    }

    void ramTotals_data()
    {
        QTest::addColumn<bool>("arrayObject");
        QTest::addColumn<VARIANT>("memoryDevices");
        QTest::addColumn<QVariant>("installedKb");
        QTest::addColumn<QVariant>("totalPhysBytes");
        QTest::addColumn<QStringList>("expected");
        const QVariant none;
        QTest::newRow("slots and installed")
            << true << i4(4) << QVariant(quint64(16777216)) << none
            << QStringList { "Slots=4", "Total capacity=16384 MB (16 GB)" };
        QTest::newRow("below 1 GB") << true << null() << QVariant(quint64(1048575)) << none
                                    << QStringList { "Total capacity=1023 MB" };
        QTest::newRow("fractional GB") << true << null() << QVariant(quint64(1572864)) << none
                                       << QStringList { "Total capacity=1536 MB (1.5 GB)" };
        QTest::newRow("status fallback")
            << true << null() << none << QVariant(quint64(24682404) * 1024)
            << QStringList { "Total capacity=24103 MB (24 GB)" };
        QTest::newRow("nothing known") << true << null() << none << none
                                       << QStringList { "Total capacity=Unknown RAM capacity" };
        QTest::newRow("no array object")
            << false << null() << QVariant(quint64(16777216)) << none << QStringList();
    }

    void ramTotals()
    {
        QFETCH(bool, arrayObject);
        QFETCH(VARIANT, memoryDevices);
        QFETCH(QVariant, installedKb);
        QFETCH(QVariant, totalPhysBytes);
        QFETCH(QStringList, expected);
        m->platform.memoryInfo->installed.reset();
        if (installedKb.isValid())
            m->platform.memoryInfo->installed = installedKb.toULongLong();
        if (totalPhysBytes.isValid())
            m->platform.memoryInfo->totalPhys = totalPhysBytes.toULongLong();
        if (arrayObject)
            m->fake->add("Win32_PhysicalMemoryArray", { { "MemoryDevices", memoryDevices } });
        m->fake->add("Win32_PhysicalMemory", { { "Manufacturer", bstr("Maker") } });
        Worker worker;
        CollectorLog log(&worker);
        worker.appRAMWMIData();
        QStringList totals;
        for (const HardwareData &d : log.records("ramTotalData")) {
            QVERIFY(d.heading.isEmpty() && d.label.isEmpty() && d.value.isEmpty());
            totals << d.secondaryLabel + "=" + d.secondaryValue;
        }
        QCOMPARE(totals, expected);
        // The modules follow the totals in any case.
        QCOMPARE(log.names().at(expected.size()), QString("hardwareMainData"));
        QCOMPARE(log.count("hardwareData"), 11);
    }

    void ramModules()
    {
        m->fake->add("Win32_PhysicalMemoryArray", { { "MemoryDevices", i4(2) } });
        const QVector<Field> first {
            { "Manufacturer", bstr("Samsung"), "# Slot #1 Samsung|Manufacturer=Samsung" },
            { "Speed", i4(3200), "Frequency=3200 MHz" },
            { "Capacity", bstr("8589934592"), "Capacity=8192 MB (8 GB)" },
            { "DeviceLocator", bstr("DIMM A1"), "Type=DIMM A1" },
            { "SerialNumber", bstr("1234"), "Device ID=1234" },
            { "PartNumber", bstr("M378"), "Part number=M378" },
            { "FormFactor", i4(8), "Form factor=DIMM" },
            { "DataWidth", i4(64), "Data width=64 bits" },
            { "MemoryType", i4(26), "Memory type=DDR4" },
            { "TypeDetail", i4(128), "Represented type of physical memory=Synchronous" },
            { "BankLabel", bstr("BANK 0"), "Memory location=BANK 0" },
            { "Tag", bstr("Physical Memory 0"), "Tag=Physical Memory 0" },
        };
        const QVector<Field> second {
            { "Manufacturer", null(), "# Slot #2|Manufacturer=Unknown" },
            { QString(), null(), "Frequency=Unknown" },
            { "Capacity", bstr("536870912"), "Capacity=512 MB" },
            { QString(), null(), "Type=Unknown" },
            { QString(), null(), "Device ID=Unknown" },
            { QString(), null(), "Part number=Unknown" },
            { "FormFactor", i4(24), "Form factor=Unknown" },
            { QString(), null(), "Data width=Unknown" },
            { "MemoryType", i4(23), "Memory type=Unknown" },
            { "TypeDetail", i4(136), "Represented type of physical memory=136" },
            { QString(), null(), "Memory location=Unknown" },
            { QString(), null(), "Tag=Unknown" },
        };
        m->fake->add("Win32_PhysicalMemory", objectOf(first));
        m->fake->add("Win32_PhysicalMemory", objectOf(second));
        Worker worker;
        CollectorLog log(&worker);
        worker.appRAMWMIData();
        QCOMPARE(log.rows(),
                 QStringList({ "Slots=2", "Total capacity=16384 MB (16 GB)" }) + rowsOf(first)
                     + rowsOf(second));
        QCOMPARE(log.names().mid(26), (QStringList { "loadMainData", "finished" }));
    }

    void storageTwoDrives()
    {
        QStringList driveRows;
        for (int i = 0; i < 2; ++i) {
            const QString name = QString("Disk %1").arg(i);
            const QString device = QString("/dev/sd%1").arg(QChar('a' + i));
            const QVector<Field> drive {
                { "Caption", bstr(name), "# " + name + "|Name=" + name },
                { "BytesPerSector", i4(512), "Bytes Per Sector=512 bytes" },
                { "Description", bstr("Disk drive"), "Description=Disk drive" },
                { "DeviceID", bstr(device), "Device ID=" + device },
                { "FirmwareRevision", null(), "Firmware Revision=Unknown" },
                { "Index", i4(i), QString("Index=%1").arg(i) },
                { "InterfaceType", bstr("IDE"), "Interface Type=IDE" },
                { "Manufacturer", bstr("ATA"), "Manufacturer=ATA" },
                { "Partitions", i4(1), "Partitions=1" },
                { "Size", bstr("500107862016"), "Size=476940 MB (465 GB)" },
                { "SerialNumber", bstr(" S1 "), "Serial Number=S1" },
            };
            m->fake->add("Win32_DiskDrive", objectOf(drive));
            driveRows += rowsOf(drive);
        }
        const QString name = "Disk #0, Partition #0";
        const QVector<Field> partition {
            { "Caption", bstr(name), "# " + name + "|Name=" + name },
            { "BlockSize", bstr("512"), "Block size=512 bytes" },
            { "PrimaryPartition", boolean(true), "Primary partition=True" },
            { "Size", bstr("1073741823"), "Size=1023 MB" },
            { "DiskIndex", i4(0), "Disk index=0" },
            { "Type", bstr("GPT: Basic Data"), "Type=GPT: Basic Data" },
            { "NumberOfBlocks", bstr("2097151"), "Number of blocks=2097151" },
            { "StartingOffset", bstr("1048576"),
              "Starting offset of the partition=1024 KB (1 MB)" },
            { "Bootable", boolean(false), "Bootable=False" },
        };
        m->fake->add("Win32_DiskPartition", objectOf(partition));
        Worker worker;
        CollectorLog log(&worker);
        QCOMPARE(worker.appStorageWMIData(), 0);

        QCOMPARE(log.names(),
                 signalNames("hardwareMainData hardwareData*10 smartDriveInfo hardwareMainData "
                             "hardwareData*10 smartDriveInfo smartDriveDetectionCompleted "
                             "storageTotalDrivesData storageCollectingPartitionData "
                             "storageMainPartitionData storagePartitionData*8 "
                             "storageTotalPartitionsData loadMainData finished"));
        const QStringList rows = log.rows();
        QCOMPARE(rows.mid(0, 22), driveRows);
        QCOMPARE(rows.mid(22), rowsOf(partition));
        const SmartStorage second
            = log.all("smartDriveInfo").at(1).args.at(0).value<SmartStorage>();
        QCOMPARE(second.caption + " #" + second.driveIndex, QString("Disk 1 #1"));
    }

    void driveWithoutCaptionOrIndex()
    {
        m->fake->add("Win32_DiskDrive", { { "Caption", null() }, { "Index", i4(3) } });
        m->fake->add("Win32_DiskDrive", { { "Caption", bstr("No index") }, { "Index", null() } });
        Worker worker;
        CollectorLog log(&worker);
        worker.appStorageWMIData();
        QCOMPARE(log.records("hardwareMainData").at(0).heading, QString("Unknown"));
        QCOMPARE(log.records("hardwareMainData").at(1).heading, QString("No index"));
        // Only the drive with an index is offered for S.M.A.R.T.; both are counted.
        const QVector<CollectorLog::Entry> smart = log.all("smartDriveInfo");
        QCOMPARE(smart.size(), 1);
        const SmartStorage drive = smart.at(0).args.at(0).value<SmartStorage>();
        QCOMPARE(drive.caption + " #" + drive.driveIndex, QString("Unknown #3"));
        QCOMPARE(log.all("storageTotalDrivesData").at(0).args.at(0).toString(), QString("2"));
    }
};

QTEST_GUILESS_MAIN(TestCollectHw)
#include "tst_collect_hw.moc"
