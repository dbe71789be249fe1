#pragma once
// Glow windows: the soft halo around a hovered element. The halo may reach
// past the owning window, so it is no part of any control: each glow is a
// top-level, click-through window with per-pixel alpha, placed over the
// element and never moved or repainted. Any move, size, skin change or the
// mouse leaving removes it; the next hover shows a new one.
//
// A glow handle is an index into TacGlowEffects; -1 means no glow. Handles
// stay valid (slots of hidden glows are emptied, never reused) until
// HideAllGlows empties the array. Main thread only.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"
#include "skin/sSkinRecords.h"
#include "ui/Types.h"
#include "vcl/TControl.h"

namespace vcl {
class TForm;
}

namespace skin {
class TsCommonData;
class TsSkinManager;
}  // namespace skin

namespace skinpaint {

// The slice widths of a glow entry that decide the window's geometry: each
// margin when above 0, else the uniform margin when above 0, else the frame
// width (left, right) or height (top, bottom) of the entry.
struct TGlowSlices {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
TGlowSlices GlowSlices(const skin::TsMaskData& entry);

// Where a glow goes: its picture is painted at Full size around the element,
// and the window shows the part of it from Cut on, at Window (screen).
struct TGlowPlacement {
    gfx::TSize Full;
    gfx::TPoint Cut;
    gfx::TRect Window;
};
// element in screen coordinates, visible its part that shows (element
// coordinates), margin how far the element lies inside the slices.
TGlowPlacement PlaceGlow(const TGlowSlices& slices, const gfx::TRect& element, const gfx::TRect& visible,
                         int margin);

// The glow's picture: the entry's frame in state 0 over a transparent bitmap
// of full size (premultiplied, as layered windows take it).
gfx::TBitmap GlowPicture(const skin::TsMaskData& entry, gfx::TSize full);

class TacGlowEffect {
public:
    // A null manager is the default manager.
    explicit TacGlowEffect(skin::TsSkinManager* manager);
    // Frees the window: at once while the manager goes or the program ends,
    // else after the messages already waiting for it.
    ~TacGlowEffect();
    TacGlowEffect(const TacGlowEffect&) = delete;
    TacGlowEffect& operator=(const TacGlowEffect&) = delete;

    // Builds and shows the window once; an object with a window does nothing.
    void Show(const gfx::TRect& element, const gfx::TRect& visible, ui::HWND owner);
    // Gives the window its own message handling back and frees it at once.
    void FreeWindowNow();

    skin::TsSkinManager* Manager = nullptr;
    int ImageIndex = -1;
    int Margin = 0;
    vcl::TForm* Window = nullptr;
    vcl::TWndMethod PreviousWndProc;

private:
    void RestoreWndProc();
};

using TacGlowEffects = std::vector<std::unique_ptr<TacGlowEffect>>;
TacGlowEffects& GlowEffects();

// Shows a glow of the entry key + "0" of the section around element; -1 when
// the display has no layered windows, the section has no such entry, or
// nothing of the element shows.
int ShowGlow(const gfx::TRect& element, const gfx::TRect& visible, std::string_view sectionName,
             skin::TsSkinManager* manager, ui::HWND owner, int margin, std::string_view key);
void HideGlow(int handle);
// With restore, the windows get their own handling back and go at once.
void HideAllGlows(bool restore);
// Shows or hides the glow of a skinned control by its state; window stands
// for the control when the binding has no owner control.
void UpdateControlGlow(skin::TsCommonData& data, bool fast, ui::HWND window);

// Makes the binding and the manager reach the glows (skin/sGlowHook.h); the
// program calls it once at start-up.
void InstallGlowHook();

}  // namespace skinpaint
