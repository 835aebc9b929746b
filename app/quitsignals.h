#pragma once
// SIGTERM, SIGINT and SIGHUP (a session logging out, Ctrl+C in a terminal, a closed terminal)
// end the program through its event loop, so the quit steps run as after closing the window.
// The handler only writes the signal's number into a pipe; the event loop reads it and quits.

#include <QObject>

class QSocketNotifier;

class QuitSignals : public QObject
{
    Q_OBJECT
public:
    // Installs the handlers (one object per process; a signal that was ignored at start stays
    // ignored). Without a pipe nothing is installed and the signals keep their default.
    explicit QuitSignals(QObject *parent = nullptr);
    ~QuitSignals() override;

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
