// Accessibility over Qt's bridge. Qt's own interfaces describe the system
// controls' widgets by their kind and text, and take the name a window is
// given. Our own describe the rest: a window given a role of its own (a
// tab, a link, a pane), a top-level window (a window, or a dialog when it
// has an owner) and an owner-drawn button tell their role, name and
// selected state, list their children in reading order and are pressed as
// a click would press them; a named combo box tells its name, which Qt's
// leaves to a label beside the box on Linux.
#include "controls/native/qt/accessibility_qt.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <utility>

#include "controls/native/qt/frame_qt.h"
#include "controls/native/qt/system_classes_qt.h"
#include "controls/native/qt/window_qt.h"

namespace native {

using namespace qt;

namespace {

struct RoleName {
  AccessibleRole role;
  QAccessible::Role qtRole;
};

constexpr RoleName kRoles[] = {
    {AccessibleRole::StaticText, QAccessible::StaticText},
    {AccessibleRole::Link, QAccessible::Link},
    {AccessibleRole::PageTab, QAccessible::PageTab},
    {AccessibleRole::PageTabList, QAccessible::PageTabList},
    {AccessibleRole::Pane, QAccessible::Pane},
};

QAccessible::Role QtRole(AccessibleRole role) {
  for (const RoleName& known : kRoles)
    if (known.role == role) return known.qtRole;
  return QAccessible::Client;
}

bool IsButtonOfType(const Window* w, U32 type) {
  return w->systemClass == SystemClass::Button && (w->style & BS_TYPEMASK) == type;
}

// The role of a window that Qt's interfaces do not describe, or Client.
QAccessible::Role RoleOf(const Window* w, const Accessibility& accessibility) {
  if (accessibility.role != AccessibleRole::Default) return QtRole(accessibility.role);
  if (!IsChild(w)) return w->parent ? QAccessible::Dialog : QAccessible::Window;
  if (IsButtonOfType(w, BS_OWNERDRAW)) return QAccessible::Button;
  // A group box is Qt's own too, but its children are read in order here.
  if (IsButtonOfType(w, BS_GROUPBOX)) return QAccessible::Grouping;
  return QAccessible::Client;
}

bool Pressable(QAccessible::Role role) {
  return role == QAccessible::Link || role == QAccessible::PageTab || role == QAccessible::Button;
}

// Which interface a window's widget gets.
enum class Interface { Qts, Described, NamedComboBox };

Interface InterfaceFor(const Window* w, const Accessibility& accessibility) {
  if (RoleOf(w, accessibility) != QAccessible::Client) return Interface::Described;
  if (qobject_cast<const QComboBox*>(w->widget.data()) && !accessibility.name.empty())
    return Interface::NamedComboBox;
  return Interface::Qts;
}

bool ReadsBefore(const QWidget* a, const QWidget* b) {
  return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
}

// Everything is read from the window record whenever it is asked.
class DescribedWidget : public QAccessibleWidget {
 public:
  DescribedWidget(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  QAccessible::Role role() const override {
    const Window* w = Record();
    return w ? RoleOf(w, w->accessibility) : QAccessibleWidget::role();
  }

  QString text(QAccessible::Text which) const override {
    const Window* w = Record();
    if (which != QAccessible::Name || !w) return QAccessibleWidget::text(which);
    if (!w->accessibility.name.empty()) return Q(w->accessibility.name);
    if (auto* label = qobject_cast<QLabel*>(widget())) return label->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget())) return group->title();
    // A top-level window's title, or the caption an owner-drawn button draws.
    return Q(w->text);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    const Window* w = Record();
    if (w && w->accessibility.role == AccessibleRole::PageTab) {
      state.selectable = true;
      state.selected = w->accessibility.selected;
    }
    // A window placed wholly outside its parent is out of sight.
    if (const QWidget* parent = widget()->parentWidget();
        parent && !widget()->isWindow() && !parent->rect().intersects(widget()->geometry())) {
      state.offscreen = true;
      state.invisible = true;
    }
    return state;
  }

  // The windows stack in an order of their own; assistive technology reads
  // them top to bottom and left to right.
  int childCount() const override { return static_cast<int>(Children().size()); }

  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> children = Children();
    return index >= 0 && index < children.size()
               ? QAccessible::queryAccessibleInterface(children[index])
               : nullptr;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child || !child->object() || !child->object()->isWidgetType()) return -1;
    return static_cast<int>(Children().indexOf(static_cast<QWidget*>(child->object())));
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (PressableNow()) names.prepend(pressAction());
    return names;
  }

  void doAction(const QString& action) override {
    Window* w = Record();
    if (action != pressAction() || !w || !PressableNow()) {
      QAccessibleWidget::doAction(action);
      return;
    }
    PostClick(w);
  }

 private:
  Window* Record() const {
    Window* w = WindowOfWidget(widget());
    return w && w->widget == widget() ? w : nullptr;
  }

  QList<QWidget*> Children() const {
    QList<QWidget*> children;
    for (QObject* object : widget()->children())
      if (object->isWidgetType() && !static_cast<QWidget*>(object)->isWindow() &&
          !IsDrawnFrame(object))
        children.append(static_cast<QWidget*>(object));
    std::stable_sort(children.begin(), children.end(), ReadsBefore);
    return children;
  }

  bool PressableNow() const { return Pressable(role()) && widget()->isEnabled(); }
};

// The box's name is the one given; its value is the item shown, and its one
// child the list, as in Qt's own.
class NamedComboBox : public QAccessibleWidget {
 public:
  explicit NamedComboBox(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  QString text(QAccessible::Text which) const override {
    const Window* w = WindowOfWidget(widget());
    if (which == QAccessible::Name && w) return Q(w->accessibility.name);
    if (which == QAccessible::Value) return Combo()->currentText();
    return QAccessibleWidget::text(which);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    const Window* w = WindowOfWidget(widget());
    state.expanded = w && w->dropped;
    state.collapsed = !state.expanded;
    return state;
  }

  int childCount() const override { return 1; }

  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(Combo()->view()) : nullptr;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && child->object() == Combo()->view() ? 0 : -1;
  }

  // A disabled list offers nothing, as it takes no key or click.
  QStringList actionNames() const override {
    if (!widget()->isEnabled()) return {};
    return {showMenuAction(), pressAction()};
  }

  // Opens or closes the list, as the keyboard's F4 does.
  void doAction(const QString& action) override {
    Window* w = WindowOfWidget(widget());
    if ((action != showMenuAction() && action != pressAction()) || !w) return;
    if (!widget()->isEnabled()) return;
    SendMessage(ToHwnd(w), CB_SHOWDROPDOWN, w->dropped ? 0 : 1, 0);
  }

 private:
  QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* DescribedInterface(const QString&, QObject* object) {
  if (!object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  const Window* w = WindowOfWidget(widget);
  if (!w || w->widget != widget) return nullptr;
  switch (InterfaceFor(w, w->accessibility)) {
    case Interface::Described:
      return new DescribedWidget(widget, RoleOf(w, w->accessibility));
    case Interface::NamedComboBox:
      return new NamedComboBox(static_cast<QComboBox*>(widget));
    case Interface::Qts:
      break;
  }
  return nullptr;
}

}  // namespace

namespace qt {

void InstallAccessibility() { QAccessible::installFactory(DescribedInterface); }

void RenewInterface(Window* w) {
  if (!w->widget) return;
  QAccessibleInterface* kept = QAccessible::queryAccessibleInterface(w->widget);
  if (!kept) return;
  const Interface wanted = InterfaceFor(w, w->accessibility);
  const Interface held = dynamic_cast<DescribedWidget*>(kept) ? Interface::Described
                         : dynamic_cast<NamedComboBox*>(kept) ? Interface::NamedComboBox
                                                              : Interface::Qts;
  // The next one asked for is made by the factories again.
  if (held != wanted) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(kept));
}

}  // namespace qt

void SetAccessibility(Hwnd window, const Accessibility& accessibility) {
  Window* w = AsWindow(window);
  if (!w) return;
  const Accessibility old = std::exchange(w->accessibility, accessibility);
  QWidget* widget = w->widget;
  if (!widget) return;
  RenewInterface(w);
  // Qt's own interfaces read the name from the widget; an empty one is its text.
  if (widget->accessibleName() != Q(accessibility.name))
    widget->setAccessibleName(Q(accessibility.name));
  // A Selection event is what the bridges announce as the item's selected
  // state changing.
  if (old.selected != accessibility.selected) {
    QAccessibleEvent event(widget, QAccessible::Selection);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace native
