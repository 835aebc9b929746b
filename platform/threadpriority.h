#pragma once
// Scheduling weight of background threads.

namespace plat {

// Lowers the calling thread's scheduling priority (its nice value) by `steps`, so that the
// window's thread wins the processor whenever both are ready to run. Only the calling thread
// changes; failures are ignored (a thread that keeps its weight still works).
void lowerCurrentThreadPriority(int steps);

} // namespace plat
