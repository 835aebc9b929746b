#include "linuxprovider.h"

#include "linuxsources.h"
#include "wmischema.h"

#include <QtDebug>

#include <exception>

namespace plat {

namespace {

struct Entry
{
    const char *cls;
    LinuxProvider::Source source;
    bool singleton;
};

const Entry kEntries[] = {
    { "Win32_OperatingSystem", &sources::operatingSystem, true },
    { "Win32_Processor", &sources::processors, false },
    { "Win32_VideoController", &sources::videoControllers, false },
    { "Win32_PhysicalMemory", &sources::physicalMemory, false },
    { "Win32_PhysicalMemoryArray", &sources::physicalMemoryArray, true },
    { "Win32_DiskDrive", &sources::diskDrives, false },
    { "Win32_DiskPartition", &sources::diskPartitions, false },
    { "Win32_CDROMDrive", &sources::cdromDrives, false },
    { "Win32_BaseBoard", &sources::baseBoard, true },
    { "Win32_BIOS", &sources::bios, true },
    { "Win32_SoundDevice", &sources::soundDevices, false },
    { "Win32_NetworkAdapterConfiguration", &sources::networkAdapters, false },
    { "Win32_Keyboard", &sources::keyboards, false },
    { "Win32_Printer", &sources::printers, false },
    { "Win32_Service", &sources::services, false },
    { "Win32_Process", &sources::processes, false },
    { "Win32_Tpm", &sources::tpms, false },
};

const Entry *entryFor(const QString &cls)
{
    for (const Entry &entry : kEntries) {
        if (cls.compare(QLatin1String(entry.cls), Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

} // namespace

LinuxProvider::LinuxProvider(SysRoot root)
    : m_root(std::move(root))
{
}

wmi::HRESULT LinuxProvider::connect(const QString &ns)
{
    return wmi::isKnownNamespace(ns) ? wmi::S_OK : wmi::WBEM_E_INVALID_NAMESPACE;
}

wmi::HRESULT LinuxProvider::instances(const QString &ns, const QString &cls,
                                      QVector<wmi::Object> *out)
{
    out->clear();
    const Entry *entry = entryFor(cls);
    const wmi::ClassSchema *schema = wmi::classSchema(cls);
    if (!entry || !schema)
        return wmi::WBEM_E_INVALID_CLASS;
    if (schema->nameSpace != wmi::canonicalNamespace(ns))
        return wmi::WBEM_E_INVALID_CLASS;
    try {
        *out = entry->source(m_root);
    } catch (const std::exception &e) {
        qWarning("wmi: source of %s failed: %s", entry->cls, e.what());
        out->clear();
        return wmi::WBEM_E_FAILED;
    }
    // The summary page reads these classes by row position: they always have one object.
    if (entry->singleton && out->isEmpty())
        out->append(wmi::Object());
    return wmi::S_OK;
}

LinuxProvider::Source LinuxProvider::sourceFor(const QString &cls)
{
    const Entry *entry = entryFor(cls);
    return entry ? entry->source : nullptr;
}

bool LinuxProvider::isSingleton(const QString &cls)
{
    const Entry *entry = entryFor(cls);
    return entry && entry->singleton;
}

} // namespace plat
