#include "servicecontrol.h"

namespace plat {

namespace {
bool isWmiService(const QString &service)
{
    return service.compare(QLatin1String("Winmgmt"), Qt::CaseInsensitive) == 0;
}
} // namespace

bool LinuxServiceControl::queryState(const QString &service, State *state)
{
    if (!isWmiService(service))
        return false;
    if (state)
        *state = Running;
    return true;
}

bool LinuxServiceControl::start(const QString &service)
{
    return isWmiService(service);
}

bool LinuxServiceControl::resume(const QString &service)
{
    return isWmiService(service);
}

bool LinuxServiceControl::setAutoStart(const QString &service)
{
    return isWmiService(service);
}

} // namespace plat
