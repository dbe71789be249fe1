#include "skin/sImageReference.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "rtl/IntConvert.h"
#include "rtl/TextOps.h"
#include "skin/sUpperCase.h"

namespace skin {

namespace {

int16_t ToInt16(int32_t value) {
    return static_cast<int16_t>(std::clamp<int32_t>(value, std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

// The strict number in characters from..from+count-1 (1-based).
int32_t FixedField(std::string_view value, long from, long count) {
    return rtl::StrToInt(rtl::Copy(value, from, count));
}

int32_t Lenient(std::string_view text) { return rtl::TryStrToInt(text).value_or(0); }

std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> words;
    size_t start = 0;
    while (start < text.size()) {
        start = text.find_first_not_of(separators, start);
        if (start == std::string_view::npos) break;
        const size_t end = std::min(text.find_first_of(separators, start), text.size());
        words.push_back(text.substr(start, end - start));
        start = end;
    }
    return words;
}

// The word at `index` split into numbers, or nothing when there is no such word.
std::vector<std::string_view> NumbersOfWord(const std::vector<std::string_view>& words, size_t index) {
    return index < words.size() ? SplitWords(words[index], ", ") : std::vector<std::string_view>();
}

void ReadFixedRect(std::string_view value, TsMaskData& entry) {
    entry.SourceRect = {FixedField(value, 2, 4), FixedField(value, 7, 4), FixedField(value, 12, 4),
                        FixedField(value, 17, 4)};
}

// Skins before 7.4 stretch a masked frame exactly when its centre is one pixel.
void DecideOldStretch(TsMaskData& entry, double version) {
    if (version >= 7.4 || entry.MaskKind <= 0 || entry.StateCount <= 0) return;
    const bool onePixelCentre =
        entry.SourceRect.Width() / entry.StateCount - entry.MarginLeft - entry.MarginRight == 1 &&
        entry.SourceRect.Height() / (entry.MaskKind + 1) - entry.MarginTop - entry.MarginBottom == 1;
    entry.DrawFlags = static_cast<int16_t>(onePixelCentre ? entry.DrawFlags | 1 : entry.DrawFlags & ~1);
}

// A frame without margins takes UniformMargin all round, or else a third of
// its frame; false when it has no frames to divide.
bool DeriveMargins(TsMaskData& entry) {
    if (entry.MarginLeft + entry.MarginTop + entry.MarginRight + entry.MarginBottom != 0) return true;
    if (entry.UniformMargin != 0) {
        entry.MarginLeft = entry.MarginTop = entry.MarginRight = entry.MarginBottom = entry.UniformMargin;
        return true;
    }
    return SetDefaultMargins(entry);
}

TsImageReference External(std::string_view value) {
    TsImageReference reference;
    const std::vector<std::string_view> fields = SplitWords(value, "!");
    if (fields.empty()) return reference;
    const std::string_view file = fields[0];
    if (file.find(".BMP") == std::string_view::npos && file.find(".PNG") == std::string_view::npos)
        return reference;
    auto number = [&](size_t field) { return field <= fields.size() ? Lenient(fields[field - 1]) : 0; };
    TsMaskData& entry = reference.Entry;
    entry.StateCount = ToInt16(number(2));
    entry.MaskKind = ToInt16(number(3));
    entry.ImageKind = static_cast<TacImageKind>(std::clamp(number(4), 0, 4));
    reference.DefaultMargins = fields.size() < 5;
    if (!reference.DefaultMargins) {
        entry.MarginLeft = ToInt16(number(5));
        entry.MarginTop = ToInt16(number(6));
        entry.MarginRight = ToInt16(number(7));
        entry.MarginBottom = ToInt16(number(8));
    }
    entry.DrawFlags = fields.size() < 9 ? 1 : ToInt16(number(9));
    reference.FileName = std::string(file);
    reference.Form = rfExternal;
    return reference;
}

TsImageReference Glyph(std::string_view value) {
    TsImageReference reference;
    reference.Form = rfGlyph;
    ReadFixedRect(value, reference.Entry);
    reference.Entry.StateCount = ToInt16(FixedField(value, 22, 1));
    reference.Entry.MaskKind = ToInt16(FixedField(value, 24, 1));
    reference.Entry.ImageKind = ikGlyph;
    return reference;
}

TsImageReference Border(std::string_view value, double version) {
    TsImageReference reference;
    reference.Form = rfBorder;
    TsMaskData& entry = reference.Entry;
    ReadFixedRect(value, entry);
    entry.MarginLeft = ToInt16(FixedField(value, 22, 4));
    entry.MarginTop = ToInt16(FixedField(value, 27, 4));
    entry.MarginRight = ToInt16(FixedField(value, 32, 4));
    entry.MarginBottom = ToInt16(FixedField(value, 37, 4));
    entry.StateCount = ToInt16(FixedField(value, 42, 1));
    entry.MaskKind = ToInt16(FixedField(value, 44, 1));
    entry.DrawFlags = ToInt16(FixedField(value, 46, 1));
    entry.UniformMargin = ToInt16(FixedField(value, 48, 1));
    entry.ImageKind = ikBorderFrame;
    DecideOldStretch(entry, version);
    if (!DeriveMargins(entry)) reference.Form = rfNone;
    return reference;
}

TsImageReference Texture(std::string_view value) {
    TsImageReference reference;
    reference.Form = rfTexture;
    ReadFixedRect(value, reference.Entry);
    reference.Entry.DrawFlags = ToInt16(FixedField(value, 22, 2));
    reference.Entry.MaskKind = value.size() < 25 ? 0 : ToInt16(FixedField(value, 25, 1));
    reference.Entry.StateCount = 1;
    reference.Entry.ImageKind = ikTexture;
    return reference;
}

TsImageReference PlainBitmap(std::string_view value) {
    TsImageReference reference;
    reference.Form = rfPlainBitmap;
    reference.FileName = std::string(value);
    reference.Entry.StateCount = 3;
    reference.Entry.MaskKind = 1;
    reference.DefaultMargins = true;
    return reference;
}

TsImageReference Rectangle(std::string_view value) {
    TsImageReference reference;
    reference.Form = rfRectangle;
    TsMaskData& entry = reference.Entry;
    const std::vector<std::string_view> words = SplitWords(value, " ()");
    const std::vector<std::string_view> rect = NumbersOfWord(words, 1);
    // Held to 16 bits like every other size of an entry, so that widths of
    // the rectangle cannot overflow.
    auto lenient = [](const std::vector<std::string_view>& numbers, size_t i) {
        return i < numbers.size() ? ToInt16(Lenient(numbers[i])) : 0;
    };
    entry.SourceRect = {lenient(rect, 0), lenient(rect, 1), lenient(rect, 2), lenient(rect, 3)};
    const std::vector<std::string_view> kind = NumbersOfWord(words, 2);
    entry.StateCount = ToInt16(std::max(lenient(kind, 0), 1));
    entry.MaskKind = ToInt16(std::max(lenient(kind, 1), 0));
    entry.UniformMargin = ToInt16(kind.size() > 2 ? std::max(rtl::StrToInt(kind[2]), 0) : 0);
    entry.DrawFlags = ToInt16(kind.size() > 3 ? rtl::StrToInt(kind[3]) : 1);
    if (!DeriveMargins(entry)) reference.Form = rfNone;
    return reference;
}

}  // namespace

bool SetDefaultMargins(TsMaskData& entry) {
    if (entry.StateCount <= 0 || entry.MaskKind < 0) return false;
    entry.MarginLeft = entry.MarginRight = ToInt16(entry.SourceRect.Width() / (entry.StateCount * 3));
    entry.MarginTop = entry.MarginBottom = ToInt16(entry.SourceRect.Height() / ((entry.MaskKind + 1) * 3));
    return true;
}

bool IsJpegReference(std::string_view value) {
    const std::string upper = UpperCase(value);
    return upper.find(".JPG") != std::string::npos || upper.find(".JPEG") != std::string::npos;
}

TsImageReference ParseImageReference(std::string_view value, double version) {
    if (value.empty()) return {};
    switch (value[0]) {
        case '!': return External(value);
        case '@': return Glyph(value);
        case '^': return Border(value, version);
        case '~': return Texture(value);
        default: break;
    }
    if (value.find('#') == std::string_view::npos) {
        if (UpperCase(value).find(".BMP") != std::string::npos) return PlainBitmap(value);
        return {};
    }
    return value == "#" ? TsImageReference{} : Rectangle(value);
}

}  // namespace skin
