#pragma once
// Vendor and device names of PCI and USB ids. On the live root the udev hardware database
// answers first (when built with libudev); the pci.ids / usb.ids text files under the root are
// the fall-back, and the only source for fixture trees. Every function returns an empty text
// when the id is unknown. Safe to call from any thread; the text files are parsed once per root.

#include "sysroot.h"

#include <QString>

namespace plat::ids {

QString pciVendorName(const SysRoot &root, quint16 vendor);
QString pciDeviceName(const SysRoot &root, quint16 vendor, quint16 device);
// The subsystem's own name ("TUF Gaming GeForce RTX 4090 OC"), without the device name.
QString pciSubsystemName(const SysRoot &root, quint16 vendor, quint16 device, quint16 subVendor,
                         quint16 subDevice);
// "device (subsystem)" when the subsystem is known, else the device name.
QString pciModelName(const SysRoot &root, quint16 vendor, quint16 device, quint16 subVendor,
                     quint16 subDevice);

QString usbVendorName(const SysRoot &root, quint16 vendor);
QString usbProductName(const SysRoot &root, quint16 vendor, quint16 product);

// Forgets the parsed text files (tests that rewrite fixtures).
void clearCache();

} // namespace plat::ids
