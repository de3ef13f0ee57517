// Qt's input as the messages Windows would queue. Private to
// controls/native/qt/.
#pragma once

#include <QEvent>
#include <QWidget>

#include "controls/native/native.h"

namespace native::qt {

// Input from Qt becomes queued messages; installed once on the application.
void InstallInputFilter();
// Sends an event to a widget past the input filter, for the widget itself to act on.
bool DeliverToWidget(QWidget* widget, QEvent* event);
// TranslateMessage: a key press that typed text queues WM_CHAR for it.
void TranslateKey(const QueuedMessage& message);

}  // namespace native::qt
