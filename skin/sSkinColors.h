#pragma once
// The colours controls ask the skin for. Where the skin lacks what a query
// needs, the answer is the system colour the platform would use there, as RGB
// so that painters can use every answer alike.
#include "skin/sSkinTables.h"

namespace skin {

// GLOBALINFO's colour, else the button face.
TColor SkinBackColor(const TsSkinTables& tables);
// GLOBALINFO's text colour, else the key colour 0xFF00FF (none known).
TColor SkinFontColor(const TsSkinTables& tables);
// GLOBALINFO's hot colour, else the window colour.
TColor SkinHotBackColor(const TsSkinTables& tables);
// The normal look's text colour of EDIT, else the window text colour.
TColor EditFontColor(const TsSkinTables& tables);
// Selected items: SELECTION's hot look when focused (and the section has a hot
// state), else its normal look; without a usable colour there, MENUITEM's hot
// colours, else the highlight colours.
TColor SelectionColor(const TsSkinTables& tables, bool focused);
TColor SelectionFontColor(const TsSkinTables& tables, bool focused);

}  // namespace skin
