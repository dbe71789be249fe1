// The message form and the default error handler: what a box shows, how
// it closes, and that the program goes on after an error.
#include "VclTest.h"
#include "rtl/Exceptions.h"
#include "ui/MessageLoop.h"
#include "ui/Metrics.h"
#include "ui/NonClient.h"
#include "ui/Tree.h"
#include "ui/Window.h"
#include "ui/WindowPos.h"
#include "vcl/TButton.h"
#include "vcl/TImage.h"
#include "vcl/TLabel.h"
#include "vcl/TMessageForm.h"
#include "vcl/VclExceptions.h"

using namespace vcl;

namespace {

struct TSeenBox {
    std::string Text;
    std::string Caption;
    std::string ClassName;
    bool HasIcon = false;
    bool Visible = false;
    std::vector<std::string> Buttons;
};

// Records each box the hook sees and answers it as `answer` says.
class MessageBoxes : public vcltest::TVclTest {
protected:
    void Answer(std::function<void(TMessageForm&)> answer) {
        SetMessageBoxHook([this, answer](TMessageForm& box) {
            TSeenBox seen;
            seen.Text = box.Text();
            seen.Caption = box.Caption();
            seen.ClassName = box.ClassName();
            seen.HasIcon = box.FindComponent("Image") != nullptr;
            seen.Visible = ui::IsWindowVisible(box.Handle());
            for (int i = 0; i < box.ComponentCount(); ++i)
                if (auto* b = dynamic_cast<TButton*>(box.Components(i))) seen.Buttons.push_back(b->Name());
            Seen.push_back(seen);
            answer(box);
        });
    }
    std::vector<TSeenBox> Seen;
};

TEST_F(MessageBoxes, ShowMessageHasTheTitleAsCaptionAnOkButtonAndNoIcon) {
    Answer([](TMessageForm& box) { box.SetModalResult(mrOk); });
    ShowMessage("Done.");
    ASSERT_EQ(Seen.size(), 1u);
    EXPECT_EQ(Seen[0].Text, "Done.");
    EXPECT_EQ(Seen[0].Caption, "Kestrune");
    EXPECT_EQ(Seen[0].ClassName, "TMessageForm");
    EXPECT_FALSE(Seen[0].HasIcon);
    EXPECT_TRUE(Seen[0].Visible);
    EXPECT_EQ(Seen[0].Buttons, std::vector<std::string>{"OK"});
}

TEST_F(MessageBoxes, EnterClosesIt) {
    Answer([](TMessageForm&) { ui::headless::KeyPress(ui::VK_RETURN, '\r'); });
    EXPECT_EQ(MessageDlg("Go on?", mtInformation, mbOK), mrOk);
    EXPECT_EQ(Seen.size(), 1u);
}

TEST_F(MessageBoxes, EscapeClosesItToo) {
    Answer([](TMessageForm&) { ui::headless::KeyPress(ui::VK_ESCAPE, 27); });
    EXPECT_EQ(MessageDlg("Go on?", mtInformation, mbOK), mrOk);
}

TEST_F(MessageBoxes, EscapeAnswersCancelWhenThereIsACancelButton) {
    Answer([](TMessageForm&) { ui::headless::KeyPress(ui::VK_ESCAPE, 27); });
    EXPECT_EQ(MessageDlg("Really?", mtConfirmation, mbOK | mbCancel), mrCancel);
    EXPECT_EQ(Seen[0].Caption, "Confirmation");
    EXPECT_EQ(Seen[0].Buttons, (std::vector<std::string>{"OK", "Cancel"}));
}

TEST_F(MessageBoxes, TheBoxIsCentredAndTheTextFitsBesideTheIcon) {
    Answer([](TMessageForm& box) {
        const ui::TRect r = ui::GetWindowRect(box.Handle());
        EXPECT_NEAR(r.Left + r.Width() / 2, 512, 1);
        EXPECT_NEAR(r.Top + r.Height() / 2, 384, 1);
        const TControl* image = dynamic_cast<TControl*>(box.FindComponent("Image"));
        const TLabel* message = box.Message();
        ASSERT_TRUE(image && message);
        EXPECT_GE(message->Left(), image->Left() + image->Width());
        EXPECT_LE(message->Left() + message->Width(), box.ClientWidth());
        box.SetModalResult(mrOk);
    });
    Application->MessageBox("A longer text that still fits on one line", "Caption", MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(Seen[0].Caption, "Caption");
}

// The skinned frame writes a dialog's caption from the border, the 16-pixel
// title icon and 4 pixels to 12 pixels before the title buttons; the
// internal skin has no left margin and no CAPTION section, a right margin of
// 3 and a small close button 19 wide. The plain frame needs less.
TEST_F(MessageBoxes, TheWholeCaptionShowsInThePlainAndTheSkinnedFrameUpToTheScreenWidth) {
    const std::string longTitle(200, 'W');
    for (const std::string& title : {std::string("Kestrune YouTube Converter 2.8"), std::string("K"), longTitle}) {
        Application->SetTitle(title);
        int windowWidth = 0, captionWidth = 0, plainTextWidth = 0;
        Answer([&](TMessageForm& box) {
            windowWidth = ui::GetWindowRect(box.Handle()).Width();
            gfx::TBitmap scratch(1, 1);
            scratch.Canvas().Font = ui::GetNonClientMetrics().CaptionFont;
            captionWidth = scratch.Canvas().TextWidth(box.Caption());
            plainTextWidth = ui::CaptionLayout(*ui::Win(box.Handle())).Text.Width();
            box.SetModalResult(mrOk);
        });
        ShowMessage("Done.");
        const int b = ui::GetSystemMetrics(ui::SM_CXDLGFRAME);
        const int skinnedTextWidth = (windowWidth - (3 + 19) - 12) - (b + 16 + 0 + 4);
        if (title == longTitle) {
            EXPECT_EQ(windowWidth, 1024);
        } else {
            EXPECT_GE(skinnedTextWidth, captionWidth) << title;
            EXPECT_GE(plainTextWidth, captionWidth) << title;
        }
    }
    EXPECT_EQ(Seen[0].Caption, "Kestrune YouTube Converter 2.8");
}

TEST_F(MessageBoxes, MessageBoxFlagsChooseButtonsAndAnswers) {
    Answer([](TMessageForm& box) { box.SetModalResult(mrNo); });
    EXPECT_EQ(Application->MessageBox("Replace?", "Question", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(Seen[0].Buttons, (std::vector<std::string>{"Yes", "No"}));
    EXPECT_TRUE(Seen[0].HasIcon);
}

// --- the default error handler

const char* const FaultLayout = R"(
object FaultForm: TFaultForm
  ClientWidth = 200
  ClientHeight = 60
  object Button1: TButton
    Left = 8
    Top = 8
    Caption = 'Fail'
    OnClick = Button1Click
  end
end
)";

class TFaultForm : public TForm {
public:
    explicit TFaultForm(TComponent* owner) : TForm(owner) {
        PublishField("Button1", Button1);
        PublishMethod("Button1Click", &TFaultForm::Button1Click);
        ReadLayout(FaultLayout);
    }
    void Button1Click(TObject*) {
        ++Clicks;
        throw rtl::Exception(Error);
    }
    TButton* Button1 = nullptr;
    int Clicks = 0;
    std::string Error = "The settings file is broken";
};

using DefaultErrorHandler = MessageBoxes;

TEST_F(DefaultErrorHandler, ShowsTheErrorWithAFullStopTheTitleAndAStopIconThenGoesOn) {
    Answer([](TMessageForm& box) { box.SetModalResult(mrOk); });
    auto* form = new TFaultForm(Application);
    form->Show();
    Pump();
    ClickAt(form->Button1, 5, 5);
    ASSERT_EQ(Seen.size(), 1u);
    EXPECT_EQ(Seen[0].Text, "The settings file is broken.");
    EXPECT_EQ(Seen[0].Caption, "Kestrune");
    EXPECT_TRUE(Seen[0].HasIcon);
    EXPECT_EQ(Seen[0].Buttons, std::vector<std::string>{"OK"});
    // The program goes on: the form still works.
    ClickAt(form->Button1, 5, 5);
    EXPECT_EQ(form->Clicks, 2);
    EXPECT_EQ(Seen.size(), 2u);
    EXPECT_TRUE(form->Visible());
    form->Free();
}

TEST_F(DefaultErrorHandler, EveryTextEndsInOneFullStop) {
    Answer([](TMessageForm& box) { box.SetModalResult(mrOk); });
    const struct {
        const char* Error;
        const char* Shown;
    } cases[] = {
        {"Bad value.", "Bad value."},
        {"'x' is not a valid integer value", "'x' is not a valid integer value."},
        {"List index out of bounds (3)", "List index out of bounds (3)."},
        {"Cant open 'set.txt'", "Cant open 'set.txt'."},
        {"Stopped!", "Stopped!."},
        {"Path /tmp/", "Path /tmp/."},
        {"Wait...", "Wait..."},
        {"", "."},
    };
    for (const auto& c : cases) Application->ShowException(rtl::Exception(c.Error));
    ASSERT_EQ(Seen.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(Seen[i].Text, cases[i].Shown) << cases[i].Error;
}

TEST_F(DefaultErrorHandler, AbortPassesSilently) {
    Answer([](TMessageForm& box) { box.SetModalResult(mrOk); });
    try {
        throw EAbort();
    } catch (...) {
        Application->HandleException(nullptr);
    }
    EXPECT_TRUE(Seen.empty());
}

TEST_F(DefaultErrorHandler, OnExceptionReplacesTheBox) {
    std::string caught;
    Application->OnException = [&](TObject*, const std::exception& e) { caught = e.what(); };
    auto* form = new TFaultForm(Application);
    form->Show();
    Pump();
    ClickAt(form->Button1, 5, 5);
    EXPECT_EQ(caught, "The settings file is broken");
    EXPECT_TRUE(Seen.empty());
    form->Free();
}

TEST_F(DefaultErrorHandler, ErrorsInTimerHandlersAreShownToo) {
    Answer([](TMessageForm& box) { box.SetModalResult(mrOk); });
    auto* form = new TFaultForm(Application);
    form->Show();
    Pump();
    ui::UINT_PTR id = 0;
    id = ui::SetTimer(nullptr, 0, 50, [&](ui::HWND, ui::UINT, ui::UINT_PTR, ui::DWORD) {
        ui::KillTimer(nullptr, id);
        try {
            throw rtl::Exception("Tick failed");
        } catch (...) {
            Application->HandleException(nullptr);
        }
    });
    ui::headless::AdvanceClock(60);
    Pump();
    ASSERT_EQ(Seen.size(), 1u);
    EXPECT_EQ(Seen[0].Text, "Tick failed.");
    form->Free();
}

}  // namespace
