// Fonts at each DPI. A font the seam hands out is the font as the layout
// names it, at 96 DPI; a window or device context of another DPI is given
// the same font at its scale instead. Above 96 the bitmap dialog face, which
// has no sizes between its few strikes and would be drawn small, is replaced
// by a scalable face every Windows has, Tahoma, sized so that the windows'
// captions still fit their controls. Private to controls/native/win32/.
#pragma once

#include <windows.h>

namespace native::win32 {

HFONT CreateLayoutFont(const LOGFONTW& logFont);
// Deletes a font of CreateLayoutFont with its other sizes; false for any
// other object, which the caller deletes.
bool DeleteLayoutFont(HGDIOBJ object);

// The object to use at this DPI: a layout font's size for it, anything else
// as it is.
HGDIOBJ ObjectForDpi(HGDIOBJ object, int dpi);
// The layout font a font of another size stands for; anything else as it is.
HGDIOBJ LayoutObjectOf(HGDIOBJ object);

// WM_SETFONT with a layout font at the window's DPI. A combo box above 96 DPI
// is also given its selection field and rows at the layout's heights scaled,
// as the text alone would make them lower than the fields beside them.
LRESULT GiveFont(HWND window, HGDIOBJ layoutFont, LPARAM redraw);
// After a change of DPI: every window of the layer in the tree takes its
// font again, at the tree's new DPI.
void RefreshFonts(HWND topLevel);

}  // namespace native::win32
