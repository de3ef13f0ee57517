// Spellings: the forms a typed unit may take beyond the index's texts
// (plurals, "-tre", paper grades with their pound mark, squares and cubes
// of lengths), tried in turn until one reads. Internal to the lookup.
#pragma once

#include <string>

#include "units/unit_index.h"

namespace units::lookup {

// Singulars and plurals of names and words: "mile", "inch", "knot",
// "light-years"; never of symbols, where "ms" is not "m".
Entries WordForms(const std::string& text);

// What a normalized text stands for, by the first spelling that reads.
Entries Spelled(const std::string& text);

}  // namespace units::lookup
