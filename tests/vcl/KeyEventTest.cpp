// Key down and key up events of a focused control, with and without the
// form's key preview: who sees the key, in which order, and what a handler
// that changes or swallows the key does to the ones after it.
#include <string>
#include <vector>

#include "VclTest.h"
#include "vcl/TCheckBox.h"
#include "vcl/TCustomForm.h"
#include "vcl/TEdit.h"

using namespace vcl;

namespace {

using TLog = std::vector<std::string>;

enum class TFormHandler { Watches, Swallows, ChangesToB };

struct TKeyCase {
    const char* Situation;
    bool Preview;
    TFormHandler Form;
    TLog Expected;
};

const TKeyCase KeyCases[] = {
    {"without preview only the control sees the key", false, TFormHandler::Swallows,
     {"control down 65", "control up 65"}},
    {"with preview the form sees each key first", true, TFormHandler::Watches,
     {"form down 65", "control down 65", "form up 65", "control up 65"}},
    {"a key the form swallows never reaches the control", true, TFormHandler::Swallows,
     {"form down 65", "form up 65"}},
    {"a key the form changes reaches the control changed", true, TFormHandler::ChangesToB,
     {"form down 65", "control down 66", "form up 65", "control up 66"}},
};

using KeyEvents = vcltest::TVclTest;

// The edit takes its key down through its own window procedure, the check
// box through the common one: both must behave alike.
TEST_F(KeyEvents, PreviewOrderAndSwallowedKeysForEachKindOfControl) {
    for (const bool edit : {true, false}) {
        for (const TKeyCase& c : KeyCases) {
            SCOPED_TRACE(std::string(edit ? "edit: " : "check box: ") + c.Situation);
            auto* form = new TForm(Application);
            form->SetBounds(10, 10, 200, 100);
            TWinControl* control = edit ? static_cast<TWinControl*>(new TEdit(form)) : new TCheckBox(form);
            control->SetParent(form);
            control->SetBounds(8, 8, 120, 21);
            TLog log;
            auto formKey = [&](const char* what) {
                return [&, what](TObject*, WORD& key, TShiftState) {
                    log.push_back(std::string("form ") + what + " " + std::to_string(key));
                    if (c.Form == TFormHandler::Swallows) key = 0;
                    if (c.Form == TFormHandler::ChangesToB) key = 'B';
                };
            };
            auto controlKey = [&](const char* what) {
                return [&, what](TObject*, WORD& key, TShiftState) {
                    log.push_back(std::string("control ") + what + " " + std::to_string(key));
                };
            };
            form->SetKeyPreview(c.Preview);
            form->OnKeyDown = formKey("down");
            form->OnKeyUp = formKey("up");
            control->OnKeyDown = controlKey("down");
            control->OnKeyUp = controlKey("up");
            form->Show();
            Pump();
            control->SetFocus();
            Pump();
            Key('A');
            EXPECT_EQ(log, c.Expected);
            form->Free();
            Pump();
        }
    }
}

}  // namespace
