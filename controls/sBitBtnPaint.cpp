// The push button's state for painting, its layout, its composed picture
// and its paint request.
#include <algorithm>

#include "controls/sBitBtn.h"
#include "controls/sButtonGlyph.h"
#include "controls/sFocusFrame.h"
#include "skinpaint/sParentBackground.h"
#include "skin/sSkinBroadcast.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sEntryLookup.h"
#include "skinpaint/sSectionBackground.h"
#include "skinpaint/sSectionItem.h"
#include "skinpaint/sSkinFrame.h"
#include "skinpaint/sSkinText.h"
#include "ui/Styles.h"
#include "ui/Window.h"

namespace controls {

// --- the picture

int TsBitBtn::PaintState() const {
    // The framework's button is pushed only while the held mouse is over it.
    if (FDown || Pushed() || FForcePressed) return 2;
    const bool defaultStyle =
        FHandle && (ui::GetWindowLongPtr(FHandle, ui::GWL_STYLE) & vcl::BS_TYPEMASK) == vcl::BS_DEFPUSHBUTTON;
    if (Active() || defaultStyle || FSkinData.IsHot() || ((ComponentState() & vcl::csDesigning) && Default())) return 1;
    return 0;
}

bool TsBitBtn::ListGlyph() const { return FImages && FImageIndex >= 0 && FImageIndex < FImages->Count(); }

gfx::TSize TsBitBtn::GlyphSize() const {
    if (ListGlyph()) return {FImages->Width() / FNumGlyphs, FImages->Height()};
    if (FGlyph.Empty()) return {0, 0};
    return {FGlyph.Width() / FNumGlyphs, FGlyph.Height()};
}

unsigned TsBitBtn::TextFormat() const {
    unsigned format = gfx::DT_END_ELLIPSIS | gfx::DT_EXPANDTABS;
    if (FTextAlignment == vcl::taCenter)
        format |= gfx::DT_CENTER;
    else if (FTextAlignment == vcl::taRightJustify)
        format |= gfx::DT_RIGHT;
    if (WordWrap()) format |= gfx::DT_WORDBREAK;
    if (UseRightToLeftReading()) format |= gfx::DT_RTLREADING;
    return format;
}

gfx::TSize TsBitBtn::TextSize(gfx::TCanvas& canvas, int glyphWidth) const {
    if (!FShowCaption || Caption().empty()) return {0, 0};
    int limit = ClientRect().Width() - 2 * FMargin;
    if (glyphWidth != 0 && (FLayout == blGlyphLeft || FLayout == blGlyphRight)) limit -= glyphWidth + FSpacing;
    gfx::TRect measured{0, 0, std::max(limit, 0), 0};
    canvas.DrawText(Caption(), measured, (TextFormat() & ~unsigned(gfx::DT_END_ELLIPSIS)) | gfx::DT_CALCRECT);
    // A caption wider than the room is cut with an ellipsis inside it rather
    // than centred across the button's edges.
    return {std::min(measured.Width(), std::max(limit, 0)), measured.Height()};
}

void TsBitBtn::PaintCaption(gfx::TBitmap& picture, int state) {
    gfx::TCanvas& canvas = picture.Canvas();
    const gfx::TRect r = state == 2 ? gfx::OffsetRect(FCaptionBounds, 1, 1) : FCaptionBounds;
    skinpaint::WriteControlText(canvas, Caption(), Enabled(), state != 0, FSkinData, TextFormat(), r);
    if (Enabled() && Focused() && !Caption().empty() && FSkinData.Section().ShowFocus && FShowFocus)
        DrawSkinFocusFrame(
            canvas, {r.Left - FFocusMargin, r.Top - FFocusMargin, r.Right + FFocusMargin, r.Bottom + FFocusMargin});
}

void TsBitBtn::ComposePicture() {
    FSkinData.SizeCachePicture();
    gfx::TBitmap& picture = *FSkinData.CachePicture;
    if (picture.Empty()) return;
    picture.Canvas().Font = Font().Handle();
    const skinpaint::ParentBackground behind = skinpaint::ParentBackgroundOf(FSkinData);
    const int state = std::min(PaintState(), std::max(FSkinData.Section().States - 1, 0));
    const gfx::TRect all{0, 0, Width(), Height()};
    const skin::TsSkinManager* manager = FSkinData.UsedManager();
    const skin::TsMaskData* frame = manager ? skinpaint::ValidEntry(*manager, FSkinData.FrameIndex) : nullptr;
    if (FDrawOverBorder)
        skinpaint::PaintControlItem(FSkinData, behind, true, picture, {0, 0}, all, state);
    else
        skinpaint::PaintControlBackground(FSkinData, behind, state, picture, {0, 0}, all);

    const gfx::TSize glyph = GlyphSize();
    const gfx::TSize text = TextSize(picture.Canvas(), glyph.cx);
    TsBitBtnLayout layout;
    layout.Client = ClientRect();
    layout.GlyphWidth = glyph.cx;
    layout.GlyphHeight = glyph.cy;
    layout.TextWidth = text.cx;
    layout.TextHeight = text.cy;
    layout.Margin = FMargin;
    layout.Spacing = FSpacing;
    layout.Layout = FLayout;
    layout.Alignment = FAlignment;
    layout.RightToLeft = UseRightToLeftAlignment();
    const TsBitBtnPlaces places = PlaceGlyphAndCaption(layout);
    FGlyphOrigin = places.GlyphOrigin;
    FCaptionBounds = places.CaptionBounds;
    if (FShowCaption) PaintCaption(picture, state);
    if (glyph.cx > 0) {
        gfx::TPoint at = FGlyphOrigin;
        if (state == 2) at = {at.X + 1, at.Y + 1};
        if (FReflected) at.Y -= glyph.cx / 6;
        TsGlyphLook look;
        look.NumGlyphs = FNumGlyphs;
        look.State = state;
        look.Enabled = Enabled();
        look.Down = FDown;
        look.Blend = FBlend;
        look.Grayed = FGrayed;
        look.DisabledGlyphKind = FDisabledGlyphKind;
        look.GrayTint = FSkinData.Section().Color;
        if (ListGlyph()) {
            gfx::TBitmap listed;
            listed.Assign(FImages->Image(FImageIndex));
            PaintButtonGlyph(picture, at, listed, look);
        } else {
            PaintButtonGlyph(picture, at, FGlyph, look);
        }
    }
    if (!FDrawOverBorder && frame && (state != 0 || !(frame->DrawFlags & 2)))
        skinpaint::PaintSkinFrame(picture, all, behind, *frame, state, true);
    if (!Enabled()) {
        const gfx::TColor parentColor = Parent() ? gfx::ColorToRGB(Parent()->Color()) : skinpaint::KEY_COLOR;
        skinpaint::PaintDisabledLook(picture, FDisabledKind, parentColor, {0, 0}, behind);
    }
    if (OnPaint) OnPaint(this, picture);
    FSkinData.PictureStale = false;
}

void TsBitBtn::PaintWindow(ui::HDC dc) {
    if (!Skinned()) {
        vcl::TButton::PaintWindow(dc);
        return;
    }
    FSkinData.PaintSuspended = FSkinData.MustDeferPaint();
    // A running fade copies its own frames to the window; one the timer has
    // paused (the button was disabled) leaves the painting to us again.
    if (FSkinData.PaintSuspended || (FFade && FFade->Enabled())) return;
    bool& stale = FSkinData.PictureStale;
    if (stale || FSkinData.PartlyCovered)
        stale = true;
    else if (Parent())
        stale = skin::SendSkinCommand(*Parent(), {skin::SKIN_COMMAND_MESSAGE,
                                                  skin::SkinCommandWParam(skin::SKC_GET_PARTLY_COVERED), 0}) != 0;
    if (Parent()) {
        const gfx::TRect inside = Parent()->ClientRect(), bounds = BoundsRect();
        FSkinData.PartlyCovered = bounds.Left < inside.Left || bounds.Top < inside.Top || bounds.Right > inside.Right ||
                                  bounds.Bottom > inside.Bottom;
    }
    if (FSpacing != FSpacingPainted) {
        FSpacingPainted = FSpacing;
        stale = true;
    }
    if (stale) ComposePicture();
    gfx::TBitmap& picture = *FSkinData.CachePicture;
    dc->BitBlt(0, 0, picture.Width(), picture.Height(), picture.Canvas(), 0, 0);
}

}  // namespace controls
