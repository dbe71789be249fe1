#pragma once
// Every child runs in a session of its own, out of reach of the terminal's
// Ctrl+C and of a signal to our process group, so nothing else would end an
// encoder whose program was told to end. The process groups of the children
// that run are kept here; when SIGTERM, SIGINT or SIGHUP ends the program (one
// whose handling it left at the default), they are killed first, and then the
// signal ends the program as it would have.
#include <sys/types.h>

namespace os {

// Spawn and reap call these; at most eight groups are kept, enough for the
// one encoder a job runs.
void KeepChildGroup(pid_t group);
void DropChildGroup(pid_t group);

}  // namespace os
