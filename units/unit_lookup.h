// Finding units by what people type, for the command line and batch: the
// catalogue's names and symbols and the aliases, with the case rules and
// the defaults; settling the one category all named units share; and how
// results write a unit so that it reads back as the same unit.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "units/catalogue.h"

namespace units {

// How strongly a typed text means a unit.
enum class Standing {
  Stated,  // an alias says so: the meaning taken in its category
  Plain,   // a catalogue name or symbol
  Rare,    // a catalogue symbol an alias gives to another category; taken
           // only when the category is named
};

struct Meaning {
  Category In{};
  int Row = 0;
  Standing How = Standing::Plain;
};

// Every unit the text can stand for; empty when it names none. Names and
// word aliases match in any case; symbols and abbreviations by their case,
// or, when nothing matches so and the text is all capitals or all small
// letters, in any case.
std::vector<Meaning> FindUnit(std::string_view typed);

// The category and the row of each typed unit.
struct UnitChoice {
  Category In{};
  std::vector<int> Rows;
};

// Settles the category all typed units share (forced when given) and
// the row each stands for there. Otherwise the reason, saying how to write
// it instead.
std::string ChooseUnits(std::span<const std::string> typed, std::optional<Category> forced,
                        UnitChoice& choice);

// "unknown unit 'x'" with what it was probably meant to be.
std::string UnknownUnit(std::string_view typed);

// What was typed as messages show it: at most 60 characters, cut with
// "..." when longer. Quoted puts it in single quotes.
std::string Shortened(std::string_view typed);
std::string Quoted(std::string_view typed);

// What an unknown unit was probably meant to be: up to three names,
// symbols or aliases, closest first.
std::vector<std::string> SimilarUnits(std::string_view typed);

// How results write the unit: its symbol when that reads back as the same
// unit in its category, else an alias or its name that does.
std::string_view TypedSymbol(Category category, int row);

// The row of the unit so named in a category's table; -1 when none.
int RowOfName(Category category, std::string_view name);

// The other units of a category whose names are the row's before their
// qualifiers, in any case: "calories (IT)" and "Calories (food)" beside
// "calories (thermochemical)". Each once.
std::vector<int> NamedAlike(Category category, int row);

// A category by name, caption ("Temp.") or number, ignoring case.
std::optional<Category> CategoryFromText(std::string_view text);

// The real units of a category, each once (at its first row), with the
// symbol results use.
struct ListedUnit {
  int Row = 0;
  std::string_view Name;
  std::string_view Symbol;
};
std::vector<ListedUnit> UnitsOf(Category category);

// A symbol whose case carries meaning, and what it means: the unit
// (empty: none of the tables', so it is not read as its other case).
struct CaseCarrying {
  std::string_view Text;
  std::string_view Means;
  std::string_view Unit;
};
std::span<const CaseCarrying> CaseCarryingSymbols();

// The most words a unit can take, so that a run of words longer than that
// is never looked up.
std::size_t MaxUnitWords();

}  // namespace units
