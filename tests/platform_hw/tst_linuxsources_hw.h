#pragma once

#include "platform/linuxsources.h"

#include <QObject>

Q_DECLARE_METATYPE(wmi::VARIANT)

// Short forms of expected values, and a list of them by property.
wmi::VARIANT S(const char *s);
wmi::VARIANT I(qint32 v);
wmi::VARIANT B(bool v);
extern const wmi::VARIANT N;
using Values = QVector<QPair<QString, wmi::VARIANT>>;
Q_DECLARE_METATYPE(Values)

// Expected property values, one row per (tree, class, object, property).
void addPropertyRows();
