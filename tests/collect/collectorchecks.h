#pragma once
// Shape checks of a collector run that hold on any machine: no error signal, the end signals,
// each heading followed by its own number of rows, no empty field where a builder filled it.

#include "collectorlog.h"
#include "collectortesting.h"

#include <QtTest>

namespace CollectorChecks {

// Rows per heading, by heading signal, for a collector.
inline int rowsPerDevice(Collector c)
{
    static const int rows[] = { 24, 22, 16, 11, 10 }; // OS, CPU, GPU, RAM, Storage
    return c <= Collector::Storage ? rows[int(c)] : 0;
}

// Returns an empty text when the run looks right, else what is wrong.
inline QString shapeProblem(const CollectorLog &log, Collector c)
{
    for (const char *e : { "initComLibError", "errorCreateIWbemObject", "errorRootConnection",
                           "errorProxyBlanket", "errorProcessQuery", "collectorAborted" }) {
        if (log.contains(e))
            return QStringLiteral("error signal %1").arg(e);
    }
    const QStringList names = log.names();
    if (names.isEmpty() || names.last() != QLatin1String("finished"))
        return "does not end with finished";
    if (names.count("loadMainData") != 1)
        return QString("loadMainData count %1").arg(names.count("loadMainData"));

    const int perDevice = rowsPerDevice(c);
    if (c == Collector::OS) {
        if (log.count("hardwareData") % perDevice != 0)
            return QStringLiteral("OS rows %1").arg(log.count("hardwareData"));
    } else {
        const int headings = log.count("hardwareMainData");
        if (log.count("hardwareData") != headings * perDevice)
            return QString("%1 headings but %2 rows").arg(headings).arg(log.count("hardwareData"));
    }
    if (c == Collector::Storage) {
        const int parts = log.count("storageMainPartitionData");
        if (log.count("storagePartitionData") != parts * 8)
            return "partition rows";
        const auto total = log.all("storageTotalPartitionsData");
        if (total.size() != 1 || total.at(0).args.at(0).toInt() != parts)
            return "partition count";
        const auto drives = log.all("storageTotalDrivesData");
        if (drives.size() != 1 || drives.at(0).args.at(0).toInt() != log.count("hardwareMainData"))
            return "drive count";
    }
    if (c == Collector::RAM) {
        const int totals = log.count("ramTotalData");
        if (totals < 1 || totals > 2)
            return QStringLiteral("RAM totals %1").arg(totals);
    }
    for (const CollectorLog::Entry &e : log.entries()) {
        if (e.args.size() != 1 || e.args.at(0).userType() != qMetaTypeId<HardwareData>())
            continue;
        const HardwareData d = e.args.at(0).value<HardwareData>();
        if (e.name == QLatin1String("ramTotalData")) {
            if (d.secondaryLabel.isEmpty() || d.secondaryValue.isEmpty())
                return "empty RAM total";
            continue;
        }
        if (d.label.isEmpty() || d.value.isEmpty())
            return QStringLiteral("empty field in %1 %2").arg(e.name, d.label);
        if (e.name.contains(QLatin1String("Main")) && d.heading.isEmpty())
            return "empty heading";
    }
    return QString();
}

} // namespace CollectorChecks
