// Exact fractions on 128-bit integers, for checking the unit tables from the
// definitions of their units without the engine's own arithmetic.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace units::exact {

using Wide = unsigned __int128;

constexpr Wide Gcd(Wide a, Wide b) {
  while (b != 0) {
    const Wide r = a % b;
    a = b;
    b = r;
  }
  return a;
}

// Always in lowest terms, so that equal fractions are equal members.
struct Fraction {
  Wide num = 0;
  Wide den = 1;

  static Fraction Of(Wide num, Wide den = 1) {
    const Wide g = Gcd(num, den);
    return g == 0 ? Fraction{0, 1} : Fraction{num / g, den / g};
  }

  // A decimal text such as "0.0254" or ".000001", read exactly.
  static Fraction Of(std::string_view decimal) {
    Wide num = 0;
    Wide den = 1;
    bool point = false;
    for (const char c : decimal) {
      if (c == '.') {
        point = true;
        continue;
      }
      num = num * 10 + static_cast<Wide>(c - '0');
      if (point) den *= 10;
    }
    return Of(num, den);
  }

  bool operator==(const Fraction&) const = default;
};

// Cross-reduced first, so that the products stay small; an overflow fails
// the test rather than wrapping around.
inline Wide Times(Wide a, Wide b) {
  Wide product = 0;
  if (__builtin_mul_overflow(a, b, &product)) ADD_FAILURE() << "exact fraction overflow";
  return product;
}

inline Fraction operator*(Fraction a, Fraction b) {
  const Wide g1 = Gcd(a.num, b.den);
  const Wide g2 = Gcd(b.num, a.den);
  if (g1 > 1) a.num /= g1, b.den /= g1;
  if (g2 > 1) b.num /= g2, a.den /= g2;
  return Fraction::Of(Times(a.num, b.num), Times(a.den, b.den));
}

inline Fraction operator/(Fraction a, Fraction b) { return a * Fraction{b.den, b.num}; }
inline Fraction operator*(Wide n, Fraction f) { return Fraction::Of(n) * f; }
inline Fraction operator*(Fraction f, Wide n) { return f * Fraction::Of(n); }
inline Fraction operator/(Fraction f, Wide n) { return f / Fraction::Of(n); }
inline Fraction operator/(Wide n, Fraction f) { return Fraction::Of(n) / f; }

inline std::string ToText(Wide n) {
  std::string text;
  do {
    text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
    n /= 10;
  } while (n != 0);
  return text;
}

// The fraction's decimal digits by long division, written as the result
// field writes a number without grouping: cut to the places and padded with
// zeros, or rounded half up with trailing zeros dropped.
inline std::string Decimals(Fraction f, int places, bool roundUp) {
  Wide scaled = f.num / f.den;
  Wide rest = f.num % f.den;
  for (int i = 0; i <= places; ++i) {
    rest *= 10;
    const Wide digit = rest / f.den;
    rest %= f.den;
    if (i < places) {
      scaled = scaled * 10 + digit;
    } else if (roundUp && digit >= 5) {
      ++scaled;
    }
  }
  std::string text = ToText(scaled);
  if (text.size() <= static_cast<std::size_t>(places))
    text.insert(0, static_cast<std::size_t>(places) + 1 - text.size(), '0');
  text.insert(text.size() - static_cast<std::size_t>(places), 1, '.');
  if (roundUp) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

}  // namespace units::exact
