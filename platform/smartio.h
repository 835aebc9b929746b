#pragma once
// Drive I/O controls for S.M.A.R.T., speaking the Windows driver interface byte for byte so the
// reader stays as designed. Handles are small integers; -1 is the invalid handle.

#include <QByteArray>

#include <cstdint>

namespace plat {

namespace smart {
// Control codes.
constexpr quint32 SMART_GET_VERSION = 0x00074080;
constexpr quint32 SMART_SEND_DRIVE_COMMAND = 0x0007C084;
constexpr quint32 SMART_RCV_DRIVE_DATA = 0x0007C088;

constexpr quint8 CAP_ATA_ID_CMD = 0x01;
constexpr quint8 CAP_ATAPI_ID_CMD = 0x02;
constexpr quint8 CAP_SMART_CMD = 0x04;

// ATA commands and S.M.A.R.T. features.
constexpr quint8 ID_CMD = 0xEC;
constexpr quint8 SMART_CMD = 0xB0;
constexpr quint8 ENABLE_SMART = 0xD8;
constexpr quint8 READ_ATTRIBUTES = 0xD0;
constexpr quint8 READ_THRESHOLDS = 0xD1;
constexpr quint8 SMART_CYL_LOW = 0x4F;
constexpr quint8 SMART_CYL_HI = 0xC2;

// GETVERSIONINPARAMS (24 bytes, packed): bVersion, bRevision, bReserved, bIDEDeviceMap,
// fCapabilities (DWORD), dwReserved[4].
namespace getversion {
constexpr int Version = 0, Revision = 1, Reserved = 2, IdeDeviceMap = 3, Capabilities = 4;
constexpr int Size = 24;
} // namespace getversion

// SENDCMDINPARAMS as sent (33 bytes, packed): cBufferSize (DWORD) @0, IDEREGS @4 (bFeaturesReg,
// bSectorCountReg, bSectorNumberReg, bCylLowReg, bCylHighReg, bDriveHeadReg, bCommandReg,
// bReserved), bDriveNumber @12, bReserved[3] @13, dwReserved[4] @16, bBuffer[1] @32.
namespace sendcmdin {
constexpr int BufferSize = 0, Features = 4, SectorCount = 5, SectorNumber = 6, CylLow = 7,
              CylHigh = 8, DriveHead = 9, Command = 10, DriveNumber = 12, Buffer = 32;
constexpr int Size = 33;
} // namespace sendcmdin

// SENDCMDOUTPARAMS (16-byte head, packed): cBufferSize (DWORD) @0, DRIVERSTATUS @4 (bDriverError,
// bIDEError, bReserved[2], dwReserved[2]), bBuffer @16.
namespace sendcmdout {
constexpr int BufferSize = 0, DriverError = 4, IdeError = 5, Buffer = 16;
constexpr int HeadSize = 16;
constexpr int DataSize = 512;
constexpr int Size = HeadSize + DataSize; // 528 for a data command
constexpr int NonDataSize = 17; // enable: head plus one byte
} // namespace sendcmdout

// Reading helpers for the little-endian layouts above.
quint32 readU32(const QByteArray &data, int offset);
void writeU32(QByteArray *data, int offset, quint32 value);
// Builds a 33-byte SENDCMDINPARAMS for the reader's commands.
QByteArray sendCmdIn(quint8 driveNumber, quint8 features, quint8 command, quint32 bufferSize);
} // namespace smart

class SmartIo
{
public:
    virtual ~SmartIo() = default;
    // Stands for CreateFileW("\\.\PHYSICALDRIVE<n>"); -1 on failure.
    virtual int open(int driveIndex) = 0;
    // Stands for DeviceIoControl: `in` is the input buffer, *out is resized to the output size the
    // caller passes in and filled. False when the control fails.
    virtual bool deviceIoControl(int handle, quint32 code, const QByteArray &in, QByteArray *out)
        = 0;
    virtual void close(int handle) = 0;
};

} // namespace plat
