#pragma once
// Fault handling. A signal handler cannot show windows, so the handler only writes a crash report
// (with async-signal-safe calls, into a path prepared beforehand) and replaces the faulting
// process with a fresh copy of the program started with a hidden argument. That copy asks the
// user whether to send feedback, opens the feedback form, restarts the program with "-restart"
// and ends with exit code 3, so the faulting process ends with 3.

#include <QString>
#include <QStringList>

#include <csignal>
#include <functional>

class QWidget;

namespace CrashHandler {

// Hidden argument of the fresh copy, followed by the report path ("" when none was written).
extern const char feedbackArgument[];

// Exit code of a process that faulted.
constexpr int crashExitCode = 3;

// The folder crash reports go to: "CrashDumps" below the writable application-local data
// folder, in native separators. Needs the organisation and application names.
QString crashDumpFolder();

// Prepares the report folder, the report path and the program path, and installs
// crashHandler for SIGSEGV. Call once the organisation and application names are set.
bool install(const QString &dumpFolder);

// The SIGSEGV handler itself.
void crashHandler(int signalNumber, siginfo_t *info, void *context);

// True when `arguments` (as QCoreApplication::arguments()) start the fresh copy after a fault;
// `reportPath` receives the report's path.
bool isFeedbackRun(const QStringList &arguments, QString *reportPath = nullptr);

// What the fresh copy does: asks "Unexpected error has occurred! Do you want to submit the
// feedback?"; on Yes runs the feedback form (the hook below) and starts the program anew with
// "-restart". Returns crashExitCode.
int runFeedback(const QString &reportPath);

// The feedback form opened after a fault: runs it modally with the report path as a suggested
// attachment. Until a form is registered nothing is shown.
using FeedbackHook = std::function<void(const QString &reportPath)>;
void setFeedbackHook(FeedbackHook hook);

} // namespace CrashHandler
