#include "skinpaint/acBtnWnd.h"

#include <algorithm>

#include "skin/sGlowHook.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sColorOps.h"
#include "skinpaint/sDisabledLook.h"
#include "skinpaint/sFocusFrame.h"
#include "skinpaint/sSectionItem.h"
#include "skinpaint/sSkinText.h"
#include "ui/Input.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TWinControl.h"

namespace skinpaint {

TacBtnWnd::TacBtnWnd(vcl::TWinControl& control, const std::string& section, skin::TsCommonData* binding)
    : TacMainWnd(control, section.empty() ? "BUTTON" : section, binding) {}

int TacBtnWnd::State() {
    const ui::HWND window = Window();
    const auto buttonState = Control()->Perform(vcl::BM_GETSTATE, 0, 0);
    if (buttonState & vcl::BST_PUSHED) {
        skin::HideAllGlows();
        SkinData().GlowHandle = -1;
        return 2;
    }
    if (!Control()->Enabled()) return 0;
    const skin::TsSkinManager* manager = Manager();
    if ((buttonState & vcl::BST_FOCUS) || (manager && window && manager->ControlUnderMouse() == window)) return 1;
    const auto style = window ? ui::GetWindowLongPtr(window, ui::GWL_STYLE) : 0;
    return (style & vcl::BS_TYPEMASK) == vcl::BS_DEFPUSHBUTTON ? 1 : 0;
}

unsigned TacBtnWnd::TextFormat() const {
    // Only explicit line breaks split a multi-line button's caption; the
    // others wrap at the button's width.
    const auto style = Window() ? ui::GetWindowLongPtr(Window(), ui::GWL_STYLE) : 0;
    unsigned format = gfx::DT_CENTER | gfx::DT_EXPANDTABS;
    if (!(style & vcl::BS_MULTILINE)) format |= gfx::DT_WORDBREAK;
    return format;
}

void TacBtnWnd::PaintText(gfx::TBitmap& picture, int state) {
    gfx::TCanvas& canvas = picture.Canvas();
    canvas.Font = Control()->Font().Handle();
    const int w = picture.Width(), h = picture.Height();
    gfx::TRect measured{0, 0, w + 3, 0};
    canvas.DrawText(Text(), measured, TextFormat() | gfx::DT_NOPREFIX | gfx::DT_CALCRECT);
    const int dx = (w - measured.Width()) / 2, dy = (h - measured.Height()) / 2;
    FTextRect = {dx - 1, dy, w - dx + 2, h - dy};
    if (state == 2) FTextRect = gfx::OffsetRect(FTextRect, 1, 1);
    unsigned format = TextFormat();
    if (Window() && (ui::GetWindowLongPtr(Window(), ui::GWL_EXSTYLE) & ui::WS_EX_RTLREADING))
        format |= gfx::DT_RTLREADING;
    WriteControlText(canvas, Text(), Control()->Enabled(), state != 0, SkinData(), format, FTextRect);
    const auto buttonState = Control()->Perform(vcl::BM_GETSTATE, 0, 0);
    if (Control()->Enabled() && (buttonState & vcl::BST_FOCUS) && !Text().empty() && SkinData().Section().ShowFocus)
        DrawSkinFocusFrame(canvas, {FTextRect.Left - 1, FTextRect.Top - 1, FTextRect.Right + 1, FTextRect.Bottom + 1});
}

void TacBtnWnd::PaintDisabled(gfx::TBitmap& picture, const ParentBackground& behind) {
    if (behind.Ready) {
        PaintDisabledLook(picture, dkBlended, KEY_COLOR, {0, 0}, behind);
        return;
    }
    TColor fill = behind.FillColor;
    if (fill == KEY_COLOR && Control()->Parent()) fill = gfx::ColorToRGB(Control()->Parent()->Color());
    FadeRectToColor(picture, {0, 0, picture.Width(), picture.Height()}, 40, fill);
}

void TacBtnWnd::ComposePicture() {
    skin::TsCommonData& data = SkinData();
    vcl::TWinControl& control = *Control();
    const gfx::TRect bounds = control.BoundsRect();
    data.CachePicture->SetSize(bounds.Width(), bounds.Height());
    gfx::TBitmap& picture = *data.CachePicture;
    if (picture.Empty()) return;
    const ParentBackground behind = ParentBackgroundOf(data);
    const int state = State();
    PaintControlItem(data, behind, true, picture, {0, 0}, {0, 0, picture.Width(), picture.Height()}, state);
    PaintText(picture, state);
    if (!control.Enabled()) PaintDisabled(picture, behind);
    data.PictureStale = false;
}

void TacBtnWnd::Paint(vcl::TMessage& m) {
    skin::TsCommonData& data = SkinData();
    const bool printing = data.StateFlags & skin::sfPrinting;
    const ui::HWND window = Window();
    if (!window || !(ui::IsWindowVisible(window) || printing)) return;
    ui::TPaintStruct ps;
    ui::HDC dc = reinterpret_cast<ui::HDC>(m.WParam);
    const bool own = !dc;
    if (own) dc = ui::BeginPaint(window, ps);
    if (!printing) data.PaintSuspended = data.MustDeferPaint();
    if (dc && !data.PaintSuspended) {
        ComposePicture();
        gfx::TBitmap& picture = *data.CachePicture;
        dc->BitBlt(0, 0, picture.Width(), picture.Height(), picture.Canvas(), 0, 0);
    }
    if (own) ui::EndPaint(window, ps);
}

void TacBtnWnd::RepaintNow() {
    SkinData().PictureStale = true;
    if (const ui::HWND window = Window())
        ui::RedrawWindow(window, nullptr, nullptr, ui::RDW_INVALIDATE | ui::RDW_FRAME | ui::RDW_UPDATENOW);
}

bool TacBtnWnd::CursorInside() const {
    const gfx::TPoint p = ui::GetCursorPos();
    return Window() && ui::GetWindowRect(Window()).Contains(p.X, p.Y);
}

void TacBtnWnd::MouseEntered() {
    skin::TsCommonData& data = SkinData();
    const skin::TsSkinManager* manager = Manager();
    if (data.MouseOver || !manager || manager->ControlUnderMouse() != Window() || !CursorInside()) return;
    data.MouseOver = true;
    data.PaintSuspended = false;
    RepaintNow();
    skin::UpdateControlGlow(data, false, Window());
}

void TacBtnWnd::MouseLeft() {
    skin::TsCommonData& data = SkinData();
    if (!data.MouseOver) return;
    skin::HideAllGlows();
    data.GlowHandle = -1;
    data.MouseOver = false;
    data.PaintSuspended = false;
    RepaintNow();
}

void TacBtnWnd::WndProc(vcl::TMessage& m) {
    if (!ManagerActive() || !SkinData().IsSkinned()) {
        TacMainWnd::WndProc(m);
        return;
    }
    skin::TsSkinManager* manager = Manager();
    switch (m.Msg) {
    case ui::WM_PAINT:
    case ui::WM_PRINTCLIENT: Paint(m); return;
    case ui::WM_ERASEBKGND:
    case ui::WM_NCPAINT:
    case ui::WM_UPDATEUISTATE: m.Result = 1; return;
    case ui::WM_SETFOCUS:
    case ui::WM_KILLFOCUS:
        if (!Control()->Enabled()) break;
        CallPrevious(m);
        SkinData().HasFocus = m.Msg == ui::WM_SETFOCUS;
        SkinData().PictureStale = true;
        if (Window()) ui::RedrawWindow(Window(), nullptr, nullptr, ui::RDW_INVALIDATE | ui::RDW_FRAME);
        return;
    case ui::WM_ENABLE:
    case vcl::CM_ENABLEDCHANGED:
    case ui::WM_SETTEXT:
    case vcl::CM_TEXTCHANGED:
    case ui::BM_SETSTATE:
        if (!Control()->Visible()) break;
        // The base handling reads the new caption.
        TacMainWnd::WndProc(m);
        RepaintNow();
        return;
    case ui::WM_MOVE: {
        const skin::TsGeneralData& section = SkinData().Section();
        if (section.Transparency > 0 || (section.HotTransparency > 0 && State() != 0)) RepaintNow();
        break;
    }
    case ui::WM_MOUSEHOVER:
        Control()->Perform(skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(skin::SKC_MOUSE_ENTER),
                           reinterpret_cast<ui::LPARAM>(manager));
        break;
    case ui::WM_MOUSELEAVE:
    case vcl::CM_MOUSELEAVE:
        // The framework's leave notification stands for the window's own;
        // a child's leaving (LParam set) is not ours.
        if (m.Msg == ui::WM_MOUSELEAVE || m.LParam == 0) {
            if (manager->ControlUnderMouse() == Window()) manager->ControlMouseEntered(nullptr);
        }
        break;
    case ui::WM_MOUSEMOVE: {
        TacMainWnd::WndProc(m);
        if (!Control()->Enabled() || !Window()) return;
        // The mouse may leave straight for another program's window.
        ui::TTrackMouseEvent track{ui::TME_LEAVE, Window()};
        ui::TrackMouseEvent(track);
        if (CursorInside()) {
            if (manager->ControlUnderMouse() != Window()) manager->ControlMouseEntered(Window());
        } else if (manager->ControlUnderMouse() == Window()) {
            manager->ControlMouseEntered(nullptr);
        }
        return;
    }
    case skin::SKIN_COMMAND_MESSAGE:
        switch (skin::SkinCommandOf(m.WParam)) {
        case skin::SKC_MOUSE_ENTER: MouseEntered(); return;
        case skin::SKC_MOUSE_LEAVE: MouseLeft(); return;
        default: break;
        }
        break;
    default: break;
    }
    TacMainWnd::WndProc(m);
}

}  // namespace skinpaint
