// The system class COMBOBOX over a QComboBox: a drop-down list, or a box
// whose edit field is an EDIT window of its own, as on Win32. The items and
// the selection are the window record's; the widget shows them.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "controls/native/qt/fonts_qt.h"
#include "controls/native/qt/system_classes_qt.h"

namespace native::qt {

namespace {

class ComboWidget : public QComboBox {
 public:
  ComboWidget(Window* window, QWidget* parent) : QComboBox(parent), window_(ToHwnd(window)) {}
  void showPopup() override { QComboBox::showPopup(); }
  void hidePopup() override {
    QComboBox::hidePopup();
    // Closed by Qt (a choice, a click elsewhere) or by CB_SHOWDROPDOWN.
    if (Window* w = AsWindow(window_); w && w->dropped) {
      w->dropped = false;
      Notify(w, CBN_CLOSEUP);
    }
  }

 private:
  // The handle, not the record, which goes before the widget may.
  Hwnd window_;
};

ComboWidget* ComboOf(Window* w) { return dynamic_cast<ComboWidget*>(w->widget.data()); }
bool IsDropDownList(const Window* w) { return (w->style & CBS_TYPEMASK) == CBS_DROPDOWNLIST; }

int FieldHeight(Window* w) {
  const QFont font = w->widget ? w->widget->font() : SystemFont();
  return QFontMetrics(font).height() + 8;
}

// A row of the open list, as its view draws it.
int ItemHeight(Window* w) {
  ComboWidget* combo = ComboOf(w);
  const int row = combo && combo->count() > 0 ? combo->view()->sizeHintForRow(0) : -1;
  if (row > 0) return row;
  return QFontMetrics(w->widget ? w->widget->font() : SystemFont()).height();
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
  // The height asked for holds the selection field, the rows and the list's border.
  const int rows = (w->droppedHeight - FieldHeight(w) - 2) / std::max(ItemHeight(w), 1);
  combo->setMaxVisibleItems(std::max(rows, 1));
  combo->showPopup();
}

void MakeComboWidget(Window* w) {
  auto* combo = new ComboWidget(w, w->parent ? w->parent->widget.data() : nullptr);
  combo->setInsertPolicy(QComboBox::NoInsert);
  w->widget = combo;
  QObject::connect(combo, QOverload<int>::of(&QComboBox::activated), combo,
                   [h = ToHwnd(w)](int index) {
                     if (Window* live = AsWindow(h)) SelectByUser(live, index);
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
  switch (HighWord(wParam)) {
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

// Made, restyled, measured, and its text set and read.
std::optional<LResult> ComboWindowMessage(Hwnd h, Window* w, U32 message, WParam wParam,
                                          LParam lParam) {
  switch (message) {
    case WM_CREATE:
      w->systemClass = SystemClass::ComboBox;
      MakeComboWidget(w);
      return 0;
    case kFieldHeightMessage:
      return FieldHeight(w);
    case CB_GETITEMHEIGHT:
      return static_cast<int>(wParam) == -1 ? FieldHeight(w) : ItemHeight(w);
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
    default:
      return std::nullopt;
  }
}

// CB_* of the items: added, removed, found, chosen, with their data.
std::optional<LResult> ComboItemMessage(Hwnd, Window* w, U32 message, WParam wParam,
                                        LParam lParam) {
  switch (message) {
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
    default:
      return std::nullopt;
  }
}

// The list opened, closed and placed, as the program asks.
std::optional<LResult> ComboListMessage(Hwnd, Window* w, U32 message, WParam wParam,
                                        LParam lParam) {
  switch (message) {
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
    default:
      return std::nullopt;
  }
}

// Clicks, keys, wheel turns and typed characters.
std::optional<LResult> ComboInputMessage(Hwnd h, Window* w, U32 message, WParam wParam,
                                         LParam lParam) {
  switch (message) {
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
                         static_cast<std::int16_t>(HighWord(wParam)) > 0 ? VK_UP : VK_DOWN, 0);
    case WM_CHAR:
      ComboCharacter(w, wParam);
      return 0;
    default:
      return std::nullopt;
  }
}

// The focus coming and going, its own or its edit field's.
std::optional<LResult> ComboFocusMessage(Hwnd, Window* w, U32 message, WParam wParam,
                                         LParam lParam) {
  switch (message) {
    case WM_COMMAND:
      if (w->innerEdit && AsWindow(reinterpret_cast<Hwnd>(lParam)) == w->innerEdit)
        return ComboCommandFromEdit(w, wParam);
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
      return std::nullopt;
  }
}

constexpr MessageGroup kComboMessages[] = {ComboWindowMessage, ComboItemMessage, ComboListMessage,
                                           ComboInputMessage, ComboFocusMessage};

}  // namespace

LResult ComboProcedure(Hwnd h, U32 message, WParam wParam, LParam lParam) {
  return AnswerByGroups(kComboMessages, h, message, wParam, lParam);
}

}  // namespace native::qt

namespace native {

void SetOpenListRows(Hwnd comboBox, int rows) {
  qt::Window* w = qt::AsWindow(comboBox);
  if (!w || w->systemClass != qt::SystemClass::ComboBox) return;
  // Measured as the Win32 box's dropped rectangle is: field, rows and border.
  w->droppedHeight = qt::FieldHeight(w) + rows * qt::ItemHeight(w) + 2;
}

}  // namespace native
