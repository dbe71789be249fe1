#pragma once
// The form of a message box: the icon ("Image"), the text ("Message") and
// the buttons ("OK", "Cancel", ...), laid out in dialog units of the
// message font, as the framework's message dialogs are.
#include "vcl/TCustomForm.h"

namespace vcl {

class TLabel;
class TImage;

class TMessageForm : public TForm {
public:
    explicit TMessageForm(TComponent* owner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    // The label holding the text, and the text itself.
    TLabel* Message() const;
    std::string Text() const;

    void WndProc(TMessage& message) override;

protected:
    void DoShow() override;
};

}  // namespace vcl
