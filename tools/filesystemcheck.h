#pragma once
// The file systems a user can have checked, and the command lines of the checks. A check that
// repairs is built only for a file system that is not mounted: repairing a mounted one corrupts
// it.

#include "platform/sysroot.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

struct CheckableFileSystem
{
    QString device; // "/dev/sda1"
    QString mountPoint; // empty when not mounted
    QString type; // "ext4"; empty when not known
    bool mounted() const { return !mountPoint.isEmpty(); }
};

namespace FileSystemCheck {

// Full path of a system program (looked up in the sbin folders too, which a user's PATH often
// lacks); the bare name when it is not installed.
using ProgramLookup = std::function<QString(const QString &name)>;
QString systemProgram(const QString &name);

// The writable file systems mounted from block devices, one entry per device, then the block
// devices (partitions, or disks without partitions) that are neither mounted, nor active swap,
// nor held by another device.
QVector<CheckableFileSystem> checkableFileSystems(const plat::SysRoot &root = plat::SysRoot());

// Whether anything is mounted from the device now (compared by device number).
bool isMounted(const QString &device, const plat::SysRoot &root = plat::SysRoot());

// The checker and its arguments, to run through pkexec: a read-only check, or a repairing one
// when repair is asked and the file system is not mounted.
QStringList checkCommand(const CheckableFileSystem &fileSystem, bool repair,
                         const ProgramLookup &lookup = systemProgram);

// Opens a terminal that runs the check through pkexec; the shell-style launch result (2 when no
// terminal is installed). repair is ignored for a mounted file system.
qint64 startCheck(const CheckableFileSystem &fileSystem, bool repair);

// The entry's text in the list: "/ (/dev/vda, ext4)" or "/dev/sdb1".
QString displayText(const CheckableFileSystem &fileSystem);

} // namespace FileSystemCheck
