// Win32_BaseBoard and Win32_BIOS: the kernel's world-readable DMI strings first, the raw SMBIOS
// structures (types 0, 1, 2 and 13; root only) for the rest.

#include "dmi.h"
#include "linux_hwutil.h"
#include "linuxsources.h"

#include <QDate>

namespace plat::sources {

namespace {

using namespace plat::hw;

// The sysfs string, else the string field of the first structure of that type.
QString dmiText(const SysRoot &root, const dmi::Table &table, const char *idName, int type,
                int offset)
{
    const QString value = dmi::idString(root, QLatin1String(idName));
    if (!value.isEmpty())
        return value;
    const dmi::Structure *s = table.first(type);
    return s ? s->string(offset).value_or(QString()) : QString();
}

// "MM/DD/YYYY" (two-digit years are 19xx) as a CIM date at midnight UTC.
QString releaseDate(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 3)
        return QString();
    int year = parts.at(2).toInt();
    if (parts.at(2).size() == 2)
        year += 1900;
    const QDate date(year, parts.at(0).toInt(), parts.at(1).toInt());
    if (!date.isValid())
        return QString();
    return date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("000000.000000+000");
}

// Whether the machine has any DMI data: without it there is nothing to say about the board or
// its firmware, not even that they are present and well.
bool hasDmi(const SysRoot &root, const dmi::Table &table)
{
    return !table.isEmpty() || root.isDir(QStringLiteral("/sys/class/dmi/id"))
        || root.isDir(QStringLiteral("/sys/firmware/dmi"));
}

} // namespace

QVector<wmi::Object> baseBoard(const SysRoot &root)
{
    const auto table = dmi::table(root);
    const dmi::Structure *board = table->first(2);
    const bool dmi = hasDmi(root, *table);
    wmi::Object o;
    o.insert(QStringLiteral("Caption"),
             dmi ? wmi::bstr(QStringLiteral("Base Board")) : wmi::null());
    o.insert(QStringLiteral("Manufacturer"), text(dmiText(root, *table, "board_vendor", 2, 0x04)));
    o.insert(QStringLiteral("Product"), text(dmiText(root, *table, "board_name", 2, 0x05)));
    o.insert(QStringLiteral("Version"), text(dmiText(root, *table, "board_version", 2, 0x06)));
    o.insert(QStringLiteral("SerialNumber"), text(dmiText(root, *table, "board_serial", 2, 0x07)));
    // Feature flags: bit 0 hosting board, 1 needs a daughter board, 2 removable, 4 hot swappable.
    const int features = board && board->byte(0x09) ? int(*board->byte(0x09)) : -1;
    const auto flag = [features](int bit) {
        return features < 0 ? wmi::null() : wmi::boolean(features & (1 << bit));
    };
    o.insert(QStringLiteral("HostingBoard"), flag(0));
    o.insert(QStringLiteral("RequiresDaughterBoard"), flag(1));
    o.insert(QStringLiteral("Removable"), flag(2));
    o.insert(QStringLiteral("HotSwappable"), flag(4));
    // A board the firmware describes is running this program.
    o.insert(QStringLiteral("PoweredOn"), dmi ? wmi::boolean(true) : wmi::null());
    o.insert(QStringLiteral("Status"), dmi ? wmi::bstr(QStringLiteral("OK")) : wmi::null());
    return { o };
}

QVector<wmi::Object> bios(const SysRoot &root)
{
    const auto table = dmi::table(root);
    wmi::Object o;
    const QString version = dmiText(root, *table, "bios_version", 0, 0x05);
    o.insert(QStringLiteral("Caption"), text(version));
    o.insert(QStringLiteral("Name"), text(version));
    o.insert(QStringLiteral("SMBIOSBIOSVersion"), text(version));
    o.insert(QStringLiteral("Version"), wmi::null()); // the ACPI OEM revision has no DMI source
    const dmi::Structure *language = table->first(13);
    o.insert(QStringLiteral("CurrentLanguage"),
             text(language ? language->string(0x15).value_or(QString()) : QString()));
    o.insert(QStringLiteral("Manufacturer"), text(dmiText(root, *table, "bios_vendor", 0, 0x04)));
    // Windows shows the system's serial number as the BIOS's.
    o.insert(QStringLiteral("SerialNumber"),
             text(dmiText(root, *table, "product_serial", 1, 0x07)));
    o.insert(QStringLiteral("ReleaseDate"),
             text(releaseDate(dmiText(root, *table, "bios_date", 0, 0x08))));
    o.insert(QStringLiteral("Status"),
             hasDmi(root, *table) ? wmi::bstr(QStringLiteral("OK")) : wmi::null());
    return { o };
}

} // namespace plat::sources
