#pragma once
// A small file system or a read-only view mounted for one test, unmounted when
// the object goes. Mounting needs the right to (root in its own namespace):
// where it is not given, Mounted() is false and Why() says why.
#include <string>

class TScratchMount {
public:
    // A tmpfs of `kilobytes` at `folder`.
    static TScratchMount Tmpfs(const std::string& folder, int kilobytes);
    // `folder` seen read-only at itself: even root cannot write there.
    static TScratchMount ReadOnly(const std::string& folder);
    ~TScratchMount();
    TScratchMount(TScratchMount&& other) noexcept;
    TScratchMount(const TScratchMount&) = delete;
    TScratchMount& operator=(const TScratchMount&) = delete;
    TScratchMount& operator=(TScratchMount&&) = delete;

    bool Mounted() const { return !Folder.empty(); }
    const std::string& Why() const { return Problem; }
    void Unmount();

private:
    TScratchMount() = default;
    std::string Folder;
    std::string Problem;
};
