#include "os/CommandLineSplit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Arguments = std::vector<std::string>;

TEST(CommandLineSplit, ProgramPath) {
    // A quoted program path keeps its blanks and runs to the next quote, with
    // no escapes in it.
    EXPECT_EQ(os::SplitCommandLine("\"/opt/my tools/f.exe\" -i x"),
              (Arguments{"/opt/my tools/f.exe", "-i", "x"}));
    EXPECT_EQ(os::SplitCommandLine("\"C:\\dir\\\" a"), (Arguments{"C:\\dir\\", "a"}));
    EXPECT_EQ(os::SplitCommandLine("\"a b\"c d"), (Arguments{"a b", "c", "d"}));
    // Unquoted, it runs to the first blank, quotes and all.
    EXPECT_EQ(os::SplitCommandLine("a\"b c"), (Arguments{"a\"b", "c"}));
    EXPECT_EQ(os::SplitCommandLine("/usr/bin/f.exe"), (Arguments{"/usr/bin/f.exe"}));
}

TEST(CommandLineSplit, MissingProgramPathIsEmpty) {
    // What a command line gets when the encoder's short path came back empty.
    EXPECT_EQ(os::SplitCommandLine(" -i /tmp/temp.flv"), (Arguments{"", "-i", "/tmp/temp.flv"}));
    EXPECT_EQ(os::SplitCommandLine(""), (Arguments{""}));
    EXPECT_EQ(os::SplitCommandLine("\"\" x"), (Arguments{"", "x"}));
}

TEST(CommandLineSplit, BlanksAndTabsSeparate) {
    EXPECT_EQ(os::SplitCommandLine("p  a\t\tb  "), (Arguments{"p", "a", "b"}));
    EXPECT_EQ(os::SplitCommandLine("p \"a \tb\" c"), (Arguments{"p", "a \tb", "c"}));
    EXPECT_EQ(os::SplitCommandLine("p \"\" c"), (Arguments{"p", "", "c"}));
    EXPECT_EQ(os::SplitCommandLine("p x\"y z\"w"), (Arguments{"p", "xy zw"}));
    EXPECT_EQ(os::SplitCommandLine("p \"open to the end"), (Arguments{"p", "open to the end"}));
}

TEST(CommandLineSplit, BackslashesCountOnlyBeforeQuotes) {
    EXPECT_EQ(os::SplitCommandLine("p \"abc\" d e"), (Arguments{"p", "abc", "d", "e"}));
    EXPECT_EQ(os::SplitCommandLine("p a\\\\b d\"e f\"g h"), (Arguments{"p", "a\\\\b", "de fg", "h"}));
    EXPECT_EQ(os::SplitCommandLine("p a\\\\\\\"b c d"), (Arguments{"p", "a\\\"b", "c", "d"}));
    EXPECT_EQ(os::SplitCommandLine("p a\\\\\\\\\"b c\" d e"), (Arguments{"p", "a\\\\b c", "d", "e"}));
    EXPECT_EQ(os::SplitCommandLine("p \\\"x\\\""), (Arguments{"p", "\"x\""}));
    EXPECT_EQ(os::SplitCommandLine("p \"C:\\folder\\\\\" next"), (Arguments{"p", "C:\\folder\\", "next"}));
}

TEST(CommandLineSplit, DoubledQuotes) {
    // Inside quotes "" is one literal quote and ends the quoted part.
    EXPECT_EQ(os::SplitCommandLine("p \"a\"\"b\""), (Arguments{"p", "a\"b"}));
    EXPECT_EQ(os::SplitCommandLine("p a\"b\"\" c d"), (Arguments{"p", "ab\"", "c", "d"}));
    EXPECT_EQ(os::SplitCommandLine("p \"a\"\" b\""), (Arguments{"p", "a\"", "b"}));
    EXPECT_EQ(os::SplitCommandLine("p \"\"\"\""), (Arguments{"p", "\""}));
}

TEST(QuoteArgument, PlainTextStaysAsItIs) {
    EXPECT_EQ(os::QuoteArgument("/tmp/kestrune_temp_folder/temp.flv"), "/tmp/kestrune_temp_folder/temp.flv");
    EXPECT_EQ(os::QuoteArgument("a\\b"), "a\\b");
    EXPECT_EQ(os::QuoteArgument("a b"), "\"a b\"");
    EXPECT_EQ(os::QuoteArgument(""), "\"\"");
}

TEST(QuoteArgument, SplitGivesEveryArgumentBack) {
    const Arguments awkward = {"a b", "", "tab\there", "say \"hi\"", "ends\\", "ends in blank\\ ",
                               "\\\\\"", "x\\\\y z", "\"", "\"\"", "plain", "\\"};
    std::string commandLine = "program";
    for (const std::string& argument : awkward) commandLine += " " + os::QuoteArgument(argument);
    Arguments expected = {"program"};
    expected.insert(expected.end(), awkward.begin(), awkward.end());
    EXPECT_EQ(os::SplitCommandLine(commandLine), expected) << commandLine;
}

}  // namespace
