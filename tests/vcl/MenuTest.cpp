// Pop-up menus tracked with injected mouse and keyboard input, owner drawing
// through the items' handlers, and shortcut texts.
#include "VclTest.h"
#include "ui/MessageLoop.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "vcl/TMenus.h"

using namespace vcl;

namespace {

const char* const MenuLayout = R"(
object MenuForm: TMenuForm
  ClientWidth = 300
  ClientHeight = 200
  object PopupMenu1: TPopupMenu
    object Contents1: TMenuItem
      Caption = '&Contents'
      OnClick = ItemClick
    end
    object MenuItem1: TMenuItem
      Caption = '-'
    end
    object About1: TMenuItem
      Caption = '&About...'
      Default = True
      OnClick = ItemClick
    end
    object Disabled1: TMenuItem
      Caption = '&Disabled'
      Enabled = False
      OnClick = ItemClick
    end
    object Exit1: TMenuItem
      Caption = 'E&xit'
      ShortCut = 'Ctrl+X'
      Checked = True
      OnClick = ItemClick
    end
    object More1: TMenuItem
      Caption = '&More'
      object Red1: TMenuItem
        Caption = '&Red'
        RadioItem = True
        Checked = True
        OnClick = ItemClick
      end
      object Green1: TMenuItem
        Caption = '&Green'
        RadioItem = True
        AutoCheck = True
        OnClick = ItemClick
      end
    end
  end
end
)";

class TMenuForm : public TForm {
public:
    explicit TMenuForm(TComponent* owner) : TForm(owner) {
        PublishField("PopupMenu1", PopupMenu1);
        PublishMethod("ItemClick", &TMenuForm::ItemClick);
        ReadLayout(MenuLayout);
    }
    void ItemClick(TObject* sender) { Clicked.push_back(static_cast<TMenuItem*>(sender)->Name()); }
    TMenuItem* Item(const char* name) { return static_cast<TMenuItem*>(FindComponent(name)); }

    TPopupMenu* PopupMenu1 = nullptr;
    std::vector<std::string> Clicked;
};

class MenuTest : public vcltest::TVclTest {
protected:
    void SetUp() override {
        TVclTest::SetUp();
        Form = new TMenuForm(Application);
        Form->Show();
        Pump();
    }
    void TearDown() override {
        Form->Free();
        TVclTest::TearDown();
    }
    // Keys queued before the menu opens reach it once it tracks.
    void PopupWithKeys(std::initializer_list<std::pair<ui::UINT, unsigned char>> keys) {
        for (auto [vk, ch] : keys) ui::headless::KeyPress(vk, ch);
        Form->PopupMenu1->Popup(100, 100);
        Pump();
    }
    TMenuForm* Form = nullptr;
};

using MenuTracking = MenuTest;

TEST_F(MenuTracking, DownSkipsTheSeparatorAndEnterChooses) {
    PopupWithKeys({{ui::VK_DOWN, 0}, {ui::VK_DOWN, 0}, {ui::VK_RETURN, '\r'}});
    EXPECT_EQ(Form->Clicked, std::vector<std::string>{"About1"});
}

TEST_F(MenuTracking, EscapeLeavesWithoutAChoice) {
    PopupWithKeys({{ui::VK_DOWN, 0}, {ui::VK_ESCAPE, 27}});
    EXPECT_TRUE(Form->Clicked.empty());
}

// Typed letters go the whole way a user's keys go: key presses on the
// desktop, routed to the focus window, translated into characters inside the
// menu loop.
TEST_F(MenuTracking, ATypedMnemonicChoosesItsItem) {
    const struct {
        const char* Typed;
        bool Shift;
        std::vector<std::pair<ui::UINT, unsigned char>> Keys;
        std::vector<std::string> Chosen;
    } cases[] = {
        {"Shift+C", true, {{'C', 'C'}}, {"Contents1"}},
        {"c", false, {{'C', 'c'}}, {"Contents1"}},
        {"x, not the first letter", false, {{'X', 'x'}}, {"Exit1"}},
        {"d names a disabled item", false, {{'D', 'd'}, {ui::VK_ESCAPE, 27}}, {}},
        {"m opens the sub-menu, g chooses in it", false, {{'M', 'm'}, {'G', 'g'}}, {"Green1"}},
        {"a letter no item has", false, {{'Q', 'q'}, {ui::VK_ESCAPE, 27}}, {}},
    };
    for (const auto& c : cases) {
        Form->Clicked.clear();
        if (c.Shift) ui::headless::KeyDown(ui::VK_SHIFT);
        for (auto [vk, ch] : c.Keys) ui::headless::KeyPress(vk, ch);
        if (c.Shift) ui::headless::KeyUp(ui::VK_SHIFT);
        // The keys wait on the desktop until the open menu's loop reads them.
        Form->PopupMenu1->Popup(100, 100);
        Pump();
        EXPECT_EQ(Form->Clicked, c.Chosen) << c.Typed;
    }
}

TEST_F(MenuTracking, RightOpensTheSubMenuAndARadioItemChecksItself) {
    PopupWithKeys({{ui::VK_UP, 0}, {ui::VK_RIGHT, 0}, {ui::VK_DOWN, 0}, {ui::VK_RETURN, '\r'}});
    EXPECT_EQ(Form->Clicked, std::vector<std::string>{"Green1"});
    EXPECT_TRUE(Form->Item("Green1")->Checked());
    EXPECT_FALSE(Form->Item("Red1")->Checked());
}

using OwnerDrawnMenu = MenuTest;

TEST_F(OwnerDrawnMenu, ItemsAreMeasuredAndDrawnByTheirHandlersInAMenuWindow) {
    TPopupMenu* menu = Form->PopupMenu1;
    menu->SetOwnerDraw(true);
    std::map<std::string, TOwnerDrawState> drawn;
    std::map<std::string, TRect> rects;
    std::vector<std::string> measured;
    std::string windowClass;
    for (const char* name : {"Contents1", "MenuItem1", "About1", "Disabled1", "Exit1", "More1"}) {
        TMenuItem* item = Form->Item(name);
        item->OnMeasureItem = [&measured](TObject* s, gfx::TCanvas&, int& w, int& h) {
            const TMenuItem* i = static_cast<TMenuItem*>(s);
            measured.push_back(i->Name());
            w = 120;
            h = i->IsLine() ? 8 : 20;
        };
        item->OnAdvancedDrawItem = [&](TObject* s, gfx::TCanvas& canvas, TRect r, TOwnerDrawState state) {
            const std::string n = static_cast<TMenuItem*>(s)->Name();
            drawn[n] |= state;
            rects[n] = r;
            canvas.Brush = {gfx::clYellow, gfx::bsSolid};
            canvas.FillRect(r);
            ui::EnumWindows([&](ui::HWND h) {
                if (ui::IsWindowVisible(h) && ui::GetClassName(h) == ui::MenuClassName) windowClass = ui::GetClassName(h);
                return true;
            });
        };
    }
    // A click on the third item: the menu's client area begins 3 pixels into
    // its window, which stands at the popup point.
    ui::headless::MouseMove(100 + 3 + 20, 100 + 3 + 20 + 8 + 10);
    ui::headless::MouseDown();
    ui::headless::MouseUp();
    menu->Popup(100, 100);
    Pump();
    EXPECT_EQ(Form->Clicked, std::vector<std::string>{"About1"});
    EXPECT_EQ(measured, (std::vector<std::string>{"Contents1", "MenuItem1", "About1", "Disabled1", "Exit1", "More1"}));
    EXPECT_EQ(windowClass, "#32768");
    EXPECT_EQ(rects["About1"].Top, 28);
    EXPECT_EQ(rects["About1"].Height(), 20);
    EXPECT_TRUE(drawn["About1"] & odSelected);
    EXPECT_TRUE(drawn["About1"] & odDefault);
    EXPECT_TRUE(drawn["Exit1"] & odChecked);
    EXPECT_TRUE(drawn["Disabled1"] & (odDisabled | odGrayed));
    EXPECT_FALSE(drawn["Contents1"] & odSelected);
}

TEST_F(OwnerDrawnMenu, WithoutHandlersItemsGetThePlainLook) {
    Form->PopupMenu1->SetOwnerDraw(true);
    PopupWithKeys({{ui::VK_DOWN, 0}, {ui::VK_RETURN, '\r'}});
    EXPECT_EQ(Form->Clicked, std::vector<std::string>{"Contents1"});
}

TEST(ShortCutText, NamesKeysWithTheirModifiers) {
    EXPECT_EQ(ShortCutToText(ShortCut('X', ssCtrl)), "Ctrl+X");
    EXPECT_EQ(ShortCutToText(32808), "Alt+Down");
    EXPECT_EQ(ShortCutToText(ShortCut(ui::VK_F4, ssAlt | ssShift)), "Shift+Alt+F4");
    EXPECT_EQ(TextToShortCut("Ctrl+X"), ShortCut('X', ssCtrl));
    EXPECT_EQ(TextToShortCut("Alt+Down"), 32808);
    EXPECT_EQ(TextToShortCut("Nonsense"), 0);
    EXPECT_EQ(GetHotkey("&About..."), 'A');
    EXPECT_EQ(GetHotkey("Fish && Chips"), 0);
    EXPECT_EQ(StripHotkey("&Visit Kestrune Web Site ->"), "Visit Kestrune Web Site ->");
}

}  // namespace
