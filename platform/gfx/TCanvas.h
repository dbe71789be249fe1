#pragma once
// A drawing surface over a bitmap, shaped like a Windows device context as the
// VCL's TCanvas wraps it: a pen, a brush and a font; fills, frames, lines and
// pixels; block, stretch and colour-keyed copies; text. Coordinates are logical:
// the viewport origin maps them to the device, and the device origin maps the
// device into the bitmap (the window system points a window's DC at its part of
// a shared surface that way). Everything is clipped to the bitmap, to the device
// clip that the window system sets, and to the clip region the caller selects.
//
// What drawing writes:
// - Fills, frames, lines, pixels and text paint opaque colour: on pf32bit the
//   alpha byte becomes 255 wherever the colour fully covers the pixel.
// - Copies from a pf32bit bitmap to a pf32bit bitmap copy all four bytes (the
//   alpha too); from a format without alpha they write alpha 255.
// - Text is greyscale anti-aliased with coverage c (0..255) from the glyph
//   cache; each colour channel d becomes k + (d - k) * (255 - c) / 255 with k
//   the text colour, and alpha a becomes a + c * (255 - a) / 255: the same
//   arithmetic as the skin's glow blending, so that text over an opaque picture
//   stays opaque and text over a transparent one carries its own coverage.
//   Glyphs that overlap take the larger coverage, never a darker double blend.
// - With a solid brush, text first fills its cell (the line's advance width by
//   the font's height) with the brush colour; with a clear brush it does not.
//
// Colours may be system colours; they are resolved when drawing.
#include <optional>
#include <string_view>
#include <vector>

#include "gfx/FontEngine.h"
#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "gfx/TFont.h"
#include "gfx/TRegion.h"
#include "gfx/TextLayout.h"

namespace gfx {

enum TPenStyle { psSolid, psClear };
enum TBrushStyle { bsSolid, bsClear };

struct TPen {
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

// Stretch modes: COLORONCOLOR takes the nearest source pixel (pixel centres);
// HALFTONE averages the source area that each destination pixel covers (a box
// filter, weights in 16-bit fixed point, exact on flat colour). The two
// monochrome modes behave as COLORONCOLOR.
enum { BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4 };

// Pixels() outside the clip.
constexpr TColor CLR_INVALID = TColor(0xFFFFFFFF);

class TCanvas {
public:
    explicit TCanvas(TBitmap& bitmap);

    TBitmap& Bitmap() { return *FBitmap; }
    const TBitmap& Bitmap() const { return *FBitmap; }

    TPen Pen;
    TBrush Brush;
    TFont Font;

    // The window system's settings; SaveDC and RestoreDC leave them alone. The
    // device clip is in device coordinates; null removes it.
    void SetDeviceOrigin(TPoint origin);
    void SetDeviceClip(const TRegion* region);

    TPoint ViewportOrg() const { return FState.ViewportOrg; }
    // Returns the previous origin.
    TPoint SetViewportOrg(int x, int y);

    // The selected clip region is in device coordinates, as SelectClipRgn takes
    // it (null selects none); the rectangle functions take logical coordinates.
    // Each returns the kind of region now selected (NULLREGION ...).
    int SelectClipRgn(const TRegion* region);
    int IntersectClipRect(const TRect& rect);
    int ExcludeClipRect(const TRect& rect);
    // GetClipBox: the bounds of what can be drawn, in logical coordinates.
    TRect ClipRect() const;

    // SaveDC returns the new depth; RestoreDC takes a depth, or a negative count
    // back from the last save, and returns false for one that was not saved.
    // Saved: pen, brush, font, viewport origin, selected clip, stretch mode and
    // pen position.
    int SaveDC();
    bool RestoreDC(int savedDC);

    int StretchBltMode() const { return FState.StretchMode; }
    // Returns the previous mode; other values than the four above are refused (0).
    int SetStretchBltMode(int mode);

    // The brush fills right and bottom exclusive; a clear brush fills nothing.
    void FillRect(const TRect& rect);
    // A one-pixel border in the brush colour, inside the rectangle.
    void FrameRect(const TRect& rect);
    // Lines in the pen colour from the pen position, the end point left out.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    TPoint PenPos() const { return FState.PenPos; }
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

    // Copies from a source canvas, its coordinates mapped by its own origins;
    // the source clip does not matter. Destination pixels whose source lies
    // outside the source bitmap are left alone. Return false for empty or
    // negative sizes (no mirroring).
    bool BitBlt(int x, int y, int width, int height, const TCanvas& source, int sx, int sy);
    bool StretchBlt(int x, int y, int width, int height, const TCanvas& source, int sx, int sy, int sw, int sh);
    // Stretches by nearest pixel and leaves out source pixels of the key colour
    // (red, green and blue compared; alpha is not).
    bool TransparentBlt(int x, int y, int width, int height, const TCanvas& source, int sx, int sy, int sw, int sh,
                        TColor key);
    // The whole bitmap at (x, y), without its transparent colour when it is
    // Transparent.
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& rect, const TBitmap& bitmap);
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);

    // Text in the font colour with the cell's top-left at (x, y), turned by the
    // font's escapement about that point. No prefix or tab handling.
    void TextOut(int x, int y, std::string_view text);
    // Advance width and line height; control characters have no width.
    TSize GetTextExtentPoint32(std::string_view text) const;
    TSize TextExtent(std::string_view text) const { return GetTextExtentPoint32(text); }
    int TextWidth(std::string_view text) const { return GetTextExtentPoint32(text).cx; }
    int TextHeight(std::string_view text) const { return GetTextExtentPoint32(text).cy; }
    TTextMetric GetTextMetrics() const;
    // DrawText with the DT_ formats of TextLayout.h. Returns the text height (with
    // DT_VCENTER or DT_BOTTOM the offset from rect.Top to the bottom of the
    // text). DT_CALCRECT draws nothing and sets rect.Right and rect.Bottom to
    // the text's extent from rect's top-left. Lines below the rectangle are not
    // drawn unless DT_NOCLIP; drawn lines are clipped to it unless DT_NOCLIP.
    int DrawText(std::string_view text, TRect& rect, unsigned format);

private:
    struct TState {
        TPoint ViewportOrg;
        std::optional<TRegion> Clip;  // device coordinates
        int StretchMode = COLORONCOLOR;
        TPoint PenPos;
    };
    struct TSavedState {
        TState State;
        TPen Pen;
        TBrush Brush;
        TFont Font;
    };

    // Logical to bitmap coordinates.
    int OffsetX() const { return FState.ViewportOrg.X + FDeviceOrigin.X; }
    int OffsetY() const { return FState.ViewportOrg.Y + FDeviceOrigin.Y; }
    // The clip in bitmap coordinates.
    const TRegion& Clip() const;
    void ClipChanged() { FClipValid = false; }
    template <typename F>
    void ForEachClipRect(const TRect& area, F&& f) const;
    void FillBitmapRect(const TRect& area, TColor color);
    bool Blit(const TBitmap& source, TRect sourceRect, TRect dest, int mode, std::optional<TColor> key);
    void DrawLine(TFontInstance& font, const TTextLine& line, int x, int y, int turn, const TRect* clip);

    TBitmap* FBitmap;
    TState FState;
    std::vector<TSavedState> FSaved;
    TPoint FDeviceOrigin;
    std::optional<TRegion> FDeviceClip;
    mutable TRegion FClip;
    mutable bool FClipValid = false;
    mutable TSize FClipBitmapSize;
};

}  // namespace gfx
