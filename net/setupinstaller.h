#pragma once
// Starting a downloaded setup on this system: a Debian package goes to the package installer
// with administrator rights, a setup script or program runs directly with the setup's
// arguments. Everything is started from an argument list through the launch functions.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace SetupInstaller {

enum class Kind { DebianPackage, Program, Unknown };

// The kind of a setup from the first bytes of its file.
Kind kindOf(const QByteArray &head);
Kind kindOfFile(const QString &filePath);

// Starts the setup detached; the launch functions' result (above 32: started). A setup of
// unknown kind is not started (31, no associated application).
qint64 start(const QString &filePath, const QStringList &arguments);

} // namespace SetupInstaller
