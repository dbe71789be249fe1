#pragma once
// Everything the encoder printed since its start, and what the job reads from
// it: the input's duration (after the first "Duration: ") and the position
// reached (after a "time=" near the end), both as HH:MM:SS texts.
//
// The text only grows while the encoder runs, and a conversion piles up
// megabytes of status lines, so reading must not cost more as it grows: the
// first "Duration: " and "Unknown format" are looked for in each new piece
// only, once, and the position only ever looks at the last 51 characters.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace conversion {

struct TProgressTexts {
    std::string DurationText = "00:00:00";
    // Absent when the last 51 characters hold no "time=".
    std::optional<std::string> TimeText;
};

class TEncoderOutput {
public:
    // Appends one piece as it came from the pipe; NUL bytes become blanks.
    void Append(std::string_view piece);
    void Clear();

    const std::string& Text() const { return FText; }
    // The encoder has summarised its input ("Duration: ") or given up on it
    // ("Unknown format").
    bool SummarySeen() const { return DurationAt != std::string::npos || UnknownFormatSeen; }

    TProgressTexts ReadProgress(bool durationWanted, bool timeWanted) const;
    // "00:00:00" when no "Duration: " has come.
    std::string GetDurationText() const;
    // Seconds of the time text; 0 when there is none. Raises EConvertError when
    // the time text is not HH:MM:SS (see TimeToSeconds).
    int32_t GetPosition() const;
    // The furthest position of any readable "time=" printed so far, wherever it
    // stands: the encoder's last status line is followed by its summary, which
    // pushes it out of the last 51 characters, yet it tells how far the
    // encoder got. 0 before the first one.
    int32_t FurthestPosition() const { return FFurthest; }

private:
    std::string FText;
    size_t DurationAt = std::string::npos;  // index of the first "Duration: "
    bool UnknownFormatSeen = false;
    size_t TimesReadUpTo = 0;  // where the next "time=" is looked for
    int32_t FFurthest = 0;

    void ReadNewTimes();
};

// Hours x 3600 + minutes x 60 + seconds of a text read at fixed places:
// characters 1-2, 4-5 and 7-8; whatever stands at 3, 6 and after 8 is not
// looked at. Raises EConvertError "'<piece>' is not a valid integer value" for
// the first piece that does not convert (an empty one included).
int32_t TimeToSeconds(std::string_view text);

}  // namespace conversion
