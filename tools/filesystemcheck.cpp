#include "tools/filesystemcheck.h"

#include "platform/launcher.h"
#include "platform/linux_hwutil.h"
#include "tools/counterpart.h"

#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QStorageInfo>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace FileSystemCheck {

namespace {

// Terminals that can keep their window open after the check, so its report stays readable.
const char terminals[] = "konsole --hold -e|xfce4-terminal --hold -x|xterm -hold -e|"
                         "gnome-terminal --|mate-terminal -x|x-terminal-emulator -e";

QString deviceNumber(const QString &device)
{
    struct stat info;
    const QByteArray path = QFile::encodeName(device);
    if (::stat(path.constData(), &info) != 0 || !S_ISBLK(info.st_mode))
        return QString();
    return QStringLiteral("%1:%2").arg(major(info.st_rdev)).arg(minor(info.st_rdev));
}

// What is mounted, by device number and by source name: btrfs and a few others report an
// anonymous device number, so the number alone would miss them.
struct MountTable
{
    QSet<QString> numbers;
    QSet<QString> sources;

    bool holds(const QString &device, const QString &number) const
    {
        return (!number.isEmpty() && numbers.contains(number)) || sources.contains(device);
    }
};

MountTable mountTable(const plat::SysRoot &root)
{
    MountTable table;
    for (const plat::hw::Mount &mount : plat::hw::mounts(root)) {
        table.numbers.insert(mount.majorMinor);
        table.sources.insert(mount.source);
        // /dev/mapper/<name> and /dev/disk/by-*/ links name the same device as /dev/dm-N.
        const QString canonical
            = root.isLive() ? QFileInfo(mount.source).canonicalFilePath() : QString();
        if (!canonical.isEmpty())
            table.sources.insert(canonical);
    }
    return table;
}

QSet<QString> activeSwapDevices(const plat::SysRoot &root)
{
    QSet<QString> devices;
    const QList<QByteArray> lines = root.read(QStringLiteral("/proc/swaps")).split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray name = lines.at(i).split(' ').value(0);
        if (!name.isEmpty())
            devices.insert(QString::fromUtf8(name));
    }
    return devices;
}

bool skippedDeviceName(const QString &name)
{
    static const char *const prefixes[] = { "loop", "ram", "zram", "sr", "fd" };
    for (const char *prefix : prefixes) {
        if (name.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

QVector<CheckableFileSystem> unmountedBlockDevices(const plat::SysRoot &root,
                                                   const QSet<QString> &listed)
{
    const QString blockDir = QStringLiteral("/sys/class/block");
    const MountTable mounted = mountTable(root);
    const QSet<QString> swaps = activeSwapDevices(root);
    QVector<CheckableFileSystem> found;
    const QStringList names = root.list(blockDir);
    for (const QString &name : names) {
        const QString dir = blockDir + QLatin1Char('/') + name;
        if (skippedDeviceName(name)
            || plat::hw::number(root, dir + QStringLiteral("/size")).value_or(0) == 0)
            continue;
        const QString device = QStringLiteral("/dev/") + name;
        if (listed.contains(device) || swaps.contains(device)
            || mounted.holds(device, root.readLine(dir + QStringLiteral("/dev")))
            || !root.list(dir + QStringLiteral("/holders")).isEmpty())
            continue;
        // A disk divided into partitions holds no file system of its own.
        bool hasPartitions = false;
        for (const QString &child : root.list(dir)) {
            if (child.startsWith(name)
                && root.exists(dir + QLatin1Char('/') + child + QStringLiteral("/partition")))
                hasPartitions = true;
        }
        if (!hasPartitions)
            found.append({ device, QString(), QString() });
    }
    return found;
}

} // namespace

QString systemProgram(const QString &name)
{
    static const QStringList folders = { QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"),
                                         QStringLiteral("/usr/bin"), QStringLiteral("/bin") };
    const QString path = QStandardPaths::findExecutable(name, folders);
    return path.isEmpty() ? name : path;
}

QVector<CheckableFileSystem> checkableFileSystems(const plat::SysRoot &root)
{
    QVector<CheckableFileSystem> found;
    QSet<QString> listed;
    if (root.isLive()) {
        for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
            const QString device = QString::fromLocal8Bit(volume.device());
            if (!volume.isValid() || !volume.isReady() || volume.isReadOnly()
                || !device.startsWith(QLatin1String("/dev/")) || listed.contains(device))
                continue;
            listed.insert(device);
            found.append(
                { device, volume.rootPath(), QString::fromLatin1(volume.fileSystemType()) });
        }
    }
    return found + unmountedBlockDevices(root, listed);
}

bool isMounted(const QString &device, const plat::SysRoot &root)
{
    const QString canonical = QFileInfo(device).canonicalFilePath();
    const MountTable mounted = mountTable(root);
    return mounted.holds(device, deviceNumber(device))
        || (!canonical.isEmpty() && mounted.sources.contains(canonical));
}

QStringList checkCommand(const CheckableFileSystem &fileSystem, bool repair,
                         const ProgramLookup &lookup)
{
    const bool repairing = repair && !fileSystem.mounted();
    const QString &device = fileSystem.device;
    // fsck's generic front end does nothing for these two: their own checkers do the work.
    if (fileSystem.type == QLatin1String("xfs")) {
        if (repairing)
            return { lookup(QStringLiteral("xfs_repair")), device };
        return { lookup(QStringLiteral("xfs_repair")), QStringLiteral("-n"), device };
    }
    if (fileSystem.type == QLatin1String("btrfs"))
        return { lookup(QStringLiteral("btrfs")), QStringLiteral("check"),
                 QStringLiteral("--readonly"), device };
    return { lookup(QStringLiteral("fsck")),
             repairing ? QStringLiteral("-y") : QStringLiteral("-n"), device };
}

qint64 startCheck(const CheckableFileSystem &fileSystem, bool repair)
{
    const std::optional<CounterpartCommand> terminal
        = Counterpart::resolve(QString::fromLatin1(terminals));
    if (!terminal)
        return plat::shell::FileNotFound;
    // Mounted since the list was made: never repair it.
    CheckableFileSystem current = fileSystem;
    if (repair && !current.mounted() && isMounted(current.device))
        current.mountPoint = current.device;
    CounterpartCommand command = *terminal;
    command.arguments << QStringLiteral("pkexec") << checkCommand(current, repair);
    return Counterpart::launch(command);
}

QString displayText(const CheckableFileSystem &fileSystem)
{
    if (!fileSystem.mounted())
        return fileSystem.device;
    if (fileSystem.type.isEmpty())
        return QStringLiteral("%1 (%2)").arg(fileSystem.mountPoint, fileSystem.device);
    return QStringLiteral("%1 (%2, %3)")
        .arg(fileSystem.mountPoint, fileSystem.device, fileSystem.type);
}

} // namespace FileSystemCheck
