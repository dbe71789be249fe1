#pragma once
// The file operations the program needs, with the original platform's habits:
// results of deleting, moving and creating folders are there to be looked at
// or not, as the caller likes; nothing raises.
#include <string>

namespace os {

// Paths use the POSIX delimiter wherever the program appends or tests one.
inline constexpr char PathDelim = '/';

// True only for a file (or a link to one), not for a folder.
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates one folder; true when it was made or exists already.
bool CreateDir(const std::string& path, unsigned mode = 0777);
// True when the file is gone afterwards (a missing file counts as deleted).
bool DeleteFile(const std::string& path);
// Moves a file; across file systems it is copied and the original deleted.
// Fails when the target exists. False when the file stays where it was.
bool MoveFile(const std::string& from, const std::string& to);
// Appends the delimiter when the path does not end with one.
std::string IncludeTrailingPathDelimiter(const std::string& path);

}  // namespace os
