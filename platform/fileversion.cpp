#include "fileversion.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace plat {

namespace {

// "ext4.ko.zst" -> "ext4"; module names use '_' where file names may use '-'.
QString moduleName(const QString &fileName)
{
    QString name = fileName;
    const int ko = name.indexOf(QLatin1String(".ko"));
    if (ko < 0)
        return QString();
    name.truncate(ko);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return name;
}

// The "version=" entry of an uncompressed module's .modinfo strings.
QString modinfoVersion(const QByteArray &bytes)
{
    int pos = 0;
    while ((pos = bytes.indexOf("version=", pos)) >= 0) {
        if (pos > 0 && bytes.at(pos - 1) == '\0') {
            const int end = bytes.indexOf('\0', pos);
            if (end > pos)
                return QString::fromUtf8(bytes.mid(pos + 8, end - pos - 8)).trimmed();
        }
        pos += 8;
    }
    return QString();
}

} // namespace

std::optional<std::array<quint16, 4>> LinuxFileVersion::fixedVersion(const QString &path)
{
    // Only four plain numbers count as a fixed version ("5.10.0.1"); anything else has none.
    static const QRegularExpression re(QStringLiteral("^(\\d+)\\.(\\d+)\\.(\\d+)\\.(\\d+)$"));
    const QRegularExpressionMatch m = re.match(versionText(path));
    if (!m.hasMatch())
        return std::nullopt;
    std::array<quint16, 4> parts {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const uint v = m.captured(i + 1).toUInt(&ok);
        if (!ok || v > 0xFFFF)
            return std::nullopt;
        parts[size_t(i)] = quint16(v);
    }
    return parts;
}

QString LinuxFileVersion::versionText(const QString &path)
{
    if (path.isEmpty())
        return QString();
    // A built-in module named by its /sys/module folder.
    static const QRegularExpression sysModule(QStringLiteral("^/sys/module/([^/]+)/?$"));
    const QRegularExpressionMatch sm = sysModule.match(path);
    if (sm.hasMatch())
        return m_root.readLine(QStringLiteral("/sys/module/%1/version").arg(sm.captured(1)));

    const QString name = moduleName(QFileInfo(path).fileName());
    if (name.isEmpty())
        return QString();
    const QString loaded = m_root.readLine(QStringLiteral("/sys/module/%1/version").arg(name));
    if (!loaded.isEmpty())
        return loaded;
    if (path.endsWith(QLatin1String(".ko"))) {
        const QString stated = modinfoVersion(m_root.read(path, 64 * 1024 * 1024));
        if (!stated.isEmpty())
            return stated;
    }
    // Modules without a version of their own are versioned with the kernel they were built for.
    static const QRegularExpression tree(QStringLiteral("^(?:/usr)?/lib/modules/([^/]+)/"));
    const QRegularExpressionMatch tm = tree.match(path);
    return tm.hasMatch() ? tm.captured(1) : QString();
}

} // namespace plat
