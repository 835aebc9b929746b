#pragma once
// Firmware (UEFI) variables, read as GetFirmwareEnvironmentVariableW would: the call returns the
// number of bytes read, and 0 with a last-error code on failure.

#include <QByteArray>
#include <QString>

#include "sysroot.h"

namespace plat {

namespace fw {
constexpr quint32 ERROR_INVALID_FUNCTION = 1; // no firmware variables: legacy BIOS boot
constexpr quint32 ERROR_ACCESS_DENIED = 5;
constexpr quint32 ERROR_INSUFFICIENT_BUFFER = 122;
constexpr quint32 ERROR_ENVVAR_NOT_FOUND = 203;
constexpr quint32 ERROR_NOACCESS = 998; // a UEFI machine answering the empty-name probe
} // namespace fw

class Firmware
{
public:
    virtual ~Firmware() = default;
    // `guid` in the braced form "{8be4df61-93ca-11d2-aa0d-00e098032b8c}". Reads at most `capacity`
    // bytes of the variable's data into *buffer (may be null when capacity is 0). Returns the
    // byte count, or 0 with *lastError set.
    virtual quint32 getVariable(const QString &name, const QString &guid, QByteArray *buffer,
                                quint32 capacity, quint32 *lastError)
        = 0;
};

// efivarfs (or the older sysfs efi/vars) under the root.
class LinuxFirmware : public Firmware
{
public:
    explicit LinuxFirmware(SysRoot root)
        : m_root(std::move(root))
    {
    }
    quint32 getVariable(const QString &name, const QString &guid, QByteArray *buffer,
                        quint32 capacity, quint32 *lastError) override;

private:
    SysRoot m_root;
};

} // namespace plat
