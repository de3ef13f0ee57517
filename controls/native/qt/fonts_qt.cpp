// Fonts over Qt: a LOGFONT becomes the QFont that shows what Win32 would.
// The dialog face is Wine's bitmap "MS Sans Serif" at the sizes it has,
// with a scalable stand-in where it has none; other faces map to the
// metric-compatible families installed here.
#include "controls/native/qt/fonts_qt.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>
#include <string_view>
#include <vector>

#include "controls/native/qt/messages_qt.h"

namespace native {
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
// every caption, help line and list item of the program's windows,
// Liberation Sans at that size is never wider than the bitmap face was, and
// it keeps each inside its control, where Wine's Tahoma does not (at 11
// pixels, its size for the bitmap face's 8 points, help lines and unit names
// run over; at 10 the longest unit names and the lists' separator rows).
// Bold and italic text take it at every ratio; above a device pixel ratio of
// 1 all text does, as a bitmap strike would be drawn at its own size with
// its advances stretched: small letters far apart.
constexpr int kStandInNumerator = 10, kStandInDenominator = 13;
// A height of 0 asks a scalable face for its default cell.
constexpr int kDefaultCell = 16;
constexpr int kBoldWeight = 600;

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
  static const BitmapFace face = LoadBitmapFace();
  return face;
}

// The largest ratio of device pixels to the layout's pixels among the screens.
qreal DeviceRatio() {
  if (!QGuiApplication::instance()) EnsureApplication();
  return qApp->devicePixelRatio();
}

bool DrawnScaled() { return DeviceRatio() > 1; }

// Hinted to whole device pixels only vertically, which keeps stems and
// baselines crisp while the widths stay those the layout was made for;
// from three device pixels to one, hinting no longer shows.
QFont::HintingPreference ScaledHinting() {
  return DeviceRatio() < 3 ? QFont::PreferVerticalHinting : QFont::PreferNoHinting;
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
  font.setStyleStrategy(logFont.quality == NONANTIALIASED_QUALITY ? QFont::NoAntialias
                        : logFont.quality == ANTIALIASED_QUALITY  ? QFont::PreferAntialias
                                                                  : QFont::PreferDefault);
  if (DrawnScaled()) font.setHintingPreference(ScaledHinting());
}

QFont DialogFont(const LogFont& logFont) {
  const int cell = DialogCell(logFont.height);
  // Qt neither emboldens nor slants a bitmap strike; a scalable face shows those.
  const bool plain = logFont.weight < kBoldWeight && !logFont.italic;
  QFont font;
  if (plain && !DrawnScaled() &&
      std::ranges::find(DialogBitmapFace().cells, cell) != DialogBitmapFace().cells.end()) {
    font.setFamily(DialogBitmapFace().family);
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
  // Before any font is made: the font database needs the application object.
  if (!QGuiApplication::instance()) EnsureApplication();
  return IsDialogFace(logFont.faceName) ? DialogFont(logFont) : ScalableFont(logFont);
}

LogFont DialogLogFont() {
  LogFont logFont;
  logFont.faceName = "MS Sans Serif";
  return logFont;
}

}  // namespace

const QFont& SystemFont() {
  static const QFont font = MapFont(DialogLogFont());
  return font;
}

const QFont& CaptionFont() {
  static const QFont font = [] {
    LogFont logFont = DialogLogFont();
    logFont.weight = 700;
    return MapFont(logFont);
  }();
  return font;
}

FontObject* StockFont() {
  static FontObject* const font = [] {
    auto* made = new FontObject;
    made->logFont = DialogLogFont();
    made->font = SystemFont();
    return made;
  }();
  return font;
}

}  // namespace qt

Font CreateFont(const LogFont& font) {
  auto* object = new qt::FontObject;
  object->logFont = font;
  object->font = qt::MapFont(font);
  return qt::Handle(object);
}

}  // namespace native
