#pragma once
// The WMI provider of this system: each class answered by its Linux source function.

#include "sysroot.h"
#include "wmi.h"

namespace plat {

class LinuxProvider : public wmi::Provider
{
public:
    using Source = QVector<wmi::Object> (*)(const SysRoot &);

    explicit LinuxProvider(SysRoot root);

    wmi::HRESULT connect(const QString &ns) override;
    // Runs the class's source on the calling thread: queries of different detections never
    // wait for each other (the processor source alone takes a quarter second for its load sample).
    wmi::HRESULT instances(const QString &ns, const QString &cls,
                           QVector<wmi::Object> *out) override;

    const SysRoot &root() const { return m_root; }
    // The source of a class (case-insensitive); null when none.
    static Source sourceFor(const QString &cls);
    // Classes that always answer with exactly one object.
    static bool isSingleton(const QString &cls);

private:
    SysRoot m_root;
};

} // namespace plat
