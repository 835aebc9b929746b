// Win32_CDROMDrive: the SCSI CD-ROM block devices (srN), their capabilities in the kernel's
// cdrom table and, on the running system, the drive's own disc status.

#include "linux_hwutil.h"
#include "linuxsources.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace plat::sources {

namespace {

using namespace plat::hw;

// One column of /proc/sys/dev/cdrom/info ("drive name:  sr1  sr0"); columns are per drive.
QHash<QByteArray, QByteArray> cdromInfo(const SysRoot &root, const QString &name)
{
    QHash<QByteArray, QByteArray> out;
    const QList<QByteArray> lines
        = root.read(QStringLiteral("/proc/sys/dev/cdrom/info"), 65536).split('\n');
    int column = -1;
    for (const QByteArray &line : lines) {
        const int colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray key = line.left(colon).trimmed();
        const QList<QByteArray> values = line.mid(colon + 1).simplified().split(' ');
        if (key == "drive name")
            column = values.indexOf(name.toLatin1());
        else if (column >= 0 && column < values.size())
            out.insert(key, values.at(column));
    }
    return out;
}

// CDROM_DRIVE_STATUS of /dev/srN. Fixture trees hold the status number in a plain file there.
std::optional<int> driveStatus(const SysRoot &root, const QString &name)
{
    const QString node = QStringLiteral("/dev/") + name;
    if (!root.isLive()) {
        bool ok = false;
        const int status = root.readLine(node).toInt(&ok);
        return ok ? std::optional<int>(status) : std::nullopt;
    }
    const QByteArray path = QFile::encodeName(node);
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt; // no permission (not in the cdrom group) or no node
    const int status = ::ioctl(fd, CDROM_DRIVE_STATUS, CDSL_CURRENT);
    ::close(fd);
    return status >= 0 ? std::optional<int>(status) : std::nullopt;
}

QString mountPointOf(const QVector<Mount> &table, const QString &node)
{
    for (const Mount &m : table) {
        if (m.source == node)
            return m.mountPoint;
    }
    return QString();
}

} // namespace

QVector<wmi::Object> cdromDrives(const SysRoot &root)
{
    QVector<wmi::Object> out;
    const QVector<Mount> table = mounts(root);
    for (const QString &name : root.list(QStringLiteral("/sys/class/block"))) {
        if (!name.startsWith(QLatin1String("sr")))
            continue;
        const QString device
            = QStringLiteral("/sys/class/block/") + name + QStringLiteral("/device");
        const QString vendor = root.readLine(device + QStringLiteral("/vendor"));
        const QString model = root.readLine(device + QStringLiteral("/model"));
        const QString hctl = root.canonical(device).section(QLatin1Char('/'), -1);
        const QStringList address = hctl.split(QLatin1Char(':'));
        const auto part = [&address](int i) -> wmi::VARIANT {
            bool ok = false;
            const int v = address.value(i).toInt(&ok);
            return address.size() == 4 && ok ? wmi::i4(v) : wmi::null();
        };
        const auto info = cdromInfo(root, name);
        const auto status = driveStatus(root, name);
        const QString caption = (vendor + QLatin1Char(' ') + model).trimmed();

        wmi::Object o;
        o.insert(QStringLiteral("Caption"), text(caption));
        o.insert(QStringLiteral("Name"), text(caption));
        o.insert(QStringLiteral("Availability"), wmi::i4(3)); // running, full power
        o.insert(QStringLiteral("Manufacturer"), text(vendor));
        o.insert(QStringLiteral("MfrAssignedRevisionLevel"),
                 text(root.readLine(device + QStringLiteral("/rev"))));
        o.insert(QStringLiteral("MediaLoaded"),
                 status ? wmi::boolean(*status == CDS_DISC_OK) : wmi::null());
        o.insert(QStringLiteral("Description"), wmi::bstr(QStringLiteral("CD-ROM Drive")));
        o.insert(
            QStringLiteral("DeviceID"),
            wmi::bstr(QStringLiteral("SCSI\\CDROM&VEN_%1&PROD_%2\\%3")
                          .arg(QString(vendor).replace(QLatin1Char(' '), QLatin1Char('_')),
                               QString(model).replace(QLatin1Char(' '), QLatin1Char('_')), hctl)));
        // The mount point stands for the drive letter.
        QString drive = mountPointOf(table, QStringLiteral("/dev/") + name);
        o.insert(QStringLiteral("Drive"),
                 wmi::bstr(drive.isEmpty() ? QStringLiteral("/dev/") + name : drive));
        QString mediaType;
        if (!info.isEmpty()) {
            if (info.value("Can write DVD-R") == "1")
                mediaType = QStringLiteral("DVD Writer");
            else if (info.value("Can read DVD") == "1")
                mediaType = QStringLiteral("DVD-ROM");
            else if (info.value("Can write CD-R") == "1")
                mediaType = QStringLiteral("CD Writer");
            else
                mediaType = QStringLiteral("CD-ROM");
        }
        o.insert(QStringLiteral("MediaType"), text(mediaType));
        o.insert(QStringLiteral("SCSIPort"), part(0));
        o.insert(QStringLiteral("SCSIBus"), part(1));
        o.insert(QStringLiteral("SCSILogicalUnit"), part(3));
        // KB/s at the drive's top CD speed (1x = 176.4 KB/s); -1 when no disc is in.
        bool ok = false;
        const int speed = info.value("drive speed").toInt(&ok);
        wmi::VARIANT rate = wmi::null();
        if (status && *status != CDS_DISC_OK)
            rate = wmi::r8(-1);
        else if (status && ok && speed > 0)
            rate = wmi::r8(speed * 176.4);
        o.insert(QStringLiteral("TransferRate"), rate);
        o.insert(QStringLiteral("Status"), wmi::bstr(QStringLiteral("OK")));
        out.append(o);
    }
    return out;
}

} // namespace plat::sources
