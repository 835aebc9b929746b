#include "app/startup/crashhandler.h"

#include "app/msgdialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <climits>
#include <cstring>
#include <execinfo.h>
#include <fcntl.h>
#include <pthread.h>
#include <time.h>
#include <unistd.h>

extern char **environ;

namespace CrashHandler {

const char feedbackArgument[] = "--crash-feedback";

namespace {

// Everything the handler touches is prepared here beforehand: it must not allocate, lock or
// call into Qt.
char g_programPath[PATH_MAX];
char g_reportPrefix[PATH_MAX];
char g_reportPath[PATH_MAX];
char g_header[256];
FeedbackHook g_feedbackHook;

// Async-signal-safe helpers.
size_t textLength(const char *text)
{
    size_t n = 0;
    while (text[n])
        ++n;
    return n;
}

void writeText(int fd, const char *text)
{
    size_t left = textLength(text);
    while (left > 0) {
        const ssize_t n = ::write(fd, text, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        text += n;
        left -= size_t(n);
    }
}

// Appends `text` to `buffer` (capacity `size`) at `*pos`; false when it does not fit.
bool append(char *buffer, size_t size, size_t *pos, const char *text)
{
    const size_t n = textLength(text);
    if (*pos + n + 1 > size)
        return false;
    for (size_t i = 0; i < n; ++i)
        buffer[(*pos)++] = text[i];
    buffer[*pos] = '\0';
    return true;
}

// Unsigned number in base 10 or 16 into `out` (at least 24 bytes).
void formatNumber(unsigned long long value, unsigned base, char *out)
{
    char digits[24];
    int n = 0;
    do {
        const unsigned d = unsigned(value % base);
        digits[n++] = char(d < 10 ? '0' + d : 'a' + d - 10);
        value /= base;
    } while (value > 0 && n < 23);
    int i = 0;
    if (base == 16) {
        out[i++] = '0';
        out[i++] = 'x';
    }
    while (n > 0)
        out[i++] = digits[--n];
    out[i] = '\0';
}

const char *signalName(int signalNumber)
{
    switch (signalNumber) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGFPE:
        return "SIGFPE";
    case SIGILL:
        return "SIGILL";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "signal";
    }
}

bool copyText(char *buffer, size_t size, const QByteArray &text)
{
    if (size_t(text.size()) + 1 > size)
        return false;
    std::memcpy(buffer, text.constData(), size_t(text.size()));
    buffer[text.size()] = '\0';
    return true;
}

// Writes the report; returns false when no file could be created.
bool writeReport(int signalNumber, siginfo_t *info)
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    char number[32];

    size_t pos = 0;
    g_reportPath[0] = '\0';
    if (!append(g_reportPath, sizeof g_reportPath, &pos, g_reportPrefix))
        return false;
    formatNumber(static_cast<unsigned long long>(now.tv_sec), 10, number);
    append(g_reportPath, sizeof g_reportPath, &pos, number);
    append(g_reportPath, sizeof g_reportPath, &pos, "_");
    formatNumber(static_cast<unsigned long long>(getpid()), 10, number);
    if (!append(g_reportPath, sizeof g_reportPath, &pos, number)
        || !append(g_reportPath, sizeof g_reportPath, &pos, ".dmp")) {
        g_reportPath[0] = '\0';
        return false;
    }

    const int fd = ::open(g_reportPath, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        g_reportPath[0] = '\0';
        return false;
    }
    writeText(fd, g_header);
    writeText(fd, "Signal: ");
    formatNumber(static_cast<unsigned long long>(signalNumber), 10, number);
    writeText(fd, number);
    writeText(fd, " (");
    writeText(fd, signalName(signalNumber));
    writeText(fd, ")\n");
    if (info) {
        writeText(fd, "Code: ");
        formatNumber(static_cast<unsigned long long>(static_cast<unsigned>(info->si_code)), 10,
                     number);
        writeText(fd, number);
        writeText(fd, "\nAddress: ");
        formatNumber(reinterpret_cast<unsigned long long>(info->si_addr), 16, number);
        writeText(fd, number);
        writeText(fd, "\n");
    }
    writeText(fd, "Process: ");
    formatNumber(static_cast<unsigned long long>(getpid()), 10, number);
    writeText(fd, number);
    writeText(fd, "\nTime: ");
    formatNumber(static_cast<unsigned long long>(now.tv_sec), 10, number);
    writeText(fd, number);
    writeText(fd, "\nBacktrace:\n");
    void *frames[64];
    const int count = backtrace(frames, 64);
    backtrace_symbols_fd(frames, count, fd);
    fsync(fd);
    ::close(fd);
    return true;
}

} // namespace

QString crashDumpFolder()
{
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
        + QStringLiteral("/CrashDumps"));
}

bool install(const QString &dumpFolder)
{
    if (!QDir().mkpath(dumpFolder))
        return false;
    // The program's own file, not argv[0]: the handler must find it without a search path.
    QString program = QCoreApplication::applicationFilePath();
    if (program.isEmpty())
        program = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    QString baseName = QCoreApplication::applicationName();
    baseName.replace(QLatin1Char(' '), QLatin1Char('_'));
    if (baseName.isEmpty())
        baseName = QStringLiteral("crash");
    const QString prefix = QDir(dumpFolder).absoluteFilePath(baseName + QLatin1Char('_'));
    const QByteArray header
        = QStringLiteral("%1 %2 crash report\n")
              .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion())
              .toUtf8();
    if (!copyText(g_programPath, sizeof g_programPath, QFile::encodeName(program))
        || !copyText(g_reportPrefix, sizeof g_reportPrefix, QFile::encodeName(prefix))
        || !copyText(g_header, sizeof g_header, header))
        return false;

    // backtrace() loads its unwinder on first use; do that now rather than inside the handler.
    void *frames[4];
    backtrace(frames, 4);

    struct sigaction action
    {
    };
    action.sa_sigaction = &crashHandler;
    sigemptyset(&action.sa_mask);
    // The default action is back in place as the handler starts, so a second fault ends the
    // process; the signal stays unblocked, so the fresh copy does not inherit it blocked.
    action.sa_flags = SA_SIGINFO | SA_RESETHAND | SA_NODEFER;
    if (sigaction(SIGSEGV, &action, nullptr) != 0)
        return false;
    return true;
}

void crashHandler(int signalNumber, siginfo_t *info, void *context)
{
    (void)context;
    writeReport(signalNumber, info);
    if (g_programPath[0] != '\0') {
        // The fresh copy inherits this thread's signal mask: a fault on a thread that blocks
        // signals, or a handler run with them blocked, would leave it deaf to SIGTERM and Ctrl+C.
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        char *const arguments[]
            = { g_programPath, const_cast<char *>(feedbackArgument), g_reportPath, nullptr };
        ::execve(g_programPath, arguments, environ);
    }
    // The fresh copy could not be started: end with the crash code all the same.
    _exit(crashExitCode);
}

bool isFeedbackRun(const QStringList &arguments, QString *reportPath)
{
    const int at = arguments.indexOf(QString::fromLatin1(feedbackArgument));
    if (at != 1)
        return false;
    if (reportPath)
        *reportPath = arguments.value(at + 1);
    return true;
}

void setFeedbackHook(FeedbackHook hook)
{
    g_feedbackHook = std::move(hook);
}

int runFeedback(const QString &reportPath)
{
    // The handler unblocks every signal before it starts this copy, but a handler run by another
    // signal layer (a sanitizer's) may not get that far with the mask it was given: this copy must
    // be able to be told to quit, and the copy it restarts inherits its mask in turn.
    sigset_t none;
    sigemptyset(&none);
    pthread_sigmask(SIG_SETMASK, &none, nullptr);
    MsgDialog question(nullptr, QObject::tr("Error"),
                       QObject::tr("Unexpected error has occurred! Do you want to submit the "
                                   "feedback?"),
                       3, QDialogButtonBox::Yes | QDialogButtonBox::No);
    if (question.exec() == QDialogButtonBox::Yes) {
        if (g_feedbackHook)
            g_feedbackHook(reportPath);
        const QStringList arguments = QCoreApplication::arguments();
        QProcess::startDetached(arguments.value(0), { QStringLiteral("-restart") });
    }
    return crashExitCode;
}

} // namespace CrashHandler
