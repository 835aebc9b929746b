#pragma once
// The classes the facade serves, each property with the VARIANT type WMI hands it out as
// (uint16/uint32 as VT_I4, uint64 and dates as VT_BSTR text, booleans as VT_BOOL, real64 as VT_R8).

#include "wmi.h"

#include <QStringList>

namespace wmi {

extern const char *const kCimv2Namespace; // "ROOT\CIMV2"
extern const char *const kTpmNamespace; // "ROOT\CIMV2\Security\MicrosoftTpm"

struct ClassSchema
{
    QString name; // as WMI spells it
    QString nameSpace; // one of the two namespaces above
    QStringList properties; // in declaration order, as spelled
    QHash<QString, quint16> types; // key: lower-case property name
    QHash<QString, QString> spelling; // lower-case -> as spelled

    bool has(const QString &property) const { return types.contains(property.toLower()); }
    quint16 type(const QString &property) const
    {
        return types.value(property.toLower(), VT_EMPTY);
    }
};

// The schema of a class (case-insensitive); null when the facade does not know it.
const ClassSchema *classSchema(const QString &cls);
// Every known class name.
QStringList schemaClasses();
// True when `ns` names one of the two namespaces (case-insensitive, either slash).
bool isKnownNamespace(const QString &ns);
// The namespace in canonical spelling, or empty.
QString canonicalNamespace(const QString &ns);

// Checks a value against its property's type: VT_NULL always passes; VT_EMPTY never does.
bool valueMatchesSchema(const ClassSchema &schema, const QString &property, const VARIANT &value);

} // namespace wmi
