#include "sTitleButtonRules.h"

#include "ui/Menu.h"
#include "ui/Messages.h"
#include "vcl/TApplication.h"

namespace skinpaint {

TacWindowButtons WindowButtonsOf(const vcl::TCustomForm& form, bool hadSystemMenu) {
    TacWindowButtons w;
    w.HadSystemMenu = hadSystemMenu;
    w.BorderStyle = form.BorderStyle();
    w.BorderIcons = form.BorderIcons();
    w.IsMainForm = vcl::Application && vcl::Application->MainForm() == &form;
    w.Minimized = form.WindowState() == vcl::wsMinimized;
    w.Maximized = form.WindowState() == vcl::wsMaximized;
    if (form.HandleAllocated()) {
        // Handle() only returns the window once it exists.
        const ui::HWND wnd = const_cast<vcl::TCustomForm&>(form).Handle();
        // A greyed close command counts as none, as on the plain frame.
        const ui::UINT close = ui::GetMenuState(ui::GetSystemMenu(wnd, false), ui::SC_CLOSE, ui::MF_BYCOMMAND);
        w.SystemMenuHasClose = close != ui::UINT(-1) && !(close & ui::MF_GRAYED);
    }
    return w;
}

bool HasFullTitle(const TacWindowButtons& w) {
    return w.BorderStyle == vcl::bsSingle || w.BorderStyle == vcl::bsSizeable;
}

bool VisibleClose(const TacWindowButtons& w) { return w.HadSystemMenu; }

bool EnabledClose(const TacWindowButtons& w) { return w.SystemMenuHasClose; }

// A minimised window shows both buttons whatever its style, since one of
// them is the way back.
bool VisibleMax(const TacWindowButtons& w) {
    return w.Minimized || (HasFullTitle(w) && (w.BorderIcons & vcl::biMaximize));
}

bool VisibleMin(const TacWindowButtons& w) {
    return w.Minimized || (HasFullTitle(w) && (w.BorderIcons & vcl::biMinimize));
}

bool EnabledMax(const TacWindowButtons& w) {
    return !w.Maximized && HasFullTitle(w) && (w.BorderIcons & vcl::biMaximize);
}

// A minimised main form minimises again (to the task bar); any other
// minimised window is restored by that button instead.
bool EnabledMin(const TacWindowButtons& w) {
    return (w.BorderIcons & vcl::biMinimize) && !(w.Minimized && !w.IsMainForm);
}

bool EnabledRestore(const TacWindowButtons& w) {
    return w.Minimized || (w.Maximized && (w.BorderIcons & vcl::biMaximize));
}

}  // namespace skinpaint
