// Fonts over Qt: the faces the windows name, mapped to what is installed.
// The dialog face is Wine's bitmap "MS Sans Serif", loaded by the program
// itself. Private to controls/native/qt/.
#pragma once

#include <QFont>

#include "controls/native/qt/gdi_qt.h"

namespace native::qt {

// The font a window shows before WM_SETFONT: the system's dialog font.
const QFont& SystemFont();
// The bold face of the same, which captions are written in.
const QFont& CaptionFont();
// The same as an object: the font a device context starts with, never freed.
FontObject* StockFont();

}  // namespace native::qt
