#include "skinpaint/sTitleButtons.h"

#include <string_view>

#include "skinpaint/sBlendOps.h"
#include "skinpaint/sEntryLookup.h"
#include "skinpaint/sMaskGlyph.h"
#include "vcl/TClassBuilder.h"

namespace skinpaint {

const vcl::TClassInfo& TsTitleButton::StaticClass() {
    static const vcl::TClassInfo& info = vcl::TClassBuilder<TsTitleButton>("TsTitleButton", TPersistent::StaticClass()).Build();
    return info;
}

const vcl::TClassInfo& TsTitleButtons::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TsTitleButtons>("TsTitleButtons", TPersistent::StaticClass()).Build();
    return info;
}

TsTitleButton& TsTitleButtons::Add() {
    FItems.push_back(std::make_unique<TsTitleButton>());
    return *FItems.back();
}

namespace {

constexpr int MissingSize = 21;

template <class F>
void ForEachUser(const TTitleButtons& buttons, F&& f) {
    if (!buttons.User) return;
    for (int i = 0; i < buttons.User->Count(); ++i) f(buttons.User->Items(i), i);
}

bool AnyUserShown(const TTitleButtons& buttons) {
    bool any = false;
    ForEachUser(buttons, [&any](TsTitleButton& b, int) { any = any || b.Button.State >= 0; });
    return any;
}

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
    const int user = Entry(tables, "TITLEBUTTON");
    ForEachUser(buttons, [&](TsTitleButton& b, int i) {
        b.Button.HitCode = 1000 + i;
        Use(b.Button, b.Visible, b.UseSkinData ? user : -1, large);
    });
}

int TitleButtonsWidth(const skin::TsSkinTables& tables, const TTitleButtons& buttons) {
    int width = tables.GlobalInfo.BiRight;
    if (buttons.Close->State >= 0) width += ButtonWidth(tables, *buttons.Close);
    for (const TitleButtonState* button : {buttons.Max, buttons.Min, buttons.Help})
        if (button->State >= 0)
            width += ButtonWidth(tables, *button) + (button->LargeImages ? tables.GlobalInfo.BiSpace : 0);
    if (AnyUserShown(buttons)) {
        width += 8;
        ForEachUser(buttons, [&](TsTitleButton& b, int) {
            if (b.Button.State >= 0)
                width += ButtonWidth(tables, b.Button) + (b.Button.LargeImages ? tables.GlobalInfo.BiSpace : 0);
        });
    }
    return width;
}

int LayoutTitleButtons(const skin::TsSkinTables& tables, const TFormGeometry& geometry, const TTitleButtons& buttons) {
    const skin::TsSkinData& info = tables.GlobalInfo;
    const int height = ButtonHeight(tables, *buttons.Close);
    int x = geometry.Width - info.BiRight - geometry.Border;
    const auto place = [&](TitleButtonState& button) {
        int top = 0;
        if (button.LargeImages && info.BiVAlign == 1) {
            top = geometry.Maximized ? 3 : 0;
        } else {
            top = (geometry.TitleHeight() - height) / 2;
            if (button.LargeImages && height < 16) top += 2;
        }
        const int width = ButtonWidth(tables, button);
        button.Bounds = {x - width, top, x, top + height};
        x = button.Bounds.Left - (button.LargeImages ? info.BiSpace : 0);
    };
    for (TitleButtonState* button : {buttons.Close, buttons.Max, buttons.Min, buttons.Help}) {
        if (button->State < 0) continue;
        if (button == buttons.Help) x -= 6;
        place(*button);
    }
    x -= 8;
    ForEachUser(buttons, [&](TsTitleButton& b, int) {
        if (b.Button.State >= 0) place(b.Button);
    });
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

namespace skinpaint {

void DrawUserGlyph(gfx::TBitmap& picture, const TsTitleButton& button, int dx) {
    const gfx::TBitmap& glyph = button.Glyph;
    if (button.Button.State < 0 || glyph.Empty()) return;
    const gfx::TRect& r = button.Button.Bounds;
    const int shift = button.Button.State == 2 ? 1 : 0;
    const int x = r.Left + dx + (r.Width() - glyph.Width()) / 2 + shift;
    const int y = r.Top + (r.Height() - glyph.Height()) / 2 + shift;
    const gfx::TRect whole{0, 0, glyph.Width(), glyph.Height()};
    if (glyph.PixelFormat() == gfx::pf32bit) {
        CopyAlphaImage(picture, gfx::OffsetRect(whole, x, y), glyph, whole, false, EmptyBackground);
        return;
    }
    gfx::TBitmap reader;
    reader.Assign(glyph);
    const gfx::TColor key = reader.Canvas().Pixels(0, glyph.Height() - 1);
    BlendKeyedImage(picture, {x, y}, glyph, {0, 0, glyph.Width() - 1, glyph.Height() - 1}, key, 0);
}

}  // namespace skinpaint
