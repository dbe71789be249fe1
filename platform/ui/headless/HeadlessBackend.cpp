#include "ui/headless/HeadlessBackend.h"

namespace ui {

THeadlessBackend::THeadlessBackend(TSize screen) : FScreen(screen) {}

void THeadlessBackend::SetCursorPos(TPoint pos) {
    TMouseInput move;
    move.Screen = pos;
    Inject(move);
}

void THeadlessBackend::Inject(const TMouseInput& input) {
    if (input.Kind != TMouseInput::Leave) FCursorPos = input.Screen;
    FPending.push_back(input);
}

void THeadlessBackend::Inject(const TKeyInput& input) { FPending.push_back(input); }

void THeadlessBackend::DispatchEvents() {
    // One at a time: delivering an event may run a window procedure that
    // pumps messages itself.
    while (!FPending.empty()) {
        const auto event = FPending.front();
        FPending.pop_front();
        if (const auto* mouse = std::get_if<TMouseInput>(&event)) DeliverMouse(*mouse);
        else DeliverKey(std::get<TKeyInput>(event));
    }
}

}  // namespace ui
