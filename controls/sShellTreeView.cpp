#include "controls/sShellTreeView.h"

#include <fcntl.h>
#include <stdio.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <set>

#include "controls/sDirsArt.h"
#include "os/FileSystem.h"
#include "rtl/Exceptions.h"
#include "vcl/Dialogs.h"
#include "vcl/TApplication.h"
#include "vcl/TClassBuilder.h"
#include "vcl/TImageList.h"
#include "vcl/TScreen.h"

namespace controls {

namespace {

std::string ParentPath(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

// The hourglass for as long as the tree reads folders.
class THourGlass {
public:
    THourGlass() : FSaved(vcl::Screen->Cursor()) { vcl::Screen->SetCursor(vcl::crHourGlass); }
    ~THourGlass() { vcl::Screen->SetCursor(FSaved); }
    THourGlass(const THourGlass&) = delete;
    THourGlass& operator=(const THourGlass&) = delete;

private:
    vcl::TCursor FSaved;
};

// A name that would land the folder anywhere but beside its old one, or
// nowhere, is refused before the file system is asked.
bool NameAllowed(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

}  // namespace

const vcl::TClassInfo& TacCustomShellTreeView::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TacCustomShellTreeView>("TacCustomShellTreeView", TsTreeView::StaticClass())
            .String("Root", &TacCustomShellTreeView::SetRoot)
            .Set("ObjectTypes", &TacCustomShellTreeView::SetObjectTypes,
                 {{"otFolders", otFolders}, {"otNonFolders", otNonFolders}, {"otHidden", otHidden}})
            .Enum("ShowExt", &TacCustomShellTreeView::SetShowExt,
                  {{"seSystem", seSystem}, {"seShow", seShow}, {"seHide", seHide}})
            .Bool("UseShellImages", &TacCustomShellTreeView::SetUseShellImages)
            .Event("OnAddFolder", &TacCustomShellTreeView::SetOnAddFolder)
            .Build();
    return info;
}

const vcl::TClassInfo& TsShellTreeView::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TsShellTreeView>("TsShellTreeView", TacCustomShellTreeView::StaticClass())
            .Creatable()
            .Build();
    return info;
}

TacCustomShellTreeView::TacCustomShellTreeView(vcl::TComponent* owner) : TsTreeView(owner) {
    SetRightClickSelect(true);
    RegisterDirsArt();
    FIcons = new vcl::TImageList(this);
    FIcons->AddResource("DIRS_TREEICONS");
    SetImages(FIcons);
}

// The items go with their nodes, while this class's Delete still runs; the
// owner's handlers may be gone already.
TacCustomShellTreeView::~TacCustomShellTreeView() {
    OnChange = nullptr;
    OnChanging = nullptr;
    OnDeletion = nullptr;
    Items().Clear();
}

void TacCustomShellTreeView::SetRoot(const std::string& value) {
    if (strcasecmp(value.c_str(), FRoot.c_str()) == 0) return;
    FPreviousRoot = FRoot;
    FRoot = value;
    if (HandleAllocated() && !(ComponentState() & vcl::csLoading)) BuildTree();
    else FBuilt = false;
}

void TacCustomShellTreeView::SetObjectTypes(unsigned value) {
    if (value == FObjectTypes) return;
    FObjectTypes = value;
    if (FBuilt) BuildTree();
}

void TacCustomShellTreeView::SetShowExt(TShellExtensions value) {
    FShowExt = value;
    for (vcl::TTreeNode* node = Items().GetFirstNode(); node; node = node->GetNext())
        if (const TacShellItem* item = Item(node)) node->SetText(ShownName(*item));
}

void TacCustomShellTreeView::SetUseShellImages(bool value) {
    FUseShellImages = value;
    SetImages(value ? FIcons : nullptr);
}

void TacCustomShellTreeView::CreateWnd() {
    TsTreeView::CreateWnd();
    if (!FBuilt) BuildTree();
}

void TacCustomShellTreeView::Loaded() {
    TsTreeView::Loaded();
    if (HandleAllocated() && !FBuilt) BuildTree();
}

// Folders carry their extensions as part of their names; only files show or
// hide theirs.
std::string TacCustomShellTreeView::ShownName(const TacShellItem& item) const {
    if (FShowExt != seHide || item.IsFolder) return item.DisplayName;
    const size_t dot = item.DisplayName.rfind('.');
    return dot == std::string::npos || dot == 0 ? item.DisplayName : item.DisplayName.substr(0, dot);
}

const TacShellItem* TacCustomShellTreeView::ItemOf(const vcl::TTreeNode* node) const {
    return node ? Item(node) : nullptr;
}

std::string TacCustomShellTreeView::ResolveRoot(bool& desktop) {
    std::string folder = ResolveShellRoot(FRoot, desktop);
    if (!folder.empty()) return folder;
    const std::string failed = FRoot;
    folder = ResolveShellRoot(FPreviousRoot, desktop);
    if (folder.empty()) throw rtl::Exception("Error Setting Path : " + failed);
    FRoot = FPreviousRoot;
    vcl::Application->MessageBox("Error Setting Path : " + failed, "Error", vcl::MB_OK | vcl::MB_ICONERROR);
    return folder;
}

void TacCustomShellTreeView::BuildTree() {
    bool desktop = false;
    const std::string folder = ResolveRoot(desktop);
    FBuilt = true;
    Items().Clear();
    TacShellItem item = ShellItemFor(folder, FObjectTypes);
    item.IsDesktop = desktop;
    item.HasSubfolders = item.HasSubfolders || desktop;
    if (desktop && folder != "/") item.Icon = siFolder;
    vcl::TTreeNode* root = AddNode(nullptr, std::move(item));
    root->Expand(false);
    SetSelected(root);
}

vcl::TTreeNode* TacCustomShellTreeView::AddNode(vcl::TTreeNode* parent, TacShellItem item) {
    auto* data = new TacShellItem(std::move(item));
    vcl::TTreeNode* node = Items().AddChildObject(parent, ShownName(*data), data);
    const int icon = FUseShellImages ? data->Icon : -1;
    node->SetImageIndex(icon);
    node->SetSelectedIndex(icon == siFolder ? int(siFolderOpen) : icon);
    node->SetHasChildren(data->HasSubfolders);
    return node;
}

void TacCustomShellTreeView::ReadChildren(vcl::TTreeNode* node) {
    TacShellItem* item = Item(node);
    if (!item || item->ChildrenRead) return;
    item->ChildrenRead = true;
    const THourGlass hourglass;
    std::vector<TacShellItem> children;
    ReadShellChildren(*item, FObjectTypes, children);
    Items().BeginUpdate();
    for (TacShellItem& child : children) {
        vcl::TTreeNode* added = AddNode(node, std::move(child));
        bool canAdd = true;
        if (OnAddFolder) OnAddFolder(this, *Item(added), canAdd);
        if (!canAdd) added->Delete();
    }
    node->SetHasChildren(node->Count() > 0);
    Items().EndUpdate();
}

bool TacCustomShellTreeView::CanExpand(vcl::TTreeNode* node) {
    if (!TsTreeView::CanExpand(node)) return false;
    const TacShellItem* item = Item(node);
    if (!item || !item->IsFolder) return false;
    ReadChildren(node);
    return node->Count() > 0;
}

void TacCustomShellTreeView::Delete(vcl::TTreeNode* node) {
    TsTreeView::Delete(node);
    delete Item(node);
    node->SetData(nullptr);
}

// A folder's own sub-folders sort by name; the places that the desktop
// lists after them keep their order.
int TacCustomShellTreeView::CompareNodes(vcl::TTreeNode* a, vcl::TTreeNode* b) {
    const TacShellItem* ia = Item(a);
    const TacShellItem* ib = Item(b);
    const TacShellItem* parent = a->Parent() ? Item(a->Parent()) : nullptr;
    if (!ia || !ib || !parent) return TsTreeView::CompareNodes(a, b);
    const bool ownA = ParentPath(ia->Path) == parent->Path, ownB = ParentPath(ib->Path) == parent->Path;
    if (ownA != ownB) return ownA ? -1 : 1;
    if (!ownA) return a->Index() - b->Index();
    return CompareShellNames(ia->DisplayName, ib->DisplayName);
}

std::string TacCustomShellTreeView::Path() const {
    const TacShellItem* item = ItemOf(Selected());
    return item ? item->Path : std::string();
}

vcl::TTreeNode* TacCustomShellTreeView::FindNode(const std::string& path) const {
    for (vcl::TTreeNode* node = const_cast<TacCustomShellTreeView*>(this)->Items().GetFirstNode(); node;
         node = node->GetNext())
        if (const TacShellItem* item = Item(node); item && item->Path == path) return node;
    return nullptr;
}

// From the root down, the child nearest to the folder each time: a place of
// the desktop can hold the folder as well as the desktop's own sub-folders.
void TacCustomShellTreeView::SetPath(const std::string& path) {
    const std::string target = NormalizeShellPath(path);
    if (path.empty() || !os::DirectoryExists(target)) throw rtl::Exception("Error Setting Path");
    if (!FBuilt) BuildTree();
    if (Path() == target) return;
    vcl::TTreeNode* node = Items().GetFirstNode();
    while (node && Item(node)->Path != target) {
        node->Expand(false);
        vcl::TTreeNode* nearest = nullptr;
        size_t nearestLength = 0;
        for (int i = 0; i < node->Count(); ++i) {
            const std::string& childPath = Item(node->Item(i))->Path;
            if (IsPathWithin(target, childPath) && (!nearest || childPath.size() > nearestLength)) {
                nearest = node->Item(i);
                nearestLength = childPath.size();
            }
        }
        if (!nearest) break;
        node = nearest;
    }
    if (!node) return;
    SetSelected(node);
    node->MakeVisible();
}

void TacCustomShellTreeView::RefreshNode(vcl::TTreeNode* node) {
    TacShellItem* item = Item(node);
    if (!item) return;
    const THourGlass hourglass;
    const std::string path = item->Path;
    const std::string selected = Path();
    const TacShellItem* top = ItemOf(TopItem());
    const std::string topPath = top ? top->Path : std::string();
    std::vector<std::string> expanded;
    for (vcl::TTreeNode* n = node; n; n = n->GetNext()) {
        if (n != node && n->Level() <= node->Level()) break;
        if (n->Expanded()) expanded.push_back(Item(n)->Path);
    }
    Items().BeginUpdate();
    node->DeleteChildren();
    const TacShellItem fresh = ShellItemFor(path, FObjectTypes);
    item->IsFolder = fresh.IsFolder;
    item->HasSubfolders = fresh.HasSubfolders || item->IsDesktop;
    item->ChildrenRead = false;
    node->SetHasChildren(item->HasSubfolders);
    for (const std::string& folder : expanded)
        if (vcl::TTreeNode* again = FindNode(folder)) again->Expand(false);
    if (vcl::TTreeNode* again = FindNode(selected)) SetSelected(again);
    else if (!Selected()) SetSelected(node);
    if (vcl::TTreeNode* again = FindNode(topPath)) SetTopItem(again);
    Items().EndUpdate();
}

bool TacCustomShellTreeView::CanEdit(vcl::TTreeNode* node) {
    return TsTreeView::CanEdit(node) && Item(node) && node->Parent() != &Items().Root();
}

void TacCustomShellTreeView::RenameFailed(const std::string& name) {
    try {
        throw rtl::Exception("Rename to " + name + " failed");
    } catch (...) {
        vcl::Application->HandleException(this);
    }
}

// Only a folder's own entry can be renamed (not the desktop's places), only
// within its folder, and never over an existing name: rename(2) would
// silently replace an empty folder of that name.
void TacCustomShellTreeView::Edit(vcl::TTreeNode* node, std::string& text) {
    TsTreeView::Edit(node, text);
    TacShellItem* item = Item(node);
    const TacShellItem* parent = Item(node->Parent());
    const std::string old = node->Text();
    if (!item || !parent || text == old || text.empty()) {
        text = old;
        return;
    }
    const std::string folder = ParentPath(item->Path);
    if (folder != parent->Path || ::access(folder.c_str(), W_OK) != 0) {
        text = old;
        return;
    }
    const std::string target = folder == "/" ? "/" + text : folder + "/" + text;
    if (!NameAllowed(text) || ::renameat2(AT_FDCWD, item->Path.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0) {
        const std::string refused = text;
        text = old;
        RenameFailed(refused);
        return;
    }
    const std::string from = item->Path;
    for (vcl::TTreeNode* n = node; n; n = n->GetNext()) {
        if (n != node && n->Level() <= node->Level()) break;
        if (TacShellItem* inside = Item(n)) inside->Path = RebasePath(inside->Path, from, target);
    }
    item->DisplayName = text;
    text = ShownName(*item);
    node->Parent()->AlphaSort(false);
}

}  // namespace controls
