#pragma once
// ffmpeg ends its status line with the bitrate and speed behind the position
// ("... time=00:00:04.08 bitrate= 992.0kbits/s speed=32.4x    \r"), 55
// characters or more from "time=" on. The converter reads the position from
// the last 51 characters of the output only, so our encoder moves the
// position to the end of each status line instead.
#include <string>
#include <string_view>

namespace encoder {

// One line as ffmpeg printed it, with its ending ("\r" or "\n", or none at the
// end of the output). A line with a "time=" field comes back with that field
// last, trailing blanks dropped; any other line comes back unchanged.
std::string MoveTimeToEnd(std::string_view line);

// Cuts a stream of output into lines at "\r" and "\n" and passes each, moved,
// to a sink. Text without an ending is held until its ending comes, up to a
// limit beyond which it is passed on as it is.
class TStatusRelay {
public:
    static constexpr size_t kHoldLimit = 4096;
    template <typename Sink>
    void Feed(std::string_view piece, Sink&& sink) {
        for (char c : piece) {
            Held += c;
            if (c == '\r' || c == '\n') {
                sink(MoveTimeToEnd(Held));
                Held.clear();
            } else if (Held.size() >= kHoldLimit) {
                sink(Held);
                Held.clear();
            }
        }
    }
    template <typename Sink>
    void Finish(Sink&& sink) {
        if (!Held.empty()) sink(MoveTimeToEnd(Held));
        Held.clear();
    }

private:
    std::string Held;
};

}  // namespace encoder
