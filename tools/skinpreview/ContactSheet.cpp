#include "skinpreview/ContactSheet.h"

#include <algorithm>
#include <filesystem>
#include <functional>

#include "gfx/TCanvas.h"
#include "resources/InternalSkin.h"
#include "skin/sSkinLoader.h"
#include "skinpaint/sBlendOps.h"
#include "skinpaint/sBlockCopy.h"
#include "skinpaint/sMaskGlyph.h"
#include "skinpaint/sSectionItem.h"
#include "skinpaint/sSkinFrame.h"
#include "skinpaint/sSkinText.h"
#include "skinpaint/sTexture.h"

namespace skinpreview {

namespace {

using gfx::TRect;
using gfx::TSize;

constexpr int Margin = 8;
constexpr int Gap = 8;
constexpr int LineHeight = 14;
constexpr int SheetWidth = 1400;
constexpr unsigned Centred = gfx::DT_SINGLELINE | gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_NOPREFIX;

// One thing to paint at a place of the sheet, with its caption above it.
struct TCell {
    TRect Rect;
    std::string Caption;
    std::function<void(gfx::TBitmap&, const TRect&)> Paint;
};

// Lays cells out in lines from left to right, a heading line before each
// group, wrapping at the sheet's width.
class TFlow {
public:
    explicit TFlow(bool labels) : FLabels(labels), FMeasure(1, 1) {}

    void Heading(std::string text) {
        NewLine();
        if (FLabels) FHeadings.push_back({Margin, FY, std::move(text)}), FY += LineHeight;
    }
    void Add(TSize size, std::string caption, std::function<void(gfx::TBitmap&, const TRect&)> paint) {
        const int captionHeight = FLabels ? LineHeight : 0;
        if (FX > Margin && FX + size.cx > SheetWidth - Margin) NewLine();
        FCells.push_back({gfx::Bounds(FX, FY + captionHeight, size.cx, size.cy), std::move(caption), std::move(paint)});
        FX += std::max(size.cx, FLabels ? FMeasure.Canvas().TextWidth(FCells.back().Caption) : 0) + Gap;
        FLineHeight = std::max(FLineHeight, captionHeight + size.cy);
    }
    void NewLine() {
        if (FLineHeight > 0) FY += FLineHeight + Gap;
        FX = Margin, FLineHeight = 0;
    }

    struct THeading {
        int X, Y;
        std::string Text;
    };
    const std::vector<TCell>& Cells() const { return FCells; }
    const std::vector<THeading>& Headings() const { return FHeadings; }
    int Width() const {
        int w = 0;
        for (const TCell& c : FCells) w = std::max(w, c.Rect.Right);
        return w + Margin;
    }
    int Height() { return NewLine(), FY + Margin; }

private:
    bool FLabels;
    gfx::TBitmap FMeasure;
    int FX = Margin, FY = Margin, FLineHeight = 0;
    std::vector<TCell> FCells;
    std::vector<THeading> FHeadings;
};

void Checkerboard(gfx::TBitmap& b) {
    gfx::TCanvas& c = b.Canvas();
    c.Brush = {gfx::RGB(236, 236, 236), gfx::bsSolid};
    c.FillRect({0, 0, b.Width(), b.Height()});
    c.Brush.Color = gfx::RGB(214, 214, 214);
    for (int y = 0; y < b.Height(); y += 8)
        for (int x = (y / 8 % 2) * 8; x < b.Width(); x += 16) c.FillRect(gfx::Bounds(x, y, 8, 8));
}

// Captions are appended piece by piece: GCC 12 warns falsely on "s" + string.
std::string SizeText(TSize s) {
    std::string text = std::to_string(s.cx);
    text += 'x';
    text += std::to_string(s.cy);
    return text;
}

std::string StateText(int state) {
    std::string text = "s";
    text += std::to_string(state);
    return text;
}

void AddSections(TFlow& flow, const skin::TsSkinTables& tables, const std::vector<TSheetItem>& items, bool labels) {
    for (const TSheetItem& item : items) {
        const int index = tables.FindSection(item.Section);
        if (index < 0) continue;
        const int states = std::max(tables.Sections[size_t(index)].States, 1);
        flow.Heading(item.Section);
        for (const TSize size : item.Sizes)
            for (int state = 0; state < states; ++state)
                flow.Add(size, SizeText(size) + ' ' + StateText(state),
                         [&tables, index, state, labels, name = item.Section](gfx::TBitmap& b, const TRect& r) {
                             // As a control paints itself: into its own picture,
                             // with the sheet as the parent behind it.
                             gfx::TBitmap item(r.Width(), r.Height());
                             const TRect all{0, 0, r.Width(), r.Height()};
                             skinpaint::PaintSectionItem(index, name, skinpaint::BackgroundFromBitmap(b, r.Left, r.Top),
                                                         -1, -1, &tables, item, {0, 0}, all, state);
                             if (labels)
                                 skinpaint::WriteSectionText(item.Canvas(), "Abc", true, &tables, std::min(state, 1),
                                                             index, Centred, all);
                             skinpaint::CopyBlock(b, r.Left, r.Top, item, all);
                         });
    }
}

void AddImages(TFlow& flow, const skin::TsSkinTables& tables) {
    struct TKind {
        const char* Heading;
        std::function<bool(const skin::TsMaskData&)> Takes;
    };
    const TKind kinds[] = {
        {"Glyphs", [](const skin::TsMaskData& e) { return e.ImageKind == skin::ikGlyph || e.ImageKind == skin::ikAlphaGlyph; }},
        {"Alpha frames", [](const skin::TsMaskData& e) { return e.ImageKind == skin::ikAlphaFrame; }},
        {"Textures", [](const skin::TsMaskData& e) { return e.ImageKind == skin::ikTexture; }},
    };
    for (const TKind& kind : kinds) {
        bool any = false;
        for (const skin::TsMaskData& e : tables.Masks) {
            if (!kind.Takes(e) || e.StateCount <= 0) continue;
            if (!any) flow.Heading(kind.Heading), any = true;
            const std::string name = e.SectionName == "GLOBALINFO" ? e.KeyName : e.SectionName + " " + e.KeyName;
            if (e.ImageKind == skin::ikTexture) {
                flow.Add({96, 48}, name, [&e](gfx::TBitmap& b, const TRect& r) {
                    TRect rest = r;
                    skinpaint::FillTexture(b, rest, nullptr, e.DrawFlags, &e);
                });
                continue;
            }
            const bool alpha = e.ImageKind == skin::ikAlphaFrame || e.ImageKind == skin::ikAlphaGlyph;
            const TSize frame{skin::FrameWidth(e), skin::FrameHeight(e)};
            const TSize size = e.ImageKind == skin::ikAlphaFrame ? TSize{std::max(frame.cx, 96), std::max(frame.cy, 48)}
                                                                  : frame;
            for (int state = 0; state < e.StateCount; ++state)
                flow.Add(size, state == 0 ? name : StateText(state),
                         [&e, state, alpha](gfx::TBitmap& b, const TRect& r) {
                             // Pictures with alpha are made on a see-through picture
                             // and laid over the sheet by their alpha.
                             gfx::TBitmap own(alpha ? r.Width() : 0, alpha ? r.Height() : 0);
                             gfx::TBitmap& target = alpha ? own : b;
                             const TRect at = alpha ? TRect{0, 0, r.Width(), r.Height()} : r;
                             const skinpaint::ParentBackground behind = skinpaint::BackgroundFromBitmap(target, 0, 0);
                             if (e.ImageKind == skin::ikAlphaFrame)
                                 skinpaint::PaintSkinFrame(target, at, behind, e, state, true);
                             else
                                 skinpaint::PaintMaskGlyph(target, {at.Left, at.Top}, state, behind, e,
                                                           skinpaint::gdNormal);
                             if (alpha) skinpaint::CopyAlphaImage(b, r, own, at, false, skinpaint::EmptyBackground);
                         });
        }
    }
}

}  // namespace

std::vector<TSheetItem> ProgramSections() {
    // The main window is 372 x 250 inside a dialog frame of 3 pixels and a
    // caption of 19; the folder dialog is 350 x 420 outside.
    return {
        {"FORM", {{378, 275}}},
        {"FORMTITLE", {{378, 22}}},
        {"DIALOG", {{350, 420}}},
        {"SPEEDBUTTON", {{57, 49}, {113, 35}, {73, 25}}},
        {"EDIT", {{353, 21}}},
        {"CHECKBOX", {{216, 19}}},
        {"GAUGE", {{369, 17}}},
        {"PROGRESSH", {{185, 17}}},
        {"BUTTON", {{75, 25}}},
        {"BAR", {{101, 318}}},
    };
}

std::vector<TSheetItem> AllSections(const skin::TsSkinTables& tables) {
    const std::vector<TSheetItem> program = ProgramSections();
    std::vector<TSheetItem> items;
    for (const skin::TsGeneralData& section : tables.Sections) {
        if (section.SectionName == "GLOBALINFO") continue;
        TSheetItem item{section.SectionName, {{16, 16}, {60, 24}, {140, 48}}};
        for (const TSheetItem& p : program)
            if (p.Section == section.SectionName) item.Sizes.insert(item.Sizes.end(), p.Sizes.begin(), p.Sizes.end());
        items.push_back(std::move(item));
    }
    return items;
}

gfx::TBitmap PaintContactSheet(const skin::TsSkinTables& tables, const std::vector<TSheetItem>& items,
                               const TSheetOptions& options) {
    TFlow flow(options.Labels);
    AddSections(flow, tables, items, options.Labels);
    if (options.Images) AddImages(flow, tables);
    const int height = flow.Height();
    gfx::TBitmap sheet(std::max(flow.Width(), 2 * Margin), height);
    Checkerboard(sheet);
    gfx::TCanvas& c = sheet.Canvas();
    c.Brush.Style = gfx::bsClear;
    for (const TCell& cell : flow.Cells()) {
        cell.Paint(sheet, cell.Rect);
        if (!options.Labels) continue;
        c.Font.Color = gfx::RGB(90, 90, 90);
        c.TextOut(cell.Rect.Left, cell.Rect.Top - LineHeight + 1, cell.Caption);
    }
    c.Font.Style = gfx::fsBold;
    c.Font.Color = gfx::clBlack;
    for (const auto& heading : flow.Headings()) c.TextOut(heading.X, heading.Y, heading.Text);
    sheet.SetPixelFormat(gfx::pf24bit);
    return sheet;
}

void LoadPreviewSkin(skin::TsSkinTables& tables, const std::string& path) {
    skin::TsStoredSkins internal;
    skin::TsSkinSource source;
    if (path.empty()) {
        skin::TsStoredSkin& item = internal.Add();
        item.SetName(std::string(resources::InternalSkinName));
        item.SetData(resources::InternalSkinPackage());
        source.Kind = skin::sskInternal;
        source.InternalIndex = 0;
    } else if (std::filesystem::is_directory(path)) {
        source.Kind = skin::sskFolder;
        source.SkinFolder = skin::AddTrailingSeparator(path);
    } else {
        source.Kind = skin::sskPackageFile;
        source.PackageFile = path;
    }
    skin::LoadSkin(tables, source, internal, {});
}

}  // namespace skinpreview
