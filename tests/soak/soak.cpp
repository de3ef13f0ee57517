// The converter window under long, careless use: a seeded random driver
// types, pastes, clicks and picks through the platform's real input, checks
// what the window must always show after every step, and samples the
// process's resources as it goes.
//
//   zurmet_soak [--seed N|random] [--steps N] [--trace-from N] [--warmup N]
//               [--sample-every N] [--quiet-ms N] [--expect-flat]
//
// A failure names the seed and the step; the same seed replays the same
// steps, and --trace-from prints each one from that step on.
#include <algorithm>
#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "driver.h"
#include "resources.h"

namespace soak {

namespace {

struct Options {
  std::uint64_t seed = 1;
  long steps = 2000;
  long traceFrom = -1;
  long warmup = 500;
  long sampleEvery = 500;
  bool expectFlat = false;
};

// A whole number with nothing after it.
std::optional<long long> Number(const char* text) {
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(text, &end, 10);
  if (end == text || *end != '\0' || errno != 0) return std::nullopt;
  return value;
}

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    if (option == "--expect-flat") {
      options.expectFlat = true;
      continue;
    }
    if (!value) return std::nullopt;
    ++i;
    if (option == "--seed" && std::strcmp(value, "random") == 0) {
      options.seed = std::random_device{}();
      continue;
    }
    const std::optional<long long> number = Number(value);
    if (!number) return std::nullopt;
    if (option == "--seed") {
      if (*number < 0) return std::nullopt;
      options.seed = static_cast<std::uint64_t>(*number);
    } else if (option == "--steps") {
      options.steps = static_cast<long>(*number);
    } else if (option == "--trace-from") {
      options.traceFrom = static_cast<long>(*number);
    } else if (option == "--warmup") {
      options.warmup = static_cast<long>(*number);
    } else if (option == "--sample-every") {
      options.sampleEvery = static_cast<long>(*number);
    } else if (option == "--quiet-ms") {
      QuietMilliseconds = static_cast<int>(*number);
    } else {
      return std::nullopt;
    }
  }
  if (options.steps < 0 || options.warmup < 0 || options.sampleEvery <= 0) return std::nullopt;
  return options;
}

struct Sample {
  long step = 0;
  std::vector<Counter> counters;
};

void PrintSample(const Sample& sample) {
  std::printf("resources at step %ld:", sample.step);
  for (const Counter& counter : sample.counters)
    std::printf("  %s %lld", counter.name.c_str(), static_cast<long long>(counter.value));
  std::printf("\n");
}

// The growth of each counter from the first sample to the last, as a report.
void ReportGrowth(const std::vector<Sample>& samples) {
  if (samples.size() < 2) return;
  const Sample& first = samples.front();
  const Sample& last = samples.back();
  std::printf("growth from step %ld to step %ld:", first.step, last.step);
  for (std::size_t i = 0; i < first.counters.size(); ++i)
    std::printf("  %s %+lld", first.counters[i].name.c_str(),
                static_cast<long long>(last.counters[i].value - first.counters[i].value));
  std::printf("\n");
}

// An object count follows what the window shows as well as what it keeps:
// the system makes a font for characters a field holds that its own font
// lacks, and frees it when the field is cleared, so two samples may differ
// by a few objects that nobody leaked. A leak raises the lowest count the
// process comes back to. So the counts are also taken every kFloorEvery
// steps, without disturbing the run, and the lowest of the first third after
// the warm-up is compared with the lowest of the last third.
constexpr long kFloorEvery = 50;

struct Floors {
  std::vector<Counter> first, last;  // the lowest counts of each third
};

void Lower(std::vector<Counter>& floor, const std::vector<Counter>& counts) {
  if (floor.empty()) {
    floor = counts;
    return;
  }
  for (std::size_t i = 0; i < floor.size() && i < counts.size(); ++i)
    floor[i].value = std::min(floor[i].value, counts[i].value);
}

bool ReportFloors(const Floors& floors, bool expectFlat) {
  if (floors.first.empty() || floors.last.empty()) {
    if (expectFlat) std::printf("soak: FAILED: too few steps after the warm-up, nothing compared\n");
    return !expectFlat;
  }
  bool flat = true;
  std::printf("lowest counts, first third to last third:");
  for (std::size_t i = 0; i < floors.first.size(); ++i) {
    const Counter& first = floors.first[i];
    const std::int64_t growth = floors.last[i].value - first.value;
    if (first.tolerance < 0) continue;
    std::printf("  %s %lld to %lld", first.name.c_str(), static_cast<long long>(first.value),
                static_cast<long long>(floors.last[i].value));
    if (growth > first.tolerance || growth < -first.tolerance) flat = false;
  }
  std::printf("\n");
  if (expectFlat && !flat) std::printf("soak: FAILED: an object count moved after the warm-up\n");
  return flat || !expectFlat;
}

int Run(const Options& options) {
  std::printf("soak: seed %llu, %ld steps\n", static_cast<unsigned long long>(options.seed),
              options.steps);
  std::fflush(stdout);
  StartCounting();
  Driver driver(options.seed);
  std::vector<Sample> samples;
  Floors floors;
  const long third = (options.steps - options.warmup) / 3;
  const auto start = std::chrono::steady_clock::now();
  for (long step = 1; step <= options.steps; ++step) {
    const std::string what = driver.Step();
    if (step >= options.traceFrom && options.traceFrom >= 0)
      std::printf("step %ld: %s\n", step, what.c_str());
    if (const std::optional<std::string> fault = driver.Check()) {
      std::printf("soak: FAILED at seed %llu step %ld (%s): %s\n",
                  static_cast<unsigned long long>(options.seed), step, what.c_str(),
                  fault->c_str());
      return 1;
    }
    const long afterWarmup = step - options.warmup;
    if (third >= kFloorEvery && afterWarmup >= 0 && afterWarmup % kFloorEvery == 0) {
      if (afterWarmup <= third) Lower(floors.first, SampleResources());
      if (afterWarmup >= 2 * third) Lower(floors.last, SampleResources());
    }
    if (step >= options.warmup && (step - options.warmup) % options.sampleEvery == 0) {
      driver.Rest();
      samples.push_back({step, SampleResources()});
      PrintSample(samples.back());
    }
    std::fflush(stdout);
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("soak: %ld steps in %.1f s, %.1f steps/s\n", options.steps, seconds,
              seconds > 0 ? options.steps / seconds : 0.0);
  ReportGrowth(samples);
  const bool flat = ReportFloors(floors, options.expectFlat);
  // Before the leak checker of a sanitized build ends the process.
  std::fflush(stdout);
  return flat ? 0 : 1;
}

}  // namespace

}  // namespace soak

int main(int argc, char** argv) {
  const std::optional<soak::Options> options = soak::ParseOptions(argc, argv);
  if (!options) {
    std::fprintf(stderr,
                 "usage: zurmet_soak [--seed N|random] [--steps N] [--trace-from N] "
                 "[--warmup N] [--sample-every N] [--quiet-ms N] [--expect-flat]\n");
    return 2;
  }
  return soak::Run(*options);
}
