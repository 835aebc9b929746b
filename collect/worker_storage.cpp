// The Storage page and the S.M.A.R.T. page's drive list: per drive a heading, 10 rows and a
// SmartStorage record; the drive count; per partition a heading and 8 rows; the partition count.

#include "rowemitter.h"
#include "wmiframe.h"
#include "wmivalues.h"
#include "worker.h"

#include "app/systemfunctions.h"

#include <QObject>

using namespace wmi;

namespace {

QString textWithUnit(const VARIANT &v, const QString &unit)
{
    if (v.vt != VT_BSTR)
        return QObject::tr("Unknown");
    return cleanWmiValue(WmiValue::withUnit(v.bstrVal, unit));
}

} // namespace

int Worker::appStorageWMIData()
{
    WmiFrame frame(this);
    if (!frame.open(QStringLiteral("ROOT\\CIMV2"), WmiFrame::RootError::WithoutText))
        return 1;
    HRESULT driveResult = S_OK;
    HRESULT partitionResult = S_OK;
    IEnumWbemClassObject *drives
        = frame.execQuery(QStringLiteral("SELECT * FROM Win32_DiskDrive"), &driveResult);
    IEnumWbemClassObject *partitions
        = frame.execQuery(QStringLiteral("SELECT * FROM Win32_DiskPartition"), &partitionResult);
    if (FAILED(driveResult) || !drives) {
        frame.failQuery(FAILED(driveResult) ? driveResult : E_POINTER);
        return 1;
    }

    using namespace WmiValue;

    int driveCount = 0;
    while (ComPtr<IWbemClassObject> object = frame.next(drives, m_cancelStorage)) {
        const WmiProperties p(object.get(),
                              { "Caption", "BytesPerSector", "Description", "DeviceID",
                                "FirmwareRevision", "Index", "InterfaceType", "Manufacturer",
                                "Partitions", "Size", "SerialNumber" });

        const RowEmitter row(this);
        const QString caption = row.heading(p["Caption"], QObject::tr("Name"));
        row(QObject::tr("Bytes Per Sector"),
            numberWithUnit(p["BytesPerSector"], QObject::tr("bytes")));
        row(QObject::tr("Description"), text(p["Description"]));
        row(QObject::tr("Device ID"), text(p["DeviceID"]));
        row(QObject::tr("Firmware Revision"), text(p["FirmwareRevision"]));
        row(QObject::tr("Index"), number(p["Index"]));
        row(QObject::tr("Interface Type"), text(p["InterfaceType"]));
        row(QObject::tr("Manufacturer"), text(p["Manufacturer"]));
        row(QObject::tr("Partitions"), number(p["Partitions"]));
        row(QObject::tr("Size"), megabytes(p["Size"]));
        row(QObject::tr("Serial Number"), text(p["SerialNumber"]));

        // A drive without a known index cannot be read for S.M.A.R.T.; it is not offered.
        if (p["Index"].vt == VT_I4) {
            SmartStorage storage;
            storage.caption = caption.isEmpty() ? QObject::tr("Unknown") : caption;
            storage.driveIndex = cleanWmiValue(QString::number(p["Index"].lVal));
            emit smartDriveInfo(storage);
        }
        ++driveCount;
    }
    emit smartDriveDetectionCompleted();
    emit storageTotalDrivesData(QString::number(driveCount));

    if (FAILED(partitionResult) || !partitions) {
        frame.failQuery(FAILED(partitionResult) ? partitionResult : E_POINTER);
        return 1;
    }

    emit storageCollectingPartitionData();
    int partitionCount = 0;
    while (ComPtr<IWbemClassObject> object = frame.next(partitions, m_cancelStorage)) {
        const WmiProperties p(object.get(),
                              { "Caption", "BlockSize", "PrimaryPartition", "Size", "DiskIndex",
                                "Type", "NumberOfBlocks", "StartingOffset", "Bootable" });

        const RowEmitter row(this, &Worker::storageMainPartitionData,
                             &Worker::storagePartitionData);
        row.heading(p["Caption"], QObject::tr("Name"));
        row(QObject::tr("Block size"), textWithUnit(p["BlockSize"], QObject::tr("bytes")));
        row(QObject::tr("Primary partition"), flag(p["PrimaryPartition"]));
        row(QObject::tr("Size"), megabytes(p["Size"]));
        row(QObject::tr("Disk index"), number(p["DiskIndex"]));
        row(QObject::tr("Type"), text(p["Type"]));
        row(QObject::tr("Number of blocks"), text(p["NumberOfBlocks"]));
        row(QObject::tr("Starting offset of the partition"), kilobytes(p["StartingOffset"]));
        row(QObject::tr("Bootable"), flag(p["Bootable"]));
        ++partitionCount;
    }
    emit storageTotalPartitionsData(QString::number(partitionCount));

    return frame.finish(m_cancelStorage);
}
