#include "ui/DrawFrame.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "gfx/TCanvas.h"

namespace ui {

namespace {

using gfx::TColor;

void Fill(HDC dc, const TRect& r, TColor color) {
    const gfx::TBrush saved = dc->Brush;
    dc->Brush = {color, gfx::bsSolid};
    dc->FillRect(r);
    dc->Brush = saved;
}

// One ring of edges: top and left in `lt`, bottom and right in `rb`.
void Ring(HDC dc, TRect& r, UINT sides, TColor lt, TColor rb) {
    if (sides & BF_TOP) Fill(dc, {r.Left, r.Top, r.Right - 1, r.Top + 1}, lt);
    if (sides & BF_LEFT) Fill(dc, {r.Left, r.Top, r.Left + 1, r.Bottom - 1}, lt);
    if (sides & BF_BOTTOM) Fill(dc, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, rb);
    if (sides & BF_RIGHT) Fill(dc, {r.Right - 1, r.Top, r.Right, r.Bottom}, rb);
    if (sides & BF_LEFT) r.Left++;
    if (sides & BF_TOP) r.Top++;
    if (sides & BF_RIGHT) r.Right--;
    if (sides & BF_BOTTOM) r.Bottom--;
}

// A glyph pixel pattern, '#' set, centred in the rectangle.
void Pattern(HDC dc, const TRect& r, const char* const* rows, int height, TColor color, int shift) {
    const int width = int(std::char_traits<char>::length(rows[0]));
    const int x0 = r.Left + (r.Width() - width) / 2 + shift, y0 = r.Top + (r.Height() - height) / 2 + shift;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (rows[y][x] == '#') Fill(dc, gfx::Bounds(x0 + x, y0 + y, 1, 1), color);
}

constexpr const char* CloseGlyph[] = {"##....##", ".##..##.", "..####..", "...##...",
                                      "..####..", ".##..##.", "##....##"};
constexpr const char* MinGlyph[] = {"........", "........", "........", "........",
                                    "........", "######..", "######.."};
constexpr const char* MaxGlyph[] = {"#########", "#########", "#.......#", "#.......#",
                                    "#.......#", "#.......#", "#.......#", "#########"};
constexpr const char* RestoreGlyph[] = {"..######", "..######", "..#....#", "######.#", "######.#",
                                        "#....###", "#....#..", "#....#..", "######.."};
constexpr const char* HelpGlyph[] = {"..####..", ".##..##.", ".....##.", "....##..", "...##...",
                                     "...##...", "........", "...##...", "...##..."};
constexpr const char* UpGlyph[] = {"...#...", "..###..", ".#####.", "#######"};
constexpr const char* DownGlyph[] = {"#######", ".#####.", "..###..", "...#..."};
constexpr const char* LeftGlyph[] = {"...#", "..##", ".###", "####", ".###", "..##", "...#"};
constexpr const char* RightGlyph[] = {"#...", "##..", "###.", "####", "###.", "##..", "#..."};
constexpr const char* CheckGlyph[] = {"......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#...."};
constexpr const char* BulletGlyph[] = {".##.", "####", "####", ".##."};

struct TGlyph {
    const char* const* Rows;
    int Height;
};

template <size_t N>
TGlyph Of(const char* const (&rows)[N]) {
    return {rows, int(N)};
}

// A glyph in black, or greyed with a white shadow when inactive.
void Glyph(HDC dc, const TRect& r, TGlyph g, UINT state) {
    const int shift = state & DFCS_PUSHED ? 1 : 0;
    if (state & DFCS_INACTIVE) {
        Pattern(dc, gfx::OffsetRect(r, 1, 1), g.Rows, g.Height, gfx::clBtnHighlight, shift);
        Pattern(dc, r, g.Rows, g.Height, gfx::clBtnShadow, shift);
    } else {
        Pattern(dc, r, g.Rows, g.Height, gfx::clBtnText, shift);
    }
}

void PushButton(HDC dc, const TRect& rect, UINT state) {
    TRect r = rect;
    if (state & DFCS_FLAT) {
        DrawEdge(dc, r, state & DFCS_PUSHED ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE | BF_ADJUST);
        return;
    }
    if (state & DFCS_PUSHED) {
        Ring(dc, r, BF_RECT, gfx::cl3DDkShadow, gfx::cl3DDkShadow);
        Ring(dc, r, BF_RECT, gfx::clBtnShadow, gfx::clBtnShadow);
        Fill(dc, r, gfx::clBtnFace);
    } else {
        DrawEdge(dc, r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
}

void CheckBox(HDC dc, const TRect& rect, UINT state) {
    const int size = std::min({rect.Width(), rect.Height(), 13});
    TRect r = gfx::Bounds(rect.Left + (rect.Width() - size) / 2, rect.Top + (rect.Height() - size) / 2, size, size);
    DrawEdge(dc, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    Fill(dc, r, state & (DFCS_PUSHED | DFCS_INACTIVE) ? gfx::clBtnFace : gfx::clWindow);
    if (state & DFCS_CHECKED)
        Pattern(dc, r, CheckGlyph, 7, state & DFCS_INACTIVE ? gfx::clGrayText : gfx::clWindowText, 0);
}

void RadioButton(HDC dc, const TRect& rect, UINT state) {
    const int size = std::min({rect.Width(), rect.Height(), 12});
    const int x0 = rect.Left + (rect.Width() - size) / 2, y0 = rect.Top + (rect.Height() - size) / 2;
    const double c = (size - 1) / 2.0;
    const TColor face = state & (DFCS_PUSHED | DFCS_INACTIVE) ? gfx::clBtnFace : gfx::clWindow;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double dx = x - c, dy = y - c, d = std::sqrt(dx * dx + dy * dy);
            const bool upperLeft = dx + dy < 0;
            TColor color;
            if (d > c + 0.5) continue;
            if (d > c - 0.5) color = upperLeft ? gfx::clBtnShadow : gfx::clBtnHighlight;
            else if (d > c - 1.5) color = upperLeft ? gfx::cl3DDkShadow : gfx::cl3DLight;
            else if ((state & DFCS_CHECKED) && d <= c - 3.5) color = state & DFCS_INACTIVE ? gfx::clGrayText : gfx::clWindowText;
            else color = face;
            Fill(dc, gfx::Bounds(x0 + x, y0 + y, 1, 1), color);
        }
}

}  // namespace

bool DrawEdge(HDC dc, TRect& rect, UINT edge, UINT flags) {
    if (!dc) return false;
    TRect r = rect;
    const UINT sides = flags & BF_RECT;
    if (flags & BF_MONO) {
        if (edge & 0x3) Ring(dc, r, sides, gfx::clWindowFrame, gfx::clWindowFrame);
        if (edge & 0xC) Ring(dc, r, sides, gfx::clWindow, gfx::clWindow);
    } else if (flags & BF_FLAT) {
        if (edge & 0x3) Ring(dc, r, sides, gfx::clBtnShadow, gfx::clBtnShadow);
        if (edge & 0xC) Ring(dc, r, sides, gfx::clBtnFace, gfx::clBtnFace);
    } else {
        if (edge & BDR_RAISEDOUTER) Ring(dc, r, sides, gfx::cl3DLight, gfx::cl3DDkShadow);
        else if (edge & BDR_SUNKENOUTER) Ring(dc, r, sides, gfx::clBtnShadow, gfx::clBtnHighlight);
        if (edge & BDR_RAISEDINNER) Ring(dc, r, sides, gfx::clBtnHighlight, gfx::clBtnShadow);
        else if (edge & BDR_SUNKENINNER) Ring(dc, r, sides, gfx::cl3DDkShadow, gfx::cl3DLight);
    }
    if (flags & BF_MIDDLE) Fill(dc, r, gfx::clBtnFace);
    if (flags & BF_ADJUST) rect = r;
    return true;
}

bool DrawFrameControl(HDC dc, const TRect& rect, UINT type, UINT state) {
    if (!dc || rect.IsEmpty()) return false;
    const UINT kind = state & 0xFF;
    TRect inner = rect;
    switch (type) {
        case DFC_CAPTION: {
            PushButton(dc, rect, state);
            const TGlyph glyphs[] = {Of(CloseGlyph), Of(MinGlyph), Of(MaxGlyph), Of(RestoreGlyph), Of(HelpGlyph)};
            if (kind > DFCS_CAPTIONHELP) return false;
            Glyph(dc, inner, glyphs[kind], state);
            return true;
        }
        case DFC_SCROLL: {
            PushButton(dc, rect, state);
            const TGlyph glyphs[] = {Of(UpGlyph), Of(DownGlyph), Of(LeftGlyph), Of(RightGlyph)};
            if (kind > DFCS_SCROLLRIGHT) return false;
            Glyph(dc, inner, glyphs[kind], state);
            return true;
        }
        case DFC_BUTTON:
            if (kind & DFCS_BUTTONPUSH) PushButton(dc, rect, state);
            else if (kind & DFCS_BUTTONRADIO) RadioButton(dc, rect, state);
            else CheckBox(dc, rect, state);
            return true;
        case DFC_MENU: {
            const TGlyph g = kind == DFCS_MENUCHECK ? Of(CheckGlyph) : kind == DFCS_MENUBULLET ? Of(BulletGlyph) : Of(RightGlyph);
            Pattern(dc, rect, g.Rows, g.Height, dc->Font.Color, 0);
            return true;
        }
        default: return false;
    }
}

}  // namespace ui
