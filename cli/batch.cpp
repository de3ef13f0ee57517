#include "cli/batch.h"

#include <istream>
#include <ostream>
#include <string>

#include "cli/value_check.h"

namespace cli {

std::string_view TrimResult(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

Json AnswerBatchLine(std::string_view line, const units::ResultOptions& options,
                     const platform::NumberSymbols& symbols, LineOutcome& outcome) {
  outcome = LineOutcome::Unreadable;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const Json parsed = ParseLine(line);
  if (parsed.is_discarded()) return ErrorAnswer("not a JSON value");
  if (!parsed.is_object()) return ErrorAnswer("expected a JSON object");
  if (auto op = parsed.find("op"); op != parsed.end() && *op != "Convert")
    return ErrorAnswer("\"op\" must be \"Convert\" or left out");

  ConvertRequest request;
  request.options = options;
  request.symbols = symbols;
  std::string error = ReadConvertRequest(parsed, Missing::UseDefault, request);
  // Unlike the window, a script gets no silent zero for a value that is
  // not a number; an empty value is an unused term.
  for (std::size_t i = 0; error.empty() && i < request.quantity.Values.size(); ++i) {
    std::string& value = request.quantity.Values[i];
    if (value.empty()) continue;
    std::string fieldText;
    error = CheckValue(request.category, value, fieldText);
    value = std::move(fieldText);
  }
  if (!error.empty()) return ErrorAnswer(error);

  const auto result =
      units::Convert(request.category, request.quantity, request.options, request.symbols);
  if (!result) {
    outcome = LineOutcome::Result;
    return Json{{"result", nullptr}};
  }
  const std::string_view text = TrimResult(*result);
  outcome = text == units::ErrorText ? LineOutcome::ErrorResult : LineOutcome::Result;
  return Json{{"result", text}};
}

int RunBatch(std::istream& in, std::ostream& out, const units::ResultOptions& options,
             const platform::NumberSymbols& symbols, bool flushEachLine) {
  bool anyError = false;
  bool anyUnreadable = false;
  std::string line;
  while (std::getline(in, line)) {
    LineOutcome outcome = LineOutcome::Result;
    out << DumpLine(AnswerBatchLine(line, options, symbols, outcome)) << '\n';
    if (flushEachLine) out.flush();
    anyError = anyError || outcome == LineOutcome::ErrorResult;
    anyUnreadable = anyUnreadable || outcome == LineOutcome::Unreadable;
  }
  out.flush();
  return anyUnreadable ? 2 : anyError ? 1 : 0;
}

}  // namespace cli
