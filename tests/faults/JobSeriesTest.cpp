// Fifty whole jobs in a row in one program: what a long session of the
// desktop program does. Resident memory and open descriptors stay flat; the
// figures after the first job and after the last are printed.
#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "JobHarness.h"

namespace {

long ResidentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

int OpenDescriptors() {
    int count = 0;
    DIR* folder = ::opendir("/proc/self/fd");
    while (::readdir(folder)) ++count;
    ::closedir(folder);
    return count;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool BuiltWithAddressSanitizer = true;
#else
constexpr bool BuiltWithAddressSanitizer = false;
#endif

TEST_F(TJobTest, FiftyJobsInARowKeepMemoryAndDescriptorsFlat) {
    long firstKb = 0;
    int firstFds = 0;
    for (int job = 1; job <= 50; ++job) {
        Messages.clear();
        RunJob(Service().WatchUrl("demo"));
        ASSERT_EQ(Messages, std::vector<std::string>{"Done."}) << "job " << job;
        os::DeleteFile(Output + VideoTitle + ".AVI");
        if (job == 1) {
            firstKb = ResidentKilobytes();
            firstFds = OpenDescriptors();
        }
    }
    const long lastKb = ResidentKilobytes();
    const int lastFds = OpenDescriptors();
    std::printf("after job 1: %ld kB resident, %d descriptors; after job 50: %ld kB, %d descriptors\n", firstKb,
                firstFds, lastKb, lastFds);
    EXPECT_EQ(lastFds, firstFds);
    // A leak of one job's download buffer or picture would pass 2 MB in 49
    // jobs. Under AddressSanitizer freed memory waits in its quarantine (up to
    // 256 MB) instead of going back, so resident memory tells nothing there;
    // its own leak check at exit stands in for this one.
    if (!BuiltWithAddressSanitizer) {
        EXPECT_LT(lastKb - firstKb, 2048);
    }
}

}  // namespace
