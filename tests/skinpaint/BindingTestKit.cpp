#include "BindingTestKit.h"

#include "skin/sSkinCommands.h"
#include "ui/Headless.h"
#include "vcl/TApplication.h"

namespace painttest {

TBoundControl::TBoundControl(vcl::TWinControl* parent, const vcl::TRect& bounds)
    : vcl::TWinControl(parent), SkinData(this, true) {
    SetParent(parent);
    SetBoundsRect(bounds);
}

void TBoundControl::WndProc(vcl::TMessage& message) {
    if (AnswerBackground && message.Msg == skin::SKIN_COMMAND_MESSAGE &&
        skin::SkinCommandOf(message.WParam) == skin::SKC_GET_BACKGROUND) {
        AnswerBackground(*reinterpret_cast<skin::BackgroundRequest*>(message.LParam));
        return;
    }
    if (!SkinData.ProcessMessage(message)) vcl::TWinControl::WndProc(message);
}

TBindingScene::TFreshDesktop::TFreshDesktop() { ui::headless::Reset(400, 300); }

TBindingScene::TBindingScene(gfx::TBitmap master) : Skin(std::move(master), Manager), Form(vcl::Application) {}

}  // namespace painttest
