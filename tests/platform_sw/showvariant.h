#pragma once
// A WMI value as one comparable text: NULL, a number, TRUE/FALSE or the text itself.

#include "platform/wmi.h"

#include <QString>

inline QString show(const wmi::VARIANT &v)
{
    switch (v.vt) {
    case wmi::VT_NULL:
        return QStringLiteral("NULL");
    case wmi::VT_I4:
        return QString::number(v.lVal);
    case wmi::VT_BOOL:
        return v.boolVal ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case wmi::VT_BSTR:
        return v.bstrVal;
    default:
        return QStringLiteral("VT%1").arg(v.vt);
    }
}
