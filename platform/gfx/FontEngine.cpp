#include "gfx/FontEngine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include FT_MODULE_H
#include FT_DRIVER_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <tuple>

extern const unsigned char FontAliasesConf[];
extern const unsigned char FontFoldersConf[];

namespace gfx {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the five unassigned ones stay as they are.
constexpr uint16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

uint32_t Cp1252ToUnicode(unsigned char ch) {
    return ch >= 0x80 && ch < 0xA0 ? Cp1252High[ch - 0x80] : ch;
}

int Scale(long units, int em, int unitsPerEm) {
    return static_cast<int>(std::lround(double(units) * em / unitsPerEm));
}

struct TFaceFile {
    std::string Path;
    int Index = 0;
    bool SynthBold = false;
    bool SynthItalic = false;
    double WidthScale = 1.0;  // from the alias file's matrix
};

bool HasFamily(FcConfig* config, const char* family) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
    FcFontSet* found = FcFontList(config, pattern, objects);
    const bool has = found && found->nfont > 0;
    if (found) FcFontSetDestroy(found);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return has;
}

// The installed fonts' folders with our aliases; the system's whole
// configuration with them only on a machine whose DejaVu lies elsewhere.
FcConfig* LoadFontConfig() {
    if (FcConfig* config = FcConfigCreate()) {
        if (FcConfigParseAndLoadFromMemory(config, FontFoldersConf, FcTrue) &&
            FcConfigParseAndLoadFromMemory(config, FontAliasesConf, FcTrue) && FcConfigBuildFonts(config) &&
            HasFamily(config, "DejaVu Sans"))
            return config;
        FcConfigDestroy(config);
    }
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config) FcConfigParseAndLoadFromMemory(config, FontAliasesConf, FcTrue);
    return config;
}

// One FreeType library and one fontconfig configuration for the whole program.
class TFontSystem {
public:
    static TFontSystem& Get() {
        static TFontSystem system;
        return system;
    }

    FT_Library Library() const { return FLibrary; }

    TFaceFile Find(const std::string& name, bool bold, bool italic) {
        TFaceFile file;
        if (!FConfig) return file;
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(FConfig, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result;
        if (FcPattern* match = FcFontMatch(FConfig, pattern, &result)) {
            FcChar8* path = nullptr;
            int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
            if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
                file.Path = reinterpret_cast<const char*>(path);
                FcPatternGetInteger(match, FC_INDEX, 0, &file.Index);
                FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
                FcPatternGetInteger(match, FC_SLANT, 0, &slant);
                file.SynthBold = bold && weight < FC_WEIGHT_DEMIBOLD;
                file.SynthItalic = italic && slant == FC_SLANT_ROMAN;
                FcMatrix* matrix = nullptr;
                if (FcPatternGetMatrix(match, FC_MATRIX, 0, &matrix) == FcResultMatch && matrix->xx > 0.25 &&
                    matrix->xx <= 4)
                    file.WidthScale = matrix->xx;
            }
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
        return file;
    }

    TFontInstance& Instance(const TFont& font) {
        std::string name = font.Name;
        for (char& c : name) c = char(std::tolower(static_cast<unsigned char>(c)));
        auto key = std::make_tuple(name, font.Height, (font.Style & fsBold) != 0, (font.Style & fsItalic) != 0);
        auto& slot = FInstances[key];
        if (!slot) slot = std::make_unique<TFontInstance>(font);
        return *slot;
    }

private:
    TFontSystem() {
        if (FT_Init_FreeType(&FLibrary) != 0) FLibrary = nullptr;
        // The classic TrueType interpreter hints across as well as up and down,
        // as Windows does, so that stems land on whole pixels and stay crisp.
        FT_UInt classic = TT_INTERPRETER_VERSION_35;
        if (FLibrary) FT_Property_Set(FLibrary, "truetype", "interpreter-version", &classic);
        FConfig = LoadFontConfig();
    }
    ~TFontSystem() {
        FInstances.clear();
        if (FConfig) FcConfigDestroy(FConfig);
        if (FLibrary) FT_Done_FreeType(FLibrary);
    }

    FT_Library FLibrary = nullptr;
    FcConfig* FConfig = nullptr;
    std::map<std::tuple<std::string, int, bool, bool>, std::unique_ptr<TFontInstance>> FInstances;
};

}  // namespace

struct TFontInstance::TFace {
    FT_Face Face = nullptr;
    bool SynthBold = false;
    bool SynthItalic = false;
    ~TFace() {
        if (Face) FT_Done_Face(Face);
    }
};

TFontInstance::TFontInstance(const TFont& font) : FFace(std::make_unique<TFace>()) {
    TFontSystem& system = TFontSystem::Get();
    const TFaceFile file = system.Find(font.Name, font.Style & fsBold, font.Style & fsItalic);
    FT_Face face = nullptr;
    if (system.Library() && !file.Path.empty() &&
        FT_New_Face(system.Library(), file.Path.c_str(), file.Index, &face) != 0)
        face = nullptr;
    const int height = font.Height == 0 ? -12 : font.Height;
    if (!face || !FT_IS_SCALABLE(face)) {
        // No usable face on this machine: text measures as empty and draws nothing.
        if (face) FT_Done_Face(face);
        const int em = std::abs(height);
        FMetrics = {em, em, 0, 0, 0, 0};
        return;
    }
    FFace->Face = face;
    FFace->SynthBold = file.SynthBold;
    FFace->SynthItalic = file.SynthItalic;

    // The cell uses the Windows ascent and descent, as GDI does, so that a
    // positive height names the cell and a negative one the character.
    const int upem = face->units_per_EM;
    long ascent = face->ascender, descent = -face->descender, lineGap = face->height - ascent - descent;
    long avgWidth = 0;
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2)); os2 && os2->version != 0xFFFF) {
        const long hheaSpan = ascent + descent;
        ascent = os2->usWinAscent;
        descent = os2->usWinDescent;
        lineGap = std::max(0L, lineGap - ((ascent + descent) - hheaSpan));
        avgWidth = os2->xAvgCharWidth;
    }
    const int em = height < 0 ? -height
                              : std::max(1, int(std::lround(double(height) * upem / std::max(1L, ascent + descent))));
    // At 72 dpi a point is a pixel; a narrower width keeps the hinting intact.
    FT_Set_Char_Size(face, std::lround(em * 64 * file.WidthScale), em * 64, 72, 72);
    FMetrics.tmAscent = Scale(ascent, em, upem);
    FMetrics.tmDescent = Scale(descent, em, upem);
    FMetrics.tmHeight = FMetrics.tmAscent + FMetrics.tmDescent;
    FMetrics.tmInternalLeading = FMetrics.tmHeight - em;
    FMetrics.tmExternalLeading = Scale(lineGap, em, upem);
    FMetrics.tmAveCharWidth =
        avgWidth > 0 ? int(std::lround(double(avgWidth) * em * file.WidthScale / upem)) : Advance('x');
    FUnderlineThickness = std::max(1, Scale(face->underline_thickness, em, upem));
    FUnderlinePosition = std::clamp(Scale(-face->underline_position, em, upem), 1,
                                    std::max(1, FMetrics.tmDescent - FUnderlineThickness));
}

TFontInstance::~TFontInstance() = default;

const TGlyph& TFontInstance::Glyph(unsigned char ch) {
    auto& slot = FGlyphs[ch];
    if (slot) return *slot;
    slot = std::make_unique<TGlyph>();
    FT_Face face = FFace->Face;
    if (!face || ch < 32) return *slot;
    const FT_UInt index = FT_Get_Char_Index(face, Cp1252ToUnicode(ch));
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_NORMAL | FT_LOAD_NO_BITMAP) != 0) return *slot;
    FT_GlyphSlot glyph = face->glyph;
    if (FFace->SynthItalic) FT_GlyphSlot_Oblique(glyph);
    if (FFace->SynthBold && glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
        // One pixel wider, as a synthesised bold is on Windows.
        FT_Outline_EmboldenXY(&glyph->outline, 64, 0);
        glyph->advance.x += 64;
    }
    slot->Advance = int((glyph->advance.x + 32) >> 6);
    if (FT_Render_Glyph(glyph, FT_RENDER_MODE_NORMAL) != 0) return *slot;
    const FT_Bitmap& bitmap = glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return *slot;
    slot->Left = glyph->bitmap_left;
    slot->Top = glyph->bitmap_top;
    slot->Width = int(bitmap.width);
    slot->Rows = int(bitmap.rows);
    slot->Coverage.resize(size_t(slot->Width) * slot->Rows);
    for (int y = 0; y < slot->Rows; ++y)
        std::memcpy(slot->Coverage.data() + size_t(y) * slot->Width,
                    bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch, size_t(slot->Width));
    return *slot;
}

TFontInstance& FontInstance(const TFont& font) { return TFontSystem::Get().Instance(font); }

}  // namespace gfx
