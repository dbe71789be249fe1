#include "vcl/TTreeNode.h"

#include <algorithm>

#include "vcl/TTreeView.h"

namespace vcl {

// --- TTreeNode

TTreeNode::~TTreeNode() = default;

TCustomTreeView* TTreeNode::TreeView() const { return &FOwner.Owner(); }

void TTreeNode::Changed() {
    if (this != &FOwner.Root()) FOwner.Owner().NodesChanged();
}

void TTreeNode::SetText(const std::string& text) {
    FText = text;
    Changed();
}

void TTreeNode::SetImageIndex(int value) {
    FImageIndex = value;
    Changed();
}

void TTreeNode::SetSelectedIndex(int value) {
    FSelectedIndex = value;
    Changed();
}

void TTreeNode::SetOverlayIndex(int value) {
    FOverlayIndex = value;
    Changed();
}

void TTreeNode::SetHasChildren(bool value) {
    FHasChildren = value;
    Changed();
}

void TTreeNode::SetExpanded(bool value) {
    if (value)
        Expand(false);
    else
        Collapse(false);
}

// Expanding asks the tree first (where children may be read); a node that
// still has no children afterwards loses its button.
void TTreeNode::Expand(bool recurse) {
    TCustomTreeView& tree = FOwner.Owner();
    if (!FExpanded && HasChildren() && tree.CanExpand(this)) {
        if (FChildren.empty()) {
            FHasChildren = false;
        } else {
            FExpanded = true;
            tree.Expand(this);
        }
        Changed();
    }
    if (recurse)
        for (auto& child : FChildren) child->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
    TCustomTreeView& tree = FOwner.Owner();
    if (recurse)
        for (auto& child : FChildren) child->Collapse(true);
    if (!FExpanded || !tree.CanCollapse(this)) return;
    FExpanded = false;
    // A selection inside goes to the collapsed node.
    for (TTreeNode* s = tree.Selected(); s; s = s->FParent)
        if (s->FParent == this) {
            tree.SetSelected(this);
            break;
        }
    tree.Collapse(this);
    Changed();
}

int TTreeNode::Index() const {
    if (!FParent) return -1;
    const auto& list = FParent->FChildren;
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == this) return int(i);
    return -1;
}

int TTreeNode::Level() const {
    int level = -1;
    for (const TTreeNode* p = FParent; p; p = p->FParent) ++level;
    return level;
}

TTreeNode* TTreeNode::GetNextSibling() const {
    const int i = Index();
    return i >= 0 && i + 1 < FParent->Count() ? FParent->Item(i + 1) : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const {
    const int i = Index();
    return i > 0 ? FParent->Item(i - 1) : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
    if (!FChildren.empty()) return FChildren.front().get();
    for (const TTreeNode* n = this; n && n->FParent; n = n->FParent)
        if (TTreeNode* s = n->GetNextSibling()) return s;
    return nullptr;
}

TTreeNode* TTreeNode::GetNextVisible() const {
    if (FExpanded && !FChildren.empty()) return FChildren.front().get();
    for (const TTreeNode* n = this; n && n->FParent; n = n->FParent)
        if (TTreeNode* s = n->GetNextSibling()) return s;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrevVisible() const {
    TTreeNode* prev = GetPrevSibling();
    if (!prev) return FParent && FParent->FParent ? FParent : nullptr;
    while (prev->FExpanded && !prev->FChildren.empty()) prev = prev->FChildren.back().get();
    return prev;
}

bool TTreeNode::IsVisible() const {
    for (const TTreeNode* p = FParent; p && p->FParent; p = p->FParent)
        if (!p->FExpanded) return false;
    return true;
}

bool TTreeNode::Selected() const { return FOwner.Owner().Selected() == this; }

void TTreeNode::SetSelected(bool value) {
    TCustomTreeView& tree = FOwner.Owner();
    if (value)
        tree.SetSelected(this);
    else if (Selected())
        tree.SetSelected(nullptr);
}

void TTreeNode::MakeVisible() {
    for (TTreeNode* p = FParent; p && p->FParent; p = p->FParent)
        if (!p->FExpanded) p->Expand(false);
    FOwner.Owner().ScrollInView(this);
}

TRect TTreeNode::DisplayRect(bool textOnly) const {
    TCustomTreeView& tree = FOwner.Owner();
    const int row = tree.RowOf(this);
    if (row < 0) return {};
    const int h = tree.ItemHeight();
    const int y = (row - tree.ScrollBars().Position(sbVertical)) * h;
    if (!textOnly) return {0, y, tree.ClientWidth(), y + h};
    const int x = tree.TextLeft(this) - tree.ScrollBars().Position(sbHorizontal);
    gfx::TCanvas& canvas = tree.Canvas();
    canvas.Font = tree.Font().Handle();
    return {x, y, x + canvas.TextWidth(FText) + 4, y + h};
}

bool TTreeNode::EditText() {
    TCustomTreeView& tree = FOwner.Owner();
    if (!tree.CanEdit(this)) return false;
    tree.StartEditing(this);
    return true;
}

void TTreeNode::Delete() { FOwner.Delete(this); }

void TTreeNode::DeleteChildren() {
    while (!FChildren.empty()) FOwner.Delete(FChildren.back().get());
    FExpanded = false;
    Changed();
}

void TTreeNode::CustomSort(const std::function<int(TTreeNode*, TTreeNode*)>& compare, bool recurse) {
    std::stable_sort(FChildren.begin(), FChildren.end(),
                     [&](const auto& a, const auto& b) { return compare(a.get(), b.get()) < 0; });
    if (recurse)
        for (auto& child : FChildren) child->CustomSort(compare, true);
    Changed();
}

void TTreeNode::AlphaSort(bool recurse) {
    TCustomTreeView& tree = FOwner.Owner();
    CustomSort([&tree](TTreeNode* a, TTreeNode* b) { return tree.CompareNodes(a, b); }, recurse);
}

// --- TTreeNodes

int TTreeNodes::Count() const {
    int n = 0;
    for (const TTreeNode* node = GetFirstNode(); node; node = node->GetNext()) ++n;
    return n;
}

TTreeNode* TTreeNodes::Item(int absoluteIndex) const {
    TTreeNode* node = GetFirstNode();
    for (int i = 0; node && i < absoluteIndex; ++i) node = node->GetNext();
    if (!node || absoluteIndex < 0) throw rtl::EListError(absoluteIndex);
    return node;
}

TTreeNode* TTreeNodes::InsertNode(TTreeNode* parent, int index, const std::string& text, void* data) {
    auto node = std::make_unique<TTreeNode>(*this, parent);
    node->FText = text;
    node->FData = data;
    TTreeNode* result = node.get();
    auto& list = parent->FChildren;
    list.insert(list.begin() + std::clamp(index, 0, int(list.size())), std::move(node));
    FOwner.NodesChanged();
    return result;
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* sibling, const std::string& text, void* data) {
    TTreeNode* parent = sibling ? sibling->Parent() : &FRoot;
    return InsertNode(parent, parent->Count(), text, data);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* parent, const std::string& text, void* data) {
    if (!parent) parent = &FRoot;
    return InsertNode(parent, parent->Count(), text, data);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const std::string& text) {
    return InsertNode(parent ? parent : &FRoot, 0, text, nullptr);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const std::string& text) {
    if (!sibling) return Add(nullptr, text);
    return InsertNode(sibling->Parent(), sibling->Index(), text, nullptr);
}

// OnDeletion runs for the node and each of its descendants, children first,
// while the data is still there.
void TTreeNodes::Delete(TTreeNode* node) {
    if (!node || node == &FRoot || node->FDeleting) return;
    // A selection inside moves to a neighbour, as the platform's tree does.
    TTreeNode* reselect = nullptr;
    bool moveSelection = false;
    for (const TTreeNode* s = FOwner.FSelected; s; s = s->FParent)
        if (s == node) moveSelection = true;
    if (moveSelection) {
        reselect = node->GetNextSibling();
        if (!reselect) reselect = node->GetPrevSibling();
        if (!reselect && node->FParent != &FRoot) reselect = node->FParent;
        FOwner.FSelected = nullptr;
    }
    node->FDeleting = true;
    while (!node->FChildren.empty()) Delete(node->FChildren.back().get());
    FOwner.NodeDeleting(node);
    TTreeNode* parent = node->FParent;
    auto& list = parent->FChildren;
    list.erase(std::remove_if(list.begin(), list.end(), [node](const auto& p) { return p.get() == node; }), list.end());
    if (parent != &FRoot && list.empty()) parent->FExpanded = false;
    if (moveSelection) {
        FOwner.FSelected = reselect;
        FOwner.Change(reselect);
    }
    FOwner.NodesChanged();
}

void TTreeNodes::Clear() {
    BeginUpdate();
    while (TTreeNode* node = FRoot.GetLastChild()) Delete(node);
    EndUpdate();
}

void TTreeNodes::BeginUpdate() { FOwner.BeginUpdate(); }
void TTreeNodes::EndUpdate() { FOwner.EndUpdate(); }

}  // namespace vcl
