#include "net/changelog.h"

#include "app/applog.h"
#include "app/atomicfile.h"
#include "app/dialogstyle.h"
#include "app/msgdialog.h"
#include "net/networkmanager.h"
#include "net/servertext.h"
#include "widgets/scrollbar.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextCodec>
#include <QThread>
#include <QVBoxLayout>

namespace {

// A cache larger than this is not a changelog: it is fetched again instead of shown.
constexpr qint64 maximumCacheBytes = 4 * 1024 * 1024;

// The cache is UTF-8; older versions wrote it in windows-1251, which is rarely valid UTF-8 once
// it holds a letter outside ASCII (a bullet alone is the byte 0x95).
QString decodeChangelog(const QByteArray &bytes)
{
    QTextCodec::ConverterState state;
    const QString text
        = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0 && state.remainingChars == 0)
        return text;
    return QTextCodec::codecForName("windows-1251")->toUnicode(bytes);
}

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

Changelog::~Changelog() = default;

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
    changelogPath = changelogFilePath();
    QFile file(changelogPath);
    if (file.size() == 0 || file.size() > maximumCacheBytes) {
        requestChangelog();
        clearButton->setEnabled(false);
        return;
    }
    if (file.exists()) {
        if (file.open(QIODevice::ReadOnly)) {
            changelogView->setPlainText(decodeChangelog(file.readAll()));
            file.close();
        }
        clearButton->setEnabled(true);
    }
}

bool Changelog::writeChangelog(const QString &text, QString *reason)
{
    return AtomicFile::writeFile(changelogPath, text.toUtf8(), reason);
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
    connect(manager, &NetworkManager::requestFailed, this, &Changelog::requestRefused);
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

    const QString notes = withListBullets(updateInfo);
    appendPlainText(changelogView,
                    QObject::tr("Build:") + QLatin1Char(' ') + updateVer + QLatin1Char('\n')
                        + QObject::tr("Channel:") + QLatin1Char(' ') + updateChannel
                        + QStringLiteral("\n\n") + QObject::tr("Changelog:") + QLatin1Char(' ')
                        + notes);

    clearButton->setEnabled(true);
    // The notes are shown either way; a cache that could not be written is fetched next time.
    QString reason;
    if (!writeChangelog(changelogView->toPlainText(), &reason)) {
        appendToLog(
            QStringLiteral("%1: %2: %3")
                .arg(currentTimestamp(), QObject::tr("changelog could not be saved"), reason));
        return;
    }
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

void Changelog::requestRefused(const QString &reason)
{
    pendingAnswered = true;
    clearButton->setEnabled(!changelogView->document()->isEmpty());
    updateButton->setEnabled(true);
    MsgDialog message(this, QObject::tr("Error"),
                      QObject::tr("Can't get changelog information.") + QLatin1Char(' ') + reason,
                      3, QDialogButtonBox::Ok);
    message.exec();
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
    writeChangelog(QString(), nullptr);
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
    QString reason;
    if (!writeChangelog(QString(), &reason)) {
        MsgDialog failed(this, QObject::tr("Error"),
                         QFileInfo(changelogPath).fileName() + QLatin1Char(' ')
                             + QObject::tr("file could not be saved!") + QLatin1Char('\n') + reason,
                         3, QDialogButtonBox::Ok);
        failed.exec();
        return;
    }
    changelogView->clear();
    clearButton->setEnabled(false);
    if (QFileInfo(changelogPath).size() == 0) {
        MsgDialog done(this, QObject::tr("Information"),
                       QObject::tr("Changelog was successfully cleared."), 1, QDialogButtonBox::Ok);
        done.exec();
    }
}

void Changelog::updateChangelog()
{
    if (!changelogView->document()->isEmpty()) {
        changelogView->clear();
        // Emptied now; the answer rewrites it.
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
