// The tree view: children read on first expansion, selection by mouse and
// keyboard, deletion, editing in place and its scroll bar; and the scroll
// box that moves its children.
#include "VclTest.h"
#include "rtl/IntConvert.h"
#include "vcl/TEdit.h"
#include "vcl/TGauge.h"
#include "vcl/TScrollBox.h"
#include "vcl/TTreeView.h"
#include "vcl/VclExceptions.h"

using namespace vcl;

namespace {

class TreeTest : public vcltest::TVclTest {
protected:
    void SetUp() override {
        TVclTest::SetUp();
        Form = new TForm(Application);
        Form->SetClientSize(300, 200);
        Tree = new TTreeView(Form);
        Tree->SetParent(Form);
        Tree->SetBounds(8, 8, 200, 150);
        // Folders that say they have children and read them only when first
        // opened, as a folder tree does.
        Tree->OnExpanding = [this](TObject*, TTreeNode* node, bool& allow) {
            allow = true;
            if (node->Count() > 0 || !node->Data()) return;
            ++Reads;
            const int n = int(reinterpret_cast<intptr_t>(node->Data()));
            for (int i = 0; i < n; ++i) {
                TTreeNode* child = Tree->Items().AddChild(node, node->Text() + "." + rtl::IntToStr(i + 1));
                child->SetHasChildren(i == 0);
                child->SetData(reinterpret_cast<void*>(intptr_t(i == 0 ? 2 : 0)));
            }
        };
        Tree->OnChange = [this](TObject*, TTreeNode* node) { Changes.push_back(node ? node->Text() : "-"); };
        for (const char* name : {"Desktop", "Documents", "Empty"}) {
            TTreeNode* node = Tree->Items().Add(nullptr, name);
            node->SetHasChildren(true);
            node->SetData(reinterpret_cast<void*>(intptr_t(std::string(name) == "Empty" ? 0 : 3)));
        }
        Form->Show();
        Pump();
    }
    void TearDown() override {
        Form->Free();
        TVclTest::TearDown();
    }
    TTreeNode* Node(int index) { return Tree->Items().Item(index); }
    void ClickRow(int row, int x) {
        ClickAt(Tree, x, row * Tree->ItemHeight() + Tree->ItemHeight() / 2);
    }

    TForm* Form = nullptr;
    TTreeView* Tree = nullptr;
    int Reads = 0;
    std::vector<std::string> Changes;
};

using TreeViewExpansion = TreeTest;

TEST_F(TreeViewExpansion, ChildrenAreReadOnTheFirstExpansionOnly) {
    TTreeNode* desktop = Node(0);
    EXPECT_EQ(desktop->Count(), 0);
    EXPECT_TRUE(desktop->HasChildren());
    desktop->Expand(false);
    EXPECT_EQ(Reads, 1);
    EXPECT_EQ(desktop->Count(), 3);
    EXPECT_TRUE(desktop->Expanded());
    EXPECT_EQ(desktop->Item(0)->Text(), "Desktop.1");
    EXPECT_EQ(desktop->Item(0)->Level(), 1);
    desktop->Collapse(false);
    desktop->Expand(false);
    EXPECT_EQ(Reads, 1);
    EXPECT_EQ(Tree->Items().Count(), 6);
}

TEST_F(TreeViewExpansion, ANodeWithoutChildrenLosesItsButton) {
    TTreeNode* empty = Node(2);
    EXPECT_TRUE(empty->HasChildren());
    empty->Expand(false);
    EXPECT_FALSE(empty->HasChildren());
    EXPECT_FALSE(empty->Expanded());
}

TEST_F(TreeViewExpansion, ExpandingCanBeRefused) {
    Tree->OnExpanding = [](TObject*, TTreeNode*, bool& allow) { allow = false; };
    Node(0)->Expand(false);
    EXPECT_FALSE(Node(0)->Expanded());
}

TEST_F(TreeViewExpansion, AClickOnTheButtonExpandsAndADoubleClickCollapses) {
    ClickRow(0, Tree->Indent() / 2);  // the root's button column
    EXPECT_TRUE(Node(0)->Expanded());
    EXPECT_EQ(Changes, std::vector<std::string>{});  // the button does not select
    ClickRow(0, 40);
    EXPECT_EQ(Tree->Selected(), Node(0));
    const TPoint p = Tree->ClientToScreen({40, Tree->ItemHeight() / 2});
    ui::headless::Click(p.X, p.Y);
    ui::headless::Click(p.X, p.Y);
    Pump();
    EXPECT_FALSE(Node(0)->Expanded());
}

TEST_F(TreeViewExpansion, CollapsingMovesASelectionInsideToTheCollapsedNode) {
    TTreeNode* desktop = Node(0);
    desktop->Expand(false);
    Tree->SetSelected(desktop->Item(1));
    desktop->Collapse(false);
    EXPECT_EQ(Tree->Selected(), desktop);
}

using TreeViewKeyboard = TreeTest;

TEST_F(TreeViewKeyboard, ArrowsWalkTheVisibleNodesAndOpenAndCloseThem) {
    Tree->SetFocus();
    Pump();
    Key(ui::VK_DOWN);
    EXPECT_EQ(Tree->Selected()->Text(), "Desktop");
    Key(ui::VK_RIGHT);
    EXPECT_TRUE(Node(0)->Expanded());
    Key(ui::VK_RIGHT);
    EXPECT_EQ(Tree->Selected()->Text(), "Desktop.1");
    Key(ui::VK_DOWN);
    Key(ui::VK_DOWN);
    Key(ui::VK_DOWN);
    EXPECT_EQ(Tree->Selected()->Text(), "Documents");
    Key(ui::VK_UP);
    EXPECT_EQ(Tree->Selected()->Text(), "Desktop.3");
    Key(ui::VK_LEFT);
    EXPECT_EQ(Tree->Selected()->Text(), "Desktop");
    Key(ui::VK_LEFT);
    EXPECT_FALSE(Node(0)->Expanded());
    Key(ui::VK_END);
    EXPECT_EQ(Tree->Selected()->Text(), "Empty");
    Key(ui::VK_HOME);
    EXPECT_EQ(Tree->Selected()->Text(), "Desktop");
    EXPECT_EQ(Changes, (std::vector<std::string>{"Desktop", "Desktop.1", "Desktop.2", "Desktop.3", "Documents",
                                                  "Desktop.3", "Desktop", "Empty", "Desktop"}));
}

TEST_F(TreeViewKeyboard, AChangeCanBeRefused) {
    Tree->SetSelected(Node(0));
    Tree->OnChanging = [](TObject*, TTreeNode*, bool& allow) { allow = false; };
    Tree->SetFocus();
    Key(ui::VK_DOWN);
    EXPECT_EQ(Tree->Selected(), Node(0));
}

using TreeViewNodes = TreeTest;

TEST_F(TreeViewNodes, DeletingTellsOfEachNodeAndMovesTheSelection) {
    Node(0)->Expand(false);
    Tree->SetSelected(Node(0)->Item(0));
    std::vector<std::string> deleted;
    Tree->OnDeletion = [&](TObject*, TTreeNode* n) { deleted.push_back(n->Text()); };
    Node(0)->Delete();
    EXPECT_EQ(deleted, (std::vector<std::string>{"Desktop.3", "Desktop.2", "Desktop.1", "Desktop"}));
    EXPECT_EQ(Tree->Selected(), Node(0));
    EXPECT_EQ(Node(0)->Text(), "Documents");
    Tree->Items().Clear();
    EXPECT_EQ(Tree->Selected(), nullptr);
    EXPECT_EQ(Tree->Items().Count(), 0);
}

TEST_F(TreeViewNodes, SortingUsesTheCompareEvent) {
    Tree->Items().Add(nullptr, "apple");
    Tree->AlphaSort(false);
    EXPECT_EQ(Node(0)->Text(), "apple");
    Tree->OnCompare = [](TObject*, TTreeNode* a, TTreeNode* b, int& result) {
        result = int(b->Text().size()) - int(a->Text().size());
    };
    Tree->AlphaSort(false);
    EXPECT_EQ(Node(0)->Text(), "Documents");
}

TEST_F(TreeViewNodes, EditingInPlaceKeepsTheTextOnEnterAndDropsItOnEscape) {
    Tree->SetSelected(Node(1));
    std::string edited;
    Tree->OnEdited = [&](TObject*, TTreeNode*, std::string& text) { edited = text; };
    ASSERT_TRUE(Node(1)->EditText());
    Pump();
    ASSERT_TRUE(Tree->IsEditing());
    EXPECT_TRUE(Tree->EditControl()->Focused());
    Type("Papers");
    Key(ui::VK_RETURN, '\r');
    EXPECT_FALSE(Tree->IsEditing());
    EXPECT_EQ(edited, "Papers");
    EXPECT_EQ(Node(1)->Text(), "Papers");
    EXPECT_TRUE(Tree->Focused());
    ASSERT_TRUE(Node(1)->EditText());
    Pump();
    Type("Junk");
    Key(ui::VK_ESCAPE, 27);
    EXPECT_EQ(Node(1)->Text(), "Papers");
}

TEST_F(TreeViewNodes, AReadOnlyTreeRefusesEditing) {
    Tree->SetReadOnly(true);
    EXPECT_FALSE(Node(0)->EditText());
}

using TreeViewScrolling = TreeTest;

TEST_F(TreeViewScrolling, ManyRowsBringAScrollBarAndTheSelectionStaysInView) {
    for (int i = 0; i < 40; ++i) Tree->Items().Add(nullptr, "Item " + rtl::IntToStr(i));
    Pump();
    EXPECT_TRUE(Tree->ScrollBars().Visible(sbVertical));
    EXPECT_LT(Tree->ClientWidth(), 200 - 4);
    Tree->SetSelected(Tree->Items().Item(42));
    EXPECT_NE(Tree->TopItem(), Node(0));
    const TRect r = Tree->Selected()->DisplayRect(false);
    EXPECT_GE(r.Top, 0);
    EXPECT_LE(r.Bottom, Tree->ClientHeight());
    // A click on the bar's upper arrow scrolls one row back.
    const TTreeNode* top = Tree->TopItem();
    const TPoint arrow = Tree->ClientToScreen({Tree->ClientWidth() + 4, 4});
    ui::headless::Click(arrow.X, arrow.Y);
    Pump();
    EXPECT_EQ(Tree->TopItem()->GetNextVisible(), top);
}

// --- the scroll box

using ScrollBox = vcltest::TVclTest;

TEST_F(ScrollBox, ChildrenBeyondTheViewBringBarsAndScrollingMovesThem) {
    auto* form = new TForm(Application);
    form->SetClientSize(300, 200);
    auto* box = new TScrollBox(form);
    box->SetParent(form);
    box->SetBounds(0, 0, 120, 100);
    auto* edit = new TEdit(box);
    edit->SetParent(box);
    edit->SetBounds(10, 300, 80, 21);
    form->Show();
    Pump();
    box->UpdateScrollRanges();
    EXPECT_EQ(box->ScrollPos().Y, 0);
    box->ScrollInView(edit);
    EXPECT_GT(box->ScrollPos().Y, 0);
    EXPECT_LE(edit->Top() + edit->Height(), box->ClientHeight());
    EXPECT_EQ(edit->Top() + box->ScrollPos().Y, 300);
    form->Free();
}

// --- the gauge

TEST(Gauge, KeepsItsValueInRangeAndRefusesABadRange) {
    TGauge gauge(nullptr);
    EXPECT_EQ(gauge.PercentDone(), 0);
    gauge.SetProgress(150);
    EXPECT_EQ(gauge.Progress(), 100);
    gauge.SetProgress(-1);
    EXPECT_EQ(gauge.Progress(), 0);
    gauge.SetMaxValue(369);
    gauge.SetProgress(184);
    EXPECT_EQ(gauge.PercentDone(), 49);
    EXPECT_THROW(gauge.SetMinValue(400), EInvalidOperation);
    try {
        gauge.SetMaxValue(-5);
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "Value must be between 1 and 2147483647");
    }
    gauge.SetMaxValue(0);
    EXPECT_EQ(gauge.PercentDone(), 0);
}

}  // namespace
