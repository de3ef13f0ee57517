#include "tests/decimal/reference_division.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace reference {
namespace {

// The longest operand, and so the longest quotient, a text may have.
constexpr std::size_t kLongest = 255;

// A number as its digits without the point and how many of them follow it:
// the value is digits / 10^fraction.
struct Number {
  bool negative = false;
  std::string digits;
  std::size_t fraction = 0;
};

// An optional "-" first, then digits with at most one "."; not "", "." or "-".
std::optional<Number> Read(std::string_view text) {
  if (text.empty() || text.size() > kLongest || text == "." || text == "-") return std::nullopt;
  Number number;
  if (text.front() == '-') {
    number.negative = true;
    text.remove_prefix(1);
  }
  bool point = false;
  for (const char c : text) {
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      number.digits.push_back(c);
      if (point) ++number.fraction;
    } else {
      return std::nullopt;
    }
  }
  return number;
}

// Whole numbers below are digit strings without leading zeros; zero is "".
std::string WithoutLeadingZeros(std::string digits) {
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  return digits;
}

bool Less(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return a.size() < b.size();
  return std::memcmp(a.data(), b.data(), a.size()) < 0;
}

std::string Sum(const std::string& a, const std::string& b) {
  std::string reversed;
  int carry = 0;
  for (std::size_t i = 0; i < a.size() || i < b.size() || carry; ++i) {
    const int column = carry + (i < a.size() ? a[a.size() - 1 - i] - '0' : 0) +
                       (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
    reversed.push_back(static_cast<char>('0' + column % 10));
    carry = column / 10;
  }
  return {reversed.rbegin(), reversed.rend()};
}

// a -= b, for b not above a.
void Subtract(std::string& a, const std::string& b) {
  int borrow = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char& digit = a[a.size() - 1 - i];
    int column = digit - '0' - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
    borrow = column < 0 ? 1 : 0;
    digit = static_cast<char>('0' + column + 10 * borrow);
  }
  a = WithoutLeadingZeros(std::move(a));
}

// The remainder takes the next digit of the dividend, and the divisor is
// taken from it as often as it goes: that count is the quotient's digit.
class LongDivision {
 public:
  explicit LongDivision(const std::string& divisor) {
    for (std::size_t k = 1; k < multiples_.size(); ++k)
      multiples_[k] = Sum(multiples_[k - 1], divisor);
  }

  char Next(char digit) {
    if (!remainder_.empty() || digit != '0') remainder_.push_back(digit);
    std::size_t count = multiples_.size() - 1;
    while (Less(remainder_, multiples_[count])) --count;
    Subtract(remainder_, multiples_[count]);
    return static_cast<char>('0' + count);
  }

  bool Even() const { return remainder_.empty(); }

 private:
  std::array<std::string, 10> multiples_;  // the divisor times 0 to 9
  std::string remainder_;
};

bool IsOne(const Number& n) {
  return WithoutLeadingZeros(n.digits) == "1" + std::string(n.fraction, '0');
}

// What BigDiv answers for a divisor of one: the dividend as it was written,
// less the zeros that end its fraction and those in front of it (a point
// stays), or the part of that before its point.
std::string WrittenAsGiven(std::string_view text, bool integerOnly) {
  std::string written(text.substr(text.front() == '-' ? 1 : 0));
  if (written.find('.') != std::string::npos) written.erase(written.find_last_not_of('0') + 1);
  written.erase(0, std::min(written.find_first_not_of('0'), written.size()));
  if (integerOnly) written.erase(std::min(written.find('.'), written.size()));
  return written.empty() || written == "." ? "0" : written;
}

}  // namespace

std::optional<std::string> Quotient(std::string_view a, std::string_view b, bool integerOnly) {
  const std::optional<Number> x = Read(a);
  const std::optional<Number> y = Read(b);
  if (!x || !y) return std::nullopt;
  const std::string sign = x->negative != y->negative ? "-" : "";
  // Both over one power of ten: x / y = (x digits · 10^y fraction) / (y digits · 10^x fraction).
  const std::string dividend = WithoutLeadingZeros(x->digits + std::string(y->fraction, '0'));
  const std::string divisor = WithoutLeadingZeros(y->digits + std::string(x->fraction, '0'));
  if (divisor.empty()) return std::nullopt;
  if (IsOne(*y)) return sign + WrittenAsGiven(a, integerOnly);
  if (dividend.empty()) return "0";

  LongDivision division(divisor);
  std::string whole;
  for (const char digit : dividend) whole.push_back(division.Next(digit));
  whole = WithoutLeadingZeros(std::move(whole));
  if (division.Even() || integerOnly) return sign + (whole.empty() ? "0" : whole);
  // An endless fraction is cut where the text, sign included, reaches the limit.
  const std::size_t limit = kLongest - sign.size();
  std::string quotient = whole + ".";
  while (!division.Even() && quotient.size() < limit) quotient.push_back(division.Next('0'));
  return sign + quotient;
}

}  // namespace reference
