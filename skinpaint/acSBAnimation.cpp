#include "skinpaint/acSBAnimation.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "skin/sSkinManager.h"
#include "skinpaint/sMaskGlyph.h"
#include "ui/DefWindowProc.h"
#include "ui/Input.h"
#include "ui/Layered.h"
#include "ui/MessageLoop.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"

namespace skinpaint {

namespace {

const char* const AnimationWindowClass = "TacSBAnimationWindow";

bool IsSystemButton(int hitCode) {
    return hitCode == ui::HTMINBUTTON || hitCode == ui::HTMAXBUTTON || hitCode == ui::HTCLOSE;
}

int GlowMargin(const skin::TsSkinData& info, int hitCode) {
    if (hitCode == ui::HTCLOSE) return info.BiconCloseGlowMargin;
    if (hitCode == ui::HTMAXBUTTON) return info.BiconMaxGlowMargin;
    return info.BiconMinGlowMargin;
}

// The first frame of an entry in its own size; empty when the entry's
// rectangle leaves its picture.
gfx::TBitmap CopyFirstFrame(const skin::TsSkinTables& tables, const skin::TsMaskData& entry) {
    const gfx::TBitmap& source = tables.SourceBitmap(entry);
    const int width = skin::FrameWidth(entry), height = skin::FrameHeight(entry);
    const gfx::TRect& from = entry.SourceRect;
    if (width <= 0 || height <= 0 || from.Left < 0 || from.Top < 0 || from.Left + width > source.Width() ||
        from.Top + height > source.Height() || source.PixelFormat() != gfx::pf32bit)
        return {};
    gfx::TBitmap copy(width, height);
    for (int y = 0; y < height; ++y)
        std::memcpy(copy.ScanLine(y), source.ScanLine(from.Top + y) + from.Left * 4, size_t(width) * 4);
    return copy;
}

}  // namespace

TacSBAnimation::TacSBAnimation(TacTitleButtonHost& host, TitleButtonState& button)
    : vcl::TTimer(host.HostComponent()), FHost(host), FButton(&button), FHostWindow(host.HostWindow()) {
    SetEnabled(false);
    SetInterval(12);
    // Each tick goes to Timer; the framework arms only a timer with a handler.
    SetOnTimer([](vcl::TObject*) {});
}

TacSBAnimation::~TacSBAnimation() {
    DropWindow();
    // A host that is going has let go of its buttons already.
    const bool hostGoing = Owner() && (Owner()->ComponentState() & vcl::csDestroying);
    if (!hostGoing && FButton->Animation == this) FButton->Animation = nullptr;
}

int TacSBAnimation::Step() const { return FStepCount == 0 ? 255 : std::max(0, 255 / FStepCount); }

void TacSBAnimation::Start(int state, int stepCount, bool fadeIn) {
    FStepCount = stepCount;
    FFadingIn = fadeIn;
    ChangeTarget(state);
    SetEnabled(stepCount > 1);
}

void TacSBAnimation::Retarget(int state, int stepCount, bool fadeIn) {
    FStepCount = stepCount;
    FFadingIn = fadeIn;
    if (fadeIn && state == 2) {
        // A press shows at once.
        FTarget = 2;
        FCounter = FStepCount;
        DropWindow();
        ShowFrame(std::min(Step() * FCounter, 255));
    } else if (fadeIn) {
        ChangeTarget(state);
    }
    SetEnabled(true);
}

void TacSBAnimation::ChangeTarget(int state) {
    if (state == FTarget) return;
    FTarget = state;
    FPicture.reset();  // the look of the new state
    if (state != 0) {
        if (state == 2) DropWindow();
        FCounter = 1;
        ShowFrame(std::min(Step(), 255));
        FCounter = 2;
    } else {
        --FCounter;
        ShowFrame(std::min(Step(), 255));
    }
}

bool TacSBAnimation::HostGone() const {
    return (ComponentState() & vcl::csDestroying) || (Owner() && (Owner()->ComponentState() & vcl::csDestroying)) ||
           vcl::Application->Terminated() || !ui::IsWindow(FHostWindow);
}

void TacSBAnimation::Timer() {
    if (HostGone()) {
        SetEnabled(false);
        DropWindow();
        return;
    }
    if (FFadingIn)
        FadeInTick();
    else
        FadeOutTick();
}

void TacSBAnimation::FadeInTick() {
    if (FCounter < FStepCount) {
        ShowFrame(std::min(Step() * FCounter, 255));
        ++FCounter;
        return;
    }
    if (FStepCount != -1) {
        FStepCount = -1;
        ShowFrame(255);
    }
    const gfx::TRect window = ui::GetWindowRect(FHostWindow);
    const gfx::TPoint cursor = ui::GetCursorPos();
    if (!FButton->Bounds.Contains(cursor.X - window.Left, cursor.Y - window.Top)) {
        SetEnabled(false);
        // The frame answers with the fade-out; nothing of ours is used after.
        ui::SendMessage(FHostWindow, ui::WM_MOUSELEAVE, 0, 0);
    }
}

void TacSBAnimation::FadeOutTick() {
    if (FCounter > 0) {
        ShowFrame(std::max(0, std::min(Step() * FCounter, 255)));
        --FCounter;
        return;
    }
    FTarget = -1;
    SetEnabled(false);
    DropWindow();
    Free();
}

void TacSBAnimation::ShowFrame(int alpha) {
    if (!ui::LayeredWindowsAvailable()) return;
    if (!FPicture) MakePicture();
    if (!FPicture || FPicture->Empty()) return;
    if (!FWindow) MakeWindow();
    if (!FWindow) return;
    const gfx::TPoint pos{FPlace.Left, FPlace.Top};
    const gfx::TSize size{FPicture->Width(), FPicture->Height()};
    const gfx::TPoint origin{0, 0};
    const ui::TBlendFunction blend{ui::AC_SRC_OVER, 0, ui::BYTE(std::clamp(alpha, 0, 255)), ui::AC_SRC_ALPHA};
    if (ui::UpdateLayeredWindow(FWindow, nullptr, &pos, &size, &FPicture->Canvas(), &origin, 0, &blend, ui::ULW_ALPHA))
        FShownAlpha = alpha;
}

// The glow image of a hovered system button where the skin has one, else the
// button's glyph for the target state on a transparent picture.
void TacSBAnimation::MakePicture() {
    FPicture.reset();
    skin::TsSkinManager* manager = FHost.HostSkinData().UsedManager();
    if (!manager) return;
    const gfx::TRect window = ui::GetWindowRect(FHostWindow);
    gfx::TRect place = gfx::OffsetRect(FButton->Bounds, window.Left, window.Top);
    int glyph = FButton->GlyphIndex;
    if (FButton->HitCode == ui::HTMINBUTTON && FHost.HostMinimized()) {
        const int restore = manager->FindMaskExact("GLOBALINFO", "BICONNORM");
        if (restore >= 0) glyph = restore;
    }
    const bool hasGlyph = manager->IsValidImgIndex(glyph);
    if (hasGlyph && FTarget == 1 && IsSystemButton(FButton->HitCode) && manager->Effects().AllowGlowing()) {
        const std::string key = manager->Masks[size_t(glyph)].KeyName + "GLOW0";
        const int glow = manager->FindMaskExact("GLOBALINFO", key);
        if (glow >= 0) {
            gfx::TBitmap picture = CopyFirstFrame(*manager, manager->Masks[size_t(glow)]);
            if (!picture.Empty()) {
                const int margin = GlowMargin(manager->GlobalInfo, FButton->HitCode);
                place = {place.Left - margin, place.Top - margin, place.Left - margin + picture.Width(),
                         place.Top - margin + picture.Height()};
                FPicture = std::make_unique<gfx::TBitmap>(std::move(picture));
            }
        }
    }
    if (!FPicture) {
        FPicture =
            std::make_unique<gfx::TBitmap>(std::max(0, FButton->Bounds.Width()), std::max(0, FButton->Bounds.Height()));
        if (hasGlyph && !FPicture->Empty())
            PaintMaskGlyph(*FPicture, {0, 0}, FTarget, EmptyBackground, manager->Masks[size_t(glyph)], gdNormal);
    }
    const int x = place.Left + (place.Width() - FPicture->Width()) / 2;
    const int y = place.Top + (place.Height() - FPicture->Height()) / 2;
    FPlace = {x, y, x + FPicture->Width(), y + FPicture->Height()};
}

// Click-through, never active, off the taskbar, directly above the frame's
// window (topmost with it).
void TacSBAnimation::MakeWindow() {
    ui::TWndClass wc;
    if (!ui::GetClassInfo(AnimationWindowClass, wc)) {
        wc.ClassName = AnimationWindowClass;
        wc.WndProc = ui::DefWindowProc;
        ui::RegisterClass(wc);
    }
    const bool topmost = ui::GetWindowLongPtr(FHostWindow, ui::GWL_EXSTYLE) & ui::WS_EX_TOPMOST;
    const ui::HWND above = ui::GetWindow(FHostWindow, ui::GW_HWNDPREV);
    const ui::DWORD exStyle = ui::WS_EX_NOACTIVATE | ui::WS_EX_TOOLWINDOW | ui::WS_EX_TRANSPARENT | ui::WS_EX_LAYERED |
                              (topmost ? ui::WS_EX_TOPMOST : 0);
    FWindow = ui::CreateWindowEx(exStyle, AnimationWindowClass, "", ui::WS_POPUP, FPlace.Left, FPlace.Top,
                                 FPlace.Width(), FPlace.Height(), nullptr, 0);
    if (!FWindow) return;
    if (above) ui::SetWindowPos(FWindow, above, 0, 0, 0, 0, ui::SWP_NOMOVE | ui::SWP_NOSIZE | ui::SWP_NOACTIVATE);
    ui::ShowWindow(FWindow, ui::SW_SHOWNA);
}

void TacSBAnimation::DropWindow() {
    if (FWindow) ui::DestroyWindow(FWindow);
    FWindow = nullptr;
    FPicture.reset();
}

void AnimateTitleButton(TitleButtonState& button, int state, int stepCount, TacTitleButtonHost& host, bool fadeIn) {
    if (button.Animation) {
        button.Animation->Retarget(state, stepCount, fadeIn);
        return;
    }
    auto* animation = new TacSBAnimation(host, button);
    button.Animation = animation;
    animation->Start(state, stepCount, fadeIn);
}

void FreeTitleButtonAnimation(TitleButtonState& button) {
    TacSBAnimation* animation = button.Animation;
    button.Animation = nullptr;
    if (animation) animation->Free();
}

}  // namespace skinpaint
