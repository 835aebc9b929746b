#pragma once
// The guard that keeps tests from removing real packages.

#include <QString>
#include <QStringList>

namespace plat {

// True when VN_TEST_SCRATCH is set and the program (or the program pkexec/sudo would run) is a
// package tool: apt, apt-get, dpkg, flatpak, snap or pkexec itself. Safe between fork and exec:
// it allocates nothing.
bool refusedUnderTest(const QString &program, const QStringList &arguments);

} // namespace plat
