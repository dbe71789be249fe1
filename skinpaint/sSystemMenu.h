#pragma once
// The skinned system menu of a framed window: a pop-up menu whose items are
// built from the window's own system menu (its captions and shortcut texts,
// and the entries the program added to it), shown and enabled by the same
// rules as the title buttons, and whose choices go to the window as system
// commands. With the skin menu on, a first item lists the manager's skins.
//
// Each opening hooks it to the menu skinning while a skin is applied.
#include <string>
#include <utility>
#include <vector>

#include "skin/sSkinManager.h"
#include "skinpaint/sTitleButtonRules.h"
#include "vcl/TMenus.h"

namespace skinpaint {

// What the menu needs of the frame provider of its window.
class TacSysMenuHost {
public:
    virtual bool HostHadSystemMenu() = 0;
    virtual bool HostMakeSkinMenu() = 0;
    // Set around minimising from the menu, so that no minimise animation runs.
    virtual void HostSetNoAnimation(bool value) = 0;
    // The manager whose skins the skin menu lists; null for none.
    virtual skin::TsSkinManager* HostSkinManager() = 0;

protected:
    ~TacSysMenuHost() = default;
};

// Skins from this many on start a new column of the skin menu.
inline constexpr int SkinMenuColumn = 20;

class TsSystemMenu : public vcl::TPopupMenu {
public:
    // Named "acSysMenu" and the tick count; the items are built at once.
    TsSystemMenu(vcl::TComponent* owner, vcl::TCustomForm& form, TacSysMenuHost& host);

    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // The window's facts the items follow.
    TacWindowButtons Buttons() const { return WindowButtonsOf(FForm, FHost.HostHadSystemMenu()); }
    // Shows and enables each item for the window's present state.
    void UpdateItems();
    // Rebuilds the items when the window's system menu has other entries of
    // its own than at the last build (or the skin menu was switched), lists
    // the skins anew and updates the items. Only here are items freed, never
    // in UpdateItems: a click may run while the frame updates the items.
    void Refresh();
    // Refresh, then the menu is shown and tracked.
    void Popup(int x, int y) override;

    // The skin a caption of the skin menu names.
    static std::string SkinNameOfCaption(const std::string& caption);

private:
    using TEntries = std::vector<std::pair<ui::UINT, std::string>>;
    TEntries OwnEntries();
    void BuildItems();
    void FillSkinMenu();
    vcl::TMenuItem* AddItem(vcl::TMenuItem& parent, const std::string& name, const std::string& text);
    void SendCommand(ui::WPARAM command);

    vcl::TCustomForm& FForm;
    TacSysMenuHost& FHost;
    // The system menu's own entries and the skin-menu switch at the last build.
    TEntries FBuiltEntries;
    bool FBuiltSkinMenu = false;
};

}  // namespace skinpaint
