// Construction defaults, lazy window creation, identifiers and destruction.
#include "harness.h"

namespace controls::testing {
namespace {

using namespace native;

using LifecycleTest = WindowTest;

TEST_F(LifecycleTest, ChildInheritsFromItsParentAtCreation) {
  Control* form = NewForm();
  Control* panel = CreatePanel(form, PanelEdge::None);
  panel->placement.childMargin = 5;
  panel->placement.insets.top = 7;
  panel->look.cursor = LoadSystemCursor(IDC_ARROW);
  SetColor(panel, 0x00102030);
  panel->look.fontColor = 0x00405060;
  SetLook3D(panel, false);

  Control* edit = CreateEditBox(panel, 0);
  EXPECT_EQ(edit->look.color, 0x00102030);
  EXPECT_EQ(edit->look.fontColor, 0x00405060);
  EXPECT_EQ(edit->look.cursor, panel->look.cursor);
  EXPECT_EQ(edit->placement.childMargin, 5);
  EXPECT_FALSE(edit->look.look3D) << "a parent without 3D children overrides the kind's default";
  EXPECT_TRUE(edit->style & WS_BORDER);
  EXPECT_FALSE(edit->exStyle & WS_EX_CLIENTEDGE);
  EXPECT_EQ(edit->placement.bounds.left, 5);
  EXPECT_EQ(edit->placement.bounds.top, 12);
  EXPECT_EQ(edit->placement.bounds.Width(), 100);

  Control* sunken = CreateEditBox(form, 0);
  EXPECT_TRUE(sunken->look.look3D);
  EXPECT_FALSE(sunken->style & WS_BORDER);
  EXPECT_TRUE(sunken->exStyle & WS_EX_CLIENTEDGE);
}

TEST_F(LifecycleTest, DefaultSizesOfTheKinds) {
  Control* form = NewForm();
  Control* group = CreateGroupBox(form, "g");
  struct Case {
    const char* kind;
    Control* control;
    int width, height;
  };
  const Case cases[] = {
      {"button", CreateButton(form, "b"), 64, 22},
      {"check box", CreateCheckBox(form, "c"), 72, 22},
      {"label", CreateLabel(form, "l"), 64, 22},
      {"shadow label", CreateShadowLabel(form, "s", 2), 64, 40},
      {"group box", group, 100, 142},
      {"panel", CreatePanel(form, PanelEdge::Raised), 100, 100},
      {"edit", CreateEditBox(form, 0), 100, 22},
      {"multi-line edit", CreateEditBox(form, kEditMultiLine), 200, 200},
      {"combo box", CreateComboBox(form, 0x11), 100, 22},
      {"combo box in a group", CreateComboBox(group, 0x11), 100, 0},
      {"owner-drawn button", CreateOwnerDrawnButton(form, "o", 0), 64, 22},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.control->placement.bounds.Width(), c.width) << c.kind;
    EXPECT_EQ(c.control->placement.bounds.Height(), c.height) << c.kind;
  }
}

TEST_F(LifecycleTest, IdentifiersTabOrderAndFirstTabStop) {
  Control* form = NewForm();
  Control* label = CreateLabel(form, "no tab stop");
  Control* panel = CreatePanel(form, PanelEdge::None);
  Control* edit = CreateEditBox(panel, 0);
  Control* button = CreateButton(form, "b");
  EXPECT_EQ(form->controlId, 0);
  EXPECT_EQ(label->controlId, 32768);
  EXPECT_EQ(panel->controlId, 32769);
  EXPECT_EQ(edit->controlId, 32770);
  EXPECT_EQ(button->controlId, 32771);
  EXPECT_EQ(edit->state.tabOrder, 3) << "a nested control counts in its form";
  EXPECT_EQ(button->state.tabOrder, 4);
  EXPECT_FALSE(label->state.tabStop);
  EXPECT_TRUE(edit->state.tabStop);
  EXPECT_EQ(form->formPart->currentControl, edit);
}

TEST_F(LifecycleTest, BuildingCreatesNoWindow) {
  Control* form = NewForm();
  Control* edit = CreateEditBox(form, 0);
  SetText(edit, "12");
  SetPosition(edit, 10, 10);
  SetSize(edit, 50, 20);
  SetFontHeight(GetFont(edit), 12);
  EXPECT_EQ(form->window, nullptr);
  EXPECT_EQ(edit->window, nullptr);
  EXPECT_EQ(GetText(edit), "12");
}

TEST_F(LifecycleTest, EarlyWindowsStayHiddenUntilTheCreationPass) {
  Control* form = NewForm();
  Control* panel = CreatePanel(form, PanelEdge::None);
  Control* combo = CreateComboBox(panel, 0x11);
  Control* later = CreateButton(form, "later");
  AddItem(combo, "one");  // needs the window: made now, with its parents
  ASSERT_NE(combo->window, nullptr);
  ASSERT_NE(panel->window, nullptr);
  ASSERT_NE(form->window, nullptr);
  EXPECT_FALSE(IsWindowVisible(combo->window));
  EXPECT_FALSE(IsWindowVisible(panel->window));
  EXPECT_TRUE(combo->state.showAfterCreation);

  form->CreateWindow();
  SetVisible(form, true);
  EXPECT_TRUE(IsWindowVisible(panel->window));
  EXPECT_TRUE(IsWindowVisible(combo->window));
  EXPECT_TRUE(IsWindowVisible(later->window));
  EXPECT_FALSE(combo->state.showAfterCreation);
}

TEST_F(LifecycleTest, AnEarlyWindowHiddenOnPurposeStaysHidden) {
  Control* form = NewForm();
  Control* combo = CreateComboBox(form, 0x11);
  AddItem(combo, "one");
  Hide(combo);
  form->CreateWindow();
  SetVisible(form, true);
  EXPECT_FALSE(IsWindowVisible(combo->window));
}

TEST_F(LifecycleTest, WindowsAreFoundThroughTheirControlAndClassesAreSubclassed) {
  Control* form = NewForm();
  Control* button = CreateButton(form, "b");
  form->CreateWindow();
  EXPECT_EQ(ControlOfWindow(form->window), form);
  EXPECT_EQ(ControlOfWindow(button->window), button);
  EXPECT_EQ(GetParent(button->window), form->window);
  ClassInfo system, registered;
  ASSERT_TRUE(native::GetClassInfo("BUTTON", system));
  ASSERT_TRUE(native::GetClassInfo("obj_BUTTON", registered));
  EXPECT_EQ(button->baseWindowProc, system.procedure);
  EXPECT_EQ(form->baseWindowProc, nullptr);
  EXPECT_TRUE(native::GetClassInfo("obj_Form", registered));
}

struct Teardown {
  Hwnd formWindow = nullptr;
  bool formWindowAliveAtHolder = true;
};

class Holder : public BaseObject {
 public:
  Teardown* seen = nullptr;

 protected:
  void Destroy() override {
    Log().push_back("holder");
    seen->formWindowAliveAtHolder = IsWindow(seen->formWindow);
    BaseObject::Destroy();
  }
};

void LogDestroy(void* context, BaseObject*) { Log().push_back(static_cast<const char*>(context)); }

TEST_F(LifecycleTest, DestroyFreesChildrenLastFirstThenTheWindowThenTheAutoFreeList) {
  Control* form = NewForm();
  Control* a = CreateButton(form, "a");
  Control* b = CreatePanel(form, PanelEdge::None);
  Control* b1 = CreateLabel(b, "b1");
  Control* c = CreateEditBox(form, 0);
  a->OnDestroy = {LogDestroy, const_cast<char*>("a")};
  b->OnDestroy = {LogDestroy, const_cast<char*>("b")};
  b1->OnDestroy = {LogDestroy, const_cast<char*>("b1")};
  c->OnDestroy = {LogDestroy, const_cast<char*>("c")};
  form->OnDestroy = {LogDestroy, const_cast<char*>("form")};
  Teardown seen;
  Holder* holder = NewObject<Holder>();
  holder->seen = &seen;
  AddToAutoFree(form, holder);
  form->CreateWindow();
  seen.formWindow = form->window;
  Hwnd buttonWindow = a->window;

  Forget(form);
  Free(form);
  EXPECT_EQ(Log(), (std::vector<std::string>{"c", "b1", "b", "a", "form", "holder"}));
  EXPECT_FALSE(seen.formWindowAliveAtHolder);
  EXPECT_FALSE(IsWindow(buttonWindow));
}

TEST_F(LifecycleTest, FreeingAChildRemovesItFromItsParentAndForm) {
  Control* form = NewForm();
  Control* edit = CreateEditBox(form, 0);
  Control* other = CreateEditBox(form, 0);
  ASSERT_EQ(form->formPart->currentControl, edit);
  Free(edit);
  EXPECT_EQ(ChildCount(form), 1);
  EXPECT_EQ(Child(form, 0), other);
  EXPECT_EQ(form->formPart->currentControl, nullptr);
}

TEST_F(LifecycleTest, AControlFreedFromItsOwnClickHandlerGoesAfterTheDispatch) {
  Control* form = NewForm();
  Control* button = CreateButton(form, "b");
  button->events.OnClick = {
      [](void*, Control* sender) {
        Free(sender);
        Log().push_back(sender->BeingDestroyed() ? "gone in handler" : "alive in handler");
      },
      nullptr};
  button->OnDestroy = {LogDestroy, const_cast<char*>("destroyed")};
  ShowForm(form);
  Click(button);
  EXPECT_EQ(Log(), (std::vector<std::string>{"alive in handler", "destroyed"}));
  EXPECT_EQ(ChildCount(form), 0);
}

// The button's click handler frees the whole form while the button (in its
// mouse message and in the click) and the panel that passed the click on are
// still in their dispatch. Each goes when its own dispatch is over.
TEST_F(LifecycleTest, ControlsInTheirDispatchGoAfterItWhenTheirFormIsFreed) {
  Control* form = NewForm();
  Forget(form);
  SetFontHeight(GetFont(form), 8);  // the children's fonts lean on the form's
  Control* panel = CreatePanel(form, PanelEdge::None);
  Control* button = CreateButton(panel, "b");
  button->events.OnClick = {[](void* form, Control*) { Free(static_cast<Control*>(form)); }, form};
  form->OnDestroy = {LogDestroy, const_cast<char*>("form")};
  panel->OnDestroy = {LogDestroy, const_cast<char*>("panel")};
  button->OnDestroy = {LogDestroy, const_cast<char*>("button")};
  ShowForm(form);
  Click(button);
  EXPECT_EQ(Log(), (std::vector<std::string>{"form", "panel", "button"}));
}

bool FreeingHook(Control* control, Message& message, LResult&) {
  if (message.message != 0x8001) return false;
  Log().push_back("freeing hook");
  Free(control);
  return false;
}

bool OlderHook(Control*, Message& message, LResult&) {
  if (message.message == 0x8001) Log().push_back("older hook");
  return false;
}

TEST_F(LifecycleTest, AHookThatFreesItsControlEndsTheDispatch) {
  Control* form = NewForm();
  Control* label = CreateLabel(form, "l");
  AttachHook(label, OlderHook);
  AttachHook(label, FreeingHook);
  label->OnDestroy = {LogDestroy, const_cast<char*>("destroyed")};
  form->CreateWindow();
  Send(label, 0x8001);
  EXPECT_EQ(Log(), (std::vector<std::string>{"freeing hook", "destroyed"}));
}

TEST_F(LifecycleTest, SecondaryFormClosedByTheSystemIsFreed) {
  Control* main = NewForm("main");
  AppWindow = main;
  Control* second = CreateForm(main, "second");
  second->OnDestroy = {LogDestroy, const_cast<char*>("second freed")};
  second->CreateWindow();
  Hwnd window = second->window;
  native::SendMessage(window, WM_CLOSE, 0, 0);  // not modal: default processing destroys it
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(Log(), std::vector<std::string>{"second freed"});
  EXPECT_EQ(ChildCount(main), 0);
}

}  // namespace
}  // namespace controls::testing
