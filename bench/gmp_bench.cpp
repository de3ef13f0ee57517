// The engine beside GMP on the same digits (scripts/bench prints the
// ratios). GMP gets the operands as integers scaled by a power of ten, made
// before the clock starts, and answers with a decimal string of the digits
// the engine writes, so each pair times the same work: the engine from
// text to text, GMP from integers to text. Before timing, each GMP answer is
// checked digit for digit against the engine's.
#include <benchmark/benchmark.h>
#include <gmp.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "decimal/bignum.h"
#include "units/convert.h"

namespace {

// The widest factors of the unit tables (grams/sq. meter, bond, blotting,
// US currency) and a full value field of 35 characters.
const std::string GramsFactor = "210049291558116122261503297644043200";
const std::string BondFactor = "789728701172555666925760658146045200";
const std::string BlottingFactor = "647716083856438200504900188918028300";
const std::string CurrencyFactor = "1447835952149685389363894539934416200";
const std::string FullField = "12345678901234567.890123456789012345";

// An integer that frees itself.
class Integer {
 public:
  Integer() { mpz_init(value_); }
  explicit Integer(const std::string& digits) { mpz_init_set_str(value_, digits.c_str(), 10); }
  Integer(const Integer&) = delete;
  Integer& operator=(const Integer&) = delete;
  ~Integer() { mpz_clear(value_); }
  mpz_ptr get() { return value_; }
  mpz_srcptr get() const { return value_; }

 private:
  mpz_t value_;
};

// A number text's digits without sign, point and leading zeros.
std::string DigitsOf(std::string text) {
  std::erase(text, '.');
  std::erase(text, '-');
  const std::size_t first = text.find_first_not_of('0');
  return first == std::string::npos ? "0" : text.substr(first);
}

std::size_t FractionDigits(const std::string& text) {
  const std::size_t point = text.find('.');
  return point == std::string::npos ? 0 : text.size() - point - 1;
}

// x times 10^n.
void Scale(mpz_ptr x, std::size_t n) {
  Integer power;
  mpz_ui_pow_ui(power.get(), 10, n);
  mpz_mul(x, x, power.get());
}

// Writes x in decimal into text's buffer, which is kept between runs.
void ToText(mpz_srcptr x, std::string& text) {
  text.resize(mpz_sizeinbase(x, 10) + 2);
  mpz_get_str(text.data(), 10, x);
  text.resize(std::char_traits<char>::length(text.data()));
}

// GMP's integer is the engine's number times 10^scale.
bool Check(benchmark::State& state, const std::string& gmp, const std::string& engine,
           std::size_t scale) {
  std::string expected = DigitsOf(engine);
  if (expected != "0") expected.append(scale - FractionDigits(engine), '0');
  if (expected == gmp) return true;
  state.SkipWithError(("GMP's digits differ from the engine's: " + gmp).c_str());
  return false;
}

// A 255-character quotient by a 36-digit divisor.
void BigDivEngine(benchmark::State& state) {
  for (auto _ : state) {
    std::optional<std::string> q = decimal::BigDiv(BondFactor, GramsFactor);
    benchmark::DoNotOptimize(q);
  }
}

void BigDivGmp(benchmark::State& state) {
  const std::string engine = decimal::BigDiv(BondFactor, GramsFactor).value();
  Integer dividend(BondFactor);
  Scale(dividend.get(), FractionDigits(engine));
  const Integer divisor(GramsFactor);
  Integer quotient;
  std::string text;
  for (auto _ : state) {
    mpz_tdiv_q(quotient.get(), dividend.get(), divisor.get());
    ToText(quotient.get(), text);
    benchmark::DoNotOptimize(text);
  }
  Check(state, text, engine, FractionDigits(engine));
}

// A full value field times the widest factor.
void BigMulEngine(benchmark::State& state) {
  for (auto _ : state) {
    std::optional<std::string> p = decimal::BigMul(FullField, CurrencyFactor);
    benchmark::DoNotOptimize(p);
  }
}

void BigMulGmp(benchmark::State& state) {
  const std::string engine = decimal::BigMul(FullField, CurrencyFactor).value();
  const Integer a(DigitsOf(FullField));
  const Integer b(CurrencyFactor);
  Integer product;
  std::string text;
  for (auto _ : state) {
    mpz_mul(product.get(), a.get(), b.get());
    ToText(product.get(), text);
    benchmark::DoNotOptimize(text);
  }
  Check(state, text, engine, FractionDigits(FullField));
}

// The most expensive Convert action: three full values of paper weight
// (US currency, bond, grams/sq. meter) to three units (US currency,
// blotting, grams/sq. meter), 30 places, rounded, digits grouped.
const units::Quantity WorstQuantity{{FullField, FullField, FullField}, {28, 5, 1}, {28, 6, 1}};

units::ResultOptions WorstOptions() { return {units::MaxPlaces, true, true, false}; }

void ConvertEngine(benchmark::State& state) {
  const platform::NumberSymbols symbols;
  for (auto _ : state) {
    auto result = units::Convert(units::Category::Paper, WorstQuantity, WorstOptions(), symbols);
    benchmark::DoNotOptimize(result);
  }
}

// The Convert action's arithmetic on the same digits: the total of three
// products, the whole number of the largest unit, the whole number of the
// next of what is left, the rest over the smallest unit to as many digits
// as the engine finds, and the three answers as text.
struct ConvertParts {
  std::string largest, middle, smallest;
};

ConvertParts EngineParts() {
  using decimal::BigAdd, decimal::BigDiv, decimal::BigMul, decimal::BigSub;
  const std::string total =
      *BigAdd(*BigAdd(*BigMul(CurrencyFactor, FullField), *BigMul(BondFactor, FullField)),
              *BigMul(GramsFactor, FullField));
  const std::string w3 = *BigDiv(total, CurrencyFactor, false, true);
  const std::string p3 = *BigMul(w3, CurrencyFactor);
  const std::string w2 = *BigDiv(*BigSub(total, p3), BlottingFactor, false, true);
  const std::string rest = *BigSub(total, *BigAdd(p3, *BigMul(w2, BlottingFactor)));
  return {w3, w2, *BigDiv(rest, GramsFactor)};
}

void ConvertGmp(benchmark::State& state) {
  const ConvertParts engine = EngineParts();
  const Integer value(DigitsOf(FullField));
  const Integer currency(CurrencyFactor), bond(BondFactor), grams(GramsFactor);
  // The value's fraction digits scale the total; the last quotient's
  // digits scale the rest.
  const std::size_t valueScale = FractionDigits(FullField);
  const std::size_t lastScale = FractionDigits(engine.smallest);
  Integer total, product, whole3, whole2, rest, last;
  Integer scaledCurrency(CurrencyFactor), scaledBlotting(BlottingFactor), scaledGrams(GramsFactor);
  for (Integer* factor : {&scaledCurrency, &scaledBlotting, &scaledGrams}) {
    Scale(factor->get(), valueScale);
  }
  ConvertParts gmp;
  for (auto _ : state) {
    mpz_mul(total.get(), currency.get(), value.get());
    mpz_mul(product.get(), bond.get(), value.get());
    mpz_add(total.get(), total.get(), product.get());
    mpz_mul(product.get(), grams.get(), value.get());
    mpz_add(total.get(), total.get(), product.get());
    mpz_tdiv_q(whole3.get(), total.get(), scaledCurrency.get());
    mpz_mul(product.get(), whole3.get(), scaledCurrency.get());
    mpz_sub(rest.get(), total.get(), product.get());
    mpz_tdiv_q(whole2.get(), rest.get(), scaledBlotting.get());
    mpz_mul(product.get(), whole2.get(), scaledBlotting.get());
    mpz_sub(rest.get(), rest.get(), product.get());
    Scale(rest.get(), lastScale);
    mpz_tdiv_q(last.get(), rest.get(), scaledGrams.get());
    ToText(whole3.get(), gmp.largest);
    ToText(whole2.get(), gmp.middle);
    ToText(last.get(), gmp.smallest);
    benchmark::DoNotOptimize(gmp);
  }
  Check(state, gmp.largest, engine.largest, 0) && Check(state, gmp.middle, engine.middle, 0) &&
      Check(state, gmp.smallest, engine.smallest, lastScale);
}

}  // namespace

BENCHMARK(BigDivEngine)->Name("BigDiv/engine");
BENCHMARK(BigDivGmp)->Name("BigDiv/gmp");
BENCHMARK(BigMulEngine)->Name("BigMul/engine");
BENCHMARK(BigMulGmp)->Name("BigMul/gmp");
BENCHMARK(ConvertEngine)->Name("Convert/engine");
BENCHMARK(ConvertGmp)->Name("Convert/gmp");

BENCHMARK_MAIN();
