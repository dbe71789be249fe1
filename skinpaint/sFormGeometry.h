#pragma once
// The frame geometry of a skinned window, read from its styles and the
// platform's metrics: the border width b, the caption height c, the title
// band and where the client area lies inside the window picture.
#include "gfx/Geometry.h"
#include "ui/Types.h"

namespace skinpaint {

struct TFormGeometry {
    int Width = 0, Height = 0;  // the window
    int ClientWidth = 0, ClientHeight = 0;
    int Border = 0;   // b
    int Caption = 0;  // c
    // The form's own BorderWidth, counted only with the border style.
    int FormBorder = 0;
    gfx::TPoint ClientOffset;
    bool Minimized = false, Maximized = false;
    bool HasBorderStyle = false, ThickFrame = false, HasCaption = false, HasSystemMenu = false;
    // From the window's top to the bottom of the caption.
    int TitleHeight() const { return Border + Caption; }
    // The non-client height above the client area.
    int TopHeight() const { return HasCaption ? ClientOffset.Y : Border + FormBorder; }
    // The side and bottom strips of the frame.
    int SideWidth() const { return Border + FormBorder; }
    gfx::TRect TitleBand() const { return {0, 0, Width, TitleHeight()}; }
    gfx::TRect ClientArea() const {
        return {ClientOffset.X, ClientOffset.Y, ClientOffset.X + ClientWidth, ClientOffset.Y + ClientHeight};
    }
};

// hadSystemMenu stands in for the system-menu style the frame removed.
TFormGeometry FormGeometry(ui::HWND window, int formBorderWidth, bool hadSystemMenu);

}  // namespace skinpaint
