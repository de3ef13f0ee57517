// The wording of the lookup's refusals: what a unit is, why units do not
// go together, and how to write them instead. Internal to the lookup;
// UnknownUnit, Shortened and Quoted in unit_lookup.h are its face.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "units/unit_index.h"

namespace units::lookup {

// Two of the typed units share no category.
std::string NoSharedCategory(std::span<const std::string> typed,
                             const std::vector<std::vector<Meaning>>& meanings);

// The typed units are units of a kind that is not converted ("time").
std::string OtherKindRefusal(std::span<const std::string> typed, std::string_view kind);

// The units fit several categories.
std::string SeveralCategories(const std::vector<Category>& fits);

// typed has no usual meaning in category.
std::string NotInCategory(Category category, const std::string& typed,
                          const std::vector<Meaning>& meanings);

// typed stands for several units (rows) in category.
std::string Ambiguous(Category category, const std::string& typed, const std::vector<int>& rows);

}  // namespace units::lookup
