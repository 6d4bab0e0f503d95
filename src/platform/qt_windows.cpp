#include "platform/qt_platform_impl.h"

namespace vorlanz::platform {

QtPlatform::Impl::Window& QtPlatform::Impl::At(WindowId id, const char* caller) {
  const auto found = windows.find(id);
  if (found == windows.end()) {
    throw std::logic_error(std::string(caller) + ": window " + std::to_string(id) + " is not open");
  }
  return found->second;
}

void QtPlatform::Impl::FocusTopWindow(WindowId preferred) {
  auto found = windows.find(preferred);
  if (found == windows.end()) {
    // The window with a title bar opened last, else the main window.
    found = windows.find(kMainWindow);
    for (auto it = windows.begin(); it != windows.end(); ++it) {
      if (tree.ParentOf(it->first) == 0) found = it;
    }
  }
  if (found->second.screen) found->second.screen->setFocus();
}

void QtPlatform::Impl::CentreMainWindow() {
  main_window->adjustSize();
  const QScreen* screen = main_window->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect desk = screen->geometry();
  const QPoint at(desk.x() + RoundHalfEven(desk.width() - main_window->width(), 2),
                  desk.y() + RoundHalfEven(desk.height() - main_window->height(), 2));
  main_window->move(at);
  centred_at = at;
}

void QtPlatform::Impl::RefreshChanged() {
  for (auto& [id, window] : windows) {
    if (window.screen) window.screen->RefreshIfChanged();
  }
}

void QtPlatform::ShowMainWindow(std::string_view title) {
  QMainWindow& window = *impl_->main_window;
  window.setWindowTitle(Utf8ToQString(title));
  impl_->CentreMainWindow();
  window.show();
  BringToFront(window);
}

WindowId QtPlatform::OpenWindow(std::string_view title, int x, int y, int outer_width,
                                int outer_height) {
  const WindowId id = impl_->next_window++;
  Impl::Window& window = impl_->windows[id];
  window.surface = std::make_unique<Surface>(outer_width - 2 * kFrameSide,
                                             outer_height - kFrameTop - kFrameBottom);
  auto* frame =
      new SubWindow(Utf8ToQString(title), *window.surface, id, impl_->Sink(), impl_->main_screen);
  frame->setGeometry(x, y, outer_width, outer_height);
  frame->show();
  frame->raise();
  window.outer = frame;
  window.screen = frame->client();
  impl_->tree.AddWindow(id, 0);
  frame->client()->setFocus();
  impl_->current = id;
  return id;
}

WindowId QtPlatform::OpenPanel(WindowId parent, int x, int y, int width, int height) {
  ScreenWidget* host = impl_->At(parent, "OpenPanel").screen;
  const WindowId id = impl_->next_window++;
  Impl::Window& window = impl_->windows[id];
  impl_->tree.AddWindow(id, parent);
  window.surface = std::make_unique<Surface>(width, height);
  auto* panel = new ScreenWidget(*window.surface, id, impl_->Sink(), host);
  panel->move(x, y);
  panel->show();
  panel->raise();
  window.outer = panel;
  window.screen = panel;
  impl_->current = id;
  return id;
}

void QtPlatform::CloseWindow(WindowId window) {
  if (const auto dialog = impl_->dialogs.find(window); dialog != impl_->dialogs.end()) {
    delete dialog->second;
    impl_->dialogs.erase(dialog);
    impl_->help_openings_at_hide.erase(window);
    impl_->input.DropWindow(window);
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
      impl_->main_window->activateWindow();
    }
    return;
  }
  if (window == kMainWindow || !impl_->windows.contains(window)) return;
  const WindowId parent = impl_->tree.ParentOf(window);
  QWidget* outer = impl_->windows.at(window).outer;
  const bool own_window = outer != nullptr && outer->isWindow();
  const QWidget* focus = impl_->main_window->focusWidget();
  const bool had_focus = outer != nullptr && (focus == outer || outer->isAncestorOf(focus));
  delete outer;
  const WindowTree::Closed closed = impl_->tree.Close(window);
  for (const int field : closed.fields) impl_->edits.erase(field);
  for (const WindowId id : closed.windows) {
    impl_->input.DropWindow(id);
    impl_->windows.erase(id);
    if (impl_->current == id) impl_->current = kMainWindow;
  }
  if (had_focus || impl_->main_window->focusWidget() == nullptr) impl_->FocusTopWindow(parent);
  if (own_window) BringToFront(*impl_->main_window);
}

void QtPlatform::SelectWindow(WindowId window) {
  impl_->At(window, "SelectWindow");
  impl_->current = window;
}

WindowId QtPlatform::CurrentWindow() const {
  return impl_->current;
}

Surface& QtPlatform::WindowSurface(WindowId window) {
  return *impl_->At(window, "WindowSurface").surface;
}

// --- Information box ---------------------------------------------------------

WindowId QtPlatform::OpenInfoBox(int x, int y, const InfoBoxForm& form) {
  const WindowId id = impl_->next_window++;
  Impl::Window& window = impl_->windows[id];
  window.surface = std::make_unique<Surface>(1, 1);
  auto* box = new InfoBox(form, id, impl_->Sink(), impl_->main_window.get());
  box->move(impl_->main_window->frameGeometry().topLeft() + QPoint(x, y));
  box->show();
  BringToFront(*box);
  window.outer = box;
  impl_->tree.AddWindow(id, 0);
  impl_->current = id;
  return id;
}

}  // namespace vorlanz::platform
