// The Optical Devices page: per drive one heading and 13 property rows.

#include "codetables.h"
#include "rowemitter.h"
#include "wmiframe.h"
#include "wmivalues.h"
#include "worker.h"

#include "app/systemfunctions.h"

#include <QObject>

using namespace wmi;

namespace {

// Kilobytes per second; -1 is what a drive without a disc reports.
QString transferRateValue(const VARIANT &v)
{
    if (v.vt != VT_R8)
        return QObject::tr("Unknown");
    const double rate = v.dblVal;
    if (rate == -1.0)
        return cleanWmiValue(QObject::tr("Disk is not in the drive"));
    if (rate >= 1024.0)
        return cleanWmiValue(WmiValue::withUnits(QString::number(rate, 'g', 6), QObject::tr("KB/s"),
                                                 QString::number(rate / 1024.0, 'f', 2),
                                                 QObject::tr("MB/s")));
    return cleanWmiValue(WmiValue::withUnit(QString::number(rate, 'g', 6), QObject::tr("KB/s")));
}

QString availabilityValue(const VARIANT &v)
{
    return v.vt == VT_I4 ? cleanWmiValue(availabilityText(quint32(v.lVal))) : WmiValue::unknown();
}

} // namespace

int Worker::appOpticalDevicesWMIData()
{
    WmiFrame frame(this);
    IEnumWbemClassObject *enumerator
        = frame.openQuery(QStringLiteral("SELECT * FROM Win32_CDROMDrive"));
    if (!enumerator)
        return 1;

    int drives = 0;
    for (;;) {
        // The fetch's result is not examined: only "nothing came back" ends the walk.
        ComPtr<IWbemClassObject> object = frame.nextObject(enumerator);
        if (!object) {
            if (drives == 0)
                emit hardwareDataNotAvailable();
            break;
        }
        if (m_cancelOpticalDevices)
            break;
        ++drives;

        const WmiProperties p(object.get(),
                              { "Caption", "Availability", "Manufacturer", "MediaLoaded",
                                "Description", "DeviceID", "Drive", "MediaType",
                                "MfrAssignedRevisionLevel", "SCSILogicalUnit", "TransferRate",
                                "SCSIBus", "SCSIPort", "Status" });
        using namespace WmiValue;
        const RowEmitter row(this);
        row.heading(p["Caption"], QObject::tr("Caption"));
        row(QObject::tr("Availability"), availabilityValue(p["Availability"]));
        row(QObject::tr("Manufacturer"), text(p["Manufacturer"]));
        row(QObject::tr("Disk in the drive"), flag(p["MediaLoaded"]));
        row(QObject::tr("Description"), text(p["Description"]));
        row(QObject::tr("Device ID"), text(p["DeviceID"]));
        row(QObject::tr("Drive letter"), text(p["Drive"]));
        row(QObject::tr("Media type"), text(p["MediaType"]));
        row(QObject::tr("Firmware revision level"), text(p["MfrAssignedRevisionLevel"]));
        row(QObject::tr("SCSI logical unit number"), unsignedNumber(p["SCSILogicalUnit"]));
        row(QObject::tr("Transfer rate"), transferRateValue(p["TransferRate"]));
        row(QObject::tr("SCSI bus"), unsignedNumber(p["SCSIBus"]));
        row(QObject::tr("SCSI port"), unsignedNumber(p["SCSIPort"]));
        row(QObject::tr("Status"), text(p["Status"]));
    }

    return frame.finish(m_cancelOpticalDevices);
}
