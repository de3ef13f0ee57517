// The frame the back end draws itself around a top-level window where the
// platform's own would not keep the window's Win32 meaning: on Wayland Qt
// draws every title bar itself and offers maximize to every window, the
// fixed-size ones included. Private to controls/native/qt/.
#pragma once

#include <QMouseEvent>
#include <optional>

#include "controls/native/qt/window_qt.h"

namespace native::qt {

// Whether top-level windows made from now on get the frame drawn here: on
// Wayland, or as a test says (nullopt: as the platform needs).
bool OwnFramesWanted();
void SetOwnFrames(std::optional<bool> wanted);

inline bool DrawsOwnFrame(const Window* window) { return window->ownFrame; }

// Gives an own-framed window's widget its frame: a widget of its own above
// the window's children, over the frame only, as Win32 clips the children
// to the client area.
void AttachFrame(Window* window);
// Fits the frame to the window's size and styles, above the children.
void PlaceFrame(Window* window);
// Whether a widget is such a frame.
bool IsDrawnFrame(const QObject* object);

// The parts of a frame a pointer can be over, besides the client area.
enum class FramePart { None, Caption, Close, Minimize, Maximize, Border };
// Which part of an own-framed window's frame a point of its widget is on.
FramePart FramePartAt(const Window* window, QPoint widgetPoint);

// A mouse event on the frame, as Win32's default processing takes it: the
// caption moves the window, a border resizes a resizable one, and a caption
// button pressed and released over it sends WM_SYSCOMMAND.
void OnFrameMouse(Window* window, QMouseEvent* event);

}  // namespace native::qt
