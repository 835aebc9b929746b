#pragma once
// The few service manager operations the program performs on one service by name.

#include <QString>

namespace plat {

class ServiceControl
{
public:
    enum State {
        Unknown = 0,
        Stopped = 1,
        StartPending = 2,
        StopPending = 3,
        Running = 4,
        ContinuePending = 5,
        PausePending = 6,
        Paused = 7
    };
    virtual ~ServiceControl() = default;
    // False when the manager cannot be opened.
    virtual bool openManager() = 0;
    // False when the service cannot be opened or queried.
    virtual bool queryState(const QString &service, State *state) = 0;
    virtual bool start(const QString &service) = 0;
    virtual bool resume(const QString &service) = 0; // the continue control
    virtual bool setAutoStart(const QString &service) = 0; // start type automatic
};

// The only service the program controls is the WMI service, which here is the facade itself:
// it is always running, and starting it succeeds and does nothing. Other names do not open.
class LinuxServiceControl : public ServiceControl
{
public:
    bool openManager() override { return true; }
    bool queryState(const QString &service, State *state) override;
    bool start(const QString &service) override;
    bool resume(const QString &service) override;
    bool setAutoStart(const QString &service) override;
};

} // namespace plat
