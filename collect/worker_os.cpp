// The OS page: one row per property of the running operating system.

#include "codetables.h"
#include "rowemitter.h"
#include "wmiframe.h"
#include "wmivalues.h"
#include "worker.h"

#include "app/systemfunctions.h"

#include <QDateTime>
#include <QObject>

#include <cmath>

using namespace wmi;

namespace {

// A CIM date as "DD-MM-YYYY HH:MM:SS" local time; the text is used whatever the variant type.
QString dateTimeValue(const VARIANT &v)
{
    QDateTime local;
    if (!Worker::wmiDateToLocalTime(v.bstrVal, &local))
        return QObject::tr("Unknown");
    return cleanWmiValue(Worker::formatWmiDateTime(local));
}

QString localeValue(const VARIANT &v)
{
    if (v.vt != VT_BSTR)
        return QObject::tr("Unknown");
    bool ok = false;
    int lcid = v.bstrVal.toInt(&ok, 16);
    if (!ok)
        lcid = 0;
    return cleanWmiValue(localeIdText(lcid));
}

// A size in kilobytes given as decimal text.
QString memorySizeValue(const VARIANT &v)
{
    if (v.vt != VT_BSTR)
        return QObject::tr("Unknown");
    const qint64 kb = v.bstrVal.toLongLong();
    const qint64 mb = kb / 1024;
    const double gb = std::ceil(double(kb) / 1048576.0);
    if (mb < 1024)
        return cleanWmiValue(WmiValue::withUnit(QString::number(mb), QObject::tr("MB")));
    return cleanWmiValue(WmiValue::withUnits(QString::number(mb), QObject::tr("MB"),
                                             QString::number(gb, 'g', 6), QObject::tr("GB")));
}

QString encryptionValue(const VARIANT &v)
{
    if (v.vt != VT_I4)
        return QObject::tr("Unknown");
    return cleanWmiValue(QString::number(v.lVal) + QObject::tr("-EncryptionBit"));
}

} // namespace

int Worker::appOSWMIData()
{
    WmiFrame frame(this);
    IEnumWbemClassObject *enumerator = frame.openQuery(
        QStringLiteral("SELECT * FROM Win32_OperatingSystem"), WmiFrame::RootError::WithText);
    if (!enumerator)
        return 1;

    while (ComPtr<IWbemClassObject> object = frame.next(enumerator, m_cancelOS)) {
        const WmiProperties p(object.get(),
                              { "Caption",
                                "BuildNumber",
                                "CSName",
                                "Name",
                                "OSArchitecture",
                                "SerialNumber",
                                "Status",
                                "Manufacturer",
                                "SystemDrive",
                                "SystemDirectory",
                                "NumberOfProcesses",
                                "RegisteredUser",
                                "WindowsDirectory",
                                "Primary",
                                "LastBootUpTime",
                                "Locale",
                                "InstallDate",
                                "BootDevice",
                                "CountryCode",
                                "NumberOfUsers",
                                "SystemDevice",
                                "MaxProcessMemorySize",
                                "EncryptionLevel",
                                "BuildType" });
        using namespace WmiValue;
        const RowEmitter row(this);
        row(QObject::tr("Name"), text(p["Caption"]));
        row(QObject::tr("Build"), text(p["BuildNumber"]));
        row(QObject::tr("Computer name"), text(p["CSName"]));
        row(QObject::tr("Partition name"), text(p["Name"]));
        row(QObject::tr("Architecture"), text(p["OSArchitecture"]));
        row(QObject::tr("Product ID"), text(p["SerialNumber"]));
        row(QObject::tr("Status"), text(p["Status"]));
        row(QObject::tr("Manufacturer"), text(p["Manufacturer"]));
        row(QObject::tr("System drive"), text(p["SystemDrive"]));
        row(QObject::tr("System directory"), text(p["SystemDirectory"]));
        row(QObject::tr("Number of processes"), number(p["NumberOfProcesses"]));
        row(QObject::tr("Registered user"), text(p["RegisteredUser"]));
        row(QObject::tr("Operating system directory"), text(p["WindowsDirectory"]));
        row(QObject::tr("Primary"), flag(p["Primary"]));
        row(QObject::tr("Last boot up time"), dateTimeValue(p["LastBootUpTime"]));
        row(QObject::tr("Locale"), localeValue(p["Locale"]));
        row(QObject::tr("Install date"), dateTimeValue(p["InstallDate"]));
        row(QObject::tr("Boot device"), text(p["BootDevice"]));
        row(QObject::tr("Country code"), text(p["CountryCode"]));
        row(QObject::tr("Number of users"), number(p["NumberOfUsers"]));
        row(QObject::tr("System device"), text(p["SystemDevice"]));
        row(QObject::tr("Max process memory size"), memorySizeValue(p["MaxProcessMemorySize"]));
        row(QObject::tr("Encryption level"), encryptionValue(p["EncryptionLevel"]));
        row(QObject::tr("Kernel type"), text(p["BuildType"]));
    }

    return frame.finish(m_cancelOS);
}
