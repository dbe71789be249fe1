#pragma once
// The pictures of the open menus: one record per menu (found by its first
// item or by its window), built when the menu's first item is drawn and
// freed all together when a menu window goes or a skin changes. The flag
// MenuMeasuring tells the menu window adapters that the layer measured the
// items of the menu about to show, so it is one of the skinned menus.
#include <memory>
#include <string>

#include "gfx/TBitmap.h"
#include "ui/Types.h"

namespace vcl {
class TMenuItem;
}

namespace skin {
class TsSkinManager;
}

namespace skinpaint {

struct TacMenuBackground {
    vcl::TMenuItem* FirstItem = nullptr;
    std::unique_ptr<gfx::TBitmap> Bitmap;
    ui::HWND Window = nullptr;
    bool HasExtraLine = false;
};

TacMenuBackground* FindMenuBackground(const vcl::TMenuItem* firstItem);
TacMenuBackground* FindMenuBackgroundByWindow(ui::HWND window);
TacMenuBackground& AddMenuBackground(TacMenuBackground record);
void FreeMenuBackgrounds();

bool& MenuMeasuring();

// The menu window's client area lies this far inside it, and so inside the
// menu's picture.
inline constexpr int MenuClientOffset = 3;

// The side band of a menu as the program describes it.
struct TacExtraLineData {
    std::string SkinSection = "EXTRALINE";
    std::string Caption = "Use OnGetExtraLineData event";
    gfx::TBitmap Glyph;
    bool LineVisible = true;
};

// The defaults, changed by the manager's OnGetMenuExtraLineData; a menu whose
// first item is the skin menu ("SkinSelectItem") has no band. The caption
// loses its ampersands, a hidden band its glyph.
TacExtraLineData AskExtraLineData(skin::TsSkinManager& manager, vcl::TMenuItem* firstItem);

}  // namespace skinpaint
