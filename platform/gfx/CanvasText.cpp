// The text output of TCanvas: lines rendered into a coverage mask, then blended
// into the bitmap (see TCanvas.h for the arithmetic).
#include <algorithm>
#include <climits>

#include "gfx/CanvasClip.h"
#include "gfx/PixelAccess.h"

namespace gfx {

namespace {

// A line's coverage, in text space: x along the text from the cell's left, y
// down from the cell's top.
struct TCoverage {
    TRect Box;
    std::vector<uint8_t> Data;  // Box.Width() x Box.Height()
    uint8_t& At(int x, int y) { return Data[size_t(y - Box.Top) * Box.Width() + (x - Box.Left)]; }
};

TCoverage LineCoverage(TFontInstance& font, const TTextLine& line, bool underline) {
    const TTextMetric& tm = font.Metrics();
    TCoverage c;
    c.Box = {0, 0, line.Width, tm.tmHeight};
    for (size_t i = 0; i < line.Text.size(); ++i) {
        const TGlyph& g = font.Glyph(static_cast<unsigned char>(line.Text[i]));
        if (g.Coverage.empty()) continue;
        const TRect box = Bounds(line.X[i] + g.Left, tm.tmAscent - g.Top, g.Width, g.Rows);
        c.Box = {std::min(c.Box.Left, box.Left), std::min(c.Box.Top, box.Top), std::max(c.Box.Right, box.Right),
                 std::max(c.Box.Bottom, box.Bottom)};
    }
    c.Data.assign(size_t(c.Box.Width()) * c.Box.Height(), 0);
    for (size_t i = 0; i < line.Text.size(); ++i) {
        const unsigned char ch = static_cast<unsigned char>(line.Text[i]);
        const TGlyph& g = font.Glyph(ch);
        const int left = line.X[i] + g.Left, top = tm.tmAscent - g.Top;
        for (int y = 0; y < g.Rows; ++y)
            for (int x = 0; x < g.Width; ++x) {
                uint8_t& d = c.At(left + x, top + y);
                d = std::max(d, g.Coverage[size_t(y) * g.Width + x]);
            }
        if (line.Underlined[i] || underline) {
            const int right = i + 1 < line.Text.size() ? line.X[i + 1] : line.Width;
            const int first = tm.tmAscent + font.UnderlinePosition();
            for (int y = first; y < first + font.UnderlineThickness() && y < c.Box.Bottom; ++y)
                for (int x = line.X[i]; x < right; ++x) c.At(x, y) = 255;
        }
    }
    return c;
}

// A text-space rectangle turned by `turn` quarter turns counter-clockwise about
// the reference point (x, y).
TRect TurnRect(const TRect& t, int x, int y, int turn) {
    switch (turn) {
        case 0: return OffsetRect(t, x, y);
        case 1: return {x + t.Top, y - t.Right, x + t.Bottom, y - t.Left};
        case 2: return {x - t.Right, y - t.Bottom, x - t.Left, y - t.Top};
        default: return {x - t.Bottom, y + t.Left, x - t.Top, y + t.Right};
    }
}

int QuarterTurns(int escapement) {
    const int angle = ((escapement % 3600) + 3600) % 3600;
    return ((angle + 450) / 900) % 4;
}

inline uint8_t Mix(int d, int k, int coverage) { return uint8_t(k + (d - k) * (255 - coverage) / 255); }

template <TPixelFormat F>
void BlendCoverage(TBitmap& bitmap, const TRect& r, TCoverage& c, int x, int y, int turn, TBgra k) {
    for (int dy = r.Top; dy < r.Bottom; ++dy) {
        uint8_t* p = bitmap.ScanLine(dy) + r.Left * TPixel<F>::Size;
        for (int dx = r.Left; dx < r.Right; ++dx, p += TPixel<F>::Size) {
            int u, v;
            switch (turn) {
                case 0: u = dx - x, v = dy - y; break;
                case 1: u = y - 1 - dy, v = dx - x; break;
                case 2: u = x - 1 - dx, v = y - 1 - dy; break;
                default: u = dy - y, v = x - 1 - dx; break;
            }
            const int coverage = c.At(u, v);
            if (coverage == 0) continue;
            TBgra d = TPixel<F>::Load(p);
            d = {Mix(d.B, k.B, coverage), Mix(d.G, k.G, coverage), Mix(d.R, k.R, coverage),
                 uint8_t(d.A + coverage * (255 - d.A) / 255)};
            TPixel<F>::Store(p, d);
        }
    }
}

}  // namespace

void TCanvas::DrawLine(TFontInstance& font, const TTextLine& line, int x, int y, int turn, const TRect* clip) {
    TRect cell = TurnRect({0, 0, line.Width, font.Metrics().tmHeight}, x, y, turn);
    if (clip) cell = IntersectRect(cell, *clip);
    if (Brush.Style == bsSolid && !cell.IsEmpty()) FillBitmapRect(cell, Brush.Color);
    TCoverage coverage = LineCoverage(font, line, Font.Style & fsUnderline);
    TRect area = TurnRect(coverage.Box, x, y, turn);
    if (clip) area = IntersectRect(area, *clip);
    const TBgra k = ColorToBgra(Font.Color);
    ForEachClipRect(area, [&](const TRect& r) {
        WithFormat(FBitmap->PixelFormat(), [&]<TPixelFormat F>() { BlendCoverage<F>(*FBitmap, r, coverage, x, y, turn, k); });
    });
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
    TFontInstance& font = FontInstance(Font);
    const auto lines = LayoutText(text, DT_SINGLELINE | DT_NOPREFIX, INT_MAX, 0, font);
    DrawLine(font, lines.front(), x + OffsetX(), y + OffsetY(), QuarterTurns(Font.Orientation), nullptr);
}

TSize TCanvas::GetTextExtentPoint32(std::string_view text) const {
    TFontInstance& font = FontInstance(Font);
    int width = 0;
    for (char ch : text) width += font.Advance(static_cast<unsigned char>(ch));
    return {width, font.Metrics().tmHeight};
}

TTextMetric TCanvas::GetTextMetrics() const { return FontInstance(Font).Metrics(); }

int TCanvas::DrawText(std::string_view text, TRect& rect, unsigned format) {
    TFontInstance& font = FontInstance(Font);
    const TTextMetric& tm = font.Metrics();
    const int lineHeight = std::max(1, tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0));
    if (format & DT_CALCRECT) format |= DT_NOCLIP;
    if (text.empty()) {
        if (format & DT_CALCRECT) {
            rect.Right = rect.Left;
            rect.Bottom = rect.Top + ((format & DT_SINGLELINE) ? lineHeight : 0);
        }
        return 0;
    }
    // Without DT_NOCLIP only the lines that start above the bottom are made.
    const int maxLines =
        (format & DT_NOCLIP) ? 0 : std::max(1, (rect.Height() + lineHeight - 1) / lineHeight);
    const std::vector<TTextLine> lines = LayoutText(text, format, rect.Width(), maxLines, font);
    const int height = int(lines.size()) * lineHeight;
    if (format & DT_CALCRECT) {
        int width = 0;
        for (const TTextLine& line : lines) width = std::max(width, line.Width);
        rect.Right = rect.Left + width;
        rect.Bottom = rect.Top + height;
        return height;
    }
    int y = rect.Top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) y = rect.Top + rect.Height() / 2 - lineHeight / 2;
        else if (format & DT_BOTTOM) y = rect.Bottom - lineHeight;
    }
    const TRect clip = OffsetRect(rect, OffsetX(), OffsetY());
    for (const TTextLine& line : lines) {
        int x = rect.Left;
        if (format & DT_CENTER) x = (rect.Left + rect.Right - line.Width) / 2;
        else if (format & DT_RIGHT) x = rect.Right - line.Width;
        DrawLine(font, line, x + OffsetX(), y + OffsetY(), 0, (format & DT_NOCLIP) ? nullptr : &clip);
        y += lineHeight;
    }
    return y - rect.Top;
}

}  // namespace gfx
