#include "vcl/TEdit.h"

#include <cctype>

#include "ui/Clipboard.h"
#include "ui/Input.h"
#include "ui/Keys.h"
#include "ui/MessageLoop.h"
#include "ui/Metrics.h"
#include "ui/Styles.h"
#include "vcl/TClassBuilder.h"

namespace vcl {

namespace {

constexpr ui::UINT_PTR CaretTimer = 1;
constexpr int CaretBlinkMs = 530;
constexpr int Margin = 2;

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

}  // namespace

const TClassInfo& TCustomEdit::StaticClass() {
    static const TClassInfo& info =
        TClassBuilder<TCustomEdit>("TCustomEdit", TWinControl::StaticClass())
            .Int("MaxLength", &TCustomEdit::SetMaxLength)
            .Bool("ReadOnly", &TCustomEdit::SetReadOnly)
            .Custom("PasswordChar",
                    [](TCustomEdit& e, const TLayoutValue& v, TLayoutReader&) {
                        const std::string s = ValueToString(v);
                        e.SetPasswordChar(s.empty() ? 0 : s[0]);
                    })
            .Bool("AutoSelect", &TCustomEdit::SetAutoSelect)
            .Bool("HideSelection", &TCustomEdit::SetHideSelection)
            .Enum("BorderStyle", &TCustomEdit::SetBorderStyle, {{"bsNone", bsNoBorder}, {"bsSingle", bsSingleBorder}})
            .Event("OnChange", &TCustomEdit::SetOnChange)
            .Build();
    return info;
}

const TClassInfo& TEdit::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TEdit>("TEdit", TCustomEdit::StaticClass()).Creatable().Build();
    return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    FControlStyle = csClickEvents | csSetCaption | csDoubleClicks | csFixedHeight;
    FWidth = 121;
    FHeight = 21;
    FColor = gfx::clWindow;
    SetTabStop(true);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WindowClass.Cursor = ui::LoadCursor(ui::IDC_IBEAM);
    params.Style |= ES_AUTOHSCROLL;
    if (FReadOnly) params.Style |= ES_READONLY;
    if (FPasswordChar) params.Style |= ES_PASSWORD;
    if (FBorderStyle == bsSingleBorder) {
        if (Ctl3D())
            params.ExStyle |= ui::WS_EX_CLIENTEDGE;
        else
            params.Style |= ui::WS_BORDER;
    }
}

// --- properties

void TCustomEdit::SetMaxLength(int value) { FMaxLength = std::max(value, 0); }

void TCustomEdit::SetReadOnly(bool value) {
    FReadOnly = value;
    Invalidate();
}

void TCustomEdit::SetPasswordChar(char value) {
    if (value == FPasswordChar) return;
    FPasswordChar = value;
    Invalidate();
}

void TCustomEdit::SetHideSelection(bool value) {
    FHideSelection = value;
    Invalidate();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    RecreateWnd();
}

void TCustomEdit::Change() {
    FModified = true;
    if (OnChange) OnChange(this);
}

// --- selection

void TCustomEdit::SetSelection(int anchor, int caret) {
    const int n = int(FText.size());
    FAnchor = std::clamp(anchor, 0, n);
    FCaret = std::clamp(caret, 0, n);
    ScrollToCaret();
    BlinkCaret(true);
    Invalidate();
}

void TCustomEdit::SetSelStart(int value) { SetSelection(value, value); }

void TCustomEdit::SetSelLength(int value) {
    const int start = SelStart();
    SetSelection(start, start + std::max(value, 0));
}

std::string TCustomEdit::SelText() const { return FText.substr(size_t(SelStart()), size_t(SelLength())); }

void TCustomEdit::SetSelText(const std::string& text) { ReplaceSelection(text, true); }

void TCustomEdit::SelectAll() { SetSelection(0, int(FText.size())); }

void TCustomEdit::ClearSelection() {
    if (!FReadOnly) ReplaceSelection("", true);
}

void TCustomEdit::MoveCaret(int caret, bool extend) { SetSelection(extend ? FAnchor : caret, caret); }

bool TCustomEdit::ReplaceSelection(const std::string& text, bool canUndo) {
    std::string insert = text.substr(0, text.find_first_of("\r\n"));
    const int start = SelStart(), length = SelLength();
    if (FMaxLength > 0) {
        const int room = FMaxLength - (int(FText.size()) - length);
        insert.resize(size_t(std::clamp(room, 0, int(insert.size()))));
    }
    if (insert.empty() && length == 0) return false;
    if (canUndo) {
        FUndoText = FText;
        FUndoAnchor = FAnchor;
        FUndoCaret = FCaret;
        FCanUndo = true;
    }
    FText.replace(size_t(start), size_t(length), insert);
    const int caret = start + int(insert.size());
    SetSelection(caret, caret);
    Change();
    return true;
}

// --- clipboard and undo

void TCustomEdit::CopyToClipboard() {
    if (FPasswordChar || SelLength() == 0) return;
    ui::SetClipboardText(SelText());
}

void TCustomEdit::CutToClipboard() {
    if (FReadOnly || FPasswordChar || SelLength() == 0) return;
    CopyToClipboard();
    ReplaceSelection("", true);
}

void TCustomEdit::PasteFromClipboard() {
    if (FReadOnly || !ui::IsClipboardTextAvailable()) return;
    ReplaceSelection(ui::GetClipboardText(), true);
}

// Undo swaps the text with the one before the last change, so a second undo
// brings the change back.
void TCustomEdit::Undo() {
    if (!FCanUndo || FReadOnly) return;
    std::swap(FText, FUndoText);
    const int anchor = FAnchor, caret = FCaret;
    SetSelection(FUndoAnchor, FUndoCaret);
    FUndoAnchor = anchor;
    FUndoCaret = caret;
    Change();
}

// --- geometry

gfx::TCanvas& TCustomEdit::MeasureCanvas() {
    static gfx::TBitmap measure(1, 1);
    gfx::TCanvas& canvas = measure.Canvas();
    canvas.Font = FFont.Handle();
    return canvas;
}

std::string TCustomEdit::DisplayText() const {
    return FPasswordChar ? std::string(FText.size(), FPasswordChar) : FText;
}

TRect TCustomEdit::FormattingRect() const {
    if (FHasRect) return FRect;
    const TRect c = ClientRect();
    return {c.Left + Margin, c.Top, std::max(c.Left + Margin, c.Right - Margin), c.Bottom};
}

int TCustomEdit::XFromChar(int index) {
    const std::string text = DisplayText();
    return FormattingRect().Left - FScroll + MeasureCanvas().TextWidth(text.substr(0, size_t(index)));
}

int TCustomEdit::CharFromX(int x) {
    const std::string text = DisplayText();
    gfx::TCanvas& canvas = MeasureCanvas();
    const int origin = FormattingRect().Left - FScroll;
    int best = 0, bestDistance = std::abs(x - origin);
    for (int i = 1; i <= int(text.size()); ++i) {
        const int distance = std::abs(x - (origin + canvas.TextWidth(text.substr(0, size_t(i)))));
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void TCustomEdit::ScrollToCaret() {
    const TRect r = FormattingRect();
    const std::string text = DisplayText();
    gfx::TCanvas& canvas = MeasureCanvas();
    const int caretX = canvas.TextWidth(text.substr(0, size_t(FCaret)));
    const int width = std::max(r.Width() - 1, 1);
    if (caretX - FScroll > width) FScroll = caretX - width;
    if (caretX < FScroll) FScroll = std::max(0, caretX - width / 3);
    // Text that fits again shows from its start.
    if (canvas.TextWidth(text) <= width) FScroll = 0;
}

int TCustomEdit::WordStart(int from) const {
    int i = from;
    while (i > 0 && !IsWordChar(FText[size_t(i - 1)])) --i;
    while (i > 0 && IsWordChar(FText[size_t(i - 1)])) --i;
    return i;
}

int TCustomEdit::WordEnd(int from) const {
    const int n = int(FText.size());
    int i = from;
    while (i < n && IsWordChar(FText[size_t(i)])) ++i;
    while (i < n && !IsWordChar(FText[size_t(i)])) ++i;
    return i;
}

// --- input

void TCustomEdit::KeyDownEdit(WORD key) {
    const bool shift = ui::GetKeyState(ui::VK_SHIFT) < 0;
    const bool ctrl = ui::GetKeyState(ui::VK_CONTROL) < 0;
    const int n = int(FText.size());
    switch (key) {
    case ui::VK_LEFT:
        if (!shift && SelLength() > 0)
            MoveCaret(SelStart(), false);
        else
            MoveCaret(ctrl ? WordStart(FCaret) : std::max(FCaret - 1, 0), shift);
        break;
    case ui::VK_RIGHT:
        if (!shift && SelLength() > 0)
            MoveCaret(SelStart() + SelLength(), false);
        else
            MoveCaret(ctrl ? WordEnd(FCaret) : std::min(FCaret + 1, n), shift);
        break;
    case ui::VK_HOME: MoveCaret(0, shift); break;
    case ui::VK_END: MoveCaret(n, shift); break;
    case ui::VK_DELETE:
        if (shift) {
            CutToClipboard();
        } else if (!FReadOnly) {
            if (SelLength() == 0) FAnchor = ctrl ? WordEnd(FCaret) : std::min(FCaret + 1, n);
            ReplaceSelection("", true);
        }
        break;
    case ui::VK_INSERT:
        if (ctrl)
            CopyToClipboard();
        else if (shift)
            PasteFromClipboard();
        break;
    default:
        if (ctrl && !shift && ui::GetKeyState(ui::VK_MENU) >= 0) {
            switch (key) {
            case 'C': CopyToClipboard(); break;
            case 'X': CutToClipboard(); break;
            case 'V': PasteFromClipboard(); break;
            case 'Z': Undo(); break;
            case 'A': SelectAll(); break;
            default: break;
            }
        }
        break;
    }
}

void TCustomEdit::CharEdit(char key) {
    if (key == '\b') {
        if (FReadOnly) return;
        if (SelLength() == 0) FAnchor = std::max(FCaret - 1, 0);
        ReplaceSelection("", true);
        return;
    }
    // Control characters (Ctrl with a letter, Enter, Escape, Tab) type nothing.
    if (static_cast<unsigned char>(key) < 32 || key == 127 || FReadOnly) return;
    ReplaceSelection(std::string(1, key), true);
}

void TCustomEdit::MouseEdit(TMessage& m) {
    const TPoint p = ui::LParamToPoint(m.LParam);
    switch (m.Msg) {
    case ui::WM_LBUTTONDOWN:
        if (CanFocus() && !Focused()) SetFocus();
        FSelecting = true;
        ui::SetCapture(FHandle);
        MoveCaret(CharFromX(p.X), (m.WParam & ui::MK_SHIFT) != 0);
        break;
    case ui::WM_LBUTTONDBLCLK: {
        const int at = CharFromX(p.X);
        int start = at, end = at;
        while (start > 0 && IsWordChar(FText[size_t(start - 1)])) --start;
        while (end < int(FText.size()) && IsWordChar(FText[size_t(end)])) ++end;
        SetSelection(start, end);
        break;
    }
    case ui::WM_MOUSEMOVE:
        if (FSelecting) MoveCaret(CharFromX(p.X), true);
        break;
    case ui::WM_LBUTTONUP:
        if (FSelecting && ui::GetCapture() == FHandle) ui::ReleaseCapture();
        FSelecting = false;
        break;
    default: break;
    }
}

// --- caret

void TCustomEdit::BlinkCaret(bool restart) {
    if (!FHandle) return;
    const bool focused = Focused();
    if (restart && focused) {
        FCaretShown = true;
        ui::SetTimer(FHandle, CaretTimer, CaretBlinkMs);
    } else if (!focused) {
        FCaretShown = false;
        ui::KillTimer(FHandle, CaretTimer);
    } else {
        FCaretShown = !FCaretShown;
    }
    Invalidate();
}

// --- painting

void TCustomEdit::PaintWindow(ui::HDC dc) {
    gfx::TCanvas& canvas = *dc;
    const TRect r = FormattingRect();
    canvas.Font = FFont.Handle();
    if (!Enabled()) canvas.Font.Color = gfx::clGrayText;
    const std::string text = DisplayText();
    const int lineHeight = canvas.TextHeight("Wg");
    const int y = r.Top + std::max(0, (r.Height() - lineHeight) / 2);
    const int saved = canvas.SaveDC();
    canvas.IntersectClipRect(r);
    canvas.Brush.Style = gfx::bsClear;
    const int origin = r.Left - FScroll;
    canvas.TextOut(origin, y, text);
    const bool showSelection = SelLength() > 0 && (Focused() || !FHideSelection);
    if (showSelection) {
        const int start = SelStart(), end = start + SelLength();
        const int x0 = origin + canvas.TextWidth(text.substr(0, size_t(start)));
        const int x1 = origin + canvas.TextWidth(text.substr(0, size_t(end)));
        canvas.Brush = {gfx::clHighlight, gfx::bsSolid};
        canvas.FillRect({x0, y, x1, y + lineHeight});
        canvas.Brush.Style = gfx::bsClear;
        canvas.Font.Color = gfx::clHighlightText;
        canvas.TextOut(x0, y, text.substr(size_t(start), size_t(end - start)));
    }
    if (FCaretShown && Focused()) {
        const int x = origin + canvas.TextWidth(text.substr(0, size_t(FCaret)));
        canvas.Brush = {gfx::clWindowText, gfx::bsSolid};
        canvas.FillRect({x, y, x + 1, y + lineHeight});
    }
    canvas.RestoreDC(saved);
}

// --- messages

void TCustomEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case ui::WM_KEYDOWN:
        if (DoKeyDownUp(m)) return;
        KeyDownEdit(WORD(m.WParam));
        return;
    case ui::WM_CHAR:
        if (DoKeyPress(m)) return;
        CharEdit(char(m.WParam));
        return;
    case ui::WM_LBUTTONDOWN:
    case ui::WM_LBUTTONDBLCLK:
    case ui::WM_MOUSEMOVE:
    case ui::WM_LBUTTONUP:
        TWinControl::WndProc(m);
        if (FHandle) MouseEdit(m);
        return;
    case ui::WM_SETFOCUS:
        TWinControl::WndProc(m);
        BlinkCaret(true);
        return;
    case ui::WM_KILLFOCUS:
        TWinControl::WndProc(m);
        BlinkCaret(false);
        return;
    case ui::WM_TIMER:
        if (m.WParam == CaretTimer) {
            BlinkCaret(false);
            return;
        }
        break;
    case ui::WM_CAPTURECHANGED:
        FSelecting = false;
        break;
    case CM_ENTER:
        TWinControl::WndProc(m);
        if (FAutoSelect && !(FControlState & csLButtonDown)) SelectAll();
        return;
    case ui::WM_SETTEXT:
        TWinControl::WndProc(m);
        FAnchor = FCaret = 0;
        FScroll = 0;
        FCanUndo = false;
        Invalidate();
        if (!(ComponentState() & (csLoading | csReading))) Change();
        FModified = false;
        return;
    case ui::WM_GETDLGCODE:
        m.Result = ui::DLGC_WANTCHARS | ui::DLGC_WANTARROWS | ui::DLGC_HASSETSEL;
        return;
    case EM_GETSEL: {
        const int start = SelStart(), end = start + SelLength();
        if (m.WParam) *reinterpret_cast<ui::DWORD*>(m.WParam) = ui::DWORD(start);
        if (m.LParam) *reinterpret_cast<ui::DWORD*>(m.LParam) = ui::DWORD(end);
        m.Result = ui::MAKELPARAM(start, end);
        return;
    }
    case EM_SETSEL: {
        const int start = int(m.WParam), end = int(m.LParam);
        if (start < 0)
            SetSelection(FCaret, FCaret);
        else
            SetSelection(start, end < 0 ? int(FText.size()) : end);
        return;
    }
    case EM_REPLACESEL:
        ReplaceSelection(m.LParam ? reinterpret_cast<const char*>(m.LParam) : "", m.WParam != 0);
        return;
    case EM_LIMITTEXT:
        SetMaxLength(int(m.WParam));
        return;
    case EM_SETREADONLY:
        SetReadOnly(m.WParam != 0);
        m.Result = 1;
        return;
    case EM_CANUNDO:
        m.Result = FCanUndo;
        return;
    case ui::WM_UNDO:
        Undo();
        m.Result = 1;
        return;
    case EM_EMPTYUNDOBUFFER:
        FCanUndo = false;
        return;
    case EM_GETMODIFY:
        m.Result = FModified;
        return;
    case EM_SETMODIFY:
        FModified = m.WParam != 0;
        return;
    case EM_GETRECT:
        if (m.LParam) *reinterpret_cast<TRect*>(m.LParam) = FormattingRect();
        return;
    case EM_SETRECT:
        FHasRect = m.LParam != 0;
        if (FHasRect) FRect = *reinterpret_cast<const TRect*>(m.LParam);
        ScrollToCaret();
        Invalidate();
        return;
    case ui::WM_CUT: CutToClipboard(); return;
    case ui::WM_COPY: CopyToClipboard(); return;
    case ui::WM_PASTE: PasteFromClipboard(); return;
    case ui::WM_CLEAR: ClearSelection(); return;
    case ui::WM_SIZE:
        TWinControl::WndProc(m);
        ScrollToCaret();
        return;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

}  // namespace vcl
