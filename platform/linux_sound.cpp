// Win32_SoundDevice: one object per ALSA card (/sys/class/sound/cardN), plus each PCI audio
// function (class 0x0401 or 0x0403) that no driver has taken, as Windows lists devices that
// have no driver installed.

#include "linux_busdevice.h"
#include "linux_bytes.h"
#include "linuxsources.h"
#include "pciids.h"

#include <QSet>

#include <algorithm>

namespace plat::sources {
namespace {

using namespace wmi;

// The long name of card `index` from /proc/asound/cards: the indented line below
// " N [id         ]: driver - short name".
QString cardLongName(const QByteArray &cards, int index)
{
    const QList<QByteArray> lines = cards.split('\n');
    const QByteArray head = QByteArray::number(index) + " [";
    for (int i = 0; i + 1 < lines.size(); ++i) {
        if (lines.at(i).trimmed().startsWith(head))
            return QString::fromUtf8(lines.at(i + 1).trimmed());
    }
    return QString();
}

// Vendor of the first codec ("Vendor Id: 0x10ec0892"): its upper half is a PCI vendor id.
QString codecVendor(const SysRoot &root, int index)
{
    const QString dir = QStringLiteral("/proc/asound/card%1").arg(index);
    for (const QString &entry : root.list(dir)) {
        if (!entry.startsWith(QLatin1String("codec#")))
            continue;
        bool ok = false;
        const QByteArray id
            = bytes::lineValue(root.read(dir + QLatin1Char('/') + entry, 65536), "Vendor Id", ':');
        const quint32 value = id.startsWith("0x") ? id.mid(2).toUInt(&ok, 16) : 0;
        if (ok) {
            const QString name = ids::pciVendorName(root, quint16(value >> 16));
            if (!name.isEmpty())
                return name;
        }
    }
    return QString();
}

VARIANT textOrNull(const QString &s)
{
    return s.isEmpty() ? null() : bstr(s);
}

Object makeDevice(const SysRoot &root, const BusDevice &dev, const QString &caption,
                  const QString &manufacturer, const QString &devicePath, bool bound)
{
    Object obj;
    obj.insert(QStringLiteral("Caption"), textOrNull(caption));
    // 28 is "the drivers for this device are not installed".
    obj.insert(QStringLiteral("ConfigManagerErrorCode"), i4(bound ? 0 : 28));
    obj.insert(QStringLiteral("ConfigManagerUserConfig"), boolean(false));
    const QString id = dev.deviceId();
    obj.insert(QStringLiteral("DeviceID"), textOrNull(id));
    obj.insert(QStringLiteral("Manufacturer"), textOrNull(manufacturer));
    const QByteArray runtime
        = root.read(devicePath + QStringLiteral("/power/runtime_status"), 64).trimmed();
    obj.insert(QStringLiteral("PowerManagementSupported"),
               runtime.isEmpty() ? null() : boolean(runtime != "unsupported"));
    obj.insert(QStringLiteral("Status"),
               bstr(bound ? QStringLiteral("OK") : QStringLiteral("Error")));
    // 3 is "Enabled", 4 "Disabled".
    obj.insert(QStringLiteral("StatusInfo"), i4(bound ? 3 : 4));
    return obj;
}

} // namespace

QVector<Object> soundDevices(const SysRoot &root)
{
    QVector<Object> out;
    QSet<QString> seen; // PCI functions already listed through a card
    const QByteArray cards = root.read(QStringLiteral("/proc/asound/cards"), 65536);

    QVector<int> indexes;
    for (const QString &entry : root.list(QStringLiteral("/sys/class/sound"))) {
        bool ok = false;
        const int index = entry.startsWith(QLatin1String("card")) ? entry.mid(4).toInt(&ok) : -1;
        if (ok)
            indexes.append(index);
    }
    std::sort(indexes.begin(), indexes.end());

    for (int index : qAsConst(indexes)) {
        const QString devicePath = QStringLiteral("/sys/class/sound/card%1/device").arg(index);
        const BusDevice dev = findBusDevice(root, devicePath);
        QString caption = cardLongName(cards, index);
        if (caption.isEmpty())
            caption = dev.modelName(root);
        QString manufacturer = codecVendor(root, index);
        if (manufacturer.isEmpty())
            manufacturer = dev.vendorName(root);
        // A card exists only while its driver holds it.
        out.append(makeDevice(root, dev, caption, manufacturer, devicePath, true));
        if (dev.bus == BusDevice::Pci)
            seen.insert(dev.address);
    }

    for (const QString &address : root.list(QStringLiteral("/sys/bus/pci/devices"))) {
        const QString path = QStringLiteral("/sys/bus/pci/devices/") + address;
        const QByteArray cls = root.read(path + QStringLiteral("/class"), 64).trimmed();
        bool ok = false;
        const int code = (cls.startsWith("0x") ? cls.mid(2) : cls).toInt(&ok, 16) >> 8;
        if (!ok || (code != 0x0401 && code != 0x0403) || seen.contains(address))
            continue;
        const BusDevice dev = findBusDevice(root, path);
        const bool bound = !boundDriver(root, path).isEmpty();
        if (bound)
            continue; // a bound function without a card is not a sound device of its own
        out.append(makeDevice(root, dev, dev.modelName(root), dev.vendorName(root), path, false));
    }
    return out;
}

} // namespace plat::sources
