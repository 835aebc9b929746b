#include "standinprocess.h"

#include <QElapsedTimer>
#include <QFile>

#include <csignal>
#include <sys/prctl.h>

void StandInProcess::Child::setupChildProcess()
{
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
}

StandInProcess::~StandInProcess()
{
    stop();
}

bool StandInProcess::start(const QString &scriptName, const QStringList &args,
                           const QStringList &keys)
{
    stop();
    m_values.clear();
    const QString script = QStringLiteral(VN_SOURCE_DIR "/scripts/services/") + scriptName;
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(QStringLiteral("/usr/bin/python3"), QStringList { script } + args);
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    QByteArray output;
    while (clock.elapsed() < m_startTimeoutMs) {
        if (m_process.canReadLine() || m_process.waitForReadyRead(200))
            output += m_process.readAllStandardOutput();
        for (const QByteArray &line : output.split('\n')) {
            const int equals = line.indexOf('=');
            if (equals > 0)
                m_values.insert(QString::fromLocal8Bit(line.left(equals)),
                                QString::fromLocal8Bit(line.mid(equals + 1).trimmed()));
        }
        bool complete = true;
        for (const QString &key : keys)
            complete = complete && !m_values.value(key).isEmpty();
        if (complete)
            return true;
        if (m_process.state() == QProcess::NotRunning)
            break;
    }
    m_error = QString::fromLocal8Bit(output + m_process.readAllStandardError());
    stop();
    return false;
}

QStringList StandInProcess::lines(const QString &path)
{
    QFile log(path);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void StandInProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(m_stopTimeoutMs)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}
