#include "SapphireSkin.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

#include "SapphireArt.h"
#include "TMasterAtlas.h"
#include "TOptionsText.h"
#include "gfx/ImageCodecs.h"
#include "gfx/PixelAccess.h"

namespace skinart {

namespace {

constexpr unsigned Text = 0x212121;  // the dark grey the windows were designed with
constexpr int TextValue = 2171169;   // the same, as the options text writes it

// Glossy backgrounds of buttons, normal and hot.
constexpr TGradientStep ButtonTop{0xFFFFFF, 0xEEF3FA, 50, 0}, ButtonBottom{0xE0E9F6, 0xEAF0F9, 50, 0};
constexpr TGradientStep HotTop{0xFFFFFF, 0xE6F1FE, 50, 0}, HotBottom{0xC9E0FB, 0xDCEBFD, 50, 0};
// The title band: an inactive window's grey-blue glass, an active one's sapphire.
constexpr TGradientStep TitleTop{0xB3C5DF, 0x9DB3D3, 48, 0}, TitleBottom{0x8EA6CA, 0x849DC3, 52, 0};
constexpr TGradientStep ActiveTop{0x6FA0E8, 0x3F7ACF, 48, 0}, ActiveBottom{0x2A66C2, 0x1E56AE, 52, 0};
// Window backgrounds: an inactive window's a little greyer than an active one's.
constexpr TGradientStep InactiveWindow{0xF1F3F7, 0xE2E7EE, 100, 0}, ActiveWindow{0xF3F7FD, 0xE3ECF8, 100, 0};
// One-step shades of single controls.
constexpr TGradientStep GaugeShade{0xE4EBF6, 0xF9FBFE, 100, 0}, HintShade{0xFFFFFF, 0xE6EEF9, 100, 0};
constexpr TGradientStep MenuHot{0xEDF4FE, 0xD4E5FB, 100, 0};
constexpr TGradientStep ThumbShade{0xF4F7FC, 0xDDE6F3, 100, 0}, ThumbHotShade{0xEAF3FE, 0xC6DDF8, 100, 0};
// The progress bar's glass, top to bottom (or left to right).
constexpr TGradientStep ProgressLight{0x8CBCF3, 0x5595E6, 48, 0}, ProgressDeep{0x3777D6, 0x4A8AE2, 52, 0};
// Flat faces.
constexpr unsigned EditFace = 0xFFFFFF, ScrollFace = 0xEEF2F8, ScrollHot = 0xDCEAFB, PageFace = 0xFBFCFE,
                   LowPanelFace = 0xE1E9F5, TabFace = 0xE6EDF8, TabHot = 0xF7FAFE;

TGradientStep Across(TGradientStep step) { return {step.From, step.To, step.Percent, 1}; }

// A gradient as the skin paints it over a control of width x height: each
// step takes its share of the length (the last one the rest), down or across.
TFace Face(std::vector<TGradientStep> steps, float width, float height) {
    const bool across = steps[0].Mode == 1;
    const float length = across ? width : height;
    TPaint paint = [steps, across, length](float x, float y) {
        const float at = across ? x : y;
        float start = 0;
        for (size_t i = 0;; ++i) {
            const TGradientStep& step = steps[i];
            const bool last = i + 1 == steps.size();
            const float end = last ? length : start + length * static_cast<float>(step.Percent) / 100;
            if (last || at < end)
                return Mix(Hex(step.From), Hex(step.To), std::clamp((at - start) / (end - start), 0.0f, 1.0f));
            start = end;
        }
    };
    return {paint, width, height};
}

// The normal face for state 0 and the hot one for every further state.
TFaces ByState(TFace normal, TFace hot, size_t states) {
    TFaces faces(states, hot);
    faces[0] = normal;
    return faces;
}

// A picture of straight RGBA as a 32-bit bitmap with premultiplied colours:
// a skin of this version takes the pixels of its PNG images as they are, and
// the layered windows that show them (glows, extended borders) compose
// premultiplied pixels. Fully transparent pixels are all zero.
gfx::TBitmap ToBitmap(const TArt& art) {
    gfx::TBitmap bitmap(art.Width(), art.Height(), gfx::pf32bit);
    auto byte = [](float v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); };
    for (int y = 0; y < art.Height(); ++y)
        for (int x = 0; x < art.Width(); ++x) {
            const TRgba& c = art.At(x, y);
            const uint8_t a = byte(c.A);
            const float k = a / 255.0f;
            gfx::StorePixel(bitmap, x, y,
                            a == 0 ? gfx::TBgra{0, 0, 0, 0}
                                   : gfx::TBgra{byte(c.B * k), byte(c.G * k), byte(c.R * k), a});
        }
    return bitmap;
}

TArt SideBySide(const TFrames& frames) {
    TArt art(frames[0].Width() * static_cast<int>(frames.size()), frames[0].Height());
    for (size_t i = 0; i < frames.size(); ++i) art.Draw(frames[i], static_cast<int>(i) * frames[0].Width(), 0);
    return art;
}

// Frames over their masks, as 24-bit bitmaps with masks are stored.
std::string MaskedBmp(const TFrames& frames) {
    TMasterAtlas atlas(frames[0].Width() * static_cast<int>(frames.size()));
    atlas.Place(frames, 1);
    return gfx::WriteBmp(atlas.Bitmap());
}

class TSapphire {
public:
    std::vector<TSkinFile> Build() {
        PlaceMasterPieces();
        WriteOptions();
        // The huge button's corners: its stretched sheen, then its hot gloss.
        const TFaces huge = ByState({Sheen(140), 140, 48}, Face({HotTop, HotBottom}, 140, 48), 4);
        std::vector<TSkinFile> files{
            {"Options.dat", FOptions.Text()},
            {"ButtonHuge.bmp", MaskedBmp(HugeButtonFrame(huge))},
            {"Corner.bmp", MaskedBmp({CornerOrnament()})},
            {"Master.bmp", gfx::WriteBmp(FAtlas.Bitmap())},
            {"GlowBtn.PNG", gfx::WritePng(ToBitmap(ControlGlow(18, 10)))},
            {"GlowCAlone.png", gfx::WritePng(ToBitmap(TitleGlow(tsClose, 49, 18, 10)))},
            {"GlowClose.PNG", gfx::WritePng(ToBitmap(TitleGlow(tsClose, 43, 18, 10)))},
            {"GlowH.png", gfx::WritePng(ToBitmap(ControlGlow(24, 12)))},
            {"GlowMax.PNG", gfx::WritePng(ToBitmap(TitleGlow(tsMaximize, 26, 18, 10)))},
            {"GlowMin.png", gfx::WritePng(ToBitmap(TitleGlow(tsMinimize, 26, 18, 10)))},
            {"GlowNorm.png", gfx::WritePng(ToBitmap(TitleGlow(tsRestore, 26, 18, 10)))},
            {"XBorder.png", gfx::WritePng(ToBitmap(SideBySide(ExtendedBorder())))},
        };
        return files;
    }

private:
    // The pieces whose places the options text has always pinned come first.
    void PlaceMasterPieces() {
        Pin("DIVIDER", FAtlas.PlaceAt(3, 39, DividerPixels(), 0));
        Pin("FORM", FAtlas.PlaceAt(19, 32, FormFrame(), 0));
        Pin("BUTTON_HUGE.PATTERN", FAtlas.PlaceAt(135, 70, HugeButtonSheen(), 0));
        Pin("CHECK", FAtlas.PlaceAt(469, 42, MenuCheck(), 1));
        Require("FORM", FrameReference(FPieces["FORM"], 4, 4, 4, 4, 1, 1),
                "^0019^0032^0028^0041^0004^0004^0004^0004^1^0^1^1");
        Require("DIVIDER", FrameReference(FPieces["DIVIDER"], 1, 0, 0, 0, 1, 1),
                "^0003^0039^0006^0040^0001^0000^0000^0000^1^0^1^1");
        Require("PATTERN", TextureReference(FPieces["BUTTON_HUGE.PATTERN"], 1), "~0135~0070~0299~0071~01~0");
        Require("CHECK", GlyphReference(FPieces["CHECK"]), "@0469@0042@0497@0070@2@1");

        struct TTitle {
            const char* Key;
            TTitleSymbol Symbol;
            int Width;
        };
        for (const TTitle& t : {TTitle{"BICONCLOSE", tsClose, 43}, TTitle{"BICLOSEALONE", tsClose, 49},
                                TTitle{"BICONMIN", tsMinimize, 26}, TTitle{"BICONMAX", tsMaximize, 26},
                                TTitle{"BICONNORM", tsRestore, 26}, TTitle{"BICONHELP", tsHelp, 26}})
            Put(t.Key, TitleButton(t.Symbol, t.Width, 18, true), 1);
        for (const TTitle& t : {TTitle{"SICONCLOSE", tsClose, 19}, TTitle{"SICONMIN", tsMinimize, 19},
                                TTitle{"SICONMAX", tsMaximize, 19}, TTitle{"SICONNORM", tsRestore, 19},
                                TTitle{"SICONHELP", tsHelp, 19}, TTitle{"TITLEBUTTON", tsNone, 19}})
            Put(t.Key, TitleButton(t.Symbol, t.Width, 17, false), 1);
        // Each frame piece carries the face of the sections that use it, at
        // the size of a typical control.
        Put("FORMTITLE", TitleFrame({Face({TitleTop, TitleBottom}, 378, 22), Face({ActiveTop, ActiveBottom}, 378, 22)}),
            1);
        const TFaces button = ByState(Face({ButtonTop, ButtonBottom}, 75, 25), Face({HotTop, HotBottom}, 75, 25), 3);
        Put("BUTTON", BorderFrame({0x8AA4CC, 0x3D7BD6, 0x24549E}, 3, 3, true, button), 1);
        Put("EDIT", BorderFrame({0x8FA7CB, 0x3D7BD6}, 3, 2, false, {Flat(EditFace), Flat(EditFace)}), 1);
        Put("GAUGE", BorderFrame({0x8EA6CA}, 4, 3.5f, true, {Face({GaugeShade}, 369, 17)}), 1);
        Put("PROGRESSH", BorderFrame({0x1A4F9F}, 4, 3.5f, false, {Face({ProgressLight, ProgressDeep}, 185, 17)}), 1);
        Put("PROGRESSV",
            BorderFrame({0x1A4F9F}, 4, 3.5f, false, {Face({Across(ProgressLight), Across(ProgressDeep)}, 17, 185)}), 1);
        Put("SCROLLBTN", BorderFrame({0xC3D0E4, 0x6F9BDB, 0x2C5DA8, 0xD5DDEA}, 3, 2, false,
                                     ByState(Flat(ScrollFace), Flat(ScrollHot), 4)),
            1);
        for (bool vertical : {false, true}) {
            const auto shade = [vertical](TGradientStep step) {
                return vertical ? Face({Across(step)}, 17, 60) : Face({step}, 60, 17);
            };
            Put(vertical ? "THUMBV" : "THUMBH", BorderFrame({0x9DB3D4, 0x5D8FD6, 0x2C5DA8, 0xC9D3E2}, 4, 3, false,
                                                            ByState(shade(ThumbShade), shade(ThumbHotShade), 4)),
                1);
        }
        // Menu items show their frame only while hot.
        const TFace menuHot = Face({MenuHot}, 140, 20);
        Put("MENUITEM", BorderFrame({0x7EA6E0, 0x7EA6E0}, 3, 2, false, {menuHot, menuHot}), 1);
        // A group box is see-through.
        Put("GROUPBOX", BorderFrame({0xA9BEDD}, 3, 3, false, {}), 1);
        Put("HINT", BorderFrame({0x8EA6CA}, 3, 2, false, {Face({HintShade}, 140, 20)}), 1);
        Put("PAGE", BorderFrame({0x8FA7CB}, 3, 1, false, {Flat(PageFace)}), 1);
        Put("PANEL_LOW", BorderFrame({0x8FA7CB}, 3, 1, false, {Flat(LowPanelFace)}), 1);
        const TFrames tab = TabFrame(ByState(Flat(TabFace), Flat(TabHot), 4));
        Put("TABTOP", tab, 1);
        TFrames bottom, left, right;
        for (const TArt& frame : tab) {
            bottom.push_back(frame.FlippedVertically());
            left.push_back(frame.Transposed());
            right.push_back(frame.FlippedVertically().Transposed());
        }
        Put("TABBOTTOM", bottom, 1);
        Put("TABLEFT", left, 1);
        Put("TABRIGHT", right, 1);
        for (const char* kind : {"BOX", "RADIO"})
            for (TBoxKind box : {bkChecked, bkUnchecked, bkGrayed}) {
                const char* state = box == bkChecked ? "CHECKED" : box == bkUnchecked ? "UNCHECKED" : "GRAYED";
                const bool radio = std::string(kind) == "RADIO";
                Put(std::string(kind) + state, radio ? RadioButton(box, 13) : CheckBox(box, 13), 1);
                if (!radio) Put(std::string("SMALL") + state, CheckBox(box, 11), 1);
            }
        Put("ARROWUP", ArrowGlyph(arUp, 9), 1);
        Put("ARROWDOWN", ArrowGlyph(arDown, 9), 1);
        Put("ARROWLEFT", ArrowGlyph(arLeft, 9), 1);
        Put("ARROWRIGHT", ArrowGlyph(arRight, 9), 1);
        Put("GRIPV", ThumbGrip(true), 1);
        Put("GRIPH", ThumbGrip(false), 1);
        Put("SLIDERMASK", TrackThumb(false), 1);
        Put("SLIDERVMASK", TrackThumb(true), 1);
        Put("GRIPIMAGE", GripDots(12, 12), 1);
        Put("GRIPHORZ", GripDots(16, 5), 1);
        Put("GRIPVERT", GripDots(5, 16), 1);
        Put("MAINMENU", MenuFrame(), 0);
        Put("DIVIDERV", MenuSeparator(), 0);
        Put("ICOLINE", ColumnLine(), 0);
        Put("TOPLINE", TopLine(), 0);
        Put("SLIDERCHANNEL", TrackChannel(), 0, Hex(Pale));
        Put("TICKHORZ", Tick(false), 0);
        Put("TICKVERT", Tick(true), 0);
    }

    void Pin(const std::string& name, const TPlaced& piece) { FPieces[name] = piece; }

    void Put(const std::string& name, const TFrames& frames, int maskKind, TRgba matte = Hex(0xFFFFFF)) {
        FPieces[name] = FAtlas.Place(frames, maskKind, matte);
    }

    static void Require(const char* what, const std::string& made, const char* pinned) {
        if (made != pinned) throw std::logic_error(std::string(what) + " moved: " + made);
    }

    std::string Glyph(const std::string& name) { return GlyphReference(FPieces.at(name)); }
    // A frame piece of 2 * margin + 1 pixels with the same margin all round.
    std::string Frame(const std::string& name, int margin, int drawFlags) {
        return FrameReference(FPieces.at(name), margin, margin, margin, margin, drawFlags);
    }

    // The glossy hot look of everything that can be pressed.
    void HotLook(unsigned font) {
        FOptions.Colour("HOTCOLOR", 0xE1EDFC);
        FOptions.Key("HOTGRADIENTPERCENT", 100);
        FOptions.Gradient("HOTGRADIENTDATA", {HotTop, HotBottom});
        FOptions.Colour("HOTFONTCOLOR", font);
    }

    // The colours and glossy gradients of a push button, normal and hot.
    void ButtonLook(unsigned font) {
        FOptions.Key("STATES", 3);
        FOptions.Colour("COLOR", 0xEEF3FA);
        FOptions.Key("GRADIENTPERCENT", 100);
        FOptions.Gradient("GRADIENTDATA", {ButtonTop, ButtonBottom});
        FOptions.Colour("FONTCOLOR", font);
        HotLook(font);
    }

    // A button that shows its look only while hot or pressed.
    void FlatButton() {
        FOptions.Key("BORDERSMASK", Frame("BUTTON", 3, 3));
        FOptions.Key("STATES", 3);
        FOptions.Colour("COLOR", Pale);
        FOptions.Key("TRANSPARENCY", 100);
        FOptions.Colour("FONTCOLOR", Navy);
        HotLook(Navy);
        FOptions.Key("FADINGENABLED", 1);
    }

    void EditLook(int transparency) {
        FOptions.Key("BORDERSMASK", Frame("EDIT", 3, 1));
        FOptions.Key("STATES", 2);
        FOptions.Colour("COLOR", EditFace);
        FOptions.Colour("FONTCOLOR", 0x1A1A1A);
        FOptions.Colour("HOTCOLOR", EditFace);
        FOptions.Colour("HOTFONTCOLOR", 0x1A1A1A);
        if (transparency > 0) {
            FOptions.Key("TRANSPARENCY", transparency);
            FOptions.Key("HOTTRANSPARENCY", transparency / 3);
        }
    }

    void ScrollButton(const char* arrow) {
        FOptions.Key("BORDERSMASK", Frame("SCROLLBTN", 3, 1));
        FOptions.Key("GLYPHMASK", Glyph(arrow));
        FOptions.Key("STATES", 4);
        FOptions.Colour("COLOR", ScrollFace);
        FOptions.Colour("HOTCOLOR", ScrollHot);
        FOptions.Colour("FONTCOLOR", Navy);
        FOptions.Colour("HOTFONTCOLOR", Navy);
    }

    void Thumb(bool vertical) {
        FOptions.Key("BORDERSMASK", Frame(vertical ? "THUMBV" : "THUMBH", 4, 1));
        FOptions.Key("GLYPHMASK", Glyph(vertical ? "GRIPV" : "GRIPH"));
        FOptions.Key("STATES", 4);
        const auto shade = [vertical](TGradientStep step) { return vertical ? Across(step) : step; };
        FOptions.Colour("COLOR", 0xE3EAF5);
        FOptions.Key("GRADIENTPERCENT", 100);
        FOptions.Gradient("GRADIENTDATA", {shade(ThumbShade)});
        FOptions.Colour("HOTCOLOR", 0xD5E5FA);
        FOptions.Key("HOTGRADIENTPERCENT", 100);
        FOptions.Gradient("HOTGRADIENTDATA", {shade(ThumbHotShade)});
    }

    void Track(unsigned colour, unsigned hot, int states = 2) {
        FOptions.Key("STATES", states);
        FOptions.Colour("COLOR", colour);
        FOptions.Colour("HOTCOLOR", hot);
    }

    void Tab(const char* piece) {
        FOptions.Key("BORDERSMASK", Frame(piece, 4, 1));
        FOptions.Key("STATES", 4);
        FOptions.Colour("COLOR", TabFace);
        FOptions.Colour("FONTCOLOR", Navy);
        FOptions.Colour("HOTCOLOR", TabHot);
        FOptions.Colour("HOTFONTCOLOR", Navy);
    }

    void Page() {
        FOptions.Key("BORDERSMASK", Frame("PAGE", 3, 1));
        FOptions.Key("STATES", 1);
        FOptions.Colour("COLOR", PageFace);
        FOptions.Colour("FONTCOLOR", Text);
    }

    void Plain(unsigned colour, unsigned font = Text) {
        FOptions.Key("STATES", 1);
        FOptions.Colour("COLOR", colour);
        FOptions.Colour("FONTCOLOR", font);
    }

    void VerticalShade(unsigned top, unsigned bottom, int mode = 0) { Shade({top, bottom, 100, mode}); }
    void Shade(TGradientStep step) {
        FOptions.Key("GRADIENTPERCENT", 100);
        FOptions.Gradient("GRADIENTDATA", {step});
    }

    // A window paints its frame and background in the normal look while
    // inactive and in the hot look while active.
    void WindowLook() {
        FOptions.Key("BORDERSMASK", "^0019^0032^0028^0041^0004^0004^0004^0004^1^0^1^1");
        FOptions.Key("STATES", 2);
        FOptions.Colour("COLOR", 0xEAEEF3);
        FOptions.Key("GRADIENTPERCENT", 100);
        FOptions.Gradient("GRADIENTDATA", {InactiveWindow});
        FOptions.Key("FONTCOLOR", TextValue);
        FOptions.Colour("HOTCOLOR", Pale);
        FOptions.Key("HOTGRADIENTPERCENT", 100);
        FOptions.Gradient("HOTGRADIENTDATA", {ActiveWindow});
        FOptions.Key("HOTFONTCOLOR", TextValue);
    }

    // Check boxes and radio buttons show the window through in both looks.
    void SeeThroughLook() {
        FOptions.Key("STATES", 2);
        FOptions.Colour("COLOR", Pale);
        FOptions.Key("FONTCOLOR", TextValue);
        FOptions.Key("TRANSPARENCY", 100);
        FOptions.Colour("HOTCOLOR", Pale);
        FOptions.Key("HOTTRANSPARENCY", 100);
        FOptions.Key("HOTFONTCOLOR", TextValue);
    }

    // The grip bars keep their old gradient text; the calm blue colour takes
    // most of the share, so that the gradient only tints it.
    void GripLook(const char* gradient) {
        Plain(Mist);
        FOptions.Key("GRADIENTPERCENT", 20);
        FOptions.Key("GRADIENTDATA", gradient);
    }

    void GlobalInfo() {
        FOptions.Section("GLOBALINFO");
        FOptions.Key("VERSION", "7.10");
        FOptions.Key("MASTERBITMAP", "MASTER.BMP");
        FOptions.Key("AUTHOR", "Kestrune");
        FOptions.Key("DESCRIPTION", "Sapphire - the calm blue skin the program carries with it");
        FOptions.Key("BORDERWIDTH", 4);
        FOptions.Key("TITLEHEIGHT", 24);
        FOptions.Key("MAXHEIGHT", 22);
        FOptions.Key("CAPTIONHEIGHT", 20);
        FOptions.Key("ALIGNOFFSET", 0);
        FOptions.Key("CENTEROFFSET", 0);
        FOptions.Key("BORDERMODE", 0);
        FOptions.Key("SHADOW1COLOR", 0);
        FOptions.Key("SHADOW1OFFSET", 0);
        FOptions.Key("SHADOW1BLUR", -1);
        FOptions.Key("SHADOW1TRANSPARENCY", 0);
        FOptions.Key("BISPACE", -2);
        FOptions.Key("BIVALIGN", 1);
        FOptions.Key("BIRIGHT", 3);
        FOptions.Key("BILEFT", 0);
        FOptions.Key("BITOP", 0);
        FOptions.Colour("BORDERCOLOR", Ink);
        FOptions.Key("BIKEEPHUE", 0);
        for (const char* button : {"BICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM", "BICLOSEALONE"}) {
            FOptions.Key(std::string(button) + "GLOW", 10);
            FOptions.Key(std::string(button) + "GLOWMARGIN", 10);
        }
        FOptions.Key("AEROBLUR", 0);
        FOptions.Key("EXTSHADOW", 0);
        FOptions.Key("STATES", 1);
        FOptions.Colour("COLOR", Pale);
        FOptions.Key("FONTCOLOR", TextValue);
        FOptions.Colour("HOTCOLOR", 0xDCE7F6);
        for (const char* key : {"BICONCLOSE", "BICONMAX", "BICONNORM", "BICONMIN", "BICONHELP", "BICLOSEALONE",
                                "SICONCLOSE", "SICONMAX", "SICONNORM", "SICONMIN", "SICONHELP", "TITLEBUTTON"})
            FOptions.Key(key, Glyph(key));
        FOptions.Key("BICONCLOSEGLOW0", "!GLOWCLOSE.PNG!1!0!4");
        FOptions.Key("BICONMAXGLOW0", "!GLOWMAX.PNG!1!0!4");
        FOptions.Key("BICONMINGLOW0", "!GLOWMIN.PNG!1!0!4");
        FOptions.Key("BICONNORMGLOW0", "!GLOWNORM.PNG!1!0!4");
        FOptions.Key("BICLOSEALONEGLOW0", "!GLOWCALONE.PNG!1!0!4");
        for (const char* key : {"BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED", "RADIOCHECKED", "RADIOUNCHECKED",
                                "RADIOGRAYED", "SMALLCHECKED", "SMALLUNCHECKED", "SMALLGRAYED"})
            FOptions.Key(key, Glyph(key));
        FOptions.Key("CHECK", "@0469@0042@0497@0070@2@1");
        FOptions.Key("GRIPIMAGE", Glyph("GRIPIMAGE"));
        FOptions.Key("GRIPHORZ", Glyph("GRIPHORZ"));
        FOptions.Key("GRIPVERT", Glyph("GRIPVERT"));
        FOptions.Key("EXBORDER", "!XBORDER.PNG!2!0!3!0039!0075!0039!0038!1");
    }

    void WriteOptions() {
        TOptionsText& o = FOptions;
        GlobalInfo();

        o.Section("DIVIDER");
        o.Key("BORDERSMASK", "^0003^0039^0006^0040^0001^0000^0000^0000^1^0^1^1");
        Plain(Pale);
        o.Key("TRANSPARENCY", 100);

        o.Section("GRIPH");
        GripLook("12365438;16769878;62;1;0;16769878;16777152;35;1;0;16777152;16777152;0;1;0");

        o.Section("GROUPBOX");
        o.Key("BORDERSMASK", Frame("GROUPBOX", 3, 1));
        Plain(Pale, 0x1F4E9A);
        o.Key("TRANSPARENCY", 100);

        o.Section("ICOLINE");
        o.Key("BORDERSMASK", FrameReference(FPieces.at("ICOLINE"), 0, 0, 1, 0, 1));
        Plain(0xE6EDF8);
        VerticalShade(0xE1E9F6, 0xEDF2FA, 1);

        o.Section("MAINMENU");
        o.Key("BORDERSMASK", FrameReference(FPieces.at("MAINMENU"), 0, 0, 0, 0, 1, 1));
        Plain(0xFAFCFF, Navy);

        o.Section("MDIAREA");
        Plain(0xC9D6EA);

        o.Section("MENUITEM");
        o.Key("BORDERSMASK", Frame("MENUITEM", 3, 3));
        o.Key("STATES", 2);
        o.Colour("COLOR", 0xFAFCFF);
        o.Key("TRANSPARENCY", 100);
        o.Colour("FONTCOLOR", Navy);
        o.Colour("HOTCOLOR", 0xDCEAFB);
        o.Key("HOTGRADIENTPERCENT", 100);
        o.Gradient("HOTGRADIENTDATA", {MenuHot});
        o.Colour("HOTFONTCOLOR", Navy);

        o.Section("MENULINE");
        Plain(0xE8EFF9, Navy);
        VerticalShade(0xF5F8FD, 0xE1E9F6);

        o.Section("PANEL");
        Plain(Pale);
        o.Key("TRANSPARENCY", 100);

        o.Section("PANEL_LOW");
        o.Key("BORDERSMASK", Frame("PANEL_LOW", 3, 1));
        Plain(LowPanelFace);

        o.Section("STATUSBAR");
        o.Key("BORDERSMASK", FrameReference(FPieces.at("TOPLINE"), 0, 2, 0, 0, 1));
        Plain(0xE3EAF5, Navy);
        VerticalShade(0xEEF3FA, 0xDCE5F2);

        o.Section("DIVIDERV");
        o.Key("BORDERSMASK", FrameReference(FPieces.at("DIVIDERV"), 0, 1, 0, 1, 1));
        Plain(0xFAFCFF);

        o.Section("GAUGE");
        o.Key("BORDERSMASK", Frame("GAUGE", 4, 1));
        Plain(0xF4F7FC, Navy);
        Shade(GaugeShade);

        o.Section("SPLITTER");
        Track(0xD5E0F0, 0xB9CDEB);

        o.Section("SCROLLSLIDERV");
        Thumb(true);

        o.Section("RADIOBUTTON");
        SeeThroughLook();

        o.Section("TRACKBAR");
        Plain(Pale);
        o.Key("TRANSPARENCY", 100);
        o.Key("SLIDERCHANNEL", FrameReference(FPieces.at("SLIDERCHANNEL"), 3, 2, 3, 2, 5));
        o.Key("SLIDERMASK", Glyph("SLIDERMASK"));
        o.Key("SLIDERVMASK", Glyph("SLIDERVMASK"));
        o.Key("TICKHORZ", Glyph("TICKHORZ"));
        o.Key("TICKVERT", Glyph("TICKVERT"));

        o.Section("TABTOP");
        Tab("TABTOP");

        o.Section("WEBBUTTON");
        o.Key("STATES", 2);
        o.Colour("COLOR", Pale);
        o.Key("TRANSPARENCY", 100);
        o.Colour("FONTCOLOR", Sapphire);
        o.Colour("HOTCOLOR", Pale);
        o.Key("HOTTRANSPARENCY", 100);
        o.Colour("HOTFONTCOLOR", 0x3D7BD6);

        o.Section("BARPANEL");
        Plain(0xE6EDF8);

        o.Section("COLHEADER");
        o.Key("BORDERSMASK", Frame("BUTTON", 3, 1));
        ButtonLook(Navy);

        o.Section("BUTTON_HUGE");
        o.Key("BORDERSMASK", "!BUTTONHUGE.BMP!4!1!0!0012!0012!0012!0012!1");
        o.Key("PATTERN", "~0135~0070~0299~0071~01~0");
        o.Key("STATES", 4);
        o.Colour("COLOR", 0xE6F0FC);
        o.Key("IMAGEPERCENT", 100);
        o.Colour("FONTCOLOR", Navy);
        HotLook(Navy);
        o.Key("GLOW", 1);
        o.Key("GLOWMARGIN", 12);
        o.Key("GLOW0", "!GLOWH.PNG!1!0!3!0024!0024!0024!0024!1");
        o.Key("FADINGENABLED", 1);

        for (const char* section : {"PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT"}) {
            o.Section(section);
            Page();
        }

        o.Section("EXTRALINE");
        Plain(Deep, 0xFFFFFF);
        VerticalShade(0x3F7ACF, 0x17488F);

        o.Section("SCROLLSLIDERH");
        Thumb(false);

        o.Section("BAR");
        Plain(0xE8EDF5);

        o.Section("SCROLLBTNBOTTOM");
        ScrollButton("ARROWDOWN");
        o.Section("SCROLLBTNLEFT");
        ScrollButton("ARROWLEFT");
        o.Section("SCROLLBTNRIGHT");
        ScrollButton("ARROWRIGHT");
        o.Section("SCROLLBTNTOP");
        ScrollButton("ARROWUP");

        o.Section("COMBOBTN");
        o.Key("BORDERSMASK", Frame("SCROLLBTN", 3, 1));
        Track(ScrollFace, ScrollHot, 4);

        o.Section("SCROLLBAR1V");
        Track(0xE8EDF5, 0xDDE5F1);
        o.Section("SCROLLBAR2H");
        Track(0xC9D6EA, 0xBACBE4);
        o.Section("SCROLLBAR1H");
        Track(0xE8EDF5, 0xDDE5F1);
        o.Section("SCROLLBAR2V");
        Track(0xC9D6EA, 0xBACBE4);

        o.Section("FORM");
        WindowLook();
        o.Key("IMGTOPLEFT", "!TL.BMP!1!1!2");
        o.Key("IMGBTMLEFT", "!CORNER.BMP!1!1!2");

        o.Section("SPEEDBUTTON_SMALL");
        FlatButton();

        o.Section("PROGRESSH");
        o.Key("BORDERSMASK", Frame("PROGRESSH", 4, 1));
        Plain(0x3777D6, 0xFFFFFF);
        o.Key("GRADIENTPERCENT", 100);
        o.Gradient("GRADIENTDATA", {ProgressLight, ProgressDeep});
        o.Gradient("AGRADIENTDATA", {{0x8CBCF3, 0x3777D6, 100, 0}});

        o.Section("EDIT");
        EditLook(0);

        o.Section("PAGECONTROL");
        Page();

        o.Section("DRAGBAR");
        Plain(0xDCE5F2);

        o.Section("UPDOWNBTN");
        o.Key("BORDERSMASK", Frame("SCROLLBTN", 3, 1));
        Track(ScrollFace, ScrollHot, 3);

        o.Section("PROGRESSV");
        o.Key("BORDERSMASK", Frame("PROGRESSV", 4, 1));
        Plain(0x3777D6, 0xFFFFFF);
        o.Key("GRADIENTPERCENT", 100);
        o.Gradient("GRADIENTDATA", {Across(ProgressLight), Across(ProgressDeep)});

        o.Section("TOOLBUTTON");
        FlatButton();

        o.Section("COMBOBOX");
        EditLook(0);
        o.Key("GLYPHMASK", Glyph("ARROWDOWN"));

        o.Section("DIALOG");
        WindowLook();

        o.Section("TABBOTTOM");
        Tab("TABBOTTOM");
        o.Section("TABLEFT");
        Tab("TABLEFT");
        o.Section("TABRIGHT");
        Tab("TABRIGHT");

        o.Section("GRIPV");
        GripLook("12365438;16769878;62;0;0;16769878;16777152;35;0;0;16777152;16777152;0;0;0");

        o.Section("HINT");
        o.Key("BORDERSMASK", Frame("HINT", 3, 1));
        Plain(0xF5F8FD, Navy);
        Shade(HintShade);
        o.Key("", 1);

        o.Section("BARTITLE");
        Plain(Deep, 0xFFFFFF);
        o.Key("GRADIENTPERCENT", 100);
        o.Gradient("GRADIENTDATA", {ActiveTop, ActiveBottom});

        o.Section("TOOLBAR");
        Plain(0xEAF0F9, Navy);
        VerticalShade(0xF7FAFE, 0xE3EBF7);

        o.Section("CHECKBOX");
        SeeThroughLook();
        o.Key("FADINGENABLED", 1);
        o.Key("FADINGITERATIONS", 20);

        o.Section("FORMTITLE");
        o.Key("BORDERSMASK", FrameReference(FPieces.at("FORMTITLE"), 4, 4, 4, 1, 1));
        o.Key("STATES", 2);
        o.Colour("COLOR", 0x9DB3D3);
        o.Key("GRADIENTPERCENT", 100);
        o.Gradient("GRADIENTDATA", {TitleTop, TitleBottom});
        o.Colour("FONTCOLOR", 0xF2F6FC);
        o.Colour("HOTCOLOR", Light);
        o.Key("HOTGRADIENTPERCENT", 100);
        o.Gradient("HOTGRADIENTDATA", {ActiveTop, ActiveBottom});
        o.Colour("HOTFONTCOLOR", 0xFFFFFF);
        o.Gradient("AGRADIENTDATA", {{0x6FA0E8, 0x1E56AE, 100, 0}});

        o.Section("BUTTON_BIG");
        o.Key("BORDERSMASK", Frame("BUTTON", 3, 1));
        ButtonLook(Navy);
        o.Key("GLOW", 1);
        o.Key("GLOWMARGIN", 12);
        o.Key("GLOW0", "!GLOWH.PNG!1!0!3!0024!0024!0024!0024!1");
        o.Key("FADINGENABLED", 1);

        o.Section("SPEEDBUTTON");
        o.Key("BORDERSMASK", Frame("BUTTON", 3, 1));
        ButtonLook(Navy);
        o.Key("HGSIZE", 2);
        o.Key("HGCOL", 16776164);
        o.Key("FADINGENABLED", 1);
        o.Key("FADINGITERATIONS", 20);

        o.Section("SELECTION");
        o.Key("STATES", 2);
        o.Colour("COLOR", 0x3D7BD6);
        o.Colour("FONTCOLOR", 0xFFFFFF);
        o.Colour("HOTCOLOR", Sapphire);
        o.Colour("HOTFONTCOLOR", 0xFFFFFF);

        o.Section("ALPHAEDIT");
        EditLook(30);
        o.Section("ALPHACOMBOBOX");
        EditLook(30);
        o.Key("GLYPHMASK", Glyph("ARROWDOWN"));

        o.Section("BUTTON");
        o.Key("BORDERSMASK", Frame("BUTTON", 3, 1));
        ButtonLook(Navy);
        o.Key("GLOW", 1);
        o.Key("GLOWMARGIN", 10);
        o.Key("GLOW0", "!GLOWBTN.PNG!1!0!3!0018!0018!0018!0018!1");
        o.Key("FADINGENABLED", 1);
        o.Key("FADINGITERATIONS", 20);

        o.Section("MENUBTN");
        FlatButton();

        o.Section("RIBBONPAGE");
        Plain(0xF3F7FD);
        VerticalShade(0xFBFCFE, 0xE6EDF8);

        o.Section("RIBBONTAB");
        Tab("TABTOP");

        o.Section("TB_MENUBTN");
        FlatButton();
    }

    TMasterAtlas FAtlas{512};
    std::map<std::string, TPlaced> FPieces;
    TOptionsText FOptions;
};

}  // namespace

std::vector<TSkinFile> BuildSapphireSkin() { return TSapphire().Build(); }

}  // namespace skinart
