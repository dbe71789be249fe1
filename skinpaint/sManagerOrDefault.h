#pragma once
// The painters that take a manager read a null one as the default manager.
#include "skin/sSkinTables.h"

namespace skinpaint {

// manager itself, or the default manager's tables when manager is null (and
// null while there is no default manager).
const skin::TsSkinTables* ManagerOrDefault(const skin::TsSkinTables* manager);

}  // namespace skinpaint
