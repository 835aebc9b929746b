// The Peripheral page: every keyboard (heading and 4 rows), then every printer (heading and 8 rows
// through the printer signals). Both queries run before either list is read.

#include "rowemitter.h"
#include "wmiframe.h"
#include "wmivalues.h"
#include "worker.h"

#include <QObject>

using namespace wmi;

int Worker::appPeripheralWMIData()
{
    WmiFrame frame(this);
    if (!frame.open(QStringLiteral("ROOT\\CIMV2"), WmiFrame::RootError::WithoutText))
        return 1;

    HRESULT keyboardResult = S_OK;
    IEnumWbemClassObject *keyboards
        = frame.execQuery(QStringLiteral("SELECT * FROM Win32_Keyboard"), &keyboardResult);
    HRESULT printerResult = S_OK;
    IEnumWbemClassObject *printers
        = frame.execQuery(QStringLiteral("SELECT * FROM Win32_Printer"), &printerResult);

    // A failed query ends the run with everything released, COM ended and the thread let go.
    if (!keyboards) {
        frame.failQuery(FAILED(keyboardResult) ? keyboardResult : E_POINTER);
        return 1;
    }

    while (ComPtr<IWbemClassObject> object = frame.next(keyboards, m_cancelPeripheralKeyboard)) {
        const WmiProperties p(object.get(),
                              { "Caption", "Description", "Status", "DeviceID", "Layout" });
        using namespace WmiValue;
        const RowEmitter row(this);
        row.heading(p["Caption"], QObject::tr("Caption"));
        row(QObject::tr("Description"), text(p["Description"]));
        row(QObject::tr("Status"), text(p["Status"]));
        row(QObject::tr("Device ID"), text(p["DeviceID"]));
        row(QObject::tr("Layout"), text(p["Layout"]));
    }

    if (!printers) {
        frame.failQuery(FAILED(printerResult) ? printerResult : E_POINTER);
        return 1;
    }

    for (;;) {
        // The fetch's result is not examined: only "nothing came back" or the flag ends it.
        ComPtr<IWbemClassObject> object = frame.nextObject(printers);
        if (!object || m_cancelPeripheralPrinter)
            break;
        const WmiProperties p(object.get(),
                              { "Caption", "AveragePagesPerMinute", "Default", "DriverName",
                                "PrintJobDataType", "PortName", "Status", "WorkOffline",
                                "PrintProcessor" });
        using namespace WmiValue;
        const RowEmitter row(this, &Worker::peripheralPrinterMainData,
                             &Worker::peripheralPrinterData);
        row.heading(p["Caption"], QObject::tr("Caption"));
        row(QObject::tr("Average pages per minute"), unsignedNumber(p["AveragePagesPerMinute"]));
        row(QObject::tr("Default"), flag(p["Default"]));
        row(QObject::tr("Driver name"), text(p["DriverName"]));
        row(QObject::tr("Data type"), text(p["PrintJobDataType"]));
        row(QObject::tr("Port name"), text(p["PortName"]));
        row(QObject::tr("Printer status"), text(p["Status"]));
        row(QObject::tr("Work offline"), flag(p["WorkOffline"]));
        row(QObject::tr("Print processor"), text(p["PrintProcessor"]));
    }

    frame.close();
    if (!(m_cancelPeripheralKeyboard && m_cancelPeripheralPrinter))
        emit loadMainData();
    emit finished();
    return 0;
}
