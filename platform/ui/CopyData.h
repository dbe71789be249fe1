#pragma once
// Windows of other processes of ours: finding a top-level window by title,
// and sending or posting it a message, WM_COPYDATA among them. Every process
// with windows listens on a socket in a folder of the user's own (mode 0700),
// so that no other user can reach them. A window handle names its process,
// so a handle passed to another process still leads back to its window.
//
// Messages that cross process borders carry numbers only: WM_COPYDATA (its
// bytes travel along), WM_NULL, WM_CLOSE and the program's own messages from
// WM_USER on. Any other message to another process is refused (0), since its
// parameters would point into memory the receiver does not have.
#include <string>

#include "ui/Types.h"

namespace ui {

// A top-level window with this class name (any case) and title (exact); an
// empty string matches any. Our own windows first, then other processes'.
HWND FindWindow(const std::string& className, const std::string& title);

}  // namespace ui
