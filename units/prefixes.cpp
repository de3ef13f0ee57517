#include "units/prefixes.h"

namespace units {
namespace {

constexpr PrefixRow Prefixes[] = {
    {"yotta", "Y", "10^24", "deci", "d", "10^-01"},
    {"zetta", "Z", "10^21", "centi", "c", "10^-02"},
    {"exa", "E", "10^18", "milli", "m", "10^-03"},
    {"peta", "P", "10^15", "micro", "\u00b5", "10^-06"},
    {"tera", "T", "10^12", "nano", "n", "10^-09"},
    {"giga", "G", "10^09", "pico", "p", "10^-12"},
    {"mega", "M", "10^06", "femto", "f", "10^-15"},
    {"kilo", "k", "10^03", "atto", "a", "10^-18"},
    {"hecto", "h", "10^02", "zepto", "z", "10^-21"},
    {"deka", "da", "10^01", "yocto", "y", "10^-24"},
};

}  // namespace

std::span<const PrefixRow> MetricPrefixes() { return Prefixes; }

}  // namespace units
