#pragma once
// The shell tree: a skinned tree view whose nodes are the folders of the
// shell namespace (sShellTreeViewItems.h says what that is here), read when
// a node is first expanded. It selects folders by path, refreshes a node's
// children, and renames a folder when its node's text is edited.
#include <functional>
#include <memory>
#include <string>

#include "controls/sShellTreeViewItems.h"
#include "controls/sTreeView.h"

namespace vcl {
class TImageList;
}

namespace controls {

enum TShellExtensions { seSystem, seShow, seHide };
using TAddFolderEvent = std::function<void(vcl::TObject* sender, const TacShellItem& folder, bool& canAdd)>;

class TacCustomShellTreeView : public TsTreeView {
public:
    explicit TacCustomShellTreeView(vcl::TComponent* owner);
    ~TacCustomShellTreeView() override;

    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // --- published
    // A root name ("rfDesktop" ...) or a folder path.
    const std::string& Root() const { return FRoot; }
    void SetRoot(const std::string& value);
    // TShellObjectType bits.
    unsigned ObjectTypes() const { return FObjectTypes; }
    void SetObjectTypes(unsigned value);
    TShellExtensions ShowExt() const { return FShowExt; }
    void SetShowExt(TShellExtensions value);
    bool UseShellImages() const { return FUseShellImages; }
    void SetUseShellImages(bool value);
    TAddFolderEvent OnAddFolder;
    void SetOnAddFolder(const TAddFolderEvent& e) { OnAddFolder = e; }

    // --- operations
    // The path of the selected node's folder; empty when none is selected.
    std::string Path() const;
    // Selects the folder, expanding its ancestors; raises "Error Setting
    // Path" when the path is no existing folder.
    void SetPath(const std::string& path);
    // The node's children read afresh, keeping what was expanded, selected
    // and scrolled to the top where it still exists.
    void RefreshNode(vcl::TTreeNode* node);
    // The pictures of TShellIcon.
    vcl::TImageList* Icons() const { return FIcons; }
    // The node's folder; null for a node not made by the tree.
    const TacShellItem* ItemOf(const vcl::TTreeNode* node) const;
    // The node of a path among those read so far.
    vcl::TTreeNode* FindNode(const std::string& path) const;

    bool CanExpand(vcl::TTreeNode* node) override;
    void Edit(vcl::TTreeNode* node, std::string& text) override;
    void Delete(vcl::TTreeNode* node) override;
    bool CanEdit(vcl::TTreeNode* node) override;
    int CompareNodes(vcl::TTreeNode* a, vcl::TTreeNode* b) override;

protected:
    void CreateWnd() override;
    void Loaded() override;

private:
    void BuildTree();
    // The folder the root stands for; the previous root when the new one
    // cannot be had (with a message), an error when neither can.
    std::string ResolveRoot(bool& desktop);
    vcl::TTreeNode* AddNode(vcl::TTreeNode* parent, TacShellItem item);
    void ReadChildren(vcl::TTreeNode* node);
    std::string ShownName(const TacShellItem& item) const;
    TacShellItem* Item(const vcl::TTreeNode* node) const { return static_cast<TacShellItem*>(node->Data()); }
    // A refusal of a rename, through the application's error handler.
    void RenameFailed(const std::string& name);

    std::string FRoot = "rfDesktop";
    std::string FPreviousRoot = "rfDesktop";
    unsigned FObjectTypes = otFolders;
    TShellExtensions FShowExt = seSystem;
    bool FUseShellImages = true;
    bool FBuilt = false;
    vcl::TImageList* FIcons = nullptr;
};

class TsShellTreeView : public TacCustomShellTreeView {
public:
    using TacCustomShellTreeView::TacCustomShellTreeView;
    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }
};

}  // namespace controls
