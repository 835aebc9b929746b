#include "wmivalues.h"

#include "app/systemfunctions.h"

#include <QObject>

namespace WmiValue {

QString unknown()
{
    return QObject::tr("Unknown");
}

QString text(const wmi::VARIANT &v)
{
    return v.vt == wmi::VT_BSTR ? cleanWmiValue(v.bstrVal) : unknown();
}

QString number(const wmi::VARIANT &v)
{
    return v.vt == wmi::VT_I4 ? cleanWmiValue(QString::number(v.lVal)) : unknown();
}

QString unsignedNumber(const wmi::VARIANT &v)
{
    return v.vt == wmi::VT_I4 ? cleanWmiValue(QString::number(quint32(v.lVal))) : unknown();
}

QString flag(const wmi::VARIANT &v)
{
    if (v.vt != wmi::VT_BOOL)
        return unknown();
    return cleanWmiValue(v.boolVal ? QObject::tr("True") : QObject::tr("False"));
}

QString rawText(const wmi::VARIANT &v)
{
    return v.vt == wmi::VT_BSTR ? v.bstrVal : QString();
}

QString withUnit(const QString &number, const QString &unit)
{
    return QStringLiteral("%1 %2").arg(number, unit);
}

QString withUnits(const QString &number, const QString &unit, const QString &second,
                  const QString &secondUnit)
{
    return QStringLiteral("%1 %2 (%3 %4)").arg(number, unit, second, secondUnit);
}

} // namespace WmiValue

WmiProperties::WmiProperties(wmi::IWbemClassObject *object,
                             std::initializer_list<const char *> names)
{
    m_values.reserve(names.size());
    for (const char *name : names) {
        m_values.emplace_back(QString::fromLatin1(name), wmi::VARIANT());
        wmi::VARIANT &v = m_values.back().second;
        wmi::VariantInit(&v);
        // A failed Get leaves the variant empty, which reads as "Unknown".
        object->Get(m_values.back().first, 0, &v, nullptr, nullptr);
    }
}

WmiProperties::~WmiProperties()
{
    for (auto &entry : m_values)
        wmi::VariantClear(&entry.second);
}

const wmi::VARIANT &WmiProperties::operator[](const char *name) const
{
    for (const auto &entry : m_values) {
        if (entry.first == QLatin1String(name))
            return entry.second;
    }
    static const wmi::VARIANT empty;
    return empty;
}
