#include "InternalSkinManager.h"

#include <string>

#include "resources/InternalSkin.h"
#include "vcl/TApplication.h"

namespace skinkit {

skin::TsSkinManager* InternalSkinManager() {
    auto* manager = new skin::TsSkinManager(vcl::Application);
    skin::TsStoredSkin& item = manager->InternalSkins().Add();
    item.SetName(std::string(resources::InternalSkinName));
    item.SetData(resources::InternalSkinPackage());
    manager->SetSkinName(std::string(resources::InternalSkinName));
    return manager;
}

}  // namespace skinkit
