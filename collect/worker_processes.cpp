// The Processes list: one record per running process.

#include "lazyicon.h"
#include "wmiframe.h"
#include "wmivalues.h"
#include "worker.h"

#include "app/systemfunctions.h"

#include <QObject>

using namespace wmi;

namespace {

const char kProcessIcon[] = ":/Icon/processes_icon.png";

// A byte count given as decimal text, in whole kilobytes; unparsable text counts as 0.
QString kilobytesValue(const VARIANT &v)
{
    if (v.vt != VT_BSTR)
        return WmiValue::unknown();
    const qint64 bytes = v.bstrVal.trimmed().toLongLong();
    return cleanWmiValue(QString::number(bytes / 1024));
}

} // namespace

int Worker::processesWMIData()
{
    WmiFrame frame(this);
    IEnumWbemClassObject *enumerator
        = frame.openQuery(QStringLiteral("SELECT * FROM Win32_Process"));
    if (!enumerator)
        return 1;

    const QIcon defaultIcon = LazyIcon::fromFile(QLatin1String(kProcessIcon));

    while (ComPtr<IWbemClassObject> object = frame.next(enumerator, m_cancelProcesses)) {
        const WmiProperties p(object.get(),
                              { "Name", "ProcessId", "WorkingSetSize", "HandleCount",
                                "PeakPageFileUsage", "Priority", "SessionId", "ThreadCount",
                                "VirtualSize", "ExecutablePath" });
        using namespace WmiValue;
        Process process;
        process.processName = text(p["Name"]);
        process.processId = unsignedNumber(p["ProcessId"]);
        process.workingSetSize = kilobytesValue(p["WorkingSetSize"]);
        process.handleCount = unsignedNumber(p["HandleCount"]);
        process.peakPageFileUsage = unsignedNumber(p["PeakPageFileUsage"]);
        process.priority = unsignedNumber(p["Priority"]);
        process.sessionId = unsignedNumber(p["SessionId"]);
        process.threadCount = unsignedNumber(p["ThreadCount"]);
        process.virtualSize = kilobytesValue(p["VirtualSize"]);
        process.path = text(p["ExecutablePath"]);
        // The executable's own icon is looked up when the row is drawn.
        const QString executable = rawText(p["ExecutablePath"]);
        process.icon = executable.isEmpty()
            ? defaultIcon
            : LazyIcon::forFile(executable, QLatin1String(kProcessIcon));
        emit appProcessesData(process);
    }

    return frame.finish(m_cancelProcesses);
}
