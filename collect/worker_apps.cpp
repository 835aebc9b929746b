// The Applications list: the installed programs as the Uninstall keys describe them, one record
// per program, with the uninstall command and the entry it was found under.

#include "lazyicon.h"
#include "worker.h"

#include "app/systemfunctions.h"
#include "platform/platform.h"

#include <QDir>
#include <QObject>

namespace {

const char *const kUninstallKeys[] = {
    "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
};

const char kDefaultIcon[] = ":/Icon/default_apps_icon.png";

// One entry of an Uninstall key.
struct UninstallEntry
{
    QString keyPath; // the key's path as the registry names it, native separators
    QString subkey;
    QString displayName;
    QString version;
    QString publisher;
    QString installLocation;
    QString icon;
    QString uninstallString;
    QString installSource;
    bool listed = false; // shown in the programs list (a program of its own, not a dependency)
};

QVector<UninstallEntry> readUninstallEntries(plat::RegistryFacade &registry)
{
    QVector<UninstallEntry> entries;
    for (const char *path : kUninstallKeys) {
        const std::unique_ptr<plat::RegistryKey> key = registry.open(QString::fromLatin1(path));
        const QString keyPath = QDir::toNativeSeparators(key->fileName());
        for (const QString &name : key->childGroups()) {
            const std::unique_ptr<plat::RegistryKey> sub = key->child(name);
            UninstallEntry e;
            e.keyPath = keyPath;
            e.subkey = name;
            const QStringList values = sub->childKeys();
            if (!values.contains(QLatin1String("DisplayName")))
                continue; // no name: nothing to match and nothing to list
            e.displayName = sub->value(QStringLiteral("DisplayName")).toString();
            e.version = sub->value(QStringLiteral("DisplayVersion")).toString();
            e.publisher = sub->value(QStringLiteral("Publisher")).toString();
            e.installLocation = sub->value(QStringLiteral("InstallLocation")).toString();
            e.icon = sub->value(QStringLiteral("DisplayIcon")).toString();
            e.uninstallString = sub->value(QStringLiteral("UninstallString")).toString();
            e.installSource = sub->value(QStringLiteral("InstallSource")).toString();
            // Packages pulled in only as dependencies are parts of other programs, as system
            // components are; the list shows the programs themselves.
            e.listed = !e.displayName.trimmed().isEmpty()
                && sub->value(QStringLiteral("AutoInstalled"), 0).toInt() == 0;
            entries.append(e);
        }
    }
    return entries;
}

// The uninstall command of the program and where its entry lives, from the program's own entry:
// two programs of one display name each keep theirs.
QString readUninstallRegistry(Application &record, const UninstallEntry &e)
{
    record.registryKey = e.keyPath;
    record.registrySubkey = e.subkey;
    QString command = e.uninstallString;
    command.replace(QLatin1String("%ProgramFiles%"), qEnvironmentVariable("ProgramFiles"));
    command.remove(QLatin1Char('"'));
    if (command.isEmpty())
        command = QString(e.installSource).remove(QLatin1Char('"'));
    if (command.isEmpty())
        command = QObject::tr("Unknown");
    return command;
}

QString orUnknown(const QString &text)
{
    const QString tidied = cleanWmiValue(text);
    return tidied.isEmpty() ? QObject::tr("Unknown") : tidied;
}

} // namespace

int Worker::programsData()
{
    const QVector<UninstallEntry> entries = readUninstallEntries(*plat::registry());

    int count = 0;
    for (const UninstallEntry &item : entries) {
        if (m_cancelApps)
            break;
        if (!item.listed)
            continue;
        Application app;
        app.icon = LazyIcon::fromThemeOrPath(item.icon, QLatin1String(kDefaultIcon));
        if (m_cancelApps)
            break;
        app.name = orUnknown(item.displayName);
        app.uninstallPath = orUnknown(readUninstallRegistry(app, item));
        app.version = orUnknown(item.version);
        app.developer = orUnknown(item.publisher);
        app.installPath = orUnknown(item.installLocation);
        ++count;
        emit appsData(app);
    }

    emit appDataReady(count);
    if (!m_cancelApps)
        emit loadMainData();
    emit finished();
    return 0;
}
