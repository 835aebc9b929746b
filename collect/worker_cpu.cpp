// The CPU page: per processor one heading and 22 property rows.

#include "codetables.h"
#include "rowemitter.h"
#include "wmiframe.h"
#include "wmivalues.h"
#include "worker.h"

#include "app/systemfunctions.h"

#include <QObject>

using namespace wmi;

namespace {

// MHz, with GHz added from 1000 MHz on.
QString frequencyValue(const VARIANT &v)
{
    if (v.vt != VT_I4)
        return QObject::tr("Unknown");
    const qint32 mhz = v.lVal;
    if (mhz < 1000)
        return cleanWmiValue(WmiValue::withUnit(QString::number(mhz), QObject::tr("MHz")));
    return cleanWmiValue(WmiValue::withUnits(QString::number(mhz), QObject::tr("MHz"),
                                             QString::number(mhz / 1000.0, 'f', 2),
                                             QObject::tr("GHz")));
}

// KB, with whole MB added from 1024 KB on.
QString cacheSizeValue(const VARIANT &v)
{
    if (v.vt != VT_I4)
        return QObject::tr("Unknown");
    const qint32 kb = v.lVal;
    if (kb < 1024)
        return cleanWmiValue(WmiValue::withUnit(QString::number(kb), QObject::tr("KB")));
    return cleanWmiValue(WmiValue::withUnits(QString::number(kb), QObject::tr("KB"),
                                             QString::number(kb >> 10), QObject::tr("MB")));
}

QString architectureValue(const VARIANT &v)
{
    if (v.vt != VT_I4)
        return QObject::tr("Unknown");
    return cleanWmiValue(
        QStringLiteral("x%1%2").arg(QString::number(v.lVal), QObject::tr("-based processor")));
}

QString voltageValue(const VARIANT &v)
{
    if (v.vt != VT_I4)
        return QObject::tr("Unknown");
    return cleanWmiValue(QString::number(v.lVal) + QObject::tr("-volt"));
}

QString loadValue(const VARIANT &v)
{
    if (v.vt != VT_I4)
        return QObject::tr("Unknown");
    return cleanWmiValue(QString::number(double(v.lVal), 'f', 0) + QLatin1Char('%'));
}

QString decodedValue(const VARIANT &v, QString (*decode)(qint32))
{
    if (v.vt != VT_I4)
        return QObject::tr("Unknown");
    return cleanWmiValue(decode(v.lVal));
}

} // namespace

int Worker::appCPUWMIData()
{
    WmiFrame frame(this);
    IEnumWbemClassObject *enumerator
        = frame.openQuery(QStringLiteral("SELECT * FROM Win32_Processor"));
    if (!enumerator)
        return 1;

    while (ComPtr<IWbemClassObject> object = frame.next(enumerator, m_cancelCPU)) {
        const WmiProperties p(object.get(), { "Name",           "NumberOfLogicalProcessors",
                                              "MaxClockSpeed",  "SocketDesignation",
                                              "Status",         "L2CacheSize",
                                              "L3CacheSize",    "AddressWidth",
                                              "Manufacturer",   "CurrentClockSpeed",
                                              "Description",    "NumberOfCores",
                                              "ThreadCount",    "Revision",
                                              "DeviceID",       "CurrentVoltage",
                                              "Role",           "ProcessorType",
                                              "LoadPercentage", "Level",
                                              "PartNumber",     "Version",
                                              "CpuStatus" });
        using namespace WmiValue;
        const RowEmitter row(this);
        row.heading(p["Name"], QObject::tr("Name"));
        row(QObject::tr("Number of logical processors"), number(p["NumberOfLogicalProcessors"]));
        row(QObject::tr("Max frequency"), frequencyValue(p["MaxClockSpeed"]));
        row(QObject::tr("Socket"), text(p["SocketDesignation"]));
        row(QObject::tr("Status"), text(p["Status"]));
        row(QObject::tr("L2 cache"), cacheSizeValue(p["L2CacheSize"]));
        row(QObject::tr("L3 cache"), cacheSizeValue(p["L3CacheSize"]));
        row(QObject::tr("Architecture"), architectureValue(p["AddressWidth"]));
        row(QObject::tr("Manufacturer"), text(p["Manufacturer"]));
        row(QObject::tr("Current frequency"), frequencyValue(p["CurrentClockSpeed"]));
        row(QObject::tr("Family"), text(p["Description"]));
        row(QObject::tr("Cores"), number(p["NumberOfCores"]));
        row(QObject::tr("Thread count"), number(p["ThreadCount"]));
        row(QObject::tr("Revision"), number(p["Revision"]));
        row(QObject::tr("Device ID"), text(p["DeviceID"]));
        row(QObject::tr("Current voltage"), voltageValue(p["CurrentVoltage"]));
        row(QObject::tr("Role"), text(p["Role"]));
        row(QObject::tr("Processor type"), decodedValue(p["ProcessorType"], processorTypeText));
        row(QObject::tr("Load"), loadValue(p["LoadPercentage"]));
        row(QObject::tr("Level"), number(p["Level"]));
        row(QObject::tr("Part number"), text(p["PartNumber"]));
        row(QObject::tr("Version"), text(p["Version"]));
        row(QObject::tr("Current status"), decodedValue(p["CpuStatus"], cpuStatusText));
    }

    return frame.finish(m_cancelCPU);
}
