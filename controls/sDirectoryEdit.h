#pragma once
// The directory edit: a skinned edit holding a folder path, with a small
// button inside its right end that opens the folder dialog. The folder
// chosen there becomes the text and raises the change event. With
// DirectInput false nothing can be typed, pasted or cut: the folder changes
// only through the button (or its key) and the program.
#include <functional>
#include <string>

#include "controls/sEdit.h"
#include "vcl/ShortCuts.h"

namespace controls {

class TsEditButton;
class TsGlyphMode;

// DialogOptions bits: sdAllowCreate shows the dialog's Create button.
enum TsDialogOption : unsigned { sdAllowCreate = 1, sdPerformCreate = 2, sdPrompt = 4 };
// Sender, the path going in or coming out, and whether to go on.
using TsDirDialogEvent = std::function<void(vcl::TObject* sender, std::string& path, bool& go)>;

class TsDirectoryEdit : public TsEdit {
public:
    explicit TsDirectoryEdit(vcl::TComponent* owner);

    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // --- published
    bool DirectInput() const { return FDirectInput; }
    void SetDirectInput(bool value);
    // Also keeps the button from doing anything.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    bool ShowButton() const { return FShowButton; }
    void SetShowButton(bool value);
    vcl::TShortCut ClickKey() const { return FClickKey; }
    void SetClickKey(vcl::TShortCut value) { FClickKey = value; }
    TsGlyphMode& GlyphMode();
    const std::string& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string& value) { FInitialDir = value; }
    unsigned DialogOptions() const { return FDialogOptions; }
    void SetDialogOptions(unsigned value) { FDialogOptions = value; }
    const std::string& DialogText() const { return FDialogText; }
    void SetDialogText(const std::string& value) { FDialogText = value; }
    const std::string& Root() const { return FRoot; }
    void SetRoot(const std::string& value) { FRoot = value; }
    bool NoChangeDir() const { return FNoChangeDir; }
    void SetNoChangeDir(bool value) { FNoChangeDir = value; }
    bool ShowRootBtns() const { return FShowRootBtns; }
    void SetShowRootBtns(bool value) { FShowRootBtns = value; }

    vcl::TNotifyEvent OnButtonClick;
    TsDirDialogEvent OnBeforeDialog;
    TsDirDialogEvent OnAfterDialog;
    void SetOnButtonClick(const vcl::TNotifyEvent& e) { OnButtonClick = e; }
    void SetOnBeforeDialog(const TsDirDialogEvent& e) { OnBeforeDialog = e; }
    void SetOnAfterDialog(const TsDirDialogEvent& e) { OnAfterDialog = e; }

    TsEditButton& Button() const { return *FButton; }
    // What the button does: the folder dialog, and its folder as the text.
    void ButtonClick();
    void WndProc(vcl::TMessage& message) override;
    void Loaded() override;

protected:
    void CreateWnd() override;
    void KeyDown(vcl::WORD& key, vcl::TShiftState shift) override;

private:
    // The text ends where the button begins.
    void SetTextArea();
    void PaintButton();
    void UpdateEditReadOnly();

    TsEditButton* FButton = nullptr;
    bool FDirectInput = true;
    bool FReadOnly = false;
    bool FShowButton = true;
    vcl::TShortCut FClickKey = vcl::scAlt | 0x28;
    std::string FInitialDir;
    unsigned FDialogOptions = sdAllowCreate | sdPerformCreate | sdPrompt;
    std::string FDialogText;
    std::string FRoot = "rfDesktop";
    bool FNoChangeDir = false;
    bool FShowRootBtns = false;
};

}  // namespace controls
