// Win32_DiskDrive: the whole disks in /sys/block with their udev records, and the disk index
// table shared with the S.M.A.R.T. backend.

#include "disks.h"
#include "linux_bytes.h"
#include "linux_hwutil.h"
#include "linuxsources.h"
#include "pciids.h"

namespace plat {

QStringList diskDeviceNames(const SysRoot &root)
{
    static const char *const excluded[] = { "loop", "ram", "zram", "dm-", "md", "sr", "fd" };
    QStringList names;
    for (const QString &name : root.list(QStringLiteral("/sys/block"))) {
        bool skip = false;
        for (const char *prefix : excluded)
            skip = skip || name.startsWith(QLatin1String(prefix));
        if (skip
            || hw::number(root, QStringLiteral("/sys/block/%1/size").arg(name)).value_or(0) <= 0)
            continue;
        names.append(name);
    }
    names.sort(); // the list order is the Index
    return names;
}

QString diskDeviceForIndex(const SysRoot &root, int index)
{
    const QStringList names = diskDeviceNames(root);
    return index >= 0 && index < names.size() ? QStringLiteral("/dev/") + names.at(index)
                                              : QString();
}

namespace sources {

namespace {

using namespace plat::hw;

// Windows' interface words, from the device's place in the sysfs tree.
QString interfaceType(const QString &devicePath)
{
    if (devicePath.contains(QLatin1String("/usb")))
        return QStringLiteral("USB");
    if (devicePath.contains(QLatin1String("/firewire"))
        || devicePath.contains(QLatin1String("/fw")))
        return QStringLiteral("1394");
    if (devicePath.contains(QLatin1String("/ata")))
        return QStringLiteral("IDE");
    return QStringLiteral("SCSI"); // NVMe, virtio and SAS/SCSI: Windows shows them as SCSI
}

// Unit serial number VPD page: 4-byte header, then the text.
QString vpdSerial(const QByteArray &page)
{
    if (page.size() < 4)
        return QString();
    const int length = quint8(page.at(3));
    return QString::fromLatin1(page.mid(4, length)).trimmed();
}

// The full ATA model from the ATA Information VPD page: IDENTIFY data starts at byte 60, the
// model is words 27-46, two characters per word with the bytes swapped.
QString ataModel(const QByteArray &page)
{
    constexpr int identify = 60, first = identify + 27 * 2, length = 40;
    if (page.size() < first + length)
        return QString();
    QByteArray model = page.mid(first, length);
    for (int i = 0; i + 1 < model.size(); i += 2) {
        const char c = model.at(i);
        model[i] = model.at(i + 1);
        model[i + 1] = c;
    }
    return QString::fromLatin1(model).trimmed();
}

} // namespace

QVector<wmi::Object> diskDrives(const SysRoot &root)
{
    QVector<wmi::Object> out;
    const QStringList names = diskDeviceNames(root);
    for (int index = 0; index < names.size(); ++index) {
        const QString name = names.at(index);
        const QString dir = QStringLiteral("/sys/block/") + name;
        const QString device = dir + QStringLiteral("/device");
        const auto udev
            = udevProperties(root, QLatin1Char('b') + root.readLine(dir + QStringLiteral("/dev")));
        const QString devicePath = root.canonical(dir);
        const QString pci = pciAncestor(devicePath);
        const PciIds controller = pci.isEmpty() ? PciIds() : pciIds(root, pci);

        QString caption = udevDecode(udev.value("ID_MODEL_ENC"));
        if (caption.isEmpty())
            caption = QString::fromUtf8(udev.value("ID_MODEL"))
                          .replace(QLatin1Char('_'), QLatin1Char(' '));
        if (caption.isEmpty()) // sysfs cuts SCSI and ATA models to 16 characters
            caption = ataModel(root.read(device + QStringLiteral("/vpd_pg89"), 4096));
        if (caption.isEmpty())
            caption = root.readLine(device + QStringLiteral("/model"));
        if (caption.isEmpty() && controller.valid)
            caption = ids::pciDeviceName(root, controller.vendor, controller.device);

        // SCSI and ATA devices name their maker; a virtio device's "vendor" is a number.
        QString manufacturer;
        if (root.exists(device + QStringLiteral("/model")))
            manufacturer = root.readLine(device + QStringLiteral("/vendor"));
        if (manufacturer.isEmpty() && controller.valid)
            manufacturer = ids::pciVendorName(root, controller.vendor);

        QString firmware = root.readLine(device + QStringLiteral("/rev"));
        if (firmware.isEmpty())
            firmware = root.readLine(device + QStringLiteral("/firmware_rev"));
        if (firmware.isEmpty())
            firmware = QString::fromUtf8(udev.value("ID_REVISION"));

        wmi::VARIANT serial = wmi::null();
        if (root.exists(dir + QStringLiteral("/serial"))) {
            // virtio: the file is there even when the host gave no serial
            serial = wmi::bstr(root.readLine(dir + QStringLiteral("/serial")));
        } else {
            QString s = root.readLine(device + QStringLiteral("/serial"));
            if (s.isEmpty())
                s = vpdSerial(root.read(device + QStringLiteral("/vpd_pg80"), 4096));
            if (s.isEmpty())
                s = QString::fromUtf8(udev.value("ID_SERIAL_SHORT"));
            serial = text(s);
        }

        int partitions = 0;
        for (const QString &child : root.list(dir))
            partitions += root.exists(dir + QLatin1Char('/') + child + QStringLiteral("/partition"))
                ? 1
                : 0;

        wmi::Object o;
        o.insert(QStringLiteral("Caption"), text(caption));
        o.insert(QStringLiteral("Model"), text(caption));
        o.insert(QStringLiteral("BytesPerSector"),
                 number(number(root, dir + QStringLiteral("/queue/logical_block_size"))));
        o.insert(QStringLiteral("Description"), wmi::bstr(QStringLiteral("Disk drive")));
        // The device node stands for \\.\PHYSICALDRIVEn.
        o.insert(QStringLiteral("DeviceID"), wmi::bstr(QStringLiteral("/dev/") + name));
        o.insert(QStringLiteral("FirmwareRevision"), text(firmware));
        o.insert(QStringLiteral("Index"), wmi::i4(index));
        o.insert(QStringLiteral("InterfaceType"), wmi::bstr(interfaceType(devicePath)));
        o.insert(QStringLiteral("Manufacturer"), text(manufacturer));
        o.insert(QStringLiteral("Partitions"), wmi::i4(partitions));
        // sysfs counts 512-byte units whatever the sector size.
        const auto sectors = number(root, dir + QStringLiteral("/size"));
        o.insert(QStringLiteral("Size"),
                 sectors ? wmi::bstr(QString::number(quint64(*sectors) * 512)) : wmi::null());
        o.insert(QStringLiteral("SerialNumber"), serial);
        out.append(o);
    }
    return out;
}

} // namespace sources

} // namespace plat
