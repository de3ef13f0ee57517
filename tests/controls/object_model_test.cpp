// Reference counting, deferred freeing, the auto-free list and pointer lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/base_object.h"

namespace controls {
namespace {

std::vector<std::string> destroyed;

class Named : public BaseObject {
 public:
  std::string name;

 protected:
  void Destroy() override {
    destroyed.push_back(name);
    BaseObject::Destroy();
  }
};

Named* MakeNamed(const std::string& name) {
  Named* object = NewObject<Named>();
  object->name = name;
  return object;
}

class ObjectModel : public ::testing::Test {
 protected:
  void SetUp() override { destroyed.clear(); }
};

TEST_F(ObjectModel, FreeWithoutReferencesDestroysAtOnce) {
  Free(MakeNamed("a"));
  Free(nullptr);
  EXPECT_EQ(destroyed, std::vector<std::string>{"a"});
}

TEST_F(ObjectModel, FreeWhileReferencedWaitsForTheLastRelease) {
  Named* object = MakeNamed("a");
  AddReference(object);
  AddReference(object);
  Free(object);
  Free(object);  // asked twice, still one pending request
  EXPECT_EQ(object->referenceWord, 3);
  ReleaseReference(object);
  EXPECT_TRUE(destroyed.empty());
  ReleaseReference(object);
  EXPECT_EQ(destroyed, std::vector<std::string>{"a"});
}

TEST_F(ObjectModel, ReleaseWithoutFreeKeepsTheObject) {
  Named* object = MakeNamed("a");
  AddReference(object);
  ReleaseReference(object);
  EXPECT_TRUE(destroyed.empty());
  EXPECT_EQ(object->referenceWord, 0);
  Free(object);
  EXPECT_EQ(destroyed.size(), 1u);
}

TEST_F(ObjectModel, AutoFreeListFreesLaterObjectsFirstAfterOnDestroy) {
  Named* owner = MakeNamed("owner");
  AddToAutoFree(owner, MakeNamed("first"));
  AddToAutoFree(owner, MakeNamed("second"));
  owner->OnDestroy = {[](void*, BaseObject*) { destroyed.push_back("OnDestroy"); }, nullptr};
  Free(owner);
  EXPECT_EQ(destroyed, (std::vector<std::string>{"owner", "OnDestroy", "second", "first"}));
}

TEST_F(ObjectModel, PointerListGrowth) {
  struct Case {
    int step;
    int adds;
    int capacity;
  };
  // Automatic growth is count + count / 4 + 1 each time the list is full.
  const Case cases[] = {{0, 1, 1}, {0, 2, 2}, {0, 3, 3}, {0, 4, 4}, {0, 5, 6}, {0, 6, 6},
                        {0, 7, 8}, {0, 8, 8}, {0, 9, 11}, {4, 1, 4}, {4, 5, 8}, {4, 9, 12}};
  for (const Case& c : cases) {
    PointerList* list = NewObject<PointerList>();
    list->growthStep = c.step;
    int values[16];
    for (int i = 0; i < c.adds; ++i) list->Add(&values[i]);
    EXPECT_EQ(list->Capacity(), c.capacity) << "step " << c.step << " adds " << c.adds;
    EXPECT_EQ(list->Count(), c.adds);
    Free(list);
  }
}

TEST_F(ObjectModel, PointerListOperations) {
  int a = 0, b = 0, c = 0, d = 0;
  PointerList* list = NewObject<PointerList>();
  list->Add(&a);
  list->Add(&c);
  list->Insert(1, &b);
  list->Insert(0, &d);
  EXPECT_EQ(list->IndexOf(&d), 0);
  EXPECT_EQ(list->IndexOf(&b), 2);
  EXPECT_EQ(list->Item(3), &c);
  EXPECT_EQ(list->Item(4), nullptr);
  EXPECT_EQ(list->Item(-1), nullptr);
  list->Delete(1, 2);
  EXPECT_EQ(list->Count(), 2);
  EXPECT_EQ(list->Item(1), &c);
  EXPECT_EQ(list->IndexOf(&a), -1);
  list->Clear();
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(list->Capacity(), 0);
  Free(list);
}

}  // namespace
}  // namespace controls
