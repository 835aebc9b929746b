#pragma once
// S.M.A.R.T. through SG_IO ATA PASS-THROUGH on the drive's block device (root), or through
// UDisks2 on the system bus (no root). NVMe drives answer no S.M.A.R.T. version, as on Windows.

#include "smartio.h"
#include "sysroot.h"

#include <QHash>
#include <mutex>

#include <memory>

namespace plat {

// The system calls the backend makes; tests replace them.
class BlockDeviceCalls
{
public:
    virtual ~BlockDeviceCalls() = default;
    virtual int open(const QByteArray &path, int flags);
    virtual int ioctl(int fd, unsigned long request, void *arg);
    virtual void close(int fd);
};

namespace ata {
enum class Protocol { NonData = 3, PioIn = 4 };
// ATA PASS-THROUGH(16) and (12) command blocks for the Windows IDE registers.
QByteArray passThrough16(Protocol protocol, quint8 features, quint8 count, quint8 lbaLow,
                         quint8 lbaMid, quint8 lbaHigh, quint8 device, quint8 command);
QByteArray passThrough12(Protocol protocol, quint8 features, quint8 count, quint8 lbaLow,
                         quint8 lbaMid, quint8 lbaHigh, quint8 device, quint8 command);
} // namespace ata

// The raw count a drive reports for a UDisks2 attribute, from the interpreted value UDisks2
// hands out ("pretty") and its unit (1 none, 2 ms, 3 sectors, 4 millikelvin); 0 when unknown.
quint64 udisksRawValue(quint8 id, qint64 pretty, int unit);

class LinuxSmartIo : public SmartIo
{
public:
    explicit LinuxSmartIo(SysRoot root, std::shared_ptr<BlockDeviceCalls> calls = nullptr,
                          bool useUDisks = true);
    ~LinuxSmartIo() override;

    int open(int driveIndex) override;
    bool deviceIoControl(int handle, quint32 code, const QByteArray &in, QByteArray *out) override;
    void close(int handle) override;

protected:
    // "/dev/<name>" of the drive with this Index in the Win32_DiskDrive list; empty when none.
    virtual QString devicePath(int driveIndex) const;

private:
    struct Handle
    {
        int fd = -1;
        QString device; // "/dev/sda"
        QString udisksPath; // drive object when reached through UDisks2
    };
    bool sgVersion(const Handle &h, QByteArray *out);
    bool sgCommand(const Handle &h, quint32 code, const QByteArray &in, QByteArray *out);
    // Sends one ATA command; `data` receives 512 bytes for PIO-in.
    bool sendAta(int fd, ata::Protocol protocol, const QByteArray &regs, QByteArray *data);
    bool udisksVersion(const Handle &h, QByteArray *out);
    bool udisksCommand(const Handle &h, quint32 code, const QByteArray &in, QByteArray *out);
    QString udisksDriveFor(const QString &device) const;

    SysRoot m_root;
    std::shared_ptr<BlockDeviceCalls> m_calls;
    bool m_useUDisks;
    std::mutex m_mutex;
    QHash<int, Handle> m_handles;
    int m_nextHandle = 1;
};

} // namespace plat
