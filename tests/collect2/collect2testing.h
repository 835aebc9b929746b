#pragma once
// Helpers of the tests of the device and software-list collectors.

#include "../collect/signallog.h"

#include "collect/lazyicon.h"
#include "collect/worker.h"
#include "fixturetree.h"

#include <QString>
#include <QStringList>

enum class Wmi2 { Optical, Sound, Network, Peripheral, Motherboard, Services, Processes, Tpm };
Q_DECLARE_METATYPE(Wmi2)

inline int runWmi2(Worker &worker, Wmi2 collector)
{
    switch (collector) {
    case Wmi2::Optical:
        return worker.appOpticalDevicesWMIData();
    case Wmi2::Sound:
        return worker.appSoundDevicesWMIData();
    case Wmi2::Network:
        return worker.appNetworkWMIData();
    case Wmi2::Peripheral:
        return worker.appPeripheralWMIData();
    case Wmi2::Motherboard:
        return worker.appMotherboardWMIData();
    case Wmi2::Services:
        return worker.servicesWMIData();
    case Wmi2::Processes:
        return worker.processesWMIData();
    case Wmi2::Tpm:
        worker.getTpmWMIData();
        return 0;
    }
    return -1;
}

inline const char *wmi2Name(Wmi2 collector)
{
    switch (collector) {
    case Wmi2::Optical:
        return "Optical";
    case Wmi2::Sound:
        return "Sound";
    case Wmi2::Network:
        return "Network";
    case Wmi2::Peripheral:
        return "Peripheral";
    case Wmi2::Motherboard:
        return "Motherboard";
    case Wmi2::Services:
        return "Services";
    case Wmi2::Processes:
        return "Processes";
    case Wmi2::Tpm:
        return "TPM";
    }
    return "";
}

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

// Every entry of a log as "name: record".
inline QStringList describeLog(const SignalLog &log)
{
    QStringList out;
    for (const SignalLog::Entry &e : log.entries()) {
        QStringList args;
        for (const QVariant &a : e.args)
            args << describeRecord(a);
        out << e.name + QStringLiteral(": ") + args.join(QStringLiteral(", "));
    }
    return out;
}
