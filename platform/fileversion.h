#pragma once
// Version resources of files, standing for GetFileVersionInfo + VerQueryValue("\").

#include <QString>

#include <array>
#include <optional>

#include "sysroot.h"

namespace plat {

class FileVersion
{
public:
    virtual ~FileVersion() = default;
    // The file's version as the four 16-bit parts (major, minor, build, revision) when the file
    // carries one.
    virtual std::optional<std::array<quint16, 4>> fixedVersion(const QString &path) = 0;
    // The file's version text: "%1.%2.%3.%4" of fixedVersion, or the version a file states in its
    // own form (kernel modules: "1.2-k"); empty when it carries none.
    virtual QString versionText(const QString &path) = 0;
};

// Linux files carry no version resource; kernel modules state their version in /sys/module and
// in their .modinfo section. Paths "/sys/module/<name>" (built-in modules) are understood too.
class LinuxFileVersion : public FileVersion
{
public:
    explicit LinuxFileVersion(SysRoot root)
        : m_root(std::move(root))
    {
    }
    std::optional<std::array<quint16, 4>> fixedVersion(const QString &path) override;
    QString versionText(const QString &path) override;

private:
    SysRoot m_root;
};

} // namespace plat
