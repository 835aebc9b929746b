// Drivers as kernel modules: the loaded ones from /proc/modules, the built-in ones from
// modules.builtin and from /sys/module folders the loaded list does not name. Descriptions come
// from the modules' .modinfo strings (libkmod when built with it, which also reads compressed
// modules) and from modules.builtin.modinfo for built-in ones. A module whose information cannot
// be read is described as "Unknown".

#include "driversource.h"
#include "sysroot.h"

#include <QFile>
#include <QHash>
#include <QObject>
#include <mutex>

#include <algorithm>

#ifdef VN_HAVE_LIBKMOD
#include <libkmod.h>
#endif

namespace plat {
namespace {

struct Module
{
    QString name;
    quint32 state = DriverEntry::Running;
    QString path; // machine path of the .ko file, "/sys/module/<name>" for a built-in one, or empty
    bool builtin = false;
};

QString normalized(QString name)
{
    return name.replace(QLatin1Char('-'), QLatin1Char('_'));
}

// "kernel/fs/ext4/ext4.ko.xz" -> "ext4"
QString nameFromFile(const QByteArray &relative)
{
    QByteArray base = relative.mid(relative.lastIndexOf('/') + 1);
    const int ko = base.indexOf(".ko");
    if (ko >= 0)
        base.truncate(ko);
    return normalized(QString::fromUtf8(base));
}

// A printable UTF-8 text, or empty: .modinfo strings of a damaged file must not show as garbage.
QString cleanText(const QByteArray &raw)
{
    const QString text = QString::fromUtf8(raw).trimmed();
    for (const QChar c : text) {
        if (c == QChar::ReplacementCharacter || (c.unicode() < 0x20 && c != QLatin1Char('\t')))
            return QString();
    }
    return text;
}

// "description=" among the NUL-separated key=value strings of a .modinfo section.
QString modinfoValue(const QByteArray &data, const QByteArray &key)
{
    const QByteArray needle = key + '=';
    int pos = 0;
    while ((pos = data.indexOf(needle, pos)) >= 0) {
        if (pos == 0 || data.at(pos - 1) == '\0') {
            const int end = data.indexOf('\0', pos);
            if (end > pos)
                return cleanText(data.mid(pos + needle.size(), end - pos - needle.size()));
        }
        pos += needle.size();
    }
    return QString();
}

class LinuxDriverSource : public DriverSource
{
public:
    explicit LinuxDriverSource(const SysRoot &root)
        : m_root(root)
    {
    }

    bool enumerate(QVector<DriverEntry> *out) override
    {
        out->clear();
        const std::lock_guard<std::mutex> lock(m_mutex);
        load();
        for (const Module &m : qAsConst(m_modules)) {
            DriverEntry e;
            e.name = m.name;
            e.displayName = description(m);
            e.serviceType
                = isFileSystem(m) ? DriverEntry::FileSystemDriver : DriverEntry::KernelDriver;
            e.currentState = m.state;
            out->append(e);
        }
        return true;
    }

    bool queryConfig(const QString &name, QString *binaryPath) override
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_modules.isEmpty())
            load();
        const auto it = m_index.constFind(normalized(name));
        if (it == m_index.constEnd())
            return false;
        *binaryPath = m_modules.at(*it).path;
        return true;
    }

private:
    void load()
    {
        m_modules.clear();
        m_index.clear();
        const QString release = m_root.readLine(QStringLiteral("/proc/sys/kernel/osrelease"));
        m_moduleDir = QStringLiteral("/lib/modules/") + release;

        // modules.dep: "kernel/drivers/net/foo.ko.xz: deps..." gives each module's file.
        QHash<QString, QString> files;
        for (const QByteArray &line :
             m_root.read(m_moduleDir + QStringLiteral("/modules.dep")).split('\n')) {
            const int colon = line.indexOf(':');
            if (colon > 0)
                files.insert(nameFromFile(line.left(colon)),
                             m_moduleDir + QLatin1Char('/') + QString::fromUtf8(line.left(colon)));
        }
        m_builtinInfo
            = m_root.read(m_moduleDir + QStringLiteral("/modules.builtin.modinfo"), 64 << 20);
        m_fileSystems = m_root.read(QStringLiteral("/proc/filesystems"));

        const auto add = [&](const Module &m) {
            if (m.name.isEmpty() || m_index.contains(m.name))
                return;
            m_index.insert(m.name, m_modules.size());
            m_modules.append(m);
        };
        // "name size refcount deps state offset"
        for (const QByteArray &line : m_root.read(QStringLiteral("/proc/modules")).split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f.size() < 5)
                continue;
            Module m;
            m.name = QString::fromUtf8(f.at(0));
            m.state = f.at(4) == "Loading" ? DriverEntry::StartPending
                : f.at(4) == "Unloading"   ? DriverEntry::StopPending
                                           : DriverEntry::Running;
            m.path = files.value(m.name);
            // A loaded module whose file is unknown still has its version in sysfs.
            if (m.path.isEmpty() && m_root.isDir(QStringLiteral("/sys/module/") + m.name))
                m.path = QStringLiteral("/sys/module/") + m.name;
            add(m);
        }
        const auto builtin = [&](const QString &name) {
            Module m;
            m.name = name;
            m.builtin = true;
            // Its sysfs folder is where a built-in module's version is found.
            if (m_root.isDir(QStringLiteral("/sys/module/") + name))
                m.path = QStringLiteral("/sys/module/") + name;
            add(m);
        };
        for (const QByteArray &line :
             m_root.read(m_moduleDir + QStringLiteral("/modules.builtin")).split('\n')) {
            if (!line.trimmed().isEmpty())
                builtin(nameFromFile(line.trimmed()));
        }
        // Every other /sys/module folder is built-in code with parameters or a version.
        for (const QString &name : m_root.list(QStringLiteral("/sys/module"))) {
            const QString dir = QStringLiteral("/sys/module/") + name;
            if (m_root.isDir(dir))
                builtin(name);
        }
        std::sort(m_modules.begin(), m_modules.end(),
                  [](const Module &a, const Module &b) { return a.name < b.name; });
        m_index.clear();
        for (int i = 0; i < m_modules.size(); ++i)
            m_index.insert(m_modules.at(i).name, i);
    }

    bool isFileSystem(const Module &m) const
    {
        if (m.path.contains(QLatin1String("/kernel/fs/")))
            return true;
        // /proc/filesystems: "nodev\tproc" or "\text4" per line.
        for (const QByteArray &line : m_fileSystems.split('\n')) {
            const QByteArray fs = line.mid(line.lastIndexOf('\t') + 1).trimmed();
            if (!fs.isEmpty() && normalized(QString::fromUtf8(fs)) == m.name)
                return true;
        }
        return false;
    }

    QString description(const Module &m) const
    {
        QString text;
        if (m.builtin) {
            text = modinfoValue(m_builtinInfo, m.name.toUtf8() + ".description");
        } else if (m.path.startsWith(m_moduleDir)) {
            text = fileDescription(m.path);
        }
        return text.isEmpty() ? QObject::tr("Unknown") : text;
    }

    QString fileDescription(const QString &machinePath) const
    {
#ifdef VN_HAVE_LIBKMOD
        const char *const noConfig[] = { nullptr };
        if (kmod_ctx *ctx
            = kmod_new(QFile::encodeName(m_root.path(m_moduleDir)).constData(), noConfig)) {
            QString text;
            kmod_module *mod = nullptr;
            if (kmod_module_new_from_path(
                    ctx, QFile::encodeName(m_root.path(machinePath)).constData(), &mod)
                == 0) {
                kmod_list *info = nullptr;
                if (kmod_module_get_info(mod, &info) >= 0) {
                    for (kmod_list *it = info; it; it = kmod_list_next(info, it)) {
                        if (qstrcmp(kmod_module_info_get_key(it), "description") == 0) {
                            text = cleanText(kmod_module_info_get_value(it));
                            break;
                        }
                    }
                    kmod_module_info_free_list(info);
                }
                kmod_module_unref(mod);
            }
            kmod_unref(ctx);
            return text;
        }
#endif
        // Uncompressed modules only: the strings are plain in the file.
        if (!machinePath.endsWith(QLatin1String(".ko")))
            return QString();
        return modinfoValue(m_root.read(machinePath, 64 << 20), "description");
    }

    SysRoot m_root;
    std::mutex m_mutex;
    QString m_moduleDir;
    QByteArray m_builtinInfo;
    QByteArray m_fileSystems;
    QVector<Module> m_modules;
    QHash<QString, int> m_index;
};

} // namespace

std::shared_ptr<DriverSource> makeLinuxDriverSource(const SysRoot &root)
{
    return std::make_shared<LinuxDriverSource>(root);
}

} // namespace plat
