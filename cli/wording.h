// What the words of a conversion say, before any unit is looked up:
// "1 yd 2 ft 3 in to m", "5'11\" to cm", "1 1/2 in to mm", "100km to mi".
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct Term {
  std::string value;
  std::string unit;
};

struct Wording {
  std::vector<Term> terms;
  std::vector<std::string> targets;
  bool hasTo = false;
};

// Splits the arguments into words (a quoted "sq ft" reads like sq ft),
// spells vulgar fractions out ("1½" as 1 1/2), spreads feet-and-inch marks
// (5'11", 6’1”), an angle's marks (45°30'15") and units written onto their
// number (100km) into words of their own.
std::vector<std::string> SplitWords(std::span<const std::string> args);

// Reads the terms and, after "to", the target units; empty on success,
// else the reason and how to write it.
std::string ReadWording(const std::vector<std::string>& words, Wording& wording);

// Whether a word on the command line is meant as a value rather than a unit.
bool LooksLikeValue(std::string_view word);

}  // namespace cli
