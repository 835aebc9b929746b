// The Run keys as XDG autostart entries. HKEY_CURRENT_USER\...\Run is the user's folder
// ($XDG_CONFIG_HOME/autostart), HKEY_LOCAL_MACHINE\...\Run the system folders
// ($XDG_CONFIG_DIRS/autostart, first folder wins). The WOW6432Node key holds only the entries
// this program writes for itself (start at login); they are user files marked as such, so each
// file is listed under exactly one key. A value name is the file name without ".desktop", never
// cut at an earlier dot, and always names exactly that file.

#include "desktopentry.h"
#include "registry.h"
#include "sysroot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

namespace plat {
namespace {

// UserFolder is the user's folder opened by its path: every entry in it, marked or not.
enum class Scope { User, System, Own, UserFolder };

const char kOwnMark[] = "X-Dravonel-RunKey";

struct Entry
{
    QString name; // file name without ".desktop"
    QString filePath; // real path of the file
    QString command; // Exec= without field codes
    QString displayName;
    QString icon;
};

QString userDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart");
}

QStringList systemDirs()
{
    QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/etc/xdg");
    QStringList out;
    for (const QString &dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        out.append(dir + QStringLiteral("/autostart"));
    return out;
}

QStringList desktopNames(const QString &realDir)
{
    QStringList names;
    for (const QString &file :
         QDir(realDir).entryList({ QStringLiteral("*.desktop") }, QDir::Files, QDir::Name))
        names.append(file.chopped(8));
    return names;
}

// No line breaks: a value is written as one line of a .desktop file.
bool oneLine(const QString &text)
{
    return !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
}

// A value name becomes a file name in the user's folder.
bool validName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.startsWith(QLatin1Char('.'))
        && oneLine(name);
}

// Exec= text for a command: a command that is one existing file is quoted as one argument when
// it holds a character the Exec rules reserve; then the desktop-entry escapes ("%" doubled,
// backslashes doubled).
QByteArray execValue(const QString &command)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool needsQuotes = std::any_of(command.cbegin(), command.cend(),
                                         [](QChar c) { return reserved.contains(c); });
    QString exec = command;
    if (needsQuotes && QFileInfo::exists(command)) {
        QString quoted;
        for (const QChar c : command) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')
                || c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        exec = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    exec.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    exec.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return exec.toUtf8();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size()
        && file.commit();
}

// The folders behind the three keys.
class AutostartRegistry
{
public:
    explicit AutostartRegistry(const SysRoot &root)
        : m_root(root)
    {
    }

    // The entries a key lists, in name order.
    QVector<Entry> entries(Scope scope) const
    {
        QVector<Entry> out;
        const QString desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
        const auto add = [&](const QString &name, const QString &path, bool wantOwn) {
            const DesktopEntry entry = readDesktopEntry(path);
            if (!entry.isValid() || entry.boolean("Hidden") || !entry.showsIn(desktops)
                || (scope != Scope::UserFolder && entry.contains(kOwnMark) != wantOwn))
                return;
            out.append(
                Entry { name, path, entry.command(), entry.value("Name"), entry.value("Icon") });
        };
        const QString user = userDir();
        if (scope != Scope::System) {
            for (const QString &name : desktopNames(user))
                add(name, user + QLatin1Char('/') + name + QStringLiteral(".desktop"),
                    scope == Scope::Own);
            return out;
        }
        // A user file of the same name overrides a system entry, whatever it says.
        QStringList seen = desktopNames(user);
        for (const QString &dir : systemDirs()) {
            const QString real = m_root.path(dir);
            for (const QString &name : desktopNames(real)) {
                if (seen.contains(name))
                    continue;
                seen.append(name);
                add(name, real + QLatin1Char('/') + name + QStringLiteral(".desktop"), false);
            }
        }
        std::sort(out.begin(), out.end(),
                  [](const Entry &a, const Entry &b) { return a.name < b.name; });
        return out;
    }

    // The scope of an autostart folder given by its real path.
    std::optional<Scope> folderScope(const QString &path) const
    {
        const QString clean = QDir::cleanPath(path);
        if (clean == QDir::cleanPath(userDir()))
            return Scope::UserFolder;
        for (const QString &dir : systemDirs()) {
            if (clean == QDir::cleanPath(m_root.path(dir)))
                return Scope::System;
        }
        return std::nullopt;
    }

    bool systemHas(const QString &name) const
    {
        for (const QString &dir : systemDirs()) {
            if (QFileInfo::exists(m_root.path(dir) + QLatin1Char('/') + name
                                  + QStringLiteral(".desktop")))
                return true;
        }
        return false;
    }

private:
    SysRoot m_root;
};

class AutostartKey : public RegistryKey
{
public:
    AutostartKey(const AutostartRegistry *registry, std::shared_ptr<RegistryFacade> keepAlive,
                 Scope scope, QString path, QString entryName, bool valid)
        : m_registry(registry)
        , m_keepAlive(std::move(keepAlive))
        , m_scope(scope)
        , m_path(std::move(path))
        , m_entryName(std::move(entryName))
        , m_valid(valid)
    {
    }

    bool exists() const override { return m_valid && (m_entryName.isEmpty() || find(m_entryName)); }
    QStringList childGroups() const override { return {}; }

    QStringList childKeys() const override
    {
        QStringList names;
        if (!m_valid)
            return names;
        if (!m_entryName.isEmpty())
            return find(m_entryName)
                ? QStringList { QStringLiteral("Path"), QStringLiteral("Name"),
                                QStringLiteral("Icon"), QStringLiteral("Command") }
                : names;
        for (const Entry &e : m_registry->entries(m_scope))
            names.append(e.name);
        return names;
    }

    QVariant value(const QString &name, const QVariant &defaultValue) const override
    {
        if (!m_valid)
            return defaultValue;
        if (m_entryName.isEmpty()) {
            const std::optional<Entry> e = find(name);
            return e ? QVariant(e->command) : defaultValue;
        }
        // An entry's own key: where its file is and what it shows.
        const std::optional<Entry> e = find(m_entryName);
        if (!e)
            return defaultValue;
        if (name == QLatin1String("Path"))
            return e->filePath;
        if (name == QLatin1String("Name"))
            return e->displayName;
        if (name == QLatin1String("Icon"))
            return e->icon;
        if (name == QLatin1String("Command"))
            return e->command;
        return defaultValue;
    }

    std::unique_ptr<RegistryKey> child(const QString &name) const override
    {
        return std::make_unique<AutostartKey>(m_registry, m_keepAlive, m_scope,
                                              m_path + QLatin1Char('\\') + name, name,
                                              m_valid && m_entryName.isEmpty() && validName(name));
    }

    bool setValue(const QString &name, const QVariant &value) override
    {
        // System folders belong to the packages; only the user's folder is written.
        if (!m_valid || !m_entryName.isEmpty() || m_scope == Scope::System || !validName(name)
            || !oneLine(value.toString()))
            return false;
        QByteArray content = "[Desktop Entry]\nType=Application\nName=" + name.toUtf8()
            + "\nExec=" + execValue(value.toString()) + "\nX-GNOME-Autostart-enabled=true\n";
        if (m_scope == Scope::Own)
            content += QByteArray(kOwnMark) + "=WOW6432Node\n";
        return writeFile(userDir() + QLatin1Char('/') + name + QStringLiteral(".desktop"), content);
    }

    bool remove(const QString &name) override
    {
        // An empty name would mean the whole key: refused.
        if (!m_valid || !m_entryName.isEmpty() || name.isEmpty())
            return false;
        const std::optional<Entry> e = find(name);
        if (!e)
            return false;
        const QString userFile = userDir() + QLatin1Char('/') + name + QStringLiteral(".desktop");
        // A system entry, or a user file that overrides one, is switched off by a user file with
        // Hidden=true; deleting the user file would bring the system entry back.
        if (m_scope == Scope::System || m_registry->systemHas(name)) {
            const QString shown = e->displayName.isEmpty() ? name : e->displayName;
            const QByteArray content = "[Desktop Entry]\nType=Application\nName="
                + shown.simplified().toUtf8() + "\nHidden=true\n";
            return writeFile(userFile, content);
        }
        return QFile::remove(e->filePath);
    }

    QString fileName() const override
    {
        // An entry's key names its file; the Run key itself its registry path.
        if (!m_entryName.isEmpty()) {
            const std::optional<Entry> e = find(m_entryName);
            return e ? e->filePath : QString();
        }
        return m_path;
    }

private:
    std::optional<Entry> find(const QString &name) const
    {
        for (const Entry &e : m_registry->entries(m_scope)) {
            if (e.name == name) // exact: "a.b" never stands for "a.b.c" or "a"
                return e;
        }
        return std::nullopt;
    }

    const AutostartRegistry *m_registry;
    std::shared_ptr<RegistryFacade> m_keepAlive;
    Scope m_scope;
    QString m_path;
    QString m_entryName; // set for an entry's own key
    bool m_valid;
};

class SharedAutostart : public RegistryFacade, public std::enable_shared_from_this<SharedAutostart>
{
public:
    explicit SharedAutostart(const SysRoot &root)
        : m_impl(root)
    {
    }

    std::unique_ptr<RegistryKey> open(const QString &path) override
    {
        // An autostart folder by its path, as the start-up list gives an entry's location.
        if (path.startsWith(QLatin1Char('/'))) {
            if (const std::optional<Scope> scope = m_impl.folderScope(path))
                return std::make_unique<AutostartKey>(&m_impl, shared_from_this(), *scope, path,
                                                      QString(), true);
        }
        const QStringList parts
            = normalizedRegistryPath(path).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
        for (int k = 0; k < 3; ++k) {
            const QStringList prefix
                = QString::fromLatin1(kRunKeyPaths[k]).split(QLatin1Char('\\'));
            bool match = prefix.size() <= parts.size() && parts.size() <= prefix.size() + 1;
            for (int i = 0; match && i < prefix.size(); ++i)
                match = prefix.at(i).compare(parts.at(i), Qt::CaseInsensitive) == 0;
            if (!match)
                continue;
            const Scope scope = k == 0 ? Scope::User : k == 1 ? Scope::System : Scope::Own;
            auto key = std::make_unique<AutostartKey>(
                &m_impl, shared_from_this(), scope,
                parts.mid(0, prefix.size()).join(QLatin1Char('\\')), QString(), true);
            return parts.size() > prefix.size() ? key->child(parts.last()) : std::move(key);
        }
        return std::make_unique<AutostartKey>(&m_impl, shared_from_this(), Scope::User,
                                              parts.join(QLatin1Char('\\')), QString(), false);
    }

private:
    AutostartRegistry m_impl;
};

} // namespace

std::shared_ptr<RegistryFacade> makeAutostartRegistry(const SysRoot &root)
{
    return std::make_shared<SharedAutostart>(root);
}

} // namespace plat
