// Painting windows over Qt Widgets: each paint event of a window's widget
// is the window's erase and paint, with the colours its parent chooses; a
// device context for BeginPaint, and owner drawing for buttons.
#include "controls/native/qt/paint_qt.h"

#include <QImage>
#include <QPalette>
#include <optional>

#include "controls/native/qt/gdi_qt.h"

namespace native {

namespace qt {

namespace {

bool IsPushButton(std::uint32_t style) {
  const std::uint32_t type = style & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW;
}

// How a system control asks for its colours, and what of the answer it uses.
struct ColourUse {
  std::uint32_t message = 0;
  bool usesAnswer = true;  // a push button's face keeps the system colours
  bool fills = false;      // paints its whole area with the brush
};

ColourUse ColourUseOf(Window* window) {
  const bool enabled = native::IsWindowEnabled(ToHwnd(window));
  const std::uint32_t style = window->style;
  switch (window->systemClass) {
    case SystemClass::Static:
      return {WM_CTLCOLORSTATIC, true, true};
    case SystemClass::Button:
      if (IsPushButton(style)) return {WM_CTLCOLORBTN, false, false};
      return {WM_CTLCOLORSTATIC, true, (style & BS_TYPEMASK) != BS_GROUPBOX};
    case SystemClass::Edit:
      return {(style & ES_READONLY) || !enabled ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, true, false};
    case SystemClass::ComboBox:
      return {enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC, true, false};
    case SystemClass::None:
      break;
  }
  return {0, false, false};
}

constexpr QPalette::ColorGroup kColourGroups[] = {QPalette::Active, QPalette::Inactive,
                                                  QPalette::Disabled};
constexpr QPalette::ColorRole kFaceRoles[] = {QPalette::Window, QPalette::Base, QPalette::Button};
constexpr QPalette::ColorRole kTextRoles[] = {QPalette::WindowText, QPalette::Text,
                                              QPalette::ButtonText};

// A disabled control writes in the system's grey whatever its parent says.
QPalette Coloured(QPalette palette, const std::optional<QColor>& face, const QColor& text) {
  const QColor grey = ColorOf(GetSysColor(COLOR_GRAYTEXT));
  for (QPalette::ColorGroup group : kColourGroups) {
    if (face)
      for (QPalette::ColorRole role : kFaceRoles) palette.setColor(group, role, *face);
    for (QPalette::ColorRole role : kTextRoles)
      palette.setColor(group, role, group == QPalette::Disabled ? grey : text);
  }
  return palette;
}

// Setting a palette or attribute schedules another paint, so only changes are set.
void Show(QWidget* widget, const QPalette& palette, bool fill) {
  if (widget->palette() != palette) widget->setPalette(palette);
  if (widget->autoFillBackground() != fill) widget->setAutoFillBackground(fill);
}

}  // namespace

void ApplyControlColours(Window* window) {
  const Hwnd handle = ToHwnd(window);
  const ColourUse use = ColourUseOf(window);
  if (!use.message || !window->parent) return;
  QImage scratch(1, 1, QImage::Format_RGB32);
  DeviceContext question(&scratch);
  const LResult answer = native::SendMessage(ToHwnd(window->parent), use.message,
                                             reinterpret_cast<WParam>(ToDc(&question)),
                                             reinterpret_cast<LParam>(handle));
  window = AsWindow(handle);
  if (!answer || !use.usesAnswer || !window || !window->widget) return;
  const std::optional<QColor> face = BrushColour(reinterpret_cast<const void*>(answer));
  QWidget* widget = window->widget;
  Show(widget, Coloured(widget->palette(), face, ColorOf(question.textColor)), use.fills && face);
}

bool PaintWindow(Window* window) {
  if (!window->widget) return true;
  const Hwnd handle = ToHwnd(window);
  DeviceContext dc(window->widget);
  window->paintDc = &dc;
  if (window->systemClass != SystemClass::None) ApplyControlColours(window);
  if (AsWindow(handle))
    native::SendMessage(handle, WM_ERASEBKGND, reinterpret_cast<WParam>(ToDc(&dc)), 0);
  if ((window = AsWindow(handle))) {
    window->widgetPaints = false;
    native::SendMessage(handle, WM_PAINT, 0, 0);
  }
  window = AsWindow(handle);
  if (!window) return true;
  window->paintDc = nullptr;
  if (!window->widgetPaints) return true;
  dc.End();
  return false;
}

}  // namespace qt

void Paint(Hwnd window, Dc dc, const std::function<void(Dc)>& draw) {
  if (dc) {
    draw(dc);
    return;
  }
  const qt::Window* record = qt::AsWindow(window);
  if (record && record->paintDc) {
    draw(qt::ToDc(record->paintDc));
    return;
  }
  // Outside a paint event the drawing would be painted over at once.
  QImage scratch(1, 1, QImage::Format_RGB32);
  qt::DeviceContext context(&scratch);
  draw(qt::ToDc(&context));
}

DrawItem ReadDrawItem(LParam lParam) {
  const auto* item = reinterpret_cast<const qt::DrawItemStruct*>(lParam);
  if (!item) return {};
  return {item->item, item->dc, item->state, item->rect};
}

bool InvalidateRect(Hwnd window, bool) {
  qt::Window* w = qt::AsWindow(window);
  if (!w || !w->widget) return false;
  w->widget->update();
  return true;
}

}  // namespace native
