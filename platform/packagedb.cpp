#include "packagedb.h"

#include "desktopentry.h"
#include "linux_bytes.h"

#include <QFile>
#include <QSet>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat::packages {
namespace {

// A value inside the data, not copied until needed.
struct Span
{
    const char *p = nullptr;
    int n = 0;
    QByteArray bytes() const { return QByteArray(p, n); }
    bool is(const char *text) const
    {
        return int(qstrlen(text)) == n && memcmp(p, text, size_t(n)) == 0;
    }
};

// Reads deb822 stanzas (blank-line separated "Key: value" lines) and calls `done(values)` for
// each, where values[i] is the trimmed first line of keys[i] (empty when absent). Continuation
// lines begin with a blank and are skipped: none of the fields read here spans lines.
template<int N, typename F>
void readStanzas(const QByteArray &data, const char *const (&keys)[N], F done)
{
    Span values[N];
    int keyLength[N];
    for (int i = 0; i < N; ++i)
        keyLength[i] = int(qstrlen(keys[i]));
    bool any = false;
    const char *p = data.constData();
    const char *const end = p + data.size();
    while (p < end) {
        const char *eol = static_cast<const char *>(memchr(p, '\n', size_t(end - p)));
        if (!eol)
            eol = end;
        if (eol == p && any) { // a blank line ends the stanza
            done(values);
            std::fill(values, values + N, Span());
            any = false;
        } else if (*p != ' ' && *p != '\t') {
            const char *colon = static_cast<const char *>(memchr(p, ':', size_t(eol - p)));
            const int length = colon ? int(colon - p) : -1;
            for (int i = 0; i < N && length > 0; ++i) {
                if (keyLength[i] != length || memcmp(p, keys[i], size_t(length)) != 0)
                    continue;
                const char *v = colon + 1;
                const char *e = eol;
                while (v < e && (*v == ' ' || *v == '\t'))
                    ++v;
                while (e > v && (e[-1] == ' ' || e[-1] == '\t' || e[-1] == '\r'))
                    --e;
                values[i] = Span { v, int(e - v) };
                any = true;
                break;
            }
        }
        if (eol == end)
            break;
        p = eol + 1;
    }
    if (any)
        done(values);
}

// A whole regular file in one read (the dpkg file lists are many and small).
bool readWhole(const QByteArray &path, QByteArray *out)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st = {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size < (64 << 20);
    if (ok) {
        out->resize(int(st.st_size));
        ok = ::read(fd, out->data(), size_t(st.st_size)) == st.st_size;
    }
    ::close(fd);
    return ok;
}

// Package name -> .desktop files it owns, from the dpkg file lists. There are hundreds of
// lists, so the folder is read with readdir and each list searched with memmem.
QHash<QString, QStringList> desktopFilesByPackage(const SysRoot &root)
{
    QHash<QString, QStringList> out;
    const QString apps = QStringLiteral("/usr/share/applications/");
    if (root.list(apps).isEmpty())
        return out;
    static const char marker[] = "\n/usr/share/applications/";
    const size_t markerLength = sizeof marker - 1;
    const QByteArray info
        = QFile::encodeName(root.path(QStringLiteral("/var/lib/dpkg/info"))) + '/';
    DIR *dir = ::opendir(info.constData());
    if (!dir)
        return out;
    QByteArray list;
    while (const dirent *entry = ::readdir(dir)) {
        const size_t nameLength = strlen(entry->d_name);
        if (nameLength < 6 || strcmp(entry->d_name + nameLength - 5, ".list") != 0
            || !readWhole(info + entry->d_name, &list))
            continue;
        const char *p = list.constData();
        const char *const end = p + list.size();
        while (const char *hit
               = static_cast<const char *>(memmem(p, size_t(end - p), marker, markerLength))) {
            const char *name = hit + markerLength;
            const char *eol = static_cast<const char *>(memchr(name, '\n', size_t(end - name)));
            if (!eol)
                eol = end;
            const QByteArray file(name, int(eol - name));
            p = eol;
            // Only files right in the folder are menu entries.
            if (!file.endsWith(".desktop") || file.contains('/'))
                continue;
            QByteArray pkg(entry->d_name, int(nameLength - 5));
            const int colon = pkg.indexOf(':'); // "libfoo:amd64.list"
            if (colon >= 0)
                pkg.truncate(colon);
            out[QString::fromUtf8(pkg)].append(apps + QString::fromUtf8(file));
        }
    }
    ::closedir(dir);
    return out;
}

// The first entry that shows in menus, else the first one at all.
DesktopEntry pickDesktopEntry(const SysRoot &root, QStringList files)
{
    files.sort();
    DesktopEntry first;
    for (const QString &file : qAsConst(files)) {
        const DesktopEntry entry = DesktopEntry::parse(root.read(file, 1 << 20));
        if (!entry.isValid())
            continue;
        if (!entry.boolean("NoDisplay") && !entry.boolean("Hidden"))
            return entry;
        if (!first.isValid())
            first = entry;
    }
    return first;
}

QByteArray yamlValue(const QByteArray &yaml, const QByteArray &key)
{
    // Top-level "key: value" only; nested keys are indented.
    return bytes::unquote(bytes::lineValue(yaml, key, ':'));
}

} // namespace

QString addressName(const QByteArray &address)
{
    const int lt = address.indexOf('<');
    return QString::fromUtf8((lt < 0 ? address : address.left(lt)).trimmed());
}

QString commandText(const QStringList &argv)
{
    QStringList parts;
    for (const QString &arg : argv)
        parts.append(arg.contains(QLatin1Char(' ')) ? QLatin1Char('"') + arg + QLatin1Char('"')
                                                    : arg);
    return parts.join(QLatin1Char(' '));
}

QVector<Package> parseDpkgStatus(const QByteArray &status)
{
    QVector<Package> out;
    QSet<QString> ids;
    static const char *const keys[]
        = { "Package", "Status", "Version", "Maintainer", "Architecture" };
    readStanzas(status, keys, [&](const Span *v) {
        // A held package is as installed as any other.
        if (v[0].n == 0 || !(v[1].is("install ok installed") || v[1].is("hold ok installed")))
            return;
        Package p;
        p.source = QStringLiteral("dpkg");
        p.name = QString::fromUtf8(v[0].p, v[0].n);
        p.id = QStringLiteral("dpkg:") + p.name;
        if (ids.contains(p.id)) // the same package for a second architecture
            p.id += QLatin1Char(':') + QString::fromUtf8(v[4].p, v[4].n);
        ids.insert(p.id);
        p.displayName = p.name;
        p.version = QString::fromUtf8(v[2].p, v[2].n);
        p.publisher = addressName(v[3].bytes());
        p.uninstall = QStringList { QStringLiteral("pkexec"), QStringLiteral("apt-get"),
                                    QStringLiteral("remove"), QStringLiteral("-y"), p.name };
        out.append(p);
    });
    return out;
}

QVector<Package> dpkgPackages(const SysRoot &root)
{
    QVector<Package> out
        = parseDpkgStatus(root.read(QStringLiteral("/var/lib/dpkg/status"), 256 << 20));

    QSet<QString> automatic;
    static const char *const keys[] = { "Package", "Auto-Installed" };
    readStanzas(root.read(QStringLiteral("/var/lib/apt/extended_states"), 64 << 20), keys,
                [&](const Span *v) {
                    if (v[1].is("1"))
                        automatic.insert(QString::fromUtf8(v[0].p, v[0].n));
                });

    const QHash<QString, QStringList> desktops = desktopFilesByPackage(root);
    for (Package &p : out) {
        p.autoInstalled = automatic.contains(p.name);
        const auto it = desktops.constFind(p.name);
        if (it == desktops.constEnd())
            continue;
        const DesktopEntry entry = pickDesktopEntry(root, *it);
        if (!entry.value("Name").isEmpty())
            p.displayName = entry.value("Name");
        p.icon = entry.value("Icon");
    }
    return out;
}

QVector<Package> flatpakPackages(const SysRoot &root, const QString &appDir, bool user)
{
    QVector<Package> out;
    for (const QString &id : root.list(appDir)) {
        const QString current = appDir + QLatin1Char('/') + id + QStringLiteral("/current");
        const QString active = current + QStringLiteral("/active");
        const QByteArray metadata = root.read(active + QStringLiteral("/metadata"), 1 << 20);
        if (!metadata.contains("[Application]"))
            continue;
        Package p;
        p.source = QStringLiteral("flatpak");
        p.name = id;
        p.id = QStringLiteral("flatpak:") + id;
        p.userInstall = user;
        p.displayName = id;
        p.installLocation = active + QStringLiteral("/files");
        const DesktopEntry entry
            = DesktopEntry::parse(root.read(active + QStringLiteral("/export/share/applications/")
                                            + id + QStringLiteral(".desktop")));
        if (!entry.value("Name").isEmpty())
            p.displayName = entry.value("Name");
        p.icon = entry.value("Icon");
        // Version and developer are in the AppStream data the app ships.
        for (const char *dir : { "/files/share/metainfo/", "/files/share/appdata/" }) {
            QByteArray xml;
            for (const char *ext : { ".metainfo.xml", ".appdata.xml" }) {
                if (xml.isEmpty())
                    xml = root.read(active + QLatin1String(dir) + id + QLatin1String(ext), 4 << 20);
            }
            QXmlStreamReader reader(xml);
            while (!xml.isEmpty() && !reader.atEnd()) {
                if (!reader.readNextStartElement())
                    continue;
                if (reader.name() == QLatin1String("developer_name") && p.publisher.isEmpty())
                    p.publisher = reader.readElementText().trimmed();
                else if (reader.name() == QLatin1String("release") && p.version.isEmpty())
                    p.version = reader.attributes().value(QLatin1String("version")).toString();
            }
            if (!xml.isEmpty())
                break;
        }
        // "current" links to "<arch>/<branch>", which completes the ref.
        const QString branch = root.readLink(current);
        const QString ref = QStringLiteral("app/") + id + QLatin1Char('/') + branch;
        p.uninstall
            = QStringList { QStringLiteral("flatpak"), QStringLiteral("uninstall"),
                            QStringLiteral("-y"),
                            user ? QStringLiteral("--user") : QStringLiteral("--system"), ref };
        out.append(p);
    }
    return out;
}

QVector<Package> snapPackages(const SysRoot &root)
{
    QVector<Package> out;
    for (const QString &name : root.list(QStringLiteral("/snap"))) {
        const QString current = QStringLiteral("/snap/") + name + QStringLiteral("/current");
        const QByteArray yaml = root.read(current + QStringLiteral("/meta/snap.yaml"), 1 << 20);
        const QByteArray yamlName = yamlValue(yaml, "name");
        if (yamlName.isEmpty())
            continue;
        Package p;
        p.source = QStringLiteral("snap");
        p.name = QString::fromUtf8(yamlName);
        p.id = QStringLiteral("snap:") + p.name;
        const QByteArray title = yamlValue(yaml, "title");
        p.displayName = QString::fromUtf8(title.isEmpty() ? yamlName : title);
        p.version = QString::fromUtf8(yamlValue(yaml, "version"));
        p.installLocation = current;
        // snapd writes the installed desktop entries as "<snap>_<app>.desktop".
        const QString desktopDir = QStringLiteral("/var/lib/snapd/desktop/applications/");
        for (const QString &file : root.list(desktopDir)) {
            if (file.startsWith(p.name + QLatin1Char('_'))
                && file.endsWith(QLatin1String(".desktop"))) {
                p.icon = DesktopEntry::parse(root.read(desktopDir + file)).value("Icon");
                break;
            }
        }
        p.uninstall = QStringList { QStringLiteral("snap"), QStringLiteral("remove"), p.name };
        out.append(p);
    }
    return out;
}

} // namespace plat::packages
