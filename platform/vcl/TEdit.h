#pragma once
// The single-line edit: text with a caret and a selection, set by mouse
// (click, drag, double click on a word, Shift+click) and keyboard (arrows,
// Home, End, with Shift to select and Ctrl to move by words), cut, copy and
// paste through the clipboard (Ctrl+X, C, V and Shift+Del, Ctrl+Ins,
// Shift+Ins), undo of the last change (Ctrl+Z), a maximum length, read-only
// mode, a password character, and OnChange after every change of the text
// except while the layout is being read.
//
// The text runs in the formatting rectangle (EM_SETRECT), by default the
// client area less a small margin, scrolling sideways to keep the caret in
// view.
#include <algorithm>
#include <cstdlib>

#include "vcl/TWinControl.h"

namespace vcl {


class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char value);
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }

    // Selection in characters from 0; SelStart is where the caret is not,
    // unless the selection is empty.
    int SelStart() const { return std::min(FAnchor, FCaret); }
    void SetSelStart(int value);
    int SelLength() const { return std::abs(FCaret - FAnchor); }
    void SetSelLength(int value);
    std::string SelText() const;
    void SetSelText(const std::string& text);
    void SelectAll();
    void ClearSelection();
    int CaretPos() const { return FCaret; }

    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    bool CanUndo() const { return FCanUndo; }
    void Undo();
    void Clear() { SetText(""); }

    TNotifyEvent OnChange;
    void SetOnChange(const TNotifyEvent& e) { OnChange = e; }

    void WndProc(TMessage& message) override;

protected:
    virtual void Change();
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(ui::HDC dc) override;
    // The text as shown: password characters in place of the text.
    std::string DisplayText() const;
    // Where the text runs, client coordinates.
    TRect FormattingRect() const;

private:
    // Replaces the selection with `text` as typing or pasting does, within
    // MaxLength; false when nothing changed.
    bool ReplaceSelection(const std::string& text, bool canUndo);
    void SetSelection(int anchor, int caret);
    void MoveCaret(int caret, bool extend);
    int CharFromX(int x);
    int XFromChar(int index);
    void ScrollToCaret();
    void KeyDownEdit(WORD key);
    void CharEdit(char key);
    void MouseEdit(TMessage& message);
    int WordStart(int from) const;
    int WordEnd(int from) const;
    void BlinkCaret(bool restart);
    gfx::TCanvas& MeasureCanvas();

    int FMaxLength = 0;
    bool FReadOnly = false;
    char FPasswordChar = 0;
    bool FAutoSelect = true;
    bool FHideSelection = true;
    TBorderStyle FBorderStyle = bsSingleBorder;
    bool FModified = false;
    int FAnchor = 0;
    int FCaret = 0;
    int FScroll = 0;  // pixels of text scrolled out at the left
    bool FCanUndo = false;
    std::string FUndoText;
    int FUndoAnchor = 0;
    int FUndoCaret = 0;
    bool FCaretShown = false;
    bool FSelecting = false;  // the left button is down in the edit
    bool FHasRect = false;
    TRect FRect;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }
};

}  // namespace vcl
