// The folder dialog and its tree on a temporary folder tree: what the tree
// shows and when it reads it, the file-manager order, folders that cannot be
// read or vanish, the desktop's places, the keyboard, making and naming a
// folder in place with its refusals, and the dialog's recorded picture.
#include <gtest/gtest.h>

#include "GoldenPicture.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "EditTestKit.h"
#include "PathDialogTestKit.h"
#include "controls/sBitBtn.h"
#include "controls/sShellTreeView.h"
#include "os/FileSystem.h"
#include "ui/Headless.h"
#include "ui/Keys.h"
#include "vcl/Dialogs.h"
#include "vcl/TApplication.h"
#include "vcl/TMessageForm.h"

namespace {

namespace fs = std::filesystem;
using controls::TPathDialogForm;
using dirstest::FolderPicker;
using dirstest::Outline;

TEST(ShellNames, FileManagerOrderAndPaths) {
    struct Order {
        const char* A;
        const char* B;
    };
    // Each pair in its order, the first before the second.
    const Order orders[] = {
        {"apple", "Banana"},          {"Apple", "apple"},          {"New folder2", "New folder10"},
        {"file9", "file010"},         {".hidden", "Alpha"},        {"a", "ab"},
        {"Track 1 b", "Track 01 c"},  {"x", "y1"},
    };
    for (const Order& o : orders) {
        EXPECT_LT(controls::CompareShellNames(o.A, o.B), 0) << o.A << " before " << o.B;
        EXPECT_GT(controls::CompareShellNames(o.B, o.A), 0) << o.B << " after " << o.A;
    }
    EXPECT_EQ(controls::CompareShellNames("same", "same"), 0);

    struct Path {
        const char* In;
        const char* Out;
    };
    const Path paths[] = {{"/", "/"},           {"/tmp/", "/tmp"},          {"//tmp//x/", "/tmp/x"},
                          {"/tmp/./x/../y", "/tmp/y"}, {"/..", "/"},        {"/a/b/../../..", "/"}};
    for (const Path& p : paths) EXPECT_EQ(controls::NormalizeShellPath(p.In), p.Out) << p.In;
    EXPECT_TRUE(controls::IsPathWithin("/tmp/x", "/"));
    EXPECT_TRUE(controls::IsPathWithin("/tmp/x", "/tmp"));
    EXPECT_TRUE(controls::IsPathWithin("/tmp", "/tmp"));
    EXPECT_FALSE(controls::IsPathWithin("/tmpx", "/tmp"));
}

class FolderTree : public FolderPicker {
protected:
    void SetUp() override {
        FolderPicker::SetUp();
        Root = Tree.Folder("Clips");
        for (const char* f : {"b/inner", "A", "New folder10", "New folder2/deep", ".hidden/x"}) Tree.Folder("Clips/" + std::string(f));
        Tree.File("Clips/notes.txt");
        Dialog = new TPathDialogForm(vcl::Application);
        Dialog->FixAnchors();
        Dialog->sShellTreeView1->SetRoot(Root);
        Dialog->Show();
        Settle();
    }
    controls::TsShellTreeView& View() { return *Dialog->sShellTreeView1; }
    vcl::TTreeNode* Node(const std::string& relative) { return View().FindNode(Root + "/" + relative); }

    std::string Root;
    TPathDialogForm* Dialog = nullptr;
};

TEST_F(FolderTree, ReadsChildrenOnFirstExpansionInFileManagerOrder) {
    EXPECT_EQ(Outline(*Dialog), "Clips\n  .hidden\n  A\n  b\n  New folder2\n  New folder10\n")
        << "hidden folders shown, files not, digits by their number";
    EXPECT_EQ(View().Path(), Root) << "the root is selected";
    vcl::TTreeNode* b = Node("b");
    EXPECT_EQ(b->Count(), 0) << "nothing below b is read yet";
    EXPECT_TRUE(b->HasChildren()) << "but b shows its box";
    EXPECT_FALSE(Node("A")->HasChildren()) << "an empty folder has no box";
    b->Expand(false);
    EXPECT_EQ(Outline(*Dialog), "Clips\n  .hidden\n  A\n  b\n    inner\n  New folder2\n  New folder10\n");

    // A folder that vanished after its node was made: no children, no box,
    // and the dialog does not offer it.
    fs::remove_all(Root + "/New folder2");
    vcl::TTreeNode* gone = Node("New folder2");
    gone->Expand(false);
    EXPECT_EQ(gone->Count(), 0);
    EXPECT_FALSE(gone->HasChildren());
    View().SetSelected(gone);
    EXPECT_FALSE(Dialog->sBitBtn1->Enabled());
    EXPECT_FALSE(Dialog->sBitBtn3->Enabled());
    View().SetSelected(Node("A"));
    EXPECT_TRUE(Dialog->sBitBtn1->Enabled());
    EXPECT_TRUE(Dialog->sBitBtn3->Enabled());

    // A refresh brings what changed on disk and keeps what was open.
    Tree.Folder("Clips/b/added");
    fs::remove_all(Root + "/.hidden");
    View().RefreshNode(View().Items().GetFirstNode());
    EXPECT_EQ(Outline(*Dialog), "Clips\n  A\n  b\n    added\n    inner\n  New folder10\n");
    EXPECT_EQ(View().Path(), Root + "/A") << "the selection stays";

    // Without hidden folders in the object types the dot-folders stay away.
    Tree.Folder("Clips/.cache");
    View().SetObjectTypes(controls::otFolders);
    EXPECT_EQ(Outline(*Dialog), "Clips\n  A\n  b\n  New folder10\n");
}

TEST_F(FolderTree, SelectsPathsAndRefusesWhatIsNoFolder) {
    View().SetPath(Root + "/b/inner/");
    EXPECT_EQ(View().Path(), Root + "/b/inner") << "ancestors expanded on the way, the trailing '/' dropped";
    EXPECT_TRUE(Node("b")->Expanded());
    try {
        View().SetPath(Root + "/missing");
        ADD_FAILURE() << "a missing folder was selected";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Error Setting Path");
    }
    // A root that cannot be had: a message, and the tree stays on the last one.
    std::string shown;
    vcl::SetMessageBoxHook([&](vcl::TMessageForm& box) {
        shown = box.Caption() + ": " + box.Text();
        box.SetModalResult(vcl::mrOk);
    });
    View().SetRoot("rfNetwork");
    vcl::SetMessageBoxHook(nullptr);
    EXPECT_EQ(shown, "Error: Error Setting Path : rfNetwork");
    EXPECT_EQ(View().Items().GetFirstNode()->Text(), "Clips");
}

TEST_F(FolderTree, KeyboardWalksTheTreeAndEnterTakesTheFolder) {
    View().SetFocus();
    Settle();
    struct Step {
        unsigned Key;
        const char* Selected;
    };
    const Step steps[] = {
        {ui::VK_DOWN, ".hidden"}, {ui::VK_DOWN, "A"},        {ui::VK_DOWN, "b"},     {ui::VK_RIGHT, "b"},
        {ui::VK_RIGHT, "b/inner"}, {ui::VK_LEFT, "b"},       {ui::VK_LEFT, "b"},     {ui::VK_END, "New folder10"},
        {ui::VK_HOME, ""},
    };
    for (const Step& s : steps) {
        Press(s.Key);
        const std::string expected = *s.Selected ? Root + "/" + s.Selected : Root;
        EXPECT_EQ(View().Path(), expected) << "after key " << s.Key;
    }
    EXPECT_FALSE(Node("b")->Expanded()) << "the second Left folded b";
    Press(ui::VK_DOWN);
    Press(ui::VK_RETURN, '\r');
    EXPECT_EQ(Dialog->ModalResult(), vcl::mrOk);
    EXPECT_EQ(View().Path(), Root + "/.hidden");
}

TEST_F(FolderTree, CreatesAFolderInPlaceAndNamesIt) {
    Tree.Folder("Clips/A/New folder1");
    std::vector<std::string> errors;
    vcl::Application->OnException = [&](vcl::TObject*, const std::exception& e) { errors.push_back(e.what()); };
    const auto create = [&] {
        Dialog->sBitBtn3->Click();
        Settle();
    };
    const auto rename = [&](const std::string& name) {
        ASSERT_TRUE(View().IsEditing());
        View().EditControl()->SetText(name);
        Press(ui::VK_RETURN, '\r');
    };
    View().SetSelected(Node("A"));
    create();
    EXPECT_TRUE(os::DirectoryExists(Root + "/A/New folder2")) << "New folder1 exists, so the number goes up";
    EXPECT_EQ(View().Path(), Root + "/A/New folder2");
    rename("Takes");
    EXPECT_FALSE(View().IsEditing());
    EXPECT_EQ(Dialog->ModalResult(), vcl::mrNone) << "Enter on the name keeps the dialog open";
    EXPECT_TRUE(os::DirectoryExists(Root + "/A/Takes"));
    EXPECT_FALSE(os::DirectoryExists(Root + "/A/New folder2"));
    EXPECT_EQ(View().Selected()->Text(), "Takes");

    View().SetSelected(Node("A"));
    create();
    // An existing name and a name that leads elsewhere are refused; nothing
    // is replaced or made anywhere else. No name at all keeps the old one.
    rename("Takes");
    ASSERT_TRUE(View().Selected()->EditText());
    rename("");
    ASSERT_TRUE(View().Selected()->EditText());
    rename("../Escaped");
    EXPECT_EQ(errors, (std::vector<std::string>{"Rename to Takes failed", "Rename to ../Escaped failed"}));
    EXPECT_TRUE(os::DirectoryExists(Root + "/A/New folder2"));
    EXPECT_FALSE(os::DirectoryExists(Root + "/Escaped"));
    EXPECT_EQ(View().Selected()->Text(), "New folder2");

    // Esc and Cancel while a name is typed leave the dialog open; OK takes
    // the name first and closes only on the next press.
    ASSERT_TRUE(View().Selected()->EditText());
    Press(ui::VK_ESCAPE, 27);
    EXPECT_EQ(Dialog->ModalResult(), vcl::mrNone);
    ASSERT_TRUE(View().Selected()->EditText());
    Dialog->sBitBtn2->Click();
    EXPECT_EQ(Dialog->ModalResult(), vcl::mrNone);
    View().EditControl()->SetText("Second");
    Dialog->sBitBtn1->Click();
    EXPECT_EQ(Dialog->ModalResult(), vcl::mrNone);
    EXPECT_TRUE(os::DirectoryExists(Root + "/A/Second"));
    Dialog->sBitBtn1->Click();
    EXPECT_EQ(Dialog->ModalResult(), vcl::mrOk);
    EXPECT_EQ(View().Path(), Root + "/A/Second");

    // A folder that went away cannot take a new one.
    std::string shown;
    vcl::SetMessageBoxHook([&](vcl::TMessageForm& box) {
        shown = box.Caption() + ": " + box.Text();
        box.SetModalResult(vcl::mrOk);
    });
    fs::remove_all(Root + "/A/Second");
    create();
    vcl::SetMessageBoxHook(nullptr);
    EXPECT_EQ(shown, "Error: Directory " + Root + "/A/Second/New folder1 can`t be created!");
}

TEST_F(FolderTree, DialogPicture) {
    View().SetPath(Root + "/b/inner");
    View().SetFocus();
    Settle();
    const gfx::TBitmap picture = ui::headless::WindowImage(Dialog->Handle());
    golden::ExpectGoldenColours(picture, CONTROLS_TEST_DATA, "folder-dialog");
}

// Run as an unprivileged user when the tests run as root, who reads every
// folder whatever its mode.
TEST_F(FolderTree, UnreadableFolderShowsNoChildren) {
    const std::string locked = Tree.Folder("Clips/Locked/sub");
    ::chmod((Root + "/Locked").c_str(), 0);
    const auto check = [&] {
        std::vector<controls::TacShellItem> children;
        const controls::TacShellItem item = controls::ShellItemFor(Root + "/Locked", controls::otFolders);
        return !item.HasSubfolders && !controls::ReadShellChildren(item, controls::otFolders, children) &&
               children.empty();
    };
    if (::geteuid() != 0) {
        EXPECT_TRUE(check());
        return;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && check();
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// The desktop root of a user whose home holds a desktop with one folder and
// a documents folder named in user-dirs.dirs.
TEST_F(FolderPicker, DesktopRootListsItsFoldersThenThePlaces) {
    const std::string home = Tree.Folder("home");
    Tree.Folder("home/Desktop/Projects");
    Tree.Folder("home/Docs");
    Tree.Folder("home/.config");
    std::ofstream(home + "/.config/user-dirs.dirs") << "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n";
    // The user's own folders come back whatever the checks find.
    struct TSavedEnvironment {
        std::string Home = std::getenv("HOME") ? std::getenv("HOME") : "";
        const char* Config = std::getenv("XDG_CONFIG_HOME");
        std::string ConfigValue = Config ? Config : "";
        ~TSavedEnvironment() {
            ::setenv("HOME", Home.c_str(), 1);
            if (Config) ::setenv("XDG_CONFIG_HOME", ConfigValue.c_str(), 1);
        }
    } saved;
    ::setenv("HOME", home.c_str(), 1);
    ::unsetenv("XDG_CONFIG_HOME");
    auto* dialog = new TPathDialogForm(vcl::Application);
    dialog->Show();
    Settle();
    const std::string outline = Outline(*dialog);
    EXPECT_EQ(outline.substr(0, outline.find("File System")), "Desktop\n  Projects\n  Home\n  Docs\n  ");
    EXPECT_NE(outline.find("File System"), std::string::npos);
    dialog->sShellTreeView1->SetPath(home + "/Docs");
    EXPECT_EQ(dialog->sShellTreeView1->Selected()->Parent(), dialog->sShellTreeView1->Items().GetFirstNode())
        << "the documents place, not the folder below Home";
    dialog->sShellTreeView1->SetPath("/");
    EXPECT_EQ(dialog->sShellTreeView1->Path(), "/");
    EXPECT_TRUE(dialog->sBitBtn1->Enabled());
}

}  // namespace
