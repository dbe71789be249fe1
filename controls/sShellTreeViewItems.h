#pragma once
// What the folder tree shows, on a platform without a shell namespace of its
// own: the file system from the user's desktop folder downwards.
//
// - The root "rfDesktop" is one node for the desktop folder (the XDG desktop
//   directory, else ~/Desktop, else the home folder). Its children are the
//   desktop's own sub-folders, then the places a file manager lists beside
//   them: the home folder, the XDG user folders that exist, the file system
//   root "/" and the mounted volumes under /media, /mnt and /run/media. Every
//   one of them is a real folder, so OK and Create work on each alike.
// - Any other folder's children are its sub-folders (and its files, when the
//   tree shows non-folders), the dot-folders with them when hidden items are
//   wanted; they are read on the node's first expansion.
// - Names sort as a file manager sorts them: case does not count, digits
//   count by their number ("New folder2" before "New folder10").
// - A folder that cannot be read has no children and no expand button; one
//   that has vanished behaves the same, and its path is no existing folder,
//   so the dialog does not offer it.
#include <string>
#include <vector>

namespace controls {

// ObjectTypes bits.
enum TShellObjectType : unsigned { otFolders = 1, otNonFolders = 2, otHidden = 4 };
// The icons of the tree's image list ("DIRS_TREEICONS").
enum TShellIcon : int { siNone = -1, siFolder = 0, siFolderOpen = 1, siDrive = 2, siHome = 3 };

// One item of the tree: a folder (or, where files are shown, a file).
struct TacShellItem {
    // Absolute, without a trailing delimiter except for "/".
    std::string Path;
    std::string DisplayName;
    int Icon = siFolder;
    bool IsFolder = true;
    bool HasSubfolders = false;
    // The desktop root, whose children include the places.
    bool IsDesktop = false;
    // Children have been read.
    bool ChildrenRead = false;
};

// The folder a root name stands for ("rfDesktop", "rfPersonal" ...), or the
// normalised folder of a path root; empty when there is none. `desktop` is
// set for the desktop root.
std::string ResolveShellRoot(const std::string& root, bool& desktop);
// An item for a folder or file, its attributes read now.
TacShellItem ShellItemFor(const std::string& path, unsigned objectTypes);
// The children of a folder item, sorted; false (and none) when the folder
// cannot be read.
bool ReadShellChildren(const TacShellItem& parent, unsigned objectTypes, std::vector<TacShellItem>& children);
// A file manager's order of two names: < 0, 0 or > 0.
int CompareShellNames(const std::string& a, const std::string& b);
// An absolute path without "." and ".." parts, doubled delimiters or a
// trailing delimiter (except "/"); relative paths start at the current folder.
std::string NormalizeShellPath(const std::string& path);
// `folder` is `path` or one of its ancestors.
bool IsPathWithin(const std::string& path, const std::string& folder);
// The path under a new parent folder: `path` lies within `from`.
std::string RebasePath(const std::string& path, const std::string& from, const std::string& to);

}  // namespace controls
