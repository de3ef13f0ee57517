#include "units/convert.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "decimal/bignum.h"
#include "units/value_input.h"

namespace units {
namespace {

bool IsBad(std::string_view text) { return !text.empty() && text.front() == 'b'; }

std::string Add(const std::string& a, const std::string& b) {
  std::string result;
  decimal::BigAdd(a, b, false, result);
  return result;
}

std::string Sub(const std::string& a, const std::string& b) {
  std::string result;
  decimal::BigSub(a, b, false, result);
  return result;
}

std::string Mul(const std::string& a, const std::string& b) {
  std::string result;
  decimal::BigMul(a, b, false, result);
  return result;
}

std::string Div(const std::string& a, const std::string& b) {
  std::string result;
  decimal::BigDiv(a, b, false, false, result);
  return result;
}

// The quantity in base units; a term that is not a number counts as zero.
std::string BaseTotal(UnitTable table, const Quantity& quantity) {
  std::array<std::string, TermCount> products;
  for (int i = 0; i < TermCount; ++i) {
    std::string& product = products[static_cast<std::size_t>(i)];
    product = Mul(std::string(RowAt(table, quantity.From[i]).Factor),
                  ResolveFraction(quantity.Values[i]));
    if (IsBad(product)) product = "0";
  }
  return Add(Add(products[0], products[1]), products[2]);
}

struct Target {
  std::string factor;
  std::string_view symbol;
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
    const UnitRow& row = RowAt(table, quantity.To[k]);
    targets[k] = {std::string(row.Factor), row.Symbol};
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
  std::string_view symbol;
};

// Splits the total over the targets, largest first: every unit but the
// smallest takes a whole number, the smallest the rest to the chosen places.
std::vector<Part> SplitOverTargets(const std::string& total,
                                   const std::array<Target, TermCount>& t,
                                   const ResultOptions& options) {
  const auto whole = [&](const std::string& x) {
    return RoundToPlaces(x, WholePart, false, options);
  };
  const auto last = [&](const std::string& x) {
    return RoundToPlaces(x, options.Places, false, options);
  };
  if (t[1].factor == "0") return {{last(Div(total, t[2].factor)), t[2].symbol}};
  const std::string w3 = whole(Div(total, t[2].factor));
  const std::string p3 = Mul(w3, t[2].factor);
  if (t[0].factor == "0") {
    return {{w3, t[2].symbol}, {last(Div(Sub(total, p3), t[1].factor)), t[1].symbol}};
  }
  const std::string w2 = whole(Div(Sub(total, p3), t[1].factor));
  const std::string rest = Sub(total, Add(p3, Mul(w2, t[1].factor)));
  return {{w3, t[2].symbol}, {w2, t[1].symbol}, {last(Div(rest, t[0].factor)), t[0].symbol}};
}

}  // namespace

std::string ConvertLinear(UnitTable table, const Quantity& quantity, const ResultOptions& options,
                          const platform::NumberSymbols& symbols) {
  const std::string total = BaseTotal(table, quantity);
  const std::vector<Part> parts =
      SplitOverTargets(total, SortedTargets(table, quantity), options);
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    // A failed inner part must not hide behind a good first one.
    if (IsBad(parts[i].value)) return std::string(ErrorText);
    text += FormatResult(parts[i].value, options, symbols) + " ";
    text += parts[i].symbol;
    if (i + 1 < TermCount) text += "  ";
  }
  return text;
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

std::string Apply(const std::string& value, const Step& step) {
  switch (step.op) {
    case Op::Add:
      return Add(value, step.constant);
    case Op::Sub:
      return Sub(value, step.constant);
    case Op::Mul:
      return Mul(value, step.constant);
    case Op::Div:
      return Div(value, step.constant);
  }
  return std::string(decimal::Bad);
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
// as zero; "bad" stays as it is, for the caller to report.
bool IsNumberOrBlank(std::string_view text) {
  return text.empty() || text == "." || text == "-" || text == "-." || IsBad(text) ||
         (text.size() <= decimal::MaxLength && decimal::IsValidNumber(text));
}

}  // namespace

std::string ConvertTemperature(std::string_view value, int fromRow, int toRow,
                               const ResultOptions& options,
                               const platform::NumberSymbols& symbols) {
  if (!IsScale(fromRow) || !IsScale(toRow)) return "";
  std::string v = ResolveFraction(value);
  // Pasted text skips the key filter; on the same scale nothing would
  // validate it, and it would be shown back as if it were a temperature.
  if (!IsNumberOrBlank(v)) return std::string(ErrorText);
  for (const Step& step : FormulaFor(fromRow, toRow).steps) v = Apply(v, step);
  const std::string text =
      FormatResult(RoundToPlaces(v, options.Places, false, options), options, symbols) + " " +
      std::string(ScaleLetters[toRow - 1]);
  return IsBad(text) ? std::string(ErrorText) : text;
}

std::optional<std::string> Convert(Category category, const Quantity& quantity,
                                   const ResultOptions& options,
                                   const platform::NumberSymbols& symbols) {
  switch (category) {
    case Category::Prefixes:
      return std::nullopt;
    case Category::Temperature:
      return ConvertTemperature(quantity.Values[0], quantity.From[0], quantity.To[0], options,
                                symbols);
    default:
      break;
  }
  const bool allEmpty = std::all_of(quantity.Values.begin(), quantity.Values.end(),
                                    [](const std::string& value) { return value.empty(); });
  if (allEmpty) return std::string(ErrorText);
  return ConvertLinear(TableFor(category), quantity, options, symbols);
}

}  // namespace units
