#pragma once
// The skin editor's end of the live skin feed: a hidden window titled as the
// editor, which running programs announce their feed window to, and the
// sending of a skin to the announced window.
#include "skin/sSkinFeed.h"
#include "ui/Types.h"

namespace skinfeed {

class TSkinFeedEditor {
public:
    TSkinFeedEditor();
    ~TSkinFeedEditor();
    TSkinFeedEditor(const TSkinFeedEditor&) = delete;
    TSkinFeedEditor& operator=(const TSkinFeedEditor&) = delete;

    ui::HWND Handle() const { return FHandle; }
    // The window the program announced; null until one did.
    ui::HWND Target() const { return FTarget; }
    // Sends the skin to the announced window: 1 when the program took it, 0
    // when it refused it or nothing was announced.
    ui::LRESULT Send(const skin::TacSkinFeed& feed) const;

private:
    ui::LRESULT WndProc(ui::HWND hwnd, ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam);

    ui::HWND FHandle = nullptr;
    ui::HWND FTarget = nullptr;
};

}  // namespace skinfeed
