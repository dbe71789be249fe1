// The painters see a control through its binding: its section and entries,
// its place, and what its parent answers when asked for the background.
#include <gtest/gtest.h>

#include "skin/sCommonData.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sControlSkinInfo.h"
#include "ui/Headless.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomForm.h"

namespace {

using namespace skin;

// A windowed control whose messages pass its binding first.
class TBoundPanel : public vcl::TWinControl {
public:
    TBoundPanel(vcl::TWinControl* parent, vcl::TRect bounds) : vcl::TWinControl(parent), SkinData(this, true) {
        SkinData.ControlKind = 51;
        SetParent(parent);
        SetBoundsRect(bounds);
    }
    void WndProc(vcl::TMessage& message) override {
        if (!SkinData.ProcessMessage(message)) vcl::TWinControl::WndProc(message);
    }
    TsCtrlSkinData SkinData;
};

TEST(ControlSkinInfo, APainterSeesTheBindingAndAsksTheParentThroughIt) {
    ui::headless::Reset(400, 300);
    TsSkinManager manager(nullptr);
    for (auto [name, transparency] : {std::pair{"PANEL", 0}, std::pair{"CLEAR", 100}}) {
        TsGeneralData& section = manager.Sections.emplace_back();
        section.SectionName = name;
        section.States = 1;
        section.Color = gfx::RGB(10, 20, 30);
        section.Transparency = transparency;
        section.ImagePercent = transparency == 0 ? 50 : 0;
    }
    vcl::TForm form(vcl::Application);
    TBoundPanel parent(&form, {0, 0, 100, 80});
    TBoundPanel child(&parent, {7, 9, 30, 20});
    parent.SkinData.SetSkinSection("PANEL");
    parent.SkinData.SizeCachePicture();
    child.SkinData.SetSkinSection("clear");
    child.SkinData.SetHUEOffset(30);

    const skinpaint::TsControlSkinInfo info = skinpaint::ControlSkinInfo(child.SkinData);
    EXPECT_EQ(info.Manager, &manager);
    EXPECT_EQ(info.SectionIndex, 1);
    EXPECT_EQ(info.SkinSection, "CLEAR");
    EXPECT_EQ(info.HUEOffset, 30);
    EXPECT_EQ(info.CachePicture, child.SkinData.CachePicture.get());
    EXPECT_TRUE(info.Skinned && info.HasControl);
    EXPECT_EQ(info.Bounds, (gfx::TRect{7, 9, 30, 20}));

    skinpaint::BackgroundRequest request;
    info.AskParent(request);
    const skinpaint::ParentBackground behind = skinpaint::BackgroundFromRequest(request);
    EXPECT_TRUE(behind.Ready);
    EXPECT_EQ(behind.Bitmap, parent.SkinData.CachePicture.get());
}

}  // namespace
