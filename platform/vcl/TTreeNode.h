#pragma once
// The nodes of a tree view: a node with its text, image indexes, data and
// children, and the collection of them that a tree owns. What a node asks of
// its tree (whether it may expand, change or be edited) goes to the tree.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vcl/ControlTypes.h"

namespace vcl {

class TCustomTreeView;
class TTreeNodes;

class TTreeNode {
public:
    TTreeNode(TTreeNodes& owner, TTreeNode* parent) : FOwner(owner), FParent(parent) {}
    ~TTreeNode();
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    const std::string& Text() const { return FText; }
    void SetText(const std::string& text);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    int SelectedIndex() const { return FSelectedIndex; }
    void SetSelectedIndex(int value);
    int OverlayIndex() const { return FOverlayIndex; }
    void SetOverlayIndex(int value);
    void* Data() const { return FData; }
    void SetData(void* data) { FData = data; }

    // Shows an expand button: set, or while there are children.
    bool HasChildren() const { return FHasChildren || !FChildren.empty(); }
    void SetHasChildren(bool value);
    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool value);
    void Expand(bool recurse);
    void Collapse(bool recurse);

    TTreeNode* Parent() const { return FParent; }
    int Count() const { return int(FChildren.size()); }
    TTreeNode* Item(int index) const { return FChildren.at(size_t(index)).get(); }
    int Index() const;
    int Level() const;
    TTreeNode* GetFirstChild() const { return FChildren.empty() ? nullptr : FChildren.front().get(); }
    TTreeNode* GetLastChild() const { return FChildren.empty() ? nullptr : FChildren.back().get(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next node in the whole tree, children first.
    TTreeNode* GetNext() const;
    TTreeNode* GetNextVisible() const;
    TTreeNode* GetPrevVisible() const;
    // Every parent is expanded.
    bool IsVisible() const;

    bool Selected() const;
    void SetSelected(bool value);
    void MakeVisible();
    // Where the node stands in the tree's client area (its text only when asked).
    TRect DisplayRect(bool textOnly) const;
    // Starts editing the text in place; false when the tree does not allow it.
    bool EditText();
    void Delete();
    void DeleteChildren();
    // Sorts the children by text (or by `compare` < 0), all levels when asked.
    void AlphaSort(bool recurse = false);
    void CustomSort(const std::function<int(TTreeNode*, TTreeNode*)>& compare, bool recurse = false);

    TTreeNodes& Owner() const { return FOwner; }
    TCustomTreeView* TreeView() const;
    bool Deleting() const { return FDeleting; }

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;
    void Changed();

    TTreeNodes& FOwner;
    TTreeNode* FParent;
    std::vector<std::unique_ptr<TTreeNode>> FChildren;
    std::string FText;
    int FImageIndex = -1;
    int FSelectedIndex = -1;
    int FOverlayIndex = -1;
    void* FData = nullptr;
    bool FHasChildren = false;
    bool FExpanded = false;
    bool FDeleting = false;
};

class TTreeNodes {
public:
    explicit TTreeNodes(TCustomTreeView& owner) : FOwner(owner), FRoot(*this, nullptr) {}

    TCustomTreeView& Owner() const { return FOwner; }
    // Every node of the tree.
    int Count() const;
    TTreeNode* GetFirstNode() const { return FRoot.GetFirstChild(); }
    // The node at a position counting every node in order, children first.
    TTreeNode* Item(int absoluteIndex) const;

    // Adds as the last sibling of `sibling` (at the top level for null).
    TTreeNode* Add(TTreeNode* sibling, const std::string& text) { return AddObject(sibling, text, nullptr); }
    TTreeNode* AddObject(TTreeNode* sibling, const std::string& text, void* data);
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text) { return AddChildObject(parent, text, nullptr); }
    TTreeNode* AddChildObject(TTreeNode* parent, const std::string& text, void* data);
    TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& text);
    // Inserts before `sibling`.
    TTreeNode* Insert(TTreeNode* sibling, const std::string& text);
    void Delete(TTreeNode* node);
    void Clear();
    void BeginUpdate();
    void EndUpdate();
    // The top-level nodes' parent.
    TTreeNode& Root() { return FRoot; }

private:
    TTreeNode* InsertNode(TTreeNode* parent, int index, const std::string& text, void* data);

    TCustomTreeView& FOwner;
    TTreeNode FRoot;
};

}  // namespace vcl
