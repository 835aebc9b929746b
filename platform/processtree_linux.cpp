// Process snapshot from /proc/<pid>/stat (field 4 is the parent, field 6 the session) and waits
// through pidfd_open + poll, which see the end of any process, not only of a child.

#include "processtree_linux.h"
#include "processtree.h"
#include "sysroot.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace plat {
namespace {

class LinuxProcessTree : public ProcessTree
{
public:
    explicit LinuxProcessTree(const SysRoot &root)
        : m_root(root)
    {
    }

    QVector<qint64> children(qint64 pid) override { return match(4, pid); }

    QVector<qint64> sessionMembers(qint64 leader) override
    {
        QVector<qint64> members = match(6, leader);
        members.removeAll(leader);
        return members;
    }

    bool waitForExit(qint64 pid) override
    {
        if (pid <= 0)
            return false;
        const int fd = int(::syscall(SYS_pidfd_open, pid_t(pid), 0));
        if (fd < 0) {
            if (errno != ENOSYS)
                return false; // gone already, or not ours to watch
            // Kernels before 5.3: look every 50 ms.
            while (::kill(pid_t(pid), 0) == 0 || errno == EPERM)
                ::usleep(50000);
            return true;
        }
        pollfd pfd { fd, POLLIN, 0 };
        while (::poll(&pfd, 1, -1) < 0 && errno == EINTR) { }
        ::close(fd);
        return true;
    }

private:
    // Live processes whose stat field `field` (4 parent, 6 session) equals `value`.
    QVector<qint64> match(int field, qint64 value) const
    {
        QVector<qint64> out;
        DIR *dir = ::opendir(QFile::encodeName(m_root.path(QStringLiteral("/proc"))).constData());
        if (!dir)
            return out;
        while (const dirent *entry = ::readdir(dir)) {
            bool numeric = false;
            const qint64 pid = QByteArray(entry->d_name).toLongLong(&numeric);
            if (!numeric || pid <= 0)
                continue;
            const QByteArray stat = m_root.read(QStringLiteral("/proc/%1/stat").arg(pid), 4096);
            const int close = stat.lastIndexOf(')');
            if (close < 0)
                continue; // ended meanwhile
            // After ") " come field 3 (state), 4 (ppid), 5 (pgrp), 6 (session).
            const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
            // A zombie has ended; only its parent's reaping is outstanding.
            if (fields.isEmpty() || fields.first() == "Z" || fields.first() == "X")
                continue;
            if (fields.size() > field - 3 && fields.at(field - 3).toLongLong() == value)
                out.append(pid);
        }
        ::closedir(dir);
        std::sort(out.begin(), out.end());
        return out;
    }

    SysRoot m_root;
};

bool isPackageTool(const QString &program)
{
    const QStringRef base = program.midRef(program.lastIndexOf(QLatin1Char('/')) + 1);
    for (const char *tool : { "apt", "apt-get", "aptitude", "dpkg", "flatpak", "snap", "pkexec" }) {
        if (base == QLatin1String(tool))
            return true;
    }
    return false;
}

} // namespace

bool refusedUnderTest(const QString &program, const QStringList &arguments)
{
    if (!::getenv("VN_TEST_SCRATCH"))
        return false;
    if (isPackageTool(program))
        return true;
    const QStringRef base = program.midRef(program.lastIndexOf(QLatin1Char('/')) + 1);
    return base == QLatin1String("sudo") && !arguments.isEmpty()
        && isPackageTool(arguments.first());
}

std::shared_ptr<ProcessTree> makeLinuxProcessTree(const SysRoot &root)
{
    return std::make_shared<LinuxProcessTree>(root);
}

} // namespace plat
