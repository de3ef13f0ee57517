// GDI over Qt: brushes, icons and cursors behind the seam's handles, and
// device contexts that draw with QPainter where GDI would draw.
#include "controls/native/qt/gdi_qt.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <optional>
#include <unordered_set>
#include <utility>

#include "controls/native/qt/fonts_qt.h"
#include "controls/native/qt/messages_qt.h"
#include "controls/native/qt/placement_qt.h"

namespace native {
namespace qt {

namespace {

// ---- the registry of live objects ----------------------------------------

// A handle is the address of its object. Only addresses in this set are ever
// dereferenced, so a stale or foreign handle is simply unknown. Never
// destroyed: handles may still be released while the process ends.
std::unordered_set<const GdiObject*>& Live() {
  static auto* live = new std::unordered_set<const GdiObject*>;
  return *live;
}

GdiObject* Lookup(const void* handle, GdiObject::Kind kind) {
  auto* object = static_cast<const GdiObject*>(handle);
  if (!object || !Live().contains(object) || object->kind != kind) return nullptr;
  return const_cast<GdiObject*>(object);
}

}  // namespace

GdiObject::GdiObject(Kind k) : kind(k) { Live().insert(this); }

GdiObject::~GdiObject() { Live().erase(this); }

FontObject* AsFont(const void* handle) {
  return static_cast<FontObject*>(Lookup(handle, GdiObject::Kind::Font));
}
BrushObject* AsBrush(const void* handle) {
  return static_cast<BrushObject*>(Lookup(handle, GdiObject::Kind::Brush));
}
IconObject* AsIcon(const void* handle) {
  return static_cast<IconObject*>(Lookup(handle, GdiObject::Kind::Icon));
}
CursorObject* AsCursor(const void* handle) {
  return static_cast<CursorObject*>(Lookup(handle, GdiObject::Kind::Cursor));
}
DeviceContext* AsDc(const void* handle) {
  return static_cast<DeviceContext*>(Lookup(handle, GdiObject::Kind::Dc));
}

// ---- colours ----------------------------------------------------------------

QColor ColorOf(std::uint32_t colorRef) {
  return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                static_cast<int>((colorRef >> 16) & 0xFF));
}

std::uint32_t ColorRefOf(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) | static_cast<std::uint32_t>(color.green()) << 8 |
         static_cast<std::uint32_t>(color.blue()) << 16;
}

namespace {

// The colours of a freshly installed system, by COLOR_ index.
constexpr std::array<std::uint32_t, 31> kSystemColours = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0,
};

struct StockBrush {
  int id;
  std::uint32_t rgb;
  bool hollow;
};

constexpr StockBrush kStockBrushes[] = {
    {WHITE_BRUSH, 0xFFFFFF, false},  {LTGRAY_BRUSH, 0xC0C0C0, false}, {GRAY_BRUSH, 0x808080, false},
    {DKGRAY_BRUSH, 0x404040, false}, {BLACK_BRUSH, 0x000000, false},  {NULL_BRUSH, 0x000000, true},
};

BrushObject* StockBrushObject(const StockBrush& stock) {
  // Shared for the life of the process.
  static std::array<BrushObject*, std::size(kStockBrushes)> made{};
  BrushObject*& brush = made[static_cast<std::size_t>(&stock - kStockBrushes)];
  if (!brush) {
    brush = new BrushObject;
    brush->color = ColorOf(stock.rgb);
    brush->hollow = stock.hollow;
    brush->stock = true;
  }
  return brush;
}

}  // namespace

std::optional<QColor> BrushColour(const void* brush) {
  if (const BrushObject* object = AsBrush(brush)) {
    if (object->hollow) return std::nullopt;
    return object->color;
  }
  const auto index = reinterpret_cast<std::uintptr_t>(brush);
  if (index >= 1 && index <= kSystemColours.size()) return ColorOf(kSystemColours[index - 1]);
  return std::nullopt;
}

}  // namespace qt

std::uint32_t GetSysColor(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= qt::kSystemColours.size()) return 0;
  return qt::kSystemColours[static_cast<std::size_t>(index)];
}

Brush CreateSolidBrush(std::uint32_t rgb) {
  auto* brush = new qt::BrushObject;
  brush->color = qt::ColorOf(rgb);
  return qt::Handle(brush);
}

Brush GetStockBrush(int stockObject) {
  for (const qt::StockBrush& stock : qt::kStockBrushes)
    if (stock.id == stockObject) return qt::Handle(qt::StockBrushObject(stock));
  return nullptr;
}

bool DeleteObject(void* object) {
  if (qt::FontObject* font = qt::AsFont(object)) {
    if (font != qt::StockFont()) delete font;
    return true;
  }
  if (qt::BrushObject* brush = qt::AsBrush(object)) {
    if (!brush->stock) delete brush;
    return true;
  }
  return false;
}

// ---- device contexts ---------------------------------------------------------

namespace qt {

DeviceContext::DeviceContext(QWidget* widget) : GdiObject(Kind::Dc), widget_(widget) {}

DeviceContext::DeviceContext(QImage* image) : GdiObject(Kind::Dc), image_(image) {}

DeviceContext::~DeviceContext() { End(); }

QPainter& DeviceContext::Painter() {
  if (painter_) return *painter_;
  painter_ = std::make_unique<QPainter>();
  // A widget takes a painter only inside its paint event; drawing at any
  // other time goes nowhere, as on a window that is painted over next.
  QPaintDevice* device = image_;
  if (widget_ && widget_->testAttribute(Qt::WA_WState_InPaintEvent)) device = widget_;
  if (!device || !painter_->begin(device)) {
    scratch_ = QImage(1, 1, QImage::Format_RGB32);
    painter_->begin(&scratch_);
  } else if (device == widget_) {
    // The widget also holds the window's edges; drawing starts inside them.
    if (const Window* window = WindowOfWidget(widget_)) {
      const Rect client = native::GetClientRect(ToHwnd(const_cast<Window*>(window)));
      painter_->translate(ClientOrigin(window));
      painter_->setClipRect(QRect(0, 0, client.right, client.bottom));
    }
  }
  return *painter_;
}

void DeviceContext::End() { painter_.reset(); }

namespace {

const QFont& FontOf(const DeviceContext& dc) {
  const FontObject* font = AsFont(dc.font);
  return font ? font->font : SystemFont();
}

void FillArea(QPainter& painter, const Rect& rect, const QColor& colour) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  painter.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                   colour);
}

// Restores the painter's clip and pens when a drawing operation is done.
class SavedState {
 public:
  explicit SavedState(QPainter& painter) : painter_(painter) { painter_.save(); }
  ~SavedState() { painter_.restore(); }
  SavedState(const SavedState&) = delete;
  SavedState& operator=(const SavedState&) = delete;

 private:
  QPainter& painter_;
};

// One of the two lines of an edge, lit from the top left.
struct EdgeLine {
  std::uint32_t bit;
  int topLeft;
  int bottomRight;
};

// The outer line, then the inner one; each raised or sunken.
constexpr EdgeLine kEdgeLines[2][2] = {
    {{BDR_RAISEDOUTER, COLOR_3DLIGHT, COLOR_3DDKSHADOW},
     {BDR_SUNKENOUTER, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT}},
    {{BDR_RAISEDINNER, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
     {BDR_SUNKENINNER, COLOR_3DDKSHADOW, COLOR_3DLIGHT}},
};

// The bottom and right lines run the full length, so the top-right and
// bottom-left corners take the dark colour of a raised edge.
void DrawEdgeLine(QPainter& painter, const Rect& r, std::uint32_t sides, const EdgeLine& line) {
  const QColor topLeft = ColorOf(GetSysColor(line.topLeft));
  const QColor bottomRight = ColorOf(GetSysColor(line.bottomRight));
  if (sides & BF_TOP) FillArea(painter, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
  if (sides & BF_LEFT) FillArea(painter, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
  if (sides & BF_BOTTOM) FillArea(painter, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  if (sides & BF_RIGHT) FillArea(painter, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

Rect Inset(const Rect& r, std::uint32_t sides) {
  return {r.left + ((sides & BF_LEFT) ? 1 : 0), r.top + ((sides & BF_TOP) ? 1 : 0),
          r.right - ((sides & BF_RIGHT) ? 1 : 0), r.bottom - ((sides & BF_BOTTOM) ? 1 : 0)};
}

}  // namespace

}  // namespace qt

void* SelectObject(Dc dc, void* object) {
  qt::DeviceContext* context = qt::AsDc(dc);
  if (!context) return nullptr;
  if (qt::AsFont(object)) {
    Font previous = context->font ? context->font : qt::Handle(qt::StockFont());
    context->font = static_cast<Font>(object);
    return previous;
  }
  if (qt::AsBrush(object)) {
    Brush previous = context->brush ? context->brush : GetStockBrush(WHITE_BRUSH);
    context->brush = static_cast<Brush>(object);
    return previous;
  }
  return nullptr;
}

namespace {
constexpr std::uint32_t kInvalidColour = 0xFFFFFFFF;
}

std::uint32_t SetTextColor(Dc dc, std::uint32_t rgb) {
  qt::DeviceContext* context = qt::AsDc(dc);
  return context ? std::exchange(context->textColor, rgb) : kInvalidColour;
}

std::uint32_t SetBkColor(Dc dc, std::uint32_t rgb) {
  qt::DeviceContext* context = qt::AsDc(dc);
  return context ? std::exchange(context->backColor, rgb) : kInvalidColour;
}

int SetBkMode(Dc dc, int mode) {
  qt::DeviceContext* context = qt::AsDc(dc);
  if (!context || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  return std::exchange(context->backMode, mode);
}

void SetBrushOrigin(Dc dc, int x, int y) {
  if (qt::DeviceContext* context = qt::AsDc(dc)) context->brushOrigin = QPoint(x, y);
}

void FillRect(Dc dc, const Rect& rect, Brush brush) {
  qt::DeviceContext* context = qt::AsDc(dc);
  const std::optional<QColor> colour = qt::BrushColour(brush);
  if (context && colour) qt::FillArea(context->Painter(), rect, *colour);
}

void FrameRect(Dc dc, const Rect& rect, Brush brush) {
  qt::DeviceContext* context = qt::AsDc(dc);
  const std::optional<QColor> colour = qt::BrushColour(brush);
  if (!context || !colour || rect.right <= rect.left || rect.bottom <= rect.top) return;
  QPainter& painter = context->Painter();
  const Rect& r = rect;
  qt::FillArea(painter, {r.left, r.top, r.right, r.top + 1}, *colour);
  qt::FillArea(painter, {r.left, r.bottom - 1, r.right, r.bottom}, *colour);
  qt::FillArea(painter, {r.left, r.top, r.left + 1, r.bottom}, *colour);
  qt::FillArea(painter, {r.right - 1, r.top, r.right, r.bottom}, *colour);
}

void DrawEdge(Dc dc, Rect& rect, std::uint32_t edge, std::uint32_t flags) {
  qt::DeviceContext* context = qt::AsDc(dc);
  if (!context) return;
  const std::uint32_t sides = flags & BF_RECT;
  Rect inner = rect;
  for (const auto& lines : qt::kEdgeLines) {
    for (const qt::EdgeLine& line : lines) {
      if (!(edge & line.bit)) continue;
      qt::DrawEdgeLine(context->Painter(), inner, sides, line);
      inner = qt::Inset(inner, sides);
      break;
    }
  }
  if (flags & BF_ADJUST) rect = inner;
}

Point GetTextExtent(Dc dc, const std::string& text) {
  const qt::DeviceContext* context = qt::AsDc(dc);
  if (!context) return {};
  const QFontMetrics metrics(qt::FontOf(*context));
  return {metrics.horizontalAdvance(QString::fromUtf8(text)), metrics.height()};
}

void ExtTextOut(Dc dc, int x, int y, std::uint32_t options, const Rect& clip,
                const std::string& text) {
  qt::DeviceContext* context = qt::AsDc(dc);
  if (!context) return;
  const QFont& font = qt::FontOf(*context);
  const QFontMetrics metrics(font);
  const QString string = QString::fromUtf8(text);
  const QColor back = qt::ColorOf(context->backColor);
  QPainter& painter = context->Painter();
  qt::SavedState saved(painter);
  if (options & ETO_CLIPPED)
    painter.setClipRect(QRect(clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top));
  if (options & ETO_OPAQUE) qt::FillArea(painter, clip, back);
  if (context->backMode == OPAQUE)
    painter.fillRect(QRect(x, y, metrics.horizontalAdvance(string), metrics.height()), back);
  painter.setFont(font);
  painter.setPen(qt::ColorOf(context->textColor));
  painter.drawText(QPoint(x, y + metrics.ascent()), string);
}

// ---- icons and cursors ----------------------------------------------------------

namespace qt {

namespace {

// A window's own icon is shown by the taskbar and the window switcher, at
// up to 64 pixels on a screen at 100%; a launcher or a dock shows the
// desktop entry's icon, from the icon theme. Larger sizes would only cost
// memory at every start.
constexpr int kLargestWindowIcon = 64;

// The program's icon ("MAINICON/<size>.png" in its resources), in the sizes
// the screens' pixel ratio calls for, is shared like a loaded resource:
// never freed.
IconObject* MainIcon() {
  static IconObject* const icon = []() -> IconObject* {
    if (!QGuiApplication::instance()) EnsureApplication();  // pixmaps need it
    QIcon sizes;
    const QDir folder(QStringLiteral(":/MAINICON"));
    const qreal largest = kLargestWindowIcon * qApp->devicePixelRatio();
    for (const QString& name : folder.entryList(QDir::Files)) {
      if (QFileInfo(name).baseName().toInt() > largest) continue;
      // Read as the PNG it is, without asking: guessing the type would load
      // the MIME database and every image plug-in, for a few small pictures.
      QImageReader reader(folder.filePath(name), "png");
      reader.setAutoDetectImageFormat(false);
      const QImage image = reader.read();
      if (!image.isNull()) sizes.addPixmap(QPixmap::fromImage(image));
    }
    if (sizes.isNull()) return nullptr;
    auto* made = new IconObject;
    made->icon = sizes;
    return made;
  }();
  return icon;
}

struct SystemCursor {
  int id;
  Qt::CursorShape shape;
};

constexpr SystemCursor kSystemCursors[] = {
    {IDC_ARROW, Qt::ArrowCursor}, {IDC_IBEAM, Qt::IBeamCursor}, {IDC_WAIT, Qt::WaitCursor},
    {IDC_CROSS, Qt::CrossCursor}, {32516, Qt::UpArrowCursor},   {32642, Qt::SizeFDiagCursor},
    {32643, Qt::SizeBDiagCursor}, {32644, Qt::SizeHorCursor},   {32645, Qt::SizeVerCursor},
    {32646, Qt::SizeAllCursor},   {32648, Qt::ForbiddenCursor}, {IDC_HAND, Qt::PointingHandCursor},
    {32650, Qt::BusyCursor},      {32651, Qt::WhatsThisCursor},
};

}  // namespace

QIcon ProgramIcon() {
  const IconObject* icon = MainIcon();
  return icon ? icon->icon : QIcon();
}

Icon NewIcon(const QIcon& icon) {
  auto* object = new IconObject;
  object->icon = icon;
  return Handle(object);
}

}  // namespace qt

bool DestroyIcon(Icon icon) {
  qt::IconObject* object = qt::AsIcon(icon);
  if (!object) return false;
  if (object != qt::MainIcon()) delete object;
  return true;
}

Icon CopyIcon(Icon icon) {
  const qt::IconObject* source = qt::AsIcon(icon);
  return source ? qt::NewIcon(source->icon) : nullptr;
}

Icon LoadMainIcon() {
  qt::IconObject* icon = qt::MainIcon();
  return icon ? qt::Handle(icon) : nullptr;
}

Cursor LoadSystemCursor(int id) {
  // One per id, shared for the life of the process.
  static std::array<qt::CursorObject*, std::size(qt::kSystemCursors)> loaded{};
  const auto known = std::ranges::find(qt::kSystemCursors, id, &qt::SystemCursor::id);
  if (known == std::end(qt::kSystemCursors)) return nullptr;
  qt::CursorObject*& cursor =
      loaded[static_cast<std::size_t>(known - std::begin(qt::kSystemCursors))];
  if (!cursor) {
    cursor = new qt::CursorObject;
    cursor->shape = known->shape;
  }
  return qt::Handle(cursor);
}

}  // namespace native
