// The program's sections of the internal skin at their controls' sizes, in
// every state, as recorded. KESTRUNE_UPDATE_GOLDEN=1 writes the picture anew
// after a deliberate change of the painters or of the skin's artwork.
#include <gtest/gtest.h>

#include "PaintTestKit.h"
#include "skinpreview/ContactSheet.h"

TEST(ProgramSectionsGolden, InternalSkinLooksAsRecorded) {
    skin::TsSkinTables tables;
    skinpreview::LoadPreviewSkin(tables, "");
    const gfx::TBitmap sheet =
        skinpreview::PaintContactSheet(tables, skinpreview::ProgramSections(), {false, false});
    EXPECT_EQ(painttest::DifferenceFromGolden(sheet, "program-sections"), 0)
        << "see program-sections-actual.png in the test's working folder";
}
