// Win32_VideoController: one object per PCI display function, with its DRM card's connectors.

#include "linux_bytes.h"
#include "linux_hwutil.h"
#include "linuxsources.h"
#include "pciids.h"
#include "platform.h"

#include <QFileInfo>

namespace plat::sources {

namespace {

using namespace plat::hw;

// Vendor wording as Windows display drivers write it.
QString adapterCompatibility(const SysRoot &root, quint16 vendor)
{
    switch (vendor) {
    case 0x10de:
        return QStringLiteral("NVIDIA");
    case 0x1002:
        return QStringLiteral("Advanced Micro Devices, Inc.");
    case 0x8086:
        return QStringLiteral("Intel Corporation");
    default:
        return ids::pciVendorName(root, vendor);
    }
}

// Dedicated memory in bytes, only as the driver or runtime reports it: amdgpu's VRAM figure,
// or the NVIDIA runtime's device of this PCI address. A PCI window says nothing about the memory
// behind it, and an integrated adapter has none of its own: both stay unknown.
std::optional<quint64> adapterMemory(const SysRoot &root, const QString &dir, quint16 vendor,
                                     const QString &address)
{
    if (auto vram = number(root, dir + QStringLiteral("/mem_info_vram_total"))) {
        if (*vram > 0)
            return quint64(*vram);
    }
    if (vendor == 0x10de && root.isLive()) {
        const std::shared_ptr<Cuda> cuda = plat::cuda();
        for (int device = 0, n = cuda->deviceCount(); device < n; ++device) {
            if (cuda->pciBusId(device).compare(address, Qt::CaseInsensitive) == 0) {
                const quint64 bytes = cuda->totalGlobalMem(device);
                return bytes ? std::optional<quint64>(bytes) : std::nullopt;
            }
        }
    }
    return std::nullopt;
}

QString kernelRelease(const SysRoot &root)
{
    return root.readLine(QStringLiteral("/proc/sys/kernel/osrelease"));
}

QString driverVersion(const SysRoot &root, const QString &module)
{
    QString version = root.readLine(QStringLiteral("/sys/module/%1/version").arg(module));
    if (version.isEmpty() && module.startsWith(QLatin1String("nvidia"))) {
        // "NVRM version: NVIDIA UNIX x86_64 Kernel Module  550.54.14  Thu Feb 22 ..."
        const QByteArray line = root.read(QStringLiteral("/proc/driver/nvidia/version"), 4096);
        const int at = line.indexOf("Kernel Module");
        if (at >= 0)
            version = QString::fromLatin1(line.mid(at + 13).simplified().split(' ').value(0));
    }
    // A driver inside the kernel has the kernel's version.
    return version.isEmpty() ? kernelRelease(root) : version;
}

// The modification time of the module file, as modules.dep places it.
QDateTime driverDate(const SysRoot &root, const QString &module)
{
    const QString dir = QStringLiteral("/lib/modules/") + kernelRelease(root) + QLatin1Char('/');
    const QByteArray wanted = QString(module).replace(QLatin1Char('-'), QLatin1Char('_')).toUtf8();
    for (const QByteArray &line : root.read(dir + QStringLiteral("modules.dep")).split('\n')) {
        const QByteArray path = line.left(line.indexOf(':'));
        QByteArray base = path.mid(path.lastIndexOf('/') + 1);
        base = base.left(base.indexOf(".ko"));
        if (base.replace('-', '_') == wanted) {
            const QFileInfo file(root.path(dir + QString::fromUtf8(path)));
            return file.exists() ? file.lastModified() : QDateTime();
        }
    }
    return QDateTime(); // built into the kernel: no file of its own
}

struct RefreshRange
{
    int min = 0, max = 0;
    bool connected = false;
};

// Vertical range of the first connected monitor that describes one (EDID tag 0xFD).
RefreshRange refreshRange(const SysRoot &root, const QString &dir)
{
    RefreshRange range;
    for (const QString &card : root.list(dir + QStringLiteral("/drm"))) {
        if (!card.startsWith(QLatin1String("card")) || card.contains(QLatin1Char('-')))
            continue;
        const QString cardDir = dir + QStringLiteral("/drm/") + card;
        for (const QString &connector : root.list(cardDir)) {
            if (!connector.startsWith(card + QLatin1Char('-')))
                continue;
            const QString base = cardDir + QLatin1Char('/') + connector;
            if (root.readLine(base + QStringLiteral("/status")) != QLatin1String("connected"))
                continue;
            range.connected = true;
            const QByteArray edid = root.read(base + QStringLiteral("/edid"), 32768);
            if (edid.size() < 128 || !edid.startsWith(QByteArray::fromHex("00ffffffffffff00")))
                continue;
            for (int d = 54; d + 18 <= 126; d += 18) {
                const auto *b = reinterpret_cast<const uchar *>(edid.constData() + d);
                if (b[0] != 0 || b[1] != 0 || b[3] != 0xFD)
                    continue;
                // Byte 4 bits 1:0: "10" adds 255 to the maximum, "11" to both.
                range.min = b[5] + ((b[4] & 3) == 3 ? 255 : 0);
                range.max = b[6] + ((b[4] & 2) ? 255 : 0);
                return range;
            }
        }
    }
    return range;
}

} // namespace

QVector<wmi::Object> videoControllers(const SysRoot &root)
{
    struct Adapter
    {
        wmi::Object object;
        bool connected;
    };
    QVector<Adapter> adapters;
    const QString bus = QStringLiteral("/sys/bus/pci/devices/");
    for (const QString &address : root.list(bus)) {
        const QString dir = bus + address;
        const PciIds id = pciIds(root, dir);
        if (!id.valid || (id.classCode >> 16) != 0x03)
            continue;
        wmi::Object o;
        QString caption = ids::pciModelName(root, id.vendor, id.device, id.subVendor, id.subDevice);
        if (caption.isEmpty())
            caption = QStringLiteral("PCI %1:%2")
                          .arg(id.vendor, 4, 16, QLatin1Char('0'))
                          .arg(id.device, 4, 16, QLatin1Char('0'));
        o.insert(QStringLiteral("Caption"), wmi::bstr(caption));
        o.insert(QStringLiteral("Name"), wmi::bstr(caption));
        o.insert(QStringLiteral("Description"), wmi::bstr(caption));
        const auto memory = adapterMemory(root, dir, id.vendor, address);
        // AdapterRAM is a 32-bit count: larger memories read as 4 GB, as on Windows.
        o.insert(QStringLiteral("AdapterRAM"),
                 memory ? wmi::i4(qint32(quint32(qMin<quint64>(*memory, 0xFFFFFFFFu))))
                        : wmi::null());
        const QString driver = driverName(root, dir);
        QString module
            = root.readLink(dir + QStringLiteral("/driver/module")).section(QLatin1Char('/'), -1);
        if (module.isEmpty())
            module = driver;
        o.insert(QStringLiteral("DriverVersion"),
                 driver.isEmpty() ? wmi::null() : text(driverVersion(root, module)));
        o.insert(QStringLiteral("DriverDate"),
                 driver.isEmpty() ? wmi::null() : date(driverDate(root, module)));
        o.insert(QStringLiteral("AdapterCompatibility"),
                 text(adapterCompatibility(root, id.vendor)));
        o.insert(QStringLiteral("AdapterDACType"), wmi::null()); // no RAMDAC on Linux's view
        o.insert(QStringLiteral("Status"),
                 wmi::bstr(driver.isEmpty() ? QStringLiteral("Error") : QStringLiteral("OK")));
        const RefreshRange range = refreshRange(root, dir);
        o.insert(QStringLiteral("MaxRefreshRate"), range.max ? wmi::i4(range.max) : wmi::null());
        o.insert(QStringLiteral("MinRefreshRate"), range.min ? wmi::i4(range.min) : wmi::null());
        o.insert(QStringLiteral("PNPDeviceID"),
                 wmi::bstr(QStringLiteral("PCI\\VEN_%1&DEV_%2&SUBSYS_%3%4&REV_%5\\%6")
                               .arg(id.vendor, 4, 16, QLatin1Char('0'))
                               .arg(id.device, 4, 16, QLatin1Char('0'))
                               .arg(id.subDevice, 4, 16, QLatin1Char('0'))
                               .arg(id.subVendor, 4, 16, QLatin1Char('0'))
                               .arg(id.revision, 2, 16, QLatin1Char('0'))
                               .toUpper()
                               .arg(address)));
        o.insert(QStringLiteral("InstalledDisplayDrivers"), text(driver));
        o.insert(QStringLiteral("VideoArchitecture"), wmi::i4(id.classCode == 0x030000 ? 5 : 2));
        adapters.append({ o, range.connected });
    }

    // The screen figures belong to the adapters that drive a monitor; when no adapter reports
    // its connectors, to every adapter.
    const auto screen = plat::screenInfo();
    const int depth = screen ? screen->depth() : 0;
    const int refresh = screen ? screen->refreshHz() : 0;
    const auto fbDepth = number(root, QStringLiteral("/sys/class/graphics/fb0/bits_per_pixel"));
    bool anyConnected = false;
    for (const Adapter &a : adapters)
        anyConnected = anyConnected || a.connected;
    QVector<wmi::Object> out;
    for (Adapter &a : adapters) {
        const bool showing = a.connected || !anyConnected;
        a.object.insert(QStringLiteral("CurrentBitsPerPixel"),
                        !showing        ? wmi::null()
                            : depth > 0 ? wmi::i4(depth)
                                        : number(fbDepth));
        a.object.insert(QStringLiteral("CurrentRefreshRate"),
                        showing && refresh > 0 ? wmi::i4(refresh) : wmi::null());
        out.append(a.object);
    }
    return out;
}

} // namespace plat::sources
