#include "device_win32.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <oleacc.h>
#include <windows.h>

#include "controls/native/win32/classes_win32.h"
#include "controls/native/win32/dpi_win32.h"
#include "controls/native/win32/fonts_win32.h"
#include "controls/native/win32/scale.h"

namespace ui::testing {

namespace {

using native::win32::SystemClass;

HWND H(native::Hwnd window) { return reinterpret_cast<HWND>(window); }

// The interface's own identifier (mingw-w64's oleacc library exports a
// symbol of this name that is not it).
constexpr IID kIidAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string Utf8(const wchar_t* text, int length) {
  if (!text || length <= 0) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

HGDIOBJ FontOf(HWND window) {
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0));
  return font ? font : GetStockObject(SYSTEM_FONT);
}

// Measures texts with a window's font, as the window draws them.
class Measure {
 public:
  explicit Measure(HWND window) : dc_(CreateCompatibleDC(nullptr)) {
    old_ = SelectObject(dc_, FontOf(window));
  }
  ~Measure() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  Measure(const Measure&) = delete;
  Measure& operator=(const Measure&) = delete;

  int Width(const std::wstring& text) const {
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
  }
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

int ClientWidth(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return r.right;
}

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(start, end - start);
    std::erase(line, L'\r');
    if (line.find_first_not_of(L' ') != std::wstring::npos) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Where a button's caption goes, as the system draws each kind: inside the
// push button's frame, beside the check box's box, between the group box's
// corners.
int ButtonRoom(HWND window, const Measure& measure) {
  const DWORD type = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & BS_TYPEMASK;
  const int width = ClientWidth(window);
  if (type == BS_GROUPBOX) return width - 2 * 7;
  if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
      type == BS_AUTO3STATE) {
    INT zero = 0;
    GetCharWidth32W(measure.dc(), L'0', L'0', &zero);
    return width - (12 * DpiOf(reinterpret_cast<native::Hwnd>(window)) / 96 + 1) - zero / 2;
  }
  return width - 2 * 2;
}

int ComboRoom(HWND window) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  GetComboBoxInfo(window, &info);
  return info.rcItem.right - info.rcItem.left - 2;
}

std::wstring ItemText(HWND combo, int index) {
  const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied = SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                   reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

// ---- Microsoft Active Accessibility -----------------------------------------

void EnsureCom() {
  static const HRESULT initialized = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  (void)initialized;
}

IAccessible* ObjectOf(HWND window) {
  EnsureCom();
  void* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                        &object)))
    return nullptr;
  return static_cast<IAccessible*>(object);
}

std::string Take(BSTR text) {
  std::string utf8 = text ? Utf8(text, static_cast<int>(SysStringLen(text))) : std::string{};
  SysFreeString(text);
  return utf8;
}

Accessible Read(IAccessible* object) {
  Accessible read;
  if (!object) return read;
  read.found = true;
  VARIANT self;
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT answer;
  answer.vt = VT_EMPTY;
  if (SUCCEEDED(object->get_accRole(self, &answer)) && answer.vt == VT_I4) read.role = answer.lVal;
  answer.vt = VT_EMPTY;
  if (SUCCEEDED(object->get_accState(self, &answer)) && answer.vt == VT_I4)
    read.state = answer.lVal;
  BSTR text = nullptr;
  if (SUCCEEDED(object->get_accName(self, &text))) read.name = Take(text);
  text = nullptr;
  if (SUCCEEDED(object->get_accValue(self, &text))) read.value = Take(text);
  text = nullptr;
  if (SUCCEEDED(object->get_accDefaultAction(self, &text))) read.defaultAction = Take(text);
  object->get_accChildCount(&read.childCount);
  return read;
}

}  // namespace

int DpiOf(native::Hwnd window) { return native::win32::WindowDpi(H(window)); }
bool DrawnAsLaidOut(native::Hwnd window) { return native::win32::Unscaled(DpiOf(window)); }
int ToDevice(int layout, int dpi) { return native::win32::ToDevice(layout, dpi); }

DeviceGeometry DeviceGeometryOf(native::Hwnd window) {
  RECT outer{}, client{};
  GetWindowRect(H(window), &outer);
  GetClientRect(H(window), &client);
  POINT at{outer.left, outer.top};
  if (GetWindowLongW(H(window), GWL_STYLE) & WS_CHILD) ScreenToClient(GetParent(H(window)), &at);
  return {at.x,         at.y,         outer.right - outer.left, outer.bottom - outer.top,
          client.right, client.bottom};
}

Face FaceOf(native::Hwnd window) {
  const Measure measure(H(window));
  wchar_t name[LF_FACESIZE] = {};
  GetTextFaceW(measure.dc(), LF_FACESIZE, name);
  TEXTMETRICW metrics{};
  GetTextMetricsW(measure.dc(), &metrics);
  return {Utf8(name, static_cast<int>(wcslen(name))),
          (metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) != 0};
}

std::vector<ShownText> ShownTexts(native::Hwnd handle) {
  HWND window = H(handle);
  std::vector<ShownText> shown;
  const Measure measure(window);
  const auto add = [&](const std::wstring& text, int room) {
    shown.push_back({Utf8(text.c_str(), static_cast<int>(text.size())), measure.Width(text), room});
  };
  const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  switch (native::win32::SystemClassOf(window)) {
    case SystemClass::Static:
      for (const std::wstring& line : Lines(TextOf(window))) add(line, ClientWidth(window));
      break;
    case SystemClass::Button:
      if ((style & BS_TYPEMASK) == BS_OWNERDRAW) break;
      for (const std::wstring& line : Lines(TextOf(window))) add(line, ButtonRoom(window, measure));
      break;
    case SystemClass::ComboBox: {
      const auto count = static_cast<int>(SendMessageW(window, CB_GETCOUNT, 0, 0));
      for (int i = 0; i < count; ++i) add(ItemText(window, i), ComboRoom(window));
      break;
    }
    case SystemClass::Edit:
    case SystemClass::None:
      break;
  }
  return shown;
}

namespace {

// Selects the font the back end draws a layout font with at the window's DPI.
class LayoutFontMeasure {
 public:
  LayoutFontMeasure(native::Hwnd window, native::Font layoutFont)
      : dc_(CreateCompatibleDC(nullptr)) {
    old_ = SelectObject(
        dc_, native::win32::ObjectForDpi(reinterpret_cast<HGDIOBJ>(layoutFont), DpiOf(window)));
  }
  ~LayoutFontMeasure() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  LayoutFontMeasure(const LayoutFontMeasure&) = delete;
  LayoutFontMeasure& operator=(const LayoutFontMeasure&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

std::wstring Wide(const std::string& text) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

}  // namespace

ShownText PaintedCaption(native::Hwnd window, native::Font layoutFont, const std::string& text) {
  const LayoutFontMeasure measure(window, layoutFont);
  const std::wstring wide = Wide(text);
  SIZE size{};
  GetTextExtentPoint32W(measure.dc(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return {text, size.cx, ClientWidth(H(window))};
}

bool PaintedScalable(native::Hwnd window, native::Font layoutFont) {
  const LayoutFontMeasure measure(window, layoutFont);
  TEXTMETRICW metrics{};
  GetTextMetricsW(measure.dc(), &metrics);
  return (metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) != 0;
}

void SendDpiChange(native::Hwnd topLevel, int dpi) {
  HWND window = H(topLevel);
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  const int from = DpiOf(topLevel);
  const int width = native::win32::ToDevice(native::win32::ToLayout(client.right, from), dpi);
  const int height = native::win32::ToDevice(native::win32::ToLayout(client.bottom, from), dpi);
  RECT suggested{outer.left, outer.top,
                 outer.left + (outer.right - outer.left - client.right) + width,
                 outer.top + (outer.bottom - outer.top - client.bottom) + height};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

Accessible ReadAccessible(native::Hwnd window) {
  IAccessible* object = ObjectOf(H(window));
  Accessible read = Read(object);
  if (object) object->Release();
  return read;
}

std::vector<Accessible> ReadAccessibleChildren(native::Hwnd window) {
  std::vector<Accessible> children;
  IAccessible* object = ObjectOf(H(window));
  if (!object) return children;
  long count = 0;
  object->get_accChildCount(&count);
  for (long i = 1; i <= count; ++i) {
    VARIANT which;
    which.vt = VT_I4;
    which.lVal = i;
    IDispatch* child = nullptr;
    IAccessible* childObject = nullptr;
    if (SUCCEEDED(object->get_accChild(which, &child)) && child) {
      child->QueryInterface(kIidAccessible, reinterpret_cast<void**>(&childObject));
      child->Release();
    }
    children.push_back(Read(childObject));
    if (childObject) childObject->Release();
  }
  object->Release();
  return children;
}

bool DoDefaultAction(native::Hwnd window) {
  IAccessible* object = ObjectOf(H(window));
  if (!object) return false;
  VARIANT self;
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  const bool done = SUCCEEDED(object->accDoDefaultAction(self));
  object->Release();
  return done;
}

}  // namespace ui::testing
