#include "platform/qt_platform_impl.h"

namespace vorlanz::platform {

// --- Dialogs of platform controls ------------------------------------------

ControlDialog& QtPlatform::Impl::DialogAt(WindowId id, const char* caller) {
  const auto found = dialogs.find(id);
  if (found == dialogs.end() || !found->second) {
    throw std::logic_error(std::string(caller) + ": window " + std::to_string(id) +
                           " is no open dialog");
  }
  return *found->second;
}

WindowId QtPlatform::OpenDialog(const DialogLayout& layout) {
  const WindowId id = impl_->next_window++;
  auto* dialog = new ControlDialog(
      layout, id, [this](const Event& event) { impl_->input.Push(event); },
      impl_->main_window.get());
  dialog->move(impl_->main_window->frameGeometry().topLeft() + QPoint(layout.x, layout.y));
  impl_->dialogs[id] = dialog;
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
  return id;
}

void QtPlatform::ShowDialog(WindowId dialog, bool visible) {
  ControlDialog& window = impl_->DialogAt(dialog, "ShowDialog");
  window.setVisible(visible);
  if (!visible) {
    impl_->help_openings_at_hide[dialog] = impl_->help_openings;
    return;
  }
  // A help opened while the dialog was hidden stays in front of it, once the
  // window system has put the dialog back.
  const auto hidden = impl_->help_openings_at_hide.find(dialog);
  if (hidden != impl_->help_openings_at_hide.end() && hidden->second != impl_->help_openings &&
      impl_->help && impl_->help->isVisible()) {
    BringToFrontAfterwards(*impl_->help);
    return;
  }
  window.raise();
  window.activateWindow();
}

void QtPlatform::AddListItem(WindowId dialog, int control, std::string_view text) {
  impl_->DialogAt(dialog, "AddListItem").AddListItem(control, Utf8ToQString(text));
}

void QtPlatform::SelectListItem(WindowId dialog, int control, int index) {
  impl_->DialogAt(dialog, "SelectListItem").SelectListItem(control, index);
}

int QtPlatform::SelectedListItem(WindowId dialog, int control) {
  return impl_->DialogAt(dialog, "SelectedListItem").SelectedListItem(control);
}

void QtPlatform::SetChecked(WindowId dialog, int control, bool checked) {
  impl_->DialogAt(dialog, "SetChecked").SetChecked(control, checked);
}

void QtPlatform::SetControlValue(WindowId dialog, int control, int value) {
  impl_->DialogAt(dialog, "SetControlValue").SetValue(control, value);
}

int QtPlatform::ControlValue(WindowId dialog, int control) {
  return impl_->DialogAt(dialog, "ControlValue").Value(control);
}

void QtPlatform::SetControlText(WindowId dialog, int control, std::string_view text) {
  impl_->DialogAt(dialog, "SetControlText").SetText(control, Utf8ToQString(text));
}

std::string QtPlatform::ControlText(WindowId dialog, int control) {
  return impl_->DialogAt(dialog, "ControlText").Text(control);
}

}  // namespace vorlanz::platform
