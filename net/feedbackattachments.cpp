// The attachment area of the feedback form: files chosen with the file dialog or dropped on the
// input row, checked against the size limit and shown as a row of thumbnails.

#include "net/feedback.h"

#include "app/dialogstyle.h"
#include "app/filedialogs.h"
#include "app/msgdialog.h"
#include "app/systemfunctions.h"
#include "widgets/appqframe.h"
#include "widgets/appqlabel.h"

#include <QCoreApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>

namespace {

// A file that is no picture: the icon of its type (a plain file icon where the system has none)
// over its name, in the thumbnail's text colour.
QPixmap fileThumbnail(const QFileInfo &file, const QWidget *thumbnail)
{
    QPixmap icon = QFileIconProvider().icon(file).pixmap(64, 64);
    if (icon.isNull())
        icon = QIcon(QStringLiteral(":/Icon/file.svg")).pixmap(64, 64);
    QPixmap picture(100, 100);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawPixmap(18, 2, icon);
    QFont font = thumbnail->font();
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(thumbnail->palette().color(QPalette::WindowText));
    const QRect nameArea(2, 68, 96, 30);
    painter.drawText(
        nameArea, Qt::AlignHCenter | Qt::AlignTop,
        QFontMetrics(font).elidedText(file.fileName(), Qt::ElideMiddle, nameArea.width()));
    return picture;
}

} // namespace

void Feedback::buildAttachmentRow()
{
    const QFont font = dialogFont();
    attachmentDropFrame = new AppQFrame(this);
    attachmentDropFrame->setObjectName(QStringLiteral("inputItem"));
    attachmentDropFrame->setAcceptDrops(true);
    attachmentDropFrame->setMouseTracking(true);
    attachmentDropFrame->setAttribute(Qt::WA_Hover);
    attachmentDropFrame->setAcceptAnyFileType(false);

    auto *selectButton = new QPushButton(QObject::tr("Select"), attachmentDropFrame);
    selectButton->setObjectName(QStringLiteral("pushButton_3"));
    selectButton->setMinimumSize(80, 23);
    selectButton->setFont(font);
    keepTextWhole(selectButton);

    attachmentLabel = new AppQLabel(attachmentDropFrame);
    attachmentLabel->setText(QObject::tr("No file is selected"));
    attachmentLabel->setStyleSheet(
        QStringLiteral("QLabel {border: none;} QToolTip {background: none;}"));
    attachmentLabel->setFont(font);

    auto *clearButton = new QPushButton(attachmentDropFrame);
    clearButton->setObjectName(QStringLiteral("clearAttachment"));
    clearButton->setIcon(QIcon(QStringLiteral(":/Icon/times_red.svg")));
    clearButton->setIconSize(QSize(10, 16));
    clearButton->setFixedSize(20, 20);
    clearButton->setCursor(Qt::PointingHandCursor);
    clearButton->hide();
    clearAttachmentButton = clearButton;

    auto *row = new QHBoxLayout(attachmentDropFrame);
    row->addWidget(selectButton, 0, Qt::AlignLeft);
    row->addWidget(attachmentLabel, 1, Qt::AlignLeft);
    row->addWidget(clearButton, 1, Qt::AlignRight);

    connect(selectButton, &QPushButton::clicked, this, &Feedback::selectAttachments);
    connect(attachmentLabel, &AppQLabel::mouseClick, this, &Feedback::selectAttachments);
    connect(clearButton, &QPushButton::clicked, this, &Feedback::onClearAttachmentClicked);
    connect(attachmentDropFrame, &AppQFrame::processingFile, this, &Feedback::onFileDropped);
    connect(attachmentDropFrame, &AppQFrame::processingFiles, this, &Feedback::onFilesDropped);
    connect(attachmentDropFrame, &AppQFrame::invalidFileType, this, &Feedback::onInvalidFileType);

    thumbnailsFrame = new QFrame(this);
    thumbnailsFrame->setObjectName(QStringLiteral("frame_4"));
    thumbnailsFrame->setFrameShape(QFrame::StyledPanel);
    thumbnailsFrame->setFrameShadow(QFrame::Raised);
    // Room for the 100-pixel thumbnails inside the frame's border.
    thumbnailsFrame->ensurePolished();
    thumbnailsFrame->setMinimumHeight(100 + 2 * thumbnailsFrame->frameWidth());
    thumbnailsFrame->hide();
    attachmentsLayout = new QHBoxLayout(thumbnailsFrame);
    attachmentsLayout->setContentsMargins(0, 0, 0, 0);
}

void Feedback::resetAttachmentSelection()
{
    attachmentNames.clear();
    attachmentPaths.clear();
    clearAttachmentButton->hide();
    attachmentLabel->clear();
    attachmentLabel->setText(QObject::tr("No file is selected"));
    attachmentLabel->setToolTip(QString());
}

void Feedback::clearAttachmentThumbnails()
{
    for (QWidget *thumbnail : qAsConst(attachmentWidgets)) {
        attachmentsLayout->removeWidget(thumbnail);
        thumbnail->deleteLater();
    }
    attachmentWidgets.clear();
    thumbnailsFrame->hide();
}

void Feedback::onClearAttachmentClicked()
{
    resetAttachmentSelection();
    clearAttachmentThumbnails();
}

void Feedback::selectAttachments()
{
    resetAttachmentSelection();
    clearAttachmentThumbnails();
    attachmentPaths = FileDialogs::openFileNames(
        this, QObject::tr("Select files"), QCoreApplication::applicationDirPath(),
        QStringLiteral("%1 (*.png *.jpg *.bmp *.jpeg *.gif);;%2 (*.dmp)")
            .arg(QObject::tr("Image Files"), QObject::tr("Crash dumps")));
    if (attachmentPaths.isEmpty())
        thumbnailsFrame->hide();
    else
        showAttachments();
}

void Feedback::onFileDropped(const QString &path)
{
    onFilesDropped({ path });
}

void Feedback::onFilesDropped(const QStringList &paths)
{
    resetAttachmentSelection();
    clearAttachmentThumbnails();
    attachmentPaths = paths;
    if (attachmentPaths.isEmpty())
        thumbnailsFrame->hide();
    else
        showAttachments();
}

void Feedback::showAttachments()
{
    thumbnailsFrame->show();
    double total = 0;
    const QStringList paths = attachmentPaths;
    for (const QString &path : paths) {
        const QFileInfo file(path);
        total += double(file.size());
        if (total >= double(attachmentLimit)) {
            attachmentNames.clear();
            attachmentPaths.clear();
            MsgDialog message(this, QObject::tr("Attention"),
                              QObject::tr("The size of selected data is too big (max. 20.0 MB)!"),
                              2, QDialogButtonBox::Ok);
            message.exec();
            attachmentLabel->clear();
            attachmentLabel->setText(QObject::tr("No file is selected"));
            clearAttachmentButton->hide();
            clearAttachmentThumbnails();
            return;
        }
        if (paths.size() == 1) {
            attachmentsLayout->setAlignment(Qt::AlignHCenter);
            attachmentLabel->setText(QDir::toNativeSeparators(path));
            attachmentLabel->setToolTip(attachmentLabel->text());
        } else {
            const bool megabytes = total > 1048576;
            attachmentLabel->setText(
                QStringLiteral("%1 %2 %3 (%4 %5)")
                    .arg(QObject::tr("Selected"), QString::number(paths.size()),
                         QObject::tr("files"),
                         QString::number(total / (megabytes ? 1048576 : 1024), 'f', 2),
                         megabytes ? QObject::tr("MB") : QObject::tr("KB")));
        }
        attachmentNames += QStringLiteral("%1\n").arg(file.fileName());
        clearAttachmentButton->show();
        AppQLabel *thumbnail = makeThumbnail(path);
        attachmentWidgets.append(thumbnail);
        attachmentsLayout->addWidget(thumbnail);
    }
}

AppQLabel *Feedback::makeThumbnail(const QString &path)
{
    auto *thumbnail = new AppQLabel(this);
    thumbnail->setScaledContents(true);
    thumbnail->setToolTip(QObject::tr("Click to open"));
    thumbnail->setFixedSize(100, 100);
    static const QRegularExpression pictures(QStringLiteral("(png|jpg|bmp|jpeg|gif)"));
    const QFileInfo file(path);
    if (file.suffix().contains(pictures))
        thumbnail->setPixmap(QPixmap(path));
    else
        thumbnail->setPixmap(fileThumbnail(file, thumbnail));
    connect(thumbnail, &AppQLabel::mouseClick, this, [this, path] { openAttachment(path); });
    return thumbnail;
}

void Feedback::openAttachment(const QString &path)
{
    if (openWithDefaultApplication(path) > 32)
        return;
    MsgDialog message(this, QObject::tr("Error"), QObject::tr("Failed to open the file!"), 3,
                      QDialogButtonBox::Ok);
    message.exec();
}

void Feedback::onInvalidFileType(const QString &fileName)
{
    MsgDialog message(
        this, QObject::tr("Attention"),
        QObject::tr("Your file: %1 is not allowed! Please use the following files: %2")
            .arg(fileName,
                 QStringLiteral("*.png / *.jpg / *.bmp / *.jpeg / *.gif / "
                                "*.dmp")),
        2, QDialogButtonBox::Ok);
    message.exec();
}
