#pragma once
// The skinned frame of a form. The provider takes over the form's window
// procedure: it paints the whole window (borders, title band, icon, caption,
// title buttons and the client background) into its binding's cache picture,
// copies the frame part of it to the window on WM_NCPAINT, cuts the window
// region from the frame's see-through corners, runs the title buttons itself
// and answers the children's background requests from the same picture.
// Everything it does not handle goes on to the form's own procedure.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gfx/TBitmap.h"
#include "skin/sCommonData.h"
#include "skinpaint/acTitleButton.h"
#include "skinpaint/sFormGeometry.h"
#include "skinpaint/sSystemMenu.h"
#include "skinpaint/sTitleButtons.h"
#include "skinpaint/sTitleButtonRules.h"
#include "vcl/TControl.h"
#include "vcl/TFont.h"

namespace vcl {
class TCustomForm;
}

namespace skinpaint {

class TacCtrlAdapter;

enum TsGripMode { gmNone, gmRightBottom };
enum TsResizeMode { rmStandard, rmBorder };

// A picture that stands for the form icon in the title.
class TsTitleIcon : public vcl::TPersistent {
public:
    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }
    gfx::TBitmap& Glyph() { return FGlyph; }
    const gfx::TBitmap& Glyph() const { return FGlyph; }
    int Width() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; }
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }

private:
    gfx::TBitmap FGlyph;
    int FWidth = 0;
    int FHeight = 0;
};

// Text drawn after the caption.
class TacAddedTitle : public vcl::TPersistent {
public:
    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }
    const std::string& Text() const { return FText; }
    void SetText(const std::string& value) { FText = value; }
    vcl::TFont& Font() { return FFont; }
    const vcl::TFont& Font() const { return FFont; }
    bool ShowMainCaption() const { return FShowMainCaption; }
    void SetShowMainCaption(bool value) { FShowMainCaption = value; }

private:
    std::string FText;
    vcl::TFont FFont;
    bool FShowMainCaption = true;
};

class TsSkinProvider;
using TsHitTestEvent = std::function<void(TsSkinProvider* sender, vcl::TMessage& message)>;
using TsSkinItemEvent = std::function<void(vcl::TControl* item, bool& canBeAdded)>;

class TsSkinProvider : public vcl::TComponent, public TacTitleButtonHost, public TacSysMenuHost {
public:
    // Attaches to the owner, which must be a form.
    explicit TsSkinProvider(vcl::TComponent* owner);
    ~TsSkinProvider() override;

    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // --- published
    skin::TsCommonData& SkinData() { return *FSkinData; }
    const std::string& TitleSkin() const { return FTitleSkin; }
    void SetTitleSkin(const std::string& value);
    const std::string& MenuLineSkin() const { return FMenuLineSkin; }
    void SetMenuLineSkin(const std::string& value) { FMenuLineSkin = value; }
    vcl::TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(vcl::TAlignment value);
    bool DrawNonClientArea() const { return FDrawNonClientArea; }
    void SetDrawNonClientArea(bool value);
    bool AllowExtBorders() const { return FAllowExtBorders; }
    void SetAllowExtBorders(bool value) { FAllowExtBorders = value; }
    bool AllowAnimation() const { return FAllowAnimation; }
    void SetAllowAnimation(bool value) { FAllowAnimation = value; }
    bool AllowBlendOnMoving() const { return FAllowBlendOnMoving; }
    void SetAllowBlendOnMoving(bool value) { FAllowBlendOnMoving = value; }
    bool UseGlobalColor() const { return FUseGlobalColor; }
    void SetUseGlobalColor(bool value) { FUseGlobalColor = value; }
    bool ShowAppIcon() const { return FShowAppIcon; }
    void SetShowAppIcon(bool value) { FShowAppIcon = value; }
    TsGripMode GripMode() const { return FGripMode; }
    void SetGripMode(TsGripMode value);
    TsResizeMode ResizeMode() const { return FResizeMode; }
    void SetResizeMode(TsResizeMode value) { FResizeMode = value; }
    bool ScreenSnap() const { return FScreenSnap; }
    void SetScreenSnap(bool value) { FScreenSnap = value; }
    int SnapBuffer() const { return FSnapBuffer; }
    void SetSnapBuffer(int value) { FSnapBuffer = value; }
    bool MakeSkinMenu() const { return FMakeSkinMenu; }
    void SetMakeSkinMenu(bool value) { FMakeSkinMenu = value; }
    TsTitleIcon& TitleIcon() { return FTitleIcon; }
    TacAddedTitle& AddedTitle() { return FAddedTitle; }
    // Buttons of the program's own, left of the system buttons.
    TsTitleButtons& TitleButtons() { return FTitleButtons; }
    TsHitTestEvent OnExtHitTest;
    TsSkinItemEvent OnSkinItem;
    vcl::TNotifyEvent OnAfterAnimation;
    void SetOnExtHitTest(const TsHitTestEvent& e) { OnExtHitTest = e; }
    void SetOnSkinItem(const TsSkinItemEvent& e) { OnSkinItem = e; }
    void SetOnAfterAnimation(const vcl::TNotifyEvent& e) { OnAfterAnimation = e; }

    // --- state
    vcl::TCustomForm* Form() const { return FForm; }
    // A second provider on a form stays inactive.
    bool Inactive() const { return FInactive; }
    bool DrawnActive() const { return FDrawnActive; }
    bool HadSystemMenu() const { return FHadSystemMenu; }
    int CurrentHit() const { return FCurrentHit; }
    // One press of a title button may be pending in the whole process.
    static bool& ButtonPressed();
    TitleButtonState CloseButton, MaxButton, MinButton, HelpButton;
    bool RegionStale = true;
    std::vector<gfx::TRect> RegionRuns;
    gfx::TBitmap ButtonsBackground;
    // Cached glows of the caption text, active and inactive.
    gfx::TBitmap CaptionGlowActive, CaptionGlowInactive;
    int TitleSectionIndex = -1;
    int CaptionSectionIndex = -1;

    // --- operations
    // The geometry of the form's window now.
    TFormGeometry Geometry() const;
    TacWindowButtons Buttons() const;
    // The whole window into the binding's cache picture.
    void PaintFrameImage();
    // The frame part of the picture to the window (WM_NCPAINT).
    void CopyFrameToScreen();
    void UpdateRegion();
    // A screen point's hit-test code.
    ui::LRESULT FrameHitTest(gfx::TPoint screen);
    void RepaintTitleButton(int hitCode);
    void SetHot(int hitCode);
    void Press(int hitCode);
    // All title buttons back to normal, the pending press forgotten.
    void ResetButtons();
    void AnswerBackground(skin::BackgroundRequest& request);
    // The title button of a hit code, null for none.
    TitleButtonState* ButtonOf(int hitCode);
    // The system buttons and the program's own.
    TTitleButtons AllButtons() { return {&CloseButton, &MaxButton, &MinButton, &HelpButton, &FTitleButtons}; }
    std::vector<TitleButtonState*> ButtonStates();
    bool Skinned() const;
    // The whole window anew: frame and client.
    void RedrawWindowNow();
    // Frame only, from a fresh picture.
    void RepaintFrame();
    // The standard controls of the form (or of one container on it) take the
    // skin's look.
    void AdaptControls(vcl::TWinControl* container = nullptr);
    // Null until the first walk.
    TacCtrlAdapter* CtrlAdapter() const { return FAdapter.get(); }

    // TacTitleButtonHost
    vcl::TComponent* HostComponent() override { return this; }
    skin::TsCommonData& HostSkinData() override { return *FSkinData; }
    ui::HWND HostWindow() override;
    bool HostMinimized() override;
    // TacSysMenuHost
    bool HostHadSystemMenu() override { return FHadSystemMenu; }
    bool HostMakeSkinMenu() override { return FMakeSkinMenu; }
    // Keeps the minimise and restore animation off (the system menu's own
    // minimise).
    void HostSetNoAnimation(bool value) override { FNoAnimation = value; }
    bool NoAnimation() const { return FNoAnimation; }
    skin::TsSkinManager* HostSkinManager() override { return FSkinData->UsedManager(); }
    // Made on its first opening; null before.
    TsSystemMenu* SystemMenu() const { return FSystemMenu; }

protected:
    void Loaded() override;

private:
    void WndProc(vcl::TMessage& message);
    void CallPrevious(vcl::TMessage& message);
    // The skin commands; false for those the form goes on with.
    bool SkinCommand(vcl::TMessage& message);
    void Sized(vcl::TMessage& message);
    void Paint(vcl::TMessage& message);
    void EndSessionQuery(vcl::TMessage& message);
    void HitTest(vcl::TMessage& message);
    void MouseMoved(vcl::TMessage& message);
    void LeftButtonDown(vcl::TMessage& message);
    void LeftButtonUp(vcl::TMessage& message);
    void SystemCommand(vcl::TMessage& message);
    // The program's title button of a hit code, null for others.
    TsTitleButton* UserButton(int hitCode);
    // Below the title icon, or at the cursor.
    void OpenSystemMenu(bool atCursor);
    // The frame answers these hit codes itself; the form's procedure the rest.
    static bool KeepsOwnHit(ui::LRESULT code);
    // The buttons in use into target, moved by dx.
    void DrawButtons(gfx::TBitmap& target, int dx);
    void DrawButtonDirectly(const TitleButtonState& button);
    // Skinning steps.
    void ApplySkin();
    void RemoveSkin();
    void RefreshSkin();
    void SetupWindow();
    void HideSystemMenuStyle(bool hide);
    bool MayPaint() const;
    // The look of a section: min(DrawnActive, States - 1).
    int LookOf(int sectionIndex) const;
    void PaintTitle(gfx::TBitmap& picture, const TFormGeometry& g);
    void PaintClient(ui::HDC dc);
    void ReleaseAnimations();

    std::unique_ptr<skin::TsCommonData> FSkinData;
    std::unique_ptr<TacCtrlAdapter> FAdapter;
    TsSystemMenu* FSystemMenu = nullptr;
    vcl::TCustomForm* FForm = nullptr;
    vcl::TWndMethod FOldWndProc;
    bool FInactive = false;
    bool FNoAnimation = false;
    bool FDrawnActive = true;
    bool FHadSystemMenu = false;
    int FCurrentHit = 0;
    int FRedrawOff = 0;
    // Where ButtonsBackground starts in the window.
    int FButtonsBackgroundLeft = 0;
    std::string FTitleSkin;
    std::string FMenuLineSkin;
    vcl::TAlignment FCaptionAlignment = vcl::taLeftJustify;
    bool FDrawNonClientArea = true;
    bool FAllowExtBorders = true;
    bool FAllowAnimation = true;
    bool FAllowBlendOnMoving = true;
    bool FUseGlobalColor = true;
    bool FShowAppIcon = true;
    TsGripMode FGripMode = gmNone;
    TsResizeMode FResizeMode = rmStandard;
    bool FScreenSnap = false;
    int FSnapBuffer = 10;
    bool FMakeSkinMenu = false;
    TsTitleIcon FTitleIcon;
    TacAddedTitle FAddedTitle;
    TsTitleButtons FTitleButtons;
};

}  // namespace skinpaint
