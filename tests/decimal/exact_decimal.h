// An independent, deliberately plain decimal arithmetic for checking the
// module's answers by value: a signed big integer in base 10^4 and a count
// of fraction digits. Slow and simple on purpose.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace exact {

// Little-endian limbs of four decimal digits, no high zero limbs.
using Natural = std::vector<std::uint32_t>;

inline void Trim(Natural& n) {
  while (!n.empty() && n.back() == 0) n.pop_back();
}

inline Natural FromDigits(std::string_view digits) {
  Natural n;
  for (std::size_t end = digits.size(); end > 0;) {
    const std::size_t begin = end >= 4 ? end - 4 : 0;
    std::uint32_t limb = 0;
    for (std::size_t i = begin; i < end; ++i) limb = limb * 10 + (digits[i] - '0');
    n.push_back(limb);
    end = begin;
  }
  Trim(n);
  return n;
}

inline int Compare(const Natural& a, const Natural& b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  for (std::size_t i = a.size(); i-- > 0;) {
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  }
  return 0;
}

inline Natural Add(const Natural& a, const Natural& b) {
  Natural sum(std::max(a.size(), b.size()) + 1, 0);
  std::uint32_t carry = 0;
  for (std::size_t i = 0; i < sum.size(); ++i) {
    std::uint32_t v = carry + (i < a.size() ? a[i] : 0) + (i < b.size() ? b[i] : 0);
    sum[i] = v % 10000;
    carry = v / 10000;
  }
  Trim(sum);
  return sum;
}

// a - b for a >= b.
inline Natural Sub(const Natural& a, const Natural& b) {
  Natural diff(a.size(), 0);
  std::int64_t borrow = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    std::int64_t v = std::int64_t{a[i]} - borrow - (i < b.size() ? b[i] : 0);
    borrow = v < 0 ? 1 : 0;
    diff[i] = static_cast<std::uint32_t>(v + borrow * 10000);
  }
  Trim(diff);
  return diff;
}

inline Natural Mul(const Natural& a, const Natural& b) {
  std::vector<std::uint64_t> acc(a.size() + b.size() + 1, 0);
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = 0; j < b.size(); ++j) acc[i + j] += std::uint64_t{a[i]} * b[j];
    for (std::size_t k = 0; k + 1 < acc.size(); ++k) {
      acc[k + 1] += acc[k] / 10000;
      acc[k] %= 10000;
    }
  }
  Natural product(acc.begin(), acc.end());
  Trim(product);
  return product;
}

inline Natural TimesTenTo(const Natural& a, int power) {
  Natural factor = FromDigits("1" + std::string(static_cast<std::size_t>(power), '0'));
  return Mul(a, factor);
}

// A signed value magnitude / 10^fraction.
struct Value {
  bool negative = false;
  Natural magnitude;
  int fraction = 0;

  bool IsZero() const { return magnitude.empty(); }
};

// Reads any text that passes the module's validity rule ("-." is zero).
inline Value Parse(std::string_view text) {
  Value v;
  if (!text.empty() && text.front() == '-') {
    v.negative = true;
    text.remove_prefix(1);
  }
  std::string digits;
  const std::size_t point = text.find('.');
  if (point != std::string_view::npos) v.fraction = static_cast<int>(text.size() - point - 1);
  for (char c : text) {
    if (c != '.') digits.push_back(c);
  }
  v.magnitude = FromDigits(digits);
  return v;
}

// Both magnitudes scaled to the larger fraction count.
inline void Align(const Value& a, const Value& b, Natural& am, Natural& bm, int& fraction) {
  fraction = std::max(a.fraction, b.fraction);
  am = TimesTenTo(a.magnitude, fraction - a.fraction);
  bm = TimesTenTo(b.magnitude, fraction - b.fraction);
}

inline bool Equal(const Value& a, const Value& b) {
  Natural am, bm;
  int fraction = 0;
  Align(a, b, am, bm, fraction);
  if (Compare(am, bm) != 0) return false;
  return am.empty() || a.negative == b.negative;
}

inline Value Add(const Value& a, const Value& b) {
  Natural am, bm;
  Value sum;
  Align(a, b, am, bm, sum.fraction);
  if (a.negative == b.negative) {
    sum.magnitude = Add(am, bm);
    sum.negative = a.negative;
  } else if (Compare(am, bm) >= 0) {
    sum.magnitude = Sub(am, bm);
    sum.negative = a.negative;
  } else {
    sum.magnitude = Sub(bm, am);
    sum.negative = b.negative;
  }
  return sum;
}

inline Value Negate(Value v) {
  v.negative = !v.negative;
  return v;
}

inline Value Mul(const Value& a, const Value& b) {
  return Value{a.negative != b.negative, Mul(a.magnitude, b.magnitude), a.fraction + b.fraction};
}

// True when q is a / b cut toward zero after the fraction digits q shows.
inline bool IsTruncatedQuotient(const Value& a, const Value& b, const Value& q) {
  // |q| = Q / 10^k, |a / b| = (A * 10^fb) / (B * 10^fa); Q must satisfy
  // Q * B * 10^fa <= A * 10^fb * 10^k < (Q + 1) * B * 10^fa.
  const Natural left = TimesTenTo(a.magnitude, b.fraction + q.fraction);
  const Natural unit = TimesTenTo(b.magnitude, a.fraction);
  const Natural low = Mul(q.magnitude, unit);
  const Natural high = Add(low, unit);
  if (Compare(low, left) > 0 || Compare(left, high) >= 0) return false;
  return q.IsZero() || q.negative == (a.negative != b.negative);
}

}  // namespace exact
