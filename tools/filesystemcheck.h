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
// lacks); empty when it is not installed.
using ProgramLookup = std::function<QString(const QString &name)>;
QString systemProgram(const QString &name);

// The writable file systems mounted from block devices, one entry per device, then the block
// devices (partitions, or disks without partitions) that are neither mounted, nor active swap,
// nor held by another device, nor known to hold something other than a file system (a volume
// group's or RAID member, an encrypted container). Their type comes from the device database of
// udev (empty when it does not know it).
QVector<CheckableFileSystem> checkableFileSystems(const plat::SysRoot &root = plat::SysRoot());

// Whether anything is mounted from the device now (compared by device number).
bool isMounted(const QString &device, const plat::SysRoot &root = plat::SysRoot());

// The checker and its arguments, to run through pkexec; empty when no such check can run here
// (its checker is not installed, or the file system has no check of that kind). A mounted file
// system gets its online check (XFS, btrfs) or a read-only one, never a repair; an unmounted one
// the file system's own checker, fsck's front end for the others.
QStringList checkCommand(const CheckableFileSystem &fileSystem, bool repair,
                         const ProgramLookup &lookup = systemProgram);

// The command line that a terminal runs: the check through pkexec, then a line with its result,
// and a wait for Enter so that the window stays until the user has read it. Empty when no check
// can run.
QStringList terminalCommand(const CheckableFileSystem &fileSystem, bool repair,
                            const ProgramLookup &lookup = systemProgram);

// Opens a terminal that runs terminalCommand; the shell-style launch result (2 when no terminal
// or no checker is installed). repair is ignored for a mounted file system.
qint64 startCheck(const CheckableFileSystem &fileSystem, bool repair,
                  const ProgramLookup &lookup = systemProgram);

// The entry's text in the list: "/ (/dev/vda, ext4)", "/dev/sdb1 (xfs)" or "/dev/sdb1".
QString displayText(const CheckableFileSystem &fileSystem);

} // namespace FileSystemCheck
