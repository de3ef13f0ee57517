// The look every system control is drawn in: Qt's classic "Windows" style,
// which draws the controls as the Win32 build shows them.
#include <QImage>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <utility>

#include "controls/native/qt/system_classes_qt.h"

namespace native::qt {

namespace {

// The two lines of a classic panel, outer then inner, each lit from the top left.
struct Shades {
  QColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

// The colours Qt's qDrawWinPanel and qDrawWinButton take from a palette.
Shades PanelShades(const QPalette& palette, bool sunken) {
  if (sunken)
    return {palette.dark().color(), palette.light().color(), palette.shadow().color(),
            palette.midlight().color()};
  return {palette.light().color(), palette.shadow().color(), palette.midlight().color(),
          palette.dark().color()};
}

Shades ButtonShades(const QPalette& palette, bool sunken) {
  if (sunken)
    return {palette.shadow().color(), palette.light().color(), palette.dark().color(),
            palette.button().color()};
  return {palette.light().color(), palette.shadow().color(), palette.button().color(),
          palette.dark().color()};
}

// The raised buttons of a combo box and a scroll bar swap two colours first.
QPalette SmallButtonPalette(const QPalette& palette) {
  QPalette swapped(palette);
  swapped.setColor(QPalette::Button, palette.light().color());
  swapped.setColor(QPalette::Light, palette.button().color());
  return swapped;
}

// A frame's, as the classic style picks them by its state.
Shades FrameShades(const QStyleOption& option) {
  QPalette palette(option.palette);
  const bool sunken = option.state & QStyle::State_Sunken;
  if (!qstyleoption_cast<const QStyleOptionFrame*>(&option)) {
    palette.setColor(QPalette::Light, option.palette.window().color());
    palette.setColor(QPalette::Midlight, option.palette.light().color());
  } else if (option.state & QStyle::State_Raised) {
    return ButtonShades(palette, sunken);
  } else if (sunken) {
    palette.setColor(QPalette::Midlight, option.palette.window().color());
  }
  return PanelShades(palette, sunken);
}

// Qt draws a classic panel's lines one device pixel wide at any ratio,
// which above 1 leaves a thin frame with a gap of the window's colour
// inside it. Drawn again over them a layout pixel wide, as the layer draws
// its own edges, the panel keeps the proportions it has at 100% (drawn at
// 100% too, the lines are Qt's pixel for pixel). The bottom and right lines
// run the full length, as Qt's do.
void DrawScaledShades(QPainter* painter, QRect r, const Shades& shades) {
  if (painter->device()->devicePixelRatioF() <= 1 || r.width() < 2 || r.height() < 2) return;
  const std::pair<QColor, QColor> lines[] = {{shades.outerTopLeft, shades.outerBottomRight},
                                             {shades.innerTopLeft, shades.innerBottomRight}};
  for (const auto& [topLeft, bottomRight] : lines) {
    painter->fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    painter->fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter->fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    r.adjust(1, 1, -1, -1);
    if (r.width() <= 2 || r.height() <= 2) return;  // too small for an inner line, as in Qt
  }
}

// Drop-down lists open under their box as a Win32 drop-down list does,
// rather than over it.
class ClassicStyle : public QProxyStyle {
 public:
  ClassicStyle() : QProxyStyle(QStyleFactory::create("Windows")) {}

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_FrameFocusRect && painter->device()->devicePixelRatioF() > 1) {
      DrawDotsScaled(option, painter, widget);
      return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool sunken = option->state & State_Sunken;
    switch (element) {
      case PE_Frame:
        DrawScaledShades(painter, option->rect, FrameShades(*option));
        break;
      case PE_IndicatorCheckBox:
        DrawScaledShades(painter, option->rect, PanelShades(option->palette, true));
        break;
      case PE_PanelButtonCommand: {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        const bool pressedDefault =
            button && (button->features & QStyleOptionButton::DefaultButton) && sunken;
        if (!pressedDefault && (option->state & (State_Raised | State_On | State_Sunken)))
          DrawScaledShades(
              painter, option->rect,
              ButtonShades(option->palette, option->state & (State_Sunken | State_On)));
        break;
      }
      default:
        break;
    }
  }

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    QProxyStyle::drawControl(element, option, painter, widget);
    const bool arrow = element == CE_ScrollBarAddLine || element == CE_ScrollBarSubLine;
    const bool slider = element == CE_ScrollBarSlider && (option->state & State_Enabled);
    if ((arrow && !(option->state & State_Sunken)) || slider)
      DrawScaledShades(
          painter, option->rect,
          ButtonShades(SmallButtonPalette(option->palette), arrow && (option->state & State_On)));
  }

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || !combo) return;
    if ((combo->subControls & SC_ComboBoxFrame) && combo->frame) {
      QPalette framePalette(combo->palette);
      framePalette.setColor(QPalette::Midlight, combo->palette.button().color());
      DrawScaledShades(painter, combo->rect, PanelShades(framePalette, true));
    }
    const bool arrowPressed =
        combo->activeSubControls == SC_ComboBoxArrow && (combo->state & State_Sunken);
    if ((combo->subControls & SC_ComboBoxArrow) && !arrowPressed)
      DrawScaledShades(painter, subControlRect(CC_ComboBox, combo, SC_ComboBoxArrow, widget),
                       ButtonShades(SmallButtonPalette(combo->palette), false));
  }

 private:
  // The dotted focus rectangle is a pattern of device pixels, which above a
  // ratio of 1 would be a faint grey hairline: Qt draws it at 100% here,
  // and it is scaled up dot for dot, without smoothing.
  void DrawDotsScaled(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
    const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(option);
    if (!focus || option->rect.isEmpty()) return;
    QStyleOptionFocusRect atOrigin(*focus);
    atOrigin.rect.moveTopLeft(QPoint(0, 0));
    QImage dots(option->rect.size(), QImage::Format_ARGB32_Premultiplied);
    dots.fill(Qt::transparent);
    QPainter dotPainter(&dots);
    dotPainter.setBackground(painter->background());
    QProxyStyle::drawPrimitive(PE_FrameFocusRect, &atOrigin, &dotPainter, widget);
    dotPainter.end();
    const bool smooth = painter->testRenderHint(QPainter::SmoothPixmapTransform);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter->drawImage(option->rect, dots);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, smooth);
  }
};

}  // namespace

// One style for the whole application: a style set on each combo box would
// make each build its list at once instead of when it first opens.
QStyle* MakeApplicationStyle() { return new ClassicStyle; }

}  // namespace native::qt
