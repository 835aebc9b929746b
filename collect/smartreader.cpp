#include "smartreader.h"

#include <QObject>

#include <utility>

using namespace plat::smart;

namespace {

constexpr int IdentifyKept = 256;
constexpr int SerialOffset = 20, SerialLength = 20;
constexpr int FirmwareOffset = 46, FirmwareLength = 8;
constexpr int ModelOffset = 54, ModelLength = 40;
// In the attribute and threshold pages: 30 entries of 12 bytes from byte 2.
constexpr int EntriesOffset = 2;
constexpr int EntrySize = 12;

quint32 littleEndian32(const char *p)
{
    const auto *b = reinterpret_cast<const uchar *>(p);
    return quint32(b[0]) | (quint32(b[1]) << 8) | (quint32(b[2]) << 16) | (quint32(b[3]) << 24);
}

// The 33-byte SENDCMDINPARAMS with the IDE registers of one command.
QByteArray commandBlock(quint8 driveNumber, quint8 features, quint8 cylLow, quint8 cylHigh,
                        quint8 ataCommand, quint32 bufferSize)
{
    QByteArray in(sendcmdin::Size, '\0');
    in[sendcmdin::BufferSize + 0] = char(bufferSize & 0xFF);
    in[sendcmdin::BufferSize + 1] = char((bufferSize >> 8) & 0xFF);
    in[sendcmdin::BufferSize + 2] = char((bufferSize >> 16) & 0xFF);
    in[sendcmdin::BufferSize + 3] = char((bufferSize >> 24) & 0xFF);
    in[sendcmdin::Features] = char(features);
    in[sendcmdin::SectorCount] = 1;
    in[sendcmdin::SectorNumber] = 1;
    in[sendcmdin::CylLow] = char(cylLow);
    in[sendcmdin::CylHigh] = char(cylHigh);
    in[sendcmdin::DriveHead] = char(0xA0);
    in[sendcmdin::Command] = char(ataCommand);
    in[sendcmdin::DriveNumber] = char(driveNumber);
    return in;
}

} // namespace

SmartReader::SmartReader(std::shared_ptr<plat::SmartIo> io)
    : m_io(std::move(io))
{
}

void SmartReader::resetSmartData()
{
    m_readings.clear();
}

void SmartReader::buildSmartAttributeTable()
{
    m_attributes.clear();
    static const quint8 ids[]
        = { 1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  221, 228,
            193, 194, 196, 197, 198, 199, 200, 220, 222, 223, 224, 226, 227, 230 };
    for (quint8 id : ids)
        m_attributes.insert(
            id, Attribute { id, smartAttributeName(id), smartAttributeDescription(id) });
}

bool SmartReader::command(int handle, quint32 code, quint8 driveNumber, quint8 features,
                          quint8 cylLow, quint8 cylHigh, quint8 ataCommand, quint32 bufferSize,
                          int outSize, QByteArray *out)
{
    const QByteArray in
        = commandBlock(driveNumber, features, cylLow, cylHigh, ataCommand, bufferSize);
    out->fill('\0', outSize);
    if (!m_io->deviceIoControl(handle, code, in, out))
        return false;
    // A short answer carries no page; treat it as a failed call rather than read past it.
    return out->size() >= outSize;
}

int SmartReader::readDriveSmart(int driveNumber)
{
    // The reader keeps 32 drive records; any other number has no record and no data.
    if (driveNumber < 0 || driveNumber >= DriveCount || !m_io)
        return 0;
    DriveRecord &drive = m_drives[driveNumber];

    const int handle = m_io->open(driveNumber);
    if (handle < 0)
        return 0;

    QByteArray version(getversion::Size, '\0');
    const bool versionOk = m_io->deviceIoControl(handle, SMART_GET_VERSION, QByteArray(), &version)
        && version.size() >= getversion::Size;
    if (versionOk) {
        drive.version = quint8(version[getversion::Version]);
        drive.revision = quint8(version[getversion::Revision]);
        drive.ideDeviceMap = quint8(version[getversion::IdeDeviceMap]);
        drive.capabilities = littleEndian32(version.constData() + getversion::Capabilities);
    }
    if (!versionOk || !(drive.capabilities & CAP_SMART_CMD)) {
        // A drive without S.M.A.R.T. commands counts as read, with no attributes.
        m_io->close(handle);
        return versionOk ? 1 : 0;
    }

    QByteArray out;
    if (!command(handle, SMART_SEND_DRIVE_COMMAND, quint8(driveNumber), ENABLE_SMART, SMART_CYL_LOW,
                 SMART_CYL_HI, SMART_CMD, 0, sendcmdout::NonDataSize, &out)) {
        m_io->close(handle);
        return 1;
    }

    if (command(handle, SMART_RCV_DRIVE_DATA, quint8(driveNumber), 0, 0, 0, ID_CMD,
                sendcmdout::DataSize, sendcmdout::Size, &out)) {
        drive.identify = out.mid(sendcmdout::Buffer, IdentifyKept);
        char *data = drive.identify.data();
        swapIdentifyString(data + ModelOffset, ModelLength);
        swapIdentifyString(data + SerialOffset, SerialLength);
        swapIdentifyString(data + FirmwareOffset, FirmwareLength);
    }

    const int result = readSmartAttributes(handle, quint8(driveNumber));
    m_io->close(handle);
    return result;
}

int SmartReader::readSmartAttributes(int handle, quint8 driveNumber)
{
    if (driveNumber >= DriveCount)
        return 0;
    DriveRecord &drive = m_drives[driveNumber];
    QByteArray out;

    if (command(handle, SMART_RCV_DRIVE_DATA, driveNumber, READ_ATTRIBUTES, SMART_CYL_LOW,
                SMART_CYL_HI, SMART_CMD, sendcmdout::DataSize, sendcmdout::Size, &out)) {
        drive.readingCount = 0;
        drive.driveNumber = driveNumber;
        const char *page = out.constData() + sendcmdout::Buffer;
        for (int i = 0; i < MaxReadings; ++i) {
            const char *entry = page + EntriesOffset + i * EntrySize;
            const quint8 id = quint8(entry[0]);
            if (id == 0)
                continue;
            Reading &reading = drive.readings[drive.readingCount];
            reading.attributeId = id;
            reading.value = quint8(entry[3]);
            reading.worst = quint8(entry[4]);
            reading.rawValue = littleEndian32(entry + 5);
            reading.threshold = NoThreshold;
            m_readings.insert(readingKey(driveNumber, id), &reading);
            ++drive.readingCount;
        }
    }

    if (!command(handle, SMART_RCV_DRIVE_DATA, driveNumber, READ_THRESHOLDS, SMART_CYL_LOW,
                 SMART_CYL_HI, SMART_CMD, sendcmdout::DataSize, sendcmdout::Size, &out))
        return 0;
    const char *page = out.constData() + sendcmdout::Buffer;
    for (int i = 0; i < MaxReadings; ++i) {
        const char *entry = page + EntriesOffset + i * EntrySize;
        const quint8 id = quint8(entry[0]);
        if (id == 0)
            continue;
        const auto it = m_readings.find(readingKey(driveNumber, id));
        if (it != m_readings.end())
            it.value()->threshold = quint8(entry[1]);
    }
    return 1;
}

void SmartReader::swapIdentifyString(char *field, int length)
{
    for (int i = 0; i + 1 < length; i += 2)
        std::swap(field[i], field[i + 1]);
}

const SmartReader::Reading *SmartReader::reading(quint32 key) const
{
    const auto it = m_readings.constFind(key);
    return it == m_readings.constEnd() ? nullptr : it.value();
}

const SmartReader::Attribute *SmartReader::attribute(int id) const
{
    if (id < 0 || id > 255)
        return nullptr;
    const auto it = m_attributes.constFind(quint8(id));
    return it == m_attributes.constEnd() ? nullptr : &it.value();
}

QString SmartReader::identifyString(int driveNumber, int offset, int length) const
{
    const QByteArray &identify = m_drives.at(driveNumber).identify;
    if (identify.size() < offset + length)
        return QString();
    return QString::fromLatin1(identify.mid(offset, length)).trimmed();
}

QString SmartReader::model(int driveNumber) const
{
    return identifyString(driveNumber, ModelOffset, ModelLength);
}

QString SmartReader::serialNumber(int driveNumber) const
{
    return identifyString(driveNumber, SerialOffset, SerialLength);
}

QString SmartReader::firmwareRevision(int driveNumber) const
{
    return identifyString(driveNumber, FirmwareOffset, FirmwareLength);
}

QString SmartReader::smartAttributeName(int id)
{
    switch (id) {
    case 1:
        return QObject::tr("Raw Read Error Rate");
    case 2:
        return QObject::tr("Throughput Performance");
    case 3:
        return QObject::tr("Spin Up Time");
    case 4:
        return QObject::tr("Start/Stop Count");
    case 5:
        return QObject::tr("Reallocated Sectors Count");
    case 6:
        return QObject::tr("Read Channel Margin");
    case 7:
        return QObject::tr("Seek Error Rate");
    case 8:
        return QObject::tr("Seek Time Performance");
    case 9:
        return QObject::tr("Power-On Hours");
    case 10:
        return QObject::tr("Spin Retry Count");
    case 11:
        return QObject::tr("Recalibration Retries");
    case 12:
        return QObject::tr("Device Power Cycle Count");
    case 13:
        return QObject::tr("Soft Read Error Rate");
    case 193:
        return QObject::tr("Load/Unload Cycle Count");
    case 194:
        return QObject::tr("Temperature");
    case 196:
        return QObject::tr("Reallocation Event Count");
    case 197:
        return QObject::tr("Current Pending Sector Count");
    case 198:
        return QObject::tr("Uncorrectable Sector Count");
    case 199:
        return QObject::tr("UltraDMA CRC Error Count");
    case 200:
        return QObject::tr("Write Error Rate (Multi Zone Error Rate)");
    case 220:
        return QObject::tr("Disk Shift");
    case 221:
        return QObject::tr("G-Sense Error Rate");
    case 222:
        return QObject::tr("Loaded Hours");
    case 223:
        return QObject::tr("Load/Unload Retry Count");
    case 224:
        return QObject::tr("Load Friction");
    case 226:
        return QObject::tr("Load-in Time");
    case 227:
        return QObject::tr("Torque Amplification Count");
    case 228:
        return QObject::tr("Power-Off Retract Count");
    case 230:
        return QObject::tr("GMR Head Amplitude");
    default:
        return QObject::tr("Unknown");
    }
}

QString SmartReader::smartAttributeDescription(int id)
{
    switch (id) {
    case 1:
        return QObject::tr(
            "This attribute value depends of read errors, disk surface condition and "
            "indicates the rate of hardware read errors that occurred when reading data "
            "from a disk surface. Lower values indicate that there is a problem with either "
            "disk surface or read/write heads");
    case 2:
        return QObject::tr(
            "Overall (general) throughput performance of a hard disk drive. If the value of "
            "this attribute is deceasing there is a high probability of troubles with your "
            "disk.");
    case 3:
        return QObject::tr(
            "Average time of spindle spin up (from zero RPM (Revolutions Per Minute) to "
            "fully operational). Active SMART shows the data value of this attribute in "
            "milliseconds or seconds.");
    case 4:
        return QObject::tr(
            "This data value of this attribute is a count of hard disk spindle start/stop "
            "cycles");
    case 5:
        return QObject::tr(
            "Count of reallocated sectors. When the hard drive finds a "
            "read/write/verification error, it marks this sector as \"reallocated\" and "
            "transfers data to a special reserved area (spare area). This process is also "
            "known as remapping and \"reallocated\" sectors are called remaps. This is why, "
            "on a modern hard disks, you can not see \"bad blocks\" while testing the "
            "surface - all bad blocks are hidden in reallocated sectors. However, the more "
            "sectors that are reallocated, the more a sudden decrease (up to 10% and more) "
            "can be noticed in the disk read/write speed.");
    case 6:
        return QObject::tr(
            "Margin of a channel while reading data. The function of this attribute is not "
            "specified.");
    case 7:
        return QObject::tr(
            "Rate of seek errors of the magnetic heads. If there is a failure in the "
            "mechanical positioning system, a servo damage or a thermal widening of the "
            "hard disk, seek errors arise. More seek errors indicates a worsening condition "
            "of a disk surface and the disk mechanical subsystem.");
    case 8:
        return QObject::tr(
            "Average performance of seek operations of the magnetic heads. If this "
            "attribute is decreasing, it is a sign of problems in the hard disk drive "
            "mechanical subsystem.");
    case 9:
        return QObject::tr(
            "Count of hours in power-on state. The data value of this attribute shows total "
            "count of hours (or minutes, or seconds, depending on manufacturer) in power-on "
            "state. A decrease of this attribute value to the critical level (threshold) "
            "indicates a decrease of the MTBF (Mean Time Between Failures). However, in "
            "reality, even if the MTBF value falls to zero, it does not mean that the MTBF "
            "resource is completely exhausted and the drive will not function normally.");
    case 10:
        return QObject::tr(
            "Count of retry of spin start attempts. This attribute stores a total count of "
            "the spin start attempts to reach the fully operational speed (under the "
            "condition that the first attempt was unsuccessful). A decrease of this "
            "attribute value is a sign of problems in the hard disk mechanical subsystem.");
    case 11:
        return QObject::tr(
            "This attribute indicates the number of times recalibration was requested "
            "(under the condition that the first attempt was unsuccessful). A decrease of "
            "this attribute value is a sign of problems in the hard disk mechanical "
            "subsystem.");
    case 12:
        return QObject::tr(
            "This attribute indicates the count of full hard disk power on/off cycles.");
    case 13:
        return QObject::tr(
            "This is the rate of \"program\" read errors occurring when reading data from a "
            "disk surface.");
    case 193:
        return QObject::tr(
            "Count of load/unload cycles into Landing Zone position. For more info see the "
            "Head Load/Unload Technology description.");
    case 194:
        return QObject::tr(
            "Hard disk drive temperature. The data value of this attribute shows built-in "
            "heat sensor registrations (in degrees centigrade).");
    case 196:
        return QObject::tr(
            "Count of remap operations (transfering data from a bad sector to a special "
            "reserved disk area - spare area). The data value of this attribute shows the "
            "total number of attempts to transfer data from reallocated sectors to a spare "
            "area. Unsuccessful attempts are counted as well as successful.");
    case 197:
        return QObject::tr(
            "Current count of unstable sectors (waiting for remapping). The data value of "
            "this attribute indicates the total number of sectors waiting for remapping. "
            "Later, when some of these sectors are read successfully, the value is "
            "decreased. If errors still occur when reading some sector, the hard drive will "
            "try to restore the data, transfer it to the reserved disk area (spare area) "
            "and mark this sector as remapped. If this attribute value remains at zero, it "
            "indicates that the quality of the corresponding surface area is low.");
    case 198:
        return QObject::tr(
            "Quantity of uncorrectable errors. The data value of this attribute indicates "
            "the total number of uncorrectable errors when reading/writing a sector. A rise "
            "in the value of this attribute indicates that there are evident defects of the "
            "disk surface and/or there are problems in the hard disk drive mechanical "
            "subsystem.");
    case 199:
        return QObject::tr(
            "The total quantity of CRC errors during UltraDMA mode. The data value of this "
            "attribute indicates the number of errors found during data transfer in "
            "UltraDMA mode by ICRC (Interface CRC).");
    case 200:
        return QObject::tr(
            "Write data errors rate. This attribute indicates the total number of errors "
            "found when writing a sector. The higher the data value, the worse the disk "
            "surface condition and/or mechanical subsystem is.");
    case 220:
        return QObject::tr(
            "Shift of disks towards spindle. The data value of this attribute indicates how "
            "much the disk has shifted. Shift of disks is possible as a result of a strong "
            "shock or a fall, or for other reasons.");
    case 221:
        return QObject::tr(
            "Rate of errors occurring as a result of impact loads. This attribute stores an "
            "indication of a shock-sensitive sensor, that is, the total quantity of errors "
            "occurring as a result of internal impact loads (dropping drive, wrong "
            "installation, etc.).");
    case 222:
        return QObject::tr(
            "Loading on magnetic heads actuator caused by the general operating time. Only "
            "time when the actuator was in the operating position is counted.");
    case 223:
        return QObject::tr(
            "Loading on magnetic heads actuator caused by numerous recurrences of "
            "operations like: reading, recording, positioning of heads, etc. Only the time "
            "when heads were in the operating position is counted.");
    case 224:
        return QObject::tr(
            "Loading on magnetic heads actuator caused by friction in mechanical parts of "
            "the store. Only the time when heads were in the operating position is counted.");
    case 226:
        return QObject::tr(
            "Total time of loading on the magnetic heads actuator. This attribute indicates "
            "total time in which the drive was under load (on the assumption that the "
            "magnetic heads were in operating mode and out of the parking area).");
    case 227:
        return QObject::tr("Count of efforts of the rotating moment of a drive.");
    case 228:
        return QObject::tr(
            "This attribute shows a count of the number of times the drive was powered "
            "down.");
    case 230:
        return QObject::tr("Amplitude of heads trembling (GMR-head) in running mode.");
    default:
        return QObject::tr("Unknown");
    }
}
