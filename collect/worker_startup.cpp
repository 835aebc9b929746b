// The Startup list: the entries of the three Run keys, then the items of the user's and the
// common Startup folder.

#include "lazyicon.h"
#include "worker.h"

#include "platform/platform.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>

namespace {

const char kDefaultIcon[] = ":/Icon/default_startup_icon.png";

struct RunKey
{
    const char *path;
    const char *label;
};

// The plain machine key is labelled "x86" and the WOW6432Node key "x64"; the Startup page maps
// these labels back to the keys.
const RunKey kRunKeys[] = {
    { "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Registry\\HKCU" },
    { "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
      "Registry\\HKLM (x86)" },
    { "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run",
      "Registry\\HKLM (x64)" },
};

struct StartupFolder
{
    const char *pattern;
    const char *placeholder;
    const char *variable;
};

const StartupFolder kStartupFolders[] = {
    { "%appdata%/Microsoft/Windows/Start Menu/Programs/Startup", "%appdata%", "appdata" },
    { "%programdata%/Microsoft/Windows/Start Menu/Programs/StartUp", "%programdata%",
      "programdata" },
};

// The program a command starts: its first word, found on the search path when it is a bare name.
QString commandProgram(const QString &command)
{
    if (QFileInfo(command).isFile())
        return command;
    const QStringList words = QProcess::splitCommand(command);
    if (words.isEmpty())
        return QString();
    const QString program = words.first();
    if (QDir::isAbsolutePath(program))
        return program;
    return QStandardPaths::findExecutable(program);
}

} // namespace

void Worker::getStartupApp()
{
    const std::shared_ptr<plat::RegistryFacade> registry = plat::registry();
    const QString windir = qEnvironmentVariable("windir");

    for (const RunKey &runKey : kRunKeys) {
        const std::unique_ptr<plat::RegistryKey> key
            = registry->open(QString::fromLatin1(runKey.path));
        for (const QString &name : key->childKeys()) {
            if (m_cancelStartup)
                break;
            Startup startup;
            // The value's name exactly as the key lists it: removal names this very entry.
            startup.name = name;
            startup.startupPath = QString::fromLatin1(runKey.label);
            QString command = key->value(name).toString();
            command.remove(QLatin1Char('"'));
            command.replace(QLatin1String("%windir%"), windir);
            startup.command = command;
            // Where the entry really lives: the folder of its file (opening that folder reaches
            // the same entries); the key's own path when the entry has no file.
            const std::unique_ptr<plat::RegistryKey> entry = key->child(name);
            const QString file = entry->value(QStringLiteral("Path")).toString();
            startup.location = file.isEmpty() ? key->fileName() : QFileInfo(file).absolutePath();
            // An entry that names its own icon shows it; otherwise the icon of the program file.
            startup.displayName = entry->value(QStringLiteral("Name")).toString().simplified();
            const QString iconName = entry->value(QStringLiteral("Icon")).toString();
            startup.icon = iconName.isEmpty()
                ? LazyIcon::forFile(commandProgram(command), QLatin1String(kDefaultIcon))
                : LazyIcon::fromThemeOrPath(iconName, QLatin1String(kDefaultIcon));
            emit startupInfo(startup);
        }
    }

    for (const StartupFolder &folder : kStartupFolders) {
        // A folder named by a variable this system does not set is no folder at all (filling in
        // an empty text would name a folder under "/").
        const QString value = qEnvironmentVariable(folder.variable);
        if (value.isEmpty())
            continue;
        QString path = QDir::toNativeSeparators(QString::fromLatin1(folder.pattern));
        path.replace(QLatin1String(folder.placeholder), value);
        scanStartupFolder(path);
    }

    emit startupDetectionCompleted();
    if (!m_cancelStartup)
        emit loadMainData();
    emit finished();
}

void Worker::scanStartupFolder(const QString &folder)
{
    const QDir dir(folder);
    if (!dir.exists())
        return;
    const QFileInfoList items = dir.entryInfoList(QDir::Dirs | QDir::Files | QDir::Drives
                                                      | QDir::System | QDir::NoDotAndDotDot,
                                                  QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &item : items) {
        if (m_cancelStartup)
            break;
        Startup startup;
        const QString filePath
            = QDir::toNativeSeparators(QStringLiteral("%1/%2").arg(folder, item.fileName()));
        startup.name = item.baseName();
        startup.startupPath = folder;
        // The item's own path, not a name rebuilt from its shortened base name: two items that
        // share a base name ("a.b.lnk", "a.lnk") each stay themselves.
        startup.location = filePath;
        // A link's target is what it starts; any other item starts nothing of its own.
        startup.command
            = item.isSymLink() ? QDir::toNativeSeparators(item.symLinkTarget()) : QString();
        startup.icon = LazyIcon::forFile(startup.command, QLatin1String(kDefaultIcon));
        emit startupInfo(startup);
    }
}
