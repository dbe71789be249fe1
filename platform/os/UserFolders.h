#pragma once
// Where the program keeps things: its own folder (the folder of the running
// executable), the per-user working folder, and the user's desktop folder.
// The program's folders come with a trailing delimiter.
#include <string>
#include <vector>

namespace os {

// The folder of the running executable.
std::string ProgramFolder();

// $XDG_CACHE_HOME/kestrune_temp_folder/ (default ~/.cache/...). Per user: a
// folder shared by all users would let one plant files into another's job.
std::string WorkingFolder();
// Creates the working folder (and its parents) readable by the user alone;
// false when it cannot be had.
bool CreateWorkingFolder();

// The XDG desktop folder (user-dirs.dirs, else ~/Desktop); the home folder
// where neither exists; empty only when the home folder is missing too.
std::string DesktopFolder();
// $HOME, else the user's entry in the password file, else "/"; without a
// trailing delimiter.
std::string HomeFolder();
// The XDG user folders of user-dirs.dirs other than the desktop (documents,
// downloads, music, pictures, videos, public share, templates) that exist,
// in that order, without trailing delimiters.
std::vector<std::string> UserDirs();

}  // namespace os
