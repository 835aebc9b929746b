// Win32_Processor: one object per physical package, from /proc/cpuinfo (linux_cpuinfo.cpp), the
// sysfs cache and frequency folders, two /proc/stat samples and, when readable, the SMBIOS
// processor entries.

#include "dmi.h"
#include "linux_bytes.h"
#include "linux_cpuinfo.h"
#include "linux_hwutil.h"
#include "linuxsources.h"
#include "loadsampler.h"

#include <QMap>
#include <QSet>

#include <limits>

namespace plat::sources {

namespace {

using namespace plat::hw;

QString cpuDir(int cpu)
{
    return QStringLiteral("/sys/devices/system/cpu/cpu%1").arg(cpu);
}

// Sum of the distinct caches of one level across the package, in KB; nullopt when sysfs
// describes no cache of that level.
std::optional<qint64> sysfsCacheKb(const SysRoot &root, const QVector<int> &cpus, int level)
{
    QSet<QString> seen;
    std::optional<qint64> total;
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
            // A size no cache has (negative, or beyond the 32-bit KB field) is a damaged file;
            // checked before scaling, so a huge figure cannot wrap into a plausible one.
            bool ok = false;
            const qint64 count = size.toLongLong(&ok);
            const qint64 limit = std::numeric_limits<qint32>::max();
            if (ok && count > 0 && count <= limit / scale)
                total = qMin(total.value_or(0) + count * scale, limit);
        }
    }
    return total;
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
        if (idle <= total) // else a damaged line
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
        // A counter that went backwards (a damaged or reset sample) gives no figure.
        if (!a.contains(cpu) || !b.contains(cpu) || b[cpu].second < a[cpu].second
            || b[cpu].first < a[cpu].first)
            return std::nullopt;
        busy += b[cpu].first - a[cpu].first;
        total += b[cpu].second - a[cpu].second;
    }
    if (total == 0 || busy > total)
        return std::nullopt;
    return qBound<qint64>(0, qRound64(100.0 * double(busy) / double(total)), 100);
}

} // namespace

QVector<wmi::Object> processors(const SysRoot &root)
{
    const QMap<int, cpuinfo::Package> pkgs = cpuinfo::packages(root);
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
    for (const cpuinfo::Package &p : pkgs) {
        const dmi::Structure *socket = index < sockets.size() ? sockets.at(index) : nullptr;
        const auto dmiString = [socket](int offset) {
            return socket ? socket->string(offset).value_or(QString()) : QString();
        };
        std::optional<bool> is64;
        if (!arch.isEmpty())
            is64 = is64Bit(arch);
        const cpuinfo::Identity id = cpuinfo::identify(p, is64);
        if (!is64)
            is64 = id.longMode;

        wmi::Object o;
        QString name = id.name;
        if (name.isEmpty())
            name = dmiString(0x10);
        o.insert(QStringLiteral("Name"), text(name));
        const int logical = p.cpus.size();
        o.insert(QStringLiteral("NumberOfLogicalProcessors"), wmi::i4(logical));
        o.insert(QStringLiteral("ThreadCount"), wmi::i4(logical));
        // Distinct cores: cpuinfo's core ids, else the kernel's topology, else the count
        // cpuinfo states; unknown when none says.
        int cores = p.coreIds.size();
        if (cores == 0) {
            QSet<qint64> ids;
            for (int cpu : p.cpus) {
                if (auto id = number(root, cpuDir(cpu) + QStringLiteral("/topology/core_id")))
                    ids.insert(*id);
            }
            cores = ids.size();
        }
        if (cores == 0)
            cores = p.value("cpu cores").toInt();
        o.insert(QStringLiteral("NumberOfCores"), cores > 0 ? wmi::i4(cores) : wmi::null());

        // Clocks in kHz from cpufreq, rounded to MHz.
        const QString freq = cpuDir(p.cpus.first()) + QStringLiteral("/cpufreq/");
        const auto cpufreqMhz = [&](const char *file) -> std::optional<qint64> {
            const auto khz = number(root, freq + QLatin1String(file));
            return khz && *khz > 0 ? std::optional<qint64>(*khz / 1000 + (*khz % 1000 >= 500))
                                   : std::nullopt;
        };
        // The rated maximum: never the clock of the moment.
        std::optional<qint64> maxMhz = cpufreqMhz("cpuinfo_max_freq");
        if (!maxMhz)
            maxMhz = cpufreqMhz("scaling_max_freq");
        if (!maxMhz && socket && socket->word(0x14).value_or(0) != 0)
            maxMhz = *socket->word(0x14);
        if (!maxMhz)
            maxMhz = id.ratedMhz;
        o.insert(QStringLiteral("MaxClockSpeed"), number(maxMhz));
        std::optional<qint64> curMhz = cpufreqMhz("scaling_cur_freq");
        if (!curMhz)
            curMhz = id.currentMhz;
        o.insert(QStringLiteral("CurrentClockSpeed"), number(curMhz));

        for (const int level : { 2, 3 }) {
            std::optional<qint64> kb = sysfsCacheKb(root, p.cpus, level);
            if (!kb)
                kb = cpuinfo::cacheKb(p, level);
            o.insert(level == 2 ? QStringLiteral("L2CacheSize") : QStringLiteral("L3CacheSize"),
                     number(kb));
        }
        // Windows reports the operating system's bitness here.
        o.insert(QStringLiteral("AddressWidth"), is64 ? wmi::i4(*is64 ? 64 : 32) : wmi::null());
        o.insert(QStringLiteral("Manufacturer"), text(id.manufacturer));
        o.insert(QStringLiteral("Description"), text(id.description));
        o.insert(QStringLiteral("Caption"), text(id.description));
        o.insert(QStringLiteral("Revision"), number(id.revision));
        o.insert(QStringLiteral("Level"), number(id.level));
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
