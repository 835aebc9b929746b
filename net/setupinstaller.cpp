#include "net/setupinstaller.h"

#include "app/systemfunctions.h"
#include "platform/launcher.h"

#include <QFile>

namespace SetupInstaller {

Kind kindOf(const QByteArray &head)
{
    if (head.startsWith("!<arch>\ndebian-binary"))
        return Kind::DebianPackage;
    if (head.startsWith("#!")
        || head.startsWith("\x7f"
                           "ELF"))
        return Kind::Program;
    return Kind::Unknown;
}

Kind kindOfFile(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return Kind::Unknown;
    return kindOf(file.read(64));
}

qint64 start(const QString &filePath, const QStringList &arguments)
{
    switch (kindOfFile(filePath)) {
    case Kind::DebianPackage:
        // The package installer takes the file by path; the setup's own switches mean nothing
        // to it.
        return launchProgram(true, QStringLiteral("dpkg"),
                             { QStringLiteral("--install"), filePath });
    case Kind::Program: {
        // A download arrives without the execute permission.
        QFile file(filePath);
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        return launchProgram(false, filePath, arguments);
    }
    case Kind::Unknown:
        break;
    }
    if (!QFile::exists(filePath))
        return plat::shell::FileNotFound;
    return plat::shell::NoAssociation;
}

} // namespace SetupInstaller
