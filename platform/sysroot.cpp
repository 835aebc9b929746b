#include "sysroot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {

SysRoot::SysRoot(const QString &root)
    : m_root(root.isEmpty() ? QStringLiteral("/") : root)
{
    if (m_root.size() > 1 && m_root.endsWith(QLatin1Char('/')))
        m_root.chop(1);
}

QString SysRoot::path(const QString &absolute) const
{
    if (isLive())
        return absolute;
    if (absolute.startsWith(QLatin1Char('/')))
        return m_root + absolute;
    return m_root + QLatin1Char('/') + absolute;
}

bool SysRoot::exists(const QString &absolute) const
{
    return QFileInfo::exists(path(absolute));
}

bool SysRoot::isDir(const QString &absolute) const
{
    return QFileInfo(path(absolute)).isDir();
}

bool readRegularFile(const QString &realPath, QByteArray *out, qint64 maxBytes)
{
    out->clear();
    const QByteArray name = QFile::encodeName(realPath);
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    // Plain read(2) loop: sysfs and procfs files report size 0 and must be read to the end.
    char buffer[8192];
    bool ok = true;
    while (out->size() < maxBytes) {
        const ssize_t n
            = ::read(fd, buffer, size_t(qMin<qint64>(sizeof buffer, maxBytes - out->size())));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            break;
        }
        if (n == 0)
            break;
        out->append(buffer, int(n));
    }
    ::close(fd);
    return ok;
}

bool SysRoot::read(const QString &absolute, QByteArray *out, qint64 maxBytes) const
{
    return readRegularFile(path(absolute), out, maxBytes);
}

QByteArray SysRoot::read(const QString &absolute, qint64 maxBytes) const
{
    QByteArray data;
    read(absolute, &data, maxBytes);
    return data;
}

QString SysRoot::readLine(const QString &absolute) const
{
    QByteArray data;
    if (!read(absolute, &data, 64 * 1024))
        return QString();
    const int end = data.indexOf('\n');
    if (end >= 0)
        data.truncate(end);
    return QString::fromUtf8(data).trimmed();
}

QStringList SysRoot::list(const QString &absoluteDir) const
{
    QDir dir(path(absoluteDir));
    return dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDir::Name);
}

QString SysRoot::readLink(const QString &absolute) const
{
    return QFile::symLinkTarget(path(absolute)).isEmpty() ? QString() : QString::fromLocal8Bit([&] {
        QByteArray target(4096, '\0');
        const QByteArray name = QFile::encodeName(path(absolute));
        const ssize_t n = ::readlink(name.constData(), target.data(), size_t(target.size()));
        return n > 0 ? target.left(int(n)) : QByteArray();
    }());
}

QString SysRoot::canonical(const QString &absolute) const
{
    const QString resolved = QFileInfo(path(absolute)).canonicalFilePath();
    if (resolved.isEmpty() || isLive())
        return resolved;
    if (resolved.startsWith(m_root + QLatin1Char('/')))
        return resolved.mid(m_root.size());
    return resolved;
}

} // namespace plat
