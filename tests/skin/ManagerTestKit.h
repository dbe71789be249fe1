#pragma once
// Windows and controls that record the skin commands they receive, for the
// manager's tests, and a fresh headless desktop per test.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "skin/sSkinCommands.h"
#include "skin/sSkinManager.h"
#include "vcl/TCustomForm.h"
#include "vcl/TGraphicControl.h"
#include "vcl/TMessageForm.h"

namespace managertest {

// Who got which command, in order (SKC_IS_SKINNED queries left out).
using TCommandLog = std::vector<std::pair<std::string, int>>;
TCommandLog& Log();
// The commands one name got.
std::vector<int> CommandsOf(const std::string& name);

// Records the commands and, when skinned, answers SKC_IS_SKINNED with 1; a
// skinned windowed control passes the manager's broadcasts on to its children.
template <class Base>
class TProbe : public Base {
public:
    TProbe(vcl::TComponent* owner, const std::string& name, bool skinned) : Base(owner), Skinned(skinned) {
        this->SetName(name);
    }
    void WndProc(vcl::TMessage& message) override;

    bool Skinned;
};

class TProbeControl : public TProbe<vcl::TWinControl> {
public:
    TProbeControl(vcl::TWinControl* parent, const std::string& name, bool skinned);
};

class TProbeForm : public TProbe<vcl::TForm> {
public:
    TProbeForm(const std::string& name, bool skinned = false);
};

// A speed button: a skinned control without a window whose binding says
// whether the mouse is over it.
class TProbeButton : public TProbe<vcl::TGraphicControl>, public skin::TsSkinBinding {
public:
    TProbeButton(vcl::TWinControl* parent, const std::string& name);
    bool IsMouseOver() const override { return MouseOver; }
    void WndProc(vcl::TMessage& message) override;

    bool MouseOver = false;
};

// The internal skin's package as a stored skin of the manager.
void AddInternalSkin(skin::TsSkinManager& manager);

class ManagerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A manager owned by the application (freed by TearDown).
    skin::TsSkinManager& NewManager(bool withInternalSkin = true);

    std::vector<std::string> Boxes;  // texts of the message boxes shown
};

}  // namespace managertest
