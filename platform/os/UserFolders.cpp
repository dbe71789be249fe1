#include "os/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <vector>

#include "os/FileSystem.h"

namespace os {

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return "/";
}

namespace {

std::string CacheFolder() {
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && *cache == '/') return cache;
    return IncludeTrailingPathDelimiter(HomeFolder()) + ".cache";
}

std::string ConfigFolder() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/') return config;
    return IncludeTrailingPathDelimiter(HomeFolder()) + ".config";
}

// XDG_<NAME>_DIR="$HOME/Desktop" from user-dirs.dirs.
std::string FromUserDirs(const std::string& name) {
    std::ifstream file(IncludeTrailingPathDelimiter(ConfigFolder()) + "user-dirs.dirs");
    const std::string key = "XDG_" + name + "_DIR=\"";
    for (std::string line; std::getline(file, line);) {
        if (line.rfind(key, 0) != 0) continue;
        const size_t end = line.find('"', key.size());
        if (end == std::string::npos) return {};
        std::string value = line.substr(key.size(), end - key.size());
        if (value.rfind("$HOME", 0) == 0) value = HomeFolder() + value.substr(5);
        return value.empty() || value[0] != '/' ? std::string() : value;
    }
    return {};
}

}  // namespace

std::string ProgramFolder() {
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return IncludeTrailingPathDelimiter(".");
    const std::string exe(buffer.data(), static_cast<size_t>(n));
    return exe.substr(0, exe.rfind(PathDelim) + 1);
}

std::string WorkingFolder() {
    return IncludeTrailingPathDelimiter(CacheFolder()) + "kestrune_temp_folder" + PathDelim;
}

bool CreateWorkingFolder() {
    CreateDir(CacheFolder(), 0700);
    const std::string folder = WorkingFolder();
    return CreateDir(folder.substr(0, folder.size() - 1), 0700);
}

std::string DesktopFolder() {
    std::string desktop = FromUserDirs("DESKTOP");
    if (desktop.empty() || !DirectoryExists(desktop)) desktop = IncludeTrailingPathDelimiter(HomeFolder()) + "Desktop";
    // Minimal desktops and other languages may have no desktop folder at all;
    // without the home folder the output would default to "/", where only
    // root may write.
    if (!DirectoryExists(desktop)) desktop = HomeFolder();
    return DirectoryExists(desktop) ? IncludeTrailingPathDelimiter(desktop) : std::string();
}

std::vector<std::string> UserDirs() {
    std::vector<std::string> folders;
    for (const char* name : {"DOCUMENTS", "DOWNLOAD", "MUSIC", "PICTURES", "VIDEOS", "PUBLICSHARE", "TEMPLATES"}) {
        const std::string folder = FromUserDirs(name);
        if (!folder.empty() && DirectoryExists(folder)) folders.push_back(folder);
    }
    return folders;
}

}  // namespace os
