// kestrune-fetch ADDRESS FILE: the retrieval half of a job, on the terminal.
// Reads the watch page, asks for the stream's size, downloads the stream on a
// download thread into FILE and prints the kilobyte count once a second, as
// the progress window does.
#include <chrono>
#include <cstdio>
#include <string>

#include "retrieval/ByteCountText.h"
#include "retrieval/HttpOperations.h"
#include "retrieval/THTTPThread.h"
#include "retrieval/WatchPageParser.h"
#include "rtl/TThread.h"

using namespace retrieval;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kestrune-fetch WATCH-PAGE-ADDRESS FILE\n");
        return 2;
    }
    std::string title;
    const std::string stream = ParseWatchPage(argv[1], title);
    std::printf("title: %s\n", title.c_str());
    if (stream.empty()) {
        std::printf("Error: Cant get and check video link.\n");
        return 1;
    }
    const int32_t size = GetContentLength(stream);
    if (size <= 0) {
        std::printf("Error: Cant download video file.\n");
        return 1;
    }
    bool done = false;
    std::string failure;
    int64_t received = 0;
    auto* thread = new THTTPThread;
    thread->URL = stream;
    thread->FileName = argv[2];
    thread->OnDone = [&](THTTPThread& finished) {
        done = true;
        failure = finished.FailureText;
        received = finished.BytesDone;
    };
    thread->SetFreeOnTerminate(true);
    thread->Start();
    const std::string total = BytesToKBText(size);
    auto nextTick = std::chrono::steady_clock::now();
    while (!done) {
        rtl::CheckSynchronize(20);
        if (!done && std::chrono::steady_clock::now() >= nextTick) {
            std::printf("Downloading... %s / %s\n", BytesToKBText(thread->BytesShown).c_str(), total.c_str());
            std::fflush(stdout);
            nextTick += std::chrono::seconds(1);
        }
    }
    if (!failure.empty()) {
        std::printf("Error: %s\n", failure.c_str());
        return 1;
    }
    std::printf("Downloaded %s / %s into %s\n", BytesToKBText(received).c_str(), total.c_str(), argv[2]);
    return received == size ? 0 : 1;
}
