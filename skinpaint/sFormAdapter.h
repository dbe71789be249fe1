#pragma once
// Skinning the windows the program does not skin itself: the manager's dialog
// hook hands each new form without a provider to the adapter set here.
#include "skin/sWindowAdapter.h"

namespace skinpaint {

// A form gets a frame provider (section FORM, no global colour, no skin
// menu), a menu window the menu window adapter (sMenuWindow.h); foreign
// dialogs are not adapted yet.
class TsFormAdapter : public skin::TsWindowAdapter {
public:
    std::unique_ptr<skin::TacProvider> AdaptForm(vcl::TCustomForm& form) override;
    std::unique_ptr<skin::TacProvider> AdaptDialog(ui::HWND dialog) override;
    std::unique_ptr<skin::TacProvider> AdaptMenuWindow(ui::HWND menuWindow) override;
};

// What the program calls once at start-up, before its windows are made: the
// window adapter and the glow windows of the painting layer.
void InstallSkinEngine();

}  // namespace skinpaint
