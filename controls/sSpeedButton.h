#pragma once
// The skinned speed button: a push button without a window of its own that
// never takes the focus. It keeps the speed button's behaviour (the click
// comes on a release over it; Down, GroupIndex and AllowAllUp make sticky and
// grouped buttons) and paints every look into its binding's cache picture:
// what lies behind it, the section's item for its state, the caption and the
// glyph. Changes of state fade from the old picture to the new one.
#include <functional>
#include <memory>

#include "controls/sSpeedButtonLayout.h"
#include "skin/sCommonData.h"
#include "skinpaint/sAnimatEvents.h"
#include "skinpaint/sDisabledLook.h"
#include "vcl/TGraphicControl.h"
#include "vcl/TPicture.h"

namespace vcl {
class TCustomImageList;
class TPopupMenu;
}

namespace skinpaint {
class TsAnimTimer;
struct ParentBackground;
}

namespace controls {

// The platform button's state: up, disabled, held down by the mouse, or
// down for good (Down in a group).
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
enum TsButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
// DisabledGlyphKind flags.
enum TsDisabledGlyphKind : unsigned { dgBlended = 1, dgGrayed = 2 };
using TsPaintEvent = std::function<void(vcl::TObject* sender, gfx::TBitmap& picture)>;

class TsSpeedButton : public vcl::TGraphicControl {
public:
    explicit TsSpeedButton(vcl::TComponent* owner);
    ~TsSpeedButton() override;

    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // --- published: the speed button's own
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool Down() const { return FDown; }
    void SetDown(bool value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    vcl::TPicture& Glyph() { return FGlyph; }
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    // --- published: the skinned button's
    vcl::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(vcl::TAlignment value);
    // Transparency of the glyph in state 0, in percent (0..100).
    int Blend() const { return FBlend; }
    void SetBlend(int value);
    // tbsDropDown adds an arrow part 16 pixels wide at the right edge, which
    // drops DropdownMenu; separators and dividers only show their place.
    TsButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TsButtonStyle value);
    vcl::TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
    void SetDropdownMenu(vcl::TPopupMenu* value);
    unsigned DisabledGlyphKind() const { return FDisabledGlyphKind; }
    void SetDisabledGlyphKind(unsigned value);
    unsigned DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(unsigned value);
    // Caption and glyph over the skin's frame; false lays the frame over them.
    bool DrawOverBorder() const { return FDrawOverBorder; }
    void SetDrawOverBorder(bool value);
    // The glyph grey in state 0.
    bool Grayed() const { return FGrayed; }
    void SetGrayed(bool value);
    // The glyph from an image list when Glyph is empty.
    vcl::TCustomImageList* Images() const { return FImages; }
    void SetImages(vcl::TCustomImageList* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // A 32-bit glyph with its reflection below it, raised by a sixth of its height.
    bool Reflected() const { return FReflected; }
    void SetReflected(bool value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    int TextOffset() const { return FTextOffset; }
    void SetTextOffset(int value);
    vcl::TAlignment TextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(vcl::TAlignment value);
    skinpaint::TacAnimatEvents AnimatEvents() const { return FAnimatEvents; }
    void SetAnimatEvents(skinpaint::TacAnimatEvents value) { FAnimatEvents = value; }
    skin::TsCtrlSkinData& SkinData() { return FSkinData; }
    // Called with the cache picture after each composition.
    TsPaintEvent OnPaint;
    void SetOnPaint(const TsPaintEvent& e) { OnPaint = e; }

    // --- state
    TButtonState State() const { return FState; }
    // 2 while held down or down in a group, 1 while hot, else 0.
    int PaintState() const;
    // The drop-down menu is showing.
    bool MenuDropped() const { return FMenuDropped; }
    // The running fade, null when none.
    skinpaint::TsAnimTimer* FadeAnimation() const { return FFade; }
    // The two rectangles of the layout in a state.
    gfx::TRect CaptionBounds(int state);
    gfx::TRect GlyphBounds(int state);
    // Composes the cache picture for the state shown now.
    void ComposePicture();
    // Composes when stale and shows the picture without waiting for a paint.
    void RedrawNow();

    void WndProc(vcl::TMessage& message) override;
    void Loaded() override;
    void SetParent(vcl::TWinControl* parent) override;
    void SetBounds(int left, int top, int width, int height) override;

protected:
    void Notification(vcl::TComponent* component, vcl::TOperation operation) override;
    void Paint() override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y) override;
    void MouseMove(vcl::TShiftState shift, int x, int y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y) override;

private:
    void BindToSkin();
    bool SkinCommand(vcl::TMessage& message);
    void MouseEntered(bool wasOver);
    void MouseLeft(bool wasOver);
    void EnabledChanged();
    void ButtonPressed(vcl::TMessage& message);
    void UpdateExclusive();
    void GlyphChanged();
    // A property that changes the look: a new picture at once.
    void LookChanged();

    // State changes and their fades.
    void ChangeState(skinpaint::TacAnimatEvent event, bool fast);
    void StartFade(bool fast);
    void StopFade();
    // The running fade and its frame fit the button.
    bool FadeShowing() const;

    int ArrowWidth() const { return FButtonStyle == tbsDropDown ? 16 : 0; }
    // A press that drops the menu instead of pressing the button.
    bool DropsMenu(int x) const;
    void DropMenu();

    TsButtonLayout LayoutFor(int state);
    void PaintDivider(gfx::TBitmap& picture, const skinpaint::ParentBackground& behind);
    void PaintArrowPart(gfx::TBitmap& picture, const skinpaint::ParentBackground& behind);
    void PaintCaption(gfx::TBitmap& picture, int state);
    void PaintGlyph(gfx::TBitmap& picture, int state);
    // The image list's picture at ImageIndex, when Glyph is empty; else null.
    const gfx::TBitmap* ListImage() const;
    void PaintUnskinned(gfx::TCanvas& canvas);

    skin::TsCtrlSkinData FSkinData;
    skinpaint::TsAnimTimer* FFade = nullptr;
    vcl::TPicture FGlyph;
    std::function<void()> FGlyphChangedBefore;

    TButtonState FState = bsUp;
    bool FDown = false;
    bool FDragging = false;
    bool FAllowAllUp = false;
    int FGroupIndex = 0;
    bool FFlat = false;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FNumGlyphs = 1;
    int FSpacing = 4;
    bool FTransparent = true;
    bool FHintsBefore = true;

    vcl::TAlignment FAlignment = vcl::taCenter;
    int FBlend = 0;
    TsButtonStyle FButtonStyle = tbsButton;
    vcl::TPopupMenu* FDropdownMenu = nullptr;
    bool FMenuDropped = false;
    unsigned FDisabledGlyphKind = dgBlended;
    unsigned FDisabledKind = skinpaint::dkBlended;
    bool FDrawOverBorder = true;
    bool FGrayed = false;
    vcl::TCustomImageList* FImages = nullptr;
    int FImageIndex = -1;
    bool FReflected = false;
    bool FShowCaption = true;
    int FTextOffset = 0;
    vcl::TAlignment FTextAlignment = vcl::taCenter;
    skinpaint::TacAnimatEvents FAnimatEvents = skinpaint::AnimatSet(skinpaint::aeGlobalDef);

    // What the picture was painted for: Down, NumGlyphs and Spacing.
    bool FDownPainted = false;
    int FNumGlyphsPainted = 1;
    int FSpacingPainted = 4;
};

}  // namespace controls
