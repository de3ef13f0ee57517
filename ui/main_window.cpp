#include "ui/main_window.h"

#include <array>
#include <string>
#include <string_view>

#include "controls/fonts.h"
#include "controls/kinds.h"
#include "controls/properties.h"
#include "ui/commands.h"
#include "ui/pages.h"
#include "ui/palette.h"
#include "units/result_format.h"
#include "units/value_input.h"

namespace ui {

namespace {

using controls::Color;
using controls::PanelEdge;
using Ref = Control* MainWindow::*;

enum class Kind {
  Panel,
  SunkenPanel,
  Group,
  Label,
  Check,
  Button,
  ValueEdit,
  ResultEdit,
  Combo,
  StyleKeeper,
  Selectors,  // the category bar's, at the top and of the height the row gives
};

inline constexpr int kDefault = -1;
inline constexpr Color kInherit = controls::kNoColor;

// Per-control extras beyond position, size, colours and font height.
enum Extra : unsigned {
  kNone = 0,
  kUnderline = 1u << 0,
  kHandCursor = 1u << 1,
  kCentred = 1u << 2,
  kTicked = 1u << 3,
};

struct ControlRow {
  Ref self;
  Ref parent;  // nullptr: the form
  Kind kind;
  std::string_view caption;
  int left, top, width, height;
  Color background = kInherit;
  Color text = kInherit;
  int fontHeight = 0;  // 0: as inherited
  unsigned extras = kNone;
};

using M = MainWindow;

// Creation order matters: each control inherits its parent's colours and
// font as they are at that moment.
constexpr ControlRow kLayout[] = {
    {&M::BackgroundPanel, nullptr, Kind::SunkenPanel, "", -4, -20, 421, 293, kSilver, kInherit, 8},

    {&M::ResultPanel, &M::BackgroundPanel, Kind::Panel, "", 3, 161, 395, 96, kLightGrey},
    {&M::ResultGroup, &M::ResultPanel, Kind::Group, "Result", 6, 3, 382, 85, kLightGrey, kNavy},
    {&M::DecimalsLabel, &M::ResultGroup, Kind::Label, "Dec.:", 6, 60, 35, kDefault, kInherit,
     kBlack},
    {&M::RoundUpCheck, &M::ResultGroup, Kind::Check, "Round Up", 96, 56, kDefault, kDefault,
     kInherit, kBlack, 0, kTicked},
    {&M::ResultBox, &M::ResultGroup, Kind::ResultEdit, "", 6, 16, 369, 33, kVeryLightGrey, kBlack},
    {&M::ConvertButton, &M::ResultGroup, Kind::Button, "Convert", 312, 56, kDefault, kDefault},
    {&M::ThousandSepCheck, &M::ResultGroup, Kind::Check, "1000 Sep.", 232, 56, kDefault, kDefault,
     kInherit, kBlack, 0, kTicked},
    {&M::ExpCheck, &M::ResultGroup, Kind::Check, "Exp.", 176, 56, 41, kDefault, kInherit, kBlack},
    {&M::DecimalsCombo, &M::ResultGroup, Kind::Combo, "", 42, 56, 41, kDefault, kWhite, kBlack},

    {&M::ConversionPanel, &M::BackgroundPanel, Kind::SunkenPanel, "", 1, 38, 407, 130, kLightGrey},
    {&M::FromGroup, &M::ConversionPanel, Kind::Group, "Convert From", 7, 6, 231, 111, kLightGrey,
     kNavy},
    {&M::PaperHelpLink, &M::FromGroup, Kind::Label, "Help", 8, 90, 36, 14, kInherit, kInherit, 0,
     kUnderline | kHandCursor},
    {&M::WeightHelpLink, &M::FromGroup, Kind::Label, "Weight or Mass?", 8, 90, 89, 15, kInherit,
     kInherit, 0, kUnderline | kHandCursor},
    {&M::FromUnit1, &M::FromGroup, Kind::Combo, "", 90, 16, 135, kDefault, kWhite, kBlack},
    {&M::FromUnit2, &M::FromGroup, Kind::Combo, "", 90, 40, 135, kDefault, kWhite, kBlack},
    {&M::FromUnit3, &M::FromGroup, Kind::Combo, "", 90, 64, 135, kDefault, kWhite, kBlack},
    {&M::ResetButton, &M::FromGroup, Kind::Button, "Reset", 148, 89, 35, 18},
    {&M::FromValue1, &M::FromGroup, Kind::ValueEdit, "", 7, 16, 81, 21, kWhite, kBlack},
    {&M::FromValue2, &M::FromGroup, Kind::ValueEdit, "", 7, 40, 81, 21, kWhite, kBlack},
    {&M::FromValue3, &M::FromGroup, Kind::ValueEdit, "", 7, 64, 81, 21, kWhite, kBlack},
    {&M::ClearFromButton, &M::FromGroup, Kind::Button, "Clear", 188, 89, 35, 18},
    {&M::ToGroup, &M::ConversionPanel, Kind::Group, "Convert To", 241, 6, 148, 111, kLightGrey,
     kNavy},
    {&M::ToUnit1, &M::ToGroup, Kind::Combo, "", 6, 16, 135, kDefault, kWhite, kBlack},
    {&M::ToUnit2, &M::ToGroup, Kind::Combo, "", 6, 40, 135, kDefault, kWhite, kBlack},
    {&M::ToUnit3, &M::ToGroup, Kind::Combo, "", 6, 64, 135, kDefault, kWhite, kBlack},
    {&M::ClearToButton, &M::ToGroup, Kind::Button, "Clear", 106, 89, 35, 18},
    {&M::MetricButton, &M::ToGroup, Kind::Button, "Metric", 46, 89, 35, 18},
    {&M::USButton, &M::ToGroup, Kind::Button, "US", 6, 89, 35, 18},

    {&M::CategoryBar, &M::BackgroundPanel, Kind::Panel, "", 3, 19, 395, 25, kWhite},
    {&M::AboutLink, &M::CategoryBar, Kind::Label, "?", 383, 3, 7, 16, kInherit, kInherit, 0,
     kHandCursor},
    {nullptr, &M::CategoryBar, Kind::Selectors, "", 0, 3, 0, 14},

    // Lies wholly beyond the client area's right edge and has no handler: the
    // window carries it for the sake of the controls' visual-style look, as
    // its caption says, and nothing of ours ever reaches it.
    {&M::StyleKeeperButton, nullptr, Kind::StyleKeeper, "Dont remove else XP styles wont work", 572,
     1, 213, 40, kInherit, kBlack, 8},

    {&M::PrefixesPage, nullptr, Kind::Panel, "", -17, 20, 419, 219, kGrey},
    {&M::PrefixesGroup, &M::PrefixesPage, Kind::Group, "Metric Prefixes", 23, 6, 382, 204, kInherit,
     kNavy, 8},
    {&M::PrefixesNote1, &M::PrefixesGroup, Kind::Label,
     "10^x means 10 to the power of x.  Examples:", 8, 170, 361, 16, kInherit, kBlack},
    {&M::PrefixesNote2, &M::PrefixesGroup, Kind::Label,
     "5 km = 5*10^3 = 5*1000 m = 5000 m; 5 mm = 5*10^-3 = 5/1000 m = 0.005 m.", 8, 185, 369, 16,
     kInherit, kBlack},
    {&M::PrefixTablePanel, &M::PrefixesGroup, Kind::SunkenPanel, "", 10, 16, 361, 145,
     kVeryLightGrey, kBlack},
    {&M::SmallPowersColumn, &M::PrefixTablePanel, Kind::Label, "-", 304, 7, 35, 132},
    {&M::LargeSymbolsColumn, &M::PrefixTablePanel, Kind::Label, "-", 79, 7, 33, 132},
    {&M::LargePowersColumn, &M::PrefixTablePanel, Kind::Label, "-", 127, 7, 35, 132},
    {&M::LargeNamesColumn, &M::PrefixTablePanel, Kind::Label, "-", 23, 7, 41, 132},
    {&M::SmallNamesColumn, &M::PrefixTablePanel, Kind::Label, "-", 203, 7, 41, 132},
    {&M::SmallSymbolsColumn, &M::PrefixTablePanel, Kind::Label, "-", 259, 7, 33, 132},
    {&M::PrefixDivider, &M::PrefixTablePanel, Kind::Panel, "", 179, 7, 1, 129, kSilver},
};

// What assistive technology is told of the controls whose kind and caption
// do not say it all: the fields and lists by their group and row, the
// category bar as tabs, the links as links and the panels as panes.
struct Description {
  Ref self;
  controls::AccessibleRole role;
  const char* name;  // "": the caption
};

using Role = controls::AccessibleRole;

constexpr Description kDescriptions[] = {
    {&M::FromValue1, Role::Default, "Convert From, value 1"},
    {&M::FromValue2, Role::Default, "Convert From, value 2"},
    {&M::FromValue3, Role::Default, "Convert From, value 3"},
    {&M::FromUnit1, Role::Default, "Convert From, unit 1"},
    {&M::FromUnit2, Role::Default, "Convert From, unit 2"},
    {&M::FromUnit3, Role::Default, "Convert From, unit 3"},
    {&M::ToUnit1, Role::Default, "Convert To, unit 1"},
    {&M::ToUnit2, Role::Default, "Convert To, unit 2"},
    {&M::ToUnit3, Role::Default, "Convert To, unit 3"},
    {&M::ResultBox, Role::Default, "Result"},
    {&M::DecimalsCombo, Role::Default, "Decimal places"},
    {&M::CategoryBar, Role::PageTabList, "Categories"},
    {&M::AboutLink, Role::Link, "About"},
    {&M::WeightHelpLink, Role::Link, ""},
    {&M::PaperHelpLink, Role::Link, ""},
    {&M::BackgroundPanel, Role::Pane, ""},
    {&M::ConversionPanel, Role::Pane, ""},
    {&M::ResultPanel, Role::Pane, ""},
    {&M::PrefixesPage, Role::Pane, ""},
    {&M::PrefixTablePanel, Role::Pane, ""},
};

constexpr unsigned kComboOptions = controls::kComboDropDownList | controls::kComboNoIntegralHeight;

Control* CreateOfKind(Kind kind, Control* parent, const std::string& caption) {
  using namespace controls;
  switch (kind) {
    case Kind::Panel:
    case Kind::SunkenPanel: {
      Control* panel =
          CreatePanel(parent, kind == Kind::Panel ? PanelEdge::None : PanelEdge::Lowered);
      if (!caption.empty()) SetText(panel, caption);
      return panel;
    }
    case Kind::Group:
      return CreateGroupBox(parent, caption);
    case Kind::Label:
      return CreateLabel(parent, caption);
    case Kind::Check:
      return CreateCheckBox(parent, caption);
    case Kind::Button:
      return CreateButton(parent, caption);
    case Kind::ValueEdit:
      return CreateEditBox(parent, 0);
    case Kind::ResultEdit:
      return CreateEditBox(parent, kEditMultiLine | kEditReadOnly | kEditNoHScroll);
    case Kind::Combo:
      return CreateComboBox(parent, kComboOptions);
    case Kind::StyleKeeper: {
      Control* button = CreateOwnerDrawnButton(parent, caption, 0);
      button->ownerDrawPart->pressShiftX = 1;
      button->ownerDrawPart->pressShiftY = 1;
      return button;
    }
    case Kind::Selectors:
      break;
  }
  return nullptr;
}

void ApplyRow(Control* control, const ControlRow& row) {
  using namespace controls;
  const int width = row.width == kDefault ? Width(control) : row.width;
  const int height = row.height == kDefault ? Height(control) : row.height;
  SetBounds(control, {row.left, row.top, row.left + width, row.top + height});
  if (row.background != kInherit) SetColor(control, row.background);
  if (row.text != kInherit) SetFontColor(GetFont(control), row.text);
  if (row.fontHeight != 0) SetFontHeight(GetFont(control), row.fontHeight);
  if (row.extras & kUnderline) SetFontStyle(GetFont(control), kFontUnderline);
  if (row.extras & kHandCursor) SetCursor(control, StandardCursor::Hand);
  if (row.extras & kCentred) SetTextAlign(control, TextAlign::Centre);
  if (row.extras & kTicked) SetChecked(control, true);
}

void CreateRow(MainWindow* window, const ControlRow& row) {
  Control* parent = row.parent ? window->*row.parent : window->MainForm;
  Control* control = CreateOfKind(row.kind, parent, std::string(row.caption));
  window->*row.self = control;
  ApplyRow(control, row);
}

// Each selector is a tab showing its category's caption, named in full.
void CreateSelectors(MainWindow* window, const ControlRow& bar) {
  for (const SelectorPlace& place : SelectorBar()) {
    const units::CategoryInfo& info = units::Describe(place.category);
    CreateRow(window, {place.control, bar.parent, Kind::Panel, info.Caption, place.left, bar.top,
                       place.width, bar.height, kInherit, kInherit, 0, kCentred});
    controls::SetAccessibleRole(window->*place.control, Role::PageTab);
    controls::SetAccessibleName(window->*place.control, std::string(info.Name));
  }
}

void CreateControls(MainWindow* window) {
  for (const ControlRow& row : kLayout) {
    if (row.kind == Kind::Selectors) {
      CreateSelectors(window, row);
    } else {
      CreateRow(window, row);
    }
  }
  for (int places = 0; places <= units::MaxPlaces; ++places)
    controls::AddItem(window->DecimalsCombo, std::to_string(places));
  controls::SetSelectedIndex(window->DecimalsCombo, units::ResultOptions{}.Places);
  for (const Description& description : kDescriptions) {
    controls::SetAccessibleRole(window->*description.self, description.role);
    controls::SetAccessibleName(window->*description.self, description.name);
  }
}

}  // namespace

void BuildMainWindow(MainWindow*& window, Control* parent) {
  using namespace controls;
  window = NewObject<MainWindow>();
  Control* form = CreateForm(parent, "Zurmet 1.0");
  window->MainForm = form;
  // The frame is final before the client area is sized inside it: a thinner
  // frame later would widen the client area.
  SetFormFrame(form, FormFrame::Dialog);
  SetClientSize(form, 394, 235);
  AppWindow = form;
  AddToAutoFree(form, window);
  CreateControls(window);
  BindMainWindowEvents(window);
  Centre(form);
  SetResizable(form, false);
  ApplyInitialState(window);
  SetIcon(form, kNoIcon);
}

void ApplyInitialState(MainWindow* window) {
  using namespace controls;
  BringToTop(window->PrefixesPage);
  Hide(window->PrefixesPage);
  SetPosition(window->PrefixesPage, -17, 20);
  for (Control* field : window->FromValues())
    SetTextLimit(field, static_cast<int>(units::ValueFieldLimit));
  SelectCategory(window, units::Category::Length);
  FillPrefixColumns(window);
}

}  // namespace ui
