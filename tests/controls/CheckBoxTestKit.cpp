#include "CheckBoxTestKit.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "gfx/ImageCodecs.h"
#include "resources/InternalSkin.h"
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
    Manager = new skin::TsSkinManager(vcl::Application);
    skin::TsStoredSkin& item = Manager->InternalSkins().Add();
    item.SetName(std::string(resources::InternalSkinName));
    item.SetData(resources::InternalSkinPackage());
    Manager->SetSkinName(std::string(resources::InternalSkinName));
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

void ExpectGolden(const gfx::TBitmap& sheet, const std::string& name) {
    const std::string golden = std::string(CONTROLS_TEST_DATA) + "/" + name + ".png";
    if (std::getenv("KESTRUNE_UPDATE_GOLDEN")) std::ofstream(golden, std::ios::binary) << gfx::WritePng(sheet);
    std::ifstream in(golden, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const gfx::TBitmap expected = gfx::ReadPng(bytes.str());
    ASSERT_EQ(expected.Width(), sheet.Width()) << golden;
    ASSERT_EQ(expected.Height(), sheet.Height()) << golden;
    gfx::TBitmap diff(sheet.Width(), sheet.Height());
    int differing = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < sheet.Height(); ++y) {
        uint8_t* marks = diff.ScanLine(y);
        for (int x = 0; x < sheet.Width(); ++x, marks += 4) {
            const bool same = Rgb(expected, x, y) == Rgb(sheet, x, y);
            // White where equal, red where not.
            marks[0] = marks[1] = same ? 255 : 0;
            marks[2] = marks[3] = 255;
            if (!same && !differing++) firstX = x, firstY = y;
        }
    }
    if (!differing) return;
    std::ofstream(name + "-actual.png", std::ios::binary) << gfx::WritePng(sheet);
    std::ofstream(name + "-diff.png", std::ios::binary) << gfx::WritePng(diff);
    ADD_FAILURE() << differing << " pixels differ from " << golden << ", the first at " << firstX << ", " << firstY
                  << "; see " << name << "-actual.png and " << name << "-diff.png in the test's working folder";
}

}  // namespace checktest
