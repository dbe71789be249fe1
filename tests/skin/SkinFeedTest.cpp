// The live skin feed: the block a skin editor sends, the announcement of the
// window that takes feeds, and a skin sent by the editor's tool to a running
// manager through the copy-data message.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "ManagerTestKit.h"
#include "SkinTestKit.h"
#include "resources/InternalSkin.h"
#include "skin/sSkinFeed.h"
#include "skinfeed/TSkinFeedEditor.h"
#include "ui/DefWindowProc.h"
#include "ui/MessageLoop.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"

namespace {

using namespace skin;
using namespace managertest;

TEST(SkinFeedBlock, RoundTripsAndCutsTextsToTheirFields) {
    const std::string block = EncodeSkinFeed({"Blue", "/skins", "[FORM]\r\nCOLOR=1\r\n"});
    ASSERT_EQ(block.size(), 30646u);
    EXPECT_EQ(block.substr(0, 4), std::string("\x00\xA4\x00\x00", 4));
    TacSkinFeed feed;
    ASSERT_TRUE(DecodeSkinFeed(block, feed));
    EXPECT_EQ(feed.SkinName, "Blue");
    EXPECT_EQ(feed.SkinDirectory, "/skins");
    EXPECT_EQ(feed.Options, "[FORM]\r\nCOLOR=1\r\n");

    ASSERT_TRUE(DecodeSkinFeed(EncodeSkinFeed({std::string(300, 'n'), "", ""}), feed));
    EXPECT_EQ(feed.SkinName, std::string(127, 'n'));
}

TEST(SkinFeedBlock, OtherMagicsAndShortBlocksAreNoFeeds) {
    std::string block = EncodeSkinFeed({"Blue", "", ""});
    TacSkinFeed feed;
    EXPECT_FALSE(DecodeSkinFeed(block.substr(0, block.size() - 1), feed));
    block[1] = '\xA5';
    EXPECT_FALSE(DecodeSkinFeed(block, feed));
    EXPECT_FALSE(DecodeSkinFeed("", feed));
    // A field without its terminator ends with its space.
    block = EncodeSkinFeed({"", "", ""});
    block.replace(4, 128, std::string(128, 'x'));
    ASSERT_TRUE(DecodeSkinFeed(block, feed));
    EXPECT_EQ(feed.SkinName, std::string(128, 'x'));
}

class LiveFeed : public ManagerTest {
protected:
    void SetUp() override {
        ManagerTest::SetUp();
        Main = new TProbeForm("Main");
        Main->HandleNeeded();
        Manager = &NewManager();
        Manager->SetSkinName(std::string(resources::InternalSkinName));
        Log().clear();
    }

    TProbeForm* Main = nullptr;
    TsSkinManager* Manager = nullptr;
};

TEST_F(LiveFeed, EditorToolSendsASkinThatIsLoadedWithItsOptionsAndApplied) {
    skinfeed::TSkinFeedEditor editor;
    Manager->SetFeedTarget(Main->Handle());
    ASSERT_EQ(editor.Target(), Main->Handle());
    EXPECT_EQ(Manager->FeedTarget(), Main->Handle());

    EXPECT_EQ(editor.Send({"Live", "/no/such/skins", "[GLOBALINFO]\nVERSION=7.20\n[LIVE]\nCOLOR=255\n"}), 1);
    EXPECT_EQ(Manager->SkinDirectory(), "/no/such/skins");
    // No such skin anywhere: the internal skin, read with the editor's text.
    EXPECT_EQ(Manager->SkinName(), "Sapphire (internal)");
    EXPECT_EQ(Manager->SkinInfo(), "7.2");
    EXPECT_EQ(Manager->Sections.size(), 2u);
    EXPECT_GE(Manager->FindSection("LIVE"), 0);
    EXPECT_EQ(CommandsOf("Main"), (std::vector<int>{SKC_APPLY_SKIN, SKC_PREPARE_REFRESH, SKC_REFRESH}));
    EXPECT_FALSE(Manager->SkipApply());
    EXPECT_TRUE(Manager->AnimEffects().SkinChanging().Active());

    // The editor's text was for that one load.
    Manager->SetSkinName(std::string(resources::InternalSkinName));
    EXPECT_EQ(Manager->SkinInfo(), "7.1");
    EXPECT_EQ(Manager->Sections.size(), 68u);
}

TEST_F(LiveFeed, BlocksThatAreNoFeedsAreAnsweredZeroAndChangeNothing) {
    Manager->SetFeedTarget(Main->Handle());
    const std::string junk(40000, 'j');
    ui::TCopyDataStruct data;
    data.Size = ui::DWORD(junk.size());
    data.Bytes = junk.data();
    EXPECT_EQ(
        ui::SendMessage(Main->Handle(), ui::WM_COPYDATA, SkinFeedCopyDataCode, reinterpret_cast<ui::LPARAM>(&data)), 0);
    data.Size = 0;
    data.Bytes = nullptr;
    EXPECT_EQ(
        ui::SendMessage(Main->Handle(), ui::WM_COPYDATA, SkinFeedCopyDataCode, reinterpret_cast<ui::LPARAM>(&data)), 0);
    EXPECT_EQ(Manager->SkinInfo(), "7.1");
    EXPECT_TRUE(Log().empty());
}

TEST_F(LiveFeed, AfterAFeedSkinFoldersWinOverPackages) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kestrune_feed_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder / "Twin");
    std::ofstream(folder / "Twin.asz", std::ios::binary) << skintest::PackageOf("[GLOBALINFO]\nVERSION=7.30\n");
    std::ofstream(folder / "Twin" / "Options.dat") << "[GLOBALINFO]\nVERSION=7.40\n";
    Manager->SetSkinDirectory(folder.string());
    Manager->SetSkinName("Twin");
    EXPECT_EQ(Manager->SkinInfo(), "7.3");

    skinfeed::TSkinFeedEditor editor;
    Manager->SetFeedTarget(Main->Handle());
    EXPECT_EQ(editor.Send({"Other", folder.string(), "[GLOBALINFO]\nVERSION=7.50\n"}), 1);
    Manager->SetSkinName("Twin");
    EXPECT_EQ(Manager->SkinInfo(), "7.4");
    std::filesystem::remove_all(folder);
}

TEST_F(LiveFeed, AnnouncementStopsAfter101UnansweredTries) {
    // An editor that never says it has understood.
    struct TDeafEditor {
        int Tries = 0;
        ui::LRESULT Proc(ui::HWND h, ui::UINT m, ui::WPARAM w, ui::LPARAM l) {
            if (m == SKIN_EDITOR_MESSAGE && w == SkinFeedAnnounceCode) ++Tries;
            return ui::DefWindowProc(h, m, w, l);
        }
    } editor;
    ui::TWndClass wc;
    wc.ClassName = "TDeafEditor";
    wc.WndProc = ui::DefWindowProc;
    ui::RegisterClass(wc);
    const ui::HWND deaf = ui::CreateWindowEx(0, "TDeafEditor", SkinEditorTitle, ui::WS_POPUP, 0, 0, 0, 0, nullptr, 0);
    ui::SetWindowProc(deaf, ui::TWndProc::Method<TDeafEditor, &TDeafEditor::Proc>(&editor));
    Manager->SetFeedTarget(Main->Handle());
    EXPECT_EQ(editor.Tries, 101);
    ui::DestroyWindow(deaf);
}

TEST_F(LiveFeed, TargetGoesWithItsWindowAndWithTheManager) {
    Manager->SetFeedTarget(Main->Handle());
    Main->Free();
    EXPECT_EQ(Manager->FeedTarget(), nullptr);

    auto* other = new TProbeForm("Other");
    Manager->SetFeedTarget(other->Handle());
    Manager->Free();  // the form's own procedure is back in place
    EXPECT_EQ(ui::SendMessage(other->Handle(), ui::WM_COPYDATA, SkinFeedCopyDataCode, 0), 0);
}

}  // namespace
