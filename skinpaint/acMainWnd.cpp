#include "skinpaint/acMainWnd.h"

#include "skin/sGlowHook.h"
#include "skin/sSkinBroadcast.h"
#include "skin/sSkinManager.h"
#include "ui/Paint.h"
#include "ui/Window.h"
#include "vcl/TApplication.h"
#include "vcl/TWinControl.h"

namespace skinpaint {

namespace {

const char* const AdapterProp = "ACSBSC";

// Commands only the adapters answer.
enum : uint16_t { SKC_END_BULK_UPDATE = 6 };

}  // namespace

TacMainWnd::TacMainWnd(vcl::TWinControl& control, const std::string& section, skin::TsCommonData* binding)
    : FControl(&control), FSkinData(binding) {
    if (!FSkinData) {
        FOwnSkinData = std::make_unique<skin::TsCommonData>(&control, true);
        FSkinData = FOwnSkinData.get();
    }
    if (!FSkinData->CachePicture) {
        FSkinData->CachePicture = std::make_unique<gfx::TBitmap>();
        FSkinData->CachePicture->SetPixelFormat(gfx::pf32bit);
    }
    FSkinData->HostControl = &control;
    // An empty binding section reads "UNKNOWN".
    if (FSkinData->SkinSection().empty() || FSkinData->SkinSection() == "UNKNOWN") FSkinData->SetSkinSection(section);
    FText = control.Caption();
    if (control.HandleAllocated()) ui::SetProp(control.Handle(), AdapterProp, this);
    FPrevious = control.WindowProc();
    control.SetWindowProc([this](vcl::TMessage& m) { WndProc(m); });
    // The adapter paints the control's whole area itself.
    FSavedControlStyle = control.ControlStyle();
    control.SetControlStyle(FSavedControlStyle | vcl::csOpaque);
    FSkinData->ResolveSection();
}

TacMainWnd::~TacMainWnd() {
    if (!FControl) return;
    skin::HideGlow(FSkinData->GlowHandle);
    FSkinData->GlowHandle = -1;
    vcl::TWinControl* control = FControl;
    Unhook();
    // Drawn by the framework again.
    if (!(control->ComponentState() & vcl::csDestroying)) control->Invalidate();
}

TacMainWnd* TacMainWnd::Of(ui::HWND window) {
    return window ? static_cast<TacMainWnd*>(ui::GetProp(window, AdapterProp)) : nullptr;
}

void TacMainWnd::ControlGone() {
    FControl = nullptr;
    FRemoved = true;
}

void TacMainWnd::Unhook() {
    if (FRemoved || !FControl) return;
    FRemoved = true;
    FControl->SetControlStyle(FSavedControlStyle);
    FControl->SetWindowProc(FPrevious);
    if (FControl->HandleAllocated() && ui::GetProp(FControl->Handle(), AdapterProp) == this)
        ui::RemoveProp(FControl->Handle(), AdapterProp);
}

ui::HWND TacMainWnd::Window() const { return FControl && FControl->HandleAllocated() ? FControl->Handle() : nullptr; }

bool TacMainWnd::ManagerActive() const {
    const skin::TsSkinManager* manager = Manager();
    return manager && manager->Active();
}

void TacMainWnd::CallPrevious(vcl::TMessage& m) {
    if (FPrevious) FPrevious(m);
}

void TacMainWnd::WndProc(vcl::TMessage& m) {
    switch (m.Msg) {
    case ui::WM_DESTROY:
    case ui::WM_NCDESTROY:
        skin::HideGlow(FSkinData->GlowHandle);
        FSkinData->GlowHandle = -1;
        CallPrevious(m);
        if (m.Result == 0) Unhook();
        return;
    case ui::WM_UPDATEUISTATE: return;
    case ui::WM_SIZE: FSkinData->PictureStale = true; break;
    case ui::WM_SETTEXT:
    case vcl::CM_TEXTCHANGED:
        CallPrevious(m);
        FText = FControl->Caption();
        return;
    case ui::WM_MOUSEMOVE:
        if (skin::TsSkinManager* manager = skin::TsSkinManager::DefaultManager();
            manager && FControl->Enabled() && manager->ControlUnderMouse() != Window())
            manager->ControlMouseEntered(Window());
        break;
    case ui::WM_PRINTCLIENT: m.Result = FControl->Perform(ui::WM_PAINT, m.WParam, m.LParam); return;
    case skin::SKIN_COMMAND_MESSAGE:
        if (ManagerActive() && SkinCommand(m)) return;
        break;
    default: break;
    }
    CallPrevious(m);
}

// True when the command is answered here and goes no further.
bool TacMainWnd::SkinCommand(vcl::TMessage& m) {
    const bool addressed = m.LParam == reinterpret_cast<ui::LPARAM>(Manager());
    switch (skin::SkinCommandOf(m.WParam)) {
    case skin::SKC_REFRESH:
        if (!addressed) return false;
        FSkinData->ResolveSection();
        FSkinData->PaintSuspended = false;
        if (FControl->Visible() && Window()) ui::InvalidateRect(Window(), nullptr, false);
        return true;
    case SKC_END_BULK_UPDATE:
        if (FSkinData->PaintSuspended) {
            FSkinData->PaintSuspended = FSkinData->MustDeferPaint();
            if (!FSkinData->PaintSuspended && Window())
                ui::RedrawWindow(Window(), nullptr, nullptr,
                                 ui::RDW_FRAME | ui::RDW_ALLCHILDREN | ui::RDW_INVALIDATE | ui::RDW_UPDATENOW);
        }
        return true;
    case skin::SKC_IS_SKINNED: m.Result = 1; return true;
    case skin::SKC_IS_UPDATING: m.Result = FSkinData->PaintSuspended; return true;
    case skin::SKC_IS_BG_COMPLEX:
    case skin::SKC_GET_BACKGROUND:
    case skin::SKC_GET_APPLICATION: return FSkinData->ProcessMessage(m);
    case skin::SKC_GET_BG_COLOR:
        CallPrevious(m);
        if (m.Result == 0) m.Result = ui::LRESULT(uint32_t(FSkinData->ColorForChildren()));
        return true;
    case skin::SKC_APPLY_SKIN:
        if (addressed) {
            FSkinData->ResolveSection();
            skin::DeliverToChildren(*FControl, m);
        }
        return false;
    case skin::SKC_REMOVE_SKIN:
        if (addressed) SkinRemoved();
        return false;
    case skin::SKC_SET_SECTION:
    case skin::SKC_PRINTING: FSkinData->ProcessMessage(m); return false;
    default: return false;
    }
}

}  // namespace skinpaint
