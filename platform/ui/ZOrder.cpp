#include "ui/ZOrder.h"

#include <algorithm>

#include "ui/Styles.h"
#include "ui/Tree.h"

namespace ui {

namespace {

bool Topmost(HWND h) {
    const TWindow* w = Sys().Find(h);
    return w && (w->ExStyle & WS_EX_TOPMOST);
}

// The first place below the topmost band.
size_t NormalBandStart(const std::vector<HWND>& list) {
    size_t i = 0;
    while (i < list.size() && Topmost(list[i])) ++i;
    return i;
}

}  // namespace

void LinkWindow(TWindow& w, HWND insertAfter) {
    std::vector<HWND>& list = SiblingsOf(w);
    const bool topLevel = w.TopLevel();
    size_t at = 0;
    if (insertAfter == HWND_TOPMOST) {
        if (topLevel) w.ExStyle |= WS_EX_TOPMOST;
        at = 0;
    } else if (insertAfter == HWND_NOTOPMOST) {
        w.ExStyle &= ~WS_EX_TOPMOST;
        at = topLevel ? NormalBandStart(list) : 0;
    } else if (insertAfter == HWND_BOTTOM) {
        w.ExStyle &= ~WS_EX_TOPMOST;
        at = list.size();
    } else if (insertAfter == HWND_TOP || std::find(list.begin(), list.end(), insertAfter) == list.end()) {
        at = topLevel && !(w.ExStyle & WS_EX_TOPMOST) ? NormalBandStart(list) : 0;
    } else {
        at = size_t(std::find(list.begin(), list.end(), insertAfter) - list.begin()) + 1;
        if (topLevel) {
            if (Topmost(insertAfter)) w.ExStyle |= WS_EX_TOPMOST;
            else w.ExStyle &= ~WS_EX_TOPMOST;
        }
    }
    if (!topLevel) w.ExStyle &= ~WS_EX_TOPMOST;
    list.insert(list.begin() + long(std::min(at, list.size())), w.Handle);
}

void UnlinkWindow(TWindow& w) {
    std::vector<HWND>& list = SiblingsOf(w);
    list.erase(std::remove(list.begin(), list.end(), w.Handle), list.end());
}

bool PlaceWindow(TWindow& w, HWND insertAfter) {
    if (insertAfter == w.Handle) return false;
    const std::vector<HWND> before = SiblingsOf(w);
    const DWORD exBefore = w.ExStyle;
    UnlinkWindow(w);
    LinkWindow(w, insertAfter);
    return SiblingsOf(w) != before || w.ExStyle != exBefore;
}

void RaiseOwnedWindows(TWindow& w) {
    if (!w.TopLevel()) return;
    std::vector<HWND>& list = Sys().TopLevels;
    std::vector<HWND> owned;  // topmost first; only those in the owner's band
    for (HWND h : list) {
        const TWindow* o = Sys().Find(h);
        if (o && o->Owner == w.Handle && Topmost(h) == Topmost(w.Handle)) owned.push_back(h);
    }
    // Each goes directly above the owner, the highest first, so that the
    // owned windows keep their order among themselves.
    for (HWND h : owned) {
        UnlinkWindow(*Sys().Find(h));
        list.insert(std::find(list.begin(), list.end(), w.Handle), h);
    }
    for (HWND h : owned) RaiseOwnedWindows(*Sys().Find(h));
}

}  // namespace ui
