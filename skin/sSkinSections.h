#pragma once
// Filling the section records and GlobalInfo from an options text.
#include <string>
#include <string_view>

#include "skin/sSkinOptions.h"
#include "skin/sSkinTables.h"

namespace skin {

// The GLOBALINFO values, read directly (no inheritance). FORMOFFSET defaults
// to the system's sizing-frame width, given as `systemFrameWidth`. SkinFolder
// and SkinApplied are left alone. Raises EConvertError for a strict value that
// is not an integer.
void ReadGlobalInfo(TsSkinData& info, const TsSkinOptions& options, int systemFrameWidth);

// One section's record with the inheritance lookups; the image indexes stay -1.
TsGeneralData ReadSectionRecord(const TsSkinOptions& options, const std::string& section);

// BordersMaskIndex, the four corner image indexes and PatternIndex of every
// section but GLOBALINFO.
void UpdateSectionIndexes(TsSkinTables& tables);

}  // namespace skin
