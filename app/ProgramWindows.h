#pragma once
namespace app {

// Creates the program's windows hidden, in their fixed order: main window,
// progress window, codec prompt, about window.
void CreateProgramWindows();

}  // namespace app
