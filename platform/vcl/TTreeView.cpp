#include "vcl/TTreeView.h"

#include <algorithm>
#include <strings.h>

#include "ui/Input.h"
#include "ui/Keys.h"
#include "ui/MessageLoop.h"
#include "ui/Styles.h"
#include "vcl/TClassBuilder.h"
#include "vcl/TEdit.h"
#include "vcl/TImageList.h"

namespace vcl {

namespace {

// Posted by the tree to free an in-place editor once its own messages are done.
constexpr UINT CM_FREEEDITOR = CM_BASE + 0x71;

// The in-place editor of a node's text: Enter keeps the text, Escape drops
// it, and leaving the editor keeps it; neither key reaches the form's
// default or cancel button.
class TTreeEditor : public TEdit {
public:
    TTreeEditor(TCustomTreeView& tree) : TEdit(&tree), FTree(tree) {}

    void WndProc(TMessage& m) override {
        switch (m.Msg) {
        case ui::WM_GETDLGCODE:
            m.Result = ui::DLGC_WANTALLKEYS | ui::DLGC_WANTCHARS | ui::DLGC_WANTARROWS;
            return;
        case ui::WM_KEYDOWN:
            if (m.WParam == ui::VK_RETURN || m.WParam == ui::VK_ESCAPE) {
                FTree.EndEditing(m.WParam == ui::VK_ESCAPE);
                return;
            }
            break;
        case ui::WM_KILLFOCUS:
            TEdit::WndProc(m);
            if (FTree.EditControl() == this) FTree.EndEditing(false);
            return;
        default: break;
        }
        TEdit::WndProc(m);
    }

private:
    TCustomTreeView& FTree;
};

}  // namespace

// --- TCustomTreeView

const TClassInfo& TCustomTreeView::StaticClass() {
    static const TClassInfo& info =
        TClassBuilder<TCustomTreeView>("TCustomTreeView", TCustomControl::StaticClass())
            .Int("Indent", &TCustomTreeView::SetIndent)
            .Bool("ShowLines", &TCustomTreeView::SetShowLines)
            .Bool("ShowButtons", &TCustomTreeView::SetShowButtons)
            .Bool("ShowRoot", &TCustomTreeView::SetShowRoot)
            .Bool("HideSelection", &TCustomTreeView::SetHideSelection)
            .Bool("ReadOnly", &TCustomTreeView::SetReadOnly)
            .Bool("RightClickSelect", &TCustomTreeView::SetRightClickSelect)
            .Bool("AutoExpand", &TCustomTreeView::SetAutoExpand)
            .Enum("BorderStyle", &TCustomTreeView::SetBorderStyle, {{"bsNone", bsNoBorder}, {"bsSingle", bsSingleBorder}})
            .Reference<TCustomImageList>("Images", &TCustomTreeView::SetImages)
            .Event("OnChange", &TCustomTreeView::SetOnChange)
            .Event("OnChanging", &TCustomTreeView::SetOnChanging)
            .Event("OnExpanding", &TCustomTreeView::SetOnExpanding)
            .Event("OnExpanded", &TCustomTreeView::SetOnExpanded)
            .Event("OnCollapsing", &TCustomTreeView::SetOnCollapsing)
            .Event("OnCollapsed", &TCustomTreeView::SetOnCollapsed)
            .Event("OnDeletion", &TCustomTreeView::SetOnDeletion)
            .Event("OnEditing", &TCustomTreeView::SetOnEditing)
            .Event("OnEdited", &TCustomTreeView::SetOnEdited)
            .Event("OnCompare", &TCustomTreeView::SetOnCompare)
            .Build();
    return info;
}

const TClassInfo& TTreeView::StaticClass() {
    static const TClassInfo& info = TClassBuilder<TTreeView>("TTreeView", TCustomTreeView::StaticClass()).Creatable().Build();
    return info;
}

TCustomTreeView::TCustomTreeView(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = csCaptureMouse | csClickEvents | csDoubleClicks;
    FWidth = 121;
    FHeight = 97;
    FColor = gfx::clWindow;
    SetTabStop(true);
    FBars.SetLineSize(sbVertical, 1);
    FBars.SetLineSize(sbHorizontal, 8);
}

TCustomTreeView::~TCustomTreeView() {
    FEditor = nullptr;
    ++FUpdateCount;
    FItems.Clear();
}

void TCustomTreeView::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (FBorderStyle == bsSingleBorder) params.ExStyle |= ui::WS_EX_CLIENTEDGE;
}

void TCustomTreeView::SetBorderStyle(TBorderStyle value) {
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    RecreateWnd();
}

void TCustomTreeView::SetIndent(int value) {
    FIndent = std::max(value, 1);
    NodesChanged();
}

void TCustomTreeView::SetShowLines(bool value) {
    FShowLines = value;
    Invalidate();
}

void TCustomTreeView::SetShowButtons(bool value) {
    FShowButtons = value;
    Invalidate();
}

void TCustomTreeView::SetShowRoot(bool value) {
    FShowRoot = value;
    NodesChanged();
}

void TCustomTreeView::SetHideSelection(bool value) {
    FHideSelection = value;
    Invalidate();
}

void TCustomTreeView::SetImages(TCustomImageList* images) {
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = images;
    if (images) images->FreeNotification(this);
    NodesChanged();
}

void TCustomTreeView::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == FImages) FImages = nullptr;
}

int TCustomTreeView::ItemHeight() {
    gfx::TCanvas& canvas = Canvas();
    canvas.Font = FFont.Handle();
    return std::max(canvas.TextHeight("Wg") + 3, FImages ? FImages->Height() + 1 : 0);
}

// --- what nodes ask

bool TCustomTreeView::CanExpand(TTreeNode* node) {
    bool allow = true;
    if (OnExpanding) OnExpanding(this, node, allow);
    return allow;
}

void TCustomTreeView::Expand(TTreeNode* node) {
    if (OnExpanded) OnExpanded(this, node);
}

bool TCustomTreeView::CanCollapse(TTreeNode* node) {
    bool allow = true;
    if (OnCollapsing) OnCollapsing(this, node, allow);
    return allow;
}

void TCustomTreeView::Collapse(TTreeNode* node) {
    if (OnCollapsed) OnCollapsed(this, node);
}

bool TCustomTreeView::CanChange(TTreeNode* node) {
    bool allow = true;
    if (OnChanging) OnChanging(this, node, allow);
    return allow;
}

void TCustomTreeView::Change(TTreeNode* node) {
    if (OnChange) OnChange(this, node);
}

bool TCustomTreeView::CanEdit(TTreeNode* node) {
    bool allow = !FReadOnly;
    if (allow && OnEditing) OnEditing(this, node, allow);
    return allow;
}

void TCustomTreeView::Edit(TTreeNode* node, std::string& text) {
    if (OnEdited) OnEdited(this, node, text);
}

void TCustomTreeView::Delete(TTreeNode* node) {
    if (OnDeletion) OnDeletion(this, node);
}

int TCustomTreeView::CompareNodes(TTreeNode* a, TTreeNode* b) {
    int result = strcasecmp(a->Text().c_str(), b->Text().c_str());
    if (OnCompare) OnCompare(this, a, b, result);
    return result;
}

void TCustomTreeView::NodeDeleting(TTreeNode* node) {
    if (FEditing == node) EndEditing(true);
    Delete(node);
}

void TCustomTreeView::NodesChanged() {
    if (FUpdateCount > 0) return;
    UpdateScrollBars();
    Invalidate();
}

void TCustomTreeView::EndUpdate() {
    if (--FUpdateCount == 0) NodesChanged();
}

// --- selection

void TCustomTreeView::SetSelected(TTreeNode* node) {
    if (node == FSelected) return;
    if (!CanChange(node)) return;
    FSelected = node;
    if (node) {
        node->MakeVisible();
        if (FAutoExpand) node->Expand(false);
    }
    Invalidate();
    Change(node);
}

TTreeNode* TCustomTreeView::TopItem() const {
    const std::vector<TTreeNode*> rows = VisibleNodes();
    const int top = FBars.Position(sbVertical);
    return top < int(rows.size()) ? rows[size_t(top)] : nullptr;
}

void TCustomTreeView::SetTopItem(TTreeNode* node) {
    if (!node || !node->IsVisible()) return;
    FBars.SetPosition(sbVertical, RowOf(node));
    Invalidate();
}

void TCustomTreeView::FullExpand() {
    for (TTreeNode* n = FItems.GetFirstNode(); n; n = n->GetNextSibling()) n->Expand(true);
}

void TCustomTreeView::FullCollapse() {
    for (TTreeNode* n = FItems.GetFirstNode(); n; n = n->GetNextSibling()) n->Collapse(true);
}

// --- geometry

std::vector<TTreeNode*> TCustomTreeView::VisibleNodes() const {
    std::vector<TTreeNode*> rows;
    for (TTreeNode* n = FItems.GetFirstNode(); n; n = n->GetNextVisible()) rows.push_back(n);
    return rows;
}

int TCustomTreeView::RowOf(const TTreeNode* node) const {
    if (!node || !node->IsVisible()) return -1;
    int row = 0;
    for (TTreeNode* n = FItems.GetFirstNode(); n; n = n->GetNextVisible(), ++row)
        if (n == node) return row;
    return -1;
}

// The button column of a node at level L is column L (L - 1 without root
// buttons); its image and text follow the column.
int TCustomTreeView::NodeLeft(const TTreeNode* node) const {
    return (node->Level() + (FShowRoot ? 1 : 0)) * FIndent;
}

int TCustomTreeView::TextLeft(const TTreeNode* node) const {
    return NodeLeft(node) + (FImages ? FImages->Width() + 3 : 0) + 2;
}

TTreeNode* TCustomTreeView::GetNodeAt(int x, int y) {
    (void)x;
    if (y < 0) return nullptr;
    const std::vector<TTreeNode*> rows = VisibleNodes();
    const int row = y / ItemHeight() + FBars.Position(sbVertical);
    return row < int(rows.size()) ? rows[size_t(row)] : nullptr;
}

THitTests TCustomTreeView::GetHitTestInfoAt(int x, int y) {
    if (y < 0) return htAbove;
    if (y >= ClientHeight()) return htBelow;
    TTreeNode* node = GetNodeAt(x, y);
    if (!node) return htNowhere;
    const int px = x + FBars.Position(sbHorizontal);
    const int left = NodeLeft(node);
    if (px < left) {
        if (FShowButtons && node->HasChildren() && (FShowRoot || node->Level() > 0) && px >= left - FIndent)
            return htOnButton;
        return htOnIndent;
    }
    const int text = TextLeft(node);
    if (px < text) return htOnIcon | htOnItem;
    gfx::TCanvas& canvas = Canvas();
    canvas.Font = FFont.Handle();
    if (px < text + canvas.TextWidth(node->Text()) + 4) return htOnLabel | htOnItem;
    return htToRight;
}

void TCustomTreeView::UpdateScrollBars() {
    if (!HandleAllocated()) return;
    const std::vector<TTreeNode*> rows = VisibleNodes();
    gfx::TCanvas& canvas = Canvas();
    canvas.Font = FFont.Handle();
    int widest = 0;
    for (const TTreeNode* n : rows) widest = std::max(widest, TextLeft(n) + canvas.TextWidth(n->Text()) + 4);
    const int h = ItemHeight();
    for (int pass = 0; pass < 2; ++pass) {
        const TRect client = ClientRect();
        FBars.SetRange(sbVertical, int(rows.size()), std::max(client.Height() / h, 1));
        FBars.SetRange(sbHorizontal, widest, client.Width());
    }
}

void TCustomTreeView::ScrollInView(const TTreeNode* node) {
    const int row = RowOf(node);
    if (row < 0) return;
    const int top = FBars.Position(sbVertical), page = std::max(FBars.Page(sbVertical), 1);
    if (row < top)
        FBars.SetPosition(sbVertical, row);
    else if (row >= top + page)
        FBars.SetPosition(sbVertical, row - page + 1);
    Invalidate();
}

// --- editing

void TCustomTreeView::StartEditing(TTreeNode* node) {
    EndEditing(false);
    node->MakeVisible();
    HandleNeeded();
    auto* editor = new TTreeEditor(*this);
    const TRect r = node->DisplayRect(true);
    editor->SetBorderStyle(bsNoBorder);
    editor->SetBounds(r.Left, r.Top, std::max(r.Width() + 40, 80), r.Height());
    editor->SetParent(this);
    editor->SetText(node->Text());
    FEditor = editor;
    FEditing = node;
    editor->SetFocus();
    editor->SelectAll();
}

void TCustomTreeView::EndEditing(bool cancel) {
    if (!FEditor) return;
    TEdit* editor = FEditor;
    TTreeNode* node = FEditing;
    FEditor = nullptr;
    FEditing = nullptr;
    const bool hadFocus = editor->Focused();
    if (!cancel && node) {
        std::string text = editor->Text();
        Edit(node, text);
        node->SetText(text);
    }
    editor->Hide();
    if (hadFocus && CanFocus()) SetFocus();
    ui::PostMessage(Handle(), CM_FREEEDITOR, 0, LPARAM(static_cast<TControl*>(editor)));
}

// --- painting

void TCustomTreeView::Paint() {
    gfx::TCanvas& canvas = Canvas();
    canvas.Brush = {FColor, gfx::bsSolid};
    canvas.FillRect(ClientRect());
    const std::vector<TTreeNode*> rows = VisibleNodes();
    const int h = ItemHeight();
    const int top = FBars.Position(sbVertical);
    const int last = std::min(int(rows.size()), top + ClientHeight() / h + 2);
    for (int i = top; i < last; ++i) PaintNode(canvas, rows[size_t(i)], (i - top) * h);
}

void TCustomTreeView::PaintNode(gfx::TCanvas& canvas, TTreeNode* node, int y) {
    const int h = ItemHeight();
    const int dx = -FBars.Position(sbHorizontal);
    const int level = node->Level();
    const int cy = y + h / 2;
    auto dotted = [&](int x0, int y0, int x1, int y1) {
        for (int x = x0; x <= x1; x += 2)
            for (int yy = y0; yy <= y1; yy += 2) canvas.SetPixels(x, yy, gfx::clGray);
    };
    const bool rooted = FShowRoot || level > 0;
    if (FShowLines && rooted) {
        const int col = NodeLeft(node) - FIndent + dx;
        const int cx = col + FIndent / 2;
        // Our own branch: up to the parent, right to the node, down to the next sibling.
        dotted(cx, y + ((y + cy) & 1), cx, node->GetNextSibling() ? y + h - 1 : cy);
        dotted(cx + ((cx + cy) & 1) + 2, cy, col + FIndent - 1, cy);
        // Lines of the ancestors that have siblings below.
        int ancestorCol = col;
        for (TTreeNode* a = node->Parent(); a && a->Parent() && (FShowRoot || a->Level() > 0); a = a->Parent()) {
            ancestorCol -= FIndent;
            if (a->GetNextSibling()) dotted(ancestorCol + FIndent / 2, y + ((y + ancestorCol) & 1), ancestorCol + FIndent / 2, y + h - 1);
        }
    }
    if (FShowButtons && rooted && node->HasChildren()) {
        const int cx = NodeLeft(node) - FIndent + dx + FIndent / 2;
        const TRect box{cx - 4, cy - 4, cx + 5, cy + 5};
        canvas.Brush = {gfx::clWindow, gfx::bsSolid};
        canvas.FillRect(box);
        canvas.Brush.Color = gfx::clGray;
        canvas.FrameRect(box);
        canvas.Brush.Color = gfx::clWindowText;
        canvas.FillRect({cx - 2, cy, cx + 3, cy + 1});
        if (!node->Expanded()) canvas.FillRect({cx, cy - 2, cx + 1, cy + 3});
    }
    const bool selected = node == FSelected;
    if (FImages) {
        const int index = selected && node->SelectedIndex() >= 0 ? node->SelectedIndex() : node->ImageIndex();
        const int ix = NodeLeft(node) + dx + 1, iy = y + (h - FImages->Height()) / 2;
        FImages->Draw(canvas, ix, iy, index, Enabled());
        if (node->OverlayIndex() >= 0) FImages->Draw(canvas, ix, iy, node->OverlayIndex(), Enabled());
    }
    canvas.Font = FFont.Handle();
    const int tx = TextLeft(node) + dx;
    const int tw = canvas.TextWidth(node->Text());
    gfx::TColor textColor = Enabled() ? FFont.Color() : gfx::clGrayText;
    if (selected && (Focused() || !FHideSelection)) {
        const bool active = Focused() || (FEditor && FEditor->Focused());
        canvas.Brush = {active ? gfx::clHighlight : gfx::clBtnFace, gfx::bsSolid};
        canvas.FillRect({tx - 2, y, tx + tw + 2, y + h});
        if (active) textColor = gfx::clHighlightText;
    }
    canvas.Brush.Style = gfx::bsClear;
    canvas.Font.Color = textColor;
    canvas.TextOut(tx, y + (h - canvas.TextHeight("Wg")) / 2, node->Text());
}

// --- input

void TCustomTreeView::KeyDown(WORD& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == 0) return;
    TTreeNode* node = FSelected;
    const std::vector<TTreeNode*> rows = VisibleNodes();
    if (rows.empty()) return;
    const int page = std::max(FBars.Page(sbVertical), 1);
    switch (key) {
    case ui::VK_DOWN: SetSelected(node ? (node->GetNextVisible() ? node->GetNextVisible() : node) : rows.front()); break;
    case ui::VK_UP: SetSelected(node ? (node->GetPrevVisible() ? node->GetPrevVisible() : node) : rows.front()); break;
    case ui::VK_HOME: SetSelected(rows.front()); break;
    case ui::VK_END: SetSelected(rows.back()); break;
    case ui::VK_NEXT:
    case ui::VK_PRIOR: {
        const int row = node ? RowOf(node) : 0;
        const int target = std::clamp(row + (key == ui::VK_NEXT ? page - 1 : 1 - page), 0, int(rows.size()) - 1);
        SetSelected(rows[size_t(target)]);
        break;
    }
    case ui::VK_RIGHT:
        if (!node) break;
        if (!node->Expanded() && node->HasChildren())
            node->Expand(false);
        else if (node->GetFirstChild())
            SetSelected(node->GetFirstChild());
        break;
    case ui::VK_LEFT:
        if (!node) break;
        if (node->Expanded())
            node->Collapse(false);
        else if (node->Parent() != &FItems.Root())
            SetSelected(node->Parent());
        break;
    case ui::VK_ADD:
        if (node) node->Expand(false);
        break;
    case ui::VK_SUBTRACT:
        if (node) node->Collapse(false);
        break;
    case ui::VK_MULTIPLY:
        if (node) node->Expand(true);
        break;
    case ui::VK_F1 + 1:  // F2
        if (node) node->EditText();
        break;
    default: return;
    }
    key = 0;
}

void TCustomTreeView::MouseInput(TMessage& m) {
    const TPoint p = ui::LParamToPoint(m.LParam);
    TTreeNode* node = GetNodeAt(p.X, p.Y);
    const THitTests hit = GetHitTestInfoAt(p.X, p.Y);
    switch (m.Msg) {
    case ui::WM_LBUTTONDOWN:
        if (CanFocus() && !Focused()) SetFocus();
        if (hit & htOnButton)
            node->SetExpanded(!node->Expanded());
        else if (node && (hit & htOnItem))
            SetSelected(node);
        break;
    case ui::WM_LBUTTONDBLCLK:
        if (node && (hit & htOnItem)) node->SetExpanded(!node->Expanded());
        break;
    case ui::WM_RBUTTONDOWN:
        if (node && FRightClickSelect && (hit & htOnItem)) SetSelected(node);
        break;
    default: break;
    }
}

void TCustomTreeView::WndProc(TMessage& m) {
    if (FBars.HandleMessage(m)) return;
    switch (m.Msg) {
    case ui::WM_LBUTTONDOWN:
    case ui::WM_LBUTTONDBLCLK:
    case ui::WM_RBUTTONDOWN:
        TCustomControl::WndProc(m);
        if (HandleAllocated()) MouseInput(m);
        return;
    case ui::WM_GETDLGCODE:
        m.Result = ui::DLGC_WANTARROWS | ui::DLGC_WANTCHARS;
        return;
    case ui::WM_VSCROLL:
    case ui::WM_HSCROLL:
        if (FEditor) EndEditing(false);
        Invalidate();
        return;
    case ui::WM_MOUSEWHEEL: {
        const int delta = int16_t(ui::HIWORD(m.WParam));
        FBars.SetPosition(sbVertical, FBars.Position(sbVertical) - delta / ui::WHEEL_DELTA * 3);
        Invalidate();
        m.Result = 1;
        return;
    }
    case ui::WM_SETFOCUS:
    case ui::WM_KILLFOCUS:
        TCustomControl::WndProc(m);
        Invalidate();
        return;
    case ui::WM_SIZE:
    case CM_FONTCHANGED:
        TCustomControl::WndProc(m);
        UpdateScrollBars();
        return;
    case CM_FREEEDITOR:
        if (auto* editor = reinterpret_cast<TControl*>(m.LParam); editor && editor->Parent() == this && editor != FEditor)
            editor->Free();
        return;
    default: break;
    }
    TCustomControl::WndProc(m);
}

}  // namespace vcl
