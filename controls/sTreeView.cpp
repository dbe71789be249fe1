#include "controls/sTreeView.h"

#include "skin/sControlKinds.h"
#include "skin/sSkinBroadcast.h"
#include "skinpaint/sFrameSupport.h"
#include "skinpaint/sParentBackground.h"
#include "skinpaint/sSectionItem.h"
#include "ui/Paint.h"
#include "vcl/TClassBuilder.h"

namespace controls {

const vcl::TClassInfo& TsTreeView::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TsTreeView>("TsTreeView", vcl::TTreeView::StaticClass())
            .Creatable()
            .Object("SkinData", &TsTreeView::SkinData)
            .Object("BoundLabel", &TsTreeView::BoundLabel)
            .Build();
    return info;
}

TsTreeView::TsTreeView(vcl::TComponent* owner)
    : vcl::TTreeView(owner), FSkinData(this, true), FBoundLabel(*this, FSkinData) {
    FSkinData.ControlKind = skin::ckTreeView;
    FSkinData.SetSkinSection("EDIT");
    FSkinData.BindToSkin();
}

TsTreeView::~TsTreeView() { FBoundLabel.SetActive(false); }

void TsTreeView::Loaded() {
    vcl::TTreeView::Loaded();
    FSkinData.BindToSkin();
    FSkinData.UpdateColors(false);
    FBoundLabel.EditParentChanged();
}

void TsTreeView::CreateWnd() {
    vcl::TTreeView::CreateWnd();
    FSkinData.UpdateColors(false);
}

void TsTreeView::SetBounds(int left, int top, int width, int height) {
    vcl::TTreeView::SetBounds(left, top, width, height);
    FBoundLabel.EditMoved();
}

void TsTreeView::SetParent(vcl::TWinControl* parent) {
    vcl::TTreeView::SetParent(parent);
    FBoundLabel.EditParentChanged();
}

int TsTreeView::FrameWidth() const { return BorderStyle() == vcl::bsSingleBorder ? (Ctl3D() ? 1 : 0) + 1 : 0; }

void TsTreeView::ComposePicture() {
    FSkinData.SizeCachePicture();
    gfx::TBitmap& cache = *FSkinData.CachePicture;
    if (cache.Width() == 0 || cache.Height() == 0) return;
    const int s = FSkinData.IsHot() ? 1 : 0;
    const skinpaint::ParentBackground behind = skinpaint::ParentBackgroundOf(FSkinData);
    skinpaint::PaintControlItem(FSkinData, behind, true, cache, {0, 0},
                                {0, 0, Width(), Height()}, s);
    FSkinData.PictureStale = false;
}

// Only the ring around the client area comes from the picture: the client
// area is the framework's, on the section's colour.
void TsTreeView::PaintFrame() {
    if (FSkinData.PictureStale) ComposePicture();
    if (ui::HDC dc = ui::GetWindowDC(FHandle)) {
        skinpaint::CopyBorderRing(*dc, *FSkinData.CachePicture, FrameWidth());
        ui::ReleaseDC(FHandle, dc);
    }
}

bool TsTreeView::HandleSkinned(vcl::TMessage& message) {
    switch (message.Msg) {
        case ui::WM_NCPAINT:
            if (FrameWidth() == 0) return false;
            PaintFrame();
            return true;
        case ui::WM_PRINT:
            if (auto* dc = reinterpret_cast<gfx::TCanvas*>(message.WParam);
                dc && (message.LParam & ui::PRF_NONCLIENT) && FrameWidth() > 0) {
                ComposePicture();
                skinpaint::CopyBorderRing(*dc, *FSkinData.CachePicture, FrameWidth());
                message.LParam &= ~ui::PRF_NONCLIENT;
            }
            return false;
        default: return false;
    }
}

void TsTreeView::WndProc(vcl::TMessage& message) {
    if (message.Msg == skin::SKIN_COMMAND_MESSAGE) {
        const uint16_t command = skin::SkinCommandOf(message.WParam);
        if (!FSkinData.ProcessMessage(message)) vcl::TTreeView::WndProc(message);
        if (command == skin::SKC_REFRESH || command == skin::SKC_REMOVE_SKIN) {
            FSkinData.PictureStale = true;
            if (command == skin::SKC_REFRESH) FSkinData.UpdateColors(false);
            if (HandleAllocated())
                ui::RedrawWindow(FHandle, nullptr, nullptr, ui::RDW_FRAME | ui::RDW_INVALIDATE | ui::RDW_ERASE);
        }
        return;
    }
    if (FSkinData.ProcessMessage(message)) return;
    if (!FSkinData.IsSkinned() || !HandleAllocated() || !HandleSkinned(message)) vcl::TTreeView::WndProc(message);
    switch (message.Msg) {
        case ui::WM_SIZE:
        case ui::WM_SETFOCUS:
        case ui::WM_KILLFOCUS:
        case vcl::CM_ENABLEDCHANGED:
            FSkinData.PictureStale = true;
            if (HandleAllocated()) ui::RedrawWindow(FHandle, nullptr, nullptr, ui::RDW_FRAME | ui::RDW_INVALIDATE);
            break;
        case ui::WM_WINDOWPOSCHANGED: FBoundLabel.EditMoved(); break;
        case vcl::CM_VISIBLECHANGED: FBoundLabel.EditVisibilityChanged(); break;
        default: break;
    }
    if (message.Msg == vcl::CM_ENABLEDCHANGED) FBoundLabel.EditEnabledChanged(true);
}

}  // namespace controls
