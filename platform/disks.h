#pragma once
// The whole-disk table behind Win32_DiskDrive.Index. The same ordinal is the drive number the
// S.M.A.R.T. backend opens, so both sides must use these functions.

#include "sysroot.h"

#include <QStringList>

namespace plat {

// Block device names ("nvme0n1", "sda") of the whole disks, sorted by name; the position in
// the list is the disk's Index. Leaves out loop, ram, zram, dm-, md, sr, fd and disks of size 0.
QStringList diskDeviceNames(const SysRoot &root);

// "/dev/<name>" of the disk with that Index; empty when there is none.
QString diskDeviceForIndex(const SysRoot &root, int index);

} // namespace plat
