// Properties: text, styles, fonts with shared handles, fixed-size forms.
#include "harness.h"
#include "probe.h"

namespace controls::testing {
namespace {

using namespace native;

class PropertiesTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    form = NewForm();
  }
  Control* form = nullptr;
};

TEST_F(PropertiesTest, TextRoundTripsAsUtf8BeforeAndAfterTheWindowExists) {
  Control* label = CreateLabel(form, "g/m²");
  EXPECT_EQ(GetText(label), "g/m²");
  form->CreateWindow();
  EXPECT_EQ(GetWindowText(label->window), "g/m²");
  SetText(label, "5 µm");
  EXPECT_EQ(GetText(label), "5 µm");
}

TEST_F(PropertiesTest, AShadowLabelKeepsItsTextItself) {
  Control* shadow = CreateShadowLabel(form, "Zur", 2);
  form->CreateWindow();
  SetText(shadow, "µ shadow");
  EXPECT_EQ(shadow->caption, "µ shadow");
  EXPECT_EQ(GetText(shadow), "µ shadow");
  EXPECT_EQ(GetWindowText(shadow->window), "Zur") << "the static control never gets the new text";
}

TEST_F(PropertiesTest, TextAlignmentStyles) {
  struct Case {
    const char* kind;
    Control* control;
    int align;
    std::uint32_t set, cleared;
  };
  Control* label = CreateLabel(form, "l");
  Control* button = CreateButton(form, "b");
  Control* edit = CreateEditBox(form, 0);
  const Case cases[] = {
      {"label centre", label, 2, 0x1, 0xC},     {"label right", label, 1, 0x2, 0xD},
      {"button left", button, 0, 0x100, 0x200}, {"button centre", button, 2, 0x300, 0},
      {"edit right", edit, 1, 0x2, 0x1},
  };
  form->CreateWindow();
  for (const Case& c : cases) {
    SetTextAlign(c.control, static_cast<TextAlign>(c.align));
    std::uint32_t style = GetStyle(c.control->window);
    EXPECT_EQ(style & c.set, c.set) << c.kind;
    EXPECT_EQ(style & c.cleared, 0u) << c.kind;
    EXPECT_EQ(c.control->style, style) << c.kind;
  }
}

TEST_F(PropertiesTest, VerticalAlignmentCountsCentreTopBottom) {
  Control* button = CreateButton(form, "b");
  EXPECT_EQ(button->look.verticalAlign, VerticalAlign::Top);
  const std::uint32_t expected[] = {0xC00, 0x400, 0x800};
  for (int align = 0; align < 3; ++align) {
    SetVerticalAlign(button, static_cast<VerticalAlign>(align));
    EXPECT_EQ(button->style & 0xC00, expected[align]) << align;
  }
}

// A check box is built as a push button, whose TextAlign says centre, but its
// style carries no alignment, so the system draws its caption at the left,
// beside the box: the right half of a wide check box stays empty.
TEST_F(PropertiesTest, CheckBoxIsLeftAlignedAutoCheckBox) {
  Control* check = CreateCheckBox(form, "MMMM MMMM");
  SetBounds(check, {10, 10, 290, 32});
  EXPECT_EQ(check->style & 0xFFFF, BS_AUTOCHECKBOX);
  EXPECT_EQ(check->style & BS_CENTER, 0u);
  EXPECT_EQ(check->look.textAlign, TextAlign::Centre);
  ShowForm(form);
  const Picture picture = PaintAndCapture(check->window);
  const std::uint32_t background = picture.At(picture.width - 1, picture.height / 2);
  int leftHalf = 0, rightHalf = 0;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      if (!Near(picture.At(x, y), background)) ++(x < picture.width / 2 ? leftHalf : rightHalf);
  EXPECT_GT(leftHalf, 0) << "neither box nor caption drawn";
  EXPECT_EQ(rightHalf, 0) << "the caption reaches the right half";
}

TEST_F(PropertiesTest, Look3DSwapsTheClientEdgeForABorder) {
  Control* edit = CreateEditBox(form, 0);
  form->CreateWindow();
  SetLook3D(edit, false);
  EXPECT_TRUE(GetStyle(edit->window) & WS_BORDER);
  EXPECT_FALSE(GetExStyle(edit->window) & WS_EX_CLIENTEDGE);
  SetLook3D(edit, true);
  EXPECT_FALSE(GetStyle(edit->window) & WS_BORDER);
  EXPECT_TRUE(GetExStyle(edit->window) & WS_EX_CLIENTEDGE);

  Control* panel = CreatePanel(form, PanelEdge::None);
  SetLook3D(panel, false);  // already flat: only the children's flag changes
  EXPECT_FALSE(CreateEditBox(panel, 0)->look.look3D);
}

TEST_F(PropertiesTest, EnabledAndVisibleReachTheWindow) {
  Control* button = CreateButton(form, "b");
  SetEnabled(button, false);
  EXPECT_TRUE(button->style & WS_DISABLED);
  form->CreateWindow();
  SetVisible(form, true);
  EXPECT_FALSE(IsWindowEnabled(button->window));
  SetEnabled(button, true);
  EXPECT_TRUE(IsWindowEnabled(button->window));
  Hide(button);
  EXPECT_FALSE(IsWindowVisible(button->window));
  SetVisible(button, true);
  EXPECT_TRUE(IsWindowVisible(button->window));
}

TEST_F(PropertiesTest, BoundsClientSizeAndCentring) {
  Control* panel = CreatePanel(form, PanelEdge::None);
  SetPosition(panel, 10, 20);
  SetSize(panel, 100, 0);  // 0 keeps the height
  EXPECT_EQ(panel->placement.bounds.left, 10);
  EXPECT_EQ(panel->placement.bounds.Width(), 100);
  EXPECT_EQ(panel->placement.bounds.Height(), 100);
  SetClientSize(form, 300, 200);
  EXPECT_EQ(ClientWidth(form), 300);
  EXPECT_EQ(ClientHeight(form), 200);
  SetSize(panel, 51, 41);
  Centre(panel);
  EXPECT_EQ(GetBounds(panel).left, (300 - 51) >> 1);
  EXPECT_EQ(GetBounds(panel).top, (200 - 41) >> 1);
  Control* group = CreateGroupBox(form, "g");
  EXPECT_EQ(ClientHeight(group), Height(group) - 22 - 2) << "insets come off the client area";
}

TEST_F(PropertiesTest, ClientSizeOfAFormWhoseWindowIsMadeMeanwhile) {
  // Parentless and never placed or sized, as a program's main form starts.
  Control* fresh = CreateForm(nullptr, "fresh");
  SetClientSize(fresh, 394, 235);
  EXPECT_EQ(ClientWidth(fresh), 394);
  EXPECT_EQ(ClientHeight(fresh), 235);
  Free(fresh);
}

struct MinMaxInfo {
  Point reserved, maxSize, maxPosition, minTrack, maxTrack;
};

TEST_F(PropertiesTest, AFixedSizeFormCannotBeResized) {
  SetResizable(form, true);
  SetSize(form, 320, 240);
  SetResizable(form, false);
  EXPECT_FALSE(GetStyle(form->window) & WS_THICKFRAME);
  MinMaxInfo info{};
  Send(form, WM_GETMINMAXINFO, 0, reinterpret_cast<LParam>(&info));
  EXPECT_EQ(info.minTrack.x, 320);
  EXPECT_EQ(info.minTrack.y, 240);
  EXPECT_EQ(info.maxTrack.x, 320);
  EXPECT_EQ(info.maxTrack.y, 240);
  Rect r = GetWindowRect(form->window);
  for (Point corner : {Point{r.left, r.top}, Point{r.right - 1, r.bottom - 1}, Point{r.left, r.bottom - 1}}) {
    LResult hit = Send(form, WM_NCHITTEST, 0, PointParam(corner.x, corner.y));
    EXPECT_FALSE(hit >= HTLEFT && hit <= HTBOTTOMRIGHT) << hit;
  }
  SetResizable(form, true);
  info = {};
  Send(form, WM_GETMINMAXINFO, 0, reinterpret_cast<LParam>(&info));
  EXPECT_NE(info.maxTrack.x, 320);
}

Font WindowFont(Control* control) { return reinterpret_cast<Font>(Send(control, WM_SETFONT + 1 /* WM_GETFONT */)); }

TEST_F(PropertiesTest, ChildrenShareTheFontHandleOfTheirTopmostIdenticalAncestor) {
  SetFontHeight(GetFont(form), 8);
  Control* panel = CreatePanel(form, PanelEdge::None);
  Control* label = CreateLabel(panel, "l");
  form->CreateWindow();
  EXPECT_EQ(WindowFont(label), FontHandle(form->look.font));
  EXPECT_EQ(WindowFont(panel), FontHandle(form->look.font));
  SetFontStyle(label->look.font, kFontUnderline);  // its own handle
  EXPECT_NE(WindowFont(label), FontHandle(form->look.font));
  SetFontStyle(label->look.font, 0);  // back: shared again
  EXPECT_EQ(WindowFont(label), FontHandle(form->look.font));
}

TEST_F(PropertiesTest, ChangingAnAncestorsFontLeavesNoChildOnTheDeletedHandle) {
  SetFontHeight(GetFont(form), 8);
  Control* panel = CreatePanel(form, PanelEdge::None);
  Control* label = CreateLabel(panel, "l");
  form->CreateWindow();
  Font shared = WindowFont(label);
  ASSERT_EQ(shared, FontHandle(form->look.font));
  SetFontHeight(form->look.font, 14);
  EXPECT_NE(WindowFont(label), shared);
  EXPECT_NE(WindowFont(panel), shared);
  EXPECT_EQ(WindowFont(label), FontHandle(label->look.font));
  EXPECT_EQ(label->look.font->logFont.height, 8) << "children keep the font they copied";
  EXPECT_EQ(CreateLabel(form, "later")->look.font->logFont.height, 14);
}

TEST_F(PropertiesTest, FontColourFollowsTheFontObject) {
  Control* label = CreateLabel(form, "l");
  SetFontColor(GetFont(label), 0x0000FF);
  EXPECT_EQ(label->look.fontColor, 0x0000FF);
  SetFontFace(label->look.font, std::string(40, 'x'));
  EXPECT_EQ(label->look.font->logFont.faceName.size(), 31u);
}

}  // namespace
}  // namespace controls::testing
