#include "net/updates.h"

#include "app/applog.h"
#include "app/dialogstyle.h"
#include "app/fonts.h"
#include "app/msgdialog.h"
#include "app/productinfo.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "net/networkmanager.h"
#include "net/servertext.h"
#include "net/setupinstaller.h"
#include "widgets/scrollbar.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QThread>
#include <QVBoxLayout>

namespace Ui {
// The window's form: the text area, the progress bar, fourteen labels and two buttons.
class Updates
{
public:
    QTextBrowser *textBrowser = nullptr;
    QProgressBar *progressBar = nullptr;
    QLabel *label = nullptr; // status caption
    QLabel *label_2 = nullptr; // "Download path:"
    QLabel *label_3 = nullptr; // download folder link
    QLabel *label_4 = nullptr; // "Size:", later the success line
    QLabel *label_5 = nullptr; // "Speed:"
    QLabel *label_6 = nullptr; // "Install path:"
    QLabel *label_7 = nullptr; // install folder link
    QLabel *label_8 = nullptr; // remaining time
    QLabel *label_9 = nullptr; // "Elapsed:"
    QLabel *label_10 = nullptr; // "Remaining:"
    QLabel *label_11 = nullptr; // elapsed time
    QLabel *label_12 = nullptr; // speed
    QLabel *label_13 = nullptr; // sizes
    QLabel *label_14 = nullptr; // percentage or status
    QPushButton *pushButton = nullptr; // Download / Install
    QPushButton *pushButton_2 = nullptr; // Cancel / Close

    QList<QLabel *> labels() const
    {
        return { label,   label_2, label_3,  label_4,  label_5,  label_6,  label_7,
                 label_8, label_9, label_10, label_11, label_12, label_13, label_14 };
    }

    void setupUi(QWidget *window)
    {
        if (window->objectName().isEmpty())
            window->setObjectName(QStringLiteral("Updates"));
        window->resize(515, 350);
        textBrowser = new QTextBrowser(window);
        textBrowser->setObjectName(QStringLiteral("textBrowser"));
        progressBar = new QProgressBar(window);
        progressBar->setObjectName(QStringLiteral("progressBar"));
        progressBar->setValue(0);
        progressBar->setTextVisible(false);
        const char *const names[]
            = { "label",   "label_2", "label_3",  "label_4",  "label_5",  "label_6",  "label_7",
                "label_8", "label_9", "label_10", "label_11", "label_12", "label_13", "label_14" };
        QLabel **targets[]
            = { &label,   &label_2, &label_3,  &label_4,  &label_5,  &label_6,  &label_7,
                &label_8, &label_9, &label_10, &label_11, &label_12, &label_13, &label_14 };
        for (int i = 0; i < 14; ++i) {
            *targets[i] = new QLabel(window);
            (*targets[i])->setObjectName(QString::fromLatin1(names[i]));
        }
        pushButton = new QPushButton(window);
        pushButton->setObjectName(QStringLiteral("pushButton"));
        pushButton_2 = new QPushButton(window);
        pushButton_2->setObjectName(QStringLiteral("pushButton_2"));
    }
};
} // namespace Ui

namespace {

// The window title's word: a translation key whose English text is "Update".
QString updateTitleText()
{
    const QString text = QObject::tr("UpdateTitle");
    return text == QLatin1String("UpdateTitle") ? QObject::tr("Update") : text;
}

QString folderLink(const QString &folder)
{
    return QStringLiteral("<a style=\"text-decoration: none;\" href=\"#\">%1</a>").arg(folder);
}

} // namespace

Updates::Updates(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Updates)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("%1 - %2").arg(QString::fromLatin1(Product::displayName),
                                                 updateTitleText()));
    setMinimumSize(515, 360);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowOpacity(Settings::windowOpacity());

    const QFont bold = appFont(true);
    const QFont normal = appFont(false);
    for (QLabel *caption : { ui->label, ui->label_5, ui->label_4, ui->label_9, ui->label_10,
                             ui->label_2, ui->label_6 })
        caption->setFont(bold);
    for (QLabel *value : { ui->label_14, ui->label_12, ui->label_13, ui->label_11, ui->label_8,
                           ui->label_3, ui->label_7 })
        value->setFont(normal);
    ui->textBrowser->setFont(normal);
    ui->label_9->setText(QObject::tr("Elapsed:"));
    ui->label_10->setText(QObject::tr("Remaining:"));
    ui->label_2->setText(QObject::tr("Download path:"));
    ui->label_6->setText(QObject::tr("Install path:"));
    ui->label_3->setTextFormat(Qt::RichText);
    ui->label_7->setTextFormat(Qt::RichText);
    for (QLabel *label : ui->labels())
        label->hide();

    ui->pushButton->setText(QObject::tr("Download"));
    ui->pushButton->setFont(normal);
    ui->pushButton->setMinimumSize(75, textFitHeight(ui->pushButton, 25));
    ui->pushButton->setDefault(true);
    ui->pushButton_2->setText(QObject::tr("Cancel"));
    ui->pushButton_2->setFont(normal);
    ui->pushButton_2->setMinimumSize(75, textFitHeight(ui->pushButton_2, 25));

    connect(ui->label_3, &QLabel::linkActivated, this, &Updates::openDownloadFolder);
    connect(ui->label_7, &QLabel::linkActivated, this, &Updates::openInstallFolder);
    connect(ui->pushButton, &QPushButton::clicked, this, &Updates::startManualInstallProcess);
    connect(ui->pushButton_2, &QPushButton::clicked, this, &Updates::appCancelUpdates);

    ui->textBrowser->setHorizontalScrollBar(new ScrollBar(this));
    ui->textBrowser->setVerticalScrollBar(new ScrollBar(this));
    ui->textBrowser->setFixedHeight(154);
    ui->textBrowser->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Fixed);
    ui->progressBar->setFixedHeight(16);
    ui->progressBar->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Fixed);
    createLayout();
    fitDialogToContents(this, QSize(515, 360));
    connect(this, &Updates::updateReady, QCoreApplication::instance(), &QCoreApplication::quit);
}

Updates::~Updates()
{
    // The worker ends with finished(); a window destroyed without it (the application going
    // down) still stops the download and waits for its thread, bounded.
    if (workerThread) {
        if (worker)
            QMetaObject::invokeMethod(worker, "setDownloadCanceled", Qt::QueuedConnection);
        emit finished();
        if (workerThread)
            workerThread->wait(5000);
    }
    delete ui;
}

void Updates::createLayout()
{
    auto *textRow = new QVBoxLayout;
    textRow->addWidget(ui->textBrowser);
    textRow->addWidget(ui->progressBar);

    auto *statusRow = new QHBoxLayout;
    statusRow->addWidget(ui->label, 0, Qt::AlignLeft);
    statusRow->addWidget(ui->label_14, 1, Qt::AlignLeft);
    statusRow->addWidget(ui->label_5, 0, Qt::AlignCenter);
    statusRow->addWidget(ui->label_12, 1, Qt::AlignLeft);
    statusRow->addWidget(ui->label_4, 1, Qt::AlignRight);
    statusRow->addWidget(ui->label_13, 0, Qt::AlignRight);

    auto pairRow = [](QLabel *caption, QLabel *value) {
        auto *row = new QHBoxLayout;
        row->setAlignment(Qt::AlignLeft);
        row->addWidget(caption);
        row->addWidget(value);
        return row;
    };

    auto *buttonRow = new QHBoxLayout;
    buttonRow->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    buttonRow->addWidget(ui->pushButton);
    buttonRow->addWidget(ui->pushButton_2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(textRow);
    layout->addLayout(statusRow);
    layout->addLayout(pairRow(ui->label_9, ui->label_11));
    layout->addLayout(pairRow(ui->label_10, ui->label_8));
    layout->addLayout(pairRow(ui->label_2, ui->label_3));
    layout->addLayout(pairRow(ui->label_6, ui->label_7));
    layout->addLayout(buttonRow);
}

void Updates::offerUpdate(const QString &buildNumber, const QString &channel, const QString &info,
                          bool isAutoUpdate, const QString &url)
{
    appJsonData(buildNumber, channel, info);
    manualInstall = !isAutoUpdate;
    ui->pushButton->setVisible(manualInstall);
    downloadUrl = url;
    if (!manualInstall)
        startDownload(downloadUrl);
}

void Updates::appJsonData(const QString &appUpdatesVersion, const QString &appUpdatesChannel,
                          const QString &appUpdatesInfo)
{
    // The server's texts are shown as they are: no markup, line breaks kept.
    const QString notes = withListBullets(appUpdatesInfo);
    appendPlainText(ui->textBrowser,
                    QStringLiteral("%1 %2").arg(QObject::tr("Build:"), appUpdatesVersion));
    appendPlainText(ui->textBrowser,
                    QStringLiteral("%1 %2\n").arg(QObject::tr("Channel:"), appUpdatesChannel));
    appendPlainText(ui->textBrowser, QStringLiteral("%1 %2").arg(QObject::tr("Changelog:"), notes));
}

void Updates::startDownload(const QString &url)
{
    // One worker per window: a second request (a Download click after a restart) goes to the
    // same object, whose new download replaces the old one instead of racing it for the file.
    if (!worker) {
        auto *thread = new QThread;
        auto *manager = new NetworkManager;
        manager->moveToThread(thread);
        qRegisterMetaType<QJsonParseError>("QJsonParseError");
        qRegisterMetaType<QNetworkReply::NetworkError>("QNetworkReply::NetworkError");

        connect(manager, &NetworkManager::updatesPaths, this, &Updates::appUpdatePaths);
        connect(manager, &NetworkManager::jsonReaderError, this, &Updates::appJsonReaderError);
        connect(manager, &NetworkManager::downloadProgressData, this, &Updates::appProgressData);
        connect(manager, &NetworkManager::updateDownloadedSuccessfully, this,
                &Updates::appUpdatesDownloaded);
        connect(manager, &NetworkManager::installUpdate, this, &Updates::appInstallUpdate);
        connect(manager, &NetworkManager::failedToDeleteUpdateFile, this,
                &Updates::setFailedToDeleteUpdateFile);
        connect(manager, &NetworkManager::updateStarted, this, &Updates::appUpdateStarted);
        connect(this, &Updates::closeUpdate, manager, &NetworkManager::setDownloadCanceled);
        connect(manager,
                qOverload<int, QNetworkReply::NetworkError>(&NetworkManager::updateAborted), this,
                &Updates::setUpdateAborted);
        connect(manager, qOverload<>(&NetworkManager::updateAborted), this, &QWidget::close);
        connect(manager, &NetworkManager::updateFailed, this, &Updates::setUpdateFailed);
        connect(manager, &NetworkManager::noNetConnection, this, &Updates::setNoNetConnection);
        connect(this, &Updates::restartUpdateDownload, manager, &NetworkManager::validateUpdateUrl);
        connect(manager, &NetworkManager::urlValidated, this, &Updates::setValidatedUrl);
        connect(this, &Updates::runUpdate, manager, &NetworkManager::downloadUpdate);
        // The window's finished() stops the thread; the worker goes with the thread's end,
        // which runs on the worker's own thread, so the release is never lost to a loop that
        // has already stopped.
        connect(this, &Updates::finished, thread, &QThread::quit);
        connect(thread, &QThread::finished, manager, &QObject::deleteLater);
        connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        worker = manager;
        workerThread = thread;
        QMetaObject::invokeMethod(manager, "downloadUpdate", Qt::AutoConnection,
                                  Q_ARG(QString, url));
        thread->start(QThread::InheritPriority);
        return;
    }
    QMetaObject::invokeMethod(worker, "downloadUpdate", Qt::AutoConnection, Q_ARG(QString, url));
}

void Updates::appUpdateStarted()
{
    for (QLabel *label : ui->labels())
        label->show();
    ui->pushButton->setEnabled(false);
    m_state = Downloading;
}

void Updates::appUpdatePaths(const QString &downloadsPath, const QString &installPath)
{
    this->downloadsPath = downloadsPath;
    this->installPath = installPath;
    ui->label_11->setText(QObject::tr("Unknown"));
    ui->label_8->setText(QObject::tr("Unknown"));
    ui->label_3->setText(folderLink(downloadsPath));
    ui->label_7->setText(folderLink(installPath));
}

void Updates::appProgressData(double speed, const QString &speedUnit, int totalSize,
                              int totalMBReceived, int progressPercentage,
                              const QString &updateSizeUnit, const QString &elapsedTime,
                              const QString &remainingTime)
{
    ui->label_5->setText(QObject::tr("Speed:"));
    ui->label_12->setText(
        QStringLiteral("%1 %2").arg(speed, 3, 'f', 1, QLatin1Char(' ')).arg(speedUnit));
    ui->progressBar->setMaximum(totalSize);
    ui->progressBar->setValue(totalMBReceived);
    ui->label->setText(QObject::tr("Downloading:"));
    ui->label_14->setText(QStringLiteral("%1%").arg(progressPercentage));
    ui->label_4->setText(QObject::tr("Size:"));
    ui->label_13->setText(QStringLiteral("%1 %2 / %3 %4")
                              .arg(totalSize)
                              .arg(updateSizeUnit)
                              .arg(totalMBReceived)
                              .arg(updateSizeUnit));
    ui->label_11->setText(elapsedTime);
    ui->label_8->setText(remainingTime);
}

void Updates::appUpdatesDownloaded(int progressPercentage)
{
    m_state = Downloaded;
    if (manualInstall)
        offerInstallButton();
    for (QLabel *label : { ui->label_5, ui->label_10, ui->label_8, ui->label_12, ui->label_13 })
        label->hide();
    ui->label->setText(QObject::tr("Downloaded:"));
    ui->label_14->setText(QStringLiteral("%1%").arg(progressPercentage));
    // A bar that had no size to show its progress against ends full as well.
    if (ui->progressBar->maximum() == 0)
        ui->progressBar->setMaximum(1);
    ui->progressBar->setValue(ui->progressBar->maximum());
    ui->label_4->setText(QObject::tr("Downloaded successfully!"));
    ui->label_4->setStyleSheet(QStringLiteral("color: #008000;"));
    ui->label_4->setFont(appFont(true));
    ui->pushButton_2->setText(QObject::tr("Close"));
}

void Updates::offerInstallButton()
{
    ui->pushButton->setText(QObject::tr("Install"));
    ui->pushButton->show();
    ui->pushButton->setEnabled(true);
    ui->pushButton->setDefault(true);
}

void Updates::appInstallUpdate(const QString &filePath, const QStringList &arguments)
{
    installerFile = filePath;
    installerArguments = arguments;
    if (manualInstall)
        return;
    if (!launchSetup(filePath, arguments)) {
        // The setup did not start: the program stays, and the user may try again.
        manualInstall = true;
        offerInstallButton();
    }
}

bool Updates::launchSetup(const QString &filePath, const QStringList &arguments)
{
    const qint64 result = SetupInstaller::start(filePath, arguments);
    if (result <= 32) {
        showShellExecuteError(result, QObject::tr("Error"), this);
        return false;
    }
    appendToLog(QStringLiteral("%1: %2").arg(currentTimestamp(),
                                             QObject::tr("update was successfully installed!")));
    emit updateReady();
    emit finished();
    return true;
}

void Updates::startManualInstallProcess()
{
    if (manualInstall && ui->pushButton->text() == QObject::tr("Install")) {
        if (QFile::exists(installerFile)) {
            launchSetup(installerFile, installerArguments);
            return;
        }
        MsgDialog message(this, QObject::tr("Error"),
                          QObject::tr("File was not found! Do you want to restart update now?"), 3,
                          QDialogButtonBox::Yes | QDialogButtonBox::No);
        if (message.exec() == QDialogButtonBox::Yes)
            restartDownload();
        else
            close();
        return;
    }
    startDownload(downloadUrl);
}

void Updates::appCancelUpdates()
{
    if (ui->pushButton->isEnabled() && !ui->pushButton->isHidden()) {
        close();
        return;
    }
    if (ui->pushButton_2->text() == QObject::tr("Cancel")) {
        MsgDialog message(this, QObject::tr("Updates"),
                          QObject::tr("Do you want to cancel update?"), 4,
                          QDialogButtonBox::Yes | QDialogButtonBox::No);
        if (message.exec() == QDialogButtonBox::Yes)
            cancelDownload();
        return;
    }
    close();
}

void Updates::cancelDownload()
{
    if (m_state != Downloading) {
        // No download runs whose end would close the window (a try failed, or the setup's
        // address is still being asked for): stop what may still run and close now.
        m_state = Stopped;
        emit closeUpdate();
        close();
        return;
    }
    m_state = Stopped;
    ui->label->setText(QObject::tr("Status:"));
    ui->label_14->setText(QStringLiteral("<span style=\"color: #FF0000;\">%1</span>")
                              .arg(QObject::tr("cancelling...")));
    ui->label_14->setFont(appFont(false));
    for (QLabel *label : ui->labels()) {
        if (label != ui->label && label != ui->label_14)
            label->hide();
    }
    ui->progressBar->setValue(0);
    ui->progressBar->setMinimum(0);
    ui->progressBar->setMaximum(0);
    ui->pushButton->setEnabled(false);
    ui->pushButton_2->setEnabled(false);
    emit closeUpdate();
}

void Updates::restartDownload()
{
    ui->progressBar->setMinimum(0);
    ui->progressBar->setMaximum(100);
    ui->progressBar->setValue(0);
    for (QLabel *label : ui->labels())
        label->hide();
    ui->label_4->setStyleSheet(QString());
    ui->pushButton->setText(QObject::tr("Download"));
    ui->pushButton->setDefault(true);
    ui->pushButton_2->setText(QObject::tr("Cancel"));
    ui->pushButton_2->setEnabled(true);
    if (worker)
        emit restartUpdateDownload();
    else
        startDownload(downloadUrl);
}

void Updates::setValidatedUrl(const QString &url)
{
    downloadUrl = url;
    emit runUpdate(downloadUrl);
}

void Updates::setUpdateAborted(int statusCode, QNetworkReply::NetworkError netError)
{
    m_state = Stopped;
    MsgDialog message(
        this, QObject::tr("Error"),
        QStringLiteral("%1\n%2: %3\n%4: %5\n%6")
            .arg(QObject::tr("Update process has failed!"), QObject::tr("Status code"))
            .arg(statusCode)
            .arg(QObject::tr("Error code"))
            .arg(int(netError))
            .arg(QObject::tr("Do you want to restart update now?")),
        3, QDialogButtonBox::Yes | QDialogButtonBox::No);
    if (message.exec() == QDialogButtonBox::Yes)
        restartDownload();
    else
        close();
}

void Updates::setUpdateFailed(const QString &reason)
{
    m_state = Stopped;
    MsgDialog message(this, QObject::tr("Error"),
                      QStringLiteral("%1\n%2\n%3")
                          .arg(QObject::tr("Update process has failed!"), reason,
                               QObject::tr("Do you want to restart update now?")),
                      3, QDialogButtonBox::Yes | QDialogButtonBox::No);
    if (message.exec() == QDialogButtonBox::Yes)
        restartDownload();
    else
        close();
}

void Updates::setFailedToDeleteUpdateFile()
{
    m_state = Stopped;
    MsgDialog message(this, QObject::tr("Error"), QObject::tr("Failed to delete the update file!"),
                      3, QDialogButtonBox::Ok);
    message.exec();
}

void Updates::appJsonReaderError(QJsonParseError readerError)
{
    m_state = Stopped;
    MsgDialog message(this, QObject::tr("Error"),
                      QObject::tr("Error code:") + QLatin1Char(' ')
                          + QString::number(readerError.error),
                      3, QDialogButtonBox::Ok);
    message.exec();
    close();
}

void Updates::setNoNetConnection()
{
    m_state = Stopped;
    MsgDialog message(nullptr, QObject::tr("Error"),
                      QObject::tr("No network connection has been found!") + QLatin1Char(' ')
                          + QObject::tr("Check for update has been skipped!"),
                      3, QDialogButtonBox::Ok);
    message.exec();
    close();
}

void Updates::closeEvent(QCloseEvent *event)
{
    if (m_state == Downloading) {
        cancelDownload();
        event->ignore();
        return;
    }
    emit displayWindow();
    emit finished();
    event->accept();
}

void Updates::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(updateTitleText());
        ui->label_2->setText(QObject::tr("Download path:"));
        ui->label_6->setText(QObject::tr("Install path:"));
        ui->label_9->setText(QObject::tr("Elapsed:"));
        ui->label_10->setText(QObject::tr("Remaining:"));
        ui->pushButton->setText(QObject::tr("Download"));
        ui->pushButton_2->setText(QObject::tr("Cancel"));
    }
    QWidget::changeEvent(event);
}

void Updates::openDownloadFolder()
{
    if (launchShellCommand(false, downloadsPath) > 32)
        return;
    MsgDialog message(this, QObject::tr("Error"),
                      QObject::tr("Failed to open the download directory!"), 3,
                      QDialogButtonBox::Ok);
    message.exec();
}

void Updates::openInstallFolder()
{
    if (launchShellCommand(false, installPath) > 32)
        return;
    MsgDialog message(this, QObject::tr("Error"),
                      QObject::tr("Failed to open the install directory!"), 3,
                      QDialogButtonBox::Ok);
    message.exec();
}
