// The title buttons at work: hit testing the frame, the hot and pressed
// states, redrawing one button over the saved title band, its glow and its
// fades.
#include "skin/sSkinManager.h"
#include "skinpaint/acGlowEffect.h"
#include "skinpaint/acSBAnimation.h"
#include "skinpaint/sBlockCopy.h"
#include "skinpaint/sEntryLookup.h"
#include "skinpaint/sSkinProvider.h"
#include "skinpaint/sTitleButtons.h"
#include "skinpaint/sTitleIcon.h"
#include "ui/Paint.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TCustomForm.h"

namespace skinpaint {

namespace {

bool IsTitleButtonCode(ui::LRESULT code) {
    return code == ui::HTMINBUTTON || code == ui::HTMAXBUTTON || code == ui::HTCLOSE || code == ui::HTHELP ||
           (code >= 1000 && code <= 1100);
}

// The glow size and margin the skin gives a system button.
std::pair<int, int> GlowOf(const skin::TsSkinData& info, int hitCode) {
    switch (hitCode) {
    case ui::HTMINBUTTON: return {info.BiconMinGlow, info.BiconMinGlowMargin};
    case ui::HTMAXBUTTON: return {info.BiconMaxGlow, info.BiconMaxGlowMargin};
    case ui::HTCLOSE: return {info.BiconCloseGlow, info.BiconCloseGlowMargin};
    default: return {0, 0};
    }
}

}  // namespace

ui::LRESULT TsSkinProvider::FrameHitTest(gfx::TPoint screen) {
    const gfx::TRect window = ui::GetWindowRect(FForm->Handle());
    const int x = screen.X - window.Left, y = screen.Y - window.Top;
    const TacWindowButtons w = Buttons();
    for (TitleButtonState* button : ButtonStates()) {
        if (button->State < 0 || !button->Bounds.Contains(x, y)) continue;
        if (button->HitCode >= 1000)
            return FTitleButtons.Items(button->HitCode - 1000).Enabled ? button->HitCode : ui::HTCLIENT;
        switch (button->HitCode) {
        case ui::HTCLOSE: return FHadSystemMenu ? ui::HTCLOSE : ui::HTCAPTION;
        case ui::HTMAXBUTTON:
            return EnabledMax(w) || (EnabledRestore(w) && !w.Minimized) ? ui::HTMAXBUTTON : ui::HTCAPTION;
        case ui::HTMINBUTTON: return EnabledMin(w) || w.Minimized ? ui::HTMINBUTTON : ui::HTCAPTION;
        default: return ui::HTHELP;
        }
    }
    const TFormGeometry g = Geometry();
    if (g.ThickFrame && !g.Maximized) {
        const int b = g.Border;
        const bool left = x < b, right = x >= g.Width - b, top = y < b, bottom = y >= g.Height - b;
        if (top && left) return ui::HTTOPLEFT;
        if (top && right) return ui::HTTOPRIGHT;
        if (bottom && left) return ui::HTBOTTOMLEFT;
        if (bottom && right) return ui::HTBOTTOMRIGHT;
        if (bottom) return ui::HTBOTTOM;
        if (top) return ui::HTTOP;
        if (left) return ui::HTLEFT;
        if (right) return ui::HTRIGHT;
    }
    if (y < g.TitleHeight()) {
        if (g.HasSystemMenu && g.HasCaption && FSkinData->UsedManager()) {
            const gfx::TRect icon =
                TitleIconRect(g, FSkinData->UsedManager()->GlobalInfo, FTitleIcon.Width(), FTitleIcon.Height());
            if (icon.Contains(x, y)) return ui::HTSYSMENU;
        }
        return ui::HTCAPTION;
    }
    if (FGripMode == gmRightBottom && g.ThickFrame && !g.Maximized && FSkinData->UsedManager()) {
        const skin::TsSkinManager& manager = *FSkinData->UsedManager();
        if (const skin::TsMaskData* grip = ValidEntry(manager, manager.FindMaskExact("GLOBALINFO", "GRIPIMAGE"))) {
            const gfx::TRect client = g.ClientArea();
            if (x >= client.Right - skin::FrameWidth(*grip) && y >= client.Bottom - skin::FrameHeight(*grip) &&
                client.Contains(x, y))
                return ui::HTBOTTOMRIGHT;
        }
    }
    return ui::HTCLIENT;
}

bool TsSkinProvider::KeepsOwnHit(ui::LRESULT code) { return IsTitleButtonCode(code) || code == ui::HTSYSMENU; }

void TsSkinProvider::RepaintTitleButton(int hitCode) {
    TitleButtonState* button = ButtonOf(hitCode);
    if (!button || !FForm->HandleAllocated()) return;
    skin::TsSkinManager* manager = FSkinData->UsedManager();
    if (button->State < 0 || !manager) {
        HideGlow(button->GlowHandle);
        button->GlowHandle = -1;
        return;
    }
    const bool glowing = manager->Effects().AllowGlowing();
    const bool busy = !MayPaint() || (FForm->FormState() & vcl::fsCreating);
    if (glowing && !busy && !FForm->Parent()) {
        HideGlow(button->GlowHandle);
        button->GlowHandle = -1;
        if (button->State == 1) AnimateTitleButton(*button, 1, 10, *this, true);
        else if (button->State == 2) AnimateTitleButton(*button, 2, 1, *this, true);
        else if (button->Animation) AnimateTitleButton(*button, 0, 10, *this, false);
        // Under the fade the frame shows the normal look.
        DrawButtonDirectly(*button);
        return;
    }
    DrawButtonDirectly(*button);
    const auto [glowSize, margin] = GlowOf(manager->GlobalInfo, hitCode);
    HideGlow(button->GlowHandle);
    button->GlowHandle = -1;
    if (button->State == 1 && glowSize > 0 && glowing && !FForm->Parent() && manager->IsValidImgIndex(button->GlyphIndex)) {
        const gfx::TRect window = ui::GetWindowRect(FForm->Handle());
        const gfx::TRect place = gfx::OffsetRect(button->Bounds, window.Left, window.Top);
        button->GlowHandle = ShowGlow(place, {0, 0, place.Width(), place.Height()}, "GLOBALINFO", manager,
                                      FForm->Handle(), margin, manager->Masks[size_t(button->GlyphIndex)].KeyName + "GLOW");
    }
}

void TsSkinProvider::DrawButtons(gfx::TBitmap& target, int dx) {
    const TacWindowButtons w = Buttons();
    const skin::TsSkinManager& manager = *FSkinData->UsedManager();
    for (const TitleButtonState* button : ButtonStates()) {
        TitleButtonState moved = *button;
        moved.Bounds = gfx::OffsetRect(button->Bounds, dx, 0);
        bool enabled = true, restore = false;
        switch (button->HitCode) {
        case ui::HTCLOSE: enabled = EnabledClose(w); break;
        case ui::HTMAXBUTTON:
            enabled = EnabledMax(w) || EnabledRestore(w);
            restore = w.Maximized;
            break;
        case ui::HTMINBUTTON:
            enabled = EnabledMin(w);
            restore = HostMinimized();
            break;
        default:
            if (button->HitCode >= 1000) enabled = FTitleButtons.Items(button->HitCode - 1000).Enabled;
            break;
        }
        DrawTitleButton(target, manager, moved, FDrawnActive, enabled, restore);
    }
    for (int i = 0; i < FTitleButtons.Count(); ++i) DrawUserGlyph(target, FTitleButtons.Items(i), dx);
}

void TsSkinProvider::DrawButtonDirectly(const TitleButtonState& button) {
    gfx::TBitmap* picture = FSkinData->CachePicture.get();
    if (!picture || picture->Empty() || ButtonsBackground.Empty()) return;
    // Neighbours may overlap the button: all of them are drawn again over the
    // saved band, in their order, and the button's place is taken from that.
    gfx::TBitmap strip(ButtonsBackground.Width(), ButtonsBackground.Height());
    CopyBlock(strip, 0, 0, ButtonsBackground, {0, 0, strip.Width(), strip.Height()});
    DrawButtons(strip, -FButtonsBackgroundLeft);
    const gfx::TRect r = gfx::IntersectRect(button.Bounds, {FButtonsBackgroundLeft, 0, picture->Width(), strip.Height()});
    if (r.IsEmpty()) return;
    CopyBlock(*picture, r.Left, r.Top, strip, gfx::OffsetRect(r, -FButtonsBackgroundLeft, 0));
    const ui::HDC dc = ui::GetWindowDC(FForm->Handle());
    if (!dc) return;
    dc->BitBlt(r.Left, r.Top, r.Width(), r.Height(), picture->Canvas(), r.Left, r.Top);
    ui::ReleaseDC(FForm->Handle(), dc);
}

void TsSkinProvider::SetHot(int hitCode) {
    if (hitCode == FCurrentHit) return;
    const int previous = FCurrentHit;
    FCurrentHit = hitCode;
    if (TitleButtonState* old = ButtonOf(previous); old && old->State > 0) {
        old->State = 0;
        RepaintTitleButton(previous);
    }
    if (TitleButtonState* now = ButtonOf(hitCode); now && now->State >= 0) {
        now->State = 1;
        RepaintTitleButton(hitCode);
    }
}

void TsSkinProvider::Press(int hitCode) {
    TitleButtonState* button = ButtonOf(hitCode);
    if (!button || button->State < 0) return;
    if (hitCode == ui::HTMAXBUTTON) {
        const TacWindowButtons w = Buttons();
        if (!EnabledMax(w) && !(w.Maximized && EnabledRestore(w))) return;
    }
    if (FCurrentHit != hitCode) SetHot(hitCode);
    button->State = 2;
    ButtonPressed() = true;
    RepaintTitleButton(hitCode);
}

void TsSkinProvider::ResetButtons() {
    FCurrentHit = 0;
    for (TitleButtonState* button : ButtonStates()) {
        if (button->State > 0) {
            button->State = 0;
            RepaintTitleButton(button->HitCode);
        } else if (button->GlowHandle >= 0) {
            HideGlow(button->GlowHandle);
            button->GlowHandle = -1;
        }
    }
    ButtonPressed() = false;
}

}  // namespace skinpaint
