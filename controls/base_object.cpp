#include "controls/base_object.h"

#include <algorithm>

namespace controls {

namespace {
constexpr std::int32_t kDestroying = -1;
}

void DestroyNow(BaseObject* object) {
  object->referenceWord = kDestroying;
  object->Destroy();
}

void BaseObject::Destroy() {
  // OnDestroy and the auto-free list run last so that anything freed here (the
  // holder record of a form, say) outlives every notification of the teardown.
  if (OnDestroy.Assigned()) OnDestroy(this);
  if (autoFreeList) {
    while (autoFreeList->Count() > 0) {
      auto* owned = autoFreeList->At<BaseObject>(0);
      autoFreeList->Delete(0);
      Free(owned);
    }
    PointerList* list = autoFreeList;
    autoFreeList = nullptr;
    Free(list);
  }
  delete this;
}

void Free(BaseObject* object) {
  if (!object || object->BeingDestroyed()) return;
  if (object->referenceWord == 0) {
    DestroyNow(object);
  } else if (!object->FreeRequested()) {
    object->referenceWord -= 1;
  }
}

void AddReference(BaseObject* object) {
  if (!object->BeingDestroyed()) object->referenceWord += 2;
}

void ReleaseReference(BaseObject* object) {
  if (object->BeingDestroyed()) return;
  object->referenceWord -= 2;
  if (object->referenceWord < 0 && object->FreeRequested()) DestroyNow(object);
}

void AddToAutoFree(BaseObject* owner, BaseObject* object) {
  if (!owner->autoFreeList) owner->autoFreeList = NewObject<PointerList>();
  owner->autoFreeList->Insert(0, object);
}

void PointerList::Grow() {
  int count = Count();
  capacity_ = growthStep > 0 ? count + growthStep : count + count / 4 + 1;
  items_.reserve(static_cast<std::size_t>(capacity_));
}

void PointerList::Insert(int index, void* item) {
  if (index < 0 || index > Count()) return;
  if (Count() >= capacity_) Grow();
  items_.insert(items_.begin() + index, item);
}

void PointerList::Delete(int index, int count) {
  if (index < 0 || count <= 0 || index >= Count()) return;
  int end = std::min(Count(), index + count);
  items_.erase(items_.begin() + index, items_.begin() + end);
}

bool PointerList::Remove(void* item) {
  int index = IndexOf(item);
  Delete(index);
  return index >= 0;
}

int PointerList::IndexOf(const void* item) const {
  auto found = std::find(items_.begin(), items_.end(), item);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void* PointerList::Item(int index) const {
  return index >= 0 && index < Count() ? items_[static_cast<std::size_t>(index)] : nullptr;
}

void PointerList::Clear() {
  items_.clear();
  items_.shrink_to_fit();
  capacity_ = 0;
}

}  // namespace controls
