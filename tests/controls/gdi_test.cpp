// What the seam's drawing operations put on a device context, read back pixel
// by pixel: where fills and frames end, the colour of each line of an edge,
// the text cell, and the size the dialog face gets at small heights.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "controls/native/native.h"
#include "controls/native/win_defs.h"
#include "probe.h"

namespace controls::testing {
namespace {

using namespace native;

constexpr std::uint32_t kBack = 0x00204060;
constexpr std::uint32_t kPaint = 0x000000C0;
constexpr std::uint8_t kDefaultCharSet = 1;

std::function<void(Dc)>& Drawing() {
  static std::function<void(Dc)> drawing;
  return drawing;
}

LResult DrawingProcedure(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
  if (message == WM_PRINTCLIENT && Drawing()) {
    Drawing()(reinterpret_cast<Dc>(wParam));
    return 0;
  }
  return DefWindowProc(window, message, wParam, lParam);
}

// A bare window of the test's own class, printed with whatever the test draws.
class GdiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const bool registered = RegisterClass("ZurmetGdiTest", ClassInfo{0, DrawingProcedure});
    ASSERT_TRUE(registered);
    window_ = CreateWindowEx(0, "ZurmetGdiTest", "", 0, 0, 0, 200, 150, nullptr, 0);
    ASSERT_NE(window_, nullptr);
  }

  void TearDown() override {
    Drawing() = nullptr;
    DestroyWindow(window_);
  }

  Picture Draw(std::function<void(Dc)> draw) {
    Drawing() = std::move(draw);
    return PrintClient(window_, kBack);
  }

  // Draws with a solid brush of the paint colour.
  Picture DrawWithBrush(void (*operation)(Dc, const Rect&, Brush), Rect rect) {
    const Brush brush = CreateSolidBrush(kPaint);
    const Picture picture = Draw([&](Dc dc) { operation(dc, rect, brush); });
    DeleteObject(brush);
    return picture;
  }

 private:
  Hwnd window_ = nullptr;
};

void ExpectBox(const Spot& spot, const Rect& box) {
  ASSERT_GT(spot.count, 0);
  EXPECT_EQ(spot.left, box.left);
  EXPECT_EQ(spot.top, box.top);
  EXPECT_EQ(spot.right, box.right);
  EXPECT_EQ(spot.bottom, box.bottom);
}

void ExpectSpot(const Spot& spot, int count, const Rect& box) {
  EXPECT_EQ(spot.count, count);
  if (count > 0) ExpectBox(spot, box);
}

// ---- fills and frames -------------------------------------------------------

struct RectCase {
  const char* name;
  Rect rect;
  int count;
  Rect box;  // right and bottom inclusive
};

void PrintTo(const RectCase& c, std::ostream* out) { *out << c.name; }

class FillRectTest : public GdiTest, public ::testing::WithParamInterface<RectCase> {};

TEST_P(FillRectTest, FillsUpToButNotIncludingTheRightAndBottom) {
  const RectCase& c = GetParam();
  ExpectSpot(Find(DrawWithBrush(FillRect, c.rect), kPaint, 0), c.count, c.box);
}

INSTANTIATE_TEST_SUITE_P(Cases, FillRectTest,
                         ::testing::Values(RectCase{"FiveBySix", {2, 3, 7, 9}, 30, {2, 3, 6, 8}},
                                           RectCase{"OnePixel", {5, 5, 6, 6}, 1, {5, 5, 5, 5}},
                                           RectCase{"NoWidth", {5, 5, 5, 9}, 0, {}},
                                           RectCase{"NoHeight", {5, 5, 9, 5}, 0, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

class FrameRectTest : public GdiTest, public ::testing::WithParamInterface<RectCase> {};

TEST_P(FrameRectTest, DrawsOnePixelInsideTheRect) {
  const RectCase& c = GetParam();
  const Picture picture = DrawWithBrush(FrameRect, c.rect);
  ExpectSpot(Find(picture, kPaint, 0), c.count, c.box);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FrameRectTest,
    ::testing::Values(RectCase{"EightBySix", {2, 2, 10, 8}, 24, {2, 2, 9, 7}},
                      RectCase{"OnePixelHighIsOneLine", {2, 2, 10, 3}, 8, {2, 2, 9, 2}},
                      RectCase{"OnePixelWideIsOneColumn", {4, 1, 5, 6}, 5, {4, 1, 4, 5}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- edges ----------------------------------------------------------------

enum class Line { OuterTopLeft, OuterBottomRight, InnerTopLeft, InnerBottomRight, None };

struct EdgeCase {
  const char* name;
  std::uint32_t edge;
  int outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;  // COLOR_ indexes
};

void PrintTo(const EdgeCase& c, std::ostream* out) { *out << c.name; }

std::uint32_t ColourOf(const EdgeCase& c, Line line) {
  switch (line) {
    case Line::OuterTopLeft:
      return GetSysColor(c.outerTopLeft);
    case Line::OuterBottomRight:
      return GetSysColor(c.outerBottomRight);
    case Line::InnerTopLeft:
      return GetSysColor(c.innerTopLeft);
    case Line::InnerBottomRight:
      return GetSysColor(c.innerBottomRight);
    case Line::None:
      break;
  }
  return kBack;
}

struct EdgePixel {
  int x, y;
  Line line;
};

// The edge of {4, 4, 20, 16}: the bottom and right lines run the full length,
// so they own the top-right and bottom-left corners.
constexpr EdgePixel kEdgePixels[] = {
    {4, 4, Line::OuterTopLeft},
    {10, 4, Line::OuterTopLeft},
    {4, 10, Line::OuterTopLeft},
    {19, 4, Line::OuterBottomRight},
    {4, 15, Line::OuterBottomRight},
    {10, 15, Line::OuterBottomRight},
    {19, 10, Line::OuterBottomRight},
    {19, 15, Line::OuterBottomRight},
    {5, 5, Line::InnerTopLeft},
    {10, 5, Line::InnerTopLeft},
    {5, 10, Line::InnerTopLeft},
    {18, 5, Line::InnerBottomRight},
    {5, 14, Line::InnerBottomRight},
    {10, 14, Line::InnerBottomRight},
    {18, 10, Line::InnerBottomRight},
    {10, 10, Line::None},
    {3, 3, Line::None},
    {20, 16, Line::None},
};

class DrawEdgeTest : public GdiTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(DrawEdgeTest, EachLineHasItsSystemColourAndTheRectShrinksByBoth) {
  const EdgeCase& c = GetParam();
  Rect rect{4, 4, 20, 16};
  const Picture picture = Draw([&](Dc dc) { DrawEdge(dc, rect, c.edge, BF_RECT | BF_ADJUST); });
  for (const EdgePixel& p : kEdgePixels)
    EXPECT_TRUE(Near(picture.At(p.x, p.y), ColourOf(c, p.line), 0))
        << "at " << p.x << "," << p.y << ": " << std::hex << picture.At(p.x, p.y);
  EXPECT_EQ(rect.left, 6);
  EXPECT_EQ(rect.top, 6);
  EXPECT_EQ(rect.right, 18);
  EXPECT_EQ(rect.bottom, 14);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawEdgeTest,
    ::testing::Values(EdgeCase{"Raised", EDGE_RAISED, COLOR_3DLIGHT, COLOR_3DDKSHADOW,
                               COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
                      EdgeCase{"Sunken", EDGE_SUNKEN, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT,
                               COLOR_3DDKSHADOW, COLOR_3DLIGHT}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- text -------------------------------------------------------------------

Font DialogFont(int height) {
  LogFont logFont;
  logFont.height = height;
  logFont.charSet = kDefaultCharSet;
  logFont.faceName = "MS Sans Serif";
  return CreateFont(logFont);
}

enum class Fill { TextCell, ClipRect, None };

struct TextCase {
  const char* name;
  int backMode;
  std::uint32_t options;
  Fill fill;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }

class ExtTextOutTest : public GdiTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(ExtTextOutTest, TheBackColourFillsWhatTheModeAndOptionsSay) {
  const TextCase& c = GetParam();
  const Font font = DialogFont(8);
  const Point at{5, 7};
  const Rect clip{1, 1, 60, 30};
  const Picture picture = Draw([&](Dc dc) {
    SelectObject(dc, font);
    SetBkMode(dc, c.backMode);
    SetBkColor(dc, kPaint);
    SetTextColor(dc, 0);
    ExtTextOut(dc, at.x, at.y, c.options, clip, "Hg");
  });
  const Point size = MeasureText(font, "Hg");
  DeleteObject(font);
  EXPECT_GT(Find(picture, 0, 0).count, 0) << "no text";
  const Spot back = Find(picture, kPaint, 0);
  switch (c.fill) {
    case Fill::TextCell:
      ExpectBox(back, {at.x, at.y, at.x + size.x - 1, at.y + size.y - 1});
      break;
    case Fill::ClipRect:
      ExpectBox(back, {clip.left, clip.top, clip.right - 1, clip.bottom - 1});
      break;
    case Fill::None:
      EXPECT_EQ(back.count, 0);
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtTextOutTest,
    ::testing::Values(TextCase{"OpaqueModeFillsTheTextCell", OPAQUE, 0, Fill::TextCell},
                      TextCase{"TransparentModeFillsNothing", TRANSPARENT, 0, Fill::None},
                      TextCase{"TheOpaqueOptionFillsTheClipRect", TRANSPARENT, ETO_OPAQUE,
                               Fill::ClipRect}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GdiTest, ClippedTextStaysInsideTheClipRect) {
  const Font font = DialogFont(8);
  const Rect clip{0, 0, 6, 20};
  const Picture picture = Draw([&](Dc dc) {
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, 0);
    ExtTextOut(dc, 0, 0, ETO_CLIPPED, clip, "HHHH");
  });
  DeleteObject(font);
  const Spot ink = Find(picture, 0, 0);
  EXPECT_GT(ink.count, 0);
  EXPECT_LT(ink.right, clip.right);
}

// The windows are laid out for the dialog face's 13-pixel cell: the heights
// they ask for all land on it, with the same widths.
class DialogFontTest : public ::testing::TestWithParam<int> {};

TEST_P(DialogFontTest, SmallHeightsGetTheThirteenPixelCell) {
  const Font reference = DialogFont(8);
  const Font font = DialogFont(GetParam());
  const Point size = MeasureText(font, "Convert From");
  EXPECT_EQ(size.y, 13);
  EXPECT_EQ(size.x, MeasureText(reference, "Convert From").x);
  DeleteObject(font);
  DeleteObject(reference);
}

INSTANTIATE_TEST_SUITE_P(Heights, DialogFontTest, ::testing::Values(8, 13, 15, -8, -11, -12));

}  // namespace
}  // namespace controls::testing
