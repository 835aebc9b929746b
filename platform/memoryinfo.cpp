#include "memoryinfo.h"

#include "dmi.h"

#include <sys/sysinfo.h>

namespace plat {

std::optional<quint64> LinuxMemoryInfo::installedKb()
{
    // The memory modules' sizes (SMBIOS type 17; root only on most systems).
    if (const auto table = dmi::table(m_root)) {
        quint64 bytes = 0;
        for (const dmi::Structure *device : table->ofType(17)) {
            if (const auto size = dmi::memoryDeviceSize(*device))
                bytes += *size;
        }
        if (bytes > 0)
            return bytes / 1024;
    }
    // Without root: the memory blocks the kernel has online.
    const QString base = QStringLiteral("/sys/devices/system/memory");
    bool ok = false;
    const quint64 blockSize
        = m_root.readLine(base + QStringLiteral("/block_size_bytes")).toULongLong(&ok, 16);
    if (!ok || blockSize == 0)
        return std::nullopt;
    quint64 online = 0;
    for (const QString &entry : m_root.list(base)) {
        if (!entry.startsWith(QLatin1String("memory")))
            continue;
        const QString dir = base + QLatin1Char('/') + entry;
        const QString flag = m_root.readLine(dir + QStringLiteral("/online"));
        if (flag == QLatin1String("1")
            || (flag.isEmpty()
                && m_root.readLine(dir + QStringLiteral("/state")) == QLatin1String("online")))
            ++online;
    }
    if (online == 0)
        return std::nullopt;
    return online * blockSize / 1024;
}

std::optional<quint64> LinuxMemoryInfo::totalPhysBytes()
{
    if (m_root.isLive()) {
        struct sysinfo info = {};
        if (::sysinfo(&info) != 0)
            return std::nullopt;
        return quint64(info.totalram) * quint64(info.mem_unit ? info.mem_unit : 1);
    }
    const QByteArray meminfo = m_root.read(QStringLiteral("/proc/meminfo"));
    for (const QByteArray &line : meminfo.split('\n')) {
        if (!line.startsWith("MemTotal:"))
            continue;
        const QList<QByteArray> fields = line.simplified().split(' ');
        bool ok = false;
        const quint64 kb = fields.value(1).toULongLong(&ok);
        if (ok)
            return kb * 1024;
    }
    return std::nullopt;
}

} // namespace plat
