// What a bound control tells its children about what lies behind them
// (SKC_GET_BACKGROUND and SKC_GET_BG_COLOR), how a child asks, and which
// section a label takes its text colour from.
#include "CommonDataTestKit.h"
#include "skin/sParentRequest.h"
#include "skin/sSkinBroadcast.h"
#include "ui/Paint.h"

namespace bindtest {
namespace {

using namespace skin;
using gfx::RGB;

constexpr gfx::TColor Key = 0xFF00FF;

BackgroundRequest Ask(vcl::TControl& parent, bool paintNow = false, gfx::TCanvas* dc = nullptr) {
    BackgroundRequest request;
    request.PaintNow = paintNow;
    request.DC = dc;
    request.ClipRect = {0, 0, 4, 4};
    SendSkinCommand(parent, {SKIN_COMMAND_MESSAGE, SkinCommandWParam(SKC_GET_BACKGROUND),
                             reinterpret_cast<ui::LPARAM>(&request)});
    return request;
}

gfx::TColor AskColor(vcl::TControl& parent) {
    return gfx::TColor(SendSkinCommand(parent, {SKIN_COMMAND_MESSAGE, SkinCommandWParam(SKC_GET_BG_COLOR), 0}));
}

uint32_t PixelAt(const gfx::TBitmap& bitmap, int x, int y) {
    const uint8_t* p = bitmap.ScanLine(y) + x * 4;
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
}

TEST_F(BindingTest, TheSixAnswersToABackgroundRequest) {
    struct Row {
        const char* Situation;
        int Transparency;
        int ImagePercent;
        bool Cache;
        bool Stale;
        bool CustomColor;
        uint8_t Kind;
        bool OwnBitmap;
        gfx::TColor Color;
    };
    const gfx::TColor own = RGB(11, 22, 33);
    const gfx::TColor section = RGB(60, 70, 80);
    const gfx::TColor form = RGB(200, 100, 50);
    const std::vector<Row> rows = {
        {"custom colour: the owner's", 0, 0, true, false, true, 1, false, own},
        {"see-through and stale: the parent's", 100, 0, true, true, false, 1, false, form},
        {"see-through without a cache: the parent's", 100, 0, false, false, false, 1, false, form},
        {"see-through with a valid picture: it", 100, 0, true, false, false, 2, true, Key},
        {"half see-through with a cache: the cache", 40, 0, true, true, false, 2, true, Key},
        {"half see-through without a cache: nothing known", 40, 0, false, false, false, 1, false, Key},
        {"opaque plain colour: the colour", 0, 0, true, true, false, 1, true, section},
        {"opaque with a texture share: the cache", 0, 50, true, true, false, 2, true, RGB(1, 2, 3)},
        {"opaque with a texture share, no cache: nothing known", 0, 50, false, true, false, 1, false, Key},
    };
    int n = 0;
    for (const Row& row : rows) {
        const std::string name = "S" + std::to_string(n++);
        AddSection(name, section, row.Transparency).ImagePercent = row.ImagePercent;
        TBoundControl parent(Form, "Parent", 51);
        parent.SetColor(own);
        parent.SkinData.SetSkinSection(name);
        if (row.Cache) parent.SkinData.SizeCachePicture();
        else parent.SkinData.CachePicture.reset();
        parent.SkinData.PictureStale = row.Stale;
        parent.SkinData.SetCustomColor(row.CustomColor);

        const BackgroundRequest answer = Ask(parent);
        EXPECT_EQ(answer.Kind, row.Kind) << row.Situation;
        EXPECT_EQ(answer.Bitmap, row.OwnBitmap ? parent.SkinData.CachePicture.get() : nullptr) << row.Situation;
        EXPECT_EQ(answer.Color, row.Color) << row.Situation;
    }

    AddSection("PLAIN", section);
    TBoundControl unskinned(Form, "Unskinned", 51);
    unskinned.SetColor(own);
    EXPECT_EQ(Ask(unskinned).Kind, 1);
    EXPECT_EQ(Ask(unskinned).Color, own) << "without a skin: the owner's colour";
}

TEST_F(BindingTest, APaintingRequestGetsThePictureOrTheColourIntoItsCanvas) {
    AddSection("PLAIN", RGB(60, 70, 80));
    AddSection("CLEAR", RGB(0, 0, 0), 100);
    TBoundControl plain(Form, "Plain", 51);
    TBoundControl clear(Form, "Clear", 51);
    plain.SkinData.SetSkinSection("PLAIN");
    clear.SkinData.SetSkinSection("CLEAR");
    clear.SkinData.SizeCachePicture();
    clear.SkinData.CachePicture->Canvas().Brush.Color = RGB(9, 8, 7);
    clear.SkinData.CachePicture->Canvas().FillRect({0, 0, 40, 20});
    clear.SkinData.PictureStale = false;

    gfx::TBitmap target(4, 4);
    EXPECT_EQ(Ask(plain, true, &target.Canvas()).Kind, 1);
    EXPECT_EQ(PixelAt(target, 3, 3), uint32_t(RGB(80, 70, 60))) << "the clip rectangle filled with the colour";

    const BackgroundRequest answer = Ask(clear, true, &target.Canvas());
    EXPECT_EQ(answer.Kind, 2);
    EXPECT_EQ(answer.Bitmap, nullptr) << "painted, not handed over";
    EXPECT_EQ(PixelAt(target, 0, 0), uint32_t(RGB(7, 8, 9)));
}

TEST_F(BindingTest, ThreeSeeThroughControlsPassTheRequestUpWithTheirOffsetsAdded) {
    AddSection("ROOT", RGB(1, 1, 1)).ImagePercent = 50;
    AddSection("CLEAR", RGB(0, 0, 0), 100);
    TBoundControl root(Form, "Root", 51, {0, 0, 200, 150});
    TBoundControl a(&root, "A", 51, {10, 5, 150, 120});
    TBoundControl b(&a, "B", 51, {3, 4, 100, 100});
    TBoundControl c(&b, "C", 51, {2, 1, 50, 50});
    TBoundGraphic child(&c, "Child", 92, {6, 7, 20, 20});
    root.SkinData.SetSkinSection("ROOT");
    root.SkinData.SizeCachePicture();
    for (TBoundControl* see : {&a, &b, &c}) see->SkinData.SetSkinSection("CLEAR");
    child.SkinData.SetSkinSection("CLEAR");

    const BackgroundRequest answer = Ask(c);
    EXPECT_EQ(answer.Kind, 2);
    EXPECT_EQ(answer.Bitmap, root.SkinData.CachePicture.get());
    EXPECT_EQ(answer.X, 10 + 3 + 2);
    EXPECT_EQ(answer.Y, 5 + 4 + 1);

    BackgroundRequest fromChild;
    child.SkinData.GetParentBackground(fromChild);
    EXPECT_EQ(fromChild.Bitmap, root.SkinData.CachePicture.get());
    EXPECT_EQ(fromChild.X, 15) << "the asking child adds its own place when it paints";
    EXPECT_EQ(fromChild.Y, 10);
}

// A parent without a binding: it paints itself when asked to.
class TPlainParent : public vcl::TWinControl {
public:
    using vcl::TWinControl::TWinControl;
    void WndProc(vcl::TMessage& message) override {
        if (message.Msg == ui::WM_ERASEBKGND || message.Msg == ui::WM_PAINT) {
            Painted.push_back(message.Msg);
            auto* dc = reinterpret_cast<gfx::TCanvas*>(message.WParam);
            Origins.push_back(dc->ViewportOrg());
            return;
        }
        vcl::TWinControl::WndProc(message);
    }
    std::vector<vcl::UINT> Painted;
    std::vector<gfx::TPoint> Origins;
};

TEST_F(BindingTest, AParentThatDoesNotAnswerPaintsItselfOrGivesItsColour) {
    AddSection("CLEAR", RGB(0, 0, 0), 100);
    TPlainParent parent(Form);
    parent.SetParent(Form);
    parent.SetColor(RGB(40, 41, 42));
    TBoundControl child(&parent, "Child", 51, {5, 6, 20, 20});
    child.SkinData.SetSkinSection("CLEAR");

    gfx::TBitmap target(4, 4);
    BackgroundRequest request;
    request.PaintNow = 1;
    request.DC = &target.Canvas();
    request.X = 5;
    request.Y = 6;
    RequestParentBackground(child, request, false);
    EXPECT_EQ(parent.Painted, (std::vector<vcl::UINT>{ui::WM_ERASEBKGND, ui::WM_PAINT}));
    EXPECT_EQ(parent.Origins[0], (gfx::TPoint{-5, -6}));
    EXPECT_EQ(request.Kind, 0) << "painted, so nothing answered";

    BackgroundRequest colour;
    RequestParentBackground(child, colour, false);
    EXPECT_EQ(colour.Kind, 1);
    EXPECT_EQ(colour.Color, RGB(40, 41, 42)) << "no colour answer: the parent's colour";
}

TEST_F(BindingTest, TheColourChildrenSeeBehindThem) {
    AddSection("WHITE", RGB(255, 255, 255));
    AddSection("BLACK40", RGB(0, 0, 0), 40);
    AddSection("CLEAR", RGB(0, 0, 0), 100);
    AddSection("KEYED", Key);
    TBoundControl white(Form, "White", 51);
    TBoundControl black(&white, "Black", 51);
    TBoundControl clear(&white, "Clear", 51);
    white.SkinData.SetSkinSection("WHITE");
    black.SkinData.SetSkinSection("BLACK40");
    clear.SkinData.SetSkinSection("CLEAR");

    EXPECT_EQ(AskColor(white), RGB(255, 255, 255));
    EXPECT_EQ(AskColor(black), RGB(39, 39, 39)) << "(40 × 255 + 0) >> 8 per channel";
    EXPECT_EQ(AskColor(clear), RGB(255, 255, 255));
    EXPECT_EQ(black.SkinData.BackgroundColor(0), RGB(102, 102, 102)) << "own content: nearest(0.4 × 255)";

    white.SkinData.SetSkinSection("KEYED");
    white.SetColor(RGB(3, 4, 5));
    EXPECT_EQ(AskColor(clear), RGB(3, 4, 5)) << "a parent that knows no colour: its colour property";
}

TEST_F(BindingTest, ALabelTakesItsTextColourFromTheFirstParentThatShows) {
    AddSection("OUTER", RGB(1, 1, 1)).GiveOwnFont = true;
    AddSection("MIDDLE", RGB(1, 1, 1), 100);
    AddSection("QUIET", RGB(1, 1, 1));
    TBoundControl outer(Form, "Outer", 51);
    TBoundControl middle(&outer, "Middle", 51);
    TBoundGraphic label(&middle, "Label", 0);
    outer.SkinData.SetSkinSection("OUTER");
    middle.SkinData.SetSkinSection("MIDDLE");

    EXPECT_EQ(TsCommonData::FindFontSection(&label, -7, Manager, 0), 1) << "see-through middle: one level up";
    middle.SkinData.SetSkinSection("QUIET");
    EXPECT_EQ(TsCommonData::FindFontSection(&label, -7, Manager, 0), -7) << "no own font: the default";
    middle.SkinData.SetSkinSection("NOSUCH");
    EXPECT_EQ(TsCommonData::FindFontSection(&label, -7, Manager, 0), -7);
}

}  // namespace
}  // namespace bindtest
