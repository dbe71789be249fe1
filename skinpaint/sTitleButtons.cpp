#include "skinpaint/sTitleButtons.h"

#include <string_view>

#include "skinpaint/sEntryLookup.h"
#include "skinpaint/sMaskGlyph.h"

namespace skinpaint {

namespace {

constexpr int MissingSize = 21;

int Entry(const skin::TsSkinTables& tables, std::string_view key) {
    return tables.FindMaskExact("GLOBALINFO", key);
}

void Use(TitleButtonState& button, bool shown, int glyph, bool large) {
    if (!shown) {
        button.State = -1;
        button.Bounds = {};
        return;
    }
    if (button.State < 0) button.State = 0;
    button.GlyphIndex = glyph;
    button.LargeImages = large;
}

int ButtonWidth(const skin::TsSkinTables& tables, const TitleButtonState& button) {
    const skin::TsMaskData* entry = ValidEntry(tables, button.GlyphIndex);
    return entry ? skin::FrameWidth(*entry) : MissingSize;
}

int ButtonHeight(const skin::TsSkinTables& tables, const TitleButtonState& close) {
    const skin::TsMaskData* entry = ValidEntry(tables, close.GlyphIndex);
    return entry ? skin::FrameHeight(*entry) : MissingSize;
}

}  // namespace

void ChooseTitleButtonImages(const skin::TsSkinTables& tables, const TacWindowButtons& window, bool help,
                             const TTitleButtons& buttons) {
    const bool showMax = VisibleMax(window), showMin = VisibleMin(window);
    bool large = HasFullTitle(window);
    int close = -1;
    if (!large) close = Entry(tables, "SICONCLOSE");
    if (close < 0) {
        large = true;
        if (!showMax && !showMin) close = Entry(tables, "BICLOSEALONE");
        if (close < 0) close = Entry(tables, "BICONCLOSE");
    }
    int helpImage = Entry(tables, large ? "BICONHELP" : "SICONHELP");
    if (helpImage < 0) helpImage = Entry(tables, "BICONHELP");
    Use(*buttons.Close, VisibleClose(window), close, large);
    Use(*buttons.Max, showMax, Entry(tables, large ? "BICONMAX" : "SICONMAX"), large);
    Use(*buttons.Min, showMin, Entry(tables, large ? "BICONMIN" : "SICONMIN"), large);
    Use(*buttons.Help, help, helpImage, large);
}

int TitleButtonsWidth(const skin::TsSkinTables& tables, const TTitleButtons& buttons) {
    int width = tables.GlobalInfo.BiRight;
    if (buttons.Close->State >= 0) width += ButtonWidth(tables, *buttons.Close);
    for (const TitleButtonState* button : {buttons.Max, buttons.Min, buttons.Help})
        if (button->State >= 0)
            width += ButtonWidth(tables, *button) + (button->LargeImages ? tables.GlobalInfo.BiSpace : 0);
    return width;
}

int LayoutTitleButtons(const skin::TsSkinTables& tables, const TFormGeometry& geometry, const TTitleButtons& buttons) {
    const skin::TsSkinData& info = tables.GlobalInfo;
    const int height = ButtonHeight(tables, *buttons.Close);
    int x = geometry.Width - info.BiRight - geometry.Border;
    for (TitleButtonState* button : {buttons.Close, buttons.Max, buttons.Min, buttons.Help}) {
        if (button->State < 0) continue;
        if (button == buttons.Help) x -= 6;
        int top = 0;
        if (button->LargeImages && info.BiVAlign == 1) {
            top = geometry.Maximized ? 3 : 0;
        } else {
            top = (geometry.TitleHeight() - height) / 2;
            if (button->LargeImages && height < 16) top += 2;
        }
        const int width = ButtonWidth(tables, *button);
        button->Bounds = {x - width, top, x, top + height};
        x = button->Bounds.Left - (button->LargeImages ? info.BiSpace : 0);
    }
    return TitleButtonsWidth(tables, buttons);
}

void DrawTitleButton(gfx::TBitmap& picture, const skin::TsSkinTables& tables, const TitleButtonState& button,
                     bool active, bool enabled, bool restoreImage) {
    if (button.State < 0) return;
    int glyph = button.GlyphIndex;
    if (restoreImage) {
        const int restore = Entry(tables, "BICONNORM");
        if (restore >= 0) glyph = restore;
    }
    const skin::TsMaskData* entry = ValidEntry(tables, glyph);
    if (!entry) return;
    const int state = button.Animation ? 0 : button.State;
    const int mode = state == 0 && (!active || !enabled) ? gdHalf : gdNormal;
    PaintMaskGlyph(picture, {button.Bounds.Left, button.Bounds.Top}, state, BackgroundFromBitmap(picture, 0, 0),
                   *entry, mode);
}

}  // namespace skinpaint
