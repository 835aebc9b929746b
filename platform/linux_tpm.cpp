// Win32_Tpm from /sys/class/tpm/tpm0. TPM 1.2 states come from the world-readable sysfs files;
// TPM 2.0 revision and firmware come from one TPM2_GetCapability on /dev/tpmrm0 when this user
// may open it (root or group tss), and are NULL otherwise. No tpm0 gives no object.

#include "linux_tpm.h"
#include "linux_bytes.h"
#include "linuxsources.h"

#include <QtEndian>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace plat::tpm {

QByteArray fixedPropertiesCommand()
{
    static const unsigned char cmd[]
        = { 0x80, 0x01, 0x00, 0x00, 0x00, 0x16, 0x00, 0x00, 0x01, 0x7A, 0x00,
            0x00, 0x00, 0x06, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x40 };
    return QByteArray(reinterpret_cast<const char *>(cmd), int(sizeof cmd));
}

bool parseProperties(const QByteArray &response, QHash<quint32, quint32> *out)
{
    // Header (tag 2, size 4, response code 4), moreData 1, capability 4, count 4, pairs of 8.
    const auto *p = reinterpret_cast<const uchar *>(response.constData());
    const int n = response.size();
    if (n < 19)
        return false;
    const quint32 size = qFromBigEndian<quint32>(p + 2);
    const quint32 rc = qFromBigEndian<quint32>(p + 6);
    if (rc != 0 || size > quint32(n) || qFromBigEndian<quint32>(p + 11) != 6)
        return false;
    const quint32 count = qFromBigEndian<quint32>(p + 15);
    if (count > quint32((n - 19) / 8))
        return false;
    for (quint32 i = 0; i < count; ++i) {
        const uchar *pair = p + 19 + 8 * i;
        out->insert(qFromBigEndian<quint32>(pair), qFromBigEndian<quint32>(pair + 4));
    }
    return true;
}

QString specVersion(const QHash<quint32, quint32> &props)
{
    const auto it = props.constFind(0x102);
    if (it == props.constEnd())
        return QString();
    // TPM_PT_REVISION is the library revision times 100 (159 is 1.59).
    return QStringLiteral("2.0, 0, %1.%2").arg(*it / 100).arg(*it % 100, 2, 10, QLatin1Char('0'));
}

QString firmwareVersion(const QHash<quint32, quint32> &props)
{
    const auto one = props.constFind(0x10B);
    const auto two = props.constFind(0x10C);
    if (one == props.constEnd() || two == props.constEnd())
        return QString();
    return QStringLiteral("%1.%2.%3.%4")
        .arg(*one >> 16)
        .arg(*one & 0xFFFF)
        .arg(*two >> 16)
        .arg(*two & 0xFFFF);
}

} // namespace plat::tpm

namespace plat::sources {
namespace {

using namespace wmi;

// One command/response exchange with the resource manager; empty on any failure.
QByteArray transact(const QByteArray &command)
{
    const int fd = ::open("/dev/tpmrm0", O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return QByteArray();
    QByteArray response;
    if (::write(fd, command.constData(), size_t(command.size())) == command.size()) {
        pollfd pfd { fd, POLLIN, 0 };
        if (::poll(&pfd, 1, 2000) == 1) {
            response.resize(4096);
            const ssize_t n = ::read(fd, response.data(), size_t(response.size()));
            response.resize(n > 0 ? int(n) : 0);
        }
    }
    ::close(fd);
    return response;
}

VARIANT flag(const SysRoot &root, const QString &file)
{
    const QByteArray v = root.read(file, 64).trimmed();
    if (v == "1")
        return boolean(true);
    if (v == "0")
        return boolean(false);
    return null();
}

} // namespace

QVector<Object> tpms(const SysRoot &root)
{
    const QString dir = QStringLiteral("/sys/class/tpm/tpm0");
    if (!root.exists(dir))
        return {};

    Object obj;
    bool ok = false;
    int major = bytes::toInt64(root.read(dir + QStringLiteral("/tpm_version_major"), 64), &ok);
    const QByteArray caps = root.read(dir + QStringLiteral("/device/caps"), 4096);
    if (!ok) // kernels before 5.6 have no tpm_version_major; only TPM 1.2 has "caps"
        major = caps.isEmpty() ? 2 : 1;

    if (major == 1) {
        obj.insert(QStringLiteral("IsActivated_InitialValue"),
                   flag(root, dir + QStringLiteral("/device/active")));
        obj.insert(QStringLiteral("IsEnabled_InitialValue"),
                   flag(root, dir + QStringLiteral("/device/enabled")));
        // "TCG version: 1.2" is the version the TPM implements; "%d.0" would say 1.0.
        const QByteArray tcg = bytes::lineValue(caps, "TCG version", ':');
        obj.insert(QStringLiteral("SpecVersion"),
                   tcg.isEmpty() ? null() : bstr(QString::fromLatin1(tcg)));
        const QByteArray fw = bytes::lineValue(caps, "Firmware version", ':');
        obj.insert(QStringLiteral("ManufacturerVersion"),
                   fw.isEmpty() ? null() : bstr(QString::fromLatin1(fw)));
        return { obj };
    }

    // A TPM 2.0 the kernel drives is enabled and activated; there is no off switch to read.
    obj.insert(QStringLiteral("IsActivated_InitialValue"), boolean(true));
    obj.insert(QStringLiteral("IsEnabled_InitialValue"), boolean(true));
    QHash<quint32, quint32> props;
    if (root.isLive())
        tpm::parseProperties(transact(tpm::fixedPropertiesCommand()), &props);
    const QString version = tpm::specVersion(props);
    obj.insert(QStringLiteral("SpecVersion"),
               bstr(version.isEmpty() ? QStringLiteral("%1.0").arg(major) : version));
    const QString fw = tpm::firmwareVersion(props);
    obj.insert(QStringLiteral("ManufacturerVersion"), fw.isEmpty() ? null() : bstr(fw));
    return { obj };
}

} // namespace plat::sources
