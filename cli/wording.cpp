#include "cli/wording.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

#include "cli/number_text.h"
#include "units/convert.h"
#include "units/unit_lookup.h"

namespace cli {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsNumberChar(char c) { return IsDigit(c) || c == '.' || c == ',' || c == '/'; }

bool IsAnd(std::string_view word) {
  return word == "&" || (word.size() == 3 && (word[0] == 'a' || word[0] == 'A') &&
                         (word[1] == 'n' || word[1] == 'N') && (word[2] == 'd' || word[2] == 'D'));
}

bool IsTo(std::string_view word) {
  return word.size() == 2 && (word[0] == 't' || word[0] == 'T') &&
         (word[1] == 'o' || word[1] == 'O');
}

// The number at the start of a word: digits, points, commas and a slash.
std::size_t NumberLength(std::string_view word) {
  std::size_t i = 0;
  while (i < word.size() && IsNumberChar(word[i])) ++i;
  return std::any_of(word.begin(), word.begin() + static_cast<std::ptrdiff_t>(i), IsDigit) ? i : 0;
}

// With the typographic marks a phone or word processor puts in: 6’1”.
constexpr std::string_view FootMarks[] = {"'", "\u2032", "\u2019"};
constexpr std::string_view InchMarks[] = {"''",     "\"",           "\u2033",      "\u201d",
                                          "\u201c", "\u2019\u2019", "\u2032\u2032"};

std::size_t MarkAt(std::string_view text, std::span<const std::string_view> marks) {
  for (std::string_view mark : marks)
    if (text.starts_with(mark)) return mark.size();
  return 0;
}

// Inches after feet: 11, 11.5; not 1'000, where an apostrophe groups
// thousands (inches have at most two whole digits), so the field refuses
// it instead.
bool AreInches(std::string_view number) {
  return number.find('/') == std::string_view::npos &&
         std::min(number.find_first_of(".,"), number.size()) <= 2;
}

// An angle as people write it: 45°, 45°30', 45°30'15", 45° 30′ 15″. The
// foot and inch marks are minutes and seconds only after degrees: alone,
// 30' is feet.
constexpr std::string_view DegreeMarks[] = {"\u00b0", "\u00ba"};

enum class AngleMark { None, Degrees, Minutes, Seconds };

// The mark at the start of text that may follow an angle's part marked
// after, and its length; None when there is none.
AngleMark NextAngleMark(std::string_view text, AngleMark after, std::size_t& length) {
  if (after == AngleMark::None && (length = MarkAt(text, DegreeMarks)) > 0)
    return AngleMark::Degrees;
  // Seconds first: their '' starts with a minute's '.
  if ((after == AngleMark::Degrees || after == AngleMark::Minutes) &&
      (length = MarkAt(text, InchMarks)) > 0)
    return AngleMark::Seconds;
  if (after == AngleMark::Degrees && (length = MarkAt(text, FootMarks)) > 0)
    return AngleMark::Minutes;
  return AngleMark::None;
}

// Spreads an angle's numbers and marks into words of their own ("45", "°",
// "30", "′"). after is the mark the word before ended with; it becomes the
// mark this word ends with (None when it is no angle's).
bool SpreadAngle(std::string_view word, AngleMark& after, std::vector<std::string>& words) {
  constexpr std::string_view Units[] = {"", "\u00b0", "\u2032", "\u2033"};
  std::vector<std::string> spread;
  AngleMark mark = after;
  while (!word.empty()) {
    const std::size_t number = NumberLength(word);
    std::size_t length = 0;
    const AngleMark next =
        number == 0 ? AngleMark::None : NextAngleMark(word.substr(number), mark, length);
    if (next == AngleMark::None) {
      after = AngleMark::None;
      return false;
    }
    spread.emplace_back(word.substr(0, number));
    spread.emplace_back(Units[static_cast<int>(next)]);
    word.remove_prefix(number + length);
    mark = next;
  }
  words.insert(words.end(), spread.begin(), spread.end());
  after = mark;
  return true;
}

// Whether a word is a degree mark alone, after which minutes may follow
// ("45 ° 30'").
bool IsDegreeMark(std::string_view word) {
  return std::any_of(std::begin(DegreeMarks), std::end(DegreeMarks),
                     [&](std::string_view mark) { return word == mark; });
}

enum class Marks { None, Feet, FeetAndInches };

// 5'11", 5'11, 5', 11" (and the typographic marks) as feet and inches.
Marks SpreadFeetAndInches(std::string_view word, std::vector<std::string>& words) {
  const std::size_t feet = NumberLength(word);
  if (feet == 0 || feet == word.size()) return Marks::None;
  std::string_view rest = word.substr(feet);
  if (const std::size_t inch = MarkAt(rest, InchMarks); inch == rest.size()) {
    words.insert(words.end(), {std::string(word.substr(0, feet)), "in"});
    return Marks::FeetAndInches;
  }
  const std::size_t foot = MarkAt(rest, FootMarks);
  if (foot == 0) return Marks::None;
  rest.remove_prefix(foot);
  const std::size_t inches = NumberLength(rest);
  if (inches != rest.size() && MarkAt(rest.substr(inches), InchMarks) != rest.size() - inches)
    return Marks::None;
  if (!AreInches(rest.substr(0, inches))) return Marks::None;
  words.insert(words.end(), {std::string(word.substr(0, feet)), "ft"});
  if (inches == 0) return Marks::Feet;
  words.insert(words.end(), {std::string(rest.substr(0, inches)), "in"});
  return Marks::FeetAndInches;
}

// 100km, -40C, 3/4in, 20# (a paper grade follows): the number and the unit.
bool SpreadGluedUnit(std::string_view word, std::vector<std::string>& words) {
  const std::size_t sign = word.starts_with('-') ? 1 : 0;
  const std::size_t number = NumberLength(word.substr(sign));
  if (number == 0 || sign + number == word.size()) return false;
  const std::string_view unit = word.substr(sign + number);
  if (unit != "#" && units::FindUnit(unit).empty()) return false;
  words.emplace_back(word.substr(0, sign + number));
  words.emplace_back(unit);
  return true;
}

// What the words before said of marks: feet given by their mark alone
// (5'), the mark an angle's last part had (45°), and where a bare number
// after feet stands.
struct Marked {
  bool afterFeet = false;
  AngleMark angle = AngleMark::None;
  std::vector<std::size_t> looseInches;
};

// One word into words: an angle's parts, feet and inches, a number and the
// unit written onto it, or the word as it is.
void SpreadWord(std::string_view word, Marked& marked, std::vector<std::string>& words) {
  if (SpreadAngle(word, marked.angle, words)) {
    marked.afterFeet = false;
    return;
  }
  if (IsDegreeMark(word)) marked.angle = AngleMark::Degrees;
  if (marked.afterFeet && NumberLength(word) == word.size() && AreInches(word))
    marked.looseInches.push_back(words.size());
  const Marks marks = SpreadFeetAndInches(word, words);
  marked.afterFeet = marks == Marks::Feet;
  if (marks == Marks::None && !SpreadGluedUnit(word, words)) words.emplace_back(word);
}

std::string JoinWords(const std::vector<std::string>& words, std::size_t from, std::size_t to) {
  std::string joined;
  for (std::size_t i = from; i < to; ++i) {
    if (i > from) joined += ' ';
    joined += words[i];
  }
  return joined;
}

// After "to", the longest run of words that names a unit is one unit. The
// run is bounded by the longest unit, so thousands of words stay cheap.
std::string SplitTargets(const std::vector<std::string>& words, std::size_t start,
                         std::vector<std::string>& targets) {
  for (std::size_t i = start; i < words.size();) {
    // "feet and inches"
    if (!targets.empty() && IsAnd(words[i]) && i + 1 < words.size()) {
      ++i;
      continue;
    }
    if (targets.size() == units::TermCount)
      return "at most three units can follow 'to' (a result has up to three parts: to yd ft in)";
    std::size_t end = std::min(words.size(), i + units::MaxUnitWords());
    while (end > i && units::FindUnit(JoinWords(words, i, end)).empty()) --end;
    if (end == i) {
      if (LooksLikeValue(words[i]))
        return "values go before 'to', found " + units::Quoted(words[i]) +
               " after it (write: 1 ft 6 in to cm)";
      return units::UnknownUnit(words[i]);
    }
    targets.push_back(JoinWords(words, i, end));
    i = end;
  }
  return {};
}

// The words of a term's unit, up to the next value or "to"; "and" before
// the next term ("5 ft and 2 in") is passed over. Empty when there are none.
std::string ReadTermUnit(const std::vector<std::string>& words, std::size_t& i) {
  const std::size_t start = i;
  while (i < words.size() && !IsTo(words[i]) && !LooksLikeValue(words[i]) &&
         !(IsAnd(words[i]) && i + 1 < words.size() && LooksLikeValue(words[i + 1])))
    ++i;
  const std::string unit = JoinWords(words, start, i);
  if (!unit.empty() && i < words.size() && IsAnd(words[i])) ++i;
  return unit;
}

}  // namespace

bool LooksLikeValue(std::string_view word) {
  if (word.empty()) return true;
  const char first = word.front();
  // "/2" is a fraction without its numerator; "/" and "/h" are not values.
  if (first == '/') return word.size() > 1 && (IsDigit(word[1]) || word[1] == '.');
  return IsDigit(first) || first == '.' || first == ',' || first == '-' || first == '+';
}

std::vector<std::string> SplitWords(std::span<const std::string> args) {
  std::vector<std::string> words;
  Marked marked;
  for (const std::string& given : args) {
    const std::string arg = SpelledFractions(given);
    std::size_t start = arg.find_first_not_of(" \t");
    // An empty argument is an empty value, refused later with a reason.
    if (start == std::string::npos) words.emplace_back();
    while (start != std::string::npos) {
      const std::size_t end = arg.find_first_of(" \t", start);
      SpreadWord(std::string_view(arg).substr(start, end - start), marked, words);
      start = end == std::string::npos ? end : arg.find_first_not_of(" \t", end);
    }
  }
  // 5' 11: a bare number after feet given by their mark, with no unit of
  // its own, is inches.
  for (auto at = marked.looseInches.rbegin(); at != marked.looseInches.rend(); ++at) {
    const std::size_t next = *at + 1;
    if (next == words.size() || IsTo(words[next]) || LooksLikeValue(words[next]))
      words.insert(words.begin() + static_cast<std::ptrdiff_t>(next), "in");
  }
  return words;
}

std::string ReadWording(const std::vector<std::string>& words, Wording& wording) {
  std::size_t i = 0;
  while (i < words.size() && !IsTo(words[i])) {
    if (!LooksLikeValue(words[i]))
      return "expected a value before " + units::Quoted(words[i]) +
             " (write each value before its unit: 1 yd 2 ft to m)";
    Term term{words[i], {}};
    ++i;
    // 1 1/2 in: one value.
    if (i < words.size()) {
      if (auto mixed = MixedNumber(term.value, words[i])) {
        term.value = std::move(*mixed);
        ++i;
      }
    }
    term.unit = ReadTermUnit(words, i);
    if (term.unit.empty())
      return "value " + units::Quoted(term.value) +
             " has no unit (write a unit after each value: 1 m 20 cm to in)";
    wording.terms.push_back(std::move(term));
  }
  if (wording.terms.empty()) return "nothing to convert: give a value and its unit (1 mi to km)";
  if (wording.terms.size() > units::TermCount)
    return "at most three values can be converted at once (1 yd 2 ft 3 in to m)";
  if (i == words.size()) return {};
  wording.hasTo = true;
  std::string error = SplitTargets(words, i + 1, wording.targets);
  if (!error.empty()) return error;
  if (wording.targets.empty()) return "no unit after 'to' (write: 1 mi to km)";
  return {};
}

}  // namespace cli
