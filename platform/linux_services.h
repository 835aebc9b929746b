#pragma once
// The two ways to the service list, apart so tests can reach each one, and the unit helpers
// they share.

#include "sysroot.h"
#include "wmi.h"

class QDBusConnection;

namespace plat::services {

// Asks systemd's manager on `bus`; false when the bus or the manager does not answer.
bool fromSystemd(const QDBusConnection &bus, const SysRoot &root, QVector<wmi::Object> *out);

// Reads the unit files in /etc/systemd/system, /run/systemd/system and /lib/systemd/system
// (the first folder holding a name wins). Nothing runs, so every service is "Stopped".
QVector<wmi::Object> fromUnitFiles(const SysRoot &root);

namespace unit {

bool isTemplate(const QString &name); // "getty@.service"
QString baseName(const QString &path);

struct UnitFile
{
    QString description;
    QString execStart; // program and arguments
    QString type;
    bool hasInstall = false;
};
// The [Unit] Description=, the first [Service] ExecStart= and Type=, and whether [Install] exists.
UnitFile parseUnitFile(const QByteArray &data);

// One Win32_Service object; `active` is systemd's ActiveState, `fileState` its UnitFileState.
wmi::Object makeObject(const QString &name, const QString &caption, const QString &path,
                       const QString &type, const QString &active, bool error,
                       const QString &fileState, wmi::VARIANT pid, wmi::VARIANT exitCode,
                       qint32 waitHint);

} // namespace unit
} // namespace plat::services
