#pragma once
// The skinned label: a transparent framework label whose text takes its
// colour from the skin (the section its parent gives fonts from, else the
// skin's own text colour), optionally over a section of its own, and whose
// disabled text is mixed with what lies behind it.
#include <string>

#include "vcl/TLabel.h"

namespace controls {

class TsCustomLabel : public vcl::TCustomLabel {
public:
    explicit TsCustomLabel(vcl::TComponent* owner);

    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // A section painted behind the text, whose text colour the label takes;
    // empty for none.
    const std::string& SkinSection() const { return FSkinSection; }
    void SetSkinSection(const std::string& value);
    bool UseSkinColor() const { return FUseSkinColor; }
    void SetUseSkinColor(bool value);

    void WndProc(vcl::TMessage& message) override;

protected:
    void Paint() override;
    void DoDrawText(vcl::TRect& rect, unsigned flags) override;

private:
    // Font.Color from the skin, and the own section's item behind the text.
    void ApplySkin();
    // What disabled text is mixed with: the skinned parent's colour for its
    // children, else the parent's own colour.
    gfx::TColor BackgroundForText();

    std::string FSkinSection;
    bool FUseSkinColor = true;
};

class TsLabel : public TsCustomLabel {
public:
    using TsCustomLabel::TsCustomLabel;
    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }
};

}  // namespace controls
