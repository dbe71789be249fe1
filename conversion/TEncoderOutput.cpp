#include "conversion/TEncoderOutput.h"

#include <algorithm>

#include "rtl/Exceptions.h"
#include "rtl/IntConvert.h"
#include "rtl/TextOps.h"

namespace conversion {

namespace {

constexpr std::string_view DurationMark = "Duration: ";
constexpr std::string_view UnknownFormatMark = "Unknown format";
constexpr std::string_view TimeMark = "time=";
// The position is read from this many characters at the end of the output.
constexpr size_t TimeWindow = 51;
constexpr long DurationLength = 8;
constexpr size_t TimeLength = 8;  // HH:MM:SS

// Looks for `mark` where it could not have been found before: in the new
// piece, or straddling the old end by up to all but one of its characters.
size_t FindInNewPiece(const std::string& text, std::string_view mark, size_t oldLength) {
    const size_t from = oldLength >= mark.size() - 1 ? oldLength - (mark.size() - 1) : 0;
    return text.find(mark, from);
}

}  // namespace

void TEncoderOutput::Append(std::string_view piece) {
    const size_t oldLength = FText.size();
    FText.append(piece);
    std::replace(FText.begin() + static_cast<std::ptrdiff_t>(oldLength), FText.end(), '\0', ' ');
    if (DurationAt == std::string::npos) DurationAt = FindInNewPiece(FText, DurationMark, oldLength);
    if (!UnknownFormatSeen) {
        UnknownFormatSeen = FindInNewPiece(FText, UnknownFormatMark, oldLength) != std::string::npos;
    }
    ReadNewTimes();
}

// Each "time=" is read once, when the eight characters behind it have come;
// one that is not HH:MM:SS (time=N/A) counts for nothing.
void TEncoderOutput::ReadNewTimes() {
    for (;;) {
        const size_t mark = FText.find(TimeMark, TimesReadUpTo);
        if (mark == std::string::npos) {
            TimesReadUpTo = FText.size() >= TimeMark.size() ? FText.size() - (TimeMark.size() - 1) : 0;
            return;
        }
        const size_t text = mark + TimeMark.size();
        if (FText.size() < text + TimeLength) {
            TimesReadUpTo = mark;
            return;
        }
        try {
            FFurthest = std::max(FFurthest, TimeToSeconds(std::string_view(FText).substr(text, TimeLength)));
        } catch (const rtl::EConvertError&) {
        }
        TimesReadUpTo = text;
    }
}

void TEncoderOutput::Clear() {
    FText.clear();
    DurationAt = std::string::npos;
    UnknownFormatSeen = false;
    TimesReadUpTo = 0;
    FFurthest = 0;
}

TProgressTexts TEncoderOutput::ReadProgress(bool durationWanted, bool timeWanted) const {
    TProgressTexts texts;
    if (durationWanted && DurationAt != std::string::npos) {
        const long behindMark = static_cast<long>(DurationAt + DurationMark.size()) + 1;
        texts.DurationText = rtl::Trim(rtl::Copy(FText, behindMark, DurationLength));
    }
    if (timeWanted) {
        std::string_view window = FText;
        if (window.size() > TimeWindow) window.remove_prefix(window.size() - TimeWindow);
        const size_t mark = window.find(TimeMark);
        if (mark != std::string_view::npos) {
            const std::string_view rest = window.substr(mark + TimeMark.size());
            const size_t dot = rest.find('.');
            texts.TimeText = std::string(dot == std::string_view::npos ? std::string_view() : rest.substr(0, dot));
        }
    }
    return texts;
}

std::string TEncoderOutput::GetDurationText() const { return ReadProgress(true, false).DurationText; }

int32_t TEncoderOutput::GetPosition() const {
    const TProgressTexts texts = ReadProgress(false, true);
    return texts.TimeText ? TimeToSeconds(*texts.TimeText) : 0;
}

int32_t TimeToSeconds(std::string_view text) {
    // One piece after the other, so that the error names the first bad one.
    const int32_t hours = rtl::StrToInt(rtl::Copy(text, 1, 2));
    const int32_t minutes = rtl::StrToInt(rtl::Copy(text, 4, 2));
    const int32_t seconds = rtl::StrToInt(rtl::Copy(text, 7, 2));
    return hours * 3600 + minutes * 60 + seconds;
}

}  // namespace conversion
