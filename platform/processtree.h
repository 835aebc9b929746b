#pragma once
// Process snapshot and waits, for an uninstaller's helpers. Linux re-parents orphans, so the
// helpers of an uninstaller are found by session: start it in a session of its own
// (SessionProcess) and wait for every process of that session.

#include <QProcess>
#include <QVector>

#include <memory>

namespace plat {

class ProcessTree
{
public:
    virtual ~ProcessTree() = default;
    // Processes whose parent is `pid`, at the moment of the call.
    virtual QVector<qint64> children(qint64 pid) = 0;
    // Processes of the session led by `leader` (the leader itself excluded), at the moment of
    // the call.
    virtual QVector<qint64> sessionMembers(qint64 leader) = 0;
    // Blocks until the process has ended. False when it could not be opened (already gone or
    // not ours); that counts as ended.
    virtual bool waitForExit(qint64 pid) = 0;
};

class SysRoot;
// /proc walk and pidfd waits.
std::shared_ptr<ProcessTree> makeLinuxProcessTree(const SysRoot &root);

// A QProcess whose child starts a new session, so its descendants can be found after it exits.
class SessionProcess : public QProcess
{
    Q_OBJECT
public:
    explicit SessionProcess(QObject *parent = nullptr);

protected:
    void setupChildProcess() override;
};

} // namespace plat
