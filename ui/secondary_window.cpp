#include "ui/secondary_window.h"

#include "controls/application.h"
#include "controls/fonts.h"
#include "controls/kinds.h"
#include "controls/properties.h"

namespace ui {

Control* CreateSecondaryForm(Control* owner, controls::BaseObject* record,
                             const std::string& caption, int clientWidth, int clientHeight,
                             controls::Color background) {
  using namespace controls;
  Control* form = CreateForm(owner, caption);
  // The frame and caption are final before the client area is sized inside them.
  SetFormFrame(form, FormFrame::ToolWindow);
  SetClientSize(form, clientWidth, clientHeight);
  AddToAutoFree(form, record);
  SetColor(form, background);
  return form;
}

void BindOkButton(Control* button) {
  button->events.OnClick = {CloseWithOk, nullptr};
  controls::MakeDefaultOrCancelButton(button, controls::kEnterKey, true);
}

void FinishSecondaryForm(Control* form) {
  controls::Centre(form);
  controls::SetResizable(form, false);
}

void ShowAndDestroy(Control* form) {
  controls::ShowModal(form);
  controls::Free(form);
}

void CloseWithOk(void*, Control* sender) {
  if (Control* form = controls::ParentForm(sender)) controls::EndModal(form, 1);
}

}  // namespace ui
