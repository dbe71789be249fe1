// The network fails the real program: error pages, pages without a stream,
// streams the program cannot take, redirects without end, and a server that
// accepts and never answers, with the HTTP layer's own limits (a user waits
// out the low-speed limit, 30 s, and no more). Each job ends with the message
// of its step, writes nothing to the output folder, and the next job runs.
#include <string>

#include "TFaultTest.h"

namespace {

class TNetworkFaultTest : public TFaultTest {};

TEST_F(TNetworkFaultTest, StreamsThatCannotBeHadEndTheJobAtOnce) {
    const struct {
        const char* Id;
        const char* Message;
    } cases[] = {
        {"nosuchvideo", "Error: Cant get and check video link."},  // a 404 page with a body
        {"demo-nomap", "Error: Cant get and check video link."},   // a page with a title and no stream map
        {"demo-chunked", "Error: Cant download video file."},      // no Content-Length: no size to show
        {"demo-huge", "Error: Cant download video file."},         // 3000000000 bytes, beyond the size's range
        {"demo-loop", "Error: Cant download video file."},         // a stream that redirects to itself
    };
    for (const auto& fault : cases) {
        SCOPED_TRACE(fault.Id);
        const TDriverRun run = Driver.RunJob(Service().WatchUrl(fault.Id));
        ExpectFailedSoundly(run, fault.Message, 10);
        EXPECT_TRUE(std::filesystem::is_empty(Driver.OutputFolder));
        EXPECT_EQ(Driver.WorkingFiles(), std::vector<std::string>{});
    }
    ExpectNextJobRuns(Driver.OutputFolder);
}

// How long a user waits for a server that falls silent at each step: the
// page, and the download (a stream that stops after 100000 bytes, whose part
// is converted and delivered as incomplete).
TEST_F(TNetworkFaultTest, SilentServerIsGivenUpAfterTheLowSpeedLimit) {
    const std::string incomplete = "Done. The download broke off after 100000 of " +
                                   std::to_string(SizeOf(TTestVideoService::ClipPath("long"))) +
                                   " bytes, so the video is incomplete.";
    const struct {
        const char* Id;
        std::string Message;
        bool Delivered;
    } cases[] = {
        {"demo-silent", "Error: Cant get and check video link.", false},
        {"long-stall100000", incomplete, true},
    };
    for (const auto& fault : cases) {
        SCOPED_TRACE(fault.Id);
        const TDriverRun run = Driver.RunJob(Service().WatchUrl(fault.Id));
        // The layer's limit is 30 s of silence; then the conversion of what came.
        ExpectFailedSoundly(run, fault.Message, 75);
        EXPECT_GE(run.Seconds, 29);
        std::printf("%s kept the user waiting %.1f s\n", fault.Id, run.Seconds);
        EXPECT_EQ(std::filesystem::is_empty(Driver.OutputFolder), !fault.Delivered);
    }
}

}  // namespace
