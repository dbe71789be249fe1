#include "ui/Headless.h"

#include <fstream>

#include "gfx/ImageCodecs.h"
#include "ui/MessageLoop.h"
#include "ui/Tree.h"
#include "ui/headless/Compositor.h"
#include "ui/headless/HeadlessBackend.h"

namespace ui::headless {

namespace {

THeadlessBackend* Desktop() { return dynamic_cast<THeadlessBackend*>(&Sys().Backend()); }

void Inject(const TMouseInput& input) {
    if (THeadlessBackend* d = Desktop()) d->Inject(input);
}

void Button(TMouseInput::TKind kind, int button) {
    TMouseInput input;
    input.Kind = kind;
    input.Button = button;
    input.Screen = Sys().Mouse.Pos;
    if (THeadlessBackend* d = Desktop()) input.Screen = d->CursorPos();
    Inject(input);
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out);
}

}  // namespace

void Reset(int width, int height) {
    TWindowSystem& sys = Sys();
    sys.Reset();
    sys.SetBackend(std::make_unique<THeadlessBackend>(TSize{width, height}));
    sys.Clock.SetTestClock(true);
}

void SetTestClock(bool on) { Sys().Clock.SetTestClock(on); }

void AdvanceClock(int ms) {
    TWindowSystem& sys = Sys();
    ProcessPendingMessages();
    int64_t remaining = ms;
    while (remaining > 0) {
        const int64_t now = sys.Clock.Now();
        const int64_t due = sys.Timers.NextDue();
        const int64_t step = due < 0 || due - now > remaining ? remaining : std::max<int64_t>(due - now, 0);
        sys.Clock.Advance(step);
        remaining -= step;
        ProcessPendingMessages();
        if (step == 0 && sys.Timers.NextDue() <= sys.Clock.Now()) break;  // a timer the loop cannot take
    }
}

void SetLayeredAvailable(bool on) {
    if (THeadlessBackend* d = Desktop()) d->SetLayeredAvailable(on);
}

void MouseMove(int x, int y) {
    TMouseInput input;
    input.Screen = {x, y};
    Inject(input);
}

void MouseDown(int button) { Button(TMouseInput::ButtonDown, button); }

void MouseUp(int button) { Button(TMouseInput::ButtonUp, button); }

void Click(int x, int y, int button) {
    MouseMove(x, y);
    MouseDown(button);
    MouseUp(button);
}

void Wheel(int delta) {
    TMouseInput input;
    input.Kind = TMouseInput::Wheel;
    input.WheelDelta = delta;
    if (THeadlessBackend* d = Desktop()) input.Screen = d->CursorPos();
    Inject(input);
}

void MouseLeave() {
    TMouseInput input;
    input.Kind = TMouseInput::Leave;
    Inject(input);
}

void KeyDown(UINT vk, unsigned char ch) {
    if (THeadlessBackend* d = Desktop()) d->Inject(TKeyInput{true, vk, ch});
}

void KeyUp(UINT vk) {
    if (THeadlessBackend* d = Desktop()) d->Inject(TKeyInput{false, vk, 0});
}

void KeyPress(UINT vk, unsigned char ch) {
    KeyDown(vk, ch);
    KeyUp(vk);
}

HCURSOR CurrentCursor() {
    THeadlessBackend* d = Desktop();
    return d ? d->Cursor() : nullptr;
}

gfx::TBitmap ComposeDesktop() { return ui::ComposeDesktop(Sys().Backend().ScreenSize()); }

gfx::TBitmap WindowImage(HWND hwnd) {
    const TWindow* w = Win(hwnd);
    return w ? WindowPicture(*w) : gfx::TBitmap();
}

bool SaveDesktopPng(const std::string& path) { return WriteFile(path, gfx::WritePng(ComposeDesktop())); }

bool SaveWindowPng(HWND hwnd, const std::string& path) {
    const gfx::TBitmap picture = WindowImage(hwnd);
    return !picture.Empty() && WriteFile(path, gfx::WritePng(picture));
}

}  // namespace ui::headless
