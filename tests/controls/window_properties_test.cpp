// Named pointers on windows, which the layer reads on every message.
#include "harness.h"

namespace controls::testing {
namespace {

using namespace native;

class WindowPropertyTest : public WindowTest {};

TEST_F(WindowPropertyTest, SetReplaceReadAndRemovePerWindowAndName) {
  Control* form = NewForm();
  Control* a = CreateLabel(form, "a");
  Control* b = CreateLabel(form, "b");
  form->CreateWindow();
  int first = 1, second = 2, third = 3;
  ASSERT_TRUE(SetProp(a->window, "ZURMET_A", &first));
  ASSERT_TRUE(SetProp(a->window, "ZURMET_B", &second));
  ASSERT_TRUE(SetProp(b->window, "ZURMET_A", &third));
  EXPECT_EQ(GetProp(a->window, "ZURMET_A"), &first);
  EXPECT_EQ(GetProp(a->window, "ZURMET_B"), &second);
  EXPECT_EQ(GetProp(b->window, "ZURMET_A"), &third);
  EXPECT_EQ(GetProp(b->window, "ZURMET_B"), nullptr);

  ASSERT_TRUE(SetProp(a->window, "ZURMET_A", &third));
  EXPECT_EQ(GetProp(a->window, "ZURMET_A"), &third) << "a second set replaces the value";
  EXPECT_EQ(RemoveProp(a->window, "ZURMET_A"), &third);
  EXPECT_EQ(GetProp(a->window, "ZURMET_A"), nullptr);
  EXPECT_EQ(GetProp(a->window, "ZURMET_B"), &second) << "removing one name keeps the others";
  // The layer's own pointer is still found for every message.
  EXPECT_EQ(GetProp(a->window, "SELF_"), a);
}

TEST_F(WindowPropertyTest, AWindowThatIsGoneHasNoProperties) {
  Hwnd window = CreateWindowEx(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, 0);
  ASSERT_NE(window, nullptr);
  int value = 7;
  ASSERT_TRUE(SetProp(window, "ZURMET_GONE", &value));
  ASSERT_TRUE(DestroyWindow(window));
  EXPECT_EQ(GetProp(window, "ZURMET_GONE"), nullptr);
}

}  // namespace
}  // namespace controls::testing
