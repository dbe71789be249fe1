// The sample form with every control, rendered for review.
#include "SampleForm.h"
#include "VclTest.h"
#include "gfx/ImageCodecs.h"
#include "ui/Headless.h"

using namespace vcl;

namespace {

using SampleForm = vcltest::TVclTest;

TEST_F(SampleForm, RendersEveryControlToAPicture) {
    auto* form = new vcltest::TSampleForm(Application);
    form->Show();
    Pump();
    const gfx::TBitmap picture = ui::headless::WindowImage(form->Handle());
    ASSERT_FALSE(picture.Empty());
    EXPECT_TRUE(ui::headless::SaveWindowPng(form->Handle(), VCL_SAMPLE_PNG));
    // The banner's green is left out: the form's colour shows there.
    const TPoint corner = form->Image1->ClientToScreen({1, 38});
    const TPoint origin = form->ClientToScreen({0, 0});
    const TPoint window = {origin.X - form->Left(), origin.Y - form->Top()};
    const uint8_t* row = picture.ScanLine(window.Y + corner.Y - origin.Y);
    const int x = window.X + corner.X - origin.X;
    EXPECT_EQ(gfx::RGB(row[4 * x + 2], row[4 * x + 1], row[4 * x]), 15847088);
    form->Free();
}

}  // namespace
