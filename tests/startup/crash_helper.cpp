// Crash tests' child: mode in argv[1], answer in VN_HELPER_ANSWER, markers in VN_HELPER_MARKERS.
// Also the quit signals' child ("quit-signals"): it quits on one as the program does, and its
// quit steps then take a minute.

#include "app/msgdialog.h"
#include "app/quitsignals.h"
#include "app/startup/crashhandler.h"
#include "app/startup/processentry.h"
#include "net/feedback.h"
#include "tests/support/appidentity.h"
#include "widgets/appqlabel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <pthread.h>

namespace {

void mark(const QString &name, const QString &content)
{
    QFile file(QDir(qEnvironmentVariable("VN_HELPER_MARKERS")).filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(content.toUtf8() + '\n');
}

int *volatile nowhere = nullptr;

// The fault is the point: the undefined-behaviour checker must let it reach the handler.
__attribute__((no_sanitize("undefined"))) void fault()
{
    *nowhere = 42;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion("4.1.3.742");
    const QStringList arguments = QCoreApplication::arguments();
    const QString mode = arguments.value(1);

    QString report;
    if (CrashHandler::isFeedbackRun(arguments, &report)) {
        const QString answer = qEnvironmentVariable("VN_HELPER_ANSWER");
        MsgDialog::setTestResponder([answer](MsgDialog *dialog) {
            // Whether this copy can be asked to quit while it asks.
            sigset_t blocked;
            pthread_sigmask(SIG_BLOCK, nullptr, &blocked);
            mark("sigterm", sigismember(&blocked, SIGTERM) ? "blocked" : "unblocked");
            mark("asked", dialog->windowTitle() + QLatin1Char('|') + dialog->textLabel()->text());
            return answer == QLatin1String("yes") ? int(QDialogButtonBox::Yes)
                                                  : int(QDialogButtonBox::No);
        });
        // The program's own form; once it runs, its attachments are noted and it is closed.
        CrashHandler::setFeedbackHook([](const QString &reportPath) {
            QTimer::singleShot(0, [] {
                auto *form = qobject_cast<Feedback *>(QApplication::activeModalWidget());
                mark("feedback",
                     form ? form->chosenAttachments().join(QLatin1Char('|'))
                          : QStringLiteral("no form"));
                if (form)
                    form->close();
            });
            Feedback::runAfterCrash(reportPath);
        });
        return CrashHandler::runFeedback(report);
    }
    if (mode == QLatin1String("-restart")) {
        mark("restarted", arguments.join(QLatin1Char(' ')));
        return 0;
    }

    if (mode == QLatin1String("quit-signals")) {
        const QuitSignals quitSignals;
        QObject::connect(&app, &QCoreApplication::aboutToQuit, [] {
            mark("quitting", QString());
            QThread::sleep(60);
        });
        mark("ready", QString());
        return app.exec() == 0 ? 93 : 94; // not reached when a second signal ends the program
    }

    if (mode == QLatin1String("restart-app")) {
        QTimer::singleShot(0, []() { ProcessEntry::restartApplication(); });
        return app.exec() == 0 ? 0 : 92;
    }

    if (!CrashHandler::install(CrashHandler::crashDumpFolder()))
        return 90;
    if (mode == QLatin1String("raise")) {
        std::raise(SIGSEGV);
    } else if (mode == QLatin1String("fault-thread")) {
        QThread *thread = QThread::create(&fault);
        thread->start();
        thread->wait();
    } else if (mode == QLatin1String("fault-masked-thread")) {
        // A thread that blocks every signal it can (as some libraries' threads do) faults.
        QThread *thread = QThread::create([] {
            sigset_t all;
            sigfillset(&all);
            sigdelset(&all, SIGSEGV);
            pthread_sigmask(SIG_SETMASK, &all, nullptr);
            fault();
        });
        thread->start();
        thread->wait();
    }
    return 91; // not reached when the fault is handled
}
