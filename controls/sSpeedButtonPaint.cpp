// The speed button's pictures: the composition of the cache picture from the
// parent's background, the section's item, the caption and the glyph, and the
// paint request that shows it (or the running fade's frame).
#include <algorithm>

#include "controls/sButtonGlyph.h"
#include "skinpaint/sParentBackground.h"
#include "controls/sSpeedButton.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sAnimTimer.h"
#include "skinpaint/sBlendOps.h"
#include "skinpaint/sColorOps.h"
#include "skinpaint/sEntryLookup.h"
#include "skinpaint/sSectionBackground.h"
#include "skinpaint/sSectionItem.h"
#include "skinpaint/sSkinFrame.h"
#include "skinpaint/sSkinText.h"
#include "vcl/DrawHelpers.h"
#include "vcl/TImageList.h"
#include "vcl/TWinControl.h"

namespace controls {

namespace {

// The section's frame entry, null without one.
const skin::TsMaskData* FrameEntry(const skin::TsCommonData& data) {
    const skin::TsSkinManager* manager = data.UsedManager();
    return manager ? skinpaint::ValidEntry(*manager, data.FrameIndex) : nullptr;
}

// The glyph mirrored below itself over a third of its height, fading out
// from 60 percent transparency.
void PaintReflection(gfx::TBitmap& picture, const gfx::TRect& glyphRect, const gfx::TBitmap& glyph,
                     const gfx::TRect& frame, int transparency, skinpaint::TColor tint) {
    const int rows = frame.Height() / 3;
    for (int i = 0; i < rows; ++i) {
        const int fade = 60 + 40 * i / rows;
        skinpaint::DrawAlphaImage(picture, gfx::Bounds(glyphRect.Left, glyphRect.Bottom + i, frame.Width(), 1), glyph,
                                  gfx::Bounds(frame.Left, frame.Bottom - 1 - i, frame.Width(), 1),
                                  std::max(transparency, fade), tint);
    }
}

unsigned TextFormat(vcl::TAlignment alignment, bool rightToLeft) {
    unsigned format = gfx::DT_EXPANDTABS | gfx::DT_WORDBREAK;
    if (alignment == vcl::taCenter) format |= gfx::DT_CENTER;
    else if (alignment == vcl::taRightJustify) format |= gfx::DT_RIGHT;
    if (rightToLeft) format |= gfx::DT_RTLREADING;
    return format;
}

}  // namespace

// --- layout

TsButtonLayout TsSpeedButton::LayoutFor(int state) {
    TsButtonLayout b;
    b.Width = Width();
    b.Height = Height();
    b.Arrow = ArrowWidth();
    b.Layout = FLayout;
    b.Alignment = FAlignment;
    b.Margin = FMargin;
    b.Spacing = FSpacing;
    if (!FGlyph.Empty()) {
        b.GlyphWidth = FGlyph.Width() / FNumGlyphs;
        b.GlyphHeight = FGlyph.Height();
    } else if (ListImage()) {
        b.GlyphWidth = FImages->Width() / FNumGlyphs;
        b.GlyphHeight = FImages->Height();
    }
    b.Raised = FReflected;
    b.HasCaption = !Caption().empty();
    b.ShowCaption = FShowCaption;
    b.TextOffset = FTextOffset;
    b.Pressed = state == 2;
    // The caption is measured in the button's font as it will be drawn:
    // wrapped at words, tabs expanded.
    static gfx::TBitmap measuring(1, 1);
    gfx::TCanvas& canvas = measuring.Canvas();
    canvas.Font = Font().Handle();
    gfx::TRect measured{0, 0, CaptionWidthLimit(b), 0};
    canvas.DrawText(Caption(), measured, gfx::DT_CALCRECT | gfx::DT_WORDBREAK | gfx::DT_EXPANDTABS);
    b.TextWidth = measured.Width();
    b.TextHeight = measured.Height();
    return b;
}

gfx::TRect TsSpeedButton::CaptionBounds(int state) { return controls::CaptionBounds(LayoutFor(state)); }
gfx::TRect TsSpeedButton::GlyphBounds(int state) { return controls::GlyphBounds(LayoutFor(state)); }

// --- composition

void TsSpeedButton::PaintCaption(gfx::TBitmap& picture, int state) {
    if (!FShowCaption) return;
    gfx::TRect r = CaptionBounds(state);
    gfx::TCanvas& canvas = picture.Canvas();
    canvas.Font = Font().Handle();
    canvas.Brush.Style = gfx::bsClear;
    // The rectangle is as high as the text already: no vertical centring.
    skinpaint::WriteControlText(canvas, Caption(), Enabled(), state != 0, FSkinData,
                                TextFormat(FTextAlignment, UseRightToLeftReading()), r);
}

const gfx::TBitmap* TsSpeedButton::ListImage() const {
    if (!FGlyph.Empty() || !FImages || FImageIndex < 0 || FImageIndex >= FImages->Count()) return nullptr;
    return &FImages->Image(FImageIndex);
}

void TsSpeedButton::PaintGlyph(gfx::TBitmap& picture, int state) {
    if (const gfx::TBitmap* image = ListImage()) {
        // The list keeps its pictures with alpha; a disabled one at half strength.
        const bool faded = !Enabled() && (FDisabledGlyphKind & dgBlended);
        skinpaint::DrawAlphaImage(picture, GlyphBounds(state), *image, {0, 0, image->Width(), image->Height()},
                                  faded ? 50 : 0, skinpaint::NO_TINT);
        return;
    }
    gfx::TBitmap& glyph = FGlyph.Bitmap();
    if (glyph.Empty()) return;
    TsGlyphLook look;
    look.NumGlyphs = FNumGlyphs;
    look.State = state;
    look.Enabled = Enabled();
    look.Down = FDown;
    look.Blend = FBlend;
    look.Grayed = FGrayed;
    look.DisabledGlyphKind = FDisabledGlyphKind;
    look.GrayTint = FSkinData.Section().Color;
    const gfx::TRect r = GlyphBounds(state);
    PaintButtonGlyph(picture, {r.Left, r.Top}, glyph, look);
    if (FReflected && glyph.PixelFormat() == gfx::pf32bit) {
        const bool tinted = (state == 0 && FGrayed) || (!Enabled() && (FDisabledGlyphKind & dgGrayed));
        const int frame = std::min(state, FNumGlyphs - 1);
        PaintReflection(picture, r, glyph, gfx::Bounds(frame * r.Width(), 0, r.Width(), r.Height()),
                        state == 0 ? FBlend : 0, tinted ? look.GrayTint : skinpaint::NO_TINT);
    }
}

// The skin's divider line, two pixels wide, down the middle.
void TsSpeedButton::PaintDivider(gfx::TBitmap& picture, const skinpaint::ParentBackground& behind) {
    const skin::TsSkinManager* manager = FSkinData.UsedManager();
    const skin::TsMaskData* entry =
        manager ? skinpaint::ValidEntry(*manager, manager->FindMaskExact("DIVIDER", "BORDERSMASK")) : nullptr;
    if (entry) skinpaint::PaintSkinFrame(picture, {Width() / 2 - 1, 0, Width() / 2 + 1, Height()}, behind, *entry, 0, true);
}

// The drop-down part: pressed while its menu shows, the button is down or
// held, hot while the button is, in the section's look without the button's
// hue and saturation (the background painter leaves them to the whole item);
// a small arrow in the look's font colour.
void TsSpeedButton::PaintArrowPart(gfx::TBitmap& picture, const skinpaint::ParentBackground& behind) {
    if (FButtonStyle != tbsDropDown) return;
    const int state = FMenuDropped || FDown || FState == bsDown || FState == bsExclusive ? 2 : FSkinData.IsHot() ? 1 : 0;
    const gfx::TRect part{Width() - ArrowWidth(), 0, Width(), Height()};
    skinpaint::PaintControlBackground(FSkinData, behind, state, picture, {part.Left, 0}, part);
    if (const skin::TsMaskData* frame = FrameEntry(FSkinData)) skinpaint::PaintSkinFrame(picture, part, behind, *frame, state, true);
    const skin::TsGeneralData& section = FSkinData.Section();
    const int look = std::clamp(state, 0, std::max(section.States - 1, 0));
    const gfx::TColor sectionColor = look == 0 ? section.FontColor[0] : section.HotFontColor[0];
    const gfx::TColor color = sectionColor >= 0 ? sectionColor : gfx::ColorToRGB(Font().Color());
    const int shift = state == 2 ? 1 : 0;
    const int x = part.Left + part.Width() / 2 + shift, y = Height() / 2 - 2 + shift;
    for (int row = 0; row < 4; ++row)
        skinpaint::FillRect32(picture, {x - 3 + row, y + row, x + 4 - row, y + row + 1}, color);
}

void TsSpeedButton::ComposePicture() {
    if (!FSkinData.IsSkinned()) return;
    FSkinData.SizeCachePicture();
    gfx::TBitmap& picture = *FSkinData.CachePicture;
    picture.Canvas().Font = Font().Handle();
    const skinpaint::ParentBackground behind = skinpaint::ParentBackgroundOf(FSkinData);
    if (behind.Ready && behind.Bitmap->Width() == 0) return;
    const int state = PaintState();
    const gfx::TRect all{0, 0, Width() - ArrowWidth(), Height()};
    if (FButtonStyle == tbsSeparator || FButtonStyle == tbsDivider) {
        skinpaint::LayBackground(picture, {0, 0, Width(), Height()}, behind);
        if (FButtonStyle == tbsDivider) PaintDivider(picture, behind);
    } else if (FDrawOverBorder) {
        PaintArrowPart(picture, behind);
        skinpaint::PaintControlItem(FSkinData, behind, true, picture, {0, 0}, all, state);
        PaintCaption(picture, state);
        PaintGlyph(picture, state);
    } else {
        PaintArrowPart(picture, behind);
        skinpaint::PaintControlBackground(FSkinData, behind, state, picture, {0, 0}, all);
        PaintCaption(picture, state);
        PaintGlyph(picture, state);
        if (const skin::TsMaskData* frame = FrameEntry(FSkinData)) skinpaint::PaintSkinFrame(picture, all, behind, *frame, state, true);
    }
    if (!Enabled()) {
        const gfx::TColor parentColor = Parent() ? Parent()->Color() : Color();
        skinpaint::PaintDisabledLook(picture, FDisabledKind, gfx::ColorToRGB(parentColor), {0, 0}, behind);
    }
    if (OnPaint) OnPaint(this, picture);
    FSkinData.PictureStale = false;
}

// --- showing

bool TsSpeedButton::FadeShowing() const { return FFade && FFade->FramePicture.Width() == Width(); }

void TsSpeedButton::RedrawNow() {
    if (!Visible() || !Parent() || !Parent()->HandleAllocated() || FSkinData.MustDeferPaint()) return;
    Repaint();
}

void TsSpeedButton::Paint() {
    skin::TsSkinManager* manager = FSkinData.UsedManager();
    if (manager && manager->Active() && FSkinData.SectionIndex <= 0) FSkinData.ResolveSection();
    gfx::TCanvas& canvas = Canvas();
    if (!FSkinData.IsSkinned()) {
        PaintUnskinned(canvas);
        return;
    }
    if (Width() <= 0 || Height() <= 0) return;
    const gfx::TRect all{0, 0, Width(), Height()};
    if (FadeShowing()) {
        canvas.CopyRect(all, FFade->FramePicture.Canvas(), all);
        return;
    }
    bool& stale = FSkinData.PictureStale;
    stale = stale || FSkinData.PartlyCovered || FDown != FDownPainted;
    FDownPainted = FDown;
    FSkinData.PartlyCovered = FSkinData.BackgroundFollowsParent();
    if (stale) {
        FNumGlyphsPainted = FNumGlyphs;
        FSpacingPainted = FSpacing;
    } else if (FNumGlyphs != FNumGlyphsPainted) {
        stale = true;
        FNumGlyphsPainted = FNumGlyphs;
    } else if (FSpacing != FSpacingPainted) {
        stale = true;
        FSpacingPainted = FSpacing;
    }
    if (stale && !FSkinData.PaintAtOnce) ComposePicture();
    FSkinData.CopyCacheExcludingChildren(canvas, all, 0, 0);
}

// Without a skin: the classic raised frame, sunken while pressed, and the
// same caption and glyph places.
void TsSpeedButton::PaintUnskinned(gfx::TCanvas& canvas) {
    const int state = FState == bsDown || FState == bsExclusive ? 2 : 0;
    gfx::TRect r{0, 0, Width(), Height()};
    // A transparent button leaves the parent's erased background behind it.
    if (!FTransparent) {
        canvas.Brush = {Color(), gfx::bsSolid};
        canvas.FillRect(r);
    }
    if (state == 2) vcl::Frame3D(canvas, r, gfx::clBtnShadow, gfx::clBtnHighlight, 1);
    else if (!FFlat) vcl::Frame3D(canvas, r, gfx::clBtnHighlight, gfx::clBtnShadow, 1);
    if (FShowCaption) {
        canvas.Font = Font().Handle();
        canvas.Brush.Style = gfx::bsClear;
        gfx::TRect text = CaptionBounds(state);
        const unsigned format = TextFormat(FTextAlignment, UseRightToLeftReading());
        if (Enabled()) canvas.DrawText(Caption(), text, format);
        else vcl::DrawDisabledText(canvas, Caption(), text, format);
    }
    if (FGlyph.Empty()) return;
    const gfx::TRect g = GlyphBounds(state);
    const bool alpha = FGlyph.Bitmap().PixelFormat() == gfx::pf32bit;
    gfx::TBitmap frame(g.Width(), g.Height(), alpha ? gfx::pf32bit : gfx::pf24bit);
    frame.Canvas().CopyRect({0, 0, g.Width(), g.Height()}, FGlyph.Bitmap().Canvas(), gfx::Bounds(0, 0, g.Width(), g.Height()));
    if (alpha) {
        vcl::DrawAlphaBitmap(canvas, g, frame);
    } else {
        frame.SetTransparent(true);
        canvas.Draw(g.Left, g.Top, frame);
    }
}

}  // namespace controls
