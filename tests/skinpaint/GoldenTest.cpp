// The program's sections of the internal skin at their controls' sizes, in
// every state, as recorded. KESTRUNE_UPDATE_GOLDEN=1 writes the picture anew
// after a deliberate change of the painters or of the skin's artwork.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "gfx/ImageCodecs.h"
#include "skinpreview/ContactSheet.h"

TEST(ProgramSectionsGolden, InternalSkinLooksAsRecorded) {
    skin::TsSkinTables tables;
    skinpreview::LoadPreviewSkin(tables, "");
    const gfx::TBitmap sheet =
        skinpreview::PaintContactSheet(tables, skinpreview::ProgramSections(), {false, false});

    const std::string golden = std::string(SKINPAINT_TEST_DATA) + "/program-sections.png";
    if (std::getenv("KESTRUNE_UPDATE_GOLDEN")) std::ofstream(golden, std::ios::binary) << gfx::WritePng(sheet);
    std::ifstream in(golden, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const gfx::TBitmap expected = gfx::ReadPng(bytes.str());
    ASSERT_EQ(expected.Width(), sheet.Width());
    ASSERT_EQ(expected.Height(), sheet.Height());
    int differing = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < sheet.Height(); ++y)
        for (int x = 0; x < sheet.Width(); ++x)
            if (std::memcmp(expected.ScanLine(y) + x * 3, sheet.ScanLine(y) + x * 3, 3) != 0) {
                if (!differing++) firstX = x, firstY = y;
            }
    if (differing) std::ofstream("program-sections-actual.png", std::ios::binary) << gfx::WritePng(sheet);
    EXPECT_EQ(differing, 0) << "first at " << firstX << ", " << firstY
                            << "; see program-sections-actual.png in the test's working folder";
}
