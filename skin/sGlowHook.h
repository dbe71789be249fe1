#pragma once
// The glow windows around hovered controls are made by the painting layer;
// the binding and the manager start and remove them through the hook that
// layer sets here at start-up. Without a hook there are no glows: showing one
// does nothing and the handle stays -1.
#include "ui/Types.h"

namespace skin {

class TsCommonData;

class TsGlowHook {
public:
    virtual ~TsGlowHook() = default;
    // Shows or hides the glow of a skinned control according to its state
    // (its GlowHandle is updated). `fast` marks a press or release; `window`
    // stands for the control when the binding has none.
    virtual void UpdateControlGlow(TsCommonData& data, bool fast, ui::HWND window) = 0;
    // Frees one glow; -1, out-of-range and hidden handles are ignored.
    virtual void HideGlow(int handle) = 0;
    // Frees every glow; with `restore` the windows go at once.
    virtual void HideAllGlows(bool restore) = 0;
};

// The painting layer's hook; null (the start) shows no glows.
void SetGlowHook(TsGlowHook* hook);
TsGlowHook* GlowHook();

// Through the hook, nothing without one.
void UpdateControlGlow(TsCommonData& data, bool fast, ui::HWND window = nullptr);
void HideGlow(int handle);
void HideAllGlows(bool restore = false);

}  // namespace skin
