#include "net/networkintake.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

namespace {

// A small file of /proc, or "" when it can't be read.
QByteArray procText(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return QByteArray();
    char buffer[512];
    const ssize_t length = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    return length > 0 ? QByteArray(buffer, int(length)) : QByteArray();
}

QSet<int> processThreads()
{
    QSet<int> threads;
    DIR *folder = ::opendir("/proc/self/task");
    if (!folder)
        return threads;
    while (const dirent *entry = ::readdir(folder)) {
        const int id = std::atoi(entry->d_name);
        if (id > 0)
            threads.insert(id);
    }
    ::closedir(folder);
    return threads;
}

QByteArray threadFile(int thread, const char *name)
{
    return QByteArray("/proc/self/task/") + QByteArray::number(thread) + '/' + name;
}

// The bytes the thread has passed through read() (its sockets included); -1 once it has ended
// or where the kernel keeps no such count.
qint64 bytesReadBy(int thread)
{
    const QByteArray io = procText(threadFile(thread, "io"));
    if (!io.startsWith("rchar:"))
        return -1;
    bool ok = false;
    const qint64 bytes = io.mid(6, io.indexOf('\n') - 6).trimmed().toLongLong(&ok);
    return ok ? bytes : -1;
}

qint64 residentBytes()
{
    const QList<QByteArray> fields = procText("/proc/self/statm").split(' ');
    return fields.value(1).toLongLong() * ::sysconf(_SC_PAGESIZE);
}

} // namespace

const QByteArray NetworkIntake::qtNetworkThreadName = QByteArrayLiteral("QNetworkAccessM");

NetworkIntake::NetworkIntake(const QByteArray &name)
    : threadName(name)
    , threadsBefore(processThreads())
    , residentBaseline(residentBytes())
{
}

void NetworkIntake::restart()
{
    for (auto it = threadBaselines.begin(); it != threadBaselines.end(); ++it)
        it.value() = qMax<qint64>(0, bytesReadBy(it.key()));
    residentBaseline = residentBytes();
}

void NetworkIntake::findRequestThread()
{
    // Qt starts the thread with the request, or (for a request with a body) on the request's
    // next turn of its event loop: the first of its name that was not there before is the
    // request's. It is new, so all it has read counts. Should another request's thread have
    // started in that same moment, both count: more than this request took in, never less.
    for (const int thread : processThreads() - threadsBefore) {
        if (procText(threadFile(thread, "comm")).trimmed() != threadName)
            continue;
        if (bytesReadBy(thread) >= 0)
            threadBaselines.insert(thread, 0);
    }
}

qint64 NetworkIntake::bytes()
{
    if (threadBaselines.isEmpty())
        findRequestThread();
    if (threadBaselines.isEmpty())
        return qMax<qint64>(0, residentBytes() - residentBaseline);
    qint64 total = 0;
    for (auto it = threadBaselines.cbegin(); it != threadBaselines.cend(); ++it)
        total += qMax<qint64>(0, bytesReadBy(it.key()) - it.value());
    return total;
}
