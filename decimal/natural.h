// Whole numbers on machine words, for the text arithmetic of bignum.cpp.
// Internal to the module: nothing outside decimal/ includes this.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace decimal {

// A whole number in base 10^9, least significant limb first, in a fixed
// array: the longest number the text operations meet (a 255-digit dividend
// scaled by 254 zeros, with 254 more quotient digits to find) fits, so no
// operation allocates.
class Natural {
 public:
  using Limb = std::uint32_t;
  static constexpr Limb Base = 1'000'000'000;
  static constexpr std::size_t LimbDigits = 9;
  static constexpr int Capacity = 100;
  // The most digits FromDigits takes; division needs one limb more.
  static constexpr std::size_t MaxDigits = (Capacity - 1) * LimbDigits;

  // digits followed by zeros more zeros; a byte that is no digit reads as 0.
  // Needs digits.size() + zeros <= MaxDigits.
  static Natural FromDigits(std::string_view digits, std::size_t zeros = 0);

  bool IsZero() const { return size_ == 0; }

  // Appends the number's digits without leading zeros, padded with zeros in
  // front to at least minDigits (zero with minDigits 0 appends nothing).
  void AppendDigits(std::string& text, std::size_t minDigits) const;

  // Needs a.size_ + b.size_ <= Capacity, which two operands of MaxLength
  // digits keep.
  friend Natural Multiply(const Natural& a, const Natural& b);

  struct Division;
  // Needs a divisor that is not zero.
  friend Division Divide(const Natural& dividend, const Natural& divisor);

 private:
  void Trim() {
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
  }

  std::array<Limb, Capacity> limbs_;
  int size_ = 0;  // limbs in use; no zero limb on top
};

struct Natural::Division {
  Natural quotient;
  bool remainder = false;  // the division leaves one
};

Natural Multiply(const Natural& a, const Natural& b);
Natural::Division Divide(const Natural& dividend, const Natural& divisor);

}  // namespace decimal
