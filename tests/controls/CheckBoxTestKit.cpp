#include "CheckBoxTestKit.h"

#include "InternalSkinManager.h"
#include "skin/sFadeSwitch.h"
#include "skinpaint/sBlockCopy.h"
#include "skinpaint/sColorOps.h"
#include "skinpaint/sSkinProvider.h"
#include "ui/Headless.h"
#include "ui/MessageLoop.h"
#include "vcl/TApplication.h"

namespace checktest {

void SkinnedDesktop::SetUp() {
    ui::headless::Reset(800, 600);
    vcl::Application->ClearTerminated();
    skin::SetFadingSwitchedOff(false);
    Manager = skinkit::InternalSkinManager();
    ASSERT_TRUE(Manager->Active());
    // The provider's class is known to layouts once its code is linked in.
    (void)skinpaint::TsSkinProvider::StaticClass();
    Form = NewForm();
}

void SkinnedDesktop::TearDown() {
    if (Form) Form->Free();
    Manager->Free();
    vcl::Application->ProcessMessages();
}

vcl::TForm* SkinnedDesktop::NewForm(int clientWidth, int clientHeight) {
    auto* form = new vcl::TForm(vcl::Application);
    form->ReadLayout(
        "object Form1: TForm\n"
        "  Left = 100\n"
        "  Top = 100\n"
        "  BorderStyle = bsSingle\n"
        "  BorderIcons = [biSystemMenu, biMinimize]\n"
        "  Caption = 'Kestrune YouTube Converter 2.8'\n"
        "  ClientWidth = " +
        std::to_string(clientWidth) +
        "\n"
        "  ClientHeight = " +
        std::to_string(clientHeight) +
        "\n"
        "  Color = 15846064\n"
        "  Font.Name = 'MS Sans Serif'\n"
        "  Font.Height = -11\n"
        "  object sSkinProvider1: TsSkinProvider\n"
        "    SkinData.SkinSection = 'FORM'\n"
        "  end\n"
        "end\n");
    form->Show();
    vcl::Application->ProcessMessages();
    return form;
}

gfx::TBitmap Shot(ui::HWND window) {
    vcl::Application->ProcessMessages();
    return ui::headless::WindowImage(window);
}

TSheet::TSheet(int columns, int rows, int cellWidth, int cellHeight)
    : FPicture(columns * (cellWidth + 4) + 4, rows * (cellHeight + 4) + 4),
      FCellWidth(cellWidth),
      FCellHeight(cellHeight) {
    skinpaint::FillRect32(FPicture, {0, 0, FPicture.Width(), FPicture.Height()}, gfx::RGB(128, 128, 128));
}

void TSheet::Put(int column, int row, const gfx::TBitmap& picture) {
    skinpaint::CopyBlock(FPicture, 4 + column * (FCellWidth + 4), 4 + row * (FCellHeight + 4), picture,
                         {0, 0, std::min(picture.Width(), FCellWidth), std::min(picture.Height(), FCellHeight)});
}

uint32_t Rgb(const gfx::TBitmap& bitmap, int x, int y) {
    const uint8_t* p = bitmap.ScanLine(y) + x * 4;
    return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

}  // namespace checktest
