#pragma once
// Reads one drive's S.M.A.R.T. identification, attribute values and thresholds through the
// drive I/O controls, in the byte layouts of the Windows driver interface.

#include "platform/smartio.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <array>
#include <memory>

class SmartReader
{
public:
    static constexpr int DriveCount = 32;
    static constexpr int MaxReadings = 30;
    static constexpr quint32 NoThreshold = 0xFFFFFFFF;

    struct Reading
    {
        quint8 attributeId = 0;
        quint32 rawValue = 0; // raw bytes 0 to 3, little-endian
        quint8 value = 0;
        quint8 worst = 0;
        quint32 threshold = NoThreshold;
    };

    struct DriveRecord
    {
        // SMART_GET_VERSION's answer.
        quint8 version = 0;
        quint8 revision = 0;
        quint8 ideDeviceMap = 0;
        quint32 capabilities = 0;
        // The first 256 bytes of IDENTIFY DEVICE, its strings in reading order.
        QByteArray identify;
        quint8 readingCount = 0;
        quint8 driveNumber = 0;
        std::array<Reading, MaxReadings> readings {};
    };

    struct Attribute
    {
        quint8 id = 0;
        QString name;
        QString description;
    };

    explicit SmartReader(std::shared_ptr<plat::SmartIo> io);

    void resetSmartData();
    void buildSmartAttributeTable();
    // Non-zero when the drive could be read. Drive numbers outside 0-31 cannot be read.
    int readDriveSmart(int driveNumber);
    int readSmartAttributes(int handle, quint8 driveNumber);

    // Puts an IDENTIFY string into reading order by swapping the bytes of each 16-bit word.
    static void swapIdentifyString(char *field, int length);
    static QString smartAttributeName(int id);
    static QString smartAttributeDescription(int id);

    static quint32 readingKey(quint8 driveNumber, quint8 attributeId)
    {
        return (quint32(driveNumber) << 16) | attributeId;
    }
    // The reading under a key, or null.
    const Reading *reading(quint32 key) const;
    // The table entry of an id, or null when the id is not a known attribute.
    const Attribute *attribute(int id) const;
    const DriveRecord &drive(int driveNumber) const { return m_drives.at(driveNumber); }

    // Identification strings of a read drive, trimmed.
    QString model(int driveNumber) const;
    QString serialNumber(int driveNumber) const;
    QString firmwareRevision(int driveNumber) const;

private:
    bool command(int handle, quint32 code, quint8 driveNumber, quint8 features, quint8 cylLow,
                 quint8 cylHigh, quint8 ataCommand, quint32 bufferSize, int outSize,
                 QByteArray *out);
    QString identifyString(int driveNumber, int offset, int length) const;

    std::shared_ptr<plat::SmartIo> m_io;
    std::array<DriveRecord, DriveCount> m_drives;
    QMap<quint32, Reading *> m_readings;
    QMap<quint8, Attribute> m_attributes;
};
