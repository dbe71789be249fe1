#pragma once
// The system title buttons of a skinned frame: which image each shows, where
// it lies in the title band and how it is drawn into the window picture.
#include <memory>
#include <string>
#include <vector>

#include "gfx/TBitmap.h"
#include "skin/sSkinTables.h"
#include "skinpaint/acTitleButton.h"
#include "skinpaint/sFormGeometry.h"
#include "skinpaint/sTitleButtonRules.h"
#include "vcl/ControlTypes.h"

namespace skinpaint {

// A title button of the program's own, left of the system buttons.
class TsTitleButton : public vcl::TPersistent {
public:
    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }
    std::string Name;
    // Centred on the button; one of 32 bits with its alpha, any other with its
    // bottom-left pixel's colour see-through.
    gfx::TBitmap Glyph;
    std::string Hint;
    bool Enabled = true;
    bool Visible = true;
    // Drawn on the skin's TITLEBUTTON image.
    bool UseSkinData = true;
    vcl::TMouseEvent OnMouseDown;
    vcl::TMouseEvent OnMouseUp;
    // Its place and state in the frame; hit code 1000 + its index.
    TitleButtonState Button;
};

class TsTitleButtons : public vcl::TPersistent {
public:
    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }
    TsTitleButton& Add();
    int Count() const { return int(FItems.size()); }
    TsTitleButton& Items(int index) { return *FItems[size_t(index)]; }
    const TsTitleButton& Items(int index) const { return *FItems[size_t(index)]; }
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TsTitleButton>> FItems;
};

// Close, maximise, minimise and help, in their order from the right.
struct TTitleButtons {
    TitleButtonState* Close;
    TitleButtonState* Max;
    TitleButtonState* Min;
    TitleButtonState* Help;
    // The program's own, may be null.
    TsTitleButtons* User = nullptr;
};

// Picks each button's image entry of GLOBALINFO (large images for single and
// sizeable windows, small ones otherwise, the large set when no close image
// is found) and puts the shown buttons in use (state 0) and the others out of
// it (-1). A button in use keeps its state.
void ChooseTitleButtonImages(const skin::TsSkinTables& tables, const TacWindowButtons& window, bool help,
                             const TTitleButtons& buttons);

// Lays the buttons in use out from the right edge by BiRight, BiSpace and
// BiVAlign and returns the total width the caption and the TITLEBAR image
// leave to them.
int LayoutTitleButtons(const skin::TsSkinTables& tables, const TFormGeometry& geometry, const TTitleButtons& buttons);

// The total width of the shown buttons, as the layout counts it.
int TitleButtonsWidth(const skin::TsSkinTables& tables, const TTitleButtons& buttons);

// Draws a button in use at its bounds: its state (normal while an animation
// shows the new one above it), at half strength when normal and the window
// is inactive or the button disabled. A maximised window's maximise button
// and a minimised window's minimise button show the restore image.
void DrawTitleButton(gfx::TBitmap& picture, const skin::TsSkinTables& tables, const TitleButtonState& button,
                     bool active, bool enabled, bool restoreImage);

// A user button's glyph centred on its bounds moved by dx, a pixel right and
// down while pressed.
void DrawUserGlyph(gfx::TBitmap& picture, const TsTitleButton& button, int dx);

}  // namespace skinpaint
