#pragma once
// The CLIPBOARD selection of the X display: the text we offer other
// programs, answered from a helper window of our own, and the text we read
// from theirs, in Windows-1252 on our side.
#include <X11/Xlib.h>

#include <string>

namespace ui {

class TX11Clipboard {
public:
    TX11Clipboard(Display* display, Window root);
    ~TX11Clipboard();
    TX11Clipboard(const TX11Clipboard&) = delete;
    TX11Clipboard& operator=(const TX11Clipboard&) = delete;

    void SetText(const std::string& text);
    std::string Text();
    bool HasText();

    // Takes the selection events (requests for our text, the loss of the
    // selection); false for any other event.
    bool Handle(const XEvent& ev);

private:
    void Answer(const XSelectionRequestEvent& req);
    std::string Read(Atom target);

    Display* FDisplay;
    Window FHelper;
    Atom FClipboardAtom, FUtf8, FTargets, FTextAtom, FIncr, FProperty;
    std::string FText;
    bool FOwn = false;
};

}  // namespace ui
