// Arbitrary command lines and batch input through zurmet-convert, and
// arbitrary unit texts through the lookup. Beyond not crashing, it checks
// what holds for any input: a refusal prints nothing on standard output,
// every batch line gets one JSON answer, and a unit the lookup settles on is
// a row of its category that results can write.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "cli/json_forms.h"
#include "units/unit_lookup.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

std::vector<std::string> SplitOnNul(std::string_view text) {
  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\0', start);
    parts.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

void CheckLookup(const std::vector<std::string>& texts) {
  for (const std::string& text : texts) units::SimilarUnits(text);
  units::UnitChoice choice;
  if (!units::ChooseUnits(texts, std::nullopt, choice).empty()) return;
  Require(choice.Rows.size() == texts.size());
  for (int row : choice.Rows) {
    Require(row > 0 && row < units::RowCount(choice.In));
    Require(!units::TypedSymbol(choice.In, row).empty());
  }
}

void CheckCommand(const std::vector<std::string>& args) {
  std::istringstream in;
  std::ostringstream out, err;
  const int status = cli::RunCommand(args, in, out, err, {",", "."});
  Require(status >= cli::ExitResult && status <= cli::ExitIoError);
  if (status == cli::ExitUsage) Require(out.str().empty() && !err.str().empty());
  if (status == cli::ExitResult) Require(!out.str().empty() && out.str().back() == '\n');
}

void CheckBatch(std::string_view input) {
  std::istringstream in{std::string(input)};
  std::ostringstream out, err;
  const std::vector<std::string> args = {"--batch"};
  cli::RunCommand(args, in, out, err, {".", ","});
  std::size_t lines = 0;
  std::istringstream read{std::string(input)};
  for (std::string line; std::getline(read, line);) ++lines;
  std::istringstream answers(out.str());
  std::size_t answered = 0;
  for (std::string answer; std::getline(answers, answer); ++answered) {
    const cli::Json json = cli::ParseLine(answer);
    Require(json.is_object() && (json.contains("result") || json.contains("error")));
  }
  Require(answered == lines);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  switch (data[0] % 3) {
    case 0:
      CheckCommand(SplitOnNul(rest));
      break;
    case 1:
      CheckBatch(rest);
      break;
    default:
      CheckLookup(SplitOnNul(rest));
      break;
  }
  return 0;
}
