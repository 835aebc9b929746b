#include "worker.h"

#include <QDateTime>
#include <QObject>

Worker::Worker(QObject *parent)
    : QObject(parent)
{
}

// The cancel flags are written on the GUI thread and the Worker is deleted on its own. Qt's event
// queue orders the last write before the deletion, under a lock the thread sanitizer can't see;
// an acquire read of each flag makes that order visible to it.
Worker::~Worker()
{
    for (const std::atomic<bool> *flag :
         { &m_cancelOS, &m_cancelCPU, &m_cancelGPU, &m_cancelRAM, &m_cancelStorage,
           &m_cancelOpticalDevices, &m_cancelMotherboard, &m_cancelBios, &m_cancelSoundDevices,
           &m_cancelNetwork, &m_cancelPeripheralKeyboard, &m_cancelPeripheralPrinter,
           &m_cancelServices, &m_cancelProcesses, &m_cancelApps, &m_cancelDrivers, &m_cancelStartup,
           &m_cancelSmart, &m_cancelTpm })
        (void)flag->load(std::memory_order_acquire);
}

HardwareData Worker::makeHardwareMainData(const HardwareData &record, const QString &heading,
                                          const QString &label, const QString &value)
{
    HardwareData data = record;
    data.heading = heading.isEmpty() ? QObject::tr("Unknown") : heading;
    data.label = label.isEmpty() ? QObject::tr("Unknown") : label;
    data.value = value.isEmpty() ? QObject::tr("Unknown") : value;
    return data;
}

HardwareData Worker::makeHardwareData(const HardwareData &record, const QString &label,
                                      const QString &value)
{
    HardwareData data = record;
    data.label = label.isEmpty() ? QObject::tr("Unknown") : label;
    data.value = value.isEmpty() ? QObject::tr("Unknown") : value;
    return data;
}

namespace {

QString twoDigits(int n)
{
    return n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
}

} // namespace

QString Worker::formatWmiDate(const QDateTime &time)
{
    const QDate d = time.date();
    return twoDigits(d.day()) + QLatin1Char('-') + twoDigits(d.month()) + QLatin1Char('-')
        + QString::number(d.year());
}

QString Worker::formatWmiDateTime(const QDateTime &time)
{
    const QTime t = time.time();
    return formatWmiDate(time) + QLatin1Char(' ') + twoDigits(t.hour()) + QLatin1Char(':')
        + twoDigits(t.minute()) + QLatin1Char(':') + twoDigits(t.second());
}

bool Worker::wmiDateToLocalTime(const QString &cim, QDateTime *out)
{
    if (cim.isEmpty())
        return false;
    QDateTime local;
    if (!wmi::wmiDateToLocal(cim, &local) || !local.isValid())
        return false;
    *out = local;
    return true;
}

void Worker::setCancelOSDetection()
{
    m_cancelOS = true;
}

void Worker::setCancelCPUDetection()
{
    m_cancelCPU = true;
}

void Worker::setCancelGPUDetection()
{
    m_cancelGPU = true;
}

void Worker::setCancelRAMDetection()
{
    m_cancelRAM = true;
}

void Worker::setCancelStorageDetection()
{
    m_cancelStorage = true;
}

void Worker::setCancelOpticalDevicesDetection()
{
    m_cancelOpticalDevices = true;
}

void Worker::setCancelMotherboardDetection()
{
    m_cancelMotherboard = true;
}

void Worker::setCancelBiosDetection()
{
    m_cancelBios = true;
}

void Worker::setCancelSoundDevicesDetection()
{
    m_cancelSoundDevices = true;
}

void Worker::setCancelNetworkDetection()
{
    m_cancelNetwork = true;
}

void Worker::setCancelPeripheralKeyboardDetection()
{
    m_cancelPeripheralKeyboard = true;
}

void Worker::setCancelPeripheralPrinterDetection()
{
    m_cancelPeripheralPrinter = true;
}

void Worker::setCancelServicesDetection()
{
    m_cancelServices = true;
}

void Worker::setCancelProcessesDetection()
{
    m_cancelProcesses = true;
}

void Worker::setCancelAppsDetection()
{
    m_cancelApps = true;
}

void Worker::setCancelTpmDetection()
{
    m_cancelTpm = true;
}

void Worker::setCancelDriversDetection()
{
    m_cancelDrivers = true;
}

void Worker::setCancelStartupDetection()
{
    m_cancelStartup = true;
}

void Worker::setCancelSmartDetection()
{
    m_cancelSmart = true;
}
