// The layer's object model: reference-counted base objects, pointer lists and
// bound event handlers.
#pragma once

#include <cstdint>
#include <vector>

namespace controls {

// A bound callback: code plus the context it was bound with, called as
// (context, sender, arguments...). Assigned when its code is set.
template <class Signature>
struct EventHandler;

template <class R, class... Args>
struct EventHandler<R(Args...)> {
  using Code = R (*)(void* context, Args...);
  Code code = nullptr;
  void* context = nullptr;

  bool Assigned() const { return code != nullptr; }
  R operator()(Args... args) const { return code(context, args...); }
};

class BaseObject;
class PointerList;

// Reference word: twice the extra references, plus bit 0 when a Free was
// requested while referenced. Negative while the object is being destroyed.
class BaseObject {
 public:
  BaseObject() = default;
  BaseObject(const BaseObject&) = delete;
  BaseObject& operator=(const BaseObject&) = delete;

  virtual void Init() {}

  std::int32_t referenceWord = 0;
  EventHandler<void(BaseObject*)> OnDestroy;
  PointerList* autoFreeList = nullptr;

  bool BeingDestroyed() const { return referenceWord < 0; }
  // A Free came while references were held; the last release destroys it.
  bool FreeRequested() const { return (referenceWord & 1) != 0; }

 protected:
  virtual ~BaseObject() = default;
  // Releases what the object owns and its memory. Subclasses run their own
  // teardown and then call BaseObject::Destroy.
  virtual void Destroy();

  friend void Free(BaseObject*);
  friend void ReleaseReference(BaseObject*);
  friend void DestroyNow(BaseObject*);
};

// The generic constructor: a fresh object with its Init run.
template <class T>
T* NewObject() {
  T* object = new T();
  object->Init();
  return object;
}

void Free(BaseObject* object);
void DestroyNow(BaseObject* object);  // runs Destroy whatever the references
void AddReference(BaseObject* object);
void ReleaseReference(BaseObject* object);
// Objects added later are freed first when the owner is destroyed.
void AddToAutoFree(BaseObject* owner, BaseObject* object);

// A reference for as long as the holder lives: a Free meanwhile waits until
// then. Holds nothing when given nothing.
class Hold {
 public:
  explicit Hold(BaseObject* object) : object_(object) {
    if (object_) AddReference(object_);
  }
  ~Hold() {
    if (object_) ReleaseReference(object_);
  }
  Hold(const Hold&) = delete;
  Hold& operator=(const Hold&) = delete;

 private:
  BaseObject* object_;
};

// A growable array of pointers.
class PointerList : public BaseObject {
 public:
  int growthStep = 0;  // 0 = automatic

  int Count() const { return static_cast<int>(items_.size()); }
  int Capacity() const { return capacity_; }
  void Add(void* item) { Insert(Count(), item); }
  void Insert(int index, void* item);
  void Delete(int index, int count = 1);
  bool Remove(void* item);
  int IndexOf(const void* item) const;
  void* Item(int index) const;
  void Clear();

  template <class T>
  T* At(int index) const {
    return static_cast<T*>(Item(index));
  }

 private:
  void Grow();

  std::vector<void*> items_;
  int capacity_ = 0;
};

}  // namespace controls
