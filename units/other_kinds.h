// Units of kinds that zurmet-convert knows by name but does not convert
// (frequency, torque, data rate): so that "60 Hz to rpm" is told what kind
// of unit it names and what the program converts, not offered unrelated
// spellings. A kind that becomes a category leaves this table.
#pragma once

#include <optional>
#include <string_view>

namespace units {

// The kind a typed unit is a unit of ("torque"), if it is one of these;
// names in any case and plural, symbols by their case first.
std::optional<std::string_view> OtherKindOf(std::string_view typed);

}  // namespace units
