// Every row of the code-to-text tables and of the drive attribute table: the exact text, and
// whether the row is translated (a marking translator wraps translated texts in brackets).

#include "collect/codetables.h"
#include "collect/smartreader.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

namespace {

class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(context, "QObject") != 0)
            return QString();
        return QStringLiteral("[%1]").arg(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

enum Table {
    ProcessorType,
    CpuStatus,
    VideoArchitecture,
    MemoryFormFactor,
    MemoryType,
    MemoryTypeDetail,
    Availability,
    ConfigManagerError,
    StatusInfo
};

struct Row
{
    Table table;
    qint32 code;
    const char *text;
    bool translated;
};

const Row kRows[] = {
    { ProcessorType, 1, "Other", true },
    { ProcessorType, 2, "Unknown", true },
    { ProcessorType, 3, "Central Processor", false },
    { ProcessorType, 4, "Math Processor", false },
    { ProcessorType, 5, "DSP Processor", false },
    { ProcessorType, 6, "Video Processor", false },
    { CpuStatus, 1, "CPU Enabled", true },
    { CpuStatus, 2, "CPU Disabled by User via BIOS Setup", true },
    { CpuStatus, 3, "CPU Disabled By BIOS (POST Error)", true },
    { CpuStatus, 4, "CPU is Idle", true },
    { CpuStatus, 5, "Reserved", true },
    { CpuStatus, 6, "Reserved", true },
    { CpuStatus, 7, "Other", true },
    { VideoArchitecture, 1, "Other", false },
    { VideoArchitecture, 3, "CGA", false },
    { VideoArchitecture, 4, "EGA", false },
    { VideoArchitecture, 5, "VGA", false },
    { VideoArchitecture, 6, "SVGA", false },
    { VideoArchitecture, 7, "MDA", false },
    { VideoArchitecture, 8, "HGC", false },
    { VideoArchitecture, 9, "MCGA", false },
    { VideoArchitecture, 10, "8514A", false },
    { VideoArchitecture, 11, "XGA", false },
    { VideoArchitecture, 12, "Linear Frame Buffer", false },
    { VideoArchitecture, 160, "PC-98", false },
    { MemoryFormFactor, 0, "Unknown", true },
    { MemoryFormFactor, 1, "Other", true },
    { MemoryFormFactor, 2, "SIP", false },
    { MemoryFormFactor, 3, "DIP", false },
    { MemoryFormFactor, 4, "ZIP", false },
    { MemoryFormFactor, 5, "SOJ", false },
    { MemoryFormFactor, 6, "Proprietary", false },
    { MemoryFormFactor, 7, "SIMM", false },
    { MemoryFormFactor, 8, "DIMM", false },
    { MemoryFormFactor, 9, "TSOP", false },
    { MemoryFormFactor, 10, "PGA", false },
    { MemoryFormFactor, 11, "RIMM", false },
    { MemoryFormFactor, 12, "SODIMM", false },
    { MemoryFormFactor, 13, "SRIMM", false },
    { MemoryFormFactor, 14, "SMD", false },
    { MemoryFormFactor, 15, "SSMP", false },
    { MemoryFormFactor, 16, "QFP", false },
    { MemoryFormFactor, 17, "TQFP", false },
    { MemoryFormFactor, 18, "SOIC", false },
    { MemoryFormFactor, 19, "LCC", false },
    { MemoryFormFactor, 20, "PLCC", false },
    { MemoryFormFactor, 21, "BGA", false },
    { MemoryFormFactor, 22, "FPBGA", false },
    { MemoryFormFactor, 23, "LGA", false },
    { MemoryType, 1, "Other", true },
    { MemoryType, 2, "DRAM", false },
    { MemoryType, 3, "Synchronous DRAM", false },
    { MemoryType, 4, "Cache DRAM", false },
    { MemoryType, 5, "EDO", false },
    { MemoryType, 6, "EDRAM", false },
    { MemoryType, 7, "VRAM", false },
    { MemoryType, 8, "SRAM", false },
    { MemoryType, 9, "RAM", false },
    { MemoryType, 10, "ROM", false },
    { MemoryType, 11, "Flash", false },
    { MemoryType, 12, "EEPROM", false },
    { MemoryType, 13, "FEPROM", false },
    { MemoryType, 14, "EPROM", false },
    { MemoryType, 15, "CDRAM", false },
    { MemoryType, 16, "3DRAM", false },
    { MemoryType, 17, "SDRAM", false },
    { MemoryType, 18, "SGRAM", false },
    { MemoryType, 19, "RDRAM", false },
    { MemoryType, 20, "DDR", false },
    { MemoryType, 21, "DDR2", false },
    { MemoryType, 22, "DDR2 FB-DIMM", false },
    { MemoryType, 24, "DDR3", false },
    { MemoryType, 25, "FBD2", false },
    { MemoryType, 26, "DDR4", false },
    { MemoryTypeDetail, 1, "Reserved", true },
    { MemoryTypeDetail, 2, "Other", true },
    { MemoryTypeDetail, 4, "Unknown", true },
    { MemoryTypeDetail, 8, "Fast-paged", false },
    { MemoryTypeDetail, 16, "Static column", false },
    { MemoryTypeDetail, 32, "Pseudo-static", false },
    { MemoryTypeDetail, 64, "RAMBUS", false },
    { MemoryTypeDetail, 128, "Synchronous", false },
    { MemoryTypeDetail, 256, "CMOS", false },
    { MemoryTypeDetail, 512, "EDO", false },
    { MemoryTypeDetail, 1024, "Window DRAM", false },
    { MemoryTypeDetail, 2048, "Cache DRAM", false },
    { MemoryTypeDetail, 4096, "Non-volatile", false },
    { MemoryTypeDetail, 16512, "Synchronous and Unbuffered (unregistered)", false },
    { Availability, 1, "Other", true },
    { Availability, 2, "Unknown", true },
    { Availability, 3, "Running/Full Power", true },
    { Availability, 4, "Warning", true },
    { Availability, 5, "In Test", true },
    { Availability, 6, "Not Applicable", true },
    { Availability, 7, "Power Off", true },
    { Availability, 8, "Off Line", true },
    { Availability, 9, "Off Duty", true },
    { Availability, 10, "Degraded", true },
    { Availability, 11, "Not Installed", true },
    { Availability, 12, "Install Error", true },
    { Availability, 13, "Power Save - Unknown", true },
    { Availability, 14, "Power Save - Low Power Mode", true },
    { Availability, 15, "Power Save - Standby", true },
    { Availability, 16, "Power Cycle", true },
    { Availability, 17, "Power Save - Warning", true },
    { Availability, 18, "Paused", true },
    { Availability, 19, "Not Ready", true },
    { Availability, 20, "Not Configured", true },
    { Availability, 21, "Quiesced", true },
    { ConfigManagerError, 0, "This device is working properly", true },
    { ConfigManagerError, 1, "This device is not configured correctly", true },
    { ConfigManagerError, 2, "Windows cannot load the driver for this device", true },
    { ConfigManagerError, 3,
      "The driver for this device might be corrupted, or your system may be running low on memory "
      "or other resources",
      true },
    { ConfigManagerError, 4,
      "This device is not working properly. One of its drivers or your registry might be corrupted",
      true },
    { ConfigManagerError, 5,
      "The driver for this device needs a resource that Windows cannot manage", true },
    { ConfigManagerError, 6, "The boot configuration for this device conflicts with other devices",
      true },
    { ConfigManagerError, 7, "Cannot filter", true },
    { ConfigManagerError, 8, "The driver loader for the device is missing", true },
    { ConfigManagerError, 9,
      "This device is not working properly because the controlling firmware is reporting the "
      "resources for the device incorrectly",
      true },
    { ConfigManagerError, 10, "This device cannot start", true },
    { ConfigManagerError, 11, "This device failed", true },
    { ConfigManagerError, 12, "This device cannot find enough free resources that it can use",
      true },
    { ConfigManagerError, 13, "Windows cannot verify this device's resources", true },
    { ConfigManagerError, 14, "This device cannot work properly until you restart your computer",
      true },
    { ConfigManagerError, 15,
      "This device is not working properly because there is probably a re-enumeration problem",
      true },
    { ConfigManagerError, 16, "Windows cannot identify all the resources this device uses", true },
    { ConfigManagerError, 17, "This device is asking for an unknown resource type", true },
    { ConfigManagerError, 18, "Reinstall the drivers for this device", true },
    { ConfigManagerError, 19, "Failure using the VxD loader", true },
    { ConfigManagerError, 20, "Your registry might be corrupted", true },
    { ConfigManagerError, 21,
      "System failure: Try changing the driver for this device. If that does not work, see your "
      "hardware documentation. Windows is removing this device",
      true },
    { ConfigManagerError, 22, "This device is disabled", true },
    { ConfigManagerError, 23,
      "System failure: Try changing the driver for this device. If that doesn't work, see your "
      "hardware documentation",
      true },
    { ConfigManagerError, 24,
      "This device is not present, is not working properly, or does not have all its drivers "
      "installed",
      true },
    { ConfigManagerError, 25, "Windows is still setting up this device", true },
    { ConfigManagerError, 26, "Windows is still setting up this device", true },
    { ConfigManagerError, 27, "This device does not have valid log configuration", true },
    { ConfigManagerError, 28, "The drivers for this device are not installed", true },
    { ConfigManagerError, 29,
      "This device is disabled because the firmware of the device did not give it the required "
      "resources",
      true },
    { ConfigManagerError, 30,
      "This device is using an Interrupt Request (IRQ) resource that another device is using",
      true },
    { ConfigManagerError, 31,
      "This device is not working properly because Windows cannot load the drivers required for "
      "this device",
      true },
    { StatusInfo, 1, "Other", true },
    { StatusInfo, 2, "Unknown", true },
    { StatusInfo, 3, "Enabled", true },
    { StatusInfo, 4, "Disabled", true },
    { StatusInfo, 5, "Not Applicable", true },
};

const char *const kTableNames[]
    = { "processor type", "cpu status",   "video architecture",   "form factor", "memory type",
        "type detail",    "availability", "config manager error", "status info" };

QString lookUp(Table table, qint32 code)
{
    switch (table) {
    case ProcessorType:
        return processorTypeText(code);
    case CpuStatus:
        return cpuStatusText(code);
    case VideoArchitecture:
        return videoArchitectureText(code);
    case MemoryFormFactor:
        return memoryFormFactorText(quint32(code));
    case MemoryType:
        return memoryTypeText(code);
    case MemoryTypeDetail:
        return memoryTypeDetailText(quint32(code));
    case Availability:
        return availabilityText(quint32(code));
    case ConfigManagerError:
        return configManagerErrorText(code);
    case StatusInfo:
        return statusInfoText(quint32(code));
    }
    return QString();
}

struct Attribute
{
    int id;
    const char *name;
    const char *description;
};

const Attribute kAttributes[] = {
    { 1, "Raw Read Error Rate",
      "This attribute value depends of read errors, disk surface condition and indicates the rate "
      "of hardware read errors that occurred when reading data from a disk surface. Lower values "
      "indicate that there is a problem with either disk surface or read/write heads" },
    { 2, "Throughput Performance",
      "Overall (general) throughput performance of a hard disk drive. If the value of this "
      "attribute is deceasing there is a high probability of troubles with your disk." },
    { 3, "Spin Up Time",
      "Average time of spindle spin up (from zero RPM (Revolutions Per Minute) to fully "
      "operational). Active SMART shows the data value of this attribute in milliseconds or "
      "seconds." },
    { 4, "Start/Stop Count",
      "This data value of this attribute is a count of hard disk spindle start/stop cycles" },
    { 5, "Reallocated Sectors Count",
      "Count of reallocated sectors. When the hard drive finds a read/write/verification error, it "
      "marks this sector as \"reallocated\" and transfers data to a special reserved area (spare "
      "area). This process is also known as remapping and \"reallocated\" sectors are called "
      "remaps. This is why, on a modern hard disks, you can not see \"bad blocks\" while testing "
      "the surface - all bad blocks are hidden in reallocated sectors. However, the more sectors "
      "that are reallocated, the more a sudden decrease (up to 10% and more) can be noticed in the "
      "disk read/write speed." },
    { 6, "Read Channel Margin",
      "Margin of a channel while reading data. The function of this attribute is not specified." },
    { 7, "Seek Error Rate",
      "Rate of seek errors of the magnetic heads. If there is a failure in the mechanical "
      "positioning system, a servo damage or a thermal widening of the hard disk, seek errors "
      "arise. More seek errors indicates a worsening condition of a disk surface and the disk "
      "mechanical subsystem." },
    { 8, "Seek Time Performance",
      "Average performance of seek operations of the magnetic heads. If this attribute is "
      "decreasing, it is a sign of problems in the hard disk drive mechanical subsystem." },
    { 9, "Power-On Hours",
      "Count of hours in power-on state. The data value of this attribute shows total count of "
      "hours (or minutes, or seconds, depending on manufacturer) in power-on state. A decrease of "
      "this attribute value to the critical level (threshold) indicates a decrease of the MTBF "
      "(Mean Time Between Failures). However, in reality, even if the MTBF value falls to zero, it "
      "does not mean that the MTBF resource is completely exhausted and the drive will not "
      "function normally." },
    { 10, "Spin Retry Count",
      "Count of retry of spin start attempts. This attribute stores a total count of the spin "
      "start attempts to reach the fully operational speed (under the condition that the first "
      "attempt was unsuccessful). A decrease of this attribute value is a sign of problems in the "
      "hard disk mechanical subsystem." },
    { 11, "Recalibration Retries",
      "This attribute indicates the number of times recalibration was requested (under the "
      "condition that the first attempt was unsuccessful). A decrease of this attribute value is a "
      "sign of problems in the hard disk mechanical subsystem." },
    { 12, "Device Power Cycle Count",
      "This attribute indicates the count of full hard disk power on/off cycles." },
    { 13, "Soft Read Error Rate",
      "This is the rate of \"program\" read errors occurring when reading data from a disk "
      "surface." },
    { 193, "Load/Unload Cycle Count",
      "Count of load/unload cycles into Landing Zone position. For more info see the Head "
      "Load/Unload Technology description." },
    { 194, "Temperature",
      "Hard disk drive temperature. The data value of this attribute shows built-in heat sensor "
      "registrations (in degrees centigrade)." },
    { 196, "Reallocation Event Count",
      "Count of remap operations (transfering data from a bad sector to a special reserved disk "
      "area - spare area). The data value of this attribute shows the total number of attempts to "
      "transfer data from reallocated sectors to a spare area. Unsuccessful attempts are counted "
      "as well as successful." },
    { 197, "Current Pending Sector Count",
      "Current count of unstable sectors (waiting for remapping). The data value of this attribute "
      "indicates the total number of sectors waiting for remapping. Later, when some of these "
      "sectors are read successfully, the value is decreased. If errors still occur when reading "
      "some sector, the hard drive will try to restore the data, transfer it to the reserved disk "
      "area (spare area) and mark this sector as remapped. If this attribute value remains at "
      "zero, it indicates that the quality of the corresponding surface area is low." },
    { 198, "Uncorrectable Sector Count",
      "Quantity of uncorrectable errors. The data value of this attribute indicates the total "
      "number of uncorrectable errors when reading/writing a sector. A rise in the value of this "
      "attribute indicates that there are evident defects of the disk surface and/or there are "
      "problems in the hard disk drive mechanical subsystem." },
    { 199, "UltraDMA CRC Error Count",
      "The total quantity of CRC errors during UltraDMA mode. The data value of this attribute "
      "indicates the number of errors found during data transfer in UltraDMA mode by ICRC "
      "(Interface CRC)." },
    { 200, "Write Error Rate (Multi Zone Error Rate)",
      "Write data errors rate. This attribute indicates the total number of errors found when "
      "writing a sector. The higher the data value, the worse the disk surface condition and/or "
      "mechanical subsystem is." },
    { 220, "Disk Shift",
      "Shift of disks towards spindle. The data value of this attribute indicates how much the "
      "disk has shifted. Shift of disks is possible as a result of a strong shock or a fall, or "
      "for other reasons." },
    { 221, "G-Sense Error Rate",
      "Rate of errors occurring as a result of impact loads. This attribute stores an indication "
      "of a shock-sensitive sensor, that is, the total quantity of errors occurring as a result of "
      "internal impact loads (dropping drive, wrong installation, etc.)." },
    { 222, "Loaded Hours",
      "Loading on magnetic heads actuator caused by the general operating time. Only time when the "
      "actuator was in the operating position is counted." },
    { 223, "Load/Unload Retry Count",
      "Loading on magnetic heads actuator caused by numerous recurrences of operations like: "
      "reading, recording, positioning of heads, etc. Only the time when heads were in the "
      "operating position is counted." },
    { 224, "Load Friction",
      "Loading on magnetic heads actuator caused by friction in mechanical parts of the store. "
      "Only the time when heads were in the operating position is counted." },
    { 226, "Load-in Time",
      "Total time of loading on the magnetic heads actuator. This attribute indicates total time "
      "in which the drive was under load (on the assumption that the magnetic heads were in "
      "operating mode and out of the parking area)." },
    { 227, "Torque Amplification Count", "Count of efforts of the rotating moment of a drive." },
    { 228, "Power-Off Retract Count",
      "This attribute shows a count of the number of times the drive was powered down." },
    { 230, "GMR Head Amplitude", "Amplitude of heads trembling (GMR-head) in running mode." },
};

} // namespace

class TestCollectTableRows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::installTranslator(&m_translator); }
    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_translator); }

    void everyRow_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("expected");
        for (const Row &row : kRows) {
            const QString text = QString::fromUtf8(row.text);
            QTest::addRow("%s %d", kTableNames[row.table], row.code)
                << int(row.table) << int(row.code)
                << (row.translated ? QStringLiteral("[%1]").arg(text) : text);
        }
    }

    void everyRow()
    {
        QFETCH(int, table);
        QFETCH(int, code);
        QFETCH(QString, expected);
        QCOMPARE(lookUp(Table(table), code), expected);
    }

    // Codes next to the rows fall back as each table does: empty, "Unknown" (translated or
    // not) or the code itself.
    void fallbacks_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("expected");
        QTest::newRow("processor type 0") << int(ProcessorType) << 0 << QString();
        QTest::newRow("processor type 7") << int(ProcessorType) << 7 << QString();
        QTest::newRow("cpu status 0") << int(CpuStatus) << 0 << "[Unknown]";
        QTest::newRow("cpu status 8") << int(CpuStatus) << 8 << "[Unknown]";
        QTest::newRow("video architecture 2") << int(VideoArchitecture) << 2 << "Unknown";
        QTest::newRow("video architecture 13") << int(VideoArchitecture) << 13 << "Unknown";
        QTest::newRow("video architecture 0") << int(VideoArchitecture) << 0 << "Unknown";
        QTest::newRow("form factor 24") << int(MemoryFormFactor) << 24 << QString();
        QTest::newRow("form factor -1") << int(MemoryFormFactor) << -1 << QString();
        QTest::newRow("memory type 0") << int(MemoryType) << 0 << "[Unknown]";
        QTest::newRow("memory type 23") << int(MemoryType) << 23 << "[Unknown]";
        QTest::newRow("memory type 27") << int(MemoryType) << 27 << "[Unknown]";
        QTest::newRow("type detail 0") << int(MemoryTypeDetail) << 0 << "0";
        QTest::newRow("type detail 136") << int(MemoryTypeDetail) << 136 << "136";
        QTest::newRow("type detail 8192") << int(MemoryTypeDetail) << 8192 << "8192";
        QTest::newRow("type detail -1") << int(MemoryTypeDetail) << -1 << "4294967295";
        QTest::newRow("availability 0") << int(Availability) << 0 << "0";
        QTest::newRow("availability 22") << int(Availability) << 22 << "22";
        QTest::newRow("config manager -1") << int(ConfigManagerError) << -1 << "[Unknown]";
        QTest::newRow("config manager 32") << int(ConfigManagerError) << 32 << "[Unknown]";
        QTest::newRow("status info 0") << int(StatusInfo) << 0 << "0";
        QTest::newRow("status info 6") << int(StatusInfo) << 6 << "6";
    }

    void fallbacks()
    {
        QFETCH(int, table);
        QFETCH(int, code);
        QFETCH(QString, expected);
        QCOMPARE(lookUp(Table(table), code), expected);
    }

    void attributeTexts_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        for (const Attribute &a : kAttributes)
            QTest::addRow("%d", a.id)
                << a.id << QStringLiteral("[%1]").arg(QString::fromUtf8(a.name))
                << QStringLiteral("[%1]").arg(QString::fromUtf8(a.description));
        for (int id : { 0, 14, 190, 192, 195, 201, 225, 229, 231, 255 })
            QTest::addRow("%d (none)", id) << id << "[Unknown]"
                                           << "[Unknown]";
    }

    void attributeTexts()
    {
        QFETCH(int, id);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QCOMPARE(SmartReader::smartAttributeName(id), name);
        QCOMPARE(SmartReader::smartAttributeDescription(id), description);
    }

private:
    MarkingTranslator m_translator;
};

QTEST_GUILESS_MAIN(TestCollectTableRows)
#include "tst_collect_tablerows.moc"
