#include "lazyicon.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QIconEngine>
#include <QMimeDatabase>
#include <QPainter>
#include <QStyle>

#include <memory>
#include <mutex>
#include <optional>

namespace {

enum class Kind { File, Theme, FileType };

const char kKeyPrefix[] = "VnLazyIcon:";

// The provider's drawing of a plain (or linked) file, or a theme's generic document or program
// picture, tells nothing about the program: the list's own program icon says more.
bool isPlainFileIcon(const QIcon &icon)
{
    if (icon.isNull())
        return false;
    static const QStringList genericNames
        = { QStringLiteral("text-x-generic"),           QStringLiteral("unknown"),
            QStringLiteral("application-octet-stream"), QStringLiteral("application-x-executable"),
            QStringLiteral("application-x-sharedlib"),  QStringLiteral("inode-symlink") };
    if (genericNames.contains(icon.name()))
        return true;
    static const QImage plainFile
        = QFileIconProvider().icon(QFileIconProvider::File).pixmap(16).toImage();
    static const QImage linkedFile
        = QApplication::style()->standardIcon(QStyle::SP_FileLinkIcon).pixmap(16).toImage();
    const QImage image = icon.pixmap(16).toImage();
    return image == plainFile || image == linkedFile;
}

// The icon the file system shows for a file (null when it is only that plain picture), one per
// file type: the provider gives every regular file of a type the same icon, and each icon it makes
// holds every size the style has (up to 128 px) decoded at once, so a list of thousands of
// processes would hold thousands of copies.
QIcon fileTypeIcon(const QFileInfo &info)
{
    const auto look = [&info] {
        const QIcon icon = QFileIconProvider().icon(info);
        return isPlainFileIcon(icon) ? QIcon() : icon;
    };
    if (!info.isFile())
        return look();
    static std::mutex mutex;
    static QHash<QString, QIcon> icons;
    QString type = QMimeDatabase().mimeTypeForFile(info).name();
    if (info.isSymLink())
        type += QStringLiteral("|link");
    const std::lock_guard<std::mutex> lock(mutex);
    auto it = icons.find(type);
    if (it == icons.end())
        it = icons.insert(type, look());
    return *it;
}

class LazyIconEngine : public QIconEngine
{
public:
    LazyIconEngine(Kind kind, QString source, QString fallback)
        : m_kind(kind)
        , m_source(std::move(source))
        , m_fallback(std::move(fallback))
        , m_shared(std::make_shared<Shared>())
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        resolved().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return resolved().pixmap(size, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return resolved().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) const override
    {
        return resolved().availableSizes(mode, state);
    }

    QIconEngine *clone() const override { return new LazyIconEngine(*this); }

    // The description of the source, so that it can be read without loading anything.
    QString key() const override { return QLatin1String(kKeyPrefix) + description(); }

    QString iconName() const override
    {
        return m_kind == Kind::Theme && !QDir::isAbsolutePath(m_source) ? m_source : QString();
    }

    void virtual_hook(int id, void *data) override
    {
        if (id == QIconEngine::IsNullHook) {
            // Never null: the fallback image is one of the program's own resources.
            *reinterpret_cast<bool *>(data) = false;
            return;
        }
        QIconEngine::virtual_hook(id, data);
    }

    QString description() const
    {
        switch (m_kind) {
        case Kind::File:
            return QStringLiteral("file:") + m_source;
        case Kind::Theme:
            return QStringLiteral("theme:%1|%2").arg(m_source, m_fallback);
        case Kind::FileType:
            return QStringLiteral("type:%1|%2").arg(m_source, m_fallback);
        }
        return QString();
    }

private:
    struct Shared
    {
        std::mutex mutex;
        std::optional<QIcon> icon;
    };

    // The real icon, looked up once on first use (on the thread that draws, the GUI thread).
    QIcon resolved() const
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        if (!m_shared->icon)
            m_shared->icon = lookUp();
        return *m_shared->icon;
    }

    QIcon lookUp() const
    {
        QIcon icon;
        switch (m_kind) {
        case Kind::File:
            return QIcon(m_source);
        case Kind::Theme:
            if (m_source.isEmpty())
                break;
            if (QDir::isAbsolutePath(m_source)) {
                if (QFileInfo(m_source).isFile())
                    icon = QIcon(m_source);
            } else if (QIcon::hasThemeIcon(m_source)) {
                icon = QIcon::fromTheme(m_source);
            }
            break;
        case Kind::FileType:
            if (!m_source.isEmpty())
                icon = fileTypeIcon(QFileInfo(m_source));
            break;
        }
        if (icon.isNull())
            icon = QIcon(m_fallback);
        return icon;
    }

    Kind m_kind;
    QString m_source;
    QString m_fallback;
    std::shared_ptr<Shared> m_shared; // shared by clones: one lookup for all copies
};

QIcon make(Kind kind, const QString &source, const QString &fallback)
{
    return QIcon(new LazyIconEngine(kind, source, fallback));
}

} // namespace

namespace LazyIcon {

QIcon fromFile(const QString &path)
{
    return make(Kind::File, path, path);
}

QIcon fromThemeOrPath(const QString &nameOrPath, const QString &fallback)
{
    return make(Kind::Theme, nameOrPath.trimmed(), fallback);
}

QIcon forFile(const QString &filePath, const QString &fallback)
{
    return make(Kind::FileType, filePath, fallback);
}

QString source(const QIcon &icon)
{
    // QIcon gives no access to its engine, but it streams the engine's key first; this engine
    // writes nothing after it, so nothing is loaded.
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << icon;
    QDataStream in(bytes);
    QString key;
    in >> key;
    return key.startsWith(QLatin1String(kKeyPrefix)) ? key.mid(int(sizeof(kKeyPrefix)) - 1)
                                                     : QString();
}

} // namespace LazyIcon
