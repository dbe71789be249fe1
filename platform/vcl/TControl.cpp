#include "vcl/TControl.h"

#include <algorithm>
#include <cstring>

#include "ui/Input.h"
#include "ui/Keys.h"
#include "ui/Paint.h"
#include "vcl/TClassBuilder.h"
#include "vcl/TCustomForm.h"
#include "vcl/TMenus.h"
#include "vcl/TWinControl.h"

namespace vcl {

namespace {

TControl* gCaptureControl = nullptr;

TPoint MessagePos(const TMessage& m) { return ui::LParamToPoint(m.LParam); }

}  // namespace

TShiftState KeyboardStateToShiftState() {
    TShiftState s = 0;
    if (ui::GetKeyState(ui::VK_SHIFT) < 0) s |= ssShift;
    if (ui::GetKeyState(ui::VK_CONTROL) < 0) s |= ssCtrl;
    if (ui::GetKeyState(ui::VK_MENU) < 0) s |= ssAlt;
    return s;
}

TShiftState KeysToShiftState(WPARAM keys) {
    TShiftState s = 0;
    if (keys & ui::MK_SHIFT) s |= ssShift;
    if (keys & ui::MK_CONTROL) s |= ssCtrl;
    if (keys & ui::MK_LBUTTON) s |= ssLeft;
    if (keys & ui::MK_RBUTTON) s |= ssRight;
    if (keys & ui::MK_MBUTTON) s |= ssMiddle;
    if (ui::GetKeyState(ui::VK_MENU) < 0) s |= ssAlt;
    return s;
}

TShiftState KeyDataToShiftState(LPARAM keyData) {
    TShiftState s = KeyboardStateToShiftState() & ~ssAlt;
    if (keyData & 0x20000000) s |= ssAlt;
    return s;
}

TControl* GetCaptureControl() { return gCaptureControl; }

void SetCaptureControl(TControl* control) {
    gCaptureControl = nullptr;
    ui::ReleaseCapture();
    if (!control) return;
    TWinControl* window = dynamic_cast<TWinControl*>(control);
    if (!window) window = control->Parent();
    if (!window) return;
    ui::SetCapture(window->Handle());
    gCaptureControl = control;
}

TCustomForm* GetParentForm(const TControl* control) {
    if (!control) return nullptr;
    while (control->Parent()) control = control->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

const TClassInfo& TSizeConstraints::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TSizeConstraints>("TSizeConstraints", TPersistent::StaticClass())
                                        .Int("MinWidth", &TSizeConstraints::SetMinWidth)
                                        .Int("MinHeight", &TSizeConstraints::SetMinHeight)
                                        .Int("MaxWidth", &TSizeConstraints::SetMaxWidth)
                                        .Int("MaxHeight", &TSizeConstraints::SetMaxHeight)
                                        .Build();
    return info;
}

const TClassInfo& TControl::StaticClass() {
    static const TClassInfo& info =
        TClassBuilder<TControl>("TControl", TComponent::StaticClass())
            .Int("Left", &TControl::SetLeft)
            .Int("Top", &TControl::SetTop)
            .Int("Width", &TControl::SetWidth)
            .Int("Height", &TControl::SetHeight)
            .Bool("Visible", &TControl::SetVisible)
            .Bool("Enabled", &TControl::SetEnabled)
            .String("Caption", &TControl::SetCaption)
            .String("Text", &TControl::SetText)
            .Object("Font", static_cast<TFont& (TControl::*)()>(&TControl::Font))
            .Bool("ParentFont", &TControl::SetParentFont)
            .Color("Color", &TControl::SetColor)
            .Bool("ParentColor", &TControl::SetParentColor)
            .String("Hint", &TControl::SetHint)
            .Bool("ShowHint", &TControl::SetShowHint)
            .Enum("Cursor", &TControl::SetCursor,
                  {{"crDefault", unsigned(crDefault)},
                   {"crArrow", unsigned(crArrow)},
                   {"crIBeam", unsigned(crIBeam)},
                   {"crHourGlass", unsigned(crHourGlass)},
                   {"crHandPoint", unsigned(crHandPoint)},
                   {"crCross", unsigned(crCross)},
                   {"crSizeAll", unsigned(crSizeAll)},
                   {"crNo", unsigned(crNo)}})
            .Reference<TPopupMenu>("PopupMenu", &TControl::SetPopupMenu)
            .Enum("Align", &TControl::SetAlign,
                  {{"alNone", alNone}, {"alTop", alTop}, {"alBottom", alBottom}, {"alLeft", alLeft},
                   {"alRight", alRight}, {"alClient", alClient}})
            .Set("Anchors", &TControl::SetAnchors,
                 {{"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}})
            .Bool("AutoSize", &TControl::SetAutoSize)
            .Object("Constraints", &TControl::Constraints)
            .Enum("BiDiMode", &TControl::SetBiDiMode,
                  {{"bdLeftToRight", bdLeftToRight}, {"bdRightToLeft", bdRightToLeft},
                   {"bdRightToLeftNoAlign", bdRightToLeftNoAlign},
                   {"bdRightToLeftReadingOnly", bdRightToLeftReadingOnly}})
            .Event("OnClick", &TControl::SetOnClick)
            .Event("OnDblClick", &TControl::SetOnDblClick)
            .Event("OnMouseDown", &TControl::SetOnMouseDown)
            .Event("OnMouseMove", &TControl::SetOnMouseMove)
            .Event("OnMouseUp", &TControl::SetOnMouseUp)
            .Event("OnMouseEnter", &TControl::SetOnMouseEnter)
            .Event("OnMouseLeave", &TControl::SetOnMouseLeave)
            .Event("OnResize", &TControl::SetOnResize)
            .Build();
    return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    FWindowProc = [this](TMessage& m) { WndProc(m); };
    FFont.OnChange = [this] {
        FParentFont = false;
        Perform(CM_FONTCHANGED, 0, 0);
    };
}

TControl::~TControl() {
    if (gCaptureControl == this) SetCaptureControl(nullptr);
    if (FParent) FParent->RemoveControl(this);
}

// --- messages

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    // A copy: a handler may replace the window procedure while it runs.
    const TWndMethod proc = FWindowProc;
    proc(m);
    return m.Result;
}

void TControl::SetWindowProc(TWndMethod proc) {
    FWindowProc = proc ? std::move(proc) : TWndMethod([this](TMessage& m) { WndProc(m); });
}

void TControl::WndProc(TMessage& m) {
    // A control that does not take double clicks sees a second press.
    if (!(FControlStyle & csDoubleClicks)) {
        if (m.Msg == ui::WM_LBUTTONDBLCLK) m.Msg = ui::WM_LBUTTONDOWN;
        if (m.Msg == ui::WM_RBUTTONDBLCLK) m.Msg = ui::WM_RBUTTONDOWN;
        if (m.Msg == ui::WM_MBUTTONDBLCLK) m.Msg = ui::WM_MBUTTONDOWN;
    }
    switch (m.Msg) {
    case ui::WM_LBUTTONDOWN:
    case ui::WM_LBUTTONDBLCLK:
        if (FControlStyle & csCaptureMouse) SetMouseCapture(true);
        if (m.Msg == ui::WM_LBUTTONDBLCLK) {
            if (FControlStyle & csClickEvents) DblClick();
        } else if (FControlStyle & csClickEvents) {
            FControlState |= csClicked;
        }
        FControlState |= csLButtonDown;
        DoMouseDown(m, mbLeft, m.Msg == ui::WM_LBUTTONDBLCLK ? TShiftState(ssDouble) : 0u);
        return;
    case ui::WM_RBUTTONDOWN:
    case ui::WM_RBUTTONDBLCLK:
        DoMouseDown(m, mbRight, m.Msg == ui::WM_RBUTTONDBLCLK ? TShiftState(ssDouble) : 0u);
        return;
    case ui::WM_MBUTTONDOWN:
    case ui::WM_MBUTTONDBLCLK:
        DoMouseDown(m, mbMiddle, m.Msg == ui::WM_MBUTTONDBLCLK ? TShiftState(ssDouble) : 0u);
        return;
    case ui::WM_LBUTTONUP:
        if (FControlStyle & csCaptureMouse) SetMouseCapture(false);
        FControlState &= ~csLButtonDown;
        if (FControlState & csClicked) {
            FControlState &= ~csClicked;
            const TPoint p = MessagePos(m);
            const TRect r = ClientRect();
            if (r.Contains(p.X, p.Y)) Click();
        }
        DoMouseUp(m, mbLeft);
        return;
    case ui::WM_RBUTTONUP:
        DoMouseUp(m, mbRight);
        DefaultHandler(m);
        return;
    case ui::WM_MBUTTONUP:
        DoMouseUp(m, mbMiddle);
        return;
    case ui::WM_MOUSEMOVE:
        if (!(FControlStyle & csNoStdEvents)) MouseMove(KeysToShiftState(m.WParam), MessagePos(m).X, MessagePos(m).Y);
        return;
    case ui::WM_CONTEXTMENU:
        if (FPopupMenu && FPopupMenu->AutoPopup()) {
            TPoint p = ui::LParamToPoint(m.LParam);
            if (m.LParam == -1) p = ClientToScreen({0, 0});
            FPopupMenu->SetPopupComponent(this);
            FPopupMenu->Popup(p.X, p.Y);
            m.Result = 1;
            return;
        }
        DefaultHandler(m);
        return;
    case CM_MOUSEENTER:
        MouseEntered(m);
        return;
    case CM_MOUSELEAVE:
        MouseLeft(m);
        return;
    case CM_VISIBLECHANGED:
        InvalidateControl(true, FVisible && (FControlStyle & csOpaque));
        return;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_TEXTCHANGED:
        Invalidate();
        return;
    case CM_FONTCHANGED:
        FontChanged();
        return;
    case CM_PARENTFONTCHANGED:
        ParentFontChanged();
        return;
    case CM_PARENTCOLORCHANGED:
        ParentColorChanged();
        return;
    case CM_HITTEST:
        m.Result = ui::HTCLIENT;
        return;
    default:
        DefaultHandler(m);
    }
}

void TControl::DefaultHandler(TMessage& m) {
    switch (m.Msg) {
    case ui::WM_SETTEXT:
        FText = m.LParam ? reinterpret_cast<const char*>(m.LParam) : "";
        m.Result = 1;
        break;
    case ui::WM_GETTEXT: {
        const size_t n = std::min(FText.size(), m.WParam ? size_t(m.WParam) - 1 : 0);
        if (m.WParam && m.LParam) {
            std::memcpy(reinterpret_cast<char*>(m.LParam), FText.data(), n);
            reinterpret_cast<char*>(m.LParam)[n] = 0;
        }
        m.Result = LRESULT(n);
        break;
    }
    case ui::WM_GETTEXTLENGTH:
        m.Result = LRESULT(FText.size());
        break;
    default:
        break;
    }
}

void TControl::DoMouseDown(TMessage& m, TMouseButton button, TShiftState extra) {
    if (FControlStyle & csNoStdEvents) return;
    const TPoint p = MessagePos(m);
    MouseDown(button, KeysToShiftState(m.WParam) | extra, p.X, p.Y);
}

void TControl::DoMouseUp(TMessage& m, TMouseButton button) {
    if (FControlStyle & csNoStdEvents) return;
    const TPoint p = MessagePos(m);
    MouseUp(button, KeysToShiftState(m.WParam), p.X, p.Y);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

// The parent hears of a child's entering with the child in LParam, so that a
// container knows which of its children the mouse is over.
void TControl::MouseEntered(TMessage& m) {
    if (m.LParam == 0 && OnMouseEnter) OnMouseEnter(this);
    if (FParent) FParent->Perform(CM_MOUSEENTER, 0, m.LParam ? m.LParam : LPARAM(this));
}

void TControl::MouseLeft(TMessage& m) {
    if (m.LParam == 0 && OnMouseLeave) OnMouseLeave(this);
    if (FParent) FParent->Perform(CM_MOUSELEAVE, 0, m.LParam ? m.LParam : LPARAM(this));
}

// --- place and size

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent) return;
    if (parent == this) throw rtl::Exception("A control cannot have itself as its parent");
    if (FParent) FParent->RemoveControl(this);
    if (parent) {
        parent->InsertControl(this);
        UpdateAnchorRules();
    }
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* p = dynamic_cast<TWinControl*>(parent)) SetParent(p);
}

void TControl::ApplyConstraints(int& width, int& height) const {
    if (FConstraints.MinWidth > 0) width = std::max(width, FConstraints.MinWidth);
    if (FConstraints.MaxWidth > 0) width = std::min(width, FConstraints.MaxWidth);
    if (FConstraints.MinHeight > 0) height = std::max(height, FConstraints.MinHeight);
    if (FConstraints.MaxHeight > 0) height = std::min(height, FConstraints.MaxHeight);
}

bool TControl::CanResize(int& width, int& height) {
    ApplyConstraints(width, height);
    width = std::max(width, 0);
    height = std::max(height, 0);
    return true;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (!CanResize(width, height)) return;
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    InvalidateControl(FVisible, false);
    const bool resized = width != FWidth || height != FHeight;
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    if (!FAnchoring) UpdateAnchorRules();
    Invalidate();
    RequestAlign();
    if (resized && !(ComponentState() & csLoading)) Resize();
}

TRect TControl::ClientRect() const { return {0, 0, FWidth, FHeight}; }

void TControl::SetClientSize(int width, int height) {
    const TRect client = ClientRect();
    SetBounds(FLeft, FTop, FWidth + width - client.Width(), FHeight + height - client.Height());
}

TPoint TControl::ClientOrigin() const {
    if (!FParent) return {FLeft, FTop};
    const TPoint p = FParent->ClientOrigin();
    return {p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    const TPoint o = ClientOrigin();
    return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    const TPoint o = ClientOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

void TControl::SetAlign(TAlign align) {
    if (align == FAlign) return;
    FAlign = align;
    RequestAlign();
}

void TControl::SetAnchors(TAnchors anchors) {
    if (anchors == FAnchors) return;
    FAnchors = anchors;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
    if (!FParent) return;
    const TRect r = FParent->ClientRect();
    FAnchorRight = r.Right - (FLeft + FWidth);
    FAnchorBottom = r.Bottom - (FTop + FHeight);
}

// The parent's client area changed: keep the gaps to the edges this
// control is anchored to.
void TControl::AnchorTo(int parentWidth, int parentHeight) {
    if (FAlign != alNone) return;
    int left = FLeft, top = FTop, width = FWidth, height = FHeight;
    if (FAnchors & akRight) {
        if (FAnchors & akLeft)
            width = parentWidth - FAnchorRight - left;
        else
            left = parentWidth - FAnchorRight - width;
    }
    if (FAnchors & akBottom) {
        if (FAnchors & akTop)
            height = parentHeight - FAnchorBottom - top;
        else
            top = parentHeight - FAnchorBottom - height;
    }
    FAnchoring = true;
    SetBounds(left, top, width, height);
    FAnchoring = false;
}

void TControl::SetAutoSize(bool value) {
    if (value == FAutoSize) return;
    FAutoSize = value;
    if (value) AdjustSize();
}

void TControl::AdjustSize() {}

void TControl::RequestAlign() {
    if (FParent && FAlign != alNone) FParent->Realign();
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

void TControl::BringToFront() {
    if (FParent) FParent->SetChildOrder(this, FParent->ControlCount());
}

void TControl::SendToBack() {
    if (FParent) FParent->SetChildOrder(this, 0);
}

// --- state

void TControl::SetVisible(bool value) {
    if (value == FVisible) return;
    FVisible = value;
    Perform(CM_VISIBLECHANGED, value, 0);
    RequestAlign();
}

void TControl::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

bool TControl::IsVisibleOnScreen() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible()) return false;
    return true;
}

// --- text, font, colour

std::string TControl::GetText() const {
    const int length = int(const_cast<TControl*>(this)->Perform(ui::WM_GETTEXTLENGTH, 0, 0));
    std::string text(size_t(length) + 1, '\0');
    const auto copied = const_cast<TControl*>(this)->Perform(ui::WM_GETTEXT, text.size(), LPARAM(text.data()));
    text.resize(size_t(std::max<LRESULT>(copied, 0)));
    return text;
}

void TControl::SetText(const std::string& text) {
    if (GetText() == text) return;
    Perform(ui::WM_SETTEXT, 0, LPARAM(text.c_str()));
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::FontChanged() {
    Invalidate();
    if (FAutoSize) AdjustSize();
}

void TControl::SetParentFont(bool value) {
    if (value == FParentFont) return;
    FParentFont = value;
    if (value && FParent && !(ComponentState() & csReading)) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!FParentFont || !FParent) return;
    FFont.Assign(FParent->Font());
    FParentFont = true;
}

void TControl::SetColor(gfx::TColor color) {
    if (color == FColor) return;
    FColor = color;
    FParentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool value) {
    if (value == FParentColor) return;
    FParentColor = value;
    if (value && FParent && !(ComponentState() & csReading)) ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!FParentColor || !FParent) return;
    SetColor(FParent->Color());
    FParentColor = true;
}

void TControl::SetCursor(TCursor cursor) {
    if (cursor == FCursor) return;
    FCursor = cursor;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (menu == FPopupMenu) return;
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = menu;
    if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::Loaded() {
    TComponent::Loaded();
    if (FParentColor) ParentColorChanged();
    if (FParentFont) ParentFontChanged();
    UpdateAnchorRules();
    if (FAutoSize) AdjustSize();
    RequestAlign();
}

// --- painting

void TControl::InvalidateControl(bool isVisible, bool isOpaque) {
    if (!isVisible || !FParent || !FParent->HandleAllocated()) return;
    const TRect r = BoundsRect();
    ui::InvalidateRect(FParent->Handle(), &r, !isOpaque);
}

void TControl::Invalidate() { InvalidateControl(FVisible, FControlStyle & csOpaque); }

void TControl::Update() {
    if (FParent) FParent->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

// --- mouse

bool TControl::MouseCapture() const { return gCaptureControl == this; }

void TControl::SetMouseCapture(bool value) {
    if (value == MouseCapture()) return;
    SetCaptureControl(value ? this : nullptr);
}

}  // namespace vcl
