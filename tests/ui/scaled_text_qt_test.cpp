// The windows' text at the device pixel ratio the run has (QT_SCALE_FACTOR):
// drawn with the bitmap dialog face at 1, with a scalable face above, and at
// any ratio inside the controls the layout gives it.
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <functional>
#include <string>
#include <vector>

#include "controls/native/qt/gdi_qt.h"
#include "controls/native/qt/window_qt.h"
#include "main_window_harness.h"
#include "ui/about_window.h"
#include "ui/help_window.h"
#include "ui/pages.h"

namespace ui::testing {
namespace {

using namespace controls;

// A text a control shows, the font it is drawn with and the width it has.
struct Caption {
  std::string control;
  QString text;
  QFont font;
  qreal room = 0;
};

QWidget* WidgetOf(Control* control) {
  native::qt::Window* window = native::qt::AsWindow(control->window);
  return window ? window->widget.data() : nullptr;
}

QFont FontOf(Control* control) {
  native::qt::FontObject* font = native::qt::AsFont(FontHandle(GetFont(control)));
  return font ? font->font : QFont();
}

qreal GroupTitleRoom(QGroupBox* group) {
  QStyleOptionGroupBox option;
  option.initFrom(group);
  option.text = group->title();
  option.textAlignment = group->alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  const QRect label =
      group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
  // The title starts as far in as it must stay away from the right edge.
  return group->width() - 2 * label.left();
}

qreal ButtonRoom(QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const bool check = qobject_cast<QCheckBox*>(button) != nullptr;
  return button->style()
      ->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option,
                       button)
      .width();
}

qreal ComboRoom(QComboBox* combo) {
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.editable = combo->isEditable();
  option.frame = combo->hasFrame();
  return combo->style()
      ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
      .width();
}

// Every text of the control and its descendants, with the room it has: a
// label's lines, a button's or group's caption, a list's items, and the
// caption of a kind the layer paints itself.
void CollectCaptions(Control* control, const std::string& name, std::vector<Caption>& out) {
  QWidget* widget = WidgetOf(control);
  const std::string text = GetText(control);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    for (QString line : label->text().split(u'\n')) {
      line.remove(u'\r');
      if (!line.trimmed().isEmpty())
        out.push_back({name, line, label->font(), qreal(label->contentsRect().width())});
    }
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    out.push_back({name, button->text(), button->font(), ButtonRoom(button)});
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    out.push_back({name, group->title(), group->font(), GroupTitleRoom(group)});
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    for (int i = 0; i < combo->count(); ++i)
      out.push_back({name, combo->itemText(i), combo->font(), ComboRoom(combo)});
  } else if (widget && !text.empty() && !control->IsForm()) {
    out.push_back(
        {name, QString::fromStdString(text), FontOf(control), qreal(ClientWidth(control))});
  }
  for (int i = 0; i < ChildCount(control); ++i)
    CollectCaptions(Child(control, i), name + "/" + std::to_string(i), out);
}

bool Scaled() { return qApp->devicePixelRatio() > 1; }

class ScaledTextTest : public MainWindowTest {
 protected:
  // The captions of the main window on every page, and of the help and
  // About windows.
  std::vector<Caption> AllCaptions() {
    std::vector<Caption> captions;
    for (units::Category category : kEveryCategory) {
      SelectCategory(w, category);
      Settle();
      CollectCaptions(form, "main", captions);
    }
    HelpWindow* help = nullptr;
    BuildHelpWindow(help, AppWindow);
    help->HelpForm->CreateWindow();
    for (const char* topic : {WeightHelpText, PaperHelpText}) {
      SetText(help->HelpText, topic);
      CollectCaptions(help->HelpForm, "help", captions);
    }
    Free(help->HelpForm);
    AboutWindow* about = nullptr;
    BuildAboutWindow(about, AppWindow);
    about->AboutForm->CreateWindow();
    CollectCaptions(about->AboutForm, "about", captions);
    Free(about->AboutForm);
    return captions;
  }
};

// At a ratio of 1 the window is drawn as ever, where the longest paper
// names run a few pixels past the field of their list.
TEST_F(ScaledTextTest, EveryCaptionFitsItsControlAboveRatioOne) {
  if (!Scaled()) GTEST_SKIP() << "run with QT_SCALE_FACTOR above 1";
  const std::vector<Caption> captions = AllCaptions();
  ASSERT_GT(captions.size(), 100u);
  for (const Caption& caption : captions) {
    const qreal width = QFontMetricsF(caption.font).horizontalAdvance(caption.text);
    EXPECT_LE(width, caption.room) << caption.control << " \"" << caption.text.toStdString()
                                   << "\" in " << QFontInfo(caption.font).family().toStdString();
  }
}

// Above a ratio of 1 no text is left in a bitmap strike, which would be drawn
// small and spread apart; at 1 the dialog face is the bitmap one, as ever.
TEST_F(ScaledTextTest, TextIsDrawnWithAScalableFaceAboveRatioOne) {
  for (const Caption& caption : AllCaptions()) {
    const QFontInfo shown(caption.font);
    const bool bitmap = !QFontDatabase::isScalable(shown.family(), shown.styleName());
    if (Scaled()) {
      EXPECT_FALSE(bitmap) << caption.control << " \"" << caption.text.toStdString() << "\" in "
                           << shown.family().toStdString();
    } else if (caption.control.rfind("main", 0) == 0 && !caption.font.bold()) {
      EXPECT_TRUE(bitmap) << caption.control << " \"" << caption.text.toStdString() << "\" in "
                          << shown.family().toStdString();
    }
  }
}

}  // namespace
}  // namespace ui::testing
