#include "skinpaint/sManagerOrDefault.h"

#include "skin/sSkinManager.h"

namespace skinpaint {

const skin::TsSkinTables* ManagerOrDefault(const skin::TsSkinTables* manager) {
    return manager ? manager : skin::TsSkinManager::DefaultManager();
}

}  // namespace skinpaint
