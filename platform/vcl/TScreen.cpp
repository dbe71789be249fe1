#include "vcl/TScreen.h"

#include <algorithm>

#include "ui/Input.h"
#include "ui/Metrics.h"
#include "vcl/TCustomForm.h"

namespace vcl {

TScreen* Screen = new TScreen(nullptr);

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

int TScreen::Width() const { return ui::GetSystemMetrics(ui::SM_CXSCREEN); }
int TScreen::Height() const { return ui::GetSystemMetrics(ui::SM_CYSCREEN); }
TRect TScreen::DesktopRect() const { return {0, 0, Width(), Height()}; }
TRect TScreen::WorkAreaRect() const { return ui::GetWorkArea(); }

TWinControl* TScreen::ActiveControl() const { return FActiveForm ? FActiveForm->ActiveControl() : nullptr; }

void TScreen::SetCursor(TCursor cursor) {
    if (cursor == FCursor) return;
    FCursor = cursor;
    // The new shape shows at once, not only at the next mouse move.
    ui::SetCursor(CursorHandle(cursor == crDefault ? crArrow : cursor));
}

gfx::TFont TScreen::MessageFont() const { return ui::GetNonClientMetrics().MessageFont; }
gfx::TFont TScreen::MenuFont() const { return ui::GetNonClientMetrics().MenuFont; }

void TScreen::AddForm(TCustomForm* form) { FForms.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form) {
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
    if (FActiveForm == form) FActiveForm = nullptr;
}

void TScreen::SetActiveForm(TCustomForm* form) { FActiveForm = form; }

}  // namespace vcl
