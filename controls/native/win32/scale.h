// The arithmetic between the layout's pixels, in which the control layer and
// the windows are written (96 dots per inch, 100%), and the device pixels of
// a screen of another DPI. Pure functions, without <windows.h>, so that the
// tests can check them on their own.
#pragma once

#include <cstdint>

namespace native::win32 {

inline constexpr int kLayoutDpi = 96;

// value * numerator / denominator, rounded half away from zero, as MulDiv.
constexpr int ScaleBy(int value, int numerator, int denominator) {
  const std::int64_t product = std::int64_t{value} * numerator;
  const std::int64_t half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : -((-product + half) / denominator));
}

// A position or length of the layout on a screen of this DPI, and back. For
// every DPI of 96 or more, ToLayout(ToDevice(v)) is v again, so a window
// placed by the layer reads back where it was put.
constexpr int ToDevice(int layout, int dpi) { return ScaleBy(layout, dpi, kLayoutDpi); }
constexpr int ToLayout(int device, int dpi) { return ScaleBy(device, kLayoutDpi, dpi); }

// A font's height on a screen of this DPI: scaled and rounded down, never
// taller than the scale makes it, so that a caption that fits its control at
// 100% still fits it (a font's width grows a little faster than its height
// at small sizes).
constexpr int FontHeightAt(int layoutHeight, int dpi) {
  const int magnitude = (layoutHeight < 0 ? -layoutHeight : layoutHeight) * dpi / kLayoutDpi;
  return layoutHeight < 0 ? -magnitude : magnitude;
}

// Windows never goes below 100%; a DPI read as less, or not read at all, is 96.
constexpr int UsableDpi(int dpi) { return dpi < kLayoutDpi ? kLayoutDpi : dpi; }

// The bitmap dialog face ("MS Sans Serif") has a few sizes only, by cell and
// by character height (the cell less its internal leading). The system takes
// the largest not above a request, or the smallest; from the first size it
// lacks up, a request is met by scaling. Worked out on the layout's terms,
// not measured on the screen: at another DPI the system may give the face's
// name another file, or a scalable face at the height asked.
struct DialogStrike {
  int cell;
  int character;
};
inline constexpr DialogStrike kDialogStrikes[] = {{13, 11}, {16, 13}, {20, 16}};
inline constexpr DialogStrike kFirstUnstruck = {24, 20};

// The size the dialog face has at 96 DPI for a LOGFONT height: positive
// asks for a cell, negative for a character height, 0 for the default, the
// smallest.
constexpr DialogStrike DialogSize(int logFontHeight) {
  const bool byCharacter = logFontHeight < 0;
  const int wanted = byCharacter ? -logFontHeight : logFontHeight;
  if (wanted >= (byCharacter ? kFirstUnstruck.character : kFirstUnstruck.cell)) {
    return byCharacter
               ? DialogStrike{ScaleBy(wanted, kFirstUnstruck.cell, kFirstUnstruck.character),
                              wanted}
               : DialogStrike{wanted,
                              ScaleBy(wanted, kFirstUnstruck.character, kFirstUnstruck.cell)};
  }
  DialogStrike size = kDialogStrikes[0];
  for (const DialogStrike& strike : kDialogStrikes)
    if ((byCharacter ? strike.character : strike.cell) <= wanted) size = strike;
  return size;
}

// A drop-down list at 100%, as the common controls size it for a font of
// this cell: its field is the cell and 4 pixels, in a border of 2 above and
// below; a row of its list is the cell.
inline constexpr int kComboBoxPadding = 8;
constexpr int ComboBoxHeight(int cell) { return cell + kComboBoxPadding; }

// The character height, in device pixels, of the scalable face that stands in
// for the bitmap dialog face above 96 DPI, given the bitmap face's character
// height at 96 (11 for "MS Sans Serif" at the windows' height 8): 9/11 of it
// scaled, rounded down. Tahoma is wider than the bitmap face; at that size
// every caption, help line and list item of the program's windows stays
// inside its control from 120 to 288 DPI (the fit test checks it under
// Wine), where a pixel more overruns the longest list headings at 168.
inline constexpr int kStandInNumerator = 9, kStandInDenominator = 11;
constexpr int StandInCharacterHeight(int bitmapCharacterHeight, int dpi) {
  const int scaled =
      bitmapCharacterHeight * kStandInNumerator * dpi / (kLayoutDpi * kStandInDenominator);
  return scaled < 1 ? 1 : scaled;
}

}  // namespace native::win32
