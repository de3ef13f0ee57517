// The arithmetic between the layout's pixels and a screen's: what the layer
// places reads back as it was placed, and the dialog face's stand-in size.
#include <gtest/gtest.h>

#include "controls/native/win32/scale.h"

namespace native::win32 {
namespace {

constexpr int kDpis[] = {96, 120, 144, 168, 192, 240, 288, 480};

TEST(ScaleTest, ALayoutLengthReadsBackAsItWasGivenAtEveryDpi) {
  for (int dpi : kDpis)
    for (int layout = -100; layout <= 2000; ++layout)
      ASSERT_EQ(ToLayout(ToDevice(layout, dpi), dpi), layout) << layout << " at " << dpi;
}

TEST(ScaleTest, RoundsHalfAwayFromZeroAsMulDivDoes) {
  const struct {
    int layout, dpi, device;
  } cases[] = {
      {0, 144, 0},     {1, 144, 2},     {3, 144, 5},   {-1, 144, -2}, {-3, 144, -5},
      {394, 144, 591}, {235, 144, 353}, {7, 120, 9},   {13, 120, 16}, {21, 168, 37},
      {394, 96, 394},  {-20, 192, -40}, {-4, 144, -6}, {1, 288, 3},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ToDevice(c.layout, c.dpi), c.device) << c.layout << " at " << c.dpi;
}

TEST(ScaleTest, NoDpiIsBelowTheLayouts) {
  EXPECT_EQ(UsableDpi(0), kLayoutDpi);
  EXPECT_EQ(UsableDpi(72), kLayoutDpi);
  EXPECT_EQ(UsableDpi(96), 96);
  EXPECT_EQ(UsableDpi(144), 144);
}

// The bitmap face's sizes: a request takes the largest not above it, or the
// smallest; from the first size it lacks up, the request itself.
TEST(ScaleTest, TheDialogFaceSizeForALogFontHeight) {
  const struct {
    int height;
    DialogStrike size;
  } cases[] = {
      {0, {13, 11}},   {8, {13, 11}},   {13, {13, 11}},  {15, {13, 11}},  {16, {16, 13}},
      {19, {16, 13}},  {20, {20, 16}},  {23, {20, 16}},  {24, {24, 20}},  {36, {36, 30}},
      {-8, {13, 11}},  {-11, {13, 11}}, {-13, {16, 13}}, {-16, {20, 16}}, {-19, {20, 16}},
      {-20, {24, 20}}, {-30, {36, 30}},
  };
  for (const auto& c : cases) {
    const DialogStrike size = DialogSize(c.height);
    EXPECT_EQ(size.cell, c.size.cell) << c.height;
    EXPECT_EQ(size.character, c.size.character) << c.height;
  }
}

// Never larger than 9/11 of the bitmap face scaled, so the captions that fit
// at one scale still fit at a larger one; and never less than a pixel.
TEST(ScaleTest, TheStandInIsNineEleventhsOfTheScaledFaceRoundedDown) {
  const struct {
    int dpi, height;
  } cases[] = {{96, 9}, {120, 11}, {144, 13}, {168, 15}, {192, 18}, {288, 27}};
  for (const auto& c : cases) EXPECT_EQ(StandInCharacterHeight(11, c.dpi), c.height) << c.dpi;
  for (int dpi = 96; dpi <= 480; ++dpi) {
    const int height = StandInCharacterHeight(11, dpi);
    EXPECT_LE(height * kLayoutDpi * kStandInDenominator, 11 * kStandInNumerator * dpi) << dpi;
    EXPECT_LE(StandInCharacterHeight(11, dpi - 1), height) << dpi;
  }
  EXPECT_EQ(StandInCharacterHeight(1, 96), 1);
}

TEST(ScaleTest, AFontIsNeverTallerThanTheScaleMakesIt) {
  const struct {
    int height, dpi, scaled;
  } cases[] = {{18, 120, 22},   {18, 144, 27}, {-11, 144, -16},
               {-11, 120, -13}, {8, 96, 8},    {0, 192, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(FontHeightAt(c.height, c.dpi), c.scaled) << c.height << " at " << c.dpi;
}

TEST(ScaleTest, AComboBoxIsItsCellAndItsFrameTall) {
  EXPECT_EQ(ComboBoxHeight(13), 21);  // the value fields' height beside it
  EXPECT_EQ(ComboBoxHeight(16), 24);
}

}  // namespace
}  // namespace native::win32
