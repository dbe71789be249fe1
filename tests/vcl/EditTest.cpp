// The single-line edit driven by the keyboard and the mouse: caret moves,
// selection, clipboard, undo, the length limit, read-only mode and the
// change event.
#include "VclTest.h"
#include "ui/Clipboard.h"
#include "vcl/TEdit.h"

using namespace vcl;

namespace {

class EditTest : public vcltest::TVclTest {
protected:
    void SetUp() override {
        TVclTest::SetUp();
        Form = new TForm(Application);
        Form->SetClientSize(300, 100);
        Edit = new TEdit(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(8, 8, 200, 21);
        Edit->OnChange = [this](TObject*) { ++Changes; };
        Form->Show();
        Pump();
        Changes = 0;
    }
    void TearDown() override {
        Form->Free();
        TVclTest::TearDown();
    }
    static void Ctrl(char letter) { Chord(ui::VK_CONTROL, ui::UINT(letter)); }
    static void Shift(ui::UINT vk) { Chord(ui::VK_SHIFT, vk); }

    TForm* Form = nullptr;
    TEdit* Edit = nullptr;
    int Changes = 0;
};

using EditKeyboard = EditTest;

TEST_F(EditKeyboard, TypingInsertsAtTheCaretAndTellsOfEachChange) {
    ASSERT_TRUE(Edit->Focused());
    Type("hello");
    EXPECT_EQ(Edit->Text(), "hello");
    EXPECT_EQ(Edit->CaretPos(), 5);
    EXPECT_EQ(Changes, 5);
    Key(ui::VK_HOME);
    Type("oh ");
    EXPECT_EQ(Edit->Text(), "oh hello");
    EXPECT_EQ(Edit->CaretPos(), 3);
}

TEST_F(EditKeyboard, ArrowsHomeEndBackspaceAndDelete) {
    Type("abcdef");
    Key(ui::VK_LEFT);
    Key(ui::VK_LEFT);
    Key(ui::VK_BACK, '\b');
    EXPECT_EQ(Edit->Text(), "abcef");
    Key(ui::VK_DELETE);
    EXPECT_EQ(Edit->Text(), "abcf");
    Key(ui::VK_HOME);
    Key(ui::VK_DELETE);
    EXPECT_EQ(Edit->Text(), "bcf");
    Key(ui::VK_BACK, '\b');  // nothing before the caret
    EXPECT_EQ(Edit->Text(), "bcf");
    Key(ui::VK_END);
    EXPECT_EQ(Edit->CaretPos(), 3);
}

TEST_F(EditKeyboard, CtrlArrowsMoveByWords) {
    Type("one two three");
    Chord(ui::VK_CONTROL, ui::VK_LEFT);
    EXPECT_EQ(Edit->CaretPos(), 8);
    Chord(ui::VK_CONTROL, ui::VK_LEFT);
    EXPECT_EQ(Edit->CaretPos(), 4);
    Chord(ui::VK_CONTROL, ui::VK_RIGHT);
    EXPECT_EQ(Edit->CaretPos(), 8);
}

TEST_F(EditKeyboard, EnterEscapeAndControlCharactersTypeNothing) {
    Type("x");
    Key(ui::VK_RETURN, '\r');
    Key(ui::VK_ESCAPE, 27);
    EXPECT_EQ(Edit->Text(), "x");
}

using EditSelection = EditTest;

TEST_F(EditSelection, ShiftArrowsSelectAndTypingReplacesTheSelection) {
    Type("abcdef");
    Shift(ui::VK_LEFT);
    Shift(ui::VK_LEFT);
    EXPECT_EQ(Edit->SelStart(), 4);
    EXPECT_EQ(Edit->SelLength(), 2);
    EXPECT_EQ(Edit->SelText(), "ef");
    Type("Z");
    EXPECT_EQ(Edit->Text(), "abcdZ");
    EXPECT_EQ(Edit->SelLength(), 0);
}

TEST_F(EditSelection, ShiftHomeSelectsToTheStartAndAnArrowCollapses) {
    Type("abcdef");
    Key(ui::VK_LEFT);
    Shift(ui::VK_HOME);
    EXPECT_EQ(Edit->SelText(), "abcde");
    Key(ui::VK_RIGHT);
    EXPECT_EQ(Edit->SelLength(), 0);
    EXPECT_EQ(Edit->CaretPos(), 5);
}

TEST_F(EditSelection, CtrlASelectsAllAndBackspaceDeletesIt) {
    Type("abc");
    Ctrl('A');
    EXPECT_EQ(Edit->SelLength(), 3);
    Key(ui::VK_BACK, '\b');
    EXPECT_EQ(Edit->Text(), "");
}

TEST_F(EditSelection, MouseDragSelectsAndDoubleClickSelectsAWord) {
    Edit->SetText("alpha beta");
    Pump();
    const TPoint start = Edit->ClientToScreen({3, 8});
    ui::headless::MouseMove(start.X, start.Y);
    ui::headless::MouseDown();
    Pump();
    const TPoint end = Edit->ClientToScreen({190, 8});
    ui::headless::MouseMove(end.X, end.Y);
    ui::headless::MouseUp();
    Pump();
    EXPECT_EQ(Edit->SelStart(), 0);
    EXPECT_EQ(Edit->SelLength(), 10);
    // A double click on the second word.
    gfx::TBitmap measure(1, 1);
    measure.Canvas().Font = Edit->Font().Handle();
    const int betaX = 2 + measure.Canvas().TextWidth("alpha be");
    const TPoint word = Edit->ClientToScreen({betaX, 8});
    ui::headless::Click(word.X, word.Y);
    ui::headless::Click(word.X, word.Y);
    Pump();
    EXPECT_EQ(Edit->SelText(), "beta");
}

TEST_F(EditSelection, TabbingInSelectsAllText) {
    auto* other = new TEdit(Form);
    other->SetParent(Form);
    other->SetBounds(8, 40, 100, 21);
    other->SetText("second");
    Pump();
    Key(ui::VK_TAB, '\t');
    ASSERT_TRUE(other->Focused());
    EXPECT_EQ(other->SelLength(), 6);
}

TEST_F(EditSelection, SetSelectionMessages) {
    Edit->SetText("0123456789");
    Edit->Perform(EM_SETSEL, 2, 5);
    EXPECT_EQ(Edit->SelText(), "234");
    ui::DWORD from = 0, to = 0;
    Edit->Perform(EM_GETSEL, ui::WPARAM(&from), ui::LPARAM(&to));
    EXPECT_EQ(from, 2u);
    EXPECT_EQ(to, 5u);
    Edit->Perform(EM_SETSEL, 0, -1);
    EXPECT_EQ(Edit->SelLength(), 10);
}

using EditClipboard = EditTest;

TEST_F(EditClipboard, CopyCutAndPasteWithTheKeys) {
    Type("copy me");
    Shift(ui::VK_HOME);
    Ctrl('C');
    EXPECT_EQ(ui::GetClipboardText(), "copy me");
    EXPECT_EQ(Edit->Text(), "copy me");
    Ctrl('X');
    EXPECT_EQ(Edit->Text(), "");
    Ctrl('V');
    Ctrl('V');
    EXPECT_EQ(Edit->Text(), "copy mecopy me");
}

TEST_F(EditClipboard, TheOlderKeysWorkToo) {
    Type("abc");
    Shift(ui::VK_LEFT);
    Chord(ui::VK_CONTROL, ui::VK_INSERT);
    EXPECT_EQ(ui::GetClipboardText(), "c");
    Chord(ui::VK_SHIFT, ui::VK_DELETE);
    EXPECT_EQ(Edit->Text(), "ab");
    Key(ui::VK_HOME);
    Chord(ui::VK_SHIFT, ui::VK_INSERT);
    EXPECT_EQ(Edit->Text(), "cab");
}

TEST_F(EditClipboard, PastedLineBreaksEndThePaste) {
    ui::SetClipboardText("first line\r\nsecond");
    Ctrl('V');
    EXPECT_EQ(Edit->Text(), "first line");
}

TEST_F(EditClipboard, APasswordEditDoesNotGiveItsTextAway) {
    Edit->SetPasswordChar('*');
    ui::SetClipboardText("before");
    Type("secret");
    Ctrl('A');
    Ctrl('C');
    Ctrl('X');
    EXPECT_EQ(ui::GetClipboardText(), "before");
    EXPECT_EQ(Edit->Text(), "secret");
}

using EditUndo = EditTest;

TEST_F(EditUndo, UndoTakesBackTheLastChangeAndASecondUndoRedoes) {
    Type("abc");
    Ctrl('A');
    Type("x");
    EXPECT_EQ(Edit->Text(), "x");
    Ctrl('Z');
    EXPECT_EQ(Edit->Text(), "abc");
    EXPECT_EQ(Edit->SelText(), "abc");
    Ctrl('Z');
    EXPECT_EQ(Edit->Text(), "x");
}

TEST_F(EditUndo, SettingTheTextClearsTheUndo) {
    Type("abc");
    EXPECT_TRUE(Edit->CanUndo());
    Edit->SetText("new");
    EXPECT_FALSE(Edit->CanUndo());
    Ctrl('Z');
    EXPECT_EQ(Edit->Text(), "new");
}

using EditLimits = EditTest;

TEST_F(EditLimits, MaxLengthStopsTypingAndCutsPastes) {
    Edit->SetMaxLength(5);
    Type("abcdefg");
    EXPECT_EQ(Edit->Text(), "abcde");
    Key(ui::VK_BACK, '\b');
    Key(ui::VK_BACK, '\b');
    ui::SetClipboardText("XYZW");
    Ctrl('V');
    EXPECT_EQ(Edit->Text(), "abcXY");
}

TEST_F(EditLimits, ReadOnlyKeepsTheTextButAllowsSelectingAndCopying) {
    Edit->SetText("fixed");
    Edit->SetReadOnly(true);
    Changes = 0;
    Type("x");
    Key(ui::VK_BACK, '\b');
    Key(ui::VK_DELETE);
    Ctrl('A');
    Ctrl('X');
    Ctrl('V');
    EXPECT_EQ(Edit->Text(), "fixed");
    EXPECT_EQ(Changes, 0);
    Ctrl('C');
    EXPECT_EQ(ui::GetClipboardText(), "fixed");
}

TEST_F(EditLimits, SettingTheTextTellsOfTheChangeOnlyWhenItDiffers) {
    Edit->SetText("a");
    Edit->SetText("a");
    EXPECT_EQ(Changes, 1);
}

TEST_F(EditLimits, AHandlerMayChangeTheTextItIsToldAbout) {
    // As a folder field does: empty becomes a root, a missing slash is added.
    Edit->OnChange = [this](TObject*) {
        ++Changes;
        if (Edit->Text().empty())
            Edit->SetText("/");
        else if (Edit->Text().back() != '/')
            Edit->SetText(Edit->Text() + "/");
    };
    Edit->SetText("");
    Edit->SetText("/home/clips");
    EXPECT_EQ(Edit->Text(), "/home/clips/");
    Edit->SetText("");
    EXPECT_EQ(Edit->Text(), "/");
}

TEST_F(EditLimits, LongTextScrollsToKeepTheCaretInView) {
    Edit->SetBounds(8, 8, 60, 21);
    Type("a rather long text that cannot fit");
    const int end = Edit->CaretPos();
    EXPECT_EQ(end, 34);
    ui::TRect r{};
    Edit->Perform(EM_GETRECT, 0, ui::LPARAM(&r));
    EXPECT_LE(r.Right, Edit->ClientWidth());
}

}  // namespace
