#include "ui/secondary_window.h"

#include "controls/application.h"
#include "controls/fonts.h"
#include "controls/kinds.h"
#include "controls/native/win_defs.h"
#include "controls/properties.h"

namespace ui {

Control* CreateSecondaryForm(Control* owner, controls::BaseObject* record,
                             const std::string& caption, int clientWidth, int clientHeight,
                             controls::Color background) {
  using namespace controls;
  Control* form = CreateForm(owner, caption);
  // The frame and caption are final before the client area is sized inside them.
  SetExStyle(form, form->exStyle | native::WS_EX_TOOLWINDOW);
  SetStyle(form, form->style & ~native::WS_THICKFRAME);
  SetClientSize(form, clientWidth, clientHeight);
  AddToAutoFree(form, record);
  SetColor(form, background);
  return form;
}

void BindOkButton(Control* button) {
  button->OnClick = {CloseWithOk, nullptr};
  controls::MakeDefaultOrCancelButton(button, native::VK_RETURN, true);
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
  if (Control* form = controls::ParentForm(sender)) form->formPart->modalCode = 1;
}

}  // namespace ui
