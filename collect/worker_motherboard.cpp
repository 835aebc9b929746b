// The Motherboard page: the base board's rows, the firmware's boot mode and Secure Boot rows, then
// the BIOS rows; property rows only, no headings.

#include "rowemitter.h"
#include "wmiframe.h"
#include "wmivalues.h"
#include "worker.h"

#include "app/systemfunctions.h"
#include "platform/platform.h"

#include <QDateTime>
#include <QObject>

using namespace wmi;

namespace {

const char kNullGuid[] = "{00000000-0000-0000-0000-000000000000}";
const char kGlobalVariableGuid[] = "{8be4df61-93ca-11d2-aa0d-00e098032b8c}";

QString releaseDateValue(const VARIANT &v)
{
    QDateTime local;
    if (v.vt != VT_BSTR || !Worker::wmiDateToLocalTime(v.bstrVal, &local))
        return WmiValue::unknown();
    return cleanWmiValue(Worker::formatWmiDateTime(local));
}

} // namespace

QString Worker::biosMode()
{
    // The probe with an empty name tells the two kinds of firmware apart by its error alone.
    quint32 lastError = 0;
    plat::firmware()->getVariable(QString(), QLatin1String(kNullGuid), nullptr, 0, &lastError);
    if (lastError == plat::fw::ERROR_INVALID_FUNCTION)
        return QObject::tr("Legacy");
    if (lastError == plat::fw::ERROR_NOACCESS)
        return QStringLiteral("UEFI");
    return QObject::tr("Unknown");
}

QString Worker::secureBootState()
{
    // A machine that has the variable at all supports Secure Boot, whether it is on or off.
    QByteArray buffer;
    quint32 lastError = 0;
    const quint32 read = plat::firmware()->getVariable(
        QStringLiteral("SecureBoot"), QLatin1String(kGlobalVariableGuid), &buffer, 4, &lastError);
    setSystemEnvironmentPrivilege(nullptr, false);
    return read != 0 ? QObject::tr("Supported") : QObject::tr("Not supported");
}

int Worker::appMotherboardWMIData()
{
    WmiFrame frame(this);
    if (!frame.open(QStringLiteral("ROOT\\CIMV2"), WmiFrame::RootError::WithoutText))
        return 1;

    HRESULT boardResult = S_OK;
    IEnumWbemClassObject *boards
        = frame.execQuery(QStringLiteral("SELECT * FROM Win32_BaseBoard"), &boardResult);
    HRESULT biosResult = S_OK;
    IEnumWbemClassObject *bioses
        = frame.execQuery(QStringLiteral("SELECT * FROM Win32_BIOS"), &biosResult);
    if (!boards) {
        frame.failQuery(FAILED(boardResult) ? boardResult : E_POINTER);
        return 1;
    }

    const RowEmitter row(this);
    using namespace WmiValue;

    while (ComPtr<IWbemClassObject> object = frame.next(boards, m_cancelMotherboard)) {
        const WmiProperties p(object.get(),
                              { "Manufacturer", "Product", "HostingBoard", "Status", "HotSwappable",
                                "PoweredOn", "Removable", "RequiresDaughterBoard",
                                "SerialNumber" });
        row(QObject::tr("Manufacturer"), text(p["Manufacturer"]));
        row(QObject::tr("Product"), text(p["Product"]));
        row(QObject::tr("Hosting board"), flag(p["HostingBoard"]));
        row(QObject::tr("Status"), text(p["Status"]));
        row(QObject::tr("Hot swappable"), flag(p["HotSwappable"]));
        row(QObject::tr("Powered on"), flag(p["PoweredOn"]));
        row(QObject::tr("Removable"), flag(p["Removable"]));
        row(QObject::tr("Requires daughter board"), flag(p["RequiresDaughterBoard"]));
        row(QObject::tr("Serial number"), text(p["SerialNumber"]));
    }

    if (!m_cancelBios) {
        // The process has no token to adjust here; the call reports whether the reads may work,
        // and the rows are emitted either way.
        setSystemEnvironmentPrivilege(nullptr, true);
        row(QObject::tr("BIOS mode"), biosMode());
        row(QObject::tr("Secure boot"), secureBootState());
    }

    if (!bioses) {
        frame.failQuery(FAILED(biosResult) ? biosResult : E_POINTER);
        return 1;
    }

    for (;;) {
        ComPtr<IWbemClassObject> object = frame.nextObject(bioses);
        if (!object || m_cancelBios)
            break;
        const WmiProperties p(object.get(),
                              { "Caption", "CurrentLanguage", "Status", "Manufacturer",
                                "SerialNumber", "ReleaseDate" });
        row(QObject::tr("BIOS version"), text(p["Caption"]));
        row(QObject::tr("BIOS current language"), text(p["CurrentLanguage"]));
        row(QObject::tr("BIOS status"), text(p["Status"]));
        row(QObject::tr("BIOS manufacturer"), text(p["Manufacturer"]));
        row(QObject::tr("BIOS serial number"), text(p["SerialNumber"]));
        row(QObject::tr("BIOS release date"), releaseDateValue(p["ReleaseDate"]));
    }

    frame.close();
    if (!(m_cancelMotherboard && m_cancelBios))
        emit loadMainData();
    emit finished();
    return 0;
}
