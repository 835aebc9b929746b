// The Sound Devices page: per device one heading and 7 property rows.

#include "codetables.h"
#include "rowemitter.h"
#include "wmiframe.h"
#include "wmivalues.h"
#include "worker.h"

#include "app/systemfunctions.h"

#include <QObject>

using namespace wmi;

int Worker::appSoundDevicesWMIData()
{
    WmiFrame frame(this);
    IEnumWbemClassObject *enumerator
        = frame.openQuery(QStringLiteral("SELECT * FROM Win32_SoundDevice"));
    if (!enumerator)
        return 1;

    while (ComPtr<IWbemClassObject> object = frame.next(enumerator, m_cancelSoundDevices)) {
        const WmiProperties p(object.get(),
                              { "Caption", "ConfigManagerErrorCode", "ConfigManagerUserConfig",
                                "DeviceID", "Manufacturer", "PowerManagementSupported", "Status",
                                "StatusInfo" });
        using namespace WmiValue;
        const RowEmitter row(this);
        row.heading(p["Caption"], QObject::tr("Caption"));
        const VARIANT &error = p["ConfigManagerErrorCode"];
        row(QObject::tr("Config. manager error code"),
            error.vt == VT_I4 ? cleanWmiValue(configManagerErrorText(error.lVal)) : unknown());
        row(QObject::tr("User configuration"), flag(p["ConfigManagerUserConfig"]));
        row(QObject::tr("Device ID"), text(p["DeviceID"]));
        row(QObject::tr("Manufacturer"), text(p["Manufacturer"]));
        row(QObject::tr("Power management supported"), flag(p["PowerManagementSupported"]));
        row(QObject::tr("Status"), text(p["Status"]));
        const VARIANT &info = p["StatusInfo"];
        row(QObject::tr("Status info"),
            info.vt == VT_I4 ? cleanWmiValue(statusInfoText(quint32(info.lVal))) : unknown());
    }

    return frame.finish(m_cancelSoundDevices);
}
