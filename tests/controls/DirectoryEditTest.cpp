// The directory edit of the main window: the button action through the
// folder dialog in each of its outcomes, with the window's folder rules;
// what the keyboard may and may not do; and its looks in one picture.
#include <gtest/gtest.h>

#include "GoldenPicture.h"

#include <filesystem>
#include <functional>

#include "EditTestKit.h"
#include "PathDialogTestKit.h"
#include "controls/sBitBtn.h"
#include "controls/sEditButton.h"
#include "controls/sShellTreeView.h"
#include "ui/Clipboard.h"
#include "ui/Headless.h"
#include "ui/Keys.h"
#include "vcl/TApplication.h"

namespace {

namespace fs = std::filesystem;
using controls::TPathDialogForm;
using dirstest::FolderPicker;

class DirectoryEdit : public FolderPicker {
protected:
    controls::TsDirectoryEdit& Edit() { return *Form->sDirectoryEdit1; }
    void ClickButton() {
        controls::TsEditButton& button = Edit().Button();
        const vcl::TPoint p = Edit().ClientToScreen({button.Left() + button.Width() / 2, button.Top() + button.Height() / 2});
        ui::headless::Click(p.X, p.Y);
        Settle();
    }
};

TEST_F(DirectoryEdit, ButtonActionOutcomes) {
    const std::string a = Tree.Folder("a"), b = Tree.Folder("b");
    const std::string gone = Tree.Folder("gone");
    bool isDesktop = false;
    // A folder that is not offered leaves the tree at its root.
    const std::string desktop = controls::ResolveShellRoot("rfDesktop", isDesktop);
    struct Case {
        const char* Situation;
        std::string Text;
        // What the dialog shows selected when it opens, what is done in it.
        std::string Offered;
        std::function<void(TPathDialogForm&)> Act;
        std::string Result;
        bool Changed;
    };
    const auto choose = [](std::string folder) {
        return [folder](TPathDialogForm& dialog) {
            dialog.sShellTreeView1->SetPath(folder);
            dialog.sBitBtn1->Click();
        };
    };
    const auto cancel = [](TPathDialogForm& dialog) { dialog.sBitBtn2->Click(); };
    const std::vector<Case> cases = {
        {"OK on another folder: its path, and the window adds the '/'", a + "/", a, choose(b), b + "/", true},
        {"OK on the file system root keeps it '/'", a + "/", a, choose("/"), "/", true},
        {"Cancel with an existing folder changes nothing", a + "/", a, cancel, a + "/", false},
        {"Cancel after the folder vanished empties the text, which the window makes '/'", gone + "/", "", cancel,
         "/", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Situation);
        Edit().SetText(c.Text);
        if (c.Text.rfind(gone, 0) == 0) fs::remove_all(gone);
        Form->Changes = 0;
        std::string offered = "(no dialog)";
        InDialog([&](TPathDialogForm& dialog) {
            offered = dialog.sShellTreeView1->Path();
            c.Act(dialog);
        });
        ClickButton();
        EXPECT_EQ(controls::PathDialogForm, nullptr) << "the dialog is gone";
        EXPECT_EQ(offered, c.Offered.empty() ? desktop : c.Offered);
        EXPECT_EQ(Edit().Text(), c.Result);
        EXPECT_EQ(Form->Changes > 0, c.Changed);
    }
    EXPECT_EQ(Edit().InitialDir(), "/") << "the last folder chosen with OK";
}

TEST_F(DirectoryEdit, TypingIsRefusedButAltDownOpensTheDialog) {
    const std::string a = Tree.Folder("a");
    Edit().SetText(a + "/");
    Edit().SetFocus();
    Settle();
    ui::SetClipboardText("/etc/");
    Press('X', 'x');
    Press(ui::VK_BACK, 8);
    Press(ui::VK_DELETE);
    ui::headless::KeyDown(ui::VK_CONTROL);
    Press('V');
    ui::headless::KeyUp(ui::VK_CONTROL);
    EXPECT_EQ(Edit().Text(), a + "/") << "DirectInput is off";
    bool opened = false;
    InDialog([&](TPathDialogForm& dialog) {
        opened = true;
        EXPECT_TRUE(dialog.sBitBtn3->Visible()) << "Create is offered";
        EXPECT_EQ(dialog.Caption(), "Select directory");
        dialog.sBitBtn2->Click();
    });
    ui::headless::KeyDown(ui::VK_MENU);
    Press(ui::VK_DOWN);
    ui::headless::KeyUp(ui::VK_MENU);
    EXPECT_TRUE(opened);
    EXPECT_EQ(Edit().Text(), a + "/");
    // Read-only: the button does nothing at all.
    opened = false;
    Edit().SetReadOnly(true);
    ClickButton();
    EXPECT_FALSE(opened);
}

TEST_F(DirectoryEdit, Looks) {
    EXPECT_EQ(Edit().Button().Width(), 18) << "one 16-pixel frame plus 2";
    EXPECT_EQ(Edit().MaxLength(), 255);
    Edit().SetText("/home/user/Videos/");
    Settle();
    std::vector<gfx::TBitmap> rows;
    rows.push_back(edittest::ShotOf(*Form, Edit()));
    controls::TsEditButton& button = Edit().Button();
    const vcl::TPoint over = Edit().ClientToScreen({button.Left() + 8, button.Top() + 8});
    ui::headless::MouseMove(over.X, over.Y);
    Settle();
    // The button fades into its hot look.
    for (int i = 0; i < 20; ++i) {
        ui::headless::AdvanceClock(25);
        Settle();
    }
    EXPECT_EQ(button.PaintState(), 1);
    rows.push_back(edittest::ShotOf(*Form, Edit()));
    ui::headless::MouseMove(over.X - 200, over.Y + 300);
    Settle();
    Edit().SetText("/a/very/long/folder/name/that/runs/past/the/end/of/the/edit/under/its/button/");
    Settle();
    rows.push_back(edittest::ShotOf(*Form, Edit()));
    Edit().SetEnabled(false);
    Settle();
    rows.push_back(edittest::ShotOf(*Form, Edit()));
    Edit().SetEnabled(true);
    Edit().SetShowButton(false);
    Settle();
    rows.push_back(edittest::ShotOf(*Form, Edit()));
    golden::ExpectGoldenColours(edittest::Stack(rows), CONTROLS_TEST_DATA, "directory-edit");
}

}  // namespace
