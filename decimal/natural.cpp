#include "decimal/natural.h"

#include <algorithm>
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
  Natural n;
  const std::size_t total = digits.size() + zeros;
  // Limbs wholly inside the appended zeros.
  const std::size_t zeroLimbs = zeros / LimbDigits;
  std::fill_n(n.limbs_.begin(), zeroLimbs, 0);
  n.size_ = static_cast<int>((total + LimbDigits - 1) / LimbDigits);
  std::size_t end = total - zeroLimbs * LimbDigits;  // one past a limb's last digit
  for (int limb = static_cast<int>(zeroLimbs); limb < n.size_; ++limb) {
    const std::size_t begin = end >= LimbDigits ? end - LimbDigits : 0;
    Limb value = 0;
    for (std::size_t i = begin; i < end; ++i) {
      value = value * 10 + (i < digits.size() ? DigitValue(digits[i]) : 0);
    }
    n.limbs_[limb] = value;
    end = begin;
  }
  n.Trim();
  return n;
}

void Natural::AppendDigits(std::string& text, std::size_t minDigits) const {
  const std::size_t start = text.size();
  if (size_ > 0) {
    char top[LimbDigits + 1];
    const auto written = std::to_chars(top, top + sizeof top, limbs_[size_ - 1]).ptr;
    text.append(top, written);
    for (int i = size_ - 2; i >= 0; --i) {
      char group[LimbDigits];
      Limb value = limbs_[i];
      for (std::size_t k = LimbDigits; k-- > 0;) {
        group[k] = static_cast<char>('0' + value % 10);
        value /= 10;
      }
      text.append(group, LimbDigits);
    }
  }
  const std::size_t digits = text.size() - start;
  if (digits < minDigits) text.insert(start, minDigits - digits, '0');
}

Natural Multiply(const Natural& a, const Natural& b) {
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
