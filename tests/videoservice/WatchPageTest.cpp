// The pages as the converter's own watch-page parser reads them.
#include <gtest/gtest.h>

#include "retrieval/WatchPageParser.h"
#include "videoservice/WatchPage.h"

using namespace videoservice;

namespace {

constexpr std::string_view Base = "http://127.0.0.1:8080";

std::string PageOf(std::string_view id) { return BuildWatchPage(*ParseVideoId(id), Base); }

std::string TitleOf(std::string_view page) {
    std::string title;
    retrieval::ParseWatchPageText(page, title);
    return title;
}

}  // namespace

TEST(WatchPage, StreamMapDecodesToTheStreamAddressWithSignatureTypeAndItag) {
    std::string title;
    const std::string address = retrieval::ParseWatchPageText(PageOf("demo-break100"), title);
    EXPECT_EQ(address, StreamAddress(Base, "demo-break100"));
    EXPECT_EQ(address, "http://127.0.0.1:8080/videoplayback?id=demo-break100&sparams=id&signature=" +
                           StreamSignature("demo-break100") + "&type=video/x-flv&itag=34");
    // What libcurl needs of an address.
    EXPECT_EQ(address.find_first_of(" \"<>\\"), std::string::npos);
}

TEST(WatchPage, FirstAddressIsDoublyEncodedBehindTheMarker) {
    const std::string page = PageOf("demo");
    const std::string encoded = "url_encoded_fmt_stream_map=url%3Dhttp%253A%252F%252F127.0.0.1%253A8080%252F"
                                "videoplayback%253Fid%253Ddemo%2526sparams%253Did%2526sig%253D" +
                                StreamSignature("demo") + "%26type%3Dvideo%252Fx-flv%26itag%3D34%2Curl%3D";
    EXPECT_NE(page.find(encoded), std::string::npos);
}

TEST(WatchPage, EveryLineEndsWithLineFeedAlone) {
    const std::string page = PageOf("demo");
    EXPECT_EQ(page.back(), '\n');
    EXPECT_EQ(page.find('\r'), std::string::npos);
}

TEST(WatchPage, TitleLineHoldsTheChosenTitle) {
    EXPECT_EQ(TitleOf(PageOf("demo")), "Test_Pattern_Demo__5_seconds_");
    EXPECT_EQ(TitleOf(PageOf("long")), "Test_Pattern_Long_Play__1_minute_");
    const std::string accents = PageOf("demo-accents");
    EXPECT_NE(accents.find("\n<meta name=\"title\" content=\"Caf\xC3\xA9 &amp; Cr\xC3\xA8me \xE2\x80\x93 Part 2\">\n"),
              std::string::npos);
    EXPECT_EQ(TitleOf(accents), "Caf____amp__Cr__me_____Part_2");
    EXPECT_EQ(TitleOf(PageOf("demo-longtitle")), "A_Very_Long_Title_That_Goes_On_And_On_To_Test_How_...");
    const std::string untitled = PageOf("demo-notitle");
    EXPECT_EQ(untitled.find("<meta name=\"title\""), std::string::npos);
    EXPECT_TRUE(TitleOf(untitled).starts_with("video"));
}

TEST(WatchPage, NulBytesLieMoreThanOneReadBufferBeforeWhatTheProgramNeeds) {
    const std::string page = PageOf("demo-nul");
    const size_t lastNul = page.rfind('\0');
    ASSERT_NE(lastNul, std::string::npos);
    EXPECT_GT(page.find("<meta name=\"title\""), lastNul + 1025);
    EXPECT_GT(page.find("url_encoded_fmt_stream_map="), lastNul + 1025);
    // The program drops the rest of a 1025-byte read from a NUL on; the page still works.
    std::string delivered;
    for (size_t at = 0; at < page.size(); at += 1025) {
        const std::string chunk = page.substr(at, 1025);
        delivered += chunk.substr(0, chunk.find('\0'));
    }
    std::string title;
    EXPECT_EQ(retrieval::ParseWatchPageText(delivered, title), StreamAddress(Base, "demo-nul"));
    EXPECT_EQ(title, "Test_Pattern_Demo__5_seconds_");
}

TEST(WatchPage, UnavailablePageHasNeitherStreamMapNorTitleLine) {
    const std::string page = BuildUnavailablePage();
    EXPECT_EQ(page.find("url_encoded_fmt_stream_map="), std::string::npos);
    EXPECT_EQ(page.find("<meta name=\"title\""), std::string::npos);
    std::string title;
    EXPECT_EQ(retrieval::ParseWatchPageText(page, title), "");
}
