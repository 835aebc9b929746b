#include "net/logdialog.h"

#include "app/applog.h"
#include "app/atomicfile.h"
#include "app/dialogstyle.h"
#include "app/filedialogs.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "net/networkmanager.h"
#include "net/uploadthread.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <cerrno>
#include <sys/stat.h>

namespace Ui {
// The dialog's form: the frame of the button row.
class Log
{
public:
    QFrame *frame = nullptr;

    void setupUi(QDialog *dialog)
    {
        dialog->setObjectName(QStringLiteral("Log"));
        dialog->resize(600, 380);
        frame = new QFrame(dialog);
        frame->setObjectName(QStringLiteral("frame"));
    }
};
} // namespace Ui

namespace {

// Makes the folder and the missing ones above it. On failure, the system's reason for the one
// that could not be made (a full disk refuses a folder as it refuses a file).
bool makeFolder(const QString &folder, QString *reason)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return true;
    const QString parent = info.absolutePath();
    if (parent != info.absoluteFilePath() && !makeFolder(parent, reason))
        return false;
    if (::mkdir(QFile::encodeName(info.absoluteFilePath()).constData(), 0777) == 0)
        return true;
    const int error = errno;
    if (error == EEXIST && QFileInfo(folder).isDir())
        return true;
    *reason = qt_error_string(error);
    return false;
}

} // namespace

Log::Log(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Log)
{
    ui->setupUi(this);
    setMinimumSize(600, 380);
    applyDialogWindowStyle(this);
    ui->frame->setFrameStyle(0);

    const QFont font = dialogFont();
    auto *buttonRow = new QHBoxLayout(ui->frame);
    for (QPushButton **button : { &saveButton, &saveAsButton, &openButton, &clearButton,
                                  &deleteButton, &sendButton, &closeButton }) {
        *button = new QPushButton(ui->frame);
        (*button)->setFont(font);
        (*button)->setEnabled(button == &closeButton);
        buttonRow->addWidget(*button);
    }
    retranslate();
    connect(saveButton, &QPushButton::clicked, this, &Log::saveLog);
    connect(saveAsButton, &QPushButton::clicked, this, &Log::saveLogAs);
    connect(openButton, &QPushButton::clicked, this, &Log::openLog);
    connect(clearButton, &QPushButton::clicked, this, &Log::clearLog);
    connect(deleteButton, &QPushButton::clicked, this, &Log::deleteLog);
    connect(sendButton, &QPushButton::clicked, this, &Log::sendLog);
    connect(closeButton, &QPushButton::clicked, this, &Log::close);

    auto *viewRow = new QHBoxLayout;
    viewRow->setContentsMargins(0, 0, 0, 0);
    viewRow->addWidget(logView());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(viewRow);
    layout->addWidget(ui->frame);
    fitDialogToContents(this, QSize(600, 380));

    logDirPath = logFolderPath();
    logDir.setPath(logDirPath);
    defaultLogPath = ::defaultLogFilePath();

    const bool hasText = !logView()->document()->isEmpty();
    const bool hasSavedLog = QFile::exists(logPathSetting());
    saveButton->setEnabled(hasText || hasSavedLog);
    saveAsButton->setEnabled(hasText || hasSavedLog);
    clearButton->setEnabled(hasText || hasSavedLog);
    setSavedLogActionsEnabled(hasText && hasSavedLog);
    // Lines logged after a Clear give the text buttons something to act on again.
    connect(logView()->document(), &QTextDocument::contentsChanged, this, [this]() {
        if (logView()->document()->isEmpty())
            return;
        for (QPushButton *button : { saveButton, saveAsButton, clearButton })
            button->setEnabled(true);
    });
}

Log::~Log()
{
    // The log outlives this window: the view goes back to being the process's own.
    logView()->setParent(nullptr);
    delete logFile;
    delete logFileAs;
    delete ui;
}

void Log::retranslate()
{
    setWindowTitle(QObject::tr("Log"));
    saveButton->setText(QObject::tr("Save"));
    saveAsButton->setText(QObject::tr("Save as"));
    openButton->setText(QObject::tr("Open"));
    clearButton->setText(QObject::tr("Clear"));
    deleteButton->setText(QObject::tr("Delete"));
    sendButton->setText(QObject::tr("Send"));
    closeButton->setText(QObject::tr("Close"));
}

void Log::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void Log::setSavedLogActionsEnabled(bool enabled)
{
    openButton->setEnabled(enabled);
    deleteButton->setEnabled(enabled);
    sendButton->setEnabled(enabled);
}

void Log::logSaved()
{
    setSavedLogActionsEnabled(true);
}

void Log::deletedAppLog()
{
    MsgDialog message(this, QObject::tr("Log"), QObject::tr("Log file was successfully deleted!"),
                      1, QDialogButtonBox::Ok);
    message.exec();
    setSavedLogActionsEnabled(false);
}

void Log::fileNotFound()
{
    MsgDialog message(this, QObject::tr("Error"), QObject::tr("Log file is not exists!"), 3,
                      QDialogButtonBox::Ok);
    message.exec();
    setSavedLogActionsEnabled(false);
}

void Log::replaceFile(QFile *&slot, const QString &path)
{
    delete slot;
    slot = new QFile(path);
}

bool Log::writeLog(const QString &path)
{
    if (path.isEmpty())
        return false;
    // UTF-8 keeps every character of the log; the file is replaced only when written whole.
    QString reason;
    if (AtomicFile::writeFile(path, logText().toUtf8(), &reason))
        return true;
    saveFailed(path, reason);
    return false;
}

void Log::saveFailed(const QString &path, const QString &reason)
{
    MsgDialog message(this, QObject::tr("Error"),
                      QFileInfo(path).fileName() + QLatin1Char(' ')
                          + QObject::tr("file could not be saved!") + QLatin1Char('\n') + reason,
                      3, QDialogButtonBox::Ok);
    message.exec();
}

void Log::confirmSaved(const QString &path)
{
    MsgDialog message(this, QObject::tr("Log"),
                      QObject::tr("Log file was successfully saved!") + QStringLiteral("\n")
                          + QObject::tr("Log path:") + QStringLiteral(" ") + path,
                      1, QDialogButtonBox::Ok);
    message.exec();
    logSaved();
}

void Log::saveLog()
{
    replaceFile(logFile, defaultLogPath);
    savedToDefault = true;
    // A failed save leaves the setting naming the last log that was written.
    QString reason;
    if (!makeFolder(logDirPath, &reason)) {
        saveFailed(defaultLogPath, reason);
        return;
    }
    if (!writeLog(defaultLogPath))
        return;
    Settings::setSettingsValue(QStringLiteral("AppSettings"), QStringLiteral("LogPath"),
                               defaultLogPath);
    if (QFileInfo(defaultLogPath).size() > 0)
        confirmSaved(defaultLogPath);
}

void Log::saveLogAs()
{
    saveAsPath
        = FileDialogs::saveFileName(this, QObject::tr("Save as"), defaultLogPath,
                                    QObject::tr("Text Documents") + QStringLiteral("(*.txt);;")
                                        + QObject::tr("All Files") + QStringLiteral("(*.*)"));
    replaceFile(logFileAs, saveAsPath);
    savedToDefault = false;
    if (writeLog(saveAsPath) && QFileInfo(saveAsPath).size() > 0)
        confirmSaved(saveAsPath);
}

void Log::openLog()
{
    const QString savedPath = logPathSetting();
    if (!savedPath.isEmpty())
        openWithDefaultApplication(savedPath);
    else if (logFile && logFile->exists())
        openWithDefaultApplication(defaultLogPath);
    else if (logFileAs && logFileAs->exists())
        openWithDefaultApplication(saveAsPath);
    else if (logFile || logFileAs)
        fileNotFound();
}

void Log::clearLog()
{
    logView()->clear();
    saveButton->setEnabled(false);
    saveAsButton->setEnabled(false);
    clearButton->setEnabled(false);
    setSavedLogActionsEnabled(!logPathSetting().isEmpty());
}

void Log::deleteLog()
{
    if (!logPathSetting().isEmpty()) {
        // The setting names a log only while that log is there.
        clearLogPathSetting();
        deletedAppLog();
    } else if (logFile && logFile->exists()) {
        logFile->remove();
        deletedAppLog();
    } else if (logFileAs && logFileAs->exists()) {
        logFileAs->remove();
        deletedAppLog();
    } else if (logFile || logFileAs) {
        fileNotFound();
    }
}

void Log::sendLog()
{
    setSavedLogActionsEnabled(false);
    // The window stays responsive while the vendor's host is tried; Send stays off meanwhile.
    checkNetworkAvailable(this, [this](bool reachable) {
        if (reachable)
            sendReachableLog();
        else
            networkUnavailable();
    });
}

void Log::networkUnavailable()
{
    sendButton->setEnabled(true);
    MsgDialog message(this, QObject::tr("Error"),
                      QObject::tr("Network connection is not available! Check your network and "
                                  "try again."),
                      3, QDialogButtonBox::Ok);
    message.exec();
}

void Log::sendReachableLog()
{
    const QString savedPath = logPathSetting();
    if (!savedPath.isEmpty())
        uploadData(savedPath);
    else if (savedToDefault && logFile && logFile->exists())
        uploadData(logFile->fileName());
    else if (!savedToDefault && logFileAs && logFileAs->exists())
        uploadData(logFileAs->fileName());
    else
        fileNotFound();
}

void Log::uploadData(const QString &fileName)
{
    sendingPath = fileName;
    // The log folder goes with the upload: the file sent and every log saved beside it.
    UploadThread::uploadFile(
        UploadThread::telemetryRecord(logDir.path(), fileName, QStringLiteral("log")),
        [this](NetworkManager *request) {
            connect(request, &NetworkManager::dataUploaded, this, &Log::uploadFinished);
            connect(request, &NetworkManager::noNetworkAvailable, this, &Log::logNetworkError);
            connect(request, &NetworkManager::uploadFailed, this, &Log::uploadFailed);
        });
}

void Log::uploadFinished()
{
    // The sent file is gone with the log folder; its file object is released, never reused.
    for (QFile **slot : { &logFile, &logFileAs }) {
        if (*slot && (*slot)->fileName() == sendingPath) {
            delete *slot;
            *slot = nullptr;
        }
    }
    sendingPath.clear();
    clearLogPathSetting();
    MsgDialog message(this, QObject::tr("Log"), QObject::tr("Log file was successfully sent!"), 1,
                      QDialogButtonBox::Ok);
    message.exec();
}

void Log::logNetworkError()
{
    sendingPath.clear();
    sendButton->setEnabled(false);
    MsgDialog message(this, QObject::tr("Error"),
                      QObject::tr("You are offline. Go online and try again!"), 3,
                      QDialogButtonBox::Ok);
    message.exec();
}

void Log::uploadFailed(const QString &fileName, const QString &reason)
{
    sendingPath.clear();
    MsgDialog message(this, QObject::tr("Error"),
                      QStringLiteral("%1\n%2: %3")
                          .arg(QObject::tr("Failed to send the log file!"), fileName, reason),
                      3, QDialogButtonBox::Ok);
    message.exec();
    // Nothing was removed: the saved log can be opened, deleted or sent again.
    setSavedLogActionsEnabled(true);
}
