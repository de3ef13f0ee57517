// The Control record behind every window of the layer, its kind table, its
// font and brush objects, and the layer's globals.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/base_object.h"
#include "controls/native/native.h"

namespace controls {

using native::Hwnd;
using native::LParam;
using native::LResult;
using native::WParam;

class Control;

// Colour value: 0 or more is a COLORREF 0x00BBGGRR, negative is a system
// colour whose low byte is the COLOR_ index, kNoColor is no colour at all.
using Color = std::int32_t;
inline constexpr Color kNoColor = 0x1FFFFFFF;
inline constexpr Color kBtnFace = static_cast<Color>(0x8000000F);
inline constexpr Color kWindowText = static_cast<Color>(0x80000008);

struct Message {
  Hwnd window = nullptr;
  std::uint32_t message = 0;
  WParam wParam = 0;
  LParam lParam = 0;
};

// Returns true when it consumed the message; the result travels beside it.
using MessageHook = bool (*)(Control* control, Message& message, LResult& result);

struct MouseRecord {
  std::uint8_t button = 0;  // 1 left, 2 right, 3 middle, 0 move and wheel
  std::uint8_t stop = 0;    // set by the handler to consume the message
  std::uint32_t shift = 0;
  std::int16_t x = 0;
  std::int16_t y = 0;
};

using NotifyEvent = EventHandler<void(Control*)>;
using MessageEvent = EventHandler<bool(Control*, Message&, LResult&)>;
using KeyEvent = EventHandler<void(Control*, WParam& key, std::uint32_t shift)>;
using MouseEvent = EventHandler<void(Control*, MouseRecord&)>;
using CloseEvent = EventHandler<void(Control*, bool& accept)>;
using PointerTestEvent = EventHandler<bool(Control*)>;

// Which Win32 messages and notification codes a kind uses; 0 = none.
struct KindTable {
  void (*clear)(Control*) = nullptr;
  int (*customAdd)(Control*, const std::string&) = nullptr;
  std::uint16_t clickCode = 0, enterCode = 0, leaveCode = 0, changeCode = 0, selChangeCode = 0;
  std::uint16_t countMessage = 0;
  std::uint16_t itemLengthMessage = 0, getItemMessage = 0, replaceSelMessage = 0;
  std::uint16_t getItemDataMessage = 0, setItemDataMessage = 0;
  std::uint16_t addItemMessage = 0, deleteItemMessage = 0, insertItemMessage = 0;
  std::uint16_t findExactMessage = 0, findMessage = 0;
  std::uint8_t lineIndexMessage = 0, lineFromCharMessage = 0;
  std::uint16_t selectionMessages[4] = {};
  std::uint16_t getIndexMessage = 0, setIndexMessage = 0, setSelectionMessage = 0;
  std::uint16_t setSelectedTextMessage = 0;
  std::uint16_t alignStyles[3] = {};  // left, right, centre
  std::uint8_t alignRemovedBits = 0;
  std::uint8_t verticalStyles[3] = {};  // centre, top, bottom; shifted left 8
  std::uint16_t directoryMessage = 0, textLimitMessage = 0;
  std::uint16_t widthMargin = 0, heightMargin = 0;
  std::uint16_t setColorMessage = 0, positionMessage = 0;
};

// One record shape for fonts and brushes. The GDI handle is made on demand and
// may be shared with identical ancestors (see FontHandle).
class GdiObject : public BaseObject {
 public:
  enum class Kind { Font, Brush };
  Kind kind = Kind::Font;
  void* handle = nullptr;
  GdiObject* parentLink = nullptr;
  void (*changeProc)(Control*) = nullptr;
  Control* owner = nullptr;
  std::uint32_t cachedRgb = 0;
  Color color = kWindowText;
  native::LogFont logFont;

  void Init() override;

 protected:
  void Destroy() override;
};
using FontObject = GdiObject;
using BrushObject = GdiObject;

struct HookEntry {
  MessageHook hook = nullptr;
  bool keepAfterTermination = false;
};

struct Bounds {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

struct Insets {
  int top = 0, bottom = 0, left = 0, right = 0;
};

class Control : public BaseObject {
 public:
  void Init() override;
  virtual void InitWithParent(Control* parent, const char* subclassName, bool look3DDefault);
  virtual bool CreateWindow();
  virtual LResult WindowProc(Message& message);

  Hwnd window = nullptr;
  Hwnd innerWindow = nullptr;
  std::uint32_t classStyle = 0;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  native::Cursor cursor = nullptr;
  native::Icon icon = nullptr;
  bool iconShared = false;
  std::string caption;
  std::uint8_t sizeState = 0;
  int showStateToRestore = 0;
  native::Dc canvas = nullptr;  // layer-painted kinds borrow the paint DC; nothing is kept
  native::WndProc baseWindowProc = nullptr;
  bool windowGone = false;
  Control* parent = nullptr;
  bool enabled = false;
  bool visible = false;
  bool tabStop = false;
  int tabOrder = 0;
  int tabCounter = 0;  // forms: the last tab order handed out
  std::uint8_t textAlign = 0;
  std::uint8_t verticalAlign = 0;
  bool fixedSize = false;
  PointerList* children = nullptr;
  MessageHook handledMessageHook = nullptr;
  bool (*messageFilter)(Control*, const native::QueuedMessage&) = nullptr;
  native::Brush brush = nullptr;
  std::uint32_t brushRgb = 0;
  bool destroyed = false;
  std::uint16_t controlId = 0;
  bool isApplication = false, isForm = false, isChild = false;
  std::uint8_t positionSet = 0;  // bit 0 left, bit 1 top
  std::uint8_t keysKept = 0;
  std::vector<HookEntry> hookChain;
  NotifyEvent OnLeave;
  MessageHook firstStageHook = nullptr;
  MessageHook keyboardRouter = nullptr;
  void (*kindClickAction)(Control*) = nullptr;
  std::string subclassName;
  MessageHook inheritedHook = nullptr;
  MessageHook navigationHandler = nullptr;
  bool children3D = false, look3D = false;
  Color fontColor = kWindowText;
  FontObject* font = nullptr;
  Color color = kBtnFace;
  BrushObject* brushObject = nullptr;
  int childMargin = 0;
  Bounds bounds;
  Insets insets;
  bool transparent = false;
  MessageEvent OnMessage;
  MessageEvent savedOnMessage;  // the AppWindow's OnMessage while the key hook stands in
  bool keyHookInstalled = false;
  NotifyEvent OnClick;
  Control* currentControl = nullptr;
  bool visibilitySet = false;
  bool showAfterCreation = false;
  std::uint8_t focusing = 0;
  bool isDefault = false, isCancel = false;
  Control* defaultButton = nullptr;
  Control* cancelButton = nullptr;
  MouseEvent OnMouseDown, OnMouseUp, OnMouseMove, OnMouseDblClk, OnMouseWheel;
  NotifyEvent OnChange, OnEnter;
  KindTable kindTable;
  KeyEvent OnKeyChar, OnKeyUp, OnKeyDown;
  int shadowDepth = 0;
  Color shadowColor = kNoColor;
  bool droppedDown = false;
  int savedIndex = 0;
  NotifyEvent OnDropDown, OnCloseUp, OnSelChange;
  int modalCode = 0;
  int modalNesting = 0;
  Control* modalForm = nullptr;
  std::uint32_t ownerDrawOptions = 0;
  bool ownerChecked = false;
  bool handlesEnter = false;  // push buttons, owner-drawn buttons, multi-line edits
  NotifyEvent OnMouseLeave, OnMouseEnter;
  PointerTestEvent pointerOverTest;
  bool pointerInside = false;
  int frozenWidth = 0, frozenHeight = 0;
  CloseEvent OnClose;
  void (*afterCreateHook)(Control*) = nullptr;
  bool isButton = false;
  int pressShiftX = 0, pressShiftY = 0;
  native::Font appliedFont = nullptr;  // the font handle last given to the window
  bool isShadowLabel = false;
  bool repaintOnMove = false;  // labels redraw after every change of their bounds
  int storedIndex = 0;                 // selected index of kinds without index messages

 protected:
  void Destroy() override;
};

// Owner-drawn button options.
inline constexpr std::uint32_t kOwnerDrawCheck = 1, kOwnerDrawFlat = 2, kOwnerDrawNoFrame = 4,
                               kOwnerDrawNoText = 8;

// Globals of the layer.
extern Control* AppWindow;
extern int AppRunning;
extern bool AppTerminated;
extern Control* CreatingControl;
extern std::uint16_t NextControlId;
extern native::Cursor ScreenCursor;
extern bool CursorBusy;

inline constexpr std::uint16_t kFirstControlId = 32768;

// Construction and windows
Control* CreateControl(Control* parent, const char* subclassName, bool look3DDefault);
Hwnd WindowHandle(Control* control);  // creates the window on demand
void CreateChildWindows(Control* control);
LResult Perform(Control* control, std::uint32_t message, WParam wParam, LParam lParam);
void Invalidate(Control* control);
Control* ParentForm(Control* control);
bool IsMainWindow(const Control* control);
native::Rect ClientRect(Control* control);
native::Point ScreenToClient(Control* control, native::Point point);
native::Point ClientToScreen(Control* control, native::Point point);
Control* ControlOfWindow(Hwnd window);  // through the "SELF_" property
int ChildCount(const Control* control);
Control* Child(const Control* control, int index);

// Hooks
void AttachHook(Control* control, MessageHook hook);
void DetachHook(Control* control, MessageHook hook);
bool RunHookChain(Control* control, Message& message, LResult& result);
LResult DefaultProcessing(Control* control, const Message& message);

// The procedure every registered class of the layer uses.
LResult SharedWindowProc(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam);
// Routes the inner windows of an editable combo box through the layer.
void SubclassInnerWindows(Control* control);

}  // namespace controls
