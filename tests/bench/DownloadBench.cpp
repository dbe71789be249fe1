// A 256 MiB stream from the demo video service on loopback: through the
// download thread, with its synchronous hand-over after every 3072-byte chunk
// to a main loop that runs meanwhile, against a plain libcurl download of the
// same stream into a file. Prints our throughput over libcurl's, and the cost
// of one hand-over on its own (an empty method, nothing downloaded).
#include <curl/curl.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "VideoService.h"
#include "retrieval/HttpOperations.h"
#include "retrieval/THTTPThread.h"
#include "rtl/TThread.h"

namespace {

constexpr long long kStreamBytes = 256LL << 20;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

size_t WriteToFile(char* data, size_t size, size_t count, void* fd) {
    return static_cast<size_t>(::write(*static_cast<int*>(fd), data, size * count));
}

double PlainLibcurl(const std::string& url, const std::string& file) {
    const auto start = Clock::now();
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    CURL* easy = curl_easy_init();
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_USERAGENT, retrieval::AgentString);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &WriteToFile);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &fd);
    const CURLcode result = curl_easy_perform(easy);
    curl_easy_cleanup(easy);
    ::close(fd);
    if (result != CURLE_OK) std::fprintf(stderr, "libcurl: %s\n", curl_easy_strerror(result));
    return Seconds(start);
}

double DownloadThread(const std::string& url, const std::string& file, long long& handOvers) {
    const auto start = Clock::now();
    bool done = false;
    auto* thread = new retrieval::THTTPThread;
    thread->URL = url;
    thread->FileName = file;
    thread->OnDone = [&](retrieval::THTTPThread&) { done = true; };
    thread->SetFreeOnTerminate(true);
    thread->Start();
    handOvers = 0;
    while (!done) handOvers += rtl::CheckSynchronize(1000) ? 1 : 0;
    return Seconds(start);
}

// A worker that hands an empty method over `count` times to a main loop
// waiting as the download's does; seconds per hand-over.
class THandOvers : public rtl::TThread {
public:
    explicit THandOvers(long long count) : FCount(count) {}

protected:
    void Execute() override {
        for (long long i = 0; i < FCount; ++i) Synchronize([] {});
    }

private:
    long long FCount;
};

double HandOverAlone(long long count) {
    THandOvers worker(count);
    const auto start = Clock::now();
    worker.Start();
    while (!worker.Finished()) rtl::CheckSynchronize(1000);
    worker.WaitFor();
    return Seconds(start) / static_cast<double>(count);
}

}  // namespace

int main() {
    TTestVideoService service;
    const std::string url = service.BaseUrl() + "/bytes?n=" + std::to_string(kStreamBytes);
    const std::string file = "bench-download.bin";
    double best_ours = 1e9, best_curl = 1e9;
    long long handOvers = 0;
    for (int round = 0; round < 3; ++round) {
        best_curl = std::min(best_curl, PlainLibcurl(url, file));
        best_ours = std::min(best_ours, DownloadThread(url, file, handOvers));
    }
    ::unlink(file.c_str());
    double handOver = 1e9;
    for (int round = 0; round < 3; ++round) handOver = std::min(handOver, HandOverAlone(handOvers));
    const double mib = static_cast<double>(kStreamBytes) / (1 << 20);
    std::printf("libcurl:         %.3f s (%.0f MiB/s)\n", best_curl, mib / best_curl);
    std::printf("download thread: %.3f s (%.0f MiB/s), %lld hand-overs, %.2f us each\n", best_ours,
                mib / best_ours, handOvers, 1e6 * best_ours / static_cast<double>(handOvers));
    std::printf("one hand-over on its own: %.2f us\n", 1e6 * handOver);
    std::printf("RATIO download_vs_libcurl %.3f\n", best_curl / best_ours);
    return 0;
}
