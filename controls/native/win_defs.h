// Win32 message numbers, style bits and other constants the control layer
// uses, with their Win32 spelling. Every back end gives them their Win32
// meaning. The Win32 back end takes them from <windows.h> instead, where they
// are macros, so the two never meet in one file.
#pragma once

#include <cstdint>

#include "controls/native/native.h"

#ifdef _WINDOWS_
#error "win_defs.h and <windows.h> must not be included together"
#endif

namespace native {

using U32 = std::uint32_t;

// The two 16-bit halves of a message parameter, and a parameter made of them.
constexpr std::uint16_t HighWord(std::uintptr_t value) { return static_cast<std::uint16_t>(value >> 16); }
constexpr std::uint16_t LowWord(std::uintptr_t value) { return static_cast<std::uint16_t>(value); }
constexpr LParam MakeLong(int low, int high) {
  return static_cast<LParam>((static_cast<std::uint32_t>(high & 0xFFFF) << 16) |
                             static_cast<std::uint32_t>(low & 0xFFFF));
}

// Messages
inline constexpr U32 WM_NULL = 0x0000, WM_SIZE = 0x0005, WM_ACTIVATE = 0x0006, WM_SETFOCUS = 0x0007,
                     WM_KILLFOCUS = 0x0008, WM_SETTEXT = 0x000C, WM_PAINT = 0x000F, WM_CLOSE = 0x0010,
                     WM_QUIT = 0x0012, WM_ERASEBKGND = 0x0014, WM_ENDSESSION = 0x0016,
                     WM_SHOWWINDOW = 0x0018, WM_SETCURSOR = 0x0020, WM_GETMINMAXINFO = 0x0024,
                     WM_DRAWITEM = 0x002B, WM_SETFONT = 0x0030, WM_SETICON = 0x0080,
                     WM_NCDESTROY = 0x0082, WM_NCHITTEST = 0x0084, WM_KEYDOWN = 0x0100,
                     WM_KEYUP = 0x0101, WM_CHAR = 0x0102, WM_SYSKEYDOWN = 0x0104, WM_SYSKEYUP = 0x0105,
                     WM_SYSCHAR = 0x0106, WM_KEYFIRST = 0x0100, WM_KEYLAST = 0x0108,
                     WM_COMMAND = 0x0111, WM_SYSCOMMAND = 0x0112, WM_UPDATEUISTATE = 0x0128,
                     WM_CTLCOLORMSGBOX = 0x0132, WM_CTLCOLOREDIT = 0x0133, WM_CTLCOLORLISTBOX = 0x0134,
                     WM_CTLCOLORBTN = 0x0135, WM_CTLCOLORSTATIC = 0x0138,
                     WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202,
                     WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204, WM_RBUTTONUP = 0x0205,
                     WM_RBUTTONDBLCLK = 0x0206, WM_MBUTTONDOWN = 0x0207, WM_MBUTTONUP = 0x0208,
                     WM_MBUTTONDBLCLK = 0x0209, WM_MOUSEWHEEL = 0x020A, WM_MOUSELEAVE = 0x02A3,
                     WM_PRINTCLIENT = 0x0318;

// The layer's own messages: reflected colour requests, forwarded commands and
// reflected owner drawing.
inline constexpr U32 kReflectOffset = 0xBC00;
inline constexpr U32 CM_CTLCOLORFIRST = WM_CTLCOLORMSGBOX + kReflectOffset;  // 0xBD32
inline constexpr U32 CM_CTLCOLORLAST = WM_CTLCOLORSTATIC + kReflectOffset;   // 0xBD38
inline constexpr U32 CM_COMMAND = 0xB005;
inline constexpr U32 CM_DRAWITEM = WM_DRAWITEM + kReflectOffset;  // 0xBC2B

// Window styles
inline constexpr U32 WS_OVERLAPPEDWINDOW = 0x00CF0000, WS_CHILD = 0x40000000, WS_VISIBLE = 0x10000000,
                     WS_DISABLED = 0x08000000, WS_CLIPSIBLINGS = 0x04000000,
                     WS_CLIPCHILDREN = 0x02000000, WS_BORDER = 0x00800000, WS_DLGFRAME = 0x00400000,
                     WS_VSCROLL = 0x00200000, WS_HSCROLL = 0x00100000, WS_THICKFRAME = 0x00040000,
                     WS_GROUP = 0x00020000, WS_TABSTOP = 0x00010000, WS_MINIMIZEBOX = 0x00020000,
                     WS_MAXIMIZEBOX = 0x00010000;
inline constexpr U32 WS_EX_DLGMODALFRAME = 0x1, WS_EX_TOOLWINDOW = 0x80, WS_EX_WINDOWEDGE = 0x100, WS_EX_CLIENTEDGE = 0x200,
                     WS_EX_CONTROLPARENT = 0x10000;
inline constexpr U32 CS_DBLCLKS = 0x8, CS_OWNDC = 0x20;
// CS_OWNDC, CS_CLASSDC, CS_PARENTDC and CS_GLOBALCLASS cleared.
inline constexpr U32 kClassStyleMask = 0xFFFFBF1F;

// Control styles
inline constexpr U32 BS_DEFPUSHBUTTON = 0x1, BS_AUTOCHECKBOX = 0x3, BS_GROUPBOX = 0x7,
                     BS_OWNERDRAW = 0xB, BS_LEFT = 0x100, BS_RIGHT = 0x200, BS_CENTER = 0x300,
                     BS_TOP = 0x400, BS_BOTTOM = 0x800, BS_VCENTER = 0xC00, BS_PUSHLIKE = 0x1000;
inline constexpr U32 SS_LEFT = 0, SS_CENTER = 1, SS_RIGHT = 2, SS_LEFTNOWORDWRAP = 0xC,
                     SS_NOPREFIX = 0x80, SS_NOTIFY = 0x100, SS_CENTERIMAGE = 0x200,
                     SS_SUNKEN = 0x1000;
inline constexpr U32 ES_LEFT = 0, ES_CENTER = 1, ES_RIGHT = 2, ES_MULTILINE = 0x4,
                     ES_UPPERCASE = 0x8, ES_LOWERCASE = 0x10, ES_PASSWORD = 0x20,
                     ES_AUTOVSCROLL = 0x40, ES_AUTOHSCROLL = 0x80, ES_NOHIDESEL = 0x100,
                     ES_OEMCONVERT = 0x400, ES_READONLY = 0x800, ES_WANTRETURN = 0x1000,
                     ES_NUMBER = 0x2000;
inline constexpr U32 CBS_SIMPLE = 1, CBS_DROPDOWN = 2, CBS_DROPDOWNLIST = 3,
                     CBS_OWNERDRAWFIXED = 0x10, CBS_OWNERDRAWVARIABLE = 0x20,
                     CBS_AUTOHSCROLL = 0x40, CBS_OEMCONVERT = 0x80, CBS_SORT = 0x100,
                     CBS_HASSTRINGS = 0x200, CBS_NOINTEGRALHEIGHT = 0x400,
                     CBS_DISABLENOSCROLL = 0x800, CBS_UPPERCASE = 0x2000, CBS_LOWERCASE = 0x4000;
// The low word of a control's style is its class's own.
inline constexpr U32 kControlStyleMask = 0xFFFF;

// Button, edit and combo box messages and notifications
inline constexpr U32 BM_GETCHECK = 0xF0, BM_SETCHECK = 0xF1;
inline constexpr U32 EM_GETSEL = 0xB0, EM_SETSEL = 0xB1, EM_GETLINECOUNT = 0xBA, EM_LINEINDEX = 0xBB,
                     EM_LINELENGTH = 0xC1, EM_REPLACESEL = 0xC2, EM_GETLINE = 0xC4,
                     EM_LIMITTEXT = 0xC5, EM_LINEFROMCHAR = 0xC9, EM_POSFROMCHAR = 0xD6;
inline constexpr U32 CB_ADDSTRING = 0x143, CB_DELETESTRING = 0x144, CB_DIR = 0x145, CB_GETCOUNT = 0x146,
                     CB_GETCURSEL = 0x147, CB_GETLBTEXT = 0x148, CB_GETLBTEXTLEN = 0x149,
                     CB_INSERTSTRING = 0x14A, CB_RESETCONTENT = 0x14B, CB_FINDSTRING = 0x14C,
                     CB_SETCURSEL = 0x14E, CB_SHOWDROPDOWN = 0x14F, CB_GETITEMDATA = 0x150,
                     CB_SETITEMDATA = 0x151, CB_GETDROPPEDCONTROLRECT = 0x152,
                     CB_GETDROPPEDSTATE = 0x157, CB_FINDSTRINGEXACT = 0x158;
inline constexpr U32 CBN_SELCHANGE = 1, CBN_DBLCLK = 2, CBN_SETFOCUS = 3, CBN_KILLFOCUS = 4,
                     CBN_EDITCHANGE = 5, CBN_DROPDOWN = 7, CBN_CLOSEUP = 8;
inline constexpr U32 BN_CLICKED = 0, BN_SETFOCUS = 6, BN_KILLFOCUS = 7;
inline constexpr U32 EN_SETFOCUS = 0x100, EN_KILLFOCUS = 0x200, EN_CHANGE = 0x300;
// The layer posts this code itself once a combo box has finished a selection change.
inline constexpr U32 kSelChangeCode = 15;

// ShowWindow, SetWindowPos, hit tests, system commands
inline constexpr int SW_HIDE = 0, SW_SHOWMAXIMIZED = 3, SW_SHOWNOACTIVATE = 4, SW_SHOW = 5,
                     SW_SHOWMINNOACTIVE = 7;
inline constexpr LParam SW_PARENTCLOSING = 1, SW_PARENTOPENING = 3;
inline constexpr U32 SWP_NOSIZE = 0x1, SWP_NOMOVE = 0x2, SWP_NOZORDER = 0x4, SWP_NOREDRAW = 0x8,
                     SWP_NOACTIVATE = 0x10, SWP_FRAMECHANGED = 0x20, SWP_SHOWWINDOW = 0x40,
                     SWP_HIDEWINDOW = 0x80, SWP_NOOWNERZORDER = 0x200;
inline constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000u);
inline constexpr LResult HTCLIENT = 1, HTLEFT = 10, HTBOTTOMRIGHT = 17, HTBORDER = 18;
inline constexpr WParam SC_MINIMIZE = 0xF020;
inline constexpr int SM_CXSCREEN = 0, SM_CYSCREEN = 1;
inline constexpr WParam ICON_BIG = 1;
inline constexpr int IDC_ARROW = 32512, IDC_HAND = 32649;
inline constexpr int IDC_IBEAM = 32513, IDC_WAIT = 32514, IDC_CROSS = 32515;

// Keys
inline constexpr int VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 0x10, VK_CONTROL = 0x11, VK_MENU = 0x12,
                     VK_ESCAPE = 27, VK_SPACE = 0x20;

// GDI
inline constexpr int TRANSPARENT = 1, OPAQUE = 2;
inline constexpr int NULL_BRUSH = 5, BLACK_BRUSH = 4;
inline constexpr U32 ETO_OPAQUE = 2, ETO_CLIPPED = 4;
inline constexpr U32 EDGE_RAISED = 5, EDGE_SUNKEN = 10, BF_RECT = 0xF, BF_ADJUST = 0x2000;
inline constexpr U32 BDR_RAISEDOUTER = 1, BDR_SUNKENOUTER = 2, BDR_RAISEDINNER = 4, BDR_SUNKENINNER = 8;
inline constexpr U32 BF_LEFT = 1, BF_TOP = 2, BF_RIGHT = 4, BF_BOTTOM = 8;
inline constexpr U32 ODS_SELECTED = 1, ODS_DISABLED = 4, ODS_FOCUS = 0x10;
inline constexpr int COLOR_BTNFACE = 15, COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_WINDOW = 5, COLOR_HIGHLIGHT = 13, COLOR_HIGHLIGHTTEXT = 14, COLOR_BTNSHADOW = 16,
                     COLOR_GRAYTEXT = 17, COLOR_BTNTEXT = 18, COLOR_BTNHIGHLIGHT = 20, COLOR_3DDKSHADOW = 21,
                     COLOR_3DLIGHT = 22;
inline constexpr int WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3;

}  // namespace native
