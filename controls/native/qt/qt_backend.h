// What the files of the Qt back end share: the window record behind an Hwnd,
// and the GDI objects and device contexts behind the seam's handles. Nothing
// outside controls/native/qt/ includes this, except the Qt test probes.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/native/native.h"
#include "controls/native/win_defs.h"

namespace native::qt {

// ---- GDI objects ---------------------------------------------------------

// Every handle of the seam's GdiTag family points to one of these.
struct GdiObject {
  enum class Kind { Font, Brush, Icon, Cursor, Dc };
  explicit GdiObject(Kind k) : kind(k) {}
  virtual ~GdiObject() = default;
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  const Kind kind;
};

struct FontObject : GdiObject {
  FontObject() : GdiObject(Kind::Font) {}
  LogFont logFont;
  QFont font;
};

struct BrushObject : GdiObject {
  BrushObject() : GdiObject(Kind::Brush) {}
  bool hollow = false;  // NULL_BRUSH
  bool stock = false;   // never deleted
  QColor color;
};

struct IconObject : GdiObject {
  IconObject() : GdiObject(Kind::Icon) {}
  QIcon icon;
};

struct CursorObject : GdiObject {
  CursorObject() : GdiObject(Kind::Cursor) {}
  Qt::CursorShape shape = Qt::ArrowCursor;
};

// A live object of the given kind, or null for a stale or foreign handle.
FontObject* AsFont(const void* handle);
BrushObject* AsBrush(const void* handle);
IconObject* AsIcon(const void* handle);
CursorObject* AsCursor(const void* handle);

// A handle for a new icon of the program's own, freed by DestroyIcon.
Icon NewIcon(const QIcon& icon);

QColor ColorOf(std::uint32_t colorRef);  // 0x00BBGGRR
std::uint32_t ColorRefOf(const QColor& color);

// The font a window shows before WM_SETFONT: the system's dialog font.
const QFont& SystemFont();

// ---- device contexts -----------------------------------------------------

// A device context over a QPainter. One made for a widget opens its painter
// on the first drawing, which must happen inside that widget's paint event;
// one made for an image paints on it at once.
class DeviceContext : public GdiObject {
 public:
  explicit DeviceContext(QWidget* widget);
  explicit DeviceContext(QImage* image);
  ~DeviceContext() override;

  QPainter& Painter();
  bool Opened() const { return painter_ != nullptr; }
  void End();  // ends the painter so that the widget may paint itself next
  QWidget* Widget() const { return widget_; }

  std::uint32_t textColor = 0x000000;
  std::uint32_t backColor = 0xFFFFFF;
  int backMode = OPAQUE;
  Font font = nullptr;    // null: the system font
  Brush brush = nullptr;  // null: the white stock brush
  QPoint brushOrigin;

 private:
  QWidget* widget_ = nullptr;
  QImage* image_ = nullptr;
  std::unique_ptr<QPainter> painter_;
  QImage scratch_;  // drawn on instead of a widget outside its paint event
};

inline Dc ToDc(DeviceContext* dc) { return reinterpret_cast<Dc>(static_cast<GdiObject*>(dc)); }
DeviceContext* AsDc(const void* handle);

// ---- windows -------------------------------------------------------------

enum class SystemClass { None, Button, Static, Edit, ComboBox };

// One window of the seam. An Hwnd is the address of its record; a record
// outlives its window only as a tombstone in the table of dead handles.
struct Window {
  std::string className;
  SystemClass systemClass = SystemClass::None;  // set by the system procedure at WM_CREATE
  WndProc procedure = nullptr;
  std::uint32_t classStyle = 0;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::uint16_t id = 0;
  Window* parent = nullptr;       // owner, for a top-level window
  std::vector<Window*> children;  // z-order: first is the top
  std::string text;
  QPointer<QWidget> widget;
  std::map<std::string, void*> properties;
  Font font = nullptr;
  Icon bigIcon = nullptr;
  Icon smallIcon = nullptr;
  bool destroying = false;
  bool visible = false;   // its own WS_VISIBLE
  bool disabled = false;  // its own WS_DISABLED
  bool trackLeave = false;
  int showState = 1;  // SW_ values of a top-level window: 1 normal, 2 minimised, 3 maximised

  // Set by a system procedure while it handles WM_PAINT: the widget paints
  // itself once the dispatch returns.
  bool widgetPaints = false;
  // The context of the paint event in progress, which Paint(window, null)
  // draws with (BeginPaint's DC).
  DeviceContext* paintDc = nullptr;

  // Class-specific state.
  std::int64_t textLimit = 30000;  // EDIT
  bool checked = false;            // BUTTON: check boxes and owner-drawn buttons
  bool pushed = false;             // BUTTON: BM_SETSTATE, or held under the pointer
  bool dropped = false;            // COMBOBOX
  int droppedHeight = 0;           // COMBOBOX: the height given, list included
  std::vector<std::pair<std::string, LParam>> items;  // COMBOBOX
  int selected = -1;                                  // COMBOBOX
  Window* innerEdit = nullptr;                        // COMBOBOX with an edit field
  std::uint16_t highSurrogate = 0;                    // EDIT: the first half of a typed pair
};

Window* AsWindow(Hwnd window);  // null unless the window exists
inline Hwnd ToHwnd(Window* window) { return reinterpret_cast<Hwnd>(window); }
// The window whose widget is or contains this widget.
Window* WindowOfWidget(const QWidget* widget);

// Where the client area starts in the widget: a child's widget also holds
// its edges.
QPoint ClientOrigin(const Window* window);

// Sends an event to a widget past the input filter, for the widget itself to act on.
bool DeliverToWidget(QWidget* widget, QEvent* event);

// Top-level windows from the top of the window order down.
std::vector<Window*> TopLevelOrder();
Window* ForegroundWindow();
Window* CaptureWindow();
void SetCaptureWindow(Window* window);  // null releases
Cursor ShownCursor();                   // the cursor SetCursor set last

// Paints a window from its widget's paint event: colours, background and the
// window's own WM_PAINT. False when the widget still has to paint itself.
bool PaintWindow(Window* window);

// The colours a system control gets from its parent's WM_CTLCOLOR* answer,
// applied to the widget's palette.
void ApplyControlColours(Window* window);

// What a button's WM_DRAWITEM points to, in the order of DRAWITEMSTRUCT.
struct DrawItemStruct {
  std::uint32_t controlType = 4;  // ODT_BUTTON
  std::uint32_t controlId = 0;
  std::uint32_t itemId = 0;
  std::uint32_t itemAction = 1;  // ODA_DRAWENTIRE
  std::uint32_t state = 0;
  Hwnd item = nullptr;
  Dc dc = nullptr;
  Rect rect;
  std::uintptr_t itemData = 0;
};

// Messages of the back end's own, from the window code to a system class
// procedure, in the class-private range no program here uses.
inline constexpr U32 kApplyStyleMessage = 0x7FF0;  // styles changed; wParam the old style
inline constexpr U32 kGetTextMessage = 0x7FF1;  // lParam a std::string*; 0 = keep the record's text
inline constexpr U32 kFieldHeightMessage = 0x7FF2;  // the combo box's selection field height

// The procedures of the system classes ("BUTTON", "STATIC", "EDIT",
// "COMBOBOX", and the combo box's list).
LResult SystemProcedure(SystemClass systemClass, Hwnd window, std::uint32_t message, WParam wParam,
                        LParam lParam);
WndProc SystemProcedureOf(SystemClass systemClass);

// Input from Qt becomes queued messages; installed once on the application.
void InstallInputFilter();
void Enqueue(const QueuedMessage& message);
void EnqueueFront(const QueuedMessage& message);
// TranslateMessage: a key press that typed text queues WM_CHAR for it.
void TranslateKey(const QueuedMessage& message);

// Fusion, with drop-down lists that open under their box.
QStyle* MakeApplicationStyle();

// The application object, made on first use with the font and style the
// program's windows are laid out for.
void EnsureApplication();

}  // namespace native::qt
