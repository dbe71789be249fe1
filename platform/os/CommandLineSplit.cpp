#include "os/CommandLineSplit.h"

namespace os {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
    std::vector<std::string> arguments(1);
    size_t i = 0;
    const size_t n = commandLine.size();

    std::string& program = arguments.front();
    if (n > 0 && commandLine[0] == '"') {
        for (i = 1; i < n && commandLine[i] != '"'; ++i) program += commandLine[i];
        if (i < n) ++i;  // the closing quote
    } else {
        for (; i < n && !IsBlank(commandLine[i]); ++i) program += commandLine[i];
    }

    bool quoted = false;
    bool inArgument = false;
    size_t backslashes = 0;
    while (i < n) {
        const char c = commandLine[i];
        if (IsBlank(c) && !quoted) {
            inArgument = false;
            backslashes = 0;
            ++i;
            continue;
        }
        if (!inArgument) {
            arguments.emplace_back();
            inArgument = true;
        }
        std::string& argument = arguments.back();
        if (c == '\\') {
            argument += c;
            ++backslashes;
            ++i;
            continue;
        }
        if (c != '"') {
            argument += c;
            backslashes = 0;
            ++i;
            continue;
        }
        // A double quote: half of the backslashes before it stay; an odd one
        // out makes the quote literal, otherwise the quote toggles quoting.
        argument.resize(argument.size() - backslashes / 2 - backslashes % 2);
        int quotes = quoted ? 1 : 0;
        if (backslashes % 2 == 1) argument += '"';
        else ++quotes;
        backslashes = 0;
        // Runs of quotes: inside a quoted part "" gives one literal quote and
        // leaves the quoted part.
        for (++i; i < n && commandLine[i] == '"'; ++i) {
            if (++quotes == 3) {
                argument += '"';
                quotes = 0;
            }
        }
        quoted = quotes == 1;
    }
    return arguments;
}

std::string QuoteArgument(std::string_view argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos) {
        return std::string(argument);
    }
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count only before a quote: there they are doubled, and
        // the quote itself gets one more.
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    // Before the closing quote the backslashes are doubled as well.
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

}  // namespace os
