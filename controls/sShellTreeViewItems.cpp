#include "controls/sShellTreeViewItems.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "os/FileSystem.h"
#include "os/UserFolders.h"

namespace controls {

namespace {

using TDir = std::unique_ptr<DIR, int (*)(DIR*)>;

TDir OpenDir(const std::string& path) { return TDir(::opendir(path.c_str()), ::closedir); }

bool Hidden(const char* name) { return name[0] == '.'; }
bool Dots(const char* name) { return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)); }

std::string Join(const std::string& folder, const char* name) {
    return folder == "/" ? "/" + std::string(name) : folder + "/" + name;
}

// Stops at the first entry the tree would show below the folder.
bool HasShownChildren(const std::string& path, unsigned objectTypes);

// What one entry of a listed folder is: a folder or not, and whether the tree
// would show anything below it. A folder's link count is two plus its
// sub-folders on the usual Linux file systems, which spares opening each of
// a large folder's sub-folders; file systems that keep no such count (they
// report one), trees that leave out hidden folders or show files, and
// folders we may not read are looked into.
struct TEntryFacts {
    bool Folder = false;
    bool HasChildren = false;
};

TEntryFacts EntryFacts(int dirFd, const std::string& path, const dirent& entry, unsigned objectTypes) {
    TEntryFacts facts;
    const bool maybeFolder = entry.d_type == DT_DIR || entry.d_type == DT_LNK || entry.d_type == DT_UNKNOWN;
    if (!maybeFolder && !(objectTypes & otNonFolders)) return facts;
    struct stat st {};
    if (::fstatat(dirFd, entry.d_name, &st, 0) != 0) return facts;
    facts.Folder = S_ISDIR(st.st_mode);
    if (!facts.Folder) return facts;
    if (st.st_nlink == 2 && !(objectTypes & otNonFolders)) return facts;
    if (st.st_nlink > 2 && (objectTypes & otHidden) && !(objectTypes & otNonFolders) &&
        ::faccessat(dirFd, entry.d_name, R_OK | X_OK, 0) == 0) {
        facts.HasChildren = true;
        return facts;
    }
    facts.HasChildren = HasShownChildren(path, objectTypes);
    return facts;
}

bool HasShownChildren(const std::string& path, unsigned objectTypes) {
    TDir dir = OpenDir(path);
    if (!dir) return false;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (Dots(entry->d_name) || (Hidden(entry->d_name) && !(objectTypes & otHidden))) continue;
        if (objectTypes & otNonFolders) return true;
        if (entry->d_type == DT_DIR) return true;
        struct stat st {};
        if ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) &&
            ::fstatat(::dirfd(dir.get()), entry->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode))
            return true;
    }
    return false;
}

std::string LastPart(const std::string& path) {
    if (path == "/") return "File System";
    return path.substr(path.rfind('/') + 1);
}

std::string WithoutDelimiter(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// Mount points under /media, /mnt and /run/media, as the kernel lists them
// (spaces and other odd bytes come octal-escaped).
std::vector<std::string> MountedVolumes() {
    std::vector<std::string> volumes;
    std::ifstream mounts("/proc/self/mounts");
    for (std::string line; std::getline(mounts, line);) {
        std::istringstream fields(line);
        std::string device, escaped;
        fields >> device >> escaped;
        std::string point;
        for (size_t i = 0; i < escaped.size(); ++i) {
            if (escaped[i] == '\\' && i + 3 < escaped.size()) {
                point += char(std::strtol(escaped.substr(i + 1, 3).c_str(), nullptr, 8));
                i += 3;
            } else {
                point += escaped[i];
            }
        }
        for (const char* base : {"/media/", "/mnt/", "/run/media/"})
            if (point.rfind(base, 0) == 0 && point.size() > std::string(base).size() &&
                std::find(volumes.begin(), volumes.end(), point) == volumes.end())
                volumes.push_back(point);
    }
    std::sort(volumes.begin(), volumes.end(), [](const std::string& a, const std::string& b) {
        return CompareShellNames(a, b) < 0;
    });
    return volumes;
}

// The places the desktop root lists after its own sub-folders.
void AddPlaces(unsigned objectTypes, std::vector<TacShellItem>& children) {
    const auto add = [&](const std::string& path, int icon, const char* name) {
        if (path.empty() || !os::DirectoryExists(path)) return;
        TacShellItem item = ShellItemFor(path, objectTypes);
        item.Icon = icon;
        if (name) item.DisplayName = name;
        children.push_back(item);
    };
    add(WithoutDelimiter(os::HomeFolder()), siHome, "Home");
    for (const std::string& folder : os::UserDirs()) add(WithoutDelimiter(folder), siFolder, nullptr);
    add("/", siDrive, nullptr);
    for (const std::string& volume : MountedVolumes()) add(volume, siDrive, nullptr);
}

}  // namespace

std::string NormalizeShellPath(const std::string& path) {
    std::string full = path;
    if (full.empty() || full[0] != '/') {
        char* cwd = ::getcwd(nullptr, 0);
        full = std::string(cwd ? cwd : "/") + "/" + full;
        std::free(cwd);
    }
    std::vector<std::string> parts;
    std::istringstream in(full);
    for (std::string part; std::getline(in, part, '/');) {
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else {
            parts.push_back(part);
        }
    }
    std::string out;
    for (const std::string& part : parts) out += "/" + part;
    return out.empty() ? "/" : out;
}

bool IsPathWithin(const std::string& path, const std::string& folder) {
    if (folder == "/") return !path.empty() && path[0] == '/';
    return path.rfind(folder, 0) == 0 && (path.size() == folder.size() || path[folder.size()] == '/');
}

std::string RebasePath(const std::string& path, const std::string& from, const std::string& to) {
    return to + path.substr(from.size());
}

std::string ResolveShellRoot(const std::string& root, bool& desktop) {
    desktop = false;
    if (root == "rfDesktop" || root == "rfDesktopDirectory") {
        desktop = root == "rfDesktop";
        return WithoutDelimiter(os::DesktopFolder());
    }
    if (root == "rfPersonal") {
        const std::vector<std::string> dirs = os::UserDirs();
        return dirs.empty() ? WithoutDelimiter(os::HomeFolder()) : dirs.front();
    }
    if (root == "rfMyComputer") return "/";
    if (root == "rfAppData") {
        const char* config = std::getenv("XDG_CONFIG_HOME");
        const std::string folder = config && *config == '/' ? config : os::HomeFolder() + "/.config";
        return os::DirectoryExists(folder) ? WithoutDelimiter(folder) : std::string();
    }
    // Network, printers, the recycle bin and the other virtual folders have
    // no folder here; other root names are taken as paths.
    if (root.rfind("rf", 0) == 0 && root.find('/') == std::string::npos) return {};
    if (root.empty()) return {};
    const std::string folder = NormalizeShellPath(root);
    return os::DirectoryExists(folder) ? folder : std::string();
}

TacShellItem ShellItemFor(const std::string& path, unsigned objectTypes) {
    TacShellItem item;
    item.Path = path;
    item.DisplayName = LastPart(path);
    item.IsFolder = os::DirectoryExists(path);
    item.Icon = path == "/" ? siDrive : item.IsFolder ? siFolder : siNone;
    item.HasSubfolders = item.IsFolder && HasShownChildren(path, objectTypes);
    return item;
}

bool ReadShellChildren(const TacShellItem& parent, unsigned objectTypes, std::vector<TacShellItem>& children) {
    children.clear();
    TDir dir = OpenDir(parent.Path);
    if (!dir) return false;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (Dots(entry->d_name) || (Hidden(entry->d_name) && !(objectTypes & otHidden))) continue;
        TacShellItem item;
        item.Path = Join(parent.Path, entry->d_name);
        const TEntryFacts facts = EntryFacts(::dirfd(dir.get()), item.Path, *entry, objectTypes);
        if (!facts.Folder && !(objectTypes & otNonFolders)) continue;
        item.DisplayName = entry->d_name;
        item.IsFolder = facts.Folder;
        item.Icon = facts.Folder ? siFolder : siNone;
        item.HasSubfolders = facts.HasChildren;
        children.push_back(std::move(item));
    }
    dir.reset();
    std::sort(children.begin(), children.end(), [](const TacShellItem& a, const TacShellItem& b) {
        return CompareShellNames(a.DisplayName, b.DisplayName) < 0;
    });
    if (parent.IsDesktop) AddPlaces(objectTypes, children);
    return true;
}

int CompareShellNames(const std::string& a, const std::string& b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[j]);
        if (std::isdigit(ca) && std::isdigit(cb)) {
            size_t ei = i, ej = j;
            while (ei < a.size() && a[ei] == '0') ++ei;
            while (ej < b.size() && b[ej] == '0') ++ej;
            size_t ni = ei, nj = ej;
            while (ni < a.size() && std::isdigit(static_cast<unsigned char>(a[ni]))) ++ni;
            while (nj < b.size() && std::isdigit(static_cast<unsigned char>(b[nj]))) ++nj;
            if (ni - ei != nj - ej) return ni - ei < nj - ej ? -1 : 1;
            if (const int c = a.compare(ei, ni - ei, b, ej, nj - ej); c != 0) return c;
            i = ni;
            j = nj;
            continue;
        }
        const int la = std::tolower(ca), lb = std::tolower(cb);
        if (la != lb) return la < lb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
    // Names equal but for case or leading zeros still need one order.
    return a.compare(b) < 0 ? -1 : a == b ? 0 : 1;
}

}  // namespace controls
