#pragma once
// Downloads one stream into a file on a background thread, in 3072-byte
// chunks, handing the byte count to the main thread after every chunk and its
// end to the job controller's done handler. Frees itself when it has finished.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "rtl/TThread.h"

namespace retrieval {

class THTTPThread : public rtl::TThread {
public:
    static constexpr size_t kChunkSize = 3072;
    static constexpr size_t kWriteBuffer = 64 * 1024;
    static constexpr char kAcceptHeader[] = "Accept: */*";

    // Created suspended; the job controller sets the fields, switches
    // free-on-terminate on, and starts it.
    THTTPThread() = default;

    std::string URL;
    std::string FileName;
    // Written by the worker; 64-bit so that a stream past 2 GiB (possible
    // without a Content-Length) counts on instead of overflowing.
    int64_t BytesDone = 0;
    // Set by the main thread's Cancel; read by the worker after each chunk.
    std::atomic<bool> CancelRequested{false};
    // BytesDone as of the last hand-over; main thread only.
    int64_t BytesShown = 0;
    // Why the download could not be stored (the file could not be created or
    // written); empty when it could. Read by the done handler.
    std::string FailureText;
    // The job controller's DownloadDone; runs on the main thread.
    std::function<void(THTTPThread&)> OnDone;

    void PublishCount() { BytesShown = BytesDone; }
    void NotifyDone() {
        if (OnDone) OnDone(*this);
    }

protected:
    void Execute() override;
};

}  // namespace retrieval
