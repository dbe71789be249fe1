#include <gtest/gtest.h>

#include "videoservice/THttpRequest.h"

using namespace videoservice;

TEST(RequestParsing, GetWithQueryGivesPathAndDecodedParameters) {
    const auto request = ParseHttpRequest(
        "GET /bytes?n=10&length=a%20b+c&flag&n=20 HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept: */*\r\n");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->Method, "GET");
    EXPECT_EQ(request->Path, "/bytes");
    EXPECT_EQ(request->Param("n"), "10");  // the first of two
    EXPECT_EQ(request->Param("length"), "a b c");
    EXPECT_EQ(request->Param("flag"), "");
    EXPECT_EQ(request->Param("missing"), std::nullopt);
}

TEST(RequestParsing, AbsoluteTargetAndBareLineEndsAreAccepted) {
    const auto request = ParseHttpRequest("HEAD http://127.0.0.1:8080/watch?v=demo#top HTTP/1.0\nUser-Agent: x");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->Method, "HEAD");
    EXPECT_EQ(request->Path, "/watch");
    EXPECT_EQ(request->Param("v"), "demo");
    EXPECT_EQ(ParseHttpRequest("GET http://127.0.0.1 HTTP/1.1")->Path, "/");
}

TEST(RequestParsing, MalformedHeadsAreRefused) {
    for (std::string_view head : {"", "GET", "GET /", "GET / HTTP/2.0", "GET / HTTP/1.1x", "GET watch HTTP/1.1",
                                  "GET /a b HTTP/1.1", "G(T / HTTP/1.1", "GET /\x01 HTTP/1.1",
                                  "GET / HTTP/1.1\r\nno colon here", "GET / HTTP/1.1\r\n: empty name",
                                  "GET ftp://host/ HTTP/1.1"}) {
        EXPECT_FALSE(ParseHttpRequest(head)) << head;
    }
}

TEST(RequestParsing, PercentDecodingKeepsBrokenEscapes) {
    EXPECT_EQ(PercentDecode("%41%2f%2F+%"), "A// %");
    EXPECT_EQ(PercentDecode("%4"), "%4");
    EXPECT_EQ(PercentDecode("%zz%00"), std::string("%zz\0", 4));
}

TEST(RequestParsing, CountsAreShortDigitStringsOnly) {
    EXPECT_EQ(ParseCount("0"), 0u);
    EXPECT_EQ(ParseCount("268435456"), 268435456u);
    EXPECT_EQ(ParseCount("999999999999999"), 999999999999999u);
    for (std::string_view text : {"", "-1", "+1", " 1", "1 ", "0x10", "1e3", "1000000000000000"}) {
        EXPECT_FALSE(ParseCount(text)) << text;
    }
}
