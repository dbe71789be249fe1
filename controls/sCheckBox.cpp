#include "controls/sCheckBox.h"

#include <algorithm>

#include "controls/sFocusFrame.h"
#include "controls/sParentPicture.h"
#include "skin/sControlKinds.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sBlendOps.h"
#include "skinpaint/sControlCorners.h"
#include "skinpaint/sControlSkinInfo.h"
#include "skinpaint/sMaskGlyph.h"
#include "skinpaint/sSectionItem.h"
#include "skinpaint/sSkinText.h"
#include "ui/Keys.h"
#include "vcl/TClassBuilder.h"

namespace controls {

using skinpaint::AnimationAllowed;

// The picture of the box: a skin glyph entry, an own bitmap with its frames
// side by side, or nothing in a reserved area.
struct TsCheckBox::TBoxPicture {
    const skin::TsMaskData* Entry = nullptr;
    const gfx::TBitmap* Bitmap = nullptr;
    // An image list picture that holds no frames is drawn by the list.
    const vcl::TCustomImageList* List = nullptr;
    int ListIndex = -1;
    int Frames = 1;
    int Width = 16;
    int Height = 16;
};

// The caption's rectangle and its measured size.
struct TsCheckBox::TCaptionPlace {
    gfx::TRect Rect;
    int TextWidth = 0;
    int TextHeight = 0;
};

namespace {

const vcl::TIdentTable AnimatEventNames = {
    {"aeMouseEnter", skinpaint::AnimatSet(skinpaint::aeMouseEnter)},
    {"aeMouseLeave", skinpaint::AnimatSet(skinpaint::aeMouseLeave)},
    {"aeMouseDown", skinpaint::AnimatSet(skinpaint::aeMouseDown)},
    {"aeMouseUp", skinpaint::AnimatSet(skinpaint::aeMouseUp)},
    {"aeGlobalDef", skinpaint::AnimatSet(skinpaint::aeGlobalDef)},
};

unsigned TextFormat(bool wordWrap) { return wordWrap ? unsigned(gfx::DT_WORDBREAK) : unsigned(gfx::DT_SINGLELINE); }

bool Key(const vcl::TMessage& m, ui::UINT vk) { return m.WParam == vk; }

}  // namespace

const vcl::TClassInfo& TsCheckBox::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TsCheckBox>("TsCheckBox", vcl::TCheckBox::StaticClass())
            .Creatable()
            .Set("AnimatEvents", &TsCheckBox::SetAnimatEvents, AnimatEventNames)
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

// --- layout

namespace {
// Frames side by side when the width is a multiple of the height.
int FramesOf(int width, int height) { return height > 0 && width % height == 0 ? std::max(1, width / height) : 1; }
}  // namespace

TsCheckBox::TBoxPicture TsCheckBox::BoxPicture() const {
    TBoxPicture box;
    if (FImages && FImgChecked >= 0 && FImgUnchecked >= 0) {
        const int index = Checked() ? FImgChecked : FImgUnchecked;
        box.Height = FImages->Height();
        box.Frames = FramesOf(FImages->Width(), box.Height);
        box.Width = FImages->Width() / box.Frames;
        if (index >= FImages->Count()) return box;
        if (box.Frames < 2) {
            box.List = FImages;
            box.ListIndex = index;
        } else {
            box.Bitmap = &FImages->Image(index);
        }
        return box;
    }
    const gfx::TBitmap& own = Checked() ? FGlyphChecked : FGlyphUnChecked;
    if (!own.Empty()) {
        box.Bitmap = &own;
        box.Height = own.Height();
        box.Frames = FramesOf(own.Width(), own.Height());
        box.Width = own.Width() / box.Frames;
        return box;
    }
    const skin::TsSkinManager* manager = FSkinData.UsedManager();
    if (!manager || !Skinned()) return box;
    const skin::TsCommonIndexes& indexes = manager->CommonIndexes();
    const int index = State() == vcl::cbChecked  ? indexes.CheckBoxChecked
                      : State() == vcl::cbGrayed ? indexes.CheckBoxGrayed
                                                 : indexes.CheckBoxUnChecked;
    if (!manager->IsValidImgIndex(index)) return box;
    box.Entry = &manager->Masks[size_t(index)];
    if (box.Entry->Bitmap) {
        box.Width = box.Entry->Bitmap->Width() / 3;
        box.Height = box.Entry->Bitmap->Height() / 2;
    } else {
        box.Width = skin::FrameWidth(*box.Entry);
        box.Height = skin::FrameHeight(*box.Entry);
    }
    return box;
}

gfx::TRect TsCheckBox::BoxRect(const TBoxPicture& box) const {
    const bool captionRight = (Alignment() == vcl::taRightJustify) != UseRightToLeftAlignment();
    const int left = captionRight ? FMargin : Width() - box.Width - FMargin;
    const int top = (Height() - box.Height) / 2;
    return gfx::Bounds(left, top, box.Width, box.Height);
}

TsCheckBox::TCaptionPlace TsCheckBox::CaptionPlace(gfx::TCanvas& canvas, const TBoxPicture& box) const {
    TCaptionPlace place;
    if (Caption().empty()) return place;
    const int w = Width(), h = Height();
    const int available = w - box.Width - FTextIndent - 2 * FMargin - 2;
    gfx::TRect measured{0, 0, std::max(available, 0), 0};
    canvas.DrawText(Caption(), measured, TextFormat(WordWrap()) | gfx::DT_CALCRECT);
    place.TextWidth = measured.Width();
    place.TextHeight = measured.Height();
    const int top = std::max((h - place.TextHeight) / 2, FMargin), bottom = top + place.TextHeight;
    if (Alignment() == vcl::taRightJustify && !UseRightToLeftAlignment()) {
        const int left = w - available - FMargin + 2;
        place.Rect = {left, top, left + place.TextWidth, bottom};
    } else if (Alignment() == vcl::taRightJustify) {
        const int right = w - FMargin - box.Width - FTextIndent - 4;
        place.Rect = {right - place.TextWidth, top, right, bottom};
    } else {
        place.Rect = {FMargin, top, FMargin + available, bottom};
    }
    place.Rect = gfx::OffsetRect(place.Rect, WordWrap() ? -1 : 0, -1);
    return place;
}

void TsCheckBox::AdjustSize() {
    if (!AutoSize() || (ComponentState() & vcl::csLoading)) return;
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas& canvas = scratch.Canvas();
    canvas.Font = Font().Handle();
    const TBoxPicture box = BoxPicture();
    const TCaptionPlace place = CaptionPlace(canvas, box);
    const bool caption = !Caption().empty();
    int w, h;
    if (Skinned()) {
        w = box.Width + 2 * FMargin + (caption ? place.TextWidth + FTextIndent + 8 : 0);
        h = std::max(box.Height, caption ? place.TextHeight + 2 * FMargin : 0) + 2;
    } else {
        w = place.TextWidth + 20;
        h = std::max(place.TextHeight + 4, 20);
    }
    if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
}

// --- the picture

void TsCheckBox::PaintBox(const TBoxPicture& box, int frame) {
    gfx::TBitmap& cache = *FSkinData.CachePicture;
    const gfx::TRect r = BoxRect(box);
    if (box.Entry) {
        skinpaint::PaintMaskGlyph(cache, {r.Left, r.Top}, frame, skinpaint::BackgroundFromBitmap(cache, 0, 0),
                                  *box.Entry, skinpaint::gdNormal);
    } else if (box.Bitmap) {
        gfx::TBitmap picture;
        picture.Assign(*box.Bitmap);
        if (picture.PixelFormat() != gfx::pf32bit) picture.SetPixelFormat(gfx::pf32bit);
        frame = std::min(frame, box.Frames - 1);
        skinpaint::CopyAlphaImage(cache, r, picture, gfx::Bounds(frame * box.Width, 0, box.Width, box.Height), false,
                                  skinpaint::EmptyBackground);
    } else if (box.List) {
        box.List->Draw(cache.Canvas(), r.Left, r.Top, box.ListIndex);
    }
}

void TsCheckBox::ComposePicture() {
    FSkinData.SizeCachePicture();
    gfx::TBitmap& cache = *FSkinData.CachePicture;
    if (cache.Empty()) return;
    gfx::TCanvas& canvas = cache.Canvas();
    canvas.Font = Font().Handle();
    const skinpaint::ParentBackground behind = ParentPicture(FSkinData);
    const bool active = Active();
    const skinpaint::TsControlSkinInfo info = skinpaint::ControlSkinInfo(FSkinData, active ? 1 : 0);
    skinpaint::PaintControlItem(info, behind, true, cache, {0, 0}, {0, 0, Width(), Height()}, active ? 1 : 0);

    const TBoxPicture box = BoxPicture();
    const TCaptionPlace place = CaptionPlace(canvas, box);
    if (!Caption().empty()) {
        unsigned format = TextFormat(WordWrap());
        if (UseRightToLeftReading()) format |= gfx::DT_RTLREADING;
        if (UseRightToLeftAlignment() && !WordWrap()) format |= gfx::DT_RIGHT;
        skinpaint::WriteControlText(canvas, Caption(), Enabled(), active, info, format, place.Rect);
        if (Focused() && FShowFocus) {
            const gfx::TRect& r = place.Rect;
            DrawSkinFocusFrame(canvas, {r.Left - 1, r.Top, r.Right + 1, r.Bottom + (WordWrap() ? 1 : 0)});
        }
    }
    PaintBox(box, FHeldDown ? 2 : active ? 1 : 0);
    if (!Enabled()) {
        const gfx::TColor parentColor = Parent() ? gfx::ColorToRGB(Parent()->Color()) : skinpaint::KEY_COLOR;
        skinpaint::PaintDisabledLook(cache, FDisabledKind, parentColor, {0, 0}, behind);
    }
    FSkinData.PictureStale = false;
}

void TsCheckBox::PaintWindow(ui::HDC dc) {
    if (!Skinned()) {
        vcl::TCheckBox::PaintWindow(dc);
        return;
    }
    if (FSkinData.MustDeferPaint()) {
        FSkinData.PaintSuspended = true;
        return;
    }
    // A running fade shows its own frames; one the timer has paused (its
    // control was disabled) leaves the painting to us again.
    if (FFade && FFade->Enabled()) return;
    ComposePicture();
    skinpaint::RepaintControlCorners(skinpaint::ControlSkinInfo(FSkinData), Active() ? 1 : 0);
    gfx::TBitmap& cache = *FSkinData.CachePicture;
    dc->BitBlt(0, 0, cache.Width(), cache.Height(), cache.Canvas(), 0, 0);
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
