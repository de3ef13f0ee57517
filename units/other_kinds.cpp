#include "units/other_kinds.h"

#include <array>
#include <span>
#include <string>

#include "units/unit_index.h"
#include "units/unit_spellings.h"

namespace units {
namespace {

struct OtherKind {
  std::string_view Name;
  std::span<const std::string_view> Units;
};

// What the categories do not hold: rates of events, turning forces, and
// amounts of data per time.
constexpr std::string_view Frequency[] = {"Hz",        "kHz",       "MHz",       "GHz",
                                          "hertz",     "kilohertz", "megahertz", "gigahertz",
                                          "rpm",       "cps"};
constexpr std::string_view Torque[] = {"Nm",          "N m",     "N\u00b7m", "N-m",
                                       "newton metre", "lbf ft", "lbf\u00b7ft", "lb ft",
                                       "lb-ft",        "lbf-ft", "in lbf",      "in-lb"};
constexpr std::string_view DataRate[] = {"bps",    "kbps",   "Mbps",  "Gbps",  "bit/s", "kbit/s",
                                         "Mbit/s", "Gbit/s", "kb/s",  "Mb/s",  "Gb/s",  "B/s",
                                         "kB/s",   "MB/s",   "GB/s",  "KB/s"};

constexpr OtherKind Kinds[] = {
    {"frequency", Frequency},
    {"torque", Torque},
    {"data rate", DataRate},
};

std::optional<std::string_view> KindWith(std::string_view text, bool anyCase) {
  for (const OtherKind& kind : Kinds)
    for (std::string_view unit : kind.Units)
      if (anyCase ? lookup::EqualIgnoringCase(text, unit) : text == unit) return kind.Name;
  return std::nullopt;
}

}  // namespace

std::optional<std::string_view> OtherKindOf(std::string_view typed) {
  const std::string text = lookup::Normalized(typed);
  if (text.empty()) return std::nullopt;
  const std::string singular =
      text.size() >= 3 && text.ends_with('s') ? text.substr(0, text.size() - 1) : text;
  // A symbol whose case carries meaning is no other case's: "nm" is no Nm.
  for (bool anyCase : {false, true}) {
    if (anyCase && lookup::KeepsItsCase(text)) break;
    for (const std::string& form : {text, singular})
      if (auto kind = KindWith(form, anyCase)) return kind;
  }
  return std::nullopt;
}

}  // namespace units
