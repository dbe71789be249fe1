#pragma once
// The tree view: nodes with a text, image indexes and data, in levels that
// expand and collapse (children may be read on the first expansion, through
// CanExpand and OnExpanding), one selected node, keyboard and mouse, lines
// and expand buttons, in-place editing of a node's text, and scroll bars.
#include <functional>
#include <memory>
#include <vector>

#include "vcl/TCustomControl.h"
#include "vcl/TTreeNode.h"
#include "vcl/WindowScrollBars.h"

namespace vcl {

class TCustomImageList;
class TEdit;

enum THitTest : unsigned {
    htAbove = 0x1,
    htBelow = 0x2,
    htNowhere = 0x4,
    htOnItem = 0x8,
    htOnButton = 0x10,
    htOnIcon = 0x20,
    htOnIndent = 0x40,
    htOnLabel = 0x80,
    htToRight = 0x200,
};
using THitTests = unsigned;

using TTVChangedEvent = std::function<void(TObject* sender, TTreeNode* node)>;
using TTVChangingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowChange)>;
using TTVExpandingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowExpansion)>;
using TTVCollapsingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowCollapse)>;
using TTVExpandedEvent = std::function<void(TObject* sender, TTreeNode* node)>;
using TTVEditingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowEdit)>;
using TTVEditedEvent = std::function<void(TObject* sender, TTreeNode* node, std::string& text)>;
using TTVCompareEvent = std::function<void(TObject* sender, TTreeNode* node1, TTreeNode* node2, int& compare)>;

class TCustomTreeView : public TCustomControl {
public:
    explicit TCustomTreeView(TComponent* owner);
    ~TCustomTreeView() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TTreeNodes& Items() { return FItems; }
    TTreeNode* Selected() const { return FSelected; }
    // Asks CanChange, then selects, shows the node and tells OnChange.
    void SetSelected(TTreeNode* node);
    TTreeNode* TopItem() const;
    void SetTopItem(TTreeNode* node);
    int Indent() const { return FIndent; }
    void SetIndent(int value);
    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool value);
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool value);
    bool ShowRoot() const { return FShowRoot; }
    void SetShowRoot(bool value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    bool RightClickSelect() const { return FRightClickSelect; }
    void SetRightClickSelect(bool value) { FRightClickSelect = value; }
    bool AutoExpand() const { return FAutoExpand; }
    void SetAutoExpand(bool value) { FAutoExpand = value; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* images);
    // The height of a row.
    int ItemHeight();

    TTreeNode* GetNodeAt(int x, int y);
    THitTests GetHitTestInfoAt(int x, int y);
    void FullExpand();
    void FullCollapse();
    void AlphaSort(bool recurse = true) { FItems.Root().AlphaSort(recurse); }
    bool IsEditing() const { return FEditor != nullptr; }
    // Ends an edit in place, keeping the typed text unless cancelled.
    void EndEditing(bool cancel);
    TEdit* EditControl() const { return FEditor; }
    TWindowScrollBars& ScrollBars() { return FBars; }

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVExpandingEvent OnExpanding;
    TTVExpandedEvent OnExpanded;
    TTVCollapsingEvent OnCollapsing;
    TTVExpandedEvent OnCollapsed;
    TTVExpandedEvent OnDeletion;
    TTVEditingEvent OnEditing;
    TTVEditedEvent OnEdited;
    TTVCompareEvent OnCompare;
    void SetOnChange(const TTVChangedEvent& e) { OnChange = e; }
    void SetOnChanging(const TTVChangingEvent& e) { OnChanging = e; }
    void SetOnExpanding(const TTVExpandingEvent& e) { OnExpanding = e; }
    void SetOnExpanded(const TTVExpandedEvent& e) { OnExpanded = e; }
    void SetOnCollapsing(const TTVCollapsingEvent& e) { OnCollapsing = e; }
    void SetOnCollapsed(const TTVExpandedEvent& e) { OnCollapsed = e; }
    void SetOnDeletion(const TTVExpandedEvent& e) { OnDeletion = e; }
    void SetOnEditing(const TTVEditingEvent& e) { OnEditing = e; }
    void SetOnEdited(const TTVEditedEvent& e) { OnEdited = e; }
    void SetOnCompare(const TTVCompareEvent& e) { OnCompare = e; }

    void WndProc(TMessage& message) override;

    // What nodes ask of their tree; descendants such as a shell tree read
    // children in CanExpand.
    virtual bool CanExpand(TTreeNode* node);
    virtual void Expand(TTreeNode* node);
    virtual bool CanCollapse(TTreeNode* node);
    virtual void Collapse(TTreeNode* node);
    virtual bool CanChange(TTreeNode* node);
    virtual void Change(TTreeNode* node);
    virtual bool CanEdit(TTreeNode* node);
    virtual void Edit(TTreeNode* node, std::string& text);
    virtual void Delete(TTreeNode* node);
    // The sort order of two nodes: OnCompare, else their texts.
    virtual int CompareNodes(TTreeNode* a, TTreeNode* b);
    // The node list changed: rows, scroll bars and picture follow.
    void NodesChanged();
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void Notification(TComponent* component, TOperation operation) override;
    void KeyDown(WORD& key, TShiftState shift) override;

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    // The visible nodes in display order.
    std::vector<TTreeNode*> VisibleNodes() const;
    int RowOf(const TTreeNode* node) const;
    int NodeLeft(const TTreeNode* node) const;  // where the node's image or text starts
    int TextLeft(const TTreeNode* node) const;
    void UpdateScrollBars();
    void ScrollInView(const TTreeNode* node);
    void NodeDeleting(TTreeNode* node);
    void PaintNode(gfx::TCanvas& canvas, TTreeNode* node, int y);
    void StartEditing(TTreeNode* node);
    void MouseInput(TMessage& message);

    TTreeNodes FItems{*this};
    TTreeNode* FSelected = nullptr;
    int FIndent = 19;
    bool FShowLines = true;
    bool FShowButtons = true;
    bool FShowRoot = true;
    bool FHideSelection = true;
    bool FReadOnly = false;
    bool FRightClickSelect = false;
    bool FAutoExpand = false;
    TBorderStyle FBorderStyle = bsSingleBorder;
    TCustomImageList* FImages = nullptr;
    TEdit* FEditor = nullptr;
    TTreeNode* FEditing = nullptr;
    int FUpdateCount = 0;
    TWindowScrollBars FBars{*this};
};

class TTreeView : public TCustomTreeView {
public:
    using TCustomTreeView::TCustomTreeView;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }
};

}  // namespace vcl
