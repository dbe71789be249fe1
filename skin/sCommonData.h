#pragma once
// The skin binding of one skinned control or window frame provider. It ties
// its owner to one section of the current skin, keeps the indexes the
// painters need, the owner's focus and hover state and its cache picture, and
// decides when that picture is stale. The owner passes every message it gets
// to ProcessMessage first and goes on with its own handling unless the
// binding reports the message handled.
//
// Which of our framework's notifications stand for the ones the binding needs:
//   visibility changed  CM_VISIBLECHANGED (WParam: the new visibility)
//   enabled changed     CM_ENABLEDCHANGED, and the window message 0x1D
//   mouse entered       CM_MOUSEENTER (LParam: 0 for the owner, else the child entered)
//   mouse left          CM_MOUSELEAVE
//   showing changed     CM_SHOWINGCHANGED
#include <cstdint>
#include <memory>
#include <string>

#include "gfx/TBitmap.h"
#include "skin/sBackgroundRequest.h"
#include "skin/sSkinCommands.h"
#include "skin/sSkinRecords.h"
#include "vcl/ControlMessages.h"
#include "vcl/TPersistent.h"

namespace vcl {
class TComponent;
class TControl;
class TCustomForm;
class TWinControl;
}  // namespace vcl

namespace skin {

class TsSkinManager;

// Passed with SKC_SET_SECTION and SKC_GET_SECTION_INDEX.
struct TacSectionInfo {
    int32_t SectionIndex = -1;
    std::string SectionName;
    uint8_t Flag = 0;
};

// StateFlags bits.
enum : uint16_t {
    sfIndependent = 0x1,  // the look does not depend on the parent's background
    sfPrinting = 0x200,
    sfSuspended = 0x800,
};
// BackgroundKind bits: the low two give the gradient, 0x4 a texture share.
enum : uint16_t { bkGradientMask = 0x3, bkTexture = 0x4 };

class TsCommonData : public vcl::TPersistent, public TsSkinBinding {
public:
    // `owner` is a control or a frame provider; with `withCache` the binding
    // keeps an (empty) cache picture from the start.
    TsCommonData(vcl::TComponent* owner, bool withCache);
    ~TsCommonData() override;

    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // --- published
    const std::string& SkinSection() const { return FSkinSection; }
    // Stored upper-cased; an empty text stores "UNKNOWN". The owner is told
    // with SKC_REFRESH (section found) or SKC_REMOVE_SKIN (not found).
    void SetSkinSection(const std::string& value);
    // The manager actually used: the one set, else the default manager.
    TsSkinManager* SkinManager() const { return UsedManager(); }
    // Setting the default manager stores none.
    void SetSkinManager(TsSkinManager* value);
    bool CustomColor() const { return FCustomColor; }
    void SetCustomColor(bool value);
    bool CustomFont() const { return FCustomFont; }
    void SetCustomFont(bool value);
    int HUEOffset() const { return FHUEOffset; }
    void SetHUEOffset(int value);
    int Saturation() const { return FSaturation; }
    void SetSaturation(int value);

    // --- state
    int UpdateDepth = 0;
    // The glow shown for the owner, -1 for none.
    int GlowHandle = -1;
    bool PaintSuspended = false;
    // The section's BORDERSMASK, PATTERN and HOTPATTERN entries.
    int FrameIndex = -1;
    int SectionIndex = -1;
    int PatternIndex = -1;
    int HotPatternIndex = -1;
    // Paint at once even while the parent is busy.
    bool PaintAtOnce = false;
    // The cache picture must be repainted before use; the owner's painting
    // clears it.
    bool PictureStale = true;
    bool PartlyCovered = true;
    // The owner when it is a control, else null.
    vcl::TControl* HostControl = nullptr;
    // The owner: a control or a frame provider.
    vcl::TComponent* HostObject = nullptr;
    // For a frame provider: its form (set by the provider).
    vcl::TCustomForm* ProviderForm = nullptr;
    std::unique_ptr<gfx::TBitmap> CachePicture;
    int ControlKind = 0;
    bool HasFocus = false;
    bool MouseOver = false;
    uint16_t StateFlags = 0;
    uint16_t BackgroundKind = 0;
    // Where the owner is being printed (SKC_PRINTING).
    gfx::TCanvas* PrintTarget = nullptr;

    // --- operations
    TsSkinManager* UsedManager() const;
    // Bound to a section of a live manager, and (with checkApplied) the skin
    // has been applied.
    bool IsSkinned(bool checkApplied = false) const;
    // The section's record; only while SectionIndex is valid.
    const TsGeneralData& Section() const;
    void ResolveSection();
    // ResolveSection, or the section of the owner's kind when none is named.
    void AutoSection();
    // Called by the owner once it is ready to paint.
    void BindToSkin();
    // Edit kinds take the section's colours (unless custom).
    void UpdateColors(bool repaint);
    void RequestRepaint();
    void SuspendPainting();
    void ResumePainting(bool repaint);
    void SizeCachePicture();
    bool IsHot() const;
    bool MustDeferPaint() const;
    // What lies behind the owner's content in a state (>0 is the hot look).
    gfx::TColor BackgroundColor(int state, ui::HWND window = nullptr) const;
    int FrameBorderWidth() const;
    // Asks the owner's parent what lies behind the owner (see
    // sParentRequest.h); without a skin, only the owner's own colour.
    void GetParentBackground(BackgroundRequest& request, bool paint = false) const;
    // The section a control without a window takes its text colour from.
    static int FindFontSection(vcl::TControl* control, int defaultIndex, TsSkinManager* manager, int state);
    // Copies `area` of the cache picture to dc at (x, y), leaving out the
    // visible children that paint themselves.
    void CopyCacheExcludingChildren(gfx::TCanvas& dc, const gfx::TRect& area, int x, int y) const;
    // The same for child windows; group boxes leave out only their frame.
    void CopyCacheExcludingChildWindows(gfx::TCanvas& dc, const gfx::TRect& area, int x, int y) const;

    // The whole message processing; true when the message is handled. The
    // manager's broadcasts (apply, remove, refresh) are left unhandled, so
    // that the owner passes them on to its children.
    bool ProcessMessage(vcl::TMessage& message);

    // The answers children ask for: the colour behind them (SKC_GET_BG_COLOR)
    // and what lies behind them (SKC_GET_BACKGROUND, for a state and, for a
    // frame provider, its window).
    gfx::TColor ColorForChildren() const;
    void AnswerBackground(BackgroundRequest& request, int state = 0, ui::HWND window = nullptr) const;
    bool DependsOnParent() const;
    bool BackgroundFollowsParent() const;

    bool IsMouseOver() const override { return MouseOver; }

private:
    bool Owned(unsigned componentState) const;
    bool OwnerLoading() const;
    bool OwnerDestroying() const;
    // Has a window (or a parent with one) and is neither loading nor freed.
    bool ShownOwner() const;
    vcl::TWinControl* WindowedOwner() const;
    // The owner's window (a frame provider's form's), when it exists.
    ui::HWND OwnerWindow() const;
    gfx::TColor OwnerColor() const;
    bool SectionValid() const;
    void UpdateIndependence();
    ui::LRESULT SendToOwner(uint16_t command, ui::LPARAM lParam, uint16_t argument = 0);
    void SendRefreshOrRemove(TsSkinManager* manager);
    void AdaptByForm();
    void RedrawFrame();
    void RedrawCompletely();
    void EmptyCache();
    void RemoveOwnGlow();
    // The parent's answer to SKC_GET_BG_COLOR (a window's parent window's for
    // an owner without a parent control), `withoutParent` when there is none.
    gfx::TColor ParentColorAnswer(ui::HWND window, gfx::TColor withoutParent) const;
    void AnswerWithCache(BackgroundRequest& request) const;
    void PassRequestOn(BackgroundRequest& request, ui::HWND window) const;
    void CopyCacheAround(gfx::TCanvas& dc, const gfx::TRect& area, int x, int y, bool windowsOnly) const;
    void ExcludeChildWindow(gfx::TCanvas& dc, vcl::TControl& child, const gfx::TRect& bounds) const;

    bool ProcessCommand(vcl::TMessage& message);
    void RemoveSkin();
    void Refresh();
    void Repaint(uint16_t argument);
    void ClearCache();
    bool BackgroundComplex(vcl::TMessage& message) const;
    void Sized();
    void FocusChanged(bool gained);
    void VisibilityChanged(bool shown);
    void MouseEntered(const vcl::TMessage& message);
    void MouseLeft();

    std::string FSkinSection;
    bool FCustomFont = false;
    bool FCustomColor = false;
    int FHUEOffset = 0;
    int FSaturation = 0;
    TsSkinManager* FSkinManager = nullptr;
};

// The name of the section being changed, for SKC_SECTION_CHANGED: whoever
// sends that command sets it first.
std::string& SectionBeingChanged();

// The binding the controls publish as their SkinData, with the hue and
// saturation of the owner published too.
class TsCtrlSkinData : public TsCommonData {
public:
    using TsCommonData::TsCommonData;
    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }
};

}  // namespace skin
