#include "app/quitsignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int kQuitSignals[] = { SIGTERM, SIGINT, SIGHUP };
int g_pipe[2] = { -1, -1 };
bool g_installed[3] = {};

// Gives back the default action of every signal this object took over.
void restoreDefaults()
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int at = 0; at < 3; ++at) {
        if (g_installed[at])
            ::sigaction(kQuitSignals[at], &action, nullptr);
        g_installed[at] = false;
    }
}

void onQuitSignal(int signalNumber)
{
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request: dropping this one loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &number, 1);
    errno = saved;
}

} // namespace

QuitSignals::QuitSignals(QObject *parent)
    : QObject(parent)
{
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls go on: the loop, not the handler, decides what happens.
    action.sa_flags = SA_RESTART;
    for (int at = 0; at < 3; ++at) {
        // A signal ignored by whoever started the program (nohup, a background job) stays so.
        struct sigaction inherited = {};
        if (::sigaction(kQuitSignals[at], nullptr, &inherited) == 0
            && inherited.sa_handler == SIG_IGN)
            continue;
        if (::sigaction(kQuitSignals[at], &action, nullptr) != 0) {
            restoreDefaults();
            return;
        }
        g_installed[at] = true;
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignals::readSignal);
}

QuitSignals::~QuitSignals()
{
    restoreDefaults();
    for (int &fd : g_pipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void QuitSignals::readSignal()
{
    unsigned char number = 0;
    if (::read(g_pipe[0], &number, 1) != 1)
        return;
    m_notifier->setEnabled(false);
    // A second signal while the quit steps run ends the program at once, as without a handler.
    restoreDefaults();
    QCoreApplication::quit();
}
