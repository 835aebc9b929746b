#pragma once
// Reading WMI property values as the collectors show them: a value is used only when its variant
// has the exact expected type; anything else is the translated "Unknown".

#include "platform/wmi.h"

#include <QString>

#include <initializer_list>
#include <utility>
#include <vector>

namespace WmiValue {

// VT_BSTR, tidied; else "Unknown".
QString text(const wmi::VARIANT &v);
// VT_I4 in signed decimal, tidied; else "Unknown".
QString number(const wmi::VARIANT &v);
// VT_I4 read as unsigned 32 bits, in decimal, tidied; else "Unknown".
QString unsignedNumber(const wmi::VARIANT &v);
// VT_I4 in signed decimal followed by a unit, tidied; else "Unknown".
QString numberWithUnit(const wmi::VARIANT &v, const QString &unit);
// A byte count given as decimal text (VT_BSTR) in whole MB, with whole GB added from 1024 MB on,
// tidied; else "Unknown".
QString megabytes(const wmi::VARIANT &v);
// The same in whole KB, with whole MB added from 1024 KB on.
QString kilobytes(const wmi::VARIANT &v);
// VT_BOOL as the translated "True"/"False", tidied; else "Unknown".
QString flag(const wmi::VARIANT &v);
// The text a VT_BSTR holds, untidied; empty for any other type.
QString rawText(const wmi::VARIANT &v);
// The translated "Unknown".
QString unknown();
// "%1 %2" of a number and a unit.
QString withUnit(const QString &number, const QString &unit);
// "%1 %2 (%3 %4)" of a number and unit followed by a second figure and unit.
QString withUnits(const QString &number, const QString &unit, const QString &second,
                  const QString &secondUnit);

} // namespace WmiValue

// The properties of one class object, all fetched at construction in the given order (as the
// collectors do before building any record) and cleared on destruction.
class WmiProperties
{
public:
    WmiProperties(wmi::IWbemClassObject *object, std::initializer_list<const char *> names);
    ~WmiProperties();
    WmiProperties(const WmiProperties &) = delete;
    WmiProperties &operator=(const WmiProperties &) = delete;

    // The fetched variant; VT_EMPTY for a name that was not fetched.
    const wmi::VARIANT &operator[](const char *name) const;

private:
    std::vector<std::pair<QString, wmi::VARIANT>> m_values;
};
