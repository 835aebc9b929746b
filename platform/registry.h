#pragma once
// Registry-shaped access. Callers name keys with Windows paths ("HKEY_CURRENT_USER\Software\...")
// and get a Key that behaves like a settings group: subkeys are child groups, values are child
// keys. Backends decide what a path means on this system (package databases for the Uninstall
// keys, XDG autostart for the Run keys, an in-memory map for everything else), so no registry
// path ever reaches a settings file.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <mutex>

#include <map>
#include <memory>
#include <vector>

namespace plat {

class SysRoot;

class RegistryKey
{
public:
    virtual ~RegistryKey() = default;

    // True when the key exists (a missing key still answers, with no children).
    virtual bool exists() const = 0;
    // Subkey names, in the backend's order.
    virtual QStringList childGroups() const = 0;
    // Value names of this key.
    virtual QStringList childKeys() const = 0;
    // A value of this key; `defaultValue` when it has none.
    virtual QVariant value(const QString &name,
                           const QVariant &defaultValue = QVariant()) const = 0;
    // A subkey (which may not exist).
    virtual std::unique_ptr<RegistryKey> child(const QString &name) const = 0;
    // Writes a value; false when the backend keeps no such value.
    virtual bool setValue(const QString &name, const QVariant &value) = 0;
    // Removes a value or a whole subkey of this key. An empty name is refused (false): it would
    // mean "everything" to a settings object.
    virtual bool remove(const QString &name) = 0;
    // The key's path as shown to the user and handed back to RegistryFacade::open, in native
    // separators. Backends for package sources return a source tag, never a file path.
    virtual QString fileName() const = 0;
};

class RegistryFacade
{
public:
    virtual ~RegistryFacade() = default;
    // Opens a key by its full path; never null.
    virtual std::unique_ptr<RegistryKey> open(const QString &path) = 0;
};

// Normalises a key path for comparison: forward slashes to backslashes, no doubled or trailing
// separators, upper-case root names; case is otherwise kept.
QString normalizedRegistryPath(const QString &path);

// A plain in-memory tree of keys and values, case-insensitive names as the registry has.
// Thread-safe. Used for keys that have no meaning on this system and by tests.
class MemoryRegistry : public RegistryFacade
{
public:
    MemoryRegistry();
    ~MemoryRegistry() override;
    std::unique_ptr<RegistryKey> open(const QString &path) override;

    // Test helpers: create a key (and its parents) / set a value by full path.
    void setValue(const QString &keyPath, const QString &name, const QVariant &value);
    void createKey(const QString &keyPath);

    struct Node;

private:
    friend class MemoryRegistryKey;
    std::shared_ptr<Node> m_root;
    std::shared_ptr<std::mutex> m_mutex;
};

// Sends each path to the backend mounted at its longest matching prefix (case-insensitive, whole
// path components); anything else goes to the fallback.
class RoutedRegistry : public RegistryFacade
{
public:
    explicit RoutedRegistry(std::shared_ptr<RegistryFacade> fallback);
    void mount(const QString &prefix, std::shared_ptr<RegistryFacade> backend);
    // Absolute file-system paths ("/etc/xdg/autostart"), handed over unchanged.
    void mountFolders(std::shared_ptr<RegistryFacade> backend) { m_folders = std::move(backend); }
    std::unique_ptr<RegistryKey> open(const QString &path) override;

private:
    std::shared_ptr<RegistryFacade> m_fallback;
    std::shared_ptr<RegistryFacade> m_folders;
    std::vector<std::pair<QString, std::shared_ptr<RegistryFacade>>> m_mounts;
};

// Linux backends. Each is mounted at the key paths it stands for and receives full paths.
//
// Installed software (dpkg, flatpak, snap), mounted at the three Uninstall keys: each installed
// program is one subkey (named by its package id) with the values "DisplayName",
// "DisplayVersion", "Publisher", "InstallLocation", "DisplayIcon" (icon name or path),
// "UninstallString" and "InstallSource"; the same data stands for the Programs and Features
// folder. HKEY_CURRENT_USER lists per-user installs (user flatpaks), HKEY_LOCAL_MACHINE the
// system ones (dpkg, system flatpaks, snaps), WOW6432Node nothing, so none appears twice;
// removing a subkey hides the entry for this user instead of touching the package database.
std::shared_ptr<RegistryFacade> makePackageRegistry(const SysRoot &root);
// XDG autostart, mounted at the three Run keys: value name = .desktop base name, value = Exec=
// with field codes stripped. HKCU\...\Run is the user folder ($XDG_CONFIG_HOME/autostart),
// HKLM\...\Run the system folders ($XDG_CONFIG_DIRS/autostart), WOW6432Node nothing.
// Removing a user value deletes its file; removing a system value writes a user override with
// Hidden=true.
std::shared_ptr<RegistryFacade> makeAutostartRegistry(const SysRoot &root);

// The key paths the backends above are mounted at.
extern const char *const kUninstallKeyPaths[3];
extern const char *const kRunKeyPaths[3];

// The registry of this system: package and autostart backends mounted at their keys, an
// in-memory tree for every other path.
std::shared_ptr<RegistryFacade> makeLinuxRegistry(const SysRoot &root);

} // namespace plat
