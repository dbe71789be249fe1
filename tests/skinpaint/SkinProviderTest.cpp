// The skinned window frame on the headless desktop with the internal skin:
// the title buttons of the program's two kinds of window where the skin puts
// them, the hit test over every part of the frame, the buttons' state machine
// driven by real mouse input, activation, the window region, the answers the
// children get, and the pictures of both windows in every look.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "GlowTestKit.h"
#include "InternalSkinManager.h"
#include "PaintTestKit.h"
#include "gfx/TRegion.h"
#include "skin/sFadeSwitch.h"
#include "skin/sSkinCommands.h"
#include "skin/sSkinManager.h"
#include "skinpaint/acSBAnimation.h"
#include "skinpaint/sBlockCopy.h"
#include "skinpaint/sCaptionText.h"
#include "skinpaint/sFormAdapter.h"
#include "skinpaint/sSkinProvider.h"
#include "ui/DefWindowProc.h"
#include "ui/Headless.h"
#include "ui/Input.h"
#include "ui/Keys.h"
#include "ui/MessageLoop.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomForm.h"
#include "vcl/TPanel.h"

using namespace skinpaint;

namespace {

struct TFormShape {
    vcl::TFormBorderStyle Style;
    vcl::TBorderIcons Icons;
    int ClientWidth, ClientHeight;
    const char* Caption;
};

const TFormShape MainLike{vcl::bsSingle, vcl::biSystemMenu | vcl::biMinimize, 372, 250, "Kestrune YouTube Converter 2.8"};
const TFormShape ProgressLike{vcl::bsDialog, vcl::biSystemMenu, 300, 120, "Downloading video"};

class SkinProvider : public ::testing::Test {
protected:
    void SetUp() override {
        ui::headless::Reset(800, 600);
        vcl::Application->ClearTerminated();
        Manager = skinkit::InternalSkinManager();
        // Buttons change their look in the frame itself, not by layered fades.
        Manager->Effects().SetAllowGlowing(false);
    }
    void TearDown() override {
        for (vcl::TForm* form : Forms) form->Free();
        Manager->Free();
    }

    // Made from a stored layout, as the program's windows are.
    // With a log, the form's own procedure (the one the provider passes
    // messages on to) records each message it gets.
    TsSkinProvider& Make(const TFormShape& shape, int left = 40, int top = 40, std::vector<ui::UINT>* log = nullptr) {
        static const char* const styles[] = {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow",
                                             "bsSizeToolWin"};
        std::string icons;
        for (const auto& [name, bit] : {std::pair{"biSystemMenu", vcl::biSystemMenu}, {"biMinimize", vcl::biMinimize},
                                        {"biMaximize", vcl::biMaximize}, {"biHelp", vcl::biHelp}})
            if (shape.Icons & bit) icons += std::string(icons.empty() ? "" : ", ") + name;
        const std::string layout = "object Form1: TForm\n"
                                   "  Left = " + std::to_string(left) + "\n"
                                   "  Top = " + std::to_string(top) + "\n"
                                   "  BorderStyle = " + styles[shape.Style] + "\n"
                                   "  BorderIcons = [" + icons + "]\n"
                                   "  Caption = '" + shape.Caption + "'\n"
                                   "  ClientWidth = " + std::to_string(shape.ClientWidth) + "\n"
                                   "  ClientHeight = " + std::to_string(shape.ClientHeight) + "\n"
                                   "  object sSkinProvider1: TsSkinProvider\n"
                                   "    SkinData.SkinSection = 'FORM'\n"
                                   "  end\n"
                                   "end\n";
        auto* form = new vcl::TForm(vcl::Application);
        Forms.push_back(form);
        // The form's own handling goes on through its saved method, which stays
        // valid while the form is being destroyed (a call through the form's
        // pointer would not).
        if (log)
            form->SetWindowProc([previous = form->WindowProc(), log](vcl::TMessage& m) {
                log->push_back(m.Msg);
                previous(m);
            });
        form->ReadLayout(layout);
        TsSkinProvider* provider = nullptr;
        for (int i = 0; i < form->ComponentCount() && !provider; ++i)
            provider = dynamic_cast<TsSkinProvider*>(form->Components(i));
        EXPECT_TRUE(provider);
        form->Show();
        Pump();
        return *provider;
    }
    static void Pump() { ui::ProcessPendingMessages(); }
    static gfx::TPoint Centre(const TsSkinProvider& p, const gfx::TRect& r) {
        const gfx::TRect w = ui::GetWindowRect(p.Form()->Handle());
        return {w.Left + (r.Left + r.Right) / 2, w.Top + (r.Top + r.Bottom) / 2};
    }
    static void MoveTo(gfx::TPoint p) {
        ui::headless::MouseMove(p.X, p.Y);
        Pump();
    }
    static void Down() {
        ui::headless::MouseDown();
        Pump();
    }
    static void Up() {
        ui::headless::MouseUp();
        Pump();
    }
    static std::vector<int> States(const TsSkinProvider& p) {
        return {p.CloseButton.State, p.MaxButton.State, p.MinButton.State, p.HelpButton.State};
    }

    skin::TsSkinManager* Manager = nullptr;
    std::vector<vcl::TForm*> Forms;
    // Outlives the forms, which log into it until they go.
    std::vector<ui::UINT> Log;
};

TEST_F(SkinProvider, MainWindowShowsCloseAndMinimiseWhereTheSkinPutsThem) {
    TsSkinProvider& p = Make(MainLike);
    const TFormGeometry g = p.Geometry();
    ASSERT_EQ(g.Border, 3);
    ASSERT_EQ(g.Width, 372 + 2 * g.Border);
    const skin::TsSkinData& info = Manager->GlobalInfo;
    ASSERT_EQ(info.BiRight, 3);
    ASSERT_EQ(info.BiSpace, -2);
    ASSERT_EQ(info.BiVAlign, 1);
    EXPECT_EQ(States(p), (std::vector<int>{0, -1, 0, -1}));
    EXPECT_EQ(Manager->Masks[size_t(p.CloseButton.GlyphIndex)].KeyName, "BICONCLOSE");
    EXPECT_EQ(Manager->Masks[size_t(p.MinButton.GlyphIndex)].KeyName, "BICONMIN");
    EXPECT_TRUE(p.CloseButton.LargeImages);
    // Hanging from the top edge; the close button's right edge 3 + b from the
    // window's right edge, the minimise button overlapping it by 2 pixels.
    EXPECT_EQ(p.CloseButton.Bounds.Top, 0);
    EXPECT_EQ(p.MinButton.Bounds.Top, 0);
    EXPECT_EQ(p.CloseButton.Bounds.Right, g.Width - 3 - g.Border);
    EXPECT_EQ(p.MinButton.Bounds.Right, p.CloseButton.Bounds.Left + 2);
    EXPECT_TRUE(p.HadSystemMenu());
    // The platform draws no system buttons of its own.
    EXPECT_FALSE(ui::GetWindowLongPtr(p.Form()->Handle(), ui::GWL_STYLE) & ui::WS_SYSMENU);
    // A window made anew for another border style is skinned anew.
    p.Form()->SetBorderStyle(vcl::bsDialog);
    Pump();
    EXPECT_EQ(States(p), (std::vector<int>{0, -1, -1, -1}));
    EXPECT_EQ(Manager->Masks[size_t(p.CloseButton.GlyphIndex)].KeyName, "SICONCLOSE");
    EXPECT_FALSE(ui::GetWindowLongPtr(p.Form()->Handle(), ui::GWL_STYLE) & ui::WS_SYSMENU);
    EXPECT_TRUE(p.HadSystemMenu());
}

TEST_F(SkinProvider, ProgressWindowShowsOneSmallCloseButtonCentredInTheTitle) {
    TsSkinProvider& p = Make(ProgressLike);
    const TFormGeometry g = p.Geometry();
    EXPECT_EQ(States(p), (std::vector<int>{0, -1, -1, -1}));
    EXPECT_EQ(Manager->Masks[size_t(p.CloseButton.GlyphIndex)].KeyName, "SICONCLOSE");
    EXPECT_FALSE(p.CloseButton.LargeImages);
    const gfx::TRect& close = p.CloseButton.Bounds;
    EXPECT_EQ(close.Top, (g.TitleHeight() - close.Height()) / 2);
    EXPECT_EQ(close.Right, g.Width - 3 - g.Border);
    // With the help icon: a small help button 6 pixels left of the close one.
    TsSkinProvider& help = Make({vcl::bsDialog, vcl::biSystemMenu | vcl::biHelp, 300, 120, "Help"}, 400, 300);
    EXPECT_EQ(States(help), (std::vector<int>{0, -1, -1, 0}));
    EXPECT_EQ(Manager->Masks[size_t(help.HelpButton.GlyphIndex)].KeyName, "SICONHELP");
    EXPECT_EQ(help.HelpButton.Bounds.Right, help.CloseButton.Bounds.Left - 6);
}

// Every part of the frame, through the window's own hit-test message.
TEST_F(SkinProvider, HitTestAnswersForEveryTitleButtonBorderAndCaption) {
    TsSkinProvider& main = Make(MainLike);
    TsSkinProvider& alone = Make({vcl::bsSingle, vcl::biSystemMenu, 200, 100, "No minimise"}, 450, 40);
    TsSkinProvider& sizeable = Make({vcl::bsSizeable, vcl::biSystemMenu, 200, 100, "Sizeable"}, 450, 300);
    const auto hit = [](const TsSkinProvider& p, int x, int y) {
        const gfx::TRect w = ui::GetWindowRect(p.Form()->Handle());
        const ui::LPARAM at = ui::LPARAM(uint16_t(w.Left + x)) | ui::LPARAM(uint16_t(w.Top + y)) << 16;
        return ui::SendMessage(p.Form()->Handle(), ui::WM_NCHITTEST, 0, at);
    };
    const auto inside = [](const gfx::TRect& r) { return gfx::TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; };
    const gfx::TPoint close = inside(main.CloseButton.Bounds), min = inside(main.MinButton.Bounds);
    const gfx::TRect& m = main.MinButton.Bounds;
    const TFormGeometry g = main.Geometry(), s = sizeable.Geometry();
    struct TCase {
        const char* Where;
        const TsSkinProvider* Form;
        gfx::TPoint At;
        ui::LRESULT Expected;
    };
    const TCase cases[] = {
        {"close", &main, close, ui::HTCLOSE},
        {"minimise", &main, min, ui::HTMINBUTTON},
        {"where a maximise button would be", &main, {m.Left - 10, m.Top + 5}, ui::HTCAPTION},
        {"title icon", &main, {g.Border + 8, g.TitleHeight() / 2}, ui::HTSYSMENU},
        {"caption", &main, {g.Width / 2, g.TitleHeight() / 2}, ui::HTCAPTION},
        {"client", &main, {g.Width / 2, g.Height / 2}, ui::HTCLIENT},
        {"single border", &main, {1, g.Height / 2}, ui::HTBORDER},
        {"where the minimise button would be without the icon", &alone,
         {alone.CloseButton.Bounds.Left - 10, alone.CloseButton.Bounds.Top + 5}, ui::HTCAPTION},
        {"left edge", &sizeable, {1, s.Height / 2}, ui::HTLEFT},
        {"right edge", &sizeable, {s.Width - 2, s.Height / 2}, ui::HTRIGHT},
        {"top edge", &sizeable, {s.Width / 2, 1}, ui::HTTOP},
        {"bottom edge", &sizeable, {s.Width / 2, s.Height - 2}, ui::HTBOTTOM},
        {"top-left corner", &sizeable, {1, 1}, ui::HTTOPLEFT},
        {"top-right corner", &sizeable, {s.Width - 2, 1}, ui::HTTOPRIGHT},
        {"bottom-left corner", &sizeable, {1, s.Height - 2}, ui::HTBOTTOMLEFT},
        {"bottom-right corner", &sizeable, {s.Width - 2, s.Height - 2}, ui::HTBOTTOMRIGHT},
    };
    for (const TCase& c : cases) EXPECT_EQ(hit(*c.Form, c.At.X, c.At.Y), c.Expected) << c.Where;
    // The grip in the client's bottom-right corner sizes the window.
    sizeable.SetGripMode(gmRightBottom);
    const gfx::TRect client = s.ClientArea();
    EXPECT_EQ(hit(sizeable, client.Right - 3, client.Bottom - 3), ui::HTBOTTOMRIGHT);
    EXPECT_EQ(hit(sizeable, client.Right - 30, client.Bottom - 3), ui::HTCLIENT);
}

TEST_F(SkinProvider, TitleButtonStatesFollowTheMouseAndAPressEndsOnlyOverItsButton) {
    TsSkinProvider& p = Make(MainLike);
    bool closed = false;
    p.Form()->SetOnClose([&closed](vcl::TObject*, vcl::TCloseAction&) { closed = true; });
    const gfx::TPoint close = Centre(p, p.CloseButton.Bounds), min = Centre(p, p.MinButton.Bounds);
    const gfx::TRect w = ui::GetWindowRect(p.Form()->Handle());
    const gfx::TPoint caption{w.Left + 100, w.Top + 10};

    MoveTo(close);
    EXPECT_EQ(p.CurrentHit(), int(ui::HTCLOSE));
    EXPECT_EQ(States(p), (std::vector<int>{1, -1, 0, -1}));
    Down();
    EXPECT_EQ(States(p), (std::vector<int>{2, -1, 0, -1}));
    EXPECT_TRUE(TsSkinProvider::ButtonPressed());
    // Off the pressed button: normal at once; other buttons stay dark while
    // the press is pending.
    MoveTo(caption);
    EXPECT_EQ(States(p), (std::vector<int>{0, -1, 0, -1}));
    MoveTo(min);
    EXPECT_EQ(States(p), (std::vector<int>{0, -1, 0, -1}));
    // Released outside the close button: nothing happens.
    MoveTo(caption);
    Up();
    EXPECT_FALSE(closed);
    EXPECT_FALSE(TsSkinProvider::ButtonPressed());
    EXPECT_EQ(States(p), (std::vector<int>{0, -1, 0, -1}));
    // Hover works again once the press is over, and the mouse leaving the
    // frame puts it out.
    MoveTo(min);
    EXPECT_EQ(States(p), (std::vector<int>{0, -1, 1, -1}));
    MoveTo({w.Left + 100, w.Top + 100});
    EXPECT_EQ(States(p), (std::vector<int>{0, -1, 0, -1}));
    EXPECT_EQ(p.CurrentHit(), 0);

    // Minimise through its button.
    MoveTo(min);
    Down();
    Up();
    EXPECT_TRUE(ui::IsIconic(p.Form()->Handle()));
    ui::ShowWindow(p.Form()->Handle(), ui::SW_RESTORE);
    Pump();
    // Close through its button.
    MoveTo(Centre(p, p.CloseButton.Bounds));
    Down();
    Up();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(p.Form()->Visible());
}

// What reaches the form's own procedure behind the provider: the platform's
// plain frame is never painted or activated, title-button presses stay with
// the provider, the commands they give and everything else pass on.
TEST_F(SkinProvider, MessagesTheFormItselfStillGets) {
    std::vector<ui::UINT>& log = Log;
    TsSkinProvider& p = Make(MainLike, 40, 40, &log);
    const ui::HWND window = p.Form()->Handle();
    const auto count = [&log](ui::UINT msg) { return std::count(log.begin(), log.end(), msg); };
    struct TExpect {
        const char* Situation;
        ui::UINT Message;
        bool Reaches;
    };
    const auto check = [&](const std::vector<TExpect>& table) {
        for (const TExpect& e : table) EXPECT_EQ(count(e.Message) > 0, e.Reaches) << e.Situation << ": " << e.Message;
        log.clear();
    };
    check({{"created: non-client size", ui::WM_NCCALCSIZE, true},
           {"created", ui::WM_CREATE, true},
           {"shown", ui::WM_SIZE, true},
           {"activated", ui::WM_ACTIVATE, true},
           {"activated: plain caption", ui::WM_NCACTIVATE, false},
           {"shown: plain frame", ui::WM_NCPAINT, false}});
    EXPECT_TRUE(p.DrawnActive());

    // Another window takes the activation.
    TsSkinProvider& other = Make(ProgressLike, 450, 300);
    log.clear();
    ui::SetActiveWindow(window);
    Pump();
    ui::SetActiveWindow(other.Form()->Handle());
    Pump();
    EXPECT_FALSE(p.DrawnActive());
    check({{"deactivated", ui::WM_ACTIVATE, true}, {"deactivated: plain caption", ui::WM_NCACTIVATE, false}});
    // What the window shows of its frame is the inactive picture.
    const gfx::TBitmap shown = ui::headless::WindowImage(window);
    const gfx::TBitmap& cache = *p.SkinData().CachePicture;
    const int middle = p.Geometry().Width / 2;
    for (int y = 0; y < p.Geometry().TopHeight(); ++y)
        EXPECT_EQ(std::memcmp(shown.ScanLine(y) + middle * 4, cache.ScanLine(y) + middle * 4, 3), 0) << "row " << y;

    // Minimise through the button: the press is the provider's, the command
    // goes on.
    MoveTo(Centre(p, p.MinButton.Bounds));
    Down();
    Up();
    check({{"button press", ui::WM_NCLBUTTONDOWN, false},
           {"button release", ui::WM_NCLBUTTONUP, false},
           {"minimise command", ui::WM_SYSCOMMAND, true}});
    EXPECT_TRUE(ui::IsIconic(window));
    ui::ShowWindow(window, ui::SW_RESTORE);
    Pump();
    // A press on the caption is the form's (its move loop).
    log.clear();
    const gfx::TRect w = ui::GetWindowRect(window);
    ui::SendMessage(window, ui::WM_NCLBUTTONUP, ui::WPARAM(ui::HTCAPTION),
                    ui::LPARAM(uint16_t(w.Left + 100)) | ui::LPARAM(uint16_t(w.Top + 10)) << 16);
    check({{"caption release", ui::WM_NCLBUTTONUP, true}});
}

// Alt+Space, a press on the title icon and a right click on the caption each
// open the frame's skinned system menu; its choices reach the window.
TEST_F(SkinProvider, SystemMenuOpensFromKeyboardIconAndCaption) {
    TsSkinProvider& p = Make(MainLike);
    const ui::HWND window = p.Form()->Handle();
    bool closed = false;
    p.Form()->SetOnClose([&closed](vcl::TObject*, vcl::TCloseAction&) { closed = true; });
    const gfx::TRect w = ui::GetWindowRect(window);
    const TFormGeometry g = p.Geometry();

    // The icon: Minimize by its access key.
    ui::headless::Click(w.Left + g.Border + 8, w.Top + g.TitleHeight() / 2);
    ui::headless::KeyPress('N', 'n');
    Pump();
    ASSERT_TRUE(p.SystemMenu());
    EXPECT_TRUE(ui::IsIconic(window));
    ui::ShowWindow(window, ui::SW_RESTORE);
    Pump();
    // The caption's right button: Escape leaves the menu without a choice.
    ui::headless::Click(w.Left + 150, w.Top + 10, 1);
    ui::headless::KeyPress(ui::VK_ESCAPE);
    Pump();
    EXPECT_FALSE(ui::IsIconic(window));
    EXPECT_FALSE(closed);
    // Alt+Space, then Close.
    ui::headless::KeyDown(ui::VK_MENU);
    ui::headless::KeyPress(ui::VK_SPACE, ' ');
    ui::headless::KeyUp(ui::VK_MENU);
    ui::headless::KeyPress('C', 'c');
    Pump();
    EXPECT_TRUE(closed);
}

// A button of the program's own sits 8 pixels left of the system buttons,
// answers 1000 + its index while enabled and reports its release.
TEST_F(SkinProvider, OwnTitleButtonsSitLeftOfTheSystemButtons) {
    TsSkinProvider& p = Make(MainLike);
    TsTitleButton& own = p.TitleButtons().Add();
    own.Glyph = gfx::TBitmap(8, 8);
    int released = 0;
    own.OnMouseUp = [&released](vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int, int) { ++released; };
    const ui::HWND window = p.Form()->Handle();
    const auto refresh = [&] {
        ui::SendMessage(window, skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(skin::SKC_REFRESH),
                        reinterpret_cast<ui::LPARAM>(Manager));
        Pump();
    };
    refresh();
    const gfx::TRect& r = own.Button.Bounds;
    EXPECT_EQ(own.Button.HitCode, 1000);
    EXPECT_EQ(Manager->Masks[size_t(own.Button.GlyphIndex)].KeyName, "TITLEBUTTON");
    EXPECT_EQ(r.Right, p.MinButton.Bounds.Left - Manager->GlobalInfo.BiSpace - 8);
    const gfx::TRect w = ui::GetWindowRect(window);
    const ui::LPARAM at =
        ui::LPARAM(uint16_t(w.Left + (r.Left + r.Right) / 2)) | ui::LPARAM(uint16_t(w.Top + (r.Top + r.Bottom) / 2)) << 16;
    EXPECT_EQ(ui::SendMessage(window, ui::WM_NCHITTEST, 0, at), 1000);
    MoveTo(Centre(p, r));
    Down();
    EXPECT_EQ(own.Button.State, 2);
    Up();
    EXPECT_EQ(released, 1);
    EXPECT_EQ(own.Button.State, 0);
    if (std::getenv("KESTRUNE_SAVE_PICTURES")) ui::headless::SaveWindowPng(window, "frame-own-button.png");
    // Disabled it is the caption's.
    own.Enabled = false;
    refresh();
    EXPECT_EQ(ui::SendMessage(window, ui::WM_NCHITTEST, 0, at), ui::HTCAPTION);
}

// A window of the program without a provider of its own gets one from the
// manager's dialog hook when it is activated, and wears the skin's frame.
TEST_F(SkinProvider, FormsWithoutAProviderGetOneFromTheDialogHook) {
    InstallSkinEngine();
    auto* form = new vcl::TForm(vcl::Application);
    Forms.push_back(form);
    form->ReadLayout("object AboutBox: TForm\n  BorderStyle = bsDialog\n  Caption = 'About'\n"
                     "  ClientWidth = 250\n  ClientHeight = 150\nend\n");
    form->Show();
    Pump();
    const auto* provider = reinterpret_cast<TsSkinProvider*>(ui::SendMessage(
        form->Handle(), skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(skin::SKC_GET_PROVIDER), 0));
    ASSERT_TRUE(provider);
    EXPECT_FALSE(provider->UseGlobalColor());
    EXPECT_FALSE(provider->MakeSkinMenu());
    EXPECT_EQ(provider->CloseButton.State, 0);
    const gfx::TBitmap shown = ui::headless::WindowImage(form->Handle());
    const gfx::TBitmap& cache = *const_cast<TsSkinProvider*>(provider)->SkinData().CachePicture;
    ASSERT_EQ(cache.Width(), shown.Width());
    const int x = shown.Width() / 2, y = 10;
    EXPECT_EQ(std::memcmp(shown.ScanLine(y) + x * 4, cache.ScanLine(y) + x * 4, 3), 0);
    skin::SetWindowAdapter(nullptr);
}

TEST_F(SkinProvider, AnsweringTheSkinCommands) {
    TsSkinProvider& p = Make(MainLike);
    const ui::HWND window = p.Form()->Handle();
    const auto send = [window](uint16_t command, ui::LPARAM lParam = 0) {
        return ui::SendMessage(window, skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(command), lParam);
    };
    const TFormGeometry g = p.Geometry();
    EXPECT_EQ(send(skin::SKC_GET_PROVIDER), reinterpret_cast<ui::LRESULT>(&p));
    EXPECT_EQ(send(skin::SKC_GET_APPLICATION), reinterpret_cast<ui::LRESULT>(vcl::Application));
    EXPECT_EQ(send(61), ui::LRESULT(g.ClientOffset.X | g.ClientOffset.Y << 16));
    // FORM has a gradient.
    EXPECT_EQ(send(skin::SKC_IS_BG_COMPLEX), 1);
    EXPECT_EQ(gfx::TColor(send(skin::SKC_GET_BG_COLOR)), p.SkinData().ColorForChildren());
    send(skin::SKC_INVALIDATE_CACHE);
    EXPECT_TRUE(p.SkinData().PictureStale);
    // A caption change shows at once in a freshly painted title.
    const gfx::TBitmap before = ui::headless::WindowImage(window);
    p.Form()->SetCaption("Done.");
    EXPECT_FALSE(p.SkinData().PictureStale);
    const gfx::TBitmap after = ui::headless::WindowImage(window);
    int changed = 0;
    for (int y = 0; y < g.TitleHeight(); ++y)
        for (int x = 0; x < g.Width; ++x) changed += std::memcmp(before.ScanLine(y) + x * 4, after.ScanLine(y) + x * 4, 4) != 0;
    EXPECT_GT(changed, 50);
    // A second provider on the same form stays out of the way.
    auto* second = new TsSkinProvider(p.Form());
    EXPECT_TRUE(second->Inactive());
    EXPECT_EQ(send(skin::SKC_GET_PROVIDER), reinterpret_cast<ui::LRESULT>(&p));
    second->Free();
    // Without its non-client area the provider leaves the platform's frame.
    p.SetDrawNonClientArea(false);
    EXPECT_TRUE(ui::GetWindowLongPtr(window, ui::GWL_STYLE) & ui::WS_SYSMENU);
    const gfx::TRect wr = ui::GetWindowRect(window);
    const gfx::TPoint onMin{wr.Left + (p.MinButton.Bounds.Left + p.MinButton.Bounds.Right) / 2, wr.Top + 8};
    EXPECT_EQ(ui::SendMessage(window, ui::WM_NCHITTEST, 0,
                              ui::LPARAM(uint16_t(onMin.X)) | ui::LPARAM(uint16_t(onMin.Y)) << 16),
              ui::DefWindowProc(window, ui::WM_NCHITTEST, 0,
                                ui::LPARAM(uint16_t(onMin.X)) | ui::LPARAM(uint16_t(onMin.Y)) << 16));
    gfx::TRegion none;
    EXPECT_EQ(ui::GetWindowRgn(window, none), 0);
    p.SetDrawNonClientArea(true);
    EXPECT_FALSE(ui::GetWindowLongPtr(window, ui::GWL_STYLE) & ui::WS_SYSMENU);
    Pump();
    EXPECT_NE(ui::GetWindowRgn(window, none), 0);
    // Removing the skin gives the form its system menu and plain frame back.
    send(skin::SKC_REMOVE_SKIN, reinterpret_cast<ui::LPARAM>(Manager));
    Pump();
    if (std::getenv("KESTRUNE_SAVE_PICTURES")) ui::headless::SaveWindowPng(window, "frame-removed.png");
    EXPECT_TRUE(ui::GetWindowLongPtr(window, ui::GWL_STYLE) & ui::WS_SYSMENU);
    gfx::TRegion region;
    EXPECT_EQ(ui::GetWindowRgn(window, region), 0);
}

// A child at (10, 20) finds its background in the form's picture at the
// client offset plus (10, 20), and the window shows the same pixel there.
TEST_F(SkinProvider, ChildFindsItsBackgroundAtTheClientOffset) {
    TsSkinProvider& p = Make(MainLike);
    auto* panel = new vcl::TPanel(p.Form());
    panel->SetParent(p.Form());
    panel->SetBounds(10, 20, 50, 30);
    skin::TsCommonData binding(panel, true);
    binding.SetSkinSection("PANEL");
    skin::BackgroundRequest request;
    binding.GetParentBackground(request);
    const TFormGeometry g = p.Geometry();
    ASSERT_EQ(request.Kind, skin::BackgroundRequest::BitmapKnown);
    EXPECT_EQ(request.Bitmap, p.SkinData().CachePicture.get());
    EXPECT_EQ(request.X, g.ClientOffset.X);
    EXPECT_EQ(request.Y, g.ClientOffset.Y);
    panel->Free();
    Pump();
    const gfx::TBitmap shown = ui::headless::WindowImage(p.Form()->Handle());
    const gfx::TBitmap& cache = *p.SkinData().CachePicture;
    const int x = g.ClientOffset.X + 10, y = g.ClientOffset.Y + 20;
    EXPECT_EQ(std::memcmp(shown.ScanLine(y) + x * 4, cache.ScanLine(y) + x * 4, 3), 0);
}

TEST_F(SkinProvider, RegionCutsTheFramesSeeThroughCornersAndAMaximisedWindowLosesItsBorder) {
    TsSkinProvider& p = Make({vcl::bsSizeable, vcl::biSystemMenu | vcl::biMaximize, 300, 200, "Region"});
    const ui::HWND window = p.Form()->Handle();
    const TFormGeometry g = p.Geometry();
    gfx::TRegion region;
    ASSERT_NE(ui::GetWindowRgn(window, region), 0);
    ASSERT_FALSE(p.RegionRuns.empty());
    for (const gfx::TRect& run : p.RegionRuns) {
        EXPECT_FALSE(region.Contains(run.Left, run.Top));
        EXPECT_TRUE(run.Top < 4 || run.Top >= g.Height - 4);
    }
    EXPECT_TRUE(region.Contains(g.Width / 2, 0));
    EXPECT_TRUE(region.Contains(g.Width / 2, g.Height - 1));
    ui::ShowWindow(window, ui::SW_MAXIMIZE);
    Pump();
    const TFormGeometry big = p.Geometry();
    ASSERT_TRUE(big.Maximized);
    ASSERT_NE(ui::GetWindowRgn(window, region), 0);
    EXPECT_EQ(region.Rects(),
              (std::vector<gfx::TRect>{{big.Border, big.Border, big.Width - big.Border, big.Height - big.Border}}));
    ui::ShowWindow(window, ui::SW_RESTORE);
    Pump();
    ASSERT_NE(ui::GetWindowRgn(window, region), 0);
    EXPECT_FALSE(region.Contains(p.RegionRuns.front().Left, p.RegionRuns.front().Top));
}

// With glowing allowed, a hovered system button fades its glow in above the
// frame, which keeps the normal look under it; leaving fades it out and the
// animation goes; the end of the session stops it; a window closed while a
// button fades takes the fade along.
TEST_F(SkinProvider, HoveredButtonsFadeTheirGlowInAndOut) {
    Manager->Effects().SetAllowGlowing(true);
    TsSkinProvider& p = Make(MainLike);
    const ui::HWND window = p.Form()->Handle();
    const gfx::TBitmap before = ui::headless::WindowImage(window);
    MoveTo(Centre(p, p.CloseButton.Bounds));
    ASSERT_TRUE(p.CloseButton.Animation);
    EXPECT_EQ(p.CloseButton.State, 1);
    ui::headless::AdvanceClock(200);
    ASSERT_TRUE(p.CloseButton.Animation);
    EXPECT_EQ(p.CloseButton.Animation->ShownAlpha(), 255);
    const gfx::TBitmap under = ui::headless::WindowImage(window);
    const gfx::TRect& r = p.CloseButton.Bounds;
    for (int y = r.Top; y < r.Bottom; ++y)
        EXPECT_EQ(std::memcmp(under.ScanLine(y) + r.Left * 4, before.ScanLine(y) + r.Left * 4, size_t(r.Width()) * 4), 0);
    if (std::getenv("KESTRUNE_SAVE_PICTURES")) ui::headless::SaveDesktopPng("frame-glow.png");
    MoveTo({10, 590});
    ui::headless::AdvanceClock(300);
    EXPECT_FALSE(p.CloseButton.Animation);
    EXPECT_EQ(p.CloseButton.State, 0);

    // The end of the session switches fading off; the frame's own fades stop
    // rather than being waited for, and the query is answered.
    MoveTo(Centre(p, p.CloseButton.Bounds));
    ASSERT_TRUE(p.CloseButton.Animation);
    EXPECT_EQ(ui::SendMessage(window, ui::WM_QUERYENDSESSION, 0, 0), 1);
    EXPECT_TRUE(skin::FadingSwitchedOff());
    EXPECT_FALSE(p.CloseButton.Animation);
    skin::SetFadingSwitchedOff(false);

    MoveTo({10, 590});
    MoveTo(Centre(p, p.MinButton.Bounds));
    ASSERT_TRUE(p.MinButton.Animation);
    Forms.clear();
    p.Form()->Free();
    ui::headless::AdvanceClock(300);
    Pump();
}

// Where the caption goes in the title band: the columns the text changes,
// for each alignment, reversed for right-to-left windows, and a long centred
// caption that starts no further left than the caption area.
TEST_F(SkinProvider, CaptionFollowsItsAlignment) {
    TsSkinProvider& p = Make(MainLike);
    const TFormGeometry g = p.Geometry();
    const auto columns = [&](vcl::TAlignment alignment, bool rtl, const std::string& text) {
        TCaptionParams params;
        params.Text = text;
        params.ButtonsWidth = 60;
        params.TitleSectionIndex = p.TitleSectionIndex;
        params.Alignment = alignment;
        params.RightToLeft = rtl;
        gfx::TBitmap plain(g.Width, g.TitleHeight()), drawn(g.Width, g.TitleHeight()), glow;
        painttest::SetPx(plain, 0, 0, 0xFF000000);
        CopyBlock(drawn, 0, 0, plain, {0, 0, plain.Width(), plain.Height()});
        DrawCaption(drawn, *Manager, g, params, glow);
        int first = -1, last = -1;
        for (int x = 0; x < g.Width; ++x)
            for (int y = 0; y < g.TitleHeight(); ++y)
                if (painttest::Px(drawn, x, y) != painttest::Px(plain, x, y)) {
                    if (first < 0) first = x;
                    last = x;
                    break;
                }
        return std::pair{first, last};
    };
    TCaptionParams area;
    area.ButtonsWidth = 60;
    const gfx::TRect a = CaptionArea(*Manager, g, area);
    const auto [left, leftEnd] = columns(vcl::taLeftJustify, false, "Done.");
    EXPECT_LE(std::abs(left - a.Left), 1);
    const auto [right, rightEnd] = columns(vcl::taRightJustify, false, "Done.");
    EXPECT_LE(std::abs(rightEnd - (a.Right - 1)), 1);
    EXPECT_EQ(rightEnd - right, leftEnd - left);
    const auto [centre, centreEnd] = columns(vcl::taCenter, false, "Done.");
    EXPECT_LE(std::abs((centre + centreEnd) / 2 - g.Width / 2), 2);
    const auto [reversed, reversedEnd] = columns(vcl::taLeftJustify, true, "Done.");
    EXPECT_EQ(reversed, right) << "right to left";
    EXPECT_LE(std::abs(reversedEnd - rightEnd), 1) << "right to left";
    const auto [longStart, longEnd] = columns(vcl::taCenter, false, std::string(80, 'W'));
    EXPECT_LE(std::abs(longStart - a.Left), 1);
    EXPECT_LT(longEnd, a.Right);
}

// Both kinds of the program's windows, each active, inactive, with the close
// button hot and pressed, side by side in one picture, as recorded.
// KESTRUNE_UPDATE_GOLDEN=1 records them anew.
TEST_F(SkinProvider, WindowsLookAsRecorded) {
    std::vector<gfx::TBitmap> shots;
    for (const TFormShape* shape : {&MainLike, &ProgressLike}) {
        TsSkinProvider& p = Make(*shape);
        const ui::HWND window = p.Form()->Handle();
        ASSERT_TRUE(p.DrawnActive());
        shots.push_back(ui::headless::WindowImage(window));
        MoveTo(Centre(p, p.CloseButton.Bounds));
        shots.push_back(ui::headless::WindowImage(window));
        Down();
        shots.push_back(ui::headless::WindowImage(window));
        MoveTo({10, 590});
        Up();
        ui::SendMessage(window, ui::WM_NCACTIVATE, 0, 0);
        Pump();
        EXPECT_FALSE(p.DrawnActive());
        shots.push_back(ui::headless::WindowImage(window));
        p.Form()->Hide();
    }
    int width = 0, height = 0;
    for (size_t i = 0; i < shots.size(); i += 4) {
        width = std::max(width, 4 * (shots[i].Width() + 4));
        height += shots[i].Height() + 4;
    }
    gfx::TBitmap sheet(width, height);
    int y = 0;
    for (size_t i = 0; i < shots.size(); ++i) {
        const int x = int(i % 4) * (shots[i].Width() + 4);
        CopyBlock(sheet, x, y, shots[i], {0, 0, shots[i].Width(), shots[i].Height()});
        if (i % 4 == 3) y += shots[i].Height() + 4;
    }
    const int differing = painttest::DifferenceFromGolden(sheet, "frames");
    EXPECT_EQ(differing, 0) << "see frames-actual.png in the test's working folder";
}

}  // namespace
