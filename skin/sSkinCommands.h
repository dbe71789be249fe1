#pragma once
// The one window message the skin engine talks through. The manager tells
// windows of skin changes with it, controls ask their parents for their
// background with it, and frame providers answer for their forms.
//
// WParam carries the command in its high 16 bits and the command's argument
// in its low 16 bits; LParam carries a pointer or a value (for the manager's
// commands: the manager). What each command answers is the receiver's.
#include <cstdint>

#include "ui/Types.h"

namespace skin {

inline constexpr ui::UINT SKIN_COMMAND_MESSAGE = 0xA100;

enum : uint16_t {
    SKC_APPLY_SKIN = 1,
    SKC_REMOVE_SKIN = 2,
    SKC_REFRESH = 3,
    SKC_GET_PROVIDER = 4,
    SKC_IS_SKINNED = 7,  // a skinned control answers 1 and forwards broadcasts itself
    SKC_SET_UPDATING = 8,
    SKC_SET_PAINT_AT_ONCE = 9,
    SKC_IS_UPDATING = 10,
    SKC_GET_PARTLY_COVERED = 11,
    SKC_SECTION_CHANGED = 13,
    SKC_SET_SECTION = 15,
    SKC_PREPARE_REFRESH = 16,
    SKC_INVALIDATE_CACHE = 17,
    SKC_IS_BG_COMPLEX = 19,
    SKC_REPAINT = 20,
    SKC_GET_BG_COLOR = 21,
    SKC_SET_PARTLY_COVERED = 22,
    SKC_ADAPT_CHILD = 25,
    SKC_GET_SECTION_INDEX = 26,
    SKC_GET_CAPTION_HEIGHT = 27,
    SKC_MOUSE_ENTER = 29,
    SKC_MOUSE_LEAVE = 30,
    SKC_BEGIN_UPDATE = 31,
    SKC_END_UPDATE = 32,
    SKC_CLEAR_CACHE = 33,
    SKC_GET_BACKGROUND = 34,
    SKC_STATE = 36,
    SKC_GET_SKIN_DATA = 37,
    SKC_PRINTING = 38,
    SKC_GET_APPLICATION = 60,
};

// What SKC_GET_SKIN_DATA answers: the control's skin binding, as a pointer to
// this view of it (the manager asks whether the mouse is still over a speed
// button before it forgets the button).
class TsSkinBinding {
public:
    virtual bool IsMouseOver() const = 0;

protected:
    ~TsSkinBinding() = default;
};

constexpr ui::WPARAM SkinCommandWParam(uint16_t command, uint16_t argument = 0) {
    return ui::WPARAM(uint32_t(command) << 16 | argument);
}
constexpr uint16_t SkinCommandOf(ui::WPARAM wParam) { return uint16_t(wParam >> 16); }
constexpr uint16_t SkinCommandArgument(ui::WPARAM wParam) { return uint16_t(wParam); }

}  // namespace skin
