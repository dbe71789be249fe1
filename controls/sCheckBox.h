#pragma once
// The skinned check box: the framework's check box state and toggling, its
// whole look composed in the binding's cache picture from what lies behind
// it, the skin's box glyph for the state and the caption in the skin's font
// colours; hover, press and check changes fade.
#include <memory>

#include "gfx/TBitmap.h"
#include "skin/sCommonData.h"
#include "skinpaint/sAnimatEvents.h"
#include "skinpaint/sDisabledLook.h"
#include "skinpaint/sFadeTimer.h"
#include "vcl/TCheckBox.h"
#include "vcl/TImageList.h"

namespace controls {

class TsCheckBox : public vcl::TCheckBox {
public:
    explicit TsCheckBox(vcl::TComponent* owner);
    ~TsCheckBox() override;

    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // --- published
    skinpaint::TacAnimatEvents AnimatEvents() const { return FAnimatEvents; }
    void SetAnimatEvents(skinpaint::TacAnimatEvents value) { FAnimatEvents = value; }
    unsigned DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(unsigned value);
    // Own box pictures, one or more frames (normal, hot, pressed) side by side.
    const gfx::TBitmap& GlyphChecked() const { return FGlyphChecked; }
    void SetGlyphChecked(const gfx::TBitmap& value);
    const gfx::TBitmap& GlyphUnChecked() const { return FGlyphUnChecked; }
    void SetGlyphUnChecked(const gfx::TBitmap& value);
    // The box from an image list: ImgChecked when checked, else ImgUnchecked,
    // when both are 0 or more.
    vcl::TCustomImageList* Images() const { return FImages; }
    void SetImages(vcl::TCustomImageList* value);
    int ImgChecked() const { return FImgChecked; }
    void SetImgChecked(int value);
    int ImgUnchecked() const { return FImgUnchecked; }
    void SetImgUnchecked(int value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool value);
    int TextIndent() const { return FTextIndent; }
    void SetTextIndent(int value);
    skin::TsCommonData& SkinData() { return FSkinData; }

    // --- state
    // The left button or Space is held down on the check box.
    bool HeldDown() const { return FHeldDown; }
    // The running fade, null when none.
    skinpaint::TsFadeTimer* FadeAnimation() const { return FFade; }

    void Click() override;
    void WndProc(vcl::TMessage& message) override;
    void Loaded() override;

protected:
    void AdjustSize() override;
    void Notification(vcl::TComponent* component, vcl::TOperation operation) override;
    // Unchecked, checked, grayed (only with AllowGrayed), unchecked.
    void ButtonClicked() override;
    void PaintWindow(ui::HDC dc) override;

private:
    struct TBoxPicture;
    struct TCaptionPlace;

    TBoxPicture BoxPicture() const;
    gfx::TRect BoxRect(const TBoxPicture& box) const;
    TCaptionPlace CaptionPlace(gfx::TCanvas& canvas, const TBoxPicture& box) const;
    void ComposePicture();
    void PaintBox(const TBoxPicture& box, int frame);
    bool Active() const;
    bool Skinned() const;
    void PictureChanged();
    bool SkinCommand(vcl::TMessage& message);
    bool SkinnedInput(vcl::TMessage& message);
    void Release(vcl::TMessage& message);
    void ChangeState(skinpaint::TacAnimatEvent event, bool fast);

    skin::TsCommonData FSkinData;
    skinpaint::TsFadeTimer* FFade = nullptr;
    skinpaint::TacAnimatEvents FAnimatEvents = skinpaint::AnimatSet(skinpaint::aeGlobalDef);
    unsigned FDisabledKind = skinpaint::dkBlended;
    gfx::TBitmap FGlyphChecked;
    gfx::TBitmap FGlyphUnChecked;
    vcl::TCustomImageList* FImages = nullptr;
    int FImgChecked = -1;
    int FImgUnchecked = -1;
    int FMargin = 2;
    bool FReadOnly = false;
    bool FShowFocus = true;
    int FTextIndent = 0;
    bool FHeldDown = false;
};

}  // namespace controls
