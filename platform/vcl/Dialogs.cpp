#include "vcl/Dialogs.h"

#include <algorithm>
#include <cmath>

#include "ui/MessageLoop.h"
#include "ui/Metrics.h"
#include "vcl/TApplication.h"
#include "vcl/TButton.h"
#include "vcl/TClassBuilder.h"
#include "vcl/TImage.h"
#include "vcl/TLabel.h"
#include "vcl/TMessageForm.h"
#include "vcl/TScreen.h"

namespace vcl {

namespace {

TMessageBoxHook& Hook() {
    static TMessageBoxHook hook;
    return hook;
}

// Posted by a box to itself once shown, so that the hook sees it on screen.
constexpr UINT CM_MESSAGESHOWN = CM_BASE + 0x70;

struct TButtonKind {
    TMsgDlgBtn Button;
    const char* Name;
    const char* Caption;
    TModalResult Result;
};

const TButtonKind ButtonKinds[] = {
    {mbYes, "Yes", "&Yes", mrYes},         {mbNo, "No", "&No", mrNo},
    {mbOK, "OK", "OK", mrOk},              {mbCancel, "Cancel", "Cancel", mrCancel},
    {mbAbort, "Abort", "&Abort", mrAbort}, {mbRetry, "Retry", "&Retry", mrRetry},
    {mbIgnore, "Ignore", "&Ignore", mrIgnore},
};

const char* const Captions[] = {"Warning", "Error", "Information", "Confirmation", ""};

// Our own message icons, 32 x 32 with soft edges: a red disc with a white
// cross, a yellow triangle with "!", blue discs with "i" and "?".
const gfx::TBitmap& MessageIcon(TMsgDlgType type) {
    static gfx::TBitmap icons[4];
    gfx::TBitmap& icon = icons[type];
    if (!icon.Empty()) return icon;
    icon.SetSize(32, 32);
    const gfx::TColor fills[] = {gfx::RGB(250, 200, 0), gfx::RGB(210, 30, 30), gfx::RGB(40, 90, 200),
                                 gfx::RGB(40, 90, 200)};
    const gfx::TColor fill = fills[type];
    for (int y = 0; y < 32; ++y) {
        uint8_t* row = icon.ScanLine(y);
        for (int x = 0; x < 32; ++x) {
            int covered = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const double px = x + (sx + 0.5) / 4, py = y + (sy + 0.5) / 4;
                    bool inside;
                    if (type == mtWarning)  // a triangle with its apex at the top centre
                        inside = py >= 2 && py <= 30 && std::fabs(px - 16) <= (py - 2) * 15.0 / 28;
                    else
                        inside = (px - 16) * (px - 16) + (py - 16) * (py - 16) <= 15 * 15;
                    covered += inside;
                }
            row[4 * x + 0] = uint8_t(gfx::GetBValue(fill));
            row[4 * x + 1] = uint8_t(gfx::GetGValue(fill));
            row[4 * x + 2] = uint8_t(gfx::GetRValue(fill));
            row[4 * x + 3] = uint8_t(covered * 255 / 16);
        }
    }
    gfx::TCanvas& canvas = icon.Canvas();
    canvas.Brush.Style = gfx::bsClear;
    canvas.Font.Name = "Arial";
    canvas.Font.Height = -22;
    canvas.Font.Style = gfx::fsBold;
    canvas.Font.Color = type == mtWarning ? gfx::clBlack : gfx::clWhite;
    const char* const marks[] = {"!", "", "i", "?"};
    if (type == mtError) {
        canvas.Brush = {gfx::clWhite, gfx::bsSolid};
        for (int i = 0; i < 14; ++i) {
            canvas.FillRect({9 + i, 8 + i, 12 + i, 10 + i});
            canvas.FillRect({20 - i, 8 + i, 23 - i, 10 + i});
        }
    } else {
        gfx::TRect r{0, type == mtWarning ? 5 : 1, 32, 32};
        canvas.DrawText(marks[type], r, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
    }
    return icon;
}

// What the title band of a dialog-style box takes besides its caption. The
// skinned frame writes the caption from the border, the title icon, the
// skin's left margin, 2 pixels for a CAPTION section and 4 more, up to the
// skin's right margin, the close button and 12 pixels, and cuts it there with
// an ellipsis. The skin is not known here, so the room allows margins of up
// to 4 pixels and a small close button up to 24 wide (the internal skin has
// 0, 3 and 19); it is more than the plain frame needs.
constexpr int SkinMarginRoom = 4;
constexpr int SkinCloseButtonRoom = 24;

int CaptionRoom(int border) {
    const int left = border + ui::GetSystemMetrics(ui::SM_CXSMICON) + SkinMarginRoom + 2 + 4;
    const int right = SkinMarginRoom + SkinCloseButtonRoom + 12;
    return left + right;
}

// The window width that shows the whole caption, at most the screen width.
int CaptionWindowWidth(const std::string& caption) {
    gfx::TBitmap scratch(1, 1);
    gfx::TCanvas& canvas = scratch.Canvas();
    canvas.Font = ui::GetNonClientMetrics().CaptionFont;
    const int border = ui::GetSystemMetrics(ui::SM_CXDLGFRAME);
    return std::min(canvas.TextWidth(caption) + CaptionRoom(border), Screen->Width());
}

}  // namespace

// --- TMessageForm

const TClassInfo& TMessageForm::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TMessageForm>("TMessageForm", TForm::StaticClass()).Build();
    return info;
}

TMessageForm::TMessageForm(TComponent* owner) : TForm(owner) {}

TLabel* TMessageForm::Message() const { return dynamic_cast<TLabel*>(FindComponent("Message")); }

std::string TMessageForm::Text() const {
    const TLabel* message = Message();
    return message ? message->Caption() : std::string();
}

void TMessageForm::DoShow() {
    TForm::DoShow();
    if (Hook()) ui::PostMessage(Handle(), CM_MESSAGESHOWN, 0, 0);
}

void TMessageForm::WndProc(TMessage& m) {
    if (m.Msg == CM_MESSAGESHOWN) {
        if (Hook() && Visible()) Hook()(*this);
        return;
    }
    TForm::WndProc(m);
}

namespace {

TMessageForm* BuildMessageDialog(const std::string& text, int type, unsigned buttons, const std::string& caption) {
    auto* form = new TMessageForm(Application);
    try {
        form->SetBorderStyle(bsDialog);
        form->SetPosition(poScreenCenter);
        gfx::TFont font = Screen->MessageFont();
        font.Color = gfx::clWindowText;
        form->Font().SetHandle(font);
        gfx::TCanvas& canvas = form->Canvas();
        canvas.Font = font;
        // Dialog units: the average letter width and the line height.
        const int unitX = canvas.TextWidth("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52;
        const int unitY = canvas.TextHeight("A");
        const int horzMargin = 8 * unitX / 4, vertMargin = 8 * unitY / 8;
        const int horzSpacing = 10 * unitX / 4, vertSpacing = 10 * unitY / 8;
        const int buttonWidth = 50 * unitX / 4, buttonHeight = 14 * unitY / 8, buttonSpacing = 4 * unitX / 4;

        gfx::TRect textRect{0, 0, Screen->Width() / 2, 0};
        canvas.DrawText(text.empty() ? " " : text, textRect, gfx::DT_CALCRECT | gfx::DT_WORDBREAK);
        const bool hasIcon = type != mtCustom;
        int iconTextWidth = textRect.Right + (hasIcon ? 32 + horzSpacing : 0);
        const int iconTextHeight = std::max(textRect.Bottom, hasIcon ? 32 : 0);
        int count = 0;
        for (const TButtonKind& kind : ButtonKinds) count += (buttons & kind.Button) != 0;
        count = std::max(count, 1);
        const int groupWidth = buttonWidth * count + buttonSpacing * (count - 1);
        const int frameWidth = 2 * ui::GetSystemMetrics(ui::SM_CXDLGFRAME);
        form->SetClientSize(std::max(std::max(iconTextWidth, groupWidth) + 2 * horzMargin,
                                     CaptionWindowWidth(caption) - frameWidth),
                            iconTextHeight + buttonHeight + vertSpacing + 2 * vertMargin);
        form->SetCaption(caption);

        if (hasIcon) {
            auto* image = new TImage(form);
            image->SetName("Image");
            image->SetParent(form);
            image->Picture().Assign(MessageIcon(TMsgDlgType(type)));
            image->SetBounds(horzMargin, vertMargin, 32, 32);
        }
        auto* message = new TLabel(form);
        message->SetName("Message");
        message->SetParent(form);
        message->SetWordWrap(true);
        message->SetCaption(text);
        message->SetBounds(iconTextWidth - textRect.Right + horzMargin, vertMargin, textRect.Right, textRect.Bottom);

        const TMsgDlgButtons defaultButton =
            buttons & mbOK ? mbOK : buttons & mbYes ? mbYes : buttons & mbRetry ? mbRetry : mbAbort;
        const TMsgDlgButtons cancelButton = buttons & mbCancel ? mbCancel : buttons & mbNo ? mbNo : mbOK;
        int x = (form->ClientWidth() - groupWidth) / 2;
        for (const TButtonKind& kind : ButtonKinds) {
            if (!(buttons & kind.Button)) continue;
            auto* button = new TButton(form);
            button->SetName(kind.Name);
            button->SetParent(form);
            button->SetCaption(kind.Caption);
            button->SetModalResult(kind.Result);
            button->SetDefault(kind.Button == defaultButton);
            button->SetCancel(kind.Button == cancelButton);
            button->SetBounds(x, iconTextHeight + vertMargin + vertSpacing, buttonWidth, buttonHeight);
            x += buttonWidth + buttonSpacing;
        }
    } catch (...) {
        form->Free();
        throw;
    }
    return form;
}

int RunBox(TMessageForm* form) {
    int result = mrCancel;
    try {
        result = form->ShowModal();
    } catch (...) {
        form->Free();
        throw;
    }
    form->Free();
    return result;
}

}  // namespace

TMessageForm* CreateMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    return BuildMessageDialog(text, type, buttons, type == mtCustom ? Application->Title() : Captions[type]);
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    return RunBox(CreateMessageDialog(text, type, buttons));
}

void ShowMessage(const std::string& text) { MessageDlg(text, mtCustom, mbOK); }

int MessageBoxForm(const std::string& text, const std::string& caption, unsigned flags) {
    int type = mtCustom;
    switch (flags & 0xF0) {
    case MB_ICONSTOP: type = mtError; break;
    case MB_ICONQUESTION: type = mtConfirmation; break;
    case MB_ICONWARNING: type = mtWarning; break;
    case MB_ICONINFORMATION: type = mtInformation; break;
    default: break;
    }
    TMsgDlgButtons buttons = mbOK;
    switch (flags & 0xF) {
    case MB_OKCANCEL: buttons = mbOK | mbCancel; break;
    case MB_ABORTRETRYIGNORE: buttons = mbAbort | mbRetry | mbIgnore; break;
    case MB_YESNOCANCEL: buttons = mbYes | mbNo | mbCancel; break;
    case MB_YESNO: buttons = mbYes | mbNo; break;
    case MB_RETRYCANCEL: buttons = mbRetry | mbCancel; break;
    default: break;
    }
    // The modal results are the IDs a message box returns.
    return RunBox(BuildMessageDialog(text, type, buttons, caption));
}

TMessageBoxHook SetMessageBoxHook(TMessageBoxHook hook) {
    TMessageBoxHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}

}  // namespace vcl
