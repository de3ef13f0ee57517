// The GDI objects and device contexts behind the seam's handles.
// Private to controls/native/qt/ and its test probes.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>

#include "controls/native/qt/win_defs_qt.h"

namespace native::qt {

// Every handle of the seam's GdiTag family points to one of these. An
// object is known by its handle from its construction to its destruction,
// so a stale or foreign handle names nothing.
struct GdiObject {
  enum class Kind { Font, Brush, Icon, Cursor, Dc };
  explicit GdiObject(Kind k);
  virtual ~GdiObject();
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  const Kind kind;
};

inline GdiTag* Handle(GdiObject* object) { return reinterpret_cast<GdiTag*>(object); }

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
// The program's own icon ("MAINICON") in every size it has; null without one.
QIcon ProgramIcon();

QColor ColorOf(std::uint32_t colorRef);  // 0x00BBGGRR
std::uint32_t ColorRefOf(const QColor& color);
// What a brush paints with: nothing for a hollow brush. A system colour index
// plus one stands for that colour, as in a window class.
std::optional<QColor> BrushColour(const void* brush);

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

}  // namespace native::qt
