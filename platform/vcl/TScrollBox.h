#pragma once
// A scroll box: a container whose children may reach beyond its client
// area; scroll bars appear as they are needed and move the children.
#include "vcl/TWinControl.h"
#include "vcl/WindowScrollBars.h"

namespace vcl {

// A scroll bar of a scrolling container as layouts set it: the range (0
// means the children's extent), the step of its arrows, and whether the
// content follows the thumb while it is dragged.
class TControlScrollBar : public TPersistent {
public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }
    void SetRange(int value) { Range = value; }
    void SetIncrement(int value) { Increment = value; }
    void SetTracking(bool value) { Tracking = value; }
    void SetVisible(bool value) { Visible = value; }

    int Range = 0;
    int Increment = 8;
    bool Tracking = false;
    bool Visible = true;
};

class TScrollBox : public TWinControl {
public:
    explicit TScrollBox(TComponent* owner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TControlScrollBar& HorzScrollBar() { return FHorz; }
    TControlScrollBar& VertScrollBar() { return FVert; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // How far the content is scrolled.
    TPoint ScrollPos() const { return {FBars.Position(sbHorizontal), FBars.Position(sbVertical)}; }
    void ScrollInView(TControl* control);
    // The ranges follow the children's extent.
    void UpdateScrollRanges();

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void AlignControls(TControl* control, TRect& rect) override;

private:
    void ScrollTo(TPoint position);

    TControlScrollBar FHorz;
    TControlScrollBar FVert;
    TBorderStyle FBorderStyle = bsSingleBorder;
    TWindowScrollBars FBars{*this};
    TPoint FShown;  // the scroll position the children stand at
    bool FUpdating = false;
};

}  // namespace vcl
