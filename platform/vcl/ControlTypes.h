#pragma once
// The small types that controls share: styles and states, alignment and
// anchors, mouse buttons and shift states, cursors, and the event shapes.
#include <functional>

#include "ui/Types.h"
#include "vcl/TComponent.h"

namespace vcl {

using gfx::TPoint;
using gfx::TRect;
using ui::HWND;
using ui::WORD;

enum TControlStyleFlag : unsigned {
    csAcceptsControls = 0x1,
    csCaptureMouse = 0x2,
    csClickEvents = 0x8,
    csFramed = 0x10,
    csSetCaption = 0x20,
    csOpaque = 0x40,  // paints its whole area: the parent need not erase behind it
    csDoubleClicks = 0x80,
    csFixedWidth = 0x100,
    csFixedHeight = 0x200,
    csReplicatable = 0x800,
    csNoStdEvents = 0x1000,
    csParentBackground = 0x2000,
};
using TControlStyle = unsigned;

enum TControlStateFlag : unsigned {
    csLButtonDown = 0x1,
    csClicked = 0x2,
    csReadingState = 0x8,
    csAlignmentNeeded = 0x10,
    csFocusing = 0x20,
    csCreating = 0x40,
    csPaintCopy = 0x80,
    csDestroyingHandle = 0x200,
};
using TControlState = unsigned;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind : unsigned { akLeft = 0x1, akTop = 0x2, akRight = 0x4, akBottom = 0x8 };
using TAnchors = unsigned;
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
// The border of edits, scroll boxes and tree views (bsNone and bsSingle in
// layouts).
enum TBorderStyle { bsNoBorder, bsSingleBorder };
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag : unsigned {
    ssShift = 0x1,
    ssAlt = 0x2,
    ssCtrl = 0x4,
    ssLeft = 0x8,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
using TShiftState = unsigned;

// Cursor shapes; crDefault leaves the choice to the parent.
using TCursor = int;
enum : TCursor {
    crDefault = 0,
    crNone = -1,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crUpArrow = -10,
    crHourGlass = -11,
    crNo = -18,
    crAppStart = -19,
    crHelp = -20,
    crHandPoint = -21,
    crSizeAll = -22,
};

using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TObject* sender, WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;

// The shift state of a key or mouse message: keys from the keyboard state,
// buttons from a mouse message's WParam when given.
TShiftState KeysToShiftState(ui::WPARAM keys);
TShiftState KeyboardStateToShiftState();
// The shift state of a key message's LParam (Alt from its context bit) with
// Shift and Ctrl from the keyboard state.
TShiftState KeyDataToShiftState(ui::LPARAM keyData);

}  // namespace vcl
