#pragma once
// The per-user channel between processes (for the window system's own
// files).
#include <string>

#include "ui/Types.h"

namespace ui {

// Starts listening, once; without a usable folder the channel stays off.
void ChannelListen();
// The listening socket for the loop's wait, -1 when not listening.
int ChannelFd();
// Answers every request that waits; returns whether there was one.
bool ChannelServe();
// To a window of another process; 0 (or false) when it cannot be reached
// within a few seconds or refuses the message.
LRESULT ChannelSend(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
bool ChannelPost(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Asks every other process of ours for a top-level window.
HWND ChannelFind(const std::string& className, const std::string& title);

}  // namespace ui
