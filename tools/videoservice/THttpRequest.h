#pragma once
// One HTTP/1.x request as the service sees it: method, path and the decoded
// query of the target. The head (everything before the blank line) comes from
// outside, so parsing refuses anything that is not a well-formed request
// instead of guessing; the caller answers such a request with 400.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace videoservice {

struct THttpRequest {
    std::string Method;
    std::string Path;  // the target up to "?", as sent (ids and names here need no decoding)
    std::vector<std::pair<std::string, std::string>> Query;  // decoded, in the order sent

    // The first value given for `name`.
    std::optional<std::string> Param(std::string_view name) const;
};

std::optional<THttpRequest> ParseHttpRequest(std::string_view head);

// "name=value&..." with "%XX" and "+" decoded in names and values.
std::vector<std::pair<std::string, std::string>> ParseQuery(std::string_view query);

// "%XX" becomes the byte XX, "+" a blank; a "%" without two hex digits stays as it is.
std::string PercentDecode(std::string_view text);

// A byte count, offset or delay given in a request: 1 to 15 decimal digits and
// nothing else, so that no sum of two of them can overflow.
std::optional<uint64_t> ParseCount(std::string_view text);

}  // namespace videoservice
