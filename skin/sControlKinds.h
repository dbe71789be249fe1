#pragma once
// What kind of control a skin binding belongs to: the codes the controls set,
// the three sets of codes that steer the binding's processing, and the section
// a control of a kind takes when it names none.
#include <cstddef>
#include <string_view>

namespace skin {

// The codes of the program's controls.
enum : int {
    ckListView = 10,
    ckEdit = 3,  // TsEdit and TsMaskEdit
    ckCheckBox = 32,
    ckRadioButton = 33,
    ckGroupBox = 74,
    ckScrollBox = 58,
    ckSpeedButton = 92,
    ckBitBtn = 94,
    ckTreeView = 96,
    ckFileDirEdit = 132,
    ckDirectoryEdit = 134,
    ckComboEdit = 138,
    ckGauge = 161,
    ckSkinProvider = 224,
    ckFrameAdapter = 226,
    ckAdapterItem = 227,
};

// A set of kind codes given as closed ranges.
class TsKindSet {
public:
    struct Range {
        int First;
        int Last;
    };
    template <size_t N>
    constexpr TsKindSet(const Range (&ranges)[N]) : FRanges(ranges), FCount(N) {}
    constexpr bool Contains(int kind) const {
        for (size_t i = 0; i < FCount; ++i)
            if (kind >= FRanges[i].First && kind <= FRanges[i].Last) return true;
        return false;
    }

private:
    const Range* FRanges;
    size_t FCount;
};

// Colour and font colour follow the skin; the frame is redrawn on focus and
// hover changes.
extern const TsKindSet EditKinds;
// No glow on hover.
extern const TsKindSet ContainerKinds;
// Never MouseOver, never hot by hovering.
extern const TsKindSet NoHoverKinds;
// Panels, scrolling containers and frame providers: the only owners whose
// look can stop depending on the parent's background.
extern const TsKindSet IndependentKinds;
// Panels, which are not hot by having the focus.
extern const TsKindSet PanelKinds;

// The section of a kind whose control names none; empty when the kind has
// none and the control's class name stands in.
std::string_view AutoSectionName(int kind);

}  // namespace skin
