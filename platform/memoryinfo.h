#pragma once
// Installed and usable memory, standing for GetPhysicallyInstalledSystemMemory and
// GlobalMemoryStatusEx.

#include <QtGlobal>

#include <optional>

#include "sysroot.h"

namespace plat {

class MemoryInfo
{
public:
    virtual ~MemoryInfo() = default;
    // Installed memory in KB (sum of the memory modules). nullopt stands for "the function is
    // not available", so the caller's fall-back runs.
    virtual std::optional<quint64> installedKb() = 0;
    // Memory the system can use, in bytes (ullTotalPhys). nullopt when the call fails.
    virtual std::optional<quint64> totalPhysBytes() = 0;
};

// Installed: the SMBIOS memory devices, else the kernel's online memory blocks. Usable: sysinfo
// (live) or MemTotal of the root's /proc/meminfo.
class LinuxMemoryInfo : public MemoryInfo
{
public:
    explicit LinuxMemoryInfo(SysRoot root)
        : m_root(std::move(root))
    {
    }
    std::optional<quint64> installedKb() override;
    std::optional<quint64> totalPhysBytes() override;

private:
    SysRoot m_root;
};

} // namespace plat
