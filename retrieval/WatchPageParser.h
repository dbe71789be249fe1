#pragma once
// Turns a watch page into the direct address of its first video stream and a
// title that is safe inside a file name.
#include <string>
#include <string_view>

namespace retrieval {

// Fetches the page and parses it. Writes the job's title into `videoTitle`
// (never empty, at most 53 characters); returns the stream address, empty when
// the page holds none.
std::string ParseWatchPage(const std::string& address, std::string& videoTitle);

// The parsing alone, on page text already fetched.
std::string ParseWatchPageText(std::string_view page, std::string& videoTitle);

// Every byte outside a-z, A-Z and 0-9 becomes "_"; the length stays.
std::string MakeSafeTitle(std::string_view text);

// Undoes the double percent-encoding of a stream-map entry.
std::string DecodeStreamEntry(std::string_view entry);

}  // namespace retrieval
