// What assistive technology is told of the windows, through Qt's bridge.
// Private to controls/native/qt/.
#pragma once

namespace native::qt {

// Installed once on the application: the interfaces of the windows that
// Qt's own do not describe.
void InstallAccessibility();

struct Window;
// Qt makes a widget's interface the first time anything asks, and keeps it:
// often while the widget is still being made, before it is the window's.
// Makes sure the one kept is of the kind the window now calls for.
void RenewInterface(Window* window);

}  // namespace native::qt
