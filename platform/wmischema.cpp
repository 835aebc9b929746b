#include "wmischema.h"

#include <QMap>

namespace wmi {

const char *const kCimv2Namespace = "ROOT\\CIMV2";
const char *const kTpmNamespace = "ROOT\\CIMV2\\Security\\MicrosoftTpm";

namespace {

struct Def
{
    const char *cls;
    const char *ns;
    std::initializer_list<std::pair<const char *, quint16>> props;
};

// Every property a collector reads, plus the identifying ones a caller may select.
const Def kDefs[] = {
    { "Win32_OperatingSystem",
      kCimv2Namespace,
      { { "BootDevice", VT_BSTR },     { "BuildNumber", VT_BSTR },
        { "BuildType", VT_BSTR },      { "Caption", VT_BSTR },
        { "CountryCode", VT_BSTR },    { "CSName", VT_BSTR },
        { "EncryptionLevel", VT_I4 },  { "InstallDate", VT_BSTR },
        { "LastBootUpTime", VT_BSTR }, { "Locale", VT_BSTR },
        { "Manufacturer", VT_BSTR },   { "MaxProcessMemorySize", VT_BSTR },
        { "Name", VT_BSTR },           { "NumberOfProcesses", VT_I4 },
        { "NumberOfUsers", VT_I4 },    { "OSArchitecture", VT_BSTR },
        { "Primary", VT_BOOL },        { "RegisteredUser", VT_BSTR },
        { "SerialNumber", VT_BSTR },   { "Status", VT_BSTR },
        { "SystemDevice", VT_BSTR },   { "SystemDirectory", VT_BSTR },
        { "SystemDrive", VT_BSTR },    { "WindowsDirectory", VT_BSTR } } },
    { "Win32_Processor",
      kCimv2Namespace,
      { { "AddressWidth", VT_I4 },
        { "Caption", VT_BSTR },
        { "CpuStatus", VT_I4 },
        { "CurrentClockSpeed", VT_I4 },
        { "CurrentVoltage", VT_I4 },
        { "Description", VT_BSTR },
        { "DeviceID", VT_BSTR },
        { "L2CacheSize", VT_I4 },
        { "L3CacheSize", VT_I4 },
        { "Level", VT_I4 },
        { "LoadPercentage", VT_I4 },
        { "Manufacturer", VT_BSTR },
        { "MaxClockSpeed", VT_I4 },
        { "Name", VT_BSTR },
        { "NumberOfCores", VT_I4 },
        { "NumberOfLogicalProcessors", VT_I4 },
        { "PartNumber", VT_BSTR },
        { "ProcessorType", VT_I4 },
        { "Revision", VT_I4 },
        { "Role", VT_BSTR },
        { "SocketDesignation", VT_BSTR },
        { "Status", VT_BSTR },
        { "ThreadCount", VT_I4 },
        { "Version", VT_BSTR } } },
    { "Win32_VideoController",
      kCimv2Namespace,
      { { "AdapterCompatibility", VT_BSTR },
        { "AdapterDACType", VT_BSTR },
        { "AdapterRAM", VT_I4 },
        { "Caption", VT_BSTR },
        { "CurrentBitsPerPixel", VT_I4 },
        { "CurrentRefreshRate", VT_I4 },
        { "Description", VT_BSTR },
        { "DriverDate", VT_BSTR },
        { "DriverVersion", VT_BSTR },
        { "InstalledDisplayDrivers", VT_BSTR },
        { "MaxRefreshRate", VT_I4 },
        { "MinRefreshRate", VT_I4 },
        { "Name", VT_BSTR },
        { "PNPDeviceID", VT_BSTR },
        { "Status", VT_BSTR },
        { "VideoArchitecture", VT_I4 } } },
    { "Win32_PhysicalMemory",
      kCimv2Namespace,
      { { "BankLabel", VT_BSTR },
        { "Capacity", VT_BSTR },
        { "DataWidth", VT_I4 },
        { "DeviceLocator", VT_BSTR },
        { "FormFactor", VT_I4 },
        { "Manufacturer", VT_BSTR },
        { "MemoryType", VT_I4 },
        { "PartNumber", VT_BSTR },
        { "SerialNumber", VT_BSTR },
        { "Speed", VT_I4 },
        { "Tag", VT_BSTR },
        { "TypeDetail", VT_I4 } } },
    { "Win32_PhysicalMemoryArray",
      kCimv2Namespace,
      { { "MemoryDevices", VT_I4 }, { "MaxCapacity", VT_I4 }, { "Tag", VT_BSTR } } },
    { "Win32_DiskDrive",
      kCimv2Namespace,
      { { "BytesPerSector", VT_I4 },
        { "Caption", VT_BSTR },
        { "Description", VT_BSTR },
        { "DeviceID", VT_BSTR },
        { "FirmwareRevision", VT_BSTR },
        { "Index", VT_I4 },
        { "InterfaceType", VT_BSTR },
        { "Manufacturer", VT_BSTR },
        { "Model", VT_BSTR },
        { "Partitions", VT_I4 },
        { "SerialNumber", VT_BSTR },
        { "Size", VT_BSTR } } },
    { "Win32_DiskPartition",
      kCimv2Namespace,
      { { "BlockSize", VT_BSTR },
        { "Bootable", VT_BOOL },
        { "Caption", VT_BSTR },
        { "DeviceID", VT_BSTR },
        { "DiskIndex", VT_I4 },
        { "Index", VT_I4 },
        { "NumberOfBlocks", VT_BSTR },
        { "PrimaryPartition", VT_BOOL },
        { "Size", VT_BSTR },
        { "StartingOffset", VT_BSTR },
        { "Type", VT_BSTR } } },
    { "Win32_CDROMDrive",
      kCimv2Namespace,
      { { "Availability", VT_I4 },
        { "Caption", VT_BSTR },
        { "Description", VT_BSTR },
        { "DeviceID", VT_BSTR },
        { "Drive", VT_BSTR },
        { "Manufacturer", VT_BSTR },
        { "MediaLoaded", VT_BOOL },
        { "MediaType", VT_BSTR },
        { "MfrAssignedRevisionLevel", VT_BSTR },
        { "Name", VT_BSTR },
        { "SCSIBus", VT_I4 },
        { "SCSILogicalUnit", VT_I4 },
        { "SCSIPort", VT_I4 },
        { "Status", VT_BSTR },
        { "TransferRate", VT_R8 } } },
    { "Win32_BaseBoard",
      kCimv2Namespace,
      { { "Caption", VT_BSTR },
        { "HostingBoard", VT_BOOL },
        { "HotSwappable", VT_BOOL },
        { "Manufacturer", VT_BSTR },
        { "PoweredOn", VT_BOOL },
        { "Product", VT_BSTR },
        { "Removable", VT_BOOL },
        { "RequiresDaughterBoard", VT_BOOL },
        { "SerialNumber", VT_BSTR },
        { "Status", VT_BSTR },
        { "Version", VT_BSTR } } },
    { "Win32_BIOS",
      kCimv2Namespace,
      { { "Caption", VT_BSTR },
        { "CurrentLanguage", VT_BSTR },
        { "Manufacturer", VT_BSTR },
        { "Name", VT_BSTR },
        { "ReleaseDate", VT_BSTR },
        { "SerialNumber", VT_BSTR },
        { "SMBIOSBIOSVersion", VT_BSTR },
        { "Status", VT_BSTR },
        { "Version", VT_BSTR } } },
    { "Win32_SoundDevice",
      kCimv2Namespace,
      { { "Caption", VT_BSTR },
        { "ConfigManagerErrorCode", VT_I4 },
        { "ConfigManagerUserConfig", VT_BOOL },
        { "Description", VT_BSTR },
        { "DeviceID", VT_BSTR },
        { "Manufacturer", VT_BSTR },
        { "Name", VT_BSTR },
        { "PowerManagementSupported", VT_BOOL },
        { "ProductName", VT_BSTR },
        { "Status", VT_BSTR },
        { "StatusInfo", VT_I4 } } },
    { "Win32_NetworkAdapterConfiguration",
      kCimv2Namespace,
      { { "Caption", VT_BSTR },
        { "DatabasePath", VT_BSTR },
        { "Description", VT_BSTR },
        { "DHCPEnabled", VT_BOOL },
        { "DHCPServer", VT_BSTR },
        { "DNSHostName", VT_BSTR },
        { "Index", VT_I4 },
        { "InterfaceIndex", VT_I4 },
        { "IPEnabled", VT_BOOL },
        { "MACAddress", VT_BSTR },
        { "ServiceName", VT_BSTR },
        { "SettingID", VT_BSTR },
        { "TcpNumConnections", VT_I4 } } },
    { "Win32_Keyboard",
      kCimv2Namespace,
      { { "Caption", VT_BSTR },
        { "Description", VT_BSTR },
        { "DeviceID", VT_BSTR },
        { "Layout", VT_BSTR },
        { "Name", VT_BSTR },
        { "Status", VT_BSTR } } },
    { "Win32_Printer",
      kCimv2Namespace,
      { { "AveragePagesPerMinute", VT_I4 },
        { "Caption", VT_BSTR },
        { "Default", VT_BOOL },
        { "DriverName", VT_BSTR },
        { "Name", VT_BSTR },
        { "PortName", VT_BSTR },
        { "PrintJobDataType", VT_BSTR },
        { "PrintProcessor", VT_BSTR },
        { "Status", VT_BSTR },
        { "WorkOffline", VT_BOOL } } },
    { "Win32_Service",
      kCimv2Namespace,
      { { "Caption", VT_BSTR },
        { "Description", VT_BSTR },
        { "DisplayName", VT_BSTR },
        { "ErrorControl", VT_BSTR },
        { "ExitCode", VT_I4 },
        { "Name", VT_BSTR },
        { "PathName", VT_BSTR },
        { "ProcessId", VT_I4 },
        { "ServiceType", VT_BSTR },
        { "StartMode", VT_BSTR },
        { "State", VT_BSTR },
        { "Status", VT_BSTR },
        { "WaitHint", VT_I4 } } },
    { "Win32_Process",
      kCimv2Namespace,
      { { "Caption", VT_BSTR },
        { "ExecutablePath", VT_BSTR },
        { "HandleCount", VT_I4 },
        { "Name", VT_BSTR },
        { "PeakPageFileUsage", VT_I4 },
        { "Priority", VT_I4 },
        { "ProcessId", VT_I4 },
        { "SessionId", VT_I4 },
        { "ThreadCount", VT_I4 },
        { "VirtualSize", VT_BSTR },
        { "WorkingSetSize", VT_BSTR } } },
    { "Win32_Tpm",
      kTpmNamespace,
      { { "IsActivated_InitialValue", VT_BOOL },
        { "IsEnabled_InitialValue", VT_BOOL },
        { "IsOwned_InitialValue", VT_BOOL },
        { "ManufacturerId", VT_I4 },
        { "ManufacturerVersion", VT_BSTR },
        { "SpecVersion", VT_BSTR } } },
};

QMap<QString, ClassSchema> buildSchemas()
{
    QMap<QString, ClassSchema> map;
    for (const Def &def : kDefs) {
        ClassSchema schema;
        schema.name = QString::fromLatin1(def.cls);
        schema.nameSpace = QString::fromLatin1(def.ns);
        for (const auto &prop : def.props) {
            const QString name = QString::fromLatin1(prop.first);
            schema.properties.append(name);
            schema.types.insert(name.toLower(), prop.second);
            schema.spelling.insert(name.toLower(), name);
        }
        map.insert(schema.name.toLower(), schema);
    }
    return map;
}

const QMap<QString, ClassSchema> &schemas()
{
    // Never destroyed: a detection thread that outlives the wait at exit may still read it.
    static const auto *map = new QMap<QString, ClassSchema>(buildSchemas());
    return *map;
}

} // namespace

const ClassSchema *classSchema(const QString &cls)
{
    const auto &map = schemas();
    const auto it = map.constFind(cls.toLower());
    return it == map.constEnd() ? nullptr : &it.value();
}

QStringList schemaClasses()
{
    QStringList names;
    for (const ClassSchema &schema : schemas())
        names.append(schema.name);
    return names;
}

QString canonicalNamespace(const QString &ns)
{
    QString key = ns.trimmed();
    key.replace(QLatin1Char('/'), QLatin1Char('\\'));
    // "\\.\ROOT\CIMV2" and "\\localhost\ROOT\CIMV2" name the local machine too.
    for (const QLatin1String prefix :
         { QLatin1String("\\\\.\\"), QLatin1String("\\\\localhost\\") }) {
        if (key.startsWith(prefix, Qt::CaseInsensitive)) {
            key = key.mid(prefix.size());
            break;
        }
    }
    for (const char *known : { kCimv2Namespace, kTpmNamespace }) {
        if (key.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(known);
    }
    return QString();
}

bool isKnownNamespace(const QString &ns)
{
    return !canonicalNamespace(ns).isEmpty();
}

bool valueMatchesSchema(const ClassSchema &schema, const QString &property, const VARIANT &value)
{
    if (value.vt == VT_NULL)
        return true;
    const quint16 expected = schema.type(property);
    return expected != VT_EMPTY && value.vt == expected;
}

} // namespace wmi
