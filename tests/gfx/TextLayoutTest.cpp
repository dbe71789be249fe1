#include <gtest/gtest.h>

#include "gfx/TCanvas.h"

using namespace gfx;

namespace {

TFontInstance& SansSerif() { return FontInstance(TFont{}); }

int Width(std::string_view text) {
    int w = 0;
    for (char c : text) w += SansSerif().Advance(static_cast<unsigned char>(c));
    return w;
}

std::vector<std::string> Lines(std::string_view text, unsigned format, int width, int maxLines = 0) {
    std::vector<std::string> out;
    for (const TTextLine& line : LayoutText(text, format, width, maxLines, SansSerif())) out.push_back(line.Text);
    return out;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(TextLayoutBreaks, LinesEndAtLineBreaksUnlessSingleLine) {
    EXPECT_EQ(Lines("one\r\ntwo\nthree\rfour", 0, 1000), (Texts{"one", "two", "three", "four"}));
    EXPECT_EQ(Lines("one\n\ntwo\n", 0, 1000), (Texts{"one", "", "two", ""}));
    EXPECT_EQ(Lines("one\r\ntwo", DT_SINGLELINE | DT_WORDBREAK, 1), (Texts{"one\r\ntwo"}));
}

TEST(TextLayoutBreaks, WordBreakFillsEachLineAndDropsTheBlanksAtTheBreak) {
    const std::string text = "Open video file when process completes";
    EXPECT_EQ(Lines(text, DT_WORDBREAK, Width("Open video file when")),
              (Texts{"Open video file when", "process completes"}));
    EXPECT_EQ(Lines(text, DT_WORDBREAK, Width("Open video file when") - 1),
              (Texts{"Open video file", "when process", "completes"}));
    EXPECT_EQ(Lines("abc   def", DT_WORDBREAK, Width("abc ")), (Texts{"abc", "def"}));
    // A word longer than the line stays whole.
    EXPECT_EQ(Lines("a verylongword b", DT_WORDBREAK, Width("a b")), (Texts{"a", "verylongword", "b"}));
    EXPECT_EQ(Lines("one two", DT_WORDBREAK, 0), (Texts{"one", "two"}));
    EXPECT_EQ(Lines("   lead", DT_WORDBREAK, 1000), (Texts{"   lead"}));
}

TEST(TextLayoutPrefixes, AmpersandUnderlinesTheNextCharacter) {
    auto lines = LayoutText("&File", 0, 1000, 0, SansSerif());
    EXPECT_EQ(lines[0].Text, "File");
    EXPECT_EQ(lines[0].Underlined, (std::vector<uint8_t>{1, 0, 0, 0}));
    EXPECT_EQ(lines[0].Width, Width("File"));
    lines = LayoutText("Save && E&xit", 0, 1000, 0, SansSerif());
    EXPECT_EQ(lines[0].Text, "Save & Exit");
    EXPECT_EQ(lines[0].Underlined, (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(Lines("&File", DT_NOPREFIX, 1000), (Texts{"&File"}));
    EXPECT_EQ(Lines("End&", 0, 1000), (Texts{"End&"}));
    lines = LayoutText("&File", DT_HIDEPREFIX, 1000, 0, SansSerif());
    EXPECT_EQ(lines[0].Text, "File");
    EXPECT_EQ(lines[0].Underlined, (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST(TextLayoutEllipsis, CutsTheEndSoThatTheDotsFit) {
    const int width = Width("Kestrune...") + 1;
    auto lines = LayoutText("Kestrune YouTube Converter", DT_END_ELLIPSIS, width, 0, SansSerif());
    EXPECT_EQ(lines[0].Text, "Kestrune...");
    EXPECT_LE(lines[0].Width, width);
    EXPECT_EQ(Lines("Fits", DT_END_ELLIPSIS, Width("Fits")), (Texts{"Fits"}));
    EXPECT_EQ(Lines("Wide", DT_END_ELLIPSIS, 1), (Texts{"..."}));
}

TEST(TextLayoutEllipsis, LastVisibleLineOfBrokenTextEndsInDots) {
    const auto lines = Lines("one two three four", DT_WORDBREAK | DT_END_ELLIPSIS, Width("one two"), 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(0, 3), "one");
    EXPECT_EQ(lines[0].substr(lines[0].size() - 3), "...");
    EXPECT_LE(Width(lines[0]), Width("one two"));
    EXPECT_EQ(Lines("one two three", DT_WORDBREAK, Width("one two"), 1), (Texts{"one two"}));
}

TEST(TextLayoutTabs, ExpandToEightAverageCharacterWidths) {
    const int stop = 8 * SansSerif().Metrics().tmAveCharWidth;
    auto line = LayoutText("a\tb\tc", DT_EXPANDTABS, 1000, 0, SansSerif())[0];
    EXPECT_EQ(line.X[2], stop);
    EXPECT_EQ(line.X[4], 2 * stop);
    line = LayoutText("a\tb", 0, 1000, 0, SansSerif())[0];
    EXPECT_EQ(line.X[2], Width("a"));
}

TEST(TextLayoutReading, RightToLeftMovesLeadingAndTrailingMarksToTheOtherEnd) {
    EXPECT_EQ(Lines("Hello!", DT_RTLREADING, 1000), (Texts{"!Hello"}));
    EXPECT_EQ(Lines("...Start", DT_RTLREADING, 1000), (Texts{"Start..."}));
    EXPECT_EQ(Lines("Go (now)", DT_RTLREADING, 1000), (Texts{"(Go (now"}));
    EXPECT_EQ(Lines("--", DT_RTLREADING, 1000), (Texts{"--"}));
    auto line = LayoutText("&Save?", DT_RTLREADING, 1000, 0, SansSerif())[0];
    EXPECT_EQ(line.Text, "?Save");
    EXPECT_EQ(line.Underlined, (std::vector<uint8_t>{0, 1, 0, 0, 0}));
}
