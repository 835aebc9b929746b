#pragma once
// The program's restart of itself (after a font change, after a crash report).

#include <functional>

namespace ProcessEntry {

// The one command-line argument the program knows: a restart of the program by itself.
extern const char restartArgument[];

// Ends the event loop with 0 and starts a detached copy of the program with "-restart".
void restartApplication();

// Test seam: while set, restartApplication runs the handler instead (no process is started).
void setRestartHandler(std::function<void()> handler);

} // namespace ProcessEntry
