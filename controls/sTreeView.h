#pragma once
// The skinned tree view: the framework's tree view bound to a skin section
// ("EDIT" unless named otherwise). Its window frame is the section's item,
// composed in the binding's cache picture and copied as a ring around the
// client area; the client area takes the section's colour and font colour,
// on which the framework draws lines, buttons, icons and texts. A bound label
// can stand beside it.
#include "controls/sBoundLabel.h"
#include "skin/sCommonData.h"
#include "vcl/TTreeView.h"

namespace controls {

class TsTreeView : public vcl::TTreeView {
public:
    explicit TsTreeView(vcl::TComponent* owner);
    ~TsTreeView() override;

    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // --- published
    skin::TsCtrlSkinData& SkinData() { return FSkinData; }
    TsBoundLabel& BoundLabel() { return FBoundLabel; }

    // The whole window's look (frame and background) into the cache picture.
    void ComposePicture();
    int FrameWidth() const;

    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(vcl::TWinControl* parent) override;
    void Loaded() override;
    void WndProc(vcl::TMessage& message) override;

protected:
    void CreateWnd() override;

private:
    void PaintFrame();
    bool HandleSkinned(vcl::TMessage& message);

    skin::TsCtrlSkinData FSkinData;
    TsBoundLabel FBoundLabel;
};

}  // namespace controls
