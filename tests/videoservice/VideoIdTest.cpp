#include <gtest/gtest.h>

#include "videoservice/TVideoCase.h"

using namespace videoservice;

TEST(VideoId, ClipNameAloneIsThePlainCase) {
    const auto video = ParseVideoId("demo");
    ASSERT_TRUE(video);
    EXPECT_EQ(video->Clip->Name, "demo");
    EXPECT_FALSE(video->Chunked || video->Huge || video->Relay || video->Moved || video->Nul || video->BreakAfter);
    EXPECT_EQ(video->TrickleMs, 0u);
    EXPECT_EQ(video->TitleHtml(), "Test Pattern Demo (5 seconds)");
}

TEST(VideoId, SwitchesCombine) {
    const auto video = ParseVideoId("long-chunked-break65536-trickle20-huge-relay-moved-nul-accents");
    ASSERT_TRUE(video);
    EXPECT_EQ(video->Clip->Name, "long");
    EXPECT_TRUE(video->Chunked && video->Huge && video->Relay && video->Moved && video->Nul);
    EXPECT_EQ(video->BreakAfter, 65536u);
    EXPECT_EQ(video->TrickleMs, 20u);
    EXPECT_EQ(video->TitleHtml(), "Caf\xC3\xA9 &amp; Cr\xC3\xA8me \xE2\x80\x93 Part 2");
    EXPECT_EQ(ParseVideoId("demo-notitle")->TitleHtml(), "");
    EXPECT_GT(ParseVideoId("demo-longtitle")->TitleHtml().size(), 53u);
}

TEST(VideoId, UnknownClipsAndSwitchesAreUnknownVideos) {
    for (std::string_view id : {"", "-", "demo-", "Demo", "other", "demo-CHUNKED", "demo-break", "demo-breakx",
                                "demo-trickle10001", "demo-sig", "demo--chunked", "chunked"}) {
        EXPECT_FALSE(ParseVideoId(id)) << id;
    }
}

TEST(VideoId, DropSwitchRemovesEveryOccurrenceOfThatSwitchOnly) {
    EXPECT_EQ(DropSwitch("demo-moved", "moved"), "demo");
    EXPECT_EQ(DropSwitch("demo-moved-chunked-moved", "moved"), "demo-chunked");
    EXPECT_EQ(DropSwitch("demo-relay-break10", "moved"), "demo-relay-break10");
}

TEST(VideoId, SignatureIsStableHexAndDiffersBetweenIds) {
    const std::string signature = StreamSignature("demo");
    EXPECT_EQ(signature, StreamSignature("demo"));
    EXPECT_NE(signature, StreamSignature("demo-chunked"));
    EXPECT_EQ(signature.size(), 16u);
    EXPECT_EQ(signature.find_first_not_of("0123456789ABCDEF"), std::string::npos);
}
