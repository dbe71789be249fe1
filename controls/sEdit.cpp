#include "controls/sEdit.h"

#include "skin/sControlKinds.h"
#include "skin/sSkinBroadcast.h"
#include "skinpaint/sControlCorners.h"
#include "skinpaint/sFrameSupport.h"
#include "skinpaint/sSectionBackground.h"
#include "skinpaint/sSectionItem.h"
#include "skinpaint/sSkinText.h"
#include "ui/Paint.h"
#include "vcl/TClassBuilder.h"

namespace controls {

namespace {

// The parent has ended an update that deferred the edit's painting.
constexpr uint16_t SKC_PARENT_UPDATE_ENDED = 6;

vcl::TMessage Command(uint16_t command) { return {skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(command), 0}; }

}  // namespace

const vcl::TClassInfo& TsEdit::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TsEdit>("TsEdit", vcl::TEdit::StaticClass())
            .Creatable()
            .Set("DisabledKind", &TsEdit::SetDisabledKind,
                 {{"dkBlended", skinpaint::dkBlended}, {"dkGrayed", skinpaint::dkGrayed}})
            .Object("SkinData", &TsEdit::SkinData)
            .Object("BoundLabel", &TsEdit::BoundLabel)
            .Build();
    return info;
}

TsEdit::TsEdit(vcl::TComponent* owner) : vcl::TEdit(owner), FSkinData(this, true), FBoundLabel(*this, FSkinData) {
    FSkinData.ControlKind = skin::ckEdit;
    FSkinData.SetSkinSection("EDIT");
    FSkinData.BindToSkin();
}

TsEdit::~TsEdit() { FBoundLabel.SetActive(false); }

void TsEdit::SetDisabledKind(unsigned value) {
    if (value == FDisabledKind) return;
    FDisabledKind = value;
    FSkinData.RequestRepaint();
}

void TsEdit::Loaded() {
    vcl::TEdit::Loaded();
    FSkinData.BindToSkin();
    FBoundLabel.EditParentChanged();
}

void TsEdit::SetBounds(int left, int top, int width, int height) {
    vcl::TEdit::SetBounds(left, top, width, height);
    FBoundLabel.EditMoved();
}

void TsEdit::SetParent(vcl::TWinControl* parent) {
    vcl::TEdit::SetParent(parent);
    FBoundLabel.EditParentChanged();
}

void TsEdit::CreateWnd() {
    vcl::TEdit::CreateWnd();
    AlignFormattingRect();
}

void TsEdit::Change() {
    FSkinData.PictureStale = true;
    vcl::TEdit::Change();
}

int TsEdit::FrameWidth() const { return BorderStyle() == vcl::bsSingleBorder ? (Ctl3D() ? 1 : 0) + 1 : 0; }

vcl::TRect TsEdit::TextRect() const {
    const int b = FrameWidth();
    if (BorderStyle() == vcl::bsSingleBorder) return {b + 1, b + 1, Width() - b - 1, Height() - b};
    return {b, b, Width() - b, Height() - b};
}

// The framework edit writes its line where the composed picture has it, so
// that the text stays put when the mouse comes or goes.
void TsEdit::AlignFormattingRect() {
    if (!HandleAllocated()) return;
    const int b = FrameWidth();
    const vcl::TRect r = gfx::OffsetRect(TextRect(), -b, -b);
    gfx::TBitmap measure(1, 1);
    measure.Canvas().Font = Font().Handle();
    vcl::TRect line{r.Left, r.Top, r.Right, r.Top + measure.Canvas().TextHeight("Wg")};
    Perform(vcl::EM_SETRECT, 0, ui::LPARAM(&line));
}

void TsEdit::ComposePicture() {
    FSkinData.SizeCachePicture();
    gfx::TBitmap& cache = *FSkinData.CachePicture;
    if (cache.Width() == 0 || cache.Height() == 0) return;
    const int s = FSkinData.IsHot() ? 1 : 0;
    const skinpaint::ParentBackground behind = skinpaint::ParentBackgroundOf(FSkinData);

    const vcl::TRect whole{0, 0, Width(), Height()};
    if (BorderStyle() == vcl::bsSingleBorder)
        skinpaint::PaintControlItem(FSkinData, behind, true, cache, {0, 0}, whole, s);
    else
        skinpaint::PaintControlBackground(FSkinData, behind, s, cache, {0, 0}, whole);

    if (const std::string text = DisplayText(); !text.empty()) {
        vcl::TRect r = TextRect();
        unsigned format = gfx::DT_SINGLELINE | gfx::DT_TOP | gfx::DT_NOPREFIX;
        if (UseRightToLeftAlignment()) {
            format |= gfx::DT_RIGHT | gfx::DT_RTLREADING;
            r.Right -= 1;
        }
        gfx::TCanvas& canvas = cache.Canvas();
        canvas.Font = Font().Handle();
        skinpaint::WriteControlText(canvas, text, Enabled(), s == 1, FSkinData, format, r);
    }
    if (!Enabled()) {
        const gfx::TColor parentColor = Parent() ? gfx::ColorToRGB(Parent()->Color()) : skinpaint::KEY_COLOR;
        skinpaint::PaintDisabledLook(cache, FDisabledKind, parentColor, {0, 0}, behind);
    }
    FSkinData.PictureStale = false;
}

// --- painting

void TsEdit::UpdatePartlyCovered() {
    vcl::TWinControl* parent = Parent();
    const bool covered = parent && skin::SendSkinCommand(*parent, Command(skin::SKC_GET_PARTLY_COVERED)) != 0;
    FSkinData.PictureStale = FSkinData.PictureStale || FSkinData.PartlyCovered || covered;
    if (!parent) return;
    const vcl::TRect area = parent->ClientRect();
    const auto inside = [&area](int x, int y) {
        return x >= area.Left && x <= area.Right && y >= area.Top && y <= area.Bottom;
    };
    FSkinData.PartlyCovered = !(inside(Left(), Top()) && inside(Left() + Width(), Top() + Height()));
}

void TsEdit::PrepareFrame(bool compose) {
    if (compose || (FSkinData.PictureStale && !FSkinData.PaintAtOnce)) ComposePicture();
    skinpaint::RepaintControlCorners(FSkinData, FSkinData.IsHot() ? 1 : 0);
}

void TsEdit::Paint(vcl::TMessage& message) {
    FSkinData.PaintSuspended = FSkinData.MustDeferPaint();
    auto* given = reinterpret_cast<gfx::TCanvas*>(message.WParam);
    ui::TPaintStruct ps;
    if (FSkinData.PaintSuspended) {
        if (given) return;
        ui::BeginPaint(FHandle, ps);
        ui::EndPaint(FHandle, ps);
        return;
    }
    if (Enabled() && FSkinData.IsHot()) {
        // The framework edit writes text, selection and caret on the section's
        // colour inside the skin frame.
        gfx::TCanvas* dc = given ? given : ui::BeginPaint(FHandle, ps);
        if (dc) {
            dc->Brush = {Color(), gfx::bsSolid};
            dc->FillRect(ClientRect());
            vcl::TMessage paint{ui::WM_PAINT, ui::WPARAM(dc), 0, 0};
            vcl::TEdit::WndProc(paint);
        }
        if (!given) ui::EndPaint(FHandle, ps);
        return;
    }
    UpdatePartlyCovered();
    PrepareFrame(false);
    if (given) {
        PaintFromCache(*given);
        return;
    }
    ui::BeginPaint(FHandle, ps);
    if (ui::HDC dc = ui::GetWindowDC(FHandle)) {
        const int shift = BorderStyle() == vcl::bsSingleBorder ? FrameWidth() : 0;
        for (int i = 0; i < ControlCount(); ++i)
            if (Controls(i)->Visible()) dc->ExcludeClipRect(gfx::OffsetRect(Controls(i)->BoundsRect(), shift, shift));
        gfx::TBitmap& cache = *FSkinData.CachePicture;
        dc->CopyRect({0, 0, cache.Width(), cache.Height()}, cache.Canvas(), {0, 0, cache.Width(), cache.Height()});
        ui::ReleaseDC(FHandle, dc);
    }
    ui::EndPaint(FHandle, ps);
}

void TsEdit::PaintFrame() {
    PrepareFrame(false);
    if (ui::HDC dc = ui::GetWindowDC(FHandle)) {
        skinpaint::CopyBorderRing(*dc, *FSkinData.CachePicture, FrameWidth());
        ui::ReleaseDC(FHandle, dc);
    }
}

// The DC's origin is the client area's: the picture goes in shifted back by
// the frame, its ring first, then its inside clipped to the client area.
void TsEdit::PaintFromCache(gfx::TCanvas& dc) {
    gfx::TBitmap& cache = *FSkinData.CachePicture;
    const int b = FrameWidth();
    const int saved = dc.SaveDC();
    const gfx::TPoint origin = dc.ViewportOrg();
    dc.SetViewportOrg(origin.X - b, origin.Y - b);
    skinpaint::CopyBorderRing(dc, cache, b);
    const vcl::TRect inner{b, b, cache.Width() - b, cache.Height() - b};
    dc.IntersectClipRect(inner);
    dc.CopyRect(inner, cache.Canvas(), inner);
    dc.RestoreDC(saved);
}

void TsEdit::RequestFramePaint() {
    if (HandleAllocated()) ui::RedrawWindow(FHandle, nullptr, nullptr, ui::RDW_FRAME | ui::RDW_INVALIDATE);
}

bool TsEdit::HandlePaintMessage(vcl::TMessage& message) {
    switch (message.Msg) {
        case ui::WM_PAINT: Paint(message); return true;
        case ui::WM_NCPAINT: PaintFrame(); return true;
        case ui::WM_PRINTCLIENT:
            if (auto* dc = reinterpret_cast<gfx::TCanvas*>(message.WParam)) {
                PrepareFrame(true);
                PaintFromCache(*dc);
            }
            return true;
        case ui::WM_PRINT:
            // The window system prints the frame into a DC clipped to the
            // client area's part; the skin frame needs the whole window.
            if (auto* dc = reinterpret_cast<gfx::TCanvas*>(message.WParam);
                dc && (message.LParam & ui::PRF_NONCLIENT)) {
                PrepareFrame(true);
                gfx::TBitmap& cache = *FSkinData.CachePicture;
                dc->CopyRect({0, 0, cache.Width(), cache.Height()}, cache.Canvas(),
                             {0, 0, cache.Width(), cache.Height()});
                return true;
            }
            return false;
        case ui::WM_ERASEBKGND:
            if (FSkinData.PaintSuspended || !Enabled()) {
                message.Result = 1;
                return true;
            }
            return false;
        default: return false;
    }
}

// --- messages

bool TsEdit::HandleSkinCommand(vcl::TMessage& message) {
    switch (skin::SkinCommandOf(message.WParam)) {
        case skin::SKC_REFRESH:
            FSkinData.ProcessMessage(message);
            if (Visible() && HandleAllocated())
                ui::RedrawWindow(FHandle, nullptr, nullptr,
                                 ui::RDW_FRAME | ui::RDW_INVALIDATE | ui::RDW_ERASE | ui::RDW_ALLCHILDREN);
            return true;
        case SKC_PARENT_UPDATE_ENDED: {
            const bool deferred = FSkinData.PaintSuspended;
            FSkinData.PaintSuspended = false;
            if (deferred) {
                Invalidate();
                RequestFramePaint();
            }
            return true;
        }
        default:
            if (!FSkinData.ProcessMessage(message)) vcl::TEdit::WndProc(message);
            return true;
    }
}

void TsEdit::FollowLabel(const vcl::TMessage& message) {
    switch (message.Msg) {
        case ui::WM_WINDOWPOSCHANGED: FBoundLabel.EditMoved(); break;
        case vcl::CM_VISIBLECHANGED: FBoundLabel.EditVisibilityChanged(); break;
        case vcl::CM_ENABLEDCHANGED: FBoundLabel.EditEnabledChanged(FDisabledKind & skinpaint::dkBlended); break;
        default: break;
    }
}

void TsEdit::WndProc(vcl::TMessage& message) {
    if (message.Msg == skin::SKIN_COMMAND_MESSAGE) {
        HandleSkinCommand(message);
        return;
    }
    if (FSkinData.ProcessMessage(message)) return;
    if (!FSkinData.IsSkinned() || !HandleAllocated() || !HandlePaintMessage(message)) vcl::TEdit::WndProc(message);
    const bool loading = ComponentState() & vcl::csLoading;
    switch (message.Msg) {
        case vcl::CM_COLORCHANGED:
            if (FSkinData.CustomColor()) FSkinData.PictureStale = true;
            break;
        case ui::WM_SIZE:
            AlignFormattingRect();
            RequestFramePaint();
            break;
        case ui::WM_KILLFOCUS:
            FSkinData.HasFocus = false;
            FSkinData.MouseOver = false;
            FSkinData.PictureStale = true;
            Invalidate();
            RequestFramePaint();
            break;
        case vcl::CM_FONTCHANGED: AlignFormattingRect(); [[fallthrough]];
        case vcl::CM_TEXTCHANGED:
        case vcl::CM_VISIBLECHANGED:
        case vcl::CM_ENABLEDCHANGED:
            if (loading) break;
            FSkinData.PictureStale = true;
            Invalidate();
            RequestFramePaint();
            break;
        default: break;
    }
    FollowLabel(message);
}

}  // namespace controls
