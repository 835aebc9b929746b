#include "net/feedback.h"

#include "app/appenums.h"
#include "app/applog.h"
#include "app/atomicfile.h"
#include "app/dialogstyle.h"
#include "app/msgdialog.h"
#include "app/productinfo.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "net/networkmanager.h"
#include "net/uploadthread.h"
#include "widgets/appqframe.h"
#include "widgets/appqlabel.h"
#include "widgets/loaderwidget.h"
#include "widgets/scrollbar.h"
#include "widgets/switch.h"

#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QVector>

namespace Ui {
// The form's widgets, named as the themes and the tests know them.
class Feedback
{
public:
    QLabel *label = nullptr;
    QFrame *frame_6 = nullptr;
    QRadioButton *types[3] = {};
    QLabel *label_2 = nullptr;
    QFrame *frame_5 = nullptr;
    QRadioButton *ratings[10] = {};
    QLabel *label_3 = nullptr;
    QTextEdit *textEdit = nullptr;
    QLabel *label_11 = nullptr;
    QLineEdit *lineEdit = nullptr;
    QPushButton *pushButton = nullptr;
    QPushButton *pushButton_2 = nullptr;

    void setupUi(QDialog *dialog)
    {
        dialog->setObjectName(QStringLiteral("Feedback"));
        dialog->resize(450, 590);
        label = named(new QLabel(dialog), "label");
        frame_6 = panel(dialog, "frame_6");
        auto *typeLayout = new QVBoxLayout(frame_6);
        for (int i = 0; i < 3; ++i) {
            types[i] = named(new QRadioButton(frame_6),
                             i == 0 ? "radioButton" : QByteArray("radioButton_") + char('1' + i));
            typeLayout->addWidget(types[i]);
        }
        label_2 = named(new QLabel(dialog), "label_2");
        frame_5 = panel(dialog, "frame_5");
        auto *ratingLayout = new QHBoxLayout(frame_5);
        for (int i = 0; i < 10; ++i) {
            ratings[i] = named(new QRadioButton(QString::number(i + 1), frame_5),
                               "radioButton_" + QByteArray::number(i + 4));
            ratingLayout->addWidget(ratings[i]);
        }
        label_3 = named(new QLabel(dialog), "label_3");
        textEdit = named(new QTextEdit(dialog), "textEdit");
        label_11 = named(new QLabel(dialog), "label_11");
        lineEdit = named(new QLineEdit(dialog), "lineEdit");
        pushButton = named(new QPushButton(dialog), "pushButton");
        pushButton_2 = named(new QPushButton(dialog), "pushButton_2");
    }

private:
private:
    template<typename W> static W *named(W *widget, const QByteArray &name)
    {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    }
    static QFrame *panel(QWidget *parent, const char *name)
    {
        auto *frame = named(new QFrame(parent), name);
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Raised);
        return frame;
    }
};
} // namespace Ui

namespace {

// A file name as a message shows it: a control character or line separator in it (refused for
// the upload) would break the line or vanish, so it appears as U+FFFD.
QString visibleFileName(QString name)
{
    for (QChar &c : name) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            c = QChar::ReplacementCharacter;
    }
    return name;
}

QFont formFont(bool bold)
{
    QFont font = dialogFont();
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QString productName()
{
    return QString::fromLatin1(Product::displayName);
}

bool englishInterface()
{
    const int language
        = Settings::intValue(QStringLiteral("AppSettings"), QStringLiteral("AppLanguage"), 0);
    return language == App::English
        || (language == App::AutoSelect && QLocale::system().language() == QLocale::English);
}

} // namespace

Feedback::Feedback(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Feedback)
{
    ui->setupUi(this);
    buildForm();
    buildAttachmentRow();

    auto *buttonRow = new QHBoxLayout;
    buttonRow->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    buttonRow->addWidget(ui->pushButton);
    buttonRow->addWidget(ui->pushButton_2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ui->label);
    layout->addWidget(ui->frame_6);
    layout->addWidget(ui->label_2);
    layout->addWidget(ui->frame_5);
    layout->addWidget(ui->label_3);
    layout->addWidget(ui->textEdit);
    layout->addWidget(ui->label_11, 0, Qt::AlignLeft);
    layout->addWidget(attachmentDropFrame, 0, Qt::AlignBottom);
    layout->addWidget(thumbnailsFrame, 0, Qt::AlignBottom);
    layout->addWidget(includeEmailSwitch);
    layout->addWidget(ui->lineEdit, 0, Qt::AlignBottom);
    layout->addLayout(buttonRow);

    setWindowTitle(QObject::tr("Feedback"));
    applyDialogWindowStyle(this);
    fitDialogToContents(this, QSize(480, 610));
    setAttribute(Qt::WA_DeleteOnClose);

    for (QRadioButton *type : ui->types)
        connect(type, &QRadioButton::clicked, this, &Feedback::checkFeedbackType);
    connect(includeEmailSwitch, &Switch::clicked, this, &Feedback::onIncludeEmailClicked);
    connect(ui->pushButton, &QPushButton::clicked, this, &Feedback::sendFeedback);
    connect(ui->pushButton_2, &QPushButton::clicked, this, &Feedback::close);
}

Feedback::~Feedback()
{
    delete ui;
}

void Feedback::buildForm()
{
    const QFont bold = formFont(true);
    const QFont normal = formFont(false);
    ui->label->setText(QObject::tr("Feedback type"));
    ui->label_2->setText(QObject::tr("Rate this application"));
    ui->label_3->setText(QObject::tr("Tell us more"));
    ui->label_11->setText(
        QStringLiteral("%1 (%2)").arg(QObject::tr("Attachment"), QObject::tr("max. 20.0 MB")));
    for (QLabel *caption : { ui->label, ui->label_2, ui->label_3, ui->label_11 })
        caption->setFont(bold);

    const char *typeTexts[] = { QT_TRANSLATE_NOOP("QObject", "Problem with the application"),
                                QT_TRANSLATE_NOOP("QObject", "Feature request or suggestion"),
                                QT_TRANSLATE_NOOP("QObject", "Just vote for the application") };
    for (int i = 0; i < 3; ++i) {
        ui->types[i]->setText(QObject::tr(typeTexts[i]));
        ui->types[i]->setFont(normal);
    }
    for (QRadioButton *rating : ui->ratings)
        rating->setFont(normal);

    ui->textEdit->setPlaceholderText(QObject::tr("Provide the details about your issue"));
    ui->textEdit->setHorizontalScrollBar(new ScrollBar(ui->textEdit));
    ui->textEdit->setVerticalScrollBar(new ScrollBar(ui->textEdit));
    ui->textEdit->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
    ui->textEdit->setFont(normal);

    includeEmailSwitch = new Switch(QObject::tr("Include my email"), this);
    includeEmailSwitch->setToolTip(includeEmailSwitch->text());
    includeEmailSwitch->setFont(normal);

    ui->lineEdit->setPlaceholderText(QObject::tr("Your email address"));
    ui->lineEdit->setEnabled(false);
    ui->lineEdit->setClearButtonEnabled(true);
    ui->lineEdit->setFont(normal);
    ui->lineEdit->setFixedHeight(textFitHeight(ui->lineEdit, 25));

    ui->pushButton->setText(QObject::tr("Send feedback"));
    ui->pushButton->setEnabled(false);
    ui->pushButton_2->setText(QObject::tr("Close"));
    for (QPushButton *button : { ui->pushButton, ui->pushButton_2 }) {
        button->setMinimumHeight(23);
        button->setFont(normal);
        keepTextWhole(button);
    }
}

void Feedback::runAfterCrash(const QString &reportPath)
{
    auto *form = new Feedback(nullptr);
    setWindowTopmost(
        form,
        Settings::boolValue(QStringLiteral("AppSettings"), QStringLiteral("AlwaysOnTop"), false));
    if (!reportPath.isEmpty() && QFile::exists(reportPath))
        form->onFileDropped(reportPath);
    form->exec();
}

QString Feedback::reportFolderPath()
{
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
        + QStringLiteral("/Feedback"));
}

QString Feedback::reportFileName(const QString &localeName, const QString &stamp)
{
    QString product = productName();
    product.replace(QRegularExpression(QStringLiteral("\\s")), QStringLiteral("_"));
    return QStringLiteral("%1_Feedback_%2_%3.txt").arg(product, localeName, stamp);
}

bool Feedback::isValidEmail(const QString &email)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("\\b[A-z0-9._%+-]+@[a-z0-9.-]+\\.[a-z]{2,4}\\b")));
    return pattern.match(email).hasMatch();
}

void Feedback::checkFeedbackType()
{
    bool chosen = false;
    for (QRadioButton *type : ui->types)
        chosen = chosen || type->isChecked();
    ui->pushButton->setEnabled(chosen);
}

void Feedback::onIncludeEmailClicked(bool checked)
{
    ui->lineEdit->setEnabled(checked);
}

QString Feedback::reportText() const
{
    const int channel = Settings::intValue(QStringLiteral("Updates"),
                                           QStringLiteral("UpdatesChannel"), Update::Release);
    const QString dateFormat = englishInterface() ? QStringLiteral("M/d/yyyy hh:mm:ss AP")
                                                  : QStringLiteral("M/d/yyyy hh:mm:ss");

    const QString line = QStringLiteral("%1 %2\n");
    QString text = line.arg(QObject::tr("Application name:"), productName())
        + line.arg(QObject::tr("Application build:"), QString::fromLatin1(Product::version))
        + line.arg(QObject::tr("Application channel:"), updateChannelName(channel))
        + line.arg(QObject::tr("Application architecture:"),
                   formatArchitecture(QStringLiteral("64")))
        + line.arg(QObject::tr("Creation date:"), serverDateTimeText(dateFormat));
    for (QRadioButton *type : ui->types) {
        if (type->isChecked())
            text += QStringLiteral("%1: %2\n").arg(ui->label->text(), type->text());
    }
    QString rating;
    for (QRadioButton *button : ui->ratings) {
        if (button->isChecked())
            rating = button->text();
    }
    text += line.arg(QObject::tr("Application rate:"), rating);
    const QString message = ui->textEdit->toPlainText();
    if (!message.isEmpty())
        text += line.arg(QObject::tr("Message:"), message);
    const bool withEmail = includeEmailSwitch->isChecked();
    if (withEmail)
        text += QStringLiteral("%1 %2").arg(QObject::tr("Email:"), ui->lineEdit->text());
    if (!attachmentNames.isEmpty())
        text += (withEmail ? QStringLiteral("\n%1\n%2") : QStringLiteral("%1\n%2"))
                    .arg(QObject::tr("Attachments:"), attachmentNames);
    return text;
}

void Feedback::showInputError(const QString &text)
{
    MsgDialog message(this, QObject::tr("Error"), text, 3, QDialogButtonBox::Ok);
    message.exec();
    ui->pushButton->setEnabled(true);
}

void Feedback::sendFeedback()
{
    ui->pushButton->setEnabled(false);

    const QString folder = reportFolderPath();
    feedbackDir.setPath(folder);
    if (!feedbackDir.exists())
        feedbackDir.mkpath(folder);
    reportFilePath = QDir::toNativeSeparators(
        folder + QLatin1Char('/')
        + reportFileName(QLocale::system().name(),
                         serverDateTimeText(QStringLiteral("yyyy.MM.dd.HH.mm.ss.zzz"))));
    delete reportFile; // the file object of a refused press
    reportFile = new QFile(reportFilePath, this);

    const bool justVote = ui->types[2]->isChecked();
    if (!justVote && ui->textEdit->toPlainText().isEmpty()) {
        showInputError(QObject::tr("Feedback field is empty!"));
        return;
    }
    bool rated = false;
    for (QRadioButton *rating : ui->ratings)
        rated = rated || rating->isChecked();
    if (!rated) {
        showInputError(QObject::tr("You forgot to rate this application!"));
        return;
    }
    if (includeEmailSwitch->isChecked()) {
        const QString email = ui->lineEdit->text();
        if (email.isEmpty()) {
            showInputError(QObject::tr("Email field is empty!"));
            return;
        }
        if (!isValidEmail(email)) {
            showInputError(QObject::tr("Please enter a valid email address!"));
            return;
        }
    }

    // UTF-8 keeps every character of the message; a report is written whole or not at all.
    QString reason;
    if (!AtomicFile::writeFile(reportFilePath, reportText().toUtf8(), &reason)) {
        showInputError(QFileInfo(reportFilePath).fileName() + QLatin1Char(' ')
                       + QObject::tr("file could not be saved!") + QLatin1Char('\n') + reason);
        return;
    }
    reportFile->deleteLater();
    reportFile = nullptr;
    // The form stays responsive while the vendor's host is tried; Send stays off meanwhile.
    checkNetworkAvailable(this, [this](bool reachable) {
        if (!reachable) {
            MsgDialog message(this, QObject::tr("Error"),
                              QObject::tr("Network connection is not available! Check your "
                                          "network and try again."),
                              3, QDialogButtonBox::Ok);
            message.exec();
            ui->pushButton->setEnabled(true);
            return;
        }
        sendEnded = false;
        uploadAttachments();
    });
}

void Feedback::uploadAttachments()
{
    if (attachmentPaths.isEmpty()) {
        uploadReport();
        return;
    }
    failedAttachment.clear();
    attachmentFailure.clear();
    const auto connectResults = [this](NetworkManager *request) {
        connect(request, &NetworkManager::uploadFailed, this, &Feedback::onAttachmentUploadFailed);
        connect(request, &NetworkManager::finished, this, &Feedback::onAttachmentsUploaded);
        // Without network the report is not tried: the send ends here instead of spinning on.
        connect(request, &NetworkManager::noNetworkAvailable, this,
                &Feedback::feedbackNetworkError);
    };
    UploadThread::uploadFiles(productName(), QStringLiteral("%1/files").arg("feedback"),
                              attachmentPaths, connectResults);

    loader = new LoaderWidget(this, true, true);
    loader->setLineLength(20);
    loader->setInnerRadius(20);
    loader->setColor(QColor(105, 140, 105));
    loader->setCursor(Qt::ArrowCursor);
    loader->start();
}

void Feedback::onAttachmentUploadFailed(const QString &fileName, const QString &reason)
{
    if (failedAttachment.isEmpty()) {
        failedAttachment = fileName;
        attachmentFailure = reason;
    }
}

void Feedback::onAttachmentsUploaded()
{
    // A report that names attachments the vendor never got would mislead: it waits for them.
    if (!failedAttachment.isEmpty())
        uploadFeedbackFailed(failedAttachment, attachmentFailure);
    else
        uploadReport();
}

void Feedback::uploadReport()
{
    if (sendEnded)
        return;
    UploadThread::uploadFile(
        UploadThread::telemetryRecord(feedbackDir.path(), reportFilePath,
                                      QStringLiteral("feedback")),
        [this](NetworkManager *request) {
            connect(request, &NetworkManager::dataUploaded, this,
                    &Feedback::uploadFeedbackFinished);
            connect(request, &NetworkManager::noNetworkAvailable, this,
                    &Feedback::feedbackNetworkError);
            connect(request, &NetworkManager::uploadFailed, this, &Feedback::uploadFeedbackFailed);
            connect(request, &NetworkManager::finished, this, &Feedback::stopLoader);
        });
}

void Feedback::stopLoader()
{
    if (!loader)
        return;
    loader->stop();
    loader->deleteLater();
    loader = nullptr;
}

void Feedback::uploadFeedbackFinished()
{
    if (sendEnded)
        return;
    sendEnded = true;
    stopLoader();
    ui->pushButton->setEnabled(true);
    MsgDialog message(this, QObject::tr("Feedback"), QObject::tr("Thank you for the feedback!"), 1,
                      QDialogButtonBox::Ok);
    message.exec();
    appendToLog(QStringLiteral("%1: %2").arg(currentTimestamp(),
                                             QObject::tr("feedback was successfully sent")));
    close();
}

void Feedback::feedbackNetworkError()
{
    if (sendEnded)
        return;
    sendEnded = true;
    stopLoader();
    MsgDialog message(this, QObject::tr("Error"),
                      QObject::tr("No network connection is available at this moment!"), 3,
                      QDialogButtonBox::Ok);
    message.exec();
    close();
}

void Feedback::uploadFeedbackFailed(const QString &fileName, const QString &reason)
{
    if (sendEnded)
        return;
    sendEnded = true;
    stopLoader();
    MsgDialog message(
        this, QObject::tr("Error"),
        QStringLiteral("%1\n%2: %3")
            .arg(QObject::tr("Failed to send the feedback!"), visibleFileName(fileName), reason),
        3, QDialogButtonBox::Ok);
    message.textLabel()->setTextFormat(Qt::PlainText);
    message.exec();
    ui->pushButton->setEnabled(true);
}
