// Win32_PhysicalMemory and Win32_PhysicalMemoryArray from the SMBIOS memory entries (types 16
// and 17). Without root the raw table is closed; udev keeps the same fields in its record of
// the DMI device, which is world-readable.

#include "dmi.h"
#include "linux_hwutil.h"
#include "linuxsources.h"

namespace plat::sources {

namespace {

using namespace plat::hw;

// SMBIOS form factor -> CIM FormFactor.
std::optional<qint64> cimFormFactor(int smbios)
{
    switch (smbios) {
    case 0x01:
        return 1;
    case 0x02:
        return 0;
    case 0x03:
        return 7;
    case 0x04:
        return 2;
    case 0x06:
        return 3;
    case 0x07:
        return 4;
    case 0x08:
        return 6;
    case 0x09:
        return 8;
    case 0x0A:
        return 9;
    case 0x0C:
        return 11;
    case 0x0D:
        return 12;
    case 0x0E:
        return 13;
    case 0x05:
    case 0x0B:
    case 0x0F:
    case 0x10:
        return 1; // no CIM counterpart: "Other"
    default:
        return std::nullopt;
    }
}

// SMBIOS memory type -> CIM MemoryType. Types CIM never learnt (LPDDR and later, DDR5) read 0,
// as current Windows reports them.
std::optional<qint64> cimMemoryType(int smbios)
{
    if (smbios == 0x01)
        return 1;
    if (smbios == 0x02)
        return 0;
    if (smbios == 0x03)
        return 2;
    if (smbios >= 0x04 && smbios <= 0x14)
        return smbios + 2;
    if (smbios >= 0x18 && smbios <= 0x1A)
        return smbios; // DDR3, FBD2, DDR4 keep their numbers
    if (smbios >= 0x1B)
        return 0;
    return std::nullopt;
}

// The udev record spells the SMBIOS codes as the SMBIOS tables name them.
int codeOf(const QByteArray &name, const QVector<const char *> &names)
{
    for (int i = 0; i < names.size(); ++i) {
        if (name == names.at(i))
            return i + 1;
    }
    return 0;
}

const QVector<const char *> kFormFactors = {
    "Other", "Unknown", "SIMM",         "SIP",  "Chip",   "DIP",   "ZIP",     "Proprietary Card",
    "DIMM",  "TSOP",    "Row Of Chips", "RIMM", "SODIMM", "SRIMM", "FB-DIMM", "Die"
};
const QVector<const char *> kMemoryTypes = { "Other",
                                             "Unknown",
                                             "DRAM",
                                             "EDRAM",
                                             "VRAM",
                                             "SRAM",
                                             "RAM",
                                             "ROM",
                                             "Flash",
                                             "EEPROM",
                                             "FEPROM",
                                             "EPROM",
                                             "CDRAM",
                                             "3DRAM",
                                             "SDRAM",
                                             "SGRAM",
                                             "RDRAM",
                                             "DDR",
                                             "DDR2",
                                             "DDR2 FB-DIMM",
                                             "Reserved",
                                             "Reserved",
                                             "Reserved",
                                             "DDR3",
                                             "FBD2",
                                             "DDR4",
                                             "LPDDR",
                                             "LPDDR2",
                                             "LPDDR3",
                                             "LPDDR4",
                                             "Logical non-volatile device",
                                             "HBM",
                                             "HBM2",
                                             "DDR5",
                                             "LPDDR5",
                                             "HBM3" };
// Type detail bits 1..15 as udev writes them.
const QVector<const char *> kTypeDetails = { "Other",
                                             "Unknown",
                                             "Fast-paged",
                                             "Static Column",
                                             "Pseudo-static",
                                             "RAMBus",
                                             "Synchronous",
                                             "CMOS",
                                             "EDO",
                                             "Window DRAM",
                                             "Cache DRAM",
                                             "Non-Volatile",
                                             "Registered (Buffered)",
                                             "Unbuffered (Unregistered)",
                                             "LRDIMM" };

wmi::Object module(int tag)
{
    wmi::Object o;
    o.insert(QStringLiteral("Tag"), wmi::bstr(QStringLiteral("Physical Memory %1").arg(tag)));
    return o;
}

QVector<wmi::Object> modulesFromTable(const dmi::Table &table)
{
    QVector<wmi::Object> out;
    for (const dmi::Structure *s : table.ofType(17)) {
        const auto size = dmi::memoryDeviceSize(*s);
        if (size && *size == 0)
            continue; // empty slot
        wmi::Object o = module(out.size());
        const auto str = [s](int offset) {
            return text(s->string(offset).value_or(QString()));
        };
        o.insert(QStringLiteral("Manufacturer"), str(0x17));
        std::optional<qint64> speed;
        if (const auto w = s->word(0x15); w && *w != 0)
            speed
                = *w == 0xFFFF ? std::optional<qint64>(s->dword(0x54)) : std::optional<qint64>(*w);
        o.insert(QStringLiteral("Speed"), number(speed));
        o.insert(QStringLiteral("Capacity"),
                 size ? wmi::bstr(QString::number(*size)) : wmi::null());
        o.insert(QStringLiteral("DeviceLocator"), str(0x10));
        o.insert(QStringLiteral("BankLabel"), str(0x11));
        o.insert(QStringLiteral("SerialNumber"), str(0x18));
        o.insert(QStringLiteral("PartNumber"), str(0x1A));
        const auto form = s->byte(0x0E);
        o.insert(QStringLiteral("FormFactor"), number(form ? cimFormFactor(*form) : std::nullopt));
        const auto width = s->word(0x0A);
        o.insert(QStringLiteral("DataWidth"),
                 number(width && *width != 0xFFFF ? std::optional<qint64>(*width) : std::nullopt));
        const auto type = s->byte(0x12);
        o.insert(QStringLiteral("MemoryType"), number(type ? cimMemoryType(*type) : std::nullopt));
        // The detail bits sit where CIM puts them.
        const auto detail = s->word(0x13);
        o.insert(QStringLiteral("TypeDetail"),
                 number(detail ? std::optional<qint64>(*detail) : std::nullopt));
        out.append(o);
    }
    return out;
}

QVector<wmi::Object> modulesFromUdev(const QHash<QByteArray, QByteArray> &props)
{
    QVector<wmi::Object> out;
    for (int n = 0;; ++n) {
        const QByteArray prefix = "MEMORY_DEVICE_" + QByteArray::number(n) + '_';
        const auto value = [&](const char *key) {
            return props.value(prefix + key);
        };
        if (!props.contains(prefix + "LOCATOR") && !props.contains(prefix + "SIZE")
            && !props.contains(prefix + "PRESENT"))
            break;
        if (value("PRESENT") == "0" || !props.contains(prefix + "SIZE"))
            continue; // udev leaves the size out for an empty slot
        const auto textOf = [&](const char *key) {
            return text(QString::fromUtf8(value(key)).trimmed());
        };
        const auto numberOf = [&](const char *key) -> std::optional<qint64> {
            bool ok = false;
            const qint64 v = value(key).toLongLong(&ok);
            return ok ? std::optional<qint64>(v) : std::nullopt;
        };
        wmi::Object o = module(out.size());
        o.insert(QStringLiteral("Manufacturer"), textOf("MANUFACTURER"));
        o.insert(QStringLiteral("Speed"), number(numberOf("SPEED_MTS")));
        o.insert(QStringLiteral("Capacity"), textOf("SIZE"));
        o.insert(QStringLiteral("DeviceLocator"), textOf("LOCATOR"));
        o.insert(QStringLiteral("BankLabel"), textOf("BANK_LOCATOR"));
        o.insert(QStringLiteral("SerialNumber"), textOf("SERIAL_NUMBER"));
        o.insert(QStringLiteral("PartNumber"), textOf("PART_NUMBER"));
        const int form = codeOf(value("FORM_FACTOR"), kFormFactors);
        o.insert(QStringLiteral("FormFactor"), number(form ? cimFormFactor(form) : std::nullopt));
        o.insert(QStringLiteral("DataWidth"), number(numberOf("DATA_WIDTH")));
        const int type = codeOf(value("TYPE"), kMemoryTypes);
        o.insert(QStringLiteral("MemoryType"), number(type ? cimMemoryType(type) : std::nullopt));
        std::optional<qint64> detail;
        if (props.contains(prefix + "TYPE_DETAIL")) {
            QByteArray words = value("TYPE_DETAIL");
            qint64 bits = 0;
            // Each name found is taken out, so one phrase never counts twice.
            for (int bit = kTypeDetails.size(); bit >= 1; --bit) {
                const QByteArray name = kTypeDetails.at(bit - 1);
                const int at = words.indexOf(name);
                if (at >= 0) {
                    bits |= qint64(1) << bit;
                    words.remove(at, name.size());
                }
            }
            detail = bits;
        }
        o.insert(QStringLiteral("TypeDetail"), number(detail));
        out.append(o);
    }
    return out;
}

} // namespace

QVector<wmi::Object> physicalMemory(const SysRoot &root)
{
    const auto table = dmi::table(root);
    if (!table->ofType(17).isEmpty())
        return modulesFromTable(*table);
    return modulesFromUdev(udevProperties(root, QStringLiteral("+dmi:id")));
}

QVector<wmi::Object> physicalMemoryArray(const SysRoot &root)
{
    wmi::Object o;
    o.insert(QStringLiteral("Tag"), wmi::bstr(QStringLiteral("Physical Memory Array 0")));
    std::optional<qint64> devices, maxKb;
    const auto table = dmi::table(root);
    for (const dmi::Structure *s : table->ofType(16)) {
        if (s->byte(0x05).value_or(0) != 0x03)
            continue; // only arrays of system memory
        devices = qMin<qint64>(devices.value_or(0) + s->word(0x0D).value_or(0), 1 << 30);
        // Maximum capacity in KB; 0x80000000 means "see the extended field" (bytes).
        const auto max = s->dword(0x07);
        std::optional<quint64> kb;
        if (max && *max == 0x80000000u && s->has(0x0F, 8))
            kb = (*s->dword(0x0F) | quint64(*s->dword(0x13)) << 32) / 1024;
        else if (max)
            kb = *max;
        // Saturates: past the 32-bit field the sum is unknown anyway, and many huge arrays
        // must not overflow it.
        if (kb)
            maxKb = qint64(qMin<quint64>(
                quint64(maxKb.value_or(0)) + qMin<quint64>(*kb, 1ull << 40), 1ull << 40));
    }
    if (!devices) {
        bool ok = false;
        const int n = udevProperties(root, QStringLiteral("+dmi:id"))
                          .value("MEMORY_ARRAY_NUM_DEVICES")
                          .toInt(&ok);
        if (ok)
            devices = n;
    }
    o.insert(QStringLiteral("MemoryDevices"), number(devices));
    // MaxCapacity is a 32-bit KB count.
    o.insert(QStringLiteral("MaxCapacity"),
             maxKb && *maxKb <= 0xFFFFFFFFll ? wmi::i4(qint32(quint32(*maxKb))) : wmi::null());
    return { o };
}

} // namespace plat::sources
