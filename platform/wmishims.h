#pragma once
// Internals of the WMI facade shared with its tests: the query parser.

#include <QString>
#include <QStringList>

namespace wmi {

struct WqlQuery
{
    QString className;
    QStringList properties; // empty for "SELECT *"
};

// Accepts "SELECT * FROM Class" and "SELECT a, b FROM Class" (keywords in any case, any white
// space); anything else is refused.
bool parseWql(const QString &text, WqlQuery *out);

} // namespace wmi
