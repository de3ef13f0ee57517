// Exact arithmetic on decimal text numbers: an optional leading "-", digits
// and at most one "." ('.5', '5.' and '-0' are all numbers). Every operation
// answers the text "bad" when it cannot give a result. Working state lives
// at module level, so none of this is reentrant: one GUI thread calls it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace decimal {

// Longest operand the operations accept.
inline constexpr std::size_t MaxLength = 255;

// Four decimal digits per limb, most significant first, numbers right-aligned.
inline constexpr int LimbCount = 128;
using Limbs = std::array<std::int32_t, LimbCount>;

inline constexpr std::string_view Bad = "bad";

bool IsValidNumber(std::string_view text);

void RemovePoint(std::string& text);
void StripLeadingZeros(std::string& text);
void StripTrailingZeros(std::string& text);

// Aligns two unsigned texts on their points and removes the points, leaving
// digit strings of one length. Returns false (status "bad") when a text of
// MaxLength characters would have to grow; the texts are then half-aligned.
bool AlignPoints(std::string& a, std::string& b, bool aHasPoint, bool bHasPoint, int& point,
                 int& digits);
// "good" or "bad", as the last AlignPoints left it.
std::string_view AlignStatus();

void DigitsToLimbs(std::string_view digits, int count, Limbs& limbs);
void LimbsToDigits(const Limbs& limbs, int first, int point, std::string& result);

void BigAdd(std::string a, std::string b, bool skipCheck, std::string& result);
void BigSub(std::string a, std::string b, bool skipCheck, std::string& result);
void BigMul(std::string a, std::string b, bool skipCheck, std::string& result);
void BigDiv(std::string a, std::string b, bool skipCheck, bool integerOnly, std::string& result);

}  // namespace decimal
