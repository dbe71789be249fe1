#include "skinpaint/sWindowImage.h"

#include "gfx/TCanvas.h"
#include "skin/sSkinCommands.h"
#include "skinpaint/sColorOps.h"
#include "skinpaint/sParentBackground.h"
#include "skinpaint/sSkinProvider.h"
#include "ui/MessageLoop.h"
#include "ui/Messages.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TCustomForm.h"
#include "vcl/TWinControl.h"

namespace skinpaint {

namespace {

ui::LRESULT SendCommand(ui::HWND window, uint16_t command, ui::LPARAM lParam) {
    return ui::SendMessage(window, skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(command), lParam);
}

// What the parent has behind an invisible control fills the control's place.
void PaintParentBackground(gfx::TBitmap& picture, vcl::TControl& control, int x, int y) {
    vcl::TWinControl* parent = control.Parent();
    if (!parent->HandleAllocated()) return;
    skin::BackgroundRequest request;
    SendCommand(parent->Handle(), skin::SKC_GET_BACKGROUND, reinterpret_cast<ui::LPARAM>(&request));
    ParentBackground background = BackgroundFromRequest(request);
    background.X += control.Left() - x;
    background.Y += control.Top() - y;
    LayBackground(picture, gfx::Bounds(x, y, control.Width(), control.Height()), background);
}

// The form of a frame: the frame's window picture, then what the form paints
// over its background itself (its controls without windows among it).
void PaintFramedForm(gfx::TCanvas& dc, TsSkinProvider& provider, ui::HWND window) {
    provider.PaintFrameImage();
    const gfx::TBitmap& cache = *provider.SkinData().CachePicture;
    dc.BitBlt(0, 0, cache.Width(), cache.Height(), const_cast<gfx::TBitmap&>(cache).Canvas(), 0, 0);
    const gfx::TPoint offset = provider.Geometry().ClientOffset;
    const gfx::TPoint origin = dc.SetViewportOrg(dc.ViewportOrg().X + offset.X, dc.ViewportOrg().Y + offset.Y);
    ui::SendMessage(window, ui::WM_PRINTCLIENT, reinterpret_cast<ui::WPARAM>(&dc), ui::PRF_CLIENT);
    dc.SetViewportOrg(origin.X, origin.Y);
}

// A skinned control is told that it is printed, so that it paints its whole
// look into the picture rather than onto the screen.
void PrintWindow(gfx::TCanvas& dc, ui::HWND window) {
    const bool skinned = SendCommand(window, skin::SKC_IS_SKINNED, 0) == 1;
    if (skinned) SendCommand(window, skin::SKC_PRINTING, reinterpret_cast<ui::LPARAM>(&dc));
    ui::SendMessage(window, ui::WM_PRINT, reinterpret_cast<ui::WPARAM>(&dc),
                    ui::PRF_NONCLIENT | ui::PRF_ERASEBKGND | ui::PRF_CLIENT);
    if (skinned) SendCommand(window, skin::SKC_PRINTING, 0);
}

}  // namespace

void PaintWindowImage(gfx::TBitmap& picture, vcl::TControl& control, int x, int y, TsSkinProvider* provider) {
    if (!control.Visible() && control.Parent()) {
        PaintParentBackground(picture, control, x, y);
        return;
    }
    gfx::TCanvas& dc = picture.Canvas();
    dc.SaveDC();
    dc.SetViewportOrg(x, y);
    dc.IntersectClipRect({0, 0, control.Width(), control.Height()});
    auto* windowed = dynamic_cast<vcl::TWinControl*>(&control);
    if (!windowed || !windowed->HandleAllocated()) {
        control.Perform(skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(skin::SKC_PRINTING),
                        reinterpret_cast<ui::LPARAM>(&dc));
        // Controls without a window paint through the paint message with a DC.
        control.Perform(ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(&dc), 0);
        control.Perform(skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(skin::SKC_PRINTING), 0);
        dc.RestoreDC(-1);
        return;
    }
    const ui::HWND window = windowed->Handle();
    if (provider && &control == provider->Form())
        PaintFramedForm(dc, *provider, window);
    else
        PrintWindow(dc, window);
    dc.RestoreDC(-1);
    // The children lie in the client area, which the window's rectangle
    // places inside the picture.
    const gfx::TRect outer = ui::GetWindowRect(window);
    for (int i = 0; i < windowed->ControlCount(); ++i) {
        auto* child = dynamic_cast<vcl::TWinControl*>(windowed->Controls(i));
        if (!child || !child->Visible() || !child->HandleAllocated() || dynamic_cast<vcl::TCustomForm*>(child))
            continue;
        const gfx::TRect r = ui::GetWindowRect(child->Handle());
        PaintWindowImage(picture, *child, x + r.Left - outer.Left, y + r.Top - outer.Top, nullptr);
    }
}

gfx::TBitmap FormImage(TsSkinProvider& provider) {
    vcl::TCustomForm& form = *provider.Form();
    gfx::TBitmap picture;
    if (!form.HandleAllocated()) return picture;
    const gfx::TRect r = ui::GetWindowRect(form.Handle());
    picture.SetSize(r.Width(), r.Height());
    if (picture.Empty()) return picture;
    PaintWindowImage(picture, form, 0, 0, &provider);
    SetRectAlpha(picture, {0, 0, picture.Width(), picture.Height()}, 255, false);
    // The corners outside the window's region show what lies behind.
    for (const gfx::TRect& cut : provider.RegionRuns) {
        FillRect32(picture, cut, 0);
        SetRectAlpha(picture, cut, 0, false);
    }
    return picture;
}

}  // namespace skinpaint
