#pragma once
// Which state changes of a skinned control fade: the control's own
// AnimatEvents, or, through aeGlobalDef, the manager's button effects.
#include "skin/sSkinManager.h"
#include "vcl/LayoutValues.h"

namespace skinpaint {

enum TacAnimatEvent : int { aeMouseEnter = 0, aeMouseLeave = 1, aeMouseDown = 2, aeMouseUp = 3, aeGlobalDef = 4 };
// A set of TacAnimatEvent: bit (1 << event).
using TacAnimatEvents = unsigned;

constexpr TacAnimatEvents AnimatSet(TacAnimatEvent event) { return 1u << unsigned(event); }

// Whether event animates for a control with the set events. aeGlobalDef in
// the set hands each event not in it to the manager's
// AnimEffects.Buttons.Events at the same position; a null manager means the
// default one, and without any manager such an event does not animate.
bool AnimationAllowed(int event, TacAnimatEvents events, skin::TsSkinManager* manager = nullptr);

// The names stored layouts give the members of an AnimatEvents set.
const vcl::TIdentTable& AnimatEventNames();

}  // namespace skinpaint
