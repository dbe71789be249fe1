#pragma once
// What the check box and push button tests share: the headless desktop with
// the internal skin applied, a window of the program's colours to put the
// controls on, pictures of several looks laid side by side into one sheet,
// and the comparison of a sheet with its recorded picture.
#include <gtest/gtest.h>

#include <string>

#include "gfx/TBitmap.h"
#include "skin/sSkinManager.h"
#include "vcl/TCustomForm.h"

namespace checktest {

class SkinnedDesktop : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A form of the main window's border, client size, colour and font with
    // its skinned frame, shown at (100, 100) of the desktop.
    vcl::TForm* NewForm(int clientWidth = 372, int clientHeight = 250);

    skin::TsSkinManager* Manager = nullptr;
    vcl::TForm* Form = nullptr;
};

// The window's picture as it stands once every pending message is handled.
gfx::TBitmap Shot(ui::HWND window);

// A sheet of columns x rows cells of one size, a grey gap of 4 pixels
// between them.
class TSheet {
public:
    TSheet(int columns, int rows, int cellWidth, int cellHeight);
    void Put(int column, int row, const gfx::TBitmap& picture);
    const gfx::TBitmap& Picture() const { return FPicture; }

private:
    gfx::TBitmap FPicture;
    int FCellWidth, FCellHeight;
};


// Red, green and blue of a pixel as 0xRRGGBB.
uint32_t Rgb(const gfx::TBitmap& bitmap, int x, int y);

}  // namespace checktest
