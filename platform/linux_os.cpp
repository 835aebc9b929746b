// Win32_OperatingSystem from os-release, the kernel's /proc files, the mount table and the
// process environment.

#include "linux_bytes.h"
#include "linux_hwutil.h"
#include "linuxsources.h"
#include "localeids.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFileInfo>

#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>
#include <utmp.h>

namespace plat::sources {

namespace {

using namespace plat::hw;

// A kernel identity string: /proc/sys/kernel/<name> (what uname() returns), else uname() itself.
QString kernelString(const SysRoot &root, const char *name, int unameField)
{
    const QString value = root.readLine(QStringLiteral("/proc/sys/kernel/") + QLatin1String(name));
    if (!value.isEmpty() || !root.isLive())
        return value;
    struct utsname u;
    if (uname(&u) != 0)
        return QString();
    const char *fields[] = { u.release, u.nodename, u.version };
    return QString::fromUtf8(fields[unameField]);
}

QByteArray osReleaseValue(const SysRoot &root, const QByteArray &key)
{
    QByteArray data = root.read(QStringLiteral("/etc/os-release"), 64 * 1024);
    if (data.isEmpty())
        data = root.read(QStringLiteral("/usr/lib/os-release"), 64 * 1024);
    return bytes::unquote(bytes::lineValue(data, key, '='));
}

QString mountSource(const QVector<Mount> &table, const QString &mountPoint)
{
    QString source; // the last entry wins: it is the one on top
    for (const Mount &m : table) {
        if (m.mountPoint == mountPoint)
            source = m.source;
    }
    return source;
}

// The running process's uid as the kernel reports it, so fixture trees carry their own.
std::optional<uint> processUid(const SysRoot &root)
{
    const QByteArray uids
        = bytes::lineValue(root.read(QStringLiteral("/proc/self/status")), "Uid", ':');
    bool ok = false;
    const uint uid = uids.simplified().split(' ').value(0).toUInt(&ok);
    return ok ? std::optional<uint>(uid) : std::nullopt;
}

// GECOS full name, else the login name.
QString registeredUser(const SysRoot &root)
{
    const auto uid = processUid(root);
    if (!uid)
        return QString();
    QByteArray login, gecos;
    if (root.isLive()) {
        struct passwd pw, *result = nullptr;
        char buffer[4096];
        if (getpwuid_r(*uid, &pw, buffer, sizeof buffer, &result) == 0 && result) {
            login = pw.pw_name;
            gecos = pw.pw_gecos ? QByteArray(pw.pw_gecos) : QByteArray();
        }
    } else {
        for (const QByteArray &line : root.read(QStringLiteral("/etc/passwd")).split('\n')) {
            const QList<QByteArray> f = line.split(':');
            if (f.size() >= 5 && f.at(2).toUInt() == *uid && !f.at(2).isEmpty()) {
                login = f.at(0);
                gecos = f.at(4);
                break;
            }
        }
    }
    const QByteArray fullName = gecos.split(',').value(0).trimmed();
    return QString::fromUtf8(fullName.isEmpty() ? login : fullName);
}

// A locale category as the process sees it: LC_ALL, then the category, then LANG, then the
// system default in /etc/default/locale.
QString localeName(const SysRoot &root, const QByteArray &category)
{
    QHash<QByteArray, QByteArray> env;
    if (root.isLive()) {
        for (const QByteArray &key : { QByteArray("LC_ALL"), category, QByteArray("LANG") })
            env.insert(key, qgetenv(key.constData()));
    } else {
        for (const QByteArray &entry :
             root.read(QStringLiteral("/proc/self/environ")).split('\0')) {
            const int eq = entry.indexOf('=');
            if (eq > 0)
                env.insert(entry.left(eq), entry.mid(eq + 1));
        }
    }
    for (const QByteArray &key : { QByteArray("LC_ALL"), category, QByteArray("LANG") }) {
        if (!env.value(key).isEmpty())
            return QString::fromLatin1(env.value(key));
    }
    const QByteArray defaults = root.read(QStringLiteral("/etc/default/locale"), 64 * 1024);
    for (const QByteArray &key : { category, QByteArray("LANG") }) {
        const QByteArray value = bytes::unquote(bytes::lineValue(defaults, key, '='));
        if (!value.isEmpty())
            return QString::fromLatin1(value);
    }
    return QString();
}

// The international dialling prefix of the telephone locale: the C library's locale data on
// the live root, else the locale source file ("int_prefix").
QString countryCode(const SysRoot &root)
{
    const QString name = localeName(root, "LC_TELEPHONE");
    if (name.isEmpty() || name == QLatin1String("C") || name.startsWith(QLatin1String("C."))
        || name == QLatin1String("POSIX"))
        return QString();
    if (root.isLive()) {
        locale_t loc = newlocale(LC_TELEPHONE_MASK, name.toLatin1().constData(), locale_t(nullptr));
        if (loc) {
            const QString prefix = QString::fromUtf8(nl_langinfo_l(_NL_TELEPHONE_INT_PREFIX, loc));
            freelocale(loc);
            return prefix;
        }
    }
    QString file = name.section(QLatin1Char('.'), 0, 0);
    for (int hop = 0; hop < 3 && !file.isEmpty(); ++hop) {
        const QByteArray data
            = '\n' + root.read(QStringLiteral("/usr/share/i18n/locales/") + file, 1024 * 1024);
        const int start = data.indexOf("\nLC_TELEPHONE");
        const int end = data.indexOf("\nEND LC_TELEPHONE", start);
        if (start < 0 || end < 0)
            return QString();
        const QByteArray section = data.mid(start + 1, end - start).replace('\t', ' ');
        const QByteArray prefix = bytes::unquote(bytes::lineValue(section, "int_prefix", ' '));
        if (!prefix.isEmpty())
            return QString::fromLatin1(prefix);
        file = QString::fromLatin1(bytes::unquote(bytes::lineValue(section, "copy", ' ')));
    }
    return QString();
}

QDateTime installDate(const SysRoot &root)
{
    struct statx st;
    const QByteArray top = QFile::encodeName(root.path(QStringLiteral("/")));
    if (statx(AT_FDCWD, top.constData(), 0, STATX_BTIME, &st) == 0 && (st.stx_mask & STATX_BTIME)
        && st.stx_btime.tv_sec > 0)
        return QDateTime::fromSecsSinceEpoch(st.stx_btime.tv_sec);
    const QFileInfo installer(root.path(QStringLiteral("/var/log/installer/syslog")));
    if (installer.exists() && installer.lastModified().toSecsSinceEpoch() > 0)
        return installer.lastModified();
    return QDateTime();
}

int userCount(const SysRoot &root)
{
    if (root.isLive() && QCoreApplication::instance()) {
        QDBusConnection bus = QDBusConnection::systemBus();
        if (bus.isConnected()) {
            const QDBusMessage call = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("ListSessions"));
            const QDBusMessage reply = bus.call(call, QDBus::Block, 2000);
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
                const QDBusArgument arg = reply.arguments().first().value<QDBusArgument>();
                int sessions = 0;
                arg.beginArray();
                while (!arg.atEnd()) {
                    QString id, user, seat;
                    uint uid = 0;
                    QDBusObjectPath path;
                    arg.beginStructure();
                    arg >> id >> uid >> user >> seat >> path;
                    arg.endStructure();
                    ++sessions;
                }
                arg.endArray();
                return sessions;
            }
        }
    }
    const QByteArray records = root.read(QStringLiteral("/run/utmp"), 4 * 1024 * 1024);
    int users = 0;
    for (int pos = 0; pos + int(sizeof(struct utmp)) <= records.size();
         pos += sizeof(struct utmp)) {
        struct utmp entry;
        memcpy(&entry, records.constData() + pos, sizeof entry);
        if (entry.ut_type == USER_PROCESS)
            ++users;
    }
    return users;
}

// RLIMIT_AS when finite, else the user address space of the architecture, in KB.
QString maxProcessMemoryKb(const SysRoot &root, const QString &arch)
{
    const QByteArray limits = root.read(QStringLiteral("/proc/self/limits"));
    const int at = limits.indexOf("Max address space");
    if (at >= 0) {
        const QByteArray soft = limits.mid(at + 17, limits.indexOf('\n', at) - at - 17)
                                    .simplified()
                                    .split(' ')
                                    .value(0);
        bool ok = false;
        const quint64 bytesLimit = soft.toULongLong(&ok);
        if (ok)
            return QString::number(bytesLimit / 1024);
    }
    if (arch == QLatin1String("x86_64"))
        return QString::number(((quint64(1) << 47) - 4096) / 1024);
    if (arch == QLatin1String("aarch64"))
        return QString::number(((quint64(1) << 48) - 4096) / 1024);
    if (arch.size() == 4 && arch.startsWith(QLatin1Char('i')) && arch.endsWith(QLatin1String("86")))
        return QString::number(quint64(3) * 1024 * 1024); // the 3 GB user split
    return QString();
}

} // namespace

QVector<wmi::Object> operatingSystem(const SysRoot &root)
{
    wmi::Object o;
    const QString caption = QString::fromUtf8(osReleaseValue(root, "PRETTY_NAME"));
    const QString arch = machine(root);
    const QVector<Mount> table = mounts(root);
    const QString rootDevice = mountSource(table, QStringLiteral("/"));
    QString bootDevice = mountSource(table, QStringLiteral("/boot"));
    if (bootDevice.isEmpty())
        bootDevice = rootDevice;

    o.insert(QStringLiteral("Caption"), text(caption));
    o.insert(QStringLiteral("BuildNumber"), text(kernelString(root, "osrelease", 0)));
    o.insert(QStringLiteral("CSName"), text(kernelString(root, "hostname", 1)));
    // Windows writes "caption|windows folder|device"; the root mount stands for the folder.
    o.insert(QStringLiteral("Name"),
             caption.isEmpty() ? wmi::null()
                               : wmi::bstr(caption + QStringLiteral("|/|") + rootDevice));
    o.insert(QStringLiteral("OSArchitecture"),
             arch.isEmpty()
                 ? wmi::null()
                 : wmi::bstr(is64Bit(arch) ? QStringLiteral("64-bit") : QStringLiteral("32-bit")));
    // The machine id stands for the product id.
    o.insert(QStringLiteral("SerialNumber"),
             text(root.readLine(QStringLiteral("/etc/machine-id"))));
    o.insert(QStringLiteral("Status"), wmi::bstr(QStringLiteral("OK")));
    o.insert(QStringLiteral("Manufacturer"),
             text(QString::fromUtf8(osReleaseValue(root, "VENDOR_NAME"))));
    // Linux analogues of the system drive and the Windows folders.
    o.insert(QStringLiteral("SystemDrive"), wmi::bstr(QStringLiteral("/")));
    o.insert(QStringLiteral("SystemDirectory"), wmi::bstr(QStringLiteral("/usr/bin")));
    o.insert(QStringLiteral("WindowsDirectory"), wmi::bstr(QStringLiteral("/usr")));

    int processes = 0;
    for (const QString &entry : root.list(QStringLiteral("/proc"))) {
        bool ok = false;
        entry.toUInt(&ok);
        processes += ok ? 1 : 0;
    }
    o.insert(QStringLiteral("NumberOfProcesses"), wmi::i4(processes));
    o.insert(QStringLiteral("RegisteredUser"), text(registeredUser(root)));
    o.insert(QStringLiteral("Primary"), wmi::boolean(true));

    bool ok = false;
    const qint64 btime
        = bytes::lineValue(root.read(QStringLiteral("/proc/stat")), "btime", ' ').toLongLong(&ok);
    o.insert(QStringLiteral("LastBootUpTime"),
             ok && btime > 0 ? date(QDateTime::fromSecsSinceEpoch(btime)) : wmi::null());

    const int lcid = lcidForLocaleName(localeName(root, "LC_MESSAGES"));
    o.insert(QStringLiteral("Locale"),
             lcid ? wmi::bstr(QStringLiteral("%1").arg(lcid, 4, 16, QLatin1Char('0')))
                  : wmi::null());
    o.insert(QStringLiteral("InstallDate"), date(installDate(root)));
    o.insert(QStringLiteral("BootDevice"), text(bootDevice));
    o.insert(QStringLiteral("CountryCode"), text(countryCode(root)));
    o.insert(QStringLiteral("NumberOfUsers"), wmi::i4(userCount(root)));
    o.insert(QStringLiteral("SystemDevice"), text(rootDevice));
    o.insert(QStringLiteral("MaxProcessMemorySize"), text(maxProcessMemoryKb(root, arch)));
    o.insert(QStringLiteral("EncryptionLevel"), wmi::null()); // no system-wide cipher strength
    o.insert(QStringLiteral("BuildType"), text(kernelString(root, "version", 2)));
    return { o };
}

} // namespace plat::sources
