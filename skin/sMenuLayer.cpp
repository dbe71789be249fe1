#include "skin/sMenuLayer.h"

namespace skin {

namespace {
TacMenuLayerFactory TheFactory = nullptr;
}

void SetMenuLayerFactory(TacMenuLayerFactory factory) { TheFactory = factory; }
TacMenuLayerFactory MenuLayerFactory() { return TheFactory; }

}  // namespace skin
