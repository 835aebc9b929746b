// The TPM page: four rows about the first Trusted Platform Module, or "none available".

#include "rowemitter.h"
#include "wmiframe.h"
#include "wmivalues.h"
#include "worker.h"

#include <QObject>

using namespace wmi;

void Worker::getTpmWMIData()
{
    WmiFrame frame(this);
    if (!frame.open(QStringLiteral("ROOT\\CIMV2\\Security\\MicrosoftTpm"),
                    WmiFrame::RootError::WithText))
        return;
    IEnumWbemClassObject *enumerator
        = frame.query(QStringLiteral("SELECT IsActivated_InitialValue, SpecVersion, "
                                     "ManufacturerVersion, IsEnabled_InitialValue FROM Win32_Tpm"));
    if (!enumerator)
        return;

    // One fetch; its result is not examined. Further modules are not shown.
    ComPtr<IWbemClassObject> object = frame.nextObject(enumerator);
    if (object && !m_cancelTpm) {
        const WmiProperties p(object.get(),
                              { "IsActivated_InitialValue", "SpecVersion", "ManufacturerVersion",
                                "IsEnabled_InitialValue" });
        using namespace WmiValue;
        const RowEmitter row(this);
        row(QObject::tr("Is activated"), flag(p["IsActivated_InitialValue"]));
        row(QObject::tr("Specification version"), text(p["SpecVersion"]));
        row(QObject::tr("Manufacturer version"), text(p["ManufacturerVersion"]));
        row(QObject::tr("Is enabled"), flag(p["IsEnabled_InitialValue"]));
    } else {
        emit noTPMAvailable();
    }
    object.reset();

    frame.finish(m_cancelTpm);
}
