// The retrieval operations against the demo video service on loopback.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "VideoService.h"
#include "retrieval/HttpOperations.h"
#include "retrieval/THTTPThread.h"
#include "retrieval/WatchPageParser.h"
#include "rtl/TThread.h"

using namespace retrieval;

namespace {

TTestVideoService& Service() {
    static TTestVideoService service;
    return service;
}

std::string Bytes(const std::string& query) { return Service().BaseUrl() + "/bytes?" + query; }

// The service's test body: byte i is 1 + (i * 7) mod 251.
std::string TestBytes(size_t from, size_t to) {
    std::string bytes;
    for (size_t i = from; i < to; ++i) bytes += static_cast<char>(1 + (i * 7) % 251);
    return bytes;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

bool FileIsOpenInThisProcess(const std::string& path) {
    struct stat target {};
    if (stat(path.c_str(), &target) != 0) return false;
    DIR* fds = opendir("/proc/self/fd");
    bool open = false;
    while (dirent* entry = readdir(fds)) {
        struct stat st {};
        const std::string fd = std::string("/proc/self/fd/") + entry->d_name;
        if (stat(fd.c_str(), &st) == 0 && st.st_ino == target.st_ino && st.st_dev == target.st_dev) open = true;
    }
    closedir(fds);
    return open;
}

struct DownloadRun {
    int DoneCalls = 0;
    int HandOvers = 0;  // every hand-over, NotifyDone included
    std::vector<int64_t> Shown;  // BytesShown after each hand-over before the end
    int64_t BytesDone = -1;
    std::string FailureText;
    bool FileOpenAtDone = true;
    std::string File;
};

// Runs one download thread to its end while this (the main) thread services
// its hand-overs. `onTick` runs after each hand-over with the live thread.
DownloadRun Download(const std::string& url, const std::string& file,
                     const std::function<void(THTTPThread&, const DownloadRun&)>& onTick = nullptr,
                     bool cancelBeforeStart = false) {
    DownloadRun run;
    run.File = file;
    bool done = false;
    auto* thread = new THTTPThread;
    thread->URL = url;
    thread->FileName = file;
    thread->OnDone = [&](THTTPThread& finished) {
        ++run.DoneCalls;
        done = true;
        run.BytesDone = finished.BytesDone;
        run.FailureText = finished.FailureText;
        run.FileOpenAtDone = FileIsOpenInThisProcess(file);
    };
    thread->SetFreeOnTerminate(true);
    if (cancelBeforeStart) thread->CancelRequested = true;
    thread->Start();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!done && std::chrono::steady_clock::now() < deadline) {
        if (!rtl::CheckSynchronize(100)) continue;
        ++run.HandOvers;
        if (done) break;
        run.Shown.push_back(thread->BytesShown);
        if (onTick) onTick(*thread, run);
    }
    // Give a (wrongly) repeated done call the chance to show up.
    for (int i = 0; i < 3; ++i) rtl::CheckSynchronize(20);
    return run;
}

std::string TempFile(const std::string& name) { return ::testing::TempDir() + "kestrune-" + name; }

}  // namespace

TEST(FetchPage, ReturnsTheBodyCutAtEachChunksNul) {
    EXPECT_EQ(FetchPage(Bytes("n=0")), "");
    // A NUL at offset 10 of the first 1025-byte read drops the rest of that read only.
    EXPECT_EQ(FetchPage(Bytes("n=3000&nulat=10")), TestBytes(0, 10) + TestBytes(1025, 3000));
    EXPECT_EQ(FetchPage(Bytes("n=5000&chunked=1")), TestBytes(0, 5000));
}

TEST(FetchPage, UnreachableAddressGivesEmptyText) {
    EXPECT_EQ(FetchPage("http://127.0.0.1:1/watch?v=demo"), "");
    EXPECT_EQ(FetchPage("not an address"), "");
}

TEST(FetchPage, PageLargerThanTheCapCountsAsNotFetched) {
    EXPECT_EQ(FetchPage(Bytes("n=" + std::to_string(kMaxPageBytes + 1))), "");
}

TEST(ContentLength, ReadsTheHeaderOrGivesZero) {
    EXPECT_EQ(GetContentLength(Bytes("n=123456")), 123456);
    EXPECT_EQ(GetContentLength(Bytes("n=10&chunked=1")), 0);
    EXPECT_EQ(GetContentLength(Bytes("n=10&length=3000000000")), 0);  // beyond 32 bits
    EXPECT_EQ(GetContentLength(Bytes("n=0")), 0);
    EXPECT_EQ(GetContentLength(Bytes("n=10&length=0x20")), 32);  // the conversion's hexadecimal form
    EXPECT_EQ(GetContentLength("http://127.0.0.1:1/x"), 0);
}

TEST(WatchPageService, DemoPageYieldsItsStreamAndTitle) {
    std::string title;
    const std::string stream = ParseWatchPage(Service().WatchUrl("demo"), title);
    EXPECT_EQ(stream, Service().StreamUrl("demo"));
    EXPECT_FALSE(title.empty());
    EXPECT_EQ(title.find(' '), std::string::npos);
    std::ifstream clip(TTestVideoService::ClipPath("demo"), std::ios::binary | std::ios::ate);
    EXPECT_EQ(GetContentLength(stream), static_cast<int32_t>(clip.tellg()));
}

TEST(WatchPageService, RedirectsNulBytesAndAccentedTitles) {
    std::string title;
    EXPECT_EQ(ParseWatchPage(Service().WatchUrl("demo-moved"), title), Service().StreamUrl("demo"));
    EXPECT_FALSE(ParseWatchPage(Service().WatchUrl("demo-nul"), title).empty());
    ParseWatchPage(Service().WatchUrl("demo-accents"), title);
    EXPECT_EQ(title, "Caf____amp__Cr__me_____Part_2");
    EXPECT_EQ(GetContentLength(ParseWatchPage(Service().WatchUrl("demo-huge"), title)), 0);
}

TEST(DownloadThread, EmptyBodyGivesEmptyFileAndOneDoneCall) {
    const DownloadRun run = Download(Bytes("n=0"), TempFile("empty.flv"));
    EXPECT_EQ(run.DoneCalls, 1);
    EXPECT_EQ(run.BytesDone, 0);
    EXPECT_EQ(run.Shown, (std::vector<int64_t>{0, 0}));  // the start and the read of 0 bytes
    EXPECT_EQ(ReadFile(run.File), "");
}

TEST(DownloadThread, FullChunksTakeThreeReadsWithOneHandOverEach) {
    const DownloadRun run = Download(Bytes("n=6144"), TempFile("6144.flv"));
    EXPECT_EQ(run.Shown, (std::vector<int64_t>{0, 3072, 6144, 6144}));
    EXPECT_EQ(run.HandOvers, 5);  // four counts and the done call
    EXPECT_EQ(run.DoneCalls, 1);
    EXPECT_FALSE(run.FileOpenAtDone);
    EXPECT_EQ(ReadFile(run.File), TestBytes(0, 6144));
}

TEST(DownloadThread, DemoStreamArrivesWhole) {
    const DownloadRun run = Download(Service().StreamUrl("demo"), TempFile("demo.flv"));
    EXPECT_EQ(run.DoneCalls, 1);
    EXPECT_EQ(ReadFile(run.File), ReadFile(TTestVideoService::ClipPath("demo")));
    EXPECT_EQ(run.Shown.back(), run.BytesDone);
}

TEST(DownloadThread, CancelEndsAfterTheCurrentChunkWithOneDoneCallAfterTheFileClosed) {
    const DownloadRun run = Download(Bytes("n=1000000&trickle=20"), TempFile("cancel.flv"),
                                     [](THTTPThread& thread, const DownloadRun& so_far) {
                                         if (so_far.Shown.back() >= 3 * 3072) thread.CancelRequested = true;
                                     });
    EXPECT_EQ(run.DoneCalls, 1);
    EXPECT_FALSE(run.FileOpenAtDone);
    // The worker looks at the request after each chunk; a chunk it was reading
    // when the request came still counts. The request is set right after the
    // hand-over of chunk 3: the worker stops there if it had not looked yet,
    // or after chunk 4, which it was reading then.
    EXPECT_TRUE(run.BytesDone == 3 * 3072 || run.BytesDone == 4 * 3072) << run.BytesDone;
    EXPECT_EQ(ReadFile(run.File), TestBytes(0, static_cast<size_t>(run.BytesDone)));
}

TEST(DownloadThread, StopRequestBeforeTheBodyBeganIsCleared) {
    const DownloadRun run = Download(Bytes("n=10000"), TempFile("early.flv"), nullptr, true);
    EXPECT_EQ(run.BytesDone, 10000);
}

TEST(DownloadThread, UnreachableAddressGivesEmptyFileAndOneDoneCall) {
    const DownloadRun run = Download("http://127.0.0.1:1/stream", TempFile("unreachable.flv"));
    EXPECT_EQ(run.DoneCalls, 1);
    EXPECT_EQ(run.BytesDone, 0);
    EXPECT_TRUE(run.FailureText.empty());
    EXPECT_EQ(ReadFile(run.File), "");
}

TEST(DownloadThread, BreakOffKeepsWhatArrivedAndNoLengthDownloadsAll) {
    const DownloadRun broken = Download(Bytes("n=100000&break=50000"), TempFile("broken.flv"));
    EXPECT_EQ(broken.DoneCalls, 1);
    EXPECT_EQ(ReadFile(broken.File), TestBytes(0, 50000));
    const DownloadRun chunked = Download(Bytes("n=100000&chunked=1"), TempFile("chunked.flv"));
    EXPECT_EQ(ReadFile(chunked.File), TestBytes(0, 100000));
}

TEST(DownloadThread, FileThatCannotBeCreatedStillEndsTheDownload) {
    const DownloadRun run = Download(Bytes("n=10"), "/nonexistent-folder/temp.flv");
    EXPECT_EQ(run.DoneCalls, 1);
    EXPECT_NE(run.FailureText.find("Cannot create file \"/nonexistent-folder/temp.flv\""), std::string::npos);
}
