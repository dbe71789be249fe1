// The skin manager: loading and applying skins, telling the windows about it
// in the right order and only once, removing and refreshing, recolouring at
// load time, its published properties in a stored layout, and the records of
// the skinned control under the mouse.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "ManagerTestKit.h"
#include "SkinTestKit.h"
#include "gfx/ImageCodecs.h"
#include "resources/InternalSkin.h"
#include "skin/sHueSaturation.h"
#include "skin/sSkinBroadcast.h"
#include "skin/sSkinColors.h"
#include "ui/Headless.h"
#include "vcl/Resources.h"
#include "vcl/TApplication.h"

namespace {

using namespace skin;
using namespace managertest;
using Commands = std::vector<int>;

TEST_F(ManagerTest, InternalSkinLoadsAndAppliesThroughTheManager) {
    TsSkinManager& manager = NewManager();
    EXPECT_EQ(manager.SkinInfo(), "N/A");
    EXPECT_EQ(manager.Version(), "7.68");
    EXPECT_EQ(manager.SkinDirectory(), "/Skins");
    manager.SetSkinName(std::string(resources::InternalSkinName));

    EXPECT_EQ(manager.SkinInfo(), "7.1");
    EXPECT_TRUE(manager.GlobalInfo.SkinApplied);
    EXPECT_TRUE(manager.FromPackage());
    EXPECT_EQ(manager.Sections.size(), 68u);  // GLOBALINFO and the 67 element sections
    EXPECT_GE(manager.FindSection("FORM"), 0);
    EXPECT_FALSE(manager.MasterImage.Empty());
    EXPECT_TRUE(Boxes.empty());
    EXPECT_FALSE(TsSkinManager::SkinLoading());
    EXPECT_FALSE(TsSkinManager::SkinApplying());

    const TsCommonIndexes& indexes = manager.CommonIndexes();
    EXPECT_EQ(indexes.GlobalInfo, manager.FindSection("GLOBALINFO"));
    EXPECT_EQ(indexes.CheckBoxChecked, manager.FindMaskExact("GLOBALINFO", "BOXCHECKED"));
    EXPECT_EQ(indexes.ExBorder, manager.FindMaskExact("GLOBALINFO", "EXBORDER"));
    EXPECT_EQ(indexes.ScrollSliderH.Section, manager.FindSection("SCROLLSLIDERH"));
    EXPECT_GE(indexes.ExBorder, 0);
}

TEST_F(ManagerTest, FirstManagerIsTheDefaultUntilItGoes) {
    TsSkinManager& first = NewManager();
    TsSkinManager& second = NewManager();
    EXPECT_TRUE(first.IsDefault());
    EXPECT_FALSE(second.IsDefault());
    second.SetIsDefault(false);  // another is the default: nothing changes
    EXPECT_EQ(TsSkinManager::DefaultManager(), &first);
    first.Free();
    EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);
    second.SetIsDefault(false);  // no default at all: it takes the place
    EXPECT_EQ(TsSkinManager::DefaultManager(), &second);
}

TEST_F(ManagerTest, NamesResolveAsTheSourcesSay) {
    TsSkinManager& manager = NewManager();
    manager.SetSkinName("Sapphire (internal).ASZ");
    EXPECT_EQ(manager.SkinName(), "Sapphire (internal)");
    // No package, no folder and no such internal skin: the first internal one.
    manager.SetSkinName("Crimson");
    EXPECT_EQ(manager.SkinName(), "Sapphire (internal)");
    EXPECT_EQ(manager.SkinInfo(), "7.1");
}

TEST_F(ManagerTest, WithoutAnySkinTheManagerTurnsInactiveAndRemovesTheSkin) {
    TsSkinManager& manager = NewManager(false);
    new TProbeForm("Form");
    int activations = 0;
    manager.OnActivate = [&](vcl::TObject*) { ++activations; };
    manager.SetSkinName("Crimson");
    EXPECT_FALSE(manager.Active());
    EXPECT_EQ(manager.SkinInfo(), "N/A");
    EXPECT_EQ(CommandsOf("Form"), Commands{SKC_REMOVE_SKIN});
    EXPECT_EQ(activations, 1);
}

TEST_F(ManagerTest, ChangeEventsComeInOrderWithTheManagerAsSender) {
    TsSkinManager& manager = NewManager();
    std::vector<std::string> events;
    auto note = [&](const char* name) {
        return [&events, &manager, name](vcl::TObject* sender) {
            events.push_back(sender == &manager ? name : "wrong sender");
        };
    };
    manager.OnBeforeChange = note("before");
    manager.OnActivate = note("activate");
    manager.OnAfterChange = note("after");
    manager.OnDeactivate = note("deactivate");
    manager.SetSkinName(std::string(resources::InternalSkinName));
    manager.SetActive(false);
    EXPECT_EQ(events, (std::vector<std::string>{"before", "activate", "after", "deactivate"}));
}

// --- broadcasts

class Broadcasts : public ManagerTest {
protected:
    void SetUp() override {
        ManagerTest::SetUp();
        // Form A holds a control without a window, a plain windowed container
        // with a skinned probe inside, and a skinned control with a skinned
        // probe inside; form B, made later, a single skinned probe.
        A = new TProbeForm("A");
        new TProbeButton(A, "Button");
        Plain = new TProbeControl(A, "Plain", false);
        new TProbeControl(Plain, "InPlain", true);
        Skinned = new TProbeControl(A, "Skinned", true);
        new TProbeControl(Skinned, "InSkinned", true);
        B = new TProbeForm("B");
        new TProbeControl(B, "InB", true);
        for (vcl::TWinControl* control : {static_cast<vcl::TWinControl*>(A), static_cast<vcl::TWinControl*>(B)})
            ShowAll(*control);
    }

    // Every window is made, as on a form that has been shown.
    static void ShowAll(vcl::TWinControl& control) {
        control.HandleNeeded();
        for (int i = 0; i < control.ControlCount(); ++i)
            if (auto* child = dynamic_cast<vcl::TWinControl*>(control.Controls(i))) ShowAll(*child);
    }

    static std::vector<std::string> Order() {
        std::vector<std::string> names;
        for (const auto& entry : Log()) names.push_back(entry.first);
        return names;
    }

    TProbeForm* A = nullptr;
    TProbeForm* B = nullptr;
    TProbeControl* Plain = nullptr;
    TProbeControl* Skinned = nullptr;
};

TEST_F(Broadcasts, ApplyReachesFormsLastFirstAndChildrenInChildOrder) {
    TsSkinManager& manager = NewManager();
    manager.SetSkinName(std::string(resources::InternalSkinName));
    EXPECT_EQ(CommandsOf("A"), (Commands{SKC_APPLY_SKIN, SKC_PREPARE_REFRESH, SKC_REFRESH}));
    Log().clear();
    manager.ApplySkin(false);
    // The control without a window comes first among A's children; the plain
    // container is walked through without being told itself; the skinned
    // control passes the command on to its own child.
    EXPECT_EQ(Order(), (std::vector<std::string>{"B", "InB", "A", "Button", "InPlain", "Skinned", "InSkinned"}));
    EXPECT_EQ(manager.SkinInfo(), "7.1");
    for (const auto& [name, command] : Log()) EXPECT_EQ(command, SKC_APPLY_SKIN) << name;
}

TEST_F(Broadcasts, SkinnedControlsGetEachCommandExactlyOnce) {
    TsSkinManager& manager = NewManager();
    manager.SetSkinName(std::string(resources::InternalSkinName));
    Log().clear();
    manager.RepaintAll(false);
    EXPECT_EQ(CommandsOf("Skinned"), (Commands{SKC_PREPARE_REFRESH, SKC_REFRESH}));
    EXPECT_EQ(CommandsOf("InSkinned"), (Commands{SKC_PREPARE_REFRESH, SKC_REFRESH}));
    EXPECT_EQ(CommandsOf("Plain"), Commands{});
}

TEST_F(Broadcasts, FormsOfProvidersAreReachedOnceEvenWhenTheApplicationOwnsThemToo) {
    TsSkinManager& manager = NewManager();
    auto* skinnedForm = new TProbeForm("SkinnedForm", true);  // answers SKC_IS_SKINNED itself
    new TProbeControl(skinnedForm, "InSkinnedForm", false);
    RegisterProviderForm(skinnedForm);
    RegisterProviderForm(A);
    manager.SetSkinName(std::string(resources::InternalSkinName));
    Log().clear();
    manager.ApplySkin(false);
    EXPECT_EQ(CommandsOf("A"), Commands{SKC_APPLY_SKIN});
    EXPECT_EQ(CommandsOf("SkinnedForm"), Commands{SKC_APPLY_SKIN});
    EXPECT_EQ(CommandsOf("InSkinnedForm"), Commands{SKC_APPLY_SKIN});
}

TEST_F(Broadcasts, FreedFormsLeaveTheProvidersList) {
    RegisterProviderForm(B);
    RegisterProviderForm(B);
    EXPECT_EQ(ProviderForms().size(), 1u);
    B->Free();
    EXPECT_TRUE(ProviderForms().empty());
}

TEST_F(Broadcasts, ManagerTravelsInLParam) {
    TsSkinManager& manager = NewManager();
    vcl::LPARAM seen = 0;
    const vcl::TWndMethod original = Skinned->WindowProc();
    Skinned->SetWindowProc([&](vcl::TMessage& m) {
        if (m.Msg == SKIN_COMMAND_MESSAGE && SkinCommandOf(m.WParam) == SKC_APPLY_SKIN) seen = m.LParam;
        original(m);
    });
    manager.SetSkinName(std::string(resources::InternalSkinName));
    Skinned->SetWindowProc(original);
    EXPECT_EQ(seen, reinterpret_cast<vcl::LPARAM>(&manager));
}

TEST_F(Broadcasts, AnimatedApplyFreezesVisibleSkinnedFormsUntilTheRefreshIsDone) {
    TsSkinManager& manager = NewManager();
    RegisterProviderForm(A);
    RegisterProviderForm(B);  // hidden: left alone
    A->Show();
    std::vector<std::string> seen;
    const vcl::TWndMethod original = A->WindowProc();
    A->SetWindowProc([&](vcl::TMessage& m) {
        if (m.Msg == ui::WM_SETREDRAW) seen.push_back(m.WParam ? "thaw" : "freeze");
        if (m.Msg == SKIN_COMMAND_MESSAGE && SkinCommandOf(m.WParam) != SKC_IS_SKINNED)
            seen.push_back(std::to_string(SkinCommandOf(m.WParam)));
        original(m);
    });
    manager.SetSkinName(std::string(resources::InternalSkinName));
    A->SetWindowProc(original);
    EXPECT_EQ(seen, (std::vector<std::string>{"freeze", "1", "16", "3", "thaw"}));
}

TEST_F(Broadcasts, FormsBeingLoadedOrDestroyedAreLeftOut) {
    TsSkinManager& manager = NewManager();
    A->SetComponentState(vcl::csLoading, true);
    manager.SetSkinName(std::string(resources::InternalSkinName));
    A->SetComponentState(vcl::csLoading, false);
    EXPECT_EQ(CommandsOf("A"), Commands{});
    EXPECT_EQ(CommandsOf("B"), (Commands{SKC_APPLY_SKIN, SKC_PREPARE_REFRESH, SKC_REFRESH}));
}

TEST_F(Broadcasts, DeactivatingRemovesTheSkinEverywhere) {
    TsSkinManager& manager = NewManager();
    manager.SetSkinName(std::string(resources::InternalSkinName));
    Log().clear();
    manager.SetActive(false);
    for (const char* name : {"A", "B", "InB", "Button", "InPlain", "Skinned", "InSkinned"})
        EXPECT_EQ(CommandsOf(name), Commands{SKC_REMOVE_SKIN}) << name;
    EXPECT_EQ(manager.SkinInfo(), "N/A");
    EXPECT_TRUE(manager.Sections.empty());
    EXPECT_TRUE(manager.Masks.empty());
    EXPECT_EQ(manager.CommonIndexes().GlobalInfo, -1);
    EXPECT_EQ(manager.CommonIndexes().CheckBoxChecked, -1);

    Log().clear();
    manager.SetActive(true);  // loads and applies the same skin again
    EXPECT_EQ(CommandsOf("A"), (Commands{SKC_APPLY_SKIN, SKC_PREPARE_REFRESH, SKC_REFRESH}));
    EXPECT_EQ(manager.SkinInfo(), "7.1");
}

TEST_F(Broadcasts, HueAndSaturationReloadAndRefresh) {
    TsSkinManager& manager = NewManager();
    manager.SetSkinName(std::string(resources::InternalSkinName));
    const TColor formColor = manager.Sections[size_t(manager.FindSection("FORM"))].Color;
    Log().clear();
    manager.SetHueOffset(0);  // no change: nothing happens
    EXPECT_TRUE(Log().empty());

    manager.SetHueOffset(30);
    EXPECT_EQ(CommandsOf("A"), (Commands{SKC_PREPARE_REFRESH, SKC_REFRESH}));
    EXPECT_EQ(manager.Sections[size_t(manager.FindSection("FORM"))].Color, ChangeColorHue(formColor, 30));

    manager.SetHueOffset(0);
    manager.SetSaturation(-100);
    const TColor grey = manager.Sections[size_t(manager.FindSection("FORM"))].Color;
    EXPECT_EQ(grey & 0xFF, (grey >> 8) & 0xFF);
    EXPECT_EQ(grey & 0xFF, (grey >> 16) & 0xFF);
    EXPECT_EQ(grey, ChangeColorSaturation(formColor, -100));
}

TEST_F(Broadcasts, HueAtLoadTimeLeavesKeyAndGreyPixelsAlone) {
    TsSkinManager& plain = NewManager();
    plain.SetSkinName(std::string(resources::InternalSkinName));
    TsSkinManager& turned = NewManager();
    turned.SetHueOffset(30);
    turned.SetSkinName(std::string(resources::InternalSkinName));
    const gfx::TBitmap& before = plain.MasterImage;
    const gfx::TBitmap& after = turned.MasterImage;
    ASSERT_EQ(before.Width(), after.Width());
    int changed = 0, kept = 0;
    for (int y = 0; y < before.Height(); ++y)
        for (int x = 0; x < before.Width(); ++x) {
            const uint32_t p = skintest::PixelValue(before, x, y), q = skintest::PixelValue(after, x, y);
            const uint8_t r = p >> 16, g = p >> 8, b = p;
            if (p == 0x00FF00FF || (r == g && g == b)) {
                kept += p == q;
                EXPECT_EQ(p, q) << x << "," << y;
            } else {
                changed += p != q;
            }
        }
    EXPECT_GT(kept, 0);
    EXPECT_GT(changed, 0);
}

TEST_F(Broadcasts, StartUpFromTheLayoutAppliesOnceWithoutRefresh) {
    vcl::RegisterResource(std::string(resources::InternalSkinName), resources::InternalSkinPackage());
    class TStartForm : public TProbeForm {
    public:
        TStartForm() : TProbeForm("Start") {
            new TProbeControl(this, "InStart", true);
            PublishField("sSkinManager1", Manager);
            ReadLayout(R"(
object Start: TStartForm
  object sSkinManager1: TsSkinManager
    InternalSkins = ('Sapphire (internal)')
    MenuSupport.ExtraLineFont.Name = 'MS Sans Serif'
    MenuSupport.ExtraLineFont.Height = -11
    SkinDirectory = '/no/such/Skins'
    SkinName = 'Sapphire (internal)'
    SkinInfo = '6.4'
    ThirdParty.ThirdButtons = 'TButton'#13#10
    AnimEffects.SkinChanging.Time = 250
    AnimEffects.BlendOnMoving.BlendValue = 200
    AnimEffects.Buttons.Events = [beMouseEnter]
    Effects.AllowGlowing = False
    SkinningRules = [srStdForms]
  end
end
)");
        }
        TsSkinManager* Manager = nullptr;
    };
    Log().clear();
    auto* form = new TStartForm;
    ASSERT_TRUE(form->Manager);
    TsSkinManager& manager = *form->Manager;
    for (const char* name : {"A", "B", "Start", "InStart", "InB"})
        EXPECT_EQ(CommandsOf(name), Commands{SKC_APPLY_SKIN}) << name;
    EXPECT_EQ(manager.SkinInfo(), "7.1");
    EXPECT_EQ(manager.SkinDirectory(), "/no/such/Skins");
    EXPECT_EQ(manager.MenuSupport().IcoLineSkin(), "ICOLINE");
    EXPECT_EQ(manager.MenuSupport().ExtraLineFont().Height(), -11);
    EXPECT_EQ(manager.MenuSupport().ExtraLineWidth(), 32);
    EXPECT_EQ(manager.AnimEffects().SkinChanging().Time(), 250);
    EXPECT_EQ(manager.AnimEffects().SkinChanging().Mode(), atFading);
    EXPECT_EQ(manager.AnimEffects().BlendOnMoving().BlendValue(), 200);
    EXPECT_FALSE(manager.AnimEffects().BlendOnMoving().Active());
    EXPECT_EQ(manager.AnimEffects().Buttons().Events(), unsigned(beMouseEnter));
    EXPECT_EQ(manager.AnimEffects().Minimizing().Time(), 200);
    EXPECT_FALSE(manager.Effects().AllowGlowing());
    EXPECT_TRUE(manager.Effects().AllowAeroBluring());
    EXPECT_EQ(manager.SkinningRules(), unsigned(srStdForms));
    const rtl::TStringList& buttons = manager.ThirdParty().Classes(tpButtons);
    ASSERT_EQ(buttons.Count(), 1);
    EXPECT_EQ(buttons[0], "TButton");
    EXPECT_EQ(manager.ThirdParty().Text(tpEdits), " ");
}

// --- what the manager does with the loaded skin

TEST_F(ManagerTest, LoadErrorsKeepThePreviousNameAndAreShown) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kestrune_manager_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder / "Broken");
    std::ofstream(folder / "Damaged.asz") << "not a package";
    std::ofstream(folder / "Broken" / "Options.dat") << "[GLOBALINFO]\nVERSION=7.10\nSHADOW1OFFSET=twelve\n";

    TsSkinManager& manager = NewManager();
    manager.SetSkinDirectory(folder.string());
    manager.SetSkinName(std::string(resources::InternalSkinName));
    manager.SetSkinName("Damaged");
    EXPECT_EQ(manager.SkinName(), "Sapphire (internal)");
    manager.SetSkinName("Broken");
    EXPECT_EQ(manager.SkinName(), "Sapphire (internal)");
    ASSERT_EQ(Boxes.size(), 2u);
    EXPECT_EQ(Boxes[0], "Loaded data is not a packed Quillmark file");
    EXPECT_NE(Boxes[1].find("twelve"), std::string::npos);
    EXPECT_FALSE(TsSkinManager::SkinLoading());
    std::filesystem::remove_all(folder);
}

TEST_F(ManagerTest, NewerSkinsWarnAndLoadAllTheSame) {
    TsSkinManager& manager = NewManager(false);
    manager.InternalSkins().Add().SetData(skintest::PackageOf("[GLOBALINFO]\nVERSION=8.5\n[FORM]\nCOLOR=255\n"));
    manager.SetSkinName("");
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_NE(Boxes[0].find("This version of the skin"), std::string::npos);
    EXPECT_EQ(manager.SkinInfo(), "8.5");
    EXPECT_GE(manager.FindSection("FORM"), 0);
}

TEST_F(ManagerTest, CommonSectionsAddAndOverrideSectionsWithoutBlanks) {
    TsSkinManager& manager = NewManager();
    manager.SetSkinName(std::string(resources::InternalSkinName));
    rtl::TStringList common;
    common.SetText("; a remark stays as it is\n[MY SECTION]\nCOLOR = 255\n[FORM]\nCOLOR = 65280\n");
    manager.SetCommonSections(common);
    EXPECT_EQ(manager.CommonSections()[0], "; a remark stays as it is");
    EXPECT_EQ(manager.CommonSections()[1], "[MYSECTION]");
    const int mine = manager.FindSection("MYSECTION");
    ASSERT_GE(mine, 0);
    EXPECT_EQ(manager.Sections[size_t(mine)].Color, 255);
    EXPECT_EQ(manager.Sections[size_t(manager.FindSection("FORM"))].Color, 65280);
    EXPECT_EQ(manager.SkinInfo(), "7.1");
}

TEST_F(ManagerTest, ColourQueriesFallBackToSystemColours) {
    TsSkinManager& manager = NewManager();
    EXPECT_EQ(SkinBackColor(manager), gfx::ColorToRGB(gfx::clBtnFace));
    EXPECT_EQ(SkinFontColor(manager), 0xFF00FF);
    EXPECT_EQ(EditFontColor(manager), gfx::ColorToRGB(gfx::clWindowText));
    EXPECT_EQ(SelectionColor(manager, true), gfx::ColorToRGB(gfx::clHighlight));
    manager.SetSkinName(std::string(resources::InternalSkinName));
    const TsGeneralData& global = manager.Sections[size_t(manager.FindSection("GLOBALINFO"))];
    EXPECT_EQ(SkinBackColor(manager), global.Color);
    EXPECT_EQ(SkinHotBackColor(manager), global.HotColor);
    const TsGeneralData& edit = manager.Sections[size_t(manager.FindSection("EDIT"))];
    EXPECT_EQ(EditFontColor(manager), edit.StateLook[0].FontColor);
}

TEST(SelectionColours, FocusedLookNeedsAHotStateAndUnusableColoursFallThrough) {
    TsSkinTables tables;
    skintest::LoadSkinText(tables,
                           "[GLOBALINFO]\nVERSION=7.10\n"
                           "[SELECTION]\nSTATES=2\nCOLOR=100\nHOTCOLOR=200\nFONTCOLOR=16711935\nHOTFONTCOLOR=300\n"
                           "[MENUITEM]\nSTATES=2\nHOTCOLOR=16777215\nHOTFONTCOLOR=400\n");
    EXPECT_EQ(SelectionColor(tables, false), 100);
    EXPECT_EQ(SelectionColor(tables, true), 200);
    EXPECT_EQ(SelectionFontColor(tables, true), 300);
    // The normal look's text colour is the key colour: MENUITEM's hot one.
    EXPECT_EQ(SelectionFontColor(tables, false), 400);

    skintest::LoadSkinText(tables, "[GLOBALINFO]\nVERSION=7.10\n[MENUITEM]\nSTATES=2\nHOTCOLOR=16777215\n");
    // White is no selection colour.
    EXPECT_EQ(SelectionColor(tables, false), gfx::ColorToRGB(gfx::clHighlight));
}

TEST_F(ManagerTest, ExtendedBorderImagesComeFromExBorderOrTheBuiltInShadows) {
    TsSkinManager& manager = NewManager(false);
    // A skin without EXBORDER gets the shadows.
    manager.InternalSkins().Add().SetData(skintest::PackageOf("[GLOBALINFO]\nVERSION=7.10\n"));
    manager.SetSkinName("");
    manager.SetExtendedBorders(true);
    ASSERT_TRUE(manager.ExtendedBorders());
    const TsExtendedBorderImages& images = manager.ExtendedBorderImages();
    EXPECT_EQ(images.Active.Width(), 33);
    EXPECT_EQ(images.Inactive.Height(), 33);
    EXPECT_EQ(images.ContentOffsets, (gfx::TRect{9, 9, 9, 9}));
    // Black throughout, the active one darker in the middle.
    EXPECT_EQ(skintest::PixelValue(images.Active, 16, 16), 0x80000000u);
    EXPECT_EQ(skintest::PixelValue(images.Inactive, 16, 16), 0x4D000000u);
    EXPECT_LT(skintest::PixelValue(images.Active, 0, 16) >> 24, 8u);

    // EXBORDER of two 4 x 4 states in a 32-bit bitmap, which keeps its
    // alpha as it is: white see-through pixels are cleared.
    gfx::TBitmap border = skintest::Picture(8, 4, 0x0000FF, gfx::pf32bit, 255);
    skintest::SetPixel(border, 1, 1, 0xFFFFFF, 0);
    skintest::SetPixel(border, 5, 1, 0x00FF00, 255);
    manager.InternalSkins().Items(0).SetData(skintest::PackageOf(
        "[GLOBALINFO]\nVERSION=7.10\nFORMOFFSET=1\nEXBORDER=!XBORDER.BMP!2!0!3!0003!0002!0003!0004!1\n",
        {{"XBorder.bmp", gfx::WriteBmp(border)}}));
    manager.SetSkinName("");
    EXPECT_EQ(images.Inactive.Width(), 4);
    EXPECT_EQ(skintest::PixelValue(images.Inactive, 1, 1), 0u);
    EXPECT_EQ(skintest::PixelValue(images.Inactive, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(skintest::PixelValue(images.Active, 1, 1), 0xFF00FF00u);
    EXPECT_EQ(images.ContentOffsets, (gfx::TRect{2, 1, 2, 3}));

    ui::headless::SetLayeredAvailable(false);
    EXPECT_FALSE(manager.ExtendedBorders());
    ui::headless::SetLayeredAvailable(true);
}

// --- the control under the mouse

TEST_F(ManagerTest, EnteringAnotherControlTellsTheOldAndTheNew) {
    TsSkinManager& manager = NewManager();
    auto* form = new TProbeForm("Form");
    auto* one = new TProbeControl(form, "One", true);
    auto* two = new TProbeControl(form, "Two", true);
    manager.ControlMouseEntered(one->Handle());
    manager.ControlMouseEntered(one->Handle());  // the same again: nothing
    manager.ControlMouseEntered(two->Handle());
    EXPECT_EQ(Log(), (TCommandLog{{"One", SKC_MOUSE_ENTER}, {"One", SKC_MOUSE_LEAVE}, {"Two", SKC_MOUSE_ENTER}}));
    EXPECT_EQ(manager.ControlUnderMouse(), two->Handle());
}

TEST_F(ManagerTest, SpeedButtonKeepsItsRecordWhileTheMouseIsOverIt) {
    TsSkinManager& manager = NewManager();
    auto* form = new TProbeForm("Form");
    auto* control = new TProbeControl(form, "Control", true);
    auto* button = new TProbeButton(form, "Button");
    manager.ControlMouseEntered(control->Handle());
    manager.SpeedButtonMouseEntered(button);  // the window record goes
    EXPECT_EQ(manager.ControlUnderMouse(), nullptr);
    EXPECT_EQ(manager.SpeedButtonUnderMouse(), button);

    button->MouseOver = true;
    manager.ControlMouseEntered(control->Handle());  // refused: the button still has the mouse
    EXPECT_EQ(manager.SpeedButtonUnderMouse(), button);
    EXPECT_EQ(manager.ControlUnderMouse(), nullptr);

    button->MouseOver = false;
    manager.ControlMouseEntered(control->Handle());
    EXPECT_EQ(manager.SpeedButtonUnderMouse(), nullptr);
    EXPECT_EQ(manager.ControlUnderMouse(), control->Handle());
    EXPECT_EQ(Log(), (TCommandLog{{"Control", SKC_MOUSE_ENTER},
                                  {"Control", SKC_MOUSE_LEAVE},
                                  {"Button", SKC_MOUSE_LEAVE},
                                  {"Control", SKC_MOUSE_ENTER}}));
}

TEST_F(ManagerTest, FreedSpeedButtonIsForgotten) {
    TsSkinManager& manager = NewManager();
    auto* button = new TProbeButton(new TProbeForm("Form"), "Button");
    manager.SpeedButtonMouseEntered(button);
    button->Free();
    EXPECT_EQ(manager.SpeedButtonUnderMouse(), nullptr);
}

}  // namespace
