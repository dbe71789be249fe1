#include "skin/sSkinManager.h"

#include <algorithm>
#include <utility>

#include "os/UserFolders.h"
#include "rtl/TScopeExit.h"
#include "skin/sDialogHook.h"
#include "skin/sGlowHook.h"
#include "skin/sHueSaturation.h"
#include "skin/sMainWindowHook.h"
#include "skin/sSkinBroadcast.h"
#include "skin/sSkinCommands.h"
#include "skin/sSkinFeed.h"
#include "skin/sSkinLoader.h"
#include "skin/sWindowAdapter.h"
#include "skin/sWindowRelay.h"
#include "ui/Layered.h"
#include "ui/MessageLoop.h"
#include "ui/Metrics.h"
#include "ui/Paint.h"
#include "ui/Window.h"
#include "vcl/Dialogs.h"
#include "vcl/Resources.h"
#include "vcl/TClassBuilder.h"
#include "vcl/TCustomForm.h"

namespace skin {

namespace {

TsSkinManager* gDefault = nullptr;
int gLoading = 0;
int gApplying = 0;

// Counts while it lives, so that nested loads keep the mark up.
class TMark {
public:
    explicit TMark(int& counter) : FCounter(counter) { ++FCounter; }
    ~TMark() { --FCounter; }
    TMark(const TMark&) = delete;
    TMark& operator=(const TMark&) = delete;

private:
    int& FCounter;
};

// A layout names the internal skins by the program resources that hold their
// packages: InternalSkins = ('Sapphire (internal)').
void ReadInternalSkins(TsSkinManager& manager, const vcl::TLayoutValue& value) {
    if (value.Kind != vcl::TLayoutValue::List) throw rtl::EReadError("Invalid property value");
    manager.InternalSkins().Clear();
    for (const std::string& name : value.Items) {
        const auto package = vcl::FindResource(name);
        if (!package) throw rtl::EReadError("Resource " + name + " not found");
        TsStoredSkin& item = manager.InternalSkins().Add();
        item.SetName(name);
        item.SetData(*package);
    }
}

void ReadCommonSections(TsSkinManager& manager, const vcl::TLayoutValue& value) {
    if (value.Kind != vcl::TLayoutValue::List) throw rtl::EReadError("Invalid property value");
    rtl::TStringList lines;
    for (const std::string& line : value.Items) lines.Add(line);
    manager.SetCommonSections(lines);
}

void RedrawCompletely(ui::HWND window) {
    ui::RedrawWindow(window, nullptr, nullptr,
                     ui::RDW_FRAME | ui::RDW_ALLCHILDREN | ui::RDW_ERASE | ui::RDW_INVALIDATE | ui::RDW_UPDATENOW);
}

}  // namespace

const vcl::TClassInfo& TsSkinManager::StaticClass() {
    using T = TsSkinManager;
    using vcl::TLayoutReader;
    using vcl::TLayoutValue;
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<T>("TsSkinManager", vcl::TComponent::StaticClass())
            .Creatable()
            .Custom("InternalSkins", [](T& m, const TLayoutValue& v, TLayoutReader&) { ReadInternalSkins(m, v); })
            .Object("MenuSupport", &T::MenuSupport)
            .String("SkinDirectory", &T::SetSkinDirectory)
            .String("SkinName", &T::SetSkinName)
            // Written by layouts, read only: what a skin says is what counts.
            .Custom("SkinInfo", [](T&, const TLayoutValue&, TLayoutReader&) {})
            .Object("ThirdParty", &T::ThirdParty)
            .Bool("Active", &T::SetActive)
            .Object("AnimEffects", &T::AnimEffects)
            .Custom("CommonSections", [](T& m, const TLayoutValue& v, TLayoutReader&) { ReadCommonSections(m, v); })
            .Object("Effects", &T::Effects)
            .Bool("ExtendedBorders", &T::SetExtendedBorders)
            .Int("HueOffset", &T::SetHueOffset)
            .Bool("IsDefault", &T::SetIsDefault)
            .Int("Saturation", &T::SetSaturation)
            .Bool("SkinnedPopups", &T::SetSkinnedPopups)
            .Set("SkinningRules", &T::SetSkinningRules,
                 {{"srStdForms", srStdForms}, {"srStdDialogs", srStdDialogs}, {"srThirdParty", srThirdParty}})
            .Event("OnActivate", &T::SetOnActivate)
            .Event("OnAfterChange", &T::SetOnAfterChange)
            .Event("OnBeforeChange", &T::SetOnBeforeChange)
            .Event("OnDeactivate", &T::SetOnDeactivate)
            .Event("OnSkinListChanged", &T::SetOnSkinListChanged)
            .Event("OnGetMenuExtraLineData", &T::SetOnGetMenuExtraLineData)
            .Build();
    return info;
}

// Layouts make managers by class name. A program whose layout holds one
// publishes a field of this class, which brings this file in, so registering
// here comes before any layout is read.
namespace {
[[maybe_unused]] const vcl::TClassInfo& RegisteredClass = TsSkinManager::StaticClass();
}  // namespace

TsSkinManager::TsSkinManager(vcl::TComponent* owner)
    : vcl::TComponent(owner), FInternalSkins([this] { SkinListChanged(); }) {
    if (!gDefault) {
        gDefault = this;
        HookMainWindow();
    }
    FCommonSections.SetCaseSensitive(true);
    FThirdParty.FillDefaults();
    FThirdParty.Mirror();
    FSkinDirectory = DefaultSkinDirectory;
    if (const TacMenuLayerFactory factory = MenuLayerFactory()) FSkinableMenus = factory(*this);
}

TsSkinManager::~TsSkinManager() {
    ReleaseFeedTarget();
    if (gDefault == this) {
        gDefault = nullptr;
        RemoveDialogHook();
        UnhookMainWindow();
    }
}

TsSkinManager* TsSkinManager::DefaultManager() { return gDefault; }
bool TsSkinManager::SkinLoading() { return gLoading > 0; }
bool TsSkinManager::SkinApplying() { return gApplying > 0; }

void TsSkinManager::BeforeDestruction() {
    // Controls forget a manager that is being destroyed when it removes its skin.
    Destroying();
    SetActive(false);
    vcl::TComponent::BeforeDestruction();
}

void TsSkinManager::Loaded() {
    vcl::TComponent::Loaded();
    if (FSkinDirectory.empty()) FSkinDirectory = DefaultSkinDirectory;
    if (FMenuSupport.IcoLineSkin().empty()) FMenuSupport.SetIcoLineSkin("ICOLINE");
    FThirdParty.FillDefaults();
    FThirdParty.Mirror();
    // The name's setter loaded the skin while the layout was read; now that
    // every window of the layout exists it is applied.
    if (FActive && !FSkinName.empty()) ApplySkin(false);
    if (FActive && OnActivate) OnActivate(this);
}

void TsSkinManager::Notification(vcl::TComponent* component, vcl::TOperation operation) {
    vcl::TComponent::Notification(component, operation);
    if (operation == vcl::opRemove && component == FSpeedButtonUnderMouse) FSpeedButtonUnderMouse = nullptr;
}

std::string TsSkinManager::ApplicationFolder() const { return os::ProgramFolder(); }

void TsSkinManager::SkinListChanged() {
    if (OnSkinListChanged) OnSkinListChanged(this);
}

// --- published properties

void TsSkinManager::SetSkinDirectory(const std::string& value) {
    if (value == FSkinDirectory) return;
    FSkinDirectory = value;
    GlobalInfo.SkinFolder = AddTrailingSeparator(NormalizeSkinDirectory(value, ApplicationFolder()));
    SkinListChanged();
}

void TsSkinManager::SetSkinName(const std::string& value) {
    const std::string previous = FSkinName;
    FSkinName = StripPackageExtension(value);
    if (!FActive) return;
    if (OnBeforeChange) OnBeforeChange(this);
    GlobalInfo.SkinApplied = false;
    try {
        LoadSkin();
    } catch (const std::exception& error) {
        FSkinName = previous;
        vcl::MessageDlg(error.what(), vcl::mtError, vcl::mbOK);
    }
    if (FActive) {
        if (!FSkipApply) ApplySkin(true);
    } else {
        // There was no skin to load at all.
        RemoveSkin();
    }
    if (!Loading() && OnActivate) OnActivate(this);
    if (OnAfterChange) OnAfterChange(this);
}

std::string TsSkinManager::SkinInfo() const {
    return GlobalInfo.SkinApplied ? FormatSkinVersion(GlobalInfo.Version) : "N/A";
}

void TsSkinManager::SetActive(bool value) {
    if (value == FActive) return;
    if (value) {
        FActive = true;
        SetSkinName(FSkinName);
        return;
    }
    FActive = false;
    if (!Loading()) RemoveSkin();
    FCommonIndexes = CommonIndexesOf(*this);
    if (OnDeactivate) OnDeactivate(this);
}

void TsSkinManager::SetCommonSections(const rtl::TStringList& value) {
    FCommonSections.Clear();
    for (int i = 0; i < value.Count(); ++i) {
        std::string line = value[i];
        if (line.empty() || line[0] != ';') std::erase(line, ' ');
        FCommonSections.Add(std::move(line));
    }
    FCommonOptions.reset();
    if (FCommonSections.Count() > 0) {
        FCommonOptions = std::make_unique<rtl::TMemIniFile>(true);
        FCommonOptions->SetStrings(FCommonSections);
    }
    SetSkinName(FSkinName);
}

void TsSkinManager::SetSkinnedPopups(bool value) {
    if (value == FSkinnedPopups) return;
    FSkinnedPopups = value;
    if (value && IsDefault() && !Loading() && FSkinableMenus) FSkinableMenus->UpdateActive();
}

bool TsSkinManager::ExtendedBorders() const { return FExtendedBorders && ui::LayeredWindowsAvailable(); }

void TsSkinManager::SetExtendedBorders(bool value) {
    if (value == FExtendedBorders) return;
    FExtendedBorders = value;
    if (!GlobalInfo.SkinApplied) return;
    LoadSkin();
    if (!Loading()) RepaintAll(true);
}

void TsSkinManager::SetHueOffset(int value) {
    if (value == FHueOffset) return;
    FHueOffset = value;
    Recolour();
}

void TsSkinManager::SetSaturation(int value) {
    if (value == FSaturation) return;
    FSaturation = value;
    Recolour();
}

// The colours change at load time, so the skin is loaded again.
void TsSkinManager::Recolour() {
    if (!FActive || Loading()) return;
    LoadSkin();
    if (!FSkipApply) RepaintAll(true);
}

// Setting it true applies this manager's skin again even when it is the
// default already; false only counts while no manager is the default.
void TsSkinManager::SetIsDefault(bool value) {
    if (!value && gDefault) return;
    gDefault = this;
    HookMainWindow();
    if (FActive)
        ApplySkin(true);
    else if (!Loading())
        RemoveSkin();
}

// --- operations

void TsSkinManager::LoadSkin() {
    const TMark loading(gLoading);
    const TsSkinSource source =
        ResolveSkinSource(FSkinName, FSkinDirectory, ApplicationFolder(), FInternalSkins, FFeedReceived);
    if (source.Kind == sskNone) {
        FActive = false;
        return;
    }
    FSkinName = source.SkinName;
    TsSkinLoadSettings settings;
    settings.CommonSections = FCommonOptions.get();
    settings.SystemFrameWidth = ui::GetSystemMetrics(ui::SM_CXFRAME);
    settings.OnVersionWarning = [](const std::string& text) { vcl::MessageDlg(text, vcl::mtWarning, vcl::mbOK); };
    settings.LiveOptions = FLiveOptions.get();
    FFromPackage = skin::LoadSkin(*this, source, FInternalSkins, settings);
    ApplySkinHueAndSaturation(*this, FHueOffset, FSaturation);
    FCommonIndexes = CommonIndexesOf(*this);
    if (ExtendedBorders())
        PrepareExtendedBorders(*this, FBorderImages);
    else
        FBorderImages = {};
}

void TsSkinManager::Broadcast(uint16_t command) {
    BroadcastSkinCommand({SKIN_COMMAND_MESSAGE, SkinCommandWParam(command), reinterpret_cast<ui::LPARAM>(this)});
}

void TsSkinManager::ApplySkin(bool animate) {
    if (Loading()) return;
    // A glow is a picture of the old skin, laid over the old looks.
    HideAllGlows();
    if (animate) FreezeForms();
    GlobalInfo.SkinApplied = false;
    {
        const TMark applying(gApplying);
        FCommonIndexes = CommonIndexesOf(*this);
        if (FSkinableMenus) FSkinableMenus->SkinChanging();
        Broadcast(SKC_APPLY_SKIN);
    }
    GlobalInfo.SkinApplied = true;
    if (IsDefault()) InstallDialogHook();
    if (FSkinableMenus) FSkinableMenus->UpdateActive();
    if (animate) RepaintAll(false);
}

void TsSkinManager::RemoveSkin() {
    HideAllGlows();
    // Whichever manager's skin goes takes the dialog hook off (and frees what
    // it adapted); the default manager puts it back when it applies again.
    RemoveDialogHook();
    GlobalInfo.SkinApplied = false;
    Broadcast(SKC_REMOVE_SKIN);
    if (FSkinableMenus) {
        FSkinableMenus->SkinChanging();
        FSkinableMenus->UpdateActive();
    }
    TsSkinTables::Clear();
}

void TsSkinManager::RepaintAll(bool animate) {
    if (Loading()) {
        Broadcast(SKC_REFRESH);
        return;
    }
    if (animate) FreezeForms();
    Broadcast(SKC_PREPARE_REFRESH);
    Broadcast(SKC_REFRESH);
    ThawForms();
    for (ui::HWND window : AdaptedWindows().VisibleWindows()) RedrawCompletely(window);
}

// The visible skinned forms stop drawing until the new skin is in place
// everywhere, so that no window shows half of each skin.
void TsSkinManager::FreezeForms() {
    for (vcl::TCustomForm* form : ProviderForms()) {
        if (!form->HandleAllocated() || !ui::IsWindowVisible(form->Handle())) continue;
        const ui::HWND window = form->Handle();
        if (std::find(FFrozen.begin(), FFrozen.end(), window) != FFrozen.end()) continue;
        ui::SendMessage(window, ui::WM_SETREDRAW, 0, 0);
        FFrozen.push_back(window);
    }
}

// With the skin-change animation each form moves from the old look, which
// it still shows frozen, to the new one.
void TsSkinManager::ThawForms() {
    const std::vector<ui::HWND> frozen = std::move(FFrozen);
    FFrozen.clear();
    const TacSkinChanging& changing = FAnimEffects.SkinChanging();
    const TacSkinChangePlayer play = changing.Active() ? SkinChangePlayer() : nullptr;
    for (ui::HWND window : frozen) {
        if (!ui::IsWindow(window)) continue;
        if (play) {
            play(window, changing.Time(), changing.Mode());
            continue;
        }
        ui::SendMessage(window, ui::WM_SETREDRAW, 1, 0);
        RedrawCompletely(window);
    }
}

void TsSkinManager::ListSkins(rtl::TStringList& list, TsSkinListKind kind, std::string& firstName) const {
    skin::ListSkins(list, kind, firstName, FInternalSkins, FSkinDirectory, ApplicationFolder());
}

// --- the skinned control under the mouse

void TsSkinManager::ControlMouseEntered(ui::HWND window) {
    if (window == FControlUnderMouse) return;
    if (FSpeedButtonUnderMouse) {
        SpeedButtonMouseEntered(nullptr);
        if (FSpeedButtonUnderMouse) return;
    }
    const ui::HWND left = std::exchange(FControlUnderMouse, window);
    const auto self = reinterpret_cast<ui::LPARAM>(this);
    if (left) ui::SendMessage(left, SKIN_COMMAND_MESSAGE, SkinCommandWParam(SKC_MOUSE_LEAVE), self);
    if (window) ui::SendMessage(window, SKIN_COMMAND_MESSAGE, SkinCommandWParam(SKC_MOUSE_ENTER), self);
}

void TsSkinManager::SpeedButtonMouseEntered(vcl::TControl* button) {
    if (button == FSpeedButtonUnderMouse) return;
    if (!button) {
        // The button keeps its record while its binding still has the mouse.
        const auto* binding = reinterpret_cast<const TsSkinBinding*>(
            FSpeedButtonUnderMouse->Perform(SKIN_COMMAND_MESSAGE, SkinCommandWParam(SKC_GET_SKIN_DATA), 0));
        if (binding && binding->IsMouseOver()) return;
    }
    vcl::TControl* left = std::exchange(FSpeedButtonUnderMouse, button);
    if (left) left->RemoveFreeNotification(this);
    if (button) {
        button->FreeNotification(this);
        if (FControlUnderMouse) {
            const ui::HWND window = std::exchange(FControlUnderMouse, nullptr);
            ui::SendMessage(window, SKIN_COMMAND_MESSAGE, SkinCommandWParam(SKC_MOUSE_LEAVE),
                            reinterpret_cast<ui::LPARAM>(this));
        }
    }
    if (left)
        left->Perform(SKIN_COMMAND_MESSAGE, SkinCommandWParam(SKC_MOUSE_LEAVE), reinterpret_cast<ui::LPARAM>(this));
}

// --- the live skin feed

void TsSkinManager::SetFeedTarget(ui::HWND window) {
    ReleaseFeedTarget();
    if (!ui::IsWindow(window)) return;
    FFeedRelay = std::make_unique<TacWindowRelay>(
        window, [this](ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam, ui::LRESULT& result) {
            if (msg != ui::WM_COPYDATA || wParam != SkinFeedCopyDataCode || !lParam) return false;
            const auto& data = *reinterpret_cast<const ui::TCopyDataStruct*>(lParam);
            const std::string_view block =
                data.Bytes ? std::string_view(static_cast<const char*>(data.Bytes), data.Size) : std::string_view();
            result = ReceiveSkinFeed(block) ? 1 : 0;
            return true;
        });
    AnnounceSkinFeedTarget(window);
}

ui::HWND TsSkinManager::FeedTarget() const {
    return FFeedRelay && ui::IsWindow(FFeedRelay->Window()) ? FFeedRelay->Window() : nullptr;
}

void TsSkinManager::ReleaseFeedTarget() { TacWindowRelay::Release(FFeedRelay); }

bool TsSkinManager::ReceiveSkinFeed(std::string_view block) {
    TacSkinFeed feed;
    if (!DecodeSkinFeed(block, feed)) return false;
    FFeedReceived = true;
    FLiveOptions = std::make_unique<rtl::TStringList>();
    FLiveOptions->SetCaseSensitive(true);
    FLiveOptions->SetText(feed.Options);
    TacSkinChanging& changing = FAnimEffects.SkinChanging();
    const bool animated = changing.Active();
    const rtl::TScopeExit restore([&] {
        FSkipApply = false;
        FLiveOptions.reset();
        changing.SetActive(animated);
    });
    FSkipApply = true;
    SetSkinDirectory(feed.SkinDirectory);
    SetSkinName(feed.SkinName);
    FSkipApply = false;
    changing.SetActive(false);
    if (FActive) ApplySkin(true);
    return true;
}

}  // namespace skin
