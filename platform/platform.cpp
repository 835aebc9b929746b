#include "platform.h"

#include "smartio_linux.h"

#include <mutex>

namespace plat {

std::shared_ptr<Platform> makeLinuxPlatform(const SysRoot &root)
{
    auto p = std::make_shared<Platform>();
    p->smartIo = std::make_shared<LinuxSmartIo>(root);
    p->firmware = std::make_shared<LinuxFirmware>(root);
    p->memoryInfo = std::make_shared<LinuxMemoryInfo>(root);
    p->screenInfo = std::make_shared<CachedScreenInfo>(root);
    p->cuda = std::make_shared<LinuxCuda>();
    p->registry = makeLinuxRegistry(root);
    p->driverSource = makeLinuxDriverSource(root);
    p->processTree = makeLinuxProcessTree(root);
    p->fileVersion = std::make_shared<LinuxFileVersion>(root);
    p->serviceControl = std::make_shared<LinuxServiceControl>();
    return p;
}

namespace {

std::mutex g_mutex;
std::shared_ptr<Platform> g_current;
std::shared_ptr<Platform> g_linux; // fills the gaps of partial sets

std::shared_ptr<Platform> linuxSet()
{
    if (!g_linux)
        g_linux = makeLinuxPlatform(SysRoot(QStringLiteral("/")));
    return g_linux;
}

template<class T> void fill(std::shared_ptr<T> &member, const std::shared_ptr<T> &from)
{
    if (!member)
        member = from;
}

} // namespace

std::shared_ptr<Platform> platform()
{
    const std::lock_guard<std::mutex> lock(g_mutex);
    if (!g_current)
        g_current = linuxSet();
    return g_current;
}

void setPlatform(std::shared_ptr<Platform> p)
{
    const std::lock_guard<std::mutex> lock(g_mutex);
    if (!p) {
        g_current = linuxSet();
        return;
    }
    // A copy, so the caller's set is not changed behind its back.
    auto set = std::make_shared<Platform>(*p);
    const std::shared_ptr<Platform> base = linuxSet();
    fill(set->smartIo, base->smartIo);
    fill(set->firmware, base->firmware);
    fill(set->memoryInfo, base->memoryInfo);
    fill(set->screenInfo, base->screenInfo);
    fill(set->cuda, base->cuda);
    fill(set->registry, base->registry);
    fill(set->driverSource, base->driverSource);
    fill(set->processTree, base->processTree);
    fill(set->fileVersion, base->fileVersion);
    fill(set->serviceControl, base->serviceControl);
    g_current = set;
}

} // namespace plat
