#include "controls/kinds.h"

#include "controls/application.h"
#include "controls/dispatch.h"
#include "controls/hooks.h"
#include "controls/native/win_defs.h"
#include "controls/paint.h"
#include "controls/properties.h"

namespace controls {

using namespace native;

namespace {

// STN_CLICKED, which only the Qt back end's constants name.
constexpr std::uint16_t kStaticClicked = 0;

void ClearText(Control* control) { SetText(control, ""); }
void ResetContent(Control* control) { Perform(control, CB_RESETCONTENT, 0, 0); }

constexpr KindTable MakeButtonKind() {
  KindTable t;
  t.clear = ClearText;
  t.clickCode = BN_CLICKED;
  t.enterCode = BN_SETFOCUS;
  t.leaveCode = BN_KILLFOCUS;
  t.alignStyles[0] = BS_LEFT, t.alignStyles[1] = BS_RIGHT, t.alignStyles[2] = BS_CENTER;
  t.verticalStyles[0] = BS_VCENTER, t.verticalStyles[1] = BS_TOP, t.verticalStyles[2] = BS_BOTTOM;
  return t;
}

constexpr KindTable MakeStaticKind() {
  KindTable t;
  t.clear = ClearText;
  t.clickCode = kStaticClicked;
  t.alignStyles[0] = SS_LEFT, t.alignStyles[1] = SS_RIGHT, t.alignStyles[2] = SS_CENTER;
  t.alignRemovedBits = SS_LEFTNOWORDWRAP;
  t.verticalStyles[0] = SS_CENTERIMAGE;
  return t;
}

constexpr KindTable MakeEditKind() {
  KindTable t;
  t.clear = ClearText;
  t.enterCode = EN_SETFOCUS, t.leaveCode = EN_KILLFOCUS, t.changeCode = EN_CHANGE;
  t.countMessage = EM_GETLINECOUNT;
  t.itemLengthMessage = EM_LINELENGTH, t.getItemMessage = EM_GETLINE;
  t.getIndexMessage = EM_LINEINDEX;
  t.setSelectionMessage = EM_SETSEL;
  t.alignStyles[0] = ES_LEFT, t.alignStyles[1] = ES_RIGHT, t.alignStyles[2] = ES_CENTER;
  t.textLimitMessage = EM_LIMITTEXT;
  return t;
}

constexpr KindTable MakeComboKind() {
  KindTable t;
  t.clear = ResetContent;
  t.afterCreate = SubclassInnerWindows;
  t.clickCode = CBN_DBLCLK, t.enterCode = CBN_SETFOCUS, t.leaveCode = CBN_KILLFOCUS;
  t.changeCode = CBN_EDITCHANGE, t.selChangeCode = kSelChangeCode;
  t.countMessage = CB_GETCOUNT;
  t.itemLengthMessage = CB_GETLBTEXTLEN, t.getItemMessage = CB_GETLBTEXT;
  t.getItemDataMessage = CB_GETITEMDATA, t.setItemDataMessage = CB_SETITEMDATA;
  t.addItemMessage = CB_ADDSTRING, t.deleteItemMessage = CB_DELETESTRING;
  t.insertItemMessage = CB_INSERTSTRING;
  t.getIndexMessage = CB_GETCURSEL, t.setIndexMessage = CB_SETCURSEL;
  return t;
}

// A kind's table with Enter its own or with a repaint after every move.
constexpr KindTable TakingEnter(KindTable t) {
  t.handlesEnter = true;
  return t;
}
constexpr KindTable RepaintedOnMove(KindTable t) {
  t.repaintOnMove = true;
  return t;
}

// The style each kind starts from.
constexpr std::uint32_t kShownChild = WS_CHILD | WS_VISIBLE;
constexpr std::uint32_t kButtonStyle = kShownChild | WS_TABSTOP | BS_PUSHLIKE;
constexpr std::uint32_t kOwnerDrawnStyle = kShownChild | WS_TABSTOP | BS_OWNERDRAW;
constexpr std::uint32_t kGroupBoxStyle =
    kShownChild | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_GROUP | WS_TABSTOP | BS_GROUPBOX;
constexpr std::uint32_t kStaticStyle = kShownChild | SS_NOTIFY | SS_NOPREFIX | SS_LEFTNOWORDWRAP;
constexpr std::uint32_t kEditStyle = kShownChild | WS_BORDER | WS_TABSTOP;
constexpr std::uint32_t kComboStyle = kShownChild | WS_VSCROLL | WS_TABSTOP | CBS_HASSTRINGS;

struct OptionStyle {
  unsigned bit;
  std::uint32_t style;
};

constexpr OptionStyle kEditOptionStyles[] = {
    {kEditLowercase, ES_LOWERCASE}, {kEditMultiLine, ES_MULTILINE},
    {kEditNoHideSel, ES_NOHIDESEL}, {kEditOemConvert, ES_OEMCONVERT},
    {kEditPassword, ES_PASSWORD},   {kEditReadOnly, ES_READONLY},
    {kEditUppercase, ES_UPPERCASE}, {kEditWantReturn, ES_WANTRETURN},
    {kEditNumber, ES_NUMBER},
};

constexpr OptionStyle kComboOptionStyles[] = {
    {kComboDisableNoScroll, CBS_DISABLENOSCROLL},
    {kComboLowercase, CBS_LOWERCASE},
    {kComboNoIntegralHeight, CBS_NOINTEGRALHEIGHT},
    {kComboOemConvert, CBS_OEMCONVERT},
    {kComboSort, CBS_SORT},
    {kComboUppercase, CBS_UPPERCASE},
    {kComboOwnerDrawFixed, CBS_OWNERDRAWFIXED},
    {kComboOwnerDrawVariable, CBS_OWNERDRAWVARIABLE},
    {kComboSimple, CBS_SIMPLE},
};

template <std::size_t N>
std::uint32_t StylesOf(const OptionStyle (&table)[N], unsigned options) {
  std::uint32_t style = 0;
  for (const OptionStyle& entry : table)
    if (options & entry.bit) style |= entry.style;
  return style;
}

std::uint32_t EditStyle(unsigned options) {
  std::uint32_t style = StylesOf(kEditOptionStyles, options);
  if (!(options & kEditNoHScroll)) style |= ES_AUTOHSCROLL | WS_HSCROLL;
  if (!(options & kEditNoVScroll)) style |= ES_AUTOVSCROLL | WS_VSCROLL;
  if (!(options & kEditMultiLine)) style &= ~(WS_HSCROLL | WS_VSCROLL);
  return style;
}

std::uint32_t ComboStyle(unsigned options) {
  std::uint32_t style = StylesOf(kComboOptionStyles, options);
  style |= (options & kComboDropDownList) ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
  if (!(options & kComboNoAutoHScroll)) style |= CBS_AUTOHSCROLL;
  return style;
}

void SetHeight(Control* control, int height) {
  control->placement.bounds.bottom = control->placement.bounds.top + height;
}
void SetWidth(Control* control, int width) {
  control->placement.bounds.right = control->placement.bounds.left + width;
}

// The child-control part of construction; the kind's Create fills in the rest.
void InitChildControl(Control* control, std::uint32_t kindStyle, const KindTable& table) {
  control->isChild = true;
  control->look.verticalAlign = VerticalAlign::Top;
  control->kindTable = &table;
  std::uint32_t newStyle = kindStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (control->look.look3D) {
    newStyle &= ~WS_BORDER;
    control->exStyle |= WS_EX_CLIENTEDGE;
  }
  control->style = newStyle;
  control->state.visible = (newStyle & WS_VISIBLE) != 0;
  if (control->parent) control->look.cursor = control->parent->look.cursor;
  Control* form = ParentForm(control);
  if (form) control->state.tabOrder = ++form->formPart->tabCounter;
  if (newStyle & WS_TABSTOP) {
    control->state.tabStop = true;
    if (form && !form->formPart->currentControl) form->formPart->currentControl = control;
  }
  control->controlId = NextControlId++;
  AttachHook(control, GenericControlHook);
}

}  // namespace

constexpr KindTable kButtonKind = MakeButtonKind();
constexpr KindTable kPushButtonKind = TakingEnter(MakeButtonKind());
constexpr KindTable kStaticKind = MakeStaticKind();
constexpr KindTable kLabelKind = RepaintedOnMove(MakeStaticKind());
constexpr KindTable kEditKind = MakeEditKind();
constexpr KindTable kMultiLineEditKind = TakingEnter(MakeEditKind());
constexpr KindTable kComboKind = MakeComboKind();

Control* CreateChildControl(Control* parent, const char* subclassName, bool look3DDefault,
                            std::uint32_t kindStyle, const KindTable& table) {
  Control* control = CreateControl(parent, subclassName, look3DDefault);
  InitChildControl(control, kindStyle, table);
  return control;
}

Control* CreateForm(Control* parent, const std::string& caption) {
  Control* form = CreateControl(parent, "Form", true);
  form->formPart = std::make_unique<FormPart>();
  form->classStyle |= CS_DBLCLKS;
  AttachHook(form, FormFocusHook);
  AttachHook(form, BackgroundHook);
  form->caption = caption;
  if (!parent) form->placement.bounds = {};
  return form;
}

Control* CreateButton(Control* parent, const std::string& caption) {
  Control* button = CreateChildControl(parent, "BUTTON", false, kButtonStyle, kPushButtonKind);
  SetHeight(button, 22);
  button->look.textAlign = TextAlign::Centre;
  button->buttonPart = std::make_unique<ButtonPart>();
  button->caption = caption;
  return button;
}

Control* CreateCheckBox(Control* parent, const std::string& caption) {
  Control* box = CreateButton(parent, caption);
  box->style = (box->style & ~kControlStyleMask) | BS_AUTOCHECKBOX | WS_TABSTOP;
  box->kindTable = &kButtonKind;  // Enter presses the form's default button
  SetWidth(box, 72);
  return box;
}

Control* CreateLabel(Control* parent, const std::string& caption) {
  Control* label = CreateChildControl(parent, "STATIC", false, kStaticStyle, kLabelKind);
  SetHeight(label, 22);
  label->caption = caption;
  return label;
}

Control* CreateShadowLabel(Control* parent, const std::string& caption, int shadowDepth) {
  Control* label = CreateLabel(parent, caption);
  label->shadowPart = std::make_unique<ShadowPart>();
  label->shadowPart->depth = shadowDepth;
  SetHeight(label, 40);
  label->look.textAlign = TextAlign::Centre;
  label->look.fontColor = kWindowText;
  AttachHook(label, BackgroundHook);
  AttachHook(label, ShadowLabelHook);
  return label;
}

Control* CreateGroupBox(Control* parent, const std::string& caption) {
  Control* group = CreateChildControl(parent, "BUTTON", false, kGroupBoxStyle, kButtonKind);
  group->exStyle |= WS_EX_CONTROLPARENT;
  SetWidth(group, 100);
  SetHeight(group, 142);
  group->placement.insets = {22, 2, 2, 2};
  group->state.tabStop = false;
  AttachHook(group, BackgroundHook);
  group->caption = caption;
  return group;
}

Control* CreatePanel(Control* parent, PanelEdge edge) {
  Control* panel = CreateChildControl(parent, "STATIC", false, kStaticStyle, kStaticKind);
  SetWidth(panel, 100);
  SetHeight(panel, 100);
  panel->exStyle |= WS_EX_CONTROLPARENT;
  if (edge == PanelEdge::Raised) panel->style |= WS_DLGFRAME;
  if (edge == PanelEdge::Lowered) panel->style |= SS_SUNKEN;
  return panel;
}

Control* CreateEditBox(Control* parent, unsigned options) {
  const bool multiLine = (options & kEditMultiLine) != 0;
  Control* edit = CreateChildControl(parent, "EDIT", true, EditStyle(options) | kEditStyle,
                                     multiLine ? kMultiLineEditKind : kEditKind);
  SetWidth(edit, multiLine ? 200 : 100);
  SetHeight(edit, multiLine ? 200 : 22);
  return edit;
}

Control* CreateComboBox(Control* parent, unsigned options) {
  Control* combo =
      CreateChildControl(parent, "COMBOBOX", true, ComboStyle(options) | kComboStyle, kComboKind);
  SetWidth(combo, 100);
  combo->placement.bounds.bottom -= 42;
  combo->comboPart = std::make_unique<ComboPart>();
  combo->classStyle |= CS_DBLCLKS;
  AttachHook(combo, ComboHook);
  return combo;
}

Control* CreateOwnerDrawnButton(Control* parent, const std::string& caption, unsigned options, int,
                                void*, int) {
  Control* button = CreateChildControl(parent, "BUTTON", false, kOwnerDrawnStyle, kPushButtonKind);
  SetHeight(button, 22);
  button->buttonPart = std::make_unique<ButtonPart>();
  button->ownerDrawPart = std::make_unique<OwnerDrawPart>();
  button->ownerDrawPart->options = options;
  if (parent) AttachHook(parent, DrawItemReflector);
  AttachHook(button, OwnerDrawnButtonHook);
  button->caption = caption;
  return button;
}

}  // namespace controls
