// The thread's message queue over Qt's event loop, and the application
// object the loop runs in. Private to controls/native/qt/.
#pragma once

#include "controls/native/native.h"

namespace native::qt {

// Queues a message at the back, or at the front to come next.
void Enqueue(const QueuedMessage& message);
void EnqueueFront(const QueuedMessage& message);

// The application object, made on first use with the font and style the
// program's windows are laid out for.
void EnsureApplication();

}  // namespace native::qt
