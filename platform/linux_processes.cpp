// Win32_Process from /proc: one object per numeric /proc entry. A process that ends while it is
// read is left out, never shown half-filled.

#include "linux_bytes.h"
#include "linuxsources.h"

#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <limits>

namespace plat::sources {
namespace {

using namespace wmi;

// The fields of /proc/P/stat after the command name, 1-based as proc(5) counts them.
struct StatFields
{
    QByteArray comm;
    QList<QByteArray> rest; // rest[0] is field 3 (state)
    QByteArray field(int n) const { return n - 3 < rest.size() ? rest.at(n - 3) : QByteArray(); }
};

bool parseStat(const QByteArray &data, StatFields *out)
{
    // The command name sits in parentheses and may itself hold ')' or blanks.
    const int open = data.indexOf('(');
    const int close = data.lastIndexOf(')');
    if (open < 0 || close < open)
        return false;
    out->comm = data.mid(open + 1, close - open - 1);
    out->rest = data.mid(close + 1).simplified().split(' ');
    return out->rest.size() >= 21; // up to vsize (field 23)
}

QByteArray readLinkRaw(const QString &path)
{
    QByteArray target(4096, '\0');
    const QByteArray name = QFile::encodeName(path);
    const ssize_t n = ::readlink(name.constData(), target.data(), size_t(target.size()));
    return n > 0 ? target.left(int(n)) : QByteArray();
}

// Open descriptors of a process. Since Linux 6.2 procfs reports their number as the size of
// the fd folder, which saves listing hundreds of entries; elsewhere they are counted.
int countDescriptors(const QString &dirPath, bool live, bool *ok)
{
    const QByteArray path = QFile::encodeName(dirPath);
    struct stat st = {};
    if (live && ::stat(path.constData(), &st) == 0 && st.st_size > 0) {
        *ok = true;
        return int(st.st_size);
    }
    DIR *dir = ::opendir(path.constData());
    *ok = dir != nullptr;
    if (!dir)
        return 0;
    int count = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
            ++count;
    }
    ::closedir(dir);
    return count;
}

QByteArray baseName(const QByteArray &path)
{
    const int slash = path.lastIndexOf('/');
    return slash >= 0 ? path.mid(slash + 1) : path;
}

VARIANT i4Field(const QByteArray &text)
{
    bool ok = false;
    const qint64 v = text.toLongLong(&ok);
    // 32-bit fields only: a larger number has no VT_I4 form.
    ok = ok && v >= std::numeric_limits<qint32>::min()
        && v <= qint64(std::numeric_limits<quint32>::max());
    return ok ? i4(qint32(quint32(v))) : null();
}

// The scheduling of a task on the 0-31 scale of Windows base priorities, as its priority classes
// place them: real-time tasks 24, others by nice value (idle 4, below normal 6, normal 8, above
// normal 10, high 13).
VARIANT priority(const StatFields &stat)
{
    bool okPriority = false, okNice = false, okPolicy = false;
    const qint64 prio = stat.field(18).toLongLong(&okPriority);
    const qint64 nice = stat.field(19).toLongLong(&okNice);
    const qint64 policy = stat.field(41).toLongLong(&okPolicy);
    // SCHED_FIFO, SCHED_RR and SCHED_DEADLINE; field 18 is negative for all three.
    if ((okPolicy && (policy == 1 || policy == 2 || policy == 6)) || (okPriority && prio < 0))
        return i4(24);
    if (!okNice || nice < -20 || nice > 19)
        return null();
    return i4(nice <= -15 ? 13 : nice <= -5 ? 10 : nice <= 4 ? 8 : nice <= 14 ? 6 : 4);
}

bool readProcess(const SysRoot &root, const QByteArray &pid, qint64 pageSize, Object *obj)
{
    const QString dir = QStringLiteral("/proc/") + QLatin1String(pid);
    QByteArray statData;
    StatFields stat;
    // No stat: the process has gone since the folder was listed.
    if (!root.read(dir + QStringLiteral("/stat"), &statData, 4096) || !parseStat(statData, &stat))
        return false;
    // Without status (a hidepid mount, a damaged tree) the process is still listed.
    const QByteArray status = root.read(dir + QStringLiteral("/status"), 16384);
    const QByteArray statm = root.read(dir + QStringLiteral("/statm"), 512);

    QByteArray exe = readLinkRaw(root.path(dir + QStringLiteral("/exe")));
    if (exe.endsWith(" (deleted)"))
        exe.chop(10);
    const QByteArray cmdline = root.read(dir + QStringLiteral("/cmdline"), 4096);
    // A process that rewrote its title may leave no NUL at all.
    const int end = cmdline.indexOf('\0');
    const QByteArray argv0 = end < 0 ? cmdline : cmdline.left(end);
    // Another user's exe link needs privileges; the command line names the same program when
    // its first word is the path of an existing file.
    if (exe.isEmpty() && argv0.startsWith('/')
        && QFileInfo(root.path(QString::fromLocal8Bit(argv0))).isFile())
        exe = argv0;

    // The kernel gives the full name of its threads ("kworker/R-rcu_gp"), never cut here.
    QByteArray name;
    if (!exe.isEmpty())
        name = baseName(exe);
    else
        name = argv0.isEmpty() ? stat.comm : baseName(argv0);

    obj->insert(QStringLiteral("Name"), bstr(QString::fromUtf8(name)));
    obj->insert(QStringLiteral("ProcessId"), i4(pid.toInt()));
    // Resident pages stand for the working set.
    const QList<QByteArray> pages = statm.simplified().split(' ');
    bool ok = false;
    const qint64 resident = pages.size() > 1 ? pages.at(1).toLongLong(&ok) : 0;
    // A page count no address space holds comes from a damaged file.
    ok = ok && resident >= 0 && pageSize > 0
        && resident <= std::numeric_limits<qint64>::max() / pageSize;
    obj->insert(QStringLiteral("WorkingSetSize"),
                ok ? bstr(QString::number(resident * pageSize)) : null());
    // Open file descriptors stand for handles; other users' fd folders need root.
    const int fds = countDescriptors(root.path(dir + QStringLiteral("/fd")), root.isLive(), &ok);
    obj->insert(QStringLiteral("HandleCount"), ok ? i4(fds) : null());
    // Linux keeps no peak commit charge; the resident peak (VmHWM, kB) is the nearest figure.
    const QByteArray hwm = bytes::lineValue(status, "VmHWM", ':');
    obj->insert(QStringLiteral("PeakPageFileUsage"),
                hwm.isEmpty() ? null() : i4Field(hwm.left(hwm.indexOf(' '))));
    obj->insert(QStringLiteral("Priority"), priority(stat));
    obj->insert(QStringLiteral("SessionId"), i4Field(stat.field(6)));
    obj->insert(
        QStringLiteral("ThreadCount"),
        i4Field(status.isEmpty() ? stat.field(20) : bytes::lineValue(status, "Threads", ':')));
    const QByteArray vsize = stat.field(23);
    obj->insert(QStringLiteral("VirtualSize"),
                vsize.isEmpty() ? null() : bstr(QString::fromLatin1(vsize)));
    obj->insert(QStringLiteral("ExecutablePath"),
                exe.isEmpty() ? null() : bstr(QString::fromUtf8(exe)));
    return true;
}

} // namespace

QVector<Object> processes(const SysRoot &root)
{
    QVector<QByteArray> pids;
    if (DIR *dir = ::opendir(QFile::encodeName(root.path(QStringLiteral("/proc"))).constData())) {
        while (const dirent *entry = ::readdir(dir)) {
            const char *n = entry->d_name;
            if (*n < '1' || *n > '9')
                continue;
            bool numeric = true;
            for (const char *c = n; *c && numeric; ++c)
                numeric = *c >= '0' && *c <= '9';
            if (numeric)
                pids.append(QByteArray(n));
        }
        ::closedir(dir);
    }
    std::sort(pids.begin(), pids.end(),
              [](const QByteArray &a, const QByteArray &b) { return a.toInt() < b.toInt(); });

    const qint64 pageSize = ::sysconf(_SC_PAGESIZE);
    QVector<Object> out;
    out.reserve(pids.size());
    for (const QByteArray &pid : qAsConst(pids)) {
        Object obj;
        if (readProcess(root, pid, pageSize, &obj))
            out.append(obj);
    }
    return out;
}

} // namespace plat::sources
