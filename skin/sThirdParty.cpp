#include "skin/sThirdParty.h"

#include "vcl/LayoutValues.h"
#include "vcl/TClassBuilder.h"

namespace skin {

namespace {

constexpr const char* PropertyNames[ThirdPartyKindCount] = {
    "ThirdEdits",    "ThirdButtons",    "ThirdBitBtns",      "ThirdCheckBoxes",    "ThirdComboBoxes",
    "ThirdGrids",    "ThirdGroupBoxes", "ThirdListViews",    "ThirdPanels",        "ThirdTreeViews",
    "ThirdWWEdits",  "ThirdGridEh",     "ThirdVirtualTrees", "ThirdPageControl",   "ThirdTabControl",
    "ThirdToolBar",  "ThirdStatusBar",  "ThirdSpeedButton",  "ThirdScrollControl", "ThirdUpDown",
    "ThirdScrollBar"};

const vcl::TClassInfo& BuildClass() {
    vcl::TClassBuilder<ThirdPartyList> builder("ThirdPartyList", vcl::TPersistent::StaticClass());
    for (int kind = 0; kind < ThirdPartyKindCount; ++kind)
        builder.Custom(PropertyNames[kind], [kind](ThirdPartyList& list, const vcl::TLayoutValue& v,
                                                   vcl::TLayoutReader&) { list.SetText(kind, vcl::ValueToString(v)); });
    return builder.Build();
}

}  // namespace

const char* ThirdPartyList::PropertyName(int kind) { return PropertyNames[kind]; }

const vcl::TClassInfo& ThirdPartyList::StaticClass() {
    static const vcl::TClassInfo& info = BuildClass();
    return info;
}

void ThirdPartyList::FillDefaults() {
    for (int kind = 0; kind < ThirdPartyKindCount; ++kind)
        if (FTexts[size_t(kind)].empty()) FTexts[size_t(kind)] = kind == tpButtons ? "TButton" : " ";
}

void ThirdPartyList::Mirror() {
    for (int kind = 0; kind < ThirdPartyKindCount; ++kind) {
        rtl::TStringList& classes = FClasses[size_t(kind)];
        classes.SetCaseSensitive(true);
        classes.SetText(FTexts[size_t(kind)]);
    }
}

}  // namespace skin
