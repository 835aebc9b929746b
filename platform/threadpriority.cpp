#include "threadpriority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>

namespace plat {

void lowerCurrentThreadPriority(int steps)
{
    // On Linux the nice value belongs to each thread: PRIO_PROCESS with a thread id sets that
    // thread's alone.
    const auto tid = static_cast<id_t>(syscall(SYS_gettid));
    errno = 0;
    const int current = getpriority(PRIO_PROCESS, tid);
    if (current == -1 && errno != 0)
        return;
    setpriority(PRIO_PROCESS, tid, current + steps);
}

} // namespace plat
