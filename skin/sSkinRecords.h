#pragma once
// The records a loaded skin is made of: one image entry per image reference of
// the options text, the large JPEG patterns, one record per section, and the
// skin-wide values of GLOBALINFO. Painters work from these alone; the options
// text is gone once a skin is loaded.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Colors.h"
#include "gfx/Geometry.h"
#include "gfx/TBitmap.h"

namespace skin {

class TsSkinTables;

using gfx::TColor;

enum TacImageKind : uint8_t { ikBorderFrame, ikTexture, ikGlyph, ikAlphaFrame, ikAlphaGlyph };

// One image entry: a picture cut from the master bitmap or from its own bitmap.
struct TsMaskData {
    // Own 32-bit picture; null when the entry cuts from the master bitmap.
    std::unique_ptr<gfx::TBitmap> Bitmap;
    std::string SectionName;
    std::string KeyName;
    // All state frames, side by side, inside the source picture.
    gfx::TRect SourceRect;
    int16_t StateCount = 0;
    // 0: 0xFF00FF is see-through; 1: the lower half is the mask of the upper.
    int16_t MaskKind = 0;
    int16_t UniformMargin = 0;
    // A bit set for frames (1 stretch, 2 nothing in state 0, 4 paint the
    // centre); the texture fill mode for ikTexture entries.
    int16_t DrawFlags = 0;
    TacImageKind ImageKind = ikBorderFrame;
    // The tables that loaded the entry; null means the entry is never painted.
    const TsSkinTables* Owner = nullptr;
    int16_t MarginLeft = 0;
    int16_t MarginTop = 0;
    int16_t MarginRight = 0;
    int16_t MarginBottom = 0;
    // 0 opaque corners, 1 see-through pixels in a corner of the first frame,
    // 2 forced.
    int16_t CornerTransparency = 0;
};

// A JPEG picture too large to become a texture entry.
struct TsPatternData {
    std::unique_ptr<gfx::TBitmap> Image;
    std::string SectionName;
    std::string KeyName;
};

// One step of a background gradient.
struct TsGradientStep {
    int Color1 = 0;
    int Color2 = 0;
    uint8_t Percent = 0;
    int Mode = 0;
};
using TsGradArray = std::vector<TsGradientStep>;

// The look of a section in one state.
struct TsGenState {
    TColor Color = 0;
    TColor FontColor = 0;
    TColor TCLeft = 0;
    TColor TCTop = 0;
    TColor TCRight = 0;
    TColor TCBottom = 0;
    int GradientPercent = 0;
    std::string GradientData;
    TsGradArray GradientArray;
    int ImagePercent = 0;
    TColor GlowColor = 0;
    uint8_t GlowSize = 0;
    int Transparency = 0;
};
// [0] normal look, [1] hot look.
using TsProps = std::array<TsGenState, 2>;

// One section of the skin.
struct TsGeneralData {
    std::string ParentClass;
    std::string SectionName;
    int States = 0;
    TsProps StateLook;
    bool GiveOwnFont = false;
    bool ReservedBoolean = false;
    bool ShowFocus = false;
    int Glow = 0;
    int GlowMargin = 0;
    int BordersMaskIndex = -1;
    int ImgTopLeftIndex = -1;
    int ImgTopRightIndex = -1;
    int ImgBtmLeftIndex = -1;
    int ImgBtmRightIndex = -1;
    int PatternIndex = -1;
    TColor Color = 0;
    int Transparency = 0;
    int GradientPercent = 0;
    std::string GradientData;
    TsGradArray GradientArray;
    int ImagePercent = 0;
    // Text colour, then the contour colours left, top, right, bottom (-1: none).
    std::array<TColor, 5> FontColor{};
    TColor HotColor = 0;
    int HotTransparency = 0;
    int HotGradientPercent = 0;
    std::string HotGradientData;
    TsGradArray HotGradientArray;
    int HotImagePercent = 0;
    std::array<TColor, 5> HotFontColor{};
    bool FadingEnabled = false;
    int FadingIterations = 0;
    TColor HotGlowColor = 0;
    TColor GlowColor = 0;
    uint8_t HotGlowSize = 0;
    uint8_t GlowSize = 0;
};

// The skin-wide values (GLOBALINFO).
struct TsSkinData {
    std::string SkinFolder;
    bool SkinApplied = false;
    double Version = 0;
    std::string Author;
    std::string Description;
    TColor Shadow1Color = 0;
    int16_t Shadow1Offset = 0;
    int16_t Shadow1Blur = 0;
    int16_t Shadow1Transparency = 0;
    int16_t BorderWidth = 0;
    int16_t TitleHeight = 0;
    int16_t MaxHeight = 0;
    int16_t FormOffset = 0;
    int16_t AlignOffset = 0;
    int16_t CenterOffset = 0;
    int16_t BorderMode = 0;
    TColor BorderColor = 0;
    int16_t BiSpace = 0;
    int16_t BiVAlign = 0;
    int16_t BiRight = 0;
    int16_t BiLeft = 0;
    int16_t BiTop = 0;
    int16_t BiKeepHue = 0;
    int16_t BiconCloseGlow = 0;
    int16_t BiconCloseGlowMargin = 0;
    int16_t BiconMaxGlow = 0;
    int16_t BiconMaxGlowMargin = 0;
    int16_t BiconMinGlow = 0;
    int16_t BiconMinGlowMargin = 0;
    bool AeroBlur = false;
    TColor ExtShadow = 0;
};

using TsMaskArray = std::vector<TsMaskData>;
using TsPatternArray = std::vector<TsPatternData>;
using TsGeneralDataArray = std::vector<TsGeneralData>;

}  // namespace skin
