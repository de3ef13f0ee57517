// The converter's main window written as a plain Win32 program, without
// Zurmet's control layer: the same 60 windows (the form, 52 controls and the
// lists of its 7 combo boxes) with the same classes, styles, positions,
// sizes, fonts and list items, created in the same order, shown as the
// Length page. The table below is the window tree zurmet.exe creates at
// start, as Wine's +win trace reports it; the colours are the page's.
// bench/startup_timing.sh starts it beside zurmet.exe, so the difference is
// what the layer adds to start-up.
#include <windows.h>

#include <string>

#include "units/catalogue.h"
#include "units/result_format.h"
#include "units/value_input.h"

namespace {

constexpr COLORREF Silver = RGB(192, 192, 192);
constexpr COLORREF LightGrey = RGB(228, 228, 228);
constexpr COLORREF VeryLightGrey = RGB(244, 244, 244);
constexpr COLORREF Grey = RGB(223, 223, 223);
constexpr COLORREF PaleGrey = RGB(239, 239, 239);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Navy = RGB(0, 0, 128);
constexpr COLORREF Black = RGB(0, 0, 0);

// What a control gets beyond its window and font.
enum class Role { None, Ticked, Link, ValueField, DecimalsList, FromList, ToList };

struct Row {
  int parent;  // index of an earlier row; -1: the form
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
  int left, top, width, height;  // height 0: the combo box chooses
  int id;
  const wchar_t* text;
  COLORREF background, textColor;
  Role role = Role::None;
};

// clang-format off
constexpr Row Rows[] = {
    {-1, L"STATIC", 0x5600118c, 0x00010000, -4, -20, 421, 293, 0x8000, L"", Silver, Black},
    {0, L"STATIC", 0x5600018c, 0x00010000, 3, 161, 395, 96, 0x8001, L"", LightGrey, Black},
    {1, L"BUTTON", 0x56030007, 0x00010000, 6, 3, 382, 85, 0x8002, L"Result", LightGrey, Navy},
    {2, L"BUTTON", 0x56010003, 0x00010000, 96, 56, 72, 22, 0x8004, L"Round Up", LightGrey, Black, Role::Ticked},
    {2, L"EDIT", 0x56210844, 0x00010200, 6, 16, 369, 33, 0x8005, L"", VeryLightGrey, Black},
    {2, L"BUTTON", 0x56010003, 0x00010000, 232, 56, 72, 22, 0x8007, L"1000 Sep.", LightGrey, Black, Role::Ticked},
    {2, L"COMBOBOX", 0x56210643, 0x00010200, 42, 56, 41, 0, 0x8009, L"", White, Black, Role::DecimalsList},
    {0, L"STATIC", 0x5600118c, 0x00010000, 1, 38, 407, 130, 0x800a, L"", LightGrey, Black},
    {7, L"BUTTON", 0x56030007, 0x00010000, 7, 6, 231, 111, 0x800b, L"Convert From", LightGrey, Navy},
    {8, L"COMBOBOX", 0x56210643, 0x00010200, 90, 16, 135, 0, 0x800e, L"", White, Black, Role::FromList},
    {8, L"COMBOBOX", 0x56210643, 0x00010200, 90, 40, 135, 0, 0x800f, L"", White, Black, Role::FromList},
    {8, L"COMBOBOX", 0x56210643, 0x00010200, 90, 64, 135, 0, 0x8010, L"", White, Black, Role::FromList},
    {8, L"EDIT", 0x560100c0, 0x00010200, 7, 16, 81, 21, 0x8012, L"", White, Black, Role::ValueField},
    {8, L"EDIT", 0x560100c0, 0x00010200, 7, 40, 81, 21, 0x8013, L"", White, Black, Role::ValueField},
    {8, L"EDIT", 0x560100c0, 0x00010200, 7, 64, 81, 21, 0x8014, L"", White, Black, Role::ValueField},
    {7, L"BUTTON", 0x56030007, 0x00010000, 241, 6, 148, 111, 0x8016, L"Convert To", LightGrey, Navy},
    {15, L"COMBOBOX", 0x56210643, 0x00010200, 6, 16, 135, 0, 0x8017, L"", White, Black, Role::ToList},
    {15, L"COMBOBOX", 0x56210643, 0x00010200, 6, 40, 135, 0, 0x8018, L"", White, Black, Role::ToList},
    {15, L"COMBOBOX", 0x56210643, 0x00010200, 6, 64, 135, 0, 0x8019, L"", White, Black, Role::ToList},
    {0, L"STATIC", 0x5600018c, 0x00010000, 3, 19, 395, 25, 0x801d, L"", White, Black},
    {-1, L"STATIC", 0x4600018c, 0x00010000, -17, 20, 419, 219, 0x8028, L"", Grey, Black},
    {20, L"BUTTON", 0x56030007, 0x00010000, 23, 6, 382, 204, 0x8029, L"Metric Prefixes", Grey, Navy},
    {21, L"STATIC", 0x5600018c, 0x00010000, 8, 170, 361, 16, 0x802a, L"10^x means 10 to the power of x.  Examples:", Grey, Black},
    {21, L"STATIC", 0x5600018c, 0x00010000, 8, 185, 369, 16, 0x802b, L"5 km = 5*10^3 = 5*1000 m = 5000 m; 5 mm = 5*10^-3 = 5/1000 m = 0.005 m.", Grey, Black},
    {21, L"STATIC", 0x5600118c, 0x00010000, 10, 16, 361, 145, 0x802c, L"", VeryLightGrey, Black},
    {24, L"STATIC", 0x5600018c, 0x00010000, 179, 7, 1, 129, 0x8033, L"", Silver, Black},
    {19, L"STATIC", 0x56000181, 0x00010000, 6, 3, 43, 14, 0x8022, L"Length", PaleGrey, Black},
    {19, L"STATIC", 0x56000181, 0x00010000, 50, 3, 35, 14, 0x801f, L"Area", White, Black},
    {19, L"STATIC", 0x56000181, 0x00010000, 86, 3, 50, 14, 0x8020, L"Capacity", White, Black},
    {19, L"STATIC", 0x56000181, 0x00010000, 138, 3, 50, 14, 0x8021, L"Weight", White, Black},
    {19, L"STATIC", 0x56000181, 0x00010000, 186, 3, 47, 14, 0x8025, L"Temp.", White, Black},
    {19, L"STATIC", 0x56000181, 0x00010000, 320, 3, 50, 14, 0x8023, L"Prefixes", White, Black},
    {19, L"STATIC", 0x56000181, 0x00010000, 230, 3, 50, 14, 0x8024, L"Speed", White, Black},
    {19, L"STATIC", 0x56000181, 0x00010000, 275, 3, 47, 14, 0x8026, L"Paper", White, Black},
    {2, L"STATIC", 0x5600018c, 0x00010000, 6, 60, 35, 22, 0x8003, L"Dec.:", LightGrey, Black},
    {2, L"BUTTON", 0x56011000, 0x00010000, 312, 56, 64, 22, 0x8006, L"Convert", LightGrey, Black},
    {2, L"BUTTON", 0x56010003, 0x00010000, 176, 56, 41, 22, 0x8008, L"Exp.", LightGrey, Black},
    {8, L"STATIC", 0x4600018c, 0x00010000, 8, 90, 36, 14, 0x800c, L"Help", LightGrey, Navy, Role::Link},
    {8, L"STATIC", 0x4600018c, 0x00010000, 8, 90, 89, 15, 0x800d, L"Weight or Mass?", LightGrey, Navy, Role::Link},
    {8, L"BUTTON", 0x56011000, 0x00010000, 148, 89, 35, 18, 0x8011, L"Reset", LightGrey, Black},
    {8, L"BUTTON", 0x56011000, 0x00010000, 188, 89, 35, 18, 0x8015, L"Clear", LightGrey, Black},
    {15, L"BUTTON", 0x56011000, 0x00010000, 106, 89, 35, 18, 0x801a, L"Clear", LightGrey, Black},
    {15, L"BUTTON", 0x56011000, 0x00010000, 46, 89, 35, 18, 0x801b, L"Metric", LightGrey, Black},
    {15, L"BUTTON", 0x56011000, 0x00010000, 6, 89, 35, 18, 0x801c, L"US", LightGrey, Black},
    {19, L"STATIC", 0x5600018c, 0x00010000, 383, 3, 7, 16, 0x801e, L"?", White, Black},
    {-1, L"BUTTON", 0x5601000b, 0x00010000, 572, 1, 213, 40, 0x8027, L"Dont remove else XP styles wont work", Silver, Black},
    {24, L"STATIC", 0x5600018c, 0x00010000, 304, 7, 35, 132, 0x802d, L"10^-01\r\n10^-02\r\n10^-03\r\n10^-06\r\n10^-09\r\n10^-12\r\n10^-15\r\n10^-18\r\n10^-21\r\n10^-24", VeryLightGrey, Black},
    {24, L"STATIC", 0x5600018c, 0x00010000, 79, 7, 33, 132, 0x802e, L"Y\r\nZ\r\nE\r\nP\r\nT\r\nG\r\nM\r\nk\r\nh\r\nda", VeryLightGrey, Black},
    {24, L"STATIC", 0x5600018c, 0x00010000, 127, 7, 35, 132, 0x802f, L"10^24\r\n10^21\r\n10^18\r\n10^15\r\n10^12\r\n10^09\r\n10^06\r\n10^03\r\n10^02\r\n10^01", VeryLightGrey, Black},
    {24, L"STATIC", 0x5600018c, 0x00010000, 23, 7, 41, 132, 0x8030, L"yotta\r\nzetta\r\nexa\r\npeta\r\ntera\r\ngiga\r\nmega\r\nkilo\r\nhecto\r\ndeka", VeryLightGrey, Black},
    {24, L"STATIC", 0x5600018c, 0x00010000, 203, 7, 41, 132, 0x8031, L"deci\r\ncenti\r\nmilli\r\nmicro\r\nnano\r\npico\r\nfemto\r\natto\r\nzepto\r\nyocto", VeryLightGrey, Black},
    {24, L"STATIC", 0x5600018c, 0x00010000, 259, 7, 33, 132, 0x8032, L"d\r\nc\r\nm\r\n\u00b5\r\nn\r\np\r\nf\r\na\r\nz\r\ny", VeryLightGrey, Black},
};
// clang-format on

constexpr int RowCount = sizeof Rows / sizeof Rows[0];
constexpr int ClientWidth = 394;
constexpr int ClientHeight = 235;

HBRUSH Brushes[RowCount];

std::wstring Wide(std::string_view text) {
  std::wstring wide(text.size(), L'\0');
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         wide.data(), static_cast<int>(wide.size()));
  wide.resize(static_cast<std::size_t>(length));
  return wide;
}

// The decimal places, or the Length page's units with its starting choice.
void FillList(HWND combo, Role role, int index) {
  if (role == Role::DecimalsList) {
    for (int places = 0; places <= units::MaxPlaces; ++places) {
      SendMessageW(combo, CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(std::to_wstring(places).c_str()));
    }
    SendMessageW(combo, CB_SETCURSEL, units::ResultOptions{}.Places, 0);
    return;
  }
  const units::CategoryInfo& length = units::Describe(units::Category::Length);
  for (const units::UnitRow& unit : length.Table) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(unit.Name).c_str()));
  }
  const int row = role == Role::FromList ? length.DefaultFrom[static_cast<std::size_t>(index)]
                                         : (index == 0 ? length.DefaultTo : 0);
  SendMessageW(combo, CB_SETCURSEL, row, 0);
}

// Each control keeps its row's index in its user data.
int RowOf(HWND control) { return static_cast<int>(GetWindowLongPtrW(control, GWLP_USERDATA)) - 1; }

// The colours of a control, as the converter paints them; 0 for a window
// that is not one of the rows (a combo box's list).
LRESULT Colour(HDC dc, HWND control) {
  const int i = RowOf(control);
  if (i < 0) return 0;
  SetTextColor(dc, Rows[i].textColor);
  SetBkColor(dc, Rows[i].background);
  if (!Brushes[i]) Brushes[i] = CreateSolidBrush(Rows[i].background);
  return reinterpret_cast<LRESULT>(Brushes[i]);
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (LRESULT brush = Colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return brush;
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Controls pass their colour requests up to the form, as the layer's do.
WNDPROC SystemProcs[RowCount];

// Panels and group boxes are containers: they fill their own background,
// which the controls on them draw over.
bool IsContainer(const Row& row) {
  return lstrcmpW(row.className, L"STATIC") == 0 ||
         (lstrcmpW(row.className, L"BUTTON") == 0 && (row.style & BS_TYPEMASK) == BS_GROUPBOX);
}

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int i = RowOf(window);
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
    if (LRESULT brush = Colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
      return brush;
  }
  if (message == WM_ERASEBKGND && IsContainer(Rows[i])) {
    RECT client;
    GetClientRect(window, &client);
    const HDC dc = reinterpret_cast<HDC>(wParam);
    FillRect(dc, &client, reinterpret_cast<HBRUSH>(Colour(dc, window)));
    return 1;
  }
  return CallWindowProcW(SystemProcs[i], window, message, wParam, lParam);
}

}  // namespace

int main() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW formClass{};
  formClass.lpfnWndProc = FormProc;
  formClass.hInstance = instance;
  formClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  formClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  formClass.lpszClassName = L"PlainForm";
  if (!RegisterClassW(&formClass)) return 1;

  constexpr DWORD formStyle = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;
  constexpr DWORD formExStyle = WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
  RECT frame{0, 0, ClientWidth, ClientHeight};
  AdjustWindowRectEx(&frame, formStyle, FALSE, formExStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HWND form = CreateWindowExW(formExStyle, formClass.lpszClassName, L"Plain 1.0", formStyle,
                              (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                              (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr,
                              nullptr, instance, nullptr);
  if (!form) return 1;

  LOGFONTW logFont{};
  logFont.lfHeight = 8;
  logFont.lfCharSet = DEFAULT_CHARSET;
  lstrcpyW(logFont.lfFaceName, L"MS Sans Serif");
  HFONT font = CreateFontIndirectW(&logFont);
  logFont.lfUnderline = TRUE;
  HFONT underlined = CreateFontIndirectW(&logFont);

  HWND windows[RowCount];
  int fromLists = 0;
  int toLists = 0;
  for (int i = 0; i < RowCount; ++i) {
    const Row& row = Rows[i];
    HWND parent = row.parent < 0 ? form : windows[row.parent];
    windows[i] =
        CreateWindowExW(row.exStyle, row.className, row.text, row.style, row.left, row.top,
                        row.width, row.height ? row.height : CW_USEDEFAULT, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
    if (!windows[i]) return 1;
    SetWindowLongPtrW(windows[i], GWLP_USERDATA, i + 1);
    SystemProcs[i] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(windows[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc)));
    const HFONT face = row.role == Role::Link ? underlined : font;
    SendMessageW(windows[i], WM_SETFONT, reinterpret_cast<WPARAM>(face), FALSE);
    switch (row.role) {
      case Role::Ticked:
        SendMessageW(windows[i], BM_SETCHECK, BST_CHECKED, 0);
        break;
      case Role::ValueField:
        SendMessageW(windows[i], EM_LIMITTEXT, units::ValueFieldLimit, 0);
        break;
      case Role::DecimalsList:
        FillList(windows[i], row.role, 0);
        break;
      case Role::FromList:
        FillList(windows[i], row.role, fromLists++);
        break;
      case Role::ToList:
        FillList(windows[i], row.role, toLists++);
        break;
      default:
        break;
    }
  }
  ShowWindow(form, SW_SHOWDEFAULT);
  UpdateWindow(form);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DeleteObject(font);
  DeleteObject(underlined);
  return static_cast<int>(message.wParam);
}
