// Win32_Processor: one object per physical package, from /proc/cpuinfo, the sysfs cache and
// frequency folders, two /proc/stat samples and, when readable, the SMBIOS processor entries.

#include "dmi.h"
#include "linux_bytes.h"
#include "linux_hwutil.h"
#include "linuxsources.h"
#include "loadsampler.h"

#include <QMap>
#include <QSet>

#include <limits>

namespace plat::sources {

namespace {

using namespace plat::hw;

struct Package
{
    QVector<int> cpus;
    QHash<QByteArray, QByteArray> first; // the first CPU's cpuinfo fields
    QSet<QByteArray> coreIds;
};

QHash<QByteArray, QByteArray> fields(const QByteArray &block)
{
    QHash<QByteArray, QByteArray> out;
    for (const QByteArray &line : block.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0)
            out.insert(line.left(colon).trimmed(), line.mid(colon + 1).trimmed());
    }
    return out;
}

// Packages keyed by physical id; without one every CPU belongs to package 0.
QMap<int, Package> packages(const SysRoot &root)
{
    QMap<int, Package> out;
    QByteArray info = root.read(QStringLiteral("/proc/cpuinfo"));
    info.replace("\n\n", "\f"); // one block per logical CPU
    for (const QByteArray &block : info.split('\f')) {
        const QHash<QByteArray, QByteArray> f = fields(block);
        bool ok = false;
        const int cpu = f.value("processor").toInt(&ok);
        if (!ok)
            continue;
        Package &p = out[f.value("physical id", "0").toInt()];
        if (p.cpus.isEmpty())
            p.first = f;
        p.cpus.append(cpu);
        if (f.contains("core id"))
            p.coreIds.insert(f.value("core id"));
    }
    return out;
}

QString cpuDir(int cpu)
{
    return QStringLiteral("/sys/devices/system/cpu/cpu%1").arg(cpu);
}

// Sum of the distinct caches of one level across the package, in KB.
int cacheKb(const SysRoot &root, const QVector<int> &cpus, int level)
{
    QSet<QString> seen;
    qint64 total = 0;
    for (int cpu : cpus) {
        const QString dir = cpuDir(cpu) + QStringLiteral("/cache");
        for (const QString &index : root.list(dir)) {
            const QString base = dir + QLatin1Char('/') + index + QLatin1Char('/');
            if (!index.startsWith(QLatin1String("index"))
                || number(root, base + QStringLiteral("level")).value_or(0) != level)
                continue;
            const QString type = root.readLine(base + QStringLiteral("type"));
            const QString key
                = type + QLatin1Char('|') + root.readLine(base + QStringLiteral("shared_cpu_list"));
            if (seen.contains(key))
                continue;
            seen.insert(key);
            QString size = root.readLine(base + QStringLiteral("size"));
            qint64 scale = 1;
            if (size.endsWith(QLatin1Char('K'))) {
                size.chop(1);
            } else if (size.endsWith(QLatin1Char('M'))) {
                size.chop(1);
                scale = 1024;
            }
            // A size no cache has (negative, or beyond the 32-bit KB field) is a damaged file.
            const qint64 kb = size.toLongLong() * scale;
            if (kb > 0 && kb <= std::numeric_limits<qint32>::max())
                total += kb;
        }
    }
    return int(qMin<qint64>(total, std::numeric_limits<qint32>::max()));
}

// Busy and total jiffies per CPU from /proc/stat.
QHash<int, QPair<quint64, quint64>> statSample(const QByteArray &stat)
{
    QHash<int, QPair<quint64, quint64>> out;
    for (const QByteArray &line : stat.split('\n')) {
        if (!line.startsWith("cpu") || line.size() < 4 || line.at(3) == ' ')
            continue;
        const QList<QByteArray> f = line.simplified().split(' ');
        bool ok = false;
        const int cpu = f.at(0).mid(3).toInt(&ok);
        if (!ok || f.size() < 5)
            continue;
        quint64 total = 0; // user..steal; guest time is already inside user
        for (int i = 1; i < f.size() && i <= 8; ++i)
            total += f.at(i).toULongLong();
        const quint64 idle = f.at(4).toULongLong() + (f.size() > 5 ? f.at(5).toULongLong() : 0);
        out.insert(cpu, qMakePair(total - idle, total));
    }
    return out;
}

std::optional<qint64> loadPercent(const QHash<int, QPair<quint64, quint64>> &a,
                                  const QHash<int, QPair<quint64, quint64>> &b,
                                  const QVector<int> &cpus)
{
    quint64 busy = 0, total = 0;
    for (int cpu : cpus) {
        if (!a.contains(cpu) || !b.contains(cpu) || b[cpu].second < a[cpu].second)
            return std::nullopt;
        busy += b[cpu].first - a[cpu].first;
        total += b[cpu].second - a[cpu].second;
    }
    if (total == 0)
        return std::nullopt;
    return qBound<qint64>(0, qRound64(100.0 * double(busy) / double(total)), 100);
}

QString armImplementer(const QByteArray &code)
{
    static const QHash<int, QString> names
        = { { 0x41, QStringLiteral("ARM") },      { 0x42, QStringLiteral("Broadcom") },
            { 0x43, QStringLiteral("Cavium") },   { 0x48, QStringLiteral("HiSilicon") },
            { 0x4e, QStringLiteral("NVIDIA") },   { 0x50, QStringLiteral("APM") },
            { 0x51, QStringLiteral("Qualcomm") }, { 0x61, QStringLiteral("Apple") },
            { 0x69, QStringLiteral("Intel") },    { 0xc0, QStringLiteral("Ampere") } };
    return names.value(bytes::hexId(code), QString());
}

} // namespace

QVector<wmi::Object> processors(const SysRoot &root)
{
    const QMap<int, Package> pkgs = packages(root);
    // Load: the counters at both ends of the sampler's latest window.
    const auto window = LoadSampler::forRoot(root)->latest();
    const auto first = statSample(window ? window->before : QByteArray());
    const auto second = statSample(window ? window->after : QByteArray());

    const auto table = dmi::table(root);
    QVector<const dmi::Structure *> sockets; // populated sockets, in table order
    for (const dmi::Structure *s : table->ofType(4)) {
        if (s->byte(0x18).value_or(0) & 0x40)
            sockets.append(s);
    }
    const QString arch = machine(root);

    QVector<wmi::Object> out;
    int index = 0;
    for (const Package &p : pkgs) {
        const dmi::Structure *socket = index < sockets.size() ? sockets.at(index) : nullptr;
        const auto dmiString = [socket](int offset) {
            return socket ? socket->string(offset).value_or(QString()) : QString();
        };
        wmi::Object o;
        const auto &f = p.first;
        const bool x86 = f.contains("vendor_id");
        QString name = QString::fromUtf8(f.value("model name"));
        if (name.isEmpty())
            name = dmiString(0x10); // ARM cpuinfo has no model name
        o.insert(QStringLiteral("Name"), text(name));
        const int logical = p.cpus.size();
        o.insert(QStringLiteral("NumberOfLogicalProcessors"), wmi::i4(logical));
        o.insert(QStringLiteral("ThreadCount"), wmi::i4(logical));
        int cores = p.coreIds.size();
        if (cores == 0)
            cores = f.value("cpu cores").toInt();
        o.insert(QStringLiteral("NumberOfCores"), wmi::i4(cores > 0 ? cores : logical));

        const QString freq = cpuDir(p.cpus.first()) + QStringLiteral("/cpufreq/");
        const auto cpuMhz = [&f]() -> std::optional<qint64> {
            bool ok = false;
            const double mhz = f.value("cpu MHz").toDouble(&ok);
            // Out of range (or inf/nan) it is no clock speed, and would not convert.
            return ok && mhz >= 0 && mhz < 1e9 ? std::optional<qint64>(qRound64(mhz))
                                               : std::nullopt;
        };
        std::optional<qint64> maxMhz;
        if (auto khz = number(root, freq + QStringLiteral("cpuinfo_max_freq")))
            maxMhz = *khz / 1000;
        else if (socket && socket->word(0x14).value_or(0) != 0)
            maxMhz = *socket->word(0x14);
        else
            maxMhz = cpuMhz();
        o.insert(QStringLiteral("MaxClockSpeed"), number(maxMhz));
        std::optional<qint64> curMhz;
        if (auto khz = number(root, freq + QStringLiteral("scaling_cur_freq")))
            curMhz = *khz / 1000;
        else
            curMhz = cpuMhz();
        o.insert(QStringLiteral("CurrentClockSpeed"), number(curMhz));

        o.insert(QStringLiteral("L2CacheSize"), wmi::i4(cacheKb(root, p.cpus, 2)));
        o.insert(QStringLiteral("L3CacheSize"), wmi::i4(cacheKb(root, p.cpus, 3)));
        // Windows reports the operating system's bitness here.
        o.insert(QStringLiteral("AddressWidth"),
                 arch.isEmpty() ? wmi::null() : wmi::i4(is64Bit(arch) ? 64 : 32));
        QString vendor = QString::fromUtf8(f.value("vendor_id"));
        if (vendor.isEmpty())
            vendor = armImplementer(f.value("CPU implementer"));
        o.insert(QStringLiteral("Manufacturer"), text(vendor));

        bool okFamily = false, okModel = false, okStepping = false;
        const int family = f.value("cpu family").toInt(&okFamily);
        const int model = f.value("model").toInt(&okModel);
        const int stepping = f.value("stepping").toInt(&okStepping);
        QString description;
        if (x86 && okFamily && okModel && okStepping) {
            const QString prefix = !is64Bit(arch)         ? QStringLiteral("x86")
                : vendor == QLatin1String("GenuineIntel") ? QStringLiteral("Intel64")
                                                          : QStringLiteral("AMD64");
            description = QStringLiteral("%1 Family %2 Model %3 Stepping %4")
                              .arg(prefix)
                              .arg(family)
                              .arg(model)
                              .arg(stepping);
        }
        o.insert(QStringLiteral("Description"), text(description));
        o.insert(QStringLiteral("Caption"), text(description));
        // Model and stepping are byte fields; anything larger is a damaged cpuinfo.
        const bool revisionOk = x86 && okModel && okStepping && model >= 0 && model <= 0xFF
            && stepping >= 0 && stepping <= 0xFF;
        o.insert(QStringLiteral("Revision"),
                 revisionOk ? wmi::i4((model << 8) | stepping) : wmi::null());
        o.insert(QStringLiteral("Level"), okFamily ? wmi::i4(family) : wmi::null());
        o.insert(QStringLiteral("DeviceID"), wmi::bstr(QStringLiteral("CPU%1").arg(index)));
        o.insert(QStringLiteral("Role"), wmi::bstr(QStringLiteral("CPU")));
        o.insert(QStringLiteral("Status"), wmi::bstr(QStringLiteral("OK")));
        o.insert(QStringLiteral("LoadPercentage"), number(loadPercent(first, second, p.cpus)));

        // SMBIOS processor entry (root only).
        o.insert(QStringLiteral("SocketDesignation"), text(dmiString(0x04)));
        o.insert(QStringLiteral("Version"), text(dmiString(0x10)));
        o.insert(QStringLiteral("PartNumber"), text(dmiString(0x22)));
        const quint8 voltage = socket ? socket->byte(0x11).value_or(0) : 0;
        o.insert(QStringLiteral("CurrentVoltage"),
                 voltage & 0x80 ? wmi::i4(voltage & 0x7F) : wmi::null());
        const auto type = socket ? socket->byte(0x05) : std::nullopt;
        o.insert(QStringLiteral("ProcessorType"), wmi::i4(type && *type ? *type : 3));
        // The CPUs listed in cpuinfo are the online ones: without SMBIOS, "enabled".
        o.insert(QStringLiteral("CpuStatus"),
                 wmi::i4(socket ? socket->byte(0x18).value_or(1) & 7 : 1));
        out.append(o);
        ++index;
    }
    return out;
}

} // namespace plat::sources
