#include "tools/filesystemcheck.h"

#include "platform/launcher.h"
#include "platform/linux_hwutil.h"
#include "tools/counterpart.h"

#include <QFileInfo>
#include <QObject>
#include <QSet>
#include <QStandardPaths>
#include <QStorageInfo>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace FileSystemCheck {

namespace {

// Terminals with the option after which a command and its arguments follow. The command itself
// keeps the window open until the user has read the result.
const char terminals[] = "konsole -e|xfce4-terminal -x|xterm -e|"
                         "gnome-terminal --|mate-terminal -x|x-terminal-emulator -e";

// Runs the check given as its arguments after four texts, then says how it ended and waits.
// pkexec ends with 126 when the authorisation was dismissed and 127 when it failed.
const char resultScript[]
    = "ok=$1; failed=$2; denied=$3; closing=$4; shift 4; \"$@\"; status=$?; echo; "
      "case $status in 0) printf '%s\\n' \"$ok\";; 126|127) printf '%s\\n' \"$denied\";; "
      "*) printf '%s %s\\n' \"$failed\" \"$status\";; esac; echo; printf '%s' \"$closing\"; "
      "read -r answer";

// udev's names of what is not a file system: nothing to check there.
bool holdsNoFileSystem(const QString &type)
{
    return type == QLatin1String("swap") || type.endsWith(QLatin1String("_member"))
        || type == QLatin1String("crypto_LUKS") || type == QLatin1String("BitLocker")
        || type == QLatin1String("bcache");
}

// The file-system type that udev probed for the device (major:minor), empty when unknown.
QString udevFileSystemType(const plat::SysRoot &root, const QString &number)
{
    if (number.isEmpty())
        return QString();
    const QByteArray data
        = root.read(QStringLiteral("/run/udev/data/b") + number.trimmed(), 64 * 1024);
    for (const QByteArray &line : data.split('\n')) {
        if (line.startsWith("E:ID_FS_TYPE="))
            return QString::fromUtf8(line.mid(13)).trimmed();
    }
    return QString();
}

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
        const QString number = root.readLine(dir + QStringLiteral("/dev"));
        const QString type = udevFileSystemType(root, number);
        if (listed.contains(device) || swaps.contains(device) || mounted.holds(device, number)
            || !root.list(dir + QStringLiteral("/holders")).isEmpty() || holdsNoFileSystem(type))
            continue;
        // A disk divided into partitions holds no file system of its own.
        bool hasPartitions = false;
        for (const QString &child : root.list(dir)) {
            if (child.startsWith(name)
                && root.exists(dir + QLatin1Char('/') + child + QStringLiteral("/partition")))
                hasPartitions = true;
        }
        if (!hasPartitions)
            found.append({ device, QString(), type });
    }
    return found;
}

} // namespace

QString systemProgram(const QString &name)
{
    static const QStringList folders = { QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"),
                                         QStringLiteral("/usr/bin"), QStringLiteral("/bin") };
    return QStandardPaths::findExecutable(name, folders);
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
    const bool mounted = fileSystem.mounted();
    const bool repairing = repair && !mounted;
    const QString &device = fileSystem.device;
    QStringList command;
    // fsck's front end does nothing for these two (their fsck helpers only print a note), and
    // their offline checkers refuse a mounted volume: each gets its own tools.
    if (fileSystem.type == QLatin1String("xfs")) {
        if (mounted)
            command = QStringList { lookup(QStringLiteral("xfs_scrub")), QStringLiteral("-n"),
                                    fileSystem.mountPoint };
        else if (repairing)
            command = QStringList { lookup(QStringLiteral("xfs_repair")), device };
        else
            command = QStringList { lookup(QStringLiteral("xfs_repair")), QStringLiteral("-n"),
                                    device };
    } else if (fileSystem.type == QLatin1String("btrfs")) {
        // btrfs's own documentation warns that its offline repair may make damage worse: it is
        // not offered.
        if (mounted)
            command = QStringList { lookup(QStringLiteral("btrfs")),
                                    QStringLiteral("scrub"),
                                    QStringLiteral("start"),
                                    QStringLiteral("-B"),
                                    QStringLiteral("-r"),
                                    fileSystem.mountPoint };
        else if (!repairing)
            command = QStringList { lookup(QStringLiteral("btrfs")), QStringLiteral("check"),
                                    QStringLiteral("--readonly"), device };
    } else if (!holdsNoFileSystem(fileSystem.type)) {
        command = QStringList { lookup(QStringLiteral("fsck")),
                                repairing ? QStringLiteral("-y") : QStringLiteral("-n"), device };
    }
    if (command.isEmpty() || command.constFirst().isEmpty())
        return QStringList();
    return command;
}

QStringList terminalCommand(const CheckableFileSystem &fileSystem, bool repair,
                            const ProgramLookup &lookup)
{
    const QStringList check = checkCommand(fileSystem, repair, lookup);
    if (check.isEmpty())
        return QStringList();
    return QStringList { QStringLiteral("/bin/sh"),
                         QStringLiteral("-c"),
                         QString::fromLatin1(resultScript),
                         QStringLiteral("sh"),
                         QObject::tr("The check found no errors."),
                         QObject::tr("The check found errors or could not finish. Exit code:"),
                         QObject::tr(
                             "The check did not run: the authorisation was refused or failed."),
                         QObject::tr("Press Enter to close this window.") }
    + QStringList { QStringLiteral("pkexec") } + check;
}

qint64 startCheck(const CheckableFileSystem &fileSystem, bool repair, const ProgramLookup &lookup)
{
    const std::optional<CounterpartCommand> terminal
        = Counterpart::resolve(QString::fromLatin1(terminals));
    if (!terminal)
        return plat::shell::FileNotFound;
    // Mounted since the list was made: never repair it.
    if (repair && !fileSystem.mounted() && isMounted(fileSystem.device))
        repair = false;
    const QStringList command = terminalCommand(fileSystem, repair, lookup);
    if (command.isEmpty())
        return plat::shell::FileNotFound;
    CounterpartCommand launch = *terminal;
    launch.arguments << command;
    return Counterpart::launch(launch);
}

QString displayText(const CheckableFileSystem &fileSystem)
{
    if (!fileSystem.mounted())
        return fileSystem.type.isEmpty()
            ? fileSystem.device
            : QStringLiteral("%1 (%2)").arg(fileSystem.device, fileSystem.type);
    if (fileSystem.type.isEmpty())
        return QStringLiteral("%1 (%2)").arg(fileSystem.mountPoint, fileSystem.device);
    return QStringLiteral("%1 (%2, %3)")
        .arg(fileSystem.mountPoint, fileSystem.device, fileSystem.type);
}

} // namespace FileSystemCheck
