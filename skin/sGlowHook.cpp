#include "skin/sGlowHook.h"

namespace skin {

namespace {
TsGlowHook* TheHook = nullptr;
}

void SetGlowHook(TsGlowHook* hook) { TheHook = hook; }
TsGlowHook* GlowHook() { return TheHook; }

void UpdateControlGlow(TsCommonData& data, bool fast, ui::HWND window) {
    if (TheHook) TheHook->UpdateControlGlow(data, fast, window);
}

void HideGlow(int handle) {
    if (TheHook && handle >= 0) TheHook->HideGlow(handle);
}

void HideAllGlows(bool restore) {
    if (TheHook) TheHook->HideAllGlows(restore);
}

}  // namespace skin
