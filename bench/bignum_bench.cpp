// The arithmetic on the worst cases a conversion meets: endless quotients
// cut at 255 characters, the wide paper factors, and a full value field
// times a paper factor.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <string_view>

#include "decimal/bignum.h"

namespace {

// The widest factors of the unit tables (grams/sq. meter, bond, US currency).
const std::string GramsFactor = "210049291558116122261503297644043200";
const std::string BondFactor = "789728701172555666925760658146045200";
const std::string CurrencyFactor = "1447835952149685389363894539934416200";
// A value field holds at most 35 characters.
const std::string FullField = "12345678901234567.890123456789012345";

using Operation = std::optional<std::string> (*)(std::string_view, std::string_view, bool);

std::optional<std::string> Divide(std::string_view a, std::string_view b, bool skipCheck) {
  return decimal::BigDiv(a, b, skipCheck);
}

void Run(benchmark::State& state, Operation operation, const std::string& a, const std::string& b) {
  std::optional<std::string> result;
  for (auto _ : state) {
    result = operation(a, b, false);
    benchmark::DoNotOptimize(result);
  }
  state.counters["chars"] = static_cast<double>(result.value_or("").size());
}

std::string Product(const std::string& a, const std::string& b) {
  return decimal::BigMul(a, b).value();
}

}  // namespace

BENCHMARK_CAPTURE(Run, div_one_by_three, Divide, "1", "3");
BENCHMARK_CAPTURE(Run, div_hundred_by_seven, Divide, "100", "7");
BENCHMARK_CAPTURE(Run, div_bond_by_grams_36_digits, Divide, BondFactor, GramsFactor);
BENCHMARK_CAPTURE(Run, div_currency_by_grams_37_36_digits, Divide, CurrencyFactor, GramsFactor);
BENCHMARK_CAPTURE(Run, div_field_total_by_grams, Divide, Product(FullField, CurrencyFactor),
                  GramsFactor);
BENCHMARK_CAPTURE(Run, mul_field_35_by_factor_37, decimal::BigMul, FullField, CurrencyFactor);
BENCHMARK_CAPTURE(Run, mul_whole_field_35_by_factor_37, decimal::BigMul, std::string(35, '9'),
                  CurrencyFactor);
BENCHMARK_CAPTURE(Run, add_two_field_products, decimal::BigAdd, Product(FullField, CurrencyFactor),
                  Product(FullField, BondFactor));
BENCHMARK_CAPTURE(Run, sub_two_field_products, decimal::BigSub, Product(FullField, CurrencyFactor),
                  Product(FullField, BondFactor));
BENCHMARK_CAPTURE(Run, sub_long_fractions_251_aligned, decimal::BigSub,
                  std::string(100, '7') + "." + std::string(100, '7'),
                  std::string(100, '3') + "." + std::string(150, '3'));

BENCHMARK_MAIN();
