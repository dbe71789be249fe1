#include "skinpaint/sMenuGlyphs.h"

#include "ui/Messages.h"

namespace skinpaint {

namespace {

constexpr TColor NoContour = -1;

// One symbol in one colour; (x, y) is its top-left corner.
void DrawShape(gfx::TCanvas& canvas, TacSystemGlyph glyph, int x, int y, TColor color) {
    canvas.Brush = {color, gfx::bsSolid};
    canvas.Pen = {color, gfx::psSolid};
    auto fill = [&](int left, int top, int right, int bottom) {
        canvas.FillRect({x + left, y + top, x + right, y + bottom});
    };
    // A window: its outline with a title bar two pixels thick.
    auto window = [&](int left, int top, int right, int bottom) {
        canvas.FrameRect({x + left, y + top, x + right, y + bottom});
        fill(left, top, right, top + 2);
    };
    switch (glyph) {
        case sgMinimize: fill(1, 6, 7, 8); break;
        case sgMaximize: window(0, 0, 9, 9); break;
        case sgClose:
            // Two strokes two pixels thick.
            for (int d = 0; d < 2; ++d) {
                canvas.MoveTo(x + d, y);
                canvas.LineTo(x + 9, y + 9 - d);
                canvas.MoveTo(x + 8 - d, y);
                canvas.LineTo(x - 1, y + 9 - d);
            }
            break;
        case sgRestore:
            // The window behind shows only where the front one leaves it.
            fill(3, 0, 9, 2);
            fill(8, 2, 9, 6);
            fill(7, 5, 8, 6);
            fill(3, 2, 4, 3);
            window(0, 3, 7, 9);
            break;
        case sgNone: break;
    }
}

}  // namespace

TacSystemGlyph SystemGlyphOf(int command) {
    switch (command) {
        case int(ui::SC_MINIMIZE): return sgMinimize;
        case int(ui::SC_MAXIMIZE): return sgMaximize;
        case int(ui::SC_CLOSE): return sgClose;
        case int(ui::SC_RESTORE): return sgRestore;
        default: return sgNone;
    }
}

void DrawSystemGlyph(gfx::TCanvas& canvas, TacSystemGlyph glyph, gfx::TPoint at, const skin::TsGenState& look) {
    const TColor contours[4] = {look.TCLeft, look.TCTop, look.TCRight, look.TCBottom};
    const gfx::TPoint moves[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    for (int i = 0; i < 4; ++i)
        if (contours[i] != NoContour) DrawShape(canvas, glyph, at.X + moves[i].X, at.Y + moves[i].Y, contours[i]);
    DrawShape(canvas, glyph, at.X, at.Y, look.FontColor);
}

}  // namespace skinpaint
