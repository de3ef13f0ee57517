#include "decimal/bignum.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <utility>

#include "decimal/natural.h"

namespace decimal {
namespace {

using Answer = std::optional<std::string>;

constexpr int MaxLen = static_cast<int>(MaxLength);

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A byte that is not a digit can only arrive when a caller skipped the check;
// reading it as 0 keeps every limb and carry in range.
int DigitValue(char c) { return IsDigit(c) ? c - '0' : 0; }

bool HasPoint(std::string_view text) { return text.find('.') != std::string_view::npos; }

bool IsNegative(std::string_view text) { return !text.empty() && text.front() == '-'; }

bool TooLong(std::string_view a, std::string_view b) {
  return a.size() > MaxLength || b.size() > MaxLength;
}

// The guard in front of every operation: the validity check unless skipped,
// and the length limit always, since the fixed limb arrays depend on it.
bool Rejected(std::string_view a, std::string_view b, bool skipCheck) {
  if (TooLong(a, b)) return true;
  return !skipCheck && !(IsValidNumber(a) && IsValidNumber(b));
}

// big - small for two digit strings of one length, big >= small, as
// digits of that length.
std::string SubtractDigits(std::string_view big, std::string_view small) {
  assert(big.size() == small.size() && big >= small);
  std::string difference(big.size(), '0');
  int borrow = 0;
  for (std::size_t i = big.size(); i-- > 0;) {
    const int digit = DigitValue(big[i]) - DigitValue(small[i]) - borrow;
    borrow = digit < 0 ? 1 : 0;
    difference[i] = static_cast<char>('0' + digit + 10 * borrow);
  }
  return difference;
}

// Both texts hold a point. Zeros in front of the text whose point stands
// further left line the points up, zeros behind the shorter even the lengths.
// With a limit, a text may not grow in front beyond MaxLength characters.
bool LineUpPoints(std::string& a, std::string& b, bool limited) {
  assert(HasPoint(a) && HasPoint(b));
  const std::size_t aPoint = a.find('.');
  const std::size_t bPoint = b.find('.');
  if (aPoint != bPoint) {
    std::string& behind = aPoint < bPoint ? a : b;
    const std::size_t shift = aPoint < bPoint ? bPoint - aPoint : aPoint - bPoint;
    if (limited && behind.size() + shift > MaxLength) return false;
    behind.insert(0, shift, '0');
  }
  std::string& shorter = a.size() < b.size() ? a : b;
  shorter.append(std::max(a.size(), b.size()) - shorter.size(), '0');
  return true;
}

// Aligns two unsigned texts, at least one with a point, on their points and
// removes the points, leaving digit strings of one length; point is the
// point's place counted from 1. False when a text of MaxLength characters
// would have to grow.
bool AlignPoints(std::string& a, std::string& b, int& point) {
  for (std::string* text : {&a, &b}) {
    if (HasPoint(*text)) continue;
    if (text->size() >= MaxLength) return false;
    text->push_back('.');
  }
  if (!LineUpPoints(a, b, true)) return false;
  point = static_cast<int>(a.find('.')) + 1;
  RemovePoint(a);
  RemovePoint(b);
  return true;
}

Answer Sub(std::string a, std::string b, bool skipCheck);

Answer Add(std::string a, std::string b, bool skipCheck) {
  if (Rejected(a, b, skipCheck)) return std::nullopt;
  const bool aNegative = IsNegative(a);
  const bool bNegative = IsNegative(b);
  if (aNegative) a.erase(0, 1);
  if (bNegative) b.erase(0, 1);
  if (aNegative != bNegative) {
    // Mixed signs are a difference of magnitudes.
    if (aNegative) return Sub(std::move(b), std::move(a), false);
    return Sub(std::move(a), std::move(b), false);
  }
  if (!HasPoint(a)) a.push_back('.');
  if (!HasPoint(b)) b.push_back('.');
  LineUpPoints(a, b, false);
  a.insert(0, 1, '0');  // room for the last carry
  b.insert(0, 1, '0');
  if (a.size() > MaxLength - 1) return std::nullopt;

  // The point column adds 0 + 9 + carry, which passes a carry on unchanged.
  const std::size_t point = a.find('.');
  a[point] = '0';
  b[point] = '9';
  std::string sum(a.size(), '0');
  int carry = 0;
  for (std::size_t i = a.size() - 1; i >= 1; --i) {
    int column = DigitValue(a[i]) + DigitValue(b[i]) + carry;
    carry = column > 9 ? 1 : 0;
    sum[i] = static_cast<char>('0' + column - 10 * carry);
  }
  sum[0] = static_cast<char>('0' + carry);
  sum[point] = '.';
  StripTrailingZeros(sum);
  StripLeadingZeros(sum);
  if (aNegative) sum.insert(0, 1, '-');
  return sum;
}

Answer Sub(std::string a, std::string b, bool skipCheck) {
  if (Rejected(a, b, skipCheck)) return std::nullopt;
  if (b == "0") return a;
  const bool aNegative = IsNegative(a);
  const bool bNegative = IsNegative(b);
  if (aNegative != bNegative) {
    // Mixed signs are a sum of magnitudes; the sum must leave room for a sign.
    Answer sum =
        aNegative ? Add(a.substr(1), std::move(b), true) : Add(std::move(a), b.substr(1), true);
    if (!sum || sum->size() == MaxLength) return std::nullopt;
    if (aNegative) sum->insert(0, 1, '-');
    return sum;
  }
  if (a == b) return "0";
  const bool negative = aNegative;
  if (negative) {
    a.erase(0, 1);
    b.erase(0, 1);
  }
  int point = 0;
  if ((HasPoint(a) || HasPoint(b)) && !AlignPoints(a, b, point)) return std::nullopt;
  std::string& shorter = a.size() < b.size() ? a : b;
  shorter.insert(0, std::max(a.size(), b.size()) - shorter.size(), '0');
  const int n = static_cast<int>(a.size());
  if (n == 0 || n > MaxLen) return std::nullopt;

  const bool swapped = a < b;
  if (swapped) std::swap(a, b);
  std::string difference = SubtractDigits(a, b);
  if (point > 0) {
    if (difference.size() >= MaxLength) return std::nullopt;
    difference.insert(static_cast<std::size_t>(point - 1), 1, '.');
  }
  if (difference.front() == '0') StripLeadingZeros(difference);
  if (HasPoint(difference) && difference.back() == '0') StripTrailingZeros(difference);
  if (swapped != negative) {
    if (difference.size() >= MaxLength && !HasPoint(difference)) return std::nullopt;
    difference.insert(0, 1, '-');
  }
  return difference;
}

struct MulOperand {
  std::string text;
  bool negative = false;
  int fraction = 0;
};

// Trailing fraction zeros and a trailing point go; the sign stays.
MulOperand NormaliseFactor(std::string text) {
  MulOperand op;
  if (HasPoint(text) && text.back() == '0') StripTrailingZeros(text);
  if (!text.empty() && text.back() == '.') text.pop_back();
  op.negative = IsNegative(text);
  const std::size_t point = text.find('.');
  if (point != std::string::npos) op.fraction = static_cast<int>(text.size() - point - 1);
  if (!text.empty() && text.front() == '0') StripLeadingZeros(text);
  op.text = std::move(text);
  return op;
}

bool IsZero(std::string_view text) {
  return text.find_first_of("123456789") == std::string_view::npos;
}

// Turns a normalised factor into a bare digit string, counting the zeros it
// drops from its end.
void ToDigitString(MulOperand& op, int& zeros) {
  if (HasPoint(op.text)) {
    RemovePoint(op.text);
    StripLeadingZeros(op.text);
  }
  while (op.text.size() > 1 && op.text.back() == '0') {
    op.text.pop_back();
    ++zeros;
  }
  if (op.negative && !op.text.empty() && op.text.front() == '-') op.text.erase(0, 1);
}

Answer Mul(std::string a, std::string b, bool skipCheck) {
  if (Rejected(a, b, skipCheck)) return std::nullopt;
  MulOperand x = NormaliseFactor(std::move(a));
  MulOperand y = NormaliseFactor(std::move(b));
  if (IsZero(x.text) || IsZero(y.text)) return "0";
  // Multiplying by one answers the other factor as normalised so far.
  if (x.text == "1") return std::move(y.text);
  if (y.text == "1") return std::move(x.text);
  int fraction = x.fraction + y.fraction;
  const bool negative = x.negative != y.negative;
  int zeros = 0;
  ToDigitString(x, zeros);
  ToDigitString(y, zeros);

  std::string text;
  Multiply(Natural::FromDigits(x.text), Natural::FromDigits(y.text)).AppendDigits(text, 1);
  const int c = static_cast<int>(text.size());
  for (; zeros > 0; --zeros) {
    if (fraction > 0) {
      --fraction;
    } else {
      if (text.size() >= MaxLength) return std::nullopt;
      text.push_back('0');
    }
  }
  if (c > MaxLen && (fraction == 0 || fraction < c)) return std::nullopt;
  if (c < fraction) text.insert(0, fraction - c, '0');
  if (fraction > 0) text.insert(text.size() - fraction, 1, '.');
  if (text.front() == '0') StripLeadingZeros(text);
  if (negative) {
    if (text.size() >= MaxLength && !HasPoint(text)) return std::nullopt;
    text.insert(0, 1, '-');
  }
  return text;
}

struct DivOperand {
  std::string text;
  int fraction = 0;
};

void NormaliseDivOperand(std::string& text) {
  if (!text.empty() && text.back() == '0' && HasPoint(text)) StripTrailingZeros(text);
  if (!text.empty() && text.front() == '0') StripLeadingZeros(text);
}

// The whole part of a normalised dividend, for a whole quotient by one.
std::string WholePart(const std::string& a) {
  std::string whole = a.substr(0, a.find('.'));
  return whole.empty() ? "0" : whole;
}

// The answers that need no long division: an empty optional when there is
// none, an empty optional inside for division by zero.
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

// The digits of the whole part of x / y, for digit strings without leading
// zeros: the quotient of two numbers has as many digits as their lengths
// differ, one more when the dividend's head is not below the divisor.
std::size_t WholeDigits(std::string_view x, std::string_view y) {
  if (x.size() < y.size()) return 0;
  return x.size() - y.size() + (x.compare(0, y.size(), y) >= 0 ? 1 : 0);
}

Answer Div(std::string a, std::string b, bool skipCheck, bool integerOnly) {
  if (Rejected(a, b, skipCheck)) return std::nullopt;
  bool negative = false;
  if (IsNegative(a)) {
    a[0] = '0';
    negative = true;
  }
  if (IsNegative(b)) {
    b[0] = '0';
    negative = !negative;
  }
  NormaliseDivOperand(a);
  NormaliseDivOperand(b);
  if (auto quick = QuickQuotient(a, b, negative, integerOnly)) return *std::move(quick);

  // Scale both to whole numbers with the same factor of ten.
  DivOperand x{std::move(a)};
  DivOperand y{std::move(b)};
  for (DivOperand* op : {&x, &y}) {
    const std::size_t point = op->text.find('.');
    if (point == std::string::npos) continue;
    op->fraction = static_cast<int>(op->text.size() - point - 1);
    RemovePoint(op->text);
  }
  DivOperand& fewer = x.fraction < y.fraction ? x : y;
  fewer.text.append(std::abs(x.fraction - y.fraction), '0');
  for (DivOperand* op : {&x, &y}) {
    if (!op->text.empty() && op->text.front() == '0') StripLeadingZeros(op->text);
  }
  // Scaling can leave an empty divisor only when a check was skipped.
  if (y.text.empty()) return std::nullopt;
  if (auto quick = QuickQuotient(x.text, y.text, negative, integerOnly)) return *std::move(quick);

  // An endless quotient is cut at the length limit, its point included; a
  // whole part already at the limit keeps its point and no fraction.
  const std::size_t limit = negative ? MaxLength - 1 : MaxLength;
  const std::size_t whole = WholeDigits(x.text, y.text);
  const std::size_t places = integerOnly || whole + 1 >= limit ? 0 : limit - whole - 1;
  // Operands within the limit always fit; the check keeps any other input
  // off the fixed limb arrays.
  if (x.text.size() + places > Natural::MaxDigits || y.text.size() > Natural::MaxDigits) {
    return std::nullopt;
  }
  const Natural divisor = Natural::FromDigits(y.text);
  if (divisor.IsZero()) return std::nullopt;  // only when a check was skipped
  // All the digits at once: the dividend scaled by 10^places over the divisor.
  const Natural::Division division = Divide(Natural::FromDigits(x.text, places), divisor);
  std::string quotient;
  quotient.reserve(std::max(x.text.size(), MaxLength) + 2);
  division.quotient.AppendDigits(quotient, places);
  const std::size_t point = quotient.size() - places;
  const std::size_t lastFigure = quotient.find_last_not_of('0');
  const bool even = !division.remainder && (lastFigure == std::string::npos || lastFigure < point);
  if (even) {
    quotient.resize(point);
  } else if (integerOnly) {
    if (quotient.empty()) quotient = "0";
  } else {
    // A quotient that ends before the limit ends at its last figure.
    if (!division.remainder) quotient.resize(lastFigure + 1);
    quotient.insert(point, 1, '.');
  }
  if (negative) quotient.insert(0, 1, '-');
  return quotient;
}

}  // namespace

bool IsValidNumber(std::string_view text) {
  if (text.empty() || text == "." || text == "-") return false;
  if (text.front() == '-') text.remove_prefix(1);
  int points = 0;
  for (const char c : text) {
    if (!IsDigit(c) && (c != '.' || ++points > 1)) return false;
  }
  return true;
}

void RemovePoint(std::string& text) {
  const std::size_t at = text.find('.');
  if (at != std::string::npos) text.erase(at, 1);
}

void StripLeadingZeros(std::string& text) {
  if (text.empty()) return;
  const std::size_t first = text.find_first_not_of('0');
  if (first == std::string::npos) {
    text = "0";
    return;
  }
  text.erase(0, first);
  if (text == ".") text = "0";
}

void StripTrailingZeros(std::string& text) {
  if (!HasPoint(text)) return;
  text.erase(text.find_last_not_of('0') + 1);
  if (text == ".") text = "0";
}

std::optional<std::string> BigAdd(std::string_view a, std::string_view b, bool skipCheck) {
  if (TooLong(a, b)) return std::nullopt;
  return Add(std::string(a), std::string(b), skipCheck);
}

std::optional<std::string> BigSub(std::string_view a, std::string_view b, bool skipCheck) {
  if (TooLong(a, b)) return std::nullopt;
  return Sub(std::string(a), std::string(b), skipCheck);
}

std::optional<std::string> BigMul(std::string_view a, std::string_view b, bool skipCheck) {
  if (TooLong(a, b)) return std::nullopt;
  return Mul(std::string(a), std::string(b), skipCheck);
}

std::optional<std::string> BigDiv(std::string_view a, std::string_view b, bool skipCheck,
                                  bool integerOnly) {
  if (TooLong(a, b)) return std::nullopt;
  return Div(std::string(a), std::string(b), skipCheck, integerOnly);
}

}  // namespace decimal
