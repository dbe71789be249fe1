#pragma once
// The painters' validity test for image entries.
#include "skin/sSkinTables.h"

namespace skinpaint {

// The entry at index when it lies inside the manager's table and has an
// owner, else null.
inline const skin::TsMaskData* ValidEntry(const skin::TsSkinTables& manager, int index) {
    if (!manager.IsValidImgIndex(index) || !manager.Masks[size_t(index)].Owner) return nullptr;
    return &manager.Masks[size_t(index)];
}

}  // namespace skinpaint
