#pragma once
// The screen as the program sees it: its size and work area, the forms in
// existence, the active form and control, the program-wide cursor and the
// system fonts of messages and menus.
#include <vector>

#include "vcl/TControl.h"

namespace vcl {

class TCustomForm;
class TWinControl;

class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* owner);

    int Width() const;
    int Height() const;
    TRect DesktopRect() const;
    TRect WorkAreaRect() const;
    int PixelsPerInch() const { return gfx::PixelsPerInch; }

    int FormCount() const { return int(FForms.size()); }
    TCustomForm* Forms(int index) const { return FForms.at(size_t(index)); }
    TCustomForm* ActiveForm() const { return FActiveForm; }
    TWinControl* ActiveControl() const;

    // Overrides every control's cursor while it is not crDefault.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);

    // The system's message and menu fonts.
    gfx::TFont MessageFont() const;
    gfx::TFont MenuFont() const;

    // For the forms.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetActiveForm(TCustomForm* form);

private:
    std::vector<TCustomForm*> FForms;
    TCustomForm* FActiveForm = nullptr;
    TCursor FCursor = crDefault;
};

extern TScreen* Screen;

}  // namespace vcl
