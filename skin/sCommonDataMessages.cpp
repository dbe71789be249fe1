// The binding's message processing: the skin commands and the window and
// framework notifications that change the owner's look.
#include "skin/sCommonData.h"
#include "skin/sControlKinds.h"
#include "skin/sGlowHook.h"
#include "skin/sPopupMenuHook.h"
#include "skin/sSkinBroadcast.h"
#include "skin/sSkinManager.h"
#include "skin/sUpperCase.h"
#include "ui/Paint.h"
#include "vcl/TApplication.h"
#include "vcl/TLabel.h"
#include "vcl/TMenus.h"
#include "vcl/TWinControl.h"

namespace skin {

namespace {

// The enabled state also arrives as this window message.
constexpr ui::UINT WM_ENABLED_STATE = 0x1D;

vcl::TMessage Command(uint16_t command, uint16_t argument = 0, ui::LPARAM lParam = 0) {
    return {SKIN_COMMAND_MESSAGE, SkinCommandWParam(command, argument), lParam};
}

bool Destroying(const vcl::TControl& control) { return control.ComponentState() & vcl::csDestroying; }

template <class Visit>
void ForEachChild(vcl::TWinControl* parent, Visit&& visit) {
    if (!parent) return;
    for (int i = 0; i < parent->ControlCount(); ++i) visit(*parent->Controls(i));
}

}  // namespace

bool TsCommonData::ProcessMessage(vcl::TMessage& message) {
    switch (message.Msg) {
    case SKIN_COMMAND_MESSAGE: return ProcessCommand(message);
    case ui::WM_MOVE:
        if (BackgroundFollowsParent()) {
            PictureStale = true;
            SendToOwner(SKC_REPAINT, 0, 1);
        }
        RemoveOwnGlow();
        return false;
    case ui::WM_SIZE:
        Sized();
        RemoveOwnGlow();
        return false;
    case ui::WM_SETFOCUS:
    case ui::WM_KILLFOCUS: FocusChanged(message.Msg == ui::WM_SETFOCUS); return false;
    case vcl::CM_ENABLEDCHANGED:
    case WM_ENABLED_STATE: {
        MouseOver = false;
        HasFocus = false;
        const vcl::TWinControl* windowed = WindowedOwner();
        if (!windowed || !windowed->Focused()) RemoveOwnGlow();
        return false;
    }
    case ui::WM_CONTEXTMENU:
        if (HostControl && HostControl->PopupMenu() && UsedManager())
            HookPopupMenu(*HostControl->PopupMenu(), UsedManager()->Active());
        return false;
    case ui::WM_UPDATEUISTATE: return IsSkinned();
    case ui::WM_PARENTNOTIFY:
        if ((message.WParam & 0xFFFF) == ui::WM_CREATE) AdaptByForm();
        return false;
    case vcl::CM_VISIBLECHANGED: VisibilityChanged(message.WParam != 0); return false;
    case vcl::CM_MOUSEENTER: MouseEntered(message); return false;
    case vcl::CM_MOUSELEAVE:
        // A child's leaving passes through its parents; only the owner's own
        // counts.
        if (message.LParam == 0) MouseLeft();
        return false;
    case vcl::CM_SHOWINGCHANGED:
        if (ShownOwner()) BindToSkin();
        return false;
    default: return false;
    }
}

void TsCommonData::Sized() {
    if (!IsSkinned()) return;
    PictureStale = true;
    vcl::TWinControl* windowed = WindowedOwner();
    if (!windowed || Section().GradientPercent <= 0) return;
    ForEachChild(windowed, [](vcl::TControl& child) {
        if (!Destroying(child) && !(child.Anchors() & (vcl::akRight | vcl::akBottom)))
            SendSkinCommand(child, Command(SKC_REPAINT, 1));
    });
}

void TsCommonData::FocusChanged(bool gained) {
    vcl::TWinControl* windowed = WindowedOwner();
    if (!windowed || !windowed->CanFocus() || !windowed->TabStop()) return;
    PictureStale = true;
    HasFocus = gained;
    const bool edit = EditKinds.Contains(ControlKind);
    if (gained ? IsSkinned() && edit && Section().States > 1 : edit && windowed->Visible()) RedrawFrame();
}

void TsCommonData::VisibilityChanged(bool shown) {
    if (!CachePicture) return;
    if (shown) PaintSuspended = false;
    else {
        EmptyCache();
        ForEachChild(WindowedOwner(), [](vcl::TControl& child) { SendSkinCommand(child, Command(SKC_CLEAR_CACHE)); });
    }
    PictureStale = true;
}

void TsCommonData::MouseEntered(const vcl::TMessage& message) {
    if (Owned(vcl::csDesigning) || !IsSkinned()) return;
    vcl::TWinControl* windowed = WindowedOwner();
    TsSkinManager* defaultManager = TsSkinManager::DefaultManager();
    if (windowed && defaultManager) {
        // The mouse can pass from one speed button to a neighbour without the
        // first hearing of it; entering anything here ends the others' hover.
        const auto* entered = reinterpret_cast<const vcl::TControl*>(message.LParam);
        ForEachChild(windowed, [entered](vcl::TControl& child) {
            if (&child == entered || dynamic_cast<vcl::TWinControl*>(&child)) return;
            const auto* binding = reinterpret_cast<const TsSkinBinding*>(
                child.Perform(SKIN_COMMAND_MESSAGE, SkinCommandWParam(SKC_GET_SKIN_DATA), 0));
            const auto* data = dynamic_cast<const TsCommonData*>(binding);
            if (data && data->ControlKind == ckSpeedButton && data->MouseOver) child.Perform(vcl::CM_MOUSELEAVE, 0, 0);
        });
    }
    // A child's entry passes through its parents; only the owner's own entry
    // changes the owner's state.
    if (message.LParam != 0) return;
    if (!NoHoverKinds.Contains(ControlKind)) MouseOver = true;
    if (!windowed || !defaultManager) return;
    defaultManager->ControlMouseEntered(OwnerWindow());
    if (!ContainerKinds.Contains(ControlKind) && (ControlKind < 92 || ControlKind > 94))
        UpdateControlGlow(*this, false);
    if (EditKinds.Contains(ControlKind) && Section().States > 1) {
        PictureStale = true;
        RedrawFrame();
    }
}

void TsCommonData::MouseLeft() {
    if (Owned(vcl::csDesigning) || !IsSkinned()) return;
    if (!NoHoverKinds.Contains(ControlKind)) MouseOver = false;
    if (!ContainerKinds.Contains(ControlKind) && (ControlKind < 92 || ControlKind > 94)) HideAllGlows();
    if (EditKinds.Contains(ControlKind) && ShownOwner()) {
        PictureStale = true;
        RedrawFrame();
    }
}

// --- the skin commands

void TsCommonData::RemoveSkin() {
    TsSkinManager* manager = UsedManager();
    if (FSkinManager && (manager->ComponentState() & vcl::csDestroying)) FSkinManager = nullptr;
    FrameIndex = SectionIndex = PatternIndex = HotPatternIndex = -1;
    PaintSuspended = true;
    EmptyCache();
    vcl::TWinControl* windowed = WindowedOwner();
    if (EditKinds.Contains(ControlKind) && HostControl) {
        if (!FCustomColor) HostControl->SetColor(gfx::clWindow);
        if (!FCustomFont) HostControl->Font().SetColor(gfx::clWindowText);
        RedrawFrame();
    } else if (windowed) {
        ForEachChild(windowed, [](vcl::TControl& child) {
            if (&child.ClassType() == &vcl::TLabel::StaticClass()) child.Font().SetColor(gfx::clWindowText);
        });
    }
}

void TsCommonData::Refresh() {
    PictureStale = true;
    PaintSuspended = false;
    UpdateColors(true);
    UpdateIndependence();
}

void TsCommonData::Repaint(uint16_t argument) {
    const bool follows = BackgroundFollowsParent();
    PictureStale = PictureStale || follows;
    vcl::TWinControl* windowed = WindowedOwner();
    if (windowed && argument == 1 && windowed->HandleAllocated())
        ui::RedrawWindow(windowed->Handle(), nullptr, nullptr, ui::RDW_INVALIDATE | ui::RDW_ALLCHILDREN | ui::RDW_NOERASE);
    if (follows) ForEachChild(windowed, [](vcl::TControl& child) {
        if (!Destroying(child)) SendSkinCommand(child, Command(SKC_REPAINT, 0));
    });
}

void TsCommonData::ClearCache() {
    if (!CachePicture) return;
    ForEachChild(WindowedOwner(), [](vcl::TControl& child) {
        auto* windowed = dynamic_cast<vcl::TWinControl*>(&child);
        if (windowed && windowed->HandleAllocated()) SendSkinCommand(child, Command(SKC_CLEAR_CACHE));
    });
    EmptyCache();
    PictureStale = true;
    PaintSuspended = true;
}

bool TsCommonData::BackgroundComplex(vcl::TMessage& message) const {
    if (SectionIndex < 0 || !SectionValid()) return false;
    const TsGeneralData& section = Section();
    vcl::TWinControl* parent = HostControl ? HostControl->Parent() : nullptr;
    if (section.Transparency == 100 && parent) message.Result = SendSkinCommand(*parent, Command(SKC_IS_BG_COMPLEX));
    else message.Result = section.GradientPercent + section.ImagePercent > 0 || BackgroundFollowsParent();
    return true;
}

bool TsCommonData::ProcessCommand(vcl::TMessage& message) {
    const uint16_t argument = SkinCommandArgument(message.WParam);
    const bool addressed = message.LParam == reinterpret_cast<ui::LPARAM>(UsedManager());
    switch (SkinCommandOf(message.WParam)) {
    // The manager's broadcasts stay unhandled: the owner passes them on to
    // its children and repaints.
    case SKC_APPLY_SKIN:
        if (addressed) {
            ResolveSection();
            UpdateIndependence();
        }
        return false;
    case SKC_REMOVE_SKIN:
        if (addressed) RemoveSkin();
        return false;
    case SKC_REFRESH:
        if (addressed) Refresh();
        return false;
    case SKC_IS_SKINNED: message.Result = 1; return true;
    case SKC_SET_UPDATING: PaintSuspended = argument == 1; return true;
    case SKC_SET_PAINT_AT_ONCE: PaintAtOnce = argument == 1; return true;
    case SKC_IS_UPDATING: message.Result = PictureStale || PaintSuspended; return true;
    case SKC_GET_PARTLY_COVERED: message.Result = PartlyCovered; return true;
    case SKC_SECTION_CHANGED:
        if (UpperCase(FSkinSection) == SectionBeingChanged()) RequestRepaint();
        return true;
    case SKC_SET_SECTION:
        if (const auto* info = reinterpret_cast<const TacSectionInfo*>(message.LParam)) SetSkinSection(info->SectionName);
        return true;
    case SKC_INVALIDATE_CACHE: PictureStale = true; return true;
    case SKC_IS_BG_COMPLEX: return BackgroundComplex(message);
    case SKC_REPAINT: Repaint(argument); return true;
    case SKC_GET_BG_COLOR: message.Result = ui::LRESULT(uint32_t(ColorForChildren())); return true;
    case SKC_SET_PARTLY_COVERED: PartlyCovered = true; return true;
    case SKC_GET_SECTION_INDEX:
        if (auto* info = reinterpret_cast<TacSectionInfo*>(message.LParam)) info->SectionIndex = SectionIndex;
        message.Result = 1;
        return true;
    case SKC_CLEAR_CACHE: ClearCache(); return true;
    case SKC_GET_BACKGROUND:
        if (auto* request = reinterpret_cast<BackgroundRequest*>(message.LParam)) AnswerBackground(*request);
        return true;
    case SKC_STATE:
        if (message.LParam == 1) {
            UpdateIndependence();
            ForEachChild(WindowedOwner(), [](vcl::TControl& child) { SendSkinCommand(child, Command(SKC_STATE, 0, 1)); });
        } else {
            message.Result = StateFlags;
        }
        return true;
    case SKC_GET_SKIN_DATA:
        message.Result = reinterpret_cast<ui::LRESULT>(static_cast<const TsSkinBinding*>(this));
        return true;
    case SKC_PRINTING:
        if (message.LParam) StateFlags |= sfPrinting;
        else StateFlags &= uint16_t(~sfPrinting);
        PrintTarget = reinterpret_cast<gfx::TCanvas*>(message.LParam);
        return true;
    case SKC_GET_APPLICATION: message.Result = reinterpret_cast<ui::LRESULT>(vcl::Application); return true;
    default: return false;
    }
}

}  // namespace skin
