#include "TScratchMount.h"

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <utility>

TScratchMount TScratchMount::Tmpfs(const std::string& folder, int kilobytes) {
    TScratchMount mount;
    const std::string options = "size=" + std::to_string(kilobytes) + "k,mode=0700";
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0) mount.Folder = folder;
    else mount.Problem = "a small file system cannot be mounted here (" + std::string(std::strerror(errno)) + ")";
    return mount;
}

TScratchMount TScratchMount::ReadOnly(const std::string& folder) {
    TScratchMount mount;
    if (::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        mount.Problem = "a folder cannot be bound read-only here (" + std::string(std::strerror(errno)) + ")";
        return mount;
    }
    mount.Folder = folder;
    if (::mount(nullptr, folder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
        mount.Problem = "a bound folder cannot be made read-only here (" + std::string(std::strerror(errno)) + ")";
        mount.Unmount();
    }
    return mount;
}

TScratchMount::TScratchMount(TScratchMount&& other) noexcept
    : Folder(std::exchange(other.Folder, {})), Problem(std::move(other.Problem)) {}

TScratchMount::~TScratchMount() { Unmount(); }

void TScratchMount::Unmount() {
    if (Folder.empty()) return;
    ::umount2(Folder.c_str(), MNT_DETACH);
    Folder.clear();
}
