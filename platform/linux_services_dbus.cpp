// The service list from systemd's manager over D-Bus: the loaded units with their runtime state,
// and the installed unit files that are not loaded.

#include "linux_services.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QHash>
#include <QSet>

namespace plat::services {
namespace {

using namespace wmi;
using namespace unit;

QDBusMessage callManager(const QDBusConnection &bus, const QString &method,
                         const QVariantList &args)
{
    QDBusMessage msg = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.systemd1"), QStringLiteral("/org/freedesktop/systemd1"),
        QStringLiteral("org.freedesktop.systemd1.Manager"), method);
    msg.setArguments(args);
    return bus.call(msg, QDBus::Block, 5000);
}

struct ServiceProps
{
    QString execStart;
    QString type;
    VARIANT pid = null();
    VARIANT exitCode = null();
    qint64 timeoutStartUSec = 0;
};

ServiceProps serviceProps(const QDBusConnection &bus, const QString &objectPath)
{
    ServiceProps props;
    QDBusMessage msg = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.systemd1"), objectPath,
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    msg.setArguments({ QStringLiteral("org.freedesktop.systemd1.Service") });
    const QDBusMessage reply = bus.call(msg, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return props;
    QVariantMap map;
    reply.arguments().at(0).value<QDBusArgument>() >> map;
    props.type = map.value(QStringLiteral("Type")).toString();
    if (map.contains(QStringLiteral("MainPID")))
        props.pid = wmi::i4(qint32(map.value(QStringLiteral("MainPID")).toUInt()));
    if (map.contains(QStringLiteral("ExecMainStatus")))
        props.exitCode = wmi::i4(map.value(QStringLiteral("ExecMainStatus")).toInt());
    props.timeoutStartUSec = map.value(QStringLiteral("TimeoutStartUSec")).toLongLong();
    // ExecStart: a(sasbttttuii), path, argv, ignore-failure, four times, pid, code, status.
    const QVariant exec = map.value(QStringLiteral("ExecStart"));
    if (exec.canConvert<QDBusArgument>()) {
        const QDBusArgument arg = exec.value<QDBusArgument>();
        arg.beginArray();
        if (!arg.atEnd()) {
            QString path;
            QStringList argv;
            bool ignore = false;
            quint64 t[4];
            quint32 pid = 0;
            qint32 code = 0, status = 0;
            arg.beginStructure();
            arg >> path >> argv >> ignore >> t[0] >> t[1] >> t[2] >> t[3] >> pid >> code >> status;
            arg.endStructure();
            argv = argv.mid(1);
            argv.prepend(path);
            props.execStart = argv.join(QLatin1Char(' '));
        }
        arg.endArray(); // the remaining commands are not shown
    }
    return props;
}
} // namespace

bool fromSystemd(const QDBusConnection &bus, const SysRoot &root, QVector<Object> *out)
{
    if (!bus.isConnected())
        return false;
    const QStringList patterns { QStringLiteral("*.service") };
    const QDBusMessage units
        = callManager(bus, QStringLiteral("ListUnitsByPatterns"), { QStringList(), patterns });
    if (units.type() != QDBusMessage::ReplyMessage || units.arguments().isEmpty())
        return false;
    const QDBusMessage files
        = callManager(bus, QStringLiteral("ListUnitFilesByPatterns"), { QStringList(), patterns });
    QHash<QString, QString> fileStates; // unit name -> UnitFileState
    QVector<QPair<QString, QString>> unitFiles; // name and path, in the manager's order
    if (files.type() == QDBusMessage::ReplyMessage && !files.arguments().isEmpty()) {
        const QDBusArgument arg = files.arguments().at(0).value<QDBusArgument>();
        arg.beginArray();
        while (!arg.atEnd()) {
            QString path, state;
            arg.beginStructure();
            arg >> path >> state;
            arg.endStructure();
            fileStates.insert(baseName(path), state);
            unitFiles.append({ baseName(path), path });
        }
        arg.endArray();
    }

    QSet<QString> listed;
    const QDBusArgument arg = units.arguments().at(0).value<QDBusArgument>();
    arg.beginArray();
    while (!arg.atEnd()) {
        QString name, description, load, active, sub, following, jobType;
        QDBusObjectPath unitPath, jobPath;
        quint32 jobId = 0;
        arg.beginStructure();
        arg >> name >> description >> load >> active >> sub >> following >> unitPath >> jobId
            >> jobType >> jobPath;
        arg.endStructure();
        if (isTemplate(name) || listed.contains(name))
            continue;
        listed.insert(name);
        const ServiceProps props = serviceProps(bus, unitPath.path());
        const bool error = active == QLatin1String("failed") || load == QLatin1String("error")
            || load == QLatin1String("not-found");
        const qint32 wait
            = active == QLatin1String("activating") ? qint32(props.timeoutStartUSec / 1000) : 0;
        out->append(makeObject(name, description, props.execStart, props.type, active, error,
                               fileStates.value(name), props.pid, props.exitCode, wait));
    }
    arg.endArray();

    // Installed but not loaded: the unit file tells what it would run.
    for (const auto &file : qAsConst(unitFiles)) {
        const QString &name = file.first;
        const QString state = fileStates.value(name);
        if (listed.contains(name) || isTemplate(name) || state == QLatin1String("alias"))
            continue;
        listed.insert(name);
        // A masked unit links to /dev/null: nothing to read.
        const UnitFile unit = state.startsWith(QLatin1String("masked"))
            ? UnitFile()
            : parseUnitFile(root.read(file.second, 1 << 20));
        // The manager has not loaded it: it is not running.
        out->append(makeObject(name, unit.description, unit.execStart, unit.type,
                               QStringLiteral("inactive"), false, state, i4(0), null(), 0));
    }
    return true;
}

} // namespace plat::services
