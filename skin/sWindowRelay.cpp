#include "skin/sWindowRelay.h"

#include "ui/MessageLoop.h"
#include "ui/Messages.h"

namespace skin {

TacWindowRelay::TacWindowRelay(ui::HWND window, THandler handler) : FHandler(std::move(handler)), FWindow(window) {
    FPrevious = ui::SetWindowProc(window, Proc());
}

void TacWindowRelay::Release(std::unique_ptr<TacWindowRelay>& relay) {
    if (!relay) return;
    relay->FHandler = nullptr;
    if (ui::IsWindow(relay->FWindow) && ui::GetWindowProc(relay->FWindow) != relay->Proc()) {
        static_cast<void>(relay.release());
        return;
    }
    if (ui::IsWindow(relay->FWindow)) ui::SetWindowProc(relay->FWindow, relay->FPrevious);
    relay.reset();
}

ui::LRESULT TacWindowRelay::WndProc(ui::HWND hwnd, ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam) {
    ui::LRESULT result = 0;
    if (FHandler && FHandler(msg, wParam, lParam, result)) return result;
    const ui::TWndProc previous = FPrevious;
    result = ui::CallWindowProc(previous, hwnd, msg, wParam, lParam);
    if (msg == ui::WM_NCDESTROY && !FHandler) delete this;
    return result;
}

}  // namespace skin
