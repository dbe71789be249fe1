#pragma once
// The caption label an edit-like control can carry: while active, a label on
// the control's parent placed beside the control by Layout and Indent, that
// follows the control's moves, visibility and enabled state.
#include <string>

#include "controls/sLabel.h"
#include "vcl/TFont.h"
#include "vcl/TPersistent.h"

namespace vcl {
class TWinControl;
}
namespace skin {
class TsCommonData;
}

namespace controls {

enum TsCaptionLayout {
    sclLeft,
    sclTopLeft,
    sclTopCenter,
    sclTopRight,
    sclLeftTop,
    sclBottomLeft,
    sclBottomCenter,
    sclBottomRight
};

class TsBoundLabel;

// The label a bound label makes: it tells its bound label when it goes.
class TsEditLabel : public TsLabel {
public:
    TsEditLabel(vcl::TComponent* owner, TsBoundLabel& boundLabel);
    ~TsEditLabel() override;
    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }
    TsBoundLabel* BoundLabel() const { return FBoundLabel; }
    void Detach() { FBoundLabel = nullptr; }
    // A change of font re-places the label beside its edit.
    void WndProc(vcl::TMessage& message) override;

private:
    TsBoundLabel* FBoundLabel;
};

class TsBoundLabel : public vcl::TPersistent {
public:
    // edit: the control the label stands beside; binding: the edit's.
    TsBoundLabel(vcl::TWinControl& edit, skin::TsCommonData& binding);
    ~TsBoundLabel() override;

    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // --- published
    bool Active() const { return FLabel != nullptr; }
    // Makes and places the label, or frees it.
    void SetActive(bool value);
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    int Indent() const { return FIndent; }
    void SetIndent(int value);
    TsCaptionLayout Layout() const { return FLayout; }
    void SetLayout(TsCaptionLayout value);
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int value);
    // The label's font while there is a label, else the one it will get.
    vcl::TFont& Font();
    // The label's; true while there is none.
    bool UseSkinColor() const;
    void SetUseSkinColor(bool value);

    TsEditLabel* Label() const { return FLabel; }
    skin::TsCommonData& CommonData() const { return FBinding; }

    // Puts the label beside the edit (nothing while the label is hidden).
    void AlignLabel();
    // The edit moved, was shown or hidden, or enabled or disabled; a disabled
    // edit whose disabled look does not blend leaves its label enabled.
    void EditMoved() { AlignLabel(); }
    void EditParentChanged();
    void EditVisibilityChanged();
    void EditEnabledChanged(bool blendsWhenDisabled);
    // From the label's destructor.
    void LabelFreed() { FLabel = nullptr; }

private:
    // Caption, alignment, font and place of the label after a change.
    void UpdateLabel();

    vcl::TWinControl& FEdit;
    skin::TsCommonData& FBinding;
    TsEditLabel* FLabel = nullptr;
    std::string FCaption;
    int FIndent = 0;
    TsCaptionLayout FLayout = sclLeft;
    int FMaxWidth = 0;
    vcl::TFont FFont;
    // FFont was set before the label existed.
    bool FFontSet = false;
};

}  // namespace controls
