// Uninstalling one program: its uninstall command runs as a child process in a session of its
// own, and the worker reports the end only when every process of that session has ended (an
// uninstaller often hands its work to a helper and exits at once; the helper is re-parented, so
// it is found by its session, not by its parent).

#include "worker.h"

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

} // namespace

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
                emit processFailed(rowId);
                // A process that never started sends no finished(): end the run here so the thread
                // can end.
                if (e == QProcess::FailedToStart && process->state() == QProcess::NotRunning) {
                    m_uninstallProcess = nullptr;
                    process->deleteLater();
                    emit collectorAborted();
                }
            });
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this, rowId](int, QProcess::ExitStatus) { uninstallFinished(rowId); });

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

void Worker::uninstallFinished(quint64 rowId)
{
    if (m_uninstallerPid < 1) {
        emit failedToRemoveProduct(QObject::tr("Failed to remove the program!"));
    } else {
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
    emit isUninstalling(false, rowId);
    if (QProcess *process = m_uninstallProcess) {
        m_uninstallProcess = nullptr;
        process->close();
        process->deleteLater();
    }
    emit finished();
}
