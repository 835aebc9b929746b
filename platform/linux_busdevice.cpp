#include "linux_busdevice.h"

#include "linux_bytes.h"
#include "pciids.h"

namespace plat {

namespace {

QString lastComponent(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

QString BusDevice::deviceId() const
{
    const auto hex4 = [](quint16 v) {
        return QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0')).toUpper();
    };
    switch (bus) {
    case Pci:
        return QStringLiteral("PCI\\VEN_%1&DEV_%2\\%3").arg(hex4(vendor), hex4(device), address);
    case Usb:
        return QStringLiteral("USB\\VID_%1&PID_%2\\%3").arg(hex4(vendor), hex4(device), address);
    case None:
        break;
    }
    return QString();
}

QString BusDevice::vendorName(const SysRoot &root) const
{
    if (bus == Pci)
        return ids::pciVendorName(root, vendor);
    if (bus == Usb)
        return ids::usbVendorName(root, vendor);
    return QString();
}

QString BusDevice::modelName(const SysRoot &root) const
{
    if (bus == Pci)
        return ids::pciDeviceName(root, vendor, device);
    if (bus == Usb)
        return ids::usbProductName(root, vendor, device);
    return QString();
}

BusDevice findBusDevice(const SysRoot &root, const QString &sysPath)
{
    BusDevice result;
    QString dir = root.canonical(sysPath);
    // Stop at the top of the device tree; a resolved path always starts with /sys/devices.
    while (dir.startsWith(QLatin1String("/sys/devices/"))) {
        const QString subsystem = lastComponent(root.readLink(dir + QStringLiteral("/subsystem")));
        if (subsystem == QLatin1String("pci")) {
            result.bus = BusDevice::Pci;
            result.vendor = quint16(bytes::hexId(root.read(dir + QStringLiteral("/vendor"), 64)));
            result.device = quint16(bytes::hexId(root.read(dir + QStringLiteral("/device"), 64)));
            result.subVendor
                = quint16(bytes::hexId(root.read(dir + QStringLiteral("/subsystem_vendor"), 64)));
            result.subDevice
                = quint16(bytes::hexId(root.read(dir + QStringLiteral("/subsystem_device"), 64)));
            result.address = lastComponent(dir);
            result.path = dir;
            return result;
        }
        // A USB device folder holds idVendor; its interfaces ("1-2:1.0") do not.
        if (subsystem == QLatin1String("usb") && root.exists(dir + QStringLiteral("/idVendor"))) {
            result.bus = BusDevice::Usb;
            result.vendor = quint16(bytes::hexId(root.read(dir + QStringLiteral("/idVendor"), 64)));
            result.device
                = quint16(bytes::hexId(root.read(dir + QStringLiteral("/idProduct"), 64)));
            result.address = lastComponent(dir);
            result.path = dir;
            return result;
        }
        dir.truncate(dir.lastIndexOf(QLatin1Char('/')));
    }
    return result;
}

QString boundDriver(const SysRoot &root, const QString &sysPath)
{
    const QString target = root.readLink(sysPath + QStringLiteral("/driver"));
    return target.isEmpty() ? QString() : lastComponent(target);
}

} // namespace plat
