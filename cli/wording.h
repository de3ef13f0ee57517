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
// spreads feet-and-inch marks (5'11") and units written onto their number
// (100km) into words of their own.
std::vector<std::string> SplitWords(std::span<const std::string> args);

// Reads the terms and, after "to", the target units; empty on success,
// else the reason and how to write it.
std::string ReadWording(const std::vector<std::string>& words, Wording& wording);

// Whether a word on the command line is meant as a value rather than a unit.
bool LooksLikeValue(std::string_view word);

// "1" and "1/2" as the one fraction "3/2", when both are plain whole
// numbers; nothing when they are not a mixed number.
std::optional<std::string> MixedNumber(std::string_view whole, std::string_view fraction);

}  // namespace cli
