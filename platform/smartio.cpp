#include "smartio.h"

namespace plat::smart {

quint32 readU32(const QByteArray &data, int offset)
{
    if (offset < 0 || offset + 4 > data.size())
        return 0;
    const auto *p = reinterpret_cast<const uchar *>(data.constData() + offset);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

void writeU32(QByteArray *data, int offset, quint32 value)
{
    if (offset < 0 || offset + 4 > data->size())
        return;
    for (int i = 0; i < 4; ++i)
        (*data)[offset + i] = char((value >> (8 * i)) & 0xFF);
}

QByteArray sendCmdIn(quint8 driveNumber, quint8 features, quint8 command, quint32 bufferSize)
{
    QByteArray in(sendcmdin::Size, '\0');
    writeU32(&in, sendcmdin::BufferSize, bufferSize);
    in[sendcmdin::Features] = char(features);
    in[sendcmdin::SectorCount] = 1;
    in[sendcmdin::SectorNumber] = 1;
    const bool smartCommand = command == SMART_CMD;
    in[sendcmdin::CylLow] = char(smartCommand ? SMART_CYL_LOW : 0);
    in[sendcmdin::CylHigh] = char(smartCommand ? SMART_CYL_HI : 0);
    in[sendcmdin::DriveHead] = char(0xA0);
    in[sendcmdin::Command] = char(command);
    in[sendcmdin::DriveNumber] = char(driveNumber);
    return in;
}

} // namespace plat::smart
