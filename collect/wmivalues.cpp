#include "wmivalues.h"

#include "app/systemfunctions.h"

#include <QObject>

namespace WmiValue {

namespace {

// A byte count given as decimal text in whole units of `unitBytes`, with whole units 1024 times
// as large added from 1024 units on.
QString scaledBytes(const wmi::VARIANT &v, qint64 unitBytes, const QString &unit,
                    const QString &largeUnit)
{
    if (v.vt != wmi::VT_BSTR)
        return unknown();
    const qint64 bytes = v.bstrVal.toLongLong();
    const qint64 amount = bytes / unitBytes;
    const qint64 large = bytes / (unitBytes * 1024);
    if (amount < 1024)
        return cleanWmiValue(withUnit(QString::number(amount), unit));
    return cleanWmiValue(
        withUnits(QString::number(amount), unit, QString::number(large), largeUnit));
}

} // namespace

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

QString numberWithUnit(const wmi::VARIANT &v, const QString &unit)
{
    return v.vt == wmi::VT_I4 ? cleanWmiValue(withUnit(QString::number(v.lVal), unit)) : unknown();
}

QString megabytes(const wmi::VARIANT &v)
{
    return scaledBytes(v, 1048576, QObject::tr("MB"), QObject::tr("GB"));
}

QString kilobytes(const wmi::VARIANT &v)
{
    return scaledBytes(v, 1024, QObject::tr("KB"), QObject::tr("MB"));
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
