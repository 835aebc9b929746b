#pragma once
// A stand-in server script run with /usr/bin/python3 for the lifetime of the object. It reports
// its address as KEY=value lines on standard output.

#include <QHash>
#include <QProcess>
#include <QString>
#include <QStringList>

class StandInProcess
{
public:
    // How long start() waits for the keys, and stop() for the script to end before killing it
    // (a database script shuts its server down first).
    explicit StandInProcess(int startTimeoutMs = 20000, int stopTimeoutMs = 3000)
        : m_startTimeoutMs(startTimeoutMs)
        , m_stopTimeoutMs(stopTimeoutMs)
    {
    }
    ~StandInProcess();

    // Starts the script of scripts/services with the arguments and waits until it has printed
    // every one of `keys`; false (see errorText()) when it did not.
    bool start(const QString &scriptName, const QStringList &args, const QStringList &keys);
    void stop();

    QString value(const QString &key) const { return m_values.value(key); }
    // The non-empty lines of a stand-in's log file; none when it is missing.
    static QStringList lines(const QString &path);
    QString errorText() const { return m_error; }

private:
    int m_startTimeoutMs;
    int m_stopTimeoutMs;
    QProcess m_process;
    QHash<QString, QString> m_values;
    QString m_error;
};
