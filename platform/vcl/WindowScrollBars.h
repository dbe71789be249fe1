#pragma once
// Scroll bars in a window's frame, as windows with WS_VSCROLL and WS_HSCROLL
// have them: the bars take room from the client area when the content is
// larger than the view, are painted with the frame, and turn clicks on
// their arrows, track and thumb (dragged) into WM_VSCROLL and WM_HSCROLL for
// the window, after moving their position. The control owning the helper
// passes it its messages first.
#include "vcl/ControlMessages.h"
#include "vcl/ControlTypes.h"

namespace vcl {

class TWinControl;

enum TScrollBarKind { sbHorizontal, sbVertical };
enum : WPARAM {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
};

class TWindowScrollBars {
public:
    explicit TWindowScrollBars(TWinControl& owner) : FOwner(owner) {}

    // The content's extent and the visible part of it; a bar shows while the
    // content is larger.
    void SetRange(TScrollBarKind kind, int range, int page);
    int Range(TScrollBarKind kind) const { return FBars[kind].Range; }
    int Page(TScrollBarKind kind) const { return FBars[kind].Page; }
    bool Visible(TScrollBarKind kind) const { return FBars[kind].Range > FBars[kind].Page; }
    int Position(TScrollBarKind kind) const { return FBars[kind].Position; }
    // Kept within 0..Range - Page; returns whether it moved.
    bool SetPosition(TScrollBarKind kind, int position);
    void SetLineSize(TScrollBarKind kind, int size) { FBars[kind].Line = size; }
    // Moves as the scroll code says (line, page, top, bottom; thumb codes
    // take `thumb`) and returns whether it moved.
    bool Scroll(TScrollBarKind kind, WPARAM code, int thumb = 0);

    // The frame messages of the bars; true when handled.
    bool HandleMessage(TMessage& message);

private:
    struct TBar {
        int Range = 0;
        int Page = 0;
        int Position = 0;
        int Line = 16;
    };
    TRect BarRect(TScrollBarKind kind) const;  // window coordinates
    void ThumbSpan(TScrollBarKind kind, int& start, int& length) const;
    void Paint();
    void PaintBar(gfx::TCanvas& canvas, TScrollBarKind kind);
    void Click(TScrollBarKind kind, TPoint window);
    void Drag(TPoint window);
    void Notify(TScrollBarKind kind, WPARAM code);
    TPoint WindowPoint(TPoint screen) const;

    TWinControl& FOwner;
    TBar FBars[2];
    bool FDragging = false;
    TScrollBarKind FDragKind = sbVertical;
    int FDragOffset = 0;
};

}  // namespace vcl
