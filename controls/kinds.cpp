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

void ClearText(Control* control) { SetText(control, ""); }
void ResetContent(Control* control) { Perform(control, CB_RESETCONTENT, 0, 0); }

KindTable MakeButtonKind() {
  KindTable t;
  t.clear = ClearText;
  t.clickCode = BN_CLICKED;
  t.enterCode = BN_SETFOCUS;
  t.leaveCode = BN_KILLFOCUS;
  t.alignStyles[0] = 0x100, t.alignStyles[1] = 0x200, t.alignStyles[2] = 0x300;
  t.verticalStyles[0] = 0x0C00, t.verticalStyles[1] = 0x0400, t.verticalStyles[2] = 0x0800;
  return t;
}

KindTable MakeStaticKind() {
  KindTable t;
  t.clear = ClearText;
  t.clickCode = 0;  // STN_CLICKED
  t.alignStyles[0] = 0, t.alignStyles[1] = 2, t.alignStyles[2] = 1;
  t.alignRemovedBits = 0x0C;
  t.verticalStyles[0] = 0x0200;
  return t;
}

KindTable MakeEditKind() {
  KindTable t;
  t.clear = ClearText;
  t.enterCode = EN_SETFOCUS, t.leaveCode = EN_KILLFOCUS, t.changeCode = EN_CHANGE;
  t.countMessage = EM_GETLINECOUNT;
  t.itemLengthMessage = EM_LINELENGTH, t.getItemMessage = EM_GETLINE;
  t.getIndexMessage = EM_LINEINDEX;
  t.setSelectionMessage = EM_SETSEL;
  t.alignStyles[0] = 0, t.alignStyles[1] = 2, t.alignStyles[2] = 1;
  t.textLimitMessage = EM_LIMITTEXT;
  return t;
}

KindTable MakeComboKind() {
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

struct OptionStyle {
  unsigned bit;
  std::uint32_t style;
};

constexpr OptionStyle kEditOptionStyles[] = {
    {kEditLowercase, 0x10},   {kEditMultiLine, ES_MULTILINE}, {kEditNoHideSel, 0x100},
    {kEditOemConvert, 0x400}, {kEditPassword, 0x20},          {kEditReadOnly, 0x800},
    {kEditUppercase, 8},      {kEditWantReturn, 0x1000},      {kEditNumber, 0x2000},
};

constexpr OptionStyle kComboOptionStyles[] = {
    {kComboDisableNoScroll, 0x800},
    {kComboLowercase, 0x4000},
    {kComboNoIntegralHeight, 0x400},
    {kComboOemConvert, 0x80},
    {kComboSort, 0x100},
    {kComboUppercase, 0x2000},
    {kComboOwnerDrawFixed, 0x10},
    {kComboOwnerDrawVariable, 0x20},
    {kComboSimple, 1},
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
  style |= (options & kComboDropDownList) ? 3 : 2;
  if (!(options & kComboNoAutoHScroll)) style |= 0x40;
  return style;
}

void SetHeight(Control* control, int height) {
  control->bounds.bottom = control->bounds.top + height;
}
void SetWidth(Control* control, int width) { control->bounds.right = control->bounds.left + width; }

// The child-control part of construction; the kind's Create fills in the rest.
void InitChildControl(Control* control, std::uint32_t kindStyle, const KindTable& table) {
  control->isChild = true;
  control->verticalAlign = 1;
  control->kindTable = table;
  std::uint32_t newStyle = kindStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (control->look3D) {
    newStyle &= ~WS_BORDER;
    control->exStyle |= WS_EX_CLIENTEDGE;
  }
  control->style = newStyle;
  control->visible = (newStyle & WS_VISIBLE) != 0;
  if (control->parent) control->cursor = control->parent->cursor;
  Control* form = ParentForm(control);
  if (form) control->tabOrder = ++form->formPart->tabCounter;
  if (newStyle & WS_TABSTOP) {
    control->tabStop = true;
    if (form && !form->formPart->currentControl) form->formPart->currentControl = control;
  }
  control->controlId = NextControlId++;
  AttachHook(control, GenericControlHook);
}

}  // namespace

const KindTable kButtonKind = MakeButtonKind();
const KindTable kStaticKind = MakeStaticKind();
const KindTable kEditKind = MakeEditKind();
const KindTable kComboKind = MakeComboKind();

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
  if (!parent) form->bounds = {};
  return form;
}

Control* CreateButton(Control* parent, const std::string& caption) {
  Control* button = CreateChildControl(parent, "BUTTON", false, 0x50011000, kButtonKind);
  SetHeight(button, 22);
  button->textAlign = 2;
  button->handlesEnter = true;
  button->caption = caption;
  return button;
}

Control* CreateCheckBox(Control* parent, const std::string& caption) {
  Control* box = CreateButton(parent, caption);
  box->style = (box->style & ~0xFFFFu) | BS_AUTOCHECKBOX | WS_TABSTOP;
  box->handlesEnter = false;
  SetWidth(box, 72);
  return box;
}

Control* CreateLabel(Control* parent, const std::string& caption) {
  Control* label = CreateChildControl(parent, "STATIC", false, 0x5000018C, kStaticKind);
  SetHeight(label, 22);
  label->repaintOnMove = true;
  label->caption = caption;
  return label;
}

Control* CreateShadowLabel(Control* parent, const std::string& caption, int shadowDepth) {
  Control* label = CreateLabel(parent, caption);
  label->shadowPart = std::make_unique<ShadowPart>();
  label->shadowPart->depth = shadowDepth;
  SetHeight(label, 40);
  label->textAlign = 2;
  label->fontColor = kWindowText;
  AttachHook(label, BackgroundHook);
  AttachHook(label, ShadowLabelHook);
  return label;
}

Control* CreateGroupBox(Control* parent, const std::string& caption) {
  Control* group = CreateChildControl(parent, "BUTTON", false, 0x56030007, kButtonKind);
  group->exStyle |= WS_EX_CONTROLPARENT;
  SetWidth(group, 100);
  SetHeight(group, 142);
  group->insets = {22, 2, 2, 2};
  group->tabStop = false;
  AttachHook(group, BackgroundHook);
  group->caption = caption;
  return group;
}

Control* CreatePanel(Control* parent, PanelEdge edge) {
  Control* panel = CreateChildControl(parent, "STATIC", false, 0x5000018C, kStaticKind);
  SetWidth(panel, 100);
  SetHeight(panel, 100);
  panel->exStyle |= WS_EX_CONTROLPARENT;
  if (edge == PanelEdge::Raised) panel->style |= WS_DLGFRAME;
  if (edge == PanelEdge::Lowered) panel->style |= SS_SUNKEN;
  return panel;
}

Control* CreateEditBox(Control* parent, unsigned options) {
  Control* edit =
      CreateChildControl(parent, "EDIT", true, EditStyle(options) | 0x50810000, kEditKind);
  const bool multiLine = (options & kEditMultiLine) != 0;
  SetWidth(edit, multiLine ? 200 : 100);
  SetHeight(edit, multiLine ? 200 : 22);
  edit->handlesEnter = multiLine;
  return edit;
}

Control* CreateComboBox(Control* parent, unsigned options) {
  Control* combo =
      CreateChildControl(parent, "COMBOBOX", true, ComboStyle(options) | 0x50210200, kComboKind);
  SetWidth(combo, 100);
  combo->bounds.bottom -= 42;
  combo->comboPart = std::make_unique<ComboPart>();
  combo->classStyle |= CS_DBLCLKS;
  AttachHook(combo, ComboHook);
  return combo;
}

Control* CreateOwnerDrawnButton(Control* parent, const std::string& caption, unsigned options, int,
                                void*, int) {
  Control* button = CreateChildControl(parent, "BUTTON", false, 0x5001000B, kButtonKind);
  SetHeight(button, 22);
  button->handlesEnter = true;
  button->ownerDrawPart = std::make_unique<OwnerDrawPart>();
  button->ownerDrawPart->options = options;
  if (parent) AttachHook(parent, DrawItemReflector);
  AttachHook(button, OwnerDrawnButtonHook);
  button->caption = caption;
  return button;
}

}  // namespace controls
