#pragma once
// Test double of the launcher: records every request and answers with chosen result codes.
// It never starts anything.

#include "platform/launcher.h"

#include <QHash>
#include <QVector>

namespace plat {

class FakeLauncher : public Launcher
{
public:
    struct Call
    {
        QString verb;
        QString file;
        QString parameters;
        // The argument list of executeProgram (empty for execute).
        QStringList arguments;
    };

    qint64 execute(const QString &verb, const QString &file, const QString &parameters) override;
    qint64 executeProgram(const QString &verb, const QString &program,
                          const QStringList &arguments) override;
    // Recorded with the verb "open".
    qint64 open(const QString &path) override;

    // Answer for every target without an answer of its own (default: started, 42).
    void setResult(qint64 result) { m_result = result; }
    void setResultFor(const QString &file, qint64 result) { m_results.insert(file, result); }

    const QVector<Call> &calls() const { return m_calls; }
    void clear() { m_calls.clear(); }

private:
    QVector<Call> m_calls;
    QHash<QString, qint64> m_results;
    qint64 m_result = shell::Started;
};

// Installs a launcher for the lifetime of the object and restores the previous one after.
class ScopedLauncher
{
public:
    explicit ScopedLauncher(std::shared_ptr<Launcher> replacement);
    ~ScopedLauncher();
    ScopedLauncher(const ScopedLauncher &) = delete;
    ScopedLauncher &operator=(const ScopedLauncher &) = delete;

private:
    std::shared_ptr<Launcher> m_previous;
};

} // namespace plat
