// Spellings: the forms a typed unit may take beyond the index's texts,
// tried in turn until one reads. Internal to the lookup.
#pragma once

#include <string>
#include <string_view>

#include "units/unit_index.h"

namespace units::lookup {

// Singulars and plurals of names and words: "mile", "inch", "knot",
// "light-years"; never of symbols, where "ms" is not "m".
Entries WordForms(const std::string& text);

// Whether text is a symbol whose case carries meaning and that is never
// read as its other case ("Mm", "nm").
bool KeepsItsCase(std::string_view text);

// What a normalized text stands for as one word or symbol: as written, its
// singular or plural, a symbol's plural ("yds"), a capitalised symbol
// ("Km").
Entries BaseSpelled(const std::string& text);

// What a normalized text stands for, by the first spelling that reads:
// those of BaseSpelled, then paper grades, squares and cubes, a country or
// grade word ("UK pint"), "degrees F", a length per a time ("km per h").
Entries Spelled(const std::string& text);

}  // namespace units::lookup
