// What a window does with a message its procedure leaves to the system
// (DefWindowProc), over Qt Widgets.
#include <QGuiApplication>
#include <QIcon>

#include "controls/native/qt/fonts_qt.h"
#include "controls/native/qt/frame_qt.h"
#include "controls/native/qt/gdi_qt.h"
#include "controls/native/qt/placement_qt.h"

namespace native {

using namespace qt;

namespace {

// The layout of the system's MINMAXINFO.
struct MinMaxInfo {
  Point reserved, maxSize, maxPosition, minTrack, maxTrack;
};

void DefaultMinMax(LParam lParam) {
  auto* info = reinterpret_cast<MinMaxInfo*>(lParam);
  if (!info) return;
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  info->maxSize = {width + 8, height + 8};
  info->maxPosition = {-4, -4};
  info->minTrack = {112, 27};
  info->maxTrack = {width + 12, height + 12};
}

// The parent is asked first; whoever answers shows the class cursor of the
// window under the pointer.
LResult DefaultSetCursor(Window* w, WParam wParam, LParam lParam) {
  if (w->parent && IsChild(w) && Send(w->parent, WM_SETCURSOR, wParam, lParam)) return 1;
  if (LowWord(static_cast<std::uintptr_t>(lParam)) != HTCLIENT) return 0;
  const Window* under = AsWindow(reinterpret_cast<Hwnd>(wParam));
  const Cursor cursor = (under ? under : w)->classCursor;
  SetCursor(cursor ? cursor : LoadSystemCursor(IDC_ARROW));
  return 1;
}

LResult DefaultSysCommand(Window* w, WParam command) {
  switch (command & 0xFFF0) {
    case SC_MINIMIZE:
      ShowWindow(ToHwnd(w), SW_MINIMIZE);
      return 0;
    case SC_MAXIMIZE:
      ShowWindow(ToHwnd(w), SW_SHOWMAXIMIZED);
      return 0;
    case SC_RESTORE:
      ShowWindow(ToHwnd(w), SW_RESTORE);
      return 0;
    case SC_CLOSE:
      Send(w, WM_CLOSE);
      return 0;
    default:
      return 0;
  }
}

LResult SetIconOf(Window* w, WParam which, LParam lParam) {
  Icon& slot = which == ICON_BIG ? w->bigIcon : w->smallIcon;
  Icon previous = slot;
  slot = reinterpret_cast<Icon>(lParam);
  if (w->widget && !IsChild(w)) {
    IconObject* icon = AsIcon(w->bigIcon ? w->bigIcon : w->smallIcon);
    // A window without an icon of its own shows the program's to the taskbar
    // and the window switcher; a null icon would show none.
    w->widget->setWindowIcon(icon ? icon->icon : QGuiApplication::windowIcon());
  }
  return reinterpret_cast<LResult>(previous);
}

}  // namespace

LResult DefWindowProc(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
  Window* w = AsWindow(window);
  if (!w) return 0;
  switch (message) {
    case WM_NCCREATE:
      return 1;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_SETTEXT:
      w->text = TextOfSetTextMessage(lParam);
      if (w->widget && !IsChild(w)) {
        w->widget->setWindowTitle(QString::fromStdString(w->text));
        if (DrawsOwnFrame(w)) w->widget->update();
      }
      return 1;
    case WM_GETMINMAXINFO:
      DefaultMinMax(lParam);
      return 0;
    case WM_NCHITTEST:
      return HitTest(w, {static_cast<std::int16_t>(LowWord(static_cast<std::uintptr_t>(lParam))),
                         static_cast<std::int16_t>(HighWord(static_cast<std::uintptr_t>(lParam)))});
    case WM_SETICON:
      return SetIconOf(w, wParam, lParam);
    case WM_GETICON:
      return reinterpret_cast<LResult>(wParam == ICON_BIG ? w->bigIcon : w->smallIcon);
    case WM_SYSCOMMAND:
      return DefaultSysCommand(w, wParam);
    case WM_SETCURSOR:
      return DefaultSetCursor(w, wParam, lParam);
    case WM_ACTIVATE:
      if (LowWord(wParam) != 0 && w->showState != SW_SHOWMINIMIZED) SetFocus(window);
      return 0;
    case WM_ERASEBKGND:
      return 0;
    case WM_MOUSEWHEEL:
      // Unused turns go up to the parent, which may scroll.
      return IsChild(w) && w->parent ? Send(w->parent, message, wParam, lParam) : 0;
    case WM_SETFONT:
      w->font = reinterpret_cast<Font>(wParam);
      if (w->widget) ShowFont(w->widget, AsFont(w->font) ? AsFont(w->font)->font : SystemFont());
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LResult>(w->font);
    default:
      if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        if (DeviceContext* dc = AsDc(reinterpret_cast<void*>(wParam))) {
          dc->textColor = GetSysColor(COLOR_WINDOWTEXT);
          dc->backColor = GetSysColor(message == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE);
        }
        return 0;
      }
      return 0;
  }
}

void SetTrackSizes(Hwnd, LParam minMaxInfo, int width, int height) {
  auto* info = reinterpret_cast<MinMaxInfo*>(minMaxInfo);
  if (!info) return;
  info->minTrack = {width, height};
  info->maxTrack = {width, height};
}

}  // namespace native
