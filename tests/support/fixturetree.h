#pragma once
// The root folder of a sample machine ("desktop", "vm", "arm64", ...) for the platform layer.

#include <QString>

inline QString fixtureTree(const QString &name)
{
    return QStringLiteral(VN_FIXTURES_DIR "/") + name;
}
