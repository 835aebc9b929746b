#include "net/changelog.h"

#include "app/applog.h"
#include "app/dialogstyle.h"
#include "app/msgdialog.h"
#include "net/networkmanager.h"
#include "widgets/scrollbar.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QThread>
#include <QVBoxLayout>

namespace {

const char changelogCodec[] = "windows-1251";

} // namespace

Changelog::Changelog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Changelog"));
    resize(600, 300);
    setWindowTitle(QObject::tr("Changelog"));
    setMinimumSize(600, 300);
    applyDialogWindowStyle(this);
    setAttribute(Qt::WA_DeleteOnClose);

    const QFont font = dialogFont();
    changelogView = new QTextBrowser(this);
    changelogView->setHorizontalScrollBar(new ScrollBar(this));
    changelogView->setVerticalScrollBar(new ScrollBar(this));
    changelogView->setFont(font);

    auto *frame = new QFrame(this);
    frame->setFrameStyle(0);
    clearButton = new QPushButton(QObject::tr("Clear"), frame);
    updateButton
        = new QPushButton(QIcon(QStringLiteral(":/Icon/sync.svg")), QObject::tr("Update"), frame);
    closeButton = new QPushButton(QObject::tr("Close"), frame);
    auto *buttonRow = new QHBoxLayout(frame);
    buttonRow->setAlignment(Qt::AlignRight);
    for (QPushButton *button : { clearButton, updateButton, closeButton }) {
        button->setFont(font);
        buttonRow->addWidget(button);
    }
    connect(clearButton, &QPushButton::clicked, this, &Changelog::clearChangelog);
    connect(updateButton, &QPushButton::clicked, this, &Changelog::updateChangelog);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto *viewRow = new QHBoxLayout;
    viewRow->setContentsMargins(0, 0, 0, 0);
    viewRow->addWidget(changelogView);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(viewRow);
    layout->addWidget(frame);
    fitDialogToContents(this, QSize(600, 300));

    loadChangelog();
}

Changelog::~Changelog()
{
    stream.setDevice(nullptr);
    delete changelogFile;
}

QString Changelog::changelogFilePath()
{
    const QString folder = QDir::toNativeSeparators(QStringLiteral("%1/%2").arg(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation),
        QStringLiteral("Changelog")));
    QDir().mkpath(folder);
    return QDir::toNativeSeparators(
        QStringLiteral("%1/%2.txt").arg(folder, QStringLiteral("Changelog")));
}

void Changelog::loadChangelog()
{
    changelogFile = new QFile(changelogFilePath());
    if (changelogFile->size() == 0) {
        requestChangelog();
        clearButton->setEnabled(false);
        return;
    }
    if (changelogFile->exists()) {
        stream.setDevice(changelogFile);
        stream.setCodec(changelogCodec);
        if (changelogFile->open(QIODevice::ReadOnly | QIODevice::Text)) {
            changelogView->setText(stream.readAll());
            changelogFile->close();
        }
        clearButton->setEnabled(true);
    }
}

void Changelog::requestChangelog()
{
    clearButton->setEnabled(false);
    updateButton->setEnabled(false);

    auto *thread = new QThread;
    auto *manager = new NetworkManager;
    manager->moveToThread(thread);
    qRegisterMetaType<QJsonParseError>("QJsonParseError");
    pendingRequest = manager;
    pendingAnswered = false;

    connect(manager, &NetworkManager::changelogInfo, this, &Changelog::getUpdateData);
    connect(manager, &NetworkManager::noNetConnection, this, &Changelog::changeLogUpdateError);
    connect(manager, &NetworkManager::jsonReaderError, this, &Changelog::setJsonReaderError);
    connect(manager, &NetworkManager::localeError, this, &Changelog::updateLocaleError);
    connect(manager, &NetworkManager::finished, this,
            [this, manager]() { onRequestFinished(manager); });
    connect(manager, &NetworkManager::finished, thread, &QThread::quit);
    connect(manager, &NetworkManager::finished, manager, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);

    QMetaObject::invokeMethod(manager, "checkForApplicationUpdates", Qt::AutoConnection,
                              Q_ARG(bool, false));
    thread->start(QThread::InheritPriority);
}

void Changelog::onRequestFinished(NetworkManager *request)
{
    // Only the identity is compared: the object lives on (and is released by) its own thread.
    if (request != pendingRequest)
        return;
    pendingRequest = nullptr;
    if (pendingAnswered)
        return;
    updateButton->setEnabled(true);
    clearButton->setEnabled(!changelogView->document()->isEmpty());
}

void Changelog::getUpdateData(const QString &updateVer, const QString &updateChannel,
                              const QString &updateInfo)
{
    pendingAnswered = true;
    updateButton->setEnabled(true);
    stream.setDevice(changelogFile);
    stream.setCodec(changelogCodec);

    QString notes = updateInfo;
    notes.replace(QLatin1Char('-'), QChar(0x2022));
    changelogView->append(QObject::tr("Build:") + QLatin1Char(' ') + updateVer + QLatin1Char('\n')
                          + QObject::tr("Channel:") + QLatin1Char(' ') + updateChannel
                          + QStringLiteral("\n\n") + QObject::tr("Changelog:") + QLatin1Char(' ')
                          + notes);

    if (changelogFile->isOpen() || changelogFile->open(QIODevice::WriteOnly | QIODevice::Text)) {
        stream << changelogView->toPlainText();
        stream.flush();
    }
    if (changelogFile->isOpen())
        changelogFile->close();
    clearButton->setEnabled(true);
    appendToLog(QStringLiteral("%1: %2").arg(currentTimestamp(),
                                             QObject::tr("changelog has been updated")));
}

void Changelog::changeLogUpdateError()
{
    pendingAnswered = true;
    clearButton->setEnabled(true);
    updateButton->setEnabled(true);
    MsgDialog message(this, QObject::tr("Error"),
                      QObject::tr("Can't get changelog information.") + QLatin1Char(' ')
                          + QObject::tr("Make sure you have network connection."),
                      3, QDialogButtonBox::Retry | QDialogButtonBox::Cancel);
    if (message.exec() == QDialogButtonBox::Retry)
        requestChangelog();
    else
        close();
}

void Changelog::updateLocaleError()
{
    pendingAnswered = true;
    clearButton->setEnabled(true);
    updateButton->setEnabled(true);
    MsgDialog message(this, QObject::tr("Error"), QObject::tr("Update localization error!"), 3,
                      QDialogButtonBox::Ok);
    message.exec();
    close();
}

void Changelog::clearFile()
{
    if (changelogFile->isOpen())
        changelogFile->close();
    if (changelogFile->open(QIODevice::WriteOnly | QIODevice::Truncate))
        changelogFile->write(QByteArray());
}

void Changelog::setJsonReaderError(QJsonParseError parseError)
{
    pendingAnswered = true;
    clearButton->setEnabled(true);
    updateButton->setEnabled(true);
    MsgDialog message(this, QObject::tr("Error"),
                      QObject::tr("Can't get changelog information.") + QLatin1Char(' ')
                          + QObject::tr("Error code:") + QLatin1Char(' ')
                          + QString::number(parseError.error),
                      3, QDialogButtonBox::Ok);
    message.exec();
    close();
}

void Changelog::clearChangelog()
{
    MsgDialog question(this, QObject::tr("Warning"),
                       QObject::tr("Do you really want to delete the changelog? This action "
                                   "cannot be undone."),
                       2, QDialogButtonBox::Yes | QDialogButtonBox::No);
    if (question.exec() != QDialogButtonBox::Yes || changelogView->document()->isEmpty())
        return;
    clearFile();
    changelogFile->close();
    changelogView->clear();
    clearButton->setEnabled(false);
    if (changelogFile->size() == 0) {
        MsgDialog done(this, QObject::tr("Information"),
                       QObject::tr("Changelog was successfully cleared."), 1, QDialogButtonBox::Ok);
        done.exec();
    }
}

void Changelog::updateChangelog()
{
    if (!changelogView->document()->isEmpty()) {
        changelogView->clear();
        // Emptied now and left open: the answer is written into it.
        clearFile();
    }
    requestChangelog();
}

void Changelog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(QObject::tr("Changelog"));
        clearButton->setText(QObject::tr("Clear"));
        updateButton->setText(QObject::tr("Update"));
        closeButton->setText(QObject::tr("Close"));
    }
    QDialog::changeEvent(event);
}
