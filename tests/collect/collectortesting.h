#pragma once
// Helpers shared by the collector tests: which collector to run, and the fake platform set.

#include "collect/worker.h"

#include <QString>

enum class Collector { OS, CPU, GPU, RAM, Storage };
Q_DECLARE_METATYPE(Collector)

inline int runCollector(Worker &worker, Collector collector)
{
    switch (collector) {
    case Collector::OS:
        return worker.appOSWMIData();
    case Collector::CPU:
        return worker.appCPUWMIData();
    case Collector::GPU:
        return worker.appGPUWMIData();
    case Collector::RAM:
        return worker.appRAMWMIData();
    case Collector::Storage:
        return worker.appStorageWMIData();
    }
    return -1;
}

inline QString collectorName(Collector collector)
{
    switch (collector) {
    case Collector::OS:
        return QStringLiteral("OS");
    case Collector::CPU:
        return QStringLiteral("CPU");
    case Collector::GPU:
        return QStringLiteral("GPU");
    case Collector::RAM:
        return QStringLiteral("RAM");
    case Collector::Storage:
        return QStringLiteral("Storage");
    }
    return QString();
}
