// The Win32 constants the Qt back end needs beyond those the layer uses
// (win_defs.h), with their Win32 spelling and meaning. Private to
// controls/native/qt/: the layer never sees them.
#pragma once

#include "controls/native/win_defs.h"

namespace native {

// Messages
inline constexpr U32 WM_CREATE = 0x0001, WM_DESTROY = 0x0002, WM_ENABLE = 0x000A,
                     WM_GETTEXTLENGTH = 0x000E, WM_GETFONT = 0x0031, WM_GETICON = 0x007F,
                     WM_NCCREATE = 0x0081;

// Window and class styles
inline constexpr U32 WS_CAPTION = 0x00C00000, WS_SYSMENU = 0x00080000;
inline constexpr U32 CS_PARENTDC = 0x80, CS_GLOBALCLASS = 0x4000;

// ShowWindow, system commands, hit tests
inline constexpr int SW_SHOWNORMAL = 1, SW_SHOWMINIMIZED = 2, SW_MINIMIZE = 6, SW_RESTORE = 9;
inline constexpr WParam SC_MAXIMIZE = 0xF030, SC_CLOSE = 0xF060, SC_RESTORE = 0xF120;
inline constexpr LResult HTNOWHERE = 0, HTCAPTION = 2, HTRIGHT = 11, HTTOP = 12, HTTOPLEFT = 13,
                         HTTOPRIGHT = 14, HTBOTTOM = 15, HTBOTTOMLEFT = 16;

// The system colours of captions
inline constexpr int COLOR_ACTIVECAPTION = 2, COLOR_INACTIVECAPTION = 3, COLOR_CAPTIONTEXT = 9,
                     COLOR_INACTIVECAPTIONTEXT = 19, COLOR_GRADIENTACTIVECAPTION = 27,
                     COLOR_GRADIENTINACTIVECAPTION = 28;

// The keys and buttons held down, in a mouse message's wParam
inline constexpr WParam MK_LBUTTON = 1, MK_RBUTTON = 2, MK_SHIFT = 4, MK_CONTROL = 8,
                        MK_MBUTTON = 0x10;

// Buttons
inline constexpr U32 BM_GETSTATE = 0xF2, BM_SETSTATE = 0xF3, BM_SETSTYLE = 0xF4, BM_CLICK = 0xF5;
inline constexpr U32 BS_TYPEMASK = 0xF, BS_PUSHBUTTON = 0, BS_CHECKBOX = 2, BS_RADIOBUTTON = 4,
                     BS_3STATE = 5, BS_AUTO3STATE = 6, BS_AUTORADIOBUTTON = 9, BS_NOTIFY = 0x4000;
inline constexpr U32 BN_DOUBLECLICKED = 5;
inline constexpr U32 ODT_BUTTON = 4, ODA_DRAWENTIRE = 1;

// Static controls
inline constexpr U32 SS_TYPEMASK = 0x1F, SS_SIMPLE = 0xB;
inline constexpr U32 STN_CLICKED = 0, STN_DBLCLK = 1;

// Edit controls
inline constexpr U32 EN_UPDATE = 0x400, EN_MAXTEXT = 0x501;

// Combo boxes
inline constexpr U32 CBS_TYPEMASK = 3;
inline constexpr LResult CB_ERR = -1;

// Keys
inline constexpr int VK_BACK = 8, VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24,
                     VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28,
                     VK_INSERT = 0x2D, VK_DELETE = 0x2E, VK_F1 = 0x70, VK_F4 = 0x73;

// Fonts
inline constexpr std::uint8_t NONANTIALIASED_QUALITY = 3, ANTIALIASED_QUALITY = 4;

}  // namespace native
