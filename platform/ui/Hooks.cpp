#include "ui/Hooks.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "ui/Tree.h"

namespace ui {

namespace {

struct THook {
    HHOOK Handle = nullptr;
    HOOKPROC Proc;
};

// Newest first. Shared pointers, so that a hook removed while the chain runs
// stays callable until its call returns.
std::vector<std::shared_ptr<THook>> gHooks;
uintptr_t gLastHook = 0;

LRESULT CallFrom(size_t index, int code, WPARAM wParam, LPARAM lParam) {
    if (index >= gHooks.size()) return 0;
    const std::shared_ptr<THook> hook = gHooks[index];
    return hook->Proc(code, wParam, lParam);
}

}  // namespace

HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc) {
    if (idHook != WH_CBT || !proc || !OnMainThread()) return nullptr;
    auto hook = std::make_shared<THook>();
    hook->Handle = reinterpret_cast<HHOOK>(++gLastHook);
    hook->Proc = std::move(proc);
    gHooks.insert(gHooks.begin(), hook);
    return hook->Handle;
}

bool UnhookWindowsHookEx(HHOOK hook) {
    const auto it = std::find_if(gHooks.begin(), gHooks.end(), [hook](const auto& h) { return h->Handle == hook; });
    if (it == gHooks.end()) return false;
    gHooks.erase(it);
    return true;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    const auto it = std::find_if(gHooks.begin(), gHooks.end(), [hook](const auto& h) { return h->Handle == hook; });
    return it == gHooks.end() ? 0 : CallFrom(size_t(it - gHooks.begin()) + 1, code, wParam, lParam);
}

LRESULT CallCbtHooks(int code, WPARAM wParam, LPARAM lParam) { return CallFrom(0, code, wParam, lParam); }

}  // namespace ui
