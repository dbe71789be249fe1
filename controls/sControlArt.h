#pragma once
// The pictures the skinned controls carry inside the program.
namespace controls {

// Registers the gauge's light picture as the resource "ACGL". The program
// calls it once at start-up, before the windows are made.
void RegisterControlArt();

}  // namespace controls
