#pragma once
// Real disk faults for the writers' tests: a small tmpfs that can be filled (root only; tests
// skip without it), work in a forked child under a file-size limit, and a writer killed in the
// middle of a save.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

class SmallDisk
{
public:
    explicit SmallDisk(qint64 bytes = 256 * 1024)
    {
        if (!dir.isValid())
            return;
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0777";
        mounted = ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0,
                          options.constData())
            == 0;
    }
    ~SmallDisk()
    {
        if (mounted)
            ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
    bool isMounted() const { return mounted; }
    QString path() const { return dir.path(); }
    QString filePath(const QString &name) const { return dir.filePath(name); }

    // Takes all free space but about `left` bytes with a filler file.
    bool fill(qint64 left = 0)
    {
        QFile filler(dir.filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) { }
        const qint64 full = filler.size();
        filler.close();
        return QFile::resize(filler.fileName(), qMax<qint64>(0, full - left));
    }

private:
    QTemporaryDir dir;
    bool mounted = false;
};

// Runs `work` in a forked child and returns what it gave back (through a pipe). With a size
// limit, writes past it fail with EFBIG instead of ending the child.
inline QByteArray runInChild(const std::function<QByteArray()> &work, qint64 fileSizeLimit = -1)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return "pipe failed";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (fileSizeLimit >= 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit { rlim_t(fileSizeLimit), rlim_t(fileSizeLimit) };
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        const QByteArray answer = work();
        const ssize_t sent = ::write(channel[1], answer.constData(), size_t(answer.size()));
        ::_exit(sent == answer.size() ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray answer;
    char buffer[4096];
    ssize_t count;
    while ((count = ::read(channel[0], buffer, sizeof buffer)) > 0)
        answer.append(buffer, int(count));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return answer;
}

// Runs `startWriting` in a forked child that is killed (SIGKILL) once it has begun; true when
// the child was killed as planned. `startWriting` must leave its file open and return.
inline bool killWriterMidway(const std::function<void()> &startWriting)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return false;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        startWriting();
        const char mark = 'w';
        if (::write(ready[1], &mark, 1) != 1)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char mark = 0;
    const bool began = ::read(ready[0], &mark, 1) == 1;
    ::close(ready[0]);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    return began && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// The files of a folder, hidden ones included.
inline QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}
