#include "skin/sControlKinds.h"

namespace skin {

namespace {
using R = TsKindSet::Range;

constexpr R EditRanges[] = {{2, 18}, {41, 41}, {76, 84}, {96, 96}, {131, 140}};
constexpr R ContainerRanges[] = {{19, 19}, {51, 74}, {110, 110}, {141, 161}};
constexpr R NoHoverRanges[] = {{51, 52},   {54, 54},   {56, 60},   {68, 68},   {73, 74},  {110, 110},
                               {141, 141}, {143, 143}, {151, 151}, {161, 161}, {226, 226}};
constexpr R IndependentRanges[] = {{51, 52}, {58, 59}, {68, 68}, {73, 73}, {224, 224}};
constexpr R PanelRanges[] = {{51, 52}, {59, 59}, {68, 68}, {73, 73}};

struct TAutoSection {
    R Kinds;
    std::string_view Section;
};

constexpr TAutoSection AutoSections[] = {
    {{2, 8}, "EDIT"},          {{10, 10}, "EDIT"},        {{41, 41}, "EDIT"},        {{76, 76}, "EDIT"},
    {{78, 78}, "EDIT"},        {{83, 85}, "EDIT"},        {{96, 96}, "EDIT"},        {{131, 131}, "EDIT"},
    {{140, 140}, "EDIT"},      {{227, 227}, "EDIT"},      {{11, 18}, "COMBOBOX"},    {{81, 82}, "COMBOBOX"},
    {{19, 19}, "BAR"},         {{20, 20}, "BARTITLE"},    {{32, 32}, "CHECKBOX"},    {{152, 152}, "CHECKBOX"},
    {{33, 33}, "RADIOBUTTON"}, {{51, 51}, "PANEL"},       {{59, 59}, "PANEL"},       {{68, 68}, "PANEL"},
    {{73, 73}, "PANEL"},       {{52, 52}, "PANEL_LOW"},   {{58, 58}, "PANEL_LOW"},   {{53, 54}, "TOOLBAR"},
    {{60, 60}, "TOOLBAR"},     {{56, 56}, "DRAGBAR"},     {{57, 57}, "TABSHEET"},    {{74, 74}, "GROUPBOX"},
    {{226, 226}, "GROUPBOX"},  {{75, 75}, "SPLITTER"},    {{92, 92}, "SPEEDBUTTON"}, {{95, 95}, "SPEEDBUTTON"},
    {{93, 94}, "BUTTON"},      {{98, 98}, "TOOLBUTTON"},  {{141, 141}, "PAGECONTROL"}, {{143, 143}, "PAGECONTROL"},
    {{151, 151}, "STATUSBAR"}, {{161, 161}, "GAUGE"},     {{165, 165}, "TRACKBAR"},
};
}  // namespace

const TsKindSet EditKinds(EditRanges);
const TsKindSet ContainerKinds(ContainerRanges);
const TsKindSet NoHoverKinds(NoHoverRanges);
const TsKindSet IndependentKinds(IndependentRanges);
const TsKindSet PanelKinds(PanelRanges);

std::string_view AutoSectionName(int kind) {
    for (const TAutoSection& a : AutoSections)
        if (kind >= a.Kinds.First && kind <= a.Kinds.Last) return a.Section;
    return {};
}

}  // namespace skin
