#include "CommonDataTestKit.h"

#include "skin/sSkinBroadcast.h"
#include "ui/Headless.h"
#include "vcl/TApplication.h"

namespace bindtest {

using namespace skin;
using gfx::RGB;

std::vector<TSeenCommand>& Seen() {
    static std::vector<TSeenCommand> seen;
    return seen;
}

template <class Base>
void TBound<Base>::WndProc(vcl::TMessage& message) {
    if (message.Msg == SKIN_COMMAND_MESSAGE) {
        if (SkinCommandOf(message.WParam) != SKC_IS_SKINNED)
            Seen().push_back({this->Name(), SkinCommandOf(message.WParam), SkinCommandArgument(message.WParam)});
    } else {
        Messages.push_back(message.Msg);
    }
    if (!SkinData.ProcessMessage(message)) Base::WndProc(message);
}

void TRecordingForm::WndProc(vcl::TMessage& message) {
    if (message.Msg == SKIN_COMMAND_MESSAGE && SkinCommandOf(message.WParam) != SKC_IS_SKINNED)
        Seen().push_back({"Form", SkinCommandOf(message.WParam), SkinCommandArgument(message.WParam)});
    vcl::TForm::WndProc(message);
}

template class TBound<vcl::TWinControl>;
template class TBound<vcl::TGraphicControl>;

void BindingTest::SetUp() {
    ui::headless::Reset(800, 600);
    vcl::Application->ClearTerminated();
    Seen().clear();
    SetGlowHook(&Glows);
    Manager = new TsSkinManager(vcl::Application);
    AddSection("GLOBALINFO", RGB(1, 2, 3));
    Form = new TRecordingForm(vcl::Application);
    Form->SetBounds(10, 10, 300, 200);
    Form->SetColor(RGB(200, 100, 50));
    Form->HandleNeeded();
}

void BindingTest::TearDown() {
    delete Form;
    delete Manager;
    SetGlowHook(nullptr);
    vcl::Application->ProcessMessages();
}

TsGeneralData& BindingTest::AddSection(const std::string& name, gfx::TColor color, int transparency) {
    TsGeneralData& section = Manager->Sections.emplace_back();
    section.SectionName = name;
    section.States = 2;
    section.Color = color;
    section.HotColor = color;
    section.Transparency = transparency;
    section.HotTransparency = transparency;
    section.StateLook[0].Color = color;
    section.StateLook[0].Transparency = transparency;
    section.StateLook[1] = section.StateLook[0];
    return section;
}

void BindingTest::Broadcast(vcl::TControl& control, uint16_t command) {
    SendSkinCommand(control, {SKIN_COMMAND_MESSAGE, SkinCommandWParam(command), ManagerParam()});
}

}  // namespace bindtest
