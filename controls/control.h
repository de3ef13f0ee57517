// The Control record behind every window of the layer, its kind table, its
// font and brush objects, and the layer's globals.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/base_object.h"
#include "controls/native/native.h"

namespace controls {

using native::AccessibleRole;
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

// Where a control's text stands across it, and up and down; the numbers are
// the ones the design counts them by.
enum class TextAlign : std::uint8_t { Left = 0, Right = 1, Centre = 2 };
enum class VerticalAlign : std::uint8_t { Centre = 0, Top = 1, Bottom = 2 };

// A notification code of a kind, or none: 0 is a real code (BN_CLICKED).
using NotifyCode = std::optional<std::uint16_t>;

// What every control of a kind shares: the Win32 messages (0 = none, as no
// table message is WM_NULL) and notification codes it uses, and how it takes
// Enter and a move. Controls point to their kind's table.
struct KindTable {
  void (*clear)(Control*) = nullptr;
  void (*afterCreate)(Control*) = nullptr;  // runs once the window exists
  NotifyCode clickCode, enterCode, leaveCode, changeCode, selChangeCode;
  std::uint16_t countMessage = 0;
  std::uint16_t itemLengthMessage = 0, getItemMessage = 0;
  std::uint16_t getItemDataMessage = 0, setItemDataMessage = 0;
  std::uint16_t addItemMessage = 0, deleteItemMessage = 0, insertItemMessage = 0;
  std::uint16_t getIndexMessage = 0, setIndexMessage = 0, setSelectionMessage = 0;
  std::uint16_t alignStyles[3] = {};  // by TextAlign
  std::uint16_t alignRemovedBits = 0;
  std::uint16_t verticalStyles[3] = {};  // by VerticalAlign
  std::uint16_t textLimitMessage = 0;
  bool handlesEnter = false;   // Enter is its own, not the form's default button's
  bool repaintOnMove = false;  // redrawn after every change of its bounds
};

// The table of forms and of controls of no kind: no messages, no codes.
extern const KindTable kNoKind;

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
// Two names for the one shape, so that neither is handed where the other belongs.
class FontObject final : public GdiObject {};
class BrushObject final : public GdiObject {
 public:
  void Init() override;
};

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

// What only a form keeps: its focus memory, icon, frozen size, modal run and
// its Enter and Esc buttons.
struct FormPart {
  Control* currentControl = nullptr;  // the control that has or last had the focus
  int tabCounter = 0;                 // the last tab order handed out
  native::Icon icon = nullptr;
  bool iconShared = false;  // not destroyed with the form
  bool fixedSize = false;
  int frozenWidth = 0, frozenHeight = 0;
  int showStateToRestore = 0;  // while the owner is minimised
  CloseEvent OnClose;
  int modalCode = 0;  // 0 while the modal run goes on
  int modalNesting = 0;
  Control* modalForm = nullptr;  // on the AppWindow: the form shown modally
  Control* defaultButton = nullptr;
  Control* cancelButton = nullptr;
  MessageEvent savedOnMessage;  // the AppWindow's OnMessage while the key hook stands in
  bool keyHookInstalled = false;
};

// A button: whether it is its form's Enter or Esc button.
struct ButtonPart {
  bool isDefault = false, isCancel = false;
};

// A combo box's list state and events.
struct ComboPart {
  bool droppedDown = false;
  int savedIndex = 0;  // the selection when the list opened; Esc goes back to it
  NotifyEvent OnDropDown, OnCloseUp, OnSelChange;
};

// An owner-drawn button: its options, its own check state and how far its
// text moves while pressed.
struct OwnerDrawPart {
  std::uint32_t options = 0;
  bool checked = false;
  int pressShiftX = 0, pressShiftY = 0;
};

// A shadow label: the text drawn again behind itself.
struct ShadowPart {
  int depth = 0;
  Color color = kNoColor;
};

// Where a control sits.
struct ControlPlacement {
  Bounds bounds;                 // in its parent's client area (on the screen for forms)
  Insets insets;                 // taken off its client rectangle
  int childMargin = 0;           // ChildMargin: where its new children start
  std::uint8_t positionSet = 0;  // bit 0 left, bit 1 top
};

// How it is drawn: colours, font, brush, alignment, 3D look, cursor.
struct ControlLook {
  Color color = kBtnFace;  // background
  Color fontColor = kWindowText;
  FontObject* font = nullptr;
  BrushObject* brushObject = nullptr;
  native::Brush brush = nullptr;  // of the colour, made on demand
  std::uint32_t brushRgb = 0;
  native::Font appliedFont = nullptr;  // the font handle last given to the window
  TextAlign textAlign = TextAlign::Left;
  VerticalAlign verticalAlign = VerticalAlign::Centre;
  bool children3D = false, look3D = false;
  bool transparent = false;
  native::Cursor cursor = nullptr;  // over the client area; 0: the class's
};

// The handlers bound to its events.
struct ControlEvents {
  MessageEvent OnMessage;
  NotifyEvent OnClick, OnChange, OnEnter, OnLeave;
  KeyEvent OnKeyChar, OnKeyUp, OnKeyDown;
  MouseEvent OnMouseDown, OnMouseUp, OnMouseMove, OnMouseDblClk, OnMouseWheel;
  NotifyEvent OnMouseLeave, OnMouseEnter;
  PointerTestEvent pointerOverTest;
};

// Where it stands: enabled, shown, focusable, under the pointer.
struct ControlState {
  bool enabled = false;
  bool visible = false;
  bool visibilitySet = false;      // Visible was set explicitly
  bool showAfterCreation = false;  // made early and hidden: the creation pass shows it
  bool windowGone = false;         // the system has destroyed the window
  bool tabStop = false;
  int tabOrder = 0;
  std::uint8_t focusing = 0;  // a SetFocus of the layer's is under way
  bool pointerInside = false;
  int storedIndex = 0;  // the selected index of kinds without index messages
};

class Control : public BaseObject {
 public:
  void Init() override;
  virtual void InitWithParent(Control* parent, const char* subclassName, bool look3DDefault);
  virtual bool CreateWindow();
  virtual LResult WindowProc(Message& message);

  // Its window and the window's place among the others.
  Hwnd window = nullptr;
  Control* parent = nullptr;
  PointerList* children = nullptr;
  std::uint16_t controlId = 0;
  bool isApplication = false, isChild = false;
  // What its window is made of.
  std::string subclassName;
  const KindTable* kindTable = &kNoKind;
  std::uint32_t classStyle = 0;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  native::WndProc baseWindowProc = nullptr;
  std::string caption;
  native::Accessibility accessibility;  // beyond what the kind and caption say
  std::vector<HookEntry> hookChain;

  ControlPlacement placement;
  ControlLook look;
  ControlEvents events;
  ControlState state;

  // The part of the control's own kind; null for every other kind.
  std::unique_ptr<FormPart> formPart;
  std::unique_ptr<ButtonPart> buttonPart;  // push buttons, check boxes, owner-drawn buttons
  std::unique_ptr<ComboPart> comboPart;
  std::unique_ptr<OwnerDrawPart> ownerDrawPart;
  std::unique_ptr<ShadowPart> shadowPart;

  bool IsForm() const { return formPart != nullptr; }

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
// The control's window, created first (hidden until the creation pass shows
// it) when it does not exist yet.
Hwnd EnsureWindow(Control* control);
void CreateChildWindows(Control* control);
LResult Perform(Control* control, std::uint32_t message, WParam wParam, LParam lParam);
void Invalidate(Control* control);
Control* ParentForm(Control* control);
bool IsMainWindow(const Control* control);
native::Rect ClientRect(Control* control);
native::Point ScreenToClient(Control* control, native::Point point);
native::Point ClientToScreen(Control* control, native::Point point);
Control* ControlOfWindow(Hwnd window);          // through the "SELF_" property
void TieWindow(Control* control, Hwnd window);  // the control's window, found through it
void UntieWindow(Control* control);             // the window no longer finds the control
int ChildCount(const Control* control);
Control* Child(const Control* control, int index);

// The hook chain: a hook attached later sees messages first.
void AttachHook(Control* control, MessageHook hook);
void DetachHook(Control* control, MessageHook hook);

}  // namespace controls
