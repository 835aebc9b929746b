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
    // Installs the handlers; false when the pipe or a handler could not be set up.
    explicit QuitSignals(QObject *parent = nullptr);
    ~QuitSignals() override;
    bool isInstalled() const { return m_notifier != nullptr; }

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
