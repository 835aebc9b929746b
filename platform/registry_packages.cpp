// The Uninstall keys as the installed packages: one subkey per package, named "<source>:<id>"
// ("dpkg:vim", "flatpak:org.gnome.Maps", "snap:hello"). HKEY_CURRENT_USER holds per-user
// installs, HKEY_LOCAL_MACHINE the system ones, the WOW6432Node key nothing. The databases are
// read once and read again only when one of them changes. Removing a subkey hides the entry for
// this user; the package databases are never written.

#include "packagedb.h"
#include "registry.h"
#include "sysroot.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <mutex>

#include <sys/stat.h>

namespace plat {
namespace {

enum class Scope { User, Machine, None };

const QString kHiddenKey = QStringLiteral("Platform/hiddenUninstallEntries");

struct Snapshot
{
    QVector<packages::Package> entries[2]; // by Scope::User, Scope::Machine
    QHash<QString, int> index[2]; // lower-case subkey name -> position
    QVector<QStringList> valueNames[2]; // the values each entry has, by position
};

QString userFlatpakDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/flatpak/app");
}

QString hiddenTag(Scope scope, const QString &id)
{
    return (scope == Scope::User ? QStringLiteral("HKCU\\") : QStringLiteral("HKLM\\")) + id;
}

QVariant valueOf(const packages::Package &p, const QString &name)
{
    const auto is = [&](const char *n) {
        return name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0;
    };
    if (is("DisplayName"))
        return p.displayName;
    if (is("DisplayVersion"))
        return p.version;
    if (is("Publisher"))
        return p.publisher;
    if (is("InstallLocation"))
        return p.installLocation;
    if (is("DisplayIcon"))
        return p.icon;
    if (is("UninstallString"))
        return packages::commandText(p.uninstall);
    if (is("UninstallCommand")) // the same command as an argument list, to start without a shell
        return p.uninstall;
    if (is("InstallSource"))
        return p.source;
    if (is("AutoInstalled"))
        return p.autoInstalled ? 1 : 0;
    return QVariant();
}

const char *const kValueNames[]
    = { "DisplayName",     "DisplayVersion",   "Publisher",     "InstallLocation", "DisplayIcon",
        "UninstallString", "UninstallCommand", "InstallSource", "AutoInstalled" };

class PackageRegistry : public RegistryFacade, public std::enable_shared_from_this<PackageRegistry>
{
public:
    explicit PackageRegistry(const SysRoot &root)
        : m_root(root)
    {
    }
    std::unique_ptr<RegistryKey> open(const QString &path) override;

    std::shared_ptr<const Snapshot> snapshot()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        const QByteArray sig = signature();
        if (!m_snapshot || sig != m_signature) {
            m_snapshot = build();
            m_signature = sig;
        }
        return m_snapshot;
    }

    void hide(Scope scope, const QString &id)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        QSettings settings;
        QStringList hidden = settings.value(kHiddenKey).toStringList();
        if (!hidden.contains(hiddenTag(scope, id)))
            hidden.append(hiddenTag(scope, id));
        settings.setValue(kHiddenKey, hidden);
        m_snapshot.reset();
    }

private:
    // Modification times and sizes of every database read; a change means "read again".
    QByteArray signature() const
    {
        QByteArray sig;
        const QString paths[] = { m_root.path(QStringLiteral("/var/lib/dpkg/status")),
                                  m_root.path(QStringLiteral("/var/lib/apt/extended_states")),
                                  m_root.path(QStringLiteral("/var/lib/dpkg/info")),
                                  m_root.path(QStringLiteral("/var/lib/flatpak/app")),
                                  m_root.path(QStringLiteral("/snap")),
                                  userFlatpakDir() };
        for (const QString &path : paths) {
            struct stat st = {};
            if (::stat(QFile::encodeName(path).constData(), &st) == 0)
                sig += QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.'
                    + QByteArray::number(qint64(st.st_mtim.tv_nsec)) + '/'
                    + QByteArray::number(qint64(st.st_size));
            sig += ';';
        }
        return sig;
    }

    std::shared_ptr<const Snapshot> build() const
    {
        auto snap = std::make_shared<Snapshot>();
        const QStringList hidden = QSettings().value(kHiddenKey).toStringList();
        const auto add = [&](Scope scope, const QVector<packages::Package> &list) {
            const int s = int(scope);
            for (const packages::Package &p : list) {
                if (hidden.contains(hiddenTag(scope, p.id))
                    || snap->index[s].contains(p.id.toLower()))
                    continue;
                snap->index[s].insert(p.id.toLower(), snap->entries[s].size());
                snap->entries[s].append(p);
                QStringList names;
                for (const char *name : kValueNames) {
                    const QVariant v = valueOf(p, QLatin1String(name));
                    if (v.type() != QVariant::String || !v.toString().isEmpty())
                        names.append(QLatin1String(name));
                }
                snap->valueNames[s].append(names);
            }
        };
        add(Scope::User,
            packages::flatpakPackages(SysRoot(QStringLiteral("/")), userFlatpakDir(), true));
        add(Scope::Machine, packages::dpkgPackages(m_root));
        add(Scope::Machine,
            packages::flatpakPackages(m_root, QStringLiteral("/var/lib/flatpak/app"), false));
        add(Scope::Machine, packages::snapPackages(m_root));
        return snap;
    }

    SysRoot m_root;
    std::mutex m_mutex;
    QByteArray m_signature;
    std::shared_ptr<const Snapshot> m_snapshot;
};

class PackageKey : public RegistryKey
{
public:
    // A key and the keys made from it by child() share one snapshot of the databases.
    PackageKey(std::shared_ptr<PackageRegistry> registry, std::shared_ptr<const Snapshot> snapshot,
               Scope scope, QString path, QStringList sub)
        : m_registry(std::move(registry))
        , m_snapshot(std::move(snapshot))
        , m_scope(scope)
        , m_path(std::move(path))
        , m_sub(std::move(sub))
    {
    }

    bool exists() const override { return m_sub.isEmpty() || entry(); }

    QStringList childGroups() const override
    {
        QStringList names;
        if (!m_sub.isEmpty() || m_scope == Scope::None)
            return names;
        for (const packages::Package &p : m_snapshot->entries[int(m_scope)])
            names.append(p.id);
        return names;
    }

    QStringList childKeys() const override
    {
        const int at = position();
        return at < 0 ? QStringList() : m_snapshot->valueNames[int(m_scope)].at(at);
    }

    QVariant value(const QString &name, const QVariant &defaultValue) const override
    {
        const packages::Package *p = entry();
        const QVariant v = p ? valueOf(*p, name) : QVariant();
        return v.isValid() && (v.type() != QVariant::String || !v.toString().isEmpty())
            ? v
            : defaultValue;
    }

    std::unique_ptr<RegistryKey> child(const QString &name) const override
    {
        return std::make_unique<PackageKey>(m_registry, m_snapshot, m_scope,
                                            m_path + QLatin1Char('\\') + name,
                                            m_sub + QStringList { name });
    }

    bool setValue(const QString &, const QVariant &) override { return false; }

    bool remove(const QString &name) override
    {
        // Only a whole entry of the Uninstall key can go, and never "everything" by an empty name.
        if (name.isEmpty() || !m_sub.isEmpty() || m_scope == Scope::None)
            return false;
        const auto it = m_snapshot->index[int(m_scope)].constFind(name.toLower());
        if (it == m_snapshot->index[int(m_scope)].constEnd())
            return false;
        m_registry->hide(m_scope, m_snapshot->entries[int(m_scope)].at(*it).id);
        m_snapshot = m_registry->snapshot();
        return true;
    }

    QString fileName() const override { return m_path; }

private:
    // Position of this entry key's package in the snapshot; -1 for any other key.
    int position() const
    {
        if (m_sub.size() != 1 || m_scope == Scope::None)
            return -1;
        return m_snapshot->index[int(m_scope)].value(m_sub.first().toLower(), -1);
    }

    const packages::Package *entry() const
    {
        const int at = position();
        return at < 0 ? nullptr : &m_snapshot->entries[int(m_scope)].at(at);
    }

    std::shared_ptr<PackageRegistry> m_registry;
    std::shared_ptr<const Snapshot> m_snapshot;
    Scope m_scope;
    QString m_path;
    QStringList m_sub;
};

std::unique_ptr<RegistryKey> PackageRegistry::open(const QString &path)
{
    const QStringList parts
        = normalizedRegistryPath(path).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    Scope scope = Scope::None;
    QStringList sub;
    QString keyPath;
    for (int k = 0; k < 3; ++k) {
        const QStringList prefix
            = QString::fromLatin1(kUninstallKeyPaths[k]).split(QLatin1Char('\\'));
        bool match = prefix.size() <= parts.size();
        for (int i = 0; match && i < prefix.size(); ++i)
            match = prefix.at(i).compare(parts.at(i), Qt::CaseInsensitive) == 0;
        if (match) {
            scope = k == 0 ? Scope::User : k == 1 ? Scope::Machine : Scope::None;
            sub = parts.mid(prefix.size());
            keyPath = parts.mid(0, prefix.size()).join(QLatin1Char('\\'));
            break;
        }
    }
    if (keyPath.isEmpty()) { // not an Uninstall key: an empty key of no scope
        keyPath = parts.join(QLatin1Char('\\'));
        sub = QStringList { QString() };
    }
    auto key = std::make_unique<PackageKey>(shared_from_this(), snapshot(), scope, keyPath,
                                            QStringList());
    for (const QString &name : qAsConst(sub))
        key.reset(static_cast<PackageKey *>(key->child(name).release()));
    return key;
}

} // namespace

std::shared_ptr<RegistryFacade> makePackageRegistry(const SysRoot &root)
{
    return std::make_shared<PackageRegistry>(root);
}

} // namespace plat
