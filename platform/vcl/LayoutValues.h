#pragma once
// Stored values turned into property values. Each raises rtl::EReadError
// with "Invalid property value" when the value is of the wrong kind or names
// nothing known, so that a broken layout fails loudly at its first use.
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "gfx/Colors.h"
#include "vcl/TLayoutValue.h"

namespace vcl {

// Identifiers of an enumeration or of the members of a set, with their values
// (for a set: the member's bit).
using TIdentTable = std::vector<std::pair<const char*, unsigned>>;

int ValueToInt(const TLayoutValue& value);
bool ValueToBool(const TLayoutValue& value);
std::string ValueToString(const TLayoutValue& value);
// A number or a colour name such as clBtnFace.
gfx::TColor ValueToColor(const TLayoutValue& value);
unsigned ValueToEnum(const TLayoutValue& value, const TIdentTable& names);
unsigned ValueToSet(const TLayoutValue& value, const TIdentTable& names);

// The colour's name when it has one (clBtnFace), else its number.
std::string ColorToString(gfx::TColor color);
bool IdentToColor(const std::string& name, gfx::TColor& color);

}  // namespace vcl
