#include "cli/batch_reader.h"

#include "platform/utf8.h"

namespace cli {
namespace {

// Reads one line left to right; every method returns false as soon as the
// text leaves the plain form, and the line then goes to the full reader.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool AtEnd() {
    SkipSpace();
    return at_ == text_.size();
  }

  bool Take(char c) {
    SkipSpace();
    if (at_ == text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
  }

  bool Peek(char c) {
    SkipSpace();
    return at_ < text_.size() && text_[at_] == c;
  }

  // A string without escapes, of well-formed UTF-8 and no control
  // characters.
  bool String(std::string_view& out) {
    if (!Take('"')) return false;
    const std::size_t start = at_;
    while (at_ < text_.size()) {
      const auto c = static_cast<unsigned char>(text_[at_]);
      if (c == '"') {
        out = text_.substr(start, at_ - start);
        ++at_;
        return true;
      }
      if (c == '\\' || c < 0x20) return false;
      if (c < 0x80) {
        ++at_;
        continue;
      }
      const auto decoded = platform::DecodeFirst(text_.substr(at_));
      if (!decoded) return false;
      at_ += decoded->length;
    }
    return false;
  }

  // A whole number of at most nine digits, as JSON writes it.
  bool Integer(int& out) {
    SkipSpace();
    const bool negative = at_ < text_.size() && text_[at_] == '-';
    if (negative) ++at_;
    const std::size_t start = at_;
    int value = 0;
    while (at_ < text_.size() && IsDigit(text_[at_]) && at_ - start < 9)
      value = value * 10 + (text_[at_++] - '0');
    const std::size_t digits = at_ - start;
    if (digits == 0 || (digits > 1 && text_[start] == '0')) return false;
    if (at_ < text_.size() &&
        (IsDigit(text_[at_]) || text_[at_] == '.' || text_[at_] == 'e' || text_[at_] == 'E'))
      return false;
    out = negative ? -value : value;
    return true;
  }

  bool Boolean(bool& out) {
    SkipSpace();
    for (const auto& [word, value] :
         {std::pair{std::string_view("true"), true}, {"false", false}}) {
      if (text_.substr(at_).starts_with(word)) {
        at_ += word.size();
        out = value;
        return true;
      }
    }
    return false;
  }

  bool StartsString() { return Peek('"'); }

 private:
  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

  void SkipSpace() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\r' || text_[at_] == '\n'))
      ++at_;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

// "key": value pairs of an object, each key at most once among known.
template <std::size_t N, typename ReadValue>
bool Members(Scanner& scan, const std::array<std::string_view, N>& known, ReadValue readValue) {
  if (!scan.Take('{')) return false;
  std::array<bool, N> seen{};
  if (scan.Take('}')) return true;
  do {
    std::string_view key;
    if (!scan.String(key) || !scan.Take(':')) return false;
    std::size_t which = 0;
    while (which < N && known[which] != key) ++which;
    if (which == N || seen[which]) return false;
    seen[which] = true;
    if (!readValue(which)) return false;
  } while (scan.Take(','));
  return scan.Take('}');
}

// An array of one to three items.
template <typename ReadItem>
bool Items(Scanner& scan, std::size_t& count, ReadItem readItem) {
  if (!scan.Take('[')) return false;
  count = 0;
  do {
    if (count == units::TermCount || !readItem(count)) return false;
    ++count;
  } while (scan.Take(','));
  return scan.Take(']');
}

bool Units(Scanner& scan, PlainList& list) {
  return Items(scan, list.count, [&](std::size_t i) {
    PlainUnit& unit = list.items[i];
    if (scan.StartsString()) return scan.String(unit.name);
    int row = 0;
    if (!scan.Integer(row)) return false;
    unit.row = row;
    return true;
  });
}

bool Options(Scanner& scan, PlainRequest& request) {
  constexpr std::array<std::string_view, 4> known = {"places", "roundUp", "thousandSeparators",
                                                     "exponentForm"};
  return Members(scan, known, [&](std::size_t which) {
    if (which == 0) {
      int places = 0;
      if (!scan.Integer(places)) return false;
      request.places = places;
      return true;
    }
    bool flag = false;
    if (!scan.Boolean(flag)) return false;
    (which == 1   ? request.roundUp
     : which == 2 ? request.thousandSeparators
                  : request.exponentForm) = flag;
    return true;
  });
}

bool Symbols(Scanner& scan, PlainRequest& request) {
  constexpr std::array<std::string_view, 2> known = {"decimal", "thousand"};
  return Members(scan, known, [&](std::size_t which) {
    std::string_view symbol;
    if (!scan.String(symbol)) return false;
    (which == 0 ? request.decimal : request.thousand) = symbol;
    return true;
  });
}

}  // namespace

std::optional<PlainRequest> ReadPlainLine(std::string_view line) {
  constexpr std::array<std::string_view, 7> known = {"op", "category", "values", "from",
                                                     "to", "options",  "symbols"};
  Scanner scan(line);
  PlainRequest request;
  const bool read = Members(scan, known, [&](std::size_t which) {
    switch (which) {
      case 0: {
        std::string_view op;
        if (!scan.String(op)) return false;
        request.op = op;
        return true;
      }
      case 1: {
        if (scan.StartsString()) {
          std::string_view name;
          if (!scan.String(name)) return false;
          request.categoryName = name;
          return true;
        }
        int number = 0;
        if (!scan.Integer(number)) return false;
        request.categoryNumber = number;
        return true;
      }
      case 2:
        request.hasValues = true;
        return Items(scan, request.valueCount,
                     [&](std::size_t i) { return scan.String(request.values[i]); });
      case 3:
        request.hasFrom = true;
        return Units(scan, request.from);
      case 4:
        request.hasTo = true;
        return Units(scan, request.to);
      case 5:
        request.hasOptions = true;
        return Options(scan, request);
      default:
        request.hasSymbols = true;
        return Symbols(scan, request);
    }
  });
  if (!read || !scan.AtEnd()) return std::nullopt;
  return request;
}

}  // namespace cli
