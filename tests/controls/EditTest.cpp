// The main window's address edit under the internal skin: its looks at the
// program's size in every state, the framework edit taking over while the
// mouse is over it or it has the focus, and typing into it.
#include <cctype>
#include <cstring>

#include "EditTestKit.h"
#include "GoldenPicture.h"
#include "skinpaint/sColorOps.h"
#include "ui/Headless.h"
#include "ui/Keys.h"
#include "ui/MessageLoop.h"
#include "ui/WindowPos.h"
#include "vcl/TApplication.h"
#include "vcl/TEdit.h"

namespace {

using edittest::SkinnedForm;
using SkinnedEdit = SkinnedForm;

constexpr const char* Address = "http://www.youtube.com/watch?v=dQw4w9WgXcQ";

vcl::TPoint CentreOf(vcl::TWinControl& control) {
    const vcl::TRect r = ui::GetWindowRect(control.Handle());
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

// Every pixel of the rectangle has the colour (0xRRGGBB).
bool AllOfColour(const gfx::TBitmap& bitmap, const vcl::TRect& r, uint32_t rgb) {
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            const uint8_t* p = bitmap.ScanLine(y) + x * 4;
            if ((uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]) != rgb) return false;
        }
    return true;
}

bool SameInside(const gfx::TBitmap& a, const gfx::TBitmap& b, const vcl::TRect& r) {
    for (int y = r.Top; y < r.Bottom; ++y)
        if (std::memcmp(a.ScanLine(y) + r.Left * 4, b.ScanLine(y) + r.Left * 4, size_t(r.Width()) * 4) != 0)
            return false;
    return true;
}

// The window shows the composed picture, pixel for pixel.
bool ShowsCache(const gfx::TBitmap& shot, const gfx::TBitmap& cache) {
    if (shot.Width() != cache.Width() || shot.Height() != cache.Height()) return false;
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x)
            if (std::memcmp(shot.ScanLine(y) + x * 4, cache.ScanLine(y) + x * 4, 3) != 0) return false;
    return true;
}

TEST_F(SkinnedEdit, LooksAsRecordedInEveryState) {
    controls::TsEdit& edit = *Form->sEdit1;
    ASSERT_TRUE(edit.SkinData().IsSkinned());
    EXPECT_EQ(edit.Color(), 0xFFFFFF) << "the section's colour";
    std::vector<gfx::TBitmap> rows;
    edit.SetText(Address);
    rows.push_back(Shot(edit));
    EXPECT_TRUE(ShowsCache(rows.back(), *edit.SkinData().CachePicture)) << "normal: the composed picture";

    ui::headless::MouseMove(CentreOf(edit).X, CentreOf(edit).Y);
    rows.push_back(Shot(edit));
    EXPECT_TRUE(edit.SkinData().IsHot());
    EXPECT_TRUE(SameInside(rows[0], rows[1], {3, 3, 350, 18})) << "the text stays put when the framework edit paints";
    MouseAway();
    EXPECT_FALSE(edit.SkinData().IsHot());
    EXPECT_TRUE(ShowsCache(Shot(edit), *edit.SkinData().CachePicture)) << "composed again once the mouse left";

    edit.SetFocus();
    edit.SetSelStart(7);
    edit.SetSelLength(15);
    rows.push_back(Shot(edit));

    edit.SetEnabled(false);
    rows.push_back(Shot(edit));
    EXPECT_TRUE(ShowsCache(rows.back(), *edit.SkinData().CachePicture)) << "disabled: composed";
    edit.SetEnabled(true);

    edit.SetText(std::string(Address) + "&feature=related&list=PL0123456789ABCDEF&index=12");
    rows.push_back(Shot(edit));

    edit.SetText("");
    rows.push_back(Shot(edit));
    EXPECT_TRUE(AllOfColour(rows.back(), {3, 3, 350, 18}, 0xFFFFFF)) << "an empty text writes nothing";

    edit.SetPasswordChar('*');
    edit.SetText("secret");
    rows.push_back(Shot(edit));
    edit.SetPasswordChar(0);

    // Looks the program does not use: grey when disabled, right to left,
    // without a border.
    edit.SetText(Address);
    edit.SetDisabledKind(skinpaint::dkGrayed);
    edit.SetEnabled(false);
    rows.push_back(Shot(edit));
    edit.SetEnabled(true);
    edit.SetBiDiMode(vcl::bdRightToLeft);
    edit.Perform(vcl::CM_TEXTCHANGED, 0, 0);
    rows.push_back(Shot(edit));
    edit.SetBiDiMode(vcl::bdLeftToRight);
    edit.SetBorderStyle(vcl::bsNoBorder);
    rows.push_back(Shot(edit));
    golden::ExpectGoldenColours(edittest::Stack(rows), CONTROLS_TEST_DATA, "edit-states");
}

TEST_F(SkinnedEdit, TypingIntoTheFocusedEditChangesItsTextAndTellsOfEachChange) {
    controls::TsEdit& edit = *Form->sEdit1;
    int changes = 0;
    edit.SetOnChange([&](vcl::TObject* sender) {
        EXPECT_EQ(sender, &edit);
        ++changes;
    });
    const vcl::TPoint centre = CentreOf(edit);
    ui::headless::Click(centre.X, centre.Y);
    Settle();
    ASSERT_TRUE(edit.Focused());
    for (char c : std::string("abc")) ui::headless::KeyPress(ui::UINT(std::toupper(c)), uint8_t(c));
    Settle();
    EXPECT_EQ(edit.Text(), "abc");
    EXPECT_EQ(changes, 3);

    ui::headless::KeyDown(ui::VK_SHIFT);
    ui::headless::KeyPress(ui::VK_HOME);
    ui::headless::KeyUp(ui::VK_SHIFT);
    Settle();
    EXPECT_EQ(edit.SelText(), "abc");
    EXPECT_EQ(changes, 3) << "selecting changes nothing";
    ui::headless::KeyPress('X', 'x');
    ui::headless::KeyPress(ui::VK_BACK, '\b');
    ui::headless::KeyPress('Y', 'y');
    Settle();
    EXPECT_EQ(edit.Text(), "y");
    EXPECT_EQ(changes, 6);
    MouseAway();
    EXPECT_TRUE(edit.SkinData().IsHot()) << "the focus keeps the framework edit painting";

    Form->sDirectoryEdit1->SetFocus();
    MouseAway();
    EXPECT_FALSE(edit.SkinData().IsHot());
    EXPECT_FALSE(edit.SkinData().PictureStale);
    EXPECT_TRUE(ShowsCache(Shot(edit), *edit.SkinData().CachePicture)) << "the typed text composed";
}

TEST_F(SkinnedEdit, PrintsAsItShows) {
    controls::TsEdit& edit = *Form->sEdit1;
    edit.SetText(Address);
    const gfx::TBitmap shown = Shot(edit);
    gfx::TBitmap printed(edit.Width(), edit.Height());
    ui::SendMessage(edit.Handle(), ui::WM_PRINT, ui::WPARAM(&printed.Canvas()), ui::PRF_NONCLIENT | ui::PRF_CLIENT);
    EXPECT_TRUE(SameInside(shown, printed, {0, 0, edit.Width(), edit.Height()}));
}

TEST_F(SkinnedEdit, AnswersTheSkinCommandsAndRepaintsWhenThePaintItDeferredMayGoOn) {
    controls::TsEdit& edit = *Form->sEdit1;
    edit.SetText(Address);
    Settle();
    const auto send = [&](uint16_t command, ui::LPARAM lParam = 0) {
        return ui::SendMessage(edit.Handle(), skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(command), lParam);
    };
    EXPECT_EQ(send(skin::SKC_IS_SKINNED), 1);
    EXPECT_EQ(send(skin::SKC_GET_APPLICATION), ui::LRESULT(vcl::Application));

    // A refresh brings back the section's colour and repaints.
    edit.SetColor(gfx::clRed);
    send(skin::SKC_REFRESH, ui::LPARAM(Manager));
    EXPECT_EQ(edit.Color(), 0xFFFFFF);
    EXPECT_TRUE(ShowsCache(Shot(edit), *edit.SkinData().CachePicture));

    // A paint while the parent updates only validates; the end of the
    // update paints what was deferred.
    const gfx::TBitmap before = Shot(edit);
    edit.SkinData().PaintSuspended = true;
    edit.SetText("deferred");
    const gfx::TBitmap during = Shot(edit);
    EXPECT_TRUE(edit.SkinData().PaintSuspended);
    EXPECT_TRUE(SameInside(before, during, {3, 3, 350, 18})) << "the old text stays while painting is deferred";
    send(6);
    EXPECT_FALSE(edit.SkinData().PaintSuspended);
    const gfx::TBitmap after = Shot(edit);
    EXPECT_FALSE(SameInside(before, after, {3, 3, 350, 18}));
    EXPECT_TRUE(ShowsCache(after, *edit.SkinData().CachePicture));
}

}  // namespace

