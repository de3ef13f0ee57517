#include "decimal/natural.h"

#include <algorithm>
#include <cassert>
#include <charconv>

namespace decimal {
namespace {

using Limb = Natural::Limb;
using Wide = std::uint64_t;
constexpr Wide Base = Natural::Base;

int DigitValue(char c) { return c >= '0' && c <= '9' ? c - '0' : 0; }

// out = in * factor over count limbs; answers the carry out of the top.
Limb MultiplySmall(const Limb* in, int count, Limb factor, Limb* out) {
  Wide carry = 0;
  for (int i = 0; i < count; ++i) {
    const Wide product = Wide{in[i]} * factor + carry;
    out[i] = static_cast<Limb>(product % Base);
    carry = product / Base;
  }
  return static_cast<Limb>(carry);
}

// Knuth's algorithm D, step D4: subtracts q times the divisor from the n+1
// limbs at rest. An estimate one too large makes the difference negative;
// the divisor is added back and the smaller digit answered.
Wide MultiplySubtract(Limb* rest, const Limb* divisor, int n, Wide q) {
  Wide carry = 0;
  std::int64_t borrow = 0;
  for (int i = 0; i < n; ++i) {
    const Wide product = q * divisor[i] + carry;
    carry = product / Base;
    std::int64_t digit = std::int64_t{rest[i]} - static_cast<std::int64_t>(product % Base) - borrow;
    borrow = digit < 0 ? 1 : 0;
    rest[i] = static_cast<Limb>(digit + borrow * static_cast<std::int64_t>(Base));
  }
  const std::int64_t top = std::int64_t{rest[n]} - static_cast<std::int64_t>(carry) - borrow;
  if (top >= 0) {
    rest[n] = static_cast<Limb>(top);
    return q;
  }
  Limb addCarry = 0;
  for (int i = 0; i < n; ++i) {
    const Wide sum = Wide{rest[i]} + divisor[i] + addCarry;
    addCarry = sum >= Base ? 1 : 0;
    rest[i] = static_cast<Limb>(sum - addCarry * Base);
  }
  rest[n] = 0;  // top + addCarry: the sum fits in n limbs
  return q - 1;
}

}  // namespace

Natural Natural::FromDigits(std::string_view digits, std::size_t zeros) {
  assert(digits.size() + zeros <= MaxDigits);
  Natural n;
  // The digits, nine to a limb from the right...
  n.size_ = static_cast<int>((digits.size() + LimbDigits - 1) / LimbDigits);
  std::size_t end = digits.size();
  for (int limb = 0; limb < n.size_; ++limb) {
    const std::size_t begin = end >= LimbDigits ? end - LimbDigits : 0;
    Limb value = 0;
    for (std::size_t i = begin; i < end; ++i) value = value * 10 + DigitValue(digits[i]);
    n.limbs_[limb] = value;
    end = begin;
  }
  n.Trim();
  if (n.IsZero() || zeros == 0) return n;
  // ...times ten to the zeros: a power below the base, then whole zero limbs.
  Limb power = 1;
  for (std::size_t i = 0; i < zeros % LimbDigits; ++i) power *= 10;
  const Limb carry = MultiplySmall(n.limbs_.data(), n.size_, power, n.limbs_.data());
  if (carry != 0) n.limbs_[n.size_++] = carry;
  const int shift = static_cast<int>(zeros / LimbDigits);
  std::copy_backward(n.limbs_.begin(), n.limbs_.begin() + n.size_,
                     n.limbs_.begin() + n.size_ + shift);
  std::fill_n(n.limbs_.begin(), shift, 0);
  n.size_ += shift;
  return n;
}

void Natural::AppendDigits(std::string& text, std::size_t minDigits) const {
  std::size_t digits = 0;
  char top[LimbDigits + 1];
  char* topEnd = top;
  if (size_ > 0) {
    topEnd = std::to_chars(top, top + sizeof top, limbs_[size_ - 1]).ptr;
    digits = static_cast<std::size_t>(topEnd - top) + LimbDigits * (size_ - 1);
  }
  const std::size_t padding = digits < minDigits ? minDigits - digits : 0;
  text.append(padding, '0');
  text.append(top, static_cast<std::size_t>(topEnd - top));
  // The lower limbs, nine digits each, written from the right two at a time.
  std::size_t at = text.size();
  text.resize(at + LimbDigits * (size_ > 0 ? size_ - 1 : 0));
  for (int i = size_ - 2; i >= 0; --i) {
    Limb value = limbs_[i];
    char* group = text.data() + at;
    for (std::size_t k = LimbDigits - 1; k > 0; k -= 2) {
      const Limb pair = value % 100;
      value /= 100;
      group[k] = static_cast<char>('0' + pair % 10);
      group[k - 1] = static_cast<char>('0' + pair / 10);
    }
    group[0] = static_cast<char>('0' + value);
    at += LimbDigits;
  }
}

Natural Multiply(const Natural& a, const Natural& b) {
  assert(a.size_ + b.size_ <= Natural::Capacity);
  Natural product;
  product.size_ = a.size_ + b.size_;
  std::fill_n(product.limbs_.begin(), product.size_, 0);
  for (int i = 0; i < a.size_; ++i) {
    Wide carry = 0;
    for (int j = 0; j < b.size_; ++j) {
      const Wide column = product.limbs_[i + j] + Wide{a.limbs_[i]} * b.limbs_[j] + carry;
      product.limbs_[i + j] = static_cast<Limb>(column % Base);
      carry = column / Base;
    }
    product.limbs_[i + b.size_] = static_cast<Limb>(carry);
  }
  product.Trim();
  return product;
}

Natural::Division Divide(const Natural& dividend, const Natural& divisor) {
  assert(!divisor.IsZero());
  // The scaled dividend takes one limb more.
  assert(dividend.size_ < Natural::Capacity);
  Natural::Division result;
  Natural& q = result.quotient;
  const int n = divisor.size_;
  const int m = dividend.size_ - n;
  if (m < 0) {
    q.size_ = 0;
    result.remainder = !dividend.IsZero();
    return result;
  }
  q.size_ = m + 1;
  if (n == 1) {
    const Wide d = divisor.limbs_[0];
    Wide rest = 0;
    for (int j = dividend.size_ - 1; j >= 0; --j) {
      const Wide current = rest * Base + dividend.limbs_[j];
      q.limbs_[j] = static_cast<Limb>(current / d);
      rest = current % d;
    }
    q.Trim();
    result.remainder = rest != 0;
    return result;
  }
  // Scaling both by one factor puts the divisor's top limb at half the base
  // or above, where an estimate from the top limbs is at most two too large.
  const Limb scale = static_cast<Limb>(Base / (Wide{divisor.limbs_[n - 1]} + 1));
  std::array<Limb, Natural::Capacity> u;
  std::array<Limb, Natural::Capacity> v;
  u[dividend.size_] = MultiplySmall(dividend.limbs_.data(), dividend.size_, scale, u.data());
  MultiplySmall(divisor.limbs_.data(), n, scale, v.data());
  const Wide top = v[n - 1];
  const Wide next = v[n - 2];
  for (int j = m; j >= 0; --j) {
    const Wide head = Wide{u[j + n]} * Base + u[j + n - 1];
    Wide estimate = head / top;
    Wide rest = head % top;
    while (estimate >= Base || estimate * next > rest * Base + u[j + n - 2]) {
      --estimate;
      rest += top;
      if (rest >= Base) break;
    }
    q.limbs_[j] = static_cast<Limb>(MultiplySubtract(u.data() + j, v.data(), n, estimate));
  }
  q.Trim();
  result.remainder = std::any_of(u.begin(), u.begin() + n, [](Limb limb) { return limb != 0; });
  return result;
}

}  // namespace decimal
