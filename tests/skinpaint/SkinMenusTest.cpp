// The skinned popup menus: measuring, hooking, the pictures of the help menu
// and of the skinned system menu, and the menus opened, moved through,
// chosen from and left by mouse and keyboard.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "GlowTestKit.h"
#include "InternalSkinManager.h"
#include "PaintTestKit.h"
#include "gfx/ImageCodecs.h"
#include "gfx/TCanvas.h"
#include "skin/sSkinManager.h"
#include "skin/sWindowRelay.h"
#include "skinpaint/sFormAdapter.h"
#include "skinpaint/sMenuBackground.h"
#include "skinpaint/sSkinMenus.h"
#include "skinpaint/sSystemMenu.h"
#include "ui/Headless.h"
#include "ui/Hooks.h"
#include "ui/Keys.h"
#include "ui/Layered.h"
#include "ui/MessageLoop.h"
#include "ui/Metrics.h"
#include "ui/Styles.h"
#include "ui/TimerQueue.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomForm.h"

using namespace skinpaint;

namespace {

// The help menu of the main window, as its stored layout gives it.
const char* const HelpMenuLayout = R"(object Form1: TForm
  Left = 40
  Top = 40
  BorderStyle = bsSingle
  Caption = 'Kestrune YouTube Converter 2.8'
  ClientWidth = 372
  ClientHeight = 250
  object PopupMenu1: TPopupMenu
    object Contents1: TMenuItem
      Caption = '&Contents'
    end
    object AboutKestrune1: TMenuItem
      Caption = '&About Kestrune YouTube Converter...'
    end
    object MenuItem1: TMenuItem
      Caption = '-'
    end
    object VisitKestruneWebSite1: TMenuItem
      Caption = '&Visit Kestrune Web Site ->'
    end
  end
end
)";

class SkinMenus : public ::testing::Test {
protected:
    void SetUp() override {
        ui::headless::Reset(800, 600);
        vcl::Application->ClearTerminated();
        InstallSkinEngine();
        Form = new vcl::TForm(vcl::Application);
        Form->ReadLayout(HelpMenuLayout);
        Help = static_cast<vcl::TPopupMenu*>(Form->FindComponent("PopupMenu1"));
        // Applying the skin hooks the menus that exist, as in the program,
        // whose manager is read with the main window's layout.
        Manager = skinkit::InternalSkinManager();
        Manager->Effects().SetAllowGlowing(false);
        // Keys go to the active window, whose menu then takes them.
        Form->Show();
        ui::ProcessPendingMessages();
        for (int i = 0; i < Help->Items().Count(); ++i)
            Help->Items().Items(i)->OnClick = [this](vcl::TObject* sender) {
                Clicked.push_back(static_cast<vcl::TMenuItem*>(sender)->Name());
            };
    }
    void TearDown() override {
        Form->Free();
        Manager->Free();
    }

    TsSkinableMenus& Layer() { return *dynamic_cast<TsSkinableMenus*>(Manager->SkinableMenus()); }
    vcl::TMenuItem& HelpItem(int index) { return *Help->Items().Items(index); }

    skin::TsSkinManager* Manager = nullptr;
    vcl::TForm* Form = nullptr;
    vcl::TPopupMenu* Help = nullptr;
    std::vector<std::string> Clicked;
};

// The menu window while a menu is tracked, or null.
ui::HWND MenuWindow() {
    ui::HWND found = nullptr;
    ui::EnumWindows([&](ui::HWND h) {
        if (ui::GetClassName(h) == ui::MenuClassName && ui::IsWindowVisible(h)) found = h;
        return true;
    });
    return found;
}

// Runs `look` once the menu opened next has shown, then the keys given are
// pressed (Escape by default).
void WhileOpen(std::function<void()> look, std::vector<ui::UINT> keys = {ui::VK_ESCAPE}) {
    static std::function<void()> pending;
    static std::vector<ui::UINT> pendingKeys;
    pending = std::move(look);
    pendingKeys = std::move(keys);
    ui::SetTimer(nullptr, 0, 10, [](ui::HWND, ui::UINT, ui::UINT_PTR id, ui::DWORD) {
        ui::KillTimer(nullptr, id);
        if (pending) pending();
        for (ui::UINT key : pendingKeys) ui::headless::KeyPress(key);
    });
}

// The picture of the desktop around a window while it shows.
gfx::TBitmap Around(ui::HWND window, int margin) {
    gfx::TBitmap desktop = ui::headless::ComposeDesktop();
    const gfx::TRect r = ui::GetWindowRect(window);
    gfx::TBitmap picture(r.Width() + 2 * margin, r.Height() + 2 * margin);
    picture.Canvas().BitBlt(0, 0, picture.Width(), picture.Height(), desktop.Canvas(), r.Left - margin, r.Top - margin);
    return picture;
}

// Places pictures side by side on a grey strip, tops aligned.
gfx::TBitmap SideBySide(std::initializer_list<const gfx::TBitmap*> pictures) {
    int width = 4, height = 0;
    for (const gfx::TBitmap* p : pictures) width += p->Width() + 4, height = std::max(height, p->Height());
    gfx::TBitmap sheet(width, height + 8);
    sheet.Canvas().Brush = {gfx::TColor(0x808080), gfx::bsSolid};
    sheet.Canvas().FillRect({0, 0, sheet.Width(), sheet.Height()});
    int x = 4;
    for (const gfx::TBitmap* p : pictures) {
        sheet.Canvas().BitBlt(x, 4, p->Width(), p->Height(), const_cast<gfx::TBitmap*>(p)->Canvas(), 0, 0);
        x += p->Width() + 4;
    }
    return sheet;
}

TEST_F(SkinMenus, MeasuresItemsByTheMenuFontAndTheirGlyphs) {
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas& canvas = scratch.Canvas();
    canvas.Font = ui::GetNonClientMetrics().MenuFont;
    auto textWidth = [&](const std::string& text) {
        gfx::TRect r{0, 0, 1, 0};
        canvas.DrawText(text, r, gfx::DT_CALCRECT | gfx::DT_SINGLELINE | gfx::DT_EXPANDTABS | gfx::DT_NOCLIP);
        return r.Width();
    };
    ASSERT_EQ(canvas.TextHeight("W"), 13) << "the program's menu font";

    auto* exit = new vcl::TMenuItem(Form);
    exit->SetCaption("Exit");
    exit->SetShortCut(vcl::TextToShortCut("Ctrl+X"));
    auto* options = new vcl::TMenuItem(Form);
    options->SetCaption("-Options-");
    auto* pictured = new vcl::TMenuItem(Form);
    pictured->SetCaption("Save");
    pictured->Bitmap().Assign(gfx::TBitmap(24, 24));
    for (vcl::TMenuItem* item : {exit, options, pictured}) Help->Items().Add(item);

    struct TCase {
        const char* Situation;
        vcl::TMenuItem* Item;
        int Width, Height;
    } cases[] = {
        {"help item: 2 x 16 + text + 3 x 2 + 8", &HelpItem(1),
         32 + textWidth("&About Kestrune YouTube Converter...") + 14, 20},
        {"separator", &HelpItem(2), 32 + 14, 2},
        {"shortcut measured right after the caption", exit, 32 + textWidth("ExitCtrl+X") + 14, 20},
        {"caption item between its dashes", options, 32 + textWidth("--Options--") + 14, 20},
        {"an own bitmap sets the glyph size", pictured, 48 + textWidth("Save") + 14, 24 + 4},
    };
    for (const TCase& c : cases) {
        int width = 0, height = 0;
        Layer().MeasureMenuItem(*c.Item, canvas, width, height);
        EXPECT_EQ(width, c.Width) << c.Situation;
        EXPECT_EQ(height, c.Height) << c.Situation;
    }
    EXPECT_TRUE(MenuMeasuring()) << "the menu windows learn that the layer measured";

    // The line height is 1.25 times the text height, rounded half to even.
    // Below 16 pixels the glyph's height rules.
    const std::pair<int, int> lines[] = {{10, 16}, {14, 18}, {18, 22}, {22, 28}, {26, 32}, {30, 38}};
    for (const auto& [text, line] : lines) {
        for (int h = -4; h > -40; --h) {
            canvas.Font.Height = h;
            if (canvas.TextHeight("W") != text) continue;
            EXPECT_EQ(Layer().MenuItemHeight(HelpItem(0), canvas), line + 4) << "text " << text;
            break;
        }
    }

    EXPECT_EQ(Layer().SkinBorderWidth(), 1) << "the internal skin's menu frame";
    const int frame = Manager->FindMaskExact("MAINMENU", "BORDERSMASK");
    ASSERT_GE(frame, 0);
    Manager->Masks[size_t(frame)].KeyName = "NOFRAME";
    EXPECT_EQ(Layer().SkinBorderWidth(), 1) << "kept until the next skin is applied";
    Layer().SkinChanging();
    EXPECT_EQ(Layer().SkinBorderWidth(), 0) << "a skin without a menu frame";
}

// A menu item that counts how often the program's own painting of it runs.
struct TOwnPainting {
    int Calls = 0;
    void Attach(vcl::TMenuItem& item) {
        item.OnAdvancedDrawItem = [this](vcl::TObject*, gfx::TCanvas& canvas, gfx::TRect rect, vcl::TOwnerDrawState) {
            ++Calls;
            canvas.Brush = {gfx::clLime, gfx::bsSolid};
            canvas.FillRect(rect);
        };
    }
};

TEST_F(SkinMenus, HookingKeepsTheProgramsOwnHandlers) {
    auto* own = new vcl::TPopupMenu(Form);
    auto* item = new vcl::TMenuItem(own);
    item->SetCaption("Own");
    own->Items().Add(item);
    TOwnPainting painting;
    painting.Attach(*item);
    // A skin applied again hooks every menu of the program.
    Manager->SetActive(false);
    EXPECT_FALSE(Help->OwnerDraw());
    EXPECT_FALSE(HelpItem(0).OnMeasureItem || HelpItem(0).OnAdvancedDrawItem) << "unhooked with the skin";
    Manager->SetActive(true);

    EXPECT_TRUE(Layer().MenusHooked());
    for (vcl::TPopupMenu* menu : {Help, own}) {
        EXPECT_TRUE(menu->OwnerDraw());
        EXPECT_TRUE(menu->MenuAnimation() & vcl::maNone);
    }
    for (int i = 0; i < Help->Items().Count(); ++i)
        EXPECT_TRUE(HelpItem(i).OnMeasureItem && HelpItem(i).OnAdvancedDrawItem) << i;
    EXPECT_TRUE(item->OnMeasureItem) << "measured by the layer";

    // The program's painting stays in charge of its item.
    WhileOpen([] {});
    own->Popup(200, 200);
    EXPECT_GT(painting.Calls, 0);
    EXPECT_FALSE(FindMenuBackground(item)) << "the layer painted nothing of that menu";

    Manager->SetActive(false);
    EXPECT_FALSE(own->OwnerDraw());
    EXPECT_FALSE(own->MenuAnimation() & vcl::maNone);
    EXPECT_FALSE(item->OnMeasureItem) << "the layer's handler goes";
    EXPECT_TRUE(item->OnAdvancedDrawItem) << "the program's stays";

    // Popups not to be skinned stay the framework's, skin or not.
    Manager->SetSkinnedPopups(false);
    Manager->SetActive(true);
    EXPECT_FALSE(Help->OwnerDraw());
    Manager->SetSkinnedPopups(true);
    EXPECT_TRUE(Help->OwnerDraw()) << "switched on at run time";
}

// What the owner of tracked menus is asked to do, and what the menu window
// goes through, each noted with whether the window could be seen then.
class TMenuLog {
public:
    TMenuLog() {
        FOwner = std::make_unique<skin::TacWindowRelay>(
            vcl::TPopupMenu::PopupWindow(), [this](ui::UINT msg, ui::WPARAM, ui::LPARAM lParam, ui::LRESULT&) {
                if (msg == ui::WM_DRAWITEM) {
                    const auto& dis = *reinterpret_cast<const ui::TDrawItemStruct*>(lParam);
                    const vcl::TMenuItem* item = vcl::TMenuItem::FromItemData(dis.ItemData);
                    Note(std::string("draw ") + (item ? item->Name() : "?") +
                         (dis.ItemState & ui::ODS_SELECTED ? " selected" : ""));
                } else if (msg == ui::WM_MEASUREITEM) {
                    Note("measure");
                } else if (msg == ui::WM_EXITMENULOOP) {
                    Note("exit menu loop");
                }
                return false;
            });
        FHook = ui::SetWindowsHookEx(ui::WH_CBT, [this](int code, ui::WPARAM wParam, ui::LPARAM lParam) {
            const ui::LRESULT result = ui::CallNextHookEx(FHook, code, wParam, lParam);
            const auto window = reinterpret_cast<ui::HWND>(wParam);
            if (code == ui::HCBT_CREATEWND &&
                std::string(reinterpret_cast<const ui::TCbtCreateWnd*>(lParam)->Cs->ClassName) == ui::MenuClassName)
                Watch(window);
            return result;
        });
    }
    ~TMenuLog() {
        ui::UnhookWindowsHookEx(FHook);
        skin::TacWindowRelay::Release(FOwner);
        for (auto& relay : FMenus) skin::TacWindowRelay::Release(relay);
    }
    std::vector<std::string> Lines;

private:
    void Watch(ui::HWND window) {
        FWindow = window;
        Note("create");
        FMenus.push_back(std::make_unique<skin::TacWindowRelay>(
            window, [this](ui::UINT msg, ui::WPARAM, ui::LPARAM lParam, ui::LRESULT&) {
                switch (msg) {
                    case ui::WM_WINDOWPOSCHANGING:
                        if (reinterpret_cast<const ui::TWindowPos*>(lParam)->Flags & ui::SWP_SHOWWINDOW) Note("show");
                        break;
                    case ui::WM_NCPAINT: Note("non-client paint"); break;
                    case ui::WM_ERASEBKGND: Note("erase"); break;
                    case ui::WM_DESTROY: Note("destroy"); break;
                    default: break;
                }
                return false;
            }));
    }
    // "(hidden)": the menu window is shown but layered at opacity 0.
    void Note(const std::string& line) {
        bool hidden = false;
        if (FWindow && ui::IsWindow(FWindow) && ui::IsWindowVisible(FWindow) &&
            (ui::GetWindowLongPtr(FWindow, ui::GWL_EXSTYLE) & ui::WS_EX_LAYERED)) {
            ui::BYTE alpha = 255;
            ui::GetLayeredWindowAttributes(FWindow, nullptr, &alpha, nullptr);
            hidden = alpha == 0;
        }
        Lines.push_back(line + (hidden ? " (hidden)" : ""));
    }
    std::unique_ptr<skin::TacWindowRelay> FOwner;
    std::vector<std::unique_ptr<skin::TacWindowRelay>> FMenus;
    ui::HHOOK FHook = nullptr;
    ui::HWND FWindow = nullptr;
};

using TLines = std::vector<std::string>;

TEST_F(SkinMenus, TheMenuWindowIsSeenOnlyWithItsSkinnedLook) {
    TMenuLog log;
    ui::HWND window = nullptr;
    gfx::TRegion region;
    int regionKind = 0;
    bool layered = true;
    WhileOpen(
        [&] {
            window = MenuWindow();
            regionKind = ui::GetWindowRgn(window, region);
            layered = ui::GetWindowLongPtr(window, ui::GWL_EXSTYLE) & ui::WS_EX_LAYERED;
        },
        {ui::VK_DOWN, ui::VK_DOWN, ui::VK_DOWN, ui::VK_ESCAPE});
    Help->Popup(100, 100);
    EXPECT_EQ(log.Lines,
              (TLines{"measure", "measure", "measure", "measure", "create", "show",
                      // The whole look is painted while the window cannot be seen yet.
                      "non-client paint (hidden)", "erase (hidden)", "draw Contents1 (hidden)",
                      "draw AboutKestrune1 (hidden)", "draw MenuItem1 (hidden)", "draw VisitKestruneWebSite1 (hidden)",
                      // No longer layered, the window is painted once more, as shown.
                      "erase", "draw Contents1", "draw AboutKestrune1", "draw MenuItem1", "draw VisitKestruneWebSite1",
                      "non-client paint",
                      // Moving through: the item left and the item reached, the separator
                      // passed over.
                      "erase", "draw Contents1 selected", "erase", "draw Contents1", "erase",
                      "draw AboutKestrune1 selected", "erase", "draw AboutKestrune1", "erase",
                      "draw VisitKestruneWebSite1 selected", "destroy", "exit menu loop"}));
    ASSERT_TRUE(window);
    EXPECT_FALSE(layered) << "opaque once skinned, with the manager's AlphaBlend of 255";
    EXPECT_NE(regionKind, 0) << "the skin's region";
    EXPECT_TRUE(Clicked.empty());
    EXPECT_FALSE(MenuMeasuring()) << "cleared with the menu window";
    EXPECT_FALSE(FindMenuBackground(&HelpItem(0))) << "the menu's picture goes with its window";
}

TEST_F(SkinMenus, ChoosingAndLeavingByKeyboardAndMouse) {
    auto itemCentre = [](int index) {
        const gfx::TRect r = ui::GetWindowRect(MenuWindow());
        const int middles[] = {10, 30, 41, 52};
        return gfx::TPoint{r.Left + 40, r.Top + 3 + middles[index]};
    };
    struct TCase {
        const char* Situation;
        std::vector<ui::UINT> Keys;
        unsigned char Char;  // a mnemonic typed, 0 for none
        int ClickItem;       // -1: none; -2: outside the menu
        const char* Chosen;
    } cases[] = {
        {"Down, Down, Enter", {ui::VK_DOWN, ui::VK_DOWN, ui::VK_RETURN}, 0, -1, "AboutKestrune1"},
        {"Down past the separator",
         {ui::VK_DOWN, ui::VK_DOWN, ui::VK_DOWN, ui::VK_RETURN},
         0,
         -1,
         "VisitKestruneWebSite1"},
        {"Up from nothing selected wraps to the last", {ui::VK_UP, ui::VK_RETURN}, 0, -1, "VisitKestruneWebSite1"},
        {"mnemonic", {}, 'v', -1, "VisitKestruneWebSite1"},
        {"mnemonic in capitals", {}, 'C', -1, "Contents1"},
        {"Escape", {ui::VK_ESCAPE}, 0, -1, ""},
        {"Alt leaves the menu", {ui::VK_MENU}, 0, -1, ""},
        {"click on an item", {}, 0, 1, "AboutKestrune1"},
        {"click on the separator", {ui::VK_ESCAPE}, 0, 2, ""},
        {"click outside", {}, 0, -2, ""},
    };
    for (const TCase& c : cases) {
        Clicked.clear();
        WhileOpen(
            [&] {
                if (c.Char) ui::headless::KeyPress(0, c.Char);
                if (c.ClickItem == -2) {
                    ui::headless::Click(600, 500);
                } else if (c.ClickItem >= 0) {
                    const gfx::TPoint p = itemCentre(c.ClickItem);
                    ui::headless::MouseMove(p.X, p.Y);
                    ui::headless::Click(p.X, p.Y);
                }
            },
            c.Keys);
        Help->Popup(100, 100);
        EXPECT_EQ(Clicked.empty() ? "" : Clicked.front(), std::string(c.Chosen)) << c.Situation;
        EXPECT_FALSE(MenuWindow()) << c.Situation;
    }
}

// The frame provider as the system menu sees it.
struct TSysMenuHost : TacSysMenuHost {
    bool HostHadSystemMenu() override { return true; }
    bool HostMakeSkinMenu() override { return false; }
    void HostSetNoAnimation(bool) override {}
    skin::TsSkinManager* HostSkinManager() override { return Manager; }
    skin::TsSkinManager* Manager = nullptr;
};

// The menu as it shows after the keys, with a little of the desktop around it.
gfx::TBitmap Shown(vcl::TPopupMenu& menu, std::vector<ui::UINT> keys) {
    gfx::TBitmap seen;
    for (ui::UINT key : keys) ui::headless::KeyPress(key);
    WhileOpen([&] {
        if (const ui::HWND w = MenuWindow()) seen = Around(w, 4);
    });
    menu.Popup(100, 100);
    return seen;
}

// Every look in one picture: the help menu with its second item selected,
// the skinned system menu of a sizeable window with Minimize selected, and a
// menu of the other kinds of item (checked, radio, disabled, a shortcut, a
// caption item, an own picture, a text after a tab), its disabled item selected,
// and the help menu with a side band.
TEST_F(SkinMenus, GoldenPictureOfTheMenus) {
    const gfx::TBitmap help = Shown(*Help, {ui::VK_DOWN, ui::VK_DOWN});

    vcl::TForm window(vcl::Application);
    window.SetBorderStyle(vcl::bsSizeable);
    window.SetBorderIcons(vcl::biSystemMenu | vcl::biMinimize | vcl::biMaximize);
    window.SetBounds(300, 300, 300, 200);
    window.Show();
    TSysMenuHost host;
    host.Manager = Manager;
    TsSystemMenu system(&window, window, host);
    const gfx::TBitmap systemPicture = Shown(system, {ui::VK_DOWN, ui::VK_DOWN, ui::VK_DOWN, ui::VK_DOWN});

    auto* kinds = new vcl::TPopupMenu(Form);
    auto add = [&](const char* caption) {
        auto* item = new vcl::TMenuItem(Form);
        item->SetCaption(caption);
        kinds->Items().Add(item);
        return item;
    };
    add("-Options-");
    add("&Checked")->SetChecked(true);
    vcl::TMenuItem* radio = add("&Radio item");
    radio->SetRadioItem(true);
    radio->SetChecked(true);
    add("&Disabled")->SetEnabled(false);
    add("E&xit")->SetShortCut(vcl::TextToShortCut("Ctrl+X"));
    add("-");
    vcl::TMenuItem* pictured = add("&Picture");
    gfx::TBitmap square(16, 16);
    square.Canvas().Brush = {gfx::TColor(0x2060C0), gfx::bsSolid};
    square.Canvas().FillRect({2, 2, 14, 14});
    pictured->Bitmap().Assign(square);
    add("Left\tRight");
    add("&Default")->SetDefault(true);
    Layer().HookPopupMenu(*kinds, true);
    const gfx::TBitmap kindsPicture = Shown(*kinds, {ui::VK_DOWN, ui::VK_DOWN, ui::VK_DOWN, ui::VK_DOWN});

    // The help menu again with a side band the program names.
    Manager->MenuSupport().SetUseExtraLine(true);
    Manager->OnGetMenuExtraLineData = [](vcl::TMenuItem*, std::string&, std::string& caption, gfx::TBitmap&, bool&) {
        caption = "&Kestrune";
    };
    const gfx::TBitmap banded = Shown(*Help, {ui::VK_DOWN});
    Manager->MenuSupport().SetUseExtraLine(false);
    Manager->OnGetMenuExtraLineData = nullptr;

    const gfx::TBitmap sheet = SideBySide({&help, &systemPicture, &kindsPicture, &banded});
    EXPECT_EQ(painttest::DifferenceFromGolden(sheet, "skin-menus"), 0)
        << "see skin-menus-actual.png in the test's working folder";
    if (std::getenv("KESTRUNE_SAVE_PICTURES")) {
        gfx::TBitmap big(sheet.Width() * 3, sheet.Height() * 3);
        big.Canvas().StretchBlt(0, 0, big.Width(), big.Height(), const_cast<gfx::TBitmap&>(sheet).Canvas(), 0, 0,
                                sheet.Width(), sheet.Height());
        std::ofstream("skin-menus-x3.png", std::ios::binary) << gfx::WritePng(big);
    }
}

// The item's picture as the layer paints it on a canvas of no menu window,
// and the menu's picture it was laid over.
struct TItemPicture {
    gfx::TBitmap Picture{160, 20};
    const gfx::TBitmap* Background = nullptr;
};

TEST_F(SkinMenus, ItemsPaintedWithoutAMenuWindow) {
    auto* exit = new vcl::TMenuItem(Form);
    exit->SetCaption("Exit");
    exit->SetShortCut(vcl::TextToShortCut("Ctrl+X"));
    Help->Items().Add(exit);
    const gfx::TRect rect{0, 0, 160, 20};
    auto paint = [&](TItemPicture& shot) {
        FreeMenuBackgrounds();
        Layer().PaintMenuItem(*exit, shot.Picture.Canvas(), rect, 0);
        const TacMenuBackground* record = FindMenuBackground(&HelpItem(0));
        shot.Background = record ? record->Bitmap.get() : nullptr;
    };
    TItemPicture enabled, disabled;
    paint(enabled);
    ASSERT_TRUE(enabled.Background);
    // Without a window the menu's size comes from its measured items.
    int width = 0, height = 0, widest = 0, total = 0;
    gfx::TBitmap scratch(1, 1);
    for (int i = 0; i < Help->Items().Count(); ++i) {
        Layer().MeasureMenuItem(HelpItem(i), scratch.Canvas(), width, height);
        widest = std::max(widest, width), total += height;
    }
    EXPECT_EQ(enabled.Background->Width(), widest + 12 + 6);
    EXPECT_EQ(enabled.Background->Height(), total + 6);

    // The shortcut text ends 8 pixels before the item's right edge.
    auto differs = [&](int x) {
        for (int y = 0; y < rect.Height(); ++y)
            if ((painttest::Px(enabled.Picture, x, y) & 0xFFFFFF) !=
                (painttest::Px(*enabled.Background, x + 3, y + 3) & 0xFFFFFF))
                return true;
        return false;
    };
    int right = rect.Width() - 1;
    while (right > 0 && !differs(right)) --right;
    EXPECT_LE(right, rect.Width() - 8 - 1);
    EXPECT_GE(right, rect.Width() - 8 - 3) << "the last text pixel, the glyph's own margin aside";

    // Disabled: 40 percent of the enabled look over 60 percent of the menu's picture.
    exit->SetEnabled(false);
    paint(disabled);
    int wrong = 0;
    for (int y = 0; y < rect.Height(); ++y)
        for (int x = 0; x < rect.Width(); ++x) {
            const uint32_t on = painttest::Px(enabled.Picture, x, y), off = painttest::Px(disabled.Picture, x, y),
                           below = painttest::Px(*disabled.Background, x + 3, y + 3);
            for (int shift : {0, 8, 16}) {
                const int e = int(on >> shift & 0xFF), b = int(below >> shift & 0xFF), d = int(off >> shift & 0xFF);
                const double expected = b - (b - e) * 0.4;
                wrong += std::abs(d - expected) > 0.51;
            }
        }
    EXPECT_EQ(wrong, 0);

    // The border is asked for once through the program's window.
    ui::TMsg msg;
    int requests = 0;
    while (ui::PeekMessage(msg, vcl::Application->Handle(), 0xBCB3, 0xBCB3, ui::PM_REMOVE)) ++requests;
    EXPECT_EQ(requests, 1);
}

TEST_F(SkinMenus, TheFramesSystemMenuIsSkinned) {
    auto* form = new vcl::TForm(vcl::Application);
    form->ReadLayout(
        "object Form2: TForm\n  Left = 200\n  Top = 150\n  BorderStyle = bsSingle\n"
        "  BorderIcons = [biSystemMenu, biMinimize]\n  Caption = 'Skinned'\n"
        "  ClientWidth = 300\n  ClientHeight = 120\n"
        "  object sSkinProvider1: TsSkinProvider\n    SkinData.SkinSection = 'FORM'\n  end\nend\n");
    form->Show();
    ui::ProcessPendingMessages();
    bool skinned = false;
    auto look = [&] {
        const ui::HWND w = MenuWindow();
        skinned = w && FindMenuBackgroundByWindow(w) && !(ui::GetWindowLongPtr(w, ui::GWL_EXSTYLE) & ui::WS_EX_LAYERED);
    };
    // Alt+Space, then the mnemonic of Minimize.
    WhileOpen(
        [&] {
            look();
            ui::headless::KeyPress(0, 'n');
        },
        {});
    ui::SendMessage(form->Handle(), ui::WM_SYSCOMMAND, ui::SC_KEYMENU, ' ');
    EXPECT_TRUE(skinned) << "Alt+Space";
    EXPECT_EQ(form->WindowState(), vcl::wsMinimized);
    form->SetWindowState(vcl::wsNormal);
    ui::ProcessPendingMessages();

    // A click on the title icon.
    const gfx::TRect frame = ui::GetWindowRect(form->Handle());
    gfx::TPoint icon{-1, -1};
    for (int x = frame.Left; x < frame.Left + 40 && icon.X < 0; ++x)
        for (int y = frame.Top; y < frame.Top + 30 && icon.X < 0; ++y)
            if (ui::SendMessage(form->Handle(), ui::WM_NCHITTEST, 0, ui::MAKELPARAM(x, y)) == ui::HTSYSMENU)
                icon = {x, y};
    ASSERT_GE(icon.X, 0);
    skinned = false;
    WhileOpen(look);
    ui::headless::Click(icon.X + 2, icon.Y + 2);
    ui::ProcessPendingMessages();
    EXPECT_TRUE(skinned) << "title icon";
    EXPECT_EQ(form->WindowState(), vcl::wsNormal) << "left with Escape";
    form->Free();
}

// A skin whose menu frame has see-through corners gives the menu window
// rounded corners: the window's region leaves them out, and the desktop shows
// through there.
TEST_F(SkinMenus, RoundedCornersOfTheSkinsMenuFrame) {
    skin::TsMaskData& frame = Manager->Masks[size_t(Manager->FindMaskExact("MAINMENU", "BORDERSMASK"))];
    auto corners = std::make_unique<gfx::TBitmap>(9, 9);
    corners->Canvas().Brush = {gfx::TColor(0x804020), gfx::bsSolid};
    corners->Canvas().FillRect({0, 0, 9, 9});
    for (const gfx::TPoint p :
         {gfx::TPoint{0, 0}, {1, 0}, {0, 1}, {8, 0}, {7, 0}, {8, 1}, {0, 8}, {1, 8}, {0, 7}, {8, 8}, {7, 8}, {8, 7}})
        painttest::SetPx(*corners, p.X, p.Y, painttest::Key);
    frame.Bitmap = std::move(corners);
    frame.SourceRect = {0, 0, 9, 9};
    frame.StateCount = 1;
    frame.MaskKind = 0;
    frame.MarginLeft = frame.MarginTop = frame.MarginRight = frame.MarginBottom = 3;
    frame.CornerTransparency = 1;

    gfx::TRegion region;
    gfx::TRect bounds;
    WhileOpen([&] {
        const ui::HWND w = MenuWindow();
        bounds = ui::GetWindowRect(w);
        ui::GetWindowRgn(w, region);
    });
    Help->Popup(100, 100);
    const int right = bounds.Width() - 1, bottom = bounds.Height() - 1;
    struct TCase {
        int X, Y;
        bool Inside;
    } cases[] = {{0, 0, false},      {1, 0, false},          {0, 1, false},          {1, 1, true},
                 {2, 0, true},       {right, 0, false},      {right - 1, 0, false},  {right - 2, 0, true},
                 {0, bottom, false}, {0, bottom - 1, false}, {right, bottom, false}, {right - 1, bottom - 1, true},
                 {40, 30, true}};
    for (const TCase& c : cases) EXPECT_EQ(region.Contains(c.X, c.Y), c.Inside) << c.X << ", " << c.Y;
}

}  // namespace
