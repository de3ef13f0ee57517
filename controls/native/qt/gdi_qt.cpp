// The GDI half of the Qt back end: brushes, fonts, icons and cursors behind
// the seam's handles, device contexts that draw with QPainter where GDI would
// draw, and the colours a system control asks its parent for.
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageReader>
#include <QPalette>
#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "controls/native/qt/qt_backend.h"

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

template <class T>
T* Track(T* object) {
  Live().insert(object);
  return object;
}

void Free(GdiObject* object) {
  Live().erase(object);
  delete object;
}

GdiObject* Lookup(const void* handle, GdiObject::Kind kind) {
  auto* object = static_cast<const GdiObject*>(handle);
  if (!object || !Live().contains(object) || object->kind != kind) return nullptr;
  return const_cast<GdiObject*>(object);
}

GdiTag* Handle(GdiObject* object) { return reinterpret_cast<GdiTag*>(object); }

}  // namespace

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
    brush = Track(new BrushObject);
    brush->color = ColorOf(stock.rgb);
    brush->hollow = stock.hollow;
    brush->stock = true;
  }
  return brush;
}

// What a brush paints with: nothing for a hollow brush. A system colour index
// plus one stands for that colour, as in a window class.
std::optional<QColor> BrushColour(const void* brush) {
  if (const BrushObject* object = AsBrush(brush)) {
    if (object->hollow) return std::nullopt;
    return object->color;
  }
  const auto index = reinterpret_cast<std::uintptr_t>(brush);
  if (index >= 1 && index <= kSystemColours.size()) return ColorOf(kSystemColours[index - 1]);
  return std::nullopt;
}

}  // namespace

}  // namespace qt

std::uint32_t GetSysColor(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= qt::kSystemColours.size()) return 0;
  return qt::kSystemColours[static_cast<std::size_t>(index)];
}

Brush CreateSolidBrush(std::uint32_t rgb) {
  auto* brush = qt::Track(new qt::BrushObject);
  brush->color = qt::ColorOf(rgb);
  return qt::Handle(brush);
}

Brush GetStockBrush(int stockObject) {
  for (const qt::StockBrush& stock : qt::kStockBrushes)
    if (stock.id == stockObject) return qt::Handle(qt::StockBrushObject(stock));
  return nullptr;
}

// ---- fonts --------------------------------------------------------------------

namespace qt {

namespace {

constexpr const char* kDialogFontFile = "/usr/share/wine/fonts/ms_sans_serif.ttf";
constexpr std::string_view kDialogFaces[] = {"MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2"};
// The bitmap face's sizes, by cell and by character height (the cell less its
// internal leading). Win32 takes the largest size not above the request, or
// the smallest; a scaled face stands in for its larger sizes from here up.
struct Strike {
  int cell;
  int character;
};
constexpr Strike kDialogStrikes[] = {{13, 11}, {16, 13}, {20, 16}};
constexpr Strike kFirstUnstruck = {24, 20};
// The scalable stand-in for the bitmap face runs at 10/13 of its cell: over
// every caption and help line of the program's windows, Liberation Sans at
// that size is never wider than the bitmap face was.
constexpr int kStandInNumerator = 10, kStandInDenominator = 13;
// A height of 0 asks a scalable face for its default cell.
constexpr int kDefaultCell = 16;
constexpr int kBoldWeight = 600;
constexpr std::uint8_t kNonAntialiasedQuality = 3, kAntialiasedQuality = 4;

struct FaceAlias {
  std::string_view face;
  const char* family;
};

// Faces the windows may name, and the metric-compatible families here.
constexpr FaceAlias kFaceAliases[] = {
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

const QStringList& SansFamilies() {
  static const QStringList families = {"Liberation Sans", "Arimo", "DejaVu Sans"};
  return families;
}

bool SameFace(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return (x >= 'A' && x <= 'Z' ? x + 32 : x) == (y >= 'A' && y <= 'Z' ? y + 32 : y);
  });
}

bool IsDialogFace(std::string_view face) {
  return face.empty() || std::ranges::any_of(kDialogFaces, [face](std::string_view known) {
           return SameFace(known, face);
         });
}

// The bitmap dialog face, and which of its strikes Qt can show: Qt registers
// only some of a bitmap file's sizes.
struct BitmapFace {
  QString family;
  std::vector<int> cells;
};

BitmapFace LoadBitmapFace() {
  BitmapFace face;
  const int id = QFontDatabase::addApplicationFont(kDialogFontFile);
  const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) return face;
  face.family = families.front();
  for (const Strike& strike : kDialogStrikes) {
    QFont font(face.family);
    font.setPixelSize(strike.cell);
    if (QFontInfo(font).family() == face.family && QFontMetrics(font).height() == strike.cell)
      face.cells.push_back(strike.cell);
  }
  return face;
}

const BitmapFace& DialogBitmapFace() {
  // The font database needs the application object.
  if (!QGuiApplication::instance()) EnsureApplication();
  static const BitmapFace face = LoadBitmapFace();
  return face;
}

// A positive height asks for a cell, a negative one for a character height.
int DialogCell(int height) {
  const bool byCharacter = height < 0;
  const int wanted = byCharacter ? -height : height;
  const auto sizeOf = [byCharacter](const Strike& s) { return byCharacter ? s.character : s.cell; };
  if (wanted >= sizeOf(kFirstUnstruck))
    return byCharacter ? wanted * kFirstUnstruck.cell / kFirstUnstruck.character : wanted;
  int cell = kDialogStrikes[0].cell;
  for (const Strike& strike : kDialogStrikes)
    if (sizeOf(strike) <= wanted) cell = strike.cell;
  return cell;
}

// The largest pixel size whose cell fits the height, as Win32 sizes a
// scalable face for a positive (cell) height.
int PixelSizeForCell(QFont font, int cell) {
  constexpr int kProbe = 256;
  font.setPixelSize(kProbe);
  const qreal cellPerPixel = QFontMetricsF(font).height() / kProbe;
  int size = std::max(1, qRound(cell / cellPerPixel));
  for (; size > 1; --size) {
    font.setPixelSize(size);
    if (QFontMetrics(font).height() <= cell) break;
  }
  return size;
}

QStringList FamiliesFor(const std::string& face) {
  QStringList families = SansFamilies();
  for (const FaceAlias& alias : kFaceAliases) {
    if (SameFace(alias.face, face)) {
      families.prepend(alias.family);
      return families;
    }
  }
  families.prepend(QString::fromStdString(face));
  return families;
}

// Every attribute is set: a new QFont starts as the application's font.
void ApplyStyle(QFont& font, const LogFont& logFont) {
  const int weight = logFont.weight > 0 ? std::clamp(logFont.weight, 100, 900) : QFont::Normal;
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(logFont.italic != 0);
  font.setUnderline(logFont.underline != 0);
  font.setStrikeOut(logFont.strikeOut != 0);
  font.setKerning(false);  // GDI places each glyph by its advance alone
  font.setStyleStrategy(logFont.quality == kNonAntialiasedQuality ? QFont::NoAntialias
                        : logFont.quality == kAntialiasedQuality  ? QFont::PreferAntialias
                                                                  : QFont::PreferDefault);
}

QFont DialogFont(const LogFont& logFont) {
  const int cell = DialogCell(logFont.height);
  const BitmapFace& face = DialogBitmapFace();
  // Qt neither emboldens nor slants a bitmap strike; a scalable face shows those.
  const bool plain = logFont.weight < kBoldWeight && !logFont.italic;
  QFont font;
  if (plain && std::ranges::find(face.cells, cell) != face.cells.end()) {
    font.setFamily(face.family);
    font.setPixelSize(cell);
  } else {
    font.setFamilies(SansFamilies());
    font.setPixelSize(std::max(1, cell * kStandInNumerator / kStandInDenominator));
  }
  ApplyStyle(font, logFont);
  return font;
}

QFont ScalableFont(const LogFont& logFont) {
  QFont font;
  font.setFamilies(FamiliesFor(logFont.faceName));
  ApplyStyle(font, logFont);
  if (logFont.height < 0) {
    font.setPixelSize(-logFont.height);
  } else {
    font.setPixelSize(PixelSizeForCell(font, logFont.height ? logFont.height : kDefaultCell));
  }
  return font;
}

QFont MapFont(const LogFont& logFont) {
  DialogBitmapFace();  // before any font is made: it makes the application when there is none
  return IsDialogFace(logFont.faceName) ? DialogFont(logFont) : ScalableFont(logFont);
}

LogFont DialogLogFont() {
  LogFont logFont;
  logFont.faceName = "MS Sans Serif";
  return logFont;
}

FontObject* StockFont() {
  static FontObject* const font = [] {
    auto* made = Track(new FontObject);
    made->logFont = DialogLogFont();
    made->font = SystemFont();
    return made;
  }();
  return font;
}

}  // namespace

const QFont& SystemFont() {
  static const QFont font = MapFont(DialogLogFont());
  return font;
}

}  // namespace qt

Font CreateFont(const LogFont& font) {
  auto* object = qt::Track(new qt::FontObject);
  object->logFont = font;
  object->font = qt::MapFont(font);
  return qt::Handle(object);
}

bool DeleteObject(void* object) {
  if (qt::FontObject* font = qt::AsFont(object)) {
    if (font != qt::StockFont()) qt::Free(font);
    return true;
  }
  if (qt::BrushObject* brush = qt::AsBrush(object)) {
    if (!brush->stock) qt::Free(brush);
    return true;
  }
  return false;
}

// ---- device contexts ---------------------------------------------------------

namespace qt {

DeviceContext::DeviceContext(QWidget* widget) : GdiObject(Kind::Dc), widget_(widget) {
  Live().insert(this);
}

DeviceContext::DeviceContext(QImage* image) : GdiObject(Kind::Dc), image_(image) {
  Live().insert(this);
}

DeviceContext::~DeviceContext() {
  End();
  Live().erase(this);
}

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

void Paint(Hwnd window, Dc dc, const std::function<void(Dc)>& draw) {
  if (dc) {
    draw(dc);
    return;
  }
  const qt::Window* record = qt::AsWindow(window);
  if (record && record->paintDc) {
    draw(qt::ToDc(record->paintDc));
    return;
  }
  // Outside a paint event the drawing would be painted over at once.
  QImage scratch(1, 1, QImage::Format_RGB32);
  qt::DeviceContext context(&scratch);
  draw(qt::ToDc(&context));
}

// ---- icons and cursors ----------------------------------------------------------

namespace qt {

namespace {

// The program's icon is shared like a loaded resource: never freed.
IconObject* MainIcon() {
  static IconObject* const icon = []() -> IconObject* {
    // Read as the PNG it is, without asking: guessing the type would load
    // the MIME database and every image plug-in, for a 48-pixel picture.
    if (!QFile::exists(QStringLiteral(":/MAINICON"))) return nullptr;
    QImageReader reader(QStringLiteral(":/MAINICON"), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull()) return nullptr;
    auto* made = Track(new IconObject);
    made->icon.addPixmap(QPixmap::fromImage(image));
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

Icon NewIcon(const QIcon& icon) {
  auto* object = Track(new IconObject);
  object->icon = icon;
  return Handle(object);
}

}  // namespace qt

bool DestroyIcon(Icon icon) {
  qt::IconObject* object = qt::AsIcon(icon);
  if (!object) return false;
  if (object != qt::MainIcon()) qt::Free(object);
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
    cursor = qt::Track(new qt::CursorObject);
    cursor->shape = known->shape;
  }
  return qt::Handle(cursor);
}

// ---- painting windows and control colours ------------------------------------

namespace qt {

namespace {

constexpr std::uint32_t kButtonTypeMask = 0xF;
constexpr std::uint32_t kPushButton = 0x0, kDefPushButton = 0x1, kGroupBox = 0x7, kOwnerDrawn = 0xB;

bool IsPushButton(std::uint32_t style) {
  const std::uint32_t type = style & kButtonTypeMask;
  return type == kPushButton || type == kDefPushButton || type == kOwnerDrawn;
}

// How a system control asks for its colours, and what of the answer it uses.
struct ColourUse {
  std::uint32_t message = 0;
  bool usesAnswer = true;  // a push button's face keeps the system colours
  bool fills = false;      // paints its whole area with the brush
};

ColourUse ColourUseOf(Window* window) {
  const bool enabled = native::IsWindowEnabled(ToHwnd(window));
  const std::uint32_t style = window->style;
  switch (window->systemClass) {
    case SystemClass::Static:
      return {WM_CTLCOLORSTATIC, true, true};
    case SystemClass::Button:
      if (IsPushButton(style)) return {WM_CTLCOLORBTN, false, false};
      return {WM_CTLCOLORSTATIC, true, (style & kButtonTypeMask) != kGroupBox};
    case SystemClass::Edit:
      return {(style & ES_READONLY) || !enabled ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, true, false};
    case SystemClass::ComboBox:
      return {enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC, true, false};
    case SystemClass::None:
      break;
  }
  return {0, false, false};
}

constexpr QPalette::ColorGroup kColourGroups[] = {QPalette::Active, QPalette::Inactive,
                                                  QPalette::Disabled};
constexpr QPalette::ColorRole kFaceRoles[] = {QPalette::Window, QPalette::Base, QPalette::Button};
constexpr QPalette::ColorRole kTextRoles[] = {QPalette::WindowText, QPalette::Text,
                                              QPalette::ButtonText};

// A disabled control writes in the system's grey whatever its parent says.
QPalette Coloured(QPalette palette, const std::optional<QColor>& face, const QColor& text) {
  const QColor grey = ColorOf(GetSysColor(COLOR_GRAYTEXT));
  for (QPalette::ColorGroup group : kColourGroups) {
    if (face)
      for (QPalette::ColorRole role : kFaceRoles) palette.setColor(group, role, *face);
    for (QPalette::ColorRole role : kTextRoles)
      palette.setColor(group, role, group == QPalette::Disabled ? grey : text);
  }
  return palette;
}

// Setting a palette or attribute schedules another paint, so only changes are set.
void Show(QWidget* widget, const QPalette& palette, bool fill) {
  if (widget->palette() != palette) widget->setPalette(palette);
  if (widget->autoFillBackground() != fill) widget->setAutoFillBackground(fill);
}

}  // namespace

void ApplyControlColours(Window* window) {
  const Hwnd handle = ToHwnd(window);
  const ColourUse use = ColourUseOf(window);
  if (!use.message || !window->parent) return;
  QImage scratch(1, 1, QImage::Format_RGB32);
  DeviceContext question(&scratch);
  const LResult answer = native::SendMessage(ToHwnd(window->parent), use.message,
                                             reinterpret_cast<WParam>(ToDc(&question)),
                                             reinterpret_cast<LParam>(handle));
  window = AsWindow(handle);
  if (!answer || !use.usesAnswer || !window || !window->widget) return;
  const std::optional<QColor> face = BrushColour(reinterpret_cast<const void*>(answer));
  QWidget* widget = window->widget;
  Show(widget, Coloured(widget->palette(), face, ColorOf(question.textColor)), use.fills && face);
}

bool PaintWindow(Window* window) {
  if (!window->widget) return true;
  const Hwnd handle = ToHwnd(window);
  DeviceContext dc(window->widget);
  window->paintDc = &dc;
  if (window->systemClass != SystemClass::None) ApplyControlColours(window);
  if (AsWindow(handle))
    native::SendMessage(handle, WM_ERASEBKGND, reinterpret_cast<WParam>(ToDc(&dc)), 0);
  if ((window = AsWindow(handle))) {
    window->widgetPaints = false;
    native::SendMessage(handle, WM_PAINT, 0, 0);
  }
  window = AsWindow(handle);
  if (!window) return true;
  window->paintDc = nullptr;
  if (!window->widgetPaints) return true;
  dc.End();
  return false;
}

}  // namespace qt

}  // namespace native
