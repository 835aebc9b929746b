// Uninstalling one program: its uninstall command runs as a child process in a session of its
// own, and the worker reports the end only when every process of that session has ended (an
// uninstaller often hands its work to a helper and exits at once; the helper is re-parented, so
// it is found by its session, not by its parent).

#include "worker.h"

#include "platform/packageremoval.h"
#include "platform/platform.h"

#include <QFileInfo>
#include <QObject>
#include <QProcess>
#include <QSet>

namespace {

// Program and arguments of a command text, without a shell: a command that names one existing
// file is that file (its path may hold blanks); otherwise the text is split into words, with
// quotes grouping words as a command line does.
bool splitUninstallCommand(const QString &command, QString *program, QStringList *arguments)
{
    const QString text = command.trimmed();
    if (text.isEmpty() || text == QObject::tr("Unknown"))
        return false;
    if (QFileInfo(text).isFile()) {
        *program = text;
        arguments->clear();
        return true;
    }
    QStringList words = QProcess::splitCommand(text);
    if (words.isEmpty())
        return false;
    *program = words.takeFirst();
    *arguments = words;
    return true;
}

// Why an uninstaller that ran did not succeed; empty when it did. pkexec has two exits of its
// own: 126 when the authentication dialog was dismissed or refused, 127 when it could not
// authorise at all (no agent, not allowed).
QString uninstallFailure(const QString &program, int exitCode, QProcess::ExitStatus exitStatus)
{
    if (exitStatus == QProcess::CrashExit)
        return QObject::tr("The uninstaller crashed.");
    if (exitCode == 0)
        return QString();
    if (program.mid(program.lastIndexOf(QLatin1Char('/')) + 1) == QLatin1String("pkexec")) {
        if (exitCode == 126)
            return QObject::tr("The request for administrator rights was cancelled or refused.");
        if (exitCode == 127)
            return QObject::tr("Administrator rights could not be obtained (not authorized, or "
                               "no authentication agent is running).");
    }
    return QObject::tr("The uninstaller ended with exit code %1.").arg(exitCode);
}

} // namespace

void Worker::planUninstall(const QString &command, quint64 rowId)
{
    QString program;
    QStringList arguments;
    plat::packages::RemovalPlan plan;
    if (splitUninstallCommand(command, &program, &arguments))
        plan = plat::packages::removalPlan(QStringList { program } + arguments);
    QString error;
    using Outcome = plat::packages::RemovalPlan::Outcome;
    switch (plan.outcome) {
    case Outcome::Listed:
        break;
    case Outcome::ToolMissing:
        error = QObject::tr("apt-get was not found.");
        break;
    case Outcome::TimedOut:
        error = QObject::tr("apt-get gave no answer in time.");
        break;
    case Outcome::Failed:
        error = plan.toolMessage.isEmpty()
            ? QObject::tr("apt-get ended with exit code %1.").arg(plan.exitCode)
            : plan.toolMessage;
        break;
    }
    emit uninstallPlanned(rowId, plan.packageRemoval, plan.packages, error);
    emit finished();
}

void Worker::productUninstall(const QString &command, quint64 rowId)
{
    QString program;
    QStringList arguments;
    if (!splitUninstallCommand(command, &program, &arguments)) {
        // Nothing that could be started: reported as a process that failed to start.
        emit processFailed(rowId);
        emit collectorAborted();
        return;
    }

    auto *process = new plat::SessionProcess(this);
    m_uninstallProcess = process;
    connect(process, &QProcess::started, this,
            [this, rowId]() { emit isUninstalling(true, rowId); });
    connect(process, &QProcess::errorOccurred, this,
            [this, process, rowId](QProcess::ProcessError e) {
                // Only a program that could not start is offered to be taken off the list; a
                // crash or any other error ends in finished(), which reports it.
                if (e != QProcess::FailedToStart)
                    return;
                emit processFailed(rowId);
                // A process that never started sends no finished(): end the run here so the thread
                // can end.
                if (process->state() == QProcess::NotRunning) {
                    m_uninstallProcess = nullptr;
                    process->deleteLater();
                    emit collectorAborted();
                }
            });
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this, rowId](int exitCode, QProcess::ExitStatus exitStatus) {
                uninstallFinished(rowId, exitCode, exitStatus);
            });

    // The uninstaller talks to no one through its standard channels; nothing it or its helpers
    // write can fill a pipe that is no longer read while the worker waits for them.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->setProgram(program);
    process->setArguments(arguments);
    process->start(QIODevice::ReadWrite);
    m_uninstallerPid = process->state() == QProcess::NotRunning ? 0 : process->processId();
}

void Worker::uninstallFinished(quint64 rowId, int exitCode, QProcess::ExitStatus exitStatus)
{
    QString failure;
    if (m_uninstallerPid < 1) {
        emit failedToRemoveProduct(QObject::tr("Failed to remove the program!"));
    } else {
        failure = uninstallFailure(m_uninstallProcess ? m_uninstallProcess->program() : QString(),
                                   exitCode, exitStatus);
        // The uninstaller led its own session; wait for every process still in it, and for any
        // that those start meanwhile, until the session is empty. A process is waited for once.
        const std::shared_ptr<plat::ProcessTree> tree = plat::processTree();
        QSet<qint64> waited;
        for (;;) {
            bool any = false;
            for (const qint64 pid : tree->sessionMembers(m_uninstallerPid)) {
                if (waited.contains(pid))
                    continue;
                waited.insert(pid);
                any = true;
                tree->waitForExit(pid);
            }
            if (!any)
                break;
        }
    }
    // Said once the session has ended, with the reason, before the row is looked at again.
    if (!failure.isEmpty())
        emit failedToRemoveProduct(QObject::tr("Failed to remove the program!") + QLatin1Char('\n')
                                   + failure);
    emit isUninstalling(false, rowId);
    if (QProcess *process = m_uninstallProcess) {
        m_uninstallProcess = nullptr;
        process->close();
        process->deleteLater();
    }
    emit finished();
}
