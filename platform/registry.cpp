#include "registry.h"

#include <QMap>
#include <mutex>

namespace plat {

const char *const kUninstallKeyPaths[3] = {
    "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
};

const char *const kRunKeyPaths[3] = {
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run",
};

namespace {

QStringList pathParts(const QString &path)
{
    QString text = path;
    text.replace(QLatin1Char('/'), QLatin1Char('\\'));
    QStringList parts = text.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!parts.isEmpty()) {
        QString rootName = parts.first().toUpper();
        if (rootName == QLatin1String("HKCU"))
            rootName = QStringLiteral("HKEY_CURRENT_USER");
        else if (rootName == QLatin1String("HKLM"))
            rootName = QStringLiteral("HKEY_LOCAL_MACHINE");
        else if (rootName == QLatin1String("HKCR"))
            rootName = QStringLiteral("HKEY_CLASSES_ROOT");
        else if (rootName == QLatin1String("HKU"))
            rootName = QStringLiteral("HKEY_USERS");
        parts.first() = rootName;
    }
    return parts;
}

} // namespace

QString normalizedRegistryPath(const QString &path)
{
    return pathParts(path).join(QLatin1Char('\\'));
}

// ---- in-memory tree ----

struct MemoryRegistry::Node
{
    // Keyed by lower-case name; the value keeps the name as first written.
    QMap<QString, std::pair<QString, std::shared_ptr<Node>>> children;
    QMap<QString, std::pair<QString, QVariant>> values;
};

class MemoryRegistryKey : public RegistryKey
{
public:
    MemoryRegistryKey(std::shared_ptr<MemoryRegistry::Node> root, std::shared_ptr<std::mutex> mutex,
                      QStringList parts)
        : m_root(std::move(root))
        , m_mutex(std::move(mutex))
        , m_parts(std::move(parts))
    {
    }

    bool exists() const override
    {
        const std::lock_guard<std::mutex> lock(*m_mutex);
        return find() != nullptr;
    }

    QStringList childGroups() const override
    {
        const std::lock_guard<std::mutex> lock(*m_mutex);
        QStringList names;
        if (const auto *node = find()) {
            for (const auto &child : node->children)
                names.append(child.first);
        }
        return names;
    }

    QStringList childKeys() const override
    {
        const std::lock_guard<std::mutex> lock(*m_mutex);
        QStringList names;
        if (const auto *node = find()) {
            for (const auto &value : node->values)
                names.append(value.first);
        }
        return names;
    }

    QVariant value(const QString &name, const QVariant &defaultValue) const override
    {
        const std::lock_guard<std::mutex> lock(*m_mutex);
        const auto *node = find();
        if (!node)
            return defaultValue;
        const auto it = node->values.constFind(name.toLower());
        return it == node->values.constEnd() ? defaultValue : it->second;
    }

    std::unique_ptr<RegistryKey> child(const QString &name) const override
    {
        return std::make_unique<MemoryRegistryKey>(
            m_root, m_mutex, m_parts + name.split(QLatin1Char('\\'), Qt::SkipEmptyParts));
    }

    bool setValue(const QString &name, const QVariant &value) override
    {
        const std::lock_guard<std::mutex> lock(*m_mutex);
        MemoryRegistry::Node *node = create();
        node->values.insert(name.toLower(), { name, value });
        return true;
    }

    bool remove(const QString &name) override
    {
        if (name.isEmpty())
            return false;
        const std::lock_guard<std::mutex> lock(*m_mutex);
        auto *node = find();
        if (!node)
            return false;
        const QString key = name.toLower();
        if (node->values.remove(key) > 0)
            return true;
        return node->children.remove(key) > 0;
    }

    QString fileName() const override { return m_parts.join(QLatin1Char('\\')); }

    MemoryRegistry::Node *create()
    {
        MemoryRegistry::Node *node = m_root.get();
        for (const QString &part : qAsConst(m_parts)) {
            auto &slot = node->children[part.toLower()];
            if (!slot.second)
                slot = { part, std::make_shared<MemoryRegistry::Node>() };
            node = slot.second.get();
        }
        return node;
    }

private:
    MemoryRegistry::Node *find() const
    {
        MemoryRegistry::Node *node = m_root.get();
        for (const QString &part : m_parts) {
            const auto it = node->children.constFind(part.toLower());
            if (it == node->children.constEnd())
                return nullptr;
            node = it->second.get();
        }
        return node;
    }

    std::shared_ptr<MemoryRegistry::Node> m_root;
    std::shared_ptr<std::mutex> m_mutex;
    QStringList m_parts;
};

MemoryRegistry::MemoryRegistry()
    : m_root(std::make_shared<Node>())
    , m_mutex(std::make_shared<std::mutex>())
{
}

MemoryRegistry::~MemoryRegistry() = default;

std::unique_ptr<RegistryKey> MemoryRegistry::open(const QString &path)
{
    return std::make_unique<MemoryRegistryKey>(m_root, m_mutex, pathParts(path));
}

void MemoryRegistry::setValue(const QString &keyPath, const QString &name, const QVariant &value)
{
    open(keyPath)->setValue(name, value);
}

void MemoryRegistry::createKey(const QString &keyPath)
{
    MemoryRegistryKey key(m_root, m_mutex, pathParts(keyPath));
    const std::lock_guard<std::mutex> lock(*m_mutex);
    key.create();
}

// ---- routing ----

RoutedRegistry::RoutedRegistry(std::shared_ptr<RegistryFacade> fallback)
    : m_fallback(std::move(fallback))
{
}

void RoutedRegistry::mount(const QString &prefix, std::shared_ptr<RegistryFacade> backend)
{
    m_mounts.emplace_back(normalizedRegistryPath(prefix), std::move(backend));
}

std::unique_ptr<RegistryKey> RoutedRegistry::open(const QString &path)
{
    if (m_folders && path.startsWith(QLatin1Char('/')))
        return m_folders->open(path);
    const QStringList parts = pathParts(path);
    RegistryFacade *best = nullptr;
    int bestLength = -1;
    for (const auto &mount : m_mounts) {
        const QStringList prefix = mount.first.split(QLatin1Char('\\'));
        if (prefix.size() > parts.size() || prefix.size() <= bestLength)
            continue;
        bool match = true;
        for (int i = 0; i < prefix.size() && match; ++i)
            match = prefix.at(i).compare(parts.at(i), Qt::CaseInsensitive) == 0;
        if (match) {
            best = mount.second.get();
            bestLength = prefix.size();
        }
    }
    return (best ? best : m_fallback.get())->open(parts.join(QLatin1Char('\\')));
}

std::shared_ptr<RegistryFacade> makeLinuxRegistry(const SysRoot &root)
{
    auto routed = std::make_shared<RoutedRegistry>(std::make_shared<MemoryRegistry>());
    const std::shared_ptr<RegistryFacade> packages = makePackageRegistry(root);
    for (const char *path : kUninstallKeyPaths)
        routed->mount(QString::fromLatin1(path), packages);
    const std::shared_ptr<RegistryFacade> autostart = makeAutostartRegistry(root);
    for (const char *path : kRunKeyPaths)
        routed->mount(QString::fromLatin1(path), autostart);
    routed->mountFolders(autostart); // the start-up list locates entries by their folder
    return routed;
}

} // namespace plat
