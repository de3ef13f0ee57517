// Properties and operations of controls: text, styles, placement, items,
// check state, focus. Colours and fonts are in fonts.h.
#pragma once

#include <string>

#include "controls/control.h"

namespace controls {

// Text
void SetText(Control* control, const std::string& text);

// What assistive technology is told of a control beyond its kind and
// caption: its role, its name, and whether it is the selected one of a list.
void SetAccessibleRole(Control* control, AccessibleRole role);
void SetAccessibleName(Control* control, const std::string& name);
void SetAccessibleSelected(Control* control, bool selected);
std::string GetText(Control* control);

// Styles and state
void SetStyle(Control* control, std::uint32_t style);
void SetExStyle(Control* control, std::uint32_t exStyle);
void SetTextAlign(Control* control, TextAlign align);
void SetVerticalAlign(Control* control, VerticalAlign align);
void SetLook3D(Control* control, bool look3D);
void SetEnabled(Control* control, bool enabled);
bool IsEnabled(Control* control);
void SetVisible(Control* control, bool visible);
void Hide(Control* control);
void SetCursor(Control* control, native::Cursor cursor);
enum class StandardCursor { Arrow, Hand, IBeam };
void SetCursor(Control* control, StandardCursor cursor);
void SetIcon(Control* form, native::Icon icon);  // kNoIcon for none
void ApplyFormIcon(Control* form);
// Whether the form destroys the icon when it lets go of it.
bool FormOwnsIcon(const FormPart& part, native::Icon icon);
inline const native::Icon kNoIcon = reinterpret_cast<native::Icon>(-1);

// Placement
Bounds GetBounds(Control* control);
void SetBounds(Control* control, const Bounds& bounds);
void SetPosition(Control* control, int left, int top);
void SetSize(Control* control, int width, int height);
int Width(Control* control);
int Height(Control* control);
int ClientWidth(Control* control);
int ClientHeight(Control* control);
void SetClientSize(Control* control, int width, int height);
void Centre(Control* control);
void BringToTop(Control* control);
void SetResizable(Control* form, bool resizable);
// The frame of a form the user does not size: a dialog frame without the
// minimise and maximise boxes, or a tool window's narrow caption. Set it
// before the client size, which the frame's width changes.
enum class FormFrame { Dialog, ToolWindow };
void SetFormFrame(Control* form, FormFrame frame);

// Check state, items, selection. A combo box asked about its items before its
// window exists answers as the empty box does, without making the window.
bool GetChecked(Control* control);
void SetChecked(Control* control, bool checked);
int AddItem(Control* control, const std::string& text);
void SetItemText(Control* control, int index, const std::string& text);
std::string GetItemText(Control* control, int index);
int ItemCount(Control* control);
void Clear(Control* control);
int GetSelectedIndex(Control* control);
void SetSelectedIndex(Control* control, int index);
void SetTextLimit(Control* control, int count);
// Selects the characters from start up to end; start == end puts the caret there.
void SetSelection(Control* control, int start, int end);
void Focus(Control* control, bool focus);

// Events that need a hook besides the field
void SetMouseEvent(Control* control, MouseEvent ControlEvents::*event, MouseEvent handler);
void SetMouseLeaveEvent(Control* control, NotifyEvent handler);

}  // namespace controls
