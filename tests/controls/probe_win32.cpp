// The probe over Win32: screen pixels, memory DCs, the real pointer.
#include "probe.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <iterator>

namespace controls::testing {

namespace {

HWND H(native::Hwnd window) { return reinterpret_cast<HWND>(window); }

// A top-down 32-bit section, so the bits read row by row from the top.
class Canvas {
 public:
  Canvas(int w, int h) : width_(w), height_(h) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    old_ = SelectObject(dc, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  Picture Read() const {
    GdiFlush();
    Picture picture{width_, height_, {}};
    picture.rgb.resize(static_cast<std::size_t>(width_ * height_));
    const auto* pixels = static_cast<const std::uint32_t*>(bits_);
    // A DIB pixel is 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
    for (std::size_t i = 0; i < picture.rgb.size(); ++i) {
      const std::uint32_t p = pixels[i];
      picture.rgb[i] = ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
    }
    return picture;
  }

  HDC dc = nullptr;

 private:
  int width_ = 0, height_ = 0;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
};

RECT ClientOf(native::Hwnd window) {
  RECT r{};
  GetClientRect(H(window), &r);
  return r;
}

}  // namespace

Picture PaintAndCapture(native::Hwnd window) {
  RedrawWindow(H(window), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const RECT r = ClientOf(window);
  Canvas canvas(r.right, r.bottom);
  HDC screen = GetDC(H(window));
  BitBlt(canvas.dc, 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
  ReleaseDC(H(window), screen);
  return canvas.Read();
}

Picture PrintClient(native::Hwnd window, std::uint32_t background) {
  const RECT r = ClientOf(window);
  Canvas canvas(r.right, r.bottom);
  HBRUSH brush = CreateSolidBrush(background);
  FillRect(canvas.dc, &r, brush);
  DeleteObject(brush);
  SendMessageW(H(window), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc), PRF_CLIENT);
  return canvas.Read();
}

native::Point MeasureText(native::Font font, const std::string& text) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = font ? SelectObject(dc, reinterpret_cast<HGDIOBJ>(font)) : nullptr;
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  SIZE size{};
  GetTextExtentPoint32W(dc, wide.c_str(), length, &size);
  if (old) SelectObject(dc, old);
  DeleteDC(dc);
  return {size.cx, size.cy};
}

Spot TextInk(native::Font font, const std::string& text) {
  const native::Point size = MeasureText(font, text);
  Canvas canvas(size.x + 8, size.y + 8);
  RECT all{0, 0, size.x + 8, size.y + 8};
  FillRect(canvas.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HGDIOBJ old = SelectObject(canvas.dc, reinterpret_cast<HGDIOBJ>(font));
  SetBkMode(canvas.dc, TRANSPARENT);
  SetTextColor(canvas.dc, 0);
  const std::wstring wide(text.begin(), text.end());  // the tests draw ASCII
  ExtTextOutW(canvas.dc, 0, 0, 0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
  SelectObject(canvas.dc, old);
  return Find(canvas.Read(), 0);
}

void MovePointer(native::Point screen) { SetCursorPos(screen.x, screen.y); }

native::Rect PointerRect(native::Hwnd window) {
  RECT r{};
  GetWindowRect(H(window), &r);
  return {r.left, r.top, r.right, r.bottom};
}

int OpenListClientHeight(native::Hwnd comboBox) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (!GetComboBoxInfo(H(comboBox), &info) || !info.hwndList) return -1;
  RECT r{};
  GetClientRect(info.hwndList, &r);
  return r.bottom;
}

int OpenListRowHeight(native::Hwnd comboBox) {
  return static_cast<int>(SendMessageW(H(comboBox), CB_GETITEMHEIGHT, 0, 0));
}

bool WaitForInput(int milliseconds) {
  return MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(milliseconds),
                                   QS_ALLINPUT) != WAIT_TIMEOUT;
}

native::Cursor CurrentCursor() { return reinterpret_cast<native::Cursor>(GetCursor()); }
void SetCapture(native::Hwnd window) { ::SetCapture(H(window)); }
void ReleaseCapture() { ::ReleaseCapture(); }

native::Icon MakeIcon() {
  BYTE andMask[16 * 16 / 8];
  BYTE xorMask[16 * 16 / 8];
  std::fill(std::begin(andMask), std::end(andMask), BYTE{0});
  std::fill(std::begin(xorMask), std::end(xorMask), BYTE{0xAA});
  return reinterpret_cast<native::Icon>(CreateIcon(nullptr, 16, 16, 1, 1, andMask, xorMask));
}

bool IconAlive(native::Icon icon) {
  ICONINFO info{};
  if (!GetIconInfo(reinterpret_cast<HICON>(icon), &info)) return false;
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return true;
}

native::Icon BigIconOf(native::Hwnd window) {
  return reinterpret_cast<native::Icon>(SendMessageW(H(window), WM_GETICON, ICON_BIG, 0));
}

bool IsAbove(native::Hwnd a, native::Hwnd b) {
  for (HWND w = GetWindow(H(a), GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
    if (w == H(b)) return true;
  return false;
}

native::Hwnd ForegroundWindow() { return reinterpret_cast<native::Hwnd>(GetForegroundWindow()); }

// A click on the caption's close button ends in this command.
void PressCloseButton(native::Hwnd window) { PostMessageW(H(window), WM_SYSCOMMAND, SC_CLOSE, 0); }

}  // namespace controls::testing
