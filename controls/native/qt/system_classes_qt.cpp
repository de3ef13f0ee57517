// The system classes BUTTON, STATIC, EDIT and COMBOBOX as window procedures
// that drive Qt widgets. They answer the messages the layer sends as the
// Win32 controls do, and turn clicks and typing that reach them as messages
// into the notifications a Win32 control sends its parent.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QWheelEvent>
#include <algorithm>
#include <cstring>

#include "controls/native/qt/qt_backend.h"

namespace native::qt {

namespace {

constexpr U32 WM_CREATE = 0x1, WM_GETTEXTLENGTH = 0xE;
constexpr U32 BM_GETSTATE = 0xF2, BM_SETSTATE = 0xF3, BM_SETSTYLE = 0xF4, BM_CLICK = 0xF5;
constexpr U32 BS_TYPEMASK = 0xF, BS_CHECKBOX = 2, BS_RADIOBUTTON = 4, BS_3STATE = 5,
              BS_AUTO3STATE = 6, BS_AUTORADIOBUTTON = 9, BS_NOTIFY = 0x4000;
constexpr U32 BN_DOUBLECLICKED = 5;
constexpr U32 SS_TYPEMASK = 0x1F, SS_CENTER = 1, SS_RIGHT = 2, SS_SIMPLE = 0xB,
              SS_LEFTNOWORDWRAP = 0xC, SS_NOPREFIX = 0x80, SS_NOTIFY = 0x100,
              SS_CENTERIMAGE = 0x200;
constexpr U32 STN_CLICKED = 0, STN_DBLCLK = 1;
constexpr U32 ES_CENTER = 1, ES_RIGHT = 2, ES_PASSWORD = 0x20, ES_READONLY = 0x800;
constexpr U32 EN_UPDATE = 0x400, EN_MAXTEXT = 0x501;
constexpr U32 CBS_TYPEMASK = 3, CBS_DROPDOWNLIST = 3;
constexpr LResult CB_ERR = -1;
constexpr int VK_BACK = 8, VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26,
              VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_INSERT = 0x2D,
              VK_DELETE = 0x2E, VK_F4 = 0x73;

Window* W(Hwnd h) { return AsWindow(h); }
QString Q(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }
std::string TextOf(LParam lParam) { return TextOfSetTextMessage(lParam); }

std::uint16_t Low(std::uintptr_t v) { return static_cast<std::uint16_t>(v & 0xFFFF); }
std::uint16_t High(std::uintptr_t v) { return static_cast<std::uint16_t>((v >> 16) & 0xFFFF); }
LResult MakeLong(int low, int high) {
  return static_cast<LResult>((static_cast<std::uint32_t>(high & 0xFFFF) << 16) |
                              static_cast<std::uint32_t>(low & 0xFFFF));
}
QPoint PointOf(LParam lParam) {
  return {static_cast<std::int16_t>(Low(static_cast<std::uintptr_t>(lParam))),
          static_cast<std::int16_t>(High(static_cast<std::uintptr_t>(lParam)))};
}

// WM_COMMAND to the parent, as every system control reports.
void Notify(Window* w, U32 code) {
  if (!w->parent) return;
  SendMessage(ToHwnd(w->parent), WM_COMMAND, (WParam{code} << 16) | w->id,
              reinterpret_cast<LParam>(w));
}

bool ControlDown() { return GetKeyState(VK_CONTROL) < 0; }
bool ShiftDown() { return GetKeyState(VK_SHIFT) < 0; }

bool InsideClient(Window* w, LParam lParam) {
  const Rect r = GetClientRect(ToHwnd(w));
  const QPoint p = PointOf(lParam);
  return p.x() >= r.left && p.x() < r.right && p.y() >= r.top && p.y() < r.bottom;
}

// A mouse message as the Qt event the widget acts on itself.
void ForwardMouse(Window* w, U32 message, WParam wParam, LParam lParam) {
  if (!w->widget) return;
  QEvent::Type type = QEvent::MouseMove;
  Qt::MouseButton button = Qt::NoButton;
  switch (message) {
    case WM_LBUTTONDOWN:
      type = QEvent::MouseButtonPress, button = Qt::LeftButton;
      break;
    case WM_LBUTTONUP:
      type = QEvent::MouseButtonRelease, button = Qt::LeftButton;
      break;
    case WM_LBUTTONDBLCLK:
      type = QEvent::MouseButtonDblClick, button = Qt::LeftButton;
      break;
    default:
      break;
  }
  Qt::MouseButtons buttons;
  if (wParam & 1) buttons |= Qt::LeftButton;
  if (wParam & 2) buttons |= Qt::RightButton;
  Qt::KeyboardModifiers modifiers;
  if (wParam & 4) modifiers |= Qt::ShiftModifier;
  if (wParam & 8) modifiers |= Qt::ControlModifier;
  const QPointF local = PointOf(lParam) + ClientOrigin(w);
  QMouseEvent event(type, local, w->widget->mapToGlobal(local), button, buttons, modifiers);
  DeliverToWidget(w->widget, &event);
}

void ForwardKey(Window* w, int qtKey, Qt::KeyboardModifiers modifiers) {
  if (!w->widget) return;
  QKeyEvent event(QEvent::KeyPress, qtKey, modifiers);
  DeliverToWidget(w->widget, &event);
}

// What every system control does with what it leaves alone: the widget
// paints itself, over a background it fills itself.
LResult ControlDefault(Hwnd h, U32 message, WParam wParam, LParam lParam) {
  switch (message) {
    case WM_PAINT:
      if (Window* w = W(h)) w->widgetPaints = true;
      return 0;
    case WM_ERASEBKGND:
      return 1;
    default:
      return DefWindowProc(h, message, wParam, lParam);
  }
}

// ---- BUTTON --------------------------------------------------------------

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
                                                         reinterpret_cast<LParam>(w)));
  if (brush) FillRect(item.dc, item.rect, brush);
  SendMessage(ToHwnd(w->parent), WM_DRAWITEM, w->id, reinterpret_cast<LParam>(&item));
}

LResult ButtonProcedure(Hwnd h, U32 message, WParam wParam, LParam lParam) {
  Window* w = W(h);
  if (!w) return 0;
  switch (message) {
    case WM_CREATE:
      w->systemClass = SystemClass::Button;
      w->widget = MakeButtonWidget(w, w->parent ? w->parent->widget.data() : nullptr);
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
      w->style = (w->style & 0xFFFF0000u) | Low(wParam);
      ApplyButtonStyle(w);
      return 0;
    case BM_CLICK:
      SendMessage(h, WM_LBUTTONDOWN, 1, 0);
      SendMessage(h, WM_LBUTTONUP, 0, 0);
      return 0;
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
    case WM_PAINT:
      if (IsOwnerDrawn(w))
        PaintOwnerDrawn(w);
      else
        w->widgetPaints = true;
      return 0;
    case WM_CHAR:
      return 0;
    default:
      return ControlDefault(h, message, wParam, lParam);
  }
}

// ---- STATIC --------------------------------------------------------------

// Without SS_NOPREFIX an ampersand marks a mnemonic and "&&" is one ampersand.
QString StaticText(const Window* w) {
  const QString text = Q(w->text);
  if (w->style & SS_NOPREFIX) return text;
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&') {
      if (++i == text.size()) break;  // a last ampersand marks nothing
    }
    shown += text[i];  // after an ampersand, the marked character (or "&" for "&&")
  }
  return shown;
}

void ApplyStaticStyle(Window* w) {
  auto* label = qobject_cast<QLabel*>(w->widget.data());
  if (!label) return;
  const U32 type = w->style & SS_TYPEMASK;
  Qt::Alignment align = type == SS_CENTER  ? Qt::AlignHCenter
                        : type == SS_RIGHT ? Qt::AlignRight
                                           : Qt::AlignLeft;
  align |= (w->style & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop;
  label->setAlignment(align);
  label->setWordWrap(type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE);
  const QPoint origin = ClientOrigin(w);
  const bool sunken = (w->exStyle & WS_EX_CLIENTEDGE) || (w->style & SS_SUNKEN);
  label->setFrameStyle(origin.x() > 0 ? (QFrame::Panel | (sunken ? QFrame::Sunken : QFrame::Raised))
                                      : QFrame::NoFrame);
  label->setLineWidth(origin.x());
  label->setText(StaticText(w));
}

LResult StaticProcedure(Hwnd h, U32 message, WParam wParam, LParam lParam) {
  Window* w = W(h);
  if (!w) return 0;
  switch (message) {
    case WM_CREATE: {
      w->systemClass = SystemClass::Static;
      auto* label = new QLabel(w->parent ? w->parent->widget.data() : nullptr);
      label->setTextFormat(Qt::PlainText);
      label->setMargin(0);
      label->setIndent(0);
      label->setAutoFillBackground(true);
      w->widget = label;
      ApplyStaticStyle(w);
      return 0;
    }
    case kApplyStyleMessage:
      ApplyStaticStyle(w);
      return 0;
    case WM_SETTEXT:
      w->text = TextOf(lParam);
      if (auto* label = qobject_cast<QLabel*>(w->widget.data())) label->setText(StaticText(w));
      return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (w->style & SS_NOTIFY) Notify(w, message == WM_LBUTTONDOWN ? STN_CLICKED : STN_DBLCLK);
      return 0;
    default:
      return ControlDefault(h, message, wParam, lParam);
  }
}

// ---- EDIT ----------------------------------------------------------------

QLineEdit* LineOf(Window* w) { return qobject_cast<QLineEdit*>(w->widget.data()); }
QPlainTextEdit* PlainOf(Window* w) { return qobject_cast<QPlainTextEdit*>(w->widget.data()); }
bool ReadOnly(const Window* w) { return (w->style & ES_READONLY) != 0; }

QString EditText(Window* w) {
  if (QLineEdit* line = LineOf(w)) return line->text();
  if (QPlainTextEdit* plain = PlainOf(w))
    return plain->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
  return Q(w->text);
}

void ApplyEditStyle(Window* w) {
  const Qt::Alignment align = (w->style & ES_CENTER)  ? Qt::AlignHCenter
                              : (w->style & ES_RIGHT) ? Qt::AlignRight
                                                      : Qt::AlignLeft;
  if (QLineEdit* line = LineOf(w)) {
    line->setReadOnly(ReadOnly(w));
    line->setAlignment(align | Qt::AlignVCenter);
    line->setEchoMode((w->style & ES_PASSWORD) ? QLineEdit::Password : QLineEdit::Normal);
    line->setFrame((w->exStyle & WS_EX_CLIENTEDGE) || (w->style & WS_BORDER));
  }
  if (QPlainTextEdit* plain = PlainOf(w)) {
    plain->setReadOnly(ReadOnly(w));
    plain->setVerticalScrollBarPolicy((w->style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn
                                                              : Qt::ScrollBarAlwaysOff);
    plain->setHorizontalScrollBarPolicy((w->style & WS_HSCROLL) ? Qt::ScrollBarAlwaysOn
                                                                : Qt::ScrollBarAlwaysOff);
    plain->setLineWrapMode((w->style & (WS_HSCROLL | ES_AUTOHSCROLL))
                               ? QPlainTextEdit::NoWrap
                               : QPlainTextEdit::WidgetWidth);
    plain->setFrameStyle(((w->exStyle & WS_EX_CLIENTEDGE) || (w->style & WS_BORDER))
                             ? QFrame::StyledPanel | QFrame::Sunken
                             : QFrame::NoFrame);
  }
}

void SetEditText(Window* w, const std::string& text, bool notify) {
  w->text = text;
  QSignalBlocker blockLine(LineOf(w)), blockPlain(PlainOf(w));
  if (QLineEdit* line = LineOf(w)) line->setText(Q(text));
  if (QPlainTextEdit* plain = PlainOf(w))
    plain->setPlainText(Q(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  if (notify) {
    Notify(w, EN_UPDATE);
    if (AsWindow(ToHwnd(w))) Notify(w, EN_CHANGE);
  }
}

void MakeEditWidget(Window* w) {
  QWidget* parent = w->parent ? w->parent->widget.data() : nullptr;
  if (w->style & ES_MULTILINE) {
    auto* plain = new QPlainTextEdit(parent);
    w->widget = plain;
    QObject::connect(plain, &QPlainTextEdit::textChanged, plain, [w] {
      if (AsWindow(ToHwnd(w))) Notify(w, EN_CHANGE);
    });
  } else {
    auto* line = new QLineEdit(parent);
    line->setContextMenuPolicy(Qt::NoContextMenu);
    line->setMaxLength(static_cast<int>(w->textLimit));
    w->widget = line;
    // Typing, pasting and deleting all end here: the parent hears of each change.
    QObject::connect(line, &QLineEdit::textChanged, line, [w] {
      if (!AsWindow(ToHwnd(w))) return;
      Notify(w, EN_UPDATE);
      if (AsWindow(ToHwnd(w))) Notify(w, EN_CHANGE);
    });
  }
  SetEditText(w, w->text, false);
  ApplyEditStyle(w);
}

// A typed character, as the Win32 edit takes it.
void TypeIntoEdit(Window* w, WParam unit) {
  QLineEdit* line = LineOf(w);
  if (unit >= 0xD800 && unit < 0xDC00) {
    w->highSurrogate = static_cast<std::uint16_t>(unit);
    return;
  }
  QString typed;
  if (unit >= 0xDC00 && unit < 0xE000) {
    if (!w->highSurrogate) return;
    typed = QString(QChar(w->highSurrogate)) + QChar(static_cast<char16_t>(unit));
  } else {
    typed = QChar(static_cast<char16_t>(unit));
  }
  w->highSurrogate = 0;
  if (!line || ReadOnly(w)) return;
  const qsizetype after = line->text().size() - line->selectedText().size() + typed.size();
  if (after > w->textLimit) {
    Notify(w, EN_MAXTEXT);
    return;
  }
  line->insert(typed);
}

void EditControlCharacter(Window* w, WParam character) {
  QLineEdit* line = LineOf(w);
  QPlainTextEdit* plain = PlainOf(w);
  switch (character) {
    case 1:  // Ctrl+A
      if (line) line->selectAll();
      if (plain) plain->selectAll();
      return;
    case 3:  // Ctrl+C
      if (line) line->copy();
      if (plain) plain->copy();
      return;
    case 0x16:  // Ctrl+V
      if (line && !ReadOnly(w)) line->paste();
      return;
    case 0x18:  // Ctrl+X
      if (line && !ReadOnly(w)) line->cut();
      return;
    case 0x1A:  // Ctrl+Z
      if (line && !ReadOnly(w)) line->undo();
      return;
    case VK_BACK:
      if (line && !ReadOnly(w)) line->backspace();
      return;
    default:
      return;
  }
}

void EditKeyDown(Window* w, WParam key) {
  QLineEdit* line = LineOf(w);
  const Qt::KeyboardModifiers modifiers = (ShiftDown() ? Qt::ShiftModifier : Qt::NoModifier) |
                                          (ControlDown() ? Qt::ControlModifier : Qt::NoModifier);
  struct Navigation {
    int virtualKey;
    int qtKey;
  };
  static constexpr Navigation kNavigation[] = {
      {VK_LEFT, Qt::Key_Left},    {VK_RIGHT, Qt::Key_Right},  {VK_HOME, Qt::Key_Home},
      {VK_END, Qt::Key_End},      {VK_UP, Qt::Key_Up},        {VK_DOWN, Qt::Key_Down},
      {VK_PRIOR, Qt::Key_PageUp}, {VK_NEXT, Qt::Key_PageDown}};
  for (const Navigation& n : kNavigation) {
    if (static_cast<WParam>(n.virtualKey) != key) continue;
    ForwardKey(w, n.qtKey, modifiers & (Qt::ShiftModifier | Qt::ControlModifier));
    return;
  }
  if (!line || ReadOnly(w)) {
    if (key == VK_INSERT && ControlDown() && line) line->copy();
    return;
  }
  if (key == VK_DELETE) {
    if (ShiftDown())
      line->cut();
    else
      line->del();
  } else if (key == VK_INSERT) {
    if (ShiftDown()) line->paste();
    if (ControlDown()) line->copy();
  }
}

LResult EditSelection(Window* w, WParam wParam, LParam lParam) {
  int start = 0, end = 0;
  if (QLineEdit* line = LineOf(w)) {
    if (line->hasSelectedText()) {
      start = line->selectionStart();
      end = start + static_cast<int>(line->selectedText().size());
    } else {
      start = end = line->cursorPosition();
    }
  }
  if (wParam) *reinterpret_cast<std::uint32_t*>(wParam) = static_cast<std::uint32_t>(start);
  if (lParam) *reinterpret_cast<std::uint32_t*>(lParam) = static_cast<std::uint32_t>(end);
  return MakeLong(start, end);
}

void SetEditSelection(Window* w, WParam wParam, LParam lParam) {
  QLineEdit* line = LineOf(w);
  if (!line) return;
  const int length = static_cast<int>(line->text().size());
  const auto start = static_cast<std::int32_t>(wParam), end = static_cast<std::int32_t>(lParam);
  if (start == -1) {
    line->deselect();
    return;
  }
  const int from = std::clamp<int>(start, 0, length);
  const int to = end < 0 ? length : std::clamp<int>(end, 0, length);
  line->setSelection(from, to - from);
}

LResult CopyOut(const std::string& text, LParam buffer, std::size_t room) {
  if (!buffer || room == 0) return 0;
  const std::size_t n = std::min(text.size(), room);
  std::memcpy(reinterpret_cast<char*>(buffer), text.data(), n);
  return static_cast<LResult>(n);
}

LResult EditProcedure(Hwnd h, U32 message, WParam wParam, LParam lParam) {
  Window* w = W(h);
  if (!w) return 0;
  switch (message) {
    case WM_CREATE:
      w->systemClass = SystemClass::Edit;
      MakeEditWidget(w);
      return 0;
    case kApplyStyleMessage:
      ApplyEditStyle(w);
      return 0;
    case kGetTextMessage:
      *reinterpret_cast<std::string*>(lParam) = Utf8(EditText(w));
      return 1;
    case WM_SETTEXT:
      SetEditText(w, TextOf(lParam), !(w->style & ES_MULTILINE));
      return 1;
    case WM_GETTEXTLENGTH:
      return static_cast<LResult>(Utf8(EditText(w)).size());
    case WM_CHAR:
      if (wParam >= 0x20 && wParam != 0x7F)
        TypeIntoEdit(w, wParam);
      else
        EditControlCharacter(w, wParam);
      return 0;
    case WM_KEYDOWN:
      EditKeyDown(w, wParam);
      return 0;
    case WM_MOUSEWHEEL:
      if (QPlainTextEdit* plain = PlainOf(w)) {
        const QPoint delta(0, static_cast<std::int16_t>(High(wParam)));
        const QPointF global(PointOf(lParam));
        QWheelEvent turn(plain->viewport()->mapFromGlobal(global), global, QPoint(), delta,
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        DeliverToWidget(plain->viewport(), &turn);
        return 0;
      }
      return DefWindowProc(h, message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetFocus(h);
      if (!AsWindow(h)) return 0;
      SetCaptureWindow(w);
      ForwardMouse(w, message, wParam, lParam);
      return 0;
    case WM_MOUSEMOVE:
      if (wParam & 1) ForwardMouse(w, message, wParam, lParam);
      return 0;
    case WM_LBUTTONUP:
      if (CaptureWindow() == w) SetCaptureWindow(nullptr);
      ForwardMouse(w, message, wParam, lParam);
      return 0;
    case WM_RBUTTONUP:
      if (QLineEdit* line = LineOf(w)) {
        QMenu* menu = line->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(line->mapToGlobal(PointOf(lParam) + ClientOrigin(w)));
      }
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (w->widget) w->widget->update();
      Notify(w, message == WM_SETFOCUS ? EN_SETFOCUS : EN_KILLFOCUS);
      return 0;
    case EM_LIMITTEXT:
      w->textLimit = wParam == 0 ? 0x7FFFFFFE : static_cast<std::int64_t>(wParam);
      if (QLineEdit* line = LineOf(w))
        line->setMaxLength(static_cast<int>(std::min<std::int64_t>(w->textLimit, 0x7FFFFFFE)));
      return 0;
    case EM_GETSEL:
      return EditSelection(w, wParam, lParam);
    case EM_SETSEL:
      SetEditSelection(w, wParam, lParam);
      return 0;
    case EM_REPLACESEL:
      if (QLineEdit* line = LineOf(w)) line->insert(Q(TextOf(lParam)));
      if (QPlainTextEdit* plain = PlainOf(w)) plain->insertPlainText(Q(TextOf(lParam)));
      return 0;
    case EM_GETLINECOUNT:
      return PlainOf(w) ? std::max<LResult>(PlainOf(w)->blockCount(), 1) : 1;
    case EM_LINEINDEX:
    case EM_LINEFROMCHAR:
      return 0;
    case EM_LINELENGTH:
      return static_cast<LResult>(Utf8(EditText(w)).size());
    case EM_GETLINE: {
      std::uint16_t room = 0;
      if (lParam) std::memcpy(&room, reinterpret_cast<const void*>(lParam), sizeof room);
      return CopyOut(Utf8(EditText(w)), lParam, room);
    }
    case EM_POSFROMCHAR:
      if (QLineEdit* line = LineOf(w)) {
        const QFontMetrics metrics(line->font());
        const int x = metrics.horizontalAdvance(line->text().left(static_cast<qsizetype>(wParam)));
        return MakeLong(x + 1, 1);
      }
      return -1;
    default:
      return ControlDefault(h, message, wParam, lParam);
  }
}

// ---- COMBOBOX ------------------------------------------------------------

// Opens the list under the box, as a Win32 drop-down list does; Fusion
// would open it over the box at full screen height.
class DropDownStyle : public QProxyStyle {
 public:
  DropDownStyle() : QProxyStyle(QStyleFactory::create("Windows")) {}
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

class ComboWidget : public QComboBox {
 public:
  ComboWidget(Window* window, QWidget* parent) : QComboBox(parent), window_(window) {}
  void showPopup() override { QComboBox::showPopup(); }
  void hidePopup() override {
    QComboBox::hidePopup();
    // Closed by Qt (a choice, a click elsewhere) or by CB_SHOWDROPDOWN.
    if (AsWindow(ToHwnd(window_)) && window_->dropped) {
      window_->dropped = false;
      Notify(window_, CBN_CLOSEUP);
    }
  }

 private:
  Window* window_;
};

ComboWidget* ComboOf(Window* w) { return dynamic_cast<ComboWidget*>(w->widget.data()); }
bool IsDropDownList(const Window* w) { return (w->style & CBS_TYPEMASK) == CBS_DROPDOWNLIST; }

int FieldHeight(Window* w) {
  const QFont font = w->widget ? w->widget->font() : SystemFont();
  return QFontMetrics(font).height() + 8;
}

void ShowSelection(Window* w) {
  ComboWidget* combo = ComboOf(w);
  if (!combo) return;
  QSignalBlocker block(combo);
  combo->setCurrentIndex(w->selected);
  if (w->innerEdit && LineOf(w->innerEdit)) {
    QSignalBlocker blockEdit(LineOf(w->innerEdit));
    LineOf(w->innerEdit)
        ->setText(w->selected >= 0 ? Q(w->items[static_cast<std::size_t>(w->selected)].first)
                                   : QString());
  }
}

// A selection the user made: the parent hears of it, as on Win32; one set
// by the program stays silent.
void SelectByUser(Window* w, int index) {
  if (index < 0 || index >= static_cast<int>(w->items.size()) || index == w->selected) return;
  w->selected = index;
  ShowSelection(w);
  Notify(w, CBN_SELCHANGE);
}

void ShowDropDown(Window* w, bool show) {
  ComboWidget* combo = ComboOf(w);
  if (!combo || show == w->dropped) return;
  if (!show) {
    combo->hidePopup();
    return;
  }
  Notify(w, CBN_DROPDOWN);
  if (!AsWindow(ToHwnd(w))) return;
  w->dropped = true;
  const int field = std::max(FieldHeight(w), 1);
  combo->setMaxVisibleItems(std::max((w->droppedHeight - 2) / field - 1, 1));
  combo->showPopup();
}

void MakeComboWidget(Window* w) {
  auto* combo = new ComboWidget(w, w->parent ? w->parent->widget.data() : nullptr);
  combo->setInsertPolicy(QComboBox::NoInsert);
  w->widget = combo;
  QObject::connect(combo, QOverload<int>::of(&QComboBox::activated), combo, [w](int index) {
    if (AsWindow(ToHwnd(w))) SelectByUser(w, index);
  });
  if (IsDropDownList(w)) return;
  // The edit field is a window of its own, as the Win32 combo box's is.
  Hwnd inner = CreateWindowEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 0, 0,
                              ToHwnd(w), 1001);
  if (Window* edit = AsWindow(inner); edit && LineOf(edit)) {
    w->innerEdit = edit;
    combo->setEditable(true);
    combo->setLineEdit(LineOf(edit));
  }
}

int InsertItem(Window* w, int index, const std::string& text) {
  const int count = static_cast<int>(w->items.size());
  if (index < 0 || index > count) index = count;
  w->items.insert(w->items.begin() + index, {text, 0});
  if (w->selected >= index) ++w->selected;
  if (ComboWidget* combo = ComboOf(w)) {
    QSignalBlocker block(combo);
    combo->insertItem(index, Q(text));
  }
  ShowSelection(w);
  return index;
}

LResult DeleteItem(Window* w, WParam index) {
  if (index >= w->items.size()) return CB_ERR;
  const int at = static_cast<int>(index);
  w->items.erase(w->items.begin() + at);
  if (w->selected == at)
    w->selected = -1;
  else if (w->selected > at)
    --w->selected;
  if (ComboWidget* combo = ComboOf(w)) {
    QSignalBlocker block(combo);
    combo->removeItem(at);
  }
  ShowSelection(w);
  return static_cast<LResult>(w->items.size());
}

LResult FindItem(Window* w, WParam start, const std::string& text, bool exact) {
  const QString wanted = Q(text);
  const int count = static_cast<int>(w->items.size());
  const int from = static_cast<std::int32_t>(start) < 0 || static_cast<int>(start) >= count
                       ? -1
                       : static_cast<int>(start);
  for (int n = 1; n <= count; ++n) {
    const int i = (from + n) % count;
    const QString item = Q(w->items[static_cast<std::size_t>(i)].first);
    const bool match = exact ? item.compare(wanted, Qt::CaseInsensitive) == 0
                             : item.startsWith(wanted, Qt::CaseInsensitive);
    if (match) return i;
  }
  return CB_ERR;
}

void ComboKeyDown(Window* w, WParam key) {
  if (key == VK_F4 || ((key == VK_DOWN || key == VK_UP) && GetKeyState(VK_MENU) < 0)) {
    ShowDropDown(w, !w->dropped);
    return;
  }
  const int count = static_cast<int>(w->items.size());
  if (count == 0) return;
  int index = w->selected;
  switch (key) {
    case VK_DOWN:
    case VK_RIGHT:
      index = std::min(index + 1, count - 1);
      break;
    case VK_UP:
    case VK_LEFT:
      index = std::max(index - 1, 0);
      break;
    case VK_HOME:
      index = 0;
      break;
    case VK_END:
      index = count - 1;
      break;
    case VK_NEXT:
      index = std::min(index + 8, count - 1);
      break;
    case VK_PRIOR:
      index = std::max(index - 8, 0);
      break;
    default:
      return;
  }
  SelectByUser(w, index);
}

void ComboCharacter(Window* w, WParam character) {
  if (character < 0x20) return;
  const LResult found = FindItem(w, static_cast<WParam>(w->selected),
                                 Utf8(QString(QChar(static_cast<char16_t>(character)))), false);
  if (found != CB_ERR) SelectByUser(w, static_cast<int>(found));
}

LResult ComboCommandFromEdit(Window* w, WParam wParam) {
  switch (High(wParam)) {
    case EN_CHANGE:
      Notify(w, CBN_EDITCHANGE);
      break;
    case EN_SETFOCUS:
      Notify(w, CBN_SETFOCUS);
      break;
    case EN_KILLFOCUS:
      Notify(w, CBN_KILLFOCUS);
      break;
    default:
      break;
  }
  return 0;
}

LResult ComboProcedure(Hwnd h, U32 message, WParam wParam, LParam lParam) {
  Window* w = W(h);
  if (!w) return 0;
  switch (message) {
    case WM_CREATE:
      w->systemClass = SystemClass::ComboBox;
      MakeComboWidget(w);
      return 0;
    case kFieldHeightMessage:
      return FieldHeight(w);
    case kGetTextMessage:
      if (w->innerEdit && LineOf(w->innerEdit)) {
        *reinterpret_cast<std::string*>(lParam) = Utf8(LineOf(w->innerEdit)->text());
      } else {
        *reinterpret_cast<std::string*>(lParam) =
            w->selected >= 0 ? w->items[static_cast<std::size_t>(w->selected)].first
                             : std::string();
      }
      return 1;
    case kApplyStyleMessage:
      return 0;
    case WM_SETTEXT: {
      const std::string text = TextOf(lParam);
      if (w->innerEdit) return SendMessage(ToHwnd(w->innerEdit), WM_SETTEXT, 0, lParam);
      const LResult found = FindItem(w, static_cast<WParam>(-1), text, true);
      if (found == CB_ERR) return CB_ERR;
      w->selected = static_cast<int>(found);
      ShowSelection(w);
      return 1;
    }
    case WM_SETFONT: {
      const LResult result = DefWindowProc(h, message, wParam, lParam);
      if (w->widget) w->widget->resize(w->widget->width(), FieldHeight(w));
      return result;
    }
    case CB_ADDSTRING:
      return InsertItem(w, -1, TextOf(lParam));
    case CB_INSERTSTRING:
      return InsertItem(w, static_cast<std::int32_t>(wParam), TextOf(lParam));
    case CB_DELETESTRING:
      return DeleteItem(w, wParam);
    case CB_RESETCONTENT:
      w->items.clear();
      w->selected = -1;
      if (ComboWidget* combo = ComboOf(w)) {
        QSignalBlocker block(combo);
        combo->clear();
      }
      ShowSelection(w);
      return 0;
    case CB_GETCOUNT:
      return static_cast<LResult>(w->items.size());
    case CB_GETCURSEL:
      return w->selected;
    case CB_SETCURSEL: {
      const auto index = static_cast<std::int32_t>(wParam);
      const bool valid = index >= 0 && index < static_cast<int>(w->items.size());
      w->selected = valid ? index : -1;
      ShowSelection(w);
      return valid ? index : CB_ERR;
    }
    case CB_GETLBTEXTLEN:
      return wParam < w->items.size() ? static_cast<LResult>(w->items[wParam].first.size())
                                      : CB_ERR;
    case CB_GETLBTEXT:
      if (wParam >= w->items.size()) return CB_ERR;
      return CopyOut(w->items[wParam].first, lParam, w->items[wParam].first.size());
    case CB_GETITEMDATA:
      return wParam < w->items.size() ? w->items[wParam].second : CB_ERR;
    case CB_SETITEMDATA:
      if (wParam >= w->items.size()) return CB_ERR;
      w->items[wParam].second = lParam;
      return 0;
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
      return FindItem(w, wParam, TextOf(lParam), message == CB_FINDSTRINGEXACT);
    case CB_DIR:
      return CB_ERR;
    case CB_SHOWDROPDOWN:
      ShowDropDown(w, wParam != 0);
      return 1;
    case CB_GETDROPPEDSTATE:
      return w->dropped ? 1 : 0;
    case CB_GETDROPPEDCONTROLRECT:
      if (auto* rect = reinterpret_cast<Rect*>(lParam); rect && w->widget) {
        const QPoint origin = w->widget->mapToGlobal(QPoint(0, 0));
        *rect = {origin.x(), origin.y(), origin.x() + w->widget->width(),
                 origin.y() + w->droppedHeight};
      }
      return 1;
    case WM_COMMAND:
      if (w->innerEdit && reinterpret_cast<Window*>(lParam) == w->innerEdit)
        return ComboCommandFromEdit(w, wParam);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetFocus(h);
      if (AsWindow(h)) ShowDropDown(w, !w->dropped);
      return 0;
    case WM_KEYDOWN:
      ComboKeyDown(w, wParam);
      return 0;
    case WM_MOUSEWHEEL:
      // A turn is an arrow key, as the system's combo box makes it.
      if (w->dropped || (wParam & 0xC)) return DefWindowProc(h, message, wParam, lParam);
      return SendMessage(h, WM_KEYDOWN,
                         static_cast<std::int16_t>(High(wParam)) > 0 ? VK_UP : VK_DOWN, 0);
    case WM_CHAR:
      ComboCharacter(w, wParam);
      return 0;
    case WM_SETFOCUS:
      if (w->innerEdit) {
        SetFocus(ToHwnd(w->innerEdit));
        return 0;
      }
      if (w->widget) w->widget->update();
      Notify(w, CBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      if (w->dropped) ShowDropDown(w, false);
      if (!w->innerEdit) Notify(w, CBN_KILLFOCUS);
      if (w->widget) w->widget->update();
      return 0;
    default:
      return ControlDefault(h, message, wParam, lParam);
  }
}

}  // namespace

// One style for the whole application: a style set on each combo box would
// make each build its list at once instead of when it first opens.
QStyle* MakeApplicationStyle() { return new DropDownStyle; }

WndProc SystemProcedureOf(SystemClass systemClass) {
  switch (systemClass) {
    case SystemClass::Button:
      return ButtonProcedure;
    case SystemClass::Static:
      return StaticProcedure;
    case SystemClass::Edit:
      return EditProcedure;
    case SystemClass::ComboBox:
      return ComboProcedure;
    default:
      return nullptr;
  }
}

LResult SystemProcedure(SystemClass systemClass, Hwnd window, std::uint32_t message, WParam wParam,
                        LParam lParam) {
  WndProc procedure = SystemProcedureOf(systemClass);
  return procedure ? procedure(window, message, wParam, lParam) : 0;
}

}  // namespace native::qt
