#pragma once
// The rows of a hardware page as its collector sends them: a heading per device, then the
// device's property rows, each through the Worker signals that page listens to.

#include "records.h"
#include "worker.h"

#include "platform/wmi.h"

#include <QString>

class RowEmitter
{
public:
    using Signal = void (Worker::*)(HardwareData);

    explicit RowEmitter(Worker *worker, Signal headingSignal = &Worker::hardwareMainData,
                        Signal rowSignal = &Worker::hardwareData);

    // Heads the next device with its caption shown under `label` and returns the caption. A
    // device without a textual caption is headed "Unknown" (the returned caption is then empty),
    // so its rows never land under the previous device.
    QString heading(const wmi::VARIANT &caption, const QString &label) const;
    // One property row; an empty label or value shows as "Unknown".
    void operator()(const QString &label, const QString &value) const;

private:
    Worker *m_worker;
    Signal m_headingSignal;
    Signal m_rowSignal;
};
