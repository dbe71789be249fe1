// Forms from their stored layout: the order of their events, modal runs and
// their results, close requests that are refused, and the tab order.
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "VclTest.h"
#include "rtl/TThread.h"
#include "ui/MessageLoop.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TButton.h"
#include "vcl/TCheckBox.h"
#include "vcl/TEdit.h"
#include "vcl/TLabel.h"
#include "vcl/TScreen.h"
#include "vcl/TTimer.h"
#include "vcl/VclExceptions.h"

using namespace vcl;

namespace {

const char* const LifeLayout = R"(
object LifeForm: TLifeForm
  Caption = 'Life'
  BorderStyle = bsSingle
  BorderIcons = [biSystemMenu, biMinimize]
  ClientWidth = 200
  ClientHeight = 100
  Position = poScreenCenter
  OnCreate = FormCreate
  OnShow = FormShow
  OnActivate = FormActivate
  OnCloseQuery = FormCloseQuery
  OnClose = FormClose
  OnHide = FormHide
  OnDestroy = FormDestroy
  object Button1: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 96
    Top = 8
    Width = 75
    Height = 25
    Caption = 'Cancel'
    Cancel = True
    ModalResult = 2
  end
end
)";

class TLifeForm : public TForm {
public:
    explicit TLifeForm(TComponent* owner) : TForm(owner) {
        PublishField("Button1", Button1);
        PublishField("Button2", Button2);
        PublishMethod("FormCreate", &TLifeForm::FormCreate);
        PublishMethod("FormShow", &TLifeForm::FormShow);
        PublishMethod("FormActivate", &TLifeForm::FormActivate);
        PublishMethod("FormCloseQuery", &TLifeForm::FormCloseQuery);
        PublishMethod("FormClose", &TLifeForm::FormClose);
        PublishMethod("FormHide", &TLifeForm::FormHide);
        PublishMethod("FormDestroy", &TLifeForm::FormDestroy);
        PublishMethod("Button1Click", &TLifeForm::Button1Click);
        ReadLayout(LifeLayout);
    }

    void FormCreate(TObject*) { Log.push_back(Button1 && Button1->Caption() == "OK" ? "create" : "create early"); }
    void FormShow(TObject*) { Log.push_back("show"); }
    void FormActivate(TObject*) {
        Log.push_back("activate");
        if (OnActivated) OnActivated();
    }
    void FormCloseQuery(TObject*, bool& canClose) {
        Log.push_back("closequery");
        canClose = AllowClose;
    }
    void FormClose(TObject*, TCloseAction& action) {
        Log.push_back("close");
        action = CloseAction;
    }
    void FormHide(TObject*) { Log.push_back("hide"); }
    void FormDestroy(TObject*) { Log.push_back("destroy"); }
    void Button1Click(TObject*) { Log.push_back("click"); }

    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
    static inline std::vector<std::string> Log;
    bool AllowClose = true;
    TCloseAction CloseAction = caHide;
    std::function<void()> OnActivated;
};

using TLog = std::vector<std::string>;

class FormTest : public vcltest::TVclTest {
protected:
    void SetUp() override {
        TVclTest::SetUp();
        TLifeForm::Log.clear();
    }
};

using FormLifeCycle = FormTest;

TEST_F(FormLifeCycle, LayoutBuildsControlsThenLoadedPhaseThenOnCreate) {
    auto* form = new TLifeForm(Application);
    EXPECT_EQ(TLifeForm::Log, TLog{"create"});
    ASSERT_TRUE(form->Button1);
    EXPECT_EQ(form->Button1->Parent(), form);
    EXPECT_EQ(form->Button1->Owner(), form);
    EXPECT_EQ(form->Button2->Caption(), "Cancel");
    EXPECT_TRUE(form->Button1->Default());
    EXPECT_FALSE(form->ComponentState() & csLoading);
    EXPECT_FALSE(form->Button1->ComponentState() & csLoading);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(form->Caption(), "Life");
    EXPECT_FALSE(form->FormState() & fsCreating);
    form->Free();
    EXPECT_EQ(TLifeForm::Log.back(), "destroy");
    // A form built in code has no layout to wait for.
    auto* plain = new TForm(Application);
    EXPECT_FALSE(plain->FormState() & fsCreating);
    plain->Free();
}

TEST_F(FormLifeCycle, ShowCloseFreeInOrderCentredOnTheScreen) {
    auto* form = new TLifeForm(Application);
    form->Show();
    Pump();
    EXPECT_TRUE(ui::IsWindowVisible(form->Handle()));
    EXPECT_EQ(form->ClientWidth(), 200);
    EXPECT_EQ(form->ClientHeight(), 100);
    const ui::TRect r = ui::GetWindowRect(form->Handle());
    EXPECT_EQ(r.Left, (1024 - r.Width()) / 2);
    EXPECT_EQ(r.Top, (768 - r.Height()) / 2);
    EXPECT_EQ(Screen->ActiveForm(), form);
    form->Close();
    Pump();
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(ui::IsWindowVisible(form->Handle()));
    form->Free();
    EXPECT_EQ(TLifeForm::Log, (TLog{"create", "show", "activate", "closequery", "close", "hide", "destroy"}));
}

TEST_F(FormLifeCycle, ShownAgainKeepsWhereItWasMoved) {
    auto* form = new TLifeForm(Application);
    form->Show();
    Pump();
    form->SetBounds(10, 20, form->Width(), form->Height());
    form->Hide();
    form->Show();
    Pump();
    EXPECT_EQ(ui::GetWindowRect(form->Handle()).Left, 10);
    EXPECT_EQ(ui::GetWindowRect(form->Handle()).Top, 20);
    form->Free();
}

TEST_F(FormLifeCycle, ClosingTheMainFormEndsTheRun) {
    TLifeForm* form = nullptr;
    Application->CreateForm(form);
    ASSERT_EQ(Application->MainForm(), form);
    form->OnActivated = [form] { form->Close(); };
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(TLifeForm::Log, (TLog{"create", "show", "activate", "closequery", "close"}));
    form->Free();
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(FormLifeCycle, CloseActionFreeReleasesTheFormAfterItsMessages) {
    auto* form = new TLifeForm(Application);
    form->CloseAction = caFree;
    form->Show();
    Pump();
    const int before = Screen->FormCount();
    form->Close();
    EXPECT_EQ(Screen->FormCount(), before);  // still there while its messages run
    Pump();
    EXPECT_EQ(Screen->FormCount(), before - 1);
    EXPECT_EQ(TLifeForm::Log.back(), "destroy");
}

using ModalResults = FormTest;

TEST_F(ModalResults, EnterPressesTheDefaultButton) {
    auto* form = new TLifeForm(Application);
    form->OnActivated = [] { ui::headless::KeyPress(ui::VK_RETURN, '\r'); };
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(TLifeForm::Log, (TLog{"create", "show", "activate", "click", "closequery", "close", "hide"}));
    form->Free();
}

TEST_F(ModalResults, EscapePressesTheCancelButton) {
    auto* form = new TLifeForm(Application);
    form->OnActivated = [] { ui::headless::KeyPress(ui::VK_ESCAPE, 27); };
    EXPECT_EQ(form->ShowModal(), mrCancel);
    form->Free();
}

TEST_F(ModalResults, AClickOnAButtonGivesItsResult) {
    auto* form = new TLifeForm(Application);
    form->OnActivated = [form] {
        const TPoint p = form->Button2->ClientToScreen({10, 10});
        ui::headless::Click(p.X, p.Y);
    };
    EXPECT_EQ(form->ShowModal(), mrCancel);
    form->Free();
}

TEST_F(ModalResults, TheCloseBoxEndsWithCancel) {
    auto* form = new TLifeForm(Application);
    form->OnActivated = [form] { ui::PostMessage(form->Handle(), ui::WM_CLOSE, 0, 0); };
    EXPECT_EQ(form->ShowModal(), mrCancel);
    form->Free();
}

TEST_F(ModalResults, OtherWindowsAreDisabledWhileItRuns) {
    auto* owner = new TLifeForm(Application);
    owner->Show();
    Pump();
    auto* form = new TLifeForm(Application);
    bool ownerEnabled = true;
    form->OnActivated = [&] {
        ownerEnabled = ui::IsWindowEnabled(owner->Handle());
        form->SetModalResult(mrOk);
    };
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(ui::IsWindowEnabled(owner->Handle()));
    EXPECT_EQ(Screen->ActiveForm(), owner);
    form->Free();
    owner->Free();
}

TEST_F(ModalResults, AVisibleFormCannotBeMadeModal) {
    auto* form = new TLifeForm(Application);
    form->Show();
    EXPECT_THROW(form->ShowModal(), EInvalidOperation);
    form->Free();
}

using CloseRefusal = FormTest;

TEST_F(CloseRefusal, ARefusedCloseLeavesTheFormShown) {
    auto* form = new TLifeForm(Application);
    form->AllowClose = false;
    form->Show();
    Pump();
    ui::SendMessage(form->Handle(), ui::WM_SYSCOMMAND, ui::SC_CLOSE, 0);
    Pump();
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(ui::IsWindowVisible(form->Handle()));
    EXPECT_EQ(TLifeForm::Log, (TLog{"create", "show", "activate", "closequery"}));
    form->Free();
}

TEST_F(CloseRefusal, ARefusedModalCloseKeepsTheModalRunGoing) {
    auto* form = new TLifeForm(Application);
    form->AllowClose = false;
    int refusals = 0;
    form->OnCloseQuery = [&](TObject*, bool& canClose) {
        // The first request is refused, the second one granted.
        canClose = ++refusals > 1;
        if (!canClose) ui::headless::KeyPress(ui::VK_RETURN, '\r');
    };
    form->OnActivated = [] { ui::headless::KeyPress(ui::VK_ESCAPE, 27); };
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(refusals, 2);
    form->Free();
}

TEST_F(CloseRefusal, CloseActionNoneKeepsTheForm) {
    auto* form = new TLifeForm(Application);
    form->CloseAction = caNone;
    form->Show();
    Pump();
    form->Close();
    Pump();
    EXPECT_TRUE(form->Visible());
    form->Free();
}

// --- tab order

const char* const TabLayout = R"(
object TabForm: TTabForm
  ClientWidth = 300
  ClientHeight = 200
  object Edit3: TEdit
    Left = 8
    Top = 120
    TabOrder = 2
  end
  object Edit1: TEdit
    Left = 8
    Top = 8
    TabOrder = 0
  end
  object CheckBox1: TCheckBox
    Left = 8
    Top = 40
    Caption = 'Option'
    TabOrder = 1
  end
  object Button1: TButton
    Left = 8
    Top = 80
    Caption = 'Never'
    TabStop = False
  end
  object Label1: TLabel
    Left = 150
    Top = 8
    Caption = '&Third'
    FocusControl = Edit3
  end
end
)";

class TTabForm : public TForm {
public:
    explicit TTabForm(TComponent* owner) : TForm(owner) {
        PublishField("Edit1", Edit1);
        PublishField("Edit3", Edit3);
        PublishField("CheckBox1", CheckBox1);
        PublishField("Button1", Button1);
        ReadLayout(TabLayout);
    }
    TEdit* Edit1 = nullptr;
    TEdit* Edit3 = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TButton* Button1 = nullptr;
};

using TabOrder = FormTest;

TEST_F(TabOrder, FirstShowFocusesTheFirstControlInTabOrder) {
    auto* form = new TTabForm(Application);
    form->Show();
    Pump();
    EXPECT_TRUE(form->Edit1->Focused());
    EXPECT_EQ(form->ActiveControl(), form->Edit1);
    form->Free();
}

TEST_F(TabOrder, TabAndShiftTabFollowTheTabOrderAndSkipNonStops) {
    auto* form = new TTabForm(Application);
    form->Show();
    Pump();
    Key(ui::VK_TAB, '\t');
    EXPECT_TRUE(form->CheckBox1->Focused());
    Key(ui::VK_TAB, '\t');
    EXPECT_TRUE(form->Edit3->Focused());
    Key(ui::VK_TAB, '\t');
    EXPECT_TRUE(form->Edit1->Focused());  // round again; the button is no tab stop
    Chord(ui::VK_SHIFT, ui::VK_TAB, '\t');
    EXPECT_TRUE(form->Edit3->Focused());
    form->Free();
}

TEST_F(TabOrder, DisabledAndHiddenControlsAreSkipped) {
    auto* form = new TTabForm(Application);
    form->Show();
    Pump();
    form->CheckBox1->SetEnabled(false);
    Key(ui::VK_TAB, '\t');
    EXPECT_TRUE(form->Edit3->Focused());
    form->Edit1->Hide();
    Key(ui::VK_TAB, '\t');
    EXPECT_TRUE(form->Edit3->Focused());
    form->Free();
}

TEST_F(TabOrder, EnterAndExitFollowTheFocus) {
    auto* form = new TTabForm(Application);
    TLog log;
    form->Edit1->OnExit = [&](TObject*) { log.push_back("exit1"); };
    form->CheckBox1->OnEnter = [&](TObject*) { log.push_back("enter2"); };
    form->Show();
    Pump();
    Key(ui::VK_TAB, '\t');
    EXPECT_EQ(log, (TLog{"exit1", "enter2"}));
    form->Free();
}

TEST_F(TabOrder, ALabelAcceleratorFocusesItsControl) {
    auto* form = new TTabForm(Application);
    form->Show();
    Pump();
    Chord(ui::VK_MENU, 'T', 't');
    EXPECT_TRUE(form->Edit3->Focused());
    form->Free();
}

}  // namespace

namespace {

// A worker thread hands work to the main thread while the application's
// loop runs; the loop carries it out.
class TWorker : public rtl::TThread {
public:
    std::atomic<bool> Ran{false};
    bool OnMain = false;

protected:
    void Execute() override {
        Synchronize([this] { OnMain = rtl::IsMainThread(); });
        Ran = true;
    }
};

using ApplicationLoop = FormTest;

TEST_F(ApplicationLoop, ThreadHandOversRunWhileTheLoopRuns) {
    TWorker worker;
    worker.Start();
    for (int i = 0; i < 500 && !worker.Ran; ++i) {
        Pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    worker.WaitFor();
    EXPECT_TRUE(worker.Ran);
    EXPECT_TRUE(worker.OnMain);
}

TEST_F(ApplicationLoop, TimersTickWithTheClock) {
    TTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(250);
    timer.OnTimer = [&](TObject*) { ++ticks; };
    timer.SetOnTimer(timer.OnTimer);
    ui::headless::AdvanceClock(1000);
    Pump();
    EXPECT_EQ(ticks, 4);
    timer.SetEnabled(false);
    ui::headless::AdvanceClock(1000);
    Pump();
    EXPECT_EQ(ticks, 4);
}

}  // namespace
