#pragma once
// Controls: components with a place on a parent, a size, visibility, an
// enabled state, a caption, a font and a colour (each of the last two
// optionally the parent's), a pop-up menu, a hint and a cursor.
//
// Every message a control receives passes through its WindowProc, which
// starts as the virtual WndProc and may be replaced (and later restored) by
// whoever wants to see the control's messages first. WndProc is one switch
// per class; what a class leaves alone goes to its ancestor's WndProc and
// finally to DefaultHandler.
#include <string>

#include "gfx/TCanvas.h"
#include "vcl/ControlMessages.h"
#include "vcl/ControlTypes.h"
#include "vcl/TFont.h"

namespace vcl {

class TWinControl;
class TPopupMenu;

using TWndMethod = std::function<void(TMessage&)>;

// Size limits of a control; 0 is no limit.
class TSizeConstraints : public TPersistent {
public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }
    void SetMinWidth(int v) { MinWidth = v; }
    void SetMinHeight(int v) { MinHeight = v; }
    void SetMaxWidth(int v) { MaxWidth = v; }
    void SetMaxHeight(int v) { MaxHeight = v; }

    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
};

class TControl : public TComponent {
    friend class TWinControl;

public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    // --- messages
    LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);
    const TWndMethod& WindowProc() const { return FWindowProc; }
    void SetWindowProc(TWndMethod proc);
    // The original message handling, for whoever replaced WindowProc.
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    // --- place and size
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    void SetParentComponent(TComponent* parent) override;
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    // The client area in client coordinates.
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Right; }
    int ClientHeight() const { return ClientRect().Bottom; }
    void SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
    void SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }
    virtual void SetClientSize(int width, int height);
    // Where the client area's top-left corner lies on the screen.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors anchors);
    TSizeConstraints& Constraints() { return FConstraints; }
    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool value);
    void BringToFront();
    void SendToBack();

    // --- state
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    virtual bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle style) { FControlStyle = style; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState state) { FControlState = state; }
    // Visible here and on every parent up to a form.
    bool IsVisibleOnScreen() const;

    // --- text, font, colour
    // The caption of labels and buttons, the text of edits: the same value.
    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& text) { SetText(text); }
    std::string Text() const { return GetText(); }
    void SetText(const std::string& text);
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    gfx::TColor Color() const { return FColor; }
    void SetColor(gfx::TColor color);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode mode) { FBiDiMode = mode; }
    bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }
    bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }

    // --- hint, cursor, menu
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& hint) { FHint = hint; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value) { FShowHint = value; }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* menu);

    // --- painting
    virtual void Invalidate();
    // Paints at once what is invalid.
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }

    // --- mouse
    bool MouseCapture() const;
    void SetMouseCapture(bool value);

    // --- events
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    void SetOnClick(const TNotifyEvent& e) { OnClick = e; }
    void SetOnDblClick(const TNotifyEvent& e) { OnDblClick = e; }
    void SetOnMouseDown(const TMouseEvent& e) { OnMouseDown = e; }
    void SetOnMouseMove(const TMouseMoveEvent& e) { OnMouseMove = e; }
    void SetOnMouseUp(const TMouseEvent& e) { OnMouseUp = e; }
    void SetOnMouseEnter(const TNotifyEvent& e) { OnMouseEnter = e; }
    void SetOnMouseLeave(const TNotifyEvent& e) { OnMouseLeave = e; }
    void SetOnResize(const TNotifyEvent& e) { OnResize = e; }

    virtual void Click();

    void Loaded() override;

    // For the parent's alignment: the bounds this control keeps to the
    // parent's edges it is anchored to.
    void UpdateAnchorRules();
    void AnchorTo(int parentWidth, int parentHeight);

protected:
    void Notification(TComponent* component, TOperation operation) override;

    virtual std::string GetText() const;
    // Asked before every size change; may adjust the new size.
    virtual bool CanResize(int& width, int& height);
    // Fits the control to its content when AutoSize is set.
    virtual void AdjustSize();
    void ApplyConstraints(int& width, int& height) const;
    void RequestAlign();
    virtual void Resize();

    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void FontChanged();
    // A change of look that needs a repaint; windowed controls also tell
    // their window.
    void InvalidateControl(bool isVisible, bool isOpaque);

    TControlStyle FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    TControlState FControlState = 0;
    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FVisible = true;
    bool FEnabled = true;
    std::string FText;
    TFont FFont;
    gfx::TColor FColor = gfx::clWindow;
    bool FParentFont = true;
    bool FParentColor = false;
    bool FAutoSize = false;
    TAlign FAlign = alNone;
    TAnchors FAnchors = akLeft | akTop;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FAnchoring = false;  // bounds being set by anchoring keep the rules

private:
    void DoMouseDown(TMessage& message, TMouseButton button, TShiftState extra);
    void DoMouseUp(TMessage& message, TMouseButton button);
    void MouseEntered(TMessage& message);
    void MouseLeft(TMessage& message);
    void ParentFontChanged();
    void ParentColorChanged();

    TWndMethod FWindowProc;
    TSizeConstraints FConstraints;
    std::string FHint;
    bool FShowHint = false;
    TCursor FCursor = crDefault;
    TPopupMenu* FPopupMenu = nullptr;
    // Anchoring: the gaps to the parent's right and bottom edges when the
    // bounds were last set, with the parent's client size then.
    int FAnchorRight = 0;
    int FAnchorBottom = 0;
};

// The form a control stands on (the control itself for a form), or null.
class TCustomForm;
TCustomForm* GetParentForm(const TControl* control);

// The control that has the mouse captured: a windowed control, or a control
// without a window whose parent window holds the capture for it.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);

}  // namespace vcl
