#pragma once
// A window procedure the skin engine puts in front of a window's own, to see
// some of its messages first. A relay that is released while others have put
// their procedures in front of it cannot be taken out of the chain: it then
// only passes messages on and frees itself with the window.
#include <functional>
#include <memory>

#include "ui/Window.h"

namespace skin {

class TacWindowRelay {
public:
    // True when the handler answered the message (with `result`); otherwise
    // the window's procedure gets it.
    using THandler = std::function<bool(ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam, ui::LRESULT& result)>;

    TacWindowRelay(ui::HWND window, THandler handler);
    TacWindowRelay(const TacWindowRelay&) = delete;
    TacWindowRelay& operator=(const TacWindowRelay&) = delete;

    ui::HWND Window() const { return FWindow; }
    // Takes the relay out of the chain and frees it, or leaves it passing
    // messages on until its window goes.
    static void Release(std::unique_ptr<TacWindowRelay>& relay);

private:
    ~TacWindowRelay() = default;
    friend struct std::default_delete<TacWindowRelay>;
    ui::TWndProc Proc() { return ui::TWndProc::Method<TacWindowRelay, &TacWindowRelay::WndProc>(this); }
    ui::LRESULT WndProc(ui::HWND hwnd, ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam);

    THandler FHandler;
    ui::HWND FWindow;
    ui::TWndProc FPrevious;
};

}  // namespace skin
