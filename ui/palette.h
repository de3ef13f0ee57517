// The colours of Zurmet's windows, as COLORREF values of the control layer.
#pragma once

#include "controls/control.h"

namespace ui {

constexpr controls::Color Rgb(int red, int green, int blue) {
  return red | (green << 8) | (blue << 16);
}

inline constexpr controls::Color kSilver = Rgb(192, 192, 192);
inline constexpr controls::Color kLightGrey = Rgb(228, 228, 228);
inline constexpr controls::Color kVeryLightGrey = Rgb(244, 244, 244);
inline constexpr controls::Color kGrey = Rgb(223, 223, 223);
inline constexpr controls::Color kPaleGrey = Rgb(239, 239, 239);
inline constexpr controls::Color kWhite = Rgb(255, 255, 255);
inline constexpr controls::Color kNavy = Rgb(0, 0, 128);
inline constexpr controls::Color kBlack = Rgb(0, 0, 0);
inline constexpr controls::Color kRed = Rgb(255, 0, 0);
inline constexpr controls::Color kCream = Rgb(255, 255, 244);
inline constexpr controls::Color kDarkGrey = Rgb(128, 128, 128);

}  // namespace ui
