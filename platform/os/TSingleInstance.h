#pragma once
// One running instance per user logon: an exclusive lock on a file in the
// user's runtime folder, held for the life of the object. A second instance
// finds the lock taken and ends quietly.
#include <string>

namespace os {

class TSingleInstance {
public:
    // Tries to take the lock named `name`.
    explicit TSingleInstance(const std::string& name);
    ~TSingleInstance();
    TSingleInstance(const TSingleInstance&) = delete;
    TSingleInstance& operator=(const TSingleInstance&) = delete;

    // False when another instance holds the lock (or no lock can be had).
    bool Acquired() const { return Handle >= 0; }
    void Release();
    const std::string& LockPath() const { return Path; }

private:
    std::string Path;
    int Handle = -1;
};

}  // namespace os
