// The names people type for units beyond the catalogue's own names and
// symbols: other words, spellings and abbreviations, the meaning taken for
// a text the catalogue gives several meanings, and how results write the
// units whose catalogue symbol would read back as another unit. The window
// keeps the catalogue's names; the command line and batch read these too.
#pragma once

#include <span>
#include <string_view>

#include "units/catalogue.h"

namespace units {

enum AliasFlag : unsigned {
  // An abbreviation, where case changes the meaning ("mm", "Mm"); other
  // aliases are words and match in any case.
  CaseMatters = 1u << 0,
  // The catalogue gives the text several meanings and this is the one
  // taken; --help lists these.
  StatedDefault = 1u << 1,
  // Results write the unit this way.
  Printed = 1u << 2,
};

struct Alias {
  std::string_view Text;
  Category In;
  std::string_view Unit;  // the unit's name in the category's table
  unsigned Flags = 0;
};

std::span<const Alias> Aliases();

}  // namespace units
