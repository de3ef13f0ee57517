#include "controls/native/win32/fonts_win32.h"

#include <cstdlib>
#include <cwchar>
#include <iterator>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "controls/native/win32/classes_win32.h"
#include "controls/native/win32/dpi_win32.h"
#include "controls/native/win32/scale.h"

namespace native::win32 {

namespace {

constexpr std::wstring_view kDialogFaces[] = {L"MS Sans Serif", L"MS Shell Dlg", L"MS Shell Dlg 2"};
constexpr const wchar_t* kScalableDialogFace = L"Tahoma";

struct LayoutFont {
  LOGFONTW logFont;
  std::vector<std::pair<int, HFONT>> sizes;  // by DPI
};

std::unordered_map<HGDIOBJ, LayoutFont>& LayoutFonts() {
  static std::unordered_map<HGDIOBJ, LayoutFont> fonts;
  return fonts;
}

std::unordered_map<HGDIOBJ, HGDIOBJ>& LayoutOfSize() {
  static std::unordered_map<HGDIOBJ, HGDIOBJ> layoutOf;
  return layoutOf;
}

bool IsDialogFace(const wchar_t* face) {
  if (!face[0]) return true;
  for (std::wstring_view known : kDialogFaces)
    if (known.size() == std::wcslen(face) && _wcsicmp(known.data(), face) == 0) return true;
  return false;
}

TEXTMETRICW MetricsOf(HGDIOBJ font) {
  TEXTMETRICW metrics{};
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  DeleteDC(dc);
  return metrics;
}

// How wide a line of every letter and digit is in a font.
int SampleWidth(const LOGFONTW& logFont) {
  static constexpr wchar_t kSample[] =
      L"ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789 .,:;?!()/-";
  HFONT font = CreateFontIndirectW(&logFont);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, kSample, static_cast<int>(std::size(kSample) - 1), &size);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
  return size.cx;
}

LOGFONTW LogFontAt(HGDIOBJ layoutFont, const LOGFONTW& logFont, int dpi) {
  LOGFONTW scaled = logFont;
  scaled.lfWidth = ToDevice(logFont.lfWidth, dpi);
  if (IsDialogFace(logFont.lfFaceName)) {
    scaled.lfHeight = -StandInCharacterHeight(DialogSize(logFont.lfHeight).character, dpi);
    std::wcsncpy(scaled.lfFaceName, kScalableDialogFace, LF_FACESIZE - 1);
    scaled.lfFaceName[LF_FACESIZE - 1] = L'\0';
    return scaled;
  }
  // A height of 0 is the face's own, which the system picks at 96 DPI.
  scaled.lfHeight =
      FontHeightAt(logFont.lfHeight ? logFont.lfHeight : MetricsOf(layoutFont).tmHeight, dpi);
  // Hinted to whole pixels, a face's text may grow a little faster than its
  // height: a size lower then keeps what fits at 100% inside its control.
  const int widest = FontHeightAt(SampleWidth(logFont), dpi);
  while (std::abs(scaled.lfHeight) > 1 && SampleWidth(scaled) > widest)
    scaled.lfHeight += scaled.lfHeight > 0 ? -1 : 1;
  return scaled;
}

// The cell of a layout font at 96 DPI. A bitmap dialog face's is worked out,
// not measured: at another DPI the system may give its name another face.
int LayoutCell(HGDIOBJ layoutFont, const LOGFONTW& logFont) {
  return IsDialogFace(logFont.lfFaceName) ? DialogSize(logFont.lfHeight).cell
                                          : static_cast<int>(MetricsOf(layoutFont).tmHeight);
}

// The combo boxes given heights of their own, which they then keep.
std::unordered_set<HWND>& FittedComboBoxes() {
  static std::unordered_set<HWND> fitted;
  return fitted;
}

int WindowHeight(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return r.bottom - r.top;
}

void FitComboBox(HWND comboBox, HGDIOBJ font, int cell, int dpi, LPARAM redraw) {
  if (FittedComboBoxes().size() >= 64)
    std::erase_if(FittedComboBoxes(), [](HWND known) { return !IsWindow(known); });
  FittedComboBoxes().insert(comboBox);
  SendMessageW(comboBox, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // What a field's height given makes of the box differs between systems,
  // so the box is measured and mended.
  const int wanted = ToDevice(ComboBoxHeight(cell), dpi);
  int field = static_cast<int>(SendMessageW(comboBox, CB_GETITEMHEIGHT, WPARAM(-1), 0));
  for (int attempt = 0; attempt < 2 && WindowHeight(comboBox) != wanted; ++attempt) {
    field += wanted - WindowHeight(comboBox);
    SendMessageW(comboBox, CB_SETITEMHEIGHT, WPARAM(-1), field);
  }
  // Not every system lets a list that draws its own items be told its rows'
  // height through the box; its list takes it.
  const int row = ToDevice(cell, dpi);
  SendMessageW(comboBox, CB_SETITEMHEIGHT, 0, row);
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof(parts);
  if (SendMessageW(comboBox, CB_GETITEMHEIGHT, 0, 0) != row && GetComboBoxInfo(comboBox, &parts) &&
      parts.hwndList)
    SendMessageW(parts.hwndList, LB_SETITEMHEIGHT, 0, row);
  if (redraw) InvalidateRect(comboBox, nullptr, TRUE);
}

}  // namespace

HFONT CreateLayoutFont(const LOGFONTW& logFont) {
  HFONT font = CreateFontIndirectW(&logFont);
  if (font) LayoutFonts()[font] = {logFont, {}};
  return font;
}

bool DeleteLayoutFont(HGDIOBJ object) {
  const auto found = LayoutFonts().find(object);
  if (found == LayoutFonts().end()) return false;
  for (const auto& [dpi, font] : found->second.sizes) {
    LayoutOfSize().erase(font);
    DeleteObject(font);
  }
  LayoutFonts().erase(found);
  DeleteObject(object);
  return true;
}

HGDIOBJ ObjectForDpi(HGDIOBJ object, int dpi) {
  if (Unscaled(dpi)) return object;
  const auto found = LayoutFonts().find(object);
  if (found == LayoutFonts().end()) return object;
  for (const auto& [known, font] : found->second.sizes)
    if (known == dpi) return font;
  const LOGFONTW scaled = LogFontAt(object, found->second.logFont, dpi);
  HFONT font = CreateFontIndirectW(&scaled);
  if (!font) return object;
  found->second.sizes.emplace_back(dpi, font);
  LayoutOfSize()[font] = object;
  return font;
}

HGDIOBJ LayoutObjectOf(HGDIOBJ object) {
  const auto found = LayoutOfSize().find(object);
  return found == LayoutOfSize().end() ? object : found->second;
}

LRESULT GiveFont(HWND window, HGDIOBJ layoutFont, LPARAM redraw) {
  const int dpi = WindowDpi(window);
  HGDIOBJ font = ObjectForDpi(layoutFont, dpi);
  // Back at 96 DPI, a box that was given heights of its own keeps taking them.
  const auto known = LayoutFonts().find(layoutFont);
  if ((font != layoutFont || FittedComboBoxes().contains(window)) && known != LayoutFonts().end() &&
      SystemClassOf(window) == SystemClass::ComboBox) {
    FitComboBox(window, font, LayoutCell(layoutFont, known->second.logFont), dpi, redraw);
    return 0;
  }
  return SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

void RefreshFonts(HWND topLevel) {
  std::vector<HWND> windows{topLevel};
  for (std::size_t i = 0; i < windows.size(); ++i)
    for (HWND child = GetWindow(windows[i], GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (IsLayerWindow(child)) windows.push_back(child);
  for (HWND window : windows) {
    auto current = reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0));
    HGDIOBJ layoutFont = LayoutObjectOf(current);
    if (LayoutFonts().contains(layoutFont)) GiveFont(window, layoutFont, FALSE);
  }
}

}  // namespace native::win32
