#pragma once
// Helpers shared by the hardware sources: udev database records, the mount table, sysfs
// numbers and PCI identities.

#include "sysroot.h"
#include "wmi.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVector>

#include <optional>

namespace plat::hw {

// Properties ("E:KEY=VALUE" lines) of a udev database record /run/udev/data/<id>, where id is
// "b8:0" for a block device or "+dmi:id". Empty when udev keeps no database.
QHash<QByteArray, QByteArray> udevProperties(const SysRoot &root, const QString &id);
// Undoes udev's "\x20" escapes (ID_MODEL_ENC and friends).
QString udevDecode(const QByteArray &value);

struct Mount
{
    QString source;
    QString mountPoint;
    QString majorMinor; // "8:1"
};
// /proc/self/mountinfo, in table order.
QVector<Mount> mounts(const SysRoot &root);

// A decimal sysfs number; nullopt when the file is missing or not a number.
std::optional<qint64> number(const SysRoot &root, const QString &path);
// The kernel's machine name ("x86_64"): /proc/sys/kernel/arch, else uname() on the live root.
QString machine(const SysRoot &root);
bool is64Bit(const QString &machine);

// PCI identity of a device folder (/sys/bus/pci/devices/0000:01:00.0).
struct PciIds
{
    quint16 vendor = 0, device = 0, subVendor = 0, subDevice = 0;
    quint8 revision = 0;
    quint32 classCode = 0;
    bool valid = false;
};
PciIds pciIds(const SysRoot &root, const QString &deviceDir);
// The bound driver's name (base name of the "driver" link); empty when none.
QString driverName(const SysRoot &root, const QString &deviceDir);
// The nearest PCI function folder at or above a sysfs device path (canonical machine path).
QString pciAncestor(const QString &devicePath);

// Builders that turn an absent value into VT_NULL.
wmi::VARIANT text(const QString &s);
wmi::VARIANT number(std::optional<qint64> v);
wmi::VARIANT date(const QDateTime &t);

} // namespace plat::hw
