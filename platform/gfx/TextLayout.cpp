#include "gfx/TextLayout.h"

#include <algorithm>
#include <cctype>

#include "gfx/FontEngine.h"

namespace gfx {

namespace {

struct TChar {
    unsigned char Ch;
    uint8_t Underlined;
};
using TChars = std::vector<TChar>;

bool IsBlank(unsigned char ch) { return ch == ' ' || ch == '\t'; }

class TLayout {
public:
    TLayout(unsigned format, int maxWidth, TFontInstance& font)
        : FFormat(format), FMaxWidth(maxWidth), FFont(font), FTabWidth(8 * font.Metrics().tmAveCharWidth) {}

    // The x after each character of chars[from, to), from the line's start.
    int Advance(int x, unsigned char ch) {
        if (ch == '\t' && (FFormat & DT_EXPANDTABS) && FTabWidth > 0) return (x / FTabWidth + 1) * FTabWidth;
        return x + FFont.Advance(ch);
    }
    int Width(const TChars& chars, size_t from, size_t to) {
        int x = 0;
        for (size_t i = from; i < to; ++i) x = Advance(x, chars[i].Ch);
        return x;
    }

    // '&' underlines the next character and "&&" is one '&', unless turned off;
    // a '&' at the very end stays.
    TChars Prefixed(std::string_view line) const {
        TChars chars;
        const bool prefixes = !(FFormat & DT_NOPREFIX);
        const uint8_t mark = (FFormat & DT_HIDEPREFIX) ? 0 : 1;
        for (size_t i = 0; i < line.size(); ++i) {
            const auto ch = static_cast<unsigned char>(line[i]);
            if (prefixes && ch == '&' && i + 1 < line.size()) {
                ++i;
                const auto next = static_cast<unsigned char>(line[i]);
                chars.push_back({next, uint8_t(next == '&' ? 0 : mark)});
            } else {
                chars.push_back({ch, 0});
            }
        }
        return chars;
    }

    // Where the line that starts at `start` ends, and where the next one starts.
    std::pair<size_t, size_t> Break(const TChars& chars, size_t start) {
        if (!(FFormat & DT_WORDBREAK) || (FFormat & DT_SINGLELINE)) return {chars.size(), chars.size()};
        int x = 0;
        size_t breakAt = 0;  // start of the last run of blanks after a word
        for (size_t i = start; i < chars.size(); ++i) {
            if (IsBlank(chars[i].Ch) && i > start && !IsBlank(chars[i - 1].Ch)) breakAt = i;
            x = Advance(x, chars[i].Ch);
            if (x > FMaxWidth && !IsBlank(chars[i].Ch) && i > start) {
                size_t end = breakAt;
                // A word longer than the line stays whole and overhangs.
                if (end <= start) {
                    end = i;
                    while (end < chars.size() && !IsBlank(chars[end].Ch)) ++end;
                }
                size_t next = end;
                while (next < chars.size() && IsBlank(chars[next].Ch)) ++next;
                return {end, next};
            }
        }
        return {chars.size(), chars.size()};
    }

    void Ellipsify(TChars& chars) {
        const TChars dots(3, TChar{'.', 0});
        const int dotsWidth = Width(dots, 0, 3);
        while (!chars.empty() && Width(chars, 0, chars.size()) + dotsWidth > FMaxWidth) chars.pop_back();
        chars.insert(chars.end(), dots.begin(), dots.end());
    }

    // A right-to-left paragraph of Latin text: the part from the first to the
    // last letter or digit keeps its order; what stands before it moves to the
    // right end and what follows to the left end, reversed and mirrored.
    static void ReorderRightToLeft(TChars& chars) {
        auto strong = [](const TChar& c) { return std::isalnum(c.Ch) || (c.Ch >= 0xC0 && c.Ch != 0xD7 && c.Ch != 0xF7); };
        auto first = std::find_if(chars.begin(), chars.end(), strong);
        auto last = std::find_if(chars.rbegin(), chars.rend(), strong).base();
        if (first == chars.end()) first = last = chars.begin();
        TChars lead(chars.begin(), first), core(first, last), tail(last, chars.end());
        auto mirror = [](TChars& part) {
            std::reverse(part.begin(), part.end());
            for (TChar& c : part) {
                static const std::string_view pairs = "()[]{}<>";
                if (auto k = pairs.find(char(c.Ch)); k != std::string_view::npos) c.Ch = pairs[k ^ 1];
            }
        };
        mirror(lead);
        mirror(tail);
        chars = tail;
        chars.insert(chars.end(), core.begin(), core.end());
        chars.insert(chars.end(), lead.begin(), lead.end());
    }

    TTextLine Finish(TChars chars) {
        if (FFormat & DT_RTLREADING) ReorderRightToLeft(chars);
        TTextLine line;
        int x = 0;
        for (const TChar& c : chars) {
            line.Text.push_back(char(c.Ch));
            line.X.push_back(x);
            line.Underlined.push_back(c.Underlined);
            x = Advance(x, c.Ch);
        }
        line.Width = x;
        return line;
    }

private:
    unsigned FFormat;
    int FMaxWidth;
    TFontInstance& FFont;
    int FTabWidth;
};

// The text's lines as separated by CR LF, LF or CR.
std::vector<std::string_view> SplitLines(std::string_view text, bool single) {
    std::vector<std::string_view> lines;
    if (single) return {text};
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n' || text[i] == '\r') {
            lines.push_back(text.substr(start, i - start));
            if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    return lines;
}

}  // namespace

std::vector<TTextLine> LayoutText(std::string_view text, unsigned format, int maxWidth, int maxLines,
                                  TFontInstance& font) {
    TLayout layout(format, maxWidth, font);
    std::vector<TTextLine> lines;
    const bool ellipsis = format & DT_END_ELLIPSIS;
    const std::vector<std::string_view> sources = SplitLines(text, format & DT_SINGLELINE);
    for (size_t s = 0; s < sources.size(); ++s) {
        const TChars chars = layout.Prefixed(sources[s]);
        size_t start = 0;
        do {
            auto [end, next] = layout.Break(chars, start);
            TChars part(chars.begin() + start, chars.begin() + end);
            const bool last = maxLines > 0 && int(lines.size()) + 1 == maxLines;
            const bool more = next < chars.size() || s + 1 < sources.size();
            if (ellipsis && ((last && more && (format & DT_WORDBREAK)) || layout.Width(part, 0, part.size()) > maxWidth))
                layout.Ellipsify(part);
            lines.push_back(layout.Finish(std::move(part)));
            if (last) return lines;
            start = next;
        } while (start < chars.size());
    }
    return lines;
}

}  // namespace gfx
