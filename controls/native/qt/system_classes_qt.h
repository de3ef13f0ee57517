// The system classes BUTTON, STATIC, EDIT and COMBOBOX: window procedures
// that drive Qt widgets (one file each), and what those procedures share.
// Private to controls/native/qt/.
#pragma once

#include <QPoint>
#include <QString>
#include <optional>
#include <span>
#include <string>

#include "controls/native/qt/window_qt.h"

class QLineEdit;
class QStyle;

namespace native::qt {

// Messages of the back end's own, from the window code to a system class
// procedure, in the class-private range no program here uses.
inline constexpr U32 kApplyStyleMessage = 0x7FF0;  // styles changed; wParam the old style
inline constexpr U32 kGetTextMessage = 0x7FF1;  // lParam a std::string*; 0 = keep the record's text
inline constexpr U32 kFieldHeightMessage = 0x7FF2;  // the combo box's selection field height

WndProc SystemProcedureOf(SystemClass systemClass);
LResult SystemProcedure(SystemClass systemClass, Hwnd window, std::uint32_t message, WParam wParam,
                        LParam lParam);

// The look every system control is drawn in; set once on the application.
QStyle* MakeApplicationStyle();

// ---- shared by the classes' procedures -------------------------------------

LResult ButtonProcedure(Hwnd h, U32 message, WParam wParam, LParam lParam);
LResult StaticProcedure(Hwnd h, U32 message, WParam wParam, LParam lParam);
LResult EditProcedure(Hwnd h, U32 message, WParam wParam, LParam lParam);
LResult ComboProcedure(Hwnd h, U32 message, WParam wParam, LParam lParam);

// What every system control does with what it leaves alone.
LResult ControlDefault(Hwnd h, U32 message, WParam wParam, LParam lParam);

// A class procedure's messages come in groups, each answered by a function
// of its own that leaves other groups' messages alone (nullopt).
using MessageGroup = std::optional<LResult> (*)(Hwnd h, Window* w, U32 message, WParam wParam,
                                                LParam lParam);
// The first group that answers a message answers it; ControlDefault answers
// what none does. A window that no longer exists gets 0.
LResult AnswerByGroups(std::span<const MessageGroup> groups, Hwnd h, U32 message, WParam wParam,
                       LParam lParam);

inline QString Q(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }
inline std::string TextOf(LParam lParam) { return TextOfSetTextMessage(lParam); }
// The client coordinates a mouse message carries.
inline QPoint PointOf(LParam lParam) {
  const auto value = static_cast<std::uintptr_t>(lParam);
  return {static_cast<std::int16_t>(LowWord(value)), static_cast<std::int16_t>(HighWord(value))};
}

// WM_COMMAND to the parent, as every system control reports.
void Notify(Window* w, U32 code);
bool InsideClient(Window* w, LParam lParam);
// A mouse message or a key as the Qt event the widget acts on itself.
void ForwardMouse(Window* w, U32 message, WParam wParam, LParam lParam);
void ForwardKey(Window* w, int qtKey, Qt::KeyboardModifiers modifiers);
// A click in the middle of the window, through the queue as the pointer's
// would come: how assistive technology presses a window.
void PostClick(Window* w);
// Copies a text into a buffer a message points to, at most room bytes.
LResult CopyOut(const std::string& text, LParam buffer, std::size_t room);

// The one-line edit widget of an EDIT window, or null.
QLineEdit* LineOf(Window* w);

}  // namespace native::qt
