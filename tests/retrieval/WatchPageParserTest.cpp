#include <gtest/gtest.h>

#include <regex>

#include "retrieval/WatchPageParser.h"

using retrieval::MakeSafeTitle;
using retrieval::ParseWatchPageText;

namespace {

const std::string kWorkedEntry =
    "url%3DP%252Fq%253Fid%253D7%2526sparams%253Did%25252Citag%2526sig%253DS1%26type%3Dvideo%252Fx-flv"
    "%253B%2Bcodecs%253D%2522a%2522%26itag%3D34%2Curl%3DQ%252Fr%26itag%3D5";
const std::string kWorkedAddress =
    "P/q?id=7&sparams=id%2Citag&signature=S1&type=video/x-flv;%20codecs=\"a\"&itag=34";

std::string StreamLine(const std::string& entry) {
    return "<script>var swf = \"url_encoded_fmt_stream_map=" + entry + "&amp;other=1\";</script>";
}

std::string TitleLine(const std::string& title) {
    return "<meta name=\"title\" content=\"" + title + "\">";
}

bool IsFallbackTitle(const std::string& title) {
    // "video" and the local time, its separators sanitised (video14_03_27).
    return std::regex_match(title, std::regex("video[0-9]{1,2}_[0-9]{2}_[0-9]{2}[A-Za-z0-9_]*"));
}

}  // namespace

TEST(WatchPage, WorkedExampleDecodesFirstStreamAndSanitisesTitle) {
    std::string title;
    const std::string page = "<html>\r\n" + StreamLine(kWorkedEntry) + "\r\n" +
                             TitleLine("Rain &amp; Snow - Part 2 (2011)") + "\n</html>";
    EXPECT_EQ(ParseWatchPageText(page, title), kWorkedAddress);
    EXPECT_EQ(title, "Rain__amp__Snow___Part_2__2011_");
}

TEST(WatchPage, EmptyPageGivesNoAddressAndGeneratedTitle) {
    std::string title = "previous job";
    EXPECT_EQ(ParseWatchPageText("", title), "");
    EXPECT_TRUE(IsFallbackTitle(title)) << title;
}

TEST(WatchPage, FirstStreamLineThatYieldsTextWins) {
    std::string title;
    const std::string page = StreamLine("url%3Dno-comma-here") + "\r" + StreamLine("url%3DA%252Fb%2Cx") + "\r" +
                             StreamLine("url%3DC%252Fd%2Cx") + "\r" + TitleLine("One") + "\r" +
                             TitleLine("Two");
    EXPECT_EQ(ParseWatchPageText(page, title), "A/b");
    EXPECT_EQ(title, "One");
}

TEST(WatchPage, TitleWithoutClosingQuoteLetsLaterLineOrFallbackServe) {
    std::string title;
    EXPECT_EQ(ParseWatchPageText(TitleLine("") + "\n" + "<meta name=\"title\" content=\"open" + "\n" +
                                     TitleLine("Later"), title),
              "");
    EXPECT_EQ(title, "Later");
    ParseWatchPageText("<meta name=\"title\" content=\"" + std::string(300, 'x') + "\">", title);
    EXPECT_TRUE(IsFallbackTitle(title)) << title;
}

TEST(WatchPage, LineWithBothMarkersTakesTitleFromTheDecodedStreamText) {
    std::string title;
    const std::string both = StreamLine("url%3DS%252Fx%2C") + TitleLine("Lost");
    EXPECT_EQ(ParseWatchPageText(both + "\n" + TitleLine("Kept"), title), "S/x");
    EXPECT_EQ(title, "Kept");
}

TEST(WatchPage, MissingUrlFieldDeletesFiveCharactersOfTheMarkerRest) {
    std::string title;
    // The marker's first character goes, then five more: the text keeps the
    // marker from its seventh character on.
    EXPECT_EQ(ParseWatchPageText("url_encoded_fmt_stream_map=abc%2Cdef", title), "coded_fmt_stream_map=abc");
}

TEST(WatchPage, SigIsReplacedEverywhereInTheFirstEntry) {
    std::string title;
    EXPECT_EQ(ParseWatchPageText(StreamLine("url%3Dh%252Fdesign%2526signature%253D1%2C"), title),
              "h/designaturen&signaturenature=1");
}

TEST(WatchPage, LinesEndAtCrLfLoneCrLoneLfAndTheTextAtNul) {
    std::string title;
    ParseWatchPageText("x\r\n\r\n\n\r" + TitleLine("A") + "\r\n" + std::string("\0", 1) + TitleLine("B"), title);
    EXPECT_EQ(title, "A");
    ParseWatchPageText(std::string("x\0", 2) + TitleLine("C"), title);
    EXPECT_TRUE(IsFallbackTitle(title)) << title;
}

TEST(WatchPage, TitleLengthLimit) {
    std::string title;
    ParseWatchPageText(TitleLine(std::string(53, 'a')), title);
    EXPECT_EQ(title, std::string(53, 'a'));
    ParseWatchPageText(TitleLine(std::string(54, 'b')), title);
    EXPECT_EQ(title, std::string(50, 'b') + "...");
}

TEST(SafeTitle, KeepsLettersAndDigitsAndReplacesEveryOtherByte) {
    EXPECT_EQ(MakeSafeTitle(""), "");
    EXPECT_EQ(MakeSafeTitle("Az09 ./\\:*?\"<>|"), "Az09___________");
    EXPECT_EQ(MakeSafeTitle("Caf\xc3\xa9"), "Caf__");  // UTF-8: one "_" per byte
    EXPECT_EQ(MakeSafeTitle(std::string("a\0b", 3)), "a_b");
}
