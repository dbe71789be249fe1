#pragma once
// The window animations of framed forms: showing, closing, minimising and
// restoring a form, and the move from the old look to the new one when a
// skin is applied to forms already shown. Each paints the whole window into
// one picture and animates that picture in a window of its own above the
// form, so that the form is never seen half drawn. Show, minimise, restore
// and skin change run at once, a step every 12 ms; the hide is timer-driven
// (acHideTimer.h).
#include <functional>

#include "skin/sAnimEffects.h"
#include "ui/Types.h"
#include "vcl/TControl.h"

namespace skinpaint {

class TsSkinProvider;

// The form, not yet visible, is about to be shown: its picture fades in (and,
// in atAero mode, grows from three quarters of its size) to targetOpacity.
// The picture stays over the form's place until FinishFormShow.
void AnimateFormShow(TsSkinProvider& provider, int time, int targetOpacity, skin::TacAnimType mode);
// The form has become visible: it is drawn at once behind its picture, which
// then goes.
void FinishFormShow(TsSkinProvider& provider);

// A frozen form (redraw off) moves to the look of the new skin and is thawed
// and redrawn completely. With layered windows the new picture fades in over
// the old look; without, a cover window mixes the old look into the new.
void AnimateSkinChange(ui::HWND form, int time, int targetOpacity, skin::TacAnimType mode);

// The frame's messages that animate its form: a show (WM_WINDOWPOSCHANGING
// and WM_WINDOWPOSCHANGED with the show flag), a close (WM_CLOSE) and the system commands minimise
// and restore. `previous` is the form's own handling of the message, run
// inside at the right moment. False when nothing animates; previous has not
// run then.
bool AnimateFrameMessage(TsSkinProvider& provider, vcl::TMessage& message, const std::function<void()>& previous);

// The manager's skin change plays through AnimateSkinChange from now on.
void InstallWindowAnimations();

}  // namespace skinpaint
