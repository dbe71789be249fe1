#pragma once
// The classic three-dimensional edges and frame controls (DrawEdge and
// DrawFrameControl), which the default window frame and plain controls draw
// with.
#include "ui/Types.h"

namespace ui {

inline constexpr UINT BDR_RAISEDOUTER = 0x1;
inline constexpr UINT BDR_SUNKENOUTER = 0x2;
inline constexpr UINT BDR_RAISEDINNER = 0x4;
inline constexpr UINT BDR_SUNKENINNER = 0x8;
inline constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
inline constexpr UINT BF_LEFT = 0x1;
inline constexpr UINT BF_TOP = 0x2;
inline constexpr UINT BF_RIGHT = 0x4;
inline constexpr UINT BF_BOTTOM = 0x8;
inline constexpr UINT BF_RECT = 0xF;
inline constexpr UINT BF_MIDDLE = 0x800;
inline constexpr UINT BF_ADJUST = 0x2000;
inline constexpr UINT BF_FLAT = 0x4000;
inline constexpr UINT BF_MONO = 0x8000;
// Draws the edges inside rect; with BF_ADJUST rect becomes the area inside them.
bool DrawEdge(HDC dc, TRect& rect, UINT edge, UINT flags);

inline constexpr UINT DFC_CAPTION = 1;
inline constexpr UINT DFC_MENU = 2;
inline constexpr UINT DFC_SCROLL = 3;
inline constexpr UINT DFC_BUTTON = 4;
inline constexpr UINT DFCS_CAPTIONCLOSE = 0x0;
inline constexpr UINT DFCS_CAPTIONMIN = 0x1;
inline constexpr UINT DFCS_CAPTIONMAX = 0x2;
inline constexpr UINT DFCS_CAPTIONRESTORE = 0x3;
inline constexpr UINT DFCS_CAPTIONHELP = 0x4;
inline constexpr UINT DFCS_MENUARROW = 0x0;
inline constexpr UINT DFCS_MENUCHECK = 0x1;
inline constexpr UINT DFCS_MENUBULLET = 0x2;
inline constexpr UINT DFCS_SCROLLUP = 0x0;
inline constexpr UINT DFCS_SCROLLDOWN = 0x1;
inline constexpr UINT DFCS_SCROLLLEFT = 0x2;
inline constexpr UINT DFCS_SCROLLRIGHT = 0x3;
inline constexpr UINT DFCS_BUTTONCHECK = 0x0;
inline constexpr UINT DFCS_BUTTONRADIO = 0x4;
inline constexpr UINT DFCS_BUTTONPUSH = 0x10;
inline constexpr UINT DFCS_INACTIVE = 0x100;
inline constexpr UINT DFCS_PUSHED = 0x200;
inline constexpr UINT DFCS_CHECKED = 0x400;
inline constexpr UINT DFCS_FLAT = 0x4000;
// Caption buttons, scroll arrows, push buttons, check boxes, radio buttons and
// the menu's check mark, bullet and sub-menu arrow. Menu glyphs are drawn in
// the text colour on what is there.
bool DrawFrameControl(HDC dc, const TRect& rect, UINT type, UINT state);

}  // namespace ui
