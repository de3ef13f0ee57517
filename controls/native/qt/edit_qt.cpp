// The system class EDIT over a QLineEdit, or a QPlainTextEdit for a
// multi-line edit. Typed characters and editing keys arrive as messages and
// are applied as the Win32 edit applies them; every change is reported.
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QWheelEvent>
#include <algorithm>
#include <cstring>

#include "controls/native/qt/focus_qt.h"
#include "controls/native/qt/input_qt.h"
#include "controls/native/qt/placement_qt.h"
#include "controls/native/qt/system_classes_qt.h"

namespace native::qt {

namespace {

bool ControlDown() { return GetKeyState(VK_CONTROL) < 0; }
bool ShiftDown() { return GetKeyState(VK_SHIFT) < 0; }

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
    QObject::connect(plain, &QPlainTextEdit::textChanged, plain, [h = ToHwnd(w)] {
      if (Window* live = AsWindow(h)) Notify(live, EN_CHANGE);
    });
  } else {
    auto* line = new QLineEdit(parent);
    line->setContextMenuPolicy(Qt::NoContextMenu);
    line->setMaxLength(static_cast<int>(w->textLimit));
    w->widget = line;
    // Typing, pasting and deleting all end here: the parent hears of each change.
    QObject::connect(line, &QLineEdit::textChanged, line, [h = ToHwnd(w)] {
      if (Window* live = AsWindow(h)) Notify(live, EN_UPDATE);
      if (Window* live = AsWindow(h)) Notify(live, EN_CHANGE);
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

// Made, restyled, and its text set and read.
std::optional<LResult> EditWindowMessage(Hwnd, Window* w, U32 message, WParam, LParam lParam) {
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
    default:
      return std::nullopt;
  }
}

// Typed characters and editing keys, and the focus coming and going.
std::optional<LResult> EditKeyMessage(Hwnd, Window* w, U32 message, WParam wParam, LParam) {
  switch (message) {
    case WM_CHAR:
      if (wParam >= 0x20 && wParam != 0x7F)
        TypeIntoEdit(w, wParam);
      else
        EditControlCharacter(w, wParam);
      return 0;
    case WM_KEYDOWN:
      EditKeyDown(w, wParam);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (w->widget) w->widget->update();
      Notify(w, message == WM_SETFOCUS ? EN_SETFOCUS : EN_KILLFOCUS);
      return 0;
    default:
      return std::nullopt;
  }
}

// The wheel, selecting with the left button, and the menu of the right one.
std::optional<LResult> EditMouseMessage(Hwnd h, Window* w, U32 message, WParam wParam,
                                        LParam lParam) {
  switch (message) {
    case WM_MOUSEWHEEL:
      if (QPlainTextEdit* plain = PlainOf(w)) {
        const QPoint delta(0, static_cast<std::int16_t>(HighWord(wParam)));
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
    default:
      return std::nullopt;
  }
}

// EM_*: the limit, the selection and the lines, as the program asks.
std::optional<LResult> EditControlMessage(Hwnd, Window* w, U32 message, WParam wParam,
                                          LParam lParam) {
  switch (message) {
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
      return std::nullopt;
  }
}

constexpr MessageGroup kEditMessages[] = {EditWindowMessage, EditKeyMessage, EditMouseMessage,
                                          EditControlMessage};

}  // namespace

QLineEdit* LineOf(Window* w) { return qobject_cast<QLineEdit*>(w->widget.data()); }

LResult EditProcedure(Hwnd h, U32 message, WParam wParam, LParam lParam) {
  return AnswerByGroups(kEditMessages, h, message, wParam, lParam);
}

}  // namespace native::qt
