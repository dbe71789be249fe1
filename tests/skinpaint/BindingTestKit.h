#pragma once
// Skinned controls on a headless form, for the painters that take a control's
// binding: the binding sees each message first, and a control can answer its
// children's background requests with what a test chooses.
#include <functional>
#include <string>

#include "PaintTestKit.h"
#include "skin/sBackgroundRequest.h"
#include "skin/sCommonData.h"
#include "skin/sSkinManager.h"
#include "vcl/TCustomForm.h"
#include "vcl/TWinControl.h"

namespace painttest {

class TBoundControl : public vcl::TWinControl {
public:
    TBoundControl(vcl::TWinControl* parent, const vcl::TRect& bounds);
    void WndProc(vcl::TMessage& message) override;

    skin::TsCtrlSkinData SkinData;
    // When set, answers the children's background requests instead of the binding.
    std::function<void(skin::BackgroundRequest&)> AnswerBackground;
};

// A fresh headless desktop, a skin manager (the default one while it lives)
// whose tables the test fills through Skin, and a form for the controls.
class TBindingScene {
    struct TFreshDesktop {
        TFreshDesktop();
    } FDesktop;

public:
    explicit TBindingScene(gfx::TBitmap master = Filled(1, 1, 0));
    skin::TsSkinManager Manager{nullptr};
    TTestSkin Skin;
    vcl::TForm Form;
};

}  // namespace painttest
