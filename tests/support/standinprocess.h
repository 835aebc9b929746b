#pragma once
// A stand-in script of scripts/services for the object's lifetime; it prints KEY=value lines.

#include <QHash>
#include <QProcess>
#include <QString>
#include <QStringList>

class StandInProcess
{
public:
    explicit StandInProcess(int startTimeoutMs = 20000, int stopTimeoutMs = 3000)
        : m_startTimeoutMs(startTimeoutMs)
        , m_stopTimeoutMs(stopTimeoutMs)
    {
    }
    ~StandInProcess();

    // Waits until every one of `keys` is printed.
    bool start(const QString &scriptName, const QStringList &args, const QStringList &keys);
    void stop();

    QString value(const QString &key) const { return m_values.value(key); }
    static QStringList lines(const QString &path);
    QString errorText() const { return m_error; }

private:
    // Ends with the test process even when the test crashes or is killed, so that no stand-in
    // outlives a failed run.
    class Child : public QProcess
    {
    protected:
        void setupChildProcess() override;
    };

    int m_startTimeoutMs;
    int m_stopTimeoutMs;
    Child m_process;
    QHash<QString, QString> m_values;
    QString m_error;
};
