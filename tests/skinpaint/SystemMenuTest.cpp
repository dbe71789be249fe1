// The title buttons a skinned frame shows and enables for each kind of
// window, and the same facts read from a live form.
#include <gtest/gtest.h>

#include "skinpaint/sTitleButtonRules.h"
#include "ui/Headless.h"
#include "ui/Menu.h"
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

}  // namespace
