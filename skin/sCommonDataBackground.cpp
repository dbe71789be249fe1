// What lies behind a bound control, for itself and for its children: the
// colours, the answers to SKC_GET_BG_COLOR and SKC_GET_BACKGROUND, and whether
// its look depends on its parent at all.
#include <algorithm>
#include <cmath>

#include "skin/sCommonData.h"
#include "skin/sControlKinds.h"
#include "skin/sParentRequest.h"
#include "skin/sSkinBroadcast.h"
#include "skin/sSkinColors.h"
#include "skin/sSkinManager.h"
#include "ui/MessageLoop.h"
#include "ui/WindowPos.h"
#include "ui/Window.h"
#include "vcl/TCustomForm.h"
#include "vcl/TWinControl.h"

namespace skin {

namespace {

constexpr gfx::TColor KeyColor = 0xFF00FF;
constexpr int TextureWholeTiles = 10;

ui::LRESULT AskControl(vcl::TControl& control, uint16_t command, ui::LPARAM lParam = 0) {
    return SendSkinCommand(control, {SKIN_COMMAND_MESSAGE, SkinCommandWParam(command), lParam});
}

int Channel(gfx::TColor color, int shift) { return (color >> shift) & 0xFF; }

// t percent of the result is `behind`, the rest `front` (nearest, per channel).
gfx::TColor MixedColour(gfx::TColor behind, gfx::TColor front, int t) {
    gfx::TColor mixed = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double value = (t * Channel(behind, shift) + (100 - t) * Channel(front, shift)) / 100.0;
        mixed |= gfx::TColor(std::lround(value)) << shift;
    }
    return mixed;
}

// The colour children see through a look of transparency t over the parent's
// P: (t × (P − O) + O × 256) >> 8 per channel, t the percentage itself.
gfx::TColor ChildrenColour(gfx::TColor parent, gfx::TColor own, int t) {
    gfx::TColor result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int o = Channel(own, shift);
        const int value = (t * (Channel(parent, shift) - o) + o * 256) >> 8;
        result |= gfx::TColor(std::clamp(value, 0, 255)) << shift;
    }
    return result;
}

struct TLook {
    gfx::TColor Color;
    int Transparency;
    int GradientPercent;
    int ImagePercent;
};

TLook LookOf(const TsGeneralData& section, bool hot) {
    if (hot) return {section.HotColor, section.HotTransparency, section.HotGradientPercent, section.HotImagePercent};
    return {section.Color, section.Transparency, section.GradientPercent, section.ImagePercent};
}

gfx::TColor DefaultBackColor() {
    const TsSkinManager* manager = TsSkinManager::DefaultManager();
    return manager ? SkinBackColor(*manager) : gfx::ColorToRGB(gfx::clBtnFace);
}

}  // namespace

void TsCommonData::UpdateIndependence() {
    if (!IndependentKinds.Contains(ControlKind)) return;
    if (DependsOnParent()) StateFlags &= uint16_t(~sfIndependent);
    else StateFlags |= sfIndependent;
}

bool TsCommonData::DependsOnParent() const {
    const TsSkinManager* manager = UsedManager();
    if (!manager || SectionIndex < 0 || !SectionValid()) return false;
    if (manager->IsValidImgIndex(FrameIndex)) {
        const TsMaskData& frame = manager->Masks[size_t(FrameIndex)];
        if (frame.DrawFlags & 4) return true;
        if (frame.MarginLeft + frame.MarginRight > 20 || frame.MarginTop + frame.MarginBottom > 20) return true;
    }
    const TsGeneralData& section = Section();
    const int t = section.Transparency;
    if (t != 0 && t != 100) return true;
    if (t == 100) {
        const int pattern = manager->FindTexture(SectionIndex, FSkinSection, "PATTERN");
        if (manager->IsValidImgIndex(pattern) && manager->Masks[size_t(pattern)].DrawFlags == TextureWholeTiles)
            return true;
        if (!HostControl || !HostControl->Parent()) return true;
        return !(AskControl(*HostControl->Parent(), SKC_STATE) & sfIndependent);
    }
    if (section.ImagePercent != 0 || section.GradientPercent != 0) return true;
    return ProviderForm && bool(ProviderForm->OnPaint);
}

bool TsCommonData::BackgroundFollowsParent() const {
    if (PaintAtOnce || !IsSkinned() || !HostControl || !HostControl->Enabled()) return true;
    if (Section().Transparency <= 0) return false;
    vcl::TWinControl* parent = HostControl->Parent();
    return parent && AskControl(*parent, SKC_IS_BG_COMPLEX) != 0;
}

gfx::TColor TsCommonData::ParentColorAnswer(ui::HWND window, gfx::TColor withoutParent) const {
    const vcl::TControl* owner = HostControl ? HostControl : ProviderForm;
    if (owner && owner->Parent()) return gfx::TColor(AskControl(*owner->Parent(), SKC_GET_BG_COLOR));
    if (const ui::HWND parentWindow = window ? ui::GetParent(window) : nullptr)
        return gfx::TColor(ui::SendMessage(parentWindow, SKIN_COMMAND_MESSAGE, SkinCommandWParam(SKC_GET_BG_COLOR), 0));
    return withoutParent;
}

gfx::TColor TsCommonData::BackgroundColor(int state, ui::HWND window) const {
    if (!IsSkinned()) return OwnerColor();
    const TsGeneralData& section = Section();
    const TLook look = LookOf(section, state > 0 && section.States > 1);
    if (look.Transparency <= 0) return FCustomColor ? OwnerColor() : gfx::ColorToRGB(look.Color);
    const gfx::TColor parent = ParentColorAnswer(window, OwnerColor());
    if (look.Transparency >= 100) return parent;
    return MixedColour(parent, gfx::ColorToRGB(look.Color), look.Transparency);
}

gfx::TColor TsCommonData::ColorForChildren() const {
    if (!IsSkinned()) return OwnerColor();
    const TsGeneralData& section = Section();
    const int t = std::clamp(section.Transparency, 0, 100);
    const gfx::TColor own = gfx::ColorToRGB(section.Color);
    if (t == 0) return own;
    const gfx::TColor parent = ParentColorAnswer(nullptr, OwnerColor());
    if (t < 100) return ChildrenColour(parent, own, t);
    const vcl::TControl* owner = HostControl ? HostControl : ProviderForm;
    if (parent == KeyColor && owner && owner->Parent()) return gfx::ColorToRGB(owner->Parent()->Color());
    return parent;
}

void TsCommonData::AnswerWithCache(BackgroundRequest& request) const {
    request.Kind = BackgroundRequest::BitmapKnown;
    if (request.PaintNow && request.DC) {
        request.DC->Draw(0, 0, *CachePicture);
        return;
    }
    request.Bitmap = CachePicture.get();
    request.X = 0;
    request.Y = 0;
}

void TsCommonData::PassRequestOn(BackgroundRequest& request, ui::HWND window) const {
    const bool paint = request.PaintNow != 0;
    // A frame provider stands where its form stands.
    const vcl::TControl* owner = HostControl ? HostControl : ProviderForm;
    if (owner && owner->Parent()) {
        RequestParentBackground(*const_cast<vcl::TControl*>(owner), request, paint);
        if (request.Kind == BackgroundRequest::BitmapKnown) {
            request.X += owner->Left();
            request.Y += owner->Top();
        }
        return;
    }
    const ui::HWND parentWindow = window ? ui::GetParent(window) : nullptr;
    if (!parentWindow) {
        request.Kind = BackgroundRequest::ColorKnown;
        request.Color = DefaultBackColor();
        return;
    }
    RequestWindowBackground(window, request, paint);
    if (request.Kind == BackgroundRequest::BitmapKnown) {
        const gfx::TRect bounds = ui::GetWindowRect(window);
        const gfx::TPoint place = ui::ScreenToClient(parentWindow, {bounds.Left, bounds.Top});
        request.X += place.X;
        request.Y += place.Y;
    }
}

void TsCommonData::AnswerBackground(BackgroundRequest& request, int state, ui::HWND window) const {
    if (!IsSkinned() || FCustomColor) {
        request.Kind = BackgroundRequest::ColorKnown;
        request.Color = OwnerColor();
        return;
    }
    const TLook look = LookOf(Section(), state != 0);
    const int t = look.Transparency;
    const bool cache = CachePicture != nullptr;
    if (t == 100) {
        // A see-through owner without a valid picture of its own shows what
        // its parent shows.
        if ((StateFlags & sfIndependent) || !cache || PictureStale) PassRequestOn(request, window);
        else AnswerWithCache(request);
        return;
    }
    if (t > 0 && t < 100) {
        if (cache) AnswerWithCache(request);
        else {
            request.Kind = BackgroundRequest::ColorKnown;
            request.Color = KeyColor;
        }
        return;
    }
    if (look.GradientPercent <= 0 && look.ImagePercent < 1) {
        request.Kind = BackgroundRequest::ColorKnown;
        request.Bitmap = CachePicture.get();
        request.Color = BackgroundColor(state, window);
        if (request.PaintNow && request.DC) {
            request.DC->Brush.Color = request.Color;
            request.DC->Brush.Style = gfx::bsSolid;
            request.DC->FillRect(request.ClipRect);
        }
        return;
    }
    request.Color = UsedManager() ? SkinBackColor(*UsedManager()) : DefaultBackColor();
    if (cache) AnswerWithCache(request);
    else {
        request.Kind = BackgroundRequest::ColorKnown;
        request.Color = KeyColor;
    }
}

void TsCommonData::GetParentBackground(BackgroundRequest& request, bool paint) const {
    if (!IsSkinned()) {
        request.Kind = BackgroundRequest::ColorKnown;
        request.X = request.Y = 0;
        request.Bitmap = nullptr;
        request.Color = BackgroundColor(0);
        return;
    }
    if (HostControl) RequestParentBackground(*HostControl, request, paint);
    else if (ProviderForm) RequestParentBackground(*ProviderForm, request, paint);
}

}  // namespace skin
