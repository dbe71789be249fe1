#include "sSystemMenu.h"

#include "rtl/TScopeExit.h"
#include "rtl/TStringList.h"
#include "skin/sPopupMenuHook.h"
#include "ui/MessageLoop.h"
#include "ui/Messages.h"
#include "vcl/ShortCuts.h"
#include "vcl/TClassBuilder.h"

namespace skinpaint {

namespace {

// Commands below this one are the program's own entries of a system menu.
constexpr ui::UINT FirstSystemCommand = 0xF000;
const char* const InternalMark = "(internal)";

// The text of a command in the window's system menu, or the default.
std::string CommandText(ui::HMENU systemMenu, ui::UINT command, const std::string& fallback) {
    if (ui::GetMenuState(systemMenu, command, ui::MF_BYCOMMAND) == ui::UINT(-1)) return fallback;
    return ui::GetMenuString(systemMenu, command, ui::MF_BYCOMMAND);
}

// The part of a menu text before a tab is the caption, the part after it the
// shortcut; a shortcut text we cannot read stays in the caption, after its tab.
void SetCaptionFrom(vcl::TMenuItem& item, const std::string& text) {
    const size_t tab = text.find('\t');
    const vcl::TShortCut shortCut =
        tab == std::string::npos ? vcl::TShortCut(0) : vcl::TextToShortCut(text.substr(tab + 1));
    item.SetCaption(shortCut ? text.substr(0, tab) : text);
    item.SetShortCut(shortCut);
}

// Skin names go into captions with their ampersands doubled, so that a name
// like "Black & White" shows as it is and comes back whole.
std::string CaptionOfSkinName(const std::string& name) {
    std::string caption;
    for (char c : name) {
        if (c == '&') caption += '&';
        caption += c;
    }
    return caption;
}

}  // namespace

TsSystemMenu::TsSystemMenu(vcl::TComponent* owner, vcl::TCustomForm& form, TacSysMenuHost& host)
    : vcl::TPopupMenu(owner), FForm(form), FHost(host) {
    ui::DWORD tick = ui::GetTickCount();
    while (owner && owner->FindComponent("acSysMenu" + std::to_string(tick))) ++tick;
    SetName("acSysMenu" + std::to_string(tick));
    BuildItems();
}

const vcl::TClassInfo& TsSystemMenu::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TsSystemMenu>("TsSystemMenu", vcl::TPopupMenu::StaticClass()).Build();
    return info;
}

std::string TsSystemMenu::SkinNameOfCaption(const std::string& caption) {
    std::string name = vcl::StripHotkey(caption);
    if (const size_t at = name.find(InternalMark); at != std::string::npos)
        name.resize(at + std::char_traits<char>::length(InternalMark));
    return name;
}

TsSystemMenu::TEntries TsSystemMenu::OwnEntries() {
    TEntries entries;
    const ui::HMENU menu = ui::GetSystemMenu(FForm.Handle(), false);
    for (int i = 0; i < ui::GetMenuItemCount(menu); ++i) {
        const ui::UINT id = ui::GetMenuItemID(menu, i);
        if (id == ui::UINT(-1) || id >= FirstSystemCommand) continue;
        if (ui::GetMenuState(menu, ui::UINT(i), ui::MF_BYPOSITION) & ui::MF_SEPARATOR) continue;
        entries.emplace_back(id, ui::GetMenuString(menu, ui::UINT(i), ui::MF_BYPOSITION));
    }
    return entries;
}

vcl::TMenuItem* TsSystemMenu::AddItem(vcl::TMenuItem& parent, const std::string& name, const std::string& text) {
    auto* item = new vcl::TMenuItem(this);
    item->SetName(name);
    item->SetCaption(text);
    parent.Add(item);
    return item;
}

void TsSystemMenu::SendCommand(ui::WPARAM command) { ui::SendMessage(FForm.Handle(), ui::WM_SYSCOMMAND, command, 0); }

void TsSystemMenu::BuildItems() {
    Items().Clear();
    FBuiltEntries = OwnEntries();
    FBuiltSkinMenu = FHost.HostMakeSkinMenu();
    const ui::HMENU systemMenu = ui::GetSystemMenu(FForm.Handle(), false);
    auto command = [&](const char* name, ui::WPARAM cmd, const char* fallback, auto&& click) {
        vcl::TMenuItem* item = AddItem(Items(), name, "");
        // The menu skinning shows the command's symbol by the tag.
        item->SetTag(int(cmd));
        SetCaptionFrom(*item, CommandText(systemMenu, ui::UINT(cmd), fallback));
        item->OnClick = [click](vcl::TObject*) { click(); };
    };

    if (FBuiltSkinMenu) {
        AddItem(Items(), "SkinSelectItem", "Available skins");
        AddItem(Items(), "", "-");
    }
    command("acIR", ui::SC_RESTORE, "Restore", [this] {
        SendCommand(ui::SC_RESTORE);
        UpdateItems();
    });
    command("acIM", ui::SC_MOVE, "Move", [this] { SendCommand(ui::SC_MOVE); });
    command("acIS", ui::SC_SIZE, "Size", [this] { SendCommand(ui::SC_SIZE); });
    command("acIN", ui::SC_MINIMIZE, "Minimize", [this] {
        {
            FHost.HostSetNoAnimation(true);
            const rtl::TScopeExit animateAgain([this] { FHost.HostSetNoAnimation(false); });
            SendCommand(ui::SC_MINIMIZE);
        }
        UpdateItems();
    });
    command("acIX", ui::SC_MAXIMIZE, "Maximize", [this] {
        SendCommand(ui::SC_MAXIMIZE);
        UpdateItems();
    });
    AddItem(Items(), "", "-");
    for (const auto& [id, text] : FBuiltEntries) {
        vcl::TMenuItem* item = AddItem(Items(), "", "");
        SetCaptionFrom(*item, text);
        item->OnClick = [this, command = id](vcl::TObject*) {
            ui::PostMessage(FForm.Handle(), ui::WM_SYSCOMMAND, command, 0);
        };
    }
    if (!FBuiltEntries.empty()) AddItem(Items(), "", "-");
    command("acIC", ui::SC_CLOSE, "Close", [this] { SendCommand(ui::SC_CLOSE); });
}

void TsSystemMenu::FillSkinMenu() {
    auto* skins = static_cast<vcl::TMenuItem*>(FindComponent("SkinSelectItem"));
    skin::TsSkinManager* manager = FHost.HostSkinManager();
    if (!skins) return;
    skins->Clear();
    if (!manager) return;
    rtl::TStringList list;
    std::string first;
    manager->ListSkins(list, skin::slBoth, first);
    for (int i = 0; i < list.Count(); ++i) {
        vcl::TMenuItem* item = AddItem(*skins, "", CaptionOfSkinName(list[i]));
        item->SetRadioItem(true);
        item->SetChecked(list[i] == manager->SkinName());
        if (i > 0 && i % SkinMenuColumn == 0) item->SetBreak(vcl::mbBreak);
        item->OnClick = [this](vcl::TObject* sender) {
            if (skin::TsSkinManager* m = FHost.HostSkinManager())
                m->SetSkinName(SkinNameOfCaption(static_cast<vcl::TMenuItem*>(sender)->Caption()));
        };
    }
}

void TsSystemMenu::UpdateItems() {
    const TacWindowButtons w = Buttons();
    const bool fullTitle = HasFullTitle(w);
    auto set = [this](const char* name, bool visible, bool enabled) {
        auto* item = static_cast<vcl::TMenuItem*>(FindComponent(name));
        item->SetVisible(visible);
        item->SetEnabled(enabled);
    };
    // The framework has no MDI children, whose rules differ for restore and size.
    set("acIR", w.HadSystemMenu && fullTitle, EnabledRestore(w));
    set("acIM", true, !w.Maximized);
    set("acIS", w.BorderStyle != vcl::bsNone && w.BorderStyle != vcl::bsDialog && w.BorderStyle != vcl::bsToolWindow,
        w.BorderStyle != vcl::bsSingle && !w.Minimized);
    set("acIN", VisibleMin(w), EnabledMin(w));
    set("acIX", VisibleMax(w), EnabledMax(w));
    set("acIC", VisibleClose(w), true);
}

void TsSystemMenu::Refresh() {
    if (FHost.HostMakeSkinMenu() != FBuiltSkinMenu || OwnEntries() != FBuiltEntries) BuildItems();
    FillSkinMenu();
    UpdateItems();
}

void TsSystemMenu::Popup(int x, int y) {
    Refresh();
    // Items built anew need the skinned painting again.
    skin::TsSkinManager* manager = FHost.HostSkinManager();
    skin::HookPopupMenu(*this, manager && manager->Active() && manager->GlobalInfo.SkinApplied);
    vcl::TPopupMenu::Popup(x, y);
}

}  // namespace skinpaint
