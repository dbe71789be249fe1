#pragma once
// Colour values as the window system and the skins store them: 0x00BBGGRR, red in
// the low byte. Negative values name system colours (0x80000000 | index as the
// clXxx constants do, 0xFF0000nn as the skins write them): the low byte is the
// index into the fixed table of the classic Windows scheme.
#include <cstdint>

namespace gfx {

using TColor = int32_t;

constexpr TColor RGB(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }

// System colour indexes (COLOR_xxx).
enum : int {
    COLOR_SCROLLBAR = 0, COLOR_BACKGROUND, COLOR_ACTIVECAPTION, COLOR_INACTIVECAPTION, COLOR_MENU,
    COLOR_WINDOW, COLOR_WINDOWFRAME, COLOR_MENUTEXT, COLOR_WINDOWTEXT, COLOR_CAPTIONTEXT,
    COLOR_ACTIVEBORDER, COLOR_INACTIVEBORDER, COLOR_APPWORKSPACE, COLOR_HIGHLIGHT,
    COLOR_HIGHLIGHTTEXT, COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_GRAYTEXT, COLOR_BTNTEXT,
    COLOR_INACTIVECAPTIONTEXT, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT,
    COLOR_INFOTEXT, COLOR_INFOBK, COLOR_HOTLIGHT = 26, COLOR_GRADIENTACTIVECAPTION,
    COLOR_GRADIENTINACTIVECAPTION, COLOR_MENUHILIGHT, COLOR_MENUBAR
};

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | unsigned(index)); }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clScrollBar = SystemColor(COLOR_SCROLLBAR);
constexpr TColor clBackground = SystemColor(COLOR_BACKGROUND);
constexpr TColor clActiveCaption = SystemColor(COLOR_ACTIVECAPTION);
constexpr TColor clInactiveCaption = SystemColor(COLOR_INACTIVECAPTION);
constexpr TColor clMenu = SystemColor(COLOR_MENU);
constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
constexpr TColor clWindowFrame = SystemColor(COLOR_WINDOWFRAME);
constexpr TColor clMenuText = SystemColor(COLOR_MENUTEXT);
constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
constexpr TColor clCaptionText = SystemColor(COLOR_CAPTIONTEXT);
constexpr TColor clActiveBorder = SystemColor(COLOR_ACTIVEBORDER);
constexpr TColor clInactiveBorder = SystemColor(COLOR_INACTIVEBORDER);
constexpr TColor clAppWorkSpace = SystemColor(COLOR_APPWORKSPACE);
constexpr TColor clHighlight = SystemColor(COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
constexpr TColor clBtnShadow = SystemColor(COLOR_BTNSHADOW);
constexpr TColor clGrayText = SystemColor(COLOR_GRAYTEXT);
constexpr TColor clBtnText = SystemColor(COLOR_BTNTEXT);
constexpr TColor clInactiveCaptionText = SystemColor(COLOR_INACTIVECAPTIONTEXT);
constexpr TColor clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
constexpr TColor cl3DDkShadow = SystemColor(COLOR_3DDKSHADOW);
constexpr TColor cl3DLight = SystemColor(COLOR_3DLIGHT);
constexpr TColor clInfoText = SystemColor(COLOR_INFOTEXT);
constexpr TColor clInfoBk = SystemColor(COLOR_INFOBK);
constexpr TColor clHotLight = SystemColor(COLOR_HOTLIGHT);
constexpr TColor clGradientActiveCaption = SystemColor(COLOR_GRADIENTACTIVECAPTION);
constexpr TColor clGradientInactiveCaption = SystemColor(COLOR_GRADIENTINACTIVECAPTION);
constexpr TColor clMenuHighlight = SystemColor(COLOR_MENUHILIGHT);
constexpr TColor clMenuBar = SystemColor(COLOR_MENUBAR);

// The colour of a system colour index; 0 for an index the table does not have.
TColor GetSysColor(int index);
// A plain colour: system colours through the table, other values unchanged.
TColor ColorToRGB(TColor color);

}  // namespace gfx
