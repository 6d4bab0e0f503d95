#include "platform/qt_platform_probe.h"
#include "platform/qt_platform_impl.h"

namespace vorlanz::platform {

QtPlatformProbe::QtPlatformProbe(QtPlatform& platform) : impl_(*platform.impl_) {}

int QtPlatformProbe::FocusedField() const {
  return impl_.FieldOf(impl_.main_window->focusWidget());
}

bool QtPlatformProbe::MenuItemTicked(int id) const {
  return impl_.menu->ShowsTick(id);
}

bool QtPlatformProbe::PickMenuItem(int id) {
  return impl_.menu->Pick(id);
}

std::string QtPlatformProbe::HelpPageShown() const {
  if (!impl_.help || !impl_.help->isVisible()) return {};
  return impl_.help->PageShown().toStdString();
}

bool QtPlatformProbe::PressKeyInHelp(int qt_key) {
  if (!impl_.help || !impl_.help->isVisible()) return false;
  QWidget* focus = impl_.help->focusWidget();
  QWidget* target = focus != nullptr ? focus : impl_.help.get();
  QKeyEvent press(QEvent::KeyPress, qt_key, Qt::NoModifier);
  QKeyEvent release(QEvent::KeyRelease, qt_key, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
  if (impl_.help && impl_.help->isVisible()) QCoreApplication::sendEvent(target, &release);
  return true;
}

void QtPlatformProbe::PressKeyInFocus(int qt_key, Modifier modifier) {
  QWidget* focus = impl_.main_window->focusWidget();
  QWidget* target = focus != nullptr ? focus : impl_.main_window.get();
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  if (modifier == Modifier::Shift) modifiers = Qt::ShiftModifier;
  if (modifier == Modifier::Alt) modifiers = Qt::AltModifier;
  if (modifier == Modifier::Keypad) modifiers = Qt::KeypadModifier;
  QKeyEvent press(QEvent::KeyPress, qt_key, modifiers);
  QKeyEvent release(QEvent::KeyRelease, qt_key, modifiers);
  QCoreApplication::sendEvent(target, &press);
  QCoreApplication::sendEvent(target, &release);
}

bool QtPlatformProbe::ClickDialogButton(WindowId window, std::string_view name) {
  const auto found = impl_.windows.find(window);
  if (found == impl_.windows.end() || !found->second.outer) return false;
  auto* button = found->second.outer->findChild<QPushButton*>(Utf8ToQString(name));
  if (button == nullptr) return false;
  button->click();
  return true;
}

void QtPlatformProbe::CloseDialogByCloseBox(WindowId window) {
  const auto found = impl_.windows.find(window);
  if (found != impl_.windows.end() && found->second.outer) found->second.outer->close();
}

void QtPlatformProbe::PrintIntoFile(const std::string& path) {
  if (!impl_.printer) impl_.printer = std::make_unique<MarkPrinter>(impl_.main_window.get());
  impl_.printer->PrintIntoFile(QString::fromStdString(path));
}

}  // namespace vorlanz::platform
