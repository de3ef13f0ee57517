// Random valid operands of every shape, for the tests that check the
// arithmetic against other arithmetic.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <random>
#include <string>

#include "decimal/bignum.h"

namespace decimal {

class OperandMaker {
 public:
  explicit OperandMaker(unsigned seed) : rng_(seed) {}

  // A valid operand: optional sign, leading zeros, '.5' and '5.' forms,
  // trailing fraction zeros, lengths from one digit up to the limit.
  std::string Next() {
    switch (Below(12)) {
      case 0:
        return Pick({"0", "-0", "-.", "0.", ".0", "1", "-1", "1.0", "1.", "00"});
      case 1:
        return Text(Below(256));
      default:
        return Text(1 + Below(Below(4) == 0 ? 120 : 24));
    }
  }

  // A valid operand of about this many digits (fewer when a sign or zeros
  // in front would pass the limit), in any of the shapes.
  std::string Text(std::size_t digits) {
    std::string text;
    if (Below(3) == 0) text.push_back('-');
    if (Below(5) == 0) text.append(1 + Below(3), '0');
    digits = std::clamp<std::size_t>(digits, 1, MaxLength - text.size() - 1);
    std::size_t whole = digits;
    const std::size_t shape = Below(5);
    if (shape == 1) whole = 0;                  // '.5'
    if (shape >= 3) whole = Below(digits + 1);  // '12.5', '5.'
    for (std::size_t i = 0; i < whole; ++i) text.push_back(Digit(i == 0 && Below(4) != 0));
    if (shape != 0) {
      text.push_back('.');
      for (std::size_t i = whole; i < digits; ++i) text.push_back(Digit(false));
      if (shape == 2 && text.size() + 3 <= MaxLength) text.append(Below(4), '0');
    }
    if (text == "-." || text == "." || text == "-") text.push_back('5');
    return text;
  }

  // n digits, any of them zero.
  std::string Digits(std::size_t n) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i) text.push_back(Digit(false));
    return text;
  }

  std::size_t Below(std::size_t n) {
    return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
  }

  std::string Pick(std::initializer_list<const char*> texts) {
    return *(texts.begin() + Below(texts.size()));
  }

 private:
  char Digit(bool nonZero) { return static_cast<char>('0' + (nonZero ? 1 + Below(9) : Below(10))); }

  std::mt19937 rng_;
};

}  // namespace decimal
