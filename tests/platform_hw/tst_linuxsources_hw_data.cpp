// The expected values of every hardware class on the two fixture trees.

#include "tst_linuxsources_hw.h"

#include <QtTest>

namespace {

using wmi::VARIANT;

VARIANT R(double v)
{
    return wmi::r8(v);
}

struct Rows
{
    const char *tree;
    const char *cls;
    int index;
    void operator()(const char *property, const VARIANT &value) const
    {
        QTest::newRow(
            QStringLiteral("%1 %2[%3].%4").arg(tree, cls).arg(index).arg(property).toUtf8())
            << QString::fromLatin1(tree) << QString::fromLatin1(cls) << index
            << QString::fromLatin1(property) << value;
    }
};

// Properties checked on both trees: the desktop's value, then the vm's.
void onBoth(const char *cls, std::initializer_list<std::tuple<const char *, VARIANT, VARIANT>> rows)
{
    for (const auto &[property, desktop, vm] : rows) {
        Rows { "desktop", cls, 0 }(property, desktop);
        Rows { "vm", cls, 0 }(property, vm);
    }
}

void operatingSystems()
{
    Rows d { "desktop", "Win32_OperatingSystem", 0 };
    d("Caption", S("Ubuntu 24.04.1 LTS"));
    d("BuildNumber", S("6.8.0-45-generic"));
    d("CSName", S("desktop-01"));
    d("Name", S("Ubuntu 24.04.1 LTS|/|/dev/nvme0n1p2"));
    d("OSArchitecture", S("64-bit"));
    d("SerialNumber", S("5f3c2a7e9b1d4c6e8a0f1b2c3d4e5f60"));
    d("SystemDrive", S("/"));
    d("Primary", B(true));
    d("SystemDevice", S("/dev/nvme0n1p2"));
    d("EncryptionLevel", N);
    d("NumberOfProcesses", I(7)); // numeric /proc entries: not "self" or "sys"
    onBoth("Win32_OperatingSystem",
           { { "Manufacturer", S("Canonical Ltd."), N },
             { "RegisteredUser", S("Alex Example"), S("root") }, // GECOS name of uid 1000
             // LANG en_US.UTF-8 (no LC_ALL, no LC_MESSAGES); C.UTF-8
             { "Locale", S("0409"), N },
             { "BootDevice", S("/dev/nvme0n1p1"), S("/dev/vda") },
             // LC_TELEPHONE en_GB, through a "copy" of the locale source
             { "CountryCode", S("44"), N },
             { "NumberOfUsers", I(2), I(0) }, // USER_PROCESS records in utmp
             // RLIMIT_AS 16 GiB; unlimited: the x86-64 user address space
             { "MaxProcessMemorySize", S("16777216"), S("137438953468") },
             { "BuildType", S("#45-Ubuntu SMP PREEMPT_DYNAMIC Fri Aug 30 12:02:04 UTC 2024"),
               S("#1 SMP PREEMPT_DYNAMIC @0") } });
}

void processors()
{
    Rows d { "desktop", "Win32_Processor", 0 };
    d("NumberOfLogicalProcessors", I(16));
    d("AddressWidth", I(64));
    d("Description", S("AMD64 Family 25 Model 33 Stepping 0"));
    d("Revision", I(8448));
    d("DeviceID", S("CPU0"));
    d("Version", S("AMD Ryzen 7 5800X 8-Core Processor"));
    d("PartNumber", S("100-000000063"));
    d("CurrentVoltage", I(12));
    d("ProcessorType", I(3));
    d("CpuStatus", I(1));
    onBoth("Win32_Processor",
           { { "NumberOfCores", I(8), I(8) },
             // vm: no cpufreq, no DMI: never the clock of the moment
             { "MaxClockSpeed", I(4850), N },
             { "CurrentClockSpeed", I(3598), I(2600) }, // vm: cpuinfo's "cpu MHz"
             { "L2CacheSize", I(4096), I(16384) }, // 8 x 512K, each shared by two threads
             { "L3CacheSize", I(32768), I(491520) },
             { "LoadPercentage", I(25), N }, // vm: one sample only
             { "SocketDesignation", S("AM4"), N } });
}

// Identity, clocks and caches on every cpuinfo layout; one table per property, a column per tree.
void otherProcessors()
{
    const char *trees[] = { "arm64", "armv7", "ppc64", "s390x", "laptop" };
    const struct
    {
        const char *property;
        VARIANT values[5];
    } table[] = {
        { "Name",
          { S("ARM Cortex-A72"), S("ARMv7 Processor rev 10 (v7l)"),
            S("POWER9 (architected), altivec supported"), S("IBM/S390 8561"),
            S("11th Gen Intel(R) Core(TM) i7-1165G7 @ 2.80GHz") } },
        { "Manufacturer", { S("ARM"), S("ARM"), N, S("IBM/S390"), S("GenuineIntel") } },
        { "Description",
          { S("ARMv8 (64-bit) Family 8 Model D08 Revision 3"),
            S("ARMv7 Family 7 Model C09 Revision 10"), N, N,
            S("Intel64 Family 6 Model 140 Stepping 1") } }, // laptop: 64-bit from the lm flag
        { "Level", { I(8), I(7), N, N, I(6) } },
        { "Revision", { I(3), I(0x20A), N, N, I(140 << 8 | 1) } },
        { "NumberOfLogicalProcessors", { I(4), I(2), I(8), I(4), I(8) } },
        { "NumberOfCores", { I(4), N, I(2), I(4), I(4) } }, // armv7: nothing names its cores
        // cpufreq's rated maximum (armv7, laptop: the policy's), s390x's static clock
        { "MaxClockSpeed", { I(1800), I(996), N, I(5200), I(4700) } },
        { "CurrentClockSpeed", { I(1200), I(396), I(2750), I(5200), I(1398) } }, // rounded
        { "L2CacheSize", { I(1024), N, N, I(262144), I(5120) } }, // s390x: cpuinfo's per core
        { "L3CacheSize", { N, N, N, I(262144), I(12288) } },
        { "AddressWidth", { I(64), I(32), I(64), I(64), I(64) } },
        { "LoadPercentage", { N, N, N, N, N } }, // arm64: the second sample went backwards
    };
    for (const auto &row : table) {
        for (int t = 0; t < 5; ++t)
            Rows { trees[t], "Win32_Processor", 0 }(row.property, row.values[t]);
    }
}

void videoControllers()
{
    Rows intel { "desktop", "Win32_VideoController", 0 };
    intel("Caption", S("AlderLake-S GT1"));
    intel("AdapterRAM", N); // a PCI window is no memory size
    intel("DriverVersion", N);
    intel("DriverDate", N);
    intel("AdapterCompatibility", S("Intel Corporation"));
    intel("Status", S("Error")); // no driver bound
    intel("PNPDeviceID", S("PCI\\VEN_8086&DEV_4680&SUBSYS_86941043&REV_0C\\0000:00:02.0"));
    intel("InstalledDisplayDrivers", N);
    intel("VideoArchitecture", I(5));

    Rows igpu { "laptop", "Win32_VideoController", 0 };
    igpu("AdapterRAM", N); // integrated: no memory of its own
    igpu("InstalledDisplayDrivers", S("i915"));

    Rows nv { "desktop", "Win32_VideoController", 1 };
    nv("Caption", S("AD102 [GeForce RTX 4090] (TUF Gaming GeForce RTX 4090 OC)"));
    nv("AdapterRAM", N); // never the size of a PCI window
    nv("DriverVersion", S("550.54.14"));
    nv("AdapterCompatibility", S("NVIDIA"));
    nv("MaxRefreshRate", I(165));
    nv("MinRefreshRate", I(48));

    Rows amd { "desktop", "Win32_VideoController", 2 };
    amd("AdapterRAM", I(-1)); // 16 GB of VRAM in a 32-bit count: 0xFFFFFFFF
    amd("DriverVersion", S("6.8.0-45-generic")); // no module version: the kernel's
    amd("MaxRefreshRate", N); // nothing connected
}

void memory()
{
    Rows a { "desktop", "Win32_PhysicalMemory", 0 };
    a("Tag", S("Physical Memory 0"));
    a("Manufacturer", S("Kingston"));
    a("Speed", I(3200));
    a("Capacity", S("17179869184"));
    a("DeviceLocator", S("DIMM_A2"));
    a("BankLabel", S("BANK 1"));
    a("SerialNumber", S("1A2B3C4D"));
    a("PartNumber", S("KF3200C16D4/16GX"));
    a("FormFactor", I(8)); // SMBIOS DIMM (9) is CIM 8
    a("DataWidth", I(64));
    a("MemoryType", I(26)); // DDR4
    a("TypeDetail", I(16512));

    Rows b { "desktop", "Win32_PhysicalMemory", 1 };
    b("Manufacturer", S("G Skill Intl"));
    b("Speed", I(3600)); // 0xFFFF: the extended speed
    b("Capacity", S("34359738368")); // 0x7FFF: the extended size in MB

    // 128 GiB in KB, from the extended field
    onBoth("Win32_PhysicalMemoryArray",
           { { "MemoryDevices", I(4), N }, { "MaxCapacity", I(134217728), N } });
}

void disks()
{
    Rows n { "desktop", "Win32_DiskDrive", 0 };
    n("Caption", S("Samsung SSD 980 PRO 1TB"));
    n("BytesPerSector", I(512));
    n("DeviceID", S("/dev/nvme0n1"));
    n("FirmwareRevision", S("5B2QGXA7"));
    n("Index", I(0));
    n("InterfaceType", S("SCSI"));
    n("Manufacturer", S("Samsung Electronics Co Ltd")); // the controller's vendor
    n("Partitions", I(2));
    n("Size", S("1000204886016"));
    n("SerialNumber", S("S5GXNF0R123456A"));

    Rows s { "desktop", "Win32_DiskDrive", 1 };
    s("Caption", S("ST2000DM008-2FR102")); // udev's full model, not sysfs' 16 characters
    s("FirmwareRevision", S("0001"));
    s("InterfaceType", S("IDE"));
    s("Manufacturer", S("ATA"));
    s("Partitions", I(3));
    s("SerialNumber", S("ZFL1ABCD")); // VPD page 0x80

    Rows u { "desktop", "Win32_DiskDrive", 2 };
    u("Caption", S("Ultra")); // no udev record: sysfs model
    u("InterfaceType", S("USB"));
    u("Manufacturer", S("SanDisk"));
    u("FirmwareRevision", S("1.00"));
    u("SerialNumber", N);

    Rows v { "vm", "Win32_DiskDrive", 0 };
    v("Caption", S("Virtio 1.0 block device")); // the controller's device name
    v("InterfaceType", S("SCSI"));
    v("Manufacturer", S("Red Hat, Inc."));
    v("FirmwareRevision", N);
    v("Partitions", I(0));
    v("SerialNumber", S("")); // the host gave an empty serial

    struct Part
    {
        const char *caption, *type, *size, *offset, *blocks;
        int disk;
        bool primary, bootable;
    };
    const Part parts[] = {
        { "Disk #0, Partition #0", "GPT: System", "1073741824", "1048576", "2097152", 0, true,
          true },
        { "Disk #0, Partition #1", "GPT: Linux filesystem", "999129350144", "1074790400",
          "1951424512", 0, true, false },
        { "Disk #1, Partition #0", "Installable File System", "104857600", "1048576", "204800", 1,
          true, true },
        { "Disk #1, Partition #1", "Extended", "1024", "105906176", "2", 1, true, false },
        { "Disk #1, Partition #2", "Linux native", "2000290840576", "106954752", "3906818048", 1,
          false, false },
        // sdb has no udev record: its table is read from the device
        { "Disk #2, Partition #0", "Win95 w/Extended Int 13", "15360000000", "1048576", "30000000",
          2, true, true },
        { "Disk #2, Partition #1", "Extended", "1024", "2048", "2", 2, true, false },
        { "Disk #2, Partition #2", "Linux native", "14336000", "2560", "28000", 2, false, false },
    };
    for (int i = 0; i < int(sizeof parts / sizeof parts[0]); ++i) {
        const Part &p = parts[i];
        Rows r { "desktop", "Win32_DiskPartition", i };
        r("Caption", S(p.caption));
        r("Type", S(p.type));
        r("Size", S(p.size));
        r("StartingOffset", S(p.offset));
        r("NumberOfBlocks", S(p.blocks));
        r("BlockSize", S("512"));
        r("DiskIndex", I(p.disk));
        r("PrimaryPartition", B(p.primary));
        r("Bootable", B(p.bootable));
    }
}

void opticalAndBoard()
{
    Rows a { "desktop", "Win32_CDROMDrive", 0 };
    a("Caption", S("HL-DT-ST DVDRAM GH24NSD1"));
    a("Availability", I(3));
    a("Manufacturer", S("HL-DT-ST"));
    a("MfrAssignedRevisionLevel", S("LG00"));
    a("MediaLoaded", B(true));
    a("DeviceID", S("SCSI\\CDROM&VEN_HL-DT-ST&PROD_DVDRAM_GH24NSD1\\4:0:0:0"));
    a("Drive", S("/media/alex/UBUNTU 24_04"));
    a("MediaType", S("DVD Writer"));
    a("SCSIPort", I(4));
    a("TransferRate", R(48 * 176.4));

    Rows b { "desktop", "Win32_CDROMDrive", 1 };
    b("Caption", S("ASUS SDRW-08D2S-U"));
    b("MediaLoaded", B(false));
    b("Drive", S("/dev/sr1")); // not mounted
    b("MediaType", S("DVD-ROM"));
    b("TransferRate", R(-1));

    Rows board { "desktop", "Win32_BaseBoard", 0 };
    board("Product", S("ROG STRIX B550-F GAMING"));
    board("Version", S("Rev 1.xx"));
    board("Removable", B(false));
    // vm: no DMI at all, so no constants either.
    onBoth("Win32_BaseBoard",
           { { "Manufacturer", S("ASUSTeK COMPUTER INC."), N },
             { "SerialNumber", S("210587212400123"), N },
             { "HostingBoard", B(true), N },
             { "PoweredOn", B(true), N } });
    Rows { "vm", "Win32_BaseBoard", 0 }("Status", N);
    Rows lboard { "laptop", "Win32_BaseBoard", 0 };
    lboard("Manufacturer", S("LENOVO"));
    lboard("PoweredOn", B(true));
    lboard("Status", S("OK"));

    Rows bios { "desktop", "Win32_BIOS", 0 };
    bios("CurrentLanguage", S("en|US|iso8859-1"));
    bios("SerialNumber", S("System Serial Number"));
    onBoth("Win32_BIOS",
           { { "Caption", S("4201"), N },
             { "Manufacturer", S("American Megatrends Inc."), N },
             { "ReleaseDate", S("20230906000000.000000+000"), N },
             { "Status", S("OK"), N } });
    Rows lbios { "laptop", "Win32_BIOS", 0 };
    lbios("ReleaseDate", S("20240314000000.000000+000"));
}

} // namespace

VARIANT S(const char *s)
{
    return wmi::bstr(QString::fromUtf8(s));
}
VARIANT I(qint32 v)
{
    return wmi::i4(v);
}
VARIANT B(bool v)
{
    return wmi::boolean(v);
}
const VARIANT N = wmi::null();

void addPropertyRows()
{
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("cls");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("property");
    QTest::addColumn<wmi::VARIANT>("expected");
    operatingSystems();
    processors();
    otherProcessors();
    videoControllers();
    memory();
    disks();
    opticalAndBoard();
}
