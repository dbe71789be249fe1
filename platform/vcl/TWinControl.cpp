#include "vcl/TWinControl.h"

#include <algorithm>

#include "ui/DefWindowProc.h"
#include "ui/Input.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"
#include "vcl/TClassBuilder.h"
#include "vcl/TCustomForm.h"
#include "vcl/TScreen.h"

namespace vcl {

namespace {

// The control whose window is being made: its window procedure is bound to
// it on the window's first message.
TWinControl* gCreationControl = nullptr;
const char* const ControlProp = "VclControl";

}  // namespace

ui::HCURSOR CursorHandle(TCursor cursor) {
    switch (cursor) {
    case crNone: return nullptr;
    case crIBeam: return ui::LoadCursor(ui::IDC_IBEAM);
    case crHourGlass: return ui::LoadCursor(ui::IDC_WAIT);
    case crCross: return ui::LoadCursor(ui::IDC_CROSS);
    case crUpArrow: return ui::LoadCursor(ui::IDC_UPARROW);
    case crSizeNESW: return ui::LoadCursor(ui::IDC_SIZENESW);
    case crSizeNS: return ui::LoadCursor(ui::IDC_SIZENS);
    case crSizeNWSE: return ui::LoadCursor(ui::IDC_SIZENWSE);
    case crSizeWE: return ui::LoadCursor(ui::IDC_SIZEWE);
    case crSizeAll: return ui::LoadCursor(ui::IDC_SIZEALL);
    case crNo: return ui::LoadCursor(ui::IDC_NO);
    case crHandPoint: return ui::LoadCursor(ui::IDC_HAND);
    case crAppStart: return ui::LoadCursor(ui::IDC_APPSTARTING);
    case crHelp: return ui::LoadCursor(ui::IDC_HELP);
    default: return ui::LoadCursor(ui::IDC_ARROW);
    }
}

const TClassInfo& TWinControl::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TWinControl>("TWinControl", TControl::StaticClass())
                                        .Int("TabOrder", &TWinControl::SetTabOrder)
                                        .Bool("TabStop", &TWinControl::SetTabStop)
                                        .Bool("Ctl3D", &TWinControl::SetCtl3D)
                                        .Int("BorderWidth", &TWinControl::SetBorderWidth)
                                        .Bool("DoubleBuffered", &TWinControl::SetDoubleBuffered)
                                        .Event("OnEnter", &TWinControl::SetOnEnter)
                                        .Event("OnExit", &TWinControl::SetOnExit)
                                        .Event("OnKeyDown", &TWinControl::SetOnKeyDown)
                                        .Event("OnKeyUp", &TWinControl::SetOnKeyUp)
                                        .Event("OnKeyPress", &TWinControl::SetOnKeyPress)
                                        .Build();
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    Destroying();
    // Leaving the parent takes the window along, children's windows first.
    SetParent(nullptr);
    // Children go first, each taking its window along.
    while (!FControls.empty() || !FWinControls.empty()) {
        TControl* child = FWinControls.empty() ? FControls.back() : static_cast<TControl*>(FWinControls.back());
        RemoveControl(child);
        child->Free();
    }
    DestroyHandle();
}

TWinControl* TWinControl::FindControl(HWND hwnd) {
    return hwnd ? static_cast<TWinControl*>(ui::GetProp(hwnd, ControlProp)) : nullptr;
}

// --- the window

HWND TWinControl::Handle() {
    if (!FHandle) CreateHandle();
    return FHandle;
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.Caption = FText;
    params.Style = ui::WS_CHILD | ui::WS_CLIPSIBLINGS;
    if (!Enabled()) params.Style |= ui::WS_DISABLED;
    if (FTabStop) params.Style |= ui::WS_TABSTOP;
    params.X = FLeft;
    params.Y = FTop;
    params.Width = FWidth;
    params.Height = FHeight;
    params.WndParent = FParent ? FParent->Handle() : nullptr;
    params.WindowClass.Style = ui::CS_VREDRAW | ui::CS_HREDRAW | ui::CS_DBLCLKS;
    params.WindowClass.Cursor = ui::LoadCursor(ui::IDC_ARROW);
    params.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & ui::WS_CHILD) && !params.WndParent)
        throw rtl::Exception("Control '" + Name() + "' has no parent window");
    // One window class per control class; its procedure hands the window to
    // the control being made.
    ui::TWndClass existing;
    if (!ui::GetClassInfo(params.WinClassName, existing)) {
        ui::TWndClass wc = params.WindowClass;
        wc.ClassName = params.WinClassName;
        wc.WndProc = InitWndProc;
        ui::RegisterClass(wc);
    }
    CreateWindowHandle(params);
    if (!FHandle) throw rtl::Exception("Error creating window for '" + Name() + "'");
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
    TWinControl* saved = gCreationControl;
    gCreationControl = this;
    const HWND hwnd = ui::CreateWindowEx(params.ExStyle, params.WinClassName, params.Caption, params.Style, params.X,
                                        params.Y, params.Width, params.Height, params.WndParent, 0);
    gCreationControl = saved;
    if (hwnd && !FHandle) FHandle = hwnd;
}

ui::LRESULT TWinControl::InitWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = gCreationControl;
    if (!control) return ui::DefWindowProc(hwnd, msg, wParam, lParam);
    gCreationControl = nullptr;
    control->FHandle = hwnd;
    ui::SetProp(hwnd, ControlProp, control);
    ui::SetWindowProc(hwnd, ui::TWndProc::Method<TWinControl, &TWinControl::MainWndProc>(control));
    return control->MainWndProc(hwnd, msg, wParam, lParam);
}

// Every message of the window enters here; an exception from a handler goes
// to the application's error handler, and the program goes on.
ui::LRESULT TWinControl::MainWndProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    try {
        // A copy: a handler may replace the window procedure while it runs.
        const TWndMethod proc = WindowProc();
        proc(m);
    } catch (...) {
        Application->HandleException(this);
    }
    return m.Result;
}

void TWinControl::CreateHandle() {
    if (FHandle) return;
    CreateWnd();
    if (FParent) {
        ui::SetWindowPos(FHandle, FParent->PrecedingWindow(this), 0, 0, 0, 0,
                         ui::SWP_NOMOVE | ui::SWP_NOSIZE | ui::SWP_NOACTIVATE);
    }
    UpdateBounds();
}

void TWinControl::DestroyWnd() {
    FText = GetText();
    ui::DestroyWindow(FHandle);
}

void TWinControl::DestroyHandle() {
    if (!FHandle) return;
    for (TWinControl* c : FWinControls) c->DestroyHandle();
    FControlState |= csDestroyingHandle;
    DestroyWnd();
    FControlState &= ~csDestroyingHandle;
    FHandle = nullptr;
    FShowing = false;
}

void TWinControl::RecreateWnd() {
    if (!FHandle) return;
    const bool focused = Focused();
    DestroyHandle();
    UpdateControlState();
    if (focused && FHandle) ui::SetFocus(FHandle);
}

// Whether the parents show is for UpdateControlState to ask: a hidden form
// keeps its children's windows shown inside its own hidden window.
bool TWinControl::ShouldShow() const { return FVisible && !(ComponentState() & (csLoading | csReading)); }

void TWinControl::UpdateShowing() {
    const bool show = ShouldShow();
    if (show) {
        if (!FHandle) CreateHandle();
        for (TWinControl* c : std::vector<TWinControl*>(FWinControls)) c->UpdateShowing();
    }
    if (FHandle && FShowing != show) {
        FShowing = show;
        try {
            Perform(CM_SHOWINGCHANGED, 0, 0);
        } catch (...) {
            FShowing = !show;
            throw;
        }
    }
}

void TWinControl::UpdateControlState() {
    for (const TWinControl* c = FParent; c; c = c->Parent())
        if (!c->Showing()) return;
    const TControl* top = this;
    while (top->Parent()) top = top->Parent();
    if (dynamic_cast<const TCustomForm*>(top)) UpdateShowing();
}

// --- children

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount()) throw rtl::EListError(index);
    if (size_t(index) < FControls.size()) return FControls[size_t(index)];
    return FWinControls[size_t(index) - FControls.size()];
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

void TWinControl::InsertControl(TControl* control) {
    Perform(CM_CONTROLLISTCHANGE, WPARAM(control), 1);
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        FWinControls.push_back(w);
        FTabList.push_back(w);
    } else {
        FControls.push_back(control);
    }
    control->FParent = this;
    if (!(control->ComponentState() & csReading)) {
        control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
        control->Perform(CM_PARENTFONTCHANGED, 0, 0);
        if (auto* w = dynamic_cast<TWinControl*>(control))
            w->UpdateControlState();
        else if (FHandle)
            control->Invalidate();
        Realign();
    }
    Perform(CM_CONTROLCHANGE, WPARAM(control), 1);
}

void TWinControl::RemoveControl(TControl* control) {
    if (control->FParent != this) return;
    Perform(CM_CONTROLCHANGE, WPARAM(control), 0);
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        w->RemoveFocus(true);
        w->DestroyHandle();
        FWinControls.erase(std::remove(FWinControls.begin(), FWinControls.end(), w), FWinControls.end());
        FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), w), FTabList.end());
    } else {
        control->InvalidateControl(control->Visible(), false);
        FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
    }
    if (GetCaptureControl() == control) SetCaptureControl(nullptr);
    control->FParent = nullptr;
    Perform(CM_CONTROLLISTCHANGE, WPARAM(control), 0);
    Realign();
}

void TWinControl::SetChildOrder(TControl* child, int order) {
    if (auto* w = dynamic_cast<TWinControl*>(child)) {
        auto it = std::find(FWinControls.begin(), FWinControls.end(), w);
        if (it == FWinControls.end()) return;
        FWinControls.erase(it);
        const size_t place = std::min(size_t(std::max(order - int(FControls.size()), 0)), FWinControls.size());
        FWinControls.insert(FWinControls.begin() + ptrdiff_t(place), w);
        if (w->FHandle)
            ui::SetWindowPos(w->FHandle, PrecedingWindow(w), 0, 0, 0, 0,
                             ui::SWP_NOMOVE | ui::SWP_NOSIZE | ui::SWP_NOACTIVATE);
    } else {
        auto it = std::find(FControls.begin(), FControls.end(), child);
        if (it == FControls.end()) return;
        FControls.erase(it);
        const size_t place = std::min(size_t(std::max(order, 0)), FControls.size());
        FControls.insert(FControls.begin() + ptrdiff_t(place), child);
        child->Invalidate();
    }
}

HWND TWinControl::PrecedingWindow(const TWinControl* control) const {
    auto it = std::find(FWinControls.begin(), FWinControls.end(), control);
    if (it != FWinControls.end())
        for (++it; it != FWinControls.end(); ++it)
            if ((*it)->FHandle) return (*it)->FHandle;
    return ui::HWND_BOTTOM;
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls) const {
    auto hit = [&](TControl* c) {
        const TRect r = c->BoundsRect();
        return c->Visible() && (allowDisabled || c->Enabled()) && r.Contains(pos.X, pos.Y) &&
               c->Perform(CM_HITTEST, 0, ui::PointToLParam({pos.X - r.Left, pos.Y - r.Top})) != 0;
    };
    if (allowWinControls)
        for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it)
            if (hit(*it)) return *it;
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
        if (hit(*it)) return *it;
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        message.Result = c->Perform(message.Msg, message.WParam, message.LParam);
        if (message.Result != 0) return;
    }
}

// --- painting

void TWinControl::PaintControls(ui::HDC dc, TControl* first) {
    auto it = first ? std::find(FControls.begin(), FControls.end(), first) : FControls.begin();
    TRect clip;
    ui::GetClipBox(dc, clip);
    for (const std::vector<TControl*> controls(it, FControls.end()); TControl* c : controls) {
        const TRect r = c->BoundsRect();
        if (!c->Visible() || IntersectRect(r, clip).IsEmpty()) continue;
        const int saved = dc->SaveDC();
        const TPoint org = dc->ViewportOrg();
        dc->SetViewportOrg(org.X + r.Left, org.Y + r.Top);
        dc->IntersectClipRect({0, 0, r.Width(), r.Height()});
        c->Perform(ui::WM_PAINT, WPARAM(dc), 0);
        dc->RestoreDC(saved);
    }
}

void TWinControl::PaintWindow(ui::HDC) {}

void TWinControl::PaintHandler(TMessage& m) {
    if (m.WParam) {
        PaintWindow(reinterpret_cast<ui::HDC>(m.WParam));
        PaintControls(reinterpret_cast<ui::HDC>(m.WParam), nullptr);
        return;
    }
    ui::TPaintStruct ps;
    ui::HDC dc = ui::BeginPaint(FHandle, ps);
    if (dc) {
        PaintWindow(dc);
        PaintControls(dc, nullptr);
    }
    ui::EndPaint(FHandle, ps);
}

void TWinControl::EraseBackground(TMessage& m) {
    ui::HDC dc = reinterpret_cast<ui::HDC>(m.WParam);
    m.Result = 1;
    if (!dc || (FControlStyle & csOpaque)) return;
    const gfx::TColor color = (FControlStyle & csParentBackground) && FParent ? FParent->Color() : FColor;
    dc->Brush = {color, gfx::bsSolid};
    dc->FillRect(ClientRect());
}

void TWinControl::Invalidate() {
    if (FHandle) ui::InvalidateRect(FHandle, nullptr, !(FControlStyle & csOpaque));
}

void TWinControl::Update() {
    if (FHandle) ui::UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
    Invalidate();
    Update();
}

// --- place and size

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (!FHandle || ui::IsIconic(FHandle)) {
        TControl::SetBounds(left, top, width, height);
        return;
    }
    if (!CanResize(width, height)) return;
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    ui::SetWindowPos(FHandle, nullptr, left, top, width, height, ui::SWP_NOZORDER | ui::SWP_NOACTIVATE);
}

void TWinControl::UpdateBounds() {
    if (!FHandle) return;
    TRect r = ui::GetWindowRect(FHandle);
    if (ui::GetWindowLongPtr(FHandle, ui::GWL_STYLE) & ui::WS_CHILD) {
        const HWND parent = ui::GetParent(FHandle);
        if (parent) r = ui::MapWindowRect(nullptr, parent, r);
        // Window rectangles of children are in their parent's client coordinates.
    }
    const bool resized = r.Width() != FWidth || r.Height() != FHeight;
    FLeft = r.Left;
    FTop = r.Top;
    FWidth = r.Width();
    FHeight = r.Height();
    if (!FAnchoring) UpdateAnchorRules();
    if (resized) {
        Realign();
        if (!(ComponentState() & csLoading)) Resize();
    }
}

TRect TWinControl::ClientRect() const {
    if (FHandle) return ui::GetClientRect(FHandle);
    return TControl::ClientRect();
}

TPoint TWinControl::ClientOrigin() const {
    if (FHandle) return ui::ClientToScreen(FHandle, {0, 0});
    return TControl::ClientOrigin();
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == FParent) return;
    TControl::SetParent(parent);
}

void TWinControl::EnableAlign() {
    if (--FAlignLevel == 0) Realign();
}

void TWinControl::Realign() {
    if (FAlignLevel > 0 || (ComponentState() & (csLoading | csDestroying))) return;
    TRect r = ClientRect();
    AlignControls(nullptr, r);
}

void TWinControl::AlignControls(TControl*, TRect& rect) {
    DisableAlign();
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (c->Align() != align || !c->Visible()) continue;
            int w = c->Width(), h = c->Height();
            switch (align) {
            case alTop:
                c->SetBounds(rect.Left, rect.Top, rect.Width(), h);
                rect.Top += c->Height();
                break;
            case alBottom:
                c->SetBounds(rect.Left, rect.Bottom - h, rect.Width(), h);
                rect.Bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(rect.Left, rect.Top, w, rect.Height());
                rect.Left += c->Width();
                break;
            case alRight:
                c->SetBounds(rect.Right - w, rect.Top, w, rect.Height());
                rect.Right -= c->Width();
                break;
            default:
                c->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
                break;
            }
        }
    }
    const TRect client = ClientRect();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Align() == alNone && c->Anchors() != (akLeft | akTop)) c->AnchorTo(client.Width(), client.Height());
    }
    --FAlignLevel;
}

void TWinControl::SetCtl3D(bool value) {
    if (value == FCtl3D) return;
    FCtl3D = value;
    Perform(CM_CTL3DCHANGED, 0, 0);
}

void TWinControl::SetBorderWidth(int value) {
    if (value == FBorderWidth) return;
    FBorderWidth = value;
    Perform(CM_BORDERCHANGED, 0, 0);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    Realign();
    UpdateControlState();
}

// --- mouse

bool TWinControl::IsControlMouseMsg(TMessage& m) {
    TControl* control = nullptr;
    TControl* capture = GetCaptureControl();
    const TPoint p = ui::LParamToPoint(m.LParam);
    if (capture && capture->Parent() == this)
        control = capture;
    else if (!capture || capture == this)
        control = ControlAtPos(p, false);
    if (!control || control == this || dynamic_cast<TWinControl*>(control)) return false;
    m.Result = control->Perform(m.Msg, m.WParam, ui::PointToLParam({p.X - control->Left(), p.Y - control->Top()}));
    return true;
}

bool TWinControl::SetCursorFor(TMessage& m) {
    if (ui::LOWORD(WPARAM(m.LParam)) != ui::HTCLIENT) return false;
    TCursor cursor = Screen->Cursor();
    if (cursor == crDefault) {
        const TPoint p = ui::ScreenToClient(FHandle, ui::GetCursorPos());
        if (TControl* c = ControlAtPos(p, false)) cursor = c->Cursor();
        if (cursor == crDefault) cursor = Cursor();
    }
    if (cursor == crDefault) return false;
    ui::SetCursor(CursorHandle(cursor));
    return true;
}

bool TWinControl::ContextMenu(TMessage& m) {
    if (m.LParam != -1) {
        const TPoint p = ui::ScreenToClient(FHandle, ui::LParamToPoint(m.LParam));
        if (TControl* c = ControlAtPos(p, false)) {
            m.Result = c->Perform(ui::WM_CONTEXTMENU, m.WParam, m.LParam);
            if (m.Result) return true;
        }
    }
    return false;
}

// --- messages

void TWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case ui::WM_MOUSEMOVE:
    case ui::WM_LBUTTONDOWN:
    case ui::WM_LBUTTONUP:
    case ui::WM_LBUTTONDBLCLK:
    case ui::WM_RBUTTONDOWN:
    case ui::WM_RBUTTONUP:
    case ui::WM_RBUTTONDBLCLK:
    case ui::WM_MBUTTONDOWN:
    case ui::WM_MBUTTONUP:
    case ui::WM_MBUTTONDBLCLK:
        if (IsControlMouseMsg(m)) return;
        break;
    case ui::WM_PAINT:
    case ui::WM_PRINTCLIENT:
        if (m.Msg == ui::WM_PRINTCLIENT) m.Msg = ui::WM_PAINT;
        PaintHandler(m);
        return;
    case ui::WM_ERASEBKGND:
        EraseBackground(m);
        return;
    case ui::WM_SETCURSOR:
        if (SetCursorFor(m)) {
            m.Result = 1;
            return;
        }
        break;
    case ui::WM_CONTEXTMENU:
        if (ContextMenu(m)) return;
        break;
    case ui::WM_WINDOWPOSCHANGED:
        UpdateBounds();
        DefaultHandler(m);
        return;
    case ui::WM_NCCALCSIZE:
        DefaultHandler(m);
        if (FBorderWidth > 0) {
            TRect& r = m.WParam ? reinterpret_cast<ui::TNcCalcSizeParams*>(m.LParam)->Rgrc[0]
                                : *reinterpret_cast<TRect*>(m.LParam);
            r = {r.Left + FBorderWidth, r.Top + FBorderWidth, std::max(r.Left + FBorderWidth, r.Right - FBorderWidth),
                 std::max(r.Top + FBorderWidth, r.Bottom - FBorderWidth)};
        }
        return;
    case ui::WM_SETFOCUS:
        DefaultHandler(m);
        if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
        return;
    case ui::WM_KEYDOWN:
    case ui::WM_SYSKEYDOWN:
    case ui::WM_KEYUP:
    case ui::WM_SYSKEYUP:
        if (DoKeyDownUp(m)) return;
        break;
    case ui::WM_CHAR:
        if (DoKeyPress(m)) return;
        break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        CNKeyDown(m);
        return;
    case CN_CHAR:
    case CN_SYSCHAR:
        CNChar(m);
        return;
    case ui::WM_NCDESTROY:
        DefaultHandler(m);
        FHandle = nullptr;
        FShowing = false;
        return;
    case ui::WM_CAPTURECHANGED:
        if (TControl* c = GetCaptureControl(); c && (c == this || c->Parent() == this) && HWND(m.LParam) != FHandle)
            SetCaptureControl(nullptr);
        DefaultHandler(m);
        return;
    case CM_SHOWINGCHANGED:
        ui::SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                         ui::SWP_NOSIZE | ui::SWP_NOMOVE | ui::SWP_NOZORDER | ui::SWP_NOACTIVATE |
                             (FShowing ? ui::SWP_SHOWWINDOW : ui::SWP_HIDEWINDOW));
        return;
    case CM_VISIBLECHANGED:
        if (!FVisible && FParent) RemoveFocus(false);
        UpdateControlState();
        return;
    case CM_ENABLEDCHANGED:
        if (!Enabled() && FParent) RemoveFocus(false);
        if (FHandle) ui::EnableWindow(FHandle, Enabled());
        Invalidate();
        return;
    case CM_FONTCHANGED:
    case CM_COLORCHANGED: {
        TControl::WndProc(m);
        const UINT notify = m.Msg == CM_FONTCHANGED ? CM_PARENTFONTCHANGED : CM_PARENTCOLORCHANGED;
        for (int i = 0; i < ControlCount(); ++i) Controls(i)->Perform(notify, 0, 0);
        return;
    }
    case CM_BORDERCHANGED:
    case CM_CTL3DCHANGED:
        RecreateWnd();
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
        Broadcast(m);
        return;
    case CM_ENTER:
        if (OnEnter) OnEnter(this);
        return;
    case CM_EXIT:
        if (OnExit) OnExit(this);
        return;
    default:
        break;
    }
    TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (!FHandle) {
        TControl::DefaultHandler(m);
        return;
    }
    switch (m.Msg) {
    case ui::WM_SETTEXT:
        TControl::DefaultHandler(m);
        m.Result = ui::DefWindowProc(FHandle, m.Msg, m.WParam, m.LParam);
        return;
    case ui::WM_GETTEXT:
    case ui::WM_GETTEXTLENGTH:
        TControl::DefaultHandler(m);
        return;
    default:
        if (m.Msg >= CM_BASE) return;
        m.Result = ui::DefWindowProc(FHandle, m.Msg, m.WParam, m.LParam);
    }
}

}  // namespace vcl
