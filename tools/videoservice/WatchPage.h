#pragma once
// The watch page and the stream addresses it leads to. The page carries the
// stream map the way the video site's player parameters did: a list of
// entries "url=<address>&type=<type>&itag=<n>", percent-encoded as a whole,
// with each address percent-encoded once more inside its entry. So the first
// address appears doubly encoded behind "url%3D", and the entries are
// separated by "%2C".
#include <string>
#include <string_view>

#include "videoservice/TVideoCase.h"

namespace videoservice {

// Everything but letters, digits and "-._~" as "%XX".
std::string PercentEncode(std::string_view text);

// The address of the stream of `id` with its signature in the field
// `signatureField`: the page names it "sig", the stream request brings it back
// as "signature".
std::string PlaybackAddress(std::string_view base, std::string_view id, std::string_view signatureField);

// The address the program decodes out of the page of `id`: the playback
// address followed by the first entry's type and itag.
std::string StreamAddress(std::string_view base, std::string_view id);

// The page of a known video; `base` is "http://host:port". Under the
// "localfile" switch the first entry of the stream map is "file://" +
// `clipFile` instead of the stream address.
std::string BuildWatchPage(const TVideoCase& video, std::string_view base, std::string_view clipFile = {});

// The page for an id that names no video; it has no stream map.
std::string BuildUnavailablePage();

}  // namespace videoservice
