#pragma once
// The folder picker's compiled-in pictures.
namespace controls {

// Registers the edit buttons' strips "SF", "SR", "SD", "SE" and "SC" and the
// folder tree's icons "DIRS_TREEICONS" as resources. Called once at start-up
// with the other controls' art; calling it again changes nothing.
void RegisterDirsArt();

}  // namespace controls
