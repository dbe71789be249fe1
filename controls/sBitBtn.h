#pragma once
// The skinned push button: a real button window of the framework (focus,
// Space, default and cancel button, modal result, dialog keys) whose every
// look is composed in the binding's cache picture from what lies behind it,
// the section's item for its state, the caption and an optional glyph, and
// copied to the window in one piece. State changes fade.
#include <functional>

#include "controls/sBitBtnLayout.h"
#include "gfx/TBitmap.h"
#include "skin/sCommonData.h"
#include "skinpaint/sAnimatEvents.h"
#include "skinpaint/sDisabledLook.h"
#include "skinpaint/sFadeTimer.h"
#include "vcl/TButton.h"
#include "vcl/TImageList.h"

namespace controls {

class TsBitBtn : public vcl::TButton {
public:
    explicit TsBitBtn(vcl::TComponent* owner);
    ~TsBitBtn() override;

    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // --- published
    gfx::TBitmap& Glyph() { return FGlyph; }
    void SetGlyph(const gfx::TBitmap& value);
    // The glyph from an image list instead of Glyph, when the list holds
    // ImageIndex.
    vcl::TCustomImageList* Images() const { return FImages; }
    void SetImages(vcl::TCustomImageList* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    // -1: automatic.
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    vcl::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(vcl::TAlignment value);
    vcl::TAlignment TextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(vcl::TAlignment value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool value);
    int FocusMargin() const { return FFocusMargin; }
    void SetFocusMargin(int value);
    bool DrawOverBorder() const { return FDrawOverBorder; }
    void SetDrawOverBorder(bool value);
    // Drawn pressed for as long as it is set.
    bool Down() const { return FDown; }
    void SetDown(bool value);
    // 0..100; values outside are clamped.
    int Blend() const { return FBlend; }
    void SetBlend(int value);
    bool Grayed() const { return FGrayed; }
    void SetGrayed(bool value);
    // DisabledGlyphKind (dgBlended, dgGrayed).
    unsigned DisabledGlyphKind() const { return FDisabledGlyphKind; }
    void SetDisabledGlyphKind(unsigned value);
    unsigned DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(unsigned value);
    bool Reflected() const { return FReflected; }
    void SetReflected(bool value);
    skinpaint::TacAnimatEvents AnimatEvents() const { return FAnimatEvents; }
    void SetAnimatEvents(skinpaint::TacAnimatEvents value) { FAnimatEvents = value; }
    skin::TsCtrlSkinData& SkinData() { return FSkinData; }
    // Called with the cache picture after each composition.
    std::function<void(vcl::TObject*, gfx::TBitmap&)> OnPaint;

    // --- state
    // 0 normal, 1 hot (also the default button), 2 pressed.
    int PaintState() const;
    // The places of the last layout.
    const gfx::TRect& CaptionBounds() const { return FCaptionBounds; }
    gfx::TPoint GlyphOrigin() const { return FGlyphOrigin; }
    skinpaint::TsFadeTimer* FadeAnimation() const { return FFade; }

    void WndProc(vcl::TMessage& message) override;
    void Loaded() override;
    // Whatever invalidates the button changes its look.
    void Invalidate() override;

protected:
    void PaintWindow(ui::HDC dc) override;
    void Notification(vcl::TComponent* component, vcl::TOperation operation) override;

private:
    bool Skinned() const;
    bool ListGlyph() const;
    gfx::TSize GlyphSize() const;
    gfx::TSize TextSize(gfx::TCanvas& canvas, int glyphWidth) const;
    unsigned TextFormat() const;
    void ComposePicture();
    void PaintCaption(gfx::TBitmap& picture, int state);
    void Changed();
    bool SkinCommand(vcl::TMessage& message);
    bool SkinnedInput(vcl::TMessage& message);
    void ChangeState(skinpaint::TacAnimatEvent event, bool fast);
    void MouseReleased(vcl::TMessage& message);

    skin::TsCtrlSkinData FSkinData;
    skinpaint::TsFadeTimer* FFade = nullptr;
    gfx::TBitmap FGlyph;
    vcl::TCustomImageList* FImages = nullptr;
    int FImageIndex = -1;
    int FNumGlyphs = 1;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    int FSpacingPainted = 4;
    vcl::TAlignment FAlignment = vcl::taCenter;
    vcl::TAlignment FTextAlignment = vcl::taCenter;
    bool FShowCaption = true;
    bool FShowFocus = true;
    int FFocusMargin = 1;
    bool FDrawOverBorder = true;
    bool FDown = false;
    int FBlend = 0;
    bool FGrayed = false;
    unsigned FDisabledGlyphKind = 1;  // dgBlended
    unsigned FDisabledKind = skinpaint::dkBlended;
    bool FReflected = false;
    skinpaint::TacAnimatEvents FAnimatEvents = skinpaint::AnimatSet(skinpaint::aeGlobalDef);
    gfx::TRect FCaptionBounds;
    gfx::TPoint FGlyphOrigin;
    // A mouse button went down on the button and has not come up yet.
    bool FMousePressed = false;
    // The finished press is shown once more before its release fades.
    bool FForcePressed = false;
};

}  // namespace controls
