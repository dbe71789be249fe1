#include "retrieval/THTTPThread.h"

#include <memory>
#include <vector>

#include "os/FileSystem.h"
#include "os/THttpClient.h"
#include "retrieval/HttpOperations.h"
#include "rtl/Exceptions.h"
#include "rtl/TStream.h"

namespace retrieval {

void THTTPThread::Execute() {
    CancelRequested = false;
    std::unique_ptr<rtl::TFileStream> file;
    try {
        file = std::make_unique<rtl::TFileStream>(FileName, rtl::fmCreate);
    } catch (const rtl::Exception& error) {
        // Without a file there is nothing to download into, but the job must
        // still hear that the download is over, or it would wait forever.
        FailureText = error.Message();
        Synchronize([this] { NotifyDone(); });
        Terminate();
        return;
    }
    BytesDone = 0;
    Synchronize([this] { PublishCount(); });
    {
        const os::THttpSession session(AgentString);
        const auto request = os::THttpRequest::Open(session, URL, kAcceptHeader, 0);
        // Cancel must not wait for a silent server's time-out.
        if (request) request->SetAbortFlag(&CancelRequested);
        // Chunks go to the file through a buffer of a few chunks: one system
        // call per 3 KB would cost as much as the download itself on loopback.
        // Each chunk is read straight into its place in the buffer.
        std::vector<char> unwritten(kWriteBuffer);
        size_t used = 0;
        const auto writeOut = [&] {
            const bool written = file->Write(unwritten.data(), static_cast<long long>(used)) ==
                                 static_cast<long long>(used);
            used = 0;
            if (!written) FailureText = "Cannot write file \"" + FileName + "\".";
            return written;
        };
        size_t delivered = 0;
        do {
            // A request that could not be opened reads like a failed read.
            if (!request || !request->Read(unwritten.data() + used, kChunkSize, delivered)) delivered = 0;
            BytesDone += static_cast<int64_t>(delivered);
            used += delivered;
            // A full disk ends the download instead of losing chunks silently.
            if (used + kChunkSize > kWriteBuffer && !writeOut()) delivered = 0;
            Synchronize([this] { PublishCount(); });
        } while (delivered != 0 && !CancelRequested);
        if (used > 0) writeOut();
    }
    file.reset();
    // A failure here is a write that failed: what reached a full disk is no
    // video anyone can use, and left there it would keep the disk full until
    // the next job.
    if (!FailureText.empty()) os::DeleteFile(FileName);
    Synchronize([this] { NotifyDone(); });
    Terminate();
}

}  // namespace retrieval
