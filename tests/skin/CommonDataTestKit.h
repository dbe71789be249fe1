#pragma once
// Controls whose messages pass their skin binding first, as every skinned
// control's do, and which note the skin commands that reach them; a manager
// whose sections a test writes itself; a glow hook that notes its calls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/sCommonData.h"
#include "skin/sGlowHook.h"
#include "skin/sSkinManager.h"
#include "vcl/TCustomForm.h"
#include "vcl/TGraphicControl.h"
#include "vcl/TWinControl.h"

namespace bindtest {

// One skin command as a control received it (SKC_IS_SKINNED left out).
struct TSeenCommand {
    std::string Who;
    int Command = 0;
    int Argument = 0;
    bool operator==(const TSeenCommand&) const = default;
};
std::vector<TSeenCommand>& Seen();

template <class Base>
class TBound : public Base {
public:
    TBound(vcl::TWinControl* parent, const std::string& name, int kind, vcl::TRect bounds = {0, 0, 40, 20})
        : Base(parent), SkinData(this, true) {
        this->SetName(name);
        SkinData.ControlKind = kind;
        this->SetParent(parent);
        this->SetBoundsRect(bounds);
    }
    void WndProc(vcl::TMessage& message) override;

    skin::TsCtrlSkinData SkinData;
    // Messages other than skin commands that reached the control itself.
    std::vector<vcl::UINT> Messages;
};

using TBoundControl = TBound<vcl::TWinControl>;
using TBoundGraphic = TBound<vcl::TGraphicControl>;

// A form that notes the skin commands reaching it as "Form".
class TRecordingForm : public vcl::TForm {
public:
    using vcl::TForm::TForm;
    void WndProc(vcl::TMessage& message) override;
};

// Notes what the binding asks of the painting layer's glows.
struct TGlowRecorder : skin::TsGlowHook {
    void UpdateControlGlow(skin::TsCommonData& data, bool, ui::HWND) override { Updated.push_back(data.ControlKind); }
    void HideGlow(int handle) override { Hidden.push_back(handle); }
    void HideAllGlows(bool) override { ++AllHidden; }
    std::vector<int> Updated;
    std::vector<int> Hidden;
    int AllHidden = 0;
};

class BindingTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A section of the test's skin; later sections do not hide earlier ones.
    skin::TsGeneralData& AddSection(const std::string& name, gfx::TColor color, int transparency = 0);
    ui::LPARAM ManagerParam() const { return reinterpret_cast<ui::LPARAM>(Manager); }
    // The manager's command, as its broadcast sends it.
    void Broadcast(vcl::TControl& control, uint16_t command);

    skin::TsSkinManager* Manager = nullptr;
    TRecordingForm* Form = nullptr;
    TGlowRecorder Glows;
};

}  // namespace bindtest
