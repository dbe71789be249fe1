#pragma once
namespace app {

// Ends the program at once with exit code 0, the way the end of the message
// loop does: the windows are destroyed (their destruction handlers write the
// settings) and the single-instance lock goes. Never returns.
[[noreturn]] void EndProgram();

// Destroys the application's windows, last made first.
void DestroyForms();

// What EndProgram must let go of besides the windows; set by the entry.
void SetProgramEndHook(void (*hook)());

}  // namespace app
