#include "controls/sCheckBox.h"

#include "controls/sParentUpdated.h"
#include "skin/sControlKinds.h"
#include "ui/Keys.h"
#include "vcl/TClassBuilder.h"

namespace controls {

using skinpaint::AnimationAllowed;

namespace {

bool Key(const vcl::TMessage& m, ui::UINT vk) { return m.WParam == vk; }

}  // namespace

const vcl::TClassInfo& TsCheckBox::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TsCheckBox>("TsCheckBox", vcl::TCheckBox::StaticClass())
            .Creatable()
            .Set("AnimatEvents", &TsCheckBox::SetAnimatEvents, skinpaint::AnimatEventNames())
            .Set("DisabledKind", &TsCheckBox::SetDisabledKind,
                 {{"dkBlended", skinpaint::dkBlended}, {"dkGrayed", skinpaint::dkGrayed}})
            .Reference<vcl::TCustomImageList>("Images", &TsCheckBox::SetImages)
            .Int("ImgChecked", &TsCheckBox::SetImgChecked)
            .Int("ImgUnchecked", &TsCheckBox::SetImgUnchecked)
            .Int("Margin", &TsCheckBox::SetMargin)
            .Bool("ReadOnly", &TsCheckBox::SetReadOnly)
            .Bool("ShowFocus", &TsCheckBox::SetShowFocus)
            .Int("TextIndent", &TsCheckBox::SetTextIndent)
            .Object("SkinData", &TsCheckBox::SkinData)
            .Build();
    return info;
}

namespace {
// Layouts can make the control as soon as the program runs.
[[maybe_unused]] const vcl::TClassInfo& RegisteredClass = TsCheckBox::StaticClass();
}  // namespace

TsCheckBox::TsCheckBox(vcl::TComponent* owner) : vcl::TCheckBox(owner), FSkinData(this, true) {
    FSkinData.ControlKind = skin::ckCheckBox;
    FSkinData.SetSkinSection("CHECKBOX");
    SetWordWrap(false);
    SetAutoSize(true);
}

TsCheckBox::~TsCheckBox() { skinpaint::StopControlFade(FFade, FSkinData); }

void TsCheckBox::Loaded() {
    vcl::TCheckBox::Loaded();
    FSkinData.BindToSkin();
    AdjustSize();
}

bool TsCheckBox::Skinned() const { return FSkinData.IsSkinned(); }

// Hot: hovered or focused; a read-only box never is.
bool TsCheckBox::Active() const { return FSkinData.IsHot() && !FReadOnly; }

// --- published

void TsCheckBox::PictureChanged() {
    if (ComponentState() & vcl::csLoading) return;
    AdjustSize();
    FSkinData.RequestRepaint();
}

void TsCheckBox::SetDisabledKind(unsigned value) {
    if (value == FDisabledKind) return;
    FDisabledKind = value;
    FSkinData.RequestRepaint();
}

void TsCheckBox::SetGlyphChecked(const gfx::TBitmap& value) {
    FGlyphChecked.Assign(value);
    PictureChanged();
}

void TsCheckBox::SetGlyphUnChecked(const gfx::TBitmap& value) {
    FGlyphUnChecked.Assign(value);
    PictureChanged();
}

void TsCheckBox::SetImages(vcl::TCustomImageList* value) {
    if (value == FImages) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = value;
    if (value) value->FreeNotification(this);
    PictureChanged();
}

void TsCheckBox::Notification(vcl::TComponent* component, vcl::TOperation operation) {
    vcl::TCheckBox::Notification(component, operation);
    if (operation == vcl::opRemove && component == FImages) FImages = nullptr;
}

// An index change matters only for the picture shown now.
void TsCheckBox::SetImgChecked(int value) {
    if (value == FImgChecked) return;
    FImgChecked = value;
    if (Checked()) PictureChanged();
}

void TsCheckBox::SetImgUnchecked(int value) {
    if (value == FImgUnchecked) return;
    FImgUnchecked = value;
    if (!Checked()) PictureChanged();
}

void TsCheckBox::SetMargin(int value) {
    if (value == FMargin) return;
    FMargin = value;
    PictureChanged();
}

void TsCheckBox::SetShowFocus(bool value) {
    if (value == FShowFocus) return;
    FShowFocus = value;
    FSkinData.RequestRepaint();
}

void TsCheckBox::SetTextIndent(int value) {
    if (value == FTextIndent) return;
    FTextIndent = value;
    PictureChanged();
}

// --- messages

void TsCheckBox::ChangeState(skinpaint::TacAnimatEvent event, bool fast) {
    skinpaint::ChangeControlState(FFade, FSkinData, fast, 1,
                                  AnimationAllowed(event, FAnimatEvents, FSkinData.SkinManager()));
}

void TsCheckBox::ButtonClicked() {
    switch (State()) {
        case vcl::cbUnchecked: SetState(vcl::cbChecked); break;
        case vcl::cbChecked: SetState(AllowGrayed() ? vcl::cbGrayed : vcl::cbUnchecked); break;
        case vcl::cbGrayed: SetState(vcl::cbUnchecked); break;
    }
}

void TsCheckBox::Click() {
    if (Skinned()) ChangeState(skinpaint::aeMouseUp, true);
    vcl::TCheckBox::Click();
}

bool TsCheckBox::SkinCommand(vcl::TMessage& m) {
    const uint16_t command = skin::SkinCommandOf(m.WParam);
    switch (command) {
        case skin::SKC_APPLY_SKIN:
        case skin::SKC_REMOVE_SKIN:
        case skin::SKC_REFRESH:
            if (m.LParam != reinterpret_cast<ui::LPARAM>(FSkinData.UsedManager())) return FSkinData.ProcessMessage(m);
            skinpaint::StopControlFade(FFade, FSkinData);
            FSkinData.ProcessMessage(m);
            // Refreshed, or back to the framework's own look (checked as before):
            // the size follows.
            if (command != skin::SKC_APPLY_SKIN) AdjustSize();
            Invalidate();
            return true;
        case SKC_PARENT_UPDATED:
            if (FSkinData.PaintSuspended || FSkinData.PartlyCovered) {
                FSkinData.PaintSuspended = false;
                Invalidate();
            }
            return true;
        case skin::SKC_PREPARE_REFRESH:
            // The fade's last frame is the new look rounded down a little; the
            // look itself stands once it has ended, with whatever changed
            // meanwhile (the focus came, say).
            if (FFade) Invalidate();
            skinpaint::StopControlFade(FFade, FSkinData);
            return true;
        case skinpaint::SKC_FADE_PAINT_NEW: ComposePicture(); return true;
        case skinpaint::SKC_FADE_FRAME: m.Result = 0; return true;
        default: return FSkinData.ProcessMessage(m);
    }
}

// The left button or Space came up: a held box toggles, then the
// release's own event.
void TsCheckBox::Release(vcl::TMessage& m) {
    if (!FReadOnly && FHeldDown) {
        FHeldDown = false;
        ButtonClicked();
    }
    vcl::TWinControl::WndProc(m);
    Invalidate();
}

// The input of an enabled skinned check box; true when handled whole.
bool TsCheckBox::SkinnedInput(vcl::TMessage& m) {
    switch (m.Msg) {
        case ui::WM_SETFOCUS:
            vcl::TCheckBox::WndProc(m);
            FSkinData.PictureStale = true;
            if (FFade)
                FFade->Step();
            else
                Invalidate();
            return true;
        case ui::WM_KILLFOCUS:
            skinpaint::StopControlFade(FFade, FSkinData);
            vcl::TCheckBox::WndProc(m);
            FSkinData.HasFocus = false;
            FSkinData.MouseOver = false;
            FHeldDown = false;
            FSkinData.PictureStale = true;
            Invalidate();
            return true;
        case vcl::CM_MOUSEENTER:
            if (m.LParam == 0) ChangeState(skinpaint::aeMouseEnter, false);
            return false;
        case vcl::CM_MOUSELEAVE:
            if (m.LParam == 0) {
                FSkinData.MouseOver = false;
                FHeldDown = false;
                ChangeState(skinpaint::aeMouseLeave, false);
            }
            return false;
        case ui::WM_LBUTTONDOWN:
        case ui::WM_LBUTTONDBLCLK:
            if (!FReadOnly) {
                FHeldDown = true;
                ChangeState(skinpaint::aeMouseDown, true);
                if (CanFocus() && !Focused()) SetFocus();
            }
            // The framework's button tracking stays out: leaving the box ends the press.
            vcl::TWinControl::WndProc(m);
            return true;
        case ui::WM_LBUTTONUP: Release(m); return true;
        case ui::WM_KEYDOWN:
            if (!Key(m, ui::VK_SPACE)) return false;
            if (!FReadOnly) {
                FHeldDown = true;
                if (CanFocus() && !Focused()) SetFocus();
                Invalidate();
            }
            vcl::TWinControl::WndProc(m);
            return true;
        case ui::WM_KEYUP:
            if (!Key(m, ui::VK_SPACE)) return false;
            Release(m);
            return true;
        case vcl::CM_TEXTCHANGED:
        case vcl::CM_FONTCHANGED:
            vcl::TCheckBox::WndProc(m);
            AdjustSize();
            FSkinData.RequestRepaint();
            return true;
        default: return false;
    }
}

void TsCheckBox::WndProc(vcl::TMessage& m) {
    if (m.Msg == skin::SKIN_COMMAND_MESSAGE) {
        if (!SkinCommand(m)) vcl::TCheckBox::WndProc(m);
        return;
    }
    if (FSkinData.ProcessMessage(m)) return;
    if (!Skinned()) {
        vcl::TCheckBox::WndProc(m);
        return;
    }
    switch (m.Msg) {
        case ui::WM_ERASEBKGND: m.Result = 1; return;
        case ui::WM_NCPAINT: return;
        case vcl::CM_ENABLEDCHANGED:
            if (!Enabled()) skinpaint::StopControlFade(FFade, FSkinData);
            vcl::TCheckBox::WndProc(m);
            Invalidate();
            return;
        default: break;
    }
    if (Enabled() && !(ComponentState() & vcl::csDesigning) && SkinnedInput(m)) return;
    vcl::TCheckBox::WndProc(m);
}

}  // namespace controls
