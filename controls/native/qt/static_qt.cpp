// The system class STATIC over a QLabel: text labels with or without an
// edge, and labels that report clicks.
#include <QLabel>

#include "controls/native/qt/placement_qt.h"
#include "controls/native/qt/system_classes_qt.h"

namespace native::qt {

namespace {

// Without SS_NOPREFIX an ampersand marks a mnemonic and "&&" is one ampersand.
QString StaticText(const Window* w) {
  const QString text = Q(w->text);
  if (w->style & SS_NOPREFIX) return text;
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&') {
      if (++i == text.size()) break;  // a last ampersand marks nothing
    }
    shown += text[i];  // after an ampersand, the marked character (or "&" for "&&")
  }
  return shown;
}

void ApplyStaticStyle(Window* w) {
  auto* label = qobject_cast<QLabel*>(w->widget.data());
  if (!label) return;
  const U32 type = w->style & SS_TYPEMASK;
  Qt::Alignment align = type == SS_CENTER  ? Qt::AlignHCenter
                        : type == SS_RIGHT ? Qt::AlignRight
                                           : Qt::AlignLeft;
  align |= (w->style & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop;
  label->setAlignment(align);
  label->setWordWrap(type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE);
  const QPoint origin = ClientOrigin(w);
  const bool sunken = (w->exStyle & WS_EX_CLIENTEDGE) || (w->style & SS_SUNKEN);
  label->setFrameStyle(origin.x() > 0 ? (QFrame::Panel | (sunken ? QFrame::Sunken : QFrame::Raised))
                                      : QFrame::NoFrame);
  label->setLineWidth(origin.x());
  label->setText(StaticText(w));
}

void MakeStaticWidget(Window* w) {
  auto* label = new QLabel(w->parent ? w->parent->widget.data() : nullptr);
  label->setTextFormat(Qt::PlainText);
  label->setMargin(0);
  label->setIndent(0);
  label->setAutoFillBackground(true);
  w->widget = label;
  ApplyStaticStyle(w);
}

}  // namespace

LResult StaticProcedure(Hwnd h, U32 message, WParam wParam, LParam lParam) {
  Window* w = AsWindow(h);
  if (!w) return 0;
  switch (message) {
    case WM_CREATE:
      w->systemClass = SystemClass::Static;
      MakeStaticWidget(w);
      return 0;
    case kApplyStyleMessage:
      ApplyStaticStyle(w);
      return 0;
    case WM_SETTEXT:
      w->text = TextOf(lParam);
      if (auto* label = qobject_cast<QLabel*>(w->widget.data())) label->setText(StaticText(w));
      return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (w->style & SS_NOTIFY) Notify(w, message == WM_LBUTTONDOWN ? STN_CLICKED : STN_DBLCLK);
      return 0;
    default:
      return ControlDefault(h, message, wParam, lParam);
  }
}

}  // namespace native::qt
