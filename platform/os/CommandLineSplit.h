#pragma once
// One command line in, the child's argument vector out, with the quoting rules
// of the Windows command line, so that a command line written for f.exe reaches
// the encoder with the same arguments it would get there.
//
// The program path (the first argument) follows its own rule: when it begins
// with a double quote it runs to the next double quote, blanks included, and
// nothing in it is escaped; otherwise it runs to the first blank or tab.
//
// Every later argument is separated by blanks and tabs outside quotes, and:
// - 2n backslashes before a double quote give n backslashes, and the quote
//   opens or closes a quoted part;
// - 2n+1 backslashes before a double quote give n backslashes and a literal quote;
// - backslashes before anything else stand as they are;
// - inside a quoted part, two double quotes give one literal quote and end the
//   quoted part.
#include <string>
#include <string_view>
#include <vector>

namespace os {

// The program path first, then the arguments. A command line that begins with
// a blank yields an empty program path.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The inverse for arguments after the program path: the text as it stands when
// it holds no blank, tab or double quote and is not empty, else quoted so that
// SplitCommandLine gives it back unchanged.
std::string QuoteArgument(std::string_view argument);

}  // namespace os
