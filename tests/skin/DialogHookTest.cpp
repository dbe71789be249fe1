// The default manager's hook on window creation and activation: which windows
// it hands to the frame layer's adapter, and what it frees again.
#include <memory>

#include "ManagerTestKit.h"
#include "resources/InternalSkin.h"
#include "skin/sDialogHook.h"
#include "skin/sWindowAdapter.h"
#include "ui/DefWindowProc.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"
#include "ui/WindowPos.h"
#include "vcl/Dialogs.h"
#include "vcl/TApplication.h"

namespace {

using namespace skin;
using namespace managertest;
using TNotes = std::vector<std::string>;

class TNotedProvider : public TacProvider {
public:
    TNotedProvider(TNotes& notes, std::string what) : FNotes(notes), FWhat(std::move(what)) {}
    ~TNotedProvider() override { FNotes.push_back("free " + FWhat); }

private:
    TNotes& FNotes;
    std::string FWhat;
};

class TNotingAdapter : public TsWindowAdapter {
public:
    std::unique_ptr<TacProvider> AdaptForm(vcl::TCustomForm& form) override { return Note("form " + form.ClassName()); }
    std::unique_ptr<TacProvider> AdaptDialog(ui::HWND dialog) override {
        Dialogs.push_back(dialog);
        return Note("dialog");
    }
    std::unique_ptr<TacProvider> AdaptMenuWindow(ui::HWND) override { return Note("menu"); }

    TNotes Notes;
    std::vector<ui::HWND> Dialogs;

private:
    std::unique_ptr<TacProvider> Note(const std::string& what) {
        Notes.push_back(what);
        return std::make_unique<TNotedProvider>(Notes, what);
    }
};

class DialogHook : public ManagerTest {
protected:
    void SetUp() override {
        ManagerTest::SetUp();
        SetWindowAdapter(&Adapter);
        Manager = &NewManager();
        Manager->SetSkinName(std::string(resources::InternalSkinName));
    }
    void TearDown() override {
        for (ui::HWND window : Windows) ui::DestroyWindow(window);
        ManagerTest::TearDown();
    }

    ui::HWND Dialog(const std::string& title, ui::DWORD style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_VISIBLE) {
        Windows.push_back(ui::CreateWindowEx(0, ui::DialogClassName, title, style, 10, 10, 100, 80, nullptr, 0));
        return Windows.back();
    }

    class TPlainForm : public vcl::TForm {
    public:
        using TForm::TForm;
        static const vcl::TClassInfo& StaticClass() {
            static const vcl::TClassInfo info{"TPlainForm", &vcl::TForm::StaticClass(), {}, {}};
            return info;
        }
        const vcl::TClassInfo& ClassType() const override { return StaticClass(); }
    };

    TNotingAdapter Adapter;
    TsSkinManager* Manager = nullptr;
    std::vector<ui::HWND> Windows;
};

TEST_F(DialogHook, IsInPlaceWhileTheDefaultManagerHasItsSkinApplied) {
    EXPECT_TRUE(DialogHookInstalled());
    Manager->SetActive(false);
    EXPECT_FALSE(DialogHookInstalled());
    Manager->SetActive(true);
    EXPECT_TRUE(DialogHookInstalled());
}

TEST_F(DialogHook, FormWithoutProviderIsAdaptedWhenFirstActivated) {
    auto* form = new TPlainForm(vcl::Application);
    form->Show();
    form->Hide();
    form->Show();
    EXPECT_EQ(Adapter.Notes, TNotes{"form TPlainForm"});
}

TEST_F(DialogHook, FormsThatAskNotToBeSkinnedAreLeftAlone) {
    for (int tag : {-98, -97, -66, -33, -1}) {
        auto* form = new TPlainForm(vcl::Application);
        form->SetTag(tag);
        form->Show();
    }
    auto* skinned = new TProbeForm("Skinned", true);
    skinned->Show();
    EXPECT_EQ(Adapter.Notes, TNotes{});
    auto* tagged = new TPlainForm(vcl::Application);
    tagged->SetTag(-96);  // a bit outside the ignored ones
    tagged->Show();
    EXPECT_EQ(Adapter.Notes, TNotes{"form TPlainForm"});
}

TEST_F(DialogHook, MessageBoxesFollowTheRuleForStandardDialogs) {
    Manager->SetSkinningRules(srStdForms);
    vcl::ShowMessage("One");
    EXPECT_EQ(Adapter.Notes, TNotes{});
    Manager->SetSkinningRules(srStdForms | srStdDialogs);
    vcl::ShowMessage("Two");
    EXPECT_EQ(Adapter.Notes, (TNotes{"form TMessageForm", "free form TMessageForm"}));
}

TEST_F(DialogHook, PlatformDialogsAreAdaptedWhileAtMostOneIsVisible) {
    const ui::HWND first = Dialog("First");
    const ui::HWND second = Dialog("Second");
    Dialog("Third");
    Dialog("Child", ui::WS_CHILD | ui::WS_CAPTION);
    EXPECT_EQ(Adapter.Dialogs, (std::vector<ui::HWND>{first, second}));

    // A dialog with a tool bar is adapted however many are visible.
    ui::TWndClass toolbar;
    toolbar.ClassName = "ToolbarWindow32";
    toolbar.WndProc = ui::DefWindowProc;
    ui::RegisterClass(toolbar);
    const ui::HWND withTools = Dialog("Tools", ui::WS_POPUP | ui::WS_CAPTION);
    ui::CreateWindowEx(0, "ToolbarWindow32", "", ui::WS_CHILD, 0, 0, 10, 10, withTools, 1);
    ui::ShowWindow(withTools, ui::SW_SHOW);
    EXPECT_EQ(Adapter.Dialogs.back(), withTools);
}

TEST_F(DialogHook, AdaptedDialogsHearTheManagersBroadcasts) {
    struct TRecorder {
        std::vector<int> Commands;
        ui::TWndProc Previous;
        ui::LRESULT Proc(ui::HWND h, ui::UINT m, ui::WPARAM w, ui::LPARAM l) {
            if (m == SKIN_COMMAND_MESSAGE && SkinCommandOf(w) != SKC_IS_SKINNED) Commands.push_back(SkinCommandOf(w));
            return ui::CallWindowProc(Previous, h, m, w, l);
        }
    } recorder;
    const ui::HWND dialog = Dialog("Dialog");
    recorder.Previous = ui::SetWindowProc(dialog, ui::TWndProc::Method<TRecorder, &TRecorder::Proc>(&recorder));
    Manager->RepaintAll(false);
    EXPECT_EQ(recorder.Commands, (std::vector<int>{SKC_PREPARE_REFRESH, SKC_REFRESH}));
    ui::DestroyWindow(dialog);  // while the recorder still exists
    std::erase(Windows, dialog);
}

TEST_F(DialogHook, MenuWindowsAreAdaptedWhilePopupsAreSkinned) {
    Windows.push_back(
        ui::CreateWindowEx(ui::WS_EX_TOOLWINDOW, ui::MenuClassName, "", ui::WS_POPUP, 0, 0, 50, 50, nullptr, 0));
    Manager->SetSkinnedPopups(false);
    Windows.push_back(
        ui::CreateWindowEx(ui::WS_EX_TOOLWINDOW, ui::MenuClassName, "", ui::WS_POPUP, 0, 0, 50, 50, nullptr, 0));
    EXPECT_EQ(Adapter.Notes, TNotes{"menu"});
}

TEST_F(DialogHook, WhatWasMadeGoesWithItsWindowOrWithTheSkin) {
    const ui::HWND first = Dialog("First");
    Dialog("Second");
    Windows.push_back(ui::CreateWindowEx(0, ui::MenuClassName, "", ui::WS_POPUP, 0, 0, 50, 50, nullptr, 0));
    ui::DestroyWindow(first);
    std::erase(Windows, first);
    EXPECT_EQ(Adapter.Notes.back(), "free dialog");
    Adapter.Notes.clear();
    Manager->SetActive(false);
    EXPECT_EQ(Adapter.Notes, (TNotes{"free menu", "free dialog"}));
}

TEST_F(DialogHook, AnyManagerRemovingItsSkinTakesTheHookOff) {
    TsSkinManager& other = NewManager();
    other.SetSkinName(std::string(resources::InternalSkinName));
    Dialog("Adapted");
    Windows.push_back(ui::CreateWindowEx(0, ui::MenuClassName, "", ui::WS_POPUP, 0, 0, 50, 50, nullptr, 0));
    Adapter.Notes.clear();
    other.SetActive(false);
    EXPECT_FALSE(DialogHookInstalled());
    EXPECT_EQ(Adapter.Notes, (TNotes{"free menu", "free dialog"}));
    // The default manager puts it back with its next skin.
    Manager->SetSkinName(std::string(resources::InternalSkinName));
    EXPECT_TRUE(DialogHookInstalled());
}

TEST_F(DialogHook, WithoutAnAdapterNothingIsAdaptedAndEachWindowOnlyOnce) {
    SetWindowAdapter(nullptr);
    Dialog("Unseen");
    SetWindowAdapter(&Adapter);
    AdaptWindow(Windows.back());
    EXPECT_EQ(Adapter.Dialogs, std::vector<ui::HWND>{Windows.back()});
    AdaptWindow(Windows.back());  // once only
    EXPECT_EQ(Adapter.Notes.size(), 1u);
}

}  // namespace
