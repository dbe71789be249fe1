#pragma once
// Which title buttons a skinned frame shows and which of them work, from a
// few facts about the window. The frame, its hit test and the skinned system
// menu all ask the same queries, so a button and its menu item never disagree.
#include "vcl/TCustomForm.h"

namespace skinpaint {

struct TacWindowButtons {
    // The window had the system-menu style when skinning began (the frame
    // removes the style so that the platform draws no buttons of its own).
    bool HadSystemMenu = false;
    // The window's system menu holds a close command that is not greyed.
    bool SystemMenuHasClose = true;
    bool Minimized = false;
    bool Maximized = false;
    bool IsMainForm = false;
    vcl::TFormBorderStyle BorderStyle = vcl::bsSizeable;
    vcl::TBorderIcons BorderIcons = vcl::biSystemMenu | vcl::biMinimize | vcl::biMaximize;
};

// The facts of a form as its window shows them now.
TacWindowButtons WindowButtonsOf(const vcl::TCustomForm& form, bool hadSystemMenu);

// Single and sizeable windows carry the large buttons and may have the
// maximise and minimise ones; dialog, tool and border-less windows never do.
bool HasFullTitle(const TacWindowButtons& w);

bool VisibleClose(const TacWindowButtons& w);
// The close button is drawn disabled without a close command.
bool EnabledClose(const TacWindowButtons& w);
bool VisibleMax(const TacWindowButtons& w);
bool VisibleMin(const TacWindowButtons& w);
bool EnabledMax(const TacWindowButtons& w);
bool EnabledMin(const TacWindowButtons& w);
bool EnabledRestore(const TacWindowButtons& w);

}  // namespace skinpaint
