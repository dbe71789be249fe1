#include "ui/x11/X11Backend.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <optional>
#include <vector>

#include "rtl/Exceptions.h"
#include "ui/Input.h"
#include "ui/InputEvents.h"
#include "ui/ShownPixels.h"
#include "ui/Styles.h"
#include "ui/Tree.h"
#include "ui/WindowClass.h"
#include "ui/x11/X11Text.h"

namespace ui {

namespace {

// Requests on windows that the server has already dropped (a window
// destroyed by its owner while events for it were on the way) are harmless;
// no X error may end the program.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool Layered(const TWindow& w) { return (w.ExStyle & WS_EX_LAYERED) && w.Layered != TLayeredMode::Unset; }

// The pixels of a layered window that show at all (alpha above 0).
gfx::TRegion ShownPart(const TWindow& w) {
    std::vector<TRect> runs;
    std::vector<uint8_t> row(size_t(w.Surface->Width()) * 4);
    for (int y = 0; y < w.Surface->Height(); ++y) {
        ShownRow(w, y, 0, w.Surface->Width(), row.data());
        for (int x = 0; x < w.Surface->Width();) {
            if (row[size_t(x) * 4 + 3] == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < w.Surface->Width() && row[size_t(x) * 4 + 3] != 0) ++x;
            runs.push_back({start, y, x, y + 1});
        }
    }
    return gfx::TRegion::FromRects(runs);
}

// Windows that never take the keyboard are placed and stacked by us alone.
bool OverrideRedirect(const TWindow& w) {
    if (w.ExStyle & WS_EX_NOACTIVATE) return true;
    if ((w.ExStyle & WS_EX_TOOLWINDOW) && (w.Style & WS_POPUP)) return true;
    return w.Class->Atom == MENU_CLASS_ATOM;
}

int FontCursorOf(int id) {
    switch (id) {
        case IDC_IBEAM: return XC_xterm;
        case IDC_WAIT:
        case IDC_APPSTARTING: return XC_watch;
        case IDC_CROSS: return XC_crosshair;
        case IDC_UPARROW: return XC_sb_up_arrow;
        case IDC_SIZENWSE: return XC_bottom_right_corner;
        case IDC_SIZENESW: return XC_bottom_left_corner;
        case IDC_SIZEWE: return XC_sb_h_double_arrow;
        case IDC_SIZENS: return XC_sb_v_double_arrow;
        case IDC_SIZEALL: return XC_fleur;
        case IDC_NO: return XC_X_cursor;
        case IDC_HAND: return XC_hand2;
        case IDC_HELP: return XC_question_arrow;
        default: return XC_left_ptr;
    }
}

}  // namespace

TX11Backend::TX11Backend() {
    FDisplay = XOpenDisplay(nullptr);
    if (!FDisplay) throw rtl::Exception("Cannot open the X display (DISPLAY is not usable)");
    XSetErrorHandler(IgnoreErrors);
    FScreen = DefaultScreen(FDisplay);
    FRoot = RootWindow(FDisplay, FScreen);
    FHasArgb = XMatchVisualInfo(FDisplay, FScreen, 32, TrueColor, &FArgbVisual) != 0;
    int event = 0, error = 0;
    FHasShape = XShapeQueryExtension(FDisplay, &event, &error);
    FClipboard = std::make_unique<TX11Clipboard>(FDisplay, FRoot);
}

TX11Backend::~TX11Backend() {
    for (auto& [hwnd, n] : FWindows) XDestroyWindow(FDisplay, n.Xid);
    for (auto& [id, cursor] : FCursors) XFreeCursor(FDisplay, cursor);
    if (FGc24) XFreeGC(FDisplay, FGc24);
    if (FGc32) XFreeGC(FDisplay, FGc32);
    FClipboard.reset();
    XCloseDisplay(FDisplay);
}

Atom TX11Backend::Intern(const char* name) {
    const auto it = FAtoms.find(name);
    if (it != FAtoms.end()) return it->second;
    const Atom atom = XInternAtom(FDisplay, name, False);
    FAtoms[name] = atom;
    return atom;
}

TSize TX11Backend::ScreenSize() { return {DisplayWidth(FDisplay, FScreen), DisplayHeight(FDisplay, FScreen)}; }

TRect TX11Backend::WorkArea() {
    const TSize screen = ScreenSize();
    TRect area{0, 0, screen.cx, screen.cy};
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(FDisplay, FRoot, Intern("_NET_WORKAREA"), 0, 4, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success &&
        data && format == 32 && count >= 4) {
        const long* v = reinterpret_cast<const long*>(data);
        if (v[2] > 0 && v[3] > 0) area = gfx::Bounds(int(v[0]), int(v[1]), int(v[2]), int(v[3]));
    }
    if (data) XFree(data);
    return area;
}

bool TX11Backend::LayeredWindowsAvailable() {
    // A compositing manager owns _NET_WM_CM_Sn while it runs; asked at most
    // once a second, since hovering asks often.
    const int64_t now = NowMs();
    if (now - FCompositorCheckedAt > 1000) {
        const std::string name = "_NET_WM_CM_S" + std::to_string(FScreen);
        FCompositor = FHasArgb && XGetSelectionOwner(FDisplay, Intern(name.c_str())) != None;
        FCompositorCheckedAt = now;
    }
    return FCompositor;
}

bool TX11Backend::WantsArgb(const TWindow& w) const { return FHasArgb && (w.ExStyle & WS_EX_LAYERED); }

HWND TX11Backend::HwndOf(Window xid) const {
    const auto it = FByXid.find(xid);
    return it == FByXid.end() ? nullptr : it->second;
}

Window TX11Backend::XWindowOf(HWND hwnd) const {
    const auto it = FWindows.find(hwnd);
    return it == FWindows.end() ? 0 : it->second.Xid;
}

void TX11Backend::Created(TWindow& w) { CreateNative(w); }

void TX11Backend::CreateNative(TWindow& w) {
    TNative n;
    n.Argb = WantsArgb(w);
    n.OverrideRedirect = OverrideRedirect(w);
    XSetWindowAttributes attrs{};
    attrs.override_redirect = n.OverrideRedirect;
    attrs.background_pixmap = None;
    attrs.border_pixel = 0;
    attrs.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask |
                       LeaveWindowMask | KeyPressMask | KeyReleaseMask | StructureNotifyMask | FocusChangeMask |
                       PropertyChangeMask;
    unsigned long mask = CWOverrideRedirect | CWBackPixmap | CWBorderPixel | CWEventMask;
    Visual* visual = DefaultVisual(FDisplay, FScreen);
    int depth = DefaultDepth(FDisplay, FScreen);
    if (n.Argb) {
        visual = FArgbVisual.visual;
        depth = 32;
        n.Map = XCreateColormap(FDisplay, FRoot, visual, AllocNone);
        attrs.colormap = n.Map;
        mask |= CWColormap;
    }
    n.Placed = w.Rect;
    n.Xid = XCreateWindow(FDisplay, FRoot, w.Rect.Left, w.Rect.Top, unsigned(std::max(w.Rect.Width(), 1)),
                          unsigned(std::max(w.Rect.Height(), 1)), 0, depth, InputOutput, visual, mask, &attrs);
    Atom protocols[] = {Intern("WM_DELETE_WINDOW")};
    XSetWMProtocols(FDisplay, n.Xid, protocols, 1);
    XClassHint cls{const_cast<char*>("kestrune"), const_cast<char*>("Kestrune")};
    XSetClassHint(FDisplay, n.Xid, &cls);
    // No decorations: the window system draws every frame itself.
    const long motif[5] = {2, 0, 0, 0, 0};
    const Atom motifAtom = Intern("_MOTIF_WM_HINTS");
    XChangeProperty(FDisplay, n.Xid, motifAtom, motifAtom, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(motif), 5);
    FByXid[n.Xid] = w.Handle;
    TNative& stored = FWindows[w.Handle] = n;
    ApplyHints(w, stored);
    ApplyTitle(w, stored);
    ApplyShape(w, stored);
    if (FCurrentCursor) XDefineCursor(FDisplay, stored.Xid, FCurrentCursor);
}

void TX11Backend::DestroyNative(HWND hwnd) {
    const auto it = FWindows.find(hwnd);
    if (it == FWindows.end()) return;
    FByXid.erase(it->second.Xid);
    XDestroyWindow(FDisplay, it->second.Xid);
    if (it->second.Map) XFreeColormap(FDisplay, it->second.Map);
    if (FFocusHwnd == hwnd) FFocusHwnd = nullptr;
    FWindows.erase(it);
    XFlush(FDisplay);
}

void TX11Backend::Destroyed(HWND hwnd) { DestroyNative(hwnd); }

void TX11Backend::ApplyHints(TWindow& w, TNative& n) {
    XSizeHints size{};
    size.flags = USPosition | PPosition;
    size.x = w.Rect.Left;
    size.y = w.Rect.Top;
    XSetWMNormalHints(FDisplay, n.Xid, &size);
    XWMHints hints{};
    hints.flags = InputHint | StateHint;
    hints.input = !(w.ExStyle & WS_EX_NOACTIVATE);
    hints.initial_state = NormalState;
    XSetWMHints(FDisplay, n.Xid, &hints);
    if (TWindow* owner = Win(w.Owner); owner && FWindows.count(owner->Handle))
        XSetTransientForHint(FDisplay, n.Xid, FWindows[owner->Handle].Xid);
    const Atom type = Intern(w.Class->Atom == MENU_CLASS_ATOM  ? "_NET_WM_WINDOW_TYPE_POPUP_MENU"
                             : (w.ExStyle & WS_EX_TOOLWINDOW) ? "_NET_WM_WINDOW_TYPE_UTILITY"
                             : w.Owner                        ? "_NET_WM_WINDOW_TYPE_DIALOG"
                                                              : "_NET_WM_WINDOW_TYPE_NORMAL");
    XChangeProperty(FDisplay, n.Xid, Intern("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&type), 1);
    std::vector<Atom> state;
    if (w.ExStyle & WS_EX_TOPMOST) state.push_back(Intern("_NET_WM_STATE_ABOVE"));
    if (((w.ExStyle & WS_EX_TOOLWINDOW) || w.Owner) && !(w.ExStyle & WS_EX_APPWINDOW))
        state.push_back(Intern("_NET_WM_STATE_SKIP_TASKBAR"));
    XChangeProperty(FDisplay, n.Xid, Intern("_NET_WM_STATE"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(state.data()), int(state.size()));
}

void TX11Backend::ApplyTitle(TWindow& w, TNative& n) {
    const std::string utf8 = Cp1252ToUtf8(w.Text);
    XChangeProperty(FDisplay, n.Xid, Intern("_NET_WM_NAME"), Intern("UTF8_STRING"), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8.data()), int(utf8.size()));
    XStoreName(FDisplay, n.Xid, CommonLatin(w.Text).c_str());
}

void TX11Backend::ApplyShape(TWindow& w, TNative& n) {
    if (!FHasShape) return;
    std::optional<gfx::TRegion> shape = w.WindowRgn;
    if (Layered(w) && w.Surface && !LayeredWindowsAvailable()) {
        // Nobody blends: at least what is fully transparent is cut away.
        gfx::TRegion shown = ShownPart(w);
        if (shape) shown.Combine(shown, *shape, gfx::RGN_AND);
        shape = shown;
    }
    if (shape) {
        std::vector<XRectangle> rects;
        for (const TRect& r : shape->Rects())
            rects.push_back({short(r.Left), short(r.Top), static_cast<unsigned short>(r.Width()),
                             static_cast<unsigned short>(r.Height())});
        XShapeCombineRectangles(FDisplay, n.Xid, ShapeBounding, 0, 0, rects.data(), int(rects.size()), ShapeSet,
                                YXBanded);
    } else {
        XShapeCombineMask(FDisplay, n.Xid, ShapeBounding, 0, 0, None, ShapeSet);
    }
    // Click-through layered windows take no input at all; the windows
    // below get the mouse.
    if ((w.ExStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT)) == (WS_EX_LAYERED | WS_EX_TRANSPARENT))
        XShapeCombineRectangles(FDisplay, n.Xid, ShapeInput, 0, 0, nullptr, 0, ShapeSet, YXBanded);
    else
        XShapeCombineMask(FDisplay, n.Xid, ShapeInput, 0, 0, None, ShapeSet);
}

void TX11Backend::Place(TWindow& w, TNative& n) {
    if (w.Style & WS_MINIMIZE) return;
    const TRect r = w.Rect;
    if (r == n.Placed) return;
    n.Placed = r;
    n.Requests.push_back(r);
    if (n.Requests.size() > 16) n.Requests.pop_front();
    XMoveResizeWindow(FDisplay, n.Xid, r.Left, r.Top, unsigned(std::max(r.Width(), 1)),
                      unsigned(std::max(r.Height(), 1)));
}

void TX11Backend::ApplyVisibility(TWindow& w, TNative& n) {
    const bool shown = (w.Style & WS_VISIBLE) && (!(w.ExStyle & WS_EX_LAYERED) || w.Layered != TLayeredMode::Unset);
    const bool iconic = w.Style & WS_MINIMIZE;
    if (shown && iconic) {
        if (!n.Iconic) XIconifyWindow(FDisplay, n.Xid, FScreen);
        n.Iconic = true;
    } else if (shown) {
        n.Iconic = false;
        ApplyHints(w, n);
        XMapWindow(FDisplay, n.Xid);
        // Placed again, since a window manager may have moved it while it was
        // away; through Place, so that its notice is known as ours.
        n.Placed = {};
        Place(w, n);
        Restacked();
    } else {
        XWithdrawWindow(FDisplay, n.Xid, FScreen);
        n.Mapped = false;
    }
}

void TX11Backend::Changed(TWindow& w, unsigned what) {
    auto it = FWindows.find(w.Handle);
    if (it == FWindows.end()) return;
    if ((what & wcLayered) && it->second.Argb != WantsArgb(w)) {
        // The visual of an X window is fixed: a window that becomes layered
        // is made again on an ARGB visual.
        DestroyNative(w.Handle);
        CreateNative(w);
        it = FWindows.find(w.Handle);
        what |= wcVisible;
    }
    TNative& n = it->second;
    if (what & (wcPosition | wcSize)) Place(w, n);
    if (what & (wcRegion | wcLayered)) ApplyShape(w, n);
    if (what & wcText) ApplyTitle(w, n);
    if (what & wcOwner) ApplyHints(w, n);
    if (what & (wcVisible | wcState | wcLayered)) ApplyVisibility(w, n);
    if ((what & (wcLayered | wcSize)) && w.Surface) PutPixels(w, n, {0, 0, w.Surface->Width(), w.Surface->Height()});
    XFlush(FDisplay);
}

void TX11Backend::Restacked() {
    std::vector<Window> order;
    for (HWND h : Sys().TopLevels) {
        const auto it = FWindows.find(h);
        const TWindow* w = Win(h);
        if (it != FWindows.end() && w && (w->Style & WS_VISIBLE)) order.push_back(it->second.Xid);
    }
    if (!order.empty()) XRaiseWindow(FDisplay, order.front());
    if (order.size() > 1) XRestackWindows(FDisplay, order.data(), int(order.size()));
    XFlush(FDisplay);
}

GC TX11Backend::GcFor(TNative& n) {
    GC& gc = n.Argb ? FGc32 : FGc24;
    if (!gc) gc = XCreateGC(FDisplay, n.Xid, 0, nullptr);
    return gc;
}

void TX11Backend::PutPixels(TWindow& w, TNative& n, const TRect& area) {
    const TRect r = gfx::IntersectRect(area, {0, 0, w.Surface->Width(), w.Surface->Height()});
    if (r.IsEmpty()) return;
    std::vector<uint8_t> shown;
    char* data = nullptr;
    int stride = w.Surface->Stride();
    int sx = r.Left, sy = r.Top;
    if (n.Argb || Layered(w)) {
        // Layered looks go through the same premultiplied rows as on the
        // headless desktop.
        stride = r.Width() * 4;
        shown.resize(size_t(stride) * size_t(r.Height()));
        for (int y = r.Top; y < r.Bottom; ++y)
            ShownRow(w, y, r.Left, r.Width(), shown.data() + size_t(y - r.Top) * size_t(stride));
        data = reinterpret_cast<char*>(shown.data());
        sx = sy = 0;
    } else {
        data = reinterpret_cast<char*>(w.Surface->ScanLine(0));
    }
    const int width = n.Argb || Layered(w) ? r.Width() : w.Surface->Width();
    const int height = n.Argb || Layered(w) ? r.Height() : w.Surface->Height();
    Visual* visual = n.Argb ? FArgbVisual.visual : DefaultVisual(FDisplay, FScreen);
    XImage* image = XCreateImage(FDisplay, visual, n.Argb ? 32 : unsigned(DefaultDepth(FDisplay, FScreen)), ZPixmap,
                                 0, data, unsigned(width), unsigned(height), 32, stride);
    if (!image) return;
    image->byte_order = LSBFirst;
    XPutImage(FDisplay, n.Xid, GcFor(n), image, sx, sy, r.Left, r.Top, unsigned(r.Width()), unsigned(r.Height()));
    image->data = nullptr;  // the pixels are not Xlib's to free
    XDestroyImage(image);
}

void TX11Backend::Present(TWindow& w, const TRect& area) {
    const auto it = FWindows.find(w.Handle);
    if (it == FWindows.end() || !w.Surface) return;
    PutPixels(w, it->second, area);
    XFlush(FDisplay);
}

void TX11Backend::Activated(HWND hwnd) {
    const auto it = FWindows.find(hwnd);
    if (it == FWindows.end() || FFocusHwnd == hwnd) return;
    TNative& n = it->second;
    if (!n.Mapped) {
        n.FocusWhenMapped = true;
        return;
    }
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = n.Xid;
    ev.xclient.message_type = Intern("_NET_ACTIVE_WINDOW");
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = 1;  // from an application
    XSendEvent(FDisplay, FRoot, False, SubstructureRedirectMask | SubstructureNotifyMask, &ev);
    XSetInputFocus(FDisplay, n.Xid, RevertToParent, CurrentTime);
    FFocusHwnd = hwnd;
    XFlush(FDisplay);
}

void TX11Backend::SetCursor(HCURSOR cursor) {
    const int shape = FontCursorOf(CursorId(cursor));
    Cursor& c = FCursors[shape];
    if (!c) c = XCreateFontCursor(FDisplay, unsigned(shape));
    FCurrentCursor = c;
    for (auto& [hwnd, n] : FWindows) XDefineCursor(FDisplay, n.Xid, c);
    XFlush(FDisplay);
}

TPoint TX11Backend::CursorPos() {
    Window root, child;
    int rx = 0, ry = 0, wx, wy;
    unsigned mask;
    XQueryPointer(FDisplay, FRoot, &root, &child, &rx, &ry, &wx, &wy, &mask);
    return {rx, ry};
}

void TX11Backend::SetCursorPos(TPoint pos) {
    XWarpPointer(FDisplay, None, FRoot, 0, 0, 0, 0, pos.X, pos.Y);
    XFlush(FDisplay);
}

void TX11Backend::CaptureChanged(HWND hwnd) {
    // Capture: pointer events outside our windows still reach us. A top-level
    // of ours holds the grab for any of its children.
    if (!hwnd) {
        XUngrabPointer(FDisplay, CurrentTime);
    } else if (TWindow* w = Win(hwnd)) {
        const auto it = FWindows.find(TopLevelOf(*w).Handle);
        if (it != FWindows.end() && it->second.Mapped)
            XGrabPointer(FDisplay, it->second.Xid, False, ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
                         GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
    }
    XFlush(FDisplay);
}

bool TX11Backend::HasPendingEvents() { return XPending(FDisplay) > 0; }

void TX11Backend::DispatchEvents() {
    FFocusChanged = false;
    while (XPending(FDisplay) > 0) {
        XEvent ev;
        XNextEvent(FDisplay, &ev);
        Handle(ev);
    }
    // Focus moves between our own windows as a FocusOut and a FocusIn; only
    // where it ends counts.
    if (FFocusChanged) {
        FFocusChanged = false;
        if (FFocusHwnd) DeliverFocus(FFocusHwnd, true);
        else DeliverFocus(Sys().Active, false);
    }
}

void TX11Backend::Handle(XEvent& ev) {
    if (FClipboard->Handle(ev)) return;
    const HWND hwnd = HwndOf(ev.xany.window);
    const auto it = FWindows.find(hwnd);
    if (!hwnd || it == FWindows.end()) return;
    TNative& n = it->second;
    TMouseInput mouse;
    mouse.Window = hwnd;
    switch (ev.type) {
        case Expose:
            if (TWindow* w = Win(hwnd); w && w->Surface)
                PutPixels(*w, n, gfx::Bounds(ev.xexpose.x, ev.xexpose.y, ev.xexpose.width, ev.xexpose.height));
            break;
        case ConfigureNotify: HandleConfigure(hwnd, n, ev.xconfigure); break;
        case MapNotify:
            n.Mapped = true;
            if (n.Iconic) DeliverIconified(hwnd, false), n.Iconic = false;
            if (n.FocusWhenMapped) n.FocusWhenMapped = false, Activated(hwnd);
            break;
        case UnmapNotify:
            n.Mapped = false;
            if (TWindow* w = Win(hwnd); w && (w->Style & WS_VISIBLE) && !(w->Style & WS_MINIMIZE)) {
                n.Iconic = true;  // the desktop minimised it
                DeliverIconified(hwnd, true);
            }
            break;
        case ButtonPress:
        case ButtonRelease: {
            const unsigned b = ev.xbutton.button;
            mouse.Screen = {ev.xbutton.x_root, ev.xbutton.y_root};
            if (b == Button4 || b == Button5) {
                if (ev.type == ButtonRelease) break;
                mouse.Kind = TMouseInput::Wheel;
                mouse.WheelDelta = b == Button4 ? 120 : -120;
            } else if (b <= Button3) {
                mouse.Kind = ev.type == ButtonPress ? TMouseInput::ButtonDown : TMouseInput::ButtonUp;
                mouse.Button = b == Button1 ? 0 : b == Button3 ? 1 : 2;
            } else {
                break;
            }
            DeliverMouse(mouse);
            break;
        }
        case MotionNotify: {
            XEvent next;
            while (XCheckTypedWindowEvent(FDisplay, ev.xmotion.window, MotionNotify, &next)) ev = next;
            mouse.Screen = {ev.xmotion.x_root, ev.xmotion.y_root};
            DeliverMouse(mouse);
            break;
        }
        case EnterNotify:
            mouse.Screen = {ev.xcrossing.x_root, ev.xcrossing.y_root};
            DeliverMouse(mouse);
            break;
        case LeaveNotify:
            if (ev.xcrossing.mode == NotifyNormal && ev.xcrossing.detail != NotifyInferior) {
                Window root, child;
                int rx, ry, wx, wy;
                unsigned mask;
                XQueryPointer(FDisplay, FRoot, &root, &child, &rx, &ry, &wx, &wy, &mask);
                if (!HwndOf(child)) {
                    mouse.Kind = TMouseInput::Leave;
                    DeliverMouse(mouse);
                }
            }
            break;
        case KeyPress:
        case KeyRelease: HandleKey(hwnd, ev.xkey); break;
        case FocusIn:
            if (ev.xfocus.mode != NotifyGrab && ev.xfocus.detail != NotifyPointer) {
                FFocusHwnd = hwnd;
                FFocusChanged = true;
            }
            break;
        case FocusOut:
            if (ev.xfocus.mode != NotifyGrab && ev.xfocus.detail != NotifyPointer && FFocusHwnd == hwnd) {
                FFocusHwnd = nullptr;
                FFocusChanged = true;
            }
            break;
        case ClientMessage:
            if (Atom(ev.xclient.data.l[0]) == Intern("WM_DELETE_WINDOW")) DeliverCloseRequest(hwnd);
            break;
        default: break;
    }
}

void TX11Backend::HandleConfigure(HWND hwnd, TNative& n, const XConfigureEvent& ev) {
    TWindow* w = Win(hwnd);
    if (!w || (w->Style & WS_MINIMIZE)) return;
    // Real events of a reparented window carry frame-relative places; only
    // the window manager's own (synthetic) notices say where it put us.
    const TPoint at = ev.send_event || n.OverrideRedirect ? TPoint{ev.x, ev.y} : TPoint{w->Rect.Left, w->Rect.Top};
    const TRect r = gfx::Bounds(at.X, at.Y, ev.width, ev.height);
    if (std::find(n.Requests.begin(), n.Requests.end(), r) != n.Requests.end() || r == w->Rect) return;
    n.Placed = r;
    DeliverMovedByHost(hwnd, r);
}

void TX11Backend::HandleKey(HWND, XKeyEvent& ev) {
    // Auto-repeat arrives as release and press at the same moment; the
    // release is dropped so the press counts as a repeat.
    if (ev.type == KeyRelease && XEventsQueued(FDisplay, QueuedAfterReading)) {
        XEvent next;
        XPeekEvent(FDisplay, &next);
        if (next.type == KeyPress && next.xkey.keycode == ev.keycode && next.xkey.time == ev.time) return;
    }
    char buffer[16] = {};
    KeySym sym = 0;
    const int length = XLookupString(&ev, buffer, sizeof buffer, &sym, nullptr);
    TKeyInput key;
    key.Down = ev.type == KeyPress;
    key.Vk = VirtualKeyOf(sym);
    if (length == 1) key.Char = static_cast<unsigned char>(buffer[0]);
    else key.Char = CharOf(sym);
    if (key.Char >= 0x80 && key.Char < 0xA0 && length == 1) key.Char = 0;  // Latin-1 controls
    if (key.Vk == 0 && key.Char == 0) return;
    DeliverKey(key);
}

void TX11Backend::SetClipboardText(const std::string& text) { FClipboard->SetText(text); }

std::string TX11Backend::GetClipboardText() { return FClipboard->Text(); }

bool TX11Backend::HasClipboardText() { return FClipboard->HasText(); }

}  // namespace ui
