// What the kinds the layer paints itself put on the screen: the shadow label
// and the owner-drawn button, read back pixel by pixel. Fonts are drawn
// without antialiasing so that every text pixel has the exact text colour.
#include <array>
#include <cstdlib>

#include "harness.h"
#include "probe.h"

namespace controls::testing {
namespace {

using namespace native;

constexpr std::uint32_t kBack = 0x00E0C0A0;
constexpr std::uint32_t kInk = 0x000000C0;
constexpr std::uint32_t kShade = 0x0000A000;
constexpr std::uint8_t kNonAntialiased = 3;
constexpr std::uint32_t kSetPushedState = 0xF3;  // BM_SETSTATE

FontObject* CrispFont(Control* control, int height) {
  FontObject* font = GetFont(control);
  font->logFont.quality = kNonAntialiased;
  SetFontHeight(font, -height);
  SetFontStyle(font, kFontBold);
  SetFontColor(font, static_cast<Color>(kInk));
  return font;
}

struct Box {
  int left, top, right, bottom;  // right and bottom exclusive
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// The text is drawn at the origin: its pixels sit where the same glyphs drawn
// at (0, 0) sit, moved by the origin.
void ExpectTextAt(const Spot& ink, Point origin, const Spot& glyphs) {
  ASSERT_GT(ink.count, 0) << "no pixel of the text colour";
  EXPECT_EQ(ink.left, origin.x + glyphs.left);
  EXPECT_EQ(ink.top, origin.y + glyphs.top);
  EXPECT_EQ(ink.right, origin.x + glyphs.right);
  EXPECT_EQ(ink.bottom, origin.y + glyphs.bottom);
}

// Every pixel of the area outside the box has the background colour.
void ExpectBackgroundAround(const Picture& picture, Box area, Box box, std::uint32_t background) {
  int wrong = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (!box.Contains(x, y) && !Near(picture.At(x, y), background)) ++wrong;
  EXPECT_EQ(wrong, 0) << "pixels outside the text that are not the background";
}

int Luma(std::uint32_t rgb) { return (rgb & 0xFF) * 3 + ((rgb >> 8) & 0xFF) * 6 + ((rgb >> 16) & 0xFF); }

// ---- shadow label ---------------------------------------------------------

struct ShadowCase {
  const char* name;
  int depth;
  bool look3D;
  int align;     // 0 left, 1 right, 2 centre
  int vertical;  // 0 centre, 1 top, 2 bottom
};

void PrintTo(const ShadowCase& c, std::ostream* out) { *out << c.name; }

class ShadowLabelPaint : public WindowTest, public ::testing::WithParamInterface<ShadowCase> {
 protected:
  Control* MakeLabel(int depth) {
    form = NewForm();
    label = CreateShadowLabel(form, "Hg", depth);
    SetBounds(label, {10, 10, 230, 70});
    SetColor(label, static_cast<Color>(kBack));
    font = CrispFont(label, 28);
    return label;
  }
  Control* form = nullptr;
  Control* label = nullptr;
  FontObject* font = nullptr;
};

TEST_P(ShadowLabelPaint, TextShadowAndBackgroundAreWhereTheAlignmentPutsThem) {
  const ShadowCase& c = GetParam();
  MakeLabel(c.depth);
  SetShadowColor(label, static_cast<Color>(kShade));
  SetLook3D(label, c.look3D);
  label->look.textAlign = static_cast<TextAlign>(c.align);
  label->look.verticalAlign = static_cast<VerticalAlign>(c.vertical);
  ShowForm(form);
  const Picture picture = PaintAndCapture(label->window);
  const Point size = MeasureText(FontHandle(font), "Hg");

  // The measured block grows by the shadow, twice over for the solid shadow.
  const int grow = std::abs(c.depth) * (c.look3D ? 2 : 1);
  const int spareX = picture.width - size.x - grow, spareY = picture.height - size.y - grow;
  const Point origin{c.align == 1 ? spareX : c.align == 2 ? spareX / 2 : 0,
                     c.vertical == 0 ? spareY / 2 : c.vertical == 2 ? spareY : 0};
  const Spot ink = Find(picture, kInk);
  ExpectTextAt(ink, origin, TextInk(FontHandle(font), "Hg"));

  const Spot shade = Find(picture, kShade);
  if (c.depth == 0) {
    EXPECT_EQ(shade.count, 0);
  } else if (c.depth > 0) {
    // The shadow reaches past the text by the depth where the text cannot cover it.
    EXPECT_EQ(shade.right, ink.right + c.depth);
    EXPECT_EQ(shade.bottom, ink.bottom + c.depth);
  } else {
    EXPECT_EQ(shade.left, ink.left + c.depth);
    EXPECT_EQ(shade.top, ink.top + c.depth);
  }
  if (c.look3D && c.depth > 0) {
    // A solid shadow: beside the text's rightmost pixel every offset 1..depth is shadow.
    int y = ink.top;
    while (!Near(picture.At(ink.right, y), kInk)) ++y;
    for (int i = 1; i <= c.depth; ++i)
      for (int j = 1; j <= c.depth; ++j)
        EXPECT_TRUE(Near(picture.At(ink.right + i, y + j), kShade)) << "offset " << i << "," << j;
  }
  const int reach = std::abs(c.depth);
  const Box text{origin.x - 1 - (c.depth < 0 ? reach : 0), origin.y - 1 - (c.depth < 0 ? reach : 0),
                 origin.x + size.x + 1 + (c.depth > 0 ? reach : 0), origin.y + size.y + 1 + (c.depth > 0 ? reach : 0)};
  ExpectBackgroundAround(picture, {0, 0, picture.width, picture.height}, text, kBack);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShadowLabelPaint,
    ::testing::Values(ShadowCase{"CentredTopShadowDownRight", 2, false, 2, 1},
                      ShadowCase{"RightMiddleSolidShadow", 3, true, 1, 0},
                      ShadowCase{"CentredMiddleShadowUpLeft", -2, false, 2, 0},
                      ShadowCase{"LeftBottomNoShadow", 0, false, 0, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShadowLabelPaint, WithoutAShadowColourTheShadowIsHalfwayToWhite) {
  MakeLabel(2);
  ShowForm(form);
  const Picture picture = PaintAndCapture(label->window);
  const Spot ink = Find(picture, kInk);
  const std::uint32_t halfway = 0x007F7FDF;  // each channel halfway from 0x0000C0 to 0xFEFEFE
  const Spot shade = Find(picture, halfway, 2);
  ASSERT_GT(shade.count, 0);
  EXPECT_EQ(shade.right, ink.right + 2);
  EXPECT_EQ(Find(picture, kShade).count, 0);
}

TEST_F(ShadowLabelPaint, PrintingFillsTheBackgroundUnlessTransparent) {
  MakeLabel(2);
  SetShadowColor(label, static_cast<Color>(kShade));
  ShowForm(form);
  constexpr std::uint32_t kUnder = 0x00203040;  // what the label is printed over
  for (bool transparent : {false, true}) {
    label->look.transparent = transparent;
    const Picture picture = PrintClient(label->window, kUnder);
    EXPECT_GT(Find(picture, kInk).count, 0) << transparent;
    EXPECT_GT(Find(picture, kShade).count, 0) << transparent;
    const std::uint32_t background = transparent ? kUnder : kBack;
    EXPECT_TRUE(Near(picture.At(0, picture.height - 1), background)) << transparent;
    EXPECT_TRUE(Near(picture.At(picture.width - 1, picture.height - 1), background)) << transparent;
  }
}

// ---- owner-drawn button ---------------------------------------------------

enum class Setup { None, Focus, Press, Check, Disable, Hot };
enum class Frame { None, Raised, Sunken };

struct ButtonCase {
  const char* name;
  unsigned options;
  Setup setup;
  int align;
  Frame frame;
  bool focusRing;
  int inset;  // the text rectangle inside the client area
  bool text;
};

void PrintTo(const ButtonCase& c, std::ostream* out) { *out << c.name; }

class OwnerDrawnButtonPaint : public WindowTest, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(OwnerDrawnButtonPaint, FrameTextAndBackgroundFollowTheState) {
  const ButtonCase& c = GetParam();
  Control* form = NewForm();
  Control* edit = CreateEditBox(form, 0);  // takes the focus unless the button should have it
  Control* button = CreateOwnerDrawnButton(form, "Go", c.options);
  SetBounds(button, {10, 40, 170, 80});
  SetColor(button, static_cast<Color>(kBack));
  FontObject* font = CrispFont(button, 20);
  if (c.align) SetTextAlign(button, static_cast<TextAlign>(c.align));
  ShowForm(form);
  Focus(c.setup == Setup::Focus ? button : edit, true);
  button->ownerDrawPart->pressShiftX = 2;
  button->ownerDrawPart->pressShiftY = 1;
  if (c.setup == Setup::Press) Send(button, kSetPushedState, 1);
  if (c.setup == Setup::Check) SetChecked(button, true);
  if (c.setup == Setup::Disable) SetEnabled(button, false);
  if (c.setup == Setup::Hot) button->state.pointerInside = true;
  Pump();
  const Picture picture = PaintAndCapture(button->window);
  const int w = picture.width, h = picture.height;

  const std::uint32_t topLeft = picture.At(0, 0), bottomRight = picture.At(w - 1, h - 1);
  const int edge = c.focusRing ? 1 : 0;
  if (c.focusRing) {
    EXPECT_EQ(topLeft, 0u);
    EXPECT_EQ(bottomRight, 0u);
  }
  const std::uint32_t edgeTopLeft = picture.At(edge, edge), edgeBottomRight = picture.At(w - 1 - edge, h - 1 - edge);
  if (c.frame == Frame::None) {
    EXPECT_TRUE(Near(topLeft, kBack));
    EXPECT_TRUE(Near(bottomRight, kBack));
  } else {
    EXPECT_FALSE(Near(edgeTopLeft, kBack));
    EXPECT_FALSE(Near(edgeBottomRight, kBack));
    if (c.frame == Frame::Raised) {
      EXPECT_GT(Luma(edgeTopLeft), Luma(edgeBottomRight)) << "lit from the top left";
    } else {
      EXPECT_LT(Luma(edgeTopLeft), Luma(edgeBottomRight)) << "lit from the bottom right";
    }
  }

  const Box inner{c.inset, c.inset, w - c.inset, h - c.inset};
  const Spot ink = Find(picture, kInk);
  if (!c.text) {
    EXPECT_EQ(ink.count, 0);
    ExpectBackgroundAround(picture, inner, {0, 0, 0, 0}, kBack);
    return;
  }
  const Point size = MeasureText(FontHandle(font), "Go");
  const bool pressed = c.frame == Frame::Sunken;
  const int innerWidth = inner.right - inner.left, innerHeight = inner.bottom - inner.top;
  const Point origin{inner.left + (c.align == 2 ? (innerWidth - size.x) / 2 : 0) + (pressed ? 2 : 0),
                     inner.top + (innerHeight - size.y) / 2 + (pressed ? 1 : 0)};
  ExpectTextAt(ink, origin, TextInk(FontHandle(font), "Go"));
  ExpectBackgroundAround(picture, inner, {origin.x - 1, origin.y - 1, origin.x + size.x + 1, origin.y + size.y + 1},
                         kBack);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OwnerDrawnButtonPaint,
    ::testing::Values(
        ButtonCase{"AtRest", 0, Setup::None, 0, Frame::Raised, false, 3, true},
        ButtonCase{"Focused", 0, Setup::Focus, 0, Frame::Raised, true, 4, true},
        ButtonCase{"PressedShiftsItsText", 0, Setup::Press, 0, Frame::Sunken, false, 3, true},
        ButtonCase{"CheckedLooksPressed", kOwnerDrawCheck, Setup::Check, 0, Frame::Sunken, false, 3, true},
        ButtonCase{"Disabled", 0, Setup::Disable, 0, Frame::Raised, false, 3, true},
        ButtonCase{"Centred", 0, Setup::None, 2, Frame::Raised, false, 3, true},
        ButtonCase{"FlatAtRest", kOwnerDrawFlat, Setup::None, 0, Frame::None, false, 0, true},
        ButtonCase{"FlatUnderThePointer", kOwnerDrawFlat, Setup::Hot, 0, Frame::Raised, false, 3, true},
        ButtonCase{"NoFrameEvenFocused", kOwnerDrawNoFrame, Setup::Focus, 0, Frame::None, false, 0, true},
        ButtonCase{"NoText", kOwnerDrawNoText, Setup::None, 0, Frame::Raised, false, 3, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace controls::testing

namespace controls::testing {
namespace {

// ---- the reflected draw-item message ----------------------------------------

// The reflected draw-item number lies in the range any program may use.
TEST_F(WindowTest, AnOwnerDrawnButtonDrawsOnlyWhatItsParentPassesOn) {
  Control* form = NewForm();
  Control* button = CreateOwnerDrawnButton(form, "Go", 0);
  ShowForm(form);
  std::array<std::uint64_t, 16> forged{};  // no drawing record of the system's
  EXPECT_EQ(Send(button, CM_DRAWITEM, 0, reinterpret_cast<LParam>(forged.data())), 0);
  EXPECT_EQ(Send(button, CM_DRAWITEM, 0, 0), 0);
  const Picture drawn = PaintAndCapture(button->window);
  EXPECT_GT(Find(drawn, 0x00000000).count, 0) << "the system's own drawing still reaches it";
}

// ---- overlapping siblings -----------------------------------------------------

// Where sibling windows overlap, the one made first is on top, as the
// window tables of the program expect; raising one puts it on top.
TEST_F(WindowTest, TheSiblingMadeFirstCoversTheOnesMadeAfterIt) {
  constexpr std::uint32_t kFirst = 0x000000C0, kSecond = 0x00C00000;
  Control* form = NewForm();
  Control* first = CreatePanel(form, PanelEdge::None);
  Control* second = CreatePanel(form, PanelEdge::None);
  SetBounds(first, {10, 10, 60, 60});
  SetBounds(second, {30, 30, 80, 80});
  SetColor(first, static_cast<Color>(kFirst));
  SetColor(second, static_cast<Color>(kSecond));
  ShowForm(form);
  Picture picture = PaintAndCapture(form->window);
  EXPECT_TRUE(Near(picture.At(45, 45), kFirst)) << "in the overlap";
  EXPECT_TRUE(Near(picture.At(70, 70), kSecond)) << "outside it";
  native::SetWindowPos(second->window, native::TopWindow(), 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  picture = PaintAndCapture(form->window);
  EXPECT_TRUE(Near(picture.At(45, 45), kSecond)) << "raised";
}

}  // namespace
}  // namespace controls::testing
