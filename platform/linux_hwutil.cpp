#include "linux_hwutil.h"

#include "linux_bytes.h"

#include <QRegularExpression>

#include <limits>

#include <sys/utsname.h>

namespace plat::hw {

QHash<QByteArray, QByteArray> udevProperties(const SysRoot &root, const QString &id)
{
    QHash<QByteArray, QByteArray> props;
    const QByteArray data = root.read(QStringLiteral("/run/udev/data/") + id, 1024 * 1024);
    for (const QByteArray &line : data.split('\n')) {
        if (!line.startsWith("E:"))
            continue;
        const int eq = line.indexOf('=');
        if (eq > 2)
            props.insert(line.mid(2, eq - 2), line.mid(eq + 1));
    }
    return props;
}

QString udevDecode(const QByteArray &value)
{
    QByteArray out;
    out.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        if (value.at(i) == '\\' && i + 3 < value.size() && value.at(i + 1) == 'x') {
            bool ok = false;
            const int c = value.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                out.append(char(c));
                i += 3;
                continue;
            }
        }
        out.append(value.at(i));
    }
    return QString::fromUtf8(out).trimmed();
}

namespace {

// mountinfo escapes blanks and backslashes as octal ("\040").
QString unescapeOctal(const QByteArray &field)
{
    QByteArray out;
    for (int i = 0; i < field.size(); ++i) {
        if (field.at(i) == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int c = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out.append(char(c));
                i += 3;
                continue;
            }
        }
        out.append(field.at(i));
    }
    return QString::fromUtf8(out);
}

} // namespace

QVector<Mount> mounts(const SysRoot &root)
{
    QVector<Mount> out;
    const QByteArray data = root.read(QStringLiteral("/proc/self/mountinfo"));
    for (const QByteArray &line : data.split('\n')) {
        // id parent major:minor root mount-point options [optional...] - fstype source super
        const QList<QByteArray> fields = line.split(' ');
        const int dash = fields.indexOf("-");
        if (fields.size() < 5 || dash < 0 || dash + 2 >= fields.size())
            continue;
        out.append({ unescapeOctal(fields.at(dash + 2)), unescapeOctal(fields.at(4)),
                     QString::fromLatin1(fields.at(2)) });
    }
    return out;
}

std::optional<qint64> number(const SysRoot &root, const QString &path)
{
    QByteArray data;
    if (!root.read(path, &data, 4096))
        return std::nullopt;
    bool ok = false;
    const qint64 v = bytes::toInt64(data, &ok);
    return ok ? std::optional<qint64>(v) : std::nullopt;
}

QString machine(const SysRoot &root)
{
    const QString arch = root.readLine(QStringLiteral("/proc/sys/kernel/arch"));
    if (!arch.isEmpty() || !root.isLive())
        return arch;
    struct utsname u;
    return uname(&u) == 0 ? QString::fromLatin1(u.machine) : QString();
}

bool is64Bit(const QString &machine)
{
    return machine.contains(QLatin1String("64")) || machine == QLatin1String("s390x");
}

PciIds pciIds(const SysRoot &root, const QString &deviceDir)
{
    PciIds ids;
    bool okVendor = false, okDevice = false, ok = false;
    ids.vendor
        = quint16(bytes::hexId(root.read(deviceDir + QStringLiteral("/vendor"), 64), &okVendor));
    ids.device
        = quint16(bytes::hexId(root.read(deviceDir + QStringLiteral("/device"), 64), &okDevice));
    ids.subVendor = quint16(
        bytes::hexId(root.read(deviceDir + QStringLiteral("/subsystem_vendor"), 64), &ok));
    ids.subDevice = quint16(
        bytes::hexId(root.read(deviceDir + QStringLiteral("/subsystem_device"), 64), &ok));
    ids.revision
        = quint8(bytes::hexId(root.read(deviceDir + QStringLiteral("/revision"), 64), &ok));
    ids.classCode = quint32(bytes::hexId(root.read(deviceDir + QStringLiteral("/class"), 64), &ok));
    ids.valid = okVendor && okDevice;
    return ids;
}

QString driverName(const SysRoot &root, const QString &deviceDir)
{
    const QString target = root.readLink(deviceDir + QStringLiteral("/driver"));
    return target.isEmpty() ? QString() : target.section(QLatin1Char('/'), -1);
}

QString pciAncestor(const QString &devicePath)
{
    static const QRegularExpression address(
        QStringLiteral("^[0-9a-f]{4}:[0-9a-f]{2}:[0-9a-f]{2}\\.[0-7]$"));
    QStringList parts = devicePath.split(QLatin1Char('/'));
    while (!parts.isEmpty()) {
        if (address.match(parts.last()).hasMatch())
            return parts.join(QLatin1Char('/'));
        parts.removeLast();
    }
    return QString();
}

wmi::VARIANT text(const QString &s)
{
    return s.isEmpty() ? wmi::null() : wmi::bstr(s);
}

wmi::VARIANT number(std::optional<qint64> v)
{
    // VT_I4 carries CIM uint32 values as their 32-bit pattern, as WMI does; a value beyond
    // 32 bits has no such pattern and comes from a damaged source.
    if (!v || *v < std::numeric_limits<qint32>::min()
        || *v > qint64(std::numeric_limits<quint32>::max()))
        return wmi::null();
    return wmi::i4(qint32(quint32(*v)));
}

wmi::VARIANT date(const QDateTime &t)
{
    return t.isValid() ? wmi::bstr(wmi::toCimDateTime(t)) : wmi::null();
}

} // namespace plat::hw
