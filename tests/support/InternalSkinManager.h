#pragma once
// A skin manager owned by the application, with the program's internal skin
// stored in it and applied, as the main window's manager is: for the tests
// and benchmarks that paint with the real skin.
#include "skin/sSkinManager.h"

namespace skinkit {

skin::TsSkinManager* InternalSkinManager();

}  // namespace skinkit
