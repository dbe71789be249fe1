// The painters read a control through its binding: its section and entries,
// its colour, hue and cache picture, its place in its parent, and what the
// parent answers when asked for the background.
#include <gtest/gtest.h>

#include "BindingTestKit.h"
#include "skinpaint/sControlCorners.h"
#include "skinpaint/sSectionItem.h"

using namespace skinpaint;
using namespace painttest;

namespace {

// A 3 x 3 frame whose top left and bottom right corners are see-through.
gfx::TBitmap KeyedCornersMaster() {
    gfx::TBitmap master = Filled(3, 3, Opaque(0x404040));
    SetPx(master, 0, 0, Key);
    SetPx(master, 2, 2, Key);
    return master;
}

int AddKeyedCornersFrame(TTestSkin& skin) {
    const int frame = skin.AddEntry({0, 0, 3, 3}, 1, 0, 1, 0);
    skin.Entry(frame).CornerTransparency = 1;
    return frame;
}

}  // namespace

TEST(BindingPaint, APainterSeesTheBindingAndAsksTheParentThroughIt) {
    TBindingScene scene(KeyedCornersMaster());
    const int frame = AddKeyedCornersFrame(scene.Skin);
    for (auto [name, transparency] : {std::pair{"PANEL", 0}, std::pair{"CLEAR", 100}}) {
        skin::TsGeneralData& section = scene.Skin.Section(scene.Skin.AddSection(name, gfx::RGB(10, 20, 30)));
        section.Transparency = transparency;
        section.ImagePercent = transparency == 0 ? 50 : 0;
    }
    scene.Skin.Section(1).BordersMaskIndex = frame;
    TBoundControl parent(&scene.Form, {0, 0, 100, 80});
    TBoundControl child(&parent, {7, 9, 30, 20});
    parent.SkinData.SetSkinSection("PANEL");
    parent.SkinData.SizeCachePicture();
    *parent.SkinData.CachePicture = Noise(100, 80, 3);
    // The section is found by its name in any case, and brings its frame.
    child.SkinData.SetSkinSection("clear");
    child.SkinData.SizeCachePicture();
    gfx::TBitmap& cache = *child.SkinData.CachePicture;
    ASSERT_EQ(cache.Width(), 23);
    ASSERT_EQ(cache.Height(), 11);

    RepaintControlCorners(child.SkinData, 0);
    const gfx::TBitmap& behind = *parent.SkinData.CachePicture;
    EXPECT_EQ(Px(cache, 0, 0), Px(behind, 7, 9) | 0xFF000000u);
    EXPECT_EQ(Px(cache, 22, 10), Px(behind, 29, 19) | 0xFF000000u);
    EXPECT_EQ(Px(cache, 22, 0), Opaque(0x404040));
}

TEST(BindingPaint, CornersAreRebuiltOverWhatTheParentAnswers) {
    TBindingScene scene(KeyedCornersMaster());
    const int frame = AddKeyedCornersFrame(scene.Skin);
    scene.Skin.Section(scene.Skin.AddSection("FRAMED", 0)).BordersMaskIndex = frame;
    const gfx::TBitmap known = Noise(30, 30, 4);
    TBoundControl parent(&scene.Form, {0, 0, 40, 40});
    parent.AnswerBackground = [&](skin::BackgroundRequest& r) {
        r.Kind = skin::BackgroundRequest::BitmapKnown;
        r.Bitmap = &known;
        r.X = 1;
    };
    TBoundControl control(&parent, gfx::Bounds(10, 12, 5, 4));
    control.SkinData.SetSkinSection("FRAMED");
    *control.SkinData.CachePicture = Filled(5, 4, 0);
    gfx::TBitmap& cache = *control.SkinData.CachePicture;

    RepaintControlCorners(control.SkinData, 0);
    EXPECT_EQ(Px(cache, 0, 0), Px(known, 11, 12) | 0xFF000000u);
    EXPECT_EQ(Px(cache, 4, 3), Px(known, 15, 15) | 0xFF000000u);
    EXPECT_EQ(Px(cache, 4, 0), Opaque(0x404040));
    EXPECT_EQ(Px(cache, 2, 2), 0u);  // the inside is left alone
    parent.AnswerBackground = [](skin::BackgroundRequest& r) {
        r.Kind = skin::BackgroundRequest::ColorKnown;
        r.Color = 0x00FF00;
    };
    RepaintControlCorners(control.SkinData, 0);
    EXPECT_EQ(Px(cache, 0, 0), Opaque(0x00FF00));
}

TEST(BindingPaint, ControlItemTurnsTheHueOfColouredPixelsOnly) {
    TBindingScene scene;
    scene.Skin.AddSection("RED", 0x0000FF, 2);
    TBoundControl control(&scene.Form, {0, 0, 2, 2});
    control.SkinData.SetSkinSection("RED");
    control.SkinData.SetHUEOffset(120);
    gfx::TBitmap b = Filled(2, 2, 0);
    PaintControlItem(control.SkinData, EmptyBackground, false, b, {0, 0}, {0, 0, 2, 2}, 0);
    EXPECT_EQ(Px(b, 0, 0), Opaque(0x00FF00));  // red turned to green
    control.SkinData.SetCustomColor(true);
    control.SetColor(0x808080);
    PaintControlItem(control.SkinData, EmptyBackground, false, b, {0, 0}, {0, 0, 2, 2}, 0);
    EXPECT_EQ(Px(b, 0, 0), Opaque(0x808080));  // grey stays grey
}
