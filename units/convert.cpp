#include "units/convert.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "decimal/bignum.h"
#include "units/value_input.h"

namespace units {
namespace {

// Failure travels as an empty optional, from the arithmetic to the result.
using Exact = std::optional<std::string>;

// The quantity in base units; a term that is not a number counts as zero.
Exact BaseTotal(UnitTable table, const Quantity& quantity) {
  std::array<std::string, TermCount> products;
  for (int i = 0; i < TermCount; ++i) {
    const Exact value = ResolveFraction(quantity.Values[i]);
    const Exact product =
        value ? decimal::BigMul(RowAt(table, quantity.From[i]).Factor, *value) : std::nullopt;
    products[static_cast<std::size_t>(i)] = product.value_or("0");
  }
  const Exact firstTwo = decimal::BigAdd(products[0], products[1]);
  return firstTwo ? decimal::BigAdd(*firstTwo, products[2]) : std::nullopt;
}

struct Target {
  std::string factor;
  int row;
};

// Pads factor texts to one length with the point in one column, so that
// comparing them as bytes compares them as numbers.
std::array<std::string, TermCount> AlignedFactors(const std::array<Target, TermCount>& targets) {
  std::array<std::string, TermCount> texts;
  std::size_t point = 0;
  for (std::size_t k = 0; k < TermCount; ++k) {
    texts[k] = targets[k].factor;
    if (texts[k].find('.') == std::string::npos) texts[k] += '.';
    point = std::max(point, texts[k].find('.'));
  }
  std::size_t length = 0;
  for (std::string& text : texts) {
    text.insert(0, point - text.find('.'), '0');
    length = std::max(length, text.size());
  }
  for (std::string& text : texts) text.append(length - text.size(), '0');
  return texts;
}

// Smallest unit first; equal factors keep their list order. The factors
// come back in their aligned-and-stripped form ('648821880.'), which the
// result texts depend on.
std::array<Target, TermCount> SortedTargets(UnitTable table, const Quantity& quantity) {
  std::array<Target, TermCount> targets;
  for (std::size_t k = 0; k < TermCount; ++k) {
    targets[k] = {std::string(RowAt(table, quantity.To[k]).Factor), quantity.To[k]};
  }
  std::array<std::string, TermCount> aligned = AlignedFactors(targets);
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t k = 0; k + 1 < TermCount; ++k) {
      if (aligned[k] > aligned[k + 1]) {
        std::swap(aligned[k], aligned[k + 1]);
        std::swap(targets[k], targets[k + 1]);
      }
    }
  }
  for (std::size_t k = 0; k < TermCount; ++k) {
    decimal::StripLeadingZeros(aligned[k]);
    decimal::StripTrailingZeros(aligned[k]);
    targets[k].factor = std::move(aligned[k]);
  }
  return targets;
}

struct Part {
  std::string value;
  const Target* target;
};

// Splits the total over the targets, largest first: every unit but the
// smallest takes a whole number, the smallest the rest to the chosen places.
std::optional<std::vector<Part>> SplitOverTargets(const std::string& total,
                                                  const std::array<Target, TermCount>& t,
                                                  const ResultOptions& options) {
  // How many whole targets an amount makes. The whole quotient is what the
  // cut quotient's whole part would be, without finding its fraction.
  const auto whole = [](const Exact& amount, const Target& target) -> Exact {
    return amount ? decimal::BigDiv(*amount, target.factor, false, true) : std::nullopt;
  };
  // How many of a target an amount makes, cut to the chosen places.
  const auto last = [&](const Exact& amount, const Target& target) -> Exact {
    const Exact quotient = amount ? decimal::BigDiv(*amount, target.factor) : std::nullopt;
    return quotient ? RoundToPlaces(*quotient, options.Places, false, options) : std::nullopt;
  };
  const auto times = [](const Exact& a, const Target& target) -> Exact {
    return a ? decimal::BigMul(*a, target.factor) : std::nullopt;
  };
  const auto minus = [&](const Exact& amount) -> Exact {
    return amount ? decimal::BigSub(total, *amount) : std::nullopt;
  };
  if (t[1].factor == "0") {
    const Exact l1 = last(total, t[2]);
    if (!l1) return std::nullopt;
    return std::vector<Part>{{*l1, &t[2]}};
  }
  const Exact w3 = whole(total, t[2]);
  const Exact p3 = times(w3, t[2]);
  if (t[0].factor == "0") {
    const Exact l2 = last(minus(p3), t[1]);
    if (!w3 || !l2) return std::nullopt;
    return std::vector<Part>{{*w3, &t[2]}, {*l2, &t[1]}};
  }
  const Exact w2 = whole(minus(p3), t[1]);
  const Exact p2 = times(w2, t[1]);
  const Exact p32 = p3 && p2 ? decimal::BigAdd(*p3, *p2) : std::nullopt;
  const Exact l3 = last(minus(p32), t[0]);
  if (!w3 || !w2 || !l3) return std::nullopt;
  return std::vector<Part>{{*w3, &t[2]}, {*w2, &t[1]}, {*l3, &t[0]}};
}

// The value a part shows. In exponent form the number is rounded only as a
// mantissa, when it is written.
Exact ShownValue(const std::string& value, const ResultOptions& options) {
  if (!options.ExponentForm) return value;
  ResultOptions plain = options;
  plain.ThousandSeparators = false;
  const std::string shown = FormatResult(value, plain, {".", ","});
  const std::size_t mark = shown.find(" E");
  if (mark == std::string::npos) return value;
  const int exponent = std::stoi(shown.substr(mark + 2));
  const auto zeros = static_cast<std::size_t>(exponent < 0 ? -exponent - 1 : exponent);
  const std::string power =
      exponent < 0 ? "." + std::string(zeros, '0') + "1" : "1" + std::string(zeros, '0');
  return decimal::BigMul(shown.substr(0, mark), power);
}

bool IsNegative(const std::string& text) { return text.front() == '-'; }

// A part that shows a whole unit of the part before it or more (11.9999 in
// rounded to 12.000 in) gives that unit to it: "6 ft 0 in", not "5 ft
// 12 in". Leading zero units stay. False when the arithmetic fails.
bool CarryWholeUnits(std::vector<Part>& parts, const ResultOptions& options) {
  for (std::size_t i = parts.size() - 1; i > 0; --i) {
    Part& part = parts[i];
    const std::string& factor = part.target->factor;
    const std::string& before = parts[i - 1].target->factor;
    const Exact shown = ShownValue(part.value, options);
    const Exact amount = shown ? decimal::BigMul(*shown, factor) : std::nullopt;
    const Exact beyond = amount ? decimal::BigSub(*amount, before) : std::nullopt;
    if (!beyond || IsNegative(*beyond)) continue;
    // The rest of what is shown, as without exponent form, where the part
    // is already rounded: the unrounded quotient times the factor can be
    // longer than the arithmetic takes.
    const Exact exact = decimal::BigMul(*shown, factor);
    const Exact rest = exact ? decimal::BigSub(*exact, before) : std::nullopt;
    if (!rest) return false;
    const int places = i + 1 == parts.size() ? options.Places : WholePart;
    const Exact count = IsNegative(*rest) ? "0" : decimal::BigDiv(*rest, factor);
    const Exact value = count ? RoundToPlaces(*count, places, false, options) : std::nullopt;
    const Exact carried = decimal::BigAdd(parts[i - 1].value, "1");
    if (!value || !carried) return false;
    part.value = *value;
    parts[i - 1].value = *carried;
  }
  return true;
}

// Each number formatted and followed by its unit's symbol, two blanks after
// each part.
std::string LinearText(UnitTable table, const ResultParts& parts, const ResultOptions& options,
                       const platform::NumberSymbols& symbols) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    text += FormatResult(parts[i].Value, options, symbols) + " ";
    text += RowAt(table, parts[i].Row).Symbol;
    if (i + 1 < TermCount) text += "  ";
  }
  return text;
}

}  // namespace

std::optional<ResultParts> LinearParts(UnitTable table, const Quantity& quantity,
                                       const ResultOptions& options) {
  const Exact total = BaseTotal(table, quantity);
  const std::array<Target, TermCount> targets = SortedTargets(table, quantity);
  auto parts = total ? SplitOverTargets(*total, targets, options) : std::nullopt;
  if (!parts || !CarryWholeUnits(*parts, options)) return std::nullopt;
  ResultParts result;
  for (Part& part : *parts) result.push_back({std::move(part.value), part.target->row});
  return result;
}

namespace {

enum class Op { Add, Sub, Mul, Div };

struct Step {
  Op op;
  const char* constant;
};

struct Formula {
  std::vector<Step> steps;
};

Exact Apply(std::string_view value, const Step& step) {
  switch (step.op) {
    case Op::Add:
      return decimal::BigAdd(value, step.constant);
    case Op::Sub:
      return decimal::BigSub(value, step.constant);
    case Op::Mul:
      return decimal::BigMul(value, step.constant);
    case Op::Div:
      return decimal::BigDiv(value, step.constant);
  }
  return std::nullopt;
}

// Steps from one scale to another, by row (Celsius, Fahrenheit, Kelvin); the
// running value is always the left operand.
const Formula& FormulaFor(int fromRow, int toRow) {
  static const Formula formulas[3][3] = {
      {{}, {{{Op::Mul, "1.8"}, {Op::Add, "32"}}}, {{{Op::Add, "273.15"}}}},
      {{{{Op::Sub, "32"}, {Op::Div, "1.8"}}},
       {},
       {{{Op::Sub, "32"}, {Op::Div, "1.8"}, {Op::Add, "273.15"}}}},
      {{{{Op::Sub, "273.15"}}}, {{{Op::Sub, "273.15"}, {Op::Mul, "1.8"}, {Op::Add, "32"}}}, {}},
  };
  return formulas[fromRow - 1][toRow - 1];
}

constexpr std::string_view ScaleLetters[] = {"C", "F", "K"};

bool IsScale(int row) { return row >= Celsius && row <= Kelvin; }

// What the key filter lets a field hold when it holds no number yet reads
// as zero.
bool IsNumberOrBlank(std::string_view text) {
  return text.empty() || text == "." || text == "-" || text == "-." ||
         (text.size() <= decimal::MaxLength && decimal::IsValidNumber(text));
}

}  // namespace

std::optional<ResultParts> TemperatureParts(std::string_view value, int fromRow, int toRow,
                                            const ResultOptions& options) {
  if (!IsScale(fromRow) || !IsScale(toRow)) return ResultParts{};
  Exact v = ResolveFraction(value);
  // Pasted text skips the key filter; on the same scale nothing would
  // validate it, and it would be shown back as if it were a temperature.
  if (!v || !IsNumberOrBlank(*v)) return std::nullopt;
  for (const Step& step : FormulaFor(fromRow, toRow).steps) {
    v = Apply(*v, step);
    if (!v) return std::nullopt;
  }
  Exact rounded = RoundToPlaces(*v, options.Places, false, options);
  if (!rounded) return std::nullopt;
  return ResultParts{{std::move(*rounded), toRow}};
}

namespace {

bool IsUnit(const UnitRow& row) { return row.Factor != "0" && !row.Factor.empty(); }

// value × factor / factor between rows of one kind, factor / (value ×
// factor) between a row and an inverse one.
Exact ReciprocalQuotient(const std::string& value, const UnitRow& from, bool fromInverse,
                         const UnitRow& to, bool toInverse) {
  if (fromInverse == toInverse) {
    const UnitRow& times = fromInverse ? to : from;
    const UnitRow& over = fromInverse ? from : to;
    const Exact product = decimal::BigMul(value, times.Factor);
    return product ? decimal::BigDiv(*product, over.Factor) : std::nullopt;
  }
  const UnitRow& inverse = fromInverse ? from : to;
  const UnitRow& plain = fromInverse ? to : from;
  const Exact product = decimal::BigMul(value, plain.Factor);
  // A zero product makes the division fail: the inverse of 0 is no number.
  return product ? decimal::BigDiv(inverse.Factor, *product) : std::nullopt;
}

}  // namespace

std::optional<ResultParts> ReciprocalParts(const CategoryInfo& info, std::string_view value,
                                           int fromRow, int toRow, const ResultOptions& options) {
  const UnitRow& from = RowAt(info.Table, fromRow);
  const UnitRow& to = RowAt(info.Table, toRow);
  const Exact v = ResolveFraction(value);
  // The arithmetic refuses a value that is not a number.
  if (!IsUnit(from) || !IsUnit(to) || !v) return std::nullopt;
  const auto inverse = [&](int row) {
    return info.FirstInverseRow > 0 && row >= info.FirstInverseRow;
  };
  const Exact quotient = ReciprocalQuotient(*v, from, inverse(fromRow), to, inverse(toRow));
  Exact rounded =
      quotient ? RoundToPlaces(*quotient, options.Places, false, options) : std::nullopt;
  if (!rounded) return std::nullopt;
  return ResultParts{{std::move(*rounded), toRow}};
}

bool NoValue(const Quantity& quantity) {
  return std::all_of(quantity.Values.begin(), quantity.Values.end(),
                     [](const std::string& value) { return value.empty(); });
}

std::optional<ResultParts> ConvertToParts(Category category, const Quantity& quantity,
                                          const ResultOptions& options) {
  switch (category) {
    case Category::Prefixes:
      return ResultParts{};
    case Category::Temperature:
      return TemperatureParts(quantity.Values[0], quantity.From[0], quantity.To[0], options);
    default:
      break;
  }
  if (NoValue(quantity)) return std::nullopt;
  const CategoryInfo& info = Describe(category);
  if (info.Kind == FormulaKind::Reciprocal)
    return ReciprocalParts(info, quantity.Values[0], quantity.From[0], quantity.To[0], options);
  return LinearParts(TableFor(category), quantity, options);
}

std::string ResultText(Category category, const ResultParts& parts, const ResultOptions& options,
                       const platform::NumberSymbols& symbols) {
  if (category != Category::Temperature)
    return LinearText(TableFor(category), parts, options, symbols);
  if (parts.empty()) return "";
  return FormatResult(parts[0].Value, options, symbols) + " " +
         std::string(ScaleLetters[parts[0].Row - 1]);
}

std::string ConvertLinear(UnitTable table, const Quantity& quantity, const ResultOptions& options,
                          const platform::NumberSymbols& symbols) {
  const auto parts = LinearParts(table, quantity, options);
  return parts ? LinearText(table, *parts, options, symbols) : std::string(ErrorText);
}

std::string ConvertTemperature(std::string_view value, int fromRow, int toRow,
                               const ResultOptions& options,
                               const platform::NumberSymbols& symbols) {
  const auto parts = TemperatureParts(value, fromRow, toRow, options);
  return parts ? ResultText(Category::Temperature, *parts, options, symbols)
               : std::string(ErrorText);
}

std::optional<std::string> Convert(Category category, const Quantity& quantity,
                                   const ResultOptions& options,
                                   const platform::NumberSymbols& symbols) {
  if (category == Category::Prefixes) return std::nullopt;
  const auto parts = ConvertToParts(category, quantity, options);
  return parts ? ResultText(category, *parts, options, symbols) : std::string(ErrorText);
}

}  // namespace units
