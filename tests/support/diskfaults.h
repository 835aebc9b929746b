#pragma once
// Real disk faults for the writers' tests: a small tmpfs that can be filled (root only; tests
// skip without it), and a writer killed midway.

#include <QDir>
#include <QTemporaryDir>

#include <functional>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

class SmallDisk
{
public:
    explicit SmallDisk(qint64 bytes = 256 * 1024)
        : mounted(dir.isValid()
                  && ::mount("tmpfs", name().constData(), "tmpfs", 0,
                             ("size=" + QByteArray::number(bytes)).constData())
                      == 0)
    {
    }
    ~SmallDisk()
    {
        if (mounted)
            ::umount2(name().constData(), MNT_DETACH);
    }
    bool isMounted() const { return mounted; }
    QString path() const { return dir.path(); }
    QString filePath(const QString &file) const { return dir.filePath(file); }
    // Takes all free space but about `left` bytes with the file "filler".
    bool fill(qint64 left = 0)
    {
        QFile filler(dir.filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        while (filler.write(QByteArray(4096, 'f')) == 4096) { }
        return filler.resize(qMax<qint64>(0, filler.size() - left));
    }
    // Mounts the disk again read-only: whatever is on it stays readable, nothing can be written.
    bool makeReadOnly()
    {
        return mounted
            && ::mount("tmpfs", name().constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray name() const { return QFile::encodeName(dir.path()); }
    QTemporaryDir dir;
    bool mounted;
};

// Declares the SmallDisk `disk` (constructor arguments after it), or skips the test where a
// tmpfs can't be mounted.
#define VN_SMALL_DISK(disk, ...)                                                                   \
    SmallDisk disk { __VA_ARGS__ };                                                                \
    if (!disk.isMounted())                                                                         \
    QSKIP("a tmpfs can't be mounted here (needs root)")

// Runs `work` in a forked child that is killed (SIGKILL) right after it, with whatever `work`
// left open; false when `work` failed.
inline bool killedAfter(const std::function<bool()> &work)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(work() ? ::raise(SIGKILL) : 1);
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFSIGNALED(status);
}

// The files of a folder, hidden ones included.
inline QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}
