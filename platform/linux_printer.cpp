// Win32_Printer from CUPS. The live machine asks the CUPS scheduler with cupsGetDests2 from
// libcups.so.2, loaded at run time so the program starts where CUPS is not installed. Fixture
// trees describe their queues in /etc/cups/printers.conf, the scheduler's own file.

#include "linuxsources.h"

#include <QHash>

#include <dlfcn.h>

namespace plat::sources {
namespace {

using namespace wmi;

struct Queue
{
    QString name;
    bool isDefault = false;
    QHash<QByteArray, QByteArray> options; // IPP attribute name -> value text
};

// The ABI of libcups 2 (cups_option_t / cups_dest_t), stable since CUPS 1.1.
struct CupsOption
{
    char *name;
    char *value;
};
struct CupsDest
{
    char *name;
    char *instance;
    int isDefault;
    int numOptions;
    CupsOption *options;
};
using GetDests2 = int (*)(void *http, CupsDest **dests);
using FreeDests = void (*)(int count, CupsDest *dests);

QVector<Queue> queuesFromCups()
{
    QVector<Queue> queues;
    void *lib = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!lib)
        return queues;
    const auto getDests = reinterpret_cast<GetDests2>(::dlsym(lib, "cupsGetDests2"));
    const auto freeDests = reinterpret_cast<FreeDests>(::dlsym(lib, "cupsFreeDests"));
    if (getDests && freeDests) {
        CupsDest *dests = nullptr;
        const int count = getDests(nullptr, &dests); // CUPS_HTTP_DEFAULT
        for (int i = 0; i < count && dests; ++i) {
            if (dests[i].instance) // "printer/instance" entries repeat a queue with other options
                continue;
            Queue q;
            q.name = QString::fromUtf8(dests[i].name);
            q.isDefault = dests[i].isDefault != 0;
            for (int o = 0; o < dests[i].numOptions; ++o)
                q.options.insert(dests[i].options[o].name, dests[i].options[o].value);
            queues.append(q);
        }
        // Released whatever the count, so no list is leaked on any path.
        if (dests)
            freeDests(count, dests);
    }
    // libcups stays loaded: it keeps per-thread data whose destructors run when the calling
    // thread exits, after an unload they would jump into unmapped code.
    return queues;
}

QVector<Queue> queuesFromConf(const QByteArray &conf)
{
    QVector<Queue> queues;
    Queue current;
    bool inQueue = false;
    for (QByteArray line : conf.split('\n')) {
        line = line.trimmed();
        if (line.startsWith("<Printer ") || line.startsWith("<DefaultPrinter ")) {
            current = Queue();
            current.isDefault = line.startsWith("<Default");
            current.name = QString::fromUtf8(line.mid(line.indexOf(' ') + 1).chopped(1).trimmed());
            inQueue = true;
        } else if (line.startsWith("</") && inQueue) {
            queues.append(current);
            inQueue = false;
        } else if (inQueue) {
            const int sp = line.indexOf(' ');
            const QByteArray key = line.left(sp), value = sp < 0 ? QByteArray() : line.mid(sp + 1);
            if (key == "MakeModel")
                current.options.insert("printer-make-and-model", value);
            else if (key == "DeviceURI")
                current.options.insert("device-uri", value);
            else if (key == "State")
                current.options.insert("printer-state",
                                       value == "Idle"             ? "3"
                                           : value == "Processing" ? "4"
                                                                   : "5");
            else if (key == "Accepting")
                current.options.insert("printer-is-accepting-jobs",
                                       value == "Yes" ? "true" : "false");
            else if (key == "Reason") {
                QByteArray &reasons = current.options["printer-state-reasons"];
                reasons += (reasons.isEmpty() ? "" : ",") + value;
            }
        }
    }
    return queues;
}

VARIANT option(const Queue &q, const char *name)
{
    const QByteArray v = q.options.value(name);
    return v.isEmpty() ? null() : bstr(QString::fromUtf8(v));
}

} // namespace

QVector<Object> printers(const SysRoot &root)
{
    const QVector<Queue> queues = root.isLive()
        ? queuesFromCups()
        : queuesFromConf(root.read(QStringLiteral("/etc/cups/printers.conf")));
    QVector<Object> out;
    for (const Queue &q : queues) {
        Object obj;
        obj.insert(QStringLiteral("Caption"), bstr(q.name));
        bool ok = false;
        const int ppm = q.options.value("pages-per-minute").toInt(&ok);
        obj.insert(QStringLiteral("AveragePagesPerMinute"), i4(ok ? ppm : 0));
        obj.insert(QStringLiteral("Default"), boolean(q.isDefault));
        obj.insert(QStringLiteral("DriverName"), option(q, "printer-make-and-model"));
        obj.insert(QStringLiteral("PrintJobDataType"), null()); // no spooler data type in CUPS
        obj.insert(QStringLiteral("PortName"), option(q, "device-uri"));
        // printer-state 3 idle, 4 processing, 5 stopped; a reason ending in "-error" wins.
        const QByteArray state = q.options.value("printer-state");
        QString status;
        bool error = false;
        for (const QByteArray &reason : q.options.value("printer-state-reasons").split(','))
            error = error || reason.trimmed().endsWith("-error");
        if (error)
            status = QStringLiteral("Error");
        else if (state == "3" || state == "4")
            status = QStringLiteral("OK");
        else if (state == "5")
            status = QStringLiteral("Degraded");
        obj.insert(QStringLiteral("Status"), status.isEmpty() ? null() : bstr(status));
        const QByteArray accepting = q.options.value("printer-is-accepting-jobs");
        obj.insert(QStringLiteral("WorkOffline"),
                   accepting.isEmpty() ? null() : boolean(accepting != "true"));
        obj.insert(QStringLiteral("PrintProcessor"), null()); // CUPS filters have no such name
        out.append(obj);
    }
    return out;
}

} // namespace plat::sources
