// The Convert action at its most expensive: three full value fields, three
// targets (three endless quotients and the products subtracted between
// them), 30 places, over the widest factors of the tables, with each
// result option on and off.
#include <benchmark/benchmark.h>

#include <string>

#include "units/convert.h"

namespace {

// 35 characters, the most a value field holds.
const std::string FullField = "1234567890123456789012345678901.234";

struct Worst {
  units::Category category;
  units::Quantity quantity;
};

Worst LightYears() {
  // Length rows: 32 light years, 14 astronomical units, 13 angstroms.
  return {units::Category::Length, {{FullField, FullField, FullField}, {32, 14, 13}, {32, 14, 13}}};
}

Worst PaperTypes() {
  // Paper rows: 28 US currency (37 digits), 5 bond, 1 grams/sq. meter.
  return {units::Category::Paper, {{FullField, FullField, FullField}, {28, 5, 1}, {28, 6, 1}}};
}

// Argument bits: 1 round up, 2 thousand separators, 4 exponent form.
void Convert(benchmark::State& state, Worst (*make)()) {
  const Worst worst = make();
  units::ResultOptions options;
  options.Places = units::MaxPlaces;
  options.RoundUp = (state.range(0) & 1) != 0;
  options.ThousandSeparators = (state.range(0) & 2) != 0;
  options.ExponentForm = (state.range(0) & 4) != 0;
  const platform::NumberSymbols symbols;
  std::size_t length = 0;
  for (auto _ : state) {
    auto result = units::Convert(worst.category, worst.quantity, options, symbols);
    length = result ? result->size() : 0;
    benchmark::DoNotOptimize(result);
  }
  state.counters["chars"] = static_cast<double>(length);
}

BENCHMARK_CAPTURE(Convert, LightYears, LightYears)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Convert, Paper, PaperTypes)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
