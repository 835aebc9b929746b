#include "app/startup/singleinstance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

namespace {

// A per-user folder: the runtime folder (mode 0700) when there is one.
QString userFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

QByteArray readLine(QLocalSocket &socket, int timeoutMs)
{
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return QByteArray();
    }
    return socket.readLine().trimmed();
}

} // namespace

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_memory(userScopedKey(name))
{
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::userScopedKey(const QString &name)
{
    // Shared memory is visible to every user of the machine: key it by the user and the
    // user's runtime folder, so another user's instance (or another session) never counts.
    const QByteArray scope
        = QCryptographicHash::hash(userFolder().toUtf8(), QCryptographicHash::Sha1)
              .toHex()
              .left(12);
    return QStringLiteral("%1 %2 %3").arg(name).arg(getuid()).arg(QString::fromLatin1(scope));
}

QString SingleInstance::socketPath(const QString &name)
{
    QString file = name.toLower();
    file.replace(QLatin1Char(' '), QLatin1Char('-'));
    return userFolder() + QStringLiteral("/%1.instance").arg(file);
}

bool SingleInstance::claim()
{
    if (m_memory.isAttached())
        return true;
    // A killed instance leaves its segment behind with nobody attached; attaching and
    // detaching again removes such a segment, while a live instance keeps it.
    if (m_memory.attach(QSharedMemory::ReadOnly))
        m_memory.detach();
    const bool created = m_memory.create(1, QSharedMemory::ReadWrite);
    m_error = m_memory.error();
    return created && m_error != QSharedMemory::AlreadyExists;
}

bool SingleInstance::holdsSegment() const
{
    return m_memory.isAttached();
}

bool SingleInstance::listen()
{
    if (m_server && m_server->isListening())
        return true;
    const QString path = socketPath(m_name);
    {
        // Someone answers there: a live instance owns the socket.
        QLocalSocket probe;
        probe.connectToServer(path);
        if (probe.waitForConnected(500)) {
            probe.disconnectFromServer();
            return false;
        }
    }
    QLocalServer::removeServer(path);
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    }
    return m_server->listen(path);
}

bool SingleInstance::isListening() const
{
    return m_server && m_server->isListening();
}

void SingleInstance::takeOverWhenFree(int intervalMs, int attempts)
{
    if (holdsSegment() && isListening())
        return;
    m_attemptsLeft = attempts;
    if (!m_retryTimer) {
        m_retryTimer = new QTimer(this);
        connect(m_retryTimer, &QTimer::timeout, this, &SingleInstance::retryTakeOver);
    }
    m_retryTimer->start(intervalMs);
}

void SingleInstance::retryTakeOver()
{
    if (!holdsSegment())
        claim();
    if (!isListening())
        listen();
    if ((holdsSegment() && isListening()) || --m_attemptsLeft <= 0)
        m_retryTimer->stop();
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket]() {
            if (!socket->canReadLine())
                return;
            const QString title = QString::fromUtf8(socket->readLine().trimmed());
            const bool raised = raiseWindowTitled(title);
            socket->write(raised ? "1\n" : "0\n");
            socket->flush();
            socket->disconnectFromServer();
            emit raiseRequested(title, raised);
        });
    }
}

bool SingleInstance::raiseWindowTitled(const QString &title)
{
    if (title.isEmpty())
        return false;
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (!window->isVisible() || window->windowTitle() != title)
            continue;
        if (window->isMinimized())
            window->showNormal();
        window->raise();
        window->activateWindow();
        return true;
    }
    return false;
}

bool SingleInstance::raiseRunningInstance(const QString &name, const QString &title, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath(name));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray request = title.toUtf8();
    request.replace('\n', ' ');
    socket.write(request + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    return readLine(socket, timeoutMs) == "1";
}
