// The Services list: one record per service.

#include "lazyicon.h"
#include "wmiframe.h"
#include "wmivalues.h"
#include "worker.h"

#include "app/systemfunctions.h"

#include <QObject>

using namespace wmi;

int Worker::servicesWMIData()
{
    WmiFrame frame(this);
    IEnumWbemClassObject *enumerator
        = frame.openQuery(QStringLiteral("SELECT * FROM Win32_Service"));
    if (!enumerator)
        return 1;

    // Two icons serve every row; copies share them.
    const QIcon runningIcon = LazyIcon::fromFile(QStringLiteral(":Icon/services_on.png"));
    const QIcon stoppedIcon = LazyIcon::fromFile(QStringLiteral(":Icon/services_off.png"));

    while (ComPtr<IWbemClassObject> object = frame.next(enumerator, m_cancelServices)) {
        const WmiProperties p(object.get(),
                              { "Caption", "PathName", "Name", "ProcessId", "ServiceType", "State",
                                "Status", "ErrorControl", "StartMode", "WaitHint", "ExitCode" });
        using namespace WmiValue;
        Service service;
        service.serviceName = text(p["Caption"]);
        const VARIANT &path = p["PathName"];
        service.path = path.vt == VT_BSTR
            ? cleanWmiValue(QString(path.bstrVal).remove(QLatin1Char('"')))
            : unknown();
        service.fileName = p["Name"].vt == VT_BSTR ? p["Name"].bstrVal : unknown();
        service.processId = unsignedNumber(p["ProcessId"]);
        service.type = text(p["ServiceType"]);
        service.state = text(p["State"]);
        service.status = text(p["Status"]);
        service.errorControl = text(p["ErrorControl"]);
        service.startMode = text(p["StartMode"]);
        const VARIANT &waitHint = p["WaitHint"];
        service.waitHint = waitHint.vt == VT_I4
            ? cleanWmiValue(
                withUnit(QString::number(quint32(waitHint.lVal)), QObject::tr("milliseconds")))
            : unknown();
        service.exitCode = unsignedNumber(p["ExitCode"]);
        // The state word is the untranslated one the source gives.
        service.icon = service.state == QLatin1String("Running") ? runningIcon : stoppedIcon;
        emit appServicesData(service);
    }

    return frame.finish(m_cancelServices);
}
