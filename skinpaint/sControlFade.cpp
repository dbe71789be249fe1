#include "skinpaint/sControlFade.h"

#include "skinpaint/sFadeBlend.h"
#include "vcl/TApplication.h"
#include "vcl/TControl.h"

namespace skinpaint {

TsControlFade::TsControlFade(skin::TsCommonData& data) : vcl::TTimer(data.HostControl), SkinData(&data) {
    SetEnabled(false);
    SetInterval(10);
    // Each tick goes to Timer; the framework arms only a timer with a handler.
    SetOnTimer([](vcl::TObject*) {});
}

TsControlFade::~TsControlFade() { *FAlive = false; }

bool TsControlFade::Ended() const {
    const vcl::TControl* control = SkinData ? SkinData->HostControl : nullptr;
    return !control || (ComponentState() & vcl::csDestroying) || (control->ComponentState() & vcl::csDestroying) ||
           vcl::Application->Terminated();
}

gfx::TBitmap* TsControlFade::CachePicture() const {
    gfx::TBitmap* cache = SkinData->CachePicture.get();
    return cache && !cache->Empty() ? cache : nullptr;
}

void TsControlFade::BlendFrame(gfx::TBitmap& frame) const {
    frame.Assign(StartPicture);
    frame.SetPixelFormat(gfx::pf32bit);
    if (const gfx::TBitmap* cache = CachePicture()) FadeBlend(frame, *cache, FadeAlpha(CurrentStep, FadeSteps));
}

ui::LRESULT TsControlFade::Send(uint16_t command, ui::LPARAM lParam) {
    return SkinData->HostControl->Perform(skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(command), lParam);
}

}  // namespace skinpaint
