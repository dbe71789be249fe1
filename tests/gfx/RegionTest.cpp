#include <gtest/gtest.h>

#include <random>
#include <set>

#include "gfx/TRegion.h"

using namespace gfx;

namespace {

std::set<std::pair<int, int>> PixelsOf(const TRegion& r) {
    std::set<std::pair<int, int>> pixels;
    for (const TRect& rect : r.Rects())
        for (int y = rect.Top; y < rect.Bottom; ++y)
            for (int x = rect.Left; x < rect.Right; ++x) EXPECT_TRUE(pixels.insert({x, y}).second) << "overlap";
    return pixels;
}

// The rectangles are in bands, left to right, neither overlapping nor touching
// sideways, and no two neighbouring bands could merge.
void ExpectCanonical(const TRegion& r) {
    const auto& rects = r.Rects();
    for (size_t i = 0; i + 1 < rects.size(); ++i) {
        const TRect &a = rects[i], &b = rects[i + 1];
        if (a.Top == b.Top) {
            EXPECT_EQ(a.Bottom, b.Bottom);
            EXPECT_LT(a.Right, b.Left);
        } else {
            EXPECT_GE(b.Top, a.Bottom);
        }
    }
}

TRegion RandomRegion(std::mt19937& random) {
    std::vector<TRect> rects;
    std::uniform_int_distribution<int> coord(0, 12), count(0, 4);
    for (int n = count(random); n > 0; --n) {
        const int x = coord(random), y = coord(random);
        rects.push_back({x, y, x + coord(random) / 2, y + coord(random) / 2});
    }
    return TRegion::FromRects(rects);
}

}  // namespace

TEST(RegionAlgebra, UnionOfOverlappingRectanglesMakesBands) {
    TRegion r;
    EXPECT_EQ(r.Combine(TRegion({0, 0, 4, 2}), TRegion({2, 1, 6, 3}), RGN_OR), COMPLEXREGION);
    EXPECT_EQ(r.Rects(), (std::vector<TRect>{{0, 0, 4, 1}, {0, 1, 6, 2}, {2, 2, 6, 3}}));
    EXPECT_EQ(r.Bounds(), (TRect{0, 0, 6, 3}));
}

TEST(RegionAlgebra, WindowMinusCornerRunsAsTheFrameCutsIt) {
    // A 10 x 4 window with two see-through pixels in each top corner row 0 and
    // one in row 1: the rounded corners of a skinned frame.
    TRegion window(TRect{0, 0, 10, 4});
    const TRegion runs = TRegion::FromRects({{0, 0, 2, 1}, {8, 0, 10, 1}, {0, 1, 1, 2}, {9, 1, 10, 2}});
    EXPECT_EQ(window.Combine(window, runs, RGN_DIFF), COMPLEXREGION);
    EXPECT_EQ(window.Rects(), (std::vector<TRect>{{2, 0, 8, 1}, {1, 1, 9, 2}, {0, 2, 10, 4}}));
    EXPECT_FALSE(window.Contains(0, 0));
    EXPECT_TRUE(window.Contains(2, 0));
    EXPECT_FALSE(window.Contains(9, 1));
    EXPECT_TRUE(window.Contains(9, 3));
    EXPECT_FALSE(window.Contains(10, 3));
}

TEST(RegionAlgebra, TouchingPiecesJoinAndEqualBandsMerge) {
    const TRegion r = TRegion::FromRects({{0, 0, 2, 1}, {2, 0, 4, 1}, {0, 1, 4, 3}});
    EXPECT_EQ(r.Kind(), SIMPLEREGION);
    EXPECT_EQ(r.Rects(), (std::vector<TRect>{{0, 0, 4, 3}}));
}

TEST(RegionAlgebra, EmptyResultsAndCopiesAndOffsets) {
    TRegion r;
    EXPECT_EQ(r.Combine(TRegion({0, 0, 2, 2}), TRegion({5, 5, 6, 6}), RGN_AND), NULLREGION);
    EXPECT_TRUE(r.IsEmpty());
    EXPECT_EQ(r.Bounds(), TRect{});
    EXPECT_TRUE(TRegion(TRect{3, 3, 3, 9}).IsEmpty());
    TRegion copy;
    copy.Combine(TRegion({1, 1, 3, 3}), r, RGN_COPY);
    copy.Offset(-1, 2);
    EXPECT_EQ(copy.Rects(), (std::vector<TRect>{{0, 3, 2, 5}}));
    EXPECT_EQ(copy.Bounds(), (TRect{0, 3, 2, 5}));
    EXPECT_TRUE(copy.Intersects({1, 4, 9, 9}));
    EXPECT_FALSE(copy.Intersects({2, 3, 9, 9}));
}

TEST(RegionAlgebra, EveryOperationAgreesWithPixelSetsAndStaysCanonical) {
    std::mt19937 random(4);
    for (int round = 0; round < 400; ++round) {
        const TRegion a = RandomRegion(random), b = RandomRegion(random);
        const auto pa = PixelsOf(a), pb = PixelsOf(b);
        for (int mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF}) {
            TRegion r = a;
            r.Combine(r, b, mode);  // in place, as callers do
            ExpectCanonical(r);
            std::set<std::pair<int, int>> expected;
            for (const auto& p : pa) {
                const bool inB = pb.count(p);
                if ((mode == RGN_AND && inB) || mode == RGN_OR || (mode != RGN_AND && !inB)) expected.insert(p);
            }
            if (mode == RGN_OR || mode == RGN_XOR)
                for (const auto& p : pb)
                    if (!pa.count(p)) expected.insert(p);
            ASSERT_EQ(PixelsOf(r), expected) << "round " << round << " mode " << mode;
            for (int y = -1; y < 20; ++y)
                for (int x = -1; x < 20; ++x) ASSERT_EQ(r.Contains(x, y), expected.count({x, y}) == 1);
        }
    }
}
