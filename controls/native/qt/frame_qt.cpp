// The frame the back end draws itself around a top-level window: the Win32
// border and caption a window's styles ask for, painted in the system's
// colours with Qt's classic title bar, and the pointer on it handled as
// Win32's default processing does. On Wayland a window is its own frame: the
// compositor only moves and resizes it when asked, and the caption offers
// maximize only to a window that may change its size.
#include "controls/native/qt/frame_qt.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWidget>
#include <QWindow>
#include <qdrawutil.h>

#include "controls/native/qt/fonts_qt.h"
#include "controls/native/qt/gdi_qt.h"
#include "controls/native/qt/messages_qt.h"
#include "controls/native/qt/placement_qt.h"

namespace native::qt {

namespace {

std::optional<bool>& Forced() {
  static std::optional<bool> forced;
  return forced;
}

bool IsTool(const Window* w) { return (w->exStyle & WS_EX_TOOLWINDOW) != 0; }
bool Resizable(const Window* w) { return (w->style & WS_THICKFRAME) != 0; }
bool HasCaption(const Window* w) { return (w->style & WS_CAPTION) == WS_CAPTION; }
bool Maximised(const Window* w) { return w->widget->windowState() & Qt::WindowMaximized; }

// The caption bar inside the border, in widget coordinates; a line of the
// frame's colour parts it from the client area.
QRect CaptionRect(const Window* w) {
  if (!HasCaption(w)) return {};
  const QMargins frame = FrameOf(w);
  return {frame.left(), frame.left(), w->widget->width() - frame.left() - frame.right(),
          frame.top() - frame.left() - 1};
}

// The caption buttons a window's styles ask for. A window that may not
// change its size has no maximize button, whatever its styles say.
Qt::WindowFlags CaptionButtons(const Window* w) {
  Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint;
  if (!(w->style & WS_SYSMENU)) return flags;
  flags |= Qt::WindowSystemMenuHint;
  if (IsTool(w)) return flags;
  if (w->style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
  if ((w->style & WS_MAXIMIZEBOX) && Resizable(w)) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

struct PartControl {
  FramePart part;
  QStyle::SubControl control;
};

constexpr PartControl kButtons[] = {
    {FramePart::Close, QStyle::SC_TitleBarCloseButton},
    {FramePart::Minimize, QStyle::SC_TitleBarMinButton},
    {FramePart::Maximize, QStyle::SC_TitleBarMaxButton},
    {FramePart::Maximize, QStyle::SC_TitleBarNormalButton},
};

QStyle::SubControl ControlOf(FramePart part, const Window* w) {
  if (part == FramePart::Maximize && Maximised(w)) return QStyle::SC_TitleBarNormalButton;
  for (const PartControl& button : kButtons)
    if (button.part == part) return button.control;
  return QStyle::SC_None;
}

// The system's caption colours: the bar runs from the first to the second.
QPalette CaptionPalette(bool active) {
  QPalette palette;
  palette.setColor(QPalette::Highlight,
                   ColorOf(GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION)));
  palette.setColor(QPalette::Base, ColorOf(GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION
                                                              : COLOR_GRADIENTINACTIVECAPTION)));
  palette.setColor(QPalette::HighlightedText,
                   ColorOf(GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT)));
  palette.setColor(QPalette::Button, ColorOf(GetSysColor(COLOR_BTNFACE)));
  palette.setColor(QPalette::ButtonText, ColorOf(GetSysColor(COLOR_BTNTEXT)));
  palette.setColor(QPalette::Light, ColorOf(GetSysColor(COLOR_BTNHIGHLIGHT)));
  palette.setColor(QPalette::Midlight, ColorOf(GetSysColor(COLOR_3DLIGHT)));
  palette.setColor(QPalette::Dark, ColorOf(GetSysColor(COLOR_BTNSHADOW)));
  palette.setColor(QPalette::Shadow, ColorOf(GetSysColor(COLOR_3DDKSHADOW)));
  return palette;
}

QRect ControlRect(const QStyleOptionTitleBar& caption, QStyle::SubControl control) {
  return QApplication::style()->subControlRect(QStyle::CC_TitleBar, &caption, control, nullptr);
}

// The caption as Qt's title bar lays it out and draws it, without its text,
// which is written apart in the caption font.
QStyleOptionTitleBar CaptionLayout(const Window* w) {
  const bool active = w->widget->isActiveWindow();
  QStyleOptionTitleBar caption;
  caption.rect = CaptionRect(w);
  caption.palette = CaptionPalette(active);
  caption.state = QStyle::State_Enabled | (active ? QStyle::State_Active : QStyle::State_None);
  caption.titleBarFlags = CaptionButtons(w);
  caption.titleBarState =
      (active ? Qt::WindowActive : 0) | (Maximised(w) ? Qt::WindowMaximized : 0);
  caption.subControls = QStyle::SC_TitleBarLabel | QStyle::SC_TitleBarCloseButton |
                        QStyle::SC_TitleBarMinButton | QStyle::SC_TitleBarMaxButton |
                        QStyle::SC_TitleBarNormalButton;
  if (!IsTool(w) && (w->style & WS_SYSMENU)) {
    caption.subControls |= QStyle::SC_TitleBarSysMenu;
    caption.icon = w->widget->windowIcon();
  }
  return caption;
}

FramePart PartAt(const Window* w, const QStyleOptionTitleBar& caption, QPoint at) {
  const QRect client = w->widget->rect().marginsRemoved(FrameOf(w));
  if (client.contains(at) || !w->widget->rect().contains(at)) return FramePart::None;
  if (!caption.rect.contains(at)) return FramePart::Border;
  if (!(caption.titleBarFlags & Qt::WindowSystemMenuHint)) return FramePart::Caption;
  for (const PartControl& button : kButtons)
    if (ControlRect(caption, button.control).contains(at)) return button.part;
  return FramePart::Caption;
}

// A pressed button looks pressed while the pointer is over it.
QStyleOptionTitleBar CaptionOption(const Window* w) {
  QStyleOptionTitleBar caption = CaptionLayout(w);
  const auto pressed = static_cast<FramePart>(w->framePressed);
  if (pressed != FramePart::None && PartAt(w, caption, w->framePointer) == pressed) {
    caption.activeSubControls = ControlOf(pressed, w);
    caption.state |= QStyle::State_Sunken;
  }
  return caption;
}

// The title runs from the icon, or the caption's start, to the first button.
QRect TitleRect(const QStyleOptionTitleBar& caption) {
  QRect title = caption.rect.adjusted(2, 0, -2, 0);
  if (caption.subControls & QStyle::SC_TitleBarSysMenu)
    title.setLeft(ControlRect(caption, QStyle::SC_TitleBarSysMenu).right() + 3);
  for (const PartControl& button : kButtons) {
    const QRect r = ControlRect(caption, button.control);
    if (r.isValid() && r.left() > title.left()) title.setRight(std::min(title.right(), r.left() - 3));
  }
  return title;
}

void PaintBorder(QPainter& painter, const Window* w) {
  const QRect outer = w->widget->rect();
  const QPalette palette = CaptionPalette(true);
  painter.fillRect(outer, palette.button());
  if (FrameOf(w).left() >= 2) qDrawWinPanel(&painter, outer, palette, false);
}

void PaintCaption(QPainter& painter, const Window* w) {
  if (!HasCaption(w)) return;
  const QStyleOptionTitleBar caption = CaptionOption(w);
  QApplication::style()->drawComplexControl(QStyle::CC_TitleBar, &caption, &painter, nullptr);
  painter.setFont(CaptionFont());
  painter.setPen(caption.palette.color(QPalette::HighlightedText));
  const QRect title = TitleRect(caption);
  const QString text = painter.fontMetrics().elidedText(w->widget->windowTitle(), Qt::ElideRight,
                                                        title.width());
  painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

// The frame's own widget: it covers the window's widget whole but takes
// only the frame's pixels and pointer, and follows the window's size.
class DrawnFrame : public QWidget {
 public:
  explicit DrawnFrame(QWidget* window) : QWidget(window) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    window->installEventFilter(this);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    const Window* w = WindowOfWidget(parentWidget());
    if (!w || !w->widget) return;
    QPainter painter(this);
    PaintBorder(painter, w);
    PaintCaption(painter, w);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
      if (Window* w = WindowOfWidget(parentWidget())) PlaceFrame(w);
    return false;
  }
};

DrawnFrame* FrameWidget(const Window* w) {
  if (!w->widget) return nullptr;
  for (QObject* child : w->widget->children())
    if (auto* frame = dynamic_cast<DrawnFrame*>(child)) return frame;
  return nullptr;
}

Qt::Edges EdgesOf(LResult hit) {
  switch (hit) {
    case HTLEFT:
      return Qt::LeftEdge;
    case HTRIGHT:
      return Qt::RightEdge;
    case HTTOP:
      return Qt::TopEdge;
    case HTBOTTOM:
      return Qt::BottomEdge;
    case HTTOPLEFT:
      return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT:
      return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT:
      return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
      return Qt::BottomEdge | Qt::RightEdge;
    default:
      return {};
  }
}

WParam CommandOf(FramePart part, const Window* w) {
  switch (part) {
    case FramePart::Close:
      return SC_CLOSE;
    case FramePart::Minimize:
      return SC_MINIMIZE;
    case FramePart::Maximize:
      return Maximised(w) ? SC_RESTORE : SC_MAXIMIZE;
    default:
      return 0;
  }
}

void PressFrame(Window* w, FramePart part, QMouseEvent* event) {
  QWindow* window = w->widget->windowHandle();
  if (part == FramePart::Caption) {
    if (window) window->startSystemMove();
  } else if (part == FramePart::Border) {
    const QPoint global = event->globalPosition().toPoint();
    const Qt::Edges edges = EdgesOf(HitTest(w, {global.x(), global.y()}));
    if (window && edges && Resizable(w)) window->startSystemResize(edges);
  } else {
    w->framePressed = static_cast<int>(part);
    FrameWidget(w)->update();
  }
}

void SendCommand(Window* w, FramePart part) {
  Enqueue({ToHwnd(w), WM_SYSCOMMAND, CommandOf(part, w), 0, 0, GetCursorPos()});
}

// A button acts when released over itself, as a push button does.
void ReleaseFrame(Window* w, FramePart part) {
  const auto pressed = static_cast<FramePart>(w->framePressed);
  w->framePressed = static_cast<int>(FramePart::None);
  FrameWidget(w)->update();
  if (pressed != FramePart::None && pressed == part && !w->disabled) SendCommand(w, part);
}

}  // namespace

bool OwnFramesWanted() {
  if (Forced()) return *Forced();
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void SetOwnFrames(std::optional<bool> wanted) { Forced() = wanted; }

FramePart FramePartAt(const Window* w, QPoint at) {
  if (!w->widget || !DrawsOwnFrame(w)) return FramePart::None;
  return PartAt(w, CaptionLayout(w), at);
}

void AttachFrame(Window* w) {
  if (!DrawsOwnFrame(w) || !w->widget || FrameWidget(w)) return;
  new DrawnFrame(w->widget);
  PlaceFrame(w);
}

void PlaceFrame(Window* w) {
  DrawnFrame* frame = FrameWidget(w);
  if (!frame) return;
  const QRect whole = w->widget->rect();
  frame->setGeometry(whole);
  frame->setMask(QRegion(whole) - QRegion(whole.marginsRemoved(FrameOf(w))));
  frame->raise();
  frame->show();
  frame->update();
}

bool IsDrawnFrame(const QObject* object) { return dynamic_cast<const DrawnFrame*>(object); }

void OnFrameMouse(Window* w, QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const FramePart part = FramePartAt(w, at);
  const bool pressing = w->framePressed != static_cast<int>(FramePart::None);
  w->framePointer = at;
  const bool left = event->button() == Qt::LeftButton;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (left && !w->disabled) PressFrame(w, part, event);
      return;
    case QEvent::MouseButtonDblClick:
      // A double click on the caption maximises or restores what may change size.
      if (left && part == FramePart::Caption && !w->disabled &&
          (CaptionButtons(w) & Qt::WindowMaximizeButtonHint))
        SendCommand(w, FramePart::Maximize);
      return;
    case QEvent::MouseButtonRelease:
      if (left && pressing) ReleaseFrame(w, part);
      return;
    default:
      if (pressing) FrameWidget(w)->update();
      return;
  }
}

}  // namespace native::qt
