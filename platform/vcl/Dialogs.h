#pragma once
// Message boxes built as forms of class TMessageForm: a text, an icon of the
// kind, buttons, the application title or a given caption; modal, with the
// default button on Enter and the cancel button on Escape.
//
// A program without a user (the headless converter) installs a message box
// hook: it sees every box once the box is shown and may read its text and
// press a button by setting the form's ModalResult.
#include <functional>
#include <string>

namespace vcl {

class TMessageForm;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : unsigned {
    mbYes = 0x1,
    mbNo = 0x2,
    mbOK = 0x4,
    mbCancel = 0x8,
    mbAbort = 0x10,
    mbRetry = 0x20,
    mbIgnore = 0x40,
};
using TMsgDlgButtons = unsigned;

// Makes the box (not shown); the caller owns it.
TMessageForm* CreateMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);
// Shows the box modally and returns the modal result of the button pressed.
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);
// The plain box: the text, an OK button, the application title as caption.
void ShowMessage(const std::string& text);
// For TApplication::MessageBox: caption and MB_ flags; returns an ID_ value.
int MessageBoxForm(const std::string& text, const std::string& caption, unsigned flags);

using TMessageBoxHook = std::function<void(TMessageForm& box)>;
// Returns the hook it replaces.
TMessageBoxHook SetMessageBoxHook(TMessageBoxHook hook);

}  // namespace vcl
