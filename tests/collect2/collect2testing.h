#pragma once
// Helpers of the tests of the device and software-list collectors.

#include "../collect/collectortesting.h"
#include "../collect/signallog.h"

#include "collect/lazyicon.h"
#include "collect/worker.h"
#include "fixturetree.h"

#include <QString>
#include <QStringList>

// "label=value" of every HardwareData entry with a name.
inline QStringList labelValues(const SignalLog &log, const QString &name)
{
    QStringList out;
    for (const HardwareData &d : log.records(name))
        out << d.label + QLatin1Char('=') + d.value;
    return out;
}

// One line per software record, fields joined by " | ", icon source first.
inline QString describeRecord(const QVariant &v)
{
    QStringList f;
    if (v.canConvert<Service>()) {
        const Service s = v.value<Service>();
        f << LazyIcon::source(s.icon) << s.serviceName << s.path << s.fileName << s.processId
          << s.type << s.state << s.status << s.errorControl << s.startMode << s.waitHint
          << s.exitCode;
    } else if (v.canConvert<Process>()) {
        const Process p = v.value<Process>();
        f << LazyIcon::source(p.icon) << p.processName << p.processId << p.workingSetSize
          << p.handleCount << p.peakPageFileUsage << p.priority << p.sessionId << p.threadCount
          << p.virtualSize << p.path;
    } else if (v.canConvert<Application>()) {
        const Application a = v.value<Application>();
        f << LazyIcon::source(a.icon) << a.name << a.version << a.developer << a.installPath
          << a.uninstallPath << a.registryKey << a.registrySubkey;
    } else if (v.canConvert<Driver>()) {
        const Driver d = v.value<Driver>();
        f << LazyIcon::source(d.icon) << d.name << d.version << d.description << d.type
          << d.fileName << d.state << d.path;
    } else if (v.canConvert<Startup>()) {
        const Startup s = v.value<Startup>();
        f << LazyIcon::source(s.icon) << s.name << s.startupPath << s.command << s.location;
    } else if (v.canConvert<HardwareData>()) {
        const HardwareData d = v.value<HardwareData>();
        f << d.heading << d.label << d.value;
    } else {
        f << v.toString();
    }
    return f.join(QStringLiteral(" | "));
}
