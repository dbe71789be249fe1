#pragma once
// Telling every window of the process about a skin change: the forms the
// application owns, the forms frame providers registered, and the foreign
// dialogs the dialog hook adapted. Skinned controls (those answering
// SKC_IS_SKINNED with 1) get a message once and pass it on to their own
// children; the broadcast only walks down through controls that are not.
#include <vector>

#include "vcl/ControlMessages.h"

namespace vcl {
class TControl;
class TCustomForm;
class TWinControl;
}  // namespace vcl

namespace skin {

// Frame providers register their forms so that forms the application does
// not own hear of skin changes too. A form that is freed leaves the list.
void RegisterProviderForm(vcl::TCustomForm* form);
void UnregisterProviderForm(vcl::TCustomForm* form);
const std::vector<vcl::TCustomForm*>& ProviderForms();

// Sends a skin command to a control: through its window when it has one,
// else as a direct call.
ui::LRESULT SendSkinCommand(vcl::TControl& control, const vcl::TMessage& message);
// Whether the control answers SKC_IS_SKINNED with 1.
bool IsSkinnedControl(vcl::TControl& control);

// The message goes to each child in child order, stopping at a child that is
// being destroyed: children without a window (or whose window does not exist
// yet) get it as a direct call, skinned windowed children by a blocking send,
// and the children of every other windowed child, recursively.
void DeliverToChildren(vcl::TWinControl& parent, const vcl::TMessage& message);

// Every form the application owns (last first) that is not loading or being
// destroyed and is not a skinned control itself, with its children; then
// every form a provider registered that has not had it yet, with its
// children; then every visible adapted foreign dialog. Each form gets the
// message once even when it is found both ways.
void BroadcastSkinCommand(const vcl::TMessage& message);

}  // namespace skin
