#include "skin/sCommonData.h"

#include <algorithm>

#include "skin/sControlKinds.h"
#include "skin/sGlowHook.h"
#include "skin/sHueSaturation.h"
#include "skin/sSkinBroadcast.h"
#include "skin/sSkinManager.h"
#include "skin/sUpperCase.h"
#include "ui/Paint.h"
#include "vcl/TClassBuilder.h"
#include "vcl/TCustomForm.h"
#include "vcl/TWinControl.h"

namespace skin {

std::string& SectionBeingChanged() {
    static std::string name;
    return name;
}

TsCommonData::TsCommonData(vcl::TComponent* owner, bool withCache) {
    HostObject = owner;
    HostControl = dynamic_cast<vcl::TControl*>(owner);
    if (withCache) {
        CachePicture = std::make_unique<gfx::TBitmap>();
        CachePicture->SetPixelFormat(gfx::pf32bit);
    }
}

TsCommonData::~TsCommonData() {
    FrameIndex = SectionIndex = PatternIndex = HotPatternIndex = -1;
    HostControl = nullptr;
    HostObject = nullptr;
    ProviderForm = nullptr;
    CachePicture.reset();
    RemoveOwnGlow();
}

const vcl::TClassInfo& TsCommonData::StaticClass() {
    static const vcl::TClassInfo& info = vcl::TClassBuilder<TsCommonData>("TsCommonData", TPersistent::StaticClass())
                                             .String("SkinSection", &TsCommonData::SetSkinSection)
                                             .Reference<TsSkinManager>("SkinManager", &TsCommonData::SetSkinManager)
                                             .Bool("CustomColor", &TsCommonData::SetCustomColor)
                                             .Bool("CustomFont", &TsCommonData::SetCustomFont)
                                             .Build();
    return info;
}

const vcl::TClassInfo& TsCtrlSkinData::StaticClass() {
    static const vcl::TClassInfo& info = vcl::TClassBuilder<TsCtrlSkinData>("TsCtrlSkinData", TsCommonData::StaticClass())
                                             .Int("HUEOffset", &TsCommonData::SetHUEOffset)
                                             .Int("Saturation", &TsCommonData::SetSaturation)
                                             .Build();
    return info;
}

// --- the owner

bool TsCommonData::Owned(unsigned componentState) const {
    return HostObject && (HostObject->ComponentState() & componentState);
}
bool TsCommonData::OwnerLoading() const { return Owned(vcl::csLoading); }
bool TsCommonData::OwnerDestroying() const { return !HostObject || Owned(vcl::csDestroying); }

vcl::TWinControl* TsCommonData::WindowedOwner() const { return dynamic_cast<vcl::TWinControl*>(HostControl); }

ui::HWND TsCommonData::OwnerWindow() const {
    vcl::TWinControl* owner = WindowedOwner();
    if (!owner && !HostControl && ProviderForm) owner = ProviderForm;
    return owner && owner->HandleAllocated() ? owner->Handle() : nullptr;
}

bool TsCommonData::ShownOwner() const {
    if (OwnerLoading() || OwnerDestroying()) return false;
    if (!HostControl) return OwnerWindow() != nullptr;
    vcl::TWinControl* parent = HostControl->Parent();
    if (!parent) return false;
    return WindowedOwner() ? OwnerWindow() != nullptr : parent->HandleAllocated();
}

gfx::TColor TsCommonData::OwnerColor() const {
    if (HostControl) return gfx::ColorToRGB(HostControl->Color());
    if (ProviderForm) return gfx::ColorToRGB(ProviderForm->Color());
    return gfx::ColorToRGB(gfx::clBtnFace);
}

ui::LRESULT TsCommonData::SendToOwner(uint16_t command, ui::LPARAM lParam, uint16_t argument) {
    const vcl::TMessage message{SKIN_COMMAND_MESSAGE, SkinCommandWParam(command, argument), lParam};
    if (HostControl) return SendSkinCommand(*HostControl, message);
    if (ProviderForm) return SendSkinCommand(*ProviderForm, message);
    return 0;
}

void TsCommonData::SendRefreshOrRemove(TsSkinManager* manager) {
    const bool found = manager && !manager->Sections.empty() && manager->IsValidSkinIndex(SectionIndex);
    SendToOwner(found ? SKC_REFRESH : SKC_REMOVE_SKIN, reinterpret_cast<ui::LPARAM>(manager));
}

void TsCommonData::RedrawFrame() {
    if (const ui::HWND window = OwnerWindow()) ui::RedrawWindow(window, nullptr, nullptr, ui::RDW_FRAME | ui::RDW_INVALIDATE);
}

void TsCommonData::RedrawCompletely() {
    if (const ui::HWND window = OwnerWindow())
        ui::RedrawWindow(window, nullptr, nullptr,
                         ui::RDW_FRAME | ui::RDW_ALLCHILDREN | ui::RDW_ERASE | ui::RDW_INVALIDATE);
}

void TsCommonData::EmptyCache() {
    if (CachePicture) CachePicture->SetSize(0, 0);
}

void TsCommonData::RemoveOwnGlow() {
    HideGlow(GlowHandle);
    GlowHandle = -1;
}

// --- published

void TsCommonData::SetSkinSection(const std::string& value) {
    if (value == FSkinSection) return;
    FSkinSection = value.empty() ? "UNKNOWN" : UpperCase(value);
    TsSkinManager* manager = UsedManager();
    if (!manager || manager->Sections.empty()) SectionIndex = -1;
    else ResolveSection();
    if (!HostControl) {
        PictureStale = true;
        return;
    }
    if (Owned(vcl::csLoading | vcl::csReading | vcl::csDestroying) || !HostControl->Parent()) return;
    if (!PaintSuspended) SendRefreshOrRemove(manager);
    RemoveOwnGlow();
}

void TsCommonData::SetSkinManager(TsSkinManager* value) {
    TsSkinManager* stored = value == TsSkinManager::DefaultManager() ? nullptr : value;
    if (stored == FSkinManager) return;
    FSkinManager = stored;
    if (OwnerLoading()) return;
    if (value && !value->Sections.empty()) ResolveSection();
    else SectionIndex = -1;
    if (HostControl && HostControl->Parent() && !OwnerDestroying()) SendRefreshOrRemove(value);
}

void TsCommonData::SetCustomColor(bool value) {
    FCustomColor = value;
    if (!OwnerLoading()) UpdateColors(true);
}

void TsCommonData::SetCustomFont(bool value) {
    FCustomFont = value;
    if (!OwnerLoading()) UpdateColors(true);
}

void TsCommonData::SetHUEOffset(int value) {
    FHUEOffset = value;
    BindToSkin();
    RequestRepaint();
}

void TsCommonData::SetSaturation(int value) {
    FSaturation = value;
    BindToSkin();
    RequestRepaint();
}

// --- operations

TsSkinManager* TsCommonData::UsedManager() const {
    return FSkinManager ? FSkinManager : TsSkinManager::DefaultManager();
}

bool TsCommonData::SectionValid() const {
    const TsSkinManager* manager = UsedManager();
    return manager && manager->IsValidSkinIndex(SectionIndex);
}

const TsGeneralData& TsCommonData::Section() const { return UsedManager()->Sections[size_t(SectionIndex)]; }

bool TsCommonData::IsSkinned(bool checkApplied) const {
    const TsSkinManager* manager = UsedManager();
    if (FSkinSection.empty() || !manager || (manager->ComponentState() & vcl::csDestroying)) return false;
    if (!manager->IsValidSkinIndex(SectionIndex) || OwnerDestroying()) return false;
    return !checkApplied || manager->GlobalInfo.SkinApplied;
}

namespace {
uint16_t BackgroundKindOf(const TsGeneralData& section) {
    uint16_t kind = section.ImagePercent != 0 ? bkTexture : 0;
    if (section.GradientPercent != 0 && !section.GradientArray.empty()) {
        switch (section.GradientArray[0].Mode) {
        case 0: kind |= 2; break;
        case 1: kind |= 1; break;
        case 2: kind |= 3; break;
        default: break;
        }
    }
    return kind;
}
}  // namespace

void TsCommonData::ResolveSection() {
    PictureStale = true;
    const TsSkinManager* manager = UsedManager();
    SectionIndex = manager && manager->Active() ? manager->FindSection(FSkinSection) : -1;
    BackgroundKind = SectionValid() ? BackgroundKindOf(Section()) : 0;
    StateFlags = 0;
    if (SectionIndex >= 0) {
        FrameIndex = Section().BordersMaskIndex;
        PatternIndex = manager->FindTexture(SectionIndex, FSkinSection, "PATTERN");
        HotPatternIndex = manager->FindTexture(SectionIndex, FSkinSection, "HOTPATTERN");
        UpdateIndependence();
    } else {
        PatternIndex = HotPatternIndex = -1;
    }
}

void TsCommonData::AutoSection() {
    if (!FSkinSection.empty()) {
        ResolveSection();
        return;
    }
    const std::string_view name = AutoSectionName(ControlKind);
    SetSkinSection(name.empty() ? (HostObject ? HostObject->ClassName() : std::string()) : std::string(name));
}

void TsCommonData::BindToSkin() {
    AutoSection();
    if (!IsSkinned() || !HostControl || !HostControl->Parent() || OwnerLoading()) return;
    if (WindowedOwner()) AdaptByForm();
    UpdateColors(false);
}

void TsCommonData::AdaptByForm() {
    if (vcl::TCustomForm* form = HostControl ? vcl::GetParentForm(HostControl) : nullptr)
        SendSkinCommand(*form, {SKIN_COMMAND_MESSAGE, SkinCommandWParam(SKC_ADAPT_CHILD),
                                reinterpret_cast<ui::LPARAM>(HostControl)});
}

void TsCommonData::UpdateColors(bool repaint) {
    if (!IsSkinned() || !EditKinds.Contains(ControlKind) || !OwnerWindow()) return;
    const auto shifted = [this](gfx::TColor color) {
        if (FHUEOffset != 0) color = ChangeColorHue(color, FHUEOffset);
        if (FSaturation != 0) color = ChangeColorSaturation(color, FSaturation);
        return color;
    };
    const TsGeneralData& section = Section();
    if (!FCustomColor) {
        const gfx::TColor color = shifted(section.Color);
        if (HostControl->Color() != color) HostControl->SetColor(color);
    }
    if (!FCustomFont) {
        const gfx::TColor color = shifted(section.StateLook[0].FontColor);
        if (HostControl->Font().Color() != color) HostControl->Font().SetColor(color);
    }
    if (repaint) RequestRepaint();
}

void TsCommonData::RequestRepaint() {
    if (OwnerLoading() || OwnerDestroying()) return;
    PictureStale = true;
    if (!ShownOwner()) return;
    if (HostControl && !WindowedOwner()) HostControl->Repaint();
    else RedrawCompletely();
}

void TsCommonData::SuspendPainting() {
    ++UpdateDepth;
    PaintSuspended = true;
    StateFlags |= sfSuspended;
    SendToOwner(SKC_BEGIN_UPDATE, 0);
}

void TsCommonData::ResumePainting(bool repaint) {
    PaintSuspended = false;
    StateFlags &= uint16_t(~sfSuspended);
    if (--UpdateDepth > 0) return;
    SendToOwner(SKC_END_UPDATE, 0);
    if (repaint) RequestRepaint();
}

void TsCommonData::SizeCachePicture() {
    if (!CachePicture) CachePicture = std::make_unique<gfx::TBitmap>();
    CachePicture->SetPixelFormat(gfx::pf32bit);
    const vcl::TControl* owner = HostControl ? HostControl : ProviderForm;
    if (!owner) return;
    const int width = std::max(0, owner->Width());
    const int height = std::max(0, owner->Height());
    if (CachePicture->Width() != width || CachePicture->Height() != height) CachePicture->SetSize(width, height);
}

bool TsCommonData::IsHot() const {
    if (!HostControl || OwnerDestroying() || !HostControl->Enabled() || Owned(vcl::csDesigning)) return false;
    if (HasFocus) return true;
    const vcl::TWinControl* windowed = WindowedOwner();
    if (windowed && windowed->Focused() && !PanelKinds.Contains(ControlKind)) return true;
    return MouseOver && !NoHoverKinds.Contains(ControlKind);
}

bool TsCommonData::MustDeferPaint() const {
    if (!UsedManager()) return false;
    if ((StateFlags & sfIndependent) && !IsHot()) return PaintSuspended;
    if (PaintSuspended) return true;
    vcl::TWinControl* parent = HostControl ? HostControl->Parent() : nullptr;
    return parent && SendSkinCommand(*parent, {SKIN_COMMAND_MESSAGE, SkinCommandWParam(SKC_IS_UPDATING), 0}) != 0;
}

int TsCommonData::FrameBorderWidth() const {
    const TsSkinManager* manager = UsedManager();
    if (!manager || !manager->IsValidImgIndex(FrameIndex)) return 0;
    const TsMaskData& frame = manager->Masks[size_t(FrameIndex)];
    if (frame.DrawFlags & 2) return 0;
    return std::max({frame.MarginLeft, frame.MarginTop, frame.MarginRight, frame.MarginBottom});
}

}  // namespace skin
