#include "skinpaint/acGlowEffect.h"

#include <algorithm>
#include <string>

#include "skin/sCommonData.h"
#include "skin/sDialogHook.h"
#include "skin/sGlowHook.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sSkinFrame.h"
#include "ui/Layered.h"
#include "ui/Messages.h"
#include "ui/Paint.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomForm.h"

namespace skinpaint {

namespace {

// Layered, no-activate, click-through tool window.
constexpr ui::DWORD GlowExStyle =
    ui::WS_EX_LAYERED | ui::WS_EX_NOACTIVATE | ui::WS_EX_TRANSPARENT | ui::WS_EX_TOOLWINDOW;

int Slice(int margin, int uniform, int frame) { return margin > 0 ? margin : uniform > 0 ? uniform : frame; }

skin::TsSkinManager* ManagerOrDefault(skin::TsSkinManager* manager) {
    return manager ? manager : skin::TsSkinManager::DefaultManager();
}

gfx::TRect ClipBoxOf(ui::HWND window, ui::HDC dc) {
    gfx::TRect box;
    ui::GetClipBox(dc, box);
    ui::ReleaseDC(window, dc);
    return box;
}

// Stays where the owner is in the z-order: in the topmost band above
// everything for a topmost owner, else directly above the owner.
void PlaceAboveOwner(vcl::TForm& form, ui::HWND owner) {
    const ui::HWND glow = form.Handle();
    if (owner && (ui::GetWindowLongPtr(owner, ui::GWL_EXSTYLE) & ui::WS_EX_TOPMOST)) {
        form.SetFormStyle(vcl::fsStayOnTop);
        ui::SetWindowPos(glow, ui::HWND_TOPMOST, 0, 0, 0, 0, ui::SWP_NOMOVE | ui::SWP_NOSIZE | ui::SWP_NOACTIVATE);
        return;
    }
    if (!owner) return;
    // Going below the window above the owner puts the glow right over it;
    // with nothing above the owner that place is the top of the band.
    const ui::HWND above = ui::GetWindow(owner, ui::GW_HWNDPREV);
    ui::SetWindowPos(glow, above ? above : ui::HWND_TOP, 0, 0, 0, 0,
                     ui::SWP_NOMOVE | ui::SWP_NOSIZE | ui::SWP_NOACTIVATE);
}

}  // namespace

TGlowSlices GlowSlices(const skin::TsMaskData& entry) {
    // Unlike the painters, a glow entry without a state count has one frame.
    const int w = entry.SourceRect.Width() / std::max<int>(entry.StateCount, 1), h = skin::FrameHeight(entry);
    return {Slice(entry.MarginLeft, entry.UniformMargin, w), Slice(entry.MarginTop, entry.UniformMargin, h),
            Slice(entry.MarginRight, entry.UniformMargin, w), Slice(entry.MarginBottom, entry.UniformMargin, h)};
}

TGlowPlacement PlaceGlow(const TGlowSlices& s, const gfx::TRect& element, const gfx::TRect& v, int margin) {
    const int ew = element.Width(), eh = element.Height();
    const int fullW = ew + s.Left + s.Right - 2 * margin, fullH = eh + s.Top + s.Bottom - 2 * margin;
    int l = 0, t = 0, r = 0, b = 0;
    if (v.Width() != ew || v.Height() != eh) {
        l = v.Left != 0 ? s.Left + v.Left - margin : 0;
        t = v.Top != 0 ? s.Top + v.Top - margin : 0;
        r = v.Right == ew ? 0 : l != 0 ? fullW - l - v.Width() : ew - v.Width() + s.Right - margin;
        b = v.Bottom == eh ? 0 : t != 0 ? fullH - t - v.Height() : eh - v.Height() + s.Bottom - margin;
    }
    const int x = element.Left - s.Left + margin + l, y = element.Top - s.Top + margin + t;
    return {{fullW, fullH}, {l, t}, gfx::Bounds(x, y, fullW - l - r, fullH - t - b)};
}

gfx::TBitmap GlowPicture(const skin::TsMaskData& entry, gfx::TSize full) {
    gfx::TBitmap picture(full.cx, full.cy);
    PaintSkinFrame(picture, gfx::Bounds(0, 0, full.cx, full.cy), EmptyBackground, entry, 0, false);
    return picture;
}

// --- one glow

TacGlowEffect::TacGlowEffect(skin::TsSkinManager* manager) : Manager(ManagerOrDefault(manager)) {}

TacGlowEffect::~TacGlowEffect() {
    if (!Window) return;
    const bool now = (Manager && (Manager->ComponentState() & vcl::csDestroying)) || vcl::Application->Terminated();
    if (now) {
        FreeWindowNow();
        return;
    }
    RestoreWndProc();
    Window->Release();
    Window = nullptr;
}

void TacGlowEffect::RestoreWndProc() {
    if (Window && PreviousWndProc) Window->SetWindowProc(std::move(PreviousWndProc));
    PreviousWndProc = nullptr;
}

void TacGlowEffect::FreeWindowNow() {
    RestoreWndProc();
    vcl::TComponent::Free(Window);
    Window = nullptr;
}

void TacGlowEffect::Show(const gfx::TRect& element, const gfx::TRect& visible, ui::HWND owner) {
    // An element out of view gets no halo.
    if (Window || !Manager || visible.IsEmpty()) return;
    const bool withImage = Manager->IsValidImgIndex(ImageIndex);
    const TGlowSlices slices = withImage ? GlowSlices(Manager->Masks[size_t(ImageIndex)]) : TGlowSlices{};
    const TGlowPlacement place = PlaceGlow(slices, element, visible, Margin);
    const gfx::TSize size{place.Window.Width(), place.Window.Height()};
    if (size.cx <= 0 || size.cy <= 0) return;

    Window = new vcl::TForm(nullptr);
    Window->SetTag(skin::NeverSkinnedTag);
    Window->SetBorderStyle(vcl::bsNone);
    Window->SetControlStyle(Window->ControlStyle() & ~vcl::csCaptureMouse);
    Window->SetBounds(place.Window.Left, place.Window.Top, size.cx, size.cy);
    PreviousWndProc = Window->WindowProc();
    Window->SetWindowProc([this](vcl::TMessage& message) {
        // The mouse goes through to whatever lies below the halo.
        if (message.Msg == ui::WM_NCHITTEST) message.Result = ui::HTTRANSPARENT;
        else PreviousWndProc(message);
    });
    const ui::HWND hwnd = Window->Handle();
    PlaceAboveOwner(*Window, owner);
    ui::SetWindowLongPtr(hwnd, ui::GWL_EXSTYLE, ui::GetWindowLongPtr(hwnd, ui::GWL_EXSTYLE) | GlowExStyle);
    ui::SetWindowPos(hwnd, nullptr, place.Window.Left, place.Window.Top, 0, 0,
                     ui::SWP_NOSIZE | ui::SWP_NOZORDER | ui::SWP_NOACTIVATE | ui::SWP_NOOWNERZORDER |
                         ui::SWP_NOSENDCHANGING);

    gfx::TBitmap picture = withImage ? GlowPicture(Manager->Masks[size_t(ImageIndex)], place.Full)
                                     : gfx::TBitmap(place.Full.cx, place.Full.cy);
    const ui::TBlendFunction blend{ui::AC_SRC_OVER, 0, 255, ui::AC_SRC_ALPHA};
    ui::UpdateLayeredWindow(hwnd, nullptr, nullptr, &size, &picture.Canvas(), &place.Cut, 0, &blend, ui::ULW_ALPHA);
    ui::ShowWindow(hwnd, ui::SW_SHOWNA);
}

// --- the process's glows

TacGlowEffects& GlowEffects() {
    static TacGlowEffects effects;
    return effects;
}

int ShowGlow(const gfx::TRect& element, const gfx::TRect& visible, std::string_view sectionName,
             skin::TsSkinManager* manager, ui::HWND owner, int margin, std::string_view key) {
    if (!ui::LayeredWindowsAvailable()) return -1;
    auto glow = std::make_unique<TacGlowEffect>(manager);
    if (!glow->Manager) return -1;
    const int index = glow->Manager->FindMaskExact(sectionName, std::string(key) + "0");
    if (index < 0) return -1;
    glow->ImageIndex = index;
    glow->Margin = margin;
    glow->Show(element, visible, owner);
    // Nothing of the element shows: no halo either.
    if (!glow->Window) return -1;
    TacGlowEffects& effects = GlowEffects();
    effects.push_back(std::move(glow));
    return int(effects.size()) - 1;
}

void HideGlow(int handle) {
    TacGlowEffects& effects = GlowEffects();
    if (handle >= 0 && handle < int(effects.size())) effects[size_t(handle)].reset();
}

void HideAllGlows(bool restore) {
    // Taken out first: freeing a window may send messages that reach here.
    TacGlowEffects effects = std::move(GlowEffects());
    GlowEffects().clear();
    for (auto& glow : effects)
        if (glow && restore) glow->FreeWindowNow();
}

void UpdateControlGlow(skin::TsCommonData& data, bool fast, ui::HWND window) {
    skin::TsSkinManager* manager = data.UsedManager();
    if (!manager || !manager->Effects().AllowGlowing() || !manager->IsValidSkinIndex(data.SectionIndex)) return;
    const skin::TsGeneralData& section = manager->Sections[size_t(data.SectionIndex)];
    if (section.Glow < 1) return;

    gfx::TRect element, visible;
    ui::HWND owner = nullptr;
    if (vcl::TControl* control = data.HostControl) {
        if (!data.MouseOver || (control->ControlState() & vcl::csLButtonDown) || (fast && data.GlowHandle != -1)) {
            HideGlow(data.GlowHandle);
            data.GlowHandle = -1;
            return;
        }
        vcl::TCustomForm* form = vcl::GetParentForm(control);
        if (!form) return;
        // A form placed inside a control glows over that control's window.
        owner = form->Parent() ? form->Parent()->Handle() : form->Handle();
        if (auto* windowed = dynamic_cast<vcl::TWinControl*>(control)) {
            const ui::HWND hwnd = windowed->Handle();
            element = ui::GetWindowRect(hwnd);
            visible = ClipBoxOf(hwnd, ui::GetWindowDC(hwnd));
        } else {
            vcl::TWinControl* parent = control->Parent();
            if (!parent) return;
            const gfx::TRect area = control->BoundsRect();
            const gfx::TPoint at = parent->ClientToScreen({area.Left, area.Top});
            element = gfx::Bounds(at.X, at.Y, area.Width(), area.Height());
            const ui::HWND parentWindow = parent->Handle();
            const gfx::TRect c = ClipBoxOf(parentWindow, ui::GetDC(parentWindow));
            visible = {area.Left < 0 ? -area.Left : 0, area.Top < 0 ? -area.Top : 0,
                       c.Right < area.Right ? c.Right - area.Left : area.Width(),
                       c.Bottom < area.Bottom ? c.Bottom - area.Top : area.Height()};
        }
    } else {
        if (!window) return;
        element = ui::GetWindowRect(window);
        visible = ClipBoxOf(window, ui::GetWindowDC(window));
        owner = ui::GetAncestor(window, ui::GA_ROOT);
    }
    // One glow per control: a state change while hovered (a fade step) shows
    // the glow again, and halos laid over each other would add up.
    HideGlow(data.GlowHandle);
    data.GlowHandle = ShowGlow(element, visible, section.SectionName, manager, owner, section.GlowMargin, "GLOW");
}

// --- the hook the binding and the manager call

namespace {

class TGlowHook : public skin::TsGlowHook {
public:
    void UpdateControlGlow(skin::TsCommonData& data, bool fast, ui::HWND window) override {
        skinpaint::UpdateControlGlow(data, fast, window);
    }
    void HideGlow(int handle) override { skinpaint::HideGlow(handle); }
    void HideAllGlows(bool restore) override { skinpaint::HideAllGlows(restore); }
};

}  // namespace

void InstallGlowHook() {
    static TGlowHook hook;
    skin::SetGlowHook(&hook);
}

}  // namespace skinpaint
