// What the OS, CPU, GPU, RAM and Storage collectors emit for chosen WMI objects: row order and
// count, unit and number formats, the "Unknown" rules and the outside sources (CUDA, screen,
// installed memory).

#include "signallog.h"

#include "collect/worker.h"
#include "platform/fakes/fakeplatform.h"
#include "platform/fakes/fakeprovider.h"
#include "platform/fakes/fakesmartio.h"

#include <QtTest>

using namespace wmi;

Q_DECLARE_METATYPE(wmi::VARIANT)

namespace {

QStringList labelsOf(const QVector<HardwareData> &rows)
{
    QStringList out;
    for (const HardwareData &d : rows)
        out << d.label;
    return out;
}

QStringList valuesOf(const QVector<HardwareData> &rows)
{
    QStringList out;
    for (const HardwareData &d : rows)
        out << d.value;
    return out;
}

// The value of the first row with a label.
QString valueOf(const QVector<HardwareData> &rows, const QString &label)
{
    for (const HardwareData &d : rows) {
        if (d.label == label)
            return d.value;
    }
    return QStringLiteral("<no row %1>").arg(label);
}

QString localText(const QString &cim)
{
    QDateTime t;
    if (!wmiDateToLocal(cim, &t))
        return QString();
    return Worker::formatWmiDateTime(t);
}

} // namespace

class TestCollectHw : public QObject
{
    Q_OBJECT

    std::shared_ptr<FakeProvider> m_fake;
    std::unique_ptr<ScopedProvider> m_useFake;
    plat::FakePlatform m_platform;
    std::unique_ptr<plat::ScopedPlatform> m_usePlatform;

    QVector<HardwareData> runOS(const Object &os)
    {
        m_fake->add("Win32_OperatingSystem", os);
        Worker worker;
        SignalLog log(&worker);
        worker.appOSWMIData();
        return log.records("hardwareData");
    }

    QVector<HardwareData> runCPU(const Object &cpu)
    {
        m_fake->add("Win32_Processor", cpu);
        Worker worker;
        SignalLog log(&worker);
        worker.appCPUWMIData();
        return log.records("hardwareData");
    }

private slots:
    void init()
    {
        m_fake = std::make_shared<FakeProvider>();
        m_useFake = std::make_unique<ScopedProvider>(m_fake);
        m_platform = plat::FakePlatform();
        m_platform.memoryInfo->installed = 16777216;
        m_usePlatform = std::make_unique<plat::ScopedPlatform>(m_platform.platform());
    }
    void cleanup()
    {
        m_usePlatform.reset();
        m_useFake.reset();
        QCOMPARE(m_fake->liveObjects(), 0);
        QCOMPARE(m_fake->comDepth(), 0);
        m_fake.reset();
    }

    // --- OS --------------------------------------------------------------------------------

    void osRows()
    {
        const QString boot = "20210305070409.000000+000";
        const QVector<HardwareData> rows = runOS({
            { "Caption", bstr("  Debian GNU/Linux 12  ") },
            { "BuildNumber", bstr("6.1.0") },
            { "CSName", bstr("host") },
            { "Name", bstr("Debian|/|/dev/sda1") },
            { "OSArchitecture", bstr("64-bit") },
            { "SerialNumber", bstr("abc") },
            { "Status", bstr("OK") },
            { "Manufacturer", null() },
            { "SystemDrive", bstr("/") },
            { "SystemDirectory", bstr("/usr/bin") },
            { "NumberOfProcesses", i4(139) },
            { "RegisteredUser", bstr("   ") },
            { "WindowsDirectory", bstr("/usr") },
            { "Primary", boolean(true) },
            { "LastBootUpTime", bstr(boot) },
            { "Locale", bstr("0409") },
            { "InstallDate", null() },
            { "BootDevice", bstr("/dev/sda1") },
            { "CountryCode", bstr("1") },
            { "NumberOfUsers", i4(2) },
            { "SystemDevice", bstr("/dev/sda2") },
            { "MaxProcessMemorySize", bstr("137438953344") },
            { "EncryptionLevel", i4(256) },
            { "BuildType", bstr("#1 SMP") },
        });
        QCOMPARE(labelsOf(rows),
                 (QStringList { "Name",
                                "Build",
                                "Computer name",
                                "Partition name",
                                "Architecture",
                                "Product ID",
                                "Status",
                                "Manufacturer",
                                "System drive",
                                "System directory",
                                "Number of processes",
                                "Registered user",
                                "Windows directory",
                                "Primary",
                                "Last boot up time",
                                "Locale",
                                "Install date",
                                "Boot device",
                                "Country code",
                                "Number of users",
                                "System device",
                                "Max process memory size",
                                "Encryption level",
                                "Kernel type" }));
        QCOMPARE(valuesOf(rows),
                 (QStringList { "Debian GNU/Linux 12",
                                "6.1.0",
                                "host",
                                "Debian|/|/dev/sda1",
                                "64-bit",
                                "abc",
                                "OK",
                                "Unknown",
                                "/",
                                "/usr/bin",
                                "139",
                                "Unknown",
                                "/usr",
                                "True",
                                localText(boot),
                                "en-US (English - United States)",
                                "Unknown",
                                "/dev/sda1",
                                "1",
                                "2",
                                "/dev/sda2",
                                "134217727 MB (131072 GB)",
                                "256-EncryptionBit",
                                "#1 SMP" }));
        for (const HardwareData &d : rows) {
            QVERIFY(d.heading.isEmpty());
            QVERIFY(d.secondaryLabel.isEmpty());
        }
    }

    void osAllNull()
    {
        const QVector<HardwareData> rows = runOS({});
        QCOMPARE(rows.size(), 24);
        for (const HardwareData &d : rows)
            QCOMPARE(d.value, QString("Unknown"));
    }

    void osValues_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<VARIANT>("value");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("expected");
        QTest::newRow("locale not hex") << "Locale" << bstr("zz") << "Locale"
                                        << "Unknown";
        QTest::newRow("locale 0419") << "Locale" << bstr("0419") << "Locale"
                                     << "ru-RU (Russian - Russia)";
        QTest::newRow("memory below 1 GB")
            << "MaxProcessMemorySize" << bstr("524288") << "Max process memory size"
            << "512 MB";
        QTest::newRow("memory rounded up GB")
            << "MaxProcessMemorySize" << bstr("1048577") << "Max process memory size"
            << "1024 MB (2 GB)";
        QTest::newRow("primary false") << "Primary" << boolean(false) << "Primary"
                                       << "False";
        QTest::newRow("primary null") << "Primary" << null() << "Primary"
                                      << "Unknown";
        QTest::newRow("encryption null") << "EncryptionLevel" << null() << "Encryption level"
                                         << "Unknown";
        QTest::newRow("bad date") << "InstallDate" << bstr("garbage") << "Install date"
                                  << "Unknown";
        QTest::newRow("empty text") << "Caption" << bstr("") << "Name"
                                    << "Unknown";
    }

    void osValues()
    {
        QFETCH(QString, property);
        QFETCH(VARIANT, value);
        QFETCH(QString, label);
        QFETCH(QString, expected);
        QCOMPARE(valueOf(runOS({ { property, value } }), label), expected);
    }

    void osWrongType()
    {
        m_fake->setSchemaCheck(false);
        const QVector<HardwareData> rows
            = runOS({ { "NumberOfProcesses", bstr("12") }, { "Caption", i4(5) } });
        QCOMPARE(valueOf(rows, "Number of processes"), QString("Unknown"));
        QCOMPARE(valueOf(rows, "Name"), QString("Unknown"));
    }

    // --- CPU -------------------------------------------------------------------------------

    void cpuRows()
    {
        m_fake->add("Win32_Processor",
                    { { "Name", bstr("Intel(R) Xeon(R) Processor") },
                      { "NumberOfLogicalProcessors", i4(8) },
                      { "MaxClockSpeed", i4(3600) },
                      { "SocketDesignation", null() },
                      { "Status", bstr("OK") },
                      { "L2CacheSize", i4(16384) },
                      { "L3CacheSize", i4(491520) },
                      { "AddressWidth", i4(64) },
                      { "Manufacturer", bstr("GenuineIntel") },
                      { "CurrentClockSpeed", i4(2600) },
                      { "Description", bstr("Intel64 Family 6 Model 167 Stepping 1") },
                      { "NumberOfCores", i4(8) },
                      { "ThreadCount", i4(8) },
                      { "Revision", i4(42753) },
                      { "DeviceID", bstr("CPU0") },
                      { "CurrentVoltage", i4(12) },
                      { "Role", bstr("CPU") },
                      { "ProcessorType", i4(3) },
                      { "LoadPercentage", i4(7) },
                      { "Level", i4(6) },
                      { "PartNumber", null() },
                      { "Version", null() },
                      { "CpuStatus", i4(1) } });
        Worker worker;
        SignalLog log(&worker);
        worker.appCPUWMIData();
        QCOMPARE(log.count("hardwareMainData"), 1);
        const HardwareData heading = log.records("hardwareMainData").at(0);
        QCOMPARE(heading.heading, QString("Intel(R) Xeon(R) Processor"));
        QCOMPARE(heading.label, QString("Name"));
        QCOMPARE(heading.value, QString("Intel(R) Xeon(R) Processor"));
        const QVector<HardwareData> rows = log.records("hardwareData");
        QCOMPARE(labelsOf(rows),
                 (QStringList { "Number of logical processors",
                                "Max frequency",
                                "Socket",
                                "Status",
                                "L2 cache",
                                "L3 cache",
                                "Architecture",
                                "Manufacturer",
                                "Current frequency",
                                "Family",
                                "Cores",
                                "Thread count",
                                "Revision",
                                "Device ID",
                                "Current voltage",
                                "Role",
                                "Processor type",
                                "Load",
                                "Level",
                                "Part number",
                                "Version",
                                "Current status" }));
        QCOMPARE(valuesOf(rows),
                 (QStringList { "8",
                                "3600 MHz (3.60 GHz)",
                                "Unknown",
                                "OK",
                                "16384 KB (16 MB)",
                                "491520 KB (480 MB)",
                                "x64-based processor",
                                "GenuineIntel",
                                "2600 MHz (2.60 GHz)",
                                "Intel64 Family 6 Model 167 Stepping 1",
                                "8",
                                "8",
                                "42753",
                                "CPU0",
                                "12-volt",
                                "CPU",
                                "Central Processor",
                                "7%",
                                "6",
                                "Unknown",
                                "Unknown",
                                "CPU Enabled" }));
        QCOMPARE(log.names().last(), QString("finished"));
        QCOMPARE(log.names().at(log.names().size() - 2), QString("loadMainData"));
    }

    void cpuValues_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<VARIANT>("value");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("expected");
        QTest::newRow("999 MHz") << "MaxClockSpeed" << i4(999) << "Max frequency"
                                 << "999 MHz";
        QTest::newRow("1000 MHz") << "MaxClockSpeed" << i4(1000) << "Max frequency"
                                  << "1000 MHz (1.00 GHz)";
        QTest::newRow("frequency null") << "CurrentClockSpeed" << null() << "Current frequency"
                                        << "Unknown";
        QTest::newRow("cache 0") << "L2CacheSize" << i4(0) << "L2 cache"
                                 << "0 KB";
        QTest::newRow("cache 1023") << "L2CacheSize" << i4(1023) << "L2 cache"
                                    << "1023 KB";
        QTest::newRow("cache 1024") << "L2CacheSize" << i4(1024) << "L2 cache"
                                    << "1024 KB (1 MB)";
        QTest::newRow("cache 1536") << "L3CacheSize" << i4(1536) << "L3 cache"
                                    << "1536 KB (1 MB)";
        QTest::newRow("cache 8192") << "L3CacheSize" << i4(8192) << "L3 cache"
                                    << "8192 KB (8 MB)";
        QTest::newRow("load null") << "LoadPercentage" << null() << "Load"
                                   << "Unknown";
        QTest::newRow("load 100") << "LoadPercentage" << i4(100) << "Load"
                                  << "100%";
        QTest::newRow("type 0") << "ProcessorType" << i4(0) << "Processor type"
                                << "Unknown";
        QTest::newRow("type 7") << "ProcessorType" << i4(7) << "Processor type"
                                << "Unknown";
        QTest::newRow("type 4") << "ProcessorType" << i4(4) << "Processor type"
                                << "Math Processor";
        QTest::newRow("status 0") << "CpuStatus" << i4(0) << "Current status"
                                  << "Unknown";
        QTest::newRow("status 5") << "CpuStatus" << i4(5) << "Current status"
                                  << "Reserved";
        QTest::newRow("width 32") << "AddressWidth" << i4(32) << "Architecture"
                                  << "x32-based processor";
        QTest::newRow("voltage null") << "CurrentVoltage" << null() << "Current voltage"
                                      << "Unknown";
    }

    void cpuValues()
    {
        QFETCH(QString, property);
        QFETCH(VARIANT, value);
        QFETCH(QString, label);
        QFETCH(QString, expected);
        QCOMPARE(valueOf(runCPU({ { "Name", bstr("CPU") }, { property, value } }), label),
                 expected);
    }

    void twoProcessors()
    {
        m_fake->add("Win32_Processor", { { "Name", bstr("First") }, { "DeviceID", bstr("CPU0") } });
        m_fake->add("Win32_Processor",
                    { { "Name", bstr("Second") }, { "DeviceID", bstr("CPU1") } });
        Worker worker;
        SignalLog log(&worker);
        worker.appCPUWMIData();
        const QStringList rows = log.rows();
        QCOMPARE(rows.size(), 46);
        QCOMPARE(rows.at(0), QString("# First|Name=First"));
        QCOMPARE(rows.at(14), QString("Device ID=CPU0"));
        QCOMPARE(rows.at(23), QString("# Second|Name=Second"));
        QCOMPARE(rows.at(37), QString("Device ID=CPU1"));
    }

    void processorWithoutNameGetsItsOwnHeading()
    {
        m_fake->add("Win32_Processor", { { "Name", bstr("First") } });
        m_fake->add("Win32_Processor", { { "Name", null() }, { "DeviceID", bstr("CPU1") } });
        Worker worker;
        SignalLog log(&worker);
        worker.appCPUWMIData();
        const QStringList rows = log.rows();
        QCOMPARE(rows.size(), 46);
        QCOMPARE(rows.at(23), QString("# Unknown|Name=Unknown"));
        QCOMPARE(rows.at(37), QString("Device ID=CPU1"));
    }

    // --- GPU -------------------------------------------------------------------------------

    void gpuRows()
    {
        const QString date = "20230115000000.000000+000";
        m_fake->add("Win32_VideoController",
                    { { "Caption", bstr("Radeon") },
                      { "AdapterRAM", i4(1073741824) },
                      { "DriverVersion", bstr("6.1.0") },
                      { "DriverDate", bstr(date) },
                      { "CurrentBitsPerPixel", i4(32) },
                      { "AdapterCompatibility", bstr("Advanced Micro Devices, Inc.") },
                      { "AdapterDACType", null() },
                      { "Status", bstr("OK") },
                      { "CurrentRefreshRate", i4(60) },
                      { "MaxRefreshRate", i4(144) },
                      { "MinRefreshRate", i4(48) },
                      { "PNPDeviceID", bstr("PCI\\VEN_1002&DEV_73BF\\0000:03:00.0") },
                      { "InstalledDisplayDrivers", bstr("amdgpu") },
                      { "VideoArchitecture", i4(5) } });
        Worker worker;
        SignalLog log(&worker);
        worker.appGPUWMIData();
        QCOMPARE(log.records("hardwareMainData").value(0).heading, QString("Radeon"));
        const QVector<HardwareData> rows = log.records("hardwareData");
        QDateTime driverDate;
        QVERIFY(wmiDateToLocal(date, &driverDate));
        QCOMPARE(labelsOf(rows),
                 (QStringList { "Memory", "Driver version", "Driver install date", "Resolution",
                                "Monitor BPP", "Manufacturer", "DAC type", "Status",
                                "Monitor frequency", "Monitor width", "Monitor height",
                                "Max refresh rate", "Min refresh rate", "PNP Device ID",
                                "Display drivers", "Video architecture" }));
        QCOMPARE(
            valuesOf(rows),
            (QStringList { "1024 MB (1 GB)", "6.1.0", Worker::formatWmiDate(driverDate),
                           "1920 x 1080 pixels", "32 bits", "Advanced Micro Devices, Inc.",
                           "Unknown", "OK", "60 Hz", "1920 pixels", "1080 pixels", "144 Hz",
                           "48 Hz", "PCI\\VEN_1002&DEV_73BF\\0000:03:00.0", "amdgpu", "VGA" }));
    }

    void gpuMemory_data()
    {
        QTest::addColumn<QString>("vendor");
        QTest::addColumn<VARIANT>("adapterRam");
        QTest::addColumn<quint64>("cudaBytes"); // 0: no CUDA device
        QTest::addColumn<QString>("expected");
        QTest::newRow("1 GB") << "Intel Corporation" << i4(1073741824) << quint64(0)
                              << "1024 MB (1 GB)";
        QTest::newRow("512 MB") << "Intel Corporation" << i4(536870912) << quint64(0) << "512 MB";
        QTest::newRow("unsigned") << "Intel Corporation" << i4(qint32(4293918720u)) << quint64(0)
                                  << "4095 MB (4 GB)";
        QTest::newRow("fraction") << "Intel Corporation" << i4(1572864) << quint64(0) << "1.5 MB";
        QTest::newRow("null") << "Intel Corporation" << null() << quint64(0) << "Unknown";
        QTest::newRow("NVIDIA CUDA")
            << "NVIDIA" << i4(1073741824) << quint64(8589934592) << "8192 MB (8 GB)";
        QTest::newRow("NVIDIA rounds up")
            << "NVIDIA" << null() << quint64(8589934593) << "8193 MB (9 GB)";
        QTest::newRow("NVIDIA without CUDA") << "NVIDIA" << i4(536870912) << quint64(0) << "512 MB";
        QTest::newRow("Nvidia is another vendor")
            << "Nvidia" << i4(536870912) << quint64(8589934592) << "512 MB";
        QTest::newRow("NVIDIA Corporation")
            << "NVIDIA Corporation" << i4(536870912) << quint64(8589934592) << "512 MB";
    }

    void gpuMemory()
    {
        QFETCH(QString, vendor);
        QFETCH(VARIANT, adapterRam);
        QFETCH(quint64, cudaBytes);
        QFETCH(QString, expected);
        if (cudaBytes)
            m_platform.cuda->devices = { { cudaBytes, "0000:01:00.0" } };
        m_fake->add("Win32_VideoController",
                    { { "Caption", bstr("GPU") },
                      { "AdapterCompatibility", bstr(vendor) },
                      { "AdapterRAM", adapterRam } });
        Worker worker;
        SignalLog log(&worker);
        worker.appGPUWMIData();
        QCOMPARE(valueOf(log.records("hardwareData"), "Memory"), expected);
    }

    void gpuNvidiaFallbackAfterEarlierAdapter()
    {
        // The first adapter finds its device; the second has none and must not reuse its size.
        m_platform.cuda->devices = { { 8589934592, "0000:01:00.0" }, { 0, "0000:02:00.0" } };
        m_fake->add("Win32_VideoController",
                    { { "Caption", bstr("A") },
                      { "AdapterCompatibility", bstr("NVIDIA") },
                      { "PNPDeviceID", bstr("PCI\\VEN_10DE&DEV_2684\\0000:01:00.0") } });
        m_fake->add("Win32_VideoController",
                    { { "Caption", bstr("B") },
                      { "AdapterCompatibility", bstr("NVIDIA") },
                      { "PNPDeviceID", bstr("PCI\\VEN_10DE&DEV_1C82\\0000:02:00.0") },
                      { "AdapterRAM", i4(536870912) } });
        Worker worker;
        SignalLog log(&worker);
        worker.appGPUWMIData();
        const QVector<HardwareData> rows = log.records("hardwareData");
        QCOMPARE(rows.at(0).value, QString("8192 MB (8 GB)"));
        QCOMPARE(rows.at(16).value, QString("512 MB"));
    }

    void gpuNvidiaAdaptersMatchTheirDevices()
    {
        // Devices in another order than the adapters: each adapter takes its own by address.
        m_platform.cuda->devices
            = { { 25769803776, "0000:02:00.0" }, { 8589934592, "0000:01:00.0" } };
        for (const char *address : { "0000:01:00.0", "0000:02:00.0" }) {
            m_fake->add("Win32_VideoController",
                        { { "Caption", bstr("GeForce") },
                          { "AdapterCompatibility", bstr("NVIDIA") },
                          { "PNPDeviceID", bstr(QString("PCI\\VEN_10DE&DEV_2684\\") + address) } });
        }
        Worker worker;
        SignalLog log(&worker);
        worker.appGPUWMIData();
        const QVector<HardwareData> rows = log.records("hardwareData");
        QCOMPARE(rows.at(0).value, QString("8192 MB (8 GB)"));
        QCOMPARE(rows.at(16).value, QString("24576 MB (24 GB)"));
    }

    void gpuValues_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<VARIANT>("value");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("expected");
        QTest::newRow("architecture 2") << "VideoArchitecture" << i4(2) << "Video architecture"
                                        << "Unknown";
        QTest::newRow("architecture 160") << "VideoArchitecture" << i4(160) << "Video architecture"
                                          << "PC-98";
        QTest::newRow("bad date") << "DriverDate" << bstr("garbage") << "Driver install date"
                                  << "Unknown";
        QTest::newRow("no date") << "DriverDate" << null() << "Driver install date"
                                 << "Unknown";
        QTest::newRow("refresh null") << "CurrentRefreshRate" << null() << "Monitor frequency"
                                      << "Unknown";
    }

    void gpuValues()
    {
        QFETCH(QString, property);
        QFETCH(VARIANT, value);
        QFETCH(QString, label);
        QFETCH(QString, expected);
        m_fake->add("Win32_VideoController", { { "Caption", bstr("GPU") }, { property, value } });
        Worker worker;
        SignalLog log(&worker);
        worker.appGPUWMIData();
        QCOMPARE(valueOf(log.records("hardwareData"), label), expected);
    }

    void gpuUnknownScreen()
    {
        m_platform.screenInfo->screenSize = QSize();
        m_fake->add("Win32_VideoController", { { "Caption", bstr("GPU") } });
        Worker worker;
        SignalLog log(&worker);
        worker.appGPUWMIData();
        const QVector<HardwareData> rows = log.records("hardwareData");
        QCOMPARE(valueOf(rows, "Resolution"), QString("Unknown"));
        QCOMPARE(valueOf(rows, "Monitor width"), QString("Unknown"));
        QCOMPARE(valueOf(rows, "Monitor height"), QString("Unknown"));
    }

    void adapterWithoutCaptionGetsItsOwnHeading()
    {
        m_fake->add("Win32_VideoController", { { "Caption", null() } });
        Worker worker;
        SignalLog log(&worker);
        worker.appGPUWMIData();
        QCOMPARE(log.rows().value(0), QString("# Unknown|Name=Unknown"));
        QCOMPARE(log.count("hardwareData"), 16);
    }

    // --- RAM -------------------------------------------------------------------------------

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
        QTest::newRow("12 GB") << true << null() << QVariant(quint64(12582912)) << none
                               << QStringList { "Total capacity=12288 MB (12 GB)" };
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
        m_platform.memoryInfo->installed.reset();
        if (installedKb.isValid())
            m_platform.memoryInfo->installed = installedKb.toULongLong();
        if (totalPhysBytes.isValid())
            m_platform.memoryInfo->totalPhys = totalPhysBytes.toULongLong();
        if (arrayObject)
            m_fake->add("Win32_PhysicalMemoryArray", { { "MemoryDevices", memoryDevices } });
        m_fake->add("Win32_PhysicalMemory", { { "Manufacturer", bstr("Maker") } });
        Worker worker;
        SignalLog log(&worker);
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
        m_fake->add("Win32_PhysicalMemoryArray", { { "MemoryDevices", i4(2) } });
        m_fake->add("Win32_PhysicalMemory",
                    { { "Manufacturer", bstr("Samsung") },
                      { "Speed", i4(3200) },
                      { "Capacity", bstr("8589934592") },
                      { "DeviceLocator", bstr("DIMM A1") },
                      { "SerialNumber", bstr("1234") },
                      { "PartNumber", bstr("M378") },
                      { "FormFactor", i4(8) },
                      { "DataWidth", i4(64) },
                      { "MemoryType", i4(26) },
                      { "TypeDetail", i4(128) },
                      { "BankLabel", bstr("BANK 0") },
                      { "Tag", bstr("Physical Memory 0") } });
        m_fake->add("Win32_PhysicalMemory",
                    { { "Manufacturer", null() },
                      { "Capacity", bstr("536870912") },
                      { "FormFactor", i4(24) },
                      { "MemoryType", i4(23) },
                      { "TypeDetail", i4(136) } });
        Worker worker;
        SignalLog log(&worker);
        worker.appRAMWMIData();
        const QStringList rows = log.rows();
        const QStringList expected {
            "Slots=2",
            "Total capacity=16384 MB (16 GB)",
            "# Slot #1 Samsung|Manufacturer=Samsung",
            "Frequency=3200 MHz",
            "Capacity=8192 MB (8 GB)",
            "Type=DIMM A1",
            "Device ID=1234",
            "Part number=M378",
            "Form factor=DIMM",
            "Data width=64 bits",
            "Memory type=DDR4",
            "Represented type of physical memory=Synchronous",
            "Memory location=BANK 0",
            "Tag=Physical Memory 0",
            "# Slot #2|Manufacturer=Unknown",
            "Frequency=Unknown",
            "Capacity=512 MB",
            "Type=Unknown",
            "Device ID=Unknown",
            "Part number=Unknown",
            "Form factor=Unknown",
            "Data width=Unknown",
            "Memory type=Unknown",
            "Represented type of physical memory=136",
            "Memory location=Unknown",
            "Tag=Unknown",
        };
        QCOMPARE(rows, expected);
        QCOMPARE(log.names().mid(rows.size()), (QStringList { "loadMainData", "finished" }));
    }

    void ramCapacity_data()
    {
        QTest::addColumn<QString>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("512 MB") << "536870912"
                                << "512 MB";
        QTest::newRow("1 GB") << "1073741824"
                              << "1024 MB (1 GB)";
        QTest::newRow("1.5 GB truncated") << "1610612736"
                                          << "1536 MB (1 GB)";
        QTest::newRow("not a number") << "lots"
                                      << "0 MB";
    }

    void ramCapacity()
    {
        QFETCH(QString, bytes);
        QFETCH(QString, expected);
        m_fake->add("Win32_PhysicalMemory", { { "Capacity", bstr(bytes) } });
        Worker worker;
        SignalLog log(&worker);
        worker.appRAMWMIData();
        QCOMPARE(valueOf(log.records("hardwareData"), "Capacity"), expected);
    }

    // --- Storage ---------------------------------------------------------------------------

    void storageTwoDrives()
    {
        for (int i = 0; i < 2; ++i) {
            m_fake->add("Win32_DiskDrive",
                        { { "Caption", bstr(QString("Disk %1").arg(i)) },
                          { "BytesPerSector", i4(512) },
                          { "Description", bstr("Disk drive") },
                          { "DeviceID", bstr(QString("/dev/sd%1").arg(QChar('a' + i))) },
                          { "FirmwareRevision", null() },
                          { "Index", i4(i) },
                          { "InterfaceType", bstr("IDE") },
                          { "Manufacturer", bstr("ATA") },
                          { "Partitions", i4(1) },
                          { "Size", bstr("500107862016") },
                          { "SerialNumber", bstr(" S1 ") } });
        }
        m_fake->add("Win32_DiskPartition",
                    { { "Caption", bstr("Disk #0, Partition #0") },
                      { "BlockSize", bstr("512") },
                      { "PrimaryPartition", boolean(true) },
                      { "Size", bstr("1073741823") },
                      { "DiskIndex", i4(0) },
                      { "Type", bstr("GPT: Basic Data") },
                      { "NumberOfBlocks", bstr("2097151") },
                      { "StartingOffset", bstr("1048576") },
                      { "Bootable", boolean(false) } });
        Worker worker;
        SignalLog log(&worker);
        QCOMPARE(worker.appStorageWMIData(), 0);

        QStringList expectedNames;
        for (int i = 0; i < 2; ++i) {
            expectedNames << "hardwareMainData";
            for (int r = 0; r < 10; ++r)
                expectedNames << "hardwareData";
            expectedNames << "smartDriveInfo";
        }
        expectedNames << "smartDriveDetectionCompleted"
                      << "storageTotalDrivesData"
                      << "storageCollectingPartitionData"
                      << "storageMainPartitionData";
        for (int r = 0; r < 8; ++r)
            expectedNames << "storagePartitionData";
        expectedNames << "storageTotalPartitionsData"
                      << "loadMainData"
                      << "finished";
        QCOMPARE(log.names(), expectedNames);

        const QVector<HardwareData> drive = log.records("hardwareData").mid(0, 10);
        QCOMPARE(labelsOf(drive),
                 (QStringList { "Bytes Per Sector", "Description", "Device ID", "Firmware Revision",
                                "Index", "Interface Type", "Manufacturer", "Partitions", "Size",
                                "Serial Number" }));
        QCOMPARE(valuesOf(drive),
                 (QStringList { "512 bytes", "Disk drive", "/dev/sda", "Unknown", "0", "IDE", "ATA",
                                "1", "476940 MB (465 GB)", "S1" }));
        const QVector<SignalLog::Entry> smart = log.all("smartDriveInfo");
        QCOMPARE(smart.at(1).args.at(0).value<SmartStorage>().caption, QString("Disk 1"));
        QCOMPARE(smart.at(1).args.at(0).value<SmartStorage>().driveIndex, QString("1"));
        QCOMPARE(log.all("storageTotalDrivesData").at(0).args.at(0).toString(), QString("2"));
        QCOMPARE(log.all("storageTotalPartitionsData").at(0).args.at(0).toString(), QString("1"));

        const HardwareData partitionHeading = log.records("storageMainPartitionData").at(0);
        QCOMPARE(partitionHeading.heading, QString("Disk #0, Partition #0"));
        const QVector<HardwareData> partition = log.records("storagePartitionData");
        QCOMPARE(
            labelsOf(partition),
            (QStringList { "Block size", "Primary partition", "Size", "Disk index", "Type",
                           "Number of blocks", "Starting offset of the partition", "Bootable" }));
        QCOMPARE(valuesOf(partition),
                 (QStringList { "512 bytes", "True", "1023 MB", "0", "GPT: Basic Data", "2097151",
                                "1024 KB (1 MB)", "False" }));
    }

    void storageOffsets_data()
    {
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1 MB") << "1048576"
                              << "1024 KB (1 MB)";
        QTest::newRow("31 KB") << "32256"
                               << "31 KB";
        QTest::newRow("16000 MB") << "16777216000"
                                  << "16384000 KB (16000 MB)";
    }

    void storageOffsets()
    {
        QFETCH(QString, offset);
        QFETCH(QString, expected);
        m_fake->add("Win32_DiskPartition",
                    { { "Caption", bstr("P") }, { "StartingOffset", bstr(offset) } });
        Worker worker;
        SignalLog log(&worker);
        worker.appStorageWMIData();
        QCOMPARE(valueOf(log.records("storagePartitionData"), "Starting offset of the partition"),
                 expected);
    }

    void driveWithoutCaptionOrIndex()
    {
        m_fake->add("Win32_DiskDrive", { { "Caption", null() }, { "Index", i4(3) } });
        m_fake->add("Win32_DiskDrive", { { "Caption", bstr("No index") }, { "Index", null() } });
        Worker worker;
        SignalLog log(&worker);
        worker.appStorageWMIData();
        QCOMPARE(log.records("hardwareMainData").at(0).heading, QString("Unknown"));
        QCOMPARE(log.records("hardwareMainData").at(1).heading, QString("No index"));
        // Only the drive with an index is offered for S.M.A.R.T.; both are counted.
        const QVector<SignalLog::Entry> smart = log.all("smartDriveInfo");
        QCOMPARE(smart.size(), 1);
        QCOMPARE(smart.at(0).args.at(0).value<SmartStorage>().caption, QString("Unknown"));
        QCOMPARE(smart.at(0).args.at(0).value<SmartStorage>().driveIndex, QString("3"));
        QCOMPARE(log.all("storageTotalDrivesData").at(0).args.at(0).toString(), QString("2"));
    }
};

QTEST_GUILESS_MAIN(TestCollectHw)
#include "tst_collect_hw.moc"
