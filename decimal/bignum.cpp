#include "decimal/bignum.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace decimal {
namespace {

using Answer = std::optional<std::string>;

// Four decimal digits per limb, most significant first, numbers right-aligned.
constexpr int LimbCount = 128;
using Limbs = std::array<std::int32_t, LimbCount>;

constexpr int LastLimb = LimbCount - 1;
constexpr int LimbBase = 10000;
constexpr int MaxLen = static_cast<int>(MaxLength);
// Digits a limb array holds: room for the product of two operands.
constexpr int MaxDigits = 4 * LimbCount;

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

int LimbsFor(int digitCount) { return (digitCount - 1) / 4 + 1; }

// Text order equals numeric order on digit strings of one length, or on
// digit strings without leading zeros once their lengths are compared.
bool DigitsLess(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

void DigitsToLimbs(std::string_view digits, int count, Limbs& limbs) {
  count = std::min({count, MaxDigits, static_cast<int>(digits.size())});
  if (count <= 0) {
    limbs[LastLimb] = 0;
    return;
  }
  const int head = count % 4;
  int limb = LastLimb - count / 4;
  std::size_t at = 0;
  if (head > 0) {
    int value = 0;
    for (int i = 0; i < head; ++i) value = value * 10 + DigitValue(digits[at++]);
    limbs[limb] = value;
  }
  while (limb < LastLimb) {
    ++limb;
    limbs[limb] = DigitValue(digits[at]) * 1000 + DigitValue(digits[at + 1]) * 100 +
                  DigitValue(digits[at + 2]) * 10 + DigitValue(digits[at + 3]);
    at += 4;
  }
}

void LimbsToDigits(const Limbs& limbs, int first, std::string& result) {
  first = std::clamp(first, 0, LastLimb);
  // Appending keeps the result's buffer, which long division reuses.
  result.clear();
  char group[12];
  const auto [end, error] = std::to_chars(group, group + sizeof group, limbs[first]);
  result.append(group, end);
  for (int i = first + 1; i < LimbCount; ++i) {
    const int value = limbs[i];
    group[0] = static_cast<char>('0' + value / 1000 % 10);
    group[1] = static_cast<char>('0' + value / 100 % 10);
    group[2] = static_cast<char>('0' + value / 10 % 10);
    group[3] = static_cast<char>('0' + value % 10);
    result.append(group, 4);
  }
}

// Writes big - small for two digit strings of n digits, big >= small, as
// exactly n digits.
void SubtractDigits(std::string_view big, std::string_view small, int n, std::string& out) {
  Limbs minuend{};
  Limbs subtrahend{};
  Limbs difference{};
  n = std::clamp(n, 1, MaxDigits);
  const int k = LimbsFor(n);
  const int first = LimbCount - k;
  DigitsToLimbs(big, n, minuend);
  DigitsToLimbs(small, n, subtrahend);
  for (int i = LastLimb; i >= first; --i) {
    if (minuend[i] < subtrahend[i]) {
      int lender = i - 1;
      while (lender > first && minuend[lender] == 0) --lender;
      if (lender >= first) {
        minuend[lender] -= 1;
        for (int j = lender + 1; j < i; ++j) minuend[j] = LimbBase - 1;
        minuend[i] += LimbBase;
      }
    }
    difference[i] = minuend[i] - subtrahend[i];
  }
  LimbsToDigits(difference, first, out);
  if (static_cast<int>(out.size()) < n) out.insert(0, n - out.size(), '0');
}

// Both texts hold a point. Zeros in front of the text whose point stands
// further left line the points up, zeros behind the shorter even the lengths.
// With a limit, a text may not grow in front beyond MaxLength characters.
bool LineUpPoints(std::string& a, std::string& b, bool limited) {
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
  std::string difference;
  SubtractDigits(a, b, n, difference);
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

// Schoolbook product of two digit strings on four-digit limbs.
void MultiplyDigits(std::string_view a, std::string_view b, std::string& out) {
  Limbs aLimbs{};
  Limbs bLimbs{};
  Limbs product{};
  // Operands past the limit only come from skipped checks; clamping keeps
  // every product limb inside the array.
  const int aCount = std::clamp(static_cast<int>(a.size()), 1, MaxLen);
  const int bCount = std::clamp(static_cast<int>(b.size()), 1, MaxLen);
  DigitsToLimbs(a, aCount, aLimbs);
  DigitsToLimbs(b, bCount, bLimbs);
  const int ka = LimbsFor(aCount);
  const int kb = LimbsFor(bCount);
  const int aFirst = LimbCount - ka;
  for (int r = 0; r < kb; ++r) {
    const std::int32_t multiplier = bLimbs[LastLimb - r];
    std::int32_t carry = 0;
    for (int i = LastLimb; i >= aFirst; --i) {
      std::int32_t& limb = product[i - r];
      limb += aLimbs[i] * multiplier + carry;
      carry = limb / LimbBase;
      limb %= LimbBase;
    }
    if (carry > 0) product[aFirst - r - 1] = carry;
  }
  const int lastColumn = aFirst - (kb - 1);
  const int first = product[lastColumn - 1] != 0 ? lastColumn - 1 : lastColumn;
  LimbsToDigits(product, first, out);
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
  MultiplyDigits(x.text, y.text, text);
  StripLeadingZeros(text);
  int c = static_cast<int>(text.size());
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

// remainder -= product for digit strings without leading zeros, remainder
// not below product. Works in place, so that the 255 or so subtractions
// of an endless quotient allocate nothing; the answer is the one Sub
// gives for such operands.
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

// School long division, one quotient digit per step. The divisor's trial
// products are made once per division and the remainder is worked on in
// place, so a step allocates nothing.
class LongDivision {
 public:
  explicit LongDivision(std::string divisor) : divisor_(std::move(divisor)) {
    remainder_.reserve(2 * MaxLength + 2);
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
  // The divisor times one digit. Scaling can make the divisor longer than
  // an operand may be, so this is the product's digit work without the
  // operand limit: the divisor's own digits never exceed it, only the
  // zeros that scaling appended.
  const std::string& Trial(int digit) {
    std::string& product = trials_[digit];
    if (!product.empty()) return product;
    if (digit == 1) {
      product = divisor_;
      return product;
    }
    const std::size_t end = divisor_.find_last_not_of('0') + 1;
    const char factor = static_cast<char>('0' + digit);
    MultiplyDigits(std::string_view(divisor_).substr(0, end), std::string_view(&factor, 1),
                   product);
    StripLeadingZeros(product);
    product.append(divisor_.size() - end, '0');
    return product;
  }

  // Binary search over 1..9 for the largest digit whose product fits.
  int FindDigit() {
    int lo = 1;
    int hi = 9;
    int mid = (hi + lo) / 2;
    while (hi >= lo) {
      const std::string& product = Trial(mid);
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

  const std::size_t limit = negative ? MaxLength - 1 : MaxLength;
  std::string quotient;
  quotient.reserve(std::max(x.text.size(), MaxLength) + 2);
  LongDivision division(std::move(y.text));
  for (char digit : x.text) division.Step(digit, quotient);
  if (!quotient.empty() && quotient.front() == '0') StripLeadingZeros(quotient);

  if (!division.Even()) {
    if (quotient == "0") quotient.clear();
    if (integerOnly) {
      if (quotient.empty()) quotient = "0";
    } else {
      quotient.push_back('.');
      // A whole part already at the limit keeps its point and no fraction.
      while (!division.Even() && quotient.size() < limit) division.Step('0', quotient);
    }
  }
  if (negative) quotient.insert(0, 1, '-');
  return quotient;
}

}  // namespace

bool IsValidNumber(std::string_view text) {
  if (text.empty() || text == "." || text == "-") return false;
  int points = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.') {
      if (++points > 1) return false;
    } else if (c == '-') {
      if (i != 0) return false;
    } else if (!IsDigit(c)) {
      return false;
    }
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
