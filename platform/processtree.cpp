#include "processtree.h"
#include "processtree_linux.h"

#include <unistd.h>

namespace plat {

SessionProcess::SessionProcess(QObject *parent)
    : QProcess(parent)
{
}

void SessionProcess::setupChildProcess()
{
    // Runs in the child between fork and exec: a new session whose id is the child's pid.
    // Under test a package tool never runs (exit status 126, as for a command that cannot run).
    if (refusedUnderTest(program(), arguments()))
        ::_exit(126);
    ::setsid();
}

} // namespace plat
