// Files and folders of the program: existence, moving without replacing,
// the per-user folders, the single-instance lock and the shell opener.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>
#include <vector>

#include "os/FileSystem.h"
#include "os/ShellOpen.h"
#include "os/TSingleInstance.h"
#include "os/UserFolders.h"

using namespace os;

namespace {

class ScratchFolder {
public:
    ScratchFolder() {
        char pattern[] = "/tmp/kestrune-os-XXXXXX";
        Path = std::string(::mkdtemp(pattern)) + "/";
    }
    ~ScratchFolder() { std::system(("rm -rf '" + Path + "'").c_str()); }
    std::string Path;
};

void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

// Sets an environment variable for the length of a test.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : Name(name) {
        if (const char* old = std::getenv(name)) Old = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() { Old ? (void)::setenv(Name, Old->c_str(), 1) : (void)::unsetenv(Name); }

private:
    const char* Name;
    std::optional<std::string> Old;
};

}  // namespace

TEST(FileSystem, ExistenceTellsFilesFromFolders) {
    ScratchFolder scratch;
    Write(scratch.Path + "done.txt", "");
    EXPECT_TRUE(FileExists(scratch.Path + "done.txt"));  // empty counts
    EXPECT_FALSE(FileExists(scratch.Path));
    EXPECT_TRUE(DirectoryExists(scratch.Path));
    EXPECT_FALSE(FileExists(scratch.Path + "missing"));
    EXPECT_TRUE(CreateDir(scratch.Path + "sub"));
    EXPECT_TRUE(CreateDir(scratch.Path + "sub"));  // exists already: fine
    EXPECT_FALSE(CreateDir(scratch.Path + "done.txt"));
    EXPECT_TRUE(DeleteFile(scratch.Path + "done.txt"));
    EXPECT_TRUE(DeleteFile(scratch.Path + "done.txt"));  // already gone
}

TEST(FileSystem, MoveNeverReplacesAnExistingFile) {
    ScratchFolder scratch;
    Write(scratch.Path + "temp.avi", "video");
    Write(scratch.Path + "taken.AVI", "older");
    EXPECT_FALSE(MoveFile(scratch.Path + "temp.avi", scratch.Path + "taken.AVI"));
    EXPECT_EQ(Read(scratch.Path + "taken.AVI"), "older");
    EXPECT_TRUE(MoveFile(scratch.Path + "temp.avi", scratch.Path + "new.AVI"));
    EXPECT_EQ(Read(scratch.Path + "new.AVI"), "video");
    EXPECT_FALSE(FileExists(scratch.Path + "temp.avi"));
    EXPECT_FALSE(MoveFile(scratch.Path + "temp.avi", scratch.Path + "again.AVI"));
    EXPECT_FALSE(MoveFile(scratch.Path + "new.AVI", scratch.Path + "no-such-folder/x.AVI"));
    EXPECT_TRUE(FileExists(scratch.Path + "new.AVI"));
}

TEST(FileSystem, MoveAcrossFileSystemsCopies) {
    struct stat shm {}, tmp {};
    if (::stat("/dev/shm", &shm) != 0 || ::stat("/tmp", &tmp) != 0 || shm.st_dev == tmp.st_dev)
        GTEST_SKIP() << "no second file system to move to";
    ScratchFolder scratch;
    const std::string target = "/dev/shm/kestrune-move-" + std::to_string(::getpid());
    Write(scratch.Path + "temp.avi", std::string(200000, 'v'));
    EXPECT_TRUE(MoveFile(scratch.Path + "temp.avi", target));
    EXPECT_EQ(Read(target).size(), 200000u);
    EXPECT_FALSE(FileExists(scratch.Path + "temp.avi"));
    ::unlink(target.c_str());
}

TEST(UserFolders, WorkingFolderIsPerUserAndPrivate) {
    ScratchFolder scratch;
    ScopedEnv cache("XDG_CACHE_HOME", scratch.Path + "cache");
    EXPECT_EQ(WorkingFolder(), scratch.Path + "cache/kestrune_temp_folder/");
    EXPECT_TRUE(CreateWorkingFolder());
    struct stat st {};
    ASSERT_EQ(::stat(WorkingFolder().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(CreateWorkingFolder());
}

// Which folders exist under a fresh home, what user-dirs.dirs says, and the
// folder the program takes for the desktop.
TEST(UserFolders, DesktopComesFromUserDirsElseDesktopElseHome) {
    const struct {
        const char* Situation;
        std::vector<std::string> Folders;
        const char* UserDirs;  // nullptr: no user-dirs.dirs
        const char* Desktop;   // below the scratch folder; "" for none
    } cases[] = {
        {"user-dirs names an existing folder", {"home/Desktop", "home/Schreibtisch"},
         "# comment\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n", "home/Schreibtisch/"},
        {"user-dirs names a missing folder", {"home/Desktop"}, "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n", "home/Desktop/"},
        {"no user-dirs, ~/Desktop exists", {"home/Desktop"}, nullptr, "home/Desktop/"},
        {"no desktop folder at all", {"home"}, nullptr, "home/"},
        {"user-dirs names a missing folder, no ~/Desktop", {"home"}, "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n", "home/"},
        {"no home folder either", {}, nullptr, ""},
    };
    for (const auto& c : cases) {
        ScratchFolder scratch;
        ScopedEnv home("HOME", scratch.Path + "home");
        ScopedEnv config("XDG_CONFIG_HOME", scratch.Path + "config");
        for (const std::string& folder : c.Folders) std::filesystem::create_directories(scratch.Path + folder);
        if (c.UserDirs) {
            CreateDir(scratch.Path + "config");
            Write(scratch.Path + "config/user-dirs.dirs", c.UserDirs);
        }
        EXPECT_EQ(DesktopFolder(), *c.Desktop ? scratch.Path + c.Desktop : std::string()) << c.Situation;
    }
}

TEST(UserFolders, ProgramFolderHoldsTheRunningProgram) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(FileExists(folder + "test_os"));
}

TEST(SingleInstance, SecondInstanceFindsTheLockTakenUntilReleased) {
    ScratchFolder scratch;
    ScopedEnv runtime("XDG_RUNTIME_DIR", scratch.Path.substr(0, scratch.Path.size() - 1));
    TSingleInstance first("kestrune_youtube_converter");
    EXPECT_TRUE(first.Acquired());
    EXPECT_EQ(first.LockPath(), scratch.Path + "kestrune_youtube_converter.lock");
    TSingleInstance second("kestrune_youtube_converter");
    EXPECT_FALSE(second.Acquired());
    first.Release();
    TSingleInstance third("kestrune_youtube_converter");
    EXPECT_TRUE(third.Acquired());
}

TEST(ShellOpen, HandsTheTargetToTheOpenerAsOneArgument) {
    ScratchFolder scratch;
    const std::string opener = scratch.Path + "opener";
    Write(opener, "#!/bin/sh\nprintf '%s|' \"$@\" > \"" + scratch.Path + "seen\"\n");
    ::chmod(opener.c_str(), 0755);
    SetShellOpener(opener);
    EXPECT_TRUE(ShellOpen("/videos/My Clip [1].AVI"));
    for (int i = 0; i < 100 && Read(scratch.Path + "seen").empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(Read(scratch.Path + "seen"), "/videos/My Clip [1].AVI|");
    SetShellOpener(scratch.Path + "missing-opener");
    EXPECT_FALSE(ShellOpen("x"));
    SetShellOpener("xdg-open");
}
