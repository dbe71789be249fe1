#pragma once
// The skin manager: the non-visual component that owns the current skin. It
// loads a skin by name (a package file, a skin folder or one of its internal
// skins) into its tables, tells every window of the process when a skin is
// applied, refreshed or removed, and recolours the skin at load time when a
// hue or saturation change is set. The first manager made is the default
// manager, which every skinned control without a manager of its own uses; it
// also skins windows the program did not skin itself (sDialogHook.h), keeps
// track of the skinned control under the mouse, and takes live skins from a
// skin editor (sSkinFeed.h).
//
// The manager is its tables: painters take it wherever they take tables.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "rtl/TMemIniFile.h"
#include "rtl/TStringList.h"
#include "skin/sAnimEffects.h"
#include "skin/sCommonIndexes.h"
#include "skin/sExtendedBorders.h"
#include "skin/sMenuLayer.h"
#include "skin/sMenuSupport.h"
#include "skin/sSkinSource.h"
#include "skin/sSkinTables.h"
#include "skin/sStoredSkins.h"
#include "skin/sThirdParty.h"
#include "vcl/TControl.h"

namespace skin {

class TacWindowRelay;

enum TacSkinningRule : unsigned { srStdForms = 0x1, srStdDialogs = 0x2, srThirdParty = 0x4 };
using TacSkinningRules = unsigned;

// Where skin packages and skin folders are looked for unless a layout says
// otherwise: the system-wide folder "Skins" (the root stands for the drive).
inline constexpr const char* DefaultSkinDirectory = "/Skins";

class TsSkinManager : public vcl::TComponent, public TsSkinTables {
public:
    explicit TsSkinManager(vcl::TComponent* owner);
    ~TsSkinManager() override;

    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // The manager skinned controls without a manager of their own use, or null.
    static TsSkinManager* DefaultManager();
    // A skin is being loaded, or applied, by any manager.
    static bool SkinLoading();
    static bool SkinApplying();

    // --- published
    TsStoredSkins& InternalSkins() { return FInternalSkins; }
    // Copies the items.
    void SetInternalSkins(const TsStoredSkins& skins) { FInternalSkins.Assign(skins); }
    TacMenuSupport& MenuSupport() { return FMenuSupport; }
    const std::string& SkinDirectory() const { return FSkinDirectory; }
    void SetSkinDirectory(const std::string& value);
    const std::string& SkinName() const { return FSkinName; }
    // Loads the skin of that name and applies it (see the source rules in
    // sSkinSource.h). A skin that fails to load is reported in an error box
    // and the previous name is kept.
    void SetSkinName(const std::string& value);
    // "N/A" while no skin is applied, else the skin's version ("7.1").
    std::string SkinInfo() const;
    ThirdPartyList& ThirdParty() { return FThirdParty; }
    bool Active() const { return FActive; }
    void SetActive(bool value);
    TacAnimEffects& AnimEffects() { return FAnimEffects; }
    const rtl::TStringList& CommonSections() const { return FCommonSections; }
    // Extra options text merged into every skin; blanks are removed from
    // every line that is not a comment (';'), then the skin is loaded again.
    void SetCommonSections(const rtl::TStringList& value);
    TacSkinEffects& Effects() { return FEffects; }
    // Set, and the display can show windows with per-pixel alpha.
    bool ExtendedBorders() const;
    void SetExtendedBorders(bool value);
    int HueOffset() const { return FHueOffset; }
    void SetHueOffset(int value);
    int Saturation() const { return FSaturation; }
    void SetSaturation(int value);
    bool IsDefault() const { return DefaultManager() == this; }
    void SetIsDefault(bool value);
    bool SkinnedPopups() const { return FSkinnedPopups; }
    // Switched on at run time, the default manager's menu layer hooks the
    // program's menus at once.
    void SetSkinnedPopups(bool value);
    TacSkinningRules SkinningRules() const { return FSkinningRules; }
    void SetSkinningRules(TacSkinningRules value) { FSkinningRules = value; }
    // The version of the skin engine.
    static std::string Version() { return "7.68"; }

    vcl::TNotifyEvent OnActivate;
    vcl::TNotifyEvent OnAfterChange;
    vcl::TNotifyEvent OnBeforeChange;
    vcl::TNotifyEvent OnDeactivate;
    vcl::TNotifyEvent OnSkinListChanged;
    TacGetExtraLineData OnGetMenuExtraLineData;
    void SetOnActivate(const vcl::TNotifyEvent& e) { OnActivate = e; }
    void SetOnAfterChange(const vcl::TNotifyEvent& e) { OnAfterChange = e; }
    void SetOnBeforeChange(const vcl::TNotifyEvent& e) { OnBeforeChange = e; }
    void SetOnDeactivate(const vcl::TNotifyEvent& e) { OnDeactivate = e; }
    void SetOnSkinListChanged(const vcl::TNotifyEvent& e) { OnSkinListChanged = e; }
    void SetOnGetMenuExtraLineData(const TacGetExtraLineData& e) { OnGetMenuExtraLineData = e; }

    // --- the loaded skin
    // The images came from a package (the internal skin or a package file).
    bool FromPackage() const { return FFromPackage; }
    const TsCommonIndexes& CommonIndexes() const { return FCommonIndexes; }
    // Prepared after every load while ExtendedBorders() holds.
    const TsExtendedBorderImages& ExtendedBorderImages() const { return FBorderImages; }
    // The next change of name loads without applying (live skin feed).
    bool SkipApply() const { return FSkipApply; }

    // --- operations
    // Reads the skin SkinName names into the tables, recoloured by HueOffset
    // and Saturation. Errors leave the tables with what was loaded before.
    void LoadSkin();
    // Tells every window that a new skin is in place (SKC_APPLY_SKIN). With
    // `animate`, windows are frozen and refreshed afterwards.
    void ApplySkin(bool animate);
    // Tells every window that skinning ends (SKC_REMOVE_SKIN), then frees the
    // tables.
    void RemoveSkin();
    // Asks every window to refresh itself (SKC_PREPARE_REFRESH, SKC_REFRESH).
    void RepaintAll(bool animate);
    // The internal skins and what SkinDirectory holds (sSkinSource.h).
    void ListSkins(rtl::TStringList& list, TsSkinListKind kind, std::string& firstName) const;

    // The menu layer, null when the painting layer supplies none.
    TacMenuLayer* SkinableMenus() const { return FSkinableMenus.get(); }

    // --- the skinned control under the mouse
    ui::HWND ControlUnderMouse() const { return FControlUnderMouse; }
    vcl::TControl* SpeedButtonUnderMouse() const { return FSpeedButtonUnderMouse; }
    // A skinned control with a window was entered: the control left before
    // hears SKC_MOUSE_LEAVE, the new one SKC_MOUSE_ENTER. Nothing changes
    // while a speed button still has the mouse.
    void ControlMouseEntered(ui::HWND window);
    // A skinned speed button was entered, or (null) asks for its record to be
    // cleared; the button left before hears SKC_MOUSE_LEAVE.
    void SpeedButtonMouseEntered(vcl::TControl* button);

    // --- the live skin feed
    ui::HWND FeedTarget() const;
    // The main form's window takes feeds from now on; a waiting skin editor
    // is told so.
    void SetFeedTarget(ui::HWND window);
    // A feed block: the skin it names is loaded with its options text and
    // applied. False (ignored) for a block that is not a feed.
    bool ReceiveSkinFeed(std::string_view block);

    void Loaded() override;

protected:
    void BeforeDestruction() override;
    void Notification(vcl::TComponent* component, vcl::TOperation operation) override;

private:
    bool Loading() const { return ComponentState() & vcl::csLoading; }
    std::string ApplicationFolder() const;
    void Recolour();
    void Broadcast(uint16_t command);
    void FreezeForms();
    void ThawForms();
    void ReleaseFeedTarget();
    void SkinListChanged();

    TsStoredSkins FInternalSkins;
    TacMenuSupport FMenuSupport;
    std::string FSkinDirectory;
    std::string FSkinName;
    ThirdPartyList FThirdParty;
    bool FActive = true;
    TacAnimEffects FAnimEffects;
    rtl::TStringList FCommonSections;
    // The common sections as options, null when there are none.
    std::unique_ptr<rtl::TMemIniFile> FCommonOptions;
    TacSkinEffects FEffects;
    bool FExtendedBorders = false;
    int FHueOffset = 0;
    int FSaturation = 0;
    bool FSkinnedPopups = true;
    std::unique_ptr<TacMenuLayer> FSkinableMenus;
    TacSkinningRules FSkinningRules = srStdForms | srStdDialogs | srThirdParty;

    bool FFromPackage = false;
    TsCommonIndexes FCommonIndexes;
    TsExtendedBorderImages FBorderImages;
    bool FSkipApply = false;
    // The windows frozen for a skin change, thawed by RepaintAll.
    std::vector<ui::HWND> FFrozen;

    ui::HWND FControlUnderMouse = nullptr;
    vcl::TControl* FSpeedButtonUnderMouse = nullptr;

    // Takes the live skin feed in front of the feed target's own procedure.
    std::unique_ptr<TacWindowRelay> FFeedRelay;
    // Once a feed has come, skin folders win over package files.
    bool FFeedReceived = false;
    // The options text of the feed being loaded.
    std::unique_ptr<rtl::TStringList> FLiveOptions;
};

}  // namespace skin
