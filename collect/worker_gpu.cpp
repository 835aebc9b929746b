// The GPU page: per display adapter one heading and 16 property rows.

#include "codetables.h"
#include "rowemitter.h"
#include "wmiframe.h"
#include "wmivalues.h"
#include "worker.h"

#include "app/systemfunctions.h"
#include "platform/platform.h"

#include <QDateTime>
#include <QObject>
#include <QRegularExpression>

#include <cmath>

using namespace wmi;

namespace {

QString dateValue(const VARIANT &v)
{
    QDateTime local;
    if (!Worker::wmiDateToLocalTime(v.bstrVal, &local))
        return QObject::tr("Unknown");
    return cleanWmiValue(Worker::formatWmiDate(local));
}

// The PCI address "dddd:bb:dd.f" at the end of a device instance path, lower case; empty when
// the path carries none.
QString pciAddressOf(const QString &pnpDeviceId)
{
    static const QRegularExpression address(
        QStringLiteral("([0-9A-Fa-f]{4}:[0-9A-Fa-f]{2}:[0-9A-Fa-f]{2}\\.[0-7])$"));
    const QRegularExpressionMatch m = address.match(pnpDeviceId);
    return m.hasMatch() ? m.captured(1).toLower() : QString();
}

} // namespace

QString Worker::gpuMemoryText() const
{
    if (m_adapterMemoryMb >= 1024)
        return WmiValue::withUnits(QString::number(m_adapterMemoryMb, 'g', 6), QObject::tr("MB"),
                                   QString::number(m_adapterMemoryGb, 'g', 6), QObject::tr("GB"));
    return WmiValue::withUnit(QString::number(m_adapterMemoryMb, 'g', 6), QObject::tr("MB"));
}

QString Worker::formatGpuMemorySize(const VARIANT &adapterRam)
{
    if (adapterRam.vt != VT_I4)
        return QString();
    const quint32 bytes = quint32(adapterRam.lVal);
    m_adapterMemoryMb = bytes / 1048576.0;
    m_adapterMemoryGb = std::ceil(m_adapterMemoryMb / 1024);
    return gpuMemoryText();
}

QString Worker::cudaGpuMemory(const QString &pnpDeviceId)
{
    m_adapterMemoryMb = 0;
    m_adapterMemoryGb = 0;
    const std::shared_ptr<plat::Cuda> cuda = plat::cuda();
    const int count = cuda->deviceCount();

    // With several adapters each takes the figures of its own device, found by PCI address; a
    // lone device is taken as it is. Without a match the figures stay 0 and the caller falls
    // back to the adapter's own size.
    int device = -1;
    const QString address = pciAddressOf(pnpDeviceId);
    for (int i = 0; i < count && !address.isEmpty(); ++i) {
        if (cuda->pciBusId(i).toLower() == address) {
            device = i;
            break;
        }
    }
    if (device < 0 && count == 1)
        device = 0;
    if (device >= 0) {
        const quint64 bytes = cuda->totalGlobalMem(device);
        m_adapterMemoryMb = std::ceil(double(bytes) / 1048576.0);
        m_adapterMemoryGb = std::ceil(double(bytes) / 1073741824.0);
    }
    return gpuMemoryText();
}

int Worker::appGPUWMIData()
{
    WmiFrame frame(this);
    IEnumWbemClassObject *enumerator
        = frame.openQuery(QStringLiteral("SELECT * FROM Win32_VideoController"));
    if (!enumerator)
        return 1;

    // The primary screen, the same for every adapter; unknown when no screen was captured.
    const QSize screen = plat::screenInfo()->size();
    const bool screenKnown = !screen.isEmpty();
    const QString width = QString::number(screen.width());
    const QString height = QString::number(screen.height());

    while (ComPtr<IWbemClassObject> object = frame.next(enumerator, m_cancelGPU)) {
        const WmiProperties p(object.get(),
                              { "Caption", "AdapterRAM", "DriverVersion", "DriverDate",
                                "CurrentBitsPerPixel", "AdapterCompatibility", "AdapterDACType",
                                "Status", "CurrentRefreshRate", "MaxRefreshRate", "MinRefreshRate",
                                "PNPDeviceID", "InstalledDisplayDrivers", "VideoArchitecture" });
        using namespace WmiValue;
        const RowEmitter row(this);
        row.heading(p["Caption"], QObject::tr("Name"));

        QString memory;
        if (rawText(p["AdapterCompatibility"]) == QLatin1String("NVIDIA")) {
            memory = cudaGpuMemory(rawText(p["PNPDeviceID"]));
            if (memory == withUnit(QString::number(0), QObject::tr("MB")))
                memory = formatGpuMemorySize(p["AdapterRAM"]);
        } else {
            memory = formatGpuMemorySize(p["AdapterRAM"]);
        }

        const QString pixels = QObject::tr("pixels");
        row(QObject::tr("Memory"), cleanWmiValue(memory));
        row(QObject::tr("Driver version"), text(p["DriverVersion"]));
        row(QObject::tr("Driver install date"), dateValue(p["DriverDate"]));
        row(QObject::tr("Resolution"),
            screenKnown ? QStringLiteral("%1 x %2 %3").arg(width, height, pixels) : QString());
        row(QObject::tr("Monitor BPP"),
            numberWithUnit(p["CurrentBitsPerPixel"], QObject::tr("bits")));
        row(QObject::tr("Manufacturer"), text(p["AdapterCompatibility"]));
        row(QObject::tr("DAC type"), text(p["AdapterDACType"]));
        row(QObject::tr("Status"), text(p["Status"]));
        row(QObject::tr("Monitor frequency"),
            numberWithUnit(p["CurrentRefreshRate"], QObject::tr("Hz")));
        row(QObject::tr("Monitor width"), screenKnown ? withUnit(width, pixels) : QString());
        row(QObject::tr("Monitor height"), screenKnown ? withUnit(height, pixels) : QString());
        row(QObject::tr("Max refresh rate"),
            numberWithUnit(p["MaxRefreshRate"], QObject::tr("Hz")));
        row(QObject::tr("Min refresh rate"),
            numberWithUnit(p["MinRefreshRate"], QObject::tr("Hz")));
        row(QObject::tr("PNP Device ID"), text(p["PNPDeviceID"]));
        row(QObject::tr("Display drivers"), text(p["InstalledDisplayDrivers"]));
        const VARIANT &architecture = p["VideoArchitecture"];
        row(QObject::tr("Video architecture"),
            architecture.vt == VT_I4 ? cleanWmiValue(videoArchitectureText(architecture.lVal))
                                     : QObject::tr("Unknown"));
    }

    return frame.finish(m_cancelGPU);
}
