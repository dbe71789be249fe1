#include <gtest/gtest.h>

#include "encoder/StatusLine.h"

using encoder::MoveTimeToEnd;
using encoder::TStatusRelay;

TEST(EncoderStatusLine, PositionMovesToTheEndWithinTheLastCharactersLookedAt) {
    const std::string moved = MoveTimeToEnd(
        "frame=   48 fps=0.0 q=3.0 size=     256kB time=00:00:01.92 bitrate=1092.3kbits/s speed=3.83x    \r");
    EXPECT_EQ(moved, "frame=   48 fps=0.0 q=3.0 size=     256kB bitrate=1092.3kbits/s speed=3.83x time=00:00:01.92\r");
    const std::string window = moved.substr(moved.size() - 51);
    EXPECT_NE(window.find("time=00:00:01.92"), std::string::npos);
}

TEST(EncoderStatusLine, OtherLinesAndOddShapesPassUnchangedOrStayWhole) {
    EXPECT_EQ(MoveTimeToEnd("  Duration: 00:01:00.00, start: 0.000000, bitrate: 392 kb/s\n"),
              "  Duration: 00:01:00.00, start: 0.000000, bitrate: 392 kb/s\n");
    EXPECT_EQ(MoveTimeToEnd("time=00:00:01.00 speed=1x\r"), "speed=1x time=00:00:01.00\r");
    EXPECT_EQ(MoveTimeToEnd("size=1kB time=N/A\r"), "size=1kB time=N/A\r");
    EXPECT_EQ(MoveTimeToEnd("time="), "time=");
    EXPECT_EQ(MoveTimeToEnd("\r"), "\r");
    EXPECT_EQ(MoveTimeToEnd(""), "");
}

TEST(EncoderStatusRelay, CutsAtLineEndsAcrossPiecesAndHoldsNoMoreThanItsLimit) {
    TStatusRelay relay;
    std::vector<std::string> out;
    const auto sink = [&](const std::string& line) { out.push_back(line); };
    relay.Feed("Dura", sink);
    EXPECT_TRUE(out.empty());
    relay.Feed("tion: 00:00:20.00\nframe=1 time=00:00:0", sink);
    relay.Feed("1.00 speed=2x\rframe=2", sink);
    relay.Finish(sink);
    EXPECT_EQ(out, (std::vector<std::string>{"Duration: 00:00:20.00\n", "frame=1 speed=2x time=00:00:01.00\r",
                                             "frame=2"}));
    out.clear();
    relay.Feed(std::string(TStatusRelay::kHoldLimit + 10, 'x'), sink);
    EXPECT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].size(), TStatusRelay::kHoldLimit);
}
