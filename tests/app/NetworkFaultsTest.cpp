// Whole jobs against addresses and servers that must not be trusted: a typed
// address or a stream map that leads to a local file, a stream address that
// answers with an error page, and servers that accept the connection and then
// say nothing. Each job ends with the message of the step that failed, reads
// nothing it should not and writes nothing it need not. The silent servers run
// with the HTTP layer's limits lowered to two seconds, so that these jobs take
// seconds instead of half a minute each.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "JobHarness.h"
#include "app/JobOutcome.h"
#include "os/THttpClient.h"
#include "retrieval/HttpOperations.h"
#include "rtl/TextOps.h"

namespace {

class TNetworkFaultsTest : public TJobTest {
protected:
    void SetUp() override {
        TJobTest::SetUp();
        os::SetHttpLimits({2, 1, 2});
    }
    void TearDown() override {
        os::SetHttpLimits(os::DefaultHttpLimits);
        TJobTest::TearDown();
    }

    // Runs one job from empty working and output folders and gives how long
    // it took, in seconds.
    double TimedJob(const std::string& address) {
        Messages.clear();
        os::DeleteFile(TempFolder + "temp.flv");
        Output = MakeFolder("output");
        const auto start = std::chrono::steady_clock::now();
        RunJob(address);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    bool DownloadWasWritten() const { return os::FileExists(TempFolder + "temp.flv"); }
};

TEST_F(TNetworkFaultsTest, AddressesOutsideHttpAndErrorPagesAreNeverReadOrSaved) {
    // A copy of the demo page on the local disk, under a title of its own: if
    // the job read it, that title would become the job's.
    const std::string folder = MakeFolder("local-page");
    const std::string page = rtl::ReplaceAll(retrieval::FetchPage(Service().WatchUrl("demo")),
                                             "Test Pattern Demo (5 seconds)", "Local Page Title");
    ASSERT_NE(page.find("Local Page Title"), std::string::npos);
    std::ofstream(folder + "page.html") << page;

    const struct {
        std::string Address;
        std::string Message;
    } cases[] = {
        {"file://" + folder + "page.html?http://", "Error: Cant get and check video link."},
        {Service().WatchUrl("demo-localfile"), "Error: Cant download video file."},
        {Service().WatchUrl("demo-gone"), "Error: Cant download video file."},
    };
    for (const auto& fault : cases) {
        SCOPED_TRACE(fault.Address);
        TimedJob(fault.Address);
        EXPECT_EQ(Messages, std::vector<std::string>{fault.Message});
        EXPECT_EQ(VideoTitle.find("Local_Page_Title"), std::string::npos);
        EXPECT_FALSE(DownloadWasWritten());
        EXPECT_TRUE(std::filesystem::is_empty(Output));
    }
}

TEST_F(TNetworkFaultsTest, WatchPageThatNeverComesEndsTheJobWithinTheLimit) {
    const double seconds = TimedJob(Service().WatchUrl("demo-silent"));
    EXPECT_EQ(Messages, std::vector<std::string>{"Error: Cant get and check video link."});
    EXPECT_LT(seconds, 10.0);
    EXPECT_FALSE(DownloadWasWritten());
}

TEST_F(TNetworkFaultsTest, StreamThatFallsSilentEndsAsABrokenOffDownload) {
    const double seconds = TimedJob(Service().WatchUrl("long-stall1000000"));
    const auto size = static_cast<int64_t>(std::filesystem::file_size(TTestVideoService::ClipPath("long")));
    EXPECT_EQ(Messages, std::vector<std::string>{app::DoneText(1000000, size)});
    EXPECT_TRUE(os::FileExists(Output + VideoTitle + ".AVI"));
    // The stall itself may last the two seconds of the limit and a little more;
    // the rest is the conversion of what came.
    EXPECT_LT(seconds, 60.0);
}

}  // namespace
