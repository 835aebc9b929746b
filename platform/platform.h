#pragma once
// The non-WMI seams of the platform layer, swapped together (tests) or one by one.
// The WMI facade has its own provider (wmi.h).

#include "cuda.h"
#include "driversource.h"
#include "fileversion.h"
#include "firmware.h"
#include "memoryinfo.h"
#include "processtree.h"
#include "registry.h"
#include "screeninfo.h"
#include "servicecontrol.h"
#include "smartio.h"
#include "sysroot.h"

#include <memory>

namespace plat {

struct Platform
{
    std::shared_ptr<SmartIo> smartIo;
    std::shared_ptr<Firmware> firmware;
    std::shared_ptr<MemoryInfo> memoryInfo;
    std::shared_ptr<ScreenInfo> screenInfo;
    std::shared_ptr<Cuda> cuda;
    std::shared_ptr<RegistryFacade> registry;
    std::shared_ptr<DriverSource> driverSource;
    std::shared_ptr<ProcessTree> processTree;
    std::shared_ptr<FileVersion> fileVersion;
    std::shared_ptr<ServiceControl> serviceControl;
};

// The Linux implementation of every seam, reading through `root`.
std::shared_ptr<Platform> makeLinuxPlatform(const SysRoot &root);

// The current set; created on first use as makeLinuxPlatform(SysRoot("/")). Never null, and
// never has a null member: setPlatform fills null members from the Linux set.
std::shared_ptr<Platform> platform();
void setPlatform(std::shared_ptr<Platform> platform);

// Shortcuts for the current set's members (shared, so a swap during a call is harmless).
inline std::shared_ptr<SmartIo> smartIo()
{
    return platform()->smartIo;
}
inline std::shared_ptr<Firmware> firmware()
{
    return platform()->firmware;
}
inline std::shared_ptr<MemoryInfo> memoryInfo()
{
    return platform()->memoryInfo;
}
inline std::shared_ptr<ScreenInfo> screenInfo()
{
    return platform()->screenInfo;
}
inline std::shared_ptr<Cuda> cuda()
{
    return platform()->cuda;
}
inline std::shared_ptr<RegistryFacade> registry()
{
    return platform()->registry;
}
inline std::shared_ptr<DriverSource> driverSource()
{
    return platform()->driverSource;
}
inline std::shared_ptr<ProcessTree> processTree()
{
    return platform()->processTree;
}
inline std::shared_ptr<FileVersion> fileVersion()
{
    return platform()->fileVersion;
}
inline std::shared_ptr<ServiceControl> serviceControl()
{
    return platform()->serviceControl;
}

// Swaps the whole set for one scope (tests).
class ScopedPlatform
{
public:
    explicit ScopedPlatform(std::shared_ptr<Platform> p)
        : m_previous(platform())
    {
        setPlatform(std::move(p));
    }
    ~ScopedPlatform() { setPlatform(m_previous); }
    ScopedPlatform(const ScopedPlatform &) = delete;
    ScopedPlatform &operator=(const ScopedPlatform &) = delete;

private:
    std::shared_ptr<Platform> m_previous;
};

} // namespace plat
