#include "skinpaint/sSkinMenus.h"

#include <algorithm>
#include <vector>

#include "gfx/TCanvas.h"
#include "skin/sMainWindowHook.h"
#include "skin/sPopupMenuHook.h"
#include "skin/sSkinManager.h"
#include "ui/Metrics.h"
#include "vcl/ShortCuts.h"
#include "vcl/TApplication.h"

namespace skinpaint {

namespace {

// The layers alive now: an item keeps its handler after the layer that
// set it is gone only if nobody unhooked it, and then the handler does nothing.
std::vector<TsSkinableMenus*>& Layers() {
    static std::vector<TsSkinableMenus*> layers;
    return layers;
}

bool Alive(const TsSkinableMenus* layer) {
    return std::find(Layers().begin(), Layers().end(), layer) != Layers().end();
}

// The handlers the layer puts on items; their own types tell them apart from
// handlers of the program.
struct TLayerMeasure {
    TsSkinableMenus* Layer;
    void operator()(vcl::TObject* sender, gfx::TCanvas& canvas, int& width, int& height) const {
        if (auto* item = dynamic_cast<vcl::TMenuItem*>(sender); item && Alive(Layer))
            Layer->MeasureMenuItem(*item, canvas, width, height);
    }
};

struct TLayerDraw {
    TsSkinableMenus* Layer;
    void operator()(vcl::TObject* sender, gfx::TCanvas& canvas, gfx::TRect rect, vcl::TOwnerDrawState state) const {
        if (auto* item = dynamic_cast<vcl::TMenuItem*>(sender); item && Alive(Layer))
            Layer->PaintMenuItem(*item, canvas, rect, state);
    }
};

// Rounds numerator / denominator (both positive) to the nearest integer,
// halves to even.
int RoundHalfEven(int numerator, int denominator) {
    const int quotient = numerator / denominator, rest = numerator % denominator;
    if (2 * rest > denominator || (2 * rest == denominator && quotient % 2 != 0)) return quotient + 1;
    return quotient;
}

template <typename Visit>
void EachComponent(vcl::TComponent& owner, Visit&& visit) {
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        vcl::TComponent* component = owner.Components(i);
        visit(*component);
        EachComponent(*component, visit);
    }
}

std::unique_ptr<skin::TacMenuLayer> MakeLayer(skin::TsSkinManager& manager) {
    return std::make_unique<TsSkinableMenus>(manager);
}

void HookDefault(vcl::TPopupMenu& menu, bool active) {
    if (TsSkinableMenus* layer = TsSkinableMenus::Default()) layer->HookPopupMenu(menu, active);
}

void BorderRequestOfDefault(ui::UINT msg, ui::LPARAM lParam) {
    if (TsSkinableMenus* layer = TsSkinableMenus::Default()) layer->BorderRequest(msg, lParam);
}

}  // namespace

TsMenuItemType MenuItemType(const vcl::TMenuItem& item) {
    const std::string& caption = item.Caption();
    if (caption == "-") return smDivider;
    if (caption.size() >= 2 && caption.front() == '-' && caption.back() == '-') return smCaption;
    return smNormal;
}

gfx::TSize MenuGlyphSize(const vcl::TMenuItem& item) {
    vcl::TMenuItem& self = const_cast<vcl::TMenuItem&>(item);
    if (!self.Bitmap().Empty()) return {self.Bitmap().Width(), self.Bitmap().Height()};
    return {16, 16};
}

bool InFirstMenuColumn(const vcl::TMenuItem& item) {
    const vcl::TMenuItem* parent = item.Parent();
    if (!parent) return item.Break() == vcl::mbNone;
    for (int i = 0; i <= parent->IndexOf(&item); ++i)
        if (parent->Items(i)->Break() != vcl::mbNone) return false;
    return true;
}

vcl::TMenuItem* FirstMenuItem(vcl::TMenuItem& item) {
    vcl::TMenuItem* parent = item.Parent();
    return parent && parent->Count() > 0 ? parent->Items(0) : &item;
}

gfx::TFont MenuItemFont(const vcl::TMenuItem& item) {
    gfx::TFont font = ui::GetNonClientMetrics().MenuFont;
    if (item.Default()) font.Style |= gfx::fsBold;
    return font;
}

TsSkinableMenus::TsSkinableMenus(skin::TsSkinManager& manager) : FManager(manager) { Layers().push_back(this); }

TsSkinableMenus::~TsSkinableMenus() {
    std::erase(Layers(), this);
    if (FMenusHooked && vcl::Application) HookAll(false);
}

TsSkinableMenus* TsSkinableMenus::Default() {
    skin::TsSkinManager* manager = skin::TsSkinManager::DefaultManager();
    return manager ? dynamic_cast<TsSkinableMenus*>(manager->SkinableMenus()) : nullptr;
}

int TsSkinableMenus::SkinBorderWidth() {
    if (FSkinBorderWidth < 0) {
        const int index = FManager.FindMaskExact("MAINMENU", "BORDERSMASK");
        const int margin = FManager.IsValidImgIndex(index) ? FManager.Masks[size_t(index)].UniformMargin : 0;
        FSkinBorderWidth = !FManager.IsValidImgIndex(index) ? 0 : margin > 0 ? margin : 3;
    }
    return FSkinBorderWidth;
}

bool TsSkinableMenus::Skinned() const { return FManager.Active() && FManager.GlobalInfo.SkinApplied; }

void TsSkinableMenus::SkinChanging() {
    FSkinBorderWidth = -1;
    FreeMenuBackgrounds();
}

void TsSkinableMenus::HookPopupMenu(vcl::TPopupMenu& menu, bool flag) {
    menu.SetOwnerDraw(flag && FManager.SkinnedPopups());
    const vcl::TMenuAnimations animation = menu.MenuAnimation();
    menu.SetMenuAnimation(flag ? animation | vcl::maNone : animation & ~vcl::maNone);
    HookMenuItems(menu.Items(), flag);
}

void TsSkinableMenus::HookMenuItems(vcl::TMenuItem& item, bool flag) {
    for (int i = 0; i < item.Count(); ++i) {
        vcl::TMenuItem& child = *item.Items(i);
        if (flag) {
            if (!child.OnAdvancedDrawItem) child.OnAdvancedDrawItem = TLayerDraw{this};
            if (!child.OnMeasureItem) child.OnMeasureItem = TLayerMeasure{this};
        } else {
            if (child.OnAdvancedDrawItem.target<TLayerDraw>()) child.OnAdvancedDrawItem = nullptr;
            if (child.OnMeasureItem.target<TLayerMeasure>()) child.OnMeasureItem = nullptr;
        }
        HookMenuItems(child, flag);
    }
}

void TsSkinableMenus::HookAll(bool flag) {
    EachComponent(*vcl::Application, [&](vcl::TComponent& component) {
        if (auto* menu = dynamic_cast<vcl::TPopupMenu*>(&component))
            HookPopupMenu(*menu, flag);
        else if (auto* item = dynamic_cast<vcl::TMenuItem*>(&component); item && !item->GetParentMenu())
            HookMenuItems(*item, flag && FManager.SkinnedPopups());
    });
}

void TsSkinableMenus::UpdateActive() {
    const bool applied = FManager.GlobalInfo.SkinApplied;
    // Popups switched on while the menus are hooked become owner-drawn now.
    if (applied == FMenusHooked && (!applied || FHookedPopups == FManager.SkinnedPopups())) return;
    FMenusHooked = applied;
    FHookedPopups = FManager.SkinnedPopups();
    if (vcl::Application) HookAll(applied);
}

int TsSkinableMenus::IconColumnWidthOf(vcl::TMenuItem& firstItem) const {
    return FMargin + MenuGlyphSize(firstItem).cx + FSpacing;
}

int TsSkinableMenus::ExtraLineOffset(const TacMenuBackground* record) const {
    return FManager.MenuSupport().UseExtraLine() && record && record->HasExtraLine
               ? FManager.MenuSupport().ExtraLineWidth()
               : 0;
}

int TsSkinableMenus::MenuItemHeight(vcl::TMenuItem& item, gfx::TCanvas& canvas) {
    const TsMenuItemType kind = MenuItemType(item);
    if (kind == smDivider) return 2;
    const int line = RoundHalfEven(5 * canvas.TextHeight("W"), 4);
    if (kind == smCaption) return line + 2 * FMargin;
    return std::max(line, MenuGlyphSize(item).cy) + 2 * FMargin;
}

void TsSkinableMenus::MeasureMenuItem(vcl::TMenuItem& item, gfx::TCanvas& canvas, int& width, int& height) {
    if (item.ComponentState() & vcl::csDestroying) return;
    MenuMeasuring() = true;
    const TsMenuItemType kind = MenuItemType(item);
    vcl::TMenuItem* first = FirstMenuItem(item);
    const TacMenuBackground* record = FindMenuBackground(first);
    // Before the menu's picture exists the program says whether the band shows,
    // so that the items leave it room from the first opening on.
    int extraLine = ExtraLineOffset(record);
    if (!record && !FAskingExtraLine) {
        FAskingExtraLine = true;
        const bool band = AskExtraLineData(FManager, first).LineVisible;
        FAskingExtraLine = false;
        if (band && FManager.MenuSupport().UseExtraLine()) extraLine = FManager.MenuSupport().ExtraLineWidth();
    }
    canvas.Font = MenuItemFont(item);
    std::string text;
    if (kind == smCaption)
        text = "-" + item.Caption() + "-";
    else if (kind == smNormal)
        text = item.Caption() + vcl::ShortCutToText(item.ShortCut());
    int textWidth = 0;
    if (!text.empty()) {
        gfx::TRect r{0, 0, 1, 0};
        canvas.DrawText(text, r, gfx::DT_CALCRECT | gfx::DT_SINGLELINE | gfx::DT_EXPANDTABS | gfx::DT_NOCLIP);
        textWidth = r.Width();
    }
    width = 2 * MenuGlyphSize(item).cx + textWidth + 3 * FMargin + FSpacing;
    if (InFirstMenuColumn(item)) width += extraLine;
    height = MenuItemHeight(item, canvas);
}

void InstallMenuSkinning() {
    skin::SetMenuLayerFactory(MakeLayer);
    skin::SetPopupMenuHook(HookDefault);
    skin::SetMenuBorderHook(BorderRequestOfDefault);
}

}  // namespace skinpaint
