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
    DeliverMouse(input);
}

void THeadlessBackend::Inject(const TKeyInput& input) { DeliverKey(input); }

}  // namespace ui
