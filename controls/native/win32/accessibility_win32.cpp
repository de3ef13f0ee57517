#include "controls/native/win32/accessibility_win32.h"

#include <oleacc.h>

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "controls/native/win32/classes_win32.h"

namespace native::win32 {

namespace {

// The interface's own identifier: mingw-w64's import library exports a
// symbol of this name that is not the GUID, so a program linked against it
// asks for an interface nobody has (and hears E_NOINTERFACE).
constexpr IID kIidAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// oleacc, ole32 and oleaut32 are loaded when a screen reader first asks, not
// at every start of the program.
struct AccessibilityLibraries {
  LRESULT(WINAPI* lresultFromObject)(REFIID, WPARAM, LPUNKNOWN) = nullptr;
  HRESULT(WINAPI* objectFromWindow)(HWND, DWORD, REFIID, void**) = nullptr;
  BSTR(WINAPI* allocString)(const OLECHAR*) = nullptr;
};

template <class Function>
Function Find(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                : nullptr;
}

const AccessibilityLibraries* Libraries() {
  static const AccessibilityLibraries libraries = [] {
    AccessibilityLibraries found;
    HMODULE ole = LoadLibraryW(L"ole32.dll");
    // The objects live in the window's thread, which must be a COM apartment
    // for a screen reader in another process to reach them.
    if (auto initialize = Find<HRESULT(WINAPI*)(LPVOID, DWORD)>(ole, "CoInitializeEx"))
      initialize(nullptr, COINIT_APARTMENTTHREADED);
    HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
    found.lresultFromObject = Find<decltype(found.lresultFromObject)>(oleacc, "LresultFromObject");
    found.objectFromWindow =
        Find<decltype(found.objectFromWindow)>(oleacc, "AccessibleObjectFromWindow");
    found.allocString =
        Find<decltype(found.allocString)>(LoadLibraryW(L"oleaut32.dll"), "SysAllocString");
    return found;
  }();
  const bool complete =
      libraries.lresultFromObject && libraries.objectFromWindow && libraries.allocString;
  return complete ? &libraries : nullptr;
}

// ---- what the layer said of its windows ----------------------------------

std::unordered_map<HWND, Accessibility>& Described() {
  static std::unordered_map<HWND, Accessibility> described;
  return described;
}

Accessibility DescriptionOf(HWND window) {
  const auto found = Described().find(window);
  return found != Described().end() ? found->second : Accessibility{};
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

// ---- roles, states and actions -------------------------------------------

bool IsTopLevel(HWND window) { return !(GetWindowLongW(window, GWL_STYLE) & WS_CHILD); }

DWORD ButtonType(HWND window) {
  return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & BS_TYPEMASK;
}

bool IsCheckBox(HWND window) {
  const DWORD type = ButtonType(window);
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
         type == BS_AUTO3STATE;
}

struct RoleOfKind {
  AccessibleRole role;
  long msaa;
};
constexpr RoleOfKind kRoles[] = {
    {AccessibleRole::StaticText, ROLE_SYSTEM_STATICTEXT},
    {AccessibleRole::Link, ROLE_SYSTEM_LINK},
    {AccessibleRole::PageTab, ROLE_SYSTEM_PAGETAB},
    {AccessibleRole::PageTabList, ROLE_SYSTEM_PAGETABLIST},
    {AccessibleRole::Pane, ROLE_SYSTEM_PANE},
};

long ButtonRole(HWND window) {
  const DWORD type = ButtonType(window);
  if (type == BS_GROUPBOX) return ROLE_SYSTEM_GROUPING;
  if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) return ROLE_SYSTEM_RADIOBUTTON;
  return IsCheckBox(window) ? ROLE_SYSTEM_CHECKBUTTON : ROLE_SYSTEM_PUSHBUTTON;
}

long RoleOf(HWND window, const Accessibility& description) {
  for (const RoleOfKind& known : kRoles)
    if (known.role == description.role) return known.msaa;
  if (IsTopLevel(window))
    return GetWindow(window, GW_OWNER) ? ROLE_SYSTEM_DIALOG : ROLE_SYSTEM_CLIENT;
  switch (SystemClassOf(window)) {
    case SystemClass::Button:
      return ButtonRole(window);
    case SystemClass::Static:
      return ROLE_SYSTEM_STATICTEXT;
    case SystemClass::Edit:
      return ROLE_SYSTEM_TEXT;
    case SystemClass::ComboBox:
      return ROLE_SYSTEM_COMBOBOX;
    case SystemClass::None:
      break;
  }
  return ROLE_SYSTEM_CLIENT;
}

bool Focusable(long role) {
  return role == ROLE_SYSTEM_PUSHBUTTON || role == ROLE_SYSTEM_CHECKBUTTON ||
         role == ROLE_SYSTEM_RADIOBUTTON || role == ROLE_SYSTEM_TEXT ||
         role == ROLE_SYSTEM_COMBOBOX;
}

long StateOf(HWND window, long role, const Accessibility& description) {
  const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  long state = 0;
  if (!::IsWindowVisible(window)) state |= STATE_SYSTEM_INVISIBLE;
  if (!::IsWindowEnabled(window)) state |= STATE_SYSTEM_UNAVAILABLE;
  if (Focusable(role)) state |= STATE_SYSTEM_FOCUSABLE;
  HWND focus = ::GetFocus();
  if (focus && (focus == window || IsChild(window, focus))) state |= STATE_SYSTEM_FOCUSED;
  if (role == ROLE_SYSTEM_TEXT && (style & ES_READONLY)) state |= STATE_SYSTEM_READONLY;
  if (role == ROLE_SYSTEM_CHECKBUTTON && SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED)
    state |= STATE_SYSTEM_CHECKED;
  if (role == ROLE_SYSTEM_PUSHBUTTON && ButtonType(window) == BS_DEFPUSHBUTTON)
    state |= STATE_SYSTEM_DEFAULT;
  if (role == ROLE_SYSTEM_COMBOBOX)
    state |= SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) ? STATE_SYSTEM_EXPANDED
                                                            : STATE_SYSTEM_COLLAPSED;
  if (role == ROLE_SYSTEM_LINK) state |= STATE_SYSTEM_LINKED;
  if (role == ROLE_SYSTEM_PAGETAB) {
    state |= STATE_SYSTEM_SELECTABLE;
    if (description.selected) state |= STATE_SYSTEM_SELECTED;
  }
  return state;
}

// A control that is not enabled offers nothing to do.
std::wstring DefaultActionOf(HWND window, long role) {
  if (!::IsWindowEnabled(window)) return {};
  switch (role) {
    case ROLE_SYSTEM_PUSHBUTTON:
      return L"Press";
    case ROLE_SYSTEM_CHECKBUTTON:
      return SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED ? L"Uncheck" : L"Check";
    case ROLE_SYSTEM_LINK:
      return L"Jump";
    case ROLE_SYSTEM_PAGETAB:
      return L"Switch";
    default:
      return {};
  }
}

// As a click would: posted, so that what it opens (a modal window) runs
// after the screen reader has its answer.
bool DoDefaultAction(HWND window, long role) {
  if (role == ROLE_SYSTEM_PUSHBUTTON || role == ROLE_SYSTEM_CHECKBUTTON)
    return PostMessageW(window, BM_CLICK, 0, 0) != 0;
  if (role == ROLE_SYSTEM_LINK || role == ROLE_SYSTEM_PAGETAB) {
    const WPARAM command = MAKEWPARAM(GetDlgCtrlID(window), STN_CLICKED);
    return PostMessageW(::GetParent(window), WM_COMMAND, command,
                        reinterpret_cast<LPARAM>(window)) != 0;
  }
  return false;
}

// Children in reading order, top to bottom and left to right, as they are
// seen rather than as they were made. A text field or list has none.
std::vector<HWND> ChildrenOf(HWND window) {
  std::vector<HWND> children;
  const SystemClass kind = SystemClassOf(window);
  if (kind == SystemClass::Edit || kind == SystemClass::ComboBox) return children;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  const auto placeOf = [](HWND w) {
    RECT r{};
    ::GetWindowRect(w, &r);
    return std::pair{r.top, r.left};
  };
  std::stable_sort(children.begin(), children.end(),
                   [&](HWND a, HWND b) { return placeOf(a) < placeOf(b); });
  return children;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT Answer(BSTR* out, const std::wstring& text) {
  *out = text.empty() ? nullptr : Libraries()->allocString(text.c_str());
  return *out ? S_OK : S_FALSE;
}

IDispatch* ObjectOf(HWND window, DWORD id) {
  void* object = nullptr;
  if (FAILED(Libraries()->objectFromWindow(window, id, IID_IDispatch, &object))) return nullptr;
  return static_cast<IDispatch*>(object);
}

// ---- the object -------------------------------------------------------------

// Everything is read from the window whenever it is asked; a window gone
// answers E_FAIL.
class WindowAccessible final : public IAccessible {
 public:
  explicit WindowAccessible(HWND window) : window_(window) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) ||
        IsEqualIID(id, kIidAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!::IsWindow(window_)) return E_FAIL;
    *parent = IsTopLevel(window_)
                  ? ObjectOf(window_, static_cast<DWORD>(OBJID_WINDOW))
                  : ObjectOf(::GetParent(window_), static_cast<DWORD>(OBJID_CLIENT));
    return *parent ? S_OK : S_FALSE;
  }

  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (!::IsWindow(window_)) return E_FAIL;
    *count = static_cast<long>(ChildrenOf(window_).size());
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    *out = nullptr;
    if (!::IsWindow(window_)) return E_FAIL;
    if (child.vt != VT_I4) return E_INVALIDARG;
    const std::vector<HWND> children = ChildrenOf(window_);
    if (child.lVal < 1 || child.lVal > static_cast<long>(children.size())) return E_INVALIDARG;
    *out = ObjectOf(children[static_cast<std::size_t>(child.lVal - 1)],
                    static_cast<DWORD>(OBJID_CLIENT));
    return *out ? S_OK : S_FALSE;
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    *name = nullptr;
    if (!Valid(child)) return E_INVALIDARG;
    const Accessibility description = DescriptionOf(window_);
    if (!description.name.empty()) return Answer(name, Wide(description.name));
    // A field's text is its value, not its name.
    if (RoleOf(window_, description) == ROLE_SYSTEM_TEXT ||
        RoleOf(window_, description) == ROLE_SYSTEM_COMBOBOX)
      return S_FALSE;
    return Answer(name, TextOf(window_));
  }

  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    *value = nullptr;
    if (!Valid(child)) return E_INVALIDARG;
    const long role = RoleOf(window_, DescriptionOf(window_));
    if (role != ROLE_SYSTEM_TEXT && role != ROLE_SYSTEM_COMBOBOX) return S_FALSE;
    const std::wstring text = TextOf(window_);
    *value = Libraries()->allocString(text.c_str());
    return *value ? S_OK : E_OUTOFMEMORY;
  }

  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* description) override {
    *description = nullptr;
    return S_FALSE;
  }

  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!Valid(child)) return E_INVALIDARG;
    role->vt = VT_I4;
    role->lVal = RoleOf(window_, DescriptionOf(window_));
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!Valid(child)) return E_INVALIDARG;
    const Accessibility description = DescriptionOf(window_);
    state->vt = VT_I4;
    state->lVal = StateOf(window_, RoleOf(window_, description), description);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
    *help = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
    *file = nullptr;
    *topic = 0;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override {
    *shortcut = nullptr;
    return S_FALSE;
  }

  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!::IsWindow(window_)) return E_FAIL;
    focus->vt = VT_EMPTY;
    HWND focused = ::GetFocus();
    if (focused == window_) {
      focus->vt = VT_I4;
      focus->lVal = CHILDID_SELF;
      return S_OK;
    }
    for (HWND child : ChildrenOf(window_)) {
      if (focused && (focused == child || IsChild(child, focused))) {
        focus->pdispVal = ObjectOf(child, static_cast<DWORD>(OBJID_CLIENT));
        if (focus->pdispVal) focus->vt = VT_DISPATCH;
        return focus->pdispVal ? S_OK : S_FALSE;
      }
    }
    return S_FALSE;
  }

  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    selection->vt = VT_EMPTY;
    return S_FALSE;
  }

  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    *action = nullptr;
    if (!Valid(child)) return E_INVALIDARG;
    return Answer(action, DefaultActionOf(window_, RoleOf(window_, DescriptionOf(window_))));
  }

  HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    if (!Valid(child)) return E_INVALIDARG;
    RECT r{};
    ::GetWindowRect(window_, &r);
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
    end->vt = VT_EMPTY;
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
    if (!::IsWindow(window_)) return E_FAIL;
    hit->vt = VT_EMPTY;
    RECT r{};
    ::GetWindowRect(window_, &r);
    const POINT screen{x, y};
    if (!PtInRect(&r, screen)) return S_FALSE;
    POINT client = screen;
    ::ScreenToClient(window_, &client);
    HWND child = ChildWindowFromPointEx(window_, client, CWP_SKIPINVISIBLE);
    if (child && child != window_) {
      hit->pdispVal = ObjectOf(child, static_cast<DWORD>(OBJID_CLIENT));
      if (hit->pdispVal) {
        hit->vt = VT_DISPATCH;
        return S_OK;
      }
    }
    hit->vt = VT_I4;
    hit->lVal = CHILDID_SELF;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!Valid(child)) return E_INVALIDARG;
    if (!::IsWindowEnabled(window_)) return E_FAIL;
    return DoDefaultAction(window_, RoleOf(window_, DescriptionOf(window_)))
               ? S_OK
               : DISP_E_MEMBERNOTFOUND;
  }

  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~WindowAccessible() = default;
  bool Valid(const VARIANT& child) const { return ::IsWindow(window_) && IsSelf(child); }

  HWND window_;
  ULONG references_ = 1;
};

}  // namespace

void Describe(HWND window, const Accessibility& accessibility) {
  static std::size_t checkedAt = 64;
  if (Described().size() >= checkedAt) {
    std::erase_if(Described(), [](const auto& entry) { return !::IsWindow(entry.first); });
    checkedAt = std::max<std::size_t>(64, 2 * Described().size());
  }
  Described()[window] = accessibility;
}

bool AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT || !IsLayerWindow(window)) return false;
  const AccessibilityLibraries* libraries = Libraries();
  if (!libraries) return false;
  auto* object = new WindowAccessible(window);
  result = libraries->lresultFromObject(kIidAccessible, wParam, object);
  object->Release();
  return true;
}

}  // namespace native::win32
