// The system class BUTTON over Qt widgets: push buttons, check boxes, radio
// buttons, group boxes and owner-drawn buttons. Pressing, holding and
// releasing are the window procedure's, as on Win32; the widget only shows
// the state.
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "controls/native/qt/focus_qt.h"
#include "controls/native/qt/gdi_qt.h"
#include "controls/native/qt/paint_qt.h"
#include "controls/native/qt/system_classes_qt.h"

namespace native::qt {

namespace {

U32 ButtonType(const Window* w) { return w->style & BS_TYPEMASK; }
bool IsGroupBox(const Window* w) { return ButtonType(w) == BS_GROUPBOX; }
bool IsOwnerDrawn(const Window* w) { return ButtonType(w) == BS_OWNERDRAW; }
bool IsCheckable(const Window* w) {
  const U32 type = ButtonType(w);
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
         type == BS_AUTO3STATE || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

QWidget* MakeButtonWidget(Window* w, QWidget* parent) {
  const QString text = Q(w->text);
  const U32 type = ButtonType(w);
  if (type == BS_GROUPBOX) return new QGroupBox(text, parent);
  if (type == BS_OWNERDRAW) return new QWidget(parent);
  if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) return new QRadioButton(text, parent);
  if (IsCheckable(w)) return new QCheckBox(text, parent);
  return new QPushButton(text, parent);
}

void ShowButtonState(Window* w) {
  auto* button = qobject_cast<QAbstractButton*>(w->widget.data());
  if (button) {
    button->setDown(w->pushed);
    if (button->isCheckable() || IsCheckable(w)) {
      button->setCheckable(true);
      button->setChecked(w->checked);
    }
  }
  if (w->widget) w->widget->update();
}

void ApplyButtonStyle(Window* w) {
  if (auto* push = qobject_cast<QPushButton*>(w->widget.data()))
    push->setDefault(ButtonType(w) == BS_DEFPUSHBUTTON);
  if (w->widget) w->widget->setAutoFillBackground(!IsOwnerDrawn(w));
}

// The pointer and the keys reach the procedure as messages, so Qt clicks or
// toggles a button itself only when assistive technology presses it: that is
// a click of the window. A box the record already shows so is only shown.
void ListenForPresses(Window* w) {
  auto* button = qobject_cast<QAbstractButton*>(w->widget.data());
  if (!button) return;
  const Hwnd h = ToHwnd(w);
  if (IsCheckable(w)) {
    QObject::connect(button, &QAbstractButton::toggled, button, [h](bool checked) {
      Window* pressed = AsWindow(h);
      if (!pressed || checked == pressed->checked) return;
      // Qt unticks the other radio buttons itself; only the ticked one was pressed.
      const U32 type = ButtonType(pressed);
      if (checked || (type != BS_RADIOBUTTON && type != BS_AUTORADIOBUTTON)) PostClick(pressed);
    });
  } else {
    QObject::connect(button, &QAbstractButton::clicked, button, [h] {
      if (Window* pressed = AsWindow(h)) PostClick(pressed);
    });
  }
}

void ClickButton(Window* w) {
  const U32 type = ButtonType(w);
  if (type == BS_AUTOCHECKBOX || type == BS_AUTO3STATE) w->checked = !w->checked;
  if (type == BS_AUTORADIOBUTTON) w->checked = true;
  ShowButtonState(w);
  Notify(w, BN_CLICKED);
}

void PaintOwnerDrawn(Window* w) {
  if (!w->paintDc || !w->parent) return;
  DrawItemStruct item;
  item.controlId = w->id;
  item.state = (w->pushed ? ODS_SELECTED : 0u) | (w->disabled ? ODS_DISABLED : 0u) |
               (GetFocus() == ToHwnd(w) ? ODS_FOCUS : 0u);
  item.item = ToHwnd(w);
  item.dc = ToDc(w->paintDc);
  item.rect = GetClientRect(ToHwnd(w));
  // The face is the parent's colour for buttons, as the system fills it first.
  const auto brush = reinterpret_cast<Brush>(SendMessage(ToHwnd(w->parent), WM_CTLCOLORBTN,
                                                         reinterpret_cast<WParam>(item.dc),
                                                         reinterpret_cast<LParam>(ToHwnd(w))));
  if (brush) FillRect(item.dc, item.rect, brush);
  SendMessage(ToHwnd(w->parent), WM_DRAWITEM, w->id, reinterpret_cast<LParam>(&item));
}

// Made, restyled, retitled and painted.
std::optional<LResult> ButtonWindowMessage(Hwnd, Window* w, U32 message, WParam, LParam lParam) {
  switch (message) {
    case WM_CREATE:
      w->systemClass = SystemClass::Button;
      w->widget = MakeButtonWidget(w, w->parent ? w->parent->widget.data() : nullptr);
      ListenForPresses(w);
      ApplyButtonStyle(w);
      return 0;
    case kApplyStyleMessage:
      ApplyButtonStyle(w);
      return 0;
    case WM_SETTEXT:
      w->text = TextOf(lParam);
      if (auto* button = qobject_cast<QAbstractButton*>(w->widget.data()))
        button->setText(Q(w->text));
      if (auto* group = qobject_cast<QGroupBox*>(w->widget.data())) group->setTitle(Q(w->text));
      if (w->widget) w->widget->update();
      return 1;
    case WM_PAINT:
      if (IsOwnerDrawn(w))
        PaintOwnerDrawn(w);
      else
        w->widgetPaints = true;
      return 0;
    default:
      return std::nullopt;
  }
}

// BM_*: the check, the pushed state and the style, read and set by the program.
std::optional<LResult> ButtonStateMessage(Hwnd h, Window* w, U32 message, WParam wParam, LParam) {
  switch (message) {
    case BM_GETCHECK:
      return w->checked ? 1 : 0;
    case BM_SETCHECK:
      w->checked = wParam != 0;
      ShowButtonState(w);
      return 0;
    case BM_GETSTATE:
      return (w->checked ? 1 : 0) | (w->pushed ? 4 : 0) | (GetFocus() == h ? 8 : 0);
    case BM_SETSTATE:
      w->pushed = wParam != 0;
      ShowButtonState(w);
      return 0;
    case BM_SETSTYLE:
      w->style = (w->style & 0xFFFF0000u) | LowWord(wParam);
      ApplyButtonStyle(w);
      return 0;
    case BM_CLICK:
      SendMessage(h, WM_LBUTTONDOWN, 1, 0);
      SendMessage(h, WM_LBUTTONUP, 0, 0);
      return 0;
    default:
      return std::nullopt;
  }
}

// Pressed by the left button: pushed while held over the button, clicked
// when released there.
std::optional<LResult> ButtonMouseMessage(Hwnd h, Window* w, U32 message, WParam wParam,
                                          LParam lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (IsGroupBox(w)) return 0;
      if (message == WM_LBUTTONDBLCLK && (w->style & BS_NOTIFY) && !IsCheckable(w))
        Notify(w, BN_DOUBLECLICKED);
      SetFocus(h);
      if (!AsWindow(h)) return 0;
      SetCaptureWindow(w);
      w->pushed = true;
      ShowButtonState(w);
      return 0;
    case WM_MOUSEMOVE:
      if (CaptureWindow() == w && (wParam & 1) && w->pushed != InsideClient(w, lParam)) {
        w->pushed = !w->pushed;
        ShowButtonState(w);
      }
      return 0;
    case WM_LBUTTONUP: {
      if (CaptureWindow() == w) SetCaptureWindow(nullptr);
      const bool click = w->pushed;
      w->pushed = false;
      ShowButtonState(w);
      if (click) ClickButton(w);
      return 0;
    }
    default:
      return std::nullopt;
  }
}

// Pressed by the space bar; the focus coming and going.
std::optional<LResult> ButtonKeyMessage(Hwnd, Window* w, U32 message, WParam wParam, LParam) {
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && !IsGroupBox(w)) {
        w->pushed = true;
        ShowButtonState(w);
      }
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE && w->pushed) {
        w->pushed = false;
        ClickButton(w);
      }
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (message == WM_KILLFOCUS && w->pushed) {
        w->pushed = false;
        ShowButtonState(w);
      }
      if (w->style & BS_NOTIFY) Notify(w, message == WM_SETFOCUS ? BN_SETFOCUS : BN_KILLFOCUS);
      if (w->widget) w->widget->update();
      return 0;
    case WM_CHAR:
      return 0;
    default:
      return std::nullopt;
  }
}

constexpr MessageGroup kButtonMessages[] = {ButtonWindowMessage, ButtonStateMessage,
                                            ButtonMouseMessage, ButtonKeyMessage};

}  // namespace

LResult ButtonProcedure(Hwnd h, U32 message, WParam wParam, LParam lParam) {
  return AnswerByGroups(kButtonMessages, h, message, wParam, lParam);
}

}  // namespace native::qt
