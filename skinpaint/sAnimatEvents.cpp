#include "skinpaint/sAnimatEvents.h"

namespace skinpaint {

bool AnimationAllowed(int event, TacAnimatEvents events, skin::TsSkinManager* manager) {
    // Only the first eight positions exist in the control's set.
    if (event < 0 || event > 7) return false;
    if (events & (1u << unsigned(event))) return true;
    if (!(events & AnimatSet(aeGlobalDef))) return false;
    if (!manager) manager = skin::TsSkinManager::DefaultManager();
    return manager && (manager->AnimEffects().Buttons().Events() >> unsigned(event) & 1u);
}

const vcl::TIdentTable& AnimatEventNames() {
    static const vcl::TIdentTable names = {
        {"aeMouseEnter", AnimatSet(aeMouseEnter)}, {"aeMouseLeave", AnimatSet(aeMouseLeave)},
        {"aeMouseDown", AnimatSet(aeMouseDown)},   {"aeMouseUp", AnimatSet(aeMouseUp)},
        {"aeGlobalDef", AnimatSet(aeGlobalDef)},
    };
    return names;
}

}  // namespace skinpaint
