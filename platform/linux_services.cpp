// Win32_Service from systemd: the manager over the system bus when systemd runs (see
// linux_services_dbus.cpp), otherwise the unit files themselves. Templates ("name@.service") are
// no services of their own; aliases are listed under the unit they point to.

#include "linux_services.h"

#include "linuxsources.h"

#include <QDBusConnection>
#include <QMap>
#include <QSet>

#include <algorithm>

namespace plat::services {
namespace {

using namespace wmi;
using namespace unit;

const char *const kUnitDirs[] = { "/etc/systemd/system", "/run/systemd/system",
                                  "/lib/systemd/system", "/usr/lib/systemd/system" };

// ActiveState in the words the service list shows.
QString stateText(const QString &active)
{
    if (active == QLatin1String("active") || active == QLatin1String("reloading"))
        return QStringLiteral("Running");
    if (active == QLatin1String("activating"))
        return QStringLiteral("Start Pending");
    if (active == QLatin1String("deactivating"))
        return QStringLiteral("Stop Pending");
    return QStringLiteral("Stopped");
}

// UnitFileState as a start mode.
VARIANT startMode(const QString &fileState)
{
    if (fileState == QLatin1String("enabled") || fileState == QLatin1String("enabled-runtime")
        || fileState == QLatin1String("linked") || fileState == QLatin1String("linked-runtime")
        || fileState == QLatin1String("alias"))
        return bstr(QStringLiteral("Auto"));
    if (fileState.startsWith(QLatin1String("masked")))
        return bstr(QStringLiteral("Disabled"));
    if (fileState.isEmpty())
        return null();
    return bstr(QStringLiteral("Manual")); // static, indirect, disabled, generated, transient
}

} // namespace

namespace unit {

bool isTemplate(const QString &name)
{
    return name.contains(QLatin1String("@."));
}

QString baseName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

UnitFile parseUnitFile(const QByteArray &data)
{
    UnitFile unit;
    QByteArray section;
    QByteArray pending; // a line continued with a backslash
    for (const QByteArray &raw : data.split('\n')) {
        QByteArray line = pending + raw.trimmed();
        pending.clear();
        if (line.endsWith('\\')) {
            line.chop(1);
            pending = line + ' ';
            continue;
        }
        if (line.isEmpty() || line.startsWith('#') || line.startsWith(';'))
            continue;
        if (line.startsWith('[')) {
            section = line;
            unit.hasInstall = unit.hasInstall || section == "[Install]";
            continue;
        }
        const int eq = line.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray key = line.left(eq).trimmed(), value = line.mid(eq + 1).trimmed();
        if (section == "[Unit]" && key == "Description")
            unit.description = QString::fromUtf8(value);
        else if (section == "[Service]" && key == "Type")
            unit.type = QString::fromUtf8(value);
        else if (section == "[Service]" && key == "ExecStart" && unit.execStart.isEmpty()
                 && !value.isEmpty()) {
            // Prefixes: '-' ignore failure, '@' argv[0] follows the path, ':', '+', '!' privileges.
            int i = 0;
            bool argv0 = false;
            while (i < value.size() && QByteArray("-@:+!").contains(value.at(i)))
                argv0 = argv0 || value.at(i++) == '@';
            QList<QByteArray> words = value.mid(i).simplified().split(' ');
            if (argv0 && words.size() > 1)
                words.removeAt(1);
            unit.execStart = QString::fromUtf8(words.join(' '));
        }
    }
    if (unit.type.isEmpty())
        unit.type = unit.execStart.isEmpty() ? QStringLiteral("oneshot") : QStringLiteral("simple");
    return unit;
}

wmi::Object makeObject(const QString &name, const QString &caption, const QString &path,
                       const QString &type, const QString &active, bool error,
                       const QString &fileState, wmi::VARIANT pid, wmi::VARIANT exitCode,
                       qint32 waitHint)
{
    // Without a running service manager (unit files only) nothing is known of the run time.
    const bool managed = !active.isEmpty();
    Object obj;
    obj.insert(QStringLiteral("Caption"), bstr(caption.isEmpty() ? name : caption));
    obj.insert(QStringLiteral("PathName"), path.isEmpty() ? null() : bstr(path));
    obj.insert(QStringLiteral("Name"), bstr(name));
    obj.insert(QStringLiteral("ProcessId"), managed ? pid : null());
    obj.insert(QStringLiteral("ServiceType"), type.isEmpty() ? null() : bstr(type));
    obj.insert(QStringLiteral("State"), managed ? bstr(stateText(active)) : null());
    obj.insert(QStringLiteral("Status"),
               !managed ? null() : bstr(error ? QStringLiteral("Error") : QStringLiteral("OK")));
    obj.insert(QStringLiteral("ErrorControl"), null()); // systemd has no such setting
    obj.insert(QStringLiteral("StartMode"), startMode(fileState));
    obj.insert(QStringLiteral("WaitHint"), managed ? i4(waitHint) : null());
    obj.insert(QStringLiteral("ExitCode"), exitCode);
    return obj;
}

} // namespace unit

QVector<wmi::Object> fromUnitFiles(const SysRoot &root)
{
    // Enablement: links in the *.wants / *.requires folders under /etc and /run, and alias links.
    QSet<QString> enabled;
    QMap<QString, QString> files; // unit name -> machine path of the first folder holding it
    QSet<QString> masked;
    for (const char *dirName : kUnitDirs) {
        const QString dir = QString::fromLatin1(dirName);
        const bool admin = !dir.contains(QLatin1String("lib/"));
        for (const QString &entry : root.list(dir)) {
            const QString path = dir + QLatin1Char('/') + entry;
            if (admin
                && (entry.endsWith(QLatin1String(".wants"))
                    || entry.endsWith(QLatin1String(".requires")))) {
                for (const QString &link : root.list(path))
                    enabled.insert(link);
                continue;
            }
            if (!entry.endsWith(QLatin1String(".service")) || isTemplate(entry)
                || files.contains(entry) || masked.contains(entry))
                continue;
            const QString target = root.readLink(path);
            if (target == QLatin1String("/dev/null")) {
                masked.insert(entry);
                continue;
            }
            if (!target.isEmpty() && baseName(target) != entry) {
                if (admin) // an alias made by enabling the unit it names
                    enabled.insert(baseName(target));
                continue;
            }
            files.insert(entry, path);
        }
    }

    QStringList names = files.keys() + masked.values();
    std::sort(names.begin(), names.end());
    QVector<Object> out;
    for (const QString &name : qAsConst(names)) {
        if (masked.contains(name)) {
            out.append(makeObject(name, QString(), QString(), QString(), QString(), false,
                                  QStringLiteral("masked"), i4(0), null(), 0));
            continue;
        }
        const UnitFile unit = parseUnitFile(root.read(files.value(name), 1 << 20));
        const QString state = enabled.contains(name) ? QStringLiteral("enabled")
            : unit.hasInstall                        ? QStringLiteral("disabled")
                                                     : QStringLiteral("static");
        out.append(makeObject(name, unit.description, unit.execStart, unit.type, QString(), false,
                              state, i4(0), null(), 0));
    }
    return out;
}

} // namespace plat::services

namespace plat::sources {

QVector<wmi::Object> services(const SysRoot &root)
{
    QVector<wmi::Object> out;
    // Only a machine booted with systemd has its manager; the check saves a bus time-out.
    if (root.isLive() && root.isDir(QStringLiteral("/run/systemd/system"))
        && plat::services::fromSystemd(QDBusConnection::systemBus(), root, &out))
        return out;
    out.clear();
    return plat::services::fromUnitFiles(root);
}

} // namespace plat::sources
