#pragma once
// Where the sample machines' file trees are ("desktop", "vm", "arm64", ...): each is a root
// directory of a machine for the platform layer. VN_FIXTURES_DIR is defined for every test.

#include <QString>

inline QString fixtureTree(const QString &name)
{
    return QStringLiteral(VN_FIXTURES_DIR "/") + name;
}
