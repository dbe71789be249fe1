#include "controls/sSpeedButton.h"

#include <algorithm>

#include "controls/sParentUpdated.h"

#include "skin/sControlKinds.h"
#include "skin/sPopupMenuHook.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sAnimTimer.h"
#include "ui/Input.h"
#include "vcl/TApplication.h"
#include "vcl/TClassBuilder.h"
#include "vcl/TImageList.h"
#include "vcl/TMenus.h"
#include "vcl/TWinControl.h"

namespace controls {

namespace {

const vcl::TIdentTable AlignmentNames{
    {"taLeftJustify", vcl::taLeftJustify}, {"taRightJustify", vcl::taRightJustify}, {"taCenter", vcl::taCenter}};

// Only one menu at a time drops from a speed button.
bool MenuShowing = false;

template <class T>
bool Store(T& field, T value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace

const vcl::TClassInfo& TsSpeedButton::StaticClass() {
    using B = TsSpeedButton;
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<B>("TsSpeedButton", vcl::TGraphicControl::StaticClass())
            .Creatable()
            .Bool("AllowAllUp", &B::SetAllowAllUp)
            .Int("GroupIndex", &B::SetGroupIndex)
            .Bool("Down", &B::SetDown)
            .Bool("Flat", &B::SetFlat)
            .Object("Glyph", &B::Glyph)
            .Enum("Layout", &B::SetLayout,
                  {{"blGlyphLeft", blGlyphLeft}, {"blGlyphRight", blGlyphRight}, {"blGlyphTop", blGlyphTop},
                   {"blGlyphBottom", blGlyphBottom}})
            .Int("Margin", &B::SetMargin)
            .Int("NumGlyphs", &B::SetNumGlyphs)
            .Int("Spacing", &B::SetSpacing)
            .Bool("Transparent", &B::SetTransparent)
            .Enum("Alignment", &B::SetAlignment, AlignmentNames)
            .Int("Blend", &B::SetBlend)
            .Enum("ButtonStyle", &B::SetButtonStyle,
                  {{"tbsButton", tbsButton}, {"tbsCheck", tbsCheck}, {"tbsDropDown", tbsDropDown},
                   {"tbsSeparator", tbsSeparator}, {"tbsDivider", tbsDivider}})
            .Reference<vcl::TPopupMenu>("DropdownMenu", &B::SetDropdownMenu)
            .Set("DisabledGlyphKind", &B::SetDisabledGlyphKind, {{"dgBlended", dgBlended}, {"dgGrayed", dgGrayed}})
            .Set("DisabledKind", &B::SetDisabledKind,
                 {{"dkBlended", skinpaint::dkBlended}, {"dkGrayed", skinpaint::dkGrayed}})
            .Bool("DrawOverBorder", &B::SetDrawOverBorder)
            .Bool("Grayed", &B::SetGrayed)
            .Reference<vcl::TCustomImageList>("Images", &B::SetImages)
            .Int("ImageIndex", &B::SetImageIndex)
            .Bool("Reflected", &B::SetReflected)
            .Bool("ShowCaption", &B::SetShowCaption)
            .Int("TextOffset", &B::SetTextOffset)
            .Enum("TextAlignment", &B::SetTextAlignment, AlignmentNames)
            .Set("AnimatEvents", &B::SetAnimatEvents, skinpaint::AnimatEventNames())
            .Object("SkinData", &B::SkinData)
            .Event("OnClick", &B::SetOnClick)
            .Event("OnDblClick", &B::SetOnDblClick)
            .Event("OnMouseDown", &B::SetOnMouseDown)
            .Event("OnMouseMove", &B::SetOnMouseMove)
            .Event("OnMouseUp", &B::SetOnMouseUp)
            .Event("OnMouseEnter", &B::SetOnMouseEnter)
            .Event("OnMouseLeave", &B::SetOnMouseLeave)
            .Event("OnPaint", &B::SetOnPaint)
            .Build();
    return info;
}

TsSpeedButton::TsSpeedButton(vcl::TComponent* owner) : vcl::TGraphicControl(owner), FSkinData(this, true) {
    FWidth = 23;
    FHeight = 22;
    // The click comes from the release over the button, not from the
    // framework's click handling.
    FControlStyle = vcl::csCaptureMouse | vcl::csDoubleClicks;
    FSkinData.ControlKind = skin::ckSpeedButton;
    FSkinData.SetSkinSection("SPEEDBUTTON");
    FGlyphChangedBefore = FGlyph.OnChange;
    FGlyph.OnChange = [this] { GlyphChanged(); };
}

TsSpeedButton::~TsSpeedButton() {
    StopFade();
    if (skin::TsSkinManager* manager = skin::TsSkinManager::DefaultManager();
        manager && manager->SpeedButtonUnderMouse() == this) {
        FSkinData.MouseOver = false;
        manager->SpeedButtonMouseEntered(nullptr);
    }
}

// A skinned button paints its whole rectangle: the parent need not erase
// behind it.
void TsSpeedButton::BindToSkin() {
    FSkinData.BindToSkin();
    if (FSkinData.IsSkinned()) FControlStyle |= vcl::csOpaque;
}

void TsSpeedButton::Loaded() {
    vcl::TGraphicControl::Loaded();
    BindToSkin();
}

void TsSpeedButton::SetParent(vcl::TWinControl* parent) {
    vcl::TGraphicControl::SetParent(parent);
    if (parent && !(ComponentState() & vcl::csLoading)) BindToSkin();
}

// A control without a window hears nothing of its moves and size changes:
// the picture is out of date at a new size or over another part of the
// parent.
void TsSpeedButton::SetBounds(int left, int top, int width, int height) {
    const gfx::TRect before = BoundsRect();
    vcl::TGraphicControl::SetBounds(left, top, width, height);
    if (BoundsRect() != before) FSkinData.PictureStale = true;
}

// --- properties

void TsSpeedButton::LookChanged() {
    FSkinData.PictureStale = true;
    if (!(ComponentState() & (vcl::csLoading | vcl::csDestroying))) RedrawNow();
}

void TsSpeedButton::SetAllowAllUp(bool value) {
    if (Store(FAllowAllUp, value)) UpdateExclusive();
}

void TsSpeedButton::SetGroupIndex(int value) {
    if (Store(FGroupIndex, value)) UpdateExclusive();
}

void TsSpeedButton::SetDown(bool value) {
    if (FGroupIndex == 0) value = false;
    if (value == FDown) return;
    // The last button of a group stays down unless all may be up.
    if (FDown && !FAllowAllUp) return;
    FDown = value;
    if (FState != bsDisabled) FState = value ? bsExclusive : bsUp;
    LookChanged();
    if (value) UpdateExclusive();
}

void TsSpeedButton::SetFlat(bool value) {
    if (Store(FFlat, value)) LookChanged();
}
void TsSpeedButton::SetLayout(TButtonLayout value) {
    if (Store(FLayout, value)) LookChanged();
}
void TsSpeedButton::SetMargin(int value) {
    if (Store(FMargin, std::max(value, -1))) LookChanged();
}
void TsSpeedButton::SetNumGlyphs(int value) {
    if (Store(FNumGlyphs, std::clamp(value, 1, 4))) LookChanged();
}
void TsSpeedButton::SetSpacing(int value) {
    if (Store(FSpacing, value)) LookChanged();
}
void TsSpeedButton::SetTransparent(bool value) {
    if (Store(FTransparent, value)) LookChanged();
}
void TsSpeedButton::SetAlignment(vcl::TAlignment value) {
    if (Store(FAlignment, value)) LookChanged();
}
void TsSpeedButton::SetBlend(int value) {
    if (Store(FBlend, std::clamp(value, 0, 100))) LookChanged();
}
void TsSpeedButton::SetButtonStyle(TsButtonStyle value) {
    if (value == FButtonStyle) return;
    // The arrow part comes and goes with its 16 pixels.
    const int widening = (value == tbsDropDown) - (FButtonStyle == tbsDropDown);
    FButtonStyle = value;
    if (widening && !(ComponentState() & vcl::csLoading)) SetWidth(Width() + 16 * widening);
    LookChanged();
}

void TsSpeedButton::SetDropdownMenu(vcl::TPopupMenu* value) {
    if (value == FDropdownMenu) return;
    if (FDropdownMenu) FDropdownMenu->RemoveFreeNotification(this);
    FDropdownMenu = value;
    if (value) value->FreeNotification(this);
}

void TsSpeedButton::SetImages(vcl::TCustomImageList* value) {
    if (value == FImages) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = value;
    if (value) value->FreeNotification(this);
    LookChanged();
}

void TsSpeedButton::SetImageIndex(int value) {
    if (Store(FImageIndex, value)) LookChanged();
}

void TsSpeedButton::SetReflected(bool value) {
    if (Store(FReflected, value)) LookChanged();
}

void TsSpeedButton::Notification(vcl::TComponent* component, vcl::TOperation operation) {
    vcl::TGraphicControl::Notification(component, operation);
    if (operation != vcl::opRemove) return;
    if (component == FDropdownMenu) FDropdownMenu = nullptr;
    if (component == FImages) {
        FImages = nullptr;
        LookChanged();
    }
}

void TsSpeedButton::SetDisabledGlyphKind(unsigned value) {
    if (Store(FDisabledGlyphKind, value)) LookChanged();
}
void TsSpeedButton::SetDisabledKind(unsigned value) {
    if (Store(FDisabledKind, value)) LookChanged();
}
void TsSpeedButton::SetDrawOverBorder(bool value) {
    if (Store(FDrawOverBorder, value)) LookChanged();
}
void TsSpeedButton::SetGrayed(bool value) {
    if (Store(FGrayed, value)) LookChanged();
}
void TsSpeedButton::SetShowCaption(bool value) {
    if (Store(FShowCaption, value)) LookChanged();
}
void TsSpeedButton::SetTextOffset(int value) {
    if (Store(FTextOffset, value)) LookChanged();
}
void TsSpeedButton::SetTextAlignment(vcl::TAlignment value) {
    if (Store(FTextAlignment, value)) LookChanged();
}

void TsSpeedButton::GlyphChanged() {
    if (FGlyphChangedBefore) FGlyphChangedBefore();
    if (ComponentState() & (vcl::csLoading | vcl::csDestroying)) return;
    FSkinData.PictureStale = true;
    FSkinData.RequestRepaint();
}

// --- the speed button's behaviour

int TsSpeedButton::PaintState() const {
    if (FState == bsDown || FState == bsExclusive) return 2;
    return FSkinData.IsHot() ? 1 : 0;
}

void TsSpeedButton::UpdateExclusive() {
    if (FGroupIndex == 0 || !Parent()) return;
    vcl::TMessage message{vcl::CM_BUTTONPRESSED, ui::WPARAM(FGroupIndex), reinterpret_cast<ui::LPARAM>(this)};
    Parent()->Broadcast(message);
}

// Another button of the group went down (or changed its AllowAllUp): this one
// comes up, and the group shares the sender's AllowAllUp.
void TsSpeedButton::ButtonPressed(vcl::TMessage& message) {
    auto* sender = reinterpret_cast<TsSpeedButton*>(message.LParam);
    if (int(message.WParam) != FGroupIndex || !sender || sender == this) return;
    if (sender->Down() && FDown) {
        FDown = false;
        if (FState != bsDisabled) FState = bsUp;
        LookChanged();
    }
    FAllowAllUp = sender->AllowAllUp();
}

void TsSpeedButton::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y) {
    vcl::TGraphicControl::MouseDown(button, shift, x, y);
    if (button != vcl::mbLeft || !Enabled()) return;
    if (!FDown) FState = bsDown;
    FDragging = true;
    FHintsBefore = vcl::Application->ShowHint();
    vcl::Application->SetShowHint(false);
}

void TsSpeedButton::MouseMove(vcl::TShiftState shift, int x, int y) {
    vcl::TGraphicControl::MouseMove(shift, x, y);
    if (!FDragging) return;
    const bool inside = ClientRect().Contains(x, y);
    const TButtonState state = inside ? (FDown ? bsExclusive : bsDown) : (FDown ? bsExclusive : bsUp);
    if (Store(FState, state)) LookChanged();
}

void TsSpeedButton::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y) {
    vcl::TGraphicControl::MouseUp(button, shift, x, y);
    if (!FDragging || button != vcl::mbLeft) return;
    FDragging = false;
    vcl::Application->SetShowHint(FHintsBefore);
    const bool click = ClientRect().Contains(x, y);
    if (FGroupIndex == 0) {
        FState = bsUp;
    } else {
        // The release's change of state repaints; the group hears of a
        // button that went down. The last one stays down unless all may be up.
        if (click && (!FDown || FAllowAllUp)) {
            FDown = !FDown;
            if (FDown) UpdateExclusive();
        }
        FState = FDown ? bsExclusive : bsUp;
    }
    if (click) Click();
}

void TsSpeedButton::EnabledChanged() {
    FDragging = false;
    FState = !Enabled() ? bsDisabled : FDown ? bsExclusive : bsUp;
    if (!Enabled()) FSkinData.MouseOver = false;
    StopFade();
    LookChanged();
}

// --- the drop-down menu

bool TsSpeedButton::DropsMenu(int x) const {
    return FButtonStyle == tbsDropDown && FDropdownMenu && Enabled() && (x >= Width() - ArrowWidth() || !OnClick);
}

void TsSpeedButton::DropMenu() {
    if (MenuShowing) return;
    StopFade();
    if (skin::TsSkinManager* manager = FSkinData.UsedManager()) skin::HookPopupMenu(*FDropdownMenu, manager->Active());
    // Without a click of its own the whole button is the menu's.
    const bool wholeButton = !OnClick;
    MenuShowing = FMenuDropped = true;
    if (wholeButton) FState = bsDown;
    LookChanged();
    const vcl::TPoint at = ClientToScreen({0, Height() + 1});
    FDropdownMenu->Popup(at.X, at.Y);
    MenuShowing = FMenuDropped = false;
    if (wholeButton && FState == bsDown) FState = FDown ? bsExclusive : bsUp;
    const vcl::TPoint mouse = ScreenToClient(ui::GetCursorPos());
    if (!ClientRect().Contains(mouse.X, mouse.Y)) Perform(vcl::CM_MOUSELEAVE, 0, 0);
    LookChanged();
}

// --- hover

void TsSpeedButton::MouseEntered(bool wasOver) {
    if (!Enabled() || wasOver) {
        // The binding marks any control it hears of as hovered.
        FSkinData.MouseOver = wasOver;
        return;
    }
    if (OnMouseEnter) OnMouseEnter(this);
    if (FButtonStyle == tbsSeparator || FButtonStyle == tbsDivider) {
        FSkinData.MouseOver = false;
        return;
    }
    FSkinData.MouseOver = true;
    if (skin::TsSkinManager* manager = skin::TsSkinManager::DefaultManager()) manager->SpeedButtonMouseEntered(this);
    ChangeState(skinpaint::aeMouseEnter, false);
}

void TsSpeedButton::MouseLeft(bool wasOver) {
    if (!wasOver) return;
    if (OnMouseLeave) OnMouseLeave(this);
    FSkinData.MouseOver = false;
    if (FState == bsDown) FState = bsUp;
    if (Visible()) ChangeState(skinpaint::aeMouseLeave, false);
}

// --- messages

// The commands the button answers itself, before its binding sees them.
bool TsSpeedButton::SkinCommand(vcl::TMessage& message) {
    const bool skinned = FSkinData.IsSkinned();
    switch (skin::SkinCommandOf(message.WParam)) {
    case SKC_PARENT_UPDATED:
        if (FSkinData.MustDeferPaint()) {
            FSkinData.PaintSuspended = false;
            RedrawNow();
        }
        return true;
    case skin::SKC_IS_UPDATING:
        if (!skinned) return false;
        message.Result = FSkinData.PaintSuspended;
        return true;
    case skin::SKC_SECTION_CHANGED:
        if (!skinned) return false;
        FSkinData.PictureStale = true;
        RedrawNow();
        return true;
    case skin::SKC_PREPARE_REFRESH:
        if (!skinned) return false;
        if (FFade) {
            const bool advanced = FFade->CurrentStep > 1;
            StopFade();
            if (advanced) LookChanged();
        }
        return true;
    case skinpaint::SKC_FADE_FRAME_READY:
        FSkinData.PaintSuspended = false;
        FSkinData.PictureStale = true;
        RedrawNow();
        return true;
    case skin::SKC_MOUSE_LEAVE: MouseLeft(FSkinData.MouseOver); return true;
    default: return false;
    }
}

void TsSpeedButton::WndProc(vcl::TMessage& message) {
    if (message.Msg == skin::SKIN_COMMAND_MESSAGE && SkinCommand(message)) return;
    const bool wasOver = FSkinData.MouseOver;
    if (FSkinData.ProcessMessage(message)) return;
    switch (message.Msg) {
    case skin::SKIN_COMMAND_MESSAGE:
        if (message.LParam != reinterpret_cast<ui::LPARAM>(FSkinData.UsedManager())) break;
        switch (skin::SkinCommandOf(message.WParam)) {
        case skin::SKC_APPLY_SKIN:
            if (FSkinData.IsSkinned()) FControlStyle |= vcl::csOpaque;
            LookChanged();
            break;
        case skin::SKC_REMOVE_SKIN:
            if (ComponentState() & vcl::csDestroying) break;
            StopFade();
            FControlStyle &= ~vcl::csOpaque;
            if (Visible()) LookChanged();
            break;
        case skin::SKC_REFRESH:
            if (Visible()) LookChanged();
            break;
        default: break;
        }
        return;
    case vcl::CM_MOUSEENTER:
    case vcl::CM_MOUSELEAVE:
        if (message.LParam != 0) break;
        if (message.Msg == vcl::CM_MOUSEENTER) MouseEntered(wasOver);
        else MouseLeft(wasOver);
        // The parent hears of it as of any child.
        if (Parent()) Parent()->Perform(message.Msg, 0, reinterpret_cast<ui::LPARAM>(this));
        return;
    case ui::WM_LBUTTONDOWN:
    case ui::WM_LBUTTONDBLCLK:
        if (DropsMenu(ui::LParamToPoint(message.LParam).X)) {
            DropMenu();
            return;
        }
        vcl::TGraphicControl::WndProc(message);
        ChangeState(skinpaint::aeMouseDown, true);
        return;
    case ui::WM_LBUTTONUP:
        if (FadeShowing()) {
            StopFade();
            FSkinData.PictureStale = true;
            ComposePicture();
        }
        vcl::TGraphicControl::WndProc(message);
        ChangeState(skinpaint::aeMouseUp, true);
        return;
    case ui::WM_ERASEBKGND: return;
    case vcl::CM_BUTTONPRESSED: ButtonPressed(message); return;
    case vcl::CM_ENABLEDCHANGED: EnabledChanged(); return;
    case vcl::CM_TEXTCHANGED:
    case vcl::CM_FONTCHANGED:
        vcl::TGraphicControl::WndProc(message);
        LookChanged();
        return;
    default: break;
    }
    vcl::TGraphicControl::WndProc(message);
}

}  // namespace controls
