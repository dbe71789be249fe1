// The title buttons a skinned frame shows and enables for each kind of
// window, the same facts read from a live form, and the skinned system menu:
// its items built from the window's system menu, its choices reaching the
// window as system commands, and the skin menu.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/sSkinManager.h"
#include "skinpaint/sSystemMenu.h"
#include "skinpaint/sTitleButtonRules.h"
#include "ui/Headless.h"
#include "ui/Keys.h"
#include "ui/Menu.h"
#include "ui/MessageLoop.h"
#include "ui/Messages.h"
#include "vcl/TApplication.h"

namespace {

using namespace skinpaint;
using namespace vcl;

constexpr TBorderIcons Sys = biSystemMenu, SysMin = biSystemMenu | biMinimize,
                       All = biSystemMenu | biMinimize | biMaximize;
enum TState { Normal, Min, Max };

struct TButtonsCase {
    const char* Situation;
    TFormBorderStyle Style;
    TBorderIcons Icons;
    TState State;
    bool MainForm;
    // Visible close, maximise, minimise / enabled close, maximise, minimise, restore.
    const char* Expected;
};

std::string Answers(const TacWindowButtons& w) {
    std::string s;
    for (bool b : {VisibleClose(w), VisibleMax(w), VisibleMin(w)}) s += b ? '1' : '0';
    s += '/';
    for (bool b : {EnabledClose(w), EnabledMax(w), EnabledMin(w), EnabledRestore(w)}) s += b ? '1' : '0';
    return s;
}

TEST(TitleButtonRules, EachKindOfWindow) {
    const TButtonsCase cases[] = {
        {"main window: single border, minimise icon", bsSingle, SysMin, Normal, true, "101/1010"},
        {"sizeable with every icon", bsSizeable, All, Normal, false, "111/1110"},
        {"sizeable, maximised", bsSizeable, All, Max, false, "111/1011"},
        {"maximised without the maximise icon", bsSizeable, SysMin, Max, false, "101/1010"},
        {"minimised main form", bsSingle, SysMin, Min, true, "111/1011"},
        {"minimised other form", bsSizeable, All, Min, false, "111/1101"},
        {"progress window: dialog, system menu only", bsDialog, Sys, Normal, false, "100/1000"},
        {"dialog with the icons it cannot show", bsDialog, All, Normal, false, "100/1010"},
        {"minimised dialog", bsDialog, Sys, Min, false, "111/1001"},
        {"tool window", bsToolWindow, All, Normal, false, "100/1010"},
        {"border-less", bsNone, All, Normal, false, "100/1010"},
    };
    for (const TButtonsCase& c : cases) {
        TacWindowButtons w;
        w.HadSystemMenu = true;
        w.BorderStyle = c.Style;
        w.BorderIcons = c.Icons;
        w.Minimized = c.State == Min;
        w.Maximized = c.State == Max;
        w.IsMainForm = c.MainForm;
        EXPECT_EQ(Answers(w), c.Expected) << c.Situation;
    }

    TacWindowButtons bare;
    bare.HadSystemMenu = false;
    bare.SystemMenuHasClose = false;
    EXPECT_EQ(Answers(bare), "011/0110") << "no system menu: no close button, and it would look disabled";
}

TEST(TitleButtonRules, FactsOfALiveForm) {
    ui::headless::Reset(400, 300);
    TForm form(Application);
    form.SetBorderStyle(bsSingle);
    form.SetBorderIcons(SysMin);
    form.HandleNeeded();
    TacWindowButtons w = WindowButtonsOf(form, true);
    EXPECT_TRUE(w.HadSystemMenu && w.SystemMenuHasClose);
    EXPECT_FALSE(w.Minimized || w.Maximized || w.IsMainForm);
    EXPECT_EQ(w.BorderStyle, bsSingle);
    EXPECT_EQ(w.BorderIcons, SysMin);

    ui::DeleteMenu(ui::GetSystemMenu(form.Handle(), false), ui::SC_CLOSE, ui::MF_BYCOMMAND);
    form.Show();
    form.SetWindowState(wsMaximized);
    w = WindowButtonsOf(form, false);
    EXPECT_TRUE(w.Maximized);
    EXPECT_FALSE(w.HadSystemMenu);
    EXPECT_FALSE(w.SystemMenuHasClose);
}

// The frame provider as the menu sees it, and a form that notes each system
// command it is sent or posted, with the provider's no-animation flag then.
struct THost : TacSysMenuHost {
    bool HostHadSystemMenu() override { return HadSystemMenu; }
    bool HostMakeSkinMenu() override { return MakeSkinMenu; }
    void HostSetNoAnimation(bool value) override { NoAnimation = value; }
    skin::TsSkinManager* HostSkinManager() override { return Manager; }
    bool HadSystemMenu = true, MakeSkinMenu = false, NoAnimation = false;
    skin::TsSkinManager* Manager = nullptr;
};

class TCommandForm : public TForm {
public:
    TCommandForm(TFormBorderStyle style, TBorderIcons icons, THost& host) : TForm(Application), Host(host) {
        SetBorderStyle(style);
        SetBorderIcons(icons);
        SetBounds(100, 100, 300, 200);
    }
    void WndProc(TMessage& message) override {
        if (message.Msg == ui::WM_SYSCOMMAND)
            Commands.push_back(std::to_string(message.WParam) + (Host.NoAnimation ? " without animation" : ""));
        TForm::WndProc(message);
    }
    THost& Host;
    std::vector<std::string> Commands;
};

// Each item: its name (or caption), caption, shortcut, and hidden or grey.
std::vector<std::string> ItemTable(TMenuItem& root) {
    std::vector<std::string> table;
    for (int i = 0; i < root.Count(); ++i) {
        const TMenuItem* item = root.Items(i);
        std::string line = item->Name().empty() ? item->Caption() : item->Name() + " " + item->Caption();
        if (item->ShortCut()) line += " [" + ShortCutToText(item->ShortCut()) + "]";
        if (!item->Visible())
            line += " hidden";
        else if (!item->Enabled())
            line += " grey";
        table.push_back(line);
    }
    return table;
}

TMenuItem& Item(TsSystemMenu& menu, const char* name) { return *static_cast<TMenuItem*>(menu.FindComponent(name)); }

using TTable = std::vector<std::string>;

TEST(SystemMenu, ItemsFromTheWindowsSystemMenu) {
    ui::headless::Reset(800, 600);
    THost host;
    {
        TCommandForm form(bsSizeable, All, host);
        form.Show();
        TsSystemMenu menu(nullptr, form, host);
        EXPECT_EQ(menu.Name().rfind("acSysMenu", 0), 0u);
        menu.Refresh();
        EXPECT_EQ(ItemTable(menu.Items()), (TTable{"acIR &Restore grey", "acIM &Move", "acIS &Size", "acIN Mi&nimize",
                                                   "acIX Ma&ximize", "-", "acIC &Close [Alt+F4]"}))
            << "standard sizeable window";

        // Entries the program adds below the system commands come after the
        // standard ones, once the menu opens again.
        const ui::HMENU system = ui::GetSystemMenu(form.Handle(), false);
        ui::AppendMenu(system, ui::MF_SEPARATOR, 0, "");
        ui::AppendMenu(system, ui::MF_STRING, 0x110, "&About...\tF1");
        ui::AppendMenu(system, ui::MF_STRING, 0x120, "Stay on top\tnot a key");
        menu.Refresh();
        EXPECT_EQ(ItemTable(menu.Items()),
                  (TTable{"acIR &Restore grey", "acIM &Move", "acIS &Size", "acIN Mi&nimize", "acIX Ma&ximize", "-",
                          "&About... [F1]", "Stay on top\tnot a key", "-", "acIC &Close [Alt+F4]"}))
            << "with entries of the program's own";

        form.SetWindowState(wsMaximized);
        menu.UpdateItems();
        EXPECT_EQ(ItemTable(menu.Items())[0], "acIR &Restore");
        EXPECT_EQ(ItemTable(menu.Items())[1], "acIM &Move grey");
        EXPECT_EQ(ItemTable(menu.Items())[4], "acIX Ma&ximize grey") << "maximised";

        form.SetWindowState(wsMinimized);
        menu.UpdateItems();
        EXPECT_EQ(ItemTable(menu.Items())[0], "acIR &Restore");
        EXPECT_EQ(ItemTable(menu.Items())[2], "acIS &Size grey");
        EXPECT_EQ(ItemTable(menu.Items())[3], "acIN Mi&nimize grey");
        EXPECT_EQ(ItemTable(menu.Items())[4], "acIX Ma&ximize") << "minimised, not the main form";
    }
    {
        // A dialog's system menu has only Move and Close: the others keep
        // their default captions, hidden.
        TCommandForm form(bsDialog, Sys, host);
        form.Show();
        TsSystemMenu menu(nullptr, form, host);
        menu.Refresh();
        EXPECT_EQ(ItemTable(menu.Items()),
                  (TTable{"acIR Restore hidden", "acIM &Move", "acIS Size hidden", "acIN Minimize hidden",
                          "acIX Maximize hidden", "-", "acIC &Close [Alt+F4]"}))
            << "dialog";
        host.HadSystemMenu = false;
        menu.UpdateItems();
        EXPECT_FALSE(Item(menu, "acIC").Visible()) << "no system menu when skinning began";
    }
}

TEST(SystemMenu, ChoicesReachTheWindowAsSystemCommands) {
    ui::headless::Reset(800, 600);
    THost host;
    TCommandForm form(bsSizeable, All, host);
    form.Show();
    ui::AppendMenu(ui::GetSystemMenu(form.Handle(), false), ui::MF_STRING, 0x110, "&About...");
    TsSystemMenu menu(nullptr, form, host);
    ui::ProcessPendingMessages();

    // Through the menu window: down to Maximize, then Enter.
    for (int i = 0; i < 5; ++i) ui::headless::KeyPress(ui::VK_DOWN);
    ui::headless::KeyPress(ui::VK_RETURN);
    menu.Popup(120, 130);
    EXPECT_EQ(form.Commands, (TTable{std::to_string(ui::SC_MAXIMIZE)}));
    EXPECT_EQ(form.WindowState(), wsMaximized);
    EXPECT_TRUE(Item(menu, "acIR").Enabled() && !Item(menu, "acIX").Enabled()) << "items updated after the command";

    form.Commands.clear();
    Item(menu, "acIN").Click();
    EXPECT_EQ(form.Commands, (TTable{std::to_string(ui::SC_MINIMIZE) + " without animation"}));
    EXPECT_FALSE(host.NoAnimation);
    EXPECT_EQ(form.WindowState(), wsMinimized);
    Item(menu, "acIR").Click();
    EXPECT_EQ(form.WindowState(), wsMaximized) << "restored to where it was minimised from";

    // The program's own entry is posted: the window sees it only once the
    // messages waiting are handled.
    form.Commands.clear();
    menu.Refresh();
    menu.Items().Items(6)->Click();
    EXPECT_TRUE(form.Commands.empty());
    ui::ProcessPendingMessages();
    EXPECT_EQ(form.Commands, (TTable{std::to_string(0x110)}));

    form.Commands.clear();
    Item(menu, "acIC").Click();
    EXPECT_EQ(form.Commands, (TTable{std::to_string(ui::SC_CLOSE)}));
}

TEST(SystemMenu, SkinMenuListsTheManagersSkinsAndChoosesOne) {
    ui::headless::Reset(800, 600);
    auto* manager = new skin::TsSkinManager(Application);
    manager->SetSkinDirectory("/nonexistent-skins");
    for (int i = 1; i <= 21; ++i)
        manager->InternalSkins().Add().SetName("Skin " + std::string(i < 10 ? "0" : "") + std::to_string(i) +
                                               " (internal)");
    manager->InternalSkins().Add().SetName("Black & White (internal)");
    THost host;
    host.Manager = manager;
    host.MakeSkinMenu = true;
    TCommandForm form(bsSizeable, All, host);
    form.Show();
    TsSystemMenu menu(nullptr, form, host);
    manager->SetSkinName("Skin 03 (internal)");
    menu.Refresh();

    const TTable table = ItemTable(menu.Items());
    ASSERT_EQ(table.size(), 9u);
    EXPECT_EQ(table[0], "SkinSelectItem Available skins");
    EXPECT_EQ(table[1], "-");
    EXPECT_EQ(table[2], "acIR &Restore grey");
    TMenuItem& skins = Item(menu, "SkinSelectItem");
    ASSERT_EQ(skins.Count(), 22);
    EXPECT_EQ(skins.Items(0)->Caption(), "Black && White (internal)");
    for (int i = 0; i < skins.Count(); ++i) {
        EXPECT_TRUE(skins.Items(i)->RadioItem());
        EXPECT_EQ(skins.Items(i)->Checked(), i == 3) << i;
        EXPECT_EQ(skins.Items(i)->Break(), i == 20 ? mbBreak : mbNone) << i;
    }

    skins.Items(0)->Click();
    EXPECT_EQ(manager->SkinName(), "Black & White (internal)");
    menu.Refresh();
    EXPECT_TRUE(Item(menu, "SkinSelectItem").Items(0)->Checked());
    EXPECT_EQ(TsSystemMenu::SkinNameOfCaption("&Sapphire (internal) 2"), "Sapphire (internal)");

    host.MakeSkinMenu = false;
    menu.Refresh();
    EXPECT_EQ(menu.FindComponent("SkinSelectItem"), nullptr);
    EXPECT_EQ(ItemTable(menu.Items()).size(), 7u);
    manager->Free();
}

}  // namespace
