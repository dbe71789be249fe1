#pragma once
// The skinned single-line edit. While it is neither focused nor under the
// mouse it shows a picture composed from its skin section (frame, background
// and text); while it is, the framework edit paints its text, caret and
// selection inside the skin's frame.
#include <memory>

#include "controls/sBoundLabel.h"
#include "skin/sCommonData.h"
#include "skinpaint/sDisabledLook.h"
#include "vcl/TEdit.h"

namespace controls {

class TsEdit : public vcl::TEdit {
public:
    explicit TsEdit(vcl::TComponent* owner);
    ~TsEdit() override;

    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // --- published
    // skinpaint::TsDisabledKind flags.
    unsigned DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(unsigned value);
    skin::TsCtrlSkinData& SkinData() { return FSkinData; }
    TsBoundLabel& BoundLabel() { return FBoundLabel; }

    // The inactive look into the binding's cache picture, in the hot look
    // while the binding counts the edit hot.
    void ComposePicture();
    // The pixels of the window frame the picture supplies around the client
    // area.
    int FrameWidth() const;

    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(vcl::TWinControl* parent) override;
    void Loaded() override;
    void WndProc(vcl::TMessage& message) override;

protected:
    void CreateWnd() override;
    void Change() override;

private:
    // Where the composed picture's text runs.
    vcl::TRect TextRect() const;
    void AlignFormattingRect();
    bool HandleSkinCommand(vcl::TMessage& message);
    bool HandlePaintMessage(vcl::TMessage& message);
    void Paint(vcl::TMessage& message);
    void PaintFrame();
    void PaintFromCache(gfx::TCanvas& dc);
    // Compose (always, or when stale), then bring the see-through corners up
    // to date.
    void PrepareFrame(bool compose);
    void UpdatePartlyCovered();
    void RequestFramePaint();
    void FollowLabel(const vcl::TMessage& message);

    skin::TsCtrlSkinData FSkinData;
    TsBoundLabel FBoundLabel;
    unsigned FDisabledKind = skinpaint::dkBlended;
};

}  // namespace controls
