#pragma once
// A form on the headless desktop under the internal skin, as the program's
// main window is set, for the edit and label tests; pictures of controls cut
// from what the form shows, and golden pictures compared pixel for pixel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/sEdit.h"
#include "controls/sLabel.h"
#include "gfx/TBitmap.h"
#include "skin/sSkinManager.h"
#include "vcl/TCustomForm.h"
#include "vcl/TEdit.h"

namespace edittest {

// The main window's address edit and its three labels, placed and set as
// the window's stored layout has them.
class TEditForm : public vcl::TForm {
public:
    TEditForm();
    controls::TsLabel* sLabel1 = nullptr;
    controls::TsEdit* sEdit1 = nullptr;
    controls::TsLabel* sLabel2 = nullptr;
    controls::TsLabel* sLabel3 = nullptr;
    // The place of the folder edit, to take the focus away.
    vcl::TEdit* sDirectoryEdit1 = nullptr;
};

class SkinnedForm : public ::testing::Test {
protected:
    // The form shown at (40, 40) under the internal skin.
    void SetUp() override;
    void TearDown() override;

    // What the form's window shows of the control's window rectangle (its
    // whole bounds for a control without a window).
    gfx::TBitmap Shot(vcl::TControl& control);
    // Lets the loop paint what is invalid.
    void Settle();
    // The mouse over the form, away from its controls.
    void MouseAway();

    skin::TsSkinManager* Manager = nullptr;
    TEditForm* Form = nullptr;
};

// What the form's window shows of the control, as it stands now.
gfx::TBitmap ShotOf(vcl::TCustomForm& form, vcl::TControl& control);
// Pictures one above the other with a gap of `gap` pixels in magenta.
gfx::TBitmap Stack(const std::vector<gfx::TBitmap>& rows, int gap = 2);

}  // namespace edittest
