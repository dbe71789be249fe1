#pragma once
// Windowed controls: a control with a window of the window system, made
// when it is first needed (at the latest when the control is shown), with
// child controls, tab order and tab stops, the keyboard focus, and the
// painting of its children that have no window of their own.
#include <vector>

#include "ui/WindowClass.h"
#include "vcl/TControl.h"

namespace vcl {

// What a control's window is made with (CREATESTRUCT plus the class).
struct TCreateParams {
    std::string Caption;
    ui::DWORD Style = 0;
    ui::DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    ui::TWndClass WindowClass;
    std::string WinClassName;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    // The window, made now when it does not exist yet.
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded() { Handle(); }
    // Makes the window again (after a change of style that needs it).
    void RecreateWnd();
    // The window is visible: this control and every parent are shown.
    bool Showing() const { return FShowing; }

    // --- children
    int ControlCount() const { return int(FControls.size() + FWinControls.size()); }
    // Controls without a window first, then windowed ones, each in z-order
    // from the bottom.
    TControl* Controls(int index) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;
    // The child under a point of the client area: a visible one (enabled too,
    // unless allowed otherwise), windowed ones only when asked for.
    TControl* ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls = false) const;
    // Sends the message to each child until one answers non-zero.
    void Broadcast(TMessage& message);
    // Paints the children without a window into a DC of this control's
    // client area, from `first` up (all of them for null).
    void PaintControls(ui::HDC dc, TControl* first);
    // The window of the next windowed sibling above `control`, for its z-order.
    HWND PrecedingWindow(const TWinControl* control) const;
    void SetChildOrder(TControl* child, int order);

    // --- focus and tab order
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // Windowed descendants in tab order, each followed by its own.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    // --- alignment
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    void Realign();
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }

    void SetBounds(int left, int top, int width, int height) override;
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void SetParent(TWinControl* parent) override;
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    void Loaded() override;

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    void SetOnEnter(const TNotifyEvent& e) { OnEnter = e; }
    void SetOnExit(const TNotifyEvent& e) { OnExit = e; }
    void SetOnKeyDown(const TKeyEvent& e) { OnKeyDown = e; }
    void SetOnKeyUp(const TKeyEvent& e) { OnKeyUp = e; }
    void SetOnKeyPress(const TKeyPressEvent& e) { OnKeyPress = e; }

    // For the application's keyboard handling: the control whose window has
    // the focus, and the key handling forms preview.
    static TWinControl* FindControl(HWND hwnd);
    // A key down or up message (the message says which); true when a
    // handler swallowed the key.
    bool DoKeyDownUp(TMessage& message);
    bool DoKeyPress(TMessage& message);

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void CreateHandle();
    virtual void DestroyWnd();
    void DestroyHandle();
    // Makes and shows or hides the window as this control and its parents are
    // visible.
    void UpdateShowing();
    void UpdateControlState();
    virtual bool ShouldShow() const;
    // The control's own painting, before its children without window.
    virtual void PaintWindow(ui::HDC dc);
    virtual void AlignControls(TControl* control, TRect& rect);
    // Keeps the bounds in step with the window.
    void UpdateBounds();

    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyUp(WORD& key, TShiftState shift);
    virtual void KeyPress(char& key);

    HWND FHandle = nullptr;
    bool FShowing = false;

private:
    static ui::LRESULT InitWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    ui::LRESULT MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool IsControlMouseMsg(TMessage& message);
    void PaintHandler(TMessage& message);
    void EraseBackground(TMessage& message);
    bool SetCursorFor(TMessage& message);
    bool ContextMenu(TMessage& message);
    void CNKeyDown(TMessage& message);
    void CNChar(TMessage& message);
    void RemoveFocus(bool removing);

    std::vector<TControl*> FControls;        // children without window
    std::vector<TWinControl*> FWinControls;  // windowed children
    std::vector<TWinControl*> FTabList;
    bool FTabStop = false;
    bool FCtl3D = true;
    bool FDoubleBuffered = false;
    int FBorderWidth = 0;
    int FAlignLevel = 0;
};

// The window system's cursor for a cursor value.
ui::HCURSOR CursorHandle(TCursor cursor);

}  // namespace vcl
