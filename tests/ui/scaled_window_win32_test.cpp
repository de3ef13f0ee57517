// The Win32 windows at the DPI of the screen they are on (CTest runs these
// again under Wine at 144 and 192 DPI, each in a prefix of its own): every
// control the layout's size times the scale, every caption inside its
// control in a scalable face, and a change of DPI while the window is open
// taken without losing anything the user did.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "device_win32.h"
#include "main_window_harness.h"
#include "ui/about_window.h"
#include "ui/help_window.h"
#include "ui/pages.h"

namespace ui::testing {
namespace {

using namespace controls;
using M = MainWindow;

constexpr int kLayoutDpi = 96;
// The main window's client area and a unit list's height at 100%: a value
// field's, the height the list has in the dialog face.
constexpr int kClientWidth = 394, kClientHeight = 235, kFieldHeight = 21;

struct Named {
  std::string name;
  Control* control;
};

void CollectControls(Control* control, const std::string& name, std::vector<Named>& out) {
  out.push_back({name, control});
  for (int i = 0; i < ChildCount(control); ++i)
    CollectControls(Child(control, i), name + "/" + std::to_string(i), out);
}

bool IsComboBox(Control* control) { return control->comboPart != nullptr; }

// A control where the layer put it, and as large as it made it, times the
// scale; a combo box sizes its height itself, to a value field's.
void ExpectScaled(const Named& c, int dpi) {
  if (c.control->IsForm() || !c.control->window) return;
  const DeviceGeometry device = DeviceGeometryOf(c.control->window);
  const Bounds& layout = c.control->placement.bounds;
  EXPECT_NEAR(device.left, ToDevice(layout.left, dpi), 1) << c.name;
  EXPECT_NEAR(device.top, ToDevice(layout.top, dpi), 1) << c.name;
  EXPECT_NEAR(device.width, ToDevice(layout.Width(), dpi), 1) << c.name;
  const int height = IsComboBox(c.control) ? kFieldHeight : layout.Height();
  EXPECT_NEAR(device.height, ToDevice(height, dpi), 1) << c.name;
}

class ScaledWindowTest : public MainWindowTest {
 protected:
  int Dpi() { return DpiOf(form->window); }

  // Runs the check on the main window on every page, on the help window
  // with each topic and on the About window, each fully built.
  void ForEveryWindow(const std::function<void(Control* root, const std::string& name)>& check) {
    for (units::Category category : kEveryCategory) {
      SelectCategory(w, category);
      Settle();
      check(form, "main, page " + std::to_string(static_cast<int>(category)));
    }
    HelpWindow* help = nullptr;
    BuildHelpWindow(help, AppWindow);
    help->HelpForm->CreateWindow();
    const struct {
      const char* title;
      const char* text;
    } topics[] = {{"Weight or Mass?", WeightHelpText}, {"Paper Weight", PaperHelpText}};
    for (const auto& topic : topics) {
      SetText(help->HelpTitle, topic.title);
      SetText(help->HelpText, topic.text);
      check(help->HelpForm, std::string("help, ") + topic.title);
    }
    Free(help->HelpForm);
    AboutWindow* about = nullptr;
    BuildAboutWindow(about, AppWindow);
    about->AboutForm->CreateWindow();
    check(about->AboutForm, "about");
    Free(about->AboutForm);
  }

  static std::vector<Named> ControlsOf(Control* root, const std::string& name) {
    std::vector<Named> all;
    CollectControls(root, name, all);
    return all;
  }

  void ExpectMainWindowScaled(int dpi) {
    const DeviceGeometry client = DeviceGeometryOf(form->window);
    EXPECT_NEAR(client.clientWidth, ToDevice(kClientWidth, dpi), 1);
    EXPECT_NEAR(client.clientHeight, ToDevice(kClientHeight, dpi), 1);
    for (const Named& c : ControlsOf(form, "main")) ExpectScaled(c, dpi);
  }
};

TEST_F(ScaledWindowTest, EveryControlIsItsLayoutSizeTimesTheScale) {
  const int dpi = Dpi();
  ExpectMainWindowScaled(dpi);
  ForEveryWindow([dpi](Control* root, const std::string& name) {
    for (const Named& c : ControlsOf(root, name)) ExpectScaled(c, dpi);
  });
}

// At 100% the windows are drawn in the bitmap dialog face, as ever, where a
// long paper name runs a pixel or two past its list's field.
TEST_F(ScaledWindowTest, EveryCaptionFitsItsControlWhenScaled) {
  if (DrawnAsLaidOut(form->window)) GTEST_SKIP() << "run at more than 96 DPI";
  int checked = 0;
  ForEveryWindow([&checked](Control* root, const std::string& name) {
    for (const Named& c : ControlsOf(root, name)) {
      if (!c.control->window) continue;
      std::vector<ShownText> texts = ShownTexts(c.control->window);
      // A title's caption, without its shadow: the help title's runs two
      // pixels past its label at 100% already.
      if (c.control->shadowPart)
        texts.push_back(
            PaintedCaption(c.control->window, FontHandle(GetFont(c.control)), GetText(c.control)));
      for (const ShownText& text : texts) {
        // A rule across a list's field, which runs past it at 100% as well.
        if (text.text.find_first_not_of('=') == std::string::npos) continue;
        ++checked;
        EXPECT_LE(text.width, text.room) << c.name << " \"" << text.text << "\"";
      }
    }
  });
  EXPECT_GT(checked, 400);
}

// Above 100% a bitmap strike would be drawn at its own small size, and on a
// system above 100% the face's name may stand for another strike or face
// than the layout's; at 100% on a system at 100% the dialog face is the
// bitmap one, as ever.
TEST_F(ScaledWindowTest, TextIsDrawnInAScalableFaceWhenScaled) {
  const bool scaled = !DrawnAsLaidOut(form->window);
  ForEveryWindow([scaled](Control* root, const std::string& name) {
    for (const Named& c : ControlsOf(root, name)) {
      if (!c.control->window || c.control->IsForm()) continue;
      if (c.control->shadowPart) {
        EXPECT_TRUE(!scaled || PaintedScalable(c.control->window, FontHandle(GetFont(c.control))))
            << c.name;
        continue;
      }
      if (ShownTexts(c.control->window).empty() && !c.control->kindTable->textLimitMessage) continue;
      const Face face = FaceOf(c.control->window);
      if (scaled) {
        EXPECT_TRUE(face.scalable) << c.name << " in " << face.name;
      } else if (name.rfind("main", 0) == 0) {
        EXPECT_FALSE(face.scalable) << c.name << " in " << face.name;
      }
    }
  });
}

// A row of an open list is the dialog face's row at 100%, scaled.
TEST_F(ScaledWindowTest, OpenListRowsScaleWithTheScreen) {
  constexpr int kRowHeight = 13;
  for (Control* list : {w->FromUnit1, w->DecimalsCombo})
    EXPECT_NEAR(controls::testing::OpenListRowHeight(list->window), ToDevice(kRowHeight, Dpi()), 1);
}

// The layer's own painting: an owner-drawn button's raised edge is two
// lines, each a layout pixel wide on the screen, in the system's colours.
TEST_F(ScaledWindowTest, AnOwnerDrawnButtonsEdgeLinesAreALayoutPixelWide) {
  const int dpi = Dpi();
  const controls::testing::Picture picture =
      controls::testing::PrintClient(w->StyleKeeperButton->window, 0x00FF00FF);
  ASSERT_GT(picture.width, ToDevice(4, dpi));
  const int y = picture.height / 2;
  const struct {
    int line;
    int colour;
  } lines[] = {{0, native::COLOR_3DLIGHT}, {1, native::COLOR_BTNHIGHLIGHT}};
  for (const auto& line : lines)
    for (int x = ToDevice(line.line, dpi); x < ToDevice(line.line + 1, dpi); ++x)
      EXPECT_EQ(picture.At(x, y), native::GetSysColor(line.colour))
          << "line " << line.line << ", x " << x;
  EXPECT_NE(picture.At(ToDevice(2, dpi), y), native::GetSysColor(native::COLOR_BTNHIGHLIGHT));
}

// ---- a change of DPI while the window is open ------------------------------

struct UserState {
  std::array<std::string, 9> inputs;
  std::string result;
  int places = 0;
  bool roundUp = false, thousands = false, exponent = false;
  bool operator==(const UserState&) const = default;
};

class DpiChangeTest : public ScaledWindowTest {
 protected:
  UserState State() {
    return {Inputs(),
            Result(),
            GetSelectedIndex(w->DecimalsCombo),
            GetChecked(w->RoundUpCheck),
            GetChecked(w->ThousandSepCheck),
            GetChecked(w->ExpCheck)};
  }

  std::vector<DeviceGeometry> Geometry() {
    std::vector<DeviceGeometry> all;
    for (const Named& c : ControlsOf(form, "main"))
      if (c.control->window) all.push_back(DeviceGeometryOf(c.control->window));
    return all;
  }
};

TEST_F(DpiChangeTest, TheWindowTakesTheNewScaleAndKeepsWhatTheUserDid) {
  TypeInto(&M::FromValue1, "1");
  TypeInto(&M::FromValue2, "2");
  TypeInto(&M::FromValue3, "3");
  ChooseItem(w->ToUnit1, "feet");
  ChooseItem(w->ToUnit2, "inches");
  ChooseItem(w->DecimalsCombo, 5);
  ClickOn(w->RoundUpCheck);
  ClickOn(w->ConvertButton);
  const UserState before = State();
  ASSERT_FALSE(before.result.empty());
  ASSERT_NE(before.result, "Error");
  ASSERT_FALSE(before.roundUp);
  const int original = Dpi();
  const std::vector<DeviceGeometry> originalGeometry = Geometry();

  const int other = original == kLayoutDpi ? 144 : kLayoutDpi;
  SendDpiChange(form->window, other);
  Settle();
  EXPECT_EQ(Dpi(), other);
  EXPECT_EQ(State(), before);
  ExpectMainWindowScaled(other);
  for (Control* c :
       {w->FromValue1, w->FromUnit1, w->ResultBox, w->ConvertButton, w->LengthSelector})
    EXPECT_EQ(FaceOf(c->window).scalable, !DrawnAsLaidOut(form->window)) << FaceOf(c->window).name;
  // The window still takes input where it now is.
  ClickOn(w->ExpCheck);
  EXPECT_TRUE(GetChecked(w->ExpCheck));
  EXPECT_NE(Result(), before.result);
  ClickOn(w->ExpCheck);
  EXPECT_EQ(State(), before);

  SendDpiChange(form->window, original);
  Settle();
  EXPECT_EQ(Dpi(), original);
  EXPECT_EQ(State(), before);
  EXPECT_TRUE(Geometry() == originalGeometry) << "the window is not back as it was";
}

}  // namespace
}  // namespace ui::testing
