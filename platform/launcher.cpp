#include "platform/launcher.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include <atomic>

namespace plat {

namespace {

bool startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

QString stripQuotes(const QString &text)
{
    QString result = text.trimmed();
    if (result.size() >= 2 && result.startsWith(QLatin1Char('"'))
        && result.endsWith(QLatin1Char('"')))
        result = result.mid(1, result.size() - 2);
    return result;
}

std::shared_ptr<Launcher> &launcherSlot()
{
    static std::shared_ptr<Launcher> slot;
    return slot;
}

} // namespace

DesktopLauncher::DesktopLauncher()
    : DesktopLauncher(startDetached, defaultHandler,
                      [](const QString &name) { return QStandardPaths::findExecutable(name); })
{
}

DesktopLauncher::DesktopLauncher(Starter starter, HandlerLookup handlerLookup,
                                 ExecutableLookup executableLookup)
    : m_start(std::move(starter))
    , m_handler(std::move(handlerLookup))
    , m_which(std::move(executableLookup))
{
}

QString DesktopLauncher::defaultHandler(const QString &mimeType)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (tool.isEmpty() || mimeType.isEmpty())
        return QString();
    QProcess query;
    query.start(tool, { QStringLiteral("query"), QStringLiteral("default"), mimeType });
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return QString();
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

qint64 DesktopLauncher::openWithHandler(const QString &target, const QString &mimeType)
{
    const QString opener = m_which(QStringLiteral("xdg-open"));
    if (opener.isEmpty() || m_handler(mimeType).isEmpty())
        return shell::NoAssociation;
    return m_start(opener, { target }) ? shell::Started : shell::NoAssociation;
}

qint64 DesktopLauncher::startProgram(const QString &path, const QStringList &arguments,
                                     bool elevated)
{
    if (elevated) {
        const QString pkexec = m_which(QStringLiteral("pkexec"));
        if (pkexec.isEmpty())
            return shell::AccessDenied;
        return m_start(pkexec, QStringList { path } + arguments) ? shell::Started
                                                                 : shell::AccessDenied;
    }
    if (m_start(path, arguments))
        return shell::Started;
    const QFileInfo info(path);
    if (!info.exists())
        return shell::FileNotFound;
    return info.isExecutable() ? shell::OutOfResources : shell::AccessDenied;
}

qint64 DesktopLauncher::execute(const QString &verb, const QString &file, const QString &parameters)
{
    const bool elevated = verb.compare(QLatin1String("runas"), Qt::CaseInsensitive) == 0;
    const QString target = stripQuotes(file);
    if (target.isEmpty())
        return shell::FileNotFound;

    // A drive-letter path names a folder that cannot exist here.
    static const QRegularExpression drivePath(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    if (drivePath.match(target).hasMatch())
        return shell::PathNotFound;

    static const QRegularExpression uriScheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+):"));
    const QRegularExpressionMatch scheme = uriScheme.match(target);
    QString path = target;
    if (scheme.hasMatch()) {
        const QString name = scheme.captured(1).toLower();
        if (name != QLatin1String("file"))
            return openWithHandler(target, QStringLiteral("x-scheme-handler/") + name);
        path = QUrl(target).toLocalFile();
        if (path.isEmpty())
            return shell::FileNotFound;
    }

    const bool looksLikePath = path.contains(QLatin1Char('/')) || path.contains(QLatin1Char('\\'))
        || path.startsWith(QLatin1Char('.')) || path.startsWith(QLatin1Char('~'));
    if (!looksLikePath) {
        // A bare name is a program looked up in PATH, or a file in the working folder.
        const QString program = m_which(path);
        if (!program.isEmpty())
            return startProgram(program, QProcess::splitCommand(parameters), elevated);
        if (!QFileInfo::exists(path))
            return shell::FileNotFound;
    }
    if (path.startsWith(QLatin1Char('~')))
        path.replace(0, 1, QDir::homePath());

    const QFileInfo info(path);
    if (!info.exists())
        return QFileInfo::exists(info.absolutePath()) ? shell::FileNotFound : shell::PathNotFound;
    if (info.isDir())
        return openWithHandler(info.absoluteFilePath(), QStringLiteral("inode/directory"));
    if (info.isExecutable())
        return startProgram(info.absoluteFilePath(), QProcess::splitCommand(parameters), elevated);
    const QString mimeType = QMimeDatabase().mimeTypeForFile(info).name();
    return openWithHandler(info.absoluteFilePath(), mimeType);
}

qint64 DesktopLauncher::executeProgram(const QString &verb, const QString &program,
                                       const QStringList &arguments)
{
    const bool elevated = verb.compare(QLatin1String("runas"), Qt::CaseInsensitive) == 0;
    QString path = program;
    if (!program.contains(QLatin1Char('/'))) {
        path = m_which(program);
        if (path.isEmpty())
            return shell::FileNotFound;
    }
    const QFileInfo info(path);
    if (!info.exists())
        return QFileInfo::exists(info.absolutePath()) ? shell::FileNotFound : shell::PathNotFound;
    if (info.isDir() || !info.isExecutable())
        return shell::AccessDenied;
    return startProgram(info.absoluteFilePath(), arguments, elevated);
}

qint64 DesktopLauncher::open(const QString &path)
{
    const QFileInfo info(path.startsWith(QLatin1String("file:")) ? QUrl(path).toLocalFile() : path);
    if (info.filePath().isEmpty() || !info.exists())
        return QFileInfo::exists(info.absolutePath()) ? shell::FileNotFound : shell::PathNotFound;
    if (info.isDir())
        return openWithHandler(info.absoluteFilePath(), QStringLiteral("inode/directory"));
    // The type as the desktop sees it (name first, then content), not the execute bit.
    const QString mimeType = QMimeDatabase().mimeTypeForFile(info).name();
    return openWithHandler(info.absoluteFilePath(), mimeType);
}

std::shared_ptr<Launcher> launcher()
{
    std::shared_ptr<Launcher> current = std::atomic_load(&launcherSlot());
    if (!current) {
        std::shared_ptr<Launcher> fresh = std::make_shared<DesktopLauncher>();
        std::shared_ptr<Launcher> expected;
        if (std::atomic_compare_exchange_strong(&launcherSlot(), &expected, fresh))
            current = fresh;
        else
            current = expected;
    }
    return current;
}

void setLauncher(std::shared_ptr<Launcher> replacement)
{
    std::atomic_store(&launcherSlot(), std::move(replacement));
}

} // namespace plat
