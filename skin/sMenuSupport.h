#pragma once
// The settings of the menu skinning that the manager publishes as
// MenuSupport, and the event through which a program fills the side band of
// its menus.
#include <functional>
#include <string>

#include "gfx/TBitmap.h"
#include "vcl/TFont.h"

namespace vcl {
class TMenuItem;
}

namespace skin {

class TacMenuSupport : public vcl::TPersistent {
public:
    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // The section of the icon column; the manager sets "ICOLINE" when empty.
    const std::string& IcoLineSkin() const { return FIcoLineSkin; }
    void SetIcoLineSkin(const std::string& value) { FIcoLineSkin = value; }
    // Opacity of menu windows.
    int AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(int value) { FAlphaBlend = value; }
    bool UseExtraLine() const { return FUseExtraLine; }
    void SetUseExtraLine(bool value) { FUseExtraLine = value; }
    int ExtraLineWidth() const { return FExtraLineWidth; }
    void SetExtraLineWidth(int value) { FExtraLineWidth = value; }
    vcl::TFont& ExtraLineFont() { return FExtraLineFont; }

private:
    std::string FIcoLineSkin;
    int FAlphaBlend = 255;
    bool FUseExtraLine = false;
    int FExtraLineWidth = 32;
    vcl::TFont FExtraLineFont;
};

// Asked for the side band of the menu whose first item is given: its section,
// caption and glyph, and whether it shows at all.
using TacGetExtraLineData = std::function<void(vcl::TMenuItem* firstItem, std::string& skinSection,
                                               std::string& caption, gfx::TBitmap& glyph, bool& lineVisible)>;

}  // namespace skin
