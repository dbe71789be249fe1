#pragma once
// The class names of foreign controls that the control adapters skin, one
// line-separated list per kind of control. Layouts set them as texts
// (ThirdParty.ThirdButtons = 'TButton'); the adapters read them as string
// lists, case-sensitively, once the manager has mirrored the texts.
#include <array>
#include <string>

#include "rtl/TStringList.h"
#include "vcl/TPersistent.h"

namespace skin {

enum TacThirdPartyKind {
    tpEdits,
    tpButtons,
    tpBitBtns,
    tpCheckBoxes,
    tpComboBoxes,
    tpGrids,
    tpGroupBoxes,
    tpListViews,
    tpPanels,
    tpTreeViews,
    tpWWEdits,
    tpGridEh,
    tpVirtualTrees,
    tpPageControl,
    tpTabControl,
    tpToolBar,
    tpStatusBar,
    tpSpeedButton,
    tpScrollControl,
    tpUpDown,
    tpScrollBar,
};
inline constexpr int ThirdPartyKindCount = 21;

class ThirdPartyList : public vcl::TPersistent {
public:
    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // The texts by index, as published ("ThirdEdits" is 0).
    const std::string& Text(int kind) const { return FTexts.at(size_t(kind)); }
    void SetText(int kind, const std::string& text) { FTexts.at(size_t(kind)) = text; }
    static const char* PropertyName(int kind);

    // Empty texts get the built-in lists: "TButton" for buttons, one blank
    // (a name no class has) for every other kind.
    void FillDefaults();
    // Turns every text into its list of class names.
    void Mirror();
    const rtl::TStringList& Classes(int kind) const { return FClasses.at(size_t(kind)); }

private:
    std::array<std::string, ThirdPartyKindCount> FTexts;
    std::array<rtl::TStringList, ThirdPartyKindCount> FClasses;
};

}  // namespace skin
