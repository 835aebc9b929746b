#pragma once
// Which WMI collector to run, by one name for the hardware, device and list collectors.

#include "collect/worker.h"

#include <QMetaMethod>
#include <QString>
#include <QStringList>
#include <QVector>

enum class Collector {
    OS,
    CPU,
    GPU,
    RAM,
    Storage,
    Optical,
    Sound,
    Network,
    Peripheral,
    Motherboard,
    Services,
    Processes,
    Tpm
};
Q_DECLARE_METATYPE(Collector)

// The collector's slot and its name, in the enum's order.
struct CollectorSlot
{
    int (Worker::*run)();
    const char *name;
};

inline const CollectorSlot &collectorSlot(Collector collector)
{
    static const CollectorSlot table[] = {
        { &Worker::appOSWMIData, "OS" },
        { &Worker::appCPUWMIData, "CPU" },
        { &Worker::appGPUWMIData, "GPU" },
        { &Worker::appRAMWMIData, "RAM" },
        { &Worker::appStorageWMIData, "Storage" },
        { &Worker::appOpticalDevicesWMIData, "Optical" },
        { &Worker::appSoundDevicesWMIData, "Sound" },
        { &Worker::appNetworkWMIData, "Network" },
        { &Worker::appPeripheralWMIData, "Peripheral" },
        { &Worker::appMotherboardWMIData, "Motherboard" },
        { &Worker::servicesWMIData, "Services" },
        { &Worker::processesWMIData, "Processes" },
        { nullptr, "TPM" },
    };
    return table[int(collector)];
}

// The collector's result; the TPM collector has none and counts as 0.
inline int runCollector(Worker &worker, Collector collector)
{
    const CollectorSlot &s = collectorSlot(collector);
    if (!s.run) {
        worker.getTpmWMIData();
        return 0;
    }
    return (worker.*s.run)();
}

inline QString collectorName(Collector collector)
{
    return QString::fromLatin1(collectorSlot(collector).name);
}

// One property of a test object and the "label=value" row it must give; rows that no property
// gives have no property.
struct Field
{
    QString property;
    wmi::VARIANT value;
    QString row;
};

// Signal names separated by blanks; "hardwareData*22" stands for 22 of them.
inline QStringList signalNames(const QString &spaced)
{
    QStringList out;
    for (const QString &n : spaced.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        for (int i = qMax(1, n.section(QLatin1Char('*'), 1).toInt()); i > 0; --i)
            out << n.section(QLatin1Char('*'), 0, 0);
    }
    return out;
}

inline wmi::Object objectOf(const QVector<Field> &fields)
{
    wmi::Object object;
    for (const Field &f : fields) {
        if (!f.property.isEmpty())
            object.insert(f.property, f.value);
    }
    return object;
}

inline QStringList rowsOf(const QVector<Field> &fields)
{
    QStringList rows;
    for (const Field &f : fields)
        rows << f.row;
    return rows;
}

// Calls a worker's slot, directly, whenever one of its signals is emitted.
inline bool connectByName(Worker &worker, const QByteArray &signal, const QByteArray &slot)
{
    const QMetaObject *meta = worker.metaObject();
    int index = meta->methodCount() - 1;
    while (index >= 0 && meta->method(index).name() != signal)
        --index;
    return QMetaObject::connect(&worker, index, &worker, meta->indexOfSlot(slot + "()"),
                                Qt::DirectConnection);
}
