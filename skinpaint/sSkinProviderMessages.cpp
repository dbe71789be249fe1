// The provider's window procedure: the form's messages it handles itself, the
// skin commands it answers, and everything else on to the form's own
// procedure.
//
// No cover window: the platform's default handler paints its plain caption
// synchronously only for WM_NCACTIVATE (text and icon changes merely mark the
// frame for the next WM_NCPAINT, which is ours). So the provider does not pass
// WM_NCACTIVATE on at all; the framework keeps no other state from it, and the
// plain caption is never drawn to be hidden again.
#include "skin/sFadeSwitch.h"
#include "skin/sSkinManager.h"
#include "skinpaint/acGlowEffect.h"
#include "skinpaint/sSkinProvider.h"
#include "skinpaint/sWindowAnimation.h"
#include "ui/Input.h"
#include "ui/MessageLoop.h"
#include "ui/Paint.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomForm.h"

namespace skinpaint {

namespace {

// The skin commands only the frame answers.
enum : uint16_t {
    SKC_END_BULK_UPDATE = 6,
    SKC_FREEZE = 51,
    SKC_THAW = 52,
    SKC_GET_CLIENT_OFFSET = 61,
};

bool IsTitleButtonCode(ui::WPARAM code) {
    return code == ui::WPARAM(ui::HTMINBUTTON) || code == ui::WPARAM(ui::HTMAXBUTTON) ||
           code == ui::WPARAM(ui::HTCLOSE) || code == ui::WPARAM(ui::HTHELP) || (code >= 1000 && code <= 1100);
}

gfx::TPoint PointOf(ui::LPARAM lParam) { return {int16_t(lParam & 0xFFFF), int16_t((lParam >> 16) & 0xFFFF)}; }

}  // namespace

void TsSkinProvider::CallPrevious(vcl::TMessage& message) {
    if (FOldWndProc) FOldWndProc(message);
}

bool TsSkinProvider::SkinCommand(vcl::TMessage& m) {
    const bool addressed = m.LParam == reinterpret_cast<ui::LPARAM>(FSkinData->UsedManager());
    switch (skin::SkinCommandOf(m.WParam)) {
    case skin::SKC_APPLY_SKIN:
        if (addressed) ApplySkin();
        return true;
    case skin::SKC_REMOVE_SKIN:
        if (addressed) {
            FSkinData->ProcessMessage(m);
            RemoveSkin();
        }
        return true;
    case skin::SKC_REFRESH:
        if (addressed) {
            FSkinData->ProcessMessage(m);
            RefreshSkin();
        }
        return true;
    case skin::SKC_GET_PROVIDER: m.Result = reinterpret_cast<ui::LRESULT>(this); return true;
    case SKC_END_BULK_UPDATE:
        FSkinData->PaintSuspended = false;
        RepaintFrame();
        return true;
    case skin::SKC_SET_UPDATING:
    case skin::SKC_INVALIDATE_CACHE: FSkinData->PictureStale = true; return true;
    case skin::SKC_IS_BG_COMPLEX:
        m.Result = FSkinData->IsSkinned() && FSkinData->Section().GradientPercent + FSkinData->Section().ImagePercent > 0;
        return true;
    case skin::SKC_GET_BG_COLOR: m.Result = ui::LRESULT(uint32_t(FSkinData->ColorForChildren())); return true;
    case skin::SKC_MOUSE_LEAVE: ResetButtons(); return true;
    case skin::SKC_GET_BACKGROUND:
        if (auto* request = reinterpret_cast<skin::BackgroundRequest*>(m.LParam)) AnswerBackground(*request);
        return true;
    case skin::SKC_ADAPT_CHILD:
        if (Skinned()) AdaptControls(reinterpret_cast<vcl::TWinControl*>(m.LParam));
        return true;
    case skin::SKC_GET_APPLICATION: m.Result = reinterpret_cast<ui::LRESULT>(vcl::Application); return true;
    case SKC_GET_CLIENT_OFFSET: {
        const gfx::TPoint offset = Geometry().ClientOffset;
        m.Result = ui::LRESULT(uint32_t(uint16_t(offset.X)) | uint32_t(uint16_t(offset.Y)) << 16);
        return true;
    }
    case SKC_FREEZE:
        if (FForm->HandleAllocated()) ui::SendMessage(FForm->Handle(), ui::WM_SETREDRAW, 0, 0);
        return true;
    case SKC_THAW:
        if (FForm->HandleAllocated()) {
            ui::SendMessage(FForm->Handle(), ui::WM_SETREDRAW, 1, 0);
            RedrawWindowNow();
        }
        return true;
    default: return FSkinData->ProcessMessage(m);
    }
}

void TsSkinProvider::WndProc(vcl::TMessage& m) {
    if (m.Msg == skin::SKIN_COMMAND_MESSAGE) {
        if (!SkinCommand(m)) CallPrevious(m);
        return;
    }
    if (!Skinned()) {
        CallPrevious(m);
        if (m.Msg == ui::WM_CREATE && FSkinData->UsedManager() && FSkinData->UsedManager()->Active()) ApplySkin();
        return;
    }
    // Without its own frame the platform's frame answers the mouse too.
    const bool frameMessage = m.Msg == ui::WM_NCHITTEST || (m.Msg >= ui::WM_NCMOUSEMOVE && m.Msg <= ui::WM_NCMBUTTONDBLCLK);
    if (!FDrawNonClientArea && frameMessage) {
        CallPrevious(m);
        return;
    }
    switch (m.Msg) {
    case ui::WM_CREATE:
        CallPrevious(m);
        // A new window (the form's window made again) has its styles anew.
        FHadSystemMenu = false;
        SetupWindow();
        return;
    case ui::WM_SHOWWINDOW:
    case ui::WM_PARENTNOTIFY:
        // Shown, or a child window made on it: its standard controls anew.
        CallPrevious(m);
        if (m.Msg == ui::WM_SHOWWINDOW ? m.WParam != 0 : ui::LOWORD(m.WParam) == ui::WM_CREATE) AdaptControls();
        return;
    case ui::WM_MOVE:
        ReleaseAnimations();
        HideAllGlows(false);
        CallPrevious(m);
        return;
    case ui::WM_SIZE: Sized(m); return;
    case ui::WM_SETREDRAW:
        if (m.WParam == 0) ++FRedrawOff;
        else if (FRedrawOff > 0) --FRedrawOff;
        CallPrevious(m);
        return;
    case ui::WM_SETTEXT:
    case ui::WM_SETICON:
        CaptionGlowActive.SetSize(0, 0);
        CaptionGlowInactive.SetSize(0, 0);
        CallPrevious(m);
        RepaintFrame();
        return;
    case ui::WM_PAINT: Paint(m); return;
    case ui::WM_ERASEBKGND:
        if (FSkinData->UpdateDepth == 0) PaintClient(reinterpret_cast<ui::HDC>(m.WParam));
        m.Result = 1;
        return;
    case ui::WM_QUERYENDSESSION: EndSessionQuery(m); return;
    case ui::WM_NCPAINT:
        if (!FDrawNonClientArea || (FForm->FormState() & vcl::fsCreating)) CallPrevious(m);
        else if (MayPaint()) CopyFrameToScreen();
        m.Result = 0;
        return;
    case ui::WM_NCACTIVATE: {
        const bool active = m.WParam != 0;
        if (active != FDrawnActive) FSkinData->PictureStale = true;
        FDrawnActive = active;
        m.Result = 1;
        if (FDrawNonClientArea) RepaintFrame();
        else CallPrevious(m);
        return;
    }
    case ui::WM_NCHITTEST: HitTest(m); return;
    case ui::WM_NCMOUSEMOVE: MouseMoved(m); return;
    case ui::WM_NCLBUTTONDOWN:
    case ui::WM_NCLBUTTONDBLCLK: LeftButtonDown(m); return;
    case ui::WM_NCLBUTTONUP: LeftButtonUp(m); return;
    case ui::WM_NCRBUTTONDOWN:
        if (m.WParam == ui::WPARAM(ui::HTCAPTION) || m.WParam == ui::WPARAM(ui::HTSYSMENU)) return;
        CallPrevious(m);
        return;
    case ui::WM_NCRBUTTONUP:
        if (m.WParam == ui::WPARAM(ui::HTCAPTION) || m.WParam == ui::WPARAM(ui::HTSYSMENU)) OpenSystemMenu(true);
        else CallPrevious(m);
        return;
    case ui::WM_MOUSELEAVE:
    case ui::WM_NCMOUSELEAVE:
    case vcl::CM_MOUSELEAVE:
        // A child's leaving passes through its form; only the form's own counts.
        if (m.Msg != vcl::CM_MOUSELEAVE || m.LParam == 0) ResetButtons();
        CallPrevious(m);
        return;
    case ui::WM_SYSCOMMAND: SystemCommand(m); return;
    case ui::WM_WINDOWPOSCHANGING:
    case ui::WM_WINDOWPOSCHANGED:
    case ui::WM_CLOSE:
        if (!AnimateFrameMessage(*this, m, [&] { CallPrevious(m); })) CallPrevious(m);
        return;
    case ui::WM_ACTIVATE:
        CallPrevious(m);
        if (ui::LOWORD(m.WParam) != ui::WA_INACTIVE && FSystemMenu) FSystemMenu->UpdateItems();
        return;
    default: CallPrevious(m); return;
    }
}

void TsSkinProvider::Sized(vcl::TMessage& m) {
    CaptionGlowActive.SetSize(0, 0);
    CaptionGlowInactive.SetSize(0, 0);
    RegionStale = true;
    FSkinData->PictureStale = true;
    ++FSkinData->UpdateDepth;
    CallPrevious(m);
    --FSkinData->UpdateDepth;
    if (FForm->HandleAllocated() && ui::IsWindowVisible(FForm->Handle()))
        ui::RedrawWindow(FForm->Handle(), nullptr, nullptr,
                         ui::RDW_FRAME | ui::RDW_INVALIDATE | ui::RDW_NOERASE | ui::RDW_ALLCHILDREN | ui::RDW_UPDATENOW);
}

void TsSkinProvider::Paint(vcl::TMessage& m) {
    if (m.WParam) {
        PaintClient(reinterpret_cast<ui::HDC>(m.WParam));
        CallPrevious(m);
        return;
    }
    // The client from the picture, then what the form itself draws (its
    // paint handler and its controls without windows) over it.
    ui::TPaintStruct ps;
    const ui::HDC dc = ui::BeginPaint(FForm->Handle(), ps);
    if (dc) {
        PaintClient(dc);
        vcl::TMessage inner{ui::WM_PAINT, reinterpret_cast<ui::WPARAM>(dc), 0, 0};
        CallPrevious(inner);
    }
    ui::EndPaint(FForm->Handle(), ps);
}

void TsSkinProvider::EndSessionQuery(vcl::TMessage& m) {
    skin::SetFadingSwitchedOff(true);
    // Fades make no further step now and so would never end by themselves:
    // ours stop at once, the others' are waited for only a bounded number of
    // rounds of the waiting messages.
    ReleaseAnimations();
    for (int round = 0; round < 100 && skin::FadeTimerCount() > 0 && !vcl::Application->Terminated(); ++round)
        ui::ProcessPendingMessages();
    CallPrevious(m);
}

void TsSkinProvider::HitTest(vcl::TMessage& m) {
    const ui::LRESULT own = FrameHitTest(PointOf(m.LParam));
    const bool grip = own == ui::HTBOTTOMRIGHT && FGripMode == gmRightBottom;
    if (KeepsOwnHit(own) || grip) {
        m.Result = own;
    } else {
        CallPrevious(m);
    }
    if (OnExtHitTest) OnExtHitTest(this, m);
}

void TsSkinProvider::MouseMoved(vcl::TMessage& m) {
    ui::TTrackMouseEvent track{ui::TME_LEAVE | ui::TME_NONCLIENT, FForm->Handle()};
    ui::TrackMouseEvent(track);
    if (IsTitleButtonCode(m.WParam)) {
        const int hit = int(m.WParam);
        if (!ButtonPressed()) SetHot(hit);
        else if (hit != FCurrentHit) SetHot(0);
        return;
    }
    SetHot(0);
    CallPrevious(m);
}

void TsSkinProvider::LeftButtonDown(vcl::TMessage& m) {
    if (IsTitleButtonCode(m.WParam)) {
        const int hit = int(m.WParam);
        Press(hit);
        if (TsTitleButton* user = UserButton(hit); user && user->OnMouseDown) {
            const gfx::TPoint p = PointOf(m.LParam);
            user->OnMouseDown(this, vcl::mbLeft, 0, p.X, p.Y);
        }
        return;
    }
    const TFormGeometry g = Geometry();
    if (m.Msg == ui::WM_NCLBUTTONDOWN && m.WParam == ui::WPARAM(ui::HTCAPTION) && g.Maximized) {
        FForm->SetFocus();
        return;
    }
    if (m.Msg == ui::WM_NCLBUTTONDOWN && m.WParam == ui::WPARAM(ui::HTSYSMENU)) {
        OpenSystemMenu(false);
        return;
    }
    CallPrevious(m);
}

TsTitleButton* TsSkinProvider::UserButton(int hitCode) {
    return hitCode >= 1000 && hitCode - 1000 < FTitleButtons.Count() ? &FTitleButtons.Items(hitCode - 1000) : nullptr;
}

void TsSkinProvider::LeftButtonUp(vcl::TMessage& m) {
    const bool pending = ButtonPressed();
    if (!IsTitleButtonCode(m.WParam) || !pending) {
        // A release anywhere ends a pending press.
        ResetButtons();
        CallPrevious(m);
        return;
    }
    const int hit = int(m.WParam);
    const TacWindowButtons w = Buttons();
    const gfx::TRect window = ui::GetWindowRect(FForm->Handle());
    const gfx::TPoint p = PointOf(m.LParam);
    const bool onMin = MinButton.Bounds.Contains(p.X - window.Left, p.Y - window.Top);
    ResetButtons();
    // The form may be gone after the command: nothing of ours is used then.
    const ui::HWND handle = FForm->Handle();
    switch (hit) {
    case ui::HTMINBUTTON:
        if (onMin) ui::SendMessage(handle, ui::WM_SYSCOMMAND, HostMinimized() ? ui::SC_RESTORE : ui::SC_MINIMIZE, 0);
        break;
    case ui::HTMAXBUTTON:
        if (EnabledMax(w) || EnabledRestore(w))
            ui::SendMessage(handle, ui::WM_SYSCOMMAND, w.Maximized ? ui::SC_RESTORE : ui::SC_MAXIMIZE, 0);
        break;
    case ui::HTCLOSE: ui::SendMessage(handle, ui::WM_SYSCOMMAND, ui::SC_CLOSE, 0); break;
    case ui::HTHELP:
        ui::SendMessage(handle, ui::WM_SYSCOMMAND, ui::SC_CONTEXTHELP, 0);
        RepaintFrame();
        break;
    default:
        if (TsTitleButton* user = UserButton(hit); user && user->OnMouseUp) user->OnMouseUp(this, vcl::mbLeft, 0, p.X, p.Y);
        break;
    }
}

void TsSkinProvider::OpenSystemMenu(bool atCursor) {
    gfx::TPoint at = ui::GetCursorPos();
    if (!atCursor) {
        const gfx::TRect window = ui::GetWindowRect(FForm->Handle());
        const TFormGeometry g = Geometry();
        at = {window.Left + g.Border, window.Top + g.TitleHeight()};
    }
    if (!FSystemMenu) FSystemMenu = new TsSystemMenu(this, *FForm, *this);
    FSystemMenu->Popup(at.X, at.Y);
}

void TsSkinProvider::SystemCommand(vcl::TMessage& m) {
    const ui::WPARAM command = m.WParam & 0xFFF0;
    if (command == ui::SC_KEYMENU && m.LParam == ' ') {
        OpenSystemMenu(false);
        return;
    }
    if (!AnimateFrameMessage(*this, m, [&] { CallPrevious(m); })) CallPrevious(m);
    if (command != ui::SC_MINIMIZE && command != ui::SC_MAXIMIZE && command != ui::SC_RESTORE) return;
    ResetButtons();
    if (command == ui::SC_RESTORE) {
        RegionStale = true;
        RedrawWindowNow();
    }
}

}  // namespace skinpaint
