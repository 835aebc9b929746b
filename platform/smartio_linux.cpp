#include "smartio_linux.h"

#include "disks.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFile>
#include <mutex>

#include <fcntl.h>
#include <linux/nvme_ioctl.h>
#include <scsi/sg.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstring>

namespace plat {

using namespace smart;

int BlockDeviceCalls::open(const QByteArray &path, int flags)
{
    return ::open(path.constData(), flags);
}

int BlockDeviceCalls::ioctl(int fd, unsigned long request, void *arg)
{
    return ::ioctl(fd, request, arg);
}

void BlockDeviceCalls::close(int fd)
{
    ::close(fd);
}

namespace ata {

namespace {
// Byte 2: ck_cond (bit 5) for non-data so the drive's registers come back; for PIO-in t_dir=in
// (bit 3), byt_blok (bit 2) and t_length from the sector count field (2).
char transferFlags(Protocol protocol)
{
    return protocol == Protocol::NonData ? char(0x20) : char(0x0E);
}
} // namespace

QByteArray passThrough16(Protocol protocol, quint8 features, quint8 count, quint8 lbaLow,
                         quint8 lbaMid, quint8 lbaHigh, quint8 device, quint8 command)
{
    QByteArray cdb(16, '\0');
    cdb[0] = char(0x85);
    cdb[1] = char(int(protocol) << 1);
    cdb[2] = transferFlags(protocol);
    cdb[4] = char(features);
    cdb[6] = char(count);
    cdb[8] = char(lbaLow);
    cdb[10] = char(lbaMid);
    cdb[12] = char(lbaHigh);
    cdb[13] = char(device);
    cdb[14] = char(command);
    return cdb;
}

QByteArray passThrough12(Protocol protocol, quint8 features, quint8 count, quint8 lbaLow,
                         quint8 lbaMid, quint8 lbaHigh, quint8 device, quint8 command)
{
    QByteArray cdb(12, '\0');
    cdb[0] = char(0xA1);
    cdb[1] = char(int(protocol) << 1);
    cdb[2] = transferFlags(protocol);
    cdb[3] = char(features);
    cdb[4] = char(count);
    cdb[5] = char(lbaLow);
    cdb[6] = char(lbaMid);
    cdb[7] = char(lbaHigh);
    cdb[8] = char(device);
    cdb[9] = char(command);
    return cdb;
}

} // namespace ata

namespace {

constexpr int kSectorSize = 512;
constexpr unsigned char kCheckCondition = 0x02;
constexpr unsigned char kDriverSense = 0x08;

struct Sense
{
    int key = 0;
    int asc = 0;
    int ascq = 0;
    int ataStatus = -1; // from the ATA status return descriptor, when present
};

Sense parseSense(const unsigned char *sense, int length)
{
    Sense s;
    if (length < 4)
        return s;
    const int response = sense[0] & 0x7F;
    if (response >= 0x72) {
        s.key = sense[1] & 0x0F;
        s.asc = sense[2];
        s.ascq = sense[3];
        const int total = qMin(length, 8 + int(sense[7]));
        for (int pos = 8; pos + 1 < total;) {
            const int code = sense[pos];
            const int len = sense[pos + 1];
            if (code == 0x09 && pos + 13 < total)
                s.ataStatus = sense[pos + 13];
            pos += 2 + len;
        }
    } else if (length >= 14) {
        s.key = sense[2] & 0x0F;
        s.asc = sense[12];
        s.ascq = sense[13];
    }
    return s;
}

// Reading commands only: IDENTIFY, and S.M.A.R.T. read data, read thresholds, enable, status.
bool isAllowedCommand(quint8 command, quint8 features)
{
    if (command == ID_CMD)
        return true;
    if (command != SMART_CMD)
        return false;
    return features == READ_ATTRIBUTES || features == READ_THRESHOLDS || features == ENABLE_SMART
        || features == 0xDA; // return status
}

} // namespace

LinuxSmartIo::LinuxSmartIo(SysRoot root, std::shared_ptr<BlockDeviceCalls> calls, bool useUDisks)
    : m_root(std::move(root))
    , m_calls(calls ? std::move(calls) : std::make_shared<BlockDeviceCalls>())
    , m_useUDisks(useUDisks)
{
}

LinuxSmartIo::~LinuxSmartIo()
{
    for (const Handle &h : qAsConst(m_handles)) {
        if (h.fd >= 0)
            m_calls->close(h.fd);
    }
}

QString LinuxSmartIo::devicePath(int driveIndex) const
{
    return diskDeviceForIndex(m_root, driveIndex);
}

int LinuxSmartIo::open(int driveIndex)
{
    if (driveIndex < 0)
        return -1;
    const QString device = devicePath(driveIndex);
    if (device.isEmpty())
        return -1;
    Handle h;
    h.device = device;
    h.fd = m_calls->open(QFile::encodeName(m_root.path(device)), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (h.fd < 0) {
        // Without root the device does not open; UDisks2 may still answer for ATA drives.
        if (m_useUDisks && m_root.isLive())
            h.udisksPath = udisksDriveFor(device);
        if (h.udisksPath.isEmpty())
            return -1;
    }
    const std::lock_guard<std::mutex> lock(m_mutex);
    const int id = m_nextHandle++;
    m_handles.insert(id, h);
    return id;
}

void LinuxSmartIo::close(int handle)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_handles.find(handle);
    if (it == m_handles.end())
        return;
    if (it->fd >= 0)
        m_calls->close(it->fd);
    m_handles.erase(it);
}

bool LinuxSmartIo::deviceIoControl(int handle, quint32 code, const QByteArray &in, QByteArray *out)
{
    if (!out)
        return false;
    Handle h;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_handles.constFind(handle);
        if (it == m_handles.constEnd())
            return false;
        h = *it;
    }
    const bool viaUDisks = h.fd < 0;
    switch (code) {
    case SMART_GET_VERSION:
        return viaUDisks ? udisksVersion(h, out) : sgVersion(h, out);
    case SMART_SEND_DRIVE_COMMAND:
    case SMART_RCV_DRIVE_DATA:
        return viaUDisks ? udisksCommand(h, code, in, out) : sgCommand(h, code, in, out);
    default:
        return false;
    }
}

bool LinuxSmartIo::sendAta(int fd, ata::Protocol protocol, const QByteArray &regs, QByteArray *data)
{
    const auto reg = [&regs](int offset) {
        return quint8(regs.at(offset));
    };
    const bool dataIn = protocol == ata::Protocol::PioIn;
    const QByteArray cdbs[2] = {
        ata::passThrough16(protocol, reg(sendcmdin::Features), reg(sendcmdin::SectorCount),
                           reg(sendcmdin::SectorNumber), reg(sendcmdin::CylLow),
                           reg(sendcmdin::CylHigh), reg(sendcmdin::DriveHead),
                           reg(sendcmdin::Command)),
        ata::passThrough12(protocol, reg(sendcmdin::Features), reg(sendcmdin::SectorCount),
                           reg(sendcmdin::SectorNumber), reg(sendcmdin::CylLow),
                           reg(sendcmdin::CylHigh), reg(sendcmdin::DriveHead),
                           reg(sendcmdin::Command)),
    };
    for (const QByteArray &cdbBytes : cdbs) {
        QByteArray cdb = cdbBytes;
        QByteArray buffer(dataIn ? kSectorSize : 0, '\0');
        unsigned char sense[32] = {};
        sg_io_hdr_t hdr;
        std::memset(&hdr, 0, sizeof hdr);
        hdr.interface_id = 'S';
        hdr.cmd_len = static_cast<unsigned char>(cdb.size());
        hdr.mx_sb_len = sizeof sense;
        hdr.dxfer_direction = dataIn ? SG_DXFER_FROM_DEV : SG_DXFER_NONE;
        hdr.dxfer_len = dataIn ? kSectorSize : 0;
        hdr.dxferp = dataIn ? buffer.data() : nullptr;
        hdr.cmdp = reinterpret_cast<unsigned char *>(cdb.data());
        hdr.sbp = sense;
        hdr.timeout = 5000;
        if (m_calls->ioctl(fd, SG_IO, &hdr) != 0)
            return false;
        if (hdr.host_status != 0 || (hdr.driver_status & ~kDriverSense) != 0)
            return false;
        bool ok = hdr.status == 0;
        if (hdr.status == kCheckCondition) {
            // The driver's count, never more than the buffer it was given.
            const Sense s = parseSense(sense, qMin(int(hdr.sb_len_wr), int(sizeof sense)));
            if (s.asc == 0x00 && s.ascq == 0x1D) {
                // Registers returned (ck_cond): the command ran; its ERR bit tells the outcome.
                ok = s.ataStatus < 0 || (s.ataStatus & 0x01) == 0;
            } else if (s.key == 0x05 && cdb.size() == 16) {
                continue; // the bridge does not know the 16-byte form; try the 12-byte one
            }
        }
        if (ok && data)
            *data = buffer;
        return ok;
    }
    return false;
}

bool LinuxSmartIo::sgVersion(const Handle &h, QByteArray *out)
{
    if (out->size() < getversion::Size)
        return false;
    int version = 0;
    if (m_calls->ioctl(h.fd, SG_GET_VERSION_NUM, &version) != 0)
        return false;
    // NVMe answers its namespace id here; Windows gives such drives no S.M.A.R.T. version.
    if (m_calls->ioctl(h.fd, NVME_IOCTL_ID, nullptr) >= 0)
        return false;
    quint8 capabilities = CAP_ATA_ID_CMD;
    QByteArray identify;
    const QByteArray regs = sendCmdIn(0, 0, ID_CMD, kSectorSize);
    if (sendAta(h.fd, ata::Protocol::PioIn, regs, &identify) && identify.size() == kSectorSize) {
        const quint16 word82 = quint16(quint8(identify.at(164)) | quint8(identify.at(165)) << 8);
        if (word82 & 0x0001)
            capabilities |= CAP_SMART_CMD;
    }
    out->fill('\0');
    (*out)[getversion::Version] = 1;
    (*out)[getversion::Revision] = 1;
    (*out)[getversion::IdeDeviceMap] = 1;
    writeU32(out, getversion::Capabilities, capabilities);
    return true;
}

bool LinuxSmartIo::sgCommand(const Handle &h, quint32 code, const QByteArray &in, QByteArray *out)
{
    if (in.size() < sendcmdin::Size - 1)
        return false;
    const quint8 command = quint8(in.at(sendcmdin::Command));
    const quint8 features = quint8(in.at(sendcmdin::Features));
    if (!isAllowedCommand(command, features))
        return false;
    if (code == SMART_RCV_DRIVE_DATA) {
        if (readU32(in, sendcmdin::BufferSize) < quint32(kSectorSize)
            || out->size() < sendcmdout::Size)
            return false;
        QByteArray data;
        if (!sendAta(h.fd, ata::Protocol::PioIn, in, &data))
            return false;
        out->fill('\0');
        writeU32(out, sendcmdout::BufferSize, kSectorSize);
        std::memcpy(out->data() + sendcmdout::Buffer, data.constData(), kSectorSize);
        return true;
    }
    if (out->size() < sendcmdout::HeadSize)
        return false;
    if (!sendAta(h.fd, ata::Protocol::NonData, in, nullptr))
        return false;
    out->fill('\0');
    return true;
}

// ---- UDisks2 ----

namespace {

const QString kUDisksService = QStringLiteral("org.freedesktop.UDisks2");
const QString kAtaInterface = QStringLiteral("org.freedesktop.UDisks2.Drive.Ata");

QVariant dbusProperty(const QString &path, const QString &interface, const QString &name)
{
    QDBusInterface props(kUDisksService, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                         QDBusConnection::systemBus());
    props.setTimeout(3000);
    const QDBusReply<QDBusVariant> reply = props.call(QStringLiteral("Get"), interface, name);
    return reply.isValid() ? reply.value().variant() : QVariant();
}

struct UDisksAttribute
{
    quint8 id = 0;
    quint16 flags = 0;
    int value = -1;
    int worst = -1;
    int threshold = -1;
    qint64 pretty = 0;
    int unit = 0;
};

quint8 clampByte(int v)
{
    return quint8(qBound(0, v, 255));
}

} // namespace

quint64 udisksRawValue(quint8 id, qint64 pretty, int unit)
{
    switch (unit) {
    case 1: // dimensionless
    case 3: // sectors
        return pretty < 0 ? 0 : quint64(pretty);
    case 2: // milliseconds: power-on time is counted in hours, others in milliseconds
        if (id == 9 || id == 240)
            return quint64(qMax<qint64>(0, pretty / 3600000));
        return quint64(qMax<qint64>(0, pretty));
    case 4: // millikelvin
        // Below absolute zero (a damaged figure, down to INT64_MIN) is no temperature.
        return pretty <= 273150 ? 0 : quint64((pretty - 273150) / 1000);
    default:
        return 0;
    }
}

QString LinuxSmartIo::udisksDriveFor(const QString &device) const
{
    if (!QDBusConnection::systemBus().isConnected())
        return QString();
    const QString name = device.section(QLatin1Char('/'), -1);
    const QVariant drive
        = dbusProperty(QStringLiteral("/org/freedesktop/UDisks2/block_devices/") + name,
                       QStringLiteral("org.freedesktop.UDisks2.Block"), QStringLiteral("Drive"));
    const QString path = drive.value<QDBusObjectPath>().path();
    return path.isEmpty() || path == QLatin1String("/") ? QString() : path;
}

bool LinuxSmartIo::udisksVersion(const Handle &h, QByteArray *out)
{
    if (out->size() < getversion::Size)
        return false;
    const QVariant supported
        = dbusProperty(h.udisksPath, kAtaInterface, QStringLiteral("SmartSupported"));
    if (!supported.isValid())
        return false; // not an ATA drive
    out->fill('\0');
    (*out)[getversion::Version] = 1;
    (*out)[getversion::Revision] = 1;
    (*out)[getversion::IdeDeviceMap] = 1;
    writeU32(out, getversion::Capabilities,
             CAP_ATA_ID_CMD | (supported.toBool() ? CAP_SMART_CMD : 0));
    return true;
}

bool LinuxSmartIo::udisksCommand(const Handle &h, quint32 code, const QByteArray &in,
                                 QByteArray *out)
{
    if (in.size() < sendcmdin::Size - 1)
        return false;
    const quint8 command = quint8(in.at(sendcmdin::Command));
    const quint8 features = quint8(in.at(sendcmdin::Features));
    if (command != SMART_CMD)
        return false; // no raw IDENTIFY through UDisks2
    if (code == SMART_SEND_DRIVE_COMMAND) {
        if (features != ENABLE_SMART || out->size() < sendcmdout::HeadSize)
            return false;
        if (!dbusProperty(h.udisksPath, kAtaInterface, QStringLiteral("SmartEnabled")).toBool())
            return false;
        out->fill('\0');
        return true;
    }
    if ((features != READ_ATTRIBUTES && features != READ_THRESHOLDS)
        || out->size() < sendcmdout::Size)
        return false;
    QDBusInterface ataIface(kUDisksService, h.udisksPath, kAtaInterface,
                            QDBusConnection::systemBus());
    ataIface.setTimeout(10000);
    const QDBusMessage reply = ataIface.call(QStringLiteral("SmartGetAttributes"), QVariantMap());
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    QVector<UDisksAttribute> attributes;
    const QDBusArgument arg = reply.arguments().first().value<QDBusArgument>();
    arg.beginArray();
    while (!arg.atEnd()) {
        UDisksAttribute a;
        QString name;
        QVariantMap expansion;
        uchar id = 0;
        ushort flags = 0;
        arg.beginStructure();
        arg >> id >> name >> flags >> a.value >> a.worst >> a.threshold >> a.pretty >> a.unit
            >> expansion;
        arg.endStructure();
        a.id = id;
        a.flags = flags;
        attributes.append(a);
    }
    arg.endArray();

    out->fill('\0');
    writeU32(out, sendcmdout::BufferSize, kSectorSize);
    char *page = out->data() + sendcmdout::Buffer;
    page[0] = 0x10; // data structure revision
    for (int i = 0; i < attributes.size() && i < 30; ++i) {
        const UDisksAttribute &a = attributes.at(i);
        char *entry = page + 2 + 12 * i;
        entry[0] = char(a.id);
        if (features == READ_THRESHOLDS) {
            entry[1] = char(clampByte(a.threshold));
            continue;
        }
        entry[1] = char(a.flags & 0xFF);
        entry[2] = char(a.flags >> 8);
        entry[3] = char(clampByte(a.value));
        entry[4] = char(clampByte(a.worst));
        const quint64 raw = udisksRawValue(a.id, a.pretty, a.unit);
        for (int b = 0; b < 6; ++b)
            entry[5 + b] = char((raw >> (8 * b)) & 0xFF);
    }
    return true;
}

} // namespace plat
