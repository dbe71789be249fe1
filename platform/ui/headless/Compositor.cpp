#include "ui/headless/Compositor.h"

#include <algorithm>
#include <vector>

#include "gfx/Colors.h"
#include "ui/ShownPixels.h"
#include "ui/Styles.h"
#include "ui/Tree.h"

namespace ui {

namespace {

bool Shown(const TWindow& w) {
    if (!(w.Style & WS_VISIBLE) || (w.Style & WS_MINIMIZE) || !w.Surface) return false;
    return !(w.ExStyle & WS_EX_LAYERED) || w.Layered != TLayeredMode::Unset;
}

// The parts of the window's surface that show: its region, or all of it.
std::vector<TRect> ShownAreas(const TWindow& w) {
    const TRect surface{0, 0, w.Surface->Width(), w.Surface->Height()};
    if (!w.WindowRgn) return {surface};
    std::vector<TRect> areas;
    for (const TRect& r : w.WindowRgn->Rects())
        if (const TRect part = gfx::IntersectRect(r, surface); !part.IsEmpty()) areas.push_back(part);
    return areas;
}

}  // namespace

gfx::TBitmap ComposeDesktop(TSize screen) {
    gfx::TBitmap desktop(screen.cx, screen.cy);
    const gfx::TColor back = gfx::ColorToRGB(gfx::clBackground);
    for (int y = 0; y < screen.cy; ++y) {
        uint8_t* p = desktop.ScanLine(y);
        for (int x = 0; x < screen.cx; ++x, p += 4)
            p[0] = uint8_t(gfx::GetBValue(back)), p[1] = uint8_t(gfx::GetGValue(back)),
            p[2] = uint8_t(gfx::GetRValue(back)), p[3] = 255;
    }
    const TRect bounds{0, 0, screen.cx, screen.cy};
    std::vector<uint8_t> row;
    for (auto it = Sys().TopLevels.rbegin(); it != Sys().TopLevels.rend(); ++it) {
        const TWindow* w = Sys().Find(*it);
        if (!w || !Shown(*w)) continue;
        for (const TRect& area : ShownAreas(*w)) {
            const TRect onScreen = gfx::IntersectRect(gfx::OffsetRect(area, w->Rect.Left, w->Rect.Top), bounds);
            if (onScreen.IsEmpty()) continue;
            row.resize(size_t(onScreen.Width()) * 4);
            for (int y = onScreen.Top; y < onScreen.Bottom; ++y) {
                ShownRow(*w, y - w->Rect.Top, onScreen.Left - w->Rect.Left, onScreen.Width(), row.data());
                uint8_t* d = desktop.ScanLine(y) + onScreen.Left * 4;
                const uint8_t* s = row.data();
                for (int x = 0; x < onScreen.Width(); ++x, s += 4, d += 4) {
                    const int keep = 255 - s[3];
                    for (int c = 0; c < 3; ++c) d[c] = uint8_t(std::min(255, s[c] + (d[c] * keep + 127) / 255));
                }
            }
        }
    }
    return desktop;
}

gfx::TBitmap WindowPicture(const TWindow& w) {
    const TWindow& top = TopLevelOf(w);
    gfx::TBitmap picture(w.Rect.Width(), w.Rect.Height());
    if (!top.Surface) return picture;
    const TPoint o = SurfaceOrigin(w);
    std::vector<uint8_t> row;
    for (const TRect& area : ShownAreas(top)) {
        const TRect part = gfx::IntersectRect(area, gfx::Bounds(o.X, o.Y, w.Rect.Width(), w.Rect.Height()));
        if (part.IsEmpty()) continue;
        row.resize(size_t(part.Width()) * 4);
        for (int y = part.Top; y < part.Bottom; ++y) {
            ShownRow(top, y, part.Left, part.Width(), row.data());
            uint8_t* d = picture.ScanLine(y - o.Y) + (part.Left - o.X) * 4;
            for (int x = 0; x < part.Width(); ++x, d += 4) {
                const uint8_t* s = row.data() + x * 4;
                const int a = s[3];
                for (int c = 0; c < 3; ++c) d[c] = a ? uint8_t(std::min(255, (s[c] * 255 + a / 2) / a)) : 0;
                d[3] = uint8_t(a);
            }
        }
    }
    return picture;
}

}  // namespace ui
