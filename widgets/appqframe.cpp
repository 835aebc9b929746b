#include "widgets/appqframe.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QUrl>

namespace {
// Images and crash dumps; matched anywhere in the suffix, case-sensitively.
const QString kAllowedSuffixes = QStringLiteral("(png|jpg|bmp|jpeg|gif|dmp)");
const QString kAnySuffix = QStringLiteral("(.*)");
} // namespace

AppQFrame::AppQFrame(QWidget *parent)
    : QFrame(parent)
{
}

AppQFrame::~AppQFrame() = default;

void AppQFrame::setAcceptAnyFileType(bool accept)
{
    anyFileType = accept;
}

bool AppQFrame::acceptAnyFileType() const
{
    return anyFileType;
}

bool AppQFrame::event(QEvent *e)
{
    if (e->type() == QEvent::HoverEnter)
        emit mouseEnter();
    else if (e->type() == QEvent::HoverLeave)
        emit mouseLeave();
    return QFrame::event(e);
}

void AppQFrame::mousePressEvent(QMouseEvent *e)
{
    emit mouseClick(e);
    QFrame::mousePressEvent(e);
}

void AppQFrame::mouseReleaseEvent(QMouseEvent *e)
{
    emit mouseRelease(e);
    QFrame::mouseReleaseEvent(e);
}

void AppQFrame::mouseMoveEvent(QMouseEvent *e)
{
    emit mouseMove(e);
    QFrame::mouseMoveEvent(e);
}

void AppQFrame::dragEnterEvent(QDragEnterEvent *e)
{
    if (e->mimeData() && e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void AppQFrame::dragMoveEvent(QDragMoveEvent *e)
{
    if (e->mimeData() && e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

bool AppQFrame::isAllowedSuffix(const QString &suffix) const
{
    const QRegularExpression pattern(anyFileType ? kAnySuffix : kAllowedSuffixes);
    return suffix.contains(pattern);
}

void AppQFrame::dropEvent(QDropEvent *e)
{
    const QMimeData *data = e->mimeData();
    if (!data || !data->hasUrls())
        return;
    const QList<QUrl> urls = data->urls();
    if (urls.isEmpty())
        return;
    e->acceptProposedAction();

    // Only local files can be attached; anything else counts as a refused file.
    const auto fileNameOf = [](const QUrl &url) {
        const QString name = QFileInfo(url.toLocalFile()).fileName();
        return name.isEmpty() ? url.fileName() : name;
    };
    const auto accepted = [this](const QUrl &url) {
        return url.isLocalFile() && isAllowedSuffix(QFileInfo(url.toLocalFile()).suffix());
    };

    if (urls.size() == 1) {
        const QUrl &url = urls.first();
        if (accepted(url))
            emit processingFile(QFileInfo(url.toLocalFile()).filePath());
        else
            emit invalidFileType(fileNameOf(url));
        return;
    }

    acceptedPaths.clear();
    for (const QUrl &url : urls) {
        if (!accepted(url)) {
            emit invalidFileType(fileNameOf(url));
            break;
        }
        acceptedPaths.append(QFileInfo(url.toLocalFile()).filePath());
    }
    const QStringList paths = acceptedPaths;
    acceptedPaths.clear();
    emit processingFiles(paths);
}
