#pragma once
// One running instance per user: a one-byte shared-memory segment marks it, and a local socket
// in the user's runtime folder lets a later start ask it to bring its main window to the front.

#include <QObject>
#include <QSharedMemory>
#include <QString>

class QLocalServer;
class QTimer;

class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // `name` is the product display name; the segment and the socket are scoped to this user.
    explicit SingleInstance(const QString &name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The shared-memory key and the socket path used for `name` by this user.
    static QString userScopedKey(const QString &name);
    static QString socketPath(const QString &name);

    // Creates the segment. A segment left behind by a killed instance is reaped first, so it
    // never counts as a running instance. True when this process now holds the segment.
    bool claim();
    bool holdsSegment() const;
    QSharedMemory::SharedMemoryError lastError() const { return m_error; }

    // Starts answering later starts; true when listening. A socket file that no process
    // answers on is replaced.
    bool listen();
    bool isListening() const;

    // A start that runs beside its predecessor (the restart) takes over the segment and the
    // socket once the predecessor has gone; tries every `intervalMs`, `attempts` times.
    void takeOverWhenFree(int intervalMs = 500, int attempts = 40);

    // Asks the running instance to raise its top-level window whose title equals `title`.
    // True when it answered that such a window was raised.
    static bool raiseRunningInstance(const QString &name, const QString &title,
                                     int timeoutMs = 3000);

    // Brings the visible top-level widget with exactly this title to the front; false when
    // there is none.
    static bool raiseWindowTitled(const QString &title);

signals:
    // A later start asked for `title`; `raised` tells whether a window matched.
    void raiseRequested(const QString &title, bool raised);

private:
    void onNewConnection();
    void retryTakeOver();

    QString m_name;
    QSharedMemory m_memory;
    QSharedMemory::SharedMemoryError m_error = QSharedMemory::NoError;
    QLocalServer *m_server = nullptr;
    QTimer *m_retryTimer = nullptr;
    int m_attemptsLeft = 0;
};
