#include <algorithm>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "units/unit_index.h"
#include "units/unit_lookup.h"

namespace units {
namespace {

// Edits (insert, delete, replace, swap two neighbours) from a to b.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

struct Candidate {
  std::size_t distance;
  bool rare;  // no unit of it is among its category's common units
  std::string text;
};

bool IsCommon(const lookup::Index& index, std::string_view known) {
  lookup::Entries entries;
  index.AppendTo(entries, known);
  return std::any_of(entries.begin(), entries.end(), [](const lookup::Entry& entry) {
    return lookup::IsCommonRow(entry.In, entry.Row);
  });
}

}  // namespace

std::vector<std::string> SimilarUnits(std::string_view typed) {
  constexpr std::size_t Longest = 40;
  const std::string text = lookup::Folded(lookup::Normalized(typed));
  if (text.empty() || text.size() > Longest) return {};
  const std::size_t limit = text.size() <= 3 ? 1 : text.size() <= 6 ? 2 : 3;
  std::vector<Candidate> close;
  const auto consider = [&](const lookup::Index& index, std::string_view known) {
    const std::size_t distance = EditDistance(text, lookup::Folded(known));
    if (distance <= limit) close.push_back({distance, !IsCommon(index, known), std::string(known)});
  };
  const lookup::Indexes& indexes = lookup::TheIndexes();
  indexes.words.ForEachText([&](std::string_view known) { consider(indexes.words, known); });
  indexes.exact.ForEachText([&](std::string_view known) { consider(indexes.exact, known); });
  // Closest first; of those as close, a unit in common use ("yd" before
  // "rd" for "yrd").
  std::stable_sort(close.begin(), close.end(), [](const Candidate& a, const Candidate& b) {
    return std::tie(a.distance, a.rare) < std::tie(b.distance, b.rare);
  });
  std::vector<std::string> similar;
  for (const Candidate& candidate : close) {
    if (similar.size() == 3) break;
    if (std::find(similar.begin(), similar.end(), candidate.text) == similar.end())
      similar.push_back(candidate.text);
  }
  return similar;
}

}  // namespace units
