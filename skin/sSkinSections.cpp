#include "skin/sSkinSections.h"

#include <algorithm>
#include <limits>

#include "gfx/Colors.h"
#include "skin/sGradient.h"

namespace skin {

namespace {

constexpr std::string_view GlobalSection = "GLOBALINFO";
constexpr TColor NoColor = -1;

int16_t Short(int32_t value) {
    return static_cast<int16_t>(
        std::clamp<int32_t>(value, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

// A gradient text shorter than two characters means no gradient at all.
void ReadGradient(const std::string& data, int& percent, TsGradArray& steps) {
    if (data.size() < 2)
        percent = 0;
    else
        steps = ParseGradientData(data);
}

TsGenState Look(TColor color, const std::array<TColor, 5>& fontColors, int gradientPercent,
               const std::string& gradientData, const TsGradArray& gradient, int imagePercent, TColor glowColor,
               uint8_t glowSize, int transparency) {
    return {color,           fontColors[0], fontColors[1], fontColors[2], fontColors[3], fontColors[4],
            gradientPercent, gradientData,  gradient,      imagePercent,  glowColor,     glowSize,
            transparency};
}

}  // namespace

void ReadGlobalInfo(TsSkinData& info, const TsSkinOptions& options, int systemFrameWidth) {
    auto integer = [&](std::string_view key, int32_t defaultValue) {
        return Short(options.ReadInteger(GlobalSection, key, defaultValue));
    };
    auto strict = [&](std::string_view key, std::string_view defaultText) {
        return Short(options.ReadStrictInteger(GlobalSection, key, defaultText));
    };
    info.Version = options.ReadReal(GlobalSection, "VERSION");
    info.Author = options.ReadString(GlobalSection, "AUTHOR", "");
    info.Description = options.ReadString(GlobalSection, "DESCRIPTION", "");
    info.Shadow1Color = options.ReadInteger(GlobalSection, "SHADOW1COLOR", 0);
    info.Shadow1Offset = strict("SHADOW1OFFSET", "0");
    info.Shadow1Blur = strict("SHADOW1BLUR", "-1");
    info.Shadow1Transparency = strict("SHADOW1TRANSPARENCY", "0");
    info.BorderWidth = integer("BORDERWIDTH", 4);
    info.TitleHeight = integer("TITLEHEIGHT", 30);
    info.MaxHeight = integer("MAXHEIGHT", 0);
    info.FormOffset = integer("FORMOFFSET", systemFrameWidth);
    info.AlignOffset = integer("ALIGNOFFSET", 0);
    info.CenterOffset = integer("CENTEROFFSET", 0);
    info.BorderMode = integer("BORDERMODE", 0);
    info.BorderColor = options.ReadInteger(GlobalSection, "BORDERCOLOR", 0);
    info.BiSpace = integer("BISPACE", 0);
    info.BiVAlign = integer("BIVALIGN", 0);
    info.BiRight = integer("BIRIGHT", 0);
    info.BiLeft = integer("BILEFT", 0);
    info.BiTop = integer("BITOP", 0);
    info.BiKeepHue = integer("BIKEEPHUE", 0);
    info.BiconCloseGlow = strict("BICONCLOSEGLOW", "0");
    info.BiconCloseGlowMargin = strict("BICONCLOSEGLOWMARGIN", "0");
    info.BiconMaxGlow = strict("BICONMAXGLOW", "0");
    info.BiconMaxGlowMargin = strict("BICONMAXGLOWMARGIN", "0");
    info.BiconMinGlow = strict("BICONMINGLOW", "0");
    info.BiconMinGlowMargin = strict("BICONMINGLOWMARGIN", "0");
    info.AeroBlur = options.ReadInteger(GlobalSection, "AEROBLUR", 0) != 0;
    info.ExtShadow = options.ReadInteger(GlobalSection, "EXTSHADOW", 0);
}

TsGeneralData ReadSectionRecord(const TsSkinOptions& options, const std::string& section) {
    auto integer = [&](std::string_view key, int32_t defaultValue) {
        return options.ReadInheritedInteger(section, key, defaultValue);
    };
    auto flag = [&](std::string_view key) { return options.ReadInheritedBool(section, key); };

    TsGeneralData d;
    d.SectionName = section;
    d.ParentClass = options.ReadString(section, "PARENTCLASS", "");
    d.Color = gfx::ColorToRGB(integer("COLOR", 0xFFFFFF));
    d.ReservedBoolean = flag("RESERVEDBOOLEAN");
    d.GiveOwnFont = flag("GIVEOWNFONT");
    d.Glow = integer("GLOW", 0);
    d.GlowMargin = integer("GLOWMARGIN", 0);
    d.FontColor = {integer("FONTCOLOR", 0), integer("TCLEFT", NoColor), integer("TCTOP", NoColor),
                   integer("TCRIGHT", NoColor), integer("TCBOTTOM", NoColor)};
    d.Transparency = integer("TRANSPARENCY", 0);
    d.GradientPercent = integer("GRADIENTPERCENT", 0);
    d.ImagePercent = integer("IMAGEPERCENT", 0);
    d.GradientData = options.ReadInheritedString(section, "GRADIENTDATA", " ");
    ReadGradient(d.GradientData, d.GradientPercent, d.GradientArray);
    d.ShowFocus = flag("SHOWFOCUS");
    d.FadingEnabled = flag("FADINGENABLED");
    d.FadingIterations = integer("FADINGITERATIONS", 5);
    d.GlowColor = gfx::ColorToRGB(integer("GCOL", 0xFFFFFF));
    d.GlowSize = static_cast<uint8_t>(integer("GSIZE", 0));
    d.States = integer("STATES", 4);

    d.StateLook[0] = Look(d.Color, d.FontColor, d.GradientPercent, d.GradientData, d.GradientArray, d.ImagePercent,
                          d.GlowColor, d.GlowSize, d.Transparency);

    // A section of fewer than two states has no hot keys: its flat hot fields
    // stay zero and its hot look is the normal one.
    if (d.States < 2) {
        d.StateLook[1] = d.StateLook[0];
        return d;
    }
    d.HotFontColor = {integer("HOTFONTCOLOR", 0), integer("HOTTCLEFT", NoColor), integer("HOTTCTOP", NoColor),
                      integer("HOTTCRIGHT", NoColor), integer("HOTTCBOTTOM", NoColor)};
    d.HotGlowColor = gfx::ColorToRGB(integer("HGCOL", 0xFFFFFF));
    d.HotGlowSize = static_cast<uint8_t>(integer("HGSIZE", 0));
    d.HotColor = integer("HOTCOLOR", 0xFFFFFF);
    d.HotTransparency = integer("HOTTRANSPARENCY", 0);
    d.HotGradientPercent = integer("HOTGRADIENTPERCENT", 0);
    d.HotGradientData = options.ReadInheritedString(section, "HOTGRADIENTDATA", "");
    ReadGradient(d.HotGradientData, d.HotGradientPercent, d.HotGradientArray);
    d.HotImagePercent = integer("HOTIMAGEPERCENT", 0);

    d.StateLook[1] = Look(d.HotColor, d.HotFontColor, d.HotGradientPercent, d.HotGradientData, d.HotGradientArray,
                          d.HotImagePercent, d.HotGlowColor, d.HotGlowSize, d.HotTransparency);
    return d;
}

void UpdateSectionIndexes(TsSkinTables& tables) {
    for (size_t i = 0; i < tables.Sections.size(); ++i) {
        TsGeneralData& d = tables.Sections[i];
        if (d.SectionName == GlobalSection) continue;
        const int index = static_cast<int>(i);
        d.BordersMaskIndex = tables.FindMask(index, d.SectionName, "BORDERSMASK");
        d.ImgTopLeftIndex = tables.FindMask(index, d.SectionName, "IMGTOPLEFT");
        d.ImgTopRightIndex = tables.FindMask(index, d.SectionName, "IMGTOPRIGHT");
        d.ImgBtmLeftIndex = tables.FindMask(index, d.SectionName, "IMGBTMLEFT");
        d.ImgBtmRightIndex = tables.FindMask(index, d.SectionName, "IMGBTMRIGHT");
        d.PatternIndex = tables.FindTexture(index, d.SectionName, "PATTERN");
    }
}

}  // namespace skin
