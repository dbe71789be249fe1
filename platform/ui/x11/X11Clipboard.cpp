#include "ui/x11/X11Clipboard.h"

#include <X11/Xatom.h>
#include <poll.h>

#include <algorithm>
#include <chrono>

#include "ui/x11/X11Text.h"

namespace ui {

TX11Clipboard::TX11Clipboard(Display* display, Window root)
    : FDisplay(display),
      FHelper(XCreateSimpleWindow(display, root, -10, -10, 1, 1, 0, 0, 0)),
      FClipboardAtom(XInternAtom(display, "CLIPBOARD", False)),
      FUtf8(XInternAtom(display, "UTF8_STRING", False)),
      FTargets(XInternAtom(display, "TARGETS", False)),
      FTextAtom(XInternAtom(display, "TEXT", False)),
      FIncr(XInternAtom(display, "INCR", False)),
      FProperty(XInternAtom(display, "KESTRUNE_CLIPBOARD", False)) {
    XSelectInput(FDisplay, FHelper, PropertyChangeMask);
}

TX11Clipboard::~TX11Clipboard() { XDestroyWindow(FDisplay, FHelper); }

bool TX11Clipboard::Handle(const XEvent& ev) {
    if (ev.type == SelectionRequest) {
        Answer(ev.xselectionrequest);
        return true;
    }
    if (ev.type == SelectionClear) {
        FOwn = false;
        return true;
    }
    return false;
}

void TX11Clipboard::SetText(const std::string& text) {
    FText = text;
    XSetSelectionOwner(FDisplay, FClipboardAtom, FHelper, CurrentTime);
    FOwn = XGetSelectionOwner(FDisplay, FClipboardAtom) == FHelper;
    XFlush(FDisplay);
}

void TX11Clipboard::Answer(const XSelectionRequestEvent& req) {
    XSelectionEvent reply{};
    reply.type = SelectionNotify;
    reply.requestor = req.requestor;
    reply.selection = req.selection;
    reply.target = req.target;
    reply.time = req.time;
    reply.property = req.property ? req.property : req.target;
    if (!FOwn || req.selection != FClipboardAtom) {
        reply.property = None;
    } else if (req.target == FTargets) {
        const Atom targets[] = {FTargets, FUtf8, XA_STRING, FTextAtom};
        XChangeProperty(FDisplay, req.requestor, reply.property, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(targets), 4);
    } else if (req.target == FUtf8 || req.target == FTextAtom) {
        const std::string text = Cp1252ToUtf8(FText);
        XChangeProperty(FDisplay, req.requestor, reply.property, FUtf8, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(text.data()), int(text.size()));
    } else if (req.target == XA_STRING) {
        const std::string latin = CommonLatin(FText);
        XChangeProperty(FDisplay, req.requestor, reply.property, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(latin.data()), int(latin.size()));
    } else {
        reply.property = None;
    }
    XSendEvent(FDisplay, req.requestor, False, 0, reinterpret_cast<XEvent*>(&reply));
    XFlush(FDisplay);
}

std::string TX11Clipboard::Read(Atom target) {
    XConvertSelection(FDisplay, FClipboardAtom, target, FProperty, FHelper, CurrentTime);
    XFlush(FDisplay);
    // The owner answers through the server; a second is plenty, and an owner
    // that never answers must not hang the program.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(1);
    XEvent ev;
    while (!XCheckTypedWindowEvent(FDisplay, FHelper, SelectionNotify, &ev)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return {};
        pollfd fd{ConnectionNumber(FDisplay), POLLIN, 0};
        poll(&fd, 1, int(std::min<long long>(left, 50)));
        XPending(FDisplay);
    }
    if (ev.xselection.property == None) return {};
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(FDisplay, FHelper, FProperty, 0, 1 << 20, True, AnyPropertyType, &type, &format, &count,
                           &after, &data) == Success &&
        data && format == 8 && type != FIncr)
        text.assign(reinterpret_cast<const char*>(data), count);
    if (data) XFree(data);
    return target == XA_STRING ? CommonLatin(text) : Utf8ToCp1252(text);
}

std::string TX11Clipboard::Text() {
    if (FOwn) return FText;
    if (XGetSelectionOwner(FDisplay, FClipboardAtom) == None) return {};
    std::string text = Read(FUtf8);
    return text.empty() ? Read(XA_STRING) : text;
}

bool TX11Clipboard::HasText() { return FOwn || XGetSelectionOwner(FDisplay, FClipboardAtom) != None; }

}  // namespace ui
