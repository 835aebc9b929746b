// The Network page: per adapter configuration one heading and 11 property rows.

#include "rowemitter.h"
#include "wmiframe.h"
#include "wmivalues.h"
#include "worker.h"

#include "app/systemfunctions.h"

#include <QObject>

using namespace wmi;

namespace {

// The folder of the hosts and networks files; a Windows-style placeholder is filled in first.
QString databasePathValue(const VARIANT &v)
{
    if (v.vt != VT_BSTR)
        return WmiValue::unknown();
    QString path = v.bstrVal;
    path.replace(QLatin1String("%SystemRoot%"), qEnvironmentVariable("SystemRoot"));
    return cleanWmiValue(path);
}

} // namespace

int Worker::appNetworkWMIData()
{
    WmiFrame frame(this);
    IEnumWbemClassObject *enumerator
        = frame.openQuery(QStringLiteral("SELECT * FROM Win32_NetworkAdapterConfiguration"));
    if (!enumerator)
        return 1;

    while (ComPtr<IWbemClassObject> object = frame.next(enumerator, m_cancelNetwork)) {
        const WmiProperties p(object.get(),
                              { "Caption", "Description", "DHCPEnabled", "ServiceName", "IPEnabled",
                                "SettingID", "InterfaceIndex", "DHCPServer", "MACAddress",
                                "DNSHostName", "TcpNumConnections", "DatabasePath" });
        using namespace WmiValue;
        const RowEmitter row(this);
        row.heading(p["Caption"], QObject::tr("Caption"));
        row(QObject::tr("Description"), text(p["Description"]));
        row(QObject::tr("DHCP enabled"), flag(p["DHCPEnabled"]));
        row(QObject::tr("Service name of the network adapter"), text(p["ServiceName"]));
        row(QObject::tr("TCP/IP enabled"), flag(p["IPEnabled"]));
        row(QObject::tr("ID"), text(p["SettingID"]));
        row(QObject::tr("Interface index"), unsignedNumber(p["InterfaceIndex"]));
        row(QObject::tr("DHCP server"), text(p["DHCPServer"]));
        row(QObject::tr("MAC address"), text(p["MACAddress"]));
        row(QObject::tr("DNS hostname"), text(p["DNSHostName"]));
        row(QObject::tr("TCP connections"), unsignedNumber(p["TcpNumConnections"]));
        row(QObject::tr("Database path"), databasePathValue(p["DatabasePath"]));
    }

    return frame.finish(m_cancelNetwork);
}
