#include "skinpaint/sSkinProvider.h"

#include "skin/sGlowHook.h"
#include "skin/sSkinBroadcast.h"
#include "skin/sSkinColors.h"
#include "skin/sSkinManager.h"
#include "skinpaint/acCtrlAdapter.h"
#include "skinpaint/acSBAnimation.h"
#include "skinpaint/sTitleButtons.h"
#include "ui/DefWindowProc.h"
#include "ui/MessageLoop.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"
#include "vcl/TClassBuilder.h"
#include "vcl/TCustomForm.h"
#include "vcl/VclExceptions.h"

namespace skinpaint {

const vcl::TClassInfo& TsTitleIcon::StaticClass() {
    static const vcl::TClassInfo& info = vcl::TClassBuilder<TsTitleIcon>("TsTitleIcon", TPersistent::StaticClass())
                                             .Int("Width", &TsTitleIcon::SetWidth)
                                             .Int("Height", &TsTitleIcon::SetHeight)
                                             .Build();
    return info;
}

const vcl::TClassInfo& TacAddedTitle::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TacAddedTitle>("TacAddedTitle", TPersistent::StaticClass())
            .String("Text", &TacAddedTitle::SetText)
            .Object("Font", static_cast<vcl::TFont& (TacAddedTitle::*)()>(&TacAddedTitle::Font))
            .Bool("ShowMainCaption", &TacAddedTitle::SetShowMainCaption)
            .Build();
    return info;
}

const vcl::TClassInfo& TsSkinProvider::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TsSkinProvider>("TsSkinProvider", TComponent::StaticClass())
            .Creatable()
            .Object("SkinData", &TsSkinProvider::SkinData)
            .String("TitleSkin", &TsSkinProvider::SetTitleSkin)
            .String("MenuLineSkin", &TsSkinProvider::SetMenuLineSkin)
            .Enum("CaptionAlignment", &TsSkinProvider::SetCaptionAlignment,
                  {{"taLeftJustify", vcl::taLeftJustify},
                   {"taRightJustify", vcl::taRightJustify},
                   {"taCenter", vcl::taCenter}})
            .Bool("DrawNonClientArea", &TsSkinProvider::SetDrawNonClientArea)
            .Bool("AllowExtBorders", &TsSkinProvider::SetAllowExtBorders)
            .Bool("AllowAnimation", &TsSkinProvider::SetAllowAnimation)
            .Bool("AllowBlendOnMoving", &TsSkinProvider::SetAllowBlendOnMoving)
            .Bool("UseGlobalColor", &TsSkinProvider::SetUseGlobalColor)
            .Bool("ShowAppIcon", &TsSkinProvider::SetShowAppIcon)
            .Enum("GripMode", &TsSkinProvider::SetGripMode, {{"gmNone", gmNone}, {"gmRightBottom", gmRightBottom}})
            .Enum("ResizeMode", &TsSkinProvider::SetResizeMode, {{"rmStandard", rmStandard}, {"rmBorder", rmBorder}})
            .Bool("ScreenSnap", &TsSkinProvider::SetScreenSnap)
            .Int("SnapBuffer", &TsSkinProvider::SetSnapBuffer)
            .Bool("MakeSkinMenu", &TsSkinProvider::SetMakeSkinMenu)
            .Object("TitleIcon", &TsSkinProvider::TitleIcon)
            .Object("AddedTitle", &TsSkinProvider::AddedTitle)
            .Object("TitleButtons", &TsSkinProvider::TitleButtons)
            .Event("OnExtHitTest", &TsSkinProvider::SetOnExtHitTest)
            .Event("OnSkinItem", &TsSkinProvider::SetOnSkinItem)
            .Event("OnAfterAnimation", &TsSkinProvider::SetOnAfterAnimation)
            .Build();
    return info;
}

namespace {
// Layouts can make providers as soon as the program runs.
[[maybe_unused]] const vcl::TClassInfo& RegisteredClass = TsSkinProvider::StaticClass();
}  // namespace

bool& TsSkinProvider::ButtonPressed() {
    static bool pressed = false;
    return pressed;
}

TsSkinProvider::TsSkinProvider(vcl::TComponent* owner) : vcl::TComponent(owner) {
    FForm = dynamic_cast<vcl::TCustomForm*>(owner);
    if (!FForm) throw vcl::EAbort("TsSkinProvider component may be used with forms only!");
    CloseButton.HitCode = int(ui::HTCLOSE);
    MaxButton.HitCode = int(ui::HTMAXBUTTON);
    MinButton.HitCode = int(ui::HTMINBUTTON);
    HelpButton.HitCode = int(ui::HTHELP);
    FSkinData = std::make_unique<skin::TsCommonData>(this, true);
    FSkinData->ProviderForm = FForm;
    FSkinData->SetSkinSection("FORM");
    // A form has one provider: a second one stays out of the way.
    // Asked through the form's procedure, so that a window is not needed.
    if (FForm->Perform(skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(skin::SKC_GET_PROVIDER), 0) != 0) {
        FInactive = true;
        return;
    }
    FForm->SetDoubleBuffered(false);
    FOldWndProc = FForm->WindowProc();
    FForm->SetWindowProc([this](vcl::TMessage& m) { WndProc(m); });
    skin::RegisterProviderForm(FForm);
    if (FForm->HandleAllocated() && SkinData().UsedManager() && SkinData().UsedManager()->Active()) ApplySkin();
}

TsSkinProvider::~TsSkinProvider() {
    if (FInactive) return;
    ReleaseAnimations();
    skin::HideGlow(CloseButton.GlowHandle);
    skin::HideGlow(MaxButton.GlowHandle);
    skin::HideGlow(MinButton.GlowHandle);
    // A form that is going frees its components after its own parts: nothing
    // of it may be touched then, and nothing needs giving back.
    if (FForm->ComponentState() & vcl::csDestroying) return;
    skin::UnregisterProviderForm(FForm);
    FForm->SetWindowProc(FOldWndProc);
    if (FForm->HandleAllocated()) {
        HideSystemMenuStyle(false);
        ui::SetWindowRgn(FForm->Handle(), nullptr, true);
    }
}

void TsSkinProvider::Loaded() {
    vcl::TComponent::Loaded();
    if (!FInactive && FForm->HandleAllocated() && Skinned()) ApplySkin();
}

// --- published

void TsSkinProvider::SetTitleSkin(const std::string& value) {
    if (value == FTitleSkin) return;
    FTitleSkin = value;
    TitleSectionIndex = -1;
    SkinData().PictureStale = true;
}

void TsSkinProvider::SetCaptionAlignment(vcl::TAlignment value) {
    if (value == FCaptionAlignment) return;
    FCaptionAlignment = value;
    SkinData().PictureStale = true;
}

void TsSkinProvider::SetDrawNonClientArea(bool value) {
    if (value == FDrawNonClientArea) return;
    FDrawNonClientArea = value;
    if (!Skinned() || !FForm->HandleAllocated()) return;
    HideSystemMenuStyle(value);
    RegionStale = true;
    SkinData().PictureStale = true;
    if (!value) ui::SetWindowRgn(FForm->Handle(), nullptr, true);
    RedrawWindowNow();
}

void TsSkinProvider::SetGripMode(TsGripMode value) {
    FGripMode = value;
    SkinData().PictureStale = true;
}

// --- state

bool TsSkinProvider::Skinned() const { return !FInactive && FSkinData->IsSkinned(); }

ui::HWND TsSkinProvider::HostWindow() { return FForm->HandleAllocated() ? FForm->Handle() : nullptr; }

bool TsSkinProvider::HostMinimized() {
    return FForm->HandleAllocated() && ui::IsIconic(FForm->Handle()) && vcl::Application->MainForm() != FForm;
}

TFormGeometry TsSkinProvider::Geometry() const {
    return FormGeometry(FForm->HandleAllocated() ? FForm->Handle() : nullptr, FForm->BorderWidth(), FHadSystemMenu);
}

TacWindowButtons TsSkinProvider::Buttons() const { return WindowButtonsOf(*FForm, FHadSystemMenu); }

int TsSkinProvider::LookOf(int sectionIndex) const {
    const skin::TsSkinManager* manager = FSkinData->UsedManager();
    if (!manager || !manager->IsValidSkinIndex(sectionIndex)) return 0;
    return std::max(0, std::min(FDrawnActive ? 1 : 0, manager->Sections[size_t(sectionIndex)].States - 1));
}

bool TsSkinProvider::MayPaint() const {
    const vcl::TComponentState state = FForm->ComponentState();
    return !(state & (vcl::csDestroying | vcl::csLoading)) && FForm->HandleAllocated() && FRedrawOff == 0 &&
           FSkinData->UpdateDepth == 0;
}

std::vector<TitleButtonState*> TsSkinProvider::ButtonStates() {
    std::vector<TitleButtonState*> states{&CloseButton, &MaxButton, &MinButton, &HelpButton};
    for (int i = 0; i < FTitleButtons.Count(); ++i) states.push_back(&FTitleButtons.Items(i).Button);
    return states;
}

TitleButtonState* TsSkinProvider::ButtonOf(int hitCode) {
    if (TsTitleButton* user = UserButton(hitCode)) return &user->Button;
    switch (hitCode) {
    case ui::HTMINBUTTON: return &MinButton;
    case ui::HTMAXBUTTON: return &MaxButton;
    case ui::HTCLOSE: return &CloseButton;
    case ui::HTHELP: return &HelpButton;
    default: return nullptr;
    }
}

void TsSkinProvider::ReleaseAnimations() {
    for (TitleButtonState* button : ButtonStates()) FreeTitleButtonAnimation(*button);
}

// --- skinning

void TsSkinProvider::HideSystemMenuStyle(bool hide) {
    if (!FForm->HandleAllocated()) return;
    const ui::HWND window = FForm->Handle();
    const auto style = ui::DWORD(ui::GetWindowLongPtr(window, ui::GWL_STYLE));
    if (hide && (style & ui::WS_SYSMENU)) {
        FHadSystemMenu = true;
        ui::SetWindowLongPtr(window, ui::GWL_STYLE, ui::LONG_PTR(style & ~ui::WS_SYSMENU));
    } else if (!hide && FHadSystemMenu) {
        ui::SetWindowLongPtr(window, ui::GWL_STYLE, ui::LONG_PTR(style | ui::WS_SYSMENU));
    }
    // The platform's own frame comes back: it learns the activation it missed
    // while the provider answered WM_NCACTIVATE alone.
    if (!hide) ui::DefWindowProc(window, ui::WM_NCACTIVATE, FDrawnActive ? 1 : 0, 0);
}

void TsSkinProvider::SetupWindow() {
    skin::TsSkinManager* manager = FSkinData->UsedManager();
    CaptionSectionIndex = manager->FindSection("CAPTION");
    TitleSectionIndex = -1;
    CaptionGlowActive.SetSize(0, 0);
    CaptionGlowInactive.SetSize(0, 0);
    if (FDrawNonClientArea) HideSystemMenuStyle(true);
    ChooseTitleButtonImages(*manager, Buttons(), ui::GetWindowLongPtr(FForm->Handle(), ui::GWL_EXSTYLE) &
                                                     ui::WS_EX_CONTEXTHELP,
                            AllButtons());
    if (FUseGlobalColor && !FSkinData->CustomColor()) FForm->SetColor(skin::SkinBackColor(*manager));
    RegionStale = true;
    FSkinData->PictureStale = true;
}

void TsSkinProvider::ApplySkin() {
    FSkinData->ResolveSection();
    if (!FSkinData->IsSkinned() || !FForm->HandleAllocated()) return;
    SetupWindow();
    AdaptControls();
    RedrawWindowNow();
}

void TsSkinProvider::RemoveSkin() {
    ReleaseAnimations();
    ResetButtons();
    if (!FForm->HandleAllocated()) return;
    const ui::HWND window = FForm->Handle();
    HideSystemMenuStyle(false);
    FHadSystemMenu = false;
    // The icon again, so that the platform paints its own frame anew.
    const ui::LRESULT icon = ui::SendMessage(window, ui::WM_GETICON, ui::ICON_BIG, 0);
    ui::SendMessage(window, ui::WM_SETICON, ui::ICON_BIG, icon);
    ui::SetWindowRgn(window, nullptr, true);
    RegionRuns.clear();
    if (FAdapter) FAdapter->RestoreLabels();
    if (FUseGlobalColor && !FSkinData->CustomColor()) FForm->SetColor(gfx::clBtnFace);
    if (FSkinData->CachePicture) FSkinData->CachePicture->SetSize(0, 0);
    ButtonsBackground.SetSize(0, 0);
    ui::RedrawWindow(window, nullptr, nullptr,
                     ui::RDW_FRAME | ui::RDW_ALLCHILDREN | ui::RDW_ERASE | ui::RDW_INVALIDATE | ui::RDW_UPDATENOW);
}

void TsSkinProvider::RefreshSkin() {
    RegionStale = true;
    FSkinData->PictureStale = true;
    TitleSectionIndex = -1;
    CaptionGlowActive.SetSize(0, 0);
    CaptionGlowInactive.SetSize(0, 0);
    if (skin::TsSkinManager* manager = FSkinData->UsedManager()) CaptionSectionIndex = manager->FindSection("CAPTION");
    if (!Skinned() || !FForm->HandleAllocated()) return;
    ChooseTitleButtonImages(*FSkinData->UsedManager(), Buttons(),
                            ui::GetWindowLongPtr(FForm->Handle(), ui::GWL_EXSTYLE) & ui::WS_EX_CONTEXTHELP,
                            AllButtons());
    if (ui::IsWindowVisible(FForm->Handle())) RedrawWindowNow();
}

void TsSkinProvider::RedrawWindowNow() {
    if (!FForm->HandleAllocated()) return;
    FSkinData->PictureStale = true;
    ui::RedrawWindow(FForm->Handle(), nullptr, nullptr,
                     ui::RDW_FRAME | ui::RDW_ALLCHILDREN | ui::RDW_ERASE | ui::RDW_INVALIDATE | ui::RDW_UPDATENOW);
}

void TsSkinProvider::AdaptControls(vcl::TWinControl* container) {
    if (!FAdapter) FAdapter = std::make_unique<TacCtrlAdapter>(*this);
    FAdapter->AdaptChildren(container);
}

void TsSkinProvider::RepaintFrame() {
    if (!Skinned() || !MayPaint()) return;
    FSkinData->PictureStale = true;
    CopyFrameToScreen();
}

}  // namespace skinpaint
