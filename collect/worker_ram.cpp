// The RAM page: the slot count and installed capacity, then per memory module one heading and
// 11 property rows.

#include "codetables.h"
#include "rowemitter.h"
#include "wmiframe.h"
#include "wmivalues.h"
#include "worker.h"

#include "app/systemfunctions.h"
#include "platform/platform.h"

#include <QObject>

#include <cmath>

using namespace wmi;

namespace {

template<typename Code> QString decodedValue(const VARIANT &v, QString (*decode)(Code))
{
    if (v.vt != VT_I4)
        return QObject::tr("Unknown");
    return cleanWmiValue(decode(Code(v.lVal)));
}

} // namespace

QString Worker::totalRamCapacity()
{
    const std::shared_ptr<plat::MemoryInfo> memory = plat::memoryInfo();
    QString mbText;
    QString gbText;
    quint64 mb = 0;
    // The installed figure first; when it cannot be had, the memory the system can use.
    if (const std::optional<quint64> kb = memory->installedKb()) {
        mb = *kb >> 10;
        mbText = WmiValue::withUnit(QString::number(mb), QObject::tr("MB"));
        gbText = WmiValue::withUnit(QString::number(mb / 1024.0, 'g', 6), QObject::tr("GB"));
    } else if (const std::optional<quint64> bytes = memory->totalPhysBytes()) {
        mb = *bytes >> 20;
        mbText = WmiValue::withUnit(QString::number(mb), QObject::tr("MB"));
        gbText = WmiValue::withUnit(QString::number(std::ceil(*bytes / 1073741824.0), 'g', 6),
                                    QObject::tr("GB"));
    } else {
        return QObject::tr("Unknown RAM capacity");
    }
    if (mb < 1024)
        return mbText;
    return QStringLiteral("%1 (%2)").arg(mbText, gbText);
}

int Worker::appRAMWMIData()
{
    WmiFrame frame(this);
    if (!frame.open(QStringLiteral("ROOT\\CIMV2"), WmiFrame::RootError::WithoutText))
        return 1;
    HRESULT arrayResult = S_OK;
    HRESULT moduleResult = S_OK;
    IEnumWbemClassObject *arrays = frame.execQuery(
        QStringLiteral("SELECT MemoryDevices FROM Win32_PhysicalMemoryArray"), &arrayResult);
    IEnumWbemClassObject *modules
        = frame.execQuery(QStringLiteral("SELECT * FROM Win32_PhysicalMemory"), &moduleResult);
    if (FAILED(arrayResult) || !arrays) {
        frame.failQuery(FAILED(arrayResult) ? arrayResult : E_POINTER);
        return 1;
    }

    // Totals from the first array object only; the cancel flag does not stop them.
    if (ComPtr<IWbemClassObject> array = frame.nextObject(arrays)) {
        const WmiProperties p(array.get(), { "MemoryDevices" });
        const QString slotCount
            = p["MemoryDevices"].vt == VT_I4 ? QString::number(p["MemoryDevices"].lVal) : QString();
        if (!slotCount.isEmpty()) {
            HardwareData total;
            total.secondaryLabel = QObject::tr("Slots");
            total.secondaryValue = cleanWmiValue(slotCount);
            emit ramTotalData(total);
        }
        HardwareData capacity;
        capacity.secondaryLabel = QObject::tr("Total capacity");
        capacity.secondaryValue = cleanWmiValue(totalRamCapacity());
        emit ramTotalData(capacity);
    }

    if (FAILED(moduleResult) || !modules) {
        frame.failQuery(FAILED(moduleResult) ? moduleResult : E_POINTER);
        return 1;
    }

    int slot = 0;
    while (ComPtr<IWbemClassObject> object = frame.next(modules, m_cancelRAM)) {
        ++slot;
        const WmiProperties p(object.get(),
                              { "Manufacturer", "Speed", "Capacity", "DeviceLocator",
                                "SerialNumber", "PartNumber", "FormFactor", "DataWidth",
                                "MemoryType", "TypeDetail", "BankLabel", "Tag" });
        using namespace WmiValue;
        const HardwareData empty;

        const VARIANT &maker = p["Manufacturer"];
        if (maker.vt == VT_BSTR) {
            const QString name = cleanWmiValue(maker.bstrVal);
            const QString heading
                = QStringLiteral("%1 #%2 %3").arg(QObject::tr("Slot"), QString::number(slot), name);
            emit hardwareMainData(
                makeHardwareMainData(empty, heading, QObject::tr("Manufacturer"), name));
        } else {
            const QString heading
                = QStringLiteral("%1 #%2").arg(QObject::tr("Slot"), QString::number(slot));
            emit hardwareMainData(makeHardwareMainData(empty, heading, QObject::tr("Manufacturer"),
                                                       cleanWmiValue(QString())));
        }

        const RowEmitter row(this);
        row(QObject::tr("Frequency"), numberWithUnit(p["Speed"], QObject::tr("MHz")));
        row(QObject::tr("Capacity"), megabytes(p["Capacity"]));
        row(QObject::tr("Type"), text(p["DeviceLocator"]));
        row(QObject::tr("Device ID"), text(p["SerialNumber"]));
        row(QObject::tr("Part number"), text(p["PartNumber"]));
        row(QObject::tr("Form factor"), decodedValue(p["FormFactor"], memoryFormFactorText));
        row(QObject::tr("Data width"), numberWithUnit(p["DataWidth"], QObject::tr("bits")));
        row(QObject::tr("Memory type"), decodedValue(p["MemoryType"], memoryTypeText));
        row(QObject::tr("Represented type of physical memory"),
            decodedValue(p["TypeDetail"], memoryTypeDetailText));
        row(QObject::tr("Memory location"), text(p["BankLabel"]));
        row(QObject::tr("Tag"), text(p["Tag"]));
    }

    return frame.finish(m_cancelRAM);
}
