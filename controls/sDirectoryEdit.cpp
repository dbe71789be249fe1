#include "controls/sDirectoryEdit.h"

#include <unistd.h>

#include <memory>

#include "controls/sEditButton.h"
#include "controls/sPathDialog.h"
#include "controls/sShellTreeView.h"
#include "os/FileSystem.h"
#include "rtl/Exceptions.h"
#include "skin/sControlKinds.h"
#include "skin/sSkinCommands.h"
#include "ui/Paint.h"
#include "vcl/TApplication.h"
#include "vcl/TClassBuilder.h"

namespace controls {

namespace {

// The dialog is shown through the one global reference and goes before the
// text is assigned, whichever way the action ends.
class TDialogInUse {
public:
    TDialogInUse() : FDialog(new TPathDialogForm(vcl::Application)) { PathDialogForm = FDialog.get(); }
    ~TDialogInUse() { PathDialogForm = nullptr; }
    TDialogInUse(const TDialogInUse&) = delete;
    TDialogInUse& operator=(const TDialogInUse&) = delete;
    TPathDialogForm& operator*() const { return *FDialog; }
    TPathDialogForm* operator->() const { return FDialog.get(); }

private:
    std::unique_ptr<TPathDialogForm> FDialog;
};

}  // namespace

const vcl::TClassInfo& TsDirectoryEdit::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TsDirectoryEdit>("TsDirectoryEdit", TsEdit::StaticClass())
            .Creatable()
            .Bool("DirectInput", &TsDirectoryEdit::SetDirectInput)
            .Bool("ReadOnly", &TsDirectoryEdit::SetReadOnly)
            .Bool("ShowButton", &TsDirectoryEdit::SetShowButton)
            .Int("ClickKey", &TsDirectoryEdit::SetClickKey)
            .Object("GlyphMode", &TsDirectoryEdit::GlyphMode)
            .String("InitialDir", &TsDirectoryEdit::SetInitialDir)
            .Set("DialogOptions", &TsDirectoryEdit::SetDialogOptions,
                 {{"sdAllowCreate", sdAllowCreate}, {"sdPerformCreate", sdPerformCreate}, {"sdPrompt", sdPrompt}})
            .String("DialogText", &TsDirectoryEdit::SetDialogText)
            .String("Root", &TsDirectoryEdit::SetRoot)
            .Bool("NoChangeDir", &TsDirectoryEdit::SetNoChangeDir)
            .Bool("ShowRootBtns", &TsDirectoryEdit::SetShowRootBtns)
            .Event("OnButtonClick", &TsDirectoryEdit::SetOnButtonClick)
            .Event("OnBeforeDialog", &TsDirectoryEdit::SetOnBeforeDialog)
            .Event("OnAfterDialog", &TsDirectoryEdit::SetOnAfterDialog)
            .Build();
    return info;
}

TsDirectoryEdit::TsDirectoryEdit(vcl::TComponent* owner) : TsEdit(owner) {
    SkinData().ControlKind = skin::ckDirectoryEdit;
    SetMaxLength(255);
    FButton = new TsEditButton(this);
    FButton->SetParent(this);
    FButton->SetOnClick([this](vcl::TObject*) { ButtonClick(); });
}

TsGlyphMode& TsDirectoryEdit::GlyphMode() { return FButton->GlyphMode(); }

void TsDirectoryEdit::SetDirectInput(bool value) {
    FDirectInput = value;
    UpdateEditReadOnly();
}

void TsDirectoryEdit::SetReadOnly(bool value) {
    FReadOnly = value;
    UpdateEditReadOnly();
}

void TsDirectoryEdit::UpdateEditReadOnly() { TsEdit::SetReadOnly(FReadOnly || !FDirectInput); }

void TsDirectoryEdit::SetShowButton(bool value) {
    FShowButton = value;
    FButton->SetVisible(value);
    SetTextArea();
}

void TsDirectoryEdit::CreateWnd() {
    TsEdit::CreateWnd();
    SetTextArea();
}

void TsDirectoryEdit::Loaded() {
    TsEdit::Loaded();
    SetTextArea();
}

// The button stands at the right end of the client area, as tall as it.
void TsDirectoryEdit::SetTextArea() {
    if (!HandleAllocated()) return;
    const int w = FButton->Width();
    if (FButton->Left() != ClientWidth() - w || FButton->Height() != ClientHeight())
        FButton->SetBounds(ClientWidth() - w, 0, w, ClientHeight());
    vcl::TRect r;
    Perform(vcl::EM_GETRECT, 0, ui::LPARAM(&r));
    const int right = ClientWidth() - (FShowButton ? FButton->Width() : 0);
    if (r.Right == right) return;
    r.Right = right;
    Perform(vcl::EM_SETRECT, 0, ui::LPARAM(&r));
}

void TsDirectoryEdit::ButtonClick() {
    if (FReadOnly) return;
    if (OnButtonClick) OnButtonClick(this);
    std::string name = Text();
    bool go = true;
    if (OnBeforeDialog) OnBeforeDialog(this, name, go);
    if (!go) return;
    if (name.empty()) name = FInitialDir;
    if (!os::DirectoryExists(name))
        name.clear();
    else if (!FNoChangeDir && ::chdir(name.c_str()) != 0)
        throw rtl::Exception("Cannot make " + name + " the current folder");
    {
        const TDialogInUse dialog;
        dialog->SetTexts();
        dialog->SetCreateVisible(FDialogOptions & sdAllowCreate);
        if (FShowRootBtns) dialog->ShowRootButtons();
        dialog->FixAnchors();
        dialog->SetTreeLabel(FDialogText);
        dialog->sShellTreeView1->SetRoot(FRoot);
        if (!name.empty()) dialog->sShellTreeView1->SetPath(name);
        if (dialog->ShowModal() == vcl::mrOk) {
            name = dialog->sShellTreeView1->Path();
            if (!name.empty() && os::DirectoryExists(name)) FInitialDir = name;
        }
    }
    if (OnAfterDialog) OnAfterDialog(this, name, go);
    if (go) SetText(name);
}

// The click key works only while the button has something to show, as a
// button without a picture is no button to press.
void TsDirectoryEdit::KeyDown(vcl::WORD& key, vcl::TShiftState shift) {
    if (FClickKey != vcl::scNone && vcl::ShortCut(key, shift) == FClickKey && FButton->HasPicture()) {
        key = 0;
        ButtonClick();
        return;
    }
    TsEdit::KeyDown(key, shift);
}

// The skinned edit copies its picture around the button; the button's own
// picture goes in afterwards, so that the two never flicker over each other.
void TsDirectoryEdit::PaintButton() {
    if (!FButton->Visible() || !SkinData().IsSkinned() || (Enabled() && SkinData().IsHot())) return;
    if (ui::HDC dc = ui::GetDC(FHandle)) {
        PaintControls(dc, nullptr);
        ui::ReleaseDC(FHandle, dc);
    }
}

void TsDirectoryEdit::WndProc(vcl::TMessage& message) {
    TsEdit::WndProc(message);
    if (!HandleAllocated()) return;
    switch (message.Msg) {
        case ui::WM_PAINT:
            if (message.WParam == 0) PaintButton();
            break;
        case ui::WM_PRINTCLIENT:
            if (auto* dc = reinterpret_cast<gfx::TCanvas*>(message.WParam); dc && SkinData().IsSkinned())
                PaintControls(dc, nullptr);
            break;
        case vcl::CM_ENABLEDCHANGED: FButton->SetEnabled(Enabled()); break;
        case ui::WM_SIZE:
        case vcl::CM_FONTCHANGED:
        case ui::WM_KEYDOWN:
        case ui::WM_LBUTTONDOWN:
        case ui::WM_RBUTTONDOWN: SetTextArea(); break;
        case skin::SKIN_COMMAND_MESSAGE:
            if (skin::SkinCommandOf(message.WParam) == skin::SKC_REFRESH) SetTextArea();
            break;
        default: break;
    }
}

}  // namespace controls
