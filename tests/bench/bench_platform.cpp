// Queries every class of the WMI facade once on this machine and prints the time each takes,
// plus the whole set run the way the window runs it (one thread per class).

#include "platform/wmi.h"
#include "platform/wmischema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>

#include <vector>

namespace {

struct Result
{
    wmi::HRESULT hr = wmi::S_OK;
    int objects = 0;
    qint64 micros = 0;
};

Result queryClass(const QString &cls)
{
    Result r;
    QElapsedTimer timer;
    timer.start();
    wmi::CoInitializeEx(nullptr, wmi::COINIT_MULTITHREADED);
    wmi::IWbemLocator *locator = nullptr;
    wmi::IWbemServices *services = nullptr;
    wmi::IEnumWbemClassObject *enumerator = nullptr;
    const wmi::ClassSchema *schema = wmi::classSchema(cls);
    r.hr = wmi::CoCreateWbemLocator(&locator);
    if (wmi::SUCCEEDED(r.hr))
        r.hr = locator->ConnectServer(schema->nameSpace, {}, {}, {}, 0, {}, nullptr, &services);
    if (wmi::SUCCEEDED(r.hr))
        r.hr = services->ExecQuery(QStringLiteral("WQL"), QStringLiteral("SELECT * FROM ") + cls,
                                   wmi::WBEM_FLAG_FORWARD_ONLY | wmi::WBEM_FLAG_RETURN_IMMEDIATELY,
                                   nullptr, &enumerator);
    while (enumerator) {
        wmi::IWbemClassObject *object = nullptr;
        wmi::ULONG returned = 0;
        if (wmi::FAILED(enumerator->Next(wmi::WBEM_INFINITE, 1, &object, &returned))
            || returned == 0)
            break;
        ++r.objects;
        for (const QString &property : schema->properties) {
            wmi::VARIANT v;
            object->Get(property, 0, &v, nullptr, nullptr);
            wmi::VariantClear(&v);
        }
        object->Release();
    }
    if (enumerator)
        enumerator->Release();
    if (services)
        services->Release();
    if (locator)
        locator->Release();
    wmi::CoUninitialize();
    r.micros = timer.nsecsElapsed() / 1000;
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList classes = wmi::schemaClasses();

    out << "One class at a time:\n";
    qint64 total = 0;
    for (const QString &cls : classes) {
        const Result r = queryClass(cls);
        total += r.micros;
        out << QStringLiteral("  %1 %2 objects %3 ms  hr=0x%4\n")
                   .arg(cls, -36)
                   .arg(r.objects, 4)
                   .arg(r.micros / 1000.0, 8, 'f', 2)
                   .arg(wmi::hresultToHex(r.hr));
    }
    out << QStringLiteral("  sum %1 ms\n").arg(total / 1000.0, 0, 'f', 2);

    out << "All classes at once, one thread each:\n";
    QElapsedTimer wall;
    wall.start();
    std::vector<QThread *> threads;
    for (const QString &cls : classes) {
        threads.push_back(QThread::create([cls] { queryClass(cls); }));
        threads.back()->start();
    }
    for (QThread *t : threads) {
        t->wait();
        delete t;
    }
    out << QStringLiteral("  wall %1 ms, live objects left %2\n")
               .arg(wall.nsecsElapsed() / 1e6, 0, 'f', 2)
               .arg(wmi::liveObjects());
    return 0;
}
