#include "controls/sBitBtn.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "controls/sParentUpdated.h"
#include "controls/sSpeedButton.h"
#include "skin/sControlKinds.h"
#include "skin/sGlowHook.h"
#include "skin/sSkinManager.h"
#include "ui/Keys.h"
#include "vcl/TClassBuilder.h"

namespace controls {

namespace {

const vcl::TIdentTable AlignmentNames = {
    {"taLeftJustify", vcl::taLeftJustify}, {"taRightJustify", vcl::taRightJustify}, {"taCenter", vcl::taCenter}};

// How long a press that ended during its fade stays on the screen.
constexpr auto ShownPress = std::chrono::milliseconds(30);

template <class T>
bool Store(T& field, T value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace

const vcl::TClassInfo& TsBitBtn::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TsBitBtn>("TsBitBtn", vcl::TButton::StaticClass())
            .Creatable()
            .Reference<vcl::TCustomImageList>("Images", &TsBitBtn::SetImages)
            .Int("ImageIndex", &TsBitBtn::SetImageIndex)
            .Int("NumGlyphs", &TsBitBtn::SetNumGlyphs)
            .Enum("Layout", &TsBitBtn::SetLayout,
                  {{"blGlyphLeft", blGlyphLeft},
                   {"blGlyphRight", blGlyphRight},
                   {"blGlyphTop", blGlyphTop},
                   {"blGlyphBottom", blGlyphBottom}})
            .Int("Margin", &TsBitBtn::SetMargin)
            .Int("Spacing", &TsBitBtn::SetSpacing)
            .Enum("Alignment", &TsBitBtn::SetAlignment, AlignmentNames)
            .Enum("TextAlignment", &TsBitBtn::SetTextAlignment, AlignmentNames)
            .Bool("ShowCaption", &TsBitBtn::SetShowCaption)
            .Bool("ShowFocus", &TsBitBtn::SetShowFocus)
            .Int("FocusMargin", &TsBitBtn::SetFocusMargin)
            .Bool("DrawOverBorder", &TsBitBtn::SetDrawOverBorder)
            .Bool("Down", &TsBitBtn::SetDown)
            .Int("Blend", &TsBitBtn::SetBlend)
            .Bool("Grayed", &TsBitBtn::SetGrayed)
            .Set("DisabledGlyphKind", &TsBitBtn::SetDisabledGlyphKind,
                 {{"dgBlended", dgBlended}, {"dgGrayed", dgGrayed}})
            .Set("DisabledKind", &TsBitBtn::SetDisabledKind,
                 {{"dkBlended", skinpaint::dkBlended}, {"dkGrayed", skinpaint::dkGrayed}})
            .Bool("Reflected", &TsBitBtn::SetReflected)
            .Set("AnimatEvents", &TsBitBtn::SetAnimatEvents, skinpaint::AnimatEventNames())
            .Object("SkinData", &TsBitBtn::SkinData)
            .Build();
    return info;
}

namespace {
// Layouts can make the control as soon as the program runs.
[[maybe_unused]] const vcl::TClassInfo& RegisteredClass = TsBitBtn::StaticClass();
}  // namespace

TsBitBtn::TsBitBtn(vcl::TComponent* owner) : vcl::TButton(owner), FSkinData(this, true) {
    FSkinData.ControlKind = skin::ckBitBtn;
    FSkinData.SetSkinSection("BUTTON");
    SetWordWrap(true);
}

TsBitBtn::~TsBitBtn() { skinpaint::StopControlFade(FFade, FSkinData); }

void TsBitBtn::Loaded() {
    vcl::TButton::Loaded();
    FSkinData.BindToSkin();
    if (ListGlyph()) FGlyph.SetSize(0, 0);
}

bool TsBitBtn::Skinned() const { return FSkinData.IsSkinned(); }

void TsBitBtn::Invalidate() {
    FSkinData.PictureStale = true;
    vcl::TButton::Invalidate();
}

// --- published

void TsBitBtn::Changed() {
    if (!(ComponentState() & vcl::csLoading)) FSkinData.RequestRepaint();
}

void TsBitBtn::SetGlyph(const gfx::TBitmap& value) {
    FGlyph.Assign(value);
    Changed();
}

void TsBitBtn::SetImages(vcl::TCustomImageList* value) {
    if (value == FImages) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = value;
    if (value) value->FreeNotification(this);
    Changed();
}

void TsBitBtn::Notification(vcl::TComponent* component, vcl::TOperation operation) {
    vcl::TButton::Notification(component, operation);
    if (operation == vcl::opRemove && component == FImages) {
        FImages = nullptr;
        Changed();
    }
}

void TsBitBtn::SetImageIndex(int value) {
    if (Store(FImageIndex, value)) Changed();
}

void TsBitBtn::SetNumGlyphs(int value) {
    if (Store(FNumGlyphs, std::max(1, value))) Changed();
}
void TsBitBtn::SetLayout(TButtonLayout value) {
    if (Store(FLayout, value)) Changed();
}
void TsBitBtn::SetMargin(int value) {
    if (Store(FMargin, value)) Changed();
}
void TsBitBtn::SetSpacing(int value) {
    if (Store(FSpacing, value)) Changed();
}
void TsBitBtn::SetAlignment(vcl::TAlignment value) {
    if (Store(FAlignment, value)) Changed();
}
void TsBitBtn::SetTextAlignment(vcl::TAlignment value) {
    if (Store(FTextAlignment, value)) Changed();
}
void TsBitBtn::SetShowCaption(bool value) {
    if (Store(FShowCaption, value)) Changed();
}
void TsBitBtn::SetShowFocus(bool value) {
    if (Store(FShowFocus, value)) Changed();
}
void TsBitBtn::SetFocusMargin(int value) {
    if (Store(FFocusMargin, value)) Changed();
}
void TsBitBtn::SetDrawOverBorder(bool value) {
    if (Store(FDrawOverBorder, value)) Changed();
}
void TsBitBtn::SetDown(bool value) {
    if (Store(FDown, value)) Changed();
}
void TsBitBtn::SetBlend(int value) {
    if (Store(FBlend, std::clamp(value, 0, 100))) Changed();
}
void TsBitBtn::SetGrayed(bool value) {
    if (Store(FGrayed, value)) Changed();
}
void TsBitBtn::SetDisabledGlyphKind(unsigned value) {
    if (Store(FDisabledGlyphKind, value)) Changed();
}
void TsBitBtn::SetDisabledKind(unsigned value) {
    if (Store(FDisabledKind, value)) Changed();
}
void TsBitBtn::SetReflected(bool value) {
    if (Store(FReflected, value)) Changed();
}

// --- messages

void TsBitBtn::ChangeState(skinpaint::TacAnimatEvent event, bool fast) {
    skinpaint::ChangeControlState(FFade, FSkinData, fast, 1,
                                  skinpaint::AnimationAllowed(event, FAnimatEvents, FSkinData.SkinManager()));
}

bool TsBitBtn::SkinCommand(vcl::TMessage& m) {
    const uint16_t command = skin::SkinCommandOf(m.WParam);
    const bool addressed = m.LParam == reinterpret_cast<ui::LPARAM>(FSkinData.UsedManager());
    switch (command) {
        case skin::SKC_APPLY_SKIN:
        case skin::SKC_REMOVE_SKIN:
        case skin::SKC_REFRESH:
            if (!addressed || (command == skin::SKC_REMOVE_SKIN && (ComponentState() & vcl::csDestroying)))
                return FSkinData.ProcessMessage(m);
            skinpaint::StopControlFade(FFade, FSkinData);
            FSkinData.ProcessMessage(m);
            if (!(FSkinData.StateFlags & skin::sfPrinting)) Invalidate();
            return true;
        case SKC_PARENT_UPDATED:
            if (Skinned() && FSkinData.MustDeferPaint()) {
                FSkinData.PaintSuspended = false;
                Invalidate();
            }
            return true;
        case skin::SKC_PREPARE_REFRESH:
            // The fade's last frame is the new look rounded down a little: the
            // look itself is shown once it has ended (composed anew when
            // something changed meanwhile, the focus or the default button).
            if (FFade) vcl::TButton::Invalidate();
            skinpaint::StopControlFade(FFade, FSkinData);
            return true;
        case skinpaint::SKC_FADE_PAINT_NEW: ComposePicture(); return FSkinData.ProcessMessage(m);
        case skin::SKC_SET_PAINT_AT_ONCE:
            FSkinData.ProcessMessage(m);
            if (FSkinData.PaintAtOnce) ComposePicture();
            return true;
        default: return FSkinData.ProcessMessage(m);
    }
}

void TsBitBtn::MouseReleased(vcl::TMessage& m) {
    if (!FMousePressed) {
        skinpaint::StopControlFade(FFade, FSkinData);
        vcl::TButton::WndProc(m);
        return;
    }
    FMousePressed = false;
    if (m.Msg != ui::WM_LBUTTONUP) {
        vcl::TButton::WndProc(m);
        return;
    }
    if (FFade && FFade->CurrentStep < FFade->FadeSteps) {
        // The press fade has not reached the pressed look: show it before
        // the release fades away from it.
        skinpaint::StopControlFade(FFade, FSkinData);
        FForcePressed = true;
        Repaint();
        FForcePressed = false;
        std::this_thread::sleep_for(ShownPress);
    }
    // The framework releases the button and reports the click; the release
    // then fades from the pressed look shown now.
    vcl::TButton::WndProc(m);
    FSkinData.PaintSuspended = false;
    FSkinData.PictureStale = false;
    ChangeState(skinpaint::aeMouseUp, true);
}

// The input of an enabled skinned button; true when handled whole.
bool TsBitBtn::SkinnedInput(vcl::TMessage& m) {
    switch (m.Msg) {
        case vcl::CM_MOUSEENTER:
            if (m.LParam == 0) ChangeState(skinpaint::aeMouseEnter, false);
            return false;
        case vcl::CM_MOUSELEAVE:
            if (m.LParam == 0) {
                FSkinData.MouseOver = false;
                ChangeState(skinpaint::aeMouseLeave, false);
            }
            return false;
        case ui::WM_LBUTTONDOWN:
        case ui::WM_LBUTTONDBLCLK:
        case ui::WM_RBUTTONDOWN:
        case ui::WM_MBUTTONDOWN:
            FSkinData.PaintSuspended = false;
            FMousePressed = true;
            vcl::TButton::WndProc(m);
            if ((m.Msg == ui::WM_LBUTTONDOWN || m.Msg == ui::WM_LBUTTONDBLCLK) && !FDown) {
                // The picture on the window is the one to fade from, whatever
                // the press invalidated.
                FSkinData.PaintSuspended = FSkinData.MustDeferPaint();
                FSkinData.PictureStale = false;
                ChangeState(skinpaint::aeMouseDown, true);
            }
            return true;
        case ui::WM_LBUTTONUP:
        case ui::WM_RBUTTONUP:
        case ui::WM_MBUTTONUP: MouseReleased(m); return true;
        case ui::WM_KEYUP:
            vcl::TButton::WndProc(m);
            if (m.WParam == ui::VK_SPACE) Invalidate();
            return true;
        case ui::WM_CHAR:
            if (m.WParam == ' ' && Focused()) {
                skinpaint::StopControlFade(FFade, FSkinData);
                skin::UpdateControlGlow(FSkinData, false);
                Invalidate();
            }
            return false;
        case ui::WM_SETFOCUS:
            vcl::TButton::WndProc(m);
            if (FFade)
                FFade->Step();
            else
                FSkinData.RequestRepaint();
            return true;
        case ui::WM_KILLFOCUS:
            skinpaint::StopControlFade(FFade, FSkinData);
            vcl::TButton::WndProc(m);
            FSkinData.HasFocus = false;
            FSkinData.RequestRepaint();
            skin::UpdateControlGlow(FSkinData, false);
            return true;
        case vcl::CM_FOCUSCHANGED:
            // The default button's look follows the focus among the buttons.
            vcl::TButton::WndProc(m);
            FSkinData.PictureStale = true;
            return true;
        default: return false;
    }
}

void TsBitBtn::WndProc(vcl::TMessage& m) {
    if (m.Msg == skin::SKIN_COMMAND_MESSAGE) {
        if (!SkinCommand(m)) vcl::TButton::WndProc(m);
        return;
    }
    if (FSkinData.ProcessMessage(m)) return;
    if (!Skinned()) {
        vcl::TButton::WndProc(m);
        return;
    }
    switch (m.Msg) {
        case ui::WM_ERASEBKGND:
            if (!FSkinData.PictureStale && !FFade && FSkinData.CachePicture && !FSkinData.CachePicture->Empty())
                FSkinData.CopyCacheExcludingChildren(*reinterpret_cast<ui::HDC>(m.WParam), {0, 0, Width(), Height()}, 0,
                                                     0);
            m.Result = 1;
            return;
        case vcl::CM_ENABLEDCHANGED:
        case vcl::CM_TEXTCHANGED:
        case vcl::CM_FONTCHANGED:
        case vcl::CM_VISIBLECHANGED:
            if (!Enabled()) skinpaint::StopControlFade(FFade, FSkinData);
            vcl::TButton::WndProc(m);
            FSkinData.PaintSuspended = false;
            FSkinData.RequestRepaint();
            return;
        default: break;
    }
    if (Enabled() && !(ComponentState() & vcl::csDesigning) && SkinnedInput(m)) return;
    vcl::TButton::WndProc(m);
}

}  // namespace controls
