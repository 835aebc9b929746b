#include "app/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char partMarker[] = ".vnpart-";
constexpr int partRandomLength = 6;
constexpr int createAttempts = 64;

QString systemError(int code)
{
    return qt_error_string(code);
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The name still names the file open on fd (nobody removed or replaced it meanwhile).
bool nameRefersTo(const QByteArray &name, int fd)
{
    struct stat byName = {};
    {};
    struct stat byHandle = {};
    {};
    return ::lstat(name.constData(), &byName) == 0 && ::fstat(fd, &byHandle) == 0
        && sameFile(byName, byHandle);
}

QString randomSuffix()
{
    static const char characters[]
        = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < partRandomLength; ++i)
        suffix += QLatin1Char(
            characters[QRandomGenerator::global()->bounded(int(sizeof(characters) - 1))]);
    return suffix;
}

// A link is written through: its target is the file that gets replaced.
QString resolvedTarget(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString linked = info.symLinkTarget();
        if (!linked.isEmpty())
            return linked;
    }
    return info.absoluteFilePath();
}

} // namespace

// The part's device: writes straight to the handle in blocks of its own, retrying short writes,
// and keeps the system's error of the first failure (a short write followed by ENOSPC is an
// "Unknown error" for QFile, and QTextStream drops the rest of a short write silently).
class AtomicFilePart : public QIODevice
{
public:
    explicit AtomicFilePart(int handle)
        : fd(handle)
    {
        QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    ~AtomicFilePart() override { closeHandle(); }

    int handle() const { return fd; }
    int failure() const { return firstError; }
    bool isSequential() const override { return true; }

    bool flushBuffer()
    {
        qint64 done = 0;
        while (firstError == 0 && done < buffer.size()) {
            const ssize_t count
                = ::write(fd, buffer.constData() + done, size_t(buffer.size() - done));
            if (count > 0)
                done += count;
            else if (count < 0 && errno != EINTR)
                firstError = errno;
            else if (count == 0)
                firstError = EIO;
        }
        buffer.clear();
        return firstError == 0;
    }

    bool closeHandle()
    {
        if (fd < 0)
            return true;
        const bool closed = ::close(fd) == 0;
        if (!closed && firstError == 0)
            firstError = errno;
        fd = -1;
        QIODevice::close();
        return closed;
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        if (firstError != 0)
            return -1;
        buffer.append(data, int(length));
        if (buffer.size() >= blockSize && !flushBuffer())
            return -1;
        return length;
    }

private:
    static constexpr int blockSize = 64 * 1024;
    int fd;
    int firstError = 0;
    QByteArray buffer;
};

AtomicFile::AtomicFile(const QString &targetPath)
    : target(resolvedTarget(targetPath))
{
}

AtomicFile::~AtomicFile()
{
    discard();
}

bool AtomicFile::fail(const QString &reason)
{
    if (error.isEmpty())
        error = reason;
    discard();
    return false;
}

bool AtomicFile::discard()
{
    if (!part)
        return true;
    const QByteArray name = QFile::encodeName(partPath);
    // Removed while still open and locked: no other cleaner can mistake it for stale.
    const bool removed = !nameRefersTo(name, part->handle()) || ::unlink(name.constData()) == 0;
    part.reset();
    return removed;
}

QString AtomicFile::errorString() const
{
    if (error.isEmpty() && part && part->failure() != 0)
        return systemError(part->failure());
    return error;
}

QIODevice *AtomicFile::device()
{
    return part.get();
}

bool AtomicFile::open()
{
    discard();
    error.clear();
    const QFileInfo info(target);
    const QString folder = info.absolutePath();
    removeStaleParts(folder);

    struct stat existing = {};
    {};
    const bool replacing = ::stat(QFile::encodeName(target).constData(), &existing) == 0;
    for (int attempt = 0; attempt < createAttempts; ++attempt) {
        partPath = QStringLiteral("%1/.%2%3%4")
                       .arg(folder, info.fileName(), QLatin1String(partMarker), randomSuffix());
        const QByteArray name = QFile::encodeName(partPath);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            error = systemError(errno);
            return false;
        }
        // Another save's cleaner may have taken the part between its creation and the lock.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !nameRefersTo(name, fd)) {
            ::close(fd);
            continue;
        }
        // The new file keeps the permissions of the one it replaces.
        if (replacing)
            ::fchmod(fd, existing.st_mode & 07777);
        part = std::make_unique<AtomicFilePart>(fd);
        return true;
    }
    error = systemError(EEXIST);
    return false;
}

bool AtomicFile::write(const QByteArray &data)
{
    if (!part)
        return fail(error.isEmpty() ? systemError(EBADF) : error);
    const qint64 count = part->write(data);
    if (count != data.size())
        return fail(systemError(part->failure()));
    return true;
}

bool AtomicFile::commit()
{
    if (!part)
        return fail(error.isEmpty() ? systemError(EBADF) : error);
    // A writer working on device() may have met an error that its own API did not report.
    if (!part->flushBuffer())
        return fail(systemError(part->failure()));
    if (::fsync(part->handle()) != 0)
        return fail(systemError(errno));

    // The lock is held through a second handle until the part has its final name, so the part
    // never looks stale to another save while it is being closed and moved.
    const int lockHandle = ::dup(part->handle());
    if (lockHandle < 0)
        return fail(systemError(errno));
    const QByteArray name = QFile::encodeName(partPath);
    const bool closed = part->closeHandle();
    const int closeError = part->failure();
    part.reset();
    bool committed = false;
    if (!closed)
        error = systemError(closeError);
    else if (!nameRefersTo(name, lockHandle))
        error = systemError(ENOENT);
    else if (::rename(name.constData(), QFile::encodeName(target).constData()) != 0)
        error = systemError(errno);
    else
        committed = true;
    if (!committed && nameRefersTo(name, lockHandle))
        ::unlink(name.constData());
    ::close(lockHandle);
    return committed;
}

int AtomicFile::removeStaleParts(const QString &folder)
{
    static const QRegularExpression partName(QStringLiteral("^\\..+%1[A-Za-z0-9]{%2}$")
                                                 .arg(QRegularExpression::escape(partMarker))
                                                 .arg(partRandomLength));
    const QStringList candidates
        = QDir(folder).entryList({ QStringLiteral(".*%1*").arg(QLatin1String(partMarker)) },
                                 QDir::Files | QDir::Hidden | QDir::System);
    int removed = 0;
    for (const QString &candidate : candidates) {
        if (!partName.match(candidate).hasMatch())
            continue;
        const QByteArray name = QFile::encodeName(folder + QLatin1Char('/') + candidate);
        const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat status = {};
        {};
        // Only the user's own regular files, and only when no writer holds the lock.
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid()
            && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && nameRefersTo(name, fd)
            && ::unlink(name.constData()) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}

bool AtomicFile::writeFile(const QString &path, const QByteArray &data, QString *reason)
{
    AtomicFile file(path);
    if (file.open() && file.write(data) && file.commit())
        return true;
    if (reason)
        *reason = file.errorString();
    return false;
}
