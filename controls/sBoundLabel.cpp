#include "controls/sBoundLabel.h"

#include "vcl/TClassBuilder.h"
#include "vcl/TWinControl.h"

namespace controls {

const vcl::TClassInfo& TsEditLabel::StaticClass() {
    static const vcl::TClassInfo& info = vcl::TClassBuilder<TsEditLabel>("TsEditLabel", TsLabel::StaticClass()).Build();
    return info;
}

TsEditLabel::TsEditLabel(vcl::TComponent* owner, TsBoundLabel& boundLabel) : TsLabel(owner), FBoundLabel(&boundLabel) {}

TsEditLabel::~TsEditLabel() {
    if (FBoundLabel) FBoundLabel->LabelFreed();
}

void TsEditLabel::WndProc(vcl::TMessage& message) {
    const int width = Width(), height = Height();
    TsLabel::WndProc(message);
    if (message.Msg == vcl::CM_FONTCHANGED && FBoundLabel && (Width() != width || Height() != height))
        FBoundLabel->AlignLabel();
}

const vcl::TClassInfo& TsBoundLabel::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TsBoundLabel>("TsBoundLabel", vcl::TPersistent::StaticClass())
            .Bool("Active", &TsBoundLabel::SetActive)
            .String("Caption", &TsBoundLabel::SetCaption)
            .Int("Indent", &TsBoundLabel::SetIndent)
            .Object("Font", &TsBoundLabel::Font)
            .Enum("Layout", &TsBoundLabel::SetLayout,
                  {{"sclLeft", sclLeft},
                   {"sclTopLeft", sclTopLeft},
                   {"sclTopCenter", sclTopCenter},
                   {"sclTopRight", sclTopRight},
                   {"sclLeftTop", sclLeftTop},
                   {"sclBottomLeft", sclBottomLeft},
                   {"sclBottomCenter", sclBottomCenter},
                   {"sclBottomRight", sclBottomRight}})
            .Int("MaxWidth", &TsBoundLabel::SetMaxWidth)
            .Bool("UseSkinColor", &TsBoundLabel::SetUseSkinColor)
            .Build();
    return info;
}

TsBoundLabel::TsBoundLabel(vcl::TWinControl& edit, skin::TsCommonData& binding) : FEdit(edit), FBinding(binding) {
    FFont.OnChange = [this] { FFontSet = true; };
}

TsBoundLabel::~TsBoundLabel() { SetActive(false); }

void TsBoundLabel::SetActive(bool value) {
    if (value == Active()) return;
    if (!value) {
        TsEditLabel* label = FLabel;
        FLabel = nullptr;
        label->Detach();
        label->Free();
        return;
    }
    FLabel = new TsEditLabel(&FEdit, *this);
    FLabel->SetVisible(false);
    // Without a font of its own the label takes its parent's.
    if (FFontSet) FLabel->Font().Assign(FFont);
    FLabel->SetParent(FEdit.Parent());
    FLabel->SetFocusControl(&FEdit);
    if (!FEdit.Name().empty()) FLabel->SetName(FEdit.Name() + "Label");
    FLabel->SetAutoSize(true);
    FLabel->SetEnabled(FEdit.Enabled());
    UpdateLabel();
    FLabel->SetVisible(FEdit.Visible() || (FEdit.ComponentState() & vcl::csDesigning));
    AlignLabel();
}

void TsBoundLabel::UpdateLabel() {
    if (!FLabel) return;
    switch (FLayout) {
        case sclLeft:
        case sclTopRight:
        case sclBottomRight: FLabel->SetAlignment(vcl::taRightJustify); break;
        case sclTopCenter:
        case sclBottomCenter: FLabel->SetAlignment(vcl::taCenter); break;
        default: FLabel->SetAlignment(vcl::taLeftJustify); break;
    }
    FLabel->SetCaption(FCaption.empty() ? FEdit.Name() : FCaption);
    AlignLabel();
}

void TsBoundLabel::SetCaption(const std::string& value) {
    FCaption = value;
    UpdateLabel();
}

void TsBoundLabel::SetIndent(int value) {
    FIndent = value;
    UpdateLabel();
}

void TsBoundLabel::SetLayout(TsCaptionLayout value) {
    FLayout = value;
    UpdateLabel();
}

void TsBoundLabel::SetMaxWidth(int value) {
    FMaxWidth = value;
    UpdateLabel();
}

vcl::TFont& TsBoundLabel::Font() { return FLabel ? FLabel->Font() : FFont; }

bool TsBoundLabel::UseSkinColor() const { return !FLabel || FLabel->UseSkinColor(); }

void TsBoundLabel::SetUseSkinColor(bool value) {
    if (FLabel) FLabel->SetUseSkinColor(value);
}

void TsBoundLabel::AlignLabel() {
    if (!FLabel || !FLabel->Visible()) return;
    FLabel->Constraints().MaxWidth = FMaxWidth;
    FLabel->SetWidth(FLabel->Width());
    const vcl::TRect e = FEdit.BoundsRect();
    const int w = FLabel->Width(), h = FLabel->Height();
    // C++ division truncates toward zero, as the placing rules want.
    const int left = e.Left, centre = e.Left + (e.Width() - w) / 2, right = e.Right - w;
    const int beside = e.Left - w - FIndent - 4, above = e.Top - h - FIndent, below = e.Bottom + FIndent;
    switch (FLayout) {
        case sclLeft: FLabel->SetBounds(beside, e.Top + (e.Height() - h) / 2 - 1, w, h); break;
        case sclTopLeft: FLabel->SetBounds(left, above, w, h); break;
        case sclTopCenter: FLabel->SetBounds(centre, above, w, h); break;
        case sclTopRight: FLabel->SetBounds(right, above, w, h); break;
        case sclLeftTop: FLabel->SetBounds(beside, e.Top + 3, w, h); break;
        case sclBottomLeft: FLabel->SetBounds(left, below, w, h); break;
        case sclBottomCenter: FLabel->SetBounds(centre, below, w, h); break;
        case sclBottomRight: FLabel->SetBounds(right, below, w, h); break;
    }
    FLabel->SetParent(FEdit.Parent());
    if (FMaxWidth != 0) FLabel->SetWordWrap(FLabel->Width() >= FMaxWidth - 4);
}

void TsBoundLabel::EditParentChanged() {
    if (!FLabel) return;
    FLabel->SetParent(FEdit.Parent());
    AlignLabel();
}

void TsBoundLabel::EditVisibilityChanged() {
    if (!FLabel) return;
    FLabel->SetVisible(FEdit.Visible());
    AlignLabel();
}

void TsBoundLabel::EditEnabledChanged(bool blendsWhenDisabled) {
    if (FLabel) FLabel->SetEnabled(FEdit.Enabled() || !blendsWhenDisabled);
}

}  // namespace controls
