#pragma once
// The in-memory desktop: nothing is shown anywhere, the compositor draws the
// windows on demand, and input comes from the test (Headless.h).
#include <string>

#include "ui/Backend.h"
#include "ui/InputEvents.h"

namespace ui {

class THeadlessBackend : public TBackend {
public:
    explicit THeadlessBackend(TSize screen);

    const char* Name() const override { return "headless"; }
    TSize ScreenSize() override { return FScreen; }
    TRect WorkArea() override { return {0, 0, FScreen.cx, FScreen.cy}; }
    bool LayeredWindowsAvailable() override { return FLayered; }

    void Created(TWindow&) override {}
    void Destroyed(HWND) override {}
    void Changed(TWindow&, unsigned) override {}
    void Restacked() override {}
    void Present(TWindow&, const TRect&) override {}
    void Activated(HWND) override {}

    void SetCursor(HCURSOR cursor) override { FCursor = cursor; }
    TPoint CursorPos() override { return FCursorPos; }
    void SetCursorPos(TPoint pos) override;
    void CaptureChanged(HWND) override {}

    int EventFd() override { return -1; }
    bool HasPendingEvents() override { return false; }
    void DispatchEvents() override {}

    void SetClipboardText(const std::string& text) override { FClipboard = text, FHasClipboard = true; }
    std::string GetClipboardText() override { return FClipboard; }
    bool HasClipboardText() override { return FHasClipboard; }

    void Inject(const TMouseInput& input);
    void Inject(const TKeyInput& input);
    void SetLayeredAvailable(bool on) { FLayered = on; }
    HCURSOR Cursor() const { return FCursor; }

private:
    TSize FScreen;
    bool FLayered = true;
    HCURSOR FCursor = nullptr;
    TPoint FCursorPos;
    std::string FClipboard;
    bool FHasClipboard = false;
};

}  // namespace ui
