#pragma once
// The control adapter of a frame provider: it walks the provider's form and
// skins the standard controls the form is made of. A windowed control whose
// class name is in one of the manager's ThirdParty lists gets a window
// adapter (the first list naming the class decides which), a plain label
// turns transparent in the skin's text colour. What it changed is given back
// when the skin goes or the provider does.
#include <memory>
#include <string>
#include <vector>

#include "gfx/Colors.h"
#include "skin/sCommonData.h"
#include "skinpaint/acMainWnd.h"
#include "vcl/TComponent.h"

namespace vcl {
class TControl;
class TCustomLabel;
class TWinControl;
}  // namespace vcl

namespace skinpaint {

class TsSkinProvider;
class TacCtrlAdapter;

// A windowed control that was adapted.
struct TacAdapterItem {
    TacCtrlAdapter* Adapter = nullptr;
    vcl::TWinControl* Control = nullptr;
    std::unique_ptr<skin::TsCommonData> SkinData;
    std::unique_ptr<TacMainWnd> WinAdapter;
};
using TacAdapterItems = std::vector<std::unique_ptr<TacAdapterItem>>;

class TacCtrlAdapter : public vcl::TComponent {
public:
    explicit TacCtrlAdapter(TsSkinProvider& provider);
    ~TacCtrlAdapter() override;

    // Every suitable control of the container (none: the provider's form) and
    // of its windowed children.
    void AdaptChildren(vcl::TWinControl* container = nullptr);
    bool CanAdapt(vcl::TControl& control);
    // Creates or renews the control's item and its window adapter.
    void AdaptControl(vcl::TWinControl* control, const std::string& section);
    // The labels get their own colour and background back.
    void RestoreLabels();

    const TacAdapterItems& Items() const { return FItems; }

protected:
    void Notification(vcl::TComponent* component, vcl::TOperation operation) override;

private:
    struct TLabelItem {
        vcl::TCustomLabel* Label = nullptr;
        gfx::TColor Color = gfx::clWindowText;
        bool Opaque = false;
    };

    void Walk(vcl::TWinControl& container);
    void Consider(vcl::TControl& control);
    bool AttachAdapter(TacAdapterItem& item, vcl::TWinControl& control);
    // The first ThirdParty list holding the class name, -1 for none.
    int ListOf(const vcl::TControl& control) const;
    bool AskSkinItem(vcl::TControl& control);
    void MakeTransparent(vcl::TCustomLabel& label);
    void Watch(vcl::TComponent& component);
    skin::TsSkinManager* Manager() const;

    TsSkinProvider& FProvider;
    TacAdapterItems FItems;
    std::vector<TLabelItem> FLabels;
};

}  // namespace skinpaint
