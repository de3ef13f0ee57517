#include "tests/decimal/reference_division.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

#include "decimal/bignum.h"

namespace reference {
namespace {

using decimal::MaxLength;
using decimal::RemovePoint;
using decimal::StripLeadingZeros;
using decimal::StripTrailingZeros;
using Answer = std::optional<std::string>;

int DigitValue(char c) { return c >= '0' && c <= '9' ? c - '0' : 0; }

bool HasPoint(std::string_view text) { return text.find('.') != std::string_view::npos; }

bool DigitsLess(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

void NormaliseDivOperand(std::string& text) {
  if (!text.empty() && text.back() == '0' && HasPoint(text)) StripTrailingZeros(text);
  if (!text.empty() && text.front() == '0') StripLeadingZeros(text);
}

std::string WholePart(const std::string& a) {
  std::string whole = a.substr(0, a.find('.'));
  return whole.empty() ? "0" : whole;
}

std::optional<Answer> QuickQuotient(const std::string& a, const std::string& b, bool negative,
                                    bool integerOnly) {
  const auto withSign = [&](std::string text) {
    if (negative) text.insert(0, 1, '-');
    return std::optional<Answer>(std::move(text));
  };
  if (b == "0" || b == "0.") return Answer();
  if (b == "1" || b == "1.") return withSign(integerOnly ? WholePart(a) : a);
  if (a == "0" || a == "0.") return Answer("0");
  if (a == b) return withSign("1");
  return std::nullopt;
}

// remainder -= product for digit strings without leading zeros.
void SubtractInPlace(std::string& remainder, std::string_view product) {
  int borrow = 0;
  std::size_t i = remainder.size();
  for (std::size_t j = product.size(); i > 0; --i) {
    const int subtrahend = (j > 0 ? DigitValue(product[--j]) : 0) + borrow;
    int digit = DigitValue(remainder[i - 1]) - subtrahend;
    borrow = digit < 0 ? 1 : 0;
    remainder[i - 1] = static_cast<char>('0' + digit + 10 * borrow);
    if (j == 0 && borrow == 0) break;
  }
  StripLeadingZeros(remainder);
}

// The divisor times one digit, as a digit string without leading zeros.
std::string TimesDigit(const std::string& divisor, int digit) {
  std::string product(divisor.size() + 1, '0');
  int carry = 0;
  for (std::size_t i = divisor.size(); i > 0; --i) {
    const int column = DigitValue(divisor[i - 1]) * digit + carry;
    product[i] = static_cast<char>('0' + column % 10);
    carry = column / 10;
  }
  product[0] = static_cast<char>('0' + carry);
  StripLeadingZeros(product);
  return product;
}

class LongDivision {
 public:
  explicit LongDivision(std::string divisor) : divisor_(std::move(divisor)) {
    remainder_.reserve(2 * MaxLength + 2);
    for (int digit = 1; digit <= 9; ++digit) trials_[digit] = TimesDigit(divisor_, digit);
  }

  void Step(char digit, std::string& quotient) {
    remainder_.push_back(digit);
    if (DigitsLess(remainder_, divisor_)) {
      quotient.push_back('0');
    } else {
      const int q = FindDigit();
      SubtractInPlace(remainder_, trials_[q]);
      quotient.push_back(static_cast<char>('0' + q));
    }
    if (remainder_ == "0") remainder_.clear();
  }

  bool Even() const { return remainder_.empty(); }

 private:
  // Binary search over 1..9 for the largest digit whose product fits.
  int FindDigit() const {
    int lo = 1;
    int hi = 9;
    int mid = (hi + lo) / 2;
    while (hi >= lo) {
      const std::string& product = trials_[mid];
      if (product == remainder_) break;
      if (DigitsLess(remainder_, product)) {
        hi = mid - 1;
      } else {
        lo = mid + 1;
      }
      mid = (hi + lo) / 2;
    }
    return mid;
  }

  std::string divisor_;
  std::string remainder_;
  std::array<std::string, 10> trials_;
};

}  // namespace

std::optional<std::string> BigDiv(std::string_view aText, std::string_view bText, bool skipCheck,
                                  bool integerOnly) {
  if (aText.size() > MaxLength || bText.size() > MaxLength) return std::nullopt;
  if (!skipCheck && !(decimal::IsValidNumber(aText) && decimal::IsValidNumber(bText))) {
    return std::nullopt;
  }
  std::string a(aText);
  std::string b(bText);
  bool negative = false;
  if (!a.empty() && a.front() == '-') {
    a[0] = '0';
    negative = true;
  }
  if (!b.empty() && b.front() == '-') {
    b[0] = '0';
    negative = !negative;
  }
  NormaliseDivOperand(a);
  NormaliseDivOperand(b);
  if (auto quick = QuickQuotient(a, b, negative, integerOnly)) return *std::move(quick);

  // Scale both to whole numbers with the same factor of ten.
  int aFraction = 0;
  int bFraction = 0;
  for (auto [text, fraction] : {std::pair{&a, &aFraction}, std::pair{&b, &bFraction}}) {
    const std::size_t point = text->find('.');
    if (point == std::string::npos) continue;
    *fraction = static_cast<int>(text->size() - point - 1);
    RemovePoint(*text);
  }
  std::string& fewer = aFraction < bFraction ? a : b;
  fewer.append(std::abs(aFraction - bFraction), '0');
  for (std::string* text : {&a, &b}) {
    if (!text->empty() && text->front() == '0') StripLeadingZeros(*text);
  }
  if (b.empty()) return std::nullopt;
  if (auto quick = QuickQuotient(a, b, negative, integerOnly)) return *std::move(quick);

  const std::size_t limit = negative ? MaxLength - 1 : MaxLength;
  std::string quotient;
  quotient.reserve(std::max(a.size(), MaxLength) + 2);
  LongDivision division(std::move(b));
  for (char digit : a) division.Step(digit, quotient);
  if (!quotient.empty() && quotient.front() == '0') StripLeadingZeros(quotient);

  if (!division.Even()) {
    if (quotient == "0") quotient.clear();
    if (integerOnly) {
      if (quotient.empty()) quotient = "0";
    } else {
      quotient.push_back('.');
      while (!division.Even() && quotient.size() < limit) division.Step('0', quotient);
    }
  }
  if (negative) quotient.insert(0, 1, '-');
  return quotient;
}

}  // namespace reference
