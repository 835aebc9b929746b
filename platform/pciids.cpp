#include "pciids.h"

#include <QHash>

#include <memory>
#include <mutex>

#ifdef VN_HAVE_LIBUDEV
#include <libudev.h>
#endif

namespace plat::ids {

namespace {

// One parsed id file: vendor, vendor+device and vendor+device+subsystem names.
struct IdFile
{
    QHash<quint32, QString> vendors;
    QHash<quint32, QString> devices;
    QHash<quint64, QString> subsystems;
};

bool hex4(const char *p, int available, quint16 *out)
{
    if (available < 4)
        return false;
    quint16 v = 0;
    for (int i = 0; i < 4; ++i) {
        const char c = p[i];
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return false;
        v = quint16(v << 4 | d);
    }
    *out = v;
    return true;
}

// pci.ids and usb.ids share one layout: "vvvv  name", "\tdddd  name", "\t\tssss dddd  name".
// The vendor list comes first; the first other top-level section (classes) ends it.
IdFile parseIds(const QByteArray &data)
{
    IdFile file;
    quint16 vendor = 0, device = 0;
    bool haveVendor = false, haveDevice = false;
    const char *base = data.constData();
    const int n = data.size();
    int pos = 0;
    while (pos < n) {
        int end = data.indexOf('\n', pos);
        if (end < 0)
            end = n;
        const char *line = base + pos;
        const int len = end - pos;
        pos = end + 1;
        if (len == 0 || line[0] == '#')
            continue;
        quint16 id = 0, id2 = 0;
        if (line[0] != '\t') {
            if (!hex4(line, len, &id) || len < 6 || line[4] != ' ')
                break; // "C 03  Display controller" and later sections
            vendor = id;
            haveVendor = true;
            haveDevice = false;
            file.vendors.insert(vendor, QString::fromUtf8(line + 4, len - 4).trimmed());
        } else if (len > 1 && line[1] != '\t') {
            if (!haveVendor || !hex4(line + 1, len - 1, &id) || len < 7)
                continue;
            device = id;
            haveDevice = true;
            file.devices.insert(quint32(vendor) << 16 | device,
                                QString::fromUtf8(line + 5, len - 5).trimmed());
        } else if (haveDevice && len > 12 && hex4(line + 2, len - 2, &id) && line[6] == ' '
                   && hex4(line + 7, len - 7, &id2)) {
            const quint64 key
                = quint64(vendor) << 48 | quint64(device) << 32 | quint32(id) << 16 | id2;
            file.subsystems.insert(key, QString::fromUtf8(line + 11, len - 11).trimmed());
        }
    }
    return file;
}

std::mutex g_mutex;
QHash<QString, std::shared_ptr<const IdFile>> g_files;

std::shared_ptr<const IdFile> idFile(const SysRoot &root, bool usb)
{
    static const char *const pciPaths[] = { "/usr/share/misc/pci.ids", "/usr/share/hwdata/pci.ids",
                                            "/var/lib/pciutils/pci.ids", "/usr/share/pci.ids" };
    static const char *const usbPaths[] = { "/usr/share/misc/usb.ids", "/usr/share/hwdata/usb.ids",
                                            "/var/lib/usbutils/usb.ids", "/usr/share/usb.ids" };
    const QString key = root.root() + (usb ? QStringLiteral("|usb") : QStringLiteral("|pci"));
    const std::lock_guard<std::mutex> lock(g_mutex);
    auto it = g_files.constFind(key);
    if (it != g_files.constEnd())
        return it.value();
    QByteArray data;
    for (const char *path : (usb ? usbPaths : pciPaths)) {
        if (root.read(QString::fromLatin1(path), &data, 64 * 1024 * 1024) && !data.isEmpty())
            break;
    }
    auto parsed = std::make_shared<const IdFile>(parseIds(data));
    g_files.insert(key, parsed);
    return parsed;
}

#ifdef VN_HAVE_LIBUDEV
// The udev hardware database of the running system; only meaningful for the live root.
QString hwdbLookup(const SysRoot &root, const QByteArray &modalias, const char *property)
{
    if (!root.isLive())
        return QString();
    static std::mutex mutex;
    static udev *context = nullptr;
    static udev_hwdb *hwdb = nullptr;
    static bool tried = false;
    const std::lock_guard<std::mutex> lock(mutex); // one hwdb handle, not made for concurrent use
    if (!tried) {
        tried = true;
        context = udev_new();
        if (context)
            hwdb = udev_hwdb_new(context);
        if (!hwdb && context)
            context = udev_unref(context); // no database on this machine
    }
    if (!hwdb)
        return QString();
    udev_list_entry *entry = nullptr;
    udev_list_entry_foreach(entry,
                            udev_hwdb_get_properties_list_entry(hwdb, modalias.constData(), 0))
    {
        if (qstrcmp(udev_list_entry_get_name(entry), property) == 0)
            return QString::fromUtf8(udev_list_entry_get_value(entry)).trimmed();
    }
    return QString();
}
#else
QString hwdbLookup(const SysRoot &, const QByteArray &, const char *)
{
    return QString();
}
#endif

QByteArray hex(quint16 v)
{
    return QByteArray::number(v, 16).toUpper().rightJustified(4, '0');
}

QByteArray pciAlias(quint16 vendor)
{
    return "pci:v0000" + hex(vendor);
}

} // namespace

QString pciVendorName(const SysRoot &root, quint16 vendor)
{
    QString name = hwdbLookup(root, pciAlias(vendor), "ID_VENDOR_FROM_DATABASE");
    return name.isEmpty() ? idFile(root, false)->vendors.value(vendor) : name;
}

QString pciDeviceName(const SysRoot &root, quint16 vendor, quint16 device)
{
    QString name
        = hwdbLookup(root, pciAlias(vendor) + "d0000" + hex(device), "ID_MODEL_FROM_DATABASE");
    return name.isEmpty() ? idFile(root, false)->devices.value(quint32(vendor) << 16 | device)
                          : name;
}

QString pciSubsystemName(const SysRoot &root, quint16 vendor, quint16 device, quint16 subVendor,
                         quint16 subDevice)
{
    const quint64 key
        = quint64(vendor) << 48 | quint64(device) << 32 | quint32(subVendor) << 16 | subDevice;
    return idFile(root, false)->subsystems.value(key);
}

QString pciModelName(const SysRoot &root, quint16 vendor, quint16 device, quint16 subVendor,
                     quint16 subDevice)
{
    // The database's subsystem entries already read "device (subsystem)".
    const QString fromHwdb = hwdbLookup(root,
                                        pciAlias(vendor) + "d0000" + hex(device) + "sv0000"
                                            + hex(subVendor) + "sd0000" + hex(subDevice),
                                        "ID_MODEL_FROM_DATABASE");
    if (!fromHwdb.isEmpty())
        return fromHwdb;
    const QString name = idFile(root, false)->devices.value(quint32(vendor) << 16 | device);
    const QString sub = pciSubsystemName(root, vendor, device, subVendor, subDevice);
    if (name.isEmpty() || sub.isEmpty())
        return name;
    return name + QStringLiteral(" (") + sub + QLatin1Char(')');
}

QString usbVendorName(const SysRoot &root, quint16 vendor)
{
    QString name = hwdbLookup(root, "usb:v" + hex(vendor), "ID_VENDOR_FROM_DATABASE");
    return name.isEmpty() ? idFile(root, true)->vendors.value(vendor) : name;
}

QString usbProductName(const SysRoot &root, quint16 vendor, quint16 product)
{
    QString name
        = hwdbLookup(root, "usb:v" + hex(vendor) + "p" + hex(product), "ID_MODEL_FROM_DATABASE");
    return name.isEmpty() ? idFile(root, true)->devices.value(quint32(vendor) << 16 | product)
                          : name;
}

void clearCache()
{
    const std::lock_guard<std::mutex> lock(g_mutex);
    g_files.clear();
}

} // namespace plat::ids
