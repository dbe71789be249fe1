#pragma once
// The pictures of the Sapphire skin: a calm sapphire-blue window frame with
// rounded corners, a glassy title bar with hanging title buttons and their
// glows, light glossy buttons, crisp edits, check boxes and radio buttons,
// gauges, menus and scroll parts. Every function returns one picture per
// state (normal, hot, pressed, ...), all of one size.
#include <vector>

#include "TArt.h"

namespace skinart {

using TFrames = std::vector<TArt>;

// What a control paints inside its frame, as the frame's corner slices must
// show it: the control's background at a typical size. Painters rebuild corner
// slices over the parent's pixels, so whatever lies inside the frame's outline
// there has to be in the picture.
struct TFace {
    TPaint Paint;  // in the control's coordinates
    float Width = 1, Height = 1;
};
// One face per state; none for controls whose face is see-through.
using TFaces = std::vector<TFace>;
TFace Flat(unsigned rgb);
// The huge button's sheen across a width: lightest at both ends.
TPaint Sheen(float width);

// The widths of a frame piece's nine slices.
struct TSlices {
    int Left, Top, Right, Bottom;
};

// The palette, 0xRRGGBB.
constexpr unsigned Ink = 0x0E2F66;       // outlines of the frame and title
constexpr unsigned Deep = 0x1E56AE;      // the frame's body
constexpr unsigned Sapphire = 0x1F5FBF;  // marks and accents
constexpr unsigned Light = 0x3F78CE;
constexpr unsigned Mist = 0xC5D6EF;
constexpr unsigned Pale = 0xE9F0FA;      // window background
constexpr unsigned Navy = 0x13284A;      // text

enum TTitleSymbol { tsNone, tsClose, tsMinimize, tsMaximize, tsRestore, tsHelp };
enum TBoxKind { bkUnchecked, bkChecked, bkGrayed };
enum TArrow { arUp, arDown, arLeft, arRight };

TFrames FormFrame();                 // 9 x 9, the window's border with rounded corners
TFrames TitleFrame(const TFaces& faces);  // inactive, active: the title band's outline
TFrames DividerPixels();             // a 3 x 1 line with its highlight
TFrames TitleButton(TTitleSymbol symbol, int width, int height, bool hanging);
// The hot button with a soft halo `margin` pixels wide around it.
TArt TitleGlow(TTitleSymbol symbol, int width, int height, int margin);
TFrames CheckBox(TBoxKind kind, int size);
TFrames RadioButton(TBoxKind kind, int size);
TFrames MenuCheck();                 // 14 x 14, normal and selected
// A rounded border of `radius` in a square piece of 2 * margin + 1, one frame
// per border colour, with a light inner edge (a dark one for pressed looks).
TFrames BorderFrame(const std::vector<unsigned>& borders, int margin, float radius, bool pressedLast,
                    const TFaces& faces);
TFrames TabFrame(const TFaces& faces);  // normal, hot, selected, disabled; open at the bottom
TFrames MenuFrame();                 // 3 x 3 with cut corner pixels
TFrames MenuSeparator();             // 3 x 2
TFrames ColumnLine();                // 3 x 1, a line at the right
TFrames TopLine();                   // 1 x 3, a line at the top
TFrames ArrowGlyph(TArrow arrow, int size);
TFrames ThumbGrip(bool vertical);
TFrames GripDots(int width, int height);
TFrames TrackChannel();
TFrames TrackThumb(bool vertical);
TFrames Tick(bool vertical);
TFrames HugeButtonSheen();           // 164 x 1, stretched over the huge button

// The pictures that are files of their own.
TFrames HugeButtonFrame(const TFaces& faces);  // 4 states of 36 x 36
TArt CornerOrnament();               // bottom-left decoration of windows
TArt ControlGlow(int slice, int margin);
TFrames ExtendedBorder();            // inactive, active window with its shadow

}  // namespace skinart
