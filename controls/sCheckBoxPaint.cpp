// The check box's layout, its composed picture and its paint request.
#include <algorithm>

#include "controls/sCheckBox.h"
#include "controls/sFocusFrame.h"
#include "skinpaint/sParentBackground.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sBlendOps.h"
#include "skinpaint/sControlCorners.h"
#include "skinpaint/sMaskGlyph.h"
#include "skinpaint/sSectionItem.h"
#include "skinpaint/sSkinText.h"

namespace controls {

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

unsigned TextFormat(bool wordWrap) { return wordWrap ? unsigned(gfx::DT_WORDBREAK) : unsigned(gfx::DT_SINGLELINE); }

// Frames side by side when the width is a multiple of the height.
int FramesOf(int width, int height) { return height > 0 && width % height == 0 ? std::max(1, width / height) : 1; }

}  // namespace

// --- layout

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
    const skinpaint::ParentBackground behind = skinpaint::ParentBackgroundOf(FSkinData);
    const bool active = Active();
    skinpaint::PaintControlItem(FSkinData, behind, true, cache, {0, 0}, {0, 0, Width(), Height()}, active ? 1 : 0);

    const TBoxPicture box = BoxPicture();
    const TCaptionPlace place = CaptionPlace(canvas, box);
    if (!Caption().empty()) {
        unsigned format = TextFormat(WordWrap());
        if (UseRightToLeftReading()) format |= gfx::DT_RTLREADING;
        if (UseRightToLeftAlignment() && !WordWrap()) format |= gfx::DT_RIGHT;
        skinpaint::WriteControlText(canvas, Caption(), Enabled(), active, FSkinData, format, place.Rect);
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
    skinpaint::RepaintControlCorners(FSkinData, Active() ? 1 : 0);
    gfx::TBitmap& cache = *FSkinData.CachePicture;
    dc->BitBlt(0, 0, cache.Width(), cache.Height(), cache.Canvas(), 0, 0);
}

}  // namespace controls
