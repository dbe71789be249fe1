// The default manager's watch on the application's window, and a manager
// made the default: what each message or setting sends to whom.
#include <utility>

#include "ManagerTestKit.h"
#include "resources/InternalSkin.h"
#include "skin/sGlowHook.h"
#include "skin/sMainWindowHook.h"
#include "skin/sSkinBroadcast.h"
#include "ui/MessageLoop.h"
#include "ui/Messages.h"
#include "vcl/TApplication.h"

namespace {

using namespace skin;
using namespace managertest;

std::vector<std::pair<ui::UINT, ui::LPARAM>> gBorderRequests;

class TCountingGlows : public TsGlowHook {
public:
    void UpdateControlGlow(TsCommonData&, bool, ui::HWND) override {}
    void HideGlow(int) override {}
    void HideAllGlows(bool) override { ++Hidden; }
    int Hidden = 0;
};

class MainWindowHook : public ManagerTest {
protected:
    void SetUp() override {
        ManagerTest::SetUp();
        gBorderRequests.clear();
        SetMenuBorderHook([](ui::UINT msg, ui::LPARAM lParam) { gBorderRequests.emplace_back(msg, lParam); });
        SetGlowHook(&Glows);
    }
    void TearDown() override {
        SetGlowHook(nullptr);
        SetMenuBorderHook(nullptr);
        ManagerTest::TearDown();
    }
    static ui::LRESULT ToApplication(ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam) {
        return ui::SendMessage(vcl::Application->Handle(), msg, wParam, lParam);
    }

    TCountingGlows Glows;
};

TEST_F(MainWindowHook, TheDefaultManagerWatchesTheApplicationWindowUntilItGoes) {
    TsSkinManager& manager = NewManager();
    EXPECT_TRUE(MainWindowHooked());
    auto* framed = new TProbeForm("Framed");
    new TProbeForm("Plain");
    framed->HandleNeeded();
    RegisterProviderForm(framed);

    // The application's activation reaches every frame provider.
    ToApplication(CM_APPLICATION_ACTIVATE, 1, 0);
    EXPECT_EQ(Log(), (TCommandLog{{"Framed", SKC_APPLICATION_ACTIVATED}}));

    // The menu layer's border requests go to that layer while popups are
    // skinned, and nowhere otherwise.
    ToApplication(ACM_MENU_ITEM_BORDER, 0, 0x1234);
    ToApplication(ACM_MENU_WINDOW_BORDER, 0, 0x5678);
    manager.SetSkinnedPopups(false);
    ToApplication(ACM_MENU_ITEM_BORDER, 0, 0x9ABC);
    EXPECT_EQ(gBorderRequests, (std::vector<std::pair<ui::UINT, ui::LPARAM>>{{ACM_MENU_ITEM_BORDER, 0x1234},
                                                                             {ACM_MENU_WINDOW_BORDER, 0x5678}}));

    // Minimising or restoring the whole program takes the glows away first.
    ToApplication(ui::WM_SYSCOMMAND, ui::SC_MINIMIZE, 0);
    ToApplication(ui::WM_SYSCOMMAND, ui::SC_RESTORE, 0);
    EXPECT_EQ(Glows.Hidden, 2);

    manager.Free();
    EXPECT_FALSE(MainWindowHooked());
    Log().clear();
    ToApplication(CM_APPLICATION_ACTIVATE, 1, 0);
    EXPECT_TRUE(Log().empty());

    // A manager that takes the free place watches in its turn.
    TsSkinManager& next = NewManager(false);
    next.SetIsDefault(true);
    EXPECT_TRUE(MainWindowHooked());
    Log().clear();
    ToApplication(CM_APPLICATION_ACTIVATE, 1, 0);
    EXPECT_EQ(Log(), (TCommandLog{{"Framed", SKC_APPLICATION_ACTIVATED}}));
}

TEST_F(MainWindowHook, MakingAManagerTheDefaultAppliesItWithTheAnimation) {
    TsSkinManager& first = NewManager();
    first.SetSkinName(std::string(resources::InternalSkinName));
    TsSkinManager& second = NewManager();
    second.SetSkinName(std::string(resources::InternalSkinName));
    new TProbeForm("Form1");
    Log().clear();

    // Already the default: applied again all the same, then refreshed.
    first.SetIsDefault(true);
    EXPECT_EQ(CommandsOf("Form1"), (std::vector<int>{SKC_APPLY_SKIN, SKC_PREPARE_REFRESH, SKC_REFRESH}));

    Log().clear();
    second.SetIsDefault(false);
    EXPECT_TRUE(Log().empty()) << "false while another is the default changes nothing";
    EXPECT_TRUE(first.IsDefault());

    second.SetIsDefault(true);
    EXPECT_TRUE(second.IsDefault() && !first.IsDefault());
    EXPECT_EQ(CommandsOf("Form1"), (std::vector<int>{SKC_APPLY_SKIN, SKC_PREPARE_REFRESH, SKC_REFRESH}));

    // An inactive manager made the default removes its skin instead.
    first.SetActive(false);
    Log().clear();
    first.SetIsDefault(true);
    EXPECT_EQ(CommandsOf("Form1"), (std::vector<int>{SKC_REMOVE_SKIN}));
}

}  // namespace
