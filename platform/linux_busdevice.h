#pragma once
// The PCI or USB device behind a sysfs device link (a sound card, a network interface, an input
// device), with the ids and names the Windows-shaped classes show.

#include "sysroot.h"

#include <QString>

namespace plat {

struct BusDevice
{
    enum Bus { None, Pci, Usb };
    Bus bus = None;
    quint16 vendor = 0;
    quint16 device = 0; // USB: product
    quint16 subVendor = 0;
    quint16 subDevice = 0;
    QString address; // "0000:00:1f.3" or "1-2"
    QString path; // machine path of the PCI function or USB device folder

    // "PCI\VEN_8086&DEV_A170\0000:00:1f.3" or "USB\VID_046D&PID_0A44\1-2"; empty when no bus.
    QString deviceId() const;
    // pci.ids / usb.ids names; empty when unknown.
    QString vendorName(const SysRoot &root) const;
    QString modelName(const SysRoot &root) const;
};

// Walks up from `sysPath` (a link such as "/sys/class/sound/card0/device") to the nearest PCI
// function or USB device. A virtio or interface folder in between is passed over.
BusDevice findBusDevice(const SysRoot &root, const QString &sysPath);

// Name of the driver bound to a sysfs device folder ("snd_hda_intel"); empty when none.
QString boundDriver(const SysRoot &root, const QString &sysPath);

} // namespace plat
