#pragma once
// The framework's own messages and the button and edit messages of the
// standard controls, with the numbers the Win32 framework gives them, and the
// message record every window procedure of a control takes.
#include "ui/Messages.h"

namespace vcl {

using ui::LPARAM;
using ui::LRESULT;
using ui::UINT;
using ui::WPARAM;

// One message on its way through a control's window procedure.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Component messages: notifications between controls that never leave the
// framework.
enum : UINT {
    CM_BASE = 0xB000,
    CM_ACTIVATE = CM_BASE + 0,
    CM_DEACTIVATE = CM_BASE + 1,
    CM_DIALOGKEY = CM_BASE + 5,
    CM_DIALOGCHAR = CM_BASE + 6,
    CM_FOCUSCHANGED = CM_BASE + 7,  // LParam: the control that got the focus
    CM_PARENTFONTCHANGED = CM_BASE + 8,
    CM_PARENTCOLORCHANGED = CM_BASE + 9,
    CM_HITTEST = CM_BASE + 10,
    CM_VISIBLECHANGED = CM_BASE + 11,  // WParam: the new visibility
    CM_ENABLEDCHANGED = CM_BASE + 12,
    CM_COLORCHANGED = CM_BASE + 13,
    CM_FONTCHANGED = CM_BASE + 14,
    CM_CURSORCHANGED = CM_BASE + 15,
    CM_CTL3DCHANGED = CM_BASE + 16,
    CM_TEXTCHANGED = CM_BASE + 18,
    CM_MOUSEENTER = CM_BASE + 19,  // LParam: 0 for the control itself, else the child entered
    CM_MOUSELEAVE = CM_BASE + 20,  // LParam: likewise
    CM_BUTTONPRESSED = CM_BASE + 24,
    CM_SHOWINGCHANGED = CM_BASE + 25,
    CM_ENTER = CM_BASE + 26,
    CM_EXIT = CM_BASE + 27,
    CM_WANTSPECIALKEY = CM_BASE + 30,
    CM_RELEASE = CM_BASE + 33,
    CM_TABSTOPCHANGED = CM_BASE + 40,
    CM_CONTROLLISTCHANGE = CM_BASE + 44,
    CM_CHILDKEY = CM_BASE + 46,
    CM_CONTROLCHANGE = CM_BASE + 54,
    CM_BORDERCHANGED = CM_BASE + 59,
};

// Control notifications: a message the window system sent to a window,
// reflected to the control that owns it (CN_BASE + the message).
enum : UINT {
    CN_BASE = 0xBC00,
    CN_KEYDOWN = CN_BASE + ui::WM_KEYDOWN,
    CN_KEYUP = CN_BASE + ui::WM_KEYUP,
    CN_CHAR = CN_BASE + ui::WM_CHAR,
    CN_SYSKEYDOWN = CN_BASE + ui::WM_SYSKEYDOWN,
    CN_SYSCHAR = CN_BASE + ui::WM_SYSCHAR,
};

// Push buttons, check boxes and radio buttons.
enum : UINT {
    BM_GETCHECK = 0x00F0,
    BM_SETCHECK = 0x00F1,
    BM_GETSTATE = 0x00F2,
    BM_SETSTYLE = 0x00F4,
};
enum : WPARAM { BST_UNCHECKED = 0, BST_CHECKED = 1, BST_INDETERMINATE = 2, BST_PUSHED = 4, BST_FOCUS = 8 };
enum : ui::DWORD {
    BS_PUSHBUTTON = 0x0,
    BS_DEFPUSHBUTTON = 0x1,
    BS_CHECKBOX = 0x2,
    BS_AUTOCHECKBOX = 0x3,
    BS_RADIOBUTTON = 0x4,
    BS_3STATE = 0x5,
    BS_AUTORADIOBUTTON = 0x9,
    BS_TYPEMASK = 0xF,
    BS_LEFTTEXT = 0x20,
    BS_MULTILINE = 0x2000,
};

// Single-line edits.
enum : UINT {
    EM_GETSEL = 0x00B0,
    EM_SETSEL = 0x00B1,
    EM_GETRECT = 0x00B2,
    EM_SETRECT = 0x00B3,
    EM_CANUNDO = 0x00C6,
    EM_LIMITTEXT = 0x00C5,
    EM_SETREADONLY = 0x00CF,
    EM_EMPTYUNDOBUFFER = 0x00CD,
    EM_REPLACESEL = 0x00C2,
    EM_GETMODIFY = 0x00B8,
    EM_SETMODIFY = 0x00B9,
};
enum : ui::DWORD { ES_LEFT = 0x0, ES_CENTER = 0x1, ES_RIGHT = 0x2, ES_PASSWORD = 0x20, ES_AUTOHSCROLL = 0x80,
                   ES_READONLY = 0x800 };

}  // namespace vcl
