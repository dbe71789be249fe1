#include "retrieval/THTTPThread.h"

#include <memory>

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
        char buffer[kChunkSize];
        size_t delivered = 0;
        do {
            // A request that could not be opened reads like a failed read.
            if (!request || !request->Read(buffer, sizeof buffer, delivered)) delivered = 0;
            BytesDone += static_cast<int64_t>(delivered);
            if (file->Write(buffer, static_cast<long long>(delivered)) != static_cast<long long>(delivered)) {
                FailureText = "Cannot write file \"" + FileName + "\".";
                delivered = 0;  // a full disk ends the download instead of losing chunks silently
            }
            Synchronize([this] { PublishCount(); });
        } while (delivered != 0 && !CancelRequested);
    }
    file.reset();
    Synchronize([this] { NotifyDone(); });
    Terminate();
}

}  // namespace retrieval
