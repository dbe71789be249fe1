#include "controls/sLabel.h"

#include "skin/sCommonData.h"
#include "skin/sParentRequest.h"
#include "skin/sSkinBroadcast.h"
#include "skin/sSkinColors.h"
#include "skin/sSkinManager.h"
#include "skinpaint/sColorOps.h"
#include "skinpaint/sSectionItem.h"
#include "vcl/TClassBuilder.h"
#include "vcl/TWinControl.h"

namespace controls {

namespace {

// One label at a time sets its colours: setting Font.Color from inside a
// paint must not start another paint.
bool LabelPainting = false;

skin::TsSkinManager* ActiveManager() {
    skin::TsSkinManager* manager = skin::TsSkinManager::DefaultManager();
    return manager && manager->Active() && !manager->Sections.empty() ? manager : nullptr;
}

vcl::TMessage Command(uint16_t command) { return {skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(command), 0}; }

}  // namespace

const vcl::TClassInfo& TsCustomLabel::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TsCustomLabel>("TsCustomLabel", vcl::TCustomLabel::StaticClass())
            .String("SkinSection", &TsCustomLabel::SetSkinSection)
            .Build();
    return info;
}

const vcl::TClassInfo& TsLabel::StaticClass() {
    static const vcl::TClassInfo& info = vcl::TClassBuilder<TsLabel>("TsLabel", TsCustomLabel::StaticClass())
                                             .Creatable()
                                             .Bool("UseSkinColor", &TsCustomLabel::SetUseSkinColor)
                                             .Build();
    return info;
}

TsCustomLabel::TsCustomLabel(vcl::TComponent* owner) : vcl::TCustomLabel(owner) { SetTransparent(true); }

void TsCustomLabel::SetSkinSection(const std::string& value) {
    if (value == FSkinSection) return;
    FSkinSection = value;
    Invalidate();
}

void TsCustomLabel::SetUseSkinColor(bool value) {
    if (value == FUseSkinColor) return;
    FUseSkinColor = value;
    Invalidate();
}

void TsCustomLabel::ApplySkin() {
    skin::TsSkinManager* manager = ActiveManager();
    if (!manager) return;
    if (FUseSkinColor && !(ComponentState() & vcl::csDestroying)) {
        const int index = skin::TsCommonData::FindFontSection(this, -1, manager, 0);
        const gfx::TColor color = manager->IsValidSkinIndex(index) ? manager->Sections[size_t(index)].FontColor[0]
                                                                   : skin::SkinFontColor(*manager);
        if (color != skinpaint::KEY_COLOR && color != Font().Color()) Font().SetColor(color);
    }
    if (FSkinSection.empty()) return;
    const int own = manager->FindSection(FSkinSection);
    if (own < 0) return;
    if (Font().Color() != manager->Sections[size_t(own)].FontColor[0])
        Font().SetColor(manager->Sections[size_t(own)].FontColor[0]);
    if (own == 0) return;
    skin::BackgroundRequest request;
    skinpaint::ParentBackground behind = skinpaint::EmptyBackground;
    if (Parent()) {
        skin::RequestParentBackground(*this, request, false);
        behind = skinpaint::BackgroundFromRequest(request);
        if (behind.Ready) behind = skinpaint::MovedBy(behind, {Left(), Top()});
    }
    skinpaint::PaintSectionItemToDC(own, FSkinSection, behind, manager, Canvas(), {0, 0}, ClientRect(), 0);
}

void TsCustomLabel::Paint() {
    if (LabelPainting) {
        vcl::TCustomLabel::Paint();
        return;
    }
    // A paint that throws must not leave every label without skin colours.
    struct TPaintingScope {
        TPaintingScope() { LabelPainting = true; }
        ~TPaintingScope() { LabelPainting = false; }
    } scope;
    ApplySkin();
    vcl::TCustomLabel::Paint();
}

gfx::TColor TsCustomLabel::BackgroundForText() {
    vcl::TWinControl* parent = Parent();
    if (!parent) return skinpaint::KEY_COLOR;
    if (skin::SendSkinCommand(*parent, Command(skin::SKC_IS_SKINNED)) == 1)
        return gfx::TColor(skin::SendSkinCommand(*parent, Command(skin::SKC_GET_BG_COLOR)));
    return gfx::ColorToRGB(parent->Color());
}

void TsCustomLabel::DoDrawText(vcl::TRect& rect, unsigned flags) {
    if (Enabled() || (flags & gfx::DT_CALCRECT) || !ActiveManager()) {
        vcl::TCustomLabel::DoDrawText(rect, flags);
        return;
    }
    // Disabled text on a skin is the text colour faded toward what lies behind.
    gfx::TCanvas& canvas = Canvas();
    canvas.Font = Font().Handle();
    canvas.Font.Color = skinpaint::MixColors(gfx::ColorToRGB(Font().Color()), BackgroundForText(), 0.4);
    if (!ShowAccelChar()) flags |= gfx::DT_NOPREFIX;
    if (UseRightToLeftReading()) flags |= gfx::DT_RTLREADING;
    canvas.DrawText(Caption(), rect, flags);
}

void TsCustomLabel::WndProc(vcl::TMessage& message) {
    switch (message.Msg) {
        case skin::SKIN_COMMAND_MESSAGE:
            if (skin::SkinCommandOf(message.WParam) == skin::SKC_REMOVE_SKIN && FUseSkinColor)
                Font().SetColor(gfx::clWindowText);
            break;
        case vcl::CM_FONTCHANGED:
            // The label's own colour change while it paints needs no new paint.
            if (LabelPainting) return;
            break;
        default: break;
    }
    vcl::TCustomLabel::WndProc(message);
}

}  // namespace controls
