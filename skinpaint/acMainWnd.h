#pragma once
// The base of the window adapters: an adapter takes over the message handling
// of a standard control of the framework so that the control is painted from
// a skin section, while everything the adapter does not handle still reaches
// the control's own handling. The adapted window carries the property
// "ACSBSC" pointing to its adapter.
#include <memory>
#include <string>

#include "skin/sCommonData.h"
#include "vcl/TControl.h"

namespace vcl {
class TWinControl;
}

namespace skinpaint {

class TacMainWnd {
public:
    // Takes over the control's message handling. `binding` is the adapter
    // item's; without one the adapter makes its own. Its section becomes
    // `section` when it has none.
    TacMainWnd(vcl::TWinControl& control, const std::string& section, skin::TsCommonData* binding);
    virtual ~TacMainWnd();
    TacMainWnd(const TacMainWnd&) = delete;
    TacMainWnd& operator=(const TacMainWnd&) = delete;

    // The adapter of a window, null for a window without one.
    static TacMainWnd* Of(ui::HWND window);

    vcl::TWinControl* Control() const { return FControl; }
    skin::TsCommonData& SkinData() { return *FSkinData; }
    // The control's caption as the adapter last read it.
    const std::string& Text() const { return FText; }
    // Set once the adapter has given the control its handling back.
    bool Removed() const { return FRemoved; }
    // The control is being freed: the adapter lets go of it without touching it.
    void ControlGone();

protected:
    // The base handling; adapters pass on what they do not handle themselves.
    virtual void WndProc(vcl::TMessage& message);
    void CallPrevious(vcl::TMessage& message);
    // What the adapter class does when the skin is removed (command 2).
    virtual void SkinRemoved() {}
    ui::HWND Window() const;
    // A skin is in use: a live manager that is active.
    bool ManagerActive() const;
    skin::TsSkinManager* Manager() const { return FSkinData->UsedManager(); }

private:
    bool SkinCommand(vcl::TMessage& message);
    void Unhook();

    vcl::TWinControl* FControl;
    skin::TsCommonData* FSkinData;
    std::unique_ptr<skin::TsCommonData> FOwnSkinData;
    vcl::TWndMethod FPrevious;
    unsigned FSavedControlStyle = 0;
    std::string FText;
    bool FRemoved = false;
};

}  // namespace skinpaint
