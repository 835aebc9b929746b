#pragma once
// The driver list, shaped like the service control manager's view of drivers: enumerate, then
// open each driver for its configured file path. On Linux the drivers are kernel modules.

#include <QString>
#include <QVector>

#include <memory>

namespace plat {

struct DriverEntry
{
    enum Type : quint32 { KernelDriver = 1, FileSystemDriver = 2, RecognizerDriver = 8 };
    enum State : quint32 {
        Stopped = 1,
        StartPending = 2,
        StopPending = 3,
        Running = 4,
        ContinuePending = 5,
        PausePending = 6,
        Paused = 7
    };
    QString name; // service (module) name as enumerated
    QString displayName; // description
    quint32 serviceType = KernelDriver;
    quint32 currentState = Stopped;
};

class DriverSource
{
public:
    virtual ~DriverSource() = default;
    // Stands for opening the manager and enumerating the driver kinds in every state.
    // False when the manager cannot be opened (no rows).
    virtual bool enumerate(QVector<DriverEntry> *out) = 0;
    // Stands for opening one driver with full access and reading its configuration.
    // False when the driver cannot be opened. `binaryPath` is the configured file path (empty
    // when it has none, e.g. a built-in module); on Linux it is an absolute path.
    virtual bool queryConfig(const QString &name, QString *binaryPath) = 0;
};

class SysRoot;
// Kernel modules (loaded and built-in) of the machine under `root`.
std::shared_ptr<DriverSource> makeLinuxDriverSource(const SysRoot &root);

} // namespace plat
